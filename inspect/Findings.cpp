#include "inspect/Findings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <utility>

#include "inspect/EventText.h"

namespace orvane::inspect {
namespace {

std::string WithoutSlash(std::string value) {
    if (!value.empty() && value[0] == '/') value.erase(0, 1);
    return value;
}

std::string RefusalText(const Refusal& r) {
    const std::string& key = r.key;
    if (r.error == "undefinedresource") {
        if (key == "TrapParams") return "the style " + WithoutSlash(r.value) + " is named but never defined";
        return "the ink set " + WithoutSlash(r.value) + " is named but never defined";
    }
    std::string what;
    if (key == "NeutralDensity" || key == "ColorantType") what = "ink " + r.subject;
    else if (key == "Type" || key == "ColorantDetails" || key == "TrappingOrder") what = "TrappingDetails";
    else if (key == "Trapping" || key == "TrappingDetails") what = "page device";
    else if (r.subject.empty()) what = "trap parameters";
    else what = "style " + r.subject;
    if (key == "TrappingOrder" && r.error == "undefined")
        return "the trapping order names the ink " + WithoutSlash(r.value) + ", which ColorantDetails does not define";
    if (r.error == "undefined" && r.value == "null") return what + ": " + key + " is missing";
    if (r.error == "undefined") return what + ": " + key + " is not a trap parameter";
    if (r.error == "typecheck") return what + ": " + key + " " + r.value + " is of the wrong type; it must be " + r.range;
    return what + ": " + key + " " + r.value + " is out of range; it must be " + r.range;
}

void AddPage(RefusalGroup& g, int page) {
    if (g.pages.empty() || g.pages.back() != page) g.pages.push_back(page);
}

std::vector<RefusalGroup> GroupRefusals(const Journal& j) {
    std::vector<RefusalGroup> groups;
    std::map<std::string, std::size_t> byText;
    std::set<std::pair<int, std::string>> unknownZones;
    for (const auto& z : j.zones)
        if (!z.styleKnown) unknownZones.insert({z.page, z.style});
    auto group = [&](const std::string& text, int first, int zone) -> RefusalGroup& {
        auto found = byText.find(text);
        if (found == byText.end()) {
            found = byText.emplace(text, groups.size()).first;
            groups.push_back({text, {}, first, zone});
        }
        return groups[found->second];
    };
    for (std::size_t i = 0; i < j.refusals.size(); ++i) {
        const Refusal& r = j.refusals[i];
        // A style looked up for a zone is reported with the zone.
        if (r.error == "undefinedresource" && r.key == "TrapParams" && unknownZones.count({r.page, WithoutSlash(r.value)}))
            continue;
        AddPage(group(RefusalText(r), static_cast<int>(i), -1), r.page);
    }
    for (std::size_t z = 0; z < j.zones.size(); ++z) {
        const Zone& zone = j.zones[z];
        if (zone.styleKnown) continue;
        AddPage(group("a zone names the style " + zone.style + ", which the job never defines", -1, static_cast<int>(z)),
                zone.page);
    }
    return groups;
}

std::vector<int> UntrappedPages(const Journal& j) {
    std::set<int> trapped;
    for (const auto& z : j.zones)
        if (z.enabled) trapped.insert(z.page);
    std::vector<int> out;
    for (int p = 1; p <= j.pages; ++p)
        if (!trapped.count(p) || !j.TrappingOn(p)) out.push_back(p);
    return out;
}

std::vector<Ink> SortedInks(const InkDetails& d) {
    std::vector<std::pair<std::string, Ink>> ranked;
    for (const auto& ink : d.inks) {
        const int place = OrderOf(d, ink.name);
        char rank[16];
        std::snprintf(rank, sizeof rank, "0%06d", place);
        ranked.push_back({place ? std::string(rank) : "1" + ink.name, ink});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Ink> out;
    for (auto& r : ranked) out.push_back(std::move(r.second));
    return out;
}

// Where the interpreter stood: the line that holds the byte before that position.
ErrorPlace LocateError(const Journal& j, const std::string& job) {
    ErrorPlace e;
    const bool atEnd = j.errorAt == "end";
    const double at = LeadingNumber(j.errorAt);
    std::ifstream in(job, std::ios::binary);
    std::string text, last;
    long n = 0, lastLine = 0;
    double offset = 0;
    bool found = false;
    std::string line;
    while (std::getline(in, line)) {
        text = line;
        ++n;
        if (!text.empty()) { last = text; lastLine = n; }
        if (!atEnd && at - 1 < offset + static_cast<double>(text.size()) + 1) { found = true; break; }
        offset += static_cast<double>(text.size()) + 1;
    }
    if (found) e.line = std::to_string(n);
    if (atEnd) { e.line = lastLine ? std::to_string(lastLine) : std::string(); text = last; }
    if (!text.empty() && text.back() == '\r') text.pop_back();
    text.erase(0, text.find_first_not_of(" \t") == std::string::npos ? text.size() : text.find_first_not_of(" \t"));
    if (text.size() > 100) text = text.substr(0, 100) + "...";
    e.text = text;
    e.where = std::string(atEnd ? "at the end of the file, after line " : "at line ") + e.line + " of " + job + ": " + text;
    e.command = j.errorCommand;
    if (e.command.size() >= 4 && e.command.compare(0, 2, "--") == 0 && e.command.compare(e.command.size() - 2, 2, "--") == 0)
        e.command.clear();
    if (j.errorName == "syntaxerror" && atEnd) e.hint = "the job ends inside a procedure or a string; is the file cut short?";
    else if (j.errorName == "undefined") e.hint = e.command + " is not defined where the job uses it";
    return e;
}

}  // namespace

int OrderOf(const InkDetails& details, const std::string& ink) {
    for (std::size_t i = 0; i < details.order.size(); ++i)
        if (details.order[i] == ink) return static_cast<int>(i) + 1;
    return 0;
}

std::string Ranges(const std::vector<int>& pages) {
    std::string out;
    auto add = [&out](int start, int end) {
        if (!out.empty()) out += ", ";
        out += start == end ? std::to_string(start) : std::to_string(start) + "-" + std::to_string(end);
    };
    for (std::size_t i = 0; i < pages.size();) {
        std::size_t k = i;
        while (k + 1 < pages.size() && pages[k + 1] == pages[k] + 1) ++k;
        add(pages[i], pages[k]);
        i = k + 1;
    }
    return out;
}

std::string Findings::ShortText(const Journal& j) const {
    return "the job ends after page " + std::to_string(j.pages) + " of the " + std::to_string(announced) +
           " its %%Page: comments announce; is the file cut short?";
}

Findings Find(const Journal& j, const std::string& job, int announced) {
    Findings f;
    f.job = job;
    f.announced = announced;
    f.refused = GroupRefusals(j);
    f.shortJob = announced > j.pages && !j.failed;
    if (j.failed) f.error = LocateError(j, job);
    f.inks = SortedInks(j.LastDetails());
    f.untrapped = UntrappedPages(j);
    f.status = (j.failed || f.shortJob || !j.ended) ? 2 : (f.refused.empty() ? 0 : 1);
    return f;
}

int AnnouncedPages(const std::string& job) {
    // The job may be hundreds of megabytes: read in blocks, looking only at the lines that
    // start with %.
    std::ifstream in(job, std::ios::binary);
    std::vector<char> block(1 << 20);
    std::string head;  // the start of a comment line, up to 16 bytes
    bool lineStart = true, inComment = false;
    int pages = 0, depth = 0;
    auto count = [&] {
        if (head.rfind("%%BeginDocument", 0) == 0) ++depth;
        else if (head.rfind("%%EndDocument", 0) == 0) --depth;
        else if (head.rfind("%%Page:", 0) == 0 && depth <= 0) ++pages;
    };
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
        const char* p = block.data();
        const char* end = p + in.gcount();
        while (p < end) {
            if (lineStart) {
                inComment = *p == '%';
                head.clear();
                lineStart = false;
            }
            const char* newline = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            const char* stop = newline ? newline : end;
            if (inComment && head.size() < 16) head.append(p, std::min<std::size_t>(static_cast<std::size_t>(stop - p), 16 - head.size()));
            if (!newline) break;
            if (inComment) count();
            lineStart = true;
            p = newline + 1;
        }
    }
    if (!lineStart && inComment) count();
    return pages;
}

}  // namespace orvane::inspect
