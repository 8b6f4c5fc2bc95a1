// The inspector's command line: one table of options, which both parses the arguments
// and prints --help.
#pragma once
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::inspect {

struct Options {
    std::string job;
    int first = 1, last = 2147483647;  // the pages pictured
    bool pageRange = false;            // --pages was given
    std::string out = "out/inspect";
    bool json = false;
    bool plates = false;
    bool traps = false;
    int misregister = 0;  // pixels; 0: no misregistered pictures
    int resolution = 300;
    double inkLimit = 300;
    bool timing = false;
    bool help = false;
};

// A command line the inspector cannot run with; `usage`: the usage goes before the message.
struct UsageError : std::runtime_error {
    UsageError(const std::string& message, bool withUsage = false) : std::runtime_error(message), usage(withUsage) {}
    bool usage;
};

// Throws UsageError.
Options ParseOptions(const std::vector<std::string>& args);
// The whole of --help.
std::string HelpText();
// Its first lines: how to call the inspector.
std::string UsageLine();

}  // namespace orvane::inspect
