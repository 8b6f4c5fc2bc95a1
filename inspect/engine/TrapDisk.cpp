#include "inspect/engine/TrapDisk.h"

#include <cmath>

namespace orvane::inspect {

TrapDisk MakeTrapDisk(double width) {
    TrapDisk disk;
    const double radius = width - 0.5;
    if (!(radius >= -1e-9)) return disk;
    const double limit = radius * radius + 1e-9;
    auto inside = [limit](int dx, int dy) { return dx * dx + dy * dy <= limit; };
    const int reach = static_cast<int>(std::floor(radius + 1e-9));
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (inside(dx, dy)) disk.all.push_back({dx, dy});
    for (std::size_t k = 0; k < TrapDisk::kBefore.size(); ++k) {
        const Offset before = TrapDisk::kBefore[k];
        for (const Offset o : disk.all)
            if (!inside(o.dx - before.dx, o.dy - before.dy)) disk.beyond[k].push_back(o);
    }
    return disk;
}

}  // namespace orvane::inspect
