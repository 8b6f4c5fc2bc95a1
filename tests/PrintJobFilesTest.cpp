// Writes whole print jobs, as the Host stand-in receives them, into the folder named
// by ORVANE_PS_JOBS, for an interpreter to run (scripts/tests.d/50-ghostscript.sh).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "model/TrapStyle.h"
#include "model/TrapZone.h"
#include "storage/DocumentRecord.h"
#include "storage/StyleRecord.h"
#include "tests/StoredSettings.h"
#include "tests/TestHost.h"

namespace orvane {
namespace {

class PrintJobFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* folder = std::getenv("ORVANE_PS_JOBS");
        if (folder == nullptr || *folder == '\0') GTEST_SKIP() << "ORVANE_PS_JOBS not set";
        folder_ = folder;
        Module().printSettingChanged = false;
    }
    void AddColor(const std::string& name, std::int16_t density, std::int16_t kind = 0,
                  std::vector<std::string> inks = {})
    {
        hostsim::SimColor color;
        color.name = name;
        color.density = density;
        color.kind = kind;
        color.inks = std::move(inks);
        t.host.publication.colors.push_back(color);
    }
    TrapStyle& AddStyle(const std::string& name)
    {
        auto style = TrapStyle::WithDefaults();
        style->name = name;
        style->inUse = 1;
        TrapStyle& ref = *style;
        styles_.push_back(std::move(style));
        return ref;
    }
    void Store(std::int32_t enabled, std::int32_t allPages, const std::string& defaultStyle,
               const std::vector<test::StoredZone>& zones)
    {
        test::StoreSettings(t.host, enabled, allPages, defaultStyle, zones, std::move(styles_));
        styles_.clear();
        t.host.ClearLog();
    }
    // Prints the job through the plug-in's notifications and writes it out.
    void PrintTo(const std::string& fileName, int printedPages)
    {
        std::string job = "%!PS-Adobe-3.0\n";
        auto take = [&](std::uint32_t id) {
            std::size_t before = t.host.job.size();
            ASSERT_EQ(t.host.Notify(id), 0) << id;
            job += t.host.job.substr(before);
        };
        std::int32_t result = -1;
        ASSERT_EQ(t.host.Notify(102, &result), 0);
        ASSERT_EQ(result, 0);
        take(105);
        take(107);
        for (int page = 1; page <= printedPages; ++page) {
            take(110);
            job += "newpath 72 72 moveto 200 0 rlineto 0 200 rlineto closepath fill showpage\n";
        }
        take(118);
        t.host.NotifyJobEnd(531, 0x200);
        std::ofstream out(folder_ + "/" + fileName, std::ios::binary);
        out << job;
        ASSERT_TRUE(out.good());
    }

    test::TestHost t;
    std::string folder_;
    std::vector<std::unique_ptr<TrapStyle>> styles_;
};

TEST_F(PrintJobFiles, ZonesDefaultStyleAndInks)
{
    t.host.publication.SetPageCount(4);
    AddColor("Gold", 250);
    AddColor("Duo", 0, 3, {"Ink X", "Ink Y"});
    t.host.publication.inkDensities = {{"Ink X", 400}, {"Ink Y", 0}};
    AddStyle("Fine");
    AddStyle("Body").inUse = 0;
    AddStyle("Unused").inUse = 0;
    Store(1, 1, "Body", {{"Fine", 1, {1, 2}}, {"[Printer Default Settings]", 0, {2, 3}}});
    PrintTo("zones.ps", 4);
}

TEST_F(PrintJobFiles, AwkwardNamesAndExtremeValues)
{
    t.host.publication.SetPageCount(3);
    t.host.publication.copies = 2;
    t.host.publication.reverse = 1;
    AddColor("Gold (old) \\ ink", 12000);
    AddColor("Tab\tInk\xE9", 0);
    AddColor("Lone ( paren", 5);
    AddColor("[Bracket]", 32767);
    TrapStyle& wide = AddStyle("Sp ace\tTab\xE9 [br] (par) lone( back\\slash");
    wide.trapWidth = "0";
    wide.blackWidth = "0.5";
    wide.stepLimit = "0";
    wide.blackColorLimit = "0";
    wide.blackDensityLimit = "12";
    wide.slidingTrapLimit = "100";
    wide.trapColorScaling = "0";
    wide.imageResolution = "2147483647";
    wide.imageTrapPlacement = 3;
    wide.imageToObjectTrapping = 0;
    wide.imageInternalTrapping = 1;
    TrapStyle& broken = AddStyle("x)y");
    broken.trapWidth = "";
    broken.blackWidth = "junk";
    broken.imageResolution = "0";
    broken.blackDensityLimit = "0";
    broken.stepLimit = "100";
    broken.imageTrapPlacement = 1;
    Store(1, 1, "Sp ace\tTab\xE9 [br] (par) lone( back\\slash", {{"x)y", 1, {2}}});
    PrintTo("awkward.ps", 6);
}

TEST_F(PrintJobFiles, TrappingOff)
{
    AddStyle("Fine");
    Store(0, 1, "Fine", {{"Fine", 1, {1}}});
    PrintTo("off.ps", 4);
}

}  // namespace
}  // namespace orvane
