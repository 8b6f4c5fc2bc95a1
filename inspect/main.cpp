// orvane_inspect: turns the events of inspect.ps (standard input) into the inspector's
// report, in words or as JSON, on standard output. scripts/inspect runs it; see there.
//
//   orvane_inspect --job FILE [--announced N] [--pictures DIR] [--progress] [--json]
//
// Exit status: 0 clean, 1 the device would refuse something, 2 the job does not run
// through (its error goes to standard error) or the options make no sense.
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "inspect/Findings.h"
#include "inspect/JsonReport.h"
#include "inspect/Journal.h"
#include "inspect/TextReport.h"

using namespace orvane::inspect;

namespace {

struct Options {
    std::string job;
    int announced = 0;
    std::string pictures;
    bool progress = false;
    bool json = false;
};

[[noreturn]] void Usage(const std::string& problem) {
    std::cerr << "orvane_inspect: " << problem << "\n"
              << "usage: orvane_inspect --job FILE [--announced N] [--pictures DIR] [--progress] [--json]"
                 " < events\n";
    std::exit(2);
}

int Count(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || value < 0 || value > 1000000000) Usage(std::string("not a count: ") + text);
    return static_cast<int>(value);
}

Options Parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc) Usage(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--job") o.job = value();
        else if (arg == "--announced") o.announced = Count(value());
        else if (arg == "--pictures") o.pictures = value();
        else if (arg == "--progress") o.progress = true;
        else if (arg == "--json") o.json = true;
        else Usage("unknown option " + arg);
    }
    if (o.job.empty()) Usage("no --job");
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = Parse(argc, argv);
    std::ios::sync_with_stdio(false);
    const Journal journal = ReadJournal(std::cin, [&o](int page) {
        if (!o.progress) return;
        std::cerr << "\rinspect: page " << page << (o.announced > 0 ? " of " + std::to_string(o.announced) : "")
                  << std::flush;
    });
    if (o.progress) std::cerr << "\r\033[K" << std::flush;
    const Findings findings = Find(journal, o.job, o.announced);
    if (o.json) WriteJson(std::cout, JsonReport(journal, findings, o.pictures));
    else WriteTextReport(std::cout, journal, findings, o.pictures);
    std::cout.flush();
    WriteJobTrouble(std::cerr, journal, findings);
    return findings.status;
}
