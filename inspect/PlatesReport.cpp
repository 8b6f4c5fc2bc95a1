#include "inspect/PlatesReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "inspect/EventText.h"
#include "inspect/TextReport.h"
#include "inspect/TrapRuleText.h"
#include "inspect/engine/Misregistration.h"

namespace orvane::inspect {
namespace {

std::string Short(double value, int decimals) { return Decimals(value, decimals); }

std::string Percent(std::uint8_t tint) { return Short(tint * 100.0 / 255.0, 1) + " %"; }

// A colour in words: its inks with their tints, or paper.
std::string Colour(const PagePlates& p, const std::vector<std::uint8_t>& tints) {
    std::string out;
    for (std::size_t i = 0; i < tints.size() && i < p.inks.size(); ++i)
        if (tints[i]) out += (out.empty() ? "" : " ") + Escape(p.inks[i]) + " " + Percent(tints[i]);
    return "(" + (out.empty() ? std::string("paper") : out) + ")";
}

Json ColourJson(const PagePlates& p, const std::vector<std::uint8_t>& tints) {
    Json out = Json::object();
    for (std::size_t i = 0; i < tints.size() && i < p.inks.size(); ++i)
        if (tints[i]) out[Latin1ToUtf8(p.inks[i])] = Rounded(tints[i] / 255.0, 3);
    return out;
}

bool Bare(const std::vector<std::uint8_t>& tints) {
    return std::all_of(tints.begin(), tints.end(), [](std::uint8_t t) { return t == 0; });
}

// Bare paper on either side (an ink of density 0 can leave it the darker side): an edge
// that never needs a trap, counted, not listed.
bool Paper(const UntrappedEdge& u) { return Bare(u.lighter) || Bare(u.darker); }

struct PaperEdges {
    int pairs = 0;
    double length = 0;
};

PaperEdges PaperOf(const PagePlates& p) {
    PaperEdges paper;
    for (const auto& u : p.untrapped)
        if (Paper(u)) ++paper.pairs, paper.length += u.length;
    return paper;
}

const char* Placement(TrapPlacement placement) { return placement == TrapPlacement::Centre ? "centre" : "spread"; }

std::string Inks(const PagePlates& p, const std::vector<int>& inks) {
    std::string out;
    for (int i : inks)
        if (i >= 0 && static_cast<std::size_t>(i) < p.inks.size()) out += (out.empty() ? "" : ", ") + Escape(p.inks[static_cast<std::size_t>(i)]);
    return out.empty() ? "nothing" : out;
}

std::string StyleOf(const PagePlates& p, int style) {
    return style >= 0 && static_cast<std::size_t>(style) < p.setup.styles.size()
               ? p.setup.styles[static_cast<std::size_t>(style)].name
               : std::string();
}

Json Rule(const PagePlates& p, const std::vector<std::uint8_t>& lighter, const std::vector<std::uint8_t>& darker,
          const TrapRule& rule, const char* outcome) {
    Json json = RuleJson(p.inks, rule, outcome);
    json["text"] = Latin1ToUtf8(Unescape(RuleText(p.inks, lighter, darker, rule, outcome)));
    return json;
}

void WriteTraps(std::ostream& out, const Journal& j, const PagePlates& p) {
    const std::string page = "  page " + std::to_string(p.page);
    if (!p.measured) return;
    if (!p.setup.trapping) { out << page << ": no traps, trapping is off in the page device\n"; return; }
    if (p.setup.zones.empty()) { out << page << ": no traps, the page lies outside every trap zone\n"; return; }
    for (std::size_t z = 0; z < p.setup.zones.size(); ++z) {
        const Zone& zone = j.zones[static_cast<std::size_t>(p.zoneOf[z])];
        out << page << ", zone " << zone.style << " (" << TwoDecimals(zone.rect[0]) << " " << TwoDecimals(zone.rect[1]) << " "
            << TwoDecimals(zone.rect[2]) << " " << TwoDecimals(zone.rect[3]) << ")"
            << (zone.enabled ? "" : ", disabled: no traps") << ":\n";
        int lines = 0;
        for (const auto& t : p.traps) {
            if (t.zone != static_cast<int>(z)) continue;
            out << "    " << Inks(p, t.spreads) << (t.spreads.size() == 1 ? " spreads" : " spread") << " from "
                << Colour(p, t.lighter) << " into " << Colour(p, t.darker) << ": "
                << Placement(t.placement) << ", " << Short(t.width, 3) << " pt wide, " << Short(t.length, 1)
                << " pt of edge\n      rule: " << RuleText(p.inks, t.lighter, t.darker, t.rule, Outcome(true, t.rule, {}))
                << "\n";
            ++lines;
        }
        bool paper = false;
        for (const auto& u : p.untrapped) {
            if (u.zone != static_cast<int>(z)) continue;
            if (Paper(u)) {
                paper = true;
                continue;
            }
            const char* outcome = Outcome(false, u.rule, u.reason);
            out << "    untrapped: " << Colour(p, u.lighter) << " against " << Colour(p, u.darker) << ": " << outcome
                << ", " << Short(u.length, 1) << " pt of edge\n      rule: "
                << RuleText(p.inks, u.lighter, u.darker, u.rule, outcome) << "\n";
            ++lines;
        }
        if (lines == 0) out << (paper ? "    no colours meet but on bare paper\n" : "    no colours meet\n");
    }
    const PaperEdges paper = PaperOf(p);
    if (paper.pairs > 0)
        out << page << ": " << paper.pairs << (paper.pairs == 1 ? " colour meets" : " colours meet") << " bare paper, "
            << Short(paper.length, 1) << " pt of edge, which needs no trap\n";
}

}  // namespace

void WritePlatesText(std::ostream& out, const Journal& j, const PlatesRun& run) {
    out << "\nPlates at " << Short(run.resolution, 2) << " dpi, black = 100 % ink, page-NNNN-<ink>.png in " << run.out
        << ":\n";
    if (run.pages.empty()) out << "  none\n";
    for (const auto& p : run.pages) {
        out << "  page " << std::to_string(p.page) << ": ";
        if (p.measured && std::abs(p.resolution - run.resolution) > 0.01)
            out << "(at " << Short(p.resolution, 2) << " dpi, the page being too large for more) ";
        std::string inks;
        for (const auto& ink : p.inks) inks += (inks.empty() ? "" : ", ") + Escape(ink);
        out << (p.measured ? inks : "no plates, " + p.problem) << "\n";
    }
    const bool measured = std::any_of(run.pages.begin(), run.pages.end(), [](const PagePlates& p) { return p.measured; });
    out << "Ink coverage (page-NNNN-coverage.png marks more than " << Short(run.inkLimit, 2) << " % in all):\n";
    if (!measured) out << "  none\n";
    for (const auto& p : run.pages) {
        if (!p.measured) continue;
        out << "  page " << p.page << ": highest " << Short(p.coverage.maxTotal, 1) << " %, "
            << Short(p.coverage.overLimit, 1) << " square points over the limit; ";
        for (std::size_t i = 0; i < p.inks.size(); ++i)
            out << (i ? ", " : "") << Escape(p.inks[i]) << " " << Short(p.coverage.inkShare[i], 2) << " %";
        out << " of the page\n";
    }
    if (!run.traps) return;
    out << "Traps of the preview (page-NNNN-<ink>-trapped.png, page-NNNN-traps.png):\n";
    if (!measured) out << "  none\n";
    for (const auto& p : run.pages) WriteTraps(out, j, p);
    if (run.misregister <= 0) return;
    out << "Misregistration, plates shifted " << run.misregister << " px (" << MisregisterPattern()
        << "; page-NNNN-misregistered.png, page-NNNN-misregistered-trapped.png), bare paper opened:\n";
    if (!measured) out << "  none\n";
    for (const auto& p : run.pages)
        if (p.gapArea >= 0)
            out << "  page " << p.page << ": " << Short(p.gapArea, 1) << " square points without traps, "
                << Short(p.gapAreaTrapped, 1) << " with traps\n";
}

void AddPlatesJson(Json& report, const PlatesRun& run) {
    Json plates = Json::array(), coverage = Json::array(), traps = Json::array(), untrapped = Json::array(),
         paper = Json::array();
    for (const auto& p : run.pages) {
        Json inks = Json::array(), files = Json::array();
        for (const auto& ink : p.inks) inks.push_back(Latin1ToUtf8(ink));
        for (const auto& f : p.files) files.push_back(Latin1ToUtf8(run.out + "/" + f));
        plates.push_back({{"page", p.page}, {"inks", inks}, {"files", files},
                          {"problem", p.problem.empty() ? Json(nullptr) : Json(Latin1ToUtf8(p.problem))}});
        if (!p.measured) continue;
        Json shares = Json::object();
        for (std::size_t i = 0; i < p.inks.size(); ++i) shares[Latin1ToUtf8(p.inks[i])] = Rounded(p.coverage.inkShare[i], 3);
        coverage.push_back({{"page", p.page}, {"maxTotal", Rounded(p.coverage.maxTotal, 2)},
                            {"overLimit", Rounded(p.coverage.overLimit, 2)}, {"inks", shares}});
        for (std::size_t k = 0; k < p.traps.size(); ++k) {
            const TrapRecord& t = p.traps[k];
            const std::string crop = k < p.crops.size() ? p.crops[k] : std::string();
            Json spreads = Json::array();
            for (int i : t.spreads)
                if (i >= 0 && static_cast<std::size_t>(i) < p.inks.size()) spreads.push_back(Latin1ToUtf8(p.inks[static_cast<std::size_t>(i)]));
            traps.push_back({{"page", p.page}, {"style", Latin1ToUtf8(StyleOf(p, t.style))},
                             {"lighter", ColourJson(p, t.lighter)}, {"darker", ColourJson(p, t.darker)},
                             {"spreads", spreads}, {"placement", Placement(t.placement)},
                             {"width", Rounded(t.width, 3)}, {"length", Rounded(t.length, 2)},
                             {"rule", Rule(p, t.lighter, t.darker, t.rule, Outcome(true, t.rule, {}))},
                             {"crop", crop.empty() ? Json(nullptr) : Json(Latin1ToUtf8(run.out + "/" + crop))}});
        }
        if (run.traps) {
            const PaperEdges edges = PaperOf(p);
            paper.push_back({{"page", p.page}, {"pairs", edges.pairs}, {"length", Rounded(edges.length, 2)}});
        }
        for (const auto& u : p.untrapped) {
            if (Paper(u)) continue;
            const char* outcome = Outcome(false, u.rule, u.reason);
            untrapped.push_back({{"page", p.page}, {"style", Latin1ToUtf8(StyleOf(p, u.style))},
                                 {"lighter", ColourJson(p, u.lighter)}, {"darker", ColourJson(p, u.darker)},
                                 {"reason", outcome}, {"length", Rounded(u.length, 2)},
                                 {"rule", Rule(p, u.lighter, u.darker, u.rule, outcome)}});
        }
    }
    report["plates"] = plates;
    report["coverage"] = coverage;
    if (run.traps) {
        report["traps"] = traps;
        report["untrapped"] = untrapped;
        report["paperEdges"] = paper;
    }
    if (run.misregister > 0) {
        Json pages = Json::array();
        for (const auto& p : run.pages)
            if (p.gapArea >= 0)
                pages.push_back({{"page", p.page}, {"pixels", run.misregister}, {"gapArea", Rounded(p.gapArea, 2)},
                                 {"gapAreaTrapped", Rounded(p.gapAreaTrapped, 2)}});
        report["misregistration"] = pages;
    }
}

}  // namespace orvane::inspect
