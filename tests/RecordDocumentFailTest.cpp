// Every way a read of the document record can fail, field by field, and the page
// labels by which its pages are found again.
#include <gtest/gtest.h>

#include "RecordBytes.h"
#include "model/TrapZone.h"
#include "state/ModuleState.h"
#include "storage/DocumentRecord.h"
#include "storage/PageLabel.h"

namespace {

using orvane::LoadDocumentRecord;
using orvane::ReservedStyleName;
using orvane::Settings;
using orvane::TrapZoneList;
using orvane::test::Fields;
using orvane::test::ReadFault;
using orvane::test::StorageHost;

using orvane::test::Label;

// What a load keeps when a field fails: the head of the record (everything up to
// the zone count), the first zone or the second one.
enum class Part { Head, Zone1, Zone2 };

class DocumentRecordFailTest : public ::testing::Test {
protected:
    DocumentRecordFailTest()
    {
        for (int n : {2, 3, 5}) t.host.publication.pages[n - 1].labels[{"HLCX", "ORVT"}] = Label(t.KeyOfPage(n));
        // The other records of the publication, which no load of this one may touch.
        t.RecordBytes("CCC") = orvane::test::Bytes().Byte('w').I16(0).Get();
        t.RecordBytes("BBB") = orvane::test::Bytes().Byte('w').I16(0).Get();
    }

    // Trapping on for all pages with Fine as default; zone 3 (reserved style, pages 2
    // and 3) and zone 7 (Fine, off, page 5). Every setting differs from a fresh one.
    Fields Sample(bool big = false)
    {
        Fields f(big);
        f.Byte("mark", big ? 'm' : 'w').I16("trapping enabled", 1).I16("trap all pages", 1);
        f.Text("default style", "Fine").I16("zone count", 2);
        f.I32("zone 1 id", 3).Text("zone 1 style", "PDS").I16("zone 1 enabled", 1).I16("zone 1 page count", 2);
        f.I32("zone 1 page 1 key", t.KeyOfPage(2)).I16("zone 1 page 1 number", 2);
        f.I32("zone 1 page 2 key", t.KeyOfPage(3)).I16("zone 1 page 2 number", 3);
        f.I32("zone 2 id", 7).Text("zone 2 style", "Fine").I16("zone 2 enabled", 0).I16("zone 2 page count", 1);
        f.I32("zone 2 page 1 key", t.KeyOfPage(5)).I16("zone 2 page 1 number", 5);
        return f;
    }

    int Load(TrapZoneList& zones)
    {
        labelsBefore = Labels();
        othersBefore = {t.RecordBytes("CCC"), t.RecordBytes("BBB")};
        const int result = LoadDocumentRecord(zones);
        t.host.failReads = {1, 0, 0};
        t.host.shortReads = {1, 0, 0};
        return result;
    }

    std::vector<std::string> Labels()
    {
        std::vector<std::string> labels;
        for (const auto& page : t.host.publication.pages) {
            auto it = page.labels.find({"HLCX", "ORVT"});
            labels.push_back(it == page.labels.end() ? "" : it->second);
        }
        return labels;
    }

    // The load reported the failure, kept nothing half-read and left the rest of the
    // publication as it was.
    void ExpectKeptUpTo(Part failed, int result, const TrapZoneList& zones, int expectedResult = 0)
    {
        EXPECT_EQ(result, expectedResult);
        if (failed == Part::Head) {
            EXPECT_EQ(Settings().trappingEnabled, 0);
            EXPECT_EQ(Settings().trapAllPages, 0);
            EXPECT_EQ(Settings().defaultStyleName, ReservedStyleName());
        } else {
            EXPECT_EQ(Settings().trappingEnabled, 1);
            EXPECT_EQ(Settings().trapAllPages, 1);
            EXPECT_EQ(Settings().defaultStyleName, "Fine");
        }
        if (failed == Part::Zone2) {
            ASSERT_EQ(zones.Count(), 1);
            EXPECT_EQ(zones.ZoneAt(0)->id, 3);
            EXPECT_EQ(zones.ZoneAt(0)->pages.size(), 2u);
            EXPECT_EQ(zones.nextZoneId, 3);
        } else {
            EXPECT_TRUE(zones.Empty());
            EXPECT_EQ(zones.nextZoneId, 1);
        }
        EXPECT_EQ(Settings().byteOrder, 'w');
        EXPECT_EQ(Labels(), labelsBefore);
        EXPECT_EQ(t.RecordBytes("CCC"), othersBefore[0]);
        EXPECT_EQ(t.RecordBytes("BBB"), othersBefore[1]);
        EXPECT_TRUE(t.Balanced());
    }

    StorageHost t;
    std::vector<std::string> labelsBefore;
    std::vector<std::vector<char>> othersBefore;
};

TEST_F(DocumentRecordFailTest, EveryFieldEveryWay)
{
    const std::vector<std::pair<const char*, Part>> table = {
        {"mark", Part::Head},
        {"trapping enabled", Part::Head},
        {"trap all pages", Part::Head},
        {"default style", Part::Head},
        {"zone count", Part::Head},
        {"zone 1 id", Part::Zone1},
        {"zone 1 style", Part::Zone1},
        {"zone 1 enabled", Part::Zone1},
        {"zone 1 page count", Part::Zone1},
        {"zone 1 page 1 key", Part::Zone1},
        {"zone 1 page 1 number", Part::Zone1},
        {"zone 1 page 2 key", Part::Zone1},
        {"zone 1 page 2 number", Part::Zone1},
        {"zone 2 id", Part::Zone2},
        {"zone 2 style", Part::Zone2},
        {"zone 2 enabled", Part::Zone2},
        {"zone 2 page count", Part::Zone2},
        {"zone 2 page 1 key", Part::Zone2},
        {"zone 2 page 1 number", Part::Zone2},
    };
    const Fields sample = Sample();
    ASSERT_EQ(table.size(), sample.All().size());
    for (const auto& [field, part] : table) {
        for (ReadFault fault : orvane::test::kEveryReadFault) {
            SCOPED_TRACE(std::string(field) + ": " + orvane::test::FaultName(fault));
            t.StoreWithFault("AAA", sample, field, fault);
            Settings().ResetDocumentTrapping();
            TrapZoneList zones;
            const int result = Load(zones);
            // Not a single byte read: a fresh publication's settings, which is no failure.
            ExpectKeptUpTo(part, result, zones, std::string(field) == "mark" ? 1 : 0);
        }
    }
    // The whole record, for comparison.
    t.RecordBytes("AAA") = sample.Get();
    TrapZoneList zones;
    EXPECT_EQ(Load(zones), 1);
    EXPECT_EQ(zones.Count(), 2);
}

TEST_F(DocumentRecordFailTest, ARecordWithAWrongMarkIsNotRead)
{
    struct Case {
        const char* what;
        char mark;
        bool bigEndianData;
        Part failed;
    };
    const std::vector<Case> table = {
        {"mark x", 'x', false, Part::Head},
        {"mark W", 'W', false, Part::Head},
        {"mark NUL", '\0', false, Part::Head},
        // The counts come out byte-swapped: 512 zones, the first with 512 pages.
        {"mark m over little-endian data", 'm', false, Part::Zone1},
        {"mark w over big-endian data", 'w', true, Part::Zone1},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.what);
        std::vector<char> bytes = Sample(c.bigEndianData).Get();
        bytes[0] = c.mark;
        t.RecordBytes("AAA") = bytes;
        Settings().ResetDocumentTrapping();
        TrapZoneList zones;
        const int result = Load(zones);
        EXPECT_EQ(result, 0);
        EXPECT_TRUE(zones.Empty());
        if (c.failed == Part::Head) ExpectKeptUpTo(Part::Head, result, zones);
        EXPECT_TRUE(t.Balanced());
    }
}

TEST_F(DocumentRecordFailTest, CountsAndNumbersAtTheirLimits)
{
    struct Case {
        const char* what;
        int zoneCount;
        std::int64_t id;
        int pageCount;
        int result;
        int zonesKept;
        int nextZoneId;
    };
    // One zone follows the head: id, style "Z", enabled, page count, one page (page 4).
    const std::vector<Case> table = {
        {"no zone", 0, 5, 1, 1, 0, 1},
        {"zone count -1 reads nothing", -1, 5, 1, 1, 0, 1},
        {"zone count -32768 reads nothing", -32768, 5, 1, 1, 0, 1},
        {"zone count 2 past the data", 2, 5, 1, 0, 1, 5},
        {"zone count 32767 past the data", 32767, 5, 1, 0, 1, 5},
        {"page count 2 past the data", 1, 5, 2, 0, 0, 1},
        {"page count 32767 past the data", 1, 5, 32767, 0, 0, 1},
        {"page count -1 reads no page", 1, 5, -1, 1, 1, 5},
        {"id 32767", 1, 32767, 1, 1, 1, 32767},
        {"id 32768 keeps the counter at 32767", 1, 32768, 1, 1, 1, 32767},
        {"id 2147483647", 1, 2147483647, 1, 1, 1, 32767},
        {"id 1", 1, 1, 1, 1, 1, 1},
        {"id 0", 1, 0, 1, 1, 1, 1},
        {"id -1", 1, -1, 1, 1, 1, 1},
        {"id -2147483648", 1, -2147483648LL, 1, 1, 1, 1},
    };
    t.host.publication.pages[3].labels[{"HLCX", "ORVT"}] = Label(t.KeyOfPage(4));
    for (const Case& c : table) {
        SCOPED_TRACE(c.what);
        orvane::test::Bytes b;
        b.Byte('w').I16(1).I16(0).Text("A").I16(c.zoneCount);
        b.I32(c.id).Text("Z").I16(-32768).I16(c.pageCount).I32(t.KeyOfPage(4)).I16(32767);
        t.RecordBytes("AAA") = b.Get();
        TrapZoneList zones;
        EXPECT_EQ(Load(zones), c.result);
        ASSERT_EQ(zones.Count(), c.zonesKept);
        EXPECT_EQ(zones.nextZoneId, c.nextZoneId);
        if (c.zonesKept == 1) {
            EXPECT_EQ(zones.ZoneAt(0)->id, static_cast<std::int32_t>(c.id));
            EXPECT_EQ(zones.ZoneAt(0)->enabled, -32768);
            if (c.pageCount == 1) {
                ASSERT_EQ(zones.ZoneAt(0)->pages.size(), 1u);
                EXPECT_EQ(zones.ZoneAt(0)->pages[0]->pageNumber, 4);  // the stored 32767 is followed to page 4
            }
        }
        EXPECT_EQ(Settings().defaultStyleName, "A");
        EXPECT_TRUE(t.Balanced());
    }
}

TEST_F(DocumentRecordFailTest, LabelsThatFindAPageAndLabelsThatDoNot)
{
    struct Case {
        const char* what;
        std::int32_t key;         // stored key
        int labelledPage;         // page (from 1) given `label`, 0 for none
        std::string label;
        bool labelReadsFail;
        bool confirmed;
    };
    const std::int32_t key6 = t.KeyOfPage(6);
    const std::vector<Case> table = {
        {"the page keeps its label", key6, 6, Label(key6), false, true},
        {"the label moved to another page", 0x70000 + 77, 8, Label(77), false, true},
        {"the negative form of a key", 0x8000, 9, Label(-32768), false, true},
        {"its unsigned form", 0x8000, 9, "ORVT 4294934528 ORVT", false, true},
        {"no page carries it", 0x70000 + 77, 0, "", false, false},
        {"a key whose low 16 bits are 0 over unlabelled pages", 0x30000, 0, "", false, false},
        {"a key whose low 16 bits are 0 and a label naming 0", 0x30000, 8, "ORVT 0 ORVT", false, false},
        {"a key whose low 16 bits are 0 and a label naming 65536", 0x30000, 8, "ORVT 65536 ORVT", false, false},
        {"a label that is not one of ours", 0x70000 + 77, 8, "junk", false, false},
        {"a label of two fields", 0x70000 + 77, 8, "ORVT 77", false, false},
        {"every label read fails", key6, 6, Label(key6), true, false},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.what);
        for (auto& page : t.host.publication.pages) page.labels.clear();
        if (c.labelledPage != 0) t.host.publication.pages[c.labelledPage - 1].labels[{"HLCX", "ORVT"}] = c.label;
        t.host.failRequests.clear();
        if (c.labelReadsFail) t.host.failRequests[3531] = {5, 0, -1};
        t.RecordBytes("AAA") = orvane::test::Bytes().Byte('w').I16(1).I16(0).Text("PDS").I16(1)
                                   .I32(1).Text("PDS").I16(1).I16(1).I32(c.key).I16(6).Get();
        TrapZoneList zones;
        EXPECT_EQ(LoadDocumentRecord(zones), c.confirmed ? 1 : 0);
        ASSERT_EQ(zones.Count(), 1);
        EXPECT_EQ(zones.ZoneAt(0)->pages.size(), c.confirmed ? 1u : 0u);
        EXPECT_EQ(orvane::ResolvePageKey(c.key), c.confirmed);
        EXPECT_TRUE(t.Balanced());
    }
}

}  // namespace
