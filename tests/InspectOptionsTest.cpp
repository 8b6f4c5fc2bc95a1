// The inspector's command line: what each option sets, and the message of each that
// cannot run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inspect/Options.h"

namespace orvane::inspect {
namespace {

std::string Parsed(const std::vector<std::string>& args) {
    try {
        const Options o = ParseOptions(args);
        if (o.help) return "help";
        return o.job + " pages " + std::to_string(o.first) + "-" + std::to_string(o.last) + (o.pageRange ? "" : " (all)") +
               " out " + o.out + " dpi " + std::to_string(o.resolution) + " limit " + std::to_string(o.inkLimit).substr(0, 5) +
               (o.json ? " json" : "") + (o.plates ? " plates" : "") + (o.traps ? " traps" : "") +
               (o.misregister ? " misregister " + std::to_string(o.misregister) : "") + (o.timing ? " timing" : "");
    } catch (const UsageError& e) {
        return std::string(e.usage ? "usage: " : "error: ") + e.what();
    }
}

TEST(InspectOptions, EachOptionSetsWhatItSaysOrSaysWhyNot) {
    const struct {
        std::vector<std::string> args;
        const char* want;
    } cases[] = {
        {{"j.ps"}, "j.ps pages 1-2147483647 (all) out out/inspect dpi 300 limit 300.0"},
        {{"j.ps", "--pages", "2-5", "--out=o", "--json"}, "j.ps pages 2-5 out o dpi 300 limit 300.0 json"},
        {{"--pages=007", "j.ps", "--timing"}, "j.ps pages 7-7 out out/inspect dpi 300 limit 300.0 timing"},
        {{"j.ps", "--traps", "--resolution", "0072", "--ink-limit", "280.5"},
         "j.ps pages 1-2147483647 (all) out out/inspect dpi 72 limit 280.5 plates traps"},
        {{"j.ps", "--misregister", "2"}, "j.ps pages 1-2147483647 (all) out out/inspect dpi 300 limit 300.0 plates traps misregister 2"},
        {{"--help", "--nonsense"}, "help"},
        {{"-h"}, "help"},
        {{"j.ps", "--pages", "3-1"}, "error: --pages 3-1 is no range of pages"},
        {{"j.ps", "--pages", "0"}, "error: --pages 0 is no range of pages"},
        {{"j.ps", "--pages", "1-"}, "error: --pages takes N-M or N, not 1-"},
        {{"j.ps", "--pages", "1-99999999999"}, "error: --pages takes N-M or N, not 1-99999999999"},
        {{"j.ps", "--pages"}, "error: --pages needs N-M"},
        {{"j.ps", "--resolution", "2401"}, "error: --resolution takes dots per inch from 1 to 2400, not 2401"},
        {{"j.ps", "--resolution=0"}, "error: --resolution takes dots per inch from 1 to 2400, not 0"},
        {{"j.ps", "--ink-limit", "-1"}, "error: --ink-limit takes a percentage, not -1"},
        {{"j.ps", "--ink-limit", "1e3"}, "error: --ink-limit takes a percentage, not 1e3"},
        {{"j.ps", "--misregister", "101"}, "error: --misregister takes pixels from 1 to 100, not 101"},
        {{"j.ps", "--json=yes"}, "usage: unknown option --json=yes"},
        {{"j.ps", "--colour"}, "usage: unknown option --colour"},
        {{"a.ps", "b.ps"}, "error: one job at a time (a.ps, b.ps)"},
        {{}, "usage: no job named"},
    };
    for (const auto& c : cases) EXPECT_EQ(Parsed(c.args), c.want) << ::testing::PrintToString(c.args);
}

TEST(InspectOptions, HelpNamesEveryPublishedOptionAndTheExitStatuses) {
    const std::string help = HelpText();
    for (const char* option : {"--pages N-M", "--out DIR", "--json", "--plates", "--resolution DPI", "--traps",
                               "--ink-limit PCT", "--misregister PIXELS", "--timing", "--help"})
        EXPECT_NE(help.find(std::string("\n  ") + option), std::string::npos) << option;
    EXPECT_NE(help.find("Exit status: 0 clean; 1 the device would refuse something; 2 "), std::string::npos);
}

}  // namespace
}  // namespace orvane::inspect
