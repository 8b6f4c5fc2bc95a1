#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "RecordBytes.h"
#include "model/TrapStyle.h"
#include "state/ModuleState.h"
#include "storage/Preferences.h"
#include "storage/StyleRecord.h"

namespace {

using orvane::Module;
using orvane::TrapStyle;
using orvane::TrapStyleList;
using orvane::test::Bytes;

class PreferencesTest : public ::testing::Test {
protected:
    PreferencesTest()
    {
        char pattern[] = "/tmp/orvane-prefs-XXXXXX";
        dir_ = mkdtemp(pattern);
        // The Host names the folder with a trailing backslash, so the file is
        // "<dir>/\OrvaneTrp.prf" on this system.
        t.host.publication.folder = dir_ + "/\\";
        path_ = dir_ + "/\\OrvaneTrp.prf";
        Module().currentStyleList = std::make_unique<TrapStyleList>();
    }
    ~PreferencesTest() override
    {
        std::remove(path_.c_str());
        std::remove(dir_.c_str());
    }
    TrapStyleList& List() { return *Module().currentStyleList; }
    std::vector<char> FileBytes()
    {
        std::ifstream in(path_, std::ios::binary);
        return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void WriteFile(const std::vector<char>& bytes)
    {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    static std::unique_ptr<TrapStyle> Style(const std::string& name, const std::string& width)
    {
        auto s = TrapStyle::WithDefaults();
        s->name = name;
        s->trapWidth = width;
        s->reservedValue = -2;
        s->imageTrapPlacement = 2;
        s->imageInternalTrapping = 1;
        s->spareText = "x";
        s->inUse = 1;
        return s;
    }

    orvane::test::TestHost t;
    std::string dir_, path_;
};

TEST_F(PreferencesTest, WritesTheExactLayout)
{
    List().AddStyle(Style("Fine", "0.2"));
    List().AddStyle(Style(orvane::ReservedStyleName(), "9"));
    EXPECT_EQ(orvane::SavePreferences(), 1);
    Bytes b;
    b.Text("Fine").I32(-2).Text("0.2").Text("0.50").Text("10").Text("100").Text("1.6").Text("70");
    b.I32(2).I32(1).I32(1).Text("2400").Text("x").Text("100");
    EXPECT_EQ(FileBytes(), b.Get());
}

TEST_F(PreferencesTest, ThreeStylesRoundTripInOrder)
{
    for (const char* name : {"C", "A", "B"}) List().AddStyle(Style(name, std::string(name) + ".5"));
    ASSERT_EQ(orvane::SavePreferences(), 1);
    List().Clear();
    List().AddStyle(Style("Old", "1"));
    EXPECT_EQ(orvane::LoadPreferences(), 1);
    ASSERT_EQ(List().Count(), 3);
    const char* names[] = {"C", "A", "B"};
    for (int i = 0; i < 3; ++i) {
        const TrapStyle& s = *List().StyleAt(i);
        EXPECT_EQ(s.name, names[i]);
        EXPECT_EQ(s.trapWidth, std::string(names[i]) + ".5");
        EXPECT_EQ(s.reservedValue, -2);
        EXPECT_EQ(s.imageTrapPlacement, 2);
        EXPECT_EQ(s.imageToObjectTrapping, 1);
        EXPECT_EQ(s.imageInternalTrapping, 1);
        EXPECT_EQ(s.spareText, "x");
        EXPECT_EQ(s.inUse, 0);
    }
}

TEST_F(PreferencesTest, EmptyListLeavesTheFileAlone)
{
    WriteFile(Bytes().Text("keep").Get());
    EXPECT_EQ(orvane::SavePreferences(), 1);
    EXPECT_EQ(FileBytes(), Bytes().Text("keep").Get());
}

TEST_F(PreferencesTest, EmptyAndMissingFiles)
{
    List().AddStyle(Style("Before", "1"));
    EXPECT_EQ(orvane::LoadPreferences(), 0);
    EXPECT_EQ(List().Count(), 1);
    WriteFile({});
    EXPECT_EQ(orvane::LoadPreferences(), 1);
    EXPECT_TRUE(List().Empty());
}

TEST_F(PreferencesTest, TruncatedFileKeepsTheCompleteStyles)
{
    Bytes b;
    b.Text("Whole").I32(0).Text("1").Text("2").Text("3").Text("4").Text("5").Text("6");
    b.I32(0).I32(0).I32(0).Text("7").Text("").Text("8");
    b.Text("Half").I32(0).Text("1");
    WriteFile(b.Get());
    EXPECT_EQ(orvane::LoadPreferences(), 0);  // cut inside a style
    ASSERT_EQ(List().Count(), 1);
    EXPECT_EQ(List().StyleAt(0)->trapColorScaling, "8");

    WriteFile(Bytes().Text(std::string(700, 'n')).I32(0).Text("1").Text("2").Text("3").Text("4").Text("5").Text("6")
                  .I32(0).I32(0).I32(0).Text("7").Text("").Text("8").Get());
    EXPECT_EQ(orvane::LoadPreferences(), 1);
    ASSERT_EQ(List().Count(), 1);
    EXPECT_EQ(List().StyleAt(0)->name, std::string(499, 'n'));
    EXPECT_EQ(List().StyleAt(0)->imageResolution, "7");

    WriteFile(Bytes().Text("").Text("no NUL").Get());
    WriteFile({'a', 'b'});
    EXPECT_EQ(orvane::LoadPreferences(), 0);
    EXPECT_TRUE(List().Empty());
}

TEST_F(PreferencesTest, AStyleInBothPlacesKeepsTheFileParameters)
{
    List().AddStyle(Style("Shared", "0.1"));
    ASSERT_EQ(orvane::SavePreferences(), 1);
    Bytes b;
    b.Byte('w').I16(1);
    b.Text("Shared").I16(0).Text("0.9").Text("").Text("").Text("").Text("").Text("").I32(0).I16(0).I16(0);
    b.Text("").Text("").Text("");
    t.host.publication.records[{"CCC", "ORVT"}] = b.Get();
    List().Clear();
    orvane::LoadPreferences();
    orvane::LoadStyleRecord();
    ASSERT_EQ(List().Count(), 1);
    EXPECT_EQ(List().StyleAt(0)->trapWidth, "0.1");
}

TEST_F(PreferencesTest, OverlongPathAndFailedFolderRequest)
{
    List().AddStyle(Style("S", "1"));
    t.host.publication.folder = dir_ + "/" + std::string(260, 'd');
    EXPECT_EQ(orvane::SavePreferences(), 0);
    EXPECT_EQ(orvane::LoadPreferences(), 0);
    EXPECT_EQ(List().Count(), 1);

    t.host.failRequests[2003] = {4, 0, -1};
    EXPECT_THROW(orvane::LoadPreferences(), orvane::HostError);
    EXPECT_EQ(List().Count(), 1);
    EXPECT_EQ(t.host.OutstandingAllocations(), 0);
}

}  // namespace
