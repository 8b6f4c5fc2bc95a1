#include <gtest/gtest.h>

#include "TestHost.h"
#include "model/Ink.h"
#include "model/TrapStyle.h"
#include "model/TrapZone.h"

namespace {

using orvane::InkEntry;
using orvane::InkList;
using orvane::TrapStyle;
using orvane::TrapStyleList;
using orvane::TrapZone;
using orvane::TrapZoneList;

std::unique_ptr<TrapStyle> Named(const std::string& name, int inUse, const std::string& width = "1")
{
    auto s = TrapStyle::WithDefaults();
    s->name = name;
    s->inUse = inUse;
    s->trapWidth = width;
    return s;
}

std::unique_ptr<TrapZone> ZoneOf(const std::string& style, std::vector<int> pages)
{
    auto z = std::make_unique<TrapZone>();
    z->styleName = style;
    for (int p : pages) z->AddPage(p * 10, static_cast<std::int16_t>(p));
    return z;
}

TEST(ModelStyles, AddStyleKeepsTheExistingDefinitionAndMergesInUse)
{
    TrapStyleList list;
    EXPECT_TRUE(list.AddStyle(Named("A", 0, "first")));
    EXPECT_FALSE(list.AddStyle(Named("A", 0, "second")));
    EXPECT_EQ(list.StyleAt(0)->inUse, 0);
    EXPECT_FALSE(list.AddStyle(Named("A", 1, "third")));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.StyleAt(0)->trapWidth, "first");
    EXPECT_EQ(list.StyleAt(0)->inUse, 1);
    EXPECT_FALSE(list.AddStyle(Named("A", 0)));
    EXPECT_EQ(list.StyleAt(0)->inUse, 1);
    EXPECT_TRUE(list.AddStyle(Named("a", 0)));  // case matters
    EXPECT_EQ(list.StyleAt(-1), nullptr);
    EXPECT_FALSE(list.RemoveStyleAt(2));
    EXPECT_EQ(list.Count(), 2);
}

TEST(ModelStyles, InUseFollowsTheZones)
{
    TrapStyleList list;
    list.AddStyle(Named("Used", 0));
    list.AddStyle(Named("Idle", 0));
    list.AddStyle(Named("Sticky", 1));
    TrapZoneList zones;
    zones.AppendZone(ZoneOf("Used", {1}));
    zones.AppendZone(ZoneOf("Nobody", {2}));
    list.MarkStylesUsedByZones(zones);
    EXPECT_EQ(list.FindStyle("Used")->inUse, 1);
    EXPECT_EQ(list.FindStyle("Idle")->inUse, 0);
    EXPECT_EQ(list.FindStyle("Sticky")->inUse, 1);  // never cleared by marking
    EXPECT_EQ(list.CountStylesToSave("Idle"), 3);
    EXPECT_EQ(list.CountStylesToSave(""), 2);
    const std::string reserved = "[Device]";
    EXPECT_FALSE(zones.AllZoneStylesDefined(&list, reserved));
    EXPECT_FALSE(zones.AllZoneStylesDefined(nullptr, reserved));
    zones.RemoveZoneAt(1);
    EXPECT_TRUE(zones.AllZoneStylesDefined(&list, reserved));
    zones.AppendZone(ZoneOf(reserved, {3}));  // the device's own settings need no style
    EXPECT_TRUE(zones.AllZoneStylesDefined(&list, reserved));
    EXPECT_FALSE(zones.AllZoneStylesDefined(&list, "[Other]"));
}

TEST(ModelStyles, CopyStyleListSharesNothing)
{
    auto source = std::make_unique<TrapStyleList>();
    source->AddStyle(Named("A", 1, "0.3"));
    source->AddStyle(Named("B", 0));
    auto copy = TrapStyleList::CopyStyleList(*source);
    ASSERT_EQ(copy->Count(), 2);
    EXPECT_NE(copy->StyleAt(0), source->StyleAt(0));
    source->StyleAt(0)->trapWidth = "changed";
    source.reset();
    EXPECT_EQ(copy->StyleAt(0)->name, "A");
    EXPECT_EQ(copy->StyleAt(0)->trapWidth, "0.3");
    EXPECT_EQ(copy->StyleAt(0)->inUse, 1);
}

TEST(ModelZones, TwoZonesOnOnePage)
{
    orvane::test::TestHost t;
    TrapZoneList zones;
    zones.AppendZone(ZoneOf("X", {1, 4}));
    zones.AppendZone(ZoneOf("Y", {2}));
    zones.AppendZone(ZoneOf("Z", {4, 5}));
    EXPECT_EQ(zones.FirstZoneForPage(4), zones.ZoneAt(0));
    EXPECT_EQ(zones.NextZoneForPage(), zones.ZoneAt(2));
    EXPECT_EQ(zones.NextZoneForPage(), nullptr);
    EXPECT_EQ(zones.NextZoneForPage(), nullptr);  // the lookup is over
    EXPECT_EQ(zones.FirstZoneForPage(3), nullptr);
    EXPECT_EQ(zones.NextZoneForPage(), nullptr);

    TrapZoneList none;
    EXPECT_EQ(none.FirstZoneForPage(1), nullptr);
    EXPECT_EQ(none.ZoneAt(0), nullptr);
}

TEST(ModelZones, APageNumberedZeroNeverYieldsASecondZone)
{
    orvane::test::TestHost t;
    TrapZoneList zones;
    zones.AppendZone(ZoneOf("X", {0}));
    zones.AppendZone(ZoneOf("Y", {0}));
    EXPECT_EQ(zones.FirstZoneForPage(0), zones.ZoneAt(0));
    EXPECT_EQ(zones.NextZoneForPage(), nullptr);
}

std::string Names(const InkList& list)
{
    std::string out;
    for (const auto& e : list.Entries()) out += e->name;
    return out;
}

TEST(ModelInks, MoveUpAndDownExchangeNeighbours)
{
    InkList list;
    auto reset = [&list] {
        list.Clear();
        for (const char* n : {"A", "B", "C"}) {
            auto e = std::make_unique<InkEntry>();
            e->name = n;
            list.Append(std::move(e));
        }
    };
    reset();
    list.MoveUp(0);
    EXPECT_EQ(Names(list), "BAC");
    reset();
    list.MoveDown(1);
    EXPECT_EQ(Names(list), "ACB");
    reset();
    list.MoveUp(2);
    list.MoveDown(2);
    list.MoveUp(-1);
    list.MoveDown(-1);
    EXPECT_EQ(Names(list), "ABC");
}

TEST(ModelInks, ProcessInkIndexKnowsOnlyTheFourProcessNames)
{
    const std::pair<const char*, int> cases[] = {{"Cyan", 0},    {"Magenta", 1}, {"Yellow", 2}, {"Black", 3},
                                                 {"cyan", orvane::kNotProcessInk}, {"", orvane::kNotProcessInk},
                                                 {"Black ", orvane::kNotProcessInk}};
    for (const auto& [name, index] : cases) EXPECT_EQ(InkList::ProcessInkIndex(name), index) << '"' << name << '"';
}

TEST(ModelInks, FindByNameMarksOnlyTheFirstMatch)
{
    InkList list;
    for (int i = 0; i < 2; ++i) {
        auto e = std::make_unique<InkEntry>();
        e->name = "Gold";
        e->number = static_cast<std::int16_t>(i);
        list.Append(std::move(e));
    }
    InkEntry* found = list.FindByName("Gold");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->number, 0);
    EXPECT_TRUE(list.EntryAt(0)->present);
    EXPECT_FALSE(list.EntryAt(1)->present);
    EXPECT_EQ(list.FindByName("gold"), nullptr);
    std::string order;
    EXPECT_TRUE(list.TrappingOrderText(order));
    EXPECT_EQ(order, "(Gold)cvn (Gold)cvn ");
    InkList empty;
    EXPECT_FALSE(empty.TrappingOrderText(order));
    EXPECT_EQ(order, "");
}

}  // namespace
