// What the trap preview and the coverage of one page work with, from the journal: the
// plates' inks with the neutral density and colorant type the device received, and the
// page's trap zones in pixels, each with the parameters it was set with.
#pragma once
#include <string>
#include <vector>

#include "inspect/Journal.h"
#include "inspect/engine/TrapModel.h"

namespace orvane::inspect {

// inks: the plates' ink names as the job gave them (raw bytes), in plate order.
// zoneOf gets, per zone of the TrapPage, its index in Journal::zones.
TrapPage PageSetup(const Journal& j, int page, const std::vector<std::string>& inks, int width, int height,
                   double resolution, std::vector<int>& zoneOf);

// Where the job's details leave an ink without a neutral density (the device would
// make one up from the ink's colour), the preview takes these: the usual process inks'
// densities, 1.0 for others.
double DefaultNeutralDensity(const std::string& ink);

}  // namespace orvane::inspect
