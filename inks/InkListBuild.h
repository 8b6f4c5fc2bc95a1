// Bringing an ink list in line with the publication's colours.
#pragma once

namespace orvane {

class InkList;

// Rebuilds the list: the saved inks (unless Ctrl and Shift discard them), the four
// process inks and every ink of the publication's colours, each new ink with the
// Host's density; saved inks the publication no longer has are dropped. True, or
// raises the error that stopped it.
bool BuildInkList(InkList& list);

}  // namespace orvane
