#include <gtest/gtest.h>

#include <algorithm>

#include "RecordBytes.h"
#include "model/TrapStyle.h"
#include "model/TrapZone.h"
#include "state/ModuleState.h"
#include "storage/DocumentRecord.h"
#include "storage/PageLabel.h"

namespace {

using orvane::LoadDocumentRecord;
using orvane::ReservedStyleName;
using orvane::SaveDocumentRecord;
using orvane::Settings;
using orvane::TrapZone;
using orvane::TrapZoneList;
using orvane::test::Bytes;
using orvane::test::StorageHost;

using orvane::test::Label;

class DocumentRecordTest : public ::testing::Test {
protected:
    StorageHost t;

    std::unique_ptr<TrapZone> Zone(std::int32_t id, const std::string& style, std::int32_t enabled,
                                   std::vector<int> pages)
    {
        auto zone = std::make_unique<TrapZone>();
        zone->id = id;
        zone->styleName = style;
        zone->enabled = enabled;
        for (int n : pages) zone->AddPage(t.KeyOfPage(n), static_cast<std::int16_t>(n));
        return zone;
    }

    // The record of Fine as default, zone 3 (reserved style, pages 2 and 3) and
    // zone 7 (Fine, off, page 5), in either byte order.
    std::vector<char> Sample(bool big)
    {
        Bytes b(big);
        b.Byte(big ? 'm' : 'w').I16(1).I16(0).Text("Fine").I16(2);
        b.I32(3).Text("PDS").I16(1).I16(2).I32(t.KeyOfPage(2)).I16(2).I32(t.KeyOfPage(3)).I16(3);
        b.I32(7).Text("Fine").I16(0).I16(1).I32(t.KeyOfPage(5)).I16(5);
        return b.Get();
    }

    void LabelPages(std::vector<int> numbers)
    {
        for (int n : numbers) t.host.publication.pages[n - 1].labels[{"HLCX", "ORVT"}] = Label(t.KeyOfPage(n));
    }

    void ExpectSample(const TrapZoneList& zones)
    {
        EXPECT_EQ(Settings().trappingEnabled, 1);
        EXPECT_EQ(Settings().trapAllPages, 0);
        EXPECT_EQ(Settings().defaultStyleName, "Fine");
        EXPECT_EQ(Settings().byteOrder, 'w');
        ASSERT_EQ(zones.Count(), 2);
        const TrapZone& a = *zones.ZoneAt(0);
        EXPECT_EQ(a.id, 3);
        EXPECT_EQ(a.styleName, ReservedStyleName());
        EXPECT_EQ(a.enabled, 1);
        ASSERT_EQ(a.pages.size(), 2u);
        EXPECT_EQ(a.pages[1]->pageKey, t.KeyOfPage(3));
        EXPECT_EQ(a.pages[1]->pageNumber, 3);
        const TrapZone& b = *zones.ZoneAt(1);
        EXPECT_EQ(b.styleName, "Fine");
        EXPECT_EQ(b.enabled, 0);
        ASSERT_EQ(b.pages.size(), 1u);
        EXPECT_EQ(b.pages[0]->pageNumber, 5);
        EXPECT_EQ(zones.nextZoneId, 7);
    }
};

TEST_F(DocumentRecordTest, SavesTheExactLayoutAndLabelsEveryPage)
{
    ASSERT_EQ(ReservedStyleName(), "[Printer Default Settings]");
    orvane::Module().currentStyleList = std::make_unique<orvane::TrapStyleList>();
    auto fine = std::make_unique<orvane::TrapStyle>();
    fine->name = "Fine";
    orvane::Module().currentStyleList->AddStyle(std::move(fine));

    Settings().trappingEnabled = 1;
    Settings().trapAllPages = 0;
    Settings().defaultStyleName = "Fine";
    TrapZoneList zones;
    zones.AppendZone(Zone(3, ReservedStyleName(), 1, {2, 3}));
    zones.AppendZone(Zone(7, "Fine", 0, {5}));
    SaveDocumentRecord(zones);

    EXPECT_EQ(t.RecordBytes("AAA"), Sample(false));
    EXPECT_EQ(orvane::Module().currentStyleList->FindStyle("Fine")->inUse, 1);
    for (int n : {2, 3, 5}) EXPECT_EQ(t.LabelOn(n - 1), Label(t.KeyOfPage(n)));
    EXPECT_TRUE(t.host.publication.pages[0].labels.empty());
    EXPECT_TRUE(t.Balanced());
}

TEST_F(DocumentRecordTest, ReadsBothByteOrdersAlike)
{
    LabelPages({2, 3, 5});
    for (bool big : {false, true}) {
        SCOPED_TRACE(big ? "m" : "w");
        t.RecordBytes("AAA") = Sample(big);
        TrapZoneList zones;
        EXPECT_EQ(LoadDocumentRecord(zones), 1);
        ExpectSample(zones);
        EXPECT_TRUE(t.Balanced());
    }
}

TEST_F(DocumentRecordTest, RoundTripsWithoutZones)
{
    Settings().trappingEnabled = 0;
    Settings().trapAllPages = 1;
    Settings().defaultStyleName = ReservedStyleName();
    TrapZoneList empty;
    SaveDocumentRecord(empty);
    EXPECT_EQ(t.RecordBytes("AAA"), Bytes().Byte('w').I16(0).I16(1).Text("PDS").I16(0).Get());
    Settings().ResetDocumentTrapping();
    TrapZoneList zones;
    EXPECT_EQ(LoadDocumentRecord(zones), 1);
    EXPECT_EQ(Settings().trapAllPages, 1);
    EXPECT_EQ(Settings().defaultStyleName, ReservedStyleName());
    EXPECT_TRUE(zones.Empty());
}

TEST_F(DocumentRecordTest, AStyleNamedPdsComesBackAsTheReservedName)
{
    LabelPages({4});
    t.RecordBytes("AAA") =
        Bytes().Byte('w').I16(1).I16(1).Text("PDS").I16(1).I32(1).Text("PDS").I16(1).I16(1).I32(t.KeyOfPage(4)).I16(4).Get();
    TrapZoneList zones;
    LoadDocumentRecord(zones);
    EXPECT_EQ(Settings().defaultStyleName, ReservedStyleName());
    EXPECT_EQ(zones.ZoneAt(0)->styleName, ReservedStyleName());
}

TEST_F(DocumentRecordTest, MissingOrEmptyRecordGivesFreshSettings)
{
    for (bool empty : {false, true}) {
        if (empty) t.RecordBytes("AAA").clear();
        Settings().trappingEnabled = 1;
        Settings().defaultStyleName = "x";
        TrapZoneList zones;
        zones.AppendZone(Zone(1, "x", 1, {1}));
        // A record without a single byte holds a fresh publication's settings too.
        EXPECT_EQ(LoadDocumentRecord(zones), 1);
        EXPECT_TRUE(zones.Empty());
        EXPECT_EQ(Settings().trappingEnabled, 0);
        EXPECT_EQ(Settings().defaultStyleName, ReservedStyleName());
        EXPECT_TRUE(t.Balanced());
    }
}

TEST_F(DocumentRecordTest, ControlAndShiftDiscardTheStoredSettings)
{
    LabelPages({2, 3, 5});
    t.RecordBytes("AAA") = Sample(false);
    t.RecordBytes("CCC") = Bytes().Byte('w').I16(0).Get();
    t.RecordBytes("BBB") = Bytes().Byte('w').I16(0).Get();
    orvane::platform::Portable().controlAndShiftDown = true;
    TrapZoneList zones;
    EXPECT_EQ(LoadDocumentRecord(zones), 1);
    EXPECT_TRUE(zones.Empty());
    EXPECT_EQ(Settings().trappingEnabled, 0);
    EXPECT_FALSE(t.HasRecord("AAA"));
    EXPECT_FALSE(t.HasRecord("CCC"));
    EXPECT_TRUE(t.HasRecord("BBB"));
}

TEST_F(DocumentRecordTest, FollowsMovedPagesAndReportsLostOnes)
{
    LabelPages({2, 3, 5});
    t.RecordBytes("AAA") = Sample(false);
    auto& pages = t.host.publication.pages;
    // Page 3 moves to the end; page 5 (now 4) is removed.
    const std::int32_t key3 = t.KeyOfPage(3);
    std::rotate(pages.begin() + 2, pages.begin() + 3, pages.end());
    pages.erase(pages.begin() + 3);
    TrapZoneList zones;
    EXPECT_EQ(LoadDocumentRecord(zones), 0);
    ASSERT_EQ(zones.Count(), 2);
    const TrapZone& a = *zones.ZoneAt(0);
    ASSERT_EQ(a.pages.size(), 2u);
    EXPECT_EQ(a.pages[1]->pageKey, key3);
    EXPECT_EQ(a.pages[1]->pageNumber, 9);
    EXPECT_TRUE(zones.ZoneAt(1)->pages.empty());
    EXPECT_TRUE(t.Balanced());
}

TEST_F(DocumentRecordTest, FindsAPageAgainByItsLabel)
{
    // The page now answers to another key but still carries the label of the stored one.
    const std::int32_t stored = t.KeyOfPage(6);
    t.host.publication.pages[7].labels[{"HLCX", "ORVT"}] = Label(stored);
    t.host.publication.pages[5].key = 5555;
    t.RecordBytes("AAA") = Bytes().Byte('w').I16(1).I16(0).Text("PDS").I16(1).I32(2).Text("PDS").I16(1).I16(1).I32(stored).I16(6).Get();
    TrapZoneList zones;
    EXPECT_EQ(LoadDocumentRecord(zones), 1);
    ASSERT_EQ(zones.ZoneAt(0)->pages.size(), 1u);
    EXPECT_EQ(zones.ZoneAt(0)->pages[0]->pageKey, stored);
    EXPECT_EQ(zones.ZoneAt(0)->pages[0]->pageNumber, 6);
    EXPECT_TRUE(t.Balanced());
}

TEST_F(DocumentRecordTest, AFailedPageRequestWhileSearchingLabelsStopsTheLoad)
{
    // The stored key names no page any more, so the load searches every page's label.
    const std::int32_t stored = t.KeyOfPage(6);
    t.host.publication.pages[7].labels[{"HLCX", "ORVT"}] = Label(stored);
    t.host.publication.pages[5].key = 5555;
    const auto record =
        Bytes().Byte('w').I16(1).I16(0).Text("PDS").I16(1).I32(2).Text("PDS").I16(1).I16(1).I32(stored).I16(6).Get();
    auto statusOfLoad = [&] {
        t.RecordBytes("AAA") = record;
        TrapZoneList zones;
        try {
            LoadDocumentRecord(zones);
        } catch (const orvane::HostError& e) {
            return e.status();
        }
        return orvane::Status{0};
    };

    t.host.failRequests[3533] = {77, 3, 1};  // the fourth page's key
    EXPECT_EQ(statusOfLoad(), 77);
    EXPECT_TRUE(t.Balanced());
    t.host.failRequests.clear();

    t.host.failRequests[3503] = {78, 1, 1};  // the zone's own request passes, the search's fails
    EXPECT_EQ(statusOfLoad(), 78);
    EXPECT_TRUE(t.Balanced());
    t.host.failRequests.clear();

    EXPECT_EQ(statusOfLoad(), 0);
}

TEST_F(DocumentRecordTest, NegativeKeysUseTenDigitLabels)
{
    t.host.publication.pages[0].key = 0x18000;  // low 16 bits: -32768
    TrapZoneList zones;
    zones.AppendZone(Zone(1, ReservedStyleName(), 1, {1}));
    SaveDocumentRecord(zones);
    EXPECT_EQ(t.LabelOn(0), "ORVT 4294934528 ORVT");
    EXPECT_EQ(orvane::ReadPageLabel(0x18000), -32768);
    TrapZoneList loaded;
    EXPECT_EQ(LoadDocumentRecord(loaded), 1);
    EXPECT_EQ(loaded.ZoneAt(0)->pages.size(), 1u);
}

TEST_F(DocumentRecordTest, TruncatedRecordKeepsWhatWasComplete)
{
    LabelPages({2, 3, 5});
    std::vector<char> full = Sample(false);
    // Cut inside the second zone's page.
    std::vector<char> cut(full.begin(), full.end() - 3);
    t.RecordBytes("AAA") = cut;
    TrapZoneList zones;
    EXPECT_EQ(LoadDocumentRecord(zones), 0);
    ASSERT_EQ(zones.Count(), 1);  // the zone cut short is dropped
    EXPECT_EQ(zones.ZoneAt(0)->pages.size(), 2u);
    EXPECT_TRUE(t.Balanced());

    // Cut inside the first zone's heading: no zone at all.
    t.RecordBytes("AAA") = std::vector<char>(full.begin(), full.begin() + 14);
    EXPECT_EQ(LoadDocumentRecord(zones), 0);
    EXPECT_TRUE(zones.Empty());
    EXPECT_EQ(Settings().defaultStyleName, "Fine");
    EXPECT_TRUE(t.Balanced());
}

TEST_F(DocumentRecordTest, OverlongTextIsCutAndTheRecordStaysInStep)
{
    LabelPages({4});
    const std::string longName(300, 'n');
    t.RecordBytes("AAA") =
        Bytes().Byte('w').I16(1).I16(0).Text(longName).I16(1).I32(9).Text("Z").I16(1).I16(1).I32(t.KeyOfPage(4)).I16(4).Get();
    TrapZoneList zones;
    EXPECT_EQ(LoadDocumentRecord(zones), 1);
    EXPECT_EQ(Settings().defaultStyleName, std::string(199, 'n'));
    ASSERT_EQ(zones.Count(), 1);
    EXPECT_EQ(zones.ZoneAt(0)->styleName, "Z");
    EXPECT_EQ(zones.ZoneAt(0)->pages.size(), 1u);
}

TEST_F(DocumentRecordTest, NegativeCountsReadNothing)
{
    t.RecordBytes("AAA") = Bytes().Byte('w').I16(1).I16(0).Text("A").I16(-3).Get();
    TrapZoneList zones;
    EXPECT_EQ(LoadDocumentRecord(zones), 1);
    EXPECT_TRUE(zones.Empty());
    t.RecordBytes("AAA") = Bytes().Byte('w').I16(1).I16(0).Text("A").I16(1).I32(40).Text("B").I16(1).I16(-1).Get();
    EXPECT_EQ(LoadDocumentRecord(zones), 1);
    ASSERT_EQ(zones.Count(), 1);
    EXPECT_TRUE(zones.ZoneAt(0)->pages.empty());
    EXPECT_EQ(zones.nextZoneId, 40);
}

TEST_F(DocumentRecordTest, AFailedReadStopsTheLoadAndGivesEverythingBack)
{
    LabelPages({2, 3, 5});
    t.RecordBytes("AAA") = Sample(false);
    // No page can be resolved: every label read fails.
    t.host.failRequests[3531] = {9, 0, -1};
    TrapZoneList zones;
    EXPECT_EQ(LoadDocumentRecord(zones), 0);
    EXPECT_EQ(zones.Count(), 2);
    EXPECT_TRUE(zones.ZoneAt(0)->pages.empty());
    EXPECT_TRUE(t.Balanced());
}

TEST_F(DocumentRecordTest, HostFailureWhileReadingBigEndianLeavesTheMarkAtW)
{
    LabelPages({2, 3, 5});
    t.RecordBytes("AAA") = Sample(true);
    t.host.failRequests[3503] = {21, 0, -1};
    TrapZoneList zones;
    try {
        LoadDocumentRecord(zones);
        ADD_FAILURE() << "the failed page request did not reach the caller";
    } catch (const orvane::HostError& error) {
        EXPECT_EQ(error.status(), 21);
    }
    EXPECT_EQ(Settings().byteOrder, 'w');
    EXPECT_TRUE(t.Balanced());
}

}  // namespace
