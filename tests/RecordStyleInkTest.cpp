#include <gtest/gtest.h>

#include "RecordBytes.h"
#include "model/Ink.h"
#include "model/TrapStyle.h"
#include "state/ModuleState.h"
#include "storage/InkRecord.h"
#include "storage/PrivateRecord.h"
#include "storage/StyleRecord.h"

namespace {

using orvane::InkEntry;
using orvane::InkList;
using orvane::Module;
using orvane::TrapStyle;
using orvane::TrapStyleList;
using orvane::test::Bytes;
using orvane::test::StorageHost;

std::unique_ptr<TrapStyle> Style(const std::string& name, int inUse, const std::string& width = "0.25")
{
    auto style = TrapStyle::WithDefaults();
    style->name = name;
    style->inUse = inUse;
    style->trapWidth = width;
    style->reservedValue = 0x12345;
    style->spareText = "sp";
    style->imageTrapPlacement = orvane::kPlacementSpread;
    return style;
}

void StyleBlock(Bytes& b, const std::string& name, const std::string& width)
{
    b.Text(name).I16(0x2345).Text(width).Text("0.50").Text("10").Text("100").Text("1.6").Text("70");
    b.I32(3).I16(1).I16(0).Text("2400").Text("sp").Text("100");
}

class StyleRecordTest : public ::testing::Test {
protected:
    StyleRecordTest() { Module().currentStyleList = std::make_unique<TrapStyleList>(); }
    TrapStyleList& List() { return *Module().currentStyleList; }
    StorageHost t;
};

TEST_F(StyleRecordTest, SavesStylesInUseAndTheDefaultOnly)
{
    orvane::Settings().defaultStyleName = "Default";
    List().AddStyle(Style("Used", 1, "0.3"));
    List().AddStyle(Style("Idle", 0));
    List().AddStyle(Style("Default", 0, "0.1"));
    List().AddStyle(Style(orvane::ReservedStyleName(), 1));
    orvane::SaveStyleRecord();

    Bytes b;
    b.Byte('w').I16(2);
    StyleBlock(b, "Used", "0.3");
    StyleBlock(b, "Default", "0.1");
    EXPECT_EQ(t.RecordBytes("CCC"), b.Get());
    EXPECT_TRUE(t.Balanced());
}

TEST_F(StyleRecordTest, EmptyListWritesCountZero)
{
    orvane::SaveStyleRecord();
    EXPECT_EQ(t.RecordBytes("CCC"), Bytes().Byte('w').I16(0).Get());
}

TEST_F(StyleRecordTest, LoadsBothByteOrdersAndEarlierDefinitionsWin)
{
    for (bool big : {false, true}) {
        SCOPED_TRACE(big ? "m" : "w");
        List().Clear();
        List().AddStyle(Style("Kept", 1, "9"));
        Bytes b(big);
        b.Byte(big ? 'm' : 'w').I16(3);
        StyleBlock(b, "Kept", "0.3");
        StyleBlock(b, "PDS", "0.4");
        StyleBlock(b, "kept", "0.5");
        t.RecordBytes("CCC") = b.Get();
        orvane::LoadStyleRecord();

        ASSERT_EQ(List().Count(), 3);
        EXPECT_EQ(List().StyleAt(0)->trapWidth, "9");
        EXPECT_EQ(List().StyleAt(0)->inUse, 1);
        const TrapStyle& pds = *List().StyleAt(1);
        EXPECT_EQ(pds.name, "PDS");
        EXPECT_EQ(pds.trapWidth, "0.4");
        EXPECT_EQ(pds.reservedValue, 0x2345);
        EXPECT_EQ(pds.imageTrapPlacement, 3);
        EXPECT_EQ(pds.imageToObjectTrapping, 1);
        EXPECT_EQ(pds.spareText, "sp");
        EXPECT_EQ(pds.trapColorScaling, "100");
        EXPECT_EQ(pds.inUse, 0);
        EXPECT_EQ(List().StyleAt(2)->name, "kept");
        EXPECT_TRUE(t.Balanced());
    }
}

TEST_F(StyleRecordTest, ACutStyleIsNotAddedAndLongTextsAreCut)
{
    Bytes b;
    b.Byte('w').I16(5);
    StyleBlock(b, std::string(600, 'L'), "1");
    StyleBlock(b, "Whole", "2");
    StyleBlock(b, "Cut", "3");
    std::vector<char> bytes = b.Get();
    bytes.resize(bytes.size() - 6);  // inside the last style's texts
    t.RecordBytes("CCC") = bytes;
    orvane::LoadStyleRecord();
    ASSERT_EQ(List().Count(), 2);
    EXPECT_EQ(List().StyleAt(0)->name, std::string(499, 'L'));
    EXPECT_EQ(List().StyleAt(1)->name, "Whole");
    EXPECT_EQ(List().StyleAt(1)->trapWidth, "2");
    EXPECT_TRUE(t.Balanced());
}

TEST_F(StyleRecordTest, NothingHappensWithoutAList)
{
    Module().currentStyleList.reset();
    orvane::SaveStyleRecord();
    orvane::LoadStyleRecord();
    EXPECT_FALSE(t.HasRecord("CCC"));
    EXPECT_TRUE(t.host.log.empty());
}

class InkRecordTest : public ::testing::Test {
protected:
    StorageHost t;

    // Loads the record through an accessor held here; a raised status is returned.
    int Load(InkList& list, std::int16_t& next)
    {
        try {
            orvane::PrivateDataRef accessor(orvane::kPrivateDataAccessor);
            orvane::LoadSavedInks(*accessor.get(), list, next);
        } catch (const orvane::HostError& e) {
            return e.status();
        }
        return 0;
    }
    static std::unique_ptr<InkEntry> Entry(const std::string& name, const std::string& process, const std::string& d,
                                           std::int16_t type, std::int16_t number)
    {
        auto e = std::make_unique<InkEntry>();
        e->name = name;
        e->processName = process;
        e->densityText = d;
        e->type = type;
        e->number = number;
        return e;
    }
};

TEST_F(InkRecordTest, SavesProcessInksWithoutTheirDisplayName)
{
    InkList list;
    list.Append(Entry("Process Cyan", "Cyan", "0.6100", 0, 1));
    list.Append(Entry("Gold", "", "0.3", 2, 7));
    EXPECT_TRUE(orvane::SaveInks(list));
    EXPECT_EQ(t.RecordBytes("BBB"),
              Bytes().Byte('w').I16(2).Text("").Text("Cyan").Text("0.6100").I16(0).I16(1).Text("Gold").Text("").Text("0.3").I16(2).I16(7).Get());
    EXPECT_TRUE(t.Balanced());

    InkList loaded;
    std::int16_t next = 1;
    EXPECT_EQ(Load(loaded, next), 0);
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.EntryAt(0)->name, "Process Cyan");
    EXPECT_EQ(loaded.EntryAt(0)->processName, "Cyan");
    EXPECT_EQ(loaded.EntryAt(1)->name, "Gold");
    EXPECT_EQ(loaded.EntryAt(1)->type, 2);
    EXPECT_FALSE(loaded.EntryAt(1)->present);
    EXPECT_EQ(next, 8);
}

TEST_F(InkRecordTest, EmptyListLeavesAnEmptyRecord)
{
    InkList list;
    orvane::SaveInks(list);
    EXPECT_TRUE(t.HasRecord("BBB"));
    EXPECT_TRUE(t.RecordBytes("BBB").empty());
    std::int16_t next = 1;
    EXPECT_EQ(Load(list, next), 0);
    EXPECT_EQ(next, 1);
    EXPECT_TRUE(list.Empty());
}

TEST_F(InkRecordTest, NextNumberFollowsTheHighestSaved)
{
    Bytes b;
    b.Byte('w').I16(3);
    for (int n : {5, 2, 9}) b.Text("I" + std::to_string(n)).Text("").Text("1").I16(0).I16(n);
    t.RecordBytes("BBB") = b.Get();
    InkList list;
    std::int16_t next = 1;
    Load(list, next);
    EXPECT_EQ(next, 10);
    EXPECT_EQ(list.Count(), 3);
}

TEST_F(InkRecordTest, BigEndianCount)
{
    Bytes b(true);
    b.Byte('m').I16(3);
    for (int n : {1, 2, 0x0102}) b.Text("I").Text("").Text("1").I16(3).I16(n);
    ASSERT_EQ(b.Get()[1], 0);
    ASSERT_EQ(b.Get()[2], 3);
    t.RecordBytes("BBB") = b.Get();
    InkList list;
    std::int16_t next = 1;
    Load(list, next);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.EntryAt(2)->number, 0x0102);
    EXPECT_EQ(list.EntryAt(2)->type, 3);
}

TEST_F(InkRecordTest, UnknownProcessNameFailsAndGivesEverythingBack)
{
    t.RecordBytes("BBB") = Bytes().Byte('w').I16(2).Text("Gold").Text("").Text("1").I16(0).I16(1)
                               .Text("").Text("cyan").Text("1").I16(0).I16(2).Get();
    InkList list;
    std::int16_t next = 1;
    EXPECT_EQ(Load(list, next), orvane::kStatusFailure);
    EXPECT_TRUE(t.Balanced());
    ASSERT_GE(t.host.log.size(), 2u);
    EXPECT_EQ(t.host.log[t.host.log.size() - 2], "close");
}

TEST_F(InkRecordTest, ShortRecordKeepsWholeEntries)
{
    std::vector<char> bytes = Bytes().Byte('w').I16(40).Text("A").Text("").Text("1").I16(0).I16(4).Text("B").Get();
    t.RecordBytes("BBB") = bytes;
    InkList list;
    std::int16_t next = 1;
    EXPECT_EQ(Load(list, next), 0);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(next, 5);
    EXPECT_TRUE(t.Balanced());
    t.RecordBytes("BBB") = Bytes().Byte('w').I16(-2).Get();
    list.Clear();
    Load(list, next);
    EXPECT_TRUE(list.Empty());
}

}  // namespace
