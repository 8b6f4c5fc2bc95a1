// Whole print jobs as the Host stand-in receives them: what each job sets up and sets
// on each page is checked here; with ORVANE_PS_JOBS set they are also written into
// that folder for an interpreter to run (scripts/tests.d/50-ghostscript.sh).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "model/TrapStyle.h"
#include "model/TrapZone.h"
#include "storage/DocumentRecord.h"
#include "storage/StyleRecord.h"
#include "tests/StoredSettings.h"
#include "tests/TestHost.h"

namespace orvane {
namespace {

// A PostScript string's text as the interpreter reads it.
std::string Unescape(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        ++i;
        int digits = 0, value = 0;
        while (digits < 3 && i < text.size() && text[i] >= '0' && text[i] <= '7') {
            value = value * 8 + (text[i++] - '0');
            ++digits;
        }
        if (digits > 0) {
            out += static_cast<char>(value);
            --i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// What an interpreter with in-RIP trapping takes from a job.
struct JobSummary {
    std::vector<std::string> styles;  // trap styles defined, in order
    std::map<std::string, std::map<std::string, std::string>> parameters;
    std::vector<std::string> inks;    // name, density and colorant type
    std::vector<std::string> order;
    std::vector<std::vector<std::string>> pages;  // each page's zones: style, " off" when disabled

    std::string Parameters(const std::string& style, std::initializer_list<const char*> names) const
    {
        auto found = parameters.find(style);
        if (found == parameters.end()) return "not defined";
        std::string text;
        for (const char* name : names) {
            auto value = found->second.find(name);
            text += (text.empty() ? "" : " ") + std::string(name) + " " +
                    (value == found->second.end() ? "-" : value->second);
        }
        return text;
    }
};

JobSummary Summarize(const std::string& job)
{
    static const std::regex styleStart(R"(^\((.*)\) cvn \[$)");
    static const std::regex printerDefault(R"(^\((.*)\)cvn /Trapping /ProcSet findresource begin currenttrapparams .*)");
    static const std::regex parameter("^\t\t/(\\w+)\t+ ?(.*)$");
    static const std::regex styleEnd("^\t\\] cvdict /TrapParams defineresource pop$");
    static const std::regex inkStart("^\t\t\\((.*)\\)cvn \\[$");
    static const std::regex inkValue("^\t\t\t/(NeutralDensity|ColorantType)\t/?(\\S*) ?$");
    static const std::regex order(R"(/TrappingOrder \[(.*)\]$)");
    static const std::regex zone("^\t\\((.*)\\) cvn /TrapParams findresource dup length dict copy (.*)settrapparams$");
    JobSummary summary;
    std::string style, ink;
    std::vector<std::string> page;
    std::istringstream lines(job);
    std::string line;
    std::smatch m;
    while (std::getline(lines, line)) {
        if (std::regex_match(line, m, styleStart)) {
            style = Unescape(m[1]);
            summary.styles.push_back(style);
        } else if (std::regex_match(line, m, printerDefault)) {
            summary.styles.push_back(Unescape(m[1]));
        } else if (!style.empty() && std::regex_match(line, m, parameter)) {
            std::string value = m[2];
            if (value.size() > 2 && value.front() == '(' && value.back() == ')') value = Unescape(value.substr(1, value.size() - 2));
            summary.parameters[style][m[1]] = value;
        } else if (std::regex_match(line, styleEnd)) {
            style.clear();
        } else if (std::regex_match(line, m, inkStart)) {
            ink = Unescape(m[1]);
        } else if (!ink.empty() && std::regex_match(line, m, inkValue)) {
            ink += " " + m[2].str();
            if (m[1] == "ColorantType") {
                summary.inks.push_back(ink);
                ink.clear();
            }
        } else if (std::regex_search(line, m, order)) {
            std::string names = m[1];
            for (std::size_t at = 0, end; (end = names.find(")cvn ", at)) != std::string::npos; at = end + 5) {
                summary.order.push_back(Unescape(names.substr(at + 1, end - at - 1)));
            }
        } else if (std::regex_match(line, m, zone)) {
            std::string setting = m[2];
            page.push_back(Unescape(m[1]) + (setting.find("/Enabled false put") != std::string::npos ? " off" : ""));
        }
        if (line.find("showpage") != std::string::npos) {
            summary.pages.push_back(page);
            page.clear();
        }
    }
    return summary;
}

const std::vector<std::string> kProcessInks = {"Cyan 0.6100 Normal", "Magenta 0.7600 Normal",
                                               "Yellow 0.1600 Normal", "Black 1.7000 Normal"};

std::vector<std::string> ProcessInksAnd(std::vector<std::string> more)
{
    std::vector<std::string> inks = kProcessInks;
    inks.insert(inks.end(), more.begin(), more.end());
    return inks;
}

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
    // Prints the job through the plug-in's notifications, writes it out when asked
    // to, and gives what it sets up.
    JobSummary Print(const std::string& fileName, int printedPages)
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
        return Summarize(job);
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
    JobSummary job = Print("zones.ps", 4);

    EXPECT_EQ(job.styles, (std::vector<std::string>{"[Printer Default Settings]", "Fine", "Body"}));
    EXPECT_EQ(job.Parameters("Fine", {"TrapWidth", "BlackWidth", "TrapSetName", "Enabled"}),
              "TrapWidth 0.25 BlackWidth 2.0000 TrapSetName Fine Enabled true");
    EXPECT_EQ(job.Parameters("Body", {"TrapWidth", "StepLimit", "ImageResolution", "ImageTrapPlacement"}),
              "TrapWidth 0.25 StepLimit 0.1000 ImageResolution 2400 ImageTrapPlacement /Center");
    EXPECT_EQ(job.inks, ProcessInksAnd({"Gold 0.2500 Normal", "Ink X 0.4000 Normal", "Ink Y 0.0000 Normal"}));
    EXPECT_EQ(job.order, (std::vector<std::string>{"Cyan", "Magenta", "Yellow", "Black", "Gold", "Ink X", "Ink Y"}));
    EXPECT_EQ(job.pages, (std::vector<std::vector<std::string>>{
                             {"Fine"},
                             {"Fine", "[Printer Default Settings] off"},
                             {"[Printer Default Settings] off"},
                             {"Body"}}));
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
    JobSummary job = Print("awkward.ps", 6);

    EXPECT_EQ(job.styles, (std::vector<std::string>{"[Printer Default Settings]", wideName, "x)y"}));
    const auto names = {"TrapWidth", "BlackWidth", "StepLimit", "BlackColorLimit", "BlackDensityLimit",
                        "SlidingTrapLimit", "TrapColorScaling", "ImageResolution", "ImageTrapPlacement",
                        "ImageInternalTrapping", "ImageToObjectTrapping", "TrapSetName"};
    EXPECT_EQ(job.Parameters(wideName, names),
              "TrapWidth 0 BlackWidth 1.0000 StepLimit 0.0001 BlackColorLimit 0.0001 BlackDensityLimit 12.0000 "
              "SlidingTrapLimit 1.0000 TrapColorScaling 0.0000 ImageResolution 2147483647 ImageTrapPlacement /Spread "
              "ImageInternalTrapping true ImageToObjectTrapping false TrapSetName " + wideName);
    EXPECT_EQ(job.Parameters("x)y", names),
              "TrapWidth 0.0000 BlackWidth 1.0000 StepLimit 1.0000 BlackColorLimit 1.0000 BlackDensityLimit 0.0001 "
              "SlidingTrapLimit 0.7000 TrapColorScaling 1.0000 ImageResolution 1 ImageTrapPlacement /Choke "
              "ImageInternalTrapping false ImageToObjectTrapping true TrapSetName x)y");
    EXPECT_EQ(job.inks, ProcessInksAnd({"Gold (old) \\ ink 12.0000 Normal", "Tab\tInk\xE9 0.0010 Normal",
                                        "Lone ( paren 0.0050 Normal", "[Bracket] 32.7670 Normal"}));
    EXPECT_EQ(job.order, (std::vector<std::string>{"Cyan", "Magenta", "Yellow", "Black", "Gold (old) \\ ink",
                                                   "Tab\tInk\xE9", "Lone ( paren", "[Bracket]"}));
    // Three pages in reverse order, twice: the zone is on page 2, the default style elsewhere.
    const std::vector<std::string> outside{wideName}, zoned{"x)y"};
    EXPECT_EQ(job.pages, (std::vector<std::vector<std::string>>{outside, zoned, outside, outside, zoned, outside}));
}

TEST_F(PrintJobFiles, TrappingOff)
{
    AddStyle("Fine");
    Store(0, 1, "Fine", {{"Fine", 1, {1}}});
    JobSummary job = Print("off.ps", 4);
    EXPECT_TRUE(job.styles.empty());
    EXPECT_TRUE(job.inks.empty());
    EXPECT_TRUE(job.order.empty());
    EXPECT_EQ(job.pages, std::vector<std::vector<std::string>>(4));
}

}  // namespace
}  // namespace orvane
