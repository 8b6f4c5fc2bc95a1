// The version resource of the built DLL, read from its PE file: the version of the
// VERSION file in both forms, the names Windows shows in the file's properties, and
// the reader's refusals of resources that run past their bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "tests/PeResources.h"

namespace {

using orvane::test::PeFormatError;
using orvane::test::PeResource;
using orvane::test::PeVersionInfo;

constexpr std::uint32_t kRtVersion = 16;
using orvane::test::kEnglishUs;

std::string SourceVersion()
{
    std::ifstream in(std::string(ORVANE_SOURCE_DIR) + "/VERSION");
    std::string version;
    std::getline(in, version);
    return version;
}

TEST(VersionResource, CarriesTheSourceVersionAndTheProductNames)
{
    const std::string path = orvane::test::BuiltDllPath();
    if (!std::ifstream(path, std::ios::binary)) GTEST_SKIP() << "no DLL at " << path;
    const std::vector<PeResource> resources = orvane::test::ReadPeResources(orvane::test::ReadWholeFile(path));
    const PeResource* found = nullptr;
    for (const PeResource& r : resources) {
        if (r.typeName.empty() && r.typeId == kRtVersion) {
            EXPECT_EQ(found, nullptr) << "two version resources";
            found = &r;
        }
    }
    ASSERT_NE(found, nullptr) << "no version resource";
    EXPECT_EQ(found->id, 1u);
    EXPECT_EQ(found->language, kEnglishUs);

    const PeVersionInfo info = orvane::test::ReadVersionInfo(found->bytes);
    EXPECT_EQ(info.signature, 0xFEEF04BDu);
    const std::string version = SourceVersion();
    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_EQ(std::sscanf(version.c_str(), "%u.%u.%u", &major, &minor, &patch), 3) << "VERSION: " << version;
    const std::array<std::uint32_t, 4> numbers{major, minor, patch, 0};
    EXPECT_EQ(info.fileVersion, numbers);
    EXPECT_EQ(info.productVersion, numbers);
    EXPECT_EQ(info.fileOs, 0x40004u) << "32-bit Windows";
    EXPECT_EQ(info.fileType, 2u) << "a DLL";

    // One table, in US English with UTF-16 texts, which the translation names.
    EXPECT_EQ(info.translations, std::vector<std::uint32_t>{0x04B00409u});
    ASSERT_EQ(info.stringTables.size(), 1u);
    ASSERT_EQ(info.stringTables.begin()->first, "040904B0");
    const auto& strings = info.stringTables.begin()->second;
    const struct {
        const char* key;
        std::string text;
    } expected[] = {
        {"ProductName", "Orvane Trapping"},
        {"OriginalFilename", "OrvaneTrp.dll"},
        {"FileVersion", version},
        {"ProductVersion", version},
        {"FileDescription", "Trapping plug-in for Quillset"},
        {"CompanyName", "Orvane Trapping developers"},
    };
    for (const auto& e : expected) {
        auto it = strings.find(e.key);
        ASSERT_NE(it, strings.end()) << e.key << " missing";
        EXPECT_EQ(it->second, e.text) << e.key;
    }
    for (const auto& entry : strings) {
        EXPECT_EQ(entry.second.find("Halcyte"), std::string::npos) << entry.first << " names the Host's maker";
    }
}

// A version block: length, value length, type, key, value, children, each part on a
// 32-bit boundary, as the resource compiler lays them out.
std::vector<unsigned char> Block(const std::string& key, const std::vector<unsigned char>& value, bool text,
                                 const std::vector<std::vector<unsigned char>>& children = {})
{
    std::vector<unsigned char> b(6, 0);
    for (char c : key) b.insert(b.end(), {static_cast<unsigned char>(c), 0});
    b.insert(b.end(), {0, 0});
    while (b.size() % 4) b.push_back(0);
    b.insert(b.end(), value.begin(), value.end());
    for (const auto& child : children) {
        while (b.size() % 4) b.push_back(0);
        b.insert(b.end(), child.begin(), child.end());
    }
    const std::size_t valueLength = text ? value.size() / 2 : value.size();
    b[0] = static_cast<unsigned char>(b.size());
    b[1] = static_cast<unsigned char>(b.size() >> 8);
    b[2] = static_cast<unsigned char>(valueLength);
    b[4] = text ? 1 : 0;
    return b;
}

std::vector<unsigned char> Wide(const std::string& s)
{
    std::vector<unsigned char> w;
    for (char c : s) w.insert(w.end(), {static_cast<unsigned char>(c), 0});
    w.insert(w.end(), {0, 0});
    return w;
}

std::vector<unsigned char> Fixed()
{
    std::vector<unsigned char> f(52, 0);
    const unsigned char signature[] = {0xBD, 0x04, 0xEF, 0xFE};
    std::copy(signature, signature + 4, f.begin());
    f[10] = 2;  // file version 2.0.0.0
    f[36] = 2;  // a DLL
    return f;
}

std::vector<unsigned char> VarFileInfo()
{
    return Block("VarFileInfo", {}, true, {Block("Translation", {0x09, 0x04, 0xB0, 0x04}, false)});
}

std::vector<unsigned char> Resource(const std::vector<unsigned char>& fixed = Fixed())
{
    return Block("VS_VERSION_INFO", fixed, false,
                 {Block("StringFileInfo", {}, true,
                        {Block("040904B0", {}, true, {Block("ProductName", Wide("Orvane Trapping"), true)})}),
                  VarFileInfo()});
}

TEST(VersionInfoReader, ReadsWhatTheCompilerLaysOut)
{
    const PeVersionInfo info = orvane::test::ReadVersionInfo(Resource());
    EXPECT_EQ(info.fileVersion, (std::array<std::uint32_t, 4>{2, 0, 0, 0}));
    EXPECT_EQ(info.fileType, 2u);
    EXPECT_EQ(info.stringTables.at("040904B0").at("ProductName"), "Orvane Trapping");
    EXPECT_EQ(info.translations, std::vector<std::uint32_t>{0x04B00409u});
}

// The resource with the 16-bit word at `offset` changed by `delta`.
std::vector<unsigned char> WithWordChanged(std::vector<unsigned char> b, std::size_t offset, int delta)
{
    const int word = (b[offset] | (b[offset + 1] << 8)) + delta;
    b[offset] = static_cast<unsigned char>(word);
    b[offset + 1] = static_cast<unsigned char>(word >> 8);
    return b;
}

TEST(VersionInfoReader, RefusesBlocksThatRunPastTheirBounds)
{
    const std::vector<unsigned char> good = Resource();
    const std::vector<unsigned char> bareRoot = Block("VS_VERSION_INFO", Fixed(), false);
    // The last child taking in a block that follows the resource.
    std::vector<unsigned char> followed = good;
    const std::vector<unsigned char> extra = Block("Extra", {}, false);
    followed.insert(followed.end(), extra.begin(), extra.end());
    followed = WithWordChanged(followed, good.size() - VarFileInfo().size(), static_cast<int>(extra.size()));
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
    } cases[] = {
        {"empty", {}},
        {"cut short", std::vector<unsigned char>(good.begin(), good.begin() + 40)},
        {"another key", Block("VS_VERSION_INFX", Fixed(), false)},
        {"a fixed part too short", Resource(std::vector<unsigned char>(8, 0))},
        {"length past the end", WithWordChanged(good, 0, 4)},
        {"child past its parent", followed},
        {"value past its block", WithWordChanged(bareRoot, 0, -8)},
        {"key past its block", WithWordChanged(bareRoot, 0, -static_cast<int>(bareRoot.size()) + 20)},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(orvane::test::ReadVersionInfo(c.bytes), PeFormatError) << c.what;
    }
}

}  // namespace
