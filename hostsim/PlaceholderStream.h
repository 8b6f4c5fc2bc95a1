// The PostScript stream's slots that the plug-in never calls, kept so that the
// numbering holds: a stand-in stream derives from this and writes only the rest.
#pragma once
#include "host/HostInterfaces.h"

namespace hostsim {

struct PlaceholderStream : orvane::PostScriptStream {
    void Slot0() override {}
    void Slot1() override {}
    void Slot2() override {}
    void Slot3() override {}
    void Slot4() override {}
    void Slot5() override {}
    void Slot6() override {}
};

}  // namespace hostsim
