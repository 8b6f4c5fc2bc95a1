// Page notifications after a print start: the zone index and the prepared names
// leave the bytes as they were, a page costs the plug-in no allocation, and main
// calls the Host on a page as on every notification.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hostsim/PageHost.h"
#include "postscript/Template.h"
#include "postscript/TrapSetupWriter.h"
#include "tests/AllocationCount.h"
#include "tests/StoredSettings.h"
#include "tests/TestHost.h"

namespace orvane {
namespace {

class PagePrintingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.host.publication.SetPageCount(8);
        t.host.publication.copies = 2;
        std::vector<std::unique_ptr<TrapStyle>> styles;
        for (const char* name : {"Fine Lines", "Odd [name]\t\xe9 (x"}) {
            styles.push_back(TrapStyle::WithDefaults());
            styles.back()->name = name;
        }
        test::StoreSettings(t.host, 1, 1, "Fine Lines",
                            {{"Fine Lines", 1, {1, 2, 3}}, {"Odd [name]\t\xe9 (x", 0, {3, 5, 3}},
                             {ReservedStyleName(), 1, {3, 6}}},
                            std::move(styles));
        Settings().ResetDocumentTrapping();
        ASSERT_EQ(t.host.Notify(102), 0);
        ASSERT_EQ(t.host.Notify(105), 0);
        ASSERT_EQ(t.host.Notify(107), 0);
        t.host.ClearLog();
    }
    void TearDown() override { Module().printSettingChanged = false; }

    // Each page of both copies as the full stand-in receives it.
    std::vector<std::string> PrintAllPages()
    {
        Module().printedPageSequence->position = 0;
        std::vector<std::string> pages;
        for (int i = 0; i < 16; ++i) {
            t.host.job.clear();
            EXPECT_EQ(t.host.Notify(110), 0);
            pages.push_back(t.host.job);
        }
        return pages;
    }

    test::TestHost t;
};

TEST_F(PagePrintingTest, IndexAndPreparedNamesLeaveTheBytesAsTheyWere)
{
    ASSERT_TRUE(Module().zoneList->HasPageIndex());
    EXPECT_FALSE(Module().pageWriter.escapedNames.empty());
    const std::vector<std::string> prepared = PrintAllPages();
    ASSERT_TRUE(Module().zoneList->HasPageIndex());

    Module().zoneList->EditZoneAt(0);  // opening an edit drops the index
    Module().pageWriter.escapedNames.clear();
    ASSERT_FALSE(Module().zoneList->HasPageIndex());
    const std::vector<std::string> walked = PrintAllPages();
    EXPECT_EQ(prepared, walked);
    auto zonesOn = [](const std::string& page) {
        int count = 0;
        for (std::size_t at = page.find("settrapzone"); at != std::string::npos; at = page.find("settrapzone", at + 1))
            ++count;
        return count;
    };
    EXPECT_EQ(zonesOn(prepared[2]), 3) << "page 3: three zones, one listing it twice";
    EXPECT_EQ(prepared[3], prepared[0]) << "page 4 in no zone: the default, the style of page 1's zone";
    EXPECT_EQ(prepared[8], prepared[0]) << "the second copy";
}

TEST_F(PagePrintingTest, AZoneChangedAfterPrintStartIsWrittenAsItIsNow)
{
    {
        TrapZoneEdit zone = Module().zoneList->EditZoneAt(0);
        zone->styleName = "Fresh";
        zone->enabled = 0;
    }
    Module().printedPageSequence->position = 0;
    EXPECT_EQ(t.host.Notify(110), 0);
    EXPECT_EQ(t.host.job.find("\t(Fresh) cvn /TrapParams findresource dup length dict copy  dup /Enabled false put "),
              std::string(TemplateTextToZero(kTemplatePageZone)).find("\t(%s)"))
        << t.host.job;
}

TEST_F(PagePrintingTest, AnotherRectangleIsWrittenAsGiven)
{
    PageRectangle moved = *Module().pageRectangle;
    moved.x += 5;
    moved.height += 2;
    const std::string path = "gsave newpath " + std::to_string(moved.x) + " " + std::to_string(moved.y) + " moveto " +
                             std::to_string(moved.width) + " 0 rlineto 0 " + std::to_string(moved.height) + " rlineto";
    for (std::int64_t position : {5, 3}) {  // page 6 in a zone, page 4 with the default style
        Module().printedPageSequence->position = position;
        t.host.job.clear();
        WritePageZones(*Module().printedPageSequence, moved);
        EXPECT_NE(t.host.job.find(path), std::string::npos) << t.host.job;
    }
}

TEST_F(PagePrintingTest, ADefaultStyleChangedAfterPrintStartIsStillEscaped)
{
    Settings().defaultStyleName = "New [one]";
    Module().printedPageSequence->position = 3;
    EXPECT_EQ(t.host.Notify(110), 0);
    EXPECT_NE(t.host.job.find("(New\\040\\133one\\135) cvn"), std::string::npos) << t.host.job;
}

TEST_F(PagePrintingTest, APageCostsThePlugInNoAllocationAndNoResourceLookup)
{
    hostsim::PageHost pages(&OrvanePluginMain, t.host.Record());
    pages.written.reserve(1 << 16);
    pages.trace.reserve(1 << 10);
    Module().printedPageSequence->position = 0;
    platform::Portable().templateLookups.clear();
    const std::size_t before = test::AllocationCount();
    for (int i = 0; i < 16; ++i) ASSERT_EQ(pages.Notify(110), 0);
    EXPECT_EQ(test::AllocationCount(), before);
    EXPECT_TRUE(platform::Portable().templateLookups.empty()) << "templates are found once";
    EXPECT_EQ(pages.outstanding, 0);

    std::string all;
    for (const std::string& page : PrintAllPages()) all += page;
    EXPECT_EQ(pages.written, all) << "both stand-ins receive the same bytes";
}

TEST_F(PagePrintingTest, MainCallsTheHostOnAPageAsOnEveryNotification)
{
    hostsim::PageHost pages(&OrvanePluginMain, t.host.Record());
    struct Case {
        std::int64_t position;
        bool trapping;
        std::uint32_t notification;
        const char* trace;
    };
    // g/q: the request channel and its record; s, c, w: the stream, its output
    // control and one write per zone; r: each interface given back.
    const Case cases[] = {
        {2, true, 110, "gqscwwwrr"},  // page 3: three zones
        {3, true, 110, "gqscwrr"},    // page 4: the default style
        {6, true, 110, "gqscrr"},     // page 7: in no zone, and no default for all pages
        {0, false, 110, "gqr"},       // trapping off: no stream
        {0, true, 103, "gqr"},        // a notification the plug-in ignores
    };
    for (const Case& c : cases) {
        pages.Clear();
        Module().printedPageSequence->position = c.position;
        Settings().trappingEnabled = c.trapping ? 1 : 0;
        Settings().trapAllPages = c.position == 6 ? 0 : 1;
        EXPECT_EQ(pages.Notify(c.notification), 0);
        EXPECT_EQ(pages.trace, c.trace) << "position " << c.position << " notification " << c.notification;
    }
}

}  // namespace
}  // namespace orvane
