#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "dialogs/FieldValidation.h"
#include "dialogs/TrapStyleEditor.h"
#include "tests/DialogTestSupport.h"

namespace orvane {
namespace {

using platform::PortableDialog;

// Runs `check` inside a live editor dialog (it has edit controls with the ids used here).
class FieldCheckTest : public ::testing::Test {
protected:
    template <typename Check>
    bool CheckInDialog(Check check, const std::string& text, int controlId = TrapStyleEditor::kTrapWidth)
    {
        bool accepted = false;
        TrapStyleList names;
        TrapStyleEditor editor(nullptr, names);
        host.Then([&](PortableDialog& dialog) {
            dialog.Type(controlId, text);
            dialog.focus = 0;
            accepted = check(dialog, controlId, text);
            lastControls = dialog.controls;
            lastFocus = dialog.focus;
        });
        editor.Run();
        return accepted;
    }

    test::DialogTestHost host;
    std::map<int, platform::PortableControl> lastControls;
    int lastFocus = 0;
};

bool Percentage(platform::DialogControls& d, int id, const std::string& t) { return ValidatePercentage(d, id, t); }
bool NonNegative(platform::DialogControls& d, int id, const std::string& t) { return ValidateNonNegative(d, id, t); }
bool Whole(platform::DialogControls& d, int id, const std::string& t) { return ValidateWholeNumber(d, id, t); }

TEST(NumberReading, FollowsTheClassicFormattedInputRules)
{
    struct Case {
        const char* text;
        bool number;
        double value;
    };
    const std::vector<Case> cases = {
        {"100", true, 100},   {" 5", true, 5},     {"5 ", false, 0},    {"", false, 0},      {"   ", false, 0},
        {"1e2", true, 100},   {"+.5", true, 0.5},  {"1.", true, 1},     {".", false, 0},     {"-", false, 0},
        {"50%", false, 0},    {"1e", false, 0},    {"1e+", false, 0},   {"abc", false, 0},   {"1,5", false, 0},
        {"-0.5", true, -0.5}, {"2E-3", true, 0.002}, {"\t7", true, 7}, {"0x10", false, 0}, {"inf", false, 0},
    };
    for (const Case& c : cases) {
        double value = -99;
        EXPECT_EQ(ReadDecimalNumber(c.text, value), c.number) << '"' << c.text << '"';
        if (c.number) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        }
    }
}

TEST(NumberReading, IgnoresTheProcessLocale)
{
    // Whatever separators the user has, the stored notation is read with ".".
    Module().decimalSeparator = ',';
    double value = 0;
    EXPECT_TRUE(ReadDecimalNumber("0.25", value));
    EXPECT_DOUBLE_EQ(value, 0.25);
    EXPECT_FALSE(ReadDecimalNumber("0,25", value));
    Module().decimalSeparator = '.';
}

TEST_F(FieldCheckTest, PercentageRangeAndMessage)
{
    for (const char* good : {"100", "0", "1e2", " 50", "99.999"}) EXPECT_TRUE(CheckInDialog(Percentage, good)) << good;
    for (const char* bad : {"100.0001", "-1", "50%", "1e3", "50 ", ""}) {
        platform::Portable().messageBoxes.clear();
        EXPECT_FALSE(CheckInDialog(Percentage, bad)) << bad;
        ASSERT_EQ(platform::Portable().messageBoxes.size(), 1u);
        EXPECT_EQ(platform::Portable().messageBoxes[0].text, "Please enter a valid percentage.");
        EXPECT_EQ(platform::Portable().messageBoxes[0].caption, "Entry out of range");
        EXPECT_EQ(platform::Portable().messageBoxes[0].flags, platform::kMbOk);
    }
}

TEST_F(FieldCheckTest, NonNegativeHasNoUpperLimit)
{
    for (const char* good : {"0", "1000000", "0.25"}) EXPECT_TRUE(CheckInDialog(NonNegative, good)) << good;
    for (const char* bad : {"-0.5", "abc"}) {
        platform::Portable().messageBoxes.clear();
        EXPECT_FALSE(CheckInDialog(NonNegative, bad)) << bad;
        ASSERT_EQ(platform::Portable().messageBoxes.size(), 1u);
        EXPECT_EQ(platform::Portable().messageBoxes[0].text, "Please enter a positive number.");
    }
}

TEST_F(FieldCheckTest, WholeNumberAcceptsUpToTheSigned32BitLimit)
{
    for (const char* good : {"2400", "+5", "007", "0", "2147483647", " 12"})
        EXPECT_TRUE(CheckInDialog(Whole, good)) << good;
    for (const char* bad : {"2147483648", "-0", "-5", "2.5", "12ab", "12345678901", "99999999999999999999", "", "5 "}) {
        platform::Portable().messageBoxes.clear();
        EXPECT_FALSE(CheckInDialog(Whole, bad)) << bad;
        ASSERT_EQ(platform::Portable().messageBoxes.size(), 1u) << bad;
        EXPECT_EQ(platform::Portable().messageBoxes[0].text,
                  "Please enter a positive whole number less than 2,000,000,000.");
    }
}

TEST_F(FieldCheckTest, RefusalSelectsTheFieldOnlyWhenItExists)
{
    EXPECT_FALSE(CheckInDialog(Percentage, "200", TrapStyleEditor::kStepLimit));
    EXPECT_EQ(lastFocus, TrapStyleEditor::kStepLimit);
    EXPECT_EQ(lastControls[TrapStyleEditor::kStepLimit].selectFrom, 0);
    EXPECT_EQ(lastControls[TrapStyleEditor::kStepLimit].selectTo, -1);
    EXPECT_TRUE(lastControls[TrapStyleEditor::kStepLimit].caretScrolled);

    platform::Portable().messageBoxes.clear();
    EXPECT_FALSE(CheckInDialog(Percentage, "200", 4242));
    EXPECT_EQ(platform::Portable().messageBoxes.size(), 1u);
    EXPECT_EQ(lastFocus, 0);
}

TEST(NumberNotation, CommaLocaleRoundTrip)
{
    Module().decimalSeparator = ',';
    Module().thousandsSeparator = '.';
    std::string typed = "0,25";
    NormalizeNumberText(typed);
    EXPECT_EQ(typed, "0.25");
    LocalizeNumberText(typed);
    EXPECT_EQ(typed, "0,25");
    std::string stored = "1,234.5";
    LocalizeNumberText(stored);
    EXPECT_EQ(stored, "1.234,5");
    NormalizeNumberText(stored);
    EXPECT_EQ(stored, "1,234.5");

    // The same character for both: it becomes the decimal point.
    Module().thousandsSeparator = ',';
    std::string same = "1,5";
    NormalizeNumberText(same);
    EXPECT_EQ(same, "1.5");

    // A thousands separator typed in a "." locale keeps its comma and the number fails.
    Module().decimalSeparator = '.';
    std::string grouped = "1,000";
    NormalizeNumberText(grouped);
    double value = 0;
    EXPECT_FALSE(ReadDecimalNumber(grouped.c_str(), value));
}

TEST(NumberNotation, UnreadSeparatorsDoNotCutTheText)
{
    Module().decimalSeparator = '\0';
    Module().thousandsSeparator = '\0';
    std::string text = "1,000.5";
    LocalizeNumberText(text);
    EXPECT_EQ(text, "1,000.5");
    NormalizeNumberText(text);
    EXPECT_EQ(text, "1,000.5");
    platform::ResetPortable();
    platform::Portable().decimalSeparator = ',';
    platform::Portable().thousandsSeparator = ' ';
    ReadLocaleSeparators();
    EXPECT_EQ(Module().decimalSeparator, ',');
    EXPECT_EQ(Module().thousandsSeparator, ' ');
    Module().decimalSeparator = '.';
    Module().thousandsSeparator = ',';
}

TEST(ColumnClipping, ShortensFromTheEndUntilItFits)
{
    platform::ResetPortable();
    platform::Portable().dialogBaseUnitX = 8;
    platform::Portable().characterWidth = 6;  // 3 dialog units per character
    EXPECT_EQ(ClipToColumnWidth("abcdef", 18), "abcdef");
    EXPECT_EQ(ClipToColumnWidth("abcdefg", 18), "abcdef");
    EXPECT_EQ(ClipToColumnWidth("ab\tcd", 9), "ab\t");  // a TAB is one character
    EXPECT_EQ(ClipToColumnWidth("abc", 2), "");
    platform::Portable().dialogBaseUnitX = 0;
    EXPECT_EQ(ClipToColumnWidth("abcdefg", 3), "abcdefg");
}

}  // namespace
}  // namespace orvane
