#include <gtest/gtest.h>

#include <functional>

#include "TrapImage.h"
#include "inspect/engine/TrapDecision.h"

namespace {

using orvane::inspect::DecidePair;
using orvane::inspect::PairDecision;
using orvane::inspect::ResolveStyles;
using orvane::inspect::TrapPlacement;
using orvane::inspect::TrapStyleParams;
using orvane::inspect::UntrappedReason;
using trapimage::kBlack;
using trapimage::kCyan;
using trapimage::kMagenta;
using trapimage::kYellow;
using trapimage::Tints;

PairDecision Decide(const Tints& lighter, const Tints& darker, const std::function<void(TrapStyleParams&)>& set,
                    orvane::inspect::ColorantType spotType = orvane::inspect::ColorantType::Normal) {
    orvane::inspect::TrapPage page = trapimage::Page({"AB"}, spotType);
    set(page.styles[0]);
    return DecidePair(page.inks, ResolveStyles(page, 64)[0], lighter.data(), darker.data());
}

struct LimitCase {
    const char* name;
    Tints lighter, darker;
    std::function<void(TrapStyleParams&)> set;
    bool trap;
    UntrappedReason reason;  // when not trapped
    TrapPlacement placement;
    double width;  // points, when trapped
};

// Each limit of a style at the value where its answer turns, and just past it.
TEST(TrapDecision, TurnsAtEachLimit)
{
    const double cyanOverMagenta = 0.61 / 0.76;
    const Tints paleCyan{200, 0, 0, 0, 0};
    const Tints cyanMagenta{150, 255, 0, 0, 0};  // paleCyan's cyan steps 50/200 = 25 % above it
    const Tints greyBlack{0, 0, 0, 200, 0};
    const UntrappedReason none = UntrappedReason::NoGap;
    const LimitCase cases[] = {
        {"a ratio at SlidingTrapLimit is centred", kCyan, kMagenta,
         [&](TrapStyleParams& s) { s.slidingTrapLimit = cyanOverMagenta; }, true, none, TrapPlacement::Centre, 1},
        {"a ratio under it is spread", kCyan, kMagenta,
         [&](TrapStyleParams& s) { s.slidingTrapLimit = cyanOverMagenta + 1e-6; }, true, none, TrapPlacement::Spread, 1},
        {"black at BlackDensityLimit takes BlackWidth", kYellow, kBlack,
         [](TrapStyleParams& s) { s.blackDensityLimit = 1.7, s.blackWidth = 3; }, true, none, TrapPlacement::Spread, 3},
        {"black under BlackDensityLimit does not", kYellow, kBlack,
         [](TrapStyleParams& s) { s.blackDensityLimit = 1.71, s.blackWidth = 3; }, true, none, TrapPlacement::Spread, 1},
        {"a black tint at BlackColorLimit is black", kYellow, greyBlack,
         [](TrapStyleParams& s) { s.blackColorLimit = 200 / 255.0, s.blackWidth = 2; }, true, none,
         TrapPlacement::Spread, 2},
        {"a step at StepLimit is no step", paleCyan, cyanMagenta, [](TrapStyleParams& s) { s.stepLimit = 0.25; },
         false, UntrappedReason::StepLimit, TrapPlacement::Spread, 0},
        {"a step past StepLimit traps", paleCyan, cyanMagenta, [](TrapStyleParams& s) { s.stepLimit = 0.24; }, true,
         none, TrapPlacement::Spread, 1},
        {"TrapWidth 0 makes no trap", kYellow, kCyan, [](TrapStyleParams& s) { s.trapWidth = 0; }, false,
         UntrappedReason::WidthZero, TrapPlacement::Spread, 0},
        {"BlackWidth 0 makes none against black", kYellow, kBlack, [](TrapStyleParams& s) { s.blackWidth = 0; }, false,
         UntrappedReason::WidthZero, TrapPlacement::Spread, 0},
        {"BlackWidth 0 leaves other traps", kYellow, kCyan, [](TrapStyleParams& s) { s.blackWidth = 0; }, true, none,
         TrapPlacement::Spread, 1},
        {"a disabled style traps nothing", kYellow, kCyan, [](TrapStyleParams& s) { s.enabled = false; }, false,
         UntrappedReason::ZoneDisabled, TrapPlacement::Spread, 0},
    };
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PairDecision d = Decide(c.lighter, c.darker, c.set);
        ASSERT_EQ(d.trap, c.trap);
        if (c.trap) {
            EXPECT_EQ(d.placement, c.placement);
            EXPECT_DOUBLE_EQ(d.widthPoints, c.width);
        } else {
            EXPECT_EQ(d.reason, c.reason);
        }
    }
}

TEST(TrapDecision, RecordsTheNumbersItDecidedBy)
{
    const PairDecision spread = Decide(kYellow, kCyan, [](TrapStyleParams& s) { s.trapWidth = 0.5; });
    EXPECT_DOUBLE_EQ(spread.rule.lighterDensity, 0.16);
    EXPECT_DOUBLE_EQ(spread.rule.darkerDensity, 0.61);
    EXPECT_DOUBLE_EQ(spread.rule.slidingTrapLimit, 0.7);
    EXPECT_EQ(spread.rule.lighterStep.ink, 2);
    EXPECT_EQ(spread.rule.darkerStep.ink, 0);
    EXPECT_DOUBLE_EQ(spread.rule.lighterStep.step, 1);
    EXPECT_DOUBLE_EQ(spread.rule.lighterStep.limit, 0.1);
    EXPECT_FALSE(spread.rule.blackSide);
    EXPECT_DOUBLE_EQ(spread.rule.trapWidth, 0.5);
    EXPECT_EQ(spread.rule.ignoredInk, -1);

    const PairDecision step =
        Decide({200, 0, 0, 0, 0}, {150, 255, 0, 0, 0}, [](TrapStyleParams& s) { s.stepLimit = 0.3; });
    EXPECT_DOUBLE_EQ(step.rule.lighterStep.step, 0.25);
    EXPECT_DOUBLE_EQ(step.rule.lighterStep.limit, 0.3);

    const PairDecision paper = Decide({0, 0, 0, 0, 0}, kCyan, [](TrapStyleParams&) {});
    EXPECT_EQ(paper.rule.lighterStep.ink, -1);

    const PairDecision ignored = Decide(kYellow, {0, 0, 0, 0, 255}, [](TrapStyleParams&) {},
                                        orvane::inspect::ColorantType::OpaqueIgnore);
    EXPECT_EQ(ignored.rule.ignoredInk, 4);
}

}  // namespace
