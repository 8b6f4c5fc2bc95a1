// The page lookups of a zone list answered from its page index against the same
// lookups walking the list: random lists and lookups, edits in between.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

#include "model/TrapZone.h"

namespace orvane {
namespace {

// Page numbers drawn mostly from a small publication, with page 0, negative
// numbers and both ends of the 16-bit range now and then.
std::int16_t DrawPage(std::mt19937& random)
{
    static const std::int16_t kOdd[] = {0, -1, -7, 32767, -32768};
    if (random() % 8 == 0) return kOdd[random() % 5];
    return static_cast<std::int16_t>(1 + random() % 12);
}

std::vector<std::int16_t> DrawPages(std::mt19937& random)
{
    std::vector<std::int16_t> pages(random() % 7);  // repeats and empty zones included
    for (auto& page : pages) page = DrawPage(random);
    return pages;
}

// One list answering from its index and its twin walking, always holding the same zones.
class IndexAndWalk {
public:
    void Append(const std::vector<std::int16_t>& pages)
    {
        for (TrapZoneList* list : {&indexed, &walked}) {
            auto zone = std::make_unique<TrapZone>();
            for (std::int16_t page : pages) zone->AddPage(1000 + page, page);
            list->AppendZone(std::move(zone));
        }
    }
    void Remove(int position)
    {
        indexed.RemoveZoneAt(position);
        walked.RemoveZoneAt(position);
    }
    void Repage(int position, const std::vector<std::int16_t>& pages)
    {
        for (TrapZoneList* list : {&indexed, &walked}) {
            TrapZoneEdit zone = list->EditZoneAt(position);
            zone->pages.clear();
            for (std::int16_t page : pages) zone->AddPage(2000 + page, page);
        }
    }
    // -1 for none, else the zone's position.
    static int PositionOf(const TrapZoneList& list, const TrapZone* zone)
    {
        for (int i = 0; i < list.Count(); ++i) {
            if (list.ZoneAt(i) == zone) return i;
        }
        return zone == nullptr ? -1 : -2;
    }
    // Both lists make the same lookup; false when their answers, or the positions
    // they remember, differ.
    bool First(std::int16_t page, int* answer = nullptr)
    {
        const int a = PositionOf(indexed, indexed.FirstZoneForPage(page));
        const int b = PositionOf(walked, walked.FirstZoneForPage(page));
        if (answer) *answer = a;
        return a == b && indexed.LookupPosition() == walked.LookupPosition() && (a < 0 || indexed.LookupPosition() == a);
    }
    bool Next(int* answer = nullptr)
    {
        const int a = PositionOf(indexed, indexed.NextZoneForPage());
        const int b = PositionOf(walked, walked.NextZoneForPage());
        if (answer) *answer = a;
        return a == b && indexed.LookupPosition() == walked.LookupPosition() && (a < 0 || indexed.LookupPosition() == a);
    }
    // Every zone of every page in [-8, 14] and the ends of the range, First then Next
    // until none and once more.
    ::testing::AssertionResult AllPagesAgree()
    {
        std::vector<int> pages = {-32768, 32767};
        for (int p = -8; p <= 14; ++p) pages.push_back(p);
        for (int p : pages) {
            const auto page = static_cast<std::int16_t>(p);
            int answer = 0;
            if (!First(page, &answer)) return ::testing::AssertionFailure() << "first zone of page " << p;
            for (int step = 0; answer >= 0; ++step) {
                if (!Next(&answer)) return ::testing::AssertionFailure() << "zone " << step + 2 << " of page " << p;
            }
            if (!Next()) return ::testing::AssertionFailure() << "after the last zone of page " << p;
        }
        return ::testing::AssertionSuccess();
    }

    TrapZoneList indexed;
    TrapZoneList walked;
};

TEST(ZonePageIndex, RandomListsAnswerAsTheWalk)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        IndexAndWalk lists;
        const int zones = static_cast<int>(random() % 30);
        for (int z = 0; z < zones; ++z) lists.Append(DrawPages(random));
        lists.indexed.BuildPageIndex();
        ASSERT_TRUE(lists.indexed.HasPageIndex());
        ASSERT_FALSE(lists.walked.HasPageIndex());
        EXPECT_TRUE(lists.AllPagesAgree()) << "seed " << seed;

        // Lookups interleaved at random: the remembered position and page must match.
        for (int step = 0; step < 300; ++step) {
            int answer = 0;
            if (random() % 3 == 0) {
                const std::int16_t page = DrawPage(random);
                ASSERT_TRUE(lists.First(page, &answer)) << "seed " << seed << " step " << step << " page " << page;
            } else {
                ASSERT_TRUE(lists.Next(&answer)) << "seed " << seed << " step " << step;
            }
        }
        EXPECT_TRUE(lists.indexed.HasPageIndex());
    }
}

TEST(ZonePageIndex, EveryChangeDropsTheIndexAndTheAnswersFollowTheChange)
{
    for (unsigned seed = 100; seed < 120; ++seed) {
        std::mt19937 random(seed);
        IndexAndWalk lists;
        for (int z = 0; z < 8; ++z) lists.Append(DrawPages(random));
        for (int step = 0; step < 60; ++step) {
            lists.indexed.BuildPageIndex();
            // A lookup under way when the list changes goes on as the walk does.
            int answer = 0;
            ASSERT_TRUE(lists.First(DrawPage(random), &answer));
            const auto count = static_cast<unsigned>(lists.indexed.Count());
            const std::uint32_t revision = lists.indexed.Revision();
            switch (count > 0 ? random() % 4 : 0) {
            case 0: lists.Append(DrawPages(random)); break;
            case 1: lists.Remove(static_cast<int>(random() % count)); break;
            case 2: lists.Repage(static_cast<int>(random() % count), DrawPages(random)); break;
            default:
                lists.indexed.Clear();
                lists.walked.Clear();
                for (int z = 0; z < 5; ++z) lists.Append(DrawPages(random));
                break;
            }
            ASSERT_FALSE(lists.indexed.HasPageIndex()) << "seed " << seed << " step " << step;
            ASSERT_NE(lists.indexed.Revision(), revision) << "seed " << seed << " step " << step;
            ASSERT_TRUE(lists.Next()) << "seed " << seed << " step " << step;
            ASSERT_TRUE(lists.AllPagesAgree()) << "seed " << seed << " step " << step << " before a new index";
            lists.indexed.BuildPageIndex();
            ASSERT_TRUE(lists.AllPagesAgree()) << "seed " << seed << " step " << step << " with a new index";
        }
    }
}

TEST(ZonePageIndex, SeveralZonesNoZoneAndPageZero)
{
    IndexAndWalk lists;
    lists.Append({1, 4, 4});
    lists.Append({2});
    lists.Append({4, 5, 0});
    lists.Append({0, 4});
    lists.indexed.BuildPageIndex();
    struct Case {
        std::int16_t page;
        std::vector<int> zones;
    };
    const Case cases[] = {
        {4, {0, 2, 3}},  // in list order, the zone that lists it twice once
        {3, {}},         // between held pages
        {9, {}},         // past the last held page
        {-3, {}},        // before the first
        {0, {2}},        // page 0 never yields a second zone
        {1, {0}},
    };
    for (const Case& c : cases) {
        std::vector<int> got;
        int answer = 0;
        ASSERT_TRUE(lists.First(c.page, &answer));
        while (answer >= 0) {
            got.push_back(answer);
            ASSERT_TRUE(lists.Next(&answer));
        }
        EXPECT_EQ(got, c.zones) << "page " << c.page;
        EXPECT_TRUE(lists.Next()) << "the lookup of page " << c.page << " is over";
    }
    TrapZoneList empty;
    empty.BuildPageIndex();
    EXPECT_TRUE(empty.HasPageIndex());
    EXPECT_EQ(empty.FirstZoneForPage(1), nullptr);
    EXPECT_EQ(empty.NextZoneForPage(), nullptr);
}

TEST(ZonePageIndex, NoIndexIsBuiltWhileAZoneIsOpenForChange)
{
    IndexAndWalk lists;
    lists.Append({1, 2});
    lists.Append({3});
    lists.indexed.BuildPageIndex();
    std::uint32_t revision = lists.indexed.Revision();
    {
        TrapZoneEdit zone = lists.indexed.EditZoneAt(1);
        ASSERT_TRUE(zone);
        EXPECT_FALSE(lists.indexed.HasPageIndex());
        EXPECT_NE(lists.indexed.Revision(), revision);
        lists.indexed.BuildPageIndex();
        EXPECT_FALSE(lists.indexed.HasPageIndex());
        zone->AddPage(0, 1);
        EXPECT_FALSE(lists.indexed.EditZoneAt(2));
        revision = lists.indexed.Revision();
    }
    EXPECT_NE(lists.indexed.Revision(), revision) << "closing an edit is a change too";
    {
        TrapZoneEdit zone = lists.walked.EditZoneAt(1);
        zone->AddPage(0, 1);
    }
    EXPECT_TRUE(lists.AllPagesAgree());
    lists.indexed.BuildPageIndex();
    EXPECT_TRUE(lists.indexed.HasPageIndex());
    EXPECT_TRUE(lists.AllPagesAgree());
}

}  // namespace
}  // namespace orvane
