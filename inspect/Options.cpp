#include "inspect/Options.h"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <sstream>

#include "inspect/HelpText.h"

namespace orvane::inspect {
namespace {

struct OptionRow {
    const char* name;
    const char* value;  // what the option takes, nullptr for a switch
    const char* missing;  // the message when the value is missing
    const char* help;   // lines parted by \n
    std::function<void(Options&, const std::string&)> set;
};

bool Digits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// A whole number of at most nine digits, leading zeros left out; -1 when it is none.
long Whole(const std::string& text) {
    if (!Digits(text)) return -1;
    const std::string digits = text.substr(std::min(text.find_first_not_of('0'), text.size() - 1));
    return digits.size() > 9 ? -1 : std::stol(digits);
}

void SetPages(Options& o, const std::string& v) {
    const std::size_t dash = v.find('-');
    const long first = Whole(v.substr(0, dash));
    const long last = dash == std::string::npos ? first : Whole(v.substr(dash + 1));
    if (first < 0 || last < 0) throw UsageError("--pages takes N-M or N, not " + v);
    if (first < 1 || first > last) throw UsageError("--pages " + v + " is no range of pages");
    o.first = static_cast<int>(first);
    o.last = static_cast<int>(last);
    o.pageRange = true;
}

void SetResolution(Options& o, const std::string& v) {
    const long dpi = Whole(v);
    if (dpi < 1 || dpi > 2400) throw UsageError("--resolution takes dots per inch from 1 to 2400, not " + v);
    o.resolution = static_cast<int>(dpi);
}

void SetMisregister(Options& o, const std::string& v) {
    const long pixels = Whole(v);
    if (pixels < 1 || pixels > 100) throw UsageError("--misregister takes pixels from 1 to 100, not " + v);
    o.misregister = static_cast<int>(pixels);
    o.plates = o.traps = true;
}

void SetInkLimit(Options& o, const std::string& v) {
    const std::size_t dot = v.find('.');
    const bool number = Digits(v.substr(0, dot)) && (dot == std::string::npos || Digits(v.substr(dot + 1)));
    const double limit = number ? std::strtod(v.c_str(), nullptr) : -1;
    if (!number || !std::isfinite(limit)) throw UsageError("--ink-limit takes a percentage, not " + v);
    o.inkLimit = limit;
}

const std::vector<OptionRow>& Table() {
    static const std::vector<OptionRow> table = {
        {"--pages", "N-M", "--pages needs N-M",
         "pictures (and plates) of pages N to M only (or of page N); the\nreport covers all pages", SetPages},
        {"--out", "DIR", "--out needs a folder",
         "folder for the report.html and the pictures, default out/inspect;\npage-*.png there are replaced",
         [](Options& o, const std::string& v) { o.out = v; }},
        {"--json", nullptr, nullptr, "the report as JSON", [](Options& o, const std::string&) { o.json = true; }},
        {"--plates", nullptr, nullptr, "the plates and the ink coverage of each page pictured",
         [](Options& o, const std::string&) { o.plates = true; }},
        {"--resolution", "DPI", "--resolution needs DPI",
         "of the plates, default 300 (1 to 2400); a page of more than 60\nmillion pixels gets less, and the report says how much",
         SetResolution},
        {"--traps", nullptr, nullptr, "the trap preview; implies --plates",
         [](Options& o, const std::string&) { o.plates = o.traps = true; }},
        {"--misregister", "PIXELS", "--misregister needs PIXELS",
         "each page printed misregistered, the plates shifted by PIXELS (1 to\n"
         "100) of the plates' resolution: Cyan right, Magenta left, Yellow\n"
         "down, Black up, other inks in turn right, left, down, up; once from\n"
         "the plates without traps (DIR/page-NNNN-misregistered.png), once from\n"
         "the trapped ones (-misregistered-trapped.png), the bare paper that\n"
         "opens where colours met in red; the report gives its area per page in\n"
         "square points, without and with traps; implies --traps",
         SetMisregister},
        {"--ink-limit", "PCT", "--ink-limit needs a percentage",
         "total ink that the coverage marks when above it, default 300", SetInkLimit},
        {"--timing", nullptr, nullptr, "the time the trap engine took and the inspector's peak memory (without\nGhostscript's), on standard error",
         [](Options& o, const std::string&) { o.timing = true; }},
        {"--help", nullptr, nullptr, "this text (also -h)", [](Options& o, const std::string&) { o.help = true; }},
    };
    return table;
}

const OptionRow* Find(const std::string& name) {
    for (const auto& row : Table())
        if (name == row.name) return &row;
    return name == "-h" ? Find("--help") : nullptr;
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            if (!o.job.empty()) throw UsageError("one job at a time (" + o.job + ", " + arg + ")");
            o.job = arg;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const OptionRow* row = Find(arg.substr(0, equals));
        if (row == nullptr || (row->value == nullptr && equals != std::string::npos))
            throw UsageError("unknown option " + arg, true);
        std::string value;
        if (row->value != nullptr && equals != std::string::npos) value = arg.substr(equals + 1);
        else if (row->value != nullptr && i + 1 < args.size()) value = args[++i];
        else if (row->value != nullptr) throw UsageError(row->missing);
        row->set(o, value);
        if (o.help) return o;
    }
    if (o.job.empty()) throw UsageError("no job named", true);
    return o;
}

std::string UsageLine() {
    std::string line = "Usage: scripts/inspect JOB.ps", text;
    std::size_t width = line.size();
    for (const auto& row : Table()) {
        const std::string item = std::string(" [") + row.name + (row.value ? std::string(" ") + row.value : "") + "]";
        if (width + item.size() > 86) {
            text += line + "\n";
            line = std::string(22, ' ');
            width = line.size();
        }
        line += item;
        width += item.size();
    }
    return text + line + "\n";
}

std::string HelpText() {
    std::ostringstream out;
    out << UsageLine() << "\n" << kHelpIntro << "Options:\n";
    for (const auto& row : Table()) {
        std::string head = std::string("  ") + row.name + (row.value ? std::string(" ") + row.value : "");
        head.resize(std::max<std::size_t>(head.size() + 1, 20), ' ');
        std::istringstream lines(row.help);
        std::string line;
        bool firstLine = true;
        while (std::getline(lines, line)) {
            out << (firstLine ? head : std::string(20, ' ')) << line << "\n";
            firstLine = false;
        }
    }
    out << "\n" << kHelpEnd;
    return out.str();
}

}  // namespace orvane::inspect
