// The scriptable stand-in for Windows used by the native build. Tests set key
// state, locale separators and message-box answers, and read back what was shown.
#pragma once
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace orvane::platform {

struct MessageBoxCall {
    WindowHandle owner;
    std::string text;
    std::string caption;
    unsigned flags;
};

struct PortableGlobalBlock {
    std::vector<char> bytes;
    unsigned lockCount = 0;
};

struct PortableState {
    std::deque<int> messageBoxAnswers;  // answered in order; kIdOk/kIdYes when empty
    std::vector<MessageBoxCall> messageBoxes;
    std::vector<std::pair<int, int>> stringLoads;  // identifier and capacity of every string loaded
    std::vector<int> templateLookups;              // identifier of every template looked up
    bool controlAndShiftDown = false;
    char decimalSeparator = '.';
    char thousandsSeparator = ',';
    WindowHandle hostMainWindow = reinterpret_cast<WindowHandle>(0x500);
    WindowHandle activeWindow = reinterpret_cast<WindowHandle>(0xA00);
    int dialogBaseUnitX = 8;
    int characterWidth = 6;  // pixels per character of the measuring font
    std::map<GlobalHandle, PortableGlobalBlock> globalBlocks;
    GlobalHandle nextGlobalHandle = 0x1000;
    int globalFreeErrors = 0;  // frees of unknown handles
};

PortableState& Portable();
void ResetPortable();  // back to the defaults above; global blocks kept

}  // namespace orvane::platform
