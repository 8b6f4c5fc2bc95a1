#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "inspect/engine/Misregistration.h"

namespace {

using orvane::inspect::InkInfo;
using orvane::inspect::Misregistration;
using orvane::inspect::MisregisterShifts;
using orvane::inspect::PlateShift;

// Two plates drawn as rows of letters: '.' paper, 'a' ink A, 'b' ink B, '+' both.
struct Shifted {
    std::vector<std::string> a, b, gaps;  // rows after the shift; gaps: '#' where a gap opened
    std::uint64_t gapPixels = 0;
};

Shifted Shift(const std::vector<std::string>& rows, PlateShift shiftA, PlateShift shiftB) {
    const int width = static_cast<int>(rows[0].size());
    Shifted s;
    Misregistration m(width, static_cast<int>(rows.size()), {shiftA, shiftB},
                      [&](int, const std::vector<const std::uint8_t*>& plates, const std::uint8_t* gap) {
                          std::string a, b, g;
                          for (int x = 0; x < width; ++x) {
                              a += plates[0][x] ? 'a' : '.';
                              b += plates[1][x] ? 'b' : '.';
                              g += gap[x] ? '#' : '.';
                          }
                          s.a.push_back(a);
                          s.b.push_back(b);
                          s.gaps.push_back(g);
                      });
    for (const std::string& row : rows) {
        std::vector<std::uint8_t> a, b;
        for (char c : row) {
            a.push_back(c == 'a' || c == '+' ? 255 : 0);
            b.push_back(c == 'b' || c == '+' ? 255 : 0);
        }
        EXPECT_TRUE(m.Push({a.data(), b.data()}));
    }
    m.Finish();
    s.gapPixels = m.GapPixels();
    return s;
}

struct GapCase {
    const char* name;
    std::vector<std::string> rows;
    PlateShift a, b;
    std::vector<std::string> gaps;
};

TEST(Misregistration, OpensGapsOnlyWhereColoursMet)
{
    const GapCase cases[] = {
        {"abutting inks pulled apart", {"aaabbb", "aaabbb"}, {0, 0}, {1, 0}, {"...#..", "...#.."}},
        {"pulled apart both ways", {"aaabbb", "aaabbb"}, {-1, 0}, {1, 0}, {"..##..", "..##.."}},
        {"a trap under the shift closes it", {"aaa+bb", "aaa+bb"}, {0, 0}, {1, 0}, {"......", "......"}},
        {"an object on paper only moves", {"..aa..", "..aa.."}, {1, 0}, {0, 0}, {"......", "......"}},
        {"a knockout shifted down", {"bbbbbb", "bbaabb", "bbbbbb"}, {0, 1}, {0, 0}, {"......", "..##..", "......"}},
        {"pushed together, no gap", {"aaabbb", "aaabbb"}, {1, 0}, {-1, 0}, {"......", "......"}},
    };
    for (const GapCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Shifted s = Shift(c.rows, c.a, c.b);
        EXPECT_EQ(s.gaps, c.gaps);
        std::uint64_t count = 0;
        for (const auto& row : c.gaps) count += static_cast<std::uint64_t>(std::count(row.begin(), row.end(), '#'));
        EXPECT_EQ(s.gapPixels, count);
    }
}

TEST(Misregistration, ShiftsEachPlateItsOwnWay)
{
    const Shifted s = Shift({"a....", ".....", "....b"}, {2, 1}, {-1, -2});
    EXPECT_EQ(s.a, (std::vector<std::string>{".....", "..a..", "....."}));
    EXPECT_EQ(s.b, (std::vector<std::string>{"...b.", ".....", "....."}));
}

TEST(Misregistration, ShiftsProcessInksByNameAndOthersInTurn)
{
    const std::vector<InkInfo> inks{{"Gold", 1, {}}, {"Cyan", 1, {}}, {"Magenta", 1, {}}, {"Yellow", 1, {}},
                                    {"Black", 1, {}}, {"Teal", 1, {}}, {"Violet", 1, {}}};
    const std::vector<std::pair<int, int>> want{{3, 0}, {3, 0}, {-3, 0}, {0, 3}, {0, -3}, {-3, 0}, {0, 3}};
    const auto shifts = MisregisterShifts(inks, 3);
    ASSERT_EQ(shifts.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(inks[i].name);
        EXPECT_EQ(std::make_pair(shifts[i].dx, shifts[i].dy), want[i]);
    }
}

TEST(Misregistration, RefusesRowsPastThePage)
{
    Misregistration m(2, 1, {{1, 0}}, [](int, const std::vector<const std::uint8_t*>&, const std::uint8_t*) {});
    const std::uint8_t row[2] = {0, 0};
    EXPECT_FALSE(m.Push({row, row}));
    EXPECT_TRUE(m.Push({row}));
    EXPECT_FALSE(m.Push({row}));
}

}  // namespace
