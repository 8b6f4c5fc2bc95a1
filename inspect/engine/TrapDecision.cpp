#include "inspect/engine/TrapDecision.h"

#include <algorithm>
#include <cmath>

namespace orvane::inspect {
namespace {

double Unit(double value) { return std::isnan(value) ? 0 : std::clamp(value, 0.0, 1.0); }
double NonNegative(double value) { return std::isnan(value) ? 0 : std::max(value, 0.0); }

double Pixels(double points, double resolution, double maxPixels) {
    const double pixels = points * resolution / 72.0;
    return std::isnan(pixels) ? 0 : std::clamp(pixels, 0.0, maxPixels);
}

// Inks of `high` above `low` (Transparent ones left out), those of them that stay above
// it by more than the ink's step limit, and the one of them with the widest margin.
void HigherInks(const std::vector<InkInfo>& inks, const ResolvedStyle& style, const std::uint8_t* high,
                const std::uint8_t* low, TrapRule::Step& best, std::vector<int>& pastStep) {
    for (std::size_t i = 0; i < inks.size(); ++i) {
        if (inks[i].type == ColorantType::Transparent || high[i] <= low[i]) continue;
        const double step = (high[i] - low[i]) / static_cast<double>(high[i]);
        if (best.ink < 0 || step - style.stepLimit[i] > best.step - best.limit)
            best = {static_cast<int>(i), step, style.stepLimit[i]};
        if (high[i] - low[i] > style.stepLimit[i] * high[i]) pastStep.push_back(static_cast<int>(i));
    }
}

bool IsBlack(const std::vector<InkInfo>& inks, const ResolvedStyle& style, const std::uint8_t* colour) {
    for (std::size_t i = 0; i < inks.size(); ++i)
        if (inks[i].neutralDensity >= style.blackDensityLimit && colour[i] > 0 &&
            colour[i] >= style.blackColorLimit * 255.0 - 1e-9)
            return true;
    return false;
}

// The tint an ink takes in a trap: what the receiving side has, raised toward what the
// giving side has by TrapColorScaling (1: all the way, 0: not at all).
std::vector<std::uint8_t> TrapTints(const std::vector<int>& inkList, const ResolvedStyle& style,
                                    const std::uint8_t* giver, const std::uint8_t* receiver) {
    std::vector<std::uint8_t> tints;
    for (const int i : inkList) {
        const double tint = receiver[i] + (giver[i] - receiver[i]) * style.trapColorScaling[i];
        tints.push_back(static_cast<std::uint8_t>(std::lround(std::clamp(tint, 0.0, 255.0))));
    }
    return tints;
}

}  // namespace

std::vector<ResolvedStyle> ResolveStyles(const TrapPage& page, double maxWidthPixels) {
    const double maxPixels = std::isnan(maxWidthPixels) ? 0 : std::clamp(maxWidthPixels, 0.0, 1024.0);
    std::vector<ResolvedStyle> resolved;
    for (const TrapStyleParams& style : page.styles) {
        ResolvedStyle r;
        r.enabled = style.enabled;
        r.widthPoints = NonNegative(style.trapWidth);
        r.blackWidthPoints = r.widthPoints * NonNegative(style.blackWidth);
        r.widthPixels = Pixels(r.widthPoints, page.resolution, maxPixels);
        r.blackWidthPixels = Pixels(r.blackWidthPoints, page.resolution, maxPixels);
        r.slidingTrapLimit = Unit(style.slidingTrapLimit);
        r.blackColorLimit = Unit(style.blackColorLimit);
        r.blackDensityLimit = NonNegative(style.blackDensityLimit);
        for (const InkInfo& ink : page.inks) {
            double step = style.stepLimit;
            double scaling = style.trapColorScaling;
            const auto detail = style.colorantDetails.find(ink.name);
            if (detail != style.colorantDetails.end()) {
                step = detail->second.stepLimit.value_or(step);
                scaling = detail->second.trapColorScaling.value_or(scaling);
            }
            r.stepLimit.push_back(Unit(step));
            r.trapColorScaling.push_back(Unit(scaling));
        }
        resolved.push_back(std::move(r));
    }
    return resolved;
}

double NeutralDensity(const std::vector<InkInfo>& inks, const std::uint8_t* colour) {
    double density = 0;
    for (std::size_t i = 0; i < inks.size(); ++i)
        if (std::isfinite(inks[i].neutralDensity)) density += colour[i] / 255.0 * inks[i].neutralDensity;
    return density;
}

bool IsLighter(const std::vector<InkInfo>& inks, const std::uint8_t* a, const std::uint8_t* b) {
    const double da = NeutralDensity(inks, a);
    const double db = NeutralDensity(inks, b);
    if (da != db) return da < db;
    return std::lexicographical_compare(a, a + inks.size(), b, b + inks.size());
}

PairDecision DecidePair(const std::vector<InkInfo>& inks, const ResolvedStyle& style,
                        const std::uint8_t* lighter, const std::uint8_t* darker) {
    PairDecision d;
    TrapRule& rule = d.rule;
    rule.lighterDensity = NeutralDensity(inks, lighter);
    rule.darkerDensity = NeutralDensity(inks, darker);
    rule.slidingTrapLimit = style.slidingTrapLimit;
    rule.blackDensityLimit = style.blackDensityLimit;
    rule.blackColorLimit = style.blackColorLimit;
    rule.trapWidth = style.widthPoints;
    rule.blackWidth = style.widthPoints > 0 ? style.blackWidthPoints / style.widthPoints : 0;
    if (!style.enabled) {
        d.reason = UntrappedReason::ZoneDisabled;
        return d;
    }
    for (std::size_t i = 0; i < inks.size(); ++i)
        if (inks[i].type == ColorantType::OpaqueIgnore && (lighter[i] > 0 || darker[i] > 0)) {
            rule.ignoredInk = static_cast<int>(i);
            d.reason = UntrappedReason::IgnoredInk;
            return d;
        }
    std::vector<int> lighterPast;
    std::vector<int> darkerPast;
    HigherInks(inks, style, lighter, darker, rule.lighterStep, lighterPast);
    HigherInks(inks, style, darker, lighter, rule.darkerStep, darkerPast);
    if (rule.lighterStep.ink < 0 || rule.darkerStep.ink < 0) {
        d.reason = UntrappedReason::NoGap;
        return d;
    }
    if (lighterPast.empty() || darkerPast.empty()) {
        d.reason = UntrappedReason::StepLimit;
        return d;
    }
    const bool centre = rule.darkerDensity <= 0 || rule.lighterDensity / rule.darkerDensity >= style.slidingTrapLimit;
    rule.blackSide = IsBlack(inks, style, darker);
    rule.placement = centre ? TrapPlacement::Centre : TrapPlacement::Spread;
    d.placement = rule.placement;
    d.widthPixels = rule.blackSide ? style.blackWidthPixels : style.widthPixels;
    d.widthPoints = rule.blackSide ? style.blackWidthPoints : style.widthPoints;
    if (d.widthPoints <= 0) {
        d.reason = UntrappedReason::WidthZero;
        return d;
    }
    d.trap = true;
    d.toDarker = lighterPast;
    d.toDarkerTint = TrapTints(lighterPast, style, lighter, darker);
    if (centre) {
        d.toLighter = darkerPast;
        d.toLighterTint = TrapTints(darkerPast, style, darker, lighter);
    }
    return d;
}

}  // namespace orvane::inspect
