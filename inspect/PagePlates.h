// One page's plates, from tiffsep's separations to the pictures: each plate as the
// device receives it, the ink coverage and, with traps, each plate with the traps the
// preview adds and the page with the trap areas marked. The plates go through a band of
// rows at a time, so memory follows the band, not the page.
#pragma once
#include <string>
#include <vector>

#include "inspect/Journal.h"
#include "inspect/engine/Coverage.h"
#include "inspect/engine/TrapEngine.h"
#include "inspect/engine/TrapModel.h"

namespace orvane::inspect {

struct PlateOptions {
    std::string separations;  // tiffsep's folder
    std::string out;          // the folder for the pictures
    double resolution = 300;
    double inkLimit = 300;  // percent
    bool traps = false;
    int misregister = 0;  // pixels the plates are shifted by; 0: no misregistered pictures
};

struct PagePlates {
    int page = 0;
    double resolution = 0;           // of the plates: lower than asked for a page too large
    std::vector<std::string> inks;   // the plates' inks as the job named them
    std::vector<std::string> files;  // the pictures written, in out
    bool measured = false;           // the coverage (and the traps) are of the whole page
    CoverageResult coverage;
    TrapPage setup;                  // the page as the trap preview saw it
    std::vector<int> zoneOf;         // per zone of setup, its index in Journal::zones
    std::vector<TrapRecord> traps;
    std::vector<UntrappedEdge> untrapped;
    double gapArea = -1;             // square points of paper misregistration bares, -1: not measured
    double gapAreaTrapped = -1;      // the same with the traps
    std::vector<std::string> crops;  // per trap, its crop's picture in out (empty: none)
    double engineSeconds = 0;        // time the trap engine took
    std::string problem;             // what went wrong, empty when nothing did
};

// The page `page` of the job, which tiffsep wrote as its page `index` (from 1).
PagePlates RenderPlates(const Journal& j, int page, int index, const PlateOptions& o);

// An ink's name as it stands in a file name: every byte other than a letter, a digit,
// '-' and '_' made '_'.
std::string FileInkName(const std::string& ink);

}  // namespace orvane::inspect
