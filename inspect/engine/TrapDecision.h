// What the trapping model decides for one pair of colours that meet in one zone: trap or
// not and why, which inks go where, at what tint, how wide.
#pragma once
#include <cstdint>
#include <vector>

#include "inspect/engine/TrapEngine.h"

namespace orvane::inspect {

// A style with its numbers made safe (NaN and out-of-range values put in range) and its
// per-ink overrides resolved against the page's inks.
struct ResolvedStyle {
    bool enabled = true;
    double widthPixels = 0;       // TrapWidth at the page's resolution
    double blackWidthPixels = 0;  // BlackWidth × TrapWidth at the page's resolution
    double widthPoints = 0;
    double blackWidthPoints = 0;
    double slidingTrapLimit = 0;
    double blackColorLimit = 0;
    double blackDensityLimit = 0;
    std::vector<double> stepLimit;         // per ink
    std::vector<double> trapColorScaling;  // per ink
};

std::vector<ResolvedStyle> ResolveStyles(const TrapPage& page, double maxWidthPixels);

double NeutralDensity(const std::vector<InkInfo>& inks, const std::uint8_t* colour);

// True when colour a counts as the lighter of the two (lower ND; equal NDs are ordered by
// their tints, so that the answer never depends on which pixel came first).
bool IsLighter(const std::vector<InkInfo>& inks, const std::uint8_t* a, const std::uint8_t* b);

struct PairDecision {
    bool trap = false;
    UntrappedReason reason = UntrappedReason::NoGap;
    TrapPlacement placement = TrapPlacement::Spread;
    double widthPixels = 0;
    double widthPoints = 0;
    std::vector<int> toDarker;               // inks the darker side receives (the lighter's higher inks)
    std::vector<std::uint8_t> toDarkerTint;  // their tints in the trap
    std::vector<int> toLighter;              // centre traps: the darker side's higher inks
    std::vector<std::uint8_t> toLighterTint;
    TrapRule rule;
};

PairDecision DecidePair(const std::vector<InkInfo>& inks, const ResolvedStyle& style,
                        const std::uint8_t* lighter, const std::uint8_t* darker);

}  // namespace orvane::inspect
