#include <gtest/gtest.h>

#include "RecordBytes.h"
#include "storage/PageLabel.h"

namespace {

using orvane::FormatPageLabel;
using orvane::ParsePageLabel;

TEST(Label, FormatsTheSignExtendedKeyUnsigned)
{
    EXPECT_EQ(FormatPageLabel(1234), "ORVT 1234 ORVT");
    EXPECT_EQ(FormatPageLabel(-32768), "ORVT 4294934528 ORVT");
    EXPECT_EQ(FormatPageLabel(0x18000), "ORVT 4294934528 ORVT");
    EXPECT_EQ(FormatPageLabel(0x10005), "ORVT 5 ORVT");
    EXPECT_EQ(FormatPageLabel(-1), "ORVT 4294967295 ORVT");
}

TEST(Label, ParsesThreeFieldsAndKeepsTheLow16Bits)
{
    EXPECT_EQ(ParsePageLabel("ORVT 1234 ORVT"), 1234);
    EXPECT_EQ(ParsePageLabel("ORVT 4294934528 ORVT"), -32768);
    EXPECT_EQ(ParsePageLabel("ORVT -5 ORVT"), -5);
    EXPECT_EQ(ParsePageLabel("  a\t70000 b"), static_cast<std::int16_t>(70000 & 0xFFFF));
    EXPECT_EQ(ParsePageLabel("ORVT 12x"), 12);  // "%d" stops at x, "%s" takes it
    EXPECT_EQ(ParsePageLabel("ORVT 1234"), 0);
    EXPECT_EQ(ParsePageLabel("ORVT ORVT ORVT"), 0);
    EXPECT_EQ(ParsePageLabel(""), 0);
    // Digits beyond 32 bits wrap as they are read: 10^23 - 1 leaves 0xFFFF below.
    EXPECT_EQ(ParsePageLabel("ORVT 99999999999999999999999 O"), -1);
}

TEST(Label, OnlyTheFirst31BytesCount)
{
    EXPECT_EQ(ParsePageLabel("ORVT 77 ORVT" + std::string(500, 'z')), 77);
    EXPECT_EQ(ParsePageLabel(std::string(28, 'a') + " 1 b"), 0);  // the number is cut off
}

TEST(Label, RoundTripThroughTheHost)
{
    orvane::test::StorageHost t;
    const std::int32_t key = t.KeyOfPage(3);
    EXPECT_EQ(orvane::ReadPageLabel(key), 0);
    orvane::WritePageLabel(key);
    EXPECT_EQ(t.LabelOn(2), FormatPageLabel(key));
    EXPECT_EQ(orvane::ReadPageLabel(key), static_cast<std::int16_t>(key));
    t.host.failRequests[3531] = {3, 0, 1};
    EXPECT_EQ(orvane::ReadPageLabel(key), 0);
    t.host.failRequests[1626] = {3, 0, -1};
    EXPECT_NO_THROW(orvane::WritePageLabel(key));
    EXPECT_TRUE(t.Balanced());
}

TEST(Label, ALongReplyIsCut)
{
    orvane::test::StorageHost t;
    const std::int32_t key = t.KeyOfPage(1);
    t.host.publication.pages[0].labels[{"HLCX", "ORVT"}] = "ORVT " + std::to_string(key) + " " + std::string(5000, 'q');
    EXPECT_EQ(orvane::ReadPageLabel(key), static_cast<std::int16_t>(key));
    EXPECT_TRUE(t.Balanced());
}

}  // namespace
