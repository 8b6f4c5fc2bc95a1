// Every way a read of the style and ink records can fail, field by field.
#include <gtest/gtest.h>

#include "RecordBytes.h"
#include "model/Ink.h"
#include "model/TrapStyle.h"
#include "state/ModuleState.h"
#include "storage/InkRecord.h"
#include "storage/PrivateRecord.h"
#include "storage/StyleRecord.h"

namespace {

using orvane::InkList;
using orvane::Module;
using orvane::TrapStyleList;
using orvane::test::Fields;
using orvane::test::ReadFault;
using orvane::test::StorageHost;

// Which entries of a list record a load keeps when a field fails: none when the
// head or the first entry fails, the first when the second fails.
enum class ListPart { Head, Entry1, Entry2 };

int EntriesKept(ListPart part) { return part == ListPart::Entry2 ? 1 : 0; }

void StyleFields(Fields& f, int n, const std::string& name)
{
    const std::string s = "style " + std::to_string(n) + " ";
    f.Text(s + "name", name).I16(s + "reserved value", 0x2345).Text(s + "trap width", "0.3");
    f.Text(s + "black width", "0.5").Text(s + "step limit", "10").Text(s + "black color limit", "100");
    f.Text(s + "black density limit", "1.6").Text(s + "sliding trap limit", "70");
    f.I32(s + "image trap placement", 3).I16(s + "trap images to objects", 1).I16(s + "internal image trapping", 0);
    f.Text(s + "image resolution", "2400").Text(s + "spare text", "").Text(s + "color scaling", "100");
}

ListPart StylePart(const std::string& field)
{
    if (field.rfind("style 1 ", 0) == 0) return ListPart::Entry1;
    if (field.rfind("style 2 ", 0) == 0) return ListPart::Entry2;
    return ListPart::Head;
}

class StyleRecordFailTest : public ::testing::Test {
protected:
    // The list as the preferences file left it: one style the record does not name.
    void FreshList()
    {
        Module().currentStyleList = std::make_unique<TrapStyleList>();
        auto kept = orvane::TrapStyle::WithDefaults();
        kept->name = "From preferences";
        Module().currentStyleList->AddStyle(std::move(kept));
    }
    StorageHost t;
};

TEST_F(StyleRecordFailTest, EveryFieldEveryWay)
{
    Fields f;
    f.Byte("mark", 'w').I16("count", 2);
    StyleFields(f, 1, "First");
    StyleFields(f, 2, "Second");
    // The table: each field of the record, named, with the part it belongs to.
    for (const Fields::Field& field : f.All()) {
        const ListPart part = StylePart(field.name);
        for (ReadFault fault : orvane::test::kEveryReadFault) {
            SCOPED_TRACE(field.name + ": " + orvane::test::FaultName(fault));
            FreshList();
            t.StoreWithFault("CCC", f, field.name, fault);
            EXPECT_FALSE(orvane::LoadStyleRecord());
            const TrapStyleList& list = *Module().currentStyleList;
            ASSERT_EQ(list.Count(), 1 + EntriesKept(part));
            EXPECT_EQ(list.StyleAt(0)->name, "From preferences");
            if (part == ListPart::Entry2) {
                EXPECT_EQ(list.StyleAt(1)->name, "First");
                EXPECT_EQ(list.StyleAt(1)->trapColorScaling, "100");
            }
            EXPECT_TRUE(t.Balanced());
        }
    }
    t.host.failReads = {1, 0, 0};
    t.host.shortReads = {1, 0, 0};
    FreshList();
    t.RecordBytes("CCC") = f.Get();
    EXPECT_TRUE(orvane::LoadStyleRecord());
    EXPECT_EQ(Module().currentStyleList->Count(), 3);
    Module().currentStyleList.reset();
}

TEST_F(StyleRecordFailTest, WrongMarksAndCountsAtTheirLimits)
{
    struct Case {
        const char* what;
        char mark;
        int count;
        bool whole;
        int added;
    };
    // One style follows the head.
    const std::vector<Case> table = {
        {"mark x", 'x', 1, false, 0},
        {"mark NUL", '\0', 1, false, 0},
        {"mark m over little-endian data: 256 styles", 'm', 1, false, 1},
        {"count 0", 'w', 0, true, 0},
        {"count -1 reads nothing", 'w', -1, true, 0},
        {"count 2 past the data", 'w', 2, false, 1},
        {"count 32767 past the data", 'w', 32767, false, 1},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.what);
        FreshList();
        Fields f;
        f.Byte("mark", c.mark).I16("count", c.count);
        StyleFields(f, 1, "Only");
        t.RecordBytes("CCC") = f.Get();
        EXPECT_EQ(orvane::LoadStyleRecord(), c.whole);
        EXPECT_EQ(Module().currentStyleList->Count(), 1 + c.added);
        EXPECT_TRUE(t.Balanced());
    }
    Module().currentStyleList.reset();
}

class InkRecordFailTest : public ::testing::Test {
protected:
    // Loads the record; whether it was read whole, or the status raised.
    int Load(InkList& list, std::int16_t& next)
    {
        try {
            orvane::PrivateDataRef accessor(orvane::kPrivateDataAccessor);
            return orvane::LoadSavedInks(*accessor.get(), list, next) ? 1 : 0;
        } catch (const orvane::HostError& e) {
            return e.status();
        }
    }
    static void InkFields(Fields& f, int n, const std::string& name, const std::string& process, int number)
    {
        const std::string s = "ink " + std::to_string(n) + " ";
        f.Text(s + "name", name).Text(s + "process name", process).Text(s + "density", "0.5");
        f.I16(s + "type", 2).I16(s + "number", number);
    }
    StorageHost t;
};

TEST_F(InkRecordFailTest, EveryFieldEveryWay)
{
    Fields f;
    f.Byte("mark", 'w').I16("count", 2);
    InkFields(f, 1, "Gold", "", 4);
    InkFields(f, 2, "", "Cyan", 9);
    for (const Fields::Field& field : f.All()) {
        const ListPart part = field.name.rfind("ink 1 ", 0) == 0   ? ListPart::Entry1
                          : field.name.rfind("ink 2 ", 0) == 0 ? ListPart::Entry2
                                                               : ListPart::Head;
        for (ReadFault fault : orvane::test::kEveryReadFault) {
            SCOPED_TRACE(field.name + ": " + orvane::test::FaultName(fault));
            t.StoreWithFault("BBB", f, field.name, fault);
            InkList list;
            std::int16_t next = 1;
            // A record whose first byte cannot be read is taken for the empty record an
            // empty list saves; every later failure is reported.
            const bool empty = field.name == "mark";
            EXPECT_EQ(Load(list, next), empty ? 1 : 0);
            ASSERT_EQ(list.Count(), EntriesKept(part));
            EXPECT_EQ(next, part == ListPart::Entry2 ? 5 : 1);
            if (part == ListPart::Entry2) {
                EXPECT_EQ(list.EntryAt(0)->name, "Gold");
                EXPECT_EQ(list.EntryAt(0)->type, 2);
            }
            EXPECT_TRUE(t.Balanced());
        }
    }
    t.host.failReads = {1, 0, 0};
    t.host.shortReads = {1, 0, 0};
    t.RecordBytes("BBB") = f.Get();
    InkList list;
    std::int16_t next = 1;
    EXPECT_EQ(Load(list, next), 1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(next, 10);
}

TEST_F(InkRecordFailTest, NextNumberAtItsLimits)
{
    struct Case {
        int stored;
        std::int16_t before;
        std::int16_t after;
    };
    const std::vector<Case> table = {
        {5, 1, 6},     {5, 5, 6},           {5, 6, 6},          {5, 7, 7},     {1, 1, 2},
        {0, 1, 1},     {-1, 1, 1},          {-32768, 1, 1},     {32766, 1, 32767},
        {32767, 1, 1},  // no number lies past it: the counter stays
        {32767, 32767, 32767},
    };
    for (const Case& c : table) {
        SCOPED_TRACE("stored " + std::to_string(c.stored) + ", next " + std::to_string(c.before));
        Fields f;
        f.Byte("mark", 'w').I16("count", 1);
        InkFields(f, 1, "Gold", "", c.stored);
        t.RecordBytes("BBB") = f.Get();
        InkList list;
        std::int16_t next = c.before;
        EXPECT_EQ(Load(list, next), 1);
        EXPECT_EQ(next, c.after);
        ASSERT_EQ(list.Count(), 1);
        EXPECT_EQ(list.EntryAt(0)->number, c.stored);
    }
}

TEST_F(InkRecordFailTest, WrongMarksAndCountsAtTheirLimits)
{
    struct Case {
        const char* what;
        char mark;
        int count;
        int result;
        int kept;
    };
    const std::vector<Case> table = {
        {"mark x", 'x', 1, 0, 0},
        {"mark NUL", '\0', 1, 0, 0},
        {"mark m over little-endian data: 256 inks", 'm', 1, 0, 1},
        {"count 0", 'w', 0, 1, 0},
        {"count -32768 reads nothing", 'w', -32768, 1, 0},
        {"count 2 past the data", 'w', 2, 0, 1},
        {"count 32767 past the data", 'w', 32767, 0, 1},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.what);
        Fields f;
        f.Byte("mark", c.mark).I16("count", c.count);
        InkFields(f, 1, "Gold", "", 3);
        t.RecordBytes("BBB") = f.Get();
        InkList list;
        std::int16_t next = 1;
        EXPECT_EQ(Load(list, next), c.result);
        EXPECT_EQ(list.Count(), c.kept);
        EXPECT_TRUE(t.Balanced());
    }
}

}  // namespace
