#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/PageRange.h"
#include "model/TrapZone.h"
#include "storage/ZonePages.h"
#include "TestHost.h"

namespace {

using orvane::CountPageRangePages;
using orvane::ExpandPageRange;
using orvane::FormatPageRange;
using orvane::NextPageRangeElement;
using orvane::ValidatePageRange;

// Pages 1 to 10.
bool Valid(const std::string& text) { return ValidatePageRange(text, 1, 10) >= 0; }

struct Element {
    int start, end;
    bool operator==(const Element& o) const { return start == o.start && end == o.end; }
};

std::vector<Element> Elements(const std::string& text, std::int16_t first, std::int16_t count)
{
    std::vector<Element> out;
    int cursor = 0, position = 0;
    for (int guard = 0; guard < 100; ++guard) {
        std::uint16_t s = 0, e = 0;
        position = NextPageRangeElement(text, first, count, position, cursor, s, e);
        if (position < 0) break;
        out.push_back({s, e});
    }
    return out;
}

TEST(PageRange, AcceptsAndRefusesElements)
{
    EXPECT_TRUE(Valid("3"));
    EXPECT_TRUE(Valid("1"));
    EXPECT_TRUE(Valid("10"));
    EXPECT_TRUE(Valid("8-"));
    EXPECT_TRUE(Valid("-2"));
    EXPECT_TRUE(Valid("-"));
    EXPECT_TRUE(Valid("1-3,"));
    EXPECT_TRUE(Valid(" 2 - 4 , 6 "));
    EXPECT_TRUE(Valid("1-3, 7, 10-"));

    EXPECT_FALSE(Valid(""));
    EXPECT_FALSE(Valid("0"));
    EXPECT_FALSE(Valid("11"));
    EXPECT_FALSE(Valid("4-2"));
    EXPECT_FALSE(Valid("1,,3"));
    EXPECT_FALSE(Valid(",1"));
    EXPECT_FALSE(Valid("1,3,,"));
    EXPECT_FALSE(Valid("1\t"));
    EXPECT_FALSE(Valid("\t1"));
    EXPECT_FALSE(Valid("1-\t3"));
    EXPECT_FALSE(Valid("1 2"));
    EXPECT_FALSE(Valid("1-2-3"));
    EXPECT_FALSE(Valid("a"));
    EXPECT_FALSE(Valid("2,x"));
    EXPECT_FALSE(Valid("3-11"));
}

TEST(PageRange, ResultIsLengthMinusOne)
{
    EXPECT_EQ(ValidatePageRange("1-3,", 1, 10), 3);
    EXPECT_EQ(ValidatePageRange("7", 1, 10), 0);
    EXPECT_EQ(ValidatePageRange("7,", 1, 10), 1);
}

TEST(PageRange, LengthLimitIsSixtyThreeCharacters)
{
    std::string text = "1";
    while (text.size() < 63) text.insert(0, " ");
    ASSERT_EQ(text.size(), 63u);
    EXPECT_TRUE(Valid(text));
    text.insert(0, " ");
    EXPECT_FALSE(Valid(text));
}

TEST(PageRange, NumbersThatWouldWrapAreRefused)
{
    // 65537 wraps to 1 in 16 bits; it must not stand for page 1.
    EXPECT_FALSE(Valid("65537"));
    EXPECT_FALSE(Valid("1-65546"));
    EXPECT_FALSE(Valid("99999999999999999999"));
    // Pages 65530 to 65535, compared as unsigned 16-bit numbers.
    EXPECT_TRUE(ValidatePageRange("65530-65535", -6, 6) >= 0);
    EXPECT_FALSE(ValidatePageRange("65529", -6, 6) >= 0);
    EXPECT_TRUE(Valid("0003"));
}

TEST(PageRange, NoPagesMeansNothingIsValid)
{
    EXPECT_FALSE(ValidatePageRange("1", 1, 0) >= 0);
    EXPECT_FALSE(ValidatePageRange("-", 0, 0) >= 0);
}

TEST(PageRange, ElementsAndOpenEnds)
{
    EXPECT_EQ(Elements("8-", 1, 10), (std::vector<Element>{{8, 10}}));
    EXPECT_EQ(Elements("-2", 1, 10), (std::vector<Element>{{1, 2}}));
    EXPECT_EQ(Elements("-", 5, 3), (std::vector<Element>{{5, 7}}));
    EXPECT_EQ(Elements(" 2 - 4 , 6 ", 1, 10), (std::vector<Element>{{2, 4}, {6, 6}}));
    EXPECT_EQ(Elements("1-3,", 1, 10), (std::vector<Element>{{1, 3}}));

    int cursor = 0;
    std::uint16_t s = 0, e = 0;
    EXPECT_EQ(NextPageRangeElement("1,2", 1, 10, 3, cursor, s, e), orvane::kPageRangeEnd);
    EXPECT_EQ(NextPageRangeElement("", 1, 10, 0, cursor, s, e), orvane::kPageRangeInvalid);
}

TEST(PageRange, CountsPagesWithDuplicates)
{
    EXPECT_EQ(CountPageRangePages("1-3,2", 1, 10), 4);
    EXPECT_EQ(CountPageRangePages("-", 1, 10), 10);
    EXPECT_EQ(CountPageRangePages("8-, 1", 1, 10), 4);
}

TEST(PageRange, ListsPagesInTextOrderOrNoneForAnInvalidText)
{
    std::vector<std::int16_t> pages{99};
    ASSERT_TRUE(orvane::ListPageRangePages("4-5, 2, -2", 1, 10, pages));
    EXPECT_EQ(pages, (std::vector<std::int16_t>{4, 5, 2, 1, 2}));
    pages = {99};
    EXPECT_FALSE(orvane::ListPageRangePages("1-11", 1, 10, pages));
    EXPECT_TRUE(pages.empty());
}

TEST(PageRange, ExpandsWithHostKeysAndFormatsBack)
{
    orvane::test::TestHost t;
    t.host.publication.SetPageCount(10);
    orvane::TrapZone zone;
    zone.AddPage(77, 9);
    ExpandPageRange("1-3,2", 1, 10, zone);
    ASSERT_EQ(zone.pages.size(), 4u);
    const int numbers[] = {1, 2, 3, 2};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(zone.pages[i]->pageNumber, numbers[i]);
        EXPECT_EQ(zone.pages[i]->pageKey, t.host.publication.pages[numbers[i] - 1].key);
    }
    EXPECT_EQ(FormatPageRange(zone), "1-3,2");
    EXPECT_EQ(t.host.CountRequests(3533), 4);
}

TEST(PageRange, FailedKeyRequestKeepsPreviousPages)
{
    orvane::test::TestHost t;
    t.host.publication.SetPageCount(10);
    orvane::TrapZone zone;
    zone.AddPage(77, 9);
    t.host.failRequests[3533] = {5, 2, 1};
    try {
        ExpandPageRange("1-5", 1, 10, zone);
        ADD_FAILURE() << "expected the Host's status";
    } catch (const orvane::HostError& e) {
        EXPECT_EQ(e.status(), 5);
    }
    ASSERT_EQ(zone.pages.size(), 1u);
    EXPECT_EQ(zone.pages[0]->pageKey, 77);
    EXPECT_EQ(t.host.OutstandingAllocations(), 0);
}

TEST(PageRange, FormatJoinsAscendingRunsOnly)
{
    auto format = [](std::vector<int> numbers) {
        orvane::TrapZone zone;
        for (int n : numbers) zone.AddPage(0, static_cast<std::int16_t>(n));
        return FormatPageRange(zone);
    };
    EXPECT_EQ(format({1, 2, 3, 5, 7, 8}), "1-3,5,7-8");
    EXPECT_EQ(format({3, 2, 1}), "3,2,1");
    EXPECT_EQ(format({4, 4}), "4,4");
    EXPECT_EQ(format({}), "");
    EXPECT_EQ(format({9}), "9");
}

}  // namespace
