#include "inspect/TrapRuleText.h"

#include <cstdio>

#include "inspect/EventText.h"

namespace orvane::inspect {
namespace {

std::string Fixed(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string Percent(double fraction) { return Decimals(fraction * 100, 1) + " %"; }

std::string RawInk(const std::vector<std::string>& inks, int ink) {
    return ink >= 0 && static_cast<std::size_t>(ink) < inks.size() ? inks[static_cast<std::size_t>(ink)] : "?";
}

std::string InkName(const std::vector<std::string>& inks, int ink) { return Escape(RawInk(inks, ink)); }

std::string ColourWords(const std::vector<std::string>& inks, const std::vector<std::uint8_t>& tints) {
    std::string out;
    for (std::size_t i = 0; i < tints.size() && i < inks.size(); ++i)
        if (tints[i]) out += (out.empty() ? "" : " ") + Escape(inks[i]) + " " + Percent(tints[i] / 255.0);
    return out.empty() ? "paper" : out;
}

std::string Step(const std::vector<std::string>& inks, const TrapRule::Step& step) {
    return "step of " + InkName(inks, step.ink) + " " + Percent(step.step) +
           (step.step > step.limit ? " over" : " under") + " StepLimit " + Percent(step.limit);
}

std::string Density(const TrapRule& rule) {
    std::string out = "density " + Fixed(rule.lighterDensity) + " against " + Fixed(rule.darkerDensity);
    if (rule.darkerDensity <= 0) return out + ", the darker side without density";
    const double ratio = rule.lighterDensity / rule.darkerDensity;
    return out + ", ratio " + Fixed(ratio) + (ratio >= rule.slidingTrapLimit ? " at or over" : " under") +
           " SlidingTrapLimit " + Fixed(rule.slidingTrapLimit);
}

std::string Width(const TrapRule& rule) {
    if (!rule.blackSide) return Decimals(rule.trapWidth, 3) + " pt (no black side)";
    return Decimals(rule.trapWidth * rule.blackWidth, 3) + " pt (black side at BlackDensityLimit " +
           Decimals(rule.blackDensityLimit, 2) + " and BlackColorLimit " + Percent(rule.blackColorLimit) +
           ": BlackWidth " + Decimals(rule.blackWidth, 3) + " x TrapWidth " + Decimals(rule.trapWidth, 3) + " pt)";
}

Json StepJson(const std::vector<std::string>& inks, const TrapRule::Step& step) {
    if (step.ink < 0) return nullptr;
    return {{"ink", Latin1ToUtf8(RawInk(inks, step.ink))},
            {"step", Rounded(step.step, 3)},
            {"stepLimit", Rounded(step.limit, 3)}};
}

}  // namespace

const char* Outcome(bool trapped, const TrapRule& rule, UntrappedReason reason) {
    if (trapped) return rule.placement == TrapPlacement::Centre ? "centre" : "spread";
    switch (reason) {
        case UntrappedReason::StepLimit: return "step limit";
        case UntrappedReason::NoGap: return "no gap";
        case UntrappedReason::IgnoredInk: return "ignored ink";
        case UntrappedReason::ZoneDisabled: return "zone disabled";
        case UntrappedReason::WidthZero: return "width 0";
    }
    return "";
}

std::string RuleText(const std::vector<std::string>& inks, const std::vector<std::uint8_t>& lighter,
                     const std::vector<std::uint8_t>& darker, const TrapRule& rule, const char* outcome) {
    const std::string what = outcome;
    std::string out = ColourWords(inks, lighter) + " against " + ColourWords(inks, darker) + ": ";
    if (what == "zone disabled") return out + "the zone's style has Enabled false: no trap";
    if (what == "ignored ink") return out + InkName(inks, rule.ignoredInk) + " is OpaqueIgnore: no trap";
    if (what == "no gap")
        return out + "the " + (rule.lighterStep.ink < 0 ? "lighter" : "darker") +
               " side has no ink higher than the other: misregistration opens no gap";
    if (what == "step limit") {
        const bool lighterShort = rule.lighterStep.step <= rule.lighterStep.limit;
        return out + Step(inks, lighterShort ? rule.lighterStep : rule.darkerStep) + " (the " +
               (lighterShort ? "lighter" : "darker") + " side's largest): no trap";
    }
    const std::string placement = rule.placement == TrapPlacement::Centre ? "centre" : "spread";
    if (what == "width 0")
        return out + Density(rule) + ": " + placement + ", but " +
               (rule.blackSide && rule.trapWidth > 0 ? "BlackWidth" : "TrapWidth") + " is 0: width 0, no trap";
    return out + Density(rule) + ": " + placement + "; " + Width(rule);
}

Json RuleJson(const std::vector<std::string>& inks, const TrapRule& rule, const char* outcome) {
    Json ratio = nullptr;
    if (rule.darkerDensity > 0) ratio = Rounded(rule.lighterDensity / rule.darkerDensity, 3);
    return {{"outcome", outcome},
            {"lighterDensity", Rounded(rule.lighterDensity, 3)},
            {"darkerDensity", Rounded(rule.darkerDensity, 3)},
            {"ratio", ratio},
            {"slidingTrapLimit", Rounded(rule.slidingTrapLimit, 3)},
            {"lighterStep", StepJson(inks, rule.lighterStep)},
            {"darkerStep", StepJson(inks, rule.darkerStep)},
            {"ignoredInk", rule.ignoredInk < 0 ? Json(nullptr) : Json(Latin1ToUtf8(RawInk(inks, rule.ignoredInk)))},
            {"blackSide", rule.blackSide},
            {"blackDensityLimit", Rounded(rule.blackDensityLimit, 3)},
            {"blackColorLimit", Rounded(rule.blackColorLimit, 3)},
            {"trapWidth", Rounded(rule.trapWidth, 3)},
            {"blackWidth", Rounded(rule.blackWidth, 3)}};
}

}  // namespace orvane::inspect
