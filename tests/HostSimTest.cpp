#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "hostsim/PrintJob.h"
#include "hostsim/PrintedSheets.h"
#include "hostsim/PublicationFile.h"
#include "hostsim/PublicationStore.h"
#include "hostsim/RecordDescription.h"
#include "hostsim/TextLine.h"
#include "platform/portable/PortablePlatform.h"
#include "plugin/EntryPoint.h"
#include "tests/TestHost.h"

namespace hostsim {
namespace {

namespace fs = std::filesystem;

PublicationSetup Read(const std::string& text, const std::string& base = "/pubs")
{
    PublicationSetup setup;
    setup.dataFolder = base + "/p.pub.data";
    std::istringstream in(text);
    ReadPublicationText(in, base, "p.pub", setup);
    return setup;
}

std::string ErrorOf(const std::string& text)
{
    try {
        Read(text);
    } catch (const FileFormatError& error) {
        return error.what();
    }
    return "";
}

TEST(HostSimTextLine, QuotesEscapesAndComments)
{
    EXPECT_EQ(SplitWords("color \"Process Cyan\" 1000  0 # a comment"),
              (std::vector<std::string>{"color", "Process Cyan", "1000", "0"}));
    EXPECT_EQ(SplitWords(R"(name "C:\Pubs\A.qst" "say \"hi\"" "a\tb\x41" "\\x")"),
              (std::vector<std::string>{"name", "C:\\Pubs\\A.qst", "say \"hi\"", "a\tbA", "\\x"}));
    EXPECT_EQ(SplitWords("\"\" \"#\""), (std::vector<std::string>{"", "#"}));
    EXPECT_THROW(SplitWords("name \"open"), FileFormatError);
    EXPECT_EQ(SplitWords("\"\\xZ1\""), std::vector<std::string>{"\\xZ1"}) << "no hex digits: a plain backslash";
    for (std::string text : {std::string("C:\\n\\x\"q\"\t\n\x01\xE9"), std::string("\\"), std::string("a\\")}) {
        EXPECT_EQ(SplitWords(QuoteWord(text)), std::vector<std::string>{text});
    }
    EXPECT_EQ(ParseNumber("0x1F", 0, 100), 31);
    EXPECT_EQ(ParseNumber("010", 0, 100), 10);
    EXPECT_THROW(ParseNumber("12a", 0, 100), FileFormatError);
    EXPECT_THROW(ParseNumber("101", 0, 100), FileFormatError);
}

TEST(HostSimRecords, FieldsBecomeTheirExactBytes)
{
    RecordEncoder little;
    little.Add({"mark", "w"});
    little.Add({"int16", "1", "-2"});
    little.Add({"int32", "0x01020304"});
    little.Add({"text", "PDS", ""});
    little.Add({"hex", "00ff"});
    little.Add({"byte", "7"});
    const char expected[] = "w\x01\x00\xFE\xFF\x04\x03\x02\x01PDS\0\0\x00\xFF\x07";
    EXPECT_EQ(little.Bytes(), std::vector<char>(expected, expected + sizeof expected - 1));

    RecordEncoder big;
    big.Add({"mark", "m"});
    big.Add({"int16", "3"});
    big.Add({"int32", "-1"});
    EXPECT_EQ(big.Bytes(), (std::vector<char>{'m', 0, 3, '\xFF', '\xFF', '\xFF', '\xFF'}));

    RecordEncoder bad;
    EXPECT_THROW(bad.Add({"int16", "70000"}), FileFormatError);
    EXPECT_THROW(bad.Add({"mark", "x"}), FileFormatError);
    EXPECT_THROW(bad.Add({"float", "1"}), FileFormatError);
    EXPECT_THROW(bad.Add({"hex", "abc"}), FileFormatError);
    EXPECT_THROW(bad.Add({"text"}), FileFormatError);
}

TEST(HostSimPublicationFile, StatementsFillThePublication)
{
    PublicationSetup s = Read(
        "host \"Halcyte Quillset 7.1\"\nname \"C:\\P\\x.qst\"\nstate 1\nfirst-page 3\npages 3 keys 10 20 30\n"
        "page-size 100 200\npaper-size 300 400\ncopies 2\nreverse 1\npage-range \"3-4\"\nparity 2\nspreads 1\n"
        "print-output 2\ntrap-output 0\nprint-setting 9\nfolder prefs /abs/second\n"
        "color Gold 0 200 900 100 density 520 refuse-density\ncolor \"Mix\" 1 2 3 4 kind 3 inks Gold \"Deep Violet\"\n"
        "ink-density Violet 640\nlabel 20 HLCX ORVT \"ORVT 20 ORVT\"\nfail 2803 5 skip 1 times 2\n"
        "record AAA ORVT\n mark w\n int16 1\nend\n");
    const Publication& p = s.publication;
    EXPECT_EQ(p.hostIdentity, "Halcyte Quillset 7.1");
    EXPECT_EQ(p.name, "C:\\P\\x.qst");
    EXPECT_EQ(p.state, 1);
    EXPECT_EQ(p.firstPage, 3);
    ASSERT_EQ(p.pages.size(), 3u);
    EXPECT_EQ(p.pages[2].key, 30);
    EXPECT_GT(p.nextPageKey, 30);
    EXPECT_EQ(p.pageWidth, 100);
    EXPECT_EQ(p.paperHeight, 400);
    EXPECT_EQ(p.copies, 2);
    EXPECT_EQ(p.reverse, 1);
    EXPECT_EQ(p.pageRange, "3-4");
    EXPECT_EQ(p.parity, 2);
    EXPECT_EQ(p.spreads, 1);
    EXPECT_EQ(p.printOutputKind, 2);
    EXPECT_EQ(p.trapOutput, 0);
    EXPECT_EQ(p.printSetting, 9);
    EXPECT_EQ(p.folder, "/pubs/prefs");
    EXPECT_EQ(p.secondFolder, "/abs/second");
    ASSERT_EQ(p.colors.size(), 2u);
    EXPECT_EQ(p.colors[0].density, 520);
    EXPECT_TRUE(p.colors[0].refuseDensity);
    EXPECT_EQ(p.colors[1].kind, 3);
    EXPECT_EQ(p.colors[1].inks, (std::vector<std::string>{"Gold", "Deep Violet"}));
    EXPECT_EQ(p.colors[1].density, ComponentDensity(1, 2, 3, 4));
    EXPECT_EQ(p.inkDensities.at("Violet"), 640);
    EXPECT_EQ(p.pages[1].labels.at({"HLCX", "ORVT"}), "ORVT 20 ORVT");
    EXPECT_EQ(p.records.at({"AAA", "ORVT"}), (std::vector<char>{'w', 1, 0}));
    const FailRule& rule = s.failures.at(2803);
    EXPECT_EQ(rule.status, 5);
    EXPECT_EQ(rule.skip, 1);
    EXPECT_EQ(rule.times, 2);
}

TEST(HostSimPublicationFile, MovedAndRemovedPagesKeepTheirKeysAndLabels)
{
    PublicationSetup s = Read("pages 5 keys 1 2 3 4 5\nlabel 2 HLCX ORVT two\nmove 2 4\nremove 1\n");
    std::vector<std::int32_t> keys;
    for (const SimPage& page : s.publication.pages) keys.push_back(page.key);
    EXPECT_EQ(keys, (std::vector<std::int32_t>{3, 4, 2, 5}));
    EXPECT_EQ(s.publication.pages[2].labels.at({"HLCX", "ORVT"}), "two");
    EXPECT_EQ(s.publication.folder, "/pubs/p.pub.data") << "the data folder by default";
}

TEST(HostSimPublicationFile, BadLinesAreNamedWithTheirLineNumber)
{
    EXPECT_EQ(ErrorOf("pages 2\n\nbogus 1\n"), "p.pub:3: unknown line: bogus");
    EXPECT_EQ(ErrorOf("pages 2\nmove 1 3\n"), "p.pub:2: no page 3");
    EXPECT_EQ(ErrorOf("pages 2 keys 5 5\n"), "p.pub:1: page key given twice: 5");
    EXPECT_EQ(ErrorOf("pages 1\nlabel 9 A B c\n"), "p.pub:2: no page has key 9");
    EXPECT_EQ(ErrorOf("record AAA ORVT\n mark w\n"), "p.pub:1: record without its end line");
    EXPECT_EQ(ErrorOf("color A 1 2 3 4\ncolor A 1 2 3 4\n"), "p.pub:2: colour defined twice: A");
    EXPECT_EQ(ErrorOf("pages 1 keys 7\nstrip 8 Paper\n"), "p.pub:2: no page has key 8");
    EXPECT_EQ(ErrorOf("pages 1 keys 7\nstrip 7 Gold\n"), "p.pub:2: strip of a colour not defined: Gold");
    EXPECT_NE(ErrorOf("copies 1 2\n"), "");
    EXPECT_NE(ErrorOf("color A 1 2 3\n"), "");
    EXPECT_NE(ErrorOf("fail 2803 5 skip\n"), "");
    EXPECT_THROW(LoadPublicationFile("/nonexistent/x.pub"), FileFormatError);
}

class HostSimStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = (fs::temp_directory_path() / ("hostsim-store-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name())).string();
        fs::remove_all(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string folder;
};

TEST_F(HostSimStoreTest, RecordsAndLabelsComeBackAsSaved)
{
    Publication saved = Read("pages 3 keys 7 8 9\nlabel 8 HLCX ORVT \"ORVT 8 ORVT\"\nlabel 9 \"A B\" ORVT \"q\\\"\\x01\"\n").publication;
    saved.records[{"AAA", "ORVT"}] = {'w', 0, '\0', '\xFF'};
    saved.records[{"a/b.c", "T Y"}] = {'x'};
    SavePublicationData(folder, saved);

    Publication loaded = Read("pages 3 keys 7 8 9\nlabel 7 HLCX ORVT seeded\nrecord OLD ORVT\n byte 1\nend\n").publication;
    ASSERT_TRUE(LoadPublicationData(folder, loaded));
    EXPECT_EQ(loaded.records, saved.records) << "saved records replace the seeded ones";
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(loaded.pages[i].labels, saved.pages[i].labels) << i;

    // A record the plug-in deleted stays deleted.
    saved.records.erase({"AAA", "ORVT"});
    SavePublicationData(folder, saved);
    ASSERT_TRUE(LoadPublicationData(folder, loaded));
    EXPECT_EQ(loaded.records.count({"AAA", "ORVT"}), 0u);
}

TEST_F(HostSimStoreTest, NoSavedStateLeavesTheSeedsAndBadLabelsAreReported)
{
    Publication p = Read("pages 1 keys 4\nlabel 4 HLCX ORVT seeded\n").publication;
    EXPECT_FALSE(LoadPublicationData(folder, p));
    EXPECT_EQ(p.pages[0].labels.size(), 1u);

    SavePublicationData(folder, p);
    { std::ofstream(fs::path(folder) / "labels.txt") << "label 4 HLCX\n"; }
    EXPECT_THROW(LoadPublicationData(folder, p), FileFormatError);

    std::string name, type;
    EXPECT_TRUE(RecordFromFileName(RecordFileName("A.B", "%"), name, type));
    EXPECT_EQ(name, "A.B");
    EXPECT_EQ(type, "%");
    EXPECT_FALSE(RecordFromFileName("AAA.rec", name, type));
    EXPECT_FALSE(RecordFromFileName("A%4.B.rec", name, type));
}

std::vector<int> FirstPages(const Publication& p)
{
    std::vector<int> pages;
    for (const PrintedSheet& sheet : SheetsToPrint(p)) pages.push_back(sheet.firstPage);
    return pages;
}

TEST(HostSimSheets, PrintOptionsChooseAndOrderTheSheets)
{
    Publication p;
    p.SetPageCount(6);
    EXPECT_EQ(FirstPages(p), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    p.pageRange = " 2 - 3 ,5,x, 9 ,5-";
    EXPECT_EQ(FirstPages(p), (std::vector<int>{2, 3, 5, 5, 6})) << "elements naming no page are left out";
    p.pageRange = "-2";
    p.copies = 2;
    p.reverse = 1;
    EXPECT_EQ(FirstPages(p), (std::vector<int>{2, 1, 2, 1}));
    p.pageRange.clear();
    p.copies = 1;
    p.reverse = 0;
    p.parity = 1;
    EXPECT_EQ(FirstPages(p), (std::vector<int>{2, 4, 6}));
    p.parity = 0;
    p.spreads = 1;
    std::vector<PrintedSheet> spreads = SheetsToPrint(p);
    ASSERT_EQ(spreads.size(), 4u);
    EXPECT_EQ(spreads[1].firstPage, 2);
    EXPECT_EQ(spreads[1].lastPage, 3);
    EXPECT_EQ(spreads[3].firstPage, 6);
    EXPECT_EQ(spreads[3].lastPage, 6) << "the last spread has no right page";
    p.copies = 0;
    EXPECT_TRUE(SheetsToPrint(p).empty());
}

class HostSimJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvane::platform::ResetPortable();
        PublicationSetup setup = LoadPublicationFile(std::string(ORVANE_SOURCE_DIR) + "/examples/sample.pub");
        host.publication = setup.publication;
        ASSERT_EQ(host.Load(), 0);
        ASSERT_EQ(host.Register(), 0);
    }
    void TearDown() override
    {
        host.Unload();
        orvane::test::ExpectWellFormedRequests(host);
    }
    std::vector<std::uint32_t> Identifiers(const PrintJobResult& result)
    {
        std::vector<std::uint32_t> ids;
        for (const NotificationOutcome& n : result.notifications) ids.push_back(n.identifier);
        return ids;
    }
    SimHost host{&OrvanePluginMain};
};

TEST_F(HostSimJobTest, NotificationsComeInTheHostsOrderWithThePluginTextInPlace)
{
    host.publication.pageRange = "2-3";
    PrintJobResult job = RunPrintJob(host);
    EXPECT_FALSE(job.cancelled);
    EXPECT_TRUE(job.AllSucceeded());
    EXPECT_EQ(Identifiers(job), (std::vector<std::uint32_t>{102, 105, 107, 110, 110, 118, 2}));
    EXPECT_FALSE(host.PrintJobInterfaceHeld());
    const std::string& ps = job.postscript;
    EXPECT_EQ(ps.rfind("%!PS-Adobe-3.0\n", 0), 0u);
    // Every text the plug-in wrote is in the job, each at its notification's place.
    for (std::uint32_t id : {105u, 107u, 110u}) {
        ASSERT_FALSE(host.streams[id].empty()) << id;
    }
    std::size_t setup = ps.find("%%BeginSetup\n");
    std::size_t definitions = ps.find(host.streams[105]);
    std::size_t pageSize = ps.find("setpagedevice\n", definitions + host.streams[105].size());
    std::size_t firstPage = ps.find("%%Page: 2 1\n");
    std::size_t secondPage = ps.find("%%Page: 3 2\n");
    ASSERT_NE(definitions, std::string::npos);
    EXPECT_LT(setup, definitions);
    EXPECT_LT(definitions, pageSize);
    EXPECT_LT(pageSize, ps.find("%%EndSetup\n"));
    EXPECT_LT(ps.find("%%EndSetup\n"), firstPage);
    EXPECT_LT(firstPage, secondPage);
    EXPECT_LT(ps.find("settrapzone", firstPage), ps.find("showpage", firstPage)) << "zones before the page content";
    EXPECT_LT(secondPage, ps.find("%%Trailer\n"));
    EXPECT_EQ(ps.substr(ps.size() - 6), "%%EOF\n");
}

TEST_F(HostSimJobTest, ACancelledJobPrintsNoPagesButStillEnds)
{
    host.publication.pages.erase(host.publication.pages.begin() + 4);  // a zoned page gone
    orvane::platform::Portable().messageBoxAnswers.push_back(orvane::platform::kIdCancel);
    PrintJobResult job = RunPrintJob(host);
    EXPECT_TRUE(job.cancelled);
    EXPECT_EQ(job.sheets, 0);
    EXPECT_EQ(Identifiers(job), (std::vector<std::uint32_t>{102, 118, 2}));
    EXPECT_EQ(job.postscript.find("%%Page:"), std::string::npos);
    EXPECT_EQ(orvane::platform::Portable().messageBoxes.size(), 1u);
    EXPECT_FALSE(host.PrintJobInterfaceHeld());
}

}  // namespace
}  // namespace hostsim
