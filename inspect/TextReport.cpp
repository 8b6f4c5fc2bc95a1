#include "inspect/TextReport.h"

#include <cstdio>

#include "inspect/EventText.h"
#include "inspect/ZeroWarnings.h"

namespace orvane::inspect {
namespace {

std::string Padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

template <typename T, typename F>
std::string Joined(const std::vector<T>& items, F&& text) {
    std::string out;
    for (const auto& item : items) out += (out.empty() ? "" : ", ") + text(item);
    return out;
}

std::string Stop(const Journal& j, const Findings& f) {
    return "Error: /" + j.errorName + (f.error.command.empty() ? "" : " in " + f.error.command);
}

}  // namespace

std::string PictureName(int page, const std::string& suffix) {
    char name[32];
    std::snprintf(name, sizeof name, "page-%04d", page);
    return name + suffix + ".png";
}

void WriteTextReport(std::ostream& out, const Journal& j, const Findings& f, const std::string& pictures) {
    out << "Job: " << f.job << "\n";
    out << "Pages: " << j.pages
        << (f.announced > j.pages ? " of the " + std::to_string(f.announced) + " announced" : "") << "\n\n";

    out << "Trap styles, every parameter as the device received it:\n";
    if (j.styles.empty()) out << "  none\n";
    for (const auto& s : j.styles) {
        out << "  " << s.name << "\n";
        for (const auto& p : s.params) out << "    " << Padded(p.key, 22) << " " << p.value << "\n";
    }
    out << "\n";

    const std::string sets = Joined(j.inkSets, [](const std::string& s) { return s; });
    out << "Inks" << (sets.empty() ? "" : " (ink set " + sets + ")")
        << ", with neutral density, colorant type and trapping order:\n";
    if (f.inks.empty()) out << "  none\n";
    const InkDetails& details = j.LastDetails();
    for (const auto& ink : f.inks) {
        const int place = OrderOf(details, ink.name);
        out << "  " << Padded(ink.name, 20) << " neutral density " << Padded(ink.density, 8) << " "
            << Padded(ink.type, 13) << " "
            << (place ? "trapping order " + std::to_string(place) : "not in the trapping order") << "\n";
    }
    const std::string order = Joined(details.order, [](const std::string& s) { return s; });
    out << "Trapping order: " << (order.empty() ? "none" : order) << "\n";
    const std::string switches = Joined(j.switches, [](const Switch& s) {
        return std::string(s.value == "true" ? "on" : "off") + " from page " + std::to_string(s.fromPage);
    });
    out << "Trapping in the page device: " << (switches.empty() ? "never set" : switches) << "\n\n";

    out << "Trap zones per page (rectangle in points: left bottom right top):\n";
    if (j.zones.empty() && j.emptyZones.empty()) out << "  none\n";
    for (const auto& z : j.zones) {
        out << "  page " << Padded(std::to_string(z.page), 5) << " " << z.style << ", "
            << (z.enabled ? "enabled" : "disabled") << ", " << TwoDecimals(z.rect[0]) << " " << TwoDecimals(z.rect[1])
            << " " << TwoDecimals(z.rect[2]) << " " << TwoDecimals(z.rect[3])
            << (z.styleKnown ? "" : " (style not defined)") << "\n";
    }
    for (const auto& z : j.emptyZones)
        out << "  page " << Padded(std::to_string(z.page), 5) << " " << z.style
            << ": a zone without area (settrapzone on an empty path), which traps nothing\n";
    const std::string untrapped = Ranges(f.untrapped);
    out << "Pages without trapping: " << (untrapped.empty() ? "none" : untrapped) << "\n\n";

    if (f.refused.empty()) {
        out << "The device would refuse nothing.\n";
    } else {
        out << "The device would refuse:\n";
        for (const auto& g : f.refused)
            out << "  page" << (g.pages.size() > 1 ? "s " : " ") << Ranges(g.pages) << ": " << g.message << "\n";
    }
    for (const auto& w : ZeroWarnings(j))
        out << "Warning" << (w.pages.empty() ? "" : std::string(w.pages.size() > 1 ? ", pages " : ", page ") + Ranges(w.pages))
            << ": " << w.message << "\n";
    if (j.failed) out << "The job stops with " << Stop(j, f) << ", " << f.error.where << "\n";
    else if (f.shortJob) out << "The device got less than the whole job: " << f.ShortText(j) << "\n";
    out << "\n";

    if (j.pictures.empty()) {
        out << "Pictures: none\n";
    } else if (j.pictures.size() <= 12) {
        out << "Pictures in " << pictures << ": " << Joined(j.pictures, [](int p) { return PictureName(p); }) << "\n";
    } else {
        out << "Pictures in " << pictures << ": " << PictureName(j.pictures.front()) << " to "
            << PictureName(j.pictures.back()) << " (" << j.pictures.size() << ")\n";
    }
}

void WriteJobTrouble(std::ostream& err, const Journal& j, const Findings& f) {
    if (j.failed) {
        err << "inspect: the job does not run: " << Stop(j, f) << "\n";
        err << "inspect: " << f.error.where << "\n";
        if (!f.error.hint.empty()) err << "inspect: " << f.error.hint << "\n";
    } else if (f.shortJob) {
        err << "inspect: " << f.ShortText(j) << "\n";
    } else if (!j.ended) {
        err << "inspect: the interpreter stopped before the end of the job\n";
    }
}

}  // namespace orvane::inspect
