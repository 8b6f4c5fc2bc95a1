// The printed-page sequence and the page rectangle of a print job.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/PageSequence.h"

namespace orvane {

// Requests 3507 and 3522: the page plus 9 points on each side, centred on the paper.
void ComputePageRectangle(PageRectangle& rectangle);

// Requests 3518 and 3503. False, with the sequence left unbuilt, when the
// page-range text is not valid for the publication.
bool BuildPrintedPageSequence(PrintedPageSequence& sequence);

// The next page number of the job; 0 when the sequence is unbuilt, cleared or used up.
std::int16_t NextPrintedPage(PrintedPageSequence& sequence);

// The inputs of a build, apart from the Host.
struct PrintSelection {
    std::int16_t firstPage = 1;
    std::int16_t pageCount = 0;
    std::string pageRange;
    std::int16_t parity = 0;
    std::int16_t spreads = 0;
    std::int16_t reverse = 0;
    std::int16_t copies = 1;
};
bool BuildPrintedPageSequence(PrintedPageSequence& sequence, const PrintSelection& selection);

// Replaces single pages by the spreads that hold them.
std::vector<std::int16_t> SpreadsOf(const std::vector<std::int16_t>& entries, bool allPages, std::int16_t parity,
                                    std::int16_t pageCount);

}  // namespace orvane
