// orvane_inspect: shows what a device that traps would make of a PostScript job. It runs
// the job in Ghostscript (inspect/trap-device.ps and inspect/inspect.ps report the
// device's events), once for the pictures of the pages and, with --plates, once more
// for the separations; then it writes the report, the JSON and the pictures. --help
// says the rest.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "inspect/Findings.h"
#include "inspect/Ghostscript.h"
#include "inspect/HtmlReport.h"
#include "inspect/Interrupt.h"
#include "inspect/JsonReport.h"
#include "inspect/Journal.h"
#include "inspect/Options.h"
#include "inspect/PagePlates.h"
#include "inspect/PlatesReport.h"
#include "inspect/TextReport.h"
#include "inspect/Workspace.h"

#ifndef ORVANE_INSPECT_PS
#error "ORVANE_INSPECT_PS: the folder of trap-device.ps and inspect.ps"
#endif

using namespace orvane::inspect;

namespace {

// The run cannot go on: the message goes to standard error, the exit status is 2.
struct RunError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Progress {
public:
    Progress() : on_(isatty(2) == 1) {}
    ~Progress() { Clear(); }
    bool On() const { return on_; }
    void Show(const std::string& text) {
        if (on_) std::cerr << "\rinspect: " << text << "\033[K" << std::flush;
    }
    void Clear() {
        if (on_) std::cerr << "\r\033[K" << std::flush;
    }

private:
    bool on_;
};

// The pages the job announces, counted once, while Ghostscript starts on the job.
class Announced {
public:
    explicit Announced(std::string job) : job_(std::move(job)) {}
    int Pages() {
        if (pages_ < 0) pages_ = AnnouncedPages(job_);
        return pages_;
    }

private:
    std::string job_;
    int pages_ = -1;
};

std::string Of(int page, int all) { return std::to_string(page) + (all > 0 ? " of " + std::to_string(all) : ""); }

std::string Resolution(const char* axis, int dpi) {
    return std::string("-dDEVICE") + axis + "RESOLUTION=" + std::to_string(dpi);
}

// What both runs of Ghostscript share: the pages, the job, the device and the inspector.
std::vector<std::string> JobArgs(const Options& o, const std::string& job, int first, int last) {
    std::vector<std::string> args = {"-dInspectMaxPixels=60000000"};
    if (o.pageRange) {
        args.push_back("-dFirstPage=" + std::to_string(o.first));
        args.push_back("-dLastPage=" + std::to_string(o.last));
    }
    for (std::string a : {"--permit-file-read=", "-sInspectJob="}) args.push_back(a + job);
    args.push_back("-dInspectFirst=" + std::to_string(first));
    args.push_back("-dInspectLast=" + std::to_string(last));
    return args;
}

void Finish(std::vector<std::string>& args) {
    args.push_back(ORVANE_INSPECT_PS "/trap-device.ps");
    args.push_back(ORVANE_INSPECT_PS "/inspect.ps");
}

// Stops the run when it was interrupted.
void StopIfInterrupted() {
    if (Interrupted()) throw RunError("interrupted");
}

void Failed(const std::string& errors, const std::string& what, int status) {
    StopIfInterrupted();
    std::ifstream in(errors, std::ios::binary);
    std::cerr << in.rdbuf();
    throw RunError(what + " (exit status " + std::to_string(status) + ")");
}

// The plates: a run of tiffsep, which writes one file per ink, over the pages pictured;
// the zones are not drawn (no page counts as pictured).
void Separate(const Options& o, const std::string& job, const Workspace& w, Announced& announced, Progress& progress) {
    std::vector<std::string> args = {"-sDEVICE=tiffsep", Resolution("X", o.resolution), Resolution("Y", o.resolution)};
    const auto more = JobArgs(o, job, 1, 0);
    args.insert(args.end(), more.begin(), more.end());
    args.push_back("-sOutputFile=" + w.Path("separations/page-%04d.tif"));
    if (progress.On()) args.push_back("-dInspectProgress");
    Finish(args);
    progress.Show("separating the pages");
    Ghostscript gs(args, w.Path("gs"), w.Path("gs.err"), true);
    // The events only count the pages: the run that pictures them reports them.
    const int all = announced.Pages();
    std::istream events(&gs.Output());
    ReadJournal(events, [&](int page) { progress.Show("separating page " + Of(page, all)); });
    const int status = gs.Wait();
    progress.Clear();
    if (status != 0) Failed(w.Path("gs.err"), "Ghostscript failed to separate the pages", status);
}

// The run that reports the device's events and draws each page pictured with its zones.
Journal Picture(const Options& o, const std::string& job, const Workspace& w, Announced& announced, Progress& progress) {
    std::vector<std::string> args = {"-sDEVICE=png16m", Resolution("X", 96), Resolution("Y", 96)};
    const auto more = JobArgs(o, job, o.first, o.last);
    args.insert(args.end(), more.begin(), more.end());
    args.push_back("-sOutputFile=" + w.Path("page-%04d.png"));
    // With a progress line each page's event comes at once, not when a buffer fills.
    if (progress.On()) args.push_back("-dInspectProgress");
    Finish(args);
    Ghostscript gs(args, w.Path("gs"), w.Path("gs.err"), true);
    const int all = announced.Pages();
    std::istream events(&gs.Output());
    Journal journal = ReadJournal(events, [&](int page) { progress.Show("page " + Of(page, all)); });
    const int status = gs.Wait();
    if (status != 0) Failed(w.Path("gs.err"), "Ghostscript failed", status);
    return journal;
}

int Inspect(const Options& o) {
    if (access(o.job.c_str(), R_OK) != 0 || !std::filesystem::is_regular_file(o.job))
        throw RunError("cannot read the job " + o.job);
    if (!GhostscriptFound()) throw RunError("needs gs (package ghostscript)");
    std::error_code error;
    std::filesystem::create_directories(o.out, error);
    if (!std::filesystem::is_directory(o.out)) throw RunError("cannot make the folder " + o.out);
    const std::string job = std::filesystem::absolute(o.job).string();
    Announced announced(job);
    Progress progress;
    const Workspace w(o.out);

    if (o.plates) Separate(o, job, w, announced, progress);
    const Journal journal = Picture(o, job, w, announced, progress);
    const Findings findings = Find(journal, o.job, announced.Pages());
    int status = findings.status;

    PlatesRun run;
    run.out = o.out;
    run.resolution = o.resolution;
    run.inkLimit = o.inkLimit;
    run.traps = o.traps;
    run.misregister = o.misregister;
    if (o.plates) {
        const PlateOptions plates{w.Path("separations"), w.Path("plates"), static_cast<double>(o.resolution),
                                  o.inkLimit, o.traps, o.misregister};
        double engineSeconds = 0;
        for (std::size_t k = 0; k < journal.pictures.size(); ++k) {
            StopIfInterrupted();
            const int page = journal.pictures[k];
            progress.Show("plates of page " + std::to_string(page) + " (" + std::to_string(k + 1) + " of " +
                          std::to_string(journal.pictures.size()) + ")");
            run.pages.push_back(RenderPlates(journal, page, static_cast<int>(k) + 1, plates));
            const PagePlates& p = run.pages.back();
            engineSeconds += p.engineSeconds;
            if (!p.problem.empty()) {
                progress.Clear();
                std::cerr << "inspect: page " << page << ": no plates: " << p.problem << "\n";
                status = 2;
            }
        }
        progress.Clear();
        if (o.timing) {
            rusage self{};
            getrusage(RUSAGE_SELF, &self);
            std::cerr << "inspect: trap engine " << engineSeconds << " s for " << run.pages.size()
                      << " pages, peak memory " << self.ru_maxrss << " KB\n";
        }
    }

    // Ghostscript numbers the pictures it writes from 1; they take their pages' numbers.
    std::vector<std::string> from, names;
    for (std::size_t k = 0; k < journal.pictures.size(); ++k) {
        from.push_back(w.Path(PictureName(static_cast<int>(k) + 1)));
        names.push_back(PictureName(journal.pictures[k]));
    }
    for (const auto& p : run.pages)
        for (const auto& file : p.files) {
            from.push_back(w.Path("plates/" + file));
            names.push_back(file);
        }
    Json report = JsonReport(journal, findings, o.out);
    if (o.plates) AddPlatesJson(report, run);
    report.erase("status");
    report["status"] = status;
    from.push_back(w.Path("report.html"));
    names.push_back("report.html");
    if (!WriteHtmlReport(from.back(), report)) throw RunError("cannot write " + from.back());
    StopIfInterrupted();
    ReplacePictures(o.out, from, names);
    if (o.json) {
        WriteJson(std::cout, report);
    } else {
        WriteTextReport(std::cout, journal, findings, o.out);
        if (o.plates) WritePlatesText(std::cout, journal, run);
        std::cout << "Report: " << o.out << "/report.html\n";
    }
    std::cout.flush();
    WriteJobTrouble(std::cerr, journal, findings);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    try {
        const Options o = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (o.help) {
            std::cout << HelpText();
            return 0;
        }
        CatchInterrupts();
        return Inspect(o);
    } catch (const UsageError& e) {
        if (e.usage) std::cerr << HelpText();
        std::cerr << "inspect: " << e.what() << "\n";
    } catch (const std::exception& e) {
        std::cerr << "inspect: " << e.what() << "\n";
    }
    return 2;
}
