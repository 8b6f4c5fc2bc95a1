// Whole print jobs as the Host stand-in receives them, printed through the plug-in's
// notifications; with ORVANE_PS_JOBS set they are written into that folder. What each
// job sets up is read by the one reader of jobs, the inspector: its checks
// (inspect/tests/checks.sh) hold its report of each job against tests/inspect/NAME.txt
// and its JSON's zones of each page against the settings stored here;
// scripts/tests.d/50-ghostscript.sh runs them in Ghostscript.
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
    void SetUp() override { Module().printSettingChanged = false; }
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
    // Prints the job through the plug-in's notifications, each of which must succeed,
    // and writes it out when asked to.
    void Print(const std::string& fileName, int printedPages)
    {
        std::string job = "%!PS-Adobe-3.0\n";
        auto take = [&](std::uint32_t id) {
            std::size_t before = t.host.job.size();
            EXPECT_EQ(t.host.Notify(id), 0) << id;
            job += t.host.job.substr(before);
        };
        std::int32_t result = -1;
        EXPECT_EQ(t.host.Notify(102, &result), 0);
        EXPECT_EQ(result, 0);
        take(105);
        take(107);
        for (int page = 1; page <= printedPages; ++page) {
            take(110);
            job += "newpath 72 72 moveto 200 0 rlineto 0 200 rlineto closepath fill showpage\n";
        }
        take(118);
        t.host.NotifyJobEnd(531, 0x200);
        const char* folder = std::getenv("ORVANE_PS_JOBS");
        if (folder != nullptr && *folder != '\0') {
            std::ofstream out(std::string(folder) + "/" + fileName, std::ios::binary);
            out << job;
            EXPECT_TRUE(out.good()) << fileName;
        }
    }

    test::TestHost t;
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
    Print("zones.ps", 4);
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
    const std::string wideName = "Sp ace\tTab\xE9 [br] (par) lone( back\\slash";
    TrapStyle& wide = AddStyle(wideName);
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
    Store(1, 1, wideName, {{"x)y", 1, {2}}});
    Print("awkward.ps", 6);
}

TEST_F(PrintJobFiles, TrappingOff)
{
    AddStyle("Fine");
    Store(0, 1, "Fine", {{"Fine", 1, {1}}});
    Print("off.ps", 4);
}

}  // namespace
}  // namespace orvane
