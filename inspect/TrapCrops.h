// Enlarged crops of the trap preview: for each pair of colours that traps, the page
// around the place where the pair first meets, without its traps, with them, and with
// the pixels the traps changed in red (a light ink spread under black hardly shows),
// side by side and enlarged so that a trap one pixel wide shows.
#pragma once
#include <string>
#include <vector>

#include "inspect/PagePlates.h"

namespace orvane::inspect {

// Crops of at most this many pairs a page: past it, pairs have none.
constexpr std::size_t kMaxCrops = 24;

// Writes into dir, for the first kMaxCrops traps of p, page-NNNN-trap-K.png (K from 1)
// from the plates' pictures without traps (plates) and with them (trapped), in p's ink
// order; gives the file names, one per trap, empty for a trap without one. False, with
// the reason in problem, when a picture cannot be read or written.
bool WriteTrapCrops(const PagePlates& p, const std::vector<std::string>& plates, const std::vector<std::string>& trapped,
                    const std::string& dir, std::vector<std::string>& names, std::string& problem);

}  // namespace orvane::inspect
