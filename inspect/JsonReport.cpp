#include "inspect/JsonReport.h"

#include <cstdlib>

#include "inspect/EventText.h"
#include "inspect/TextReport.h"
#include "inspect/ZeroWarnings.h"

namespace orvane::inspect {
namespace {

Json Number(const std::string& text) {
    if (text.find_first_of(".eE") == std::string::npos) {
        char* end = nullptr;
        const long long value = std::strtoll(text.c_str(), &end, 10);
        if (*end == '\0') return value;
    }
    return std::strtod(text.c_str(), nullptr);
}

Json Raw(const std::string& bytes) { return Latin1ToUtf8(bytes); }

Json Pages(const std::vector<int>& pages) {
    Json list = Json::array();
    for (int p : pages) list.push_back(p);
    return list;
}

}  // namespace

Json JsonText(const std::string& escaped) { return Raw(Unescape(escaped)); }

Json JsonValue(const std::string& value) {
    if (IsJsonNumber(value)) return Number(value);
    if (value == "true") return true;
    if (value == "false") return false;
    if (value == "null") return nullptr;
    if (value.size() >= 2 && value.front() == '(' && value.back() == ')') return JsonText(value.substr(1, value.size() - 2));
    return JsonText(value);
}

Json JsonReport(const Journal& j, const Findings& f, const std::string& pictures) {
    Json r;
    r["job"] = Raw(f.job);
    r["pages"] = j.pages;
    r["pagesAnnounced"] = f.announced > 0 ? Json(f.announced) : Json(nullptr);

    Json styles = Json::array();
    for (const auto& s : j.styles) {
        Json params = Json::object();
        for (const auto& p : s.params) params[JsonText(p.key).get<std::string>()] = JsonValue(p.value);
        styles.push_back({{"name", JsonText(s.name)}, {"parameters", params}});
    }
    r["styles"] = styles;
    Json sets = Json::array();
    for (const auto& s : j.inkSets) sets.push_back(JsonText(s));
    r["inkSets"] = sets;

    const InkDetails& details = j.LastDetails();
    Json inks = Json::array();
    for (const auto& ink : f.inks) {
        const int place = OrderOf(details, ink.name);
        inks.push_back({{"name", JsonText(ink.name)},
                        {"neutralDensity", ink.density.empty() ? Json(nullptr) : JsonValue(ink.density)},
                        {"colorantType", ink.type.empty() ? Json(nullptr) : JsonText(ink.type)},
                        {"trappingOrder", place ? Json(place) : Json(nullptr)}});
    }
    r["inks"] = inks;
    Json order = Json::array();
    for (const auto& name : details.order) order.push_back(JsonText(name));
    r["trappingOrder"] = order;
    Json switches = Json::array();
    for (const auto& s : j.switches) switches.push_back({{"fromPage", s.fromPage}, {"on", JsonValue(s.value)}});
    r["trapping"] = switches;

    Json zones = Json::array();
    for (const auto& z : j.zones) {
        Json rect = Json::array();
        for (double v : z.rect) rect.push_back(Number(TwoDecimals(v)));
        zones.push_back({{"page", z.page}, {"style", JsonText(z.style)}, {"enabled", z.enabled},
                         {"styleDefined", z.styleKnown}, {"rect", rect}});
    }
    r["zones"] = zones;
    Json empty = Json::array();
    for (const auto& z : j.emptyZones) empty.push_back({{"page", z.page}, {"style", JsonText(z.style)}});
    r["zonesWithoutArea"] = empty;
    r["pagesWithoutTrapping"] = Pages(f.untrapped);

    Json refused = Json::array();
    for (const auto& g : f.refused) {
        if (g.first >= 0) {
            const Refusal& x = j.refusals[static_cast<std::size_t>(g.first)];
            refused.push_back({{"pages", Pages(g.pages)}, {"subject", JsonText(x.subject)}, {"key", JsonText(x.key)},
                               {"value", JsonText(x.value)}, {"error", JsonText(x.error)},
                               {"message", JsonText(g.message)}});
        } else {
            const Zone& z = j.zones[static_cast<std::size_t>(g.zone)];
            refused.push_back({{"pages", Pages(g.pages)}, {"subject", "zone"}, {"key", "TrapParams"},
                               {"value", JsonText("/" + z.style)}, {"error", "undefinedresource"},
                               {"message", JsonText(g.message)}});
        }
    }
    r["refused"] = refused;
    Json warnings = Json::array();
    for (const auto& w : ZeroWarnings(j))
        warnings.push_back({{"pages", Pages(w.pages)}, {"style", JsonText(w.style)}, {"key", w.key},
                            {"message", JsonText(w.message)}});
    r["warnings"] = warnings;

    if (j.failed) {
        r["error"] = {{"name", JsonText(j.errorName)},
                      {"command", JsonText(f.error.command)},
                      {"line", f.error.line.empty() ? Json(nullptr) : Number(f.error.line)},
                      {"lineText", Raw(f.error.text)},
                      {"atEnd", j.errorAt == "end"},
                      {"hint", JsonText(f.error.hint)}};
    } else if (f.shortJob) {
        r["error"] = {{"name", nullptr}, {"message", Raw(f.ShortText(j))}};
    } else {
        r["error"] = nullptr;
    }
    Json list = Json::array();
    for (int p : j.pictures) list.push_back(Raw(pictures + "/" + PictureName(p)));
    r["pictures"] = list;
    r["status"] = f.status;
    return r;
}

void WriteJson(std::ostream& out, const Json& report) {
    out << report.dump(2, ' ', true, Json::error_handler_t::replace) << "\n";
}

}  // namespace orvane::inspect
