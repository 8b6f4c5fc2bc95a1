#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "TrapImage.h"

namespace {

using orvane::inspect::ColorantDetail;
using orvane::inspect::TrapPlacement;
using orvane::inspect::TrapStyleParams;
using orvane::inspect::TrapZoneRect;
using orvane::inspect::UntrappedReason;
using namespace trapimage;

Tints Mix(Tints a, const Tints& b) {
    for (std::size_t i = 0; i < a.size(); ++i) a[i] = std::max(a[i], b[i]);
    return a;
}

// Colour A on the left half, colour B on the right, three rows.
const Rows kHalves{"AAAAABBBBB", "AAAAABBBBB", "AAAAABBBBB"};

Rows Repeat(const std::string& row, std::size_t count) { return Rows(count, row); }

struct PlacementCase {
    const char* name;
    Tints a, b, x, y;  // x, y: the trap colours left and right of the edge, where they show
    double trapWidth, blackWidth, slidingTrapLimit;
    std::string expected;
    TrapPlacement placement;
    int spreads;  // the one ink that spreads
    double width;
};

TEST(TrapEngine, PlacesAndSizesTheTrapByDensity)
{
    const PlacementCase cases[] = {
        {"yellow spreads into cyan", kYellow, kCyan, {}, Mix(kCyan, kYellow), 2, 1, 0.7, "AAAAAyyBBB",
         TrapPlacement::Spread, 2, 2},
        {"similar cyan and magenta meet in the centre", kCyan, kMagenta, Mix(kCyan, kMagenta), Mix(kCyan, kMagenta),
         4, 1, 0.7, "AAAxxyyBBB", TrapPlacement::Centre, 0, 4},
        {"a higher sliding limit makes it a spread", kCyan, kMagenta, {}, Mix(kCyan, kMagenta), 2, 1, 0.9,
         "AAAAAyyBBB", TrapPlacement::Spread, 0, 2},
        {"black takes BlackWidth times the width", kYellow, kBlack, {}, Mix(kYellow, kBlack), 1, 3, 0.7,
         "AAAAAyyyBB", TrapPlacement::Spread, 2, 3},
        {"black below BlackColorLimit is not black", kYellow, {0, 0, 0, 200, 0}, {}, {0, 0, 255, 200, 0}, 1, 3, 0.7,
         "AAAAAyBBBB", TrapPlacement::Spread, 2, 1},
        {"the darker side on the left", kCyan, kYellow, Mix(kCyan, kYellow), {}, 2, 1, 0.7, "AAAxxBBBBB",
         TrapPlacement::Spread, 2, 2},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.name);
        TrapPage page = Page(kHalves);
        page.styles[0].trapWidth = c.trapWidth;
        page.styles[0].blackWidth = c.blackWidth;
        page.styles[0].slidingTrapLimit = c.slidingTrapLimit;
        const Legend legend{{'A', c.a}, {'B', c.b}, {'x', c.x}, {'y', c.y}};
        const TrapRun run = Trap(page, kHalves, legend, 3);
        EXPECT_EQ(Differences(run, Repeat(c.expected, 3), legend), "");
        ASSERT_EQ(run.traps.size(), 1u);
        EXPECT_EQ(run.traps[0].placement, c.placement);
        EXPECT_EQ(run.traps[0].spreads, std::vector<int>{c.spreads});
        EXPECT_DOUBLE_EQ(run.traps[0].width, c.width);
        EXPECT_DOUBLE_EQ(run.traps[0].length, 3);
        EXPECT_TRUE(run.untrapped.empty());
    }
}

struct GapCase {
    const char* name;
    double stepLimit;
    Tints b;
    bool trapped;
    UntrappedReason reason;
};

TEST(TrapEngine, TrapsOnlyWhereMisregistrationShowsAGap)
{
    // Left {C 100 %, M 100/255}, right with M a step above it: 10/110 = 9.1 % of the higher tint.
    const Tints a{255, 100, 0, 0, 0};
    const Tints b{0, 110, 0, 0, 0};
    const GapCase cases[] = {
        {"a step above the limit", 0.05, b, true, UntrappedReason::NoGap},
        {"a step below the limit", 0.10, b, false, UntrappedReason::StepLimit},
        {"no ink higher on the right", 0.0, {0, 100, 0, 0, 0}, false, UntrappedReason::NoGap},
        {"paper white", 0.0, kWhite, false, UntrappedReason::NoGap},
    };
    for (const GapCase& c : cases) {
        SCOPED_TRACE(c.name);
        TrapPage page = Page(kHalves);
        page.styles[0].stepLimit = c.stepLimit;
        page.styles[0].trapWidth = 1;
        const Legend legend{{'A', a}, {'B', c.b}, {'x', {255, 110, 0, 0, 0}}};
        const TrapRun run = Trap(page, kHalves, legend, 3);
        EXPECT_EQ(Differences(run, Repeat(c.trapped ? "AAAAxBBBBB" : "AAAAABBBBB", 3), legend), "");
        EXPECT_EQ(run.traps.size(), c.trapped ? 1u : 0u);
        ASSERT_EQ(run.untrapped.size(), c.trapped ? 0u : 1u);
        if (!c.trapped) {
            EXPECT_EQ(run.untrapped[0].reason, c.reason);
            EXPECT_DOUBLE_EQ(run.untrapped[0].length, 3);
        }
    }
}

struct ColorantCase {
    const char* name;
    ColorantType type;
    bool trapped;
    UntrappedReason reason;
};

TEST(TrapEngine, FollowsTheSpotInksColorantType)
{
    // Spot (ND 0.5) beside cyan (ND 0.61): close enough for a centre trap 1 pixel each side.
    const ColorantCase cases[] = {
        {"Normal", ColorantType::Normal, true, UntrappedReason::NoGap},
        {"Opaque traps like Normal", ColorantType::Opaque, true, UntrappedReason::NoGap},
        {"Transparent is no higher ink", ColorantType::Transparent, false, UntrappedReason::NoGap},
        {"OpaqueIgnore stops the trap", ColorantType::OpaqueIgnore, false, UntrappedReason::IgnoredInk},
    };
    for (const ColorantCase& c : cases) {
        SCOPED_TRACE(c.name);
        TrapPage page = Page(kHalves, c.type);
        page.styles[0].trapWidth = 2;
        const Legend legend{{'A', kSpot}, {'B', kCyan}, {'x', Mix(kSpot, kCyan)}};
        const TrapRun run = Trap(page, kHalves, legend, 3);
        EXPECT_EQ(Differences(run, Repeat(c.trapped ? "AAAAxxBBBB" : "AAAAABBBBB", 3), legend), "");
        ASSERT_EQ(run.untrapped.size(), c.trapped ? 0u : 1u);
        if (!c.trapped) {
            EXPECT_EQ(run.untrapped[0].reason, c.reason);
        }
    }
}

struct ZoneCase {
    const char* name;
    bool trapping;
    std::vector<TrapZoneRect> zones;  // style 0 traps, style 1 is disabled
    Rows mask;
    bool reportsDisabled;
};

TEST(TrapEngine, TrapsOnlyInsideTheZoneThatHolds)
{
    // Traps 2 pixels wide, whose disks reach a row up and down: they stop at the zone's edge.
    const Rows rows = Repeat("AAAAABBBBB", 4);
    const Rows all = Repeat(".....##...", 4);
    const Rows none = Repeat("..........", 4);
    const Rows top{".....##...", ".....##...", "..........", ".........."};
    const Rows cut = Repeat(".....#....", 4);
    const ZoneCase cases[] = {
        {"the whole page", true, {{0, 0, 10, 4, 0}}, all, false},
        {"a disabled zone", true, {{0, 0, 10, 4, 1}}, none, true},
        {"the top half", true, {{0, 0, 10, 2, 0}}, top, false},
        {"the right half, where the trap lies", true, {{5, 0, 10, 4, 0}}, all, false},
        {"the left half: the trap would lie outside", true, {{0, 0, 5, 4, 0}}, none, false},
        {"a zone one pixel wide cuts the trap", true, {{5, 0, 6, 4, 0}}, cut, false},
        {"a zone from one pixel past the edge", true, {{6, 0, 10, 4, 0}}, none, false},
        {"a disabled zone set last holds", true, {{0, 0, 10, 4, 0}, {0, 2, 10, 4, 1}}, top, true},
        {"an enabled zone set last holds", true, {{0, 2, 10, 4, 1}, {0, 0, 10, 4, 0}}, all, false},
        {"a zone of a style that is not there", true, {{0, 0, 10, 4, 7}}, none, false},
        {"no trapping on the page", false, {{0, 0, 10, 4, 0}}, none, false},
        {"outside every zone", true, {}, none, false},
    };
    for (const ZoneCase& c : cases) {
        SCOPED_TRACE(c.name);
        TrapPage page = Page(rows);
        page.trapping = c.trapping;
        page.zones = c.zones;
        page.styles.resize(2);
        page.styles[0].trapWidth = 2;
        page.styles[1].enabled = false;
        const TrapRun run = Trap(page, rows, {{'A', kYellow}, {'B', kCyan}}, 4);
        EXPECT_EQ(MaskRows(run, 10), c.mask);
        EXPECT_EQ(!run.untrapped.empty() && run.untrapped[0].reason == UntrappedReason::ZoneDisabled,
                  c.reportsDisabled);
    }
}

struct OverrideCase {
    const char* name;
    Tints a, b;
    std::function<void(TrapStyleParams&)> set;
    std::string expected;
    Tints x;
};

TEST(TrapEngine, ScalesTheTrapColourAndTakesPerInkOverrides)
{
    const Tints a{255, 100, 0, 0, 0};
    const Tints b{0, 110, 0, 0, 0};
    const OverrideCase cases[] = {
        {"the default scaling 1 adds the full tint", kCyan, kYellow, [](TrapStyleParams&) {}, "AAAAxBBBBB",
         Mix(kCyan, kYellow)},
        {"scaling 0.25 adds a quarter of it", kCyan, kYellow, [](TrapStyleParams& s) { s.trapColorScaling = 0.25; },
         "AAAAxBBBBB", {255, 0, 64, 0, 0}},
        {"scaling 0 adds nothing", kCyan, kYellow, [](TrapStyleParams& s) { s.trapColorScaling = 0; }, "AAAAABBBBB",
         {}},
        {"scaling raises the receiving side's own tint", {0, 0, 255, 0, 0}, {255, 0, 100, 0, 0},
         [](TrapStyleParams& s) { s.trapColorScaling = 0.5; }, "AAAAAxBBBB", {255, 0, 178, 0, 0}},
        {"the spreading ink's own scaling", kCyan, kYellow,
         [](TrapStyleParams& s) { s.colorantDetails["Yellow"] = ColorantDetail{{}, 0.25}; }, "AAAAxBBBBB",
         {255, 0, 64, 0, 0}},
        {"another ink's scaling leaves it", kCyan, kYellow,
         [](TrapStyleParams& s) { s.colorantDetails["Cyan"] = ColorantDetail{{}, 0.25}; }, "AAAAxBBBBB",
         Mix(kCyan, kYellow)},
        {"the stepping ink's own step limit", a, b,
         [](TrapStyleParams& s) { s.colorantDetails["Magenta"] = ColorantDetail{0.05, {}}; }, "AAAAxBBBBB",
         {255, 110, 0, 0, 0}},
        {"another ink's step limit leaves it", a, b,
         [](TrapStyleParams& s) { s.colorantDetails["Cyan"] = ColorantDetail{0.05, {}}; }, "AAAAABBBBB", {}},
    };
    for (const OverrideCase& c : cases) {
        SCOPED_TRACE(c.name);
        TrapPage page = Page(kHalves);
        page.styles[0].trapWidth = 1;
        c.set(page.styles[0]);
        const Legend legend{{'A', c.a}, {'B', c.b}, {'x', c.x}};
        EXPECT_EQ(Differences(Trap(page, kHalves, legend, 3), Repeat(c.expected, 3), legend), "");
    }
}

TEST(TrapEngine, GivesTheSameAnswerForEveryBandHeight)
{
    // Cyan in yellow, magenta beside, a black bar across; traps of 2 pixels, 4 into black,
    // reach over the band boundaries and stop where the colour they lie on ends.
    const Rows rows{
        "YYYYYYYYYYYY", "YYYCCCCCYYYY", "YYYCCCCCYYYY", "YYYCCCCCMMMM", "YYYCCCCCMMMM",
        "KKKKKKKKKKKK", "KKKKKKKKKKKK", "CCCCCCMMMMMM", "CCCCCCMMMMMM", "YYYYYYMMMMMM",
    };
    const Rows mask{
        "............", "...#####....", "...#####....", "...##.######", "...##..#####",
        "############", "############", "#######.....", "########....", "......##....",
    };
    const Legend legend{{'C', kCyan}, {'Y', kYellow}, {'M', kMagenta}, {'K', kBlack}};
    TrapPage page = Page(rows);
    page.styles[0].trapWidth = 2;
    page.styles[0].blackWidth = 2;
    const TrapRun whole = Trap(page, rows, legend, 10);
    EXPECT_EQ(MaskRows(whole, 12), mask);
    for (const int band : {1, 3, 4}) {
        SCOPED_TRACE(band);
        const TrapRun run = Trap(page, rows, legend, band);
        EXPECT_EQ(run.trapped, whole.trapped);
        EXPECT_EQ(run.mask, whole.mask);
        ASSERT_EQ(run.traps.size(), whole.traps.size());
        for (std::size_t i = 0; i < run.traps.size(); ++i) {
            EXPECT_EQ(run.traps[i].lighter, whole.traps[i].lighter);
            EXPECT_DOUBLE_EQ(run.traps[i].length, whole.traps[i].length);
        }
    }
}

struct MergeCase {
    const char* name;
    int step;       // cyan tint added from one column to the next
    int tolerance;  // TrapOptions::mergeTolerance
    std::size_t pairs;
};

TEST(TrapEngine, TakesNeighboursWithinTheToleranceForOneColour)
{
    // A cyan ramp over magenta: steps within the tolerance make no edges, so no trap
    // decisions; steps past it meet as colours (and the magenta under both gives no gap).
    const MergeCase cases[] = {
        {"steps of 2 within 2", 2, 2, 0},
        {"steps of 3 past 2", 3, 2, 8},
        {"steps of 1 past 0", 1, 0, 8},
        {"a tolerance past every tint", 30, 300, 0},
    };
    const Rows rows{"abcdefghi"};
    for (const MergeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Legend legend;
        for (int x = 0; x < 9; ++x)
            legend[static_cast<char>('a' + x)] = {static_cast<std::uint8_t>(100 + c.step * x), 255, 0, 0, 0};
        TrapEngine engine(Page(rows), {c.tolerance, 64, 100});
        TrapBand out;
        ASSERT_TRUE(engine.Push(PlateBand{0, 1, Plates(rows, legend, 0, 1)}, out));
        engine.Finish(out);
        EXPECT_EQ(engine.Traps().size() + engine.Untrapped().size(), c.pairs);
    }
}

TEST(TrapEngine, TrapsPairsPastTheListButOnlyCountsTheirLength)
{
    // Yellow | cyan above, yellow | magenta below: the first pair met is listed.
    const Rows rows{"YYYYYCCCCC", "YYYYYCCCCC", "YYYYYMMMMM"};
    const Legend legend{{'Y', kYellow}, {'C', kCyan}, {'M', kMagenta}};
    const TrapPage page = Page(rows);
    const TrapRun all = Trap(page, rows, legend, 3);
    const TrapRun one = Trap(page, rows, legend, 3, {2, 64, 1});
    EXPECT_EQ(one.trapped, all.trapped);
    EXPECT_EQ(one.mask, all.mask);
    ASSERT_EQ(all.traps.size() + all.untrapped.size(), 3u);
    ASSERT_EQ(one.traps.size() + one.untrapped.size(), 1u);
    EXPECT_EQ(one.traps[0].darker, kCyan);
    EXPECT_DOUBLE_EQ(one.traps[0].length, 2);
    EXPECT_DOUBLE_EQ(one.unlisted, 6);  // yellow | magenta 1, cyan | magenta 5
    EXPECT_DOUBLE_EQ(all.unlisted, 0);
}

TEST(TrapEngine, RefusesBandsThatDoNotFitAndSurvivesBadNumbers)
{
    const Legend legend{{'A', kYellow}, {'B', kCyan}};
    const TrapPage page = Page(kHalves);
    const auto plates = Plates(kHalves, legend, 0, 3);
    struct BadBand {
        const char* name;
        PlateBand band;
    } bad[] = {
        {"a plate short", {0, 3, {plates.begin(), plates.begin() + 4}}},
        {"a plate of the wrong size", {0, 2, plates}},
        {"not the next row", {1, 3, plates}},
        {"rows past the page", {0, 4, plates}},
        {"negative rows", {0, -1, plates}},
    };
    for (const BadBand& b : bad) {
        SCOPED_TRACE(b.name);
        TrapEngine engine(page);
        TrapBand out;
        EXPECT_FALSE(engine.Push(b.band, out));
        EXPECT_TRUE(engine.Failed());
        EXPECT_EQ(out.rows, 0);
        EXPECT_FALSE(engine.Push(PlateBand{0, 3, plates}, out));
    }

    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct BadPage {
        const char* name;
        std::function<void(TrapPage&)> set;
        bool fails;
        std::string expected;
    } pages[] = {
        {"NaN parameters trap nothing", [&](TrapPage& p) { p.styles[0] = {"NaN", true, nan, nan, nan, nan, nan, nan, nan, {}}; },
         false, "AAAAABBBBB"},
        {"a huge width is cut to the widest trap", [](TrapPage& p) { p.styles[0].trapWidth = 1e300; }, false,
         "AAAAAxxxxx"},
        {"no resolution", [](TrapPage& p) { p.resolution = 0; }, true, ""},
        {"a negative size", [](TrapPage& p) { p.width = -3; }, true, ""},
    };
    for (const BadPage& c : pages) {
        SCOPED_TRACE(c.name);
        TrapPage p = page;
        c.set(p);
        const Legend both{{'A', kYellow}, {'B', kCyan}, {'x', Mix(kYellow, kCyan)}};
        const TrapRun run = Trap(p, kHalves, both, 3);
        EXPECT_EQ(!run.ok, c.fails);
        if (!c.fails) {
            EXPECT_EQ(Differences(run, Repeat(c.expected, 3), both), "");
        }
    }

    TrapPage empty = page;
    empty.width = 0;
    empty.height = 0;
    TrapEngine engine(empty);
    TrapBand out;
    EXPECT_TRUE(engine.Push(PlateBand{0, 0, std::vector<Tints>(5)}, out));
    engine.Finish(out);
    EXPECT_EQ(out.rows, 0);
}

}  // namespace
