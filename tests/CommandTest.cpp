#include <gtest/gtest.h>

#include "plugin/Commands.h"
#include "tests/TestHost.h"

namespace orvane {
namespace {

using platform::Portable;

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override { Portable().messageBoxes.clear(); }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : Portable().messageBoxes) {
            EXPECT_EQ(box.caption, "Halcyte Quillset");
            EXPECT_EQ(box.flags, platform::kMbOk);
            EXPECT_EQ(box.owner, Portable().activeWindow);
            texts.push_back(box.text);
        }
        return texts;
    }
    test::TestHost t;
};

TEST_F(CommandTest, NoMainWindow)
{
    Portable().hostMainWindow = nullptr;
    EXPECT_EQ(t.host.Command(1), 0);
    EXPECT_EQ(Texts(), std::vector<std::string>{"Unable to find the main Quillset window."});
    EXPECT_EQ(t.host.CountRequests(3511), 0);
}

TEST_F(CommandTest, UnsavedPublicationInAnyCase)
{
    const std::string save = "Please save this document before running the trapping plug-in.";
    for (const char* name : {"Untitled-1", "my untitled", "UNTITLED"}) {
        Portable().messageBoxes.clear();
        t.host.publication.name = name;
        EXPECT_EQ(t.host.Command(1), 0);
        EXPECT_EQ(Texts(), std::vector<std::string>{save}) << name;
    }
    for (const char* name : {"C:\\Work\\Untitled.qst", "Brochure"}) {
        Portable().messageBoxes.clear();
        t.host.publication.name = name;
        t.host.Command(3);
        EXPECT_TRUE(Texts().empty()) << name;
    }
    Portable().messageBoxes.clear();
    t.host.publication.name = "Untitled";
    t.host.publication.state = 1;
    t.host.ClearLog();
    t.host.Command(1);
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(t.host.CountRequests(3513), 0);
}

TEST_F(CommandTest, LongNamesAreHandledWhole)
{
    // The word lies past the first 259 characters; a cut copy would miss it.
    t.host.publication.name = std::string(5000, 'x') + "untitled";
    EXPECT_EQ(t.host.Command(2), 0);
    EXPECT_EQ(Texts().size(), 1u);
    Portable().messageBoxes.clear();
    t.host.publication.name = std::string(5000, 'x') + "\\untitled";
    EXPECT_EQ(t.host.Command(2), 0);
    EXPECT_TRUE(Texts().empty());
    EXPECT_FALSE(LooksUnsaved("ANY NAME", ""));
}

TEST_F(CommandTest, OwnTextsLoadWithALimitOf199)
{
    // The command's texts go into its 200-byte buffer with a limit of 199 (zero
    // included); every other message text goes through the 256-byte strings.
    t.host.publication.name = "Untitled";
    Portable().stringLoads.clear();
    t.host.Command(1);
    Portable().hostMainWindow = nullptr;
    t.host.Command(1);
    using Load = std::pair<int, int>;
    EXPECT_EQ(Portable().stringLoads, (std::vector<Load>{{4, 199}, {5, 199}, {7, 199}}));

    Portable().stringLoads.clear();
    t.host.publication.hostIdentity = "Halcyte Quillset 6.5";
    t.host.Command(1);
    EXPECT_EQ(Portable().stringLoads, (std::vector<Load>{{47, 256}, {48, 256}}));
}

TEST_F(CommandTest, FreesPrintTimeObjectsAndResetsTheSettings)
{
    Module().printedPageSequence = std::make_unique<PrintedPageSequence>();
    Module().currentStyleList = std::make_unique<TrapStyleList>();
    Settings().trappingEnabled = 1;
    Settings().trapAllPages = 1;
    Settings().defaultStyleName = "X";
    t.host.Command(3);
    EXPECT_EQ(Module().printedPageSequence, nullptr);
    EXPECT_EQ(Module().currentStyleList, nullptr);
    EXPECT_EQ(Settings().trappingEnabled, 0);
    EXPECT_EQ(Settings().trapAllPages, 0);
    EXPECT_EQ(Settings().defaultStyleName, "");
    EXPECT_EQ(t.host.OutstandingInterfaces(), 0);
}

TEST_F(CommandTest, FailedRequestIsReported)
{
    t.host.failRequests[3511] = {21, 0, -1};
    EXPECT_EQ(t.host.Command(1), 21);
    EXPECT_EQ(t.host.reportedErrors, std::vector<std::int16_t>{21});
}

}  // namespace
}  // namespace orvane
