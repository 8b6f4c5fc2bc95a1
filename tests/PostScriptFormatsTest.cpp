#include <gtest/gtest.h>

#include <locale>

#include "host/Status.h"
#include "postscript/Formats.h"
#include "postscript/NumberText.h"
#include "postscript/Template.h"
#include "postscript/TemplateFill.h"

namespace orvane {
namespace {

TEST(PostScriptName, EscapesControlsSpacesHighBytesBracketsAndBackslash)
{
    EXPECT_EQ(EscapePostScriptName("a\tb c\xE9"), "a\\011b\\040c\\351");
    EXPECT_EQ(EscapePostScriptName("[Printer Default Settings]"), "\\133Printer\\040Default\\040Settings\\135");
    EXPECT_EQ(EscapePostScriptName("back\\slash"), "back\\\\slash");
    EXPECT_EQ(EscapePostScriptName(std::string("\x01\x7F\x80\xFF", 4)), "\\001\x7F\\200\\377");
    EXPECT_EQ(EscapePostScriptName(""), "");
}

TEST(PostScriptName, ParenthesesEscapedOnlyWithoutPartner)
{
    EXPECT_EQ(EscapePostScriptName("Style(1)"), "Style(1)");
    EXPECT_EQ(EscapePostScriptName("open(only"), "open\\(only");
    EXPECT_EQ(EscapePostScriptName("x)y(z"), "x\\)y\\(z");
    EXPECT_EQ(EscapePostScriptName("((a)"), "\\((a)");
    // A backslash before a parenthesis is doubled, so the parenthesis still counts.
    EXPECT_EQ(EscapePostScriptName("a\\(b"), "a\\\\\\(b");
}

TEST(PostScriptName, PlainStringKeepsEveryByteButBackslashAndLoneParentheses)
{
    EXPECT_EQ(EscapePostScriptString("Process Cyan\t\xE9[x]"), "Process Cyan\t\xE9[x]");
    EXPECT_EQ(EscapePostScriptString("a\\b"), "a\\\\b");
    EXPECT_EQ(EscapePostScriptString("Gold (old)"), "Gold (old)");
    EXPECT_EQ(EscapePostScriptString("Gold )"), "Gold \\)");
}

TEST(NumberFormats, PercentToFraction)
{
    EXPECT_EQ(PercentToFraction("50", false), "0.5000");
    EXPECT_EQ(PercentToFraction("100", true), "1.0000");
    EXPECT_EQ(PercentToFraction("0", true), "0.0001");
    EXPECT_EQ(PercentToFraction("0", false), "0.0000");
    EXPECT_EQ(PercentToFraction("70", false), "0.7000");
    EXPECT_EQ(PercentToFraction(" 12.5xyz", false), "0.1250");
    // The product is a float: rounded to single precision before it is written.
    EXPECT_EQ(PercentToFraction("0.025", false), "0.0003");
    EXPECT_EQ(PercentToFraction("0.165", false), "0.0016");
    // Not a number: 0, then the minimum rule.
    EXPECT_EQ(PercentToFraction("", true), "0.0001");
    EXPECT_EQ(PercentToFraction("abc", false), "0.0000");
    EXPECT_EQ(PercentToFraction("nan", false), "0.0000");
    EXPECT_EQ(PercentToFraction("inf", true), "0.0001");
}

TEST(NumberFormats, DensityWholeNumberAndRatio)
{
    EXPECT_EQ(DensityWithMinimum("1.6"), " 1.6000");
    EXPECT_EQ(DensityWithMinimum("12"), "12.0000");
    EXPECT_EQ(DensityWithMinimum("0"), " 0.0001");
    EXPECT_EQ(DensityWithMinimum("junk"), " 0.0001");
    EXPECT_EQ(WholeNumberWithMinimum("0"), "1");
    EXPECT_EQ(WholeNumberWithMinimum("2400"), "2400");
    EXPECT_EQ(WholeNumberWithMinimum(""), "1");
    EXPECT_EQ(WholeNumberWithMinimum("2147483647"), "2147483647");
    EXPECT_EQ(WholeNumberWithMinimum("99999999999"), "4294967295");
    EXPECT_EQ(Ratio("0.50", "0.25"), "2.0000");
    EXPECT_EQ(Ratio("1", "3"), "0.3333");
    EXPECT_EQ(Ratio("0.25", "0.32"), "0.7812");  // the float quotient is 0.78125
    // A trap width of 0 has no finite ratio: black traps as wide as the others.
    EXPECT_EQ(Ratio("0.50", "0"), "1.0000");
    EXPECT_EQ(Ratio("0", "0"), "1.0000");
    EXPECT_EQ(Ratio("0.5", ""), "1.0000");
}

TEST(NumberFormats, StoredNumbersKeptOnlyWhenTheyAreNumbers)
{
    EXPECT_EQ(NumberAsStored("0.25"), "0.25");
    EXPECT_EQ(NumberAsStored("-.5"), "-.5");
    EXPECT_EQ(NumberAsStored("1e2"), "1e2");
    EXPECT_EQ(NumberAsStored(""), "0.0000");
    EXPECT_EQ(NumberAsStored("0,25"), "0.0000");
    EXPECT_EQ(NumberAsStored("0.25pt"), "0.2500");
    EXPECT_EQ(NumberAsStored("1e"), "1.0000");
}

TEST(NumberFormats, IndependentOfTheGlobalLocale)
{
    struct CommaPunct : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    std::string fraction = PercentToFraction("12.5", false);
    std::string density = DensityWithMinimum("1234.5");
    std::string ratio = Ratio("1.5", "0.5");
    std::string whole = WholeNumberWithMinimum("1234567");
    std::locale::global(previous);
    EXPECT_EQ(fraction, "0.1250");
    EXPECT_EQ(density, "1234.5000");
    EXPECT_EQ(ratio, "3.0000");
    EXPECT_EQ(whole, "1234567");
}

TEST(TemplateFilling, StopsAtTheZeroByteAndChecksArguments)
{
    PostScriptTemplate raw = LoadTemplate(kTemplateDeviceParameters);
    ASSERT_NE(raw.address, nullptr);
    std::string filled = FillTemplate(kTemplateDeviceParameters, {"N"});
    EXPECT_EQ(filled.size(), raw.length - 2 - 1 + 1);  // "%s" became one byte, the zero byte dropped
    EXPECT_EQ(filled.substr(0, 7), "(N)cvn ");
    EXPECT_EQ(filled.back(), '\n');

    EXPECT_EQ(FillTemplate(kTemplateTrappingOrder, {"(Cyan)cvn "}), "\t\t\t/TrappingOrder [(Cyan)cvn ]\n");
    // A text holding a percent sign is not read as a placeholder.
    EXPECT_EQ(FillTemplate(kTemplateTrappingOrder, {"%d%s"}), "\t\t\t/TrappingOrder [%d%s]\n");

    auto status = [](auto call) {
        try {
            call();
        } catch (const HostError& e) {
            return e.status();
        }
        return Status(0);
    };
    EXPECT_EQ(status([] { FillTemplate(kTemplateTrappingOrder, {}); }), kStatusFailure);
    EXPECT_EQ(status([] { FillTemplate(kTemplateTrappingOrder, {"a", "b"}); }), kStatusFailure);
    EXPECT_EQ(status([] { FillTemplate(kTemplateTrappingOrder, {5}); }), kStatusFailure);
    EXPECT_EQ(status([] { FillTemplate(9999, {}); }), kStatusFailure);
}

}  // namespace
}  // namespace orvane
