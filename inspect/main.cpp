// orvane_inspect: turns the events of inspect.ps (standard input) into the inspector's
// report, in words or as JSON, on standard output; with --separations, also the plates
// of the pages pictured, their ink coverage and, with --traps, the trap preview, from
// the separations Ghostscript's tiffsep device wrote. scripts/inspect runs it; see there.
//
//   orvane_inspect --job FILE [--announced N] [--pictures DIR] [--progress] [--json]
//                  [--separations DIR --plates-out DIR [--resolution DPI] [--ink-limit PCT]
//                   [--traps] [--timing]]
//
// Exit status: 0 clean, 1 the device would refuse something, 2 the job does not run
// through (its error goes to standard error), the plates could not be made or the
// options make no sense.
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>

#include "inspect/Findings.h"
#include "inspect/JsonReport.h"
#include "inspect/Journal.h"
#include "inspect/PagePlates.h"
#include "inspect/PlatesReport.h"
#include "inspect/TextReport.h"

using namespace orvane::inspect;

namespace {

struct Options {
    std::string job;
    int announced = 0;
    std::string pictures;
    bool progress = false;
    bool json = false;
    std::string separations, platesOut;
    double resolution = 300;
    double inkLimit = 300;
    bool traps = false;
    bool timing = false;
};

[[noreturn]] void Usage(const std::string& problem) {
    std::cerr << "orvane_inspect: " << problem << "\n"
              << "usage: orvane_inspect --job FILE [--announced N] [--pictures DIR] [--progress] [--json]\n"
                 "         [--separations DIR --plates-out DIR [--resolution DPI] [--ink-limit PCT] [--traps]"
                 " [--timing]] < events\n";
    std::exit(2);
}

double Number(const std::string& text, double low, double high) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value) || value < low || value > high)
        Usage("not a number from " + std::to_string(static_cast<long>(low)) + " to " + std::to_string(static_cast<long>(high)) +
              ": " + text);
    return value;
}

Options Parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) Usage(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--job") o.job = value();
        else if (arg == "--announced") o.announced = static_cast<int>(Number(value(), 0, 1e9));
        else if (arg == "--pictures") o.pictures = value();
        else if (arg == "--progress") o.progress = true;
        else if (arg == "--json") o.json = true;
        else if (arg == "--separations") o.separations = value();
        else if (arg == "--plates-out") o.platesOut = value();
        else if (arg == "--resolution") o.resolution = Number(value(), 1, 2400);
        else if (arg == "--ink-limit") o.inkLimit = Number(value(), 0, 100000);
        else if (arg == "--traps") o.traps = true;
        else if (arg == "--timing") o.timing = true;
        else Usage("unknown option " + arg);
    }
    if (o.job.empty()) Usage("no --job");
    if (o.separations.empty() != o.platesOut.empty()) Usage("--separations and --plates-out go together");
    return o;
}

void Progress(const Options& o, const std::string& text) {
    if (o.progress) std::cerr << "\rinspect: " << text << "\033[K" << std::flush;
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = Parse(argc, argv);
    std::ios::sync_with_stdio(false);
    const Journal journal = ReadJournal(std::cin, [&o](int page) {
        Progress(o, "page " + std::to_string(page) + (o.announced > 0 ? " of " + std::to_string(o.announced) : ""));
    });
    const Findings findings = Find(journal, o.job, o.announced);
    int status = findings.status;

    PlatesRun run;
    if (!o.separations.empty()) {
        run.out = o.pictures;
        run.resolution = o.resolution;
        run.inkLimit = o.inkLimit;
        run.traps = o.traps;
        const PlateOptions plates{o.separations, o.platesOut, o.resolution, o.inkLimit, o.traps};
        double engineSeconds = 0;
        for (std::size_t k = 0; k < journal.pictures.size(); ++k) {
            const int page = journal.pictures[k];
            Progress(o, "plates of page " + std::to_string(page));
            run.pages.push_back(RenderPlates(journal, page, static_cast<int>(k) + 1, plates));
            const PagePlates& p = run.pages.back();
            engineSeconds += p.engineSeconds;
            if (!p.problem.empty()) {
                std::cerr << "inspect: page " << page << ": no plates: " << p.problem << "\n";
                status = 2;
            }
        }
        if (o.timing)
            std::cerr << "inspect: trap engine " << engineSeconds << " s for " << run.pages.size() << " pages\n";
    }
    if (o.progress) std::cerr << "\r\033[K" << std::flush;

    if (o.json) {
        Json report = JsonReport(journal, findings, o.pictures);
        if (!o.separations.empty()) AddPlatesJson(report, run);
        report.erase("status");
        report["status"] = status;
        WriteJson(std::cout, report);
    } else {
        WriteTextReport(std::cout, journal, findings, o.pictures);
        if (!o.separations.empty()) WritePlatesText(std::cout, journal, run);
    }
    std::cout.flush();
    WriteJobTrouble(std::cerr, journal, findings);
    return status;
}
