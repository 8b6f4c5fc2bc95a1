#include <gtest/gtest.h>

#include <algorithm>

#include "tests/TestHost.h"

namespace orvane {
namespace {

class NotifyTest : public ::testing::Test {
protected:
    void SetUp() override { t.host.publication.trapOutput = 0; }  // a print start without trapping
    test::TestHost t;
};

TEST_F(NotifyTest, PrintStartHoldsThePrintJobUntilItsEnd)
{
    EXPECT_EQ(t.host.Notify(102), 0);
    EXPECT_TRUE(t.host.PrintJobInterfaceHeld());
    EXPECT_EQ(t.host.printJobOperations, 1);
    EXPECT_EQ(t.host.OutstandingInterfaces(), 0);
    EXPECT_EQ(t.host.OutstandingAllocations(), 0);

    t.host.NotifyJobEnd(531, 0x201);
    EXPECT_TRUE(t.host.PrintJobInterfaceHeld());
    t.host.NotifyJobEnd(530, 0x200);
    EXPECT_TRUE(t.host.PrintJobInterfaceHeld());
    t.host.NotifyJobEnd(531, 0x200);
    EXPECT_FALSE(t.host.PrintJobInterfaceHeld());
    EXPECT_EQ(Module().heldPrintJob, nullptr);
    t.host.ClearLog();
    t.host.NotifyJobEnd(531, 0x200);  // nothing held: nothing released
    EXPECT_EQ(std::count(t.host.log.begin(), t.host.log.end(), "release 102"), 0);
}

TEST_F(NotifyTest, ASecondPrintStartGivesTheFirstJobBack)
{
    t.host.Notify(102);
    t.host.Notify(102);
    EXPECT_EQ(t.host.printJobOperations, 2);
    t.host.NotifyJobEnd(531, 0x200);
    EXPECT_FALSE(t.host.PrintJobInterfaceHeld());
}

TEST_F(NotifyTest, UnloadGivesTheHeldJobBack)
{
    t.host.Notify(102);
    t.host.Unload();
    EXPECT_FALSE(t.host.PrintJobInterfaceHeld());
    t.host.Load();
}

TEST_F(NotifyTest, NotificationsWithoutAPrintStartOrUnknownDoNothing)
{
    t.host.ClearLog();
    std::int32_t result = 0;
    for (std::uint32_t id : {103u, 0u, 999u, 105u, 107u, 110u, 118u}) {
        EXPECT_EQ(t.host.Notify(id, &result), 0) << id;
        EXPECT_EQ(result, 0);
    }
    EXPECT_TRUE(t.host.job.empty());
    EXPECT_TRUE(t.host.requests.empty());
    EXPECT_EQ(t.host.OutstandingInterfaces(), 0);
}

TEST_F(NotifyTest, PagesAfterReleaseAreNumberZero)
{
    Settings().trappingEnabled = 1;
    Settings().trapAllPages = 1;
    Settings().defaultStyleName = "[Printer Default Settings]";
    t.host.Release();
    EXPECT_EQ(t.host.Notify(110), 0);
    // No zone holds page 0, so only the all-pages default applies.
    EXPECT_NE(t.host.streams[110].find("(\\133Printer\\040Default\\040Settings\\135) cvn"), std::string::npos);
}

}  // namespace
}  // namespace orvane
