#include <gtest/gtest.h>

#include <sstream>

#include "hostsim/PageMarks.h"
#include "hostsim/PublicationFile.h"

namespace hostsim {
namespace {

Publication Read(const std::string& text)
{
    PublicationSetup setup;
    std::istringstream in(text);
    ReadPublicationText(in, "/pubs", "p.pub", setup);
    return setup.publication;
}

std::string Marks(const Publication& pub, int page)
{
    std::ostringstream out;
    WritePageMarks(out, pub, PrintedSheet{page, page});
    return out.str();
}

// The line that sets a colour: the one after its swatch comment or bar comment.
std::string ColourLine(const std::string& marks, const std::string& comment)
{
    std::size_t at = marks.find(comment + "\n");
    if (at == std::string::npos) return "no " + comment;
    at += comment.size() + 1;
    return marks.substr(at, marks.find('\n', at) - at);
}

TEST(HostSimPageMarks, SpotColoursPaintInTheirInksAndProcessColoursInCmyk)
{
    const Publication pub = Read(
        "pages 1\n"
        "color \"Registration\" 1000 1000 1000 1000\n"
        "color \"Process Cyan\" 1000 0 0 0\n"
        "color \"Gold\" 0 200 900 100\n"
        "color \"Odd (ink)\\\\\" 500 0 0 0\n"
        "color \"Mix\" 0 300 700 200 kind 3 inks \"Gold\" \"Violet\"\n"
        "color \"Lab only\" 100 200 300 400 kind 1\n");
    const std::string marks = Marks(pub, 1);
    const struct {
        const char* swatch;
        const char* line;
    } cases[] = {
        {"Registration", "1.000 1.000 1.000 1.000 setcmykcolor"},
        {"Process Cyan", "1.000 0.000 0.000 0.000 setcmykcolor"},
        {"Gold", "[/Separation (Gold) /DeviceCMYK {dup 0.000 mul exch dup 0.200 mul exch dup 0.900 mul exch 0.100 mul}]"
                 " setcolorspace 1 setcolor"},
        {"Odd _ink__", "[/Separation (Odd \\(ink\\)\\\\) /DeviceCMYK {dup 0.500 mul exch dup 0.000 mul exch dup 0.000 mul"
                       " exch 0.000 mul}] setcolorspace 1 setcolor"},
        {"Mix", "[/DeviceN [(Gold) cvn (Violet) cvn] /DeviceCMYK {1 {add} repeat 2 div dup 0.000 mul exch dup 0.300 mul"
                " exch dup 0.700 mul exch 0.200 mul}] setcolorspace 1 1 setcolor"},
        {"Lab only", "0.100 0.200 0.300 0.400 setcmykcolor"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColourLine(marks, std::string("% swatch ") + c.swatch), c.line) << c.swatch;
    }
}

TEST(HostSimPageMarks, AStripsBarsShareTheirEdgesAcrossTheStrip)
{
    const Publication pub = Read(
        "pages 2 keys 10 11\n"
        "color \"Process Yellow\" 0 0 1000 0\ncolor \"Gold\" 0 200 900 100\ncolor \"Process Black\" 0 0 0 1000\n"
        "strip 11 \"Process Yellow\" \"Gold\" \"Process Black\"\n");
    EXPECT_EQ(Marks(pub, 1).find("% bar"), std::string::npos) << "page 1 has no strip";
    const std::string marks = Marks(pub, 2);
    const struct {
        const char* bar;
        const char* rectangle;
    } bars[] = {{"Process Yellow", "36 60 180 140"}, {"Gold", "216 60 180 140"}, {"Process Black", "396 60 180 140"}};
    std::size_t after = 0;
    for (const auto& b : bars) {
        const std::size_t at = marks.find(std::string("% bar ") + b.bar + "\n", after);
        ASSERT_NE(at, std::string::npos) << b.bar;
        const std::size_t fill = marks.find(" rectfill\n", at);
        const std::size_t start = marks.rfind('\n', fill) + 1;
        EXPECT_EQ(marks.substr(start, fill - start), b.rectangle) << b.bar;
        after = fill;
    }
    EXPECT_EQ(ColourLine(marks, "% bar Gold").rfind("[/Separation (Gold) ", 0), 0u);
}

}  // namespace
}  // namespace hostsim
