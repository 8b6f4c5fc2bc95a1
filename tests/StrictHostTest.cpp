// The Host stand-in refuses a request whose record or input block is not what the
// Host takes, naming the request and the field; the typed requests read each reply
// field from its own place.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "host/HostRequests.h"
#include "host/RequestBlock.h"
#include "tests/TestHost.h"

namespace orvane {
namespace {

// One request as the record carries it. The input block is written by `fill` into
// the plug-in's buffer, or into Host memory of `hostSize` bytes when that is set.
struct RawRequest {
    std::uint16_t id = 0;
    std::function<void(RequestBlock&)> fill;
    std::size_t hostSize = 0;
    std::uint16_t inputKind = kKindPluginBlock;
    std::uint16_t outputKind = kKindNone;
    std::uint32_t outputLength = 0;
    std::uint16_t zero24 = 0;
};

struct RefusalCase {
    const char* what;
    RawRequest request;
    std::vector<std::string> faults;  // the lines the stand-in records
};

void PutLabelHead(RequestBlock& block, const char* creator)
{
    block.PutText(creator);
    block.PutText("ORVT");
    block.PutInt16(5);
    block.PutInt32(0);
}

std::function<void(RequestBlock&)> Label(const char* creator, std::int16_t constant)
{
    return [=](RequestBlock& block) {
        PutLabelHead(block, creator);
        block.PutInt16(constant);
        block.PutInt32(1001);
        block.PutInt16(1);
        block.PutText("ORVT 1001 ORVT");
    };
}

class StrictHostTest : public ::testing::Test {
protected:
    // Fills the record the way RawRequest says and calls the Host's request function.
    std::int16_t Send(const RawRequest& raw)
    {
        HostRequestRecord* record = t.host.Record();
        char buffer[128];
        std::memset(buffer, 0, sizeof buffer);
        void* hostMemory = raw.hostSize != 0 ? t.host.Allocate(static_cast<HostULong>(raw.hostSize)) : nullptr;
        RequestBlock block(hostMemory ? static_cast<char*>(hostMemory) : buffer,
                           hostMemory ? raw.hostSize : sizeof buffer);
        if (raw.fill) raw.fill(block);
        char reply[64];
        record->requestId = raw.id;
        record->inputAddress = raw.fill ? reinterpret_cast<std::uintptr_t>(block.Data()) : 0;
        record->inputLength = raw.fill ? block.Length() : 0;
        record->inputKind = raw.inputKind;
        record->zero24 = raw.zero24;
        record->outputKind = raw.outputKind;
        record->outputLength = raw.outputLength;
        record->output = raw.outputKind == kKindPluginBlock ? reinterpret_cast<std::uintptr_t>(reply) : 0;
        record->zero36 = 0;
        std::int16_t status = record->requestFunction(record);
        if (hostMemory != nullptr) t.host.Free(hostMemory);
        return status;
    }

    test::TestHost t;
};

TEST_F(StrictHostTest, RefusesEachMalformedRequestNamingTheRequestAndTheField)
{
    auto pageNumber = [](RequestBlock& block) { block.PutInt16(2); };
    auto gold = [](RequestBlock& block) { block.PutText("Gold"); };
    const RefusalCase cases[] = {
        {"a plug-in block kind without a block",
         {3511, nullptr, 0, kKindPluginBlock, kKindPluginBlock, 2},
         {"request 3511: input kind 0x100 without an input block, not 0"}},
        {"a value passed by address",
         {3533, pageNumber, 0, kKindValueByAddress, kKindPluginBlock, 4},
         {"request 3533: input kind 0x400, not 0x100 (a block in plug-in memory)"}},
        {"a reply buffer of the wrong size",
         {3511, nullptr, 0, kKindNone, kKindPluginBlock, 4},
         {"request 3511: output length 4, not 2"}},
        {"a buffer where the Host allocates the reply",
         {3513, nullptr, 0, kKindNone, kKindPluginBlock, 64},
         {"request 3513: output kind 0x100, not 0x200 (a Host-allocated reply)",
          "request 3513: output set before a Host-allocated reply, not 0",
          "request 3513: output length 64 for a Host-allocated reply, not 0"}},
        {"a reply asked of a request without one",
         {916, [](RequestBlock& block) { block.PutPlainText("Gold"); }, 0, kKindPluginBlock, kKindHostAllocated, 0},
         {"request 916: output kind 0x200 for no reply, not 0"}},
        {"the constant of a page label",
         {1626, Label("HLCX", 2), 0, kKindPluginBlock, kKindNone, 0},
         {"request 1626: input field 5 (16-bit, fixed value) is 2, not 1"}},
        {"the creator of a page label",
         {1626, Label("HLCY", 1), 0, kKindPluginBlock, kKindNone, 0},
         {"request 1626: input field 1 (text, creator) is \"HLCY\", not \"HLCX\""}},
        {"a label read without its key",
         {3531, [](RequestBlock& block) { PutLabelHead(block, "HLCX"); }, 100, kKindPluginBlock, kKindHostAllocated, 0},
         {"request 3531: input field 5 (32-bit, page key) lies past the input length 18"}},
        {"bytes after the last field",
         {3533, [](RequestBlock& block) { block.PutInt16(2); block.PutInt16(0); }, 0, kKindPluginBlock,
          kKindPluginBlock, 4},
         {"request 3533: input length 4, but its fields take 2 bytes"}},
        {"a print setting value that is to stay",
         {1765,
          [](RequestBlock& block) {
              block.PutInt16(0);
              block.PutInt32(-2);
              block.PutInt32(0);
              for (int i = 0; i < 4; ++i) block.PutInt16(-2);
          },
          0, kKindPluginBlock, kKindNone, 0},
         {"request 1765: input field 3 (32-bit, unchanged value) is 0, not -2"}},
        {"a colour selector",
         {2202, [](RequestBlock& block) { block.PutInt16(2); block.PutText("Gold"); }, 8, kKindPluginBlock,
          kKindHostAllocated, 0},
         {"request 2202: input field 1 (16-bit, selector) is 2, not 1 or 4"}},
        {"a density block in the plug-in's buffer",
         {2803, gold, 0, kKindPluginBlock, kKindHostAllocated, 0},
         {"request 2803: input block not in Host memory"}},
        {"a density block of the wrong size",
         {2803, gold, 6, kKindPluginBlock, kKindHostAllocated, 0},
         {"request 2803: input block in Host memory of 6 bytes, not 7"}},
        {"a name without its zero byte",
         {916, [](RequestBlock& block) { block.PutInt32(0x646C6F47); }, 0, kKindPluginBlock, kKindNone, 0},
         {"request 916: input field 1 (plain text, colour name) has no zero byte within the input length 4"}},
        {"the field at 24", {3523, nullptr, 0, kKindNone, kKindPluginBlock, 2, 1},
         {"request 3523: the 16-bit field at 24 is 1, not 0"}},
        {"an unknown request", {3512, nullptr, 0, kKindNone, kKindPluginBlock, 2},
         {"request 3512: not a request the Host answers"}},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.what);
        t.host.violations.clear();
        EXPECT_EQ(Send(c.request), hostsim::kMalformedRequest);
        EXPECT_EQ(t.host.violations, c.faults);
        EXPECT_EQ(t.host.Record()->output == 0, c.request.outputKind != kKindPluginBlock) << "no reply handle";
    }
    // The same requests well formed are answered.
    t.host.violations.clear();
    EXPECT_EQ(Send({1626, Label("HLCX", 1), 0, kKindPluginBlock, kKindNone, 0}), 0);
    EXPECT_EQ(Send({3511, nullptr, 0, kKindNone, kKindPluginBlock, 2}), 0);
    EXPECT_TRUE(t.host.violations.empty());
}

TEST_F(StrictHostTest, AMalformedRequestFailsTheTestThatMadeIt)
{
    Send({1626, Label("HLCX", 2), 0, kKindPluginBlock, kKindNone, 0});
    EXPECT_NONFATAL_FAILURE(test::ExpectWellFormedRequests(t.host), "request 1626: input field 5");
    t.host.violations.clear();
}

// The typed requests against replies whose every field holds a value of its own.
class HostRepliesTest : public ::testing::Test {
protected:
    test::TestHost t;
    hostsim::Publication& pub = t.host.publication;
};

TEST_F(HostRepliesTest, PrintOptionsComeFromTheirOwnWords)
{
    struct Options {
        std::int16_t copies, reverse;
        const char* range;
        std::int16_t parity, spreads;
    };
    for (const Options& o : {Options{3, 1, "2-3", 2, 1}, Options{1, 0, "", 1, 0}, Options{0, 0, "4-", 0, 0}}) {
        pub.copies = o.copies;
        pub.reverse = o.reverse;
        pub.pageRange = o.range;
        pub.parity = o.parity;
        pub.spreads = o.spreads;
        requests::PrintOptions options = requests::PrintOptionsOfJob();
        EXPECT_EQ(options.copies, o.copies) << o.range;
        EXPECT_EQ(options.reverse, o.reverse) << o.range;
        EXPECT_EQ(options.pageRange, o.range);
        EXPECT_EQ(options.parity, o.parity) << o.range;
        EXPECT_EQ(options.spreads, o.spreads) << o.range;
    }
}

TEST_F(HostRepliesTest, SizesPagesSettingsAndDensitiesComeFromTheirOwnFields)
{
    pub.pageWidth = 11000;
    pub.pageHeight = 12000;
    pub.paperWidth = 13000;
    pub.paperHeight = 14000;
    pub.firstPage = 3;
    pub.SetPageCount(5);
    pub.printSetting = 4;
    pub.printOutputKind = 3;
    hostsim::SimColor gold;
    gold.name = "Gold";
    gold.c = 10, gold.m = 20, gold.y = 30, gold.k = 40, gold.kind = 3, gold.density = 321;
    gold.inks = {"Ink X", "Ink Y"};
    pub.colors.push_back(gold);
    pub.inkDensities["Ink X"] = 456;

    requests::PageSize page = requests::PageDimensions();
    EXPECT_EQ(page.width, 11000);
    EXPECT_EQ(page.height, 12000);
    requests::PaperSize paper = requests::PaperDimensions();
    EXPECT_EQ(paper.width, 13000);
    EXPECT_EQ(paper.height, 14000);
    requests::PublicationPages pages = requests::Pages();
    EXPECT_EQ(pages.firstPage, 3);
    EXPECT_EQ(pages.pageCount, 5);
    EXPECT_EQ(requests::PrintSetting(), 4);
    EXPECT_EQ(requests::PrintOutputOfJob().values[7], 3);
    requests::ColorInfo info = requests::ColorInformation("Gold");
    EXPECT_EQ((std::vector<std::int16_t>{info.c, info.m, info.y, info.k, info.kind}),
              (std::vector<std::int16_t>{10, 20, 30, 40, 3}));
    EXPECT_EQ(requests::ColorInks("Gold"), (std::vector<std::string>{"Ink X", "Ink Y"}));
    EXPECT_EQ(requests::ColorDensity("Gold"), 321);
    EXPECT_EQ(requests::InkDensity("Ink X"), 456);
    EXPECT_EQ(requests::HostIdentity(), "Halcyte Quillset 6.52");
}

}  // namespace
}  // namespace orvane
