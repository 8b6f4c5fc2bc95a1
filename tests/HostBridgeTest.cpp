#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "host/HostContext.h"
#include "host/HostRequests.h"
#include "host/Reply.h"
#include "host/RequestBlock.h"
#include "hostsim/ReplyWriter.h"
#include "hostsim/SimHost.h"
#include "platform/portable/PortablePlatform.h"
#include "plugin/EntryPoint.h"
#include "state/ModuleState.h"
#include "tests/TestHost.h"

namespace orvane {
namespace {

using test::StatusOf;

TEST(RequestEncoding, TextsArePaddedToEvenOffsetsAndTheSkippedByteIsLeftAlone)
{
    char buffer[32];
    std::memset(buffer, 0xEE, sizeof buffer);
    RequestBlock block(buffer, sizeof buffer);
    block.PutText("abc");   // 3 + zero byte: even, the next field follows directly
    block.PutInt16(0x1234);
    block.PutText("ab");    // 2 + zero byte: one byte skipped
    block.PutText(nullptr); // a missing text: two zero bytes
    block.PutInt32(-2);
    const unsigned char expected[] = {'a', 'b', 'c', 0, 0x34, 0x12, 'a', 'b', 0, 0xEE, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF};
    ASSERT_EQ(block.Length(), sizeof expected);
    EXPECT_EQ(std::memcmp(buffer, expected, sizeof expected), 0);
}

TEST(RequestEncoding, ABlockThatWouldOverflowItsBufferRaises7212)
{
    char buffer[6];
    RequestBlock block(buffer, sizeof buffer);
    block.PutInt32(1);
    try {
        block.PutText("xy");
        FAIL() << "wrote past the buffer";
    } catch (const HostError& error) {
        EXPECT_EQ(error.status(), kStatusFailure);
    }
    EXPECT_EQ(block.Length(), 4u);
}

TEST(ReplyDecoding, ListsWrapToTheirFirstItemAndEmptyListsHaveNoCurrentItem)
{
    hostsim::ReplyWriter writer;
    writer.Int16(2).Text("Gold").Int16(7).Text("Teal").Int16(9);
    const std::vector<char>& bytes = writer.Bytes();
    ReplyList list(ReplyReader(bytes.data(), bytes.size()), {ReplyField::Text, ReplyField::Int16});
    ASSERT_EQ(list.Count(), 2);
    EXPECT_STREQ(list.Current().ReadText(), "Gold");
    list.Advance();
    EXPECT_EQ(list.Index(), 1);
    ReplyReader second = list.Current();
    EXPECT_STREQ(second.ReadText(), "Teal");
    EXPECT_EQ(second.ReadInt16(), 9);
    list.Advance();
    EXPECT_EQ(list.Index(), 0);
    EXPECT_STREQ(list.Current().ReadText(), "Gold");

    hostsim::ReplyWriter none;
    none.Int16(0);
    ReplyList empty(ReplyReader(none.Bytes().data(), none.Bytes().size()), {ReplyField::Text});
    EXPECT_FALSE(empty.HasCurrent());
    EXPECT_THROW(empty.Current(), HostError);
}

TEST(ReplyDecoding, AReplyEndingInsideAFieldRaisesInsteadOfReadingOn)
{
    const char bytes[] = {'a', 'b'};  // a text without its zero byte
    ReplyReader reader(bytes, sizeof bytes);
    EXPECT_THROW(reader.ReadText(), HostError);
    ReplyReader shortReader(bytes, 1);
    EXPECT_THROW(shortReader.ReadInt16(), HostError);
}

class HostRequestTest : public ::testing::Test {
protected:
    test::TestHost t;
};

TEST_F(HostRequestTest, AFailedHostAllocatedRequestFreesTheHandleTheHostLeft)
{
    std::size_t before = platform::Portable().globalBlocks.size();
    t.host.failRequests[requests::kPublicationName] = {5};
    EXPECT_EQ(StatusOf([] { requests::PublicationName(); }), 5);
    EXPECT_EQ(platform::Portable().globalBlocks.size(), before);
    EXPECT_EQ(platform::Portable().globalFreeErrors, 0);

    t.host.failRequests.clear();
    EXPECT_EQ(requests::PublicationName(), t.host.publication.name);
    EXPECT_EQ(platform::Portable().globalBlocks.size(), before);
}

TEST_F(HostRequestTest, InputBlocksInHostMemoryGoBackOnSuccessAndOnError)
{
    hostsim::SimColor gold;
    gold.name = "Gold";
    gold.density = 520;
    t.host.publication.colors.push_back(gold);
    EXPECT_EQ(requests::ColorDensity("Gold"), 520);
    EXPECT_EQ(t.host.OutstandingAllocations(), 0);

    t.host.failRequests[requests::kColorDensity] = {9};
    EXPECT_EQ(StatusOf([] { requests::ColorDensity("Gold"); }), 9);
    EXPECT_EQ(t.host.OutstandingAllocations(), 0);
    EXPECT_EQ(t.host.OutstandingInterfaces(), 0);
}

TEST_F(HostRequestTest, AHostThatCannotAllocateAnInputBlockGives7212)
{
    t.host.failAllocate = true;
    EXPECT_EQ(StatusOf([] { requests::InkDensity("Violet"); }), kStatusFailure);
    EXPECT_EQ(t.host.CountRequests(requests::kInkDensity), 0);
    EXPECT_EQ(t.host.OutstandingInterfaces(), 0);
}

TEST_F(HostRequestTest, PrivateDataCodesMustBeFourCharacters)
{
    EXPECT_EQ(StatusOf([] { requests::ReadPageLabel("HLC", "ORVT", 5, 0, 1); }), kStatusBadFourCharCode);
    EXPECT_EQ(StatusOf([] { requests::AttachPageLabel("HLCX", "ORVTX", 5, 0, 1, 1, "x"); }), kStatusBadFourCharCode);
    EXPECT_TRUE(t.host.requests.empty());
    EXPECT_EQ(t.host.OutstandingAllocations(), 0);
}

// main and its version check, through a fresh Host stand-in.
class EntryPointTest : public ::testing::Test {
protected:
    void SetUp() override { platform::ResetPortable(); }
    void TearDown() override
    {
        host.publication.hostIdentity = "Halcyte Quillset 6.52";
        host.Unload();
        test::ExpectWellFormedRequests(host);
    }
    const std::vector<platform::MessageBoxCall>& Boxes() { return platform::Portable().messageBoxes; }
    hostsim::SimHost host{&OrvanePluginMain};
};

TEST_F(EntryPointTest, VersionsFrom652OnPass)
{
    for (const char* identity : {"Halcyte Quillset 6.52", "Halcyte Quillset 7", "Halcyte Quillset 10.1"}) {
        host.publication.hostIdentity = identity;
        EXPECT_EQ(host.Load(), 0) << identity;
        EXPECT_EQ(host.Register(), 0) << identity;
    }
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(host.reportedErrors.empty());
    EXPECT_EQ(host.OutstandingInterfaces(), 0);
}

TEST_F(EntryPointTest, AnOldHostIsRefusedWithoutDispatchOrReport)
{
    host.publication.hostIdentity = "Halcyte Quillset 6.5";
    EXPECT_EQ(host.Load(), kStatusFailure);
    EXPECT_TRUE(Boxes().empty()) << "load refuses silently";
    EXPECT_EQ(Module().documentSettings, nullptr) << "load did not run";

    EXPECT_EQ(host.Register(), kStatusFailure);
    EXPECT_TRUE(host.registered.empty());
    EXPECT_EQ(host.Command(1), kStatusFailure);
    ASSERT_EQ(Boxes().size(), 2u);
    for (const platform::MessageBoxCall& box : Boxes()) {
        EXPECT_EQ(box.caption, "Incorrect Quillset version");
        EXPECT_EQ(box.text.rfind("The Orvane Trapping plug-in can not be used under this version of Quillset.\n", 0), 0u);
        EXPECT_EQ(box.flags, platform::kMbOk);
    }
    EXPECT_TRUE(host.reportedErrors.empty());
    EXPECT_EQ(host.CountRequests(requests::kPublicationState), 0) << "the command did not run";
    EXPECT_EQ(host.OutstandingInterfaces(), 0);
    EXPECT_EQ(host.OutstandingAllocations(), 0);
}

TEST_F(EntryPointTest, UnreadableVersionsAndAFailedIdentityRequestCountAsOld)
{
    for (const char* identity : {"Quillset 6.52", "Quillset6.52", "Halcyte Quillset ", "Halcyte Quillset v6.52", ""}) {
        host.publication.hostIdentity = identity;
        EXPECT_EQ(host.Register(), kStatusFailure) << '"' << identity << '"';
    }
    host.publication.hostIdentity = "Halcyte Quillset 6.52";
    host.failRequests[requests::kHostIdentity] = {3};
    EXPECT_EQ(host.Register(), kStatusFailure);
    EXPECT_TRUE(host.registered.empty());
    EXPECT_TRUE(host.reportedErrors.empty());
    EXPECT_EQ(Boxes().size(), 6u);
    EXPECT_EQ(host.OutstandingInterfaces(), 0);
    EXPECT_EQ(platform::Portable().globalFreeErrors, 0);
}

TEST_F(EntryPointTest, UnloadReleaseAndNotificationsSkipTheVersionCheck)
{
    ASSERT_EQ(host.Load(), 0);
    host.publication.hostIdentity = "Halcyte Quillset 6.0";
    host.publication.trapOutput = 0;
    host.ClearLog();
    EXPECT_EQ(host.Release(), 0);
    EXPECT_EQ(host.Notify(102), 0);
    EXPECT_TRUE(host.PrintJobInterfaceHeld()) << "the print start ran";
    EXPECT_EQ(host.Unload(), 0);
    EXPECT_FALSE(host.PrintJobInterfaceHeld()) << "unload ran";
    EXPECT_EQ(host.CountRequests(requests::kHostIdentity), 0);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(host.OutstandingInterfaces(), 0);
}

TEST_F(EntryPointTest, MessagesWithoutHandlersAnswerZeroAndTouchNothing)
{
    ASSERT_EQ(host.Load(), 0);
    DocumentTrapping* settings = Module().documentSettings.get();
    host.ClearLog();
    for (std::uint32_t code : {4u, 8u, 9u, 10u, 0u, 11u, 99u, 0xFFFFFFFFu}) {
        EXPECT_EQ(host.Send(code), 0) << code;
    }
    EXPECT_TRUE(host.requests.empty());
    EXPECT_TRUE(host.reportedErrors.empty());
    EXPECT_EQ(Module().documentSettings.get(), settings);
    // Each call only borrows the request channel.
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "get 103"), 8);
    EXPECT_EQ(host.log.size(), 16u);
    EXPECT_EQ(host.OutstandingInterfaces(), 0);
}

TEST_F(EntryPointTest, AFailedHostRequestInAHandlerIsReportedAndReturned)
{
    ASSERT_EQ(host.Load(), 0);
    host.failRequests[requests::kTrapOutput] = {42};
    EXPECT_EQ(host.Notify(102), 42);
    EXPECT_EQ(host.reportedErrors, std::vector<std::int16_t>{42});
    EXPECT_EQ(host.OutstandingInterfaces(), 0);
}

}  // namespace
}  // namespace orvane
