// Whether a band of plates is the next one of a page: the row it starts on, its height
// within the page, one plate per ink, each of rows × width tints.
#pragma once
#include <cstddef>

#include "inspect/engine/TrapModel.h"

namespace orvane::inspect {

inline bool BandFits(const PlateBand& band, int width, int height, std::size_t inks, int nextRow) {
    if (band.y0 != nextRow || band.rows < 0 || band.rows > height - nextRow) return false;
    if (band.plates.size() != inks) return false;
    const std::size_t size = static_cast<std::size_t>(band.rows) * static_cast<std::size_t>(width);
    for (const auto& plate : band.plates)
        if (plate.size() != size) return false;
    return true;
}

}  // namespace orvane::inspect
