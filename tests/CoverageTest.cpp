#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TrapImage.h"
#include "inspect/engine/Coverage.h"

namespace {

using orvane::inspect::CoverageMeter;
using orvane::inspect::CoverageResult;
using namespace trapimage;

struct CoverageCase {
    const char* name;
    Rows rows;
    double limit;
    double maxTotal, overLimit;
    std::vector<double> share;  // C, M, Y, K, S in percent of the page
    Rows mask;
};

TEST(Coverage, FindsTheHighestTotalTheAreaOverTheLimitAndEachInksShare)
{
    // At 72 dpi a pixel is a square point. 'F': 400 %, 'T': 300 %, 'h': half cyan.
    const Legend legend{{'.', {0, 0, 0, 0, 0}}, {'F', {255, 255, 255, 255, 0}}, {'T', {255, 255, 255, 0, 0}},
                        {'h', {128, 0, 0, 0, 0}}};
    const Rows patch{"..........", "..FFFF....", "..FFFF....", "..FFFF....", "..FFFF....", ".........."};
    const Rows patchMask{"..........", "..####....", "..####....", "..####....", "..####....", ".........."};
    const Rows clear(6, "..........");
    const CoverageCase cases[] = {
        {"a 400 % patch over 300 %", patch, 300, 400, 16, {16.0 / 60 * 100, 16.0 / 60 * 100, 16.0 / 60 * 100, 16.0 / 60 * 100, 0}, patchMask},
        {"the same under a 400 % limit", patch, 400, 400, 0, {16.0 / 60 * 100, 16.0 / 60 * 100, 16.0 / 60 * 100, 16.0 / 60 * 100, 0}, clear},
        {"300 % is not over 300 %", {"TT........", "TT........", "..........", "..........", "..........", ".........."}, 300, 300, 0,
         {4.0 / 60 * 100, 4.0 / 60 * 100, 4.0 / 60 * 100, 0, 0}, clear},
        {"half cyan over the whole page", Rows(6, "hhhhhhhhhh"), 300, 128 / 2.55, 0, {128 / 2.55, 0, 0, 0, 0}, clear},
        {"a limit that is not a number", patch, std::numeric_limits<double>::quiet_NaN(), 400, 0,
         {16.0 / 60 * 100, 16.0 / 60 * 100, 16.0 / 60 * 100, 16.0 / 60 * 100, 0}, clear},
    };
    for (const CoverageCase& c : cases) {
        for (const int band : {1, 4, 6}) {
            SCOPED_TRACE(std::string(c.name) + ", bands of " + std::to_string(band));
            const TrapPage page = Page(c.rows);
            CoverageMeter meter(page, c.limit);
            Rows mask;
            for (int y = 0; y < page.height; y += band) {
                const int count = std::min(band, page.height - y);
                std::vector<std::uint8_t> over;
                ASSERT_TRUE(meter.Push(PlateBand{y, count, Plates(c.rows, legend, y, count)}, over));
                ASSERT_EQ(over.size(), static_cast<std::size_t>(count) * 10);
                for (int r = 0; r < count; ++r) {
                    std::string row;
                    for (int x = 0; x < 10; ++x) row += over[r * 10 + x] ? '#' : '.';
                    mask.push_back(row);
                }
            }
            const CoverageResult result = meter.Result();
            EXPECT_NEAR(result.maxTotal, c.maxTotal, 1e-9);
            EXPECT_NEAR(result.overLimit, c.overLimit, 1e-9);
            ASSERT_EQ(result.inkShare.size(), c.share.size());
            for (std::size_t i = 0; i < c.share.size(); ++i) EXPECT_NEAR(result.inkShare[i], c.share[i], 1e-9) << "ink " << i;
            EXPECT_EQ(mask, c.mask);
        }
    }
}

TEST(Coverage, RefusesBandsThatDoNotFit)
{
    const Rows rows(4, "....");
    const TrapPage page = Page(rows);
    const auto plates = Plates(rows, {{'.', {0, 0, 0, 0, 0}}}, 0, 2);
    const PlateBand bad[] = {{1, 2, plates}, {0, 3, plates}, {0, 2, {plates.begin(), plates.begin() + 2}}, {0, 5, {}}};
    for (const PlateBand& band : bad) {
        CoverageMeter meter(page, 300);
        std::vector<std::uint8_t> over;
        EXPECT_FALSE(meter.Push(band, over));
        EXPECT_TRUE(meter.Failed());
        EXPECT_FALSE(meter.Push(PlateBand{0, 2, plates}, over));
    }
    TrapPage noResolution = page;
    noResolution.resolution = std::nan("");
    CoverageMeter meter(noResolution, 300);
    EXPECT_EQ(meter.Result().overLimit, 0);
}

}  // namespace
