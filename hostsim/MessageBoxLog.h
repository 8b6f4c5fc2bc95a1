// The log line of a message box the plug-in showed, the same in both runners.
#pragma once
#include <string>

#include "hostsim/TextLine.h"

namespace hostsim {

inline std::string MessageBoxLine(const std::string& caption, const std::string& text, int answer)
{
    return "message box " + QuoteWord(caption) + " " + QuoteWord(text) + " -> " + std::to_string(answer);
}

}  // namespace hostsim
