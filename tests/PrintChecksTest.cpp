#include <gtest/gtest.h>

#include <algorithm>

#include "model/TrapStyle.h"
#include "model/TrapZone.h"
#include "storage/DocumentRecord.h"
#include "storage/StyleRecord.h"
#include "tests/StoredSettings.h"
#include "tests/TestHost.h"

namespace orvane {
namespace {

using platform::Portable;

class PrintChecksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Module().printSettingChanged = false;
        Module().savedPrintSetting = 0;
        t.host.publication.SetPageCount(6);
        hostsim::SimColor gold;
        gold.name = "Gold";
        gold.density = 250;
        t.host.publication.colors.push_back(gold);
    }
    void TearDown() override { Module().printSettingChanged = false; }

    // Stores settings, zones and styles in the publication as the dialog would.
    void Store(std::int32_t enabled, std::int32_t allPages, const std::string& defaultStyle,
               const std::vector<test::StoredZone>& zones, const std::vector<std::string>& styles)
    {
        std::vector<std::unique_ptr<TrapStyle>> stored;
        for (const std::string& name : styles) {
            auto style = TrapStyle::WithDefaults();
            style->name = name;
            style->inUse = 1;
            stored.push_back(std::move(style));
        }
        test::StoreSettings(t.host, enabled, allPages, defaultStyle, zones, std::move(stored));
        Settings().ResetDocumentTrapping();
        t.host.ClearLog();
        Portable().messageBoxes.clear();
    }
    std::int32_t PrintStart()
    {
        std::int32_t result = -1;
        EXPECT_EQ(t.host.Notify(102, &result), 0);
        return result;
    }
    std::vector<std::string> Setting1765() const
    {
        std::vector<std::string> lines;
        for (const std::string& line : t.host.log) {
            if (line.rfind("request 1765", 0) == 0) lines.push_back(line);
        }
        return lines;
    }
    void ExpectOneMessage(const std::string& textStart, const std::string& caption, unsigned flags, bool owned)
    {
        ASSERT_EQ(Portable().messageBoxes.size(), 1u);
        const platform::MessageBoxCall& box = Portable().messageBoxes[0];
        EXPECT_EQ(box.text.substr(0, textStart.size()), textStart);
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.flags, flags);
        EXPECT_EQ(box.owner, owned ? Portable().activeWindow : nullptr);
    }

    test::TestHost t;
};

TEST_F(PrintChecksTest, OutputWithoutTrappingLoadsNothing)
{
    Store(1, 0, "A", {{"A", 1, {1}}}, {"A"});
    t.host.publication.trapOutput = 0;
    EXPECT_EQ(PrintStart(), 0);
    EXPECT_EQ(Settings().trappingEnabled, 0);
    EXPECT_TRUE(Portable().messageBoxes.empty());
    EXPECT_EQ(t.host.requests.front(), 3523);
    EXPECT_EQ(t.host.CountRequests(3518), 0);
    EXPECT_EQ(std::count(t.host.log.begin(), t.host.log.end(), "open AAA ORVT 1"), 0);
}

TEST_F(PrintChecksTest, TrappedJobMakesTheRequestsInOrderAndWritesZones)
{
    Store(1, 0, "A", {{"A", 1, {2}}}, {"A", "B"});
    EXPECT_EQ(PrintStart(), 0);
    EXPECT_EQ(Settings().trappingEnabled, 1);
    EXPECT_TRUE(Portable().messageBoxes.empty());
    std::vector<std::uint16_t> order;
    for (std::uint16_t id : t.host.requests) {
        if (id == 3523 || id == 3521 || id == 3507 || id == 3522 || id == 2203 || id == 3916 || id == 1765 ||
            id == 3518) {
            order.push_back(id);
        }
    }
    EXPECT_EQ(order, (std::vector<std::uint16_t>{3523, 3521, 3507, 3522, 2203, 3916, 1765, 3518}));
    EXPECT_EQ(Setting1765(), std::vector<std::string>{"request 1765 0 -2 -2 -2 -2 -2 -2"});
    EXPECT_EQ(Module().inkList->Count(), 5);
    EXPECT_EQ(t.host.OutstandingInterfaces(), 0);
    EXPECT_FALSE(t.host.RecordOpen());

    t.host.Notify(105);
    EXPECT_NE(t.host.streams[105].find("(A) cvn ["), std::string::npos);
    EXPECT_EQ(t.host.streams[105].find("(B) cvn ["), std::string::npos);  // only saved when in use
    t.host.Notify(107);
    EXPECT_NE(t.host.streams[107].find("(Gold)cvn ]"), std::string::npos);
    t.host.Notify(110);
    EXPECT_EQ(t.host.streams[110], "");
    t.host.Notify(110);
    EXPECT_NE(t.host.streams[110].find("(A) cvn /TrapParams"), std::string::npos);

    t.host.ClearLog();
    t.host.Notify(118);
    EXPECT_EQ(Setting1765(), std::vector<std::string>{"request 1765 1 -2 -2 -2 -2 -2 -2"});
    t.host.ClearLog();
    t.host.Notify(118);
    EXPECT_TRUE(Setting1765().empty());
}

TEST_F(PrintChecksTest, NoZonesNoAllPagesLoadsNoStyles)
{
    Store(1, 0, "A", {}, {"A"});
    EXPECT_EQ(PrintStart(), 0);
    EXPECT_EQ(Settings().trappingEnabled, 1);
    EXPECT_EQ(std::count(t.host.log.begin(), t.host.log.end(), "open CCC ORVT 1"), 0);
    EXPECT_EQ(t.host.CountRequests(1765), 0);
    EXPECT_EQ(t.host.CountRequests(3518), 1);
    t.host.Notify(105);
    EXPECT_NE(t.host.streams[105].find("/InkParams defineresource"), std::string::npos);
    t.host.ClearLog();
    t.host.Notify(118);  // this job changed nothing
    EXPECT_EQ(t.host.CountRequests(1765), 0);
}

TEST_F(PrintChecksTest, PrintOutputKindTwoTurnsTrappingOffSilently)
{
    Store(1, 1, "A", {}, {"A"});
    t.host.publication.printOutputKind = 2;
    EXPECT_EQ(PrintStart(), 0);
    EXPECT_EQ(Settings().trappingEnabled, 0);
    EXPECT_TRUE(Portable().messageBoxes.empty());
    t.host.Notify(105);
    EXPECT_EQ(t.host.job, "");
}

TEST_F(PrintChecksTest, MovedPagesAskWhetherToGoOn)
{
    for (int answer : {platform::kIdCancel, platform::kIdOk}) {
        Store(1, 0, "A", {{"A", 1, {3}}}, {"A"});
        t.host.publication.pages.erase(t.host.publication.pages.begin() + 2);
        Portable().messageBoxAnswers = {answer};
        std::int32_t result = PrintStart();
        ExpectOneMessage("This publication has been modifed", "Orvane Trapping",
                         platform::kMbOkCancel | platform::kMbIconQuestion, true);
        if (answer == platform::kIdCancel) {
            EXPECT_EQ(result, 1);
            EXPECT_EQ(t.host.CountRequests(3521), 0);
        } else {
            EXPECT_EQ(result, 0);
            EXPECT_EQ(t.host.CountRequests(3521), 1);
        }
        t.host.publication.SetPageCount(6);
    }
}

TEST_F(PrintChecksTest, UndefinedZoneStyle)
{
    for (int answer : {platform::kIdYes, platform::kIdNo}) {
        Store(1, 0, "A", {{"Missing", 1, {1}}}, {"A"});
        Portable().messageBoxAnswers = {answer};
        std::int32_t result = PrintStart();
        ExpectOneMessage("One or more trapping zones", "Undefined Trapping Style", platform::kMbYesNo, true);
        EXPECT_EQ(result, answer == platform::kIdNo ? 1 : 0);
        EXPECT_EQ(Settings().trappingEnabled, answer == platform::kIdNo ? 1 : 0);
        EXPECT_TRUE(Module().zoneList->Empty());
        EXPECT_EQ(t.host.CountRequests(1765), 0);
    }
}

TEST_F(PrintChecksTest, UndefinedDefaultStyle)
{
    for (int answer : {platform::kIdYes, platform::kIdNo}) {
        Store(1, 1, "", {}, {"A"});
        Portable().messageBoxAnswers = {answer};
        std::int32_t result = PrintStart();
        ExpectOneMessage("The document wide trapping uses", "Undefined Trapping Style", platform::kMbYesNo, true);
        EXPECT_EQ(result, answer == platform::kIdNo ? 1 : 0);
        EXPECT_EQ(Settings().trappingEnabled, answer == platform::kIdNo ? 1 : 0);
    }
    // The reserved name needs no style.
    Store(1, 1, "[Printer Default Settings]", {}, {});
    EXPECT_EQ(PrintStart(), 0);
    EXPECT_TRUE(Portable().messageBoxes.empty());
    EXPECT_EQ(Settings().trappingEnabled, 1);
}

TEST_F(PrintChecksTest, DensitiesNotObtainableCancelTheJob)
{
    Store(1, 0, "A", {}, {});
    t.host.failRequests[2803] = {5, 0, -1};
    std::int32_t result = PrintStart();
    ExpectOneMessage("Printing failed because", "Orvane Trapping Error", platform::kMbOk, false);
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(t.host.reportedErrors.empty());
    EXPECT_EQ(t.host.publication.FindColor("ORVT_Temp_Color"), nullptr);
    EXPECT_EQ(t.host.CountRequests(3518), 0);
}

TEST_F(PrintChecksTest, OtherFailuresReachMain)
{
    Store(1, 0, "A", {}, {});
    t.host.failRequests[3521] = {12, 0, -1};
    EXPECT_EQ(t.host.Notify(102), 12);
    EXPECT_EQ(t.host.reportedErrors, std::vector<std::int16_t>{12});
    EXPECT_EQ(t.host.OutstandingInterfaces(), 0);
}

TEST_F(PrintChecksTest, PrintSettingSetBackOnlyForTheJobThatChangedIt)
{
    Store(1, 1, "A", {}, {"A"});
    t.host.publication.printSetting = 7;
    PrintStart();
    EXPECT_EQ(t.host.publication.printSetting, 0);
    // A second job starts before the first was set back: the value saved from
    // before the first job is the one that counts.
    PrintStart();
    t.host.ClearLog();
    t.host.Notify(118);
    EXPECT_EQ(Setting1765(), std::vector<std::string>{"request 1765 1 -2 -2 -2 -2 -2 -2"});
    // A later job without trapping leaves the setting alone at 118.
    Store(0, 0, "", {}, {});
    PrintStart();
    t.host.ClearLog();
    t.host.Notify(118);
    EXPECT_TRUE(Setting1765().empty());
}

TEST_F(PrintChecksTest, InvalidPageRangeMeansNoPageIsInAZone)
{
    Store(1, 0, "A", {{"A", 1, {1}}}, {"A"});
    t.host.publication.pageRange = "9-12";
    EXPECT_EQ(PrintStart(), 0);
    EXPECT_TRUE(t.host.reportedErrors.empty());
    t.host.Notify(110);
    EXPECT_EQ(t.host.streams[110], "");
}

}  // namespace
}  // namespace orvane
