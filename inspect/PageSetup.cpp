#include "inspect/PageSetup.h"

#include <algorithm>
#include <cmath>

#include "inspect/EventText.h"

namespace orvane::inspect {
namespace {

ColorantType TypeOf(const std::string& name) {
    if (name == "Transparent") return ColorantType::Transparent;
    if (name == "Opaque") return ColorantType::Opaque;
    if (name == "OpaqueIgnore") return ColorantType::OpaqueIgnore;
    return ColorantType::Normal;
}

// A number of the device's parameters, in the range the device takes (else the default).
double Number(const std::string& value, double fallback, double low, double high) {
    if (!IsJsonNumber(value)) return fallback;
    const double v = LeadingNumber(value);
    return std::isfinite(v) && v >= low && v <= high ? v : fallback;
}

TrapStyleParams StyleOf(const Zone& z) {
    TrapStyleParams s;
    s.name = Unescape(z.style);
    s.enabled = z.enabled;
    for (const auto& p : z.params) {
        if (p.key == "TrapWidth") s.trapWidth = Number(p.value, s.trapWidth, 0, 1e6);
        else if (p.key == "BlackWidth") s.blackWidth = Number(p.value, s.blackWidth, 0, 1e6);
        else if (p.key == "StepLimit") s.stepLimit = Number(p.value, s.stepLimit, 0, 1);
        else if (p.key == "SlidingTrapLimit") s.slidingTrapLimit = Number(p.value, s.slidingTrapLimit, 0, 1);
        else if (p.key == "BlackColorLimit") s.blackColorLimit = Number(p.value, s.blackColorLimit, 0, 1);
        else if (p.key == "BlackDensityLimit") s.blackDensityLimit = Number(p.value, s.blackDensityLimit, 0, 1e6);
        else if (p.key == "TrapColorScaling") s.trapColorScaling = Number(p.value, s.trapColorScaling, 0, 1);
    }
    for (const auto& ink : z.inks) {
        ColorantDetail& d = s.colorantDetails[Unescape(ink.ink)];
        for (const auto& p : ink.params) {
            if (p.key == "StepLimit") d.stepLimit = Number(p.value, s.stepLimit, 0, 1);
            else if (p.key == "TrapColorScaling") d.trapColorScaling = Number(p.value, s.trapColorScaling, 0, 1);
        }
    }
    return s;
}

int Clamp(double v, int high) { return static_cast<int>(std::clamp(std::ceil(v - 0.5), 0.0, static_cast<double>(high))); }

}  // namespace

double DefaultNeutralDensity(const std::string& ink) {
    if (ink == "Cyan") return 0.61;
    if (ink == "Magenta") return 0.76;
    if (ink == "Yellow") return 0.16;
    if (ink == "Black") return 1.7;
    return 1.0;
}

TrapPage PageSetup(const Journal& j, int page, const std::vector<std::string>& inks, int width, int height,
                   double resolution, std::vector<int>& zoneOf) {
    TrapPage p;
    p.width = width;
    p.height = height;
    p.resolution = resolution;
    p.trapping = j.TrappingOn(page);
    const InkDetails& details = j.DetailsOn(page);
    for (const auto& name : inks) {
        InkInfo info{name, DefaultNeutralDensity(name), ColorantType::Normal};
        const std::string escaped = Escape(name);
        for (const auto& ink : details.inks) {
            if (ink.name != escaped) continue;
            info.neutralDensity = Number(ink.density, info.neutralDensity, 0, 1e6);
            info.type = TypeOf(ink.type);
        }
        p.inks.push_back(info);
    }
    // Zones are in points of default user space, from the bottom left; pixels count
    // rows from the top. A pixel is in a zone when its centre is.
    const double scale = resolution / 72.0;
    zoneOf.clear();
    for (std::size_t i = 0; i < j.zones.size(); ++i) {
        const Zone& z = j.zones[i];
        if (z.page != page) continue;
        TrapZoneRect r;
        r.x0 = Clamp(z.rect[0] * scale, width);
        r.x1 = Clamp(z.rect[2] * scale, width);
        r.y0 = Clamp(height - z.rect[3] * scale, height);
        r.y1 = Clamp(height - z.rect[1] * scale, height);
        r.style = static_cast<int>(p.styles.size());
        p.styles.push_back(StyleOf(z));
        p.zones.push_back(r);
        zoneOf.push_back(static_cast<int>(i));
    }
    return p;
}

}  // namespace orvane::inspect
