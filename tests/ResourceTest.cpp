// The resources of the built DLL, read from its PE file: every template of type
// "TPPS" against a table typed here, every string of the string table, and the
// resource that only the Host reads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "tests/PeResources.h"

namespace {

using orvane::test::PeResource;

constexpr std::uint32_t kRtString = 6;
using orvane::test::kEnglishUs;
constexpr std::uint32_t kEnglishUk = 2057;

struct ExpectedTemplate {
    int id;
    std::uint32_t language;
    std::size_t length;
    const char* text;  // holds `length` bytes (169 ends with its zero byte)
};

const ExpectedTemplate kExpectedTemplates[] = {
    {138, 1033, 234,
     "Trap1001? {\n"
         "\t/Trapping /ProcSet findresource begin\n"
         "\t(%s) cvn /TrapParams findresource dup length dict copy %s settrapparams\n"
         "gsave newpath %d %d moveto %d 0 rlineto 0 %d rlineto -%d 0  rlineto closepath \n"
         "\tsettrapzone grestore\n"
         "end\n"
         "} if\n"},
    {153, 1033, 12,
     "Trap1001? {\n"},
    {154, 2057, 17,
     "} if\t\t%Trap1001?\n"},
    {155, 1033, 41,
     "\t] cvdict\n"
         "\t/InkParams defineresource pop\n"},
    {156, 1033, 67,
     "\t\t(%s)cvn [\n"
         "\t\t\t/NeutralDensity\t%s\n"
         "\t\t\t/ColorantType\t/%s \n"
         "\t\t] cvdict\n"},
    {157, 1033, 13,
     "\t/SomeInks [\n"},
    {158, 1033, 125,
     "\t\t\t/Type \t1001\n"
         "\t\t\t/ColorantDetails /SomeInks /InkParams findresource dup length dict copy\n"
         "\t\t] cvdict\n"
         "\t] cvdict setpagedevice\n"},
    {159, 2057, 23,
     "\t\t\t/TrappingOrder [%s]\n"},
    {160, 1033, 41,
     "\t[\n"
         "\t\t/Trapping true\n"
         "\t\t/TrappingDetails [\n"},
    {161, 1033, 10,
     "setglobal\n"},
    {162, 1033, 30,
     "currentglobal false setglobal\n"},
    {163, 1033, 244,
     "/Trap1001?\n"
         "\t/languagelevel where {\n"
         "\t\tpop languagelevel 1 gt {\n"
         "\t\t\tcurrentpagedevice /Trapping known {\n"
         "\t\t\t\tcurrentpagedevice /TrappingDetails get /Type get 1001 eq\n"
         "\t\t\t} {\n"
         "\t\t\t\tfalse\n"
         "\t\t\t} ifelse\n"
         "\t\t} {\n"
         "\t\t\tfalse\n"
         "\t\t} ifelse\n"
         "\t} {\n"
         "\t\tfalse\n"
         "\t} ifelse\n"
         "def\n"},
    {164, 1033, 372,
     "(%s) cvn [\n"
         "\t\t/BlackColorLimit\t\t%s\n"
         "\t\t/BlackDensityLimit\t\t%s\n"
         "\t\t/BlackWidth\t\t\t\t%s\n"
         "\t\t/Enabled\t\t\t\t%s\n"
         "\t\t/HalftoneName\t\t\t%s\n"
         "\t\t/ImageInternalTrapping\t%s\n"
         "\t\t/ImageToObjectTrapping\t%s\n"
         "\t\t/ImageResolution\t\t%s\n"
         "\t\t/ImageTrapPlacement\t\t/%s\n"
         "\t\t/SlidingTrapLimit\t\t%s\n"
         "\t\t/StepLimit\t\t\t\t%s\n"
         "\t\t/TrapColorScaling\t\t%s\n"
         "\t\t/TrapSetName\t\t\t(%s)\n"
         "\t\t/TrapWidth\t\t\t\t%s\n"
         "\t] cvdict /TrapParams defineresource pop\n"},
    {165, 1033, 56,
     "\t/cvdict { mark exch aload pop (>>) cvx exec } bind def\n"},
    {168, 1033, 26,
     "[Printer Default Settings]"},
    {169, 1033, 143,
     "(%s)cvn /Trapping /ProcSet findresource begin currenttrapparams dup length dict copy dup /Enabled true put /TrapParams defineresource pop end\n" "\0"},
    {170, 1033, 24,
     " dup /Enabled false put "},
    {174, 1033, 23,
     "\n"
         "\n"
         "%%HLCStartTrapSetup\n"
         "\n"},
    {175, 1033, 21,
     "\n"
         "\n"
         "%%HLCEndTrapSetup\n"
         "\n"},
};

class ResourceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string path = orvane::test::BuiltDllPath();
        if (!std::ifstream(path, std::ios::binary)) GTEST_SKIP() << "no DLL at " << path;
        resources_ = orvane::test::ReadPeResources(orvane::test::ReadWholeFile(path));
    }
    std::vector<const PeResource*> OfNamedType(const std::string& type) const
    {
        std::vector<const PeResource*> found;
        for (const PeResource& r : resources_) {
            if (r.typeId == 0 && r.typeName == type) found.push_back(&r);
        }
        return found;
    }
    std::vector<PeResource> resources_;
};

TEST_F(ResourceTest, TemplatesMatchTheirTextsLengthsAndLanguages)
{
    std::map<std::uint32_t, const PeResource*> byId;
    for (const PeResource* r : OfNamedType("TPPS")) {
        EXPECT_TRUE(byId.emplace(r->id, r).second) << "template " << r->id << " twice";
    }
    std::set<std::uint32_t> expectedIds;
    for (const ExpectedTemplate& t : kExpectedTemplates) {
        expectedIds.insert(static_cast<std::uint32_t>(t.id));
        auto it = byId.find(static_cast<std::uint32_t>(t.id));
        ASSERT_NE(it, byId.end()) << "template " << t.id << " missing";
        const PeResource& r = *it->second;
        EXPECT_EQ(r.language, t.language) << "template " << t.id;
        ASSERT_EQ(r.bytes.size(), t.length) << "template " << t.id;
        EXPECT_EQ(std::string(r.bytes.begin(), r.bytes.end()), std::string(t.text, t.length)) << "template " << t.id;
    }
    for (const auto& entry : byId) EXPECT_TRUE(expectedIds.count(entry.first)) << "unexpected template " << entry.first;
    EXPECT_EQ(byId.at(169)->bytes.back(), 0) << "template 169 ends with its zero byte";
}

// The string table as resources/strings.txt states it (escape \\n for a line feed).
std::map<int, std::string> SourceStrings()
{
    std::ifstream in(std::string(ORVANE_SOURCE_DIR) + "/resources/strings.txt");
    std::map<int, std::string> strings;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        std::string text;
        for (std::size_t i = tab + 1; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == 'n') {
                text += '\n';
                ++i;
            } else {
                text += line[i];
            }
        }
        strings[std::stoi(line.substr(0, tab))] = text;
    }
    return strings;
}

TEST_F(ResourceTest, StringTableHoldsEveryStringInEnglish)
{
    std::map<int, std::string> shipped;
    for (const PeResource& r : resources_) {
        if (r.typeId != kRtString) continue;
        EXPECT_EQ(r.language, kEnglishUs) << "string block " << r.id;
        std::vector<std::string> block = orvane::test::StringTableBlock(r.bytes);
        for (int i = 0; i < 16; ++i) {
            if (!block[static_cast<std::size_t>(i)].empty()) shipped[static_cast<int>((r.id - 1) * 16) + i] = block[static_cast<std::size_t>(i)];
        }
    }
    std::map<int, std::string> source = SourceStrings();
    ASSERT_TRUE(source.count(1) && source.count(69)) << "strings.txt not read";
    for (const auto& entry : source) {
        auto it = shipped.find(entry.first);
        ASSERT_NE(it, shipped.end()) << "string " << entry.first << " missing";
        EXPECT_EQ(it->second, entry.second) << "string " << entry.first;
    }
    EXPECT_EQ(shipped.size(), source.size());
}

TEST_F(ResourceTest, HostResourceShipsUnchanged)
{
    const unsigned char expected[28] = {0x03, 0x00, 0x00, 0x00, 0x00, 0x03, 0x01, 0x00, 0x01, 0x00,
                                        0x00, 0x00, 0x15, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00,
                                        0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    const PeResource* found = nullptr;
    for (const PeResource& r : resources_) {
        if (r.typeId == 301) {
            EXPECT_EQ(found, nullptr) << "type 301 twice";
            found = &r;
        }
    }
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->id, 101u);
    EXPECT_EQ(found->language, kEnglishUk);
    EXPECT_EQ(found->bytes, std::vector<unsigned char>(expected, expected + 28));
}

TEST(PeResourceReader, RefusesFilesThatAreNotImages)
{
    EXPECT_THROW(orvane::test::ReadPeResources({}), orvane::test::PeFormatError);
    std::vector<unsigned char> truncated = {'M', 'Z', 0, 0};
    EXPECT_THROW(orvane::test::ReadPeResources(truncated), orvane::test::PeFormatError);
    std::vector<unsigned char> noSignature(0x100, 0);
    noSignature[0] = 'M';
    noSignature[1] = 'Z';
    noSignature[0x3C] = 0x40;
    EXPECT_THROW(orvane::test::ReadPeResources(noSignature), orvane::test::PeFormatError);
}

}  // namespace
