// A preferences file cut inside every field, numbers at their limits and the
// limit of the file's path.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "RecordBytes.h"
#include "model/TrapStyle.h"
#include "state/ModuleState.h"
#include "storage/Preferences.h"

namespace {

using orvane::Module;
using orvane::TrapStyleList;
using orvane::test::Fields;

class PreferencesFailTest : public ::testing::Test {
protected:
    PreferencesFailTest()
    {
        char pattern[] = "/tmp/orvane-prefs-XXXXXX";
        dir_ = mkdtemp(pattern);
        UseFolder(dir_ + "/");
    }
    ~PreferencesFailTest() override
    {
        std::remove(path_.c_str());
        std::remove(dir_.c_str());
        Module().currentStyleList.reset();
    }
    // The Host names `folder`; the file is "<folder>\OrvaneTrp.prf" on this system.
    void UseFolder(const std::string& folder)
    {
        std::remove(path_.c_str());
        t.host.publication.folder = folder;
        path_ = folder + "\\OrvaneTrp.prf";
    }
    void WriteFile(const std::vector<char>& bytes)
    {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    bool FileExists() const { return std::ifstream(path_).good(); }
    void FreshList()
    {
        Module().currentStyleList = std::make_unique<TrapStyleList>();
        auto before = orvane::TrapStyle::WithDefaults();
        before->name = "Before";
        Module().currentStyleList->AddStyle(std::move(before));
    }
    static void StyleFields(Fields& f, int n, const std::string& name, std::int64_t reserved = -2,
                            std::int64_t placement = 2)
    {
        const std::string s = "style " + std::to_string(n) + " ";
        f.Text(s + "name", name).I32(s + "reserved value", reserved).Text(s + "trap width", "0.3");
        f.Text(s + "black width", "0.5").Text(s + "step limit", "10").Text(s + "black color limit", "100");
        f.Text(s + "black density limit", "1.6").Text(s + "sliding trap limit", "70");
        f.I32(s + "image trap placement", placement).I32(s + "trap images to objects", 1);
        f.I32(s + "internal image trapping", 0).Text(s + "image resolution", "2400").Text(s + "spare text", "x");
        f.Text(s + "color scaling", "100");
    }

    orvane::test::TestHost t;
    std::string dir_, path_;
};

TEST_F(PreferencesFailTest, AFileCutInsideAnyFieldKeepsTheStylesBeforeIt)
{
    Fields f;
    StyleFields(f, 1, "First");
    StyleFields(f, 2, "Second");
    for (const Fields::Field& field : f.All()) {
        SCOPED_TRACE(field.name);
        ASSERT_GT(field.size, 1u);
        const bool inSecond = field.name.rfind("style 2 ", 0) == 0;
        FreshList();
        WriteFile(f.CutAt(field.name, field.size - 1));
        EXPECT_EQ(orvane::LoadPreferences(), 0);
        const TrapStyleList& list = *Module().currentStyleList;
        ASSERT_EQ(list.Count(), inSecond ? 1 : 0);
        if (inSecond) {
            EXPECT_EQ(list.StyleAt(0)->name, "First");
            EXPECT_EQ(list.StyleAt(0)->trapColorScaling, "100");
        }
        EXPECT_EQ(t.host.OutstandingAllocations(), 0);
    }
    // Cut between two styles the file is whole.
    FreshList();
    WriteFile(f.CutAt("style 2 name"));
    EXPECT_EQ(orvane::LoadPreferences(), 1);
    EXPECT_EQ(Module().currentStyleList->Count(), 1);
    FreshList();
    WriteFile(f.Get());
    EXPECT_EQ(orvane::LoadPreferences(), 1);
    EXPECT_EQ(Module().currentStyleList->Count(), 2);
}

TEST_F(PreferencesFailTest, NumbersAtTheirLimitsComeBackUnchanged)
{
    const std::vector<std::pair<std::int64_t, std::int64_t>> table = {
        {-2147483648LL, 2147483647}, {2147483647, -2147483648LL}, {0, -1}, {-1, 0}};
    for (const auto& [reserved, placement] : table) {
        SCOPED_TRACE(std::to_string(reserved) + " " + std::to_string(placement));
        Fields f;
        StyleFields(f, 1, "Edge", reserved, placement);
        FreshList();
        WriteFile(f.Get());
        ASSERT_EQ(orvane::LoadPreferences(), 1);
        ASSERT_EQ(Module().currentStyleList->Count(), 1);
        EXPECT_EQ(Module().currentStyleList->StyleAt(0)->reservedValue, static_cast<std::int32_t>(reserved));
        EXPECT_EQ(Module().currentStyleList->StyleAt(0)->imageTrapPlacement, static_cast<std::int32_t>(placement));
        ASSERT_EQ(orvane::SavePreferences(), 1);
        FreshList();
        ASSERT_EQ(orvane::LoadPreferences(), 1);
        EXPECT_EQ(Module().currentStyleList->StyleAt(0)->reservedValue, static_cast<std::int32_t>(reserved));
    }
}

TEST_F(PreferencesFailTest, ThePathFitsIn260BytesWithItsNul)
{
    struct Case {
        std::size_t length;  // of the whole path, without its NUL
        bool fits;
    };
    const std::string tail = "\\OrvaneTrp.prf";
    for (const Case& c : std::vector<Case>{{258, true}, {259, true}, {260, false}, {261, false}}) {
        SCOPED_TRACE(c.length);
        const std::size_t padding = c.length - tail.size() - dir_.size() - 1;
        UseFolder(dir_ + "/" + std::string(padding, 'd'));
        ASSERT_EQ(path_.size(), c.length);
        FreshList();
        EXPECT_EQ(orvane::SavePreferences(), c.fits ? 1 : 0);
        EXPECT_EQ(FileExists(), c.fits);
        Module().currentStyleList->Clear();
        EXPECT_EQ(orvane::LoadPreferences(), c.fits ? 1 : 0);
        // A path that does not fit leaves the list as it was.
        ASSERT_EQ(Module().currentStyleList->Count(), c.fits ? 1 : 0);
        if (c.fits) {
            EXPECT_EQ(Module().currentStyleList->StyleAt(0)->name, "Before");
        }
    }
}

}  // namespace
