#include <gtest/gtest.h>

#include "inks/Density.h"
#include "inks/InkListBuild.h"
#include "model/Ink.h"
#include "tests/TestHost.h"

namespace orvane {
namespace {

struct SavedInk {
    std::string name, processName, density;
    std::int16_t type, number;
};

std::vector<char> InkRecordBytes(const std::vector<SavedInk>& inks)
{
    std::vector<char> bytes{'w'};
    auto int16 = [&](std::int16_t v) {
        bytes.push_back(static_cast<char>(v & 0xFF));
        bytes.push_back(static_cast<char>((v >> 8) & 0xFF));
    };
    auto text = [&](const std::string& s) {
        bytes.insert(bytes.end(), s.begin(), s.end());
        bytes.push_back('\0');
    };
    int16(static_cast<std::int16_t>(inks.size()));
    for (const SavedInk& ink : inks) {
        text(ink.name);
        text(ink.processName);
        text(ink.density);
        int16(ink.type);
        int16(ink.number);
    }
    return bytes;
}

class InkListTest : public ::testing::Test {
protected:
    void AddColor(const std::string& name, std::int16_t density, std::int16_t kind = 0,
                  std::vector<std::string> inks = {})
    {
        hostsim::SimColor color;
        color.name = name;
        color.density = density;
        color.kind = kind;
        color.inks = std::move(inks);
        t.host.publication.colors.push_back(color);
    }
    void Save(const std::vector<SavedInk>& inks) { t.host.publication.records[{"BBB", "ORVT"}] = InkRecordBytes(inks); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& e : list.Entries()) names.push_back(e->name);
        return names;
    }
    std::vector<std::int16_t> Numbers() const
    {
        std::vector<std::int16_t> numbers;
        for (const auto& e : list.Entries()) numbers.push_back(e->number);
        return numbers;
    }
    void ExpectNothingLeftOpen()
    {
        EXPECT_EQ(t.host.OutstandingInterfaces(), 0);
        EXPECT_FALSE(t.host.RecordOpen());
        EXPECT_EQ(t.host.OutstandingRecordData(), 0);
        EXPECT_EQ(t.host.publication.FindColor(kTemporaryColorName), nullptr);
    }

    test::TestHost t;
    InkList list;
};

TEST_F(InkListTest, NewPublicationWithTwoSpotColours)
{
    AddColor("A", 100);
    AddColor("B", 0);
    ASSERT_TRUE(BuildInkList(list));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Process Cyan", "Process Magenta", "Process Yellow", "Process Black",
                                                 "A", "B"}));
    EXPECT_EQ(Numbers(), (std::vector<std::int16_t>{1, 1, 1, 1, 1, 2}));
    EXPECT_EQ(list.EntryAt(0)->processName, "Cyan");
    EXPECT_EQ(list.EntryAt(3)->processName, "Black");
    EXPECT_EQ(list.EntryAt(4)->densityText, "0.1000");
    EXPECT_EQ(list.EntryAt(5)->densityText, "0.0010");
    for (const auto& e : list.Entries()) EXPECT_EQ(e->type, kInkNormal);
    ExpectNothingLeftOpen();
}

TEST_F(InkListTest, SavedInksKeepOrderValuesAndAskNoDensity)
{
    AddColor("A", 100);
    AddColor("B", 200);
    Save({{"B", "", "0.9000", 2, 7},
          {"", "Black", "1.7000", 1, 1},
          {"A", "", "0.1111", 0, 3},
          {"", "Cyan", "0.6000", 0, 1},
          {"", "Magenta", "0.7000", 0, 1},
          {"", "Yellow", "0.1000", 3, 1}});
    ASSERT_TRUE(BuildInkList(list));
    EXPECT_EQ(Names(), (std::vector<std::string>{"B", "Process Black", "A", "Process Cyan", "Process Magenta",
                                                 "Process Yellow"}));
    EXPECT_EQ(list.EntryAt(0)->densityText, "0.9000");
    EXPECT_EQ(list.EntryAt(0)->type, kInkOpaque);
    EXPECT_EQ(list.EntryAt(5)->type, kInkOpaqueIgnore);
    EXPECT_EQ(t.host.CountRequests(2803), 0);
    EXPECT_EQ(t.host.CountRequests(2804), 0);
    ExpectNothingLeftOpen();
}

TEST_F(InkListTest, RemovedColoursGoAndNewOnesComeLastWithTheNextNumber)
{
    AddColor("Kept", 100);
    AddColor("New", 300);
    Save({{"Gone", "", "0.5000", 0, 9}, {"Kept", "", "0.4000", 1, 4}});
    ASSERT_TRUE(BuildInkList(list));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Kept", "Process Cyan", "Process Magenta", "Process Yellow",
                                                 "Process Black", "New"}));
    EXPECT_EQ(Numbers(), (std::vector<std::int16_t>{4, 10, 10, 10, 10, 10}));
}

TEST_F(InkListTest, ColoursThatAreNoInksAndSharedInks)
{
    AddColor("None", 5);
    AddColor("Paper", 5);
    AddColor("Registration", 5);
    AddColor("registration", 5);  // a different name
    AddColor("Process Cyan", 610);
    AddColor("Tint", 5, 2);
    AddColor("Duo 1", 0, 3, {"Ink X", "Ink Y"});
    AddColor("Duo 2", 0, 3, {"Ink Y", "Ink Z"});
    t.host.publication.inkDensities = {{"Ink X", 0}, {"Ink Y", 20}, {"Ink Z", 30}};
    ASSERT_TRUE(BuildInkList(list));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Process Cyan", "Process Magenta", "Process Yellow", "Process Black",
                                                 "registration", "Ink X", "Ink Y", "Ink Z"}));
    EXPECT_EQ(list.EntryAt(0)->densityText, "0.6100");
    EXPECT_EQ(list.EntryAt(5)->densityText, "0.0000");  // no lower bound for an ink of a multi-ink colour
    EXPECT_EQ(Numbers(), (std::vector<std::int16_t>{1, 1, 1, 1, 1, 2, 3, 4}));
    EXPECT_EQ(t.host.CountRequests(2804), 3);
}

TEST_F(InkListTest, ControlAndShiftDiscardTheSavedInks)
{
    AddColor("A", 100);
    Save({{"A", "", "0.9000", 2, 5}});
    platform::Portable().controlAndShiftDown = true;
    ASSERT_TRUE(BuildInkList(list));
    platform::Portable().controlAndShiftDown = false;
    EXPECT_EQ(t.host.publication.records.count({"BBB", "ORVT"}), 0u);
    EXPECT_EQ(list.EntryAt(4)->name, "A");
    EXPECT_EQ(list.EntryAt(4)->densityText, "0.1000");
    EXPECT_EQ(list.EntryAt(4)->type, kInkNormal);
    EXPECT_EQ(list.EntryAt(4)->number, 1);
}

TEST_F(InkListTest, FailuresStopTheBuildAndGiveEverythingBack)
{
    AddColor("Duo", 0, 3, {"Unknown ink"});
    EXPECT_THROW(BuildInkList(list), HostError);
    ExpectNothingLeftOpen();

    t.host.publication.colors.clear();
    Save({{"", "cyan", "0.5000", 0, 1}});
    try {
        BuildInkList(list);
        FAIL();
    } catch (const HostError& e) {
        EXPECT_EQ(e.status(), kStatusFailure);
    }
    ExpectNothingLeftOpen();

    t.host.publication.records.clear();
    t.host.failRequests[2203] = {31, 0, -1};
    EXPECT_THROW(BuildInkList(list), HostError);
    ExpectNothingLeftOpen();
}

}  // namespace
}  // namespace orvane
