#include "inspect/Journal.h"

#include <algorithm>

#include "inspect/EventText.h"

namespace orvane::inspect {
namespace {

const char kMarker[] = "@@inspect\t";

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

int Page(const std::string& field) { return static_cast<int>(std::clamp(LeadingNumber(field), -1e9, 1e9)); }

// Key and value pairs from field `from` on.
std::vector<Param> Pairs(const std::vector<std::string>& f, std::size_t from) {
    std::vector<Param> params;
    for (std::size_t i = from; i + 1 < f.size(); i += 2) params.push_back({f[i], f[i + 1]});
    return params;
}

void SortByKey(std::vector<Param>& params) {
    std::stable_sort(params.begin(), params.end(), [](const Param& a, const Param& b) { return a.key < b.key; });
}

const InkDetails& NoDetails() {
    static const InkDetails none;
    return none;
}

}  // namespace

const InkDetails& Journal::LastDetails() const { return details.empty() ? NoDetails() : details.back(); }

const InkDetails& Journal::DetailsOn(int page) const {
    const InkDetails* on = &NoDetails();
    for (const auto& d : details)
        if (d.fromPage <= page) on = &d;
    return *on;
}

bool Journal::TrappingOn(int page) const {
    std::string on = "false";
    for (const auto& s : switches) {
        if (s.fromPage > page) break;
        on = s.value;
    }
    return on == "true";
}

Journal ReadJournal(std::istream& in, const std::function<void(int page)>& onPage) {
    Journal j;
    std::vector<Param> lastZone;
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t at = line.find(kMarker);
        if (at == std::string::npos) continue;  // the job's own output
        const auto f = Fields(line.substr(at + sizeof kMarker - 1));
        auto field = [&f](std::size_t i) { return i < f.size() ? f[i] : std::string(); };
        const std::string& kind = f[0];
        if (kind == "style") {
            auto found = std::find_if(j.styles.begin(), j.styles.end(), [&](const Style& s) { return s.name == field(1); });
            if (found == j.styles.end()) found = j.styles.insert(j.styles.end(), Style{field(1), {}});
            found->params = Pairs(f, 2);
            SortByKey(found->params);
        } else if (kind == "inkset") {
            if (std::find(j.inkSets.begin(), j.inkSets.end(), field(1)) == j.inkSets.end()) j.inkSets.push_back(field(1));
        } else if (kind == "trapping") {
            j.switches.push_back({Page(field(1)), field(2)});
        } else if (kind == "details") {
            j.details.push_back({f.size() > 1 ? Page(f[1]) : j.pages + 1, {}, {}});
        } else if (kind == "ink") {
            if (j.details.empty()) j.details.push_back({j.pages + 1, {}, {}});
            const std::string type = field(3);
            j.details.back().inks.push_back({field(1), field(2), type.empty() ? type : type.substr(1)});
        } else if (kind == "order") {
            if (j.details.empty()) j.details.push_back({j.pages + 1, {}, {}});
            j.details.back().order.assign(f.begin() + 1, f.end());
        } else if (kind == "zone" || kind == "zone+") {
            Zone z;
            z.page = Page(field(1));
            z.style = field(2);
            z.styleKnown = field(3) != "false";
            z.enabled = field(4) == "true";
            for (int i = 0; i < 4; ++i) z.rect[i] = LeadingNumber(field(5 + i));
            // zone+: the parameters of the zone before, with those the event names changed.
            if (kind == "zone") lastZone.clear();
            for (auto& p : Pairs(f, 9)) {
                auto same = std::find_if(lastZone.begin(), lastZone.end(), [&](const Param& q) { return q.key == p.key; });
                if (same == lastZone.end()) lastZone.push_back(std::move(p));
                else same->value = std::move(p.value);
            }
            z.params = lastZone;
            j.zones.push_back(std::move(z));
        } else if (kind == "emptyzone") {
            j.emptyZones.push_back({Page(field(1)), field(2)});
        } else if (kind == "zoneink") {
            if (!j.zones.empty()) j.zones.back().inks.push_back({field(1), Pairs(f, 2)});
        } else if (kind == "refuse") {
            j.refusals.push_back({Page(field(1)), field(2), field(3), field(4), field(5), field(6)});
        } else if (kind == "picture") {
            j.pictures.push_back(Page(field(1)));
        } else if (kind == "page") {
            j.pages = Page(field(1));
            if (onPage) onPage(j.pages);
        } else if (kind == "error") {
            j.failed = true;
            j.errorName = field(1);
            j.errorCommand = field(2);
            j.errorAt = field(3);
        } else if (kind == "end") {
            j.ended = true;
            j.pages = Page(field(1));
        }
    }
    return j;
}

}  // namespace orvane::inspect
