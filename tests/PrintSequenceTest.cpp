#include <gtest/gtest.h>

#include "postscript/PageZones.h"
#include "tests/TestHost.h"

namespace orvane {
namespace {

std::vector<std::int16_t> Drain(PrintedPageSequence& sequence, std::size_t count)
{
    std::vector<std::int16_t> pages;
    for (std::size_t i = 0; i < count; ++i) pages.push_back(NextPrintedPage(sequence));
    return pages;
}

PrintSelection Pages(std::int16_t count)
{
    PrintSelection selection;
    selection.firstPage = 1;
    selection.pageCount = count;
    return selection;
}

TEST(PrintedPages, ReverseTwoCopiesThenNumberZero)
{
    PrintedPageSequence sequence;
    PrintSelection selection = Pages(3);
    selection.reverse = 1;
    selection.copies = 2;
    ASSERT_TRUE(BuildPrintedPageSequence(sequence, selection));
    EXPECT_EQ(Drain(sequence, 8), (std::vector<std::int16_t>{3, 2, 1, 3, 2, 1, 0, 0}));
}

TEST(PrintedPages, NoCopiesClearsTheSequence)
{
    PrintedPageSequence sequence;
    PrintSelection selection = Pages(3);
    selection.copies = 0;
    ASSERT_TRUE(BuildPrintedPageSequence(sequence, selection));
    EXPECT_EQ(sequence.position, -1);
    EXPECT_EQ(Drain(sequence, 3), (std::vector<std::int16_t>{0, 0, 0}));
    selection.copies = -4;
    ASSERT_TRUE(BuildPrintedPageSequence(sequence, selection));
    EXPECT_EQ(NextPrintedPage(sequence), 0);
}

TEST(PrintedPages, UnbuiltSequenceAnswersZero)
{
    PrintedPageSequence sequence;
    EXPECT_EQ(NextPrintedPage(sequence), 0);
    EXPECT_EQ(sequence.position, -1);
}

TEST(PrintedPages, ParityOfAllPagesAndOfARange)
{
    PrintedPageSequence sequence;
    PrintSelection selection = Pages(6);
    selection.parity = 1;
    BuildPrintedPageSequence(sequence, selection);
    EXPECT_EQ(sequence.entries, (std::vector<std::int16_t>{2, 4, 6}));
    selection.parity = 2;
    BuildPrintedPageSequence(sequence, selection);
    EXPECT_EQ(sequence.entries, (std::vector<std::int16_t>{1, 3, 5}));
    selection.parity = 5;
    BuildPrintedPageSequence(sequence, selection);
    EXPECT_TRUE(sequence.entries.empty());
    EXPECT_EQ(NextPrintedPage(sequence), 0);

    selection.parity = 0;
    selection.pageRange = "5-6, 2, 2-3";
    BuildPrintedPageSequence(sequence, selection);
    EXPECT_EQ(sequence.entries, (std::vector<std::int16_t>{5, 6, 2, 2, 3}));
    selection.parity = 2;
    BuildPrintedPageSequence(sequence, selection);
    EXPECT_EQ(sequence.entries, (std::vector<std::int16_t>{5, 3}));
    selection.parity = 0;
    selection.pageRange = "4-";
    BuildPrintedPageSequence(sequence, selection);
    EXPECT_EQ(sequence.entries, (std::vector<std::int16_t>{4, 5, 6}));
}

TEST(PrintedPages, InvalidRangeLeavesTheSequenceUnbuilt)
{
    PrintedPageSequence sequence;
    PrintSelection selection = Pages(6);
    for (const char* range : {"7", "5-3", "1,,2", "x", "0-2"}) {
        selection.pageRange = range;
        EXPECT_FALSE(BuildPrintedPageSequence(sequence, selection)) << range;
        EXPECT_EQ(NextPrintedPage(sequence), 0) << range;
    }
}

TEST(PrintedPages, Spreads)
{
    EXPECT_EQ(SpreadsOf({1, 2, 3, 4, 5}, false, 0, 0), (std::vector<std::int16_t>{1, 2, 4}));
    EXPECT_EQ(SpreadsOf({2, 4, 6}, true, 1, 6), (std::vector<std::int16_t>{1, 2, 4, 6}));
    EXPECT_EQ(SpreadsOf({1, 3, 5}, true, 2, 6), (std::vector<std::int16_t>{1, 2, 4, 6}));
    EXPECT_EQ(SpreadsOf({1, 3, 5}, true, 2, 5), (std::vector<std::int16_t>{1, 2, 4}));
    EXPECT_EQ(SpreadsOf({3, 1}, false, 0, 0), (std::vector<std::int16_t>{2, 1}));
    EXPECT_TRUE(SpreadsOf({}, true, 2, 6).empty());

    PrintedPageSequence sequence;
    PrintSelection selection = Pages(6);
    selection.parity = 2;
    selection.spreads = 1;
    selection.reverse = 1;
    BuildPrintedPageSequence(sequence, selection);
    EXPECT_EQ(sequence.entries, (std::vector<std::int16_t>{6, 4, 2, 1}));
}

TEST(PrintedPages, LongJobsKeepOneCopyAndCountPast32767)
{
    PrintedPageSequence sequence;
    PrintSelection selection = Pages(2000);
    selection.copies = 20;
    BuildPrintedPageSequence(sequence, selection);
    EXPECT_EQ(sequence.entries.size(), 2000u);
    std::int16_t last = 0;
    for (int i = 0; i < 40000; ++i) {
        std::int16_t page = NextPrintedPage(sequence);
        ASSERT_EQ(page, i % 2000 + 1) << i;
        last = page;
    }
    EXPECT_EQ(last, 2000);
    EXPECT_EQ(NextPrintedPage(sequence), 0);
}

TEST(PrintedPages, BuiltFromTheHostsPrintOptions)
{
    test::TestHost t;
    t.host.publication.SetPageCount(5);
    t.host.publication.pageRange = "2-4";
    t.host.publication.reverse = 1;
    t.host.publication.copies = 2;
    PrintedPageSequence sequence;
    ASSERT_TRUE(BuildPrintedPageSequence(sequence));
    EXPECT_EQ(Drain(sequence, 7), (std::vector<std::int16_t>{4, 3, 2, 4, 3, 2, 0}));
    EXPECT_EQ(t.host.requests, (std::vector<std::uint16_t>{3518, 3503}));
}

}  // namespace
}  // namespace orvane
