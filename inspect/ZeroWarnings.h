// Trap parameters that the device takes at 0 but that a device may refuse (a rangecheck
// where only values above 0 are taken): TrapWidth, BlackWidth, BlackDensityLimit and
// ImageResolution. They are warned about, not refused: the exit status stays.
#pragma once
#include <vector>

#include "inspect/Findings.h"
#include "inspect/Journal.h"

namespace orvane::inspect {

struct ZeroWarning {
    std::string message;  // escaped like the events' texts
    std::string style;    // escaped
    std::string key;
    std::vector<int> pages;  // pages with a zone of the style; empty for a style no zone uses
};

std::vector<ZeroWarning> ZeroWarnings(const Journal& j);

}  // namespace orvane::inspect
