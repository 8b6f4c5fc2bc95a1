#include "inspect/Composite.h"

#include <cmath>
#include <string>

namespace orvane::inspect {

void Composite(const std::vector<InkInfo>& inks, const std::vector<const std::uint8_t*>& plates, int width,
               std::uint8_t* rgb) {
    for (int x = 0; x < width; ++x) {
        double c[3] = {1, 1, 1};
        for (std::size_t i = 0; i < inks.size(); ++i) {
            const double t = plates[i][x] / 255.0;
            if (t == 0) continue;
            const std::string& name = inks[i].name;
            if (name == "Cyan") c[0] *= 1 - t;
            else if (name == "Magenta") c[1] *= 1 - t;
            else if (name == "Yellow") c[2] *= 1 - t;
            else for (double& v : c) v *= 1 - t * (name == "Black" ? 1.0 : 0.6);
        }
        for (int k = 0; k < 3; ++k) rgb[3 * x + k] = static_cast<std::uint8_t>(std::lround(255 - (1 - c[k]) * 255 * 0.45));
    }
}

}  // namespace orvane::inspect
