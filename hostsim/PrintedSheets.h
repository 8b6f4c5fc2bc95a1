// What the simulated Host prints for a publication and its print options: the
// sheets in print order, each a page or a spread of two facing pages.
#pragma once
#include <vector>

#include "hostsim/Publication.h"

namespace hostsim {

struct PrintedSheet {
    int firstPage = 0;  // the page number, or the left page of a spread
    int lastPage = 0;   // equal to firstPage for a single page
};

// Page range (elements N, N-M, N-, -M and - separated by commas; elements that
// name no page are left out), parity (0 all, 1 even, 2 odd), spreads (1 alone,
// then 2-3, 4-5, ...), reverse order and copies.
std::vector<PrintedSheet> SheetsToPrint(const Publication& publication);

}  // namespace hostsim
