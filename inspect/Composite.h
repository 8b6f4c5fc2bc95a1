// The page as a light picture from its plates: the process inks as such, other inks as
// grey, so that marks drawn over it stand out.
#pragma once
#include <cstdint>
#include <vector>

#include "inspect/engine/TrapModel.h"

namespace orvane::inspect {

// One row: plates[i] holds width tints of inks[i]; rgb gets width × 3 bytes.
void Composite(const std::vector<InkInfo>& inks, const std::vector<const std::uint8_t*>& plates, int width,
               std::uint8_t* rgb);

}  // namespace orvane::inspect
