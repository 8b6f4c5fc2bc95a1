#include "inspect/ZeroWarnings.h"

#include <algorithm>

#include "inspect/EventText.h"

namespace orvane::inspect {
namespace {

struct Zeroable {
    const char* key;
    const char* consequence;
};

constexpr Zeroable kZeroable[] = {
    {"TrapWidth", "no traps would be made"},
    {"BlackWidth", "no traps would be made against black"},
    {"BlackDensityLimit", "any ink at BlackColorLimit would count as black"},
    {"ImageResolution", "images would be trapped at no resolution"},
};

bool IsZero(const std::string& value) { return IsJsonNumber(value) && LeadingNumber(value) == 0; }

void Check(const std::string& style, const std::vector<Param>& params, int page, std::vector<ZeroWarning>& out) {
    for (const Zeroable& z : kZeroable) {
        const auto found = std::find_if(params.begin(), params.end(), [&](const Param& p) { return p.key == z.key; });
        if (found == params.end() || !IsZero(found->value)) continue;
        auto warning = std::find_if(out.begin(), out.end(),
                                    [&](const ZeroWarning& w) { return w.style == style && w.key == z.key; });
        if (warning == out.end()) {
            warning = out.insert(out.end(), {std::string(z.key) + " 0 in style " + style +
                                                 ": a device may refuse it (rangecheck); " + z.consequence,
                                             style, z.key, {}});
        }
        if (page > 0 && (warning->pages.empty() || warning->pages.back() != page)) warning->pages.push_back(page);
    }
}

}  // namespace

std::vector<ZeroWarning> ZeroWarnings(const Journal& j) {
    std::vector<ZeroWarning> out;
    for (const auto& s : j.styles) Check(s.name, s.params, 0, out);
    for (const auto& z : j.zones) Check(z.style, z.params, z.page, out);
    return out;
}

}  // namespace orvane::inspect
