#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/CurrentInkDialog.h"
#include "dialogs/InksDialog.h"
#include "tests/DialogTestSupport.h"

namespace orvane {
namespace {

using platform::PortableDialog;
using C = CurrentInkDialog;

class InksDialogTest : public ::testing::Test {
protected:
    // Types a density into a Current Ink dialog for a copy of `entry`; the result and
    // what the entry became.
    int TypeDensity(const std::string& typed, InkEntry& entry)
    {
        CurrentInkDialog dialog(nullptr, entry);
        host.Then([&](PortableDialog& d) {
            d.Type(C::kDensity, typed);
            d.Click(platform::kIdOk);
        });
        int result = dialog.Run();
        entry.densityText = dialog.Entry().densityText;
        return result;
    }
    std::vector<std::string> Names(const InkList& list) const
    {
        std::vector<std::string> names;
        for (const auto& e : list.Entries()) names.push_back(e->name);
        return names;
    }

    test::DialogTestHost host;
};

TEST(DensityRounding, FourDecimalsHalfUpWithCarry)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"1.23456", "1.2346"}, {"1.23449", "1.2345"}, {"1.23444", "1.2344"}, {"0.00095", "0.0010"}, {"0.99996", "1.0000"},
        {"9.99995", "10.0000"}, {"10.00001", "10.0000"}, {"1.2345", "1.2345"}, {"1e-3", "1e-3"},
        {"5", "5"}, {" 9.99999", " 10.0000"}, {"+0.99999", "+1.0000"}, {".99995", "1.0000"},
        {"1.234e-05", "1.234e-05"}, {"1.23456e-2", "1.23456e-2"}, {"1.234567E+1", "1.234567E+1"},
    };
    for (const auto& [typed, rounded] : cases) {
        std::string text = typed;
        RoundToFourDecimals(text);
        EXPECT_EQ(text, rounded) << typed;
    }
}

TEST_F(InksDialogTest, DensityRangeAfterRounding)
{
    struct Case {
        const char* typed;
        bool accepted;
        const char* stored;
    };
    const std::vector<Case> cases = {
        {"1.23456", true, "1.2346"}, {"0.00095", true, "0.0010"}, {"0.00049", false, ""},
        {"0.99996", true, "1.0000"}, {"10", true, "10"},         {"10.00001", true, "10.0000"},
        {"10.0001", false, ""},      {"0.0009", false, ""},      {"0.001", true, "0.001"},
        {"1e-3", true, "1e-3"},      {"-1", false, ""},          {"", false, ""},
        {"1.23456e-2", true, "1.23456e-2"}, {"1.23456e2", false, ""},  // an exponent is never cut off
    };
    for (const Case& c : cases) {
        platform::Portable().messageBoxes.clear();
        InkEntry entry;
        entry.name = "Spot";
        entry.densityText = "0.5";
        int result = TypeDensity(c.typed, entry);
        EXPECT_EQ(result == platform::kIdOk, c.accepted) << c.typed;
        if (c.accepted) {
            EXPECT_EQ(entry.densityText, c.stored) << c.typed;
            EXPECT_TRUE(platform::Portable().messageBoxes.empty()) << c.typed;
        } else {
            EXPECT_EQ(entry.densityText, "0.5") << c.typed;
            ASSERT_EQ(platform::Portable().messageBoxes.size(), 1u) << c.typed;
            EXPECT_EQ(platform::Portable().messageBoxes[0].caption, "Entry out of range");
        }
    }
    platform::Portable().messageBoxes.clear();
    InkEntry entry;
    entry.densityText = "0.5";
    TypeDensity("0.00049", entry);
    EXPECT_EQ(platform::Portable().messageBoxes.at(0).text, "Please enter a number between 0.001 and 10.0");
}

TEST_F(InksDialogTest, CommaLocaleAndLongDensityTexts)
{
    Module().decimalSeparator = ',';
    Module().thousandsSeparator = '.';
    InkEntry entry;
    entry.name = "Spot";
    entry.densityText = "0.123456789012345678901";
    entry.type = kInkOpaque;
    EXPECT_EQ(InkLineText(entry), "Spot\t0,12345678901234567\tOpaque");
    CurrentInkDialog dialog(nullptr, entry);
    host.Then([](PortableDialog& d) {
        EXPECT_EQ(d.Text(C::kDensity, -1), "0,12345678901234567");
        EXPECT_EQ(d.Text(C::kName, -1), "Spot");
        EXPECT_EQ(d.Selection(C::kType), kInkOpaque);
        d.Type(C::kDensity, "0,5");
        d.Pick(C::kType, kInkTransparent);
        d.Click(platform::kIdOk);
    });
    ASSERT_EQ(dialog.Run(), platform::kIdOk);
    EXPECT_EQ(dialog.Entry().densityText, "0.5");
    EXPECT_EQ(dialog.Entry().type, kInkTransparent);
    EXPECT_EQ(InkLineText(dialog.Entry()), "Spot\t0,5\tTransparent");
}

TEST_F(InksDialogTest, MovesKeepLinesAndListInStepAndOkSavesThem)
{
    const auto before = host.host.publication.records;
    std::vector<std::string> lines;
    InksDialog dialog(nullptr);
    host.Then([&](PortableDialog& d) {
        ASSERT_EQ(d.RowCount(InksDialog::kInks), 4);
        EXPECT_EQ(d.Control(InksDialog::kInks).tabStops, (std::vector<int>{118, 175}));
        EXPECT_FALSE(d.IsEnabled(InksDialog::kMoveUp));
        d.Pick(InksDialog::kInks, 3);
        EXPECT_FALSE(d.IsEnabled(InksDialog::kMoveDown));
        d.Pick(InksDialog::kInks, 2);
        d.Click(InksDialog::kMoveUp);
        EXPECT_EQ(d.Selection(InksDialog::kInks), 1);
        EXPECT_TRUE(d.IsEnabled(InksDialog::kMoveUp));
        EXPECT_TRUE(d.IsEnabled(InksDialog::kMoveDown));
        d.Pick(InksDialog::kInks, 0);
        d.Click(InksDialog::kModify);
        lines = d.Rows(InksDialog::kInks);
        d.Click(platform::kIdCancel);
    });
    host.Then([](PortableDialog& current) {
        current.Type(C::kDensity, "1.5");
        current.Pick(C::kType, kInkOpaqueIgnore);
        current.Click(platform::kIdOk);
    });
    EXPECT_EQ(dialog.Run(), platform::kIdCancel);
    EXPECT_EQ(host.host.publication.records, before);  // Cancel saves nothing
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].substr(0, 14), "Process Yellow");
    EXPECT_EQ(lines[2].substr(0, 15), "Process Magenta");
    EXPECT_EQ(lines[0], "Process Cyan\t1.5\tOpaqueIgnore");
    EXPECT_EQ(Names(dialog.Inks()),
              (std::vector<std::string>{"Process Cyan", "Process Yellow", "Process Magenta", "Process Black"}));

    InksDialog again(nullptr);
    host.Then([](PortableDialog& d) {
        d.Pick(InksDialog::kInks, 0);
        d.Click(InksDialog::kMoveDown);
        d.Click(platform::kIdOk);
    });
    ASSERT_EQ(again.Run(), platform::kIdOk);
    EXPECT_NE(host.host.publication.records.count({"BBB", "ORVT"}), 0u);
    InksDialog reopened(nullptr);
    std::vector<std::string> shown;
    host.Then([&](PortableDialog& d) { shown = d.Rows(InksDialog::kInks); });
    reopened.Run();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].substr(0, 15), "Process Magenta");
    EXPECT_EQ(shown[1].substr(0, 12), "Process Cyan");
}

TEST_F(InksDialogTest, MoveButtonsAtTheFirstAndLastLines)
{
    // The four process inks: lines 0 to 3.
    struct Case {
        const char* what;
        int line;
        int click;  // 0: only select
        int selected;
        bool up;
        bool down;
    };
    const std::vector<Case> cases = {
        {"select the first line", 0, 0, 0, false, true},
        {"select the second line", 1, 0, 1, true, true},
        {"select the line before the last", 2, 0, 2, true, true},
        {"select the last line", 3, 0, 3, true, false},
        {"move up from the second line", 1, InksDialog::kMoveUp, 0, false, true},
        {"move up from the third line", 2, InksDialog::kMoveUp, 1, true, true},
        {"move up from the last line", 3, InksDialog::kMoveUp, 2, true, true},
        {"move down from the first line", 0, InksDialog::kMoveDown, 1, true, true},
        {"move down from the second line", 1, InksDialog::kMoveDown, 2, true, true},
        {"move down from the line before the last", 2, InksDialog::kMoveDown, 3, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InksDialog dialog(nullptr);
        std::vector<std::string> before, after;
        host.Then([&](PortableDialog& d) {
            ASSERT_EQ(d.RowCount(InksDialog::kInks), 4);
            before = d.Rows(InksDialog::kInks);
            ASSERT_TRUE(d.Pick(InksDialog::kInks, c.line));
            if (c.click != 0) {
                ASSERT_TRUE(d.Click(c.click));
            }
            EXPECT_EQ(d.Selection(InksDialog::kInks), c.selected);
            EXPECT_EQ(d.IsEnabled(InksDialog::kMoveUp), c.up);
            EXPECT_EQ(d.IsEnabled(InksDialog::kMoveDown), c.down);
            after = d.Rows(InksDialog::kInks);
            d.Click(platform::kIdCancel);
        });
        dialog.Run();
        // The moved line went where the selection is, and the list followed.
        if (c.click != 0) {
            ASSERT_EQ(after.size(), 4u);
            EXPECT_EQ(after[static_cast<std::size_t>(c.selected)], before[static_cast<std::size_t>(c.line)]);
            EXPECT_EQ(after[static_cast<std::size_t>(c.line)], before[static_cast<std::size_t>(c.selected)]);
            const std::string& moved = after[static_cast<std::size_t>(c.selected)];
            EXPECT_EQ(moved.substr(0, moved.find('\t')), Names(dialog.Inks())[static_cast<std::size_t>(c.selected)]);
        }
    }
}

TEST_F(InksDialogTest, FailedBuildClosesWithItsMessage)
{
    host.host.failRequests[2203] = {7212, 0, -1};
    host.host.failRequests[2803] = {7212, 0, -1};
    host.host.failRequests[2804] = {7212, 0, -1};
    InksDialog dialog(nullptr);
    bool sessionRan = false;
    host.Then([&](PortableDialog&) { sessionRan = true; });
    EXPECT_EQ(dialog.Run(), 0);
    EXPECT_FALSE(sessionRan);
    ASSERT_EQ(platform::Portable().messageBoxes.size(), 1u);
    EXPECT_EQ(platform::Portable().messageBoxes[0].caption, "Orvane Trapping Error");
    EXPECT_EQ(host.host.publication.records.count({"BBB", "ORVT"}), 0u);
}

}  // namespace
}  // namespace orvane
