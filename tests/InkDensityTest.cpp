#include <gtest/gtest.h>

#include <algorithm>

#include "inks/Density.h"
#include "inks/InkListBuild.h"
#include "model/Ink.h"
#include "tests/TestHost.h"

namespace orvane {
namespace {

using test::StatusOf;

class InkDensityTest : public ::testing::Test {
protected:
    hostsim::SimColor& AddColor(const std::string& name, std::int16_t density, std::int16_t kind = 0)
    {
        hostsim::SimColor color;
        color.name = name;
        color.density = density;
        color.kind = kind;
        t.host.publication.colors.push_back(color);
        return t.host.publication.colors.back();
    }
    bool TemporaryColorLeft() { return t.host.publication.FindColor(kTemporaryColorName) != nullptr; }
    std::vector<std::string> Lines(const std::string& prefix) const
    {
        std::vector<std::string> lines;
        for (const std::string& line : t.host.log) {
            if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
        }
        return lines;
    }

    test::TestHost t;
};

TEST(DensityText, ExactThousandths)
{
    EXPECT_EQ(FormatDensity(1234), "1.2340");
    EXPECT_EQ(FormatDensity(5), "0.0050");
    EXPECT_EQ(FormatDensity(0), "0.0000");
    EXPECT_EQ(FormatDensity(-20), "-0.0200");
    EXPECT_EQ(FormatDensity(1000), "1.0000");
    EXPECT_EQ(FormatDensity(32767), "32.7670");
    EXPECT_EQ(FormatDensity(-32768), "-32.7680");
}

TEST_F(InkDensityTest, SpotColourAnsweredByNameHasALowerBound)
{
    AddColor("Gold", 321);
    AddColor("Clear", 0);
    AddColor("Negative", -5);
    EXPECT_EQ(ColorDensity("Gold", 0, 0, 0, 0), 321);
    EXPECT_EQ(ColorDensity("Clear", 0, 0, 0, 0), 1);
    EXPECT_EQ(ColorDensity("Negative", 0, 0, 0, 0), 1);
    EXPECT_EQ(t.host.CountRequests(913), 0);
}

TEST_F(InkDensityTest, RefusedSpotColourIsReadThroughATemporaryColour)
{
    AddColor("Spot", 0).refuseDensity = true;
    std::int16_t value = ColorDensity("Spot", 0, 1000, 0, 0);
    EXPECT_EQ(value, 760);  // the stand-in's density of pure magenta
    EXPECT_EQ(Lines("request 9"), (std::vector<std::string>{"request 913 \"ORVT_Temp_Color\" 0 1 0 0 1000 0 0",
                                                            "request 916 \"ORVT_Temp_Color\""}));
    EXPECT_EQ(t.host.requests, (std::vector<std::uint16_t>{2803, 913, 2803, 916}));
    EXPECT_FALSE(TemporaryColorLeft());
}

TEST_F(InkDensityTest, TemporaryColourRemovedWhenItsReadingFails)
{
    AddColor("Spot", 0).refuseDensity = true;
    t.host.failRequests[2803] = {55, 1, 1};  // the name is refused as usual, then the temporary's reading fails
    EXPECT_EQ(StatusOf([] { ColorDensity("Spot", 1, 2, 3, 4); }), 55);
    EXPECT_EQ(t.host.CountRequests(916), 1);
    EXPECT_FALSE(TemporaryColorLeft());
}

TEST_F(InkDensityTest, FailedRemovalIsTriedOnceMore)
{
    t.host.failRequests[916] = {66, 0, 1};
    EXPECT_EQ(StatusOf([] { TemporaryColorDensity(0, 0, 0, 1000); }), 66);
    EXPECT_EQ(t.host.CountRequests(916), 2);
    EXPECT_FALSE(TemporaryColorLeft());
}

TEST_F(InkDensityTest, FailedCreationMakesNoRemoval)
{
    t.host.failRequests[913] = {44, 0, -1};
    EXPECT_EQ(StatusOf([] { TemporaryColorDensity(0, 0, 0, 1000); }), 44);
    EXPECT_EQ(t.host.CountRequests(916), 0);
}

TEST_F(InkDensityTest, ProcessInkFallbacks)
{
    InkList list;
    auto entry = [](const char* name, const char* process) {
        auto e = std::make_unique<InkEntry>();
        e->name = name;
        e->processName = process;
        return e;
    };
    // 1. Answered by name.
    AddColor("Process Magenta", 1234);
    AddProcessInk(list, entry("Process Magenta", "Magenta"), 3);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.EntryAt(0)->densityText, "1.2340");
    EXPECT_EQ(list.EntryAt(0)->number, 3);
    EXPECT_TRUE(list.EntryAt(0)->present);

    // 2. Refused by name: the colour's own components.
    hostsim::SimColor& cyan = AddColor("Process Cyan", 0);
    cyan.refuseDensity = true;
    cyan.c = 900;
    t.host.ClearLog();
    AddProcessInk(list, entry("Process Cyan", "Cyan"), 1);
    EXPECT_EQ(Lines("request 913"), std::vector<std::string>{"request 913 \"ORVT_Temp_Color\" 0 1 0 900 0 0 0"});

    // 3. Unknown to the Host: pure components.
    t.host.ClearLog();
    AddProcessInk(list, entry("Process Yellow", "Yellow"), 1);
    EXPECT_EQ(Lines("request 913"), std::vector<std::string>{"request 913 \"ORVT_Temp_Color\" 0 1 0 0 0 1000 0"});
    EXPECT_EQ(t.host.requests, (std::vector<std::uint16_t>{2803, 2202, 913, 2803, 916}));
    EXPECT_EQ(list.EntryAt(2)->densityText, "0.1600");

    // A zero answer has no lower bound for a process ink.
    AddColor("Process Black", 0);
    AddProcessInk(list, entry("Process Black", "Black"), 1);
    EXPECT_EQ(list.EntryAt(3)->densityText, "0.0000");

    // An unknown process name after both failures.
    EXPECT_EQ(StatusOf([&] { AddProcessInk(list, entry("Odd", "Orange"), 1); }), kStatusFailure);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_FALSE(TemporaryColorLeft());
}

TEST_F(InkDensityTest, InkOfAMultiInkColourHasNoFallback)
{
    t.host.publication.inkDensities["Ink A"] = 0;
    EXPECT_EQ(InkDensity("Ink A"), 0);
    EXPECT_EQ(StatusOf([] { InkDensity("Ink B"); }), 1);
    EXPECT_EQ(t.host.CountRequests(913), 0);
}

}  // namespace
}  // namespace orvane
