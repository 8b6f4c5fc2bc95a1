#include "hostsim/PageMarks.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "hostsim/JobText.h"

namespace hostsim {

namespace {

constexpr std::size_t kMaxSwatches = 12;
constexpr int kStripLeft = 36, kStripWidth = 540, kStripBottom = 60, kStripHeight = 140;

std::string Fraction(std::int16_t thousandths)
{
    double value = std::min(1000, std::max(0, static_cast<int>(thousandths))) / 1000.0;
    char text[16];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

// An ink's name between parentheses: every byte kept as the string's value, so that
// it names the same colorant as the trap setup does.
std::string InkString(const std::string& name)
{
    std::string out = "(";
    for (char c : name) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 32 || byte > 126) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", byte);
            out += octal;
        } else {
            out += c;
        }
    }
    return out + ")";
}

// The Host's colours without an ink of their own, and its process colours.
bool PaintsInCmyk(const SimColor& color)
{
    static const char* const kNames[] = {"None", "Paper", "Registration", "Process Cyan",
                                         "Process Magenta", "Process Yellow", "Process Black"};
    if (color.kind == 3) return color.inks.empty();
    if (color.kind != 0) return true;
    return std::find(std::begin(kNames), std::end(kNames), color.name) != std::end(kNames);
}

std::string Cmyk(const SimColor& color)
{
    return Fraction(color.c) + " " + Fraction(color.m) + " " + Fraction(color.y) + " " + Fraction(color.k);
}

// The colour as the current colour. The alternate CMYK of a spot ink is its
// components times the tint; of a colour made of inks, its components times the mean
// of their tints (all inks at full tint give the colour as the Host shows it).
void SetColour(std::ostream& out, const SimColor& color)
{
    if (PaintsInCmyk(color)) {
        out << Cmyk(color) << " setcmykcolor\n";
        return;
    }
    const std::string scale = "dup " + Fraction(color.c) + " mul exch dup " + Fraction(color.m) + " mul exch dup " +
                              Fraction(color.y) + " mul exch " + Fraction(color.k) + " mul";
    if (color.kind == 0) {
        out << "[/Separation " << InkString(color.name) << " /DeviceCMYK {" << scale << "}] setcolorspace 1 setcolor\n";
        return;
    }
    const std::size_t n = color.inks.size();
    out << "[/DeviceN [";
    for (std::size_t i = 0; i < n; ++i) out << (i == 0 ? "" : " ") << InkString(color.inks[i]) << " cvn";
    out << "] /DeviceCMYK {" << n - 1 << " {add} repeat " << n << " div " << scale << "}] setcolorspace";
    for (std::size_t i = 0; i < n; ++i) out << " 1";
    out << " setcolor\n";
}

}  // namespace

void WritePageMarks(std::ostream& out, const Publication& pub, const PrintedSheet& sheet)
{
    std::string pageW = Points(pub.pageWidth), pageH = Points(pub.pageHeight);
    out << "save\n";
    out << Points((pub.paperWidth - pub.pageWidth) / 2) << " " << Points((pub.paperHeight - pub.pageHeight) / 2)
        << " translate\n";
    out << "0 0 0 0 setcmykcolor 0 0 " << pageW << " " << pageH << " rectfill\n";
    std::size_t count = std::min(pub.colors.size(), kMaxSwatches);
    for (std::size_t i = 0; i < count; ++i) {
        const SimColor& color = pub.colors[i];
        out << "% swatch " << Plain(color.name) << "\n";
        SetColour(out, color);
        std::string box = std::to_string(36 + 60 * static_cast<int>(i % 4)) + " " +
                          std::to_string(500 - 140 * static_cast<int>(i / 4)) + " 50 120";
        out << box << " rectfill\n0 0 0 1 setcmykcolor 0.5 setlinewidth " << box << " rectstroke\n";
    }
    const int index = sheet.firstPage - pub.firstPage;
    if (index >= 0 && index < static_cast<int>(pub.pages.size())) {
        const std::vector<std::string>& strip = pub.pages[static_cast<std::size_t>(index)].strip;
        // Bar edges in whole points, so that neighbours share their edge exactly.
        const int bars = static_cast<int>(strip.size());
        for (int b = 0; b < bars; ++b) {
            const SimColor* color = pub.FindColor(strip[static_cast<std::size_t>(b)]);
            if (color == nullptr) continue;
            const int left = kStripLeft + kStripWidth * b / bars, right = kStripLeft + kStripWidth * (b + 1) / bars;
            out << "% bar " << Plain(color->name) << "\n";
            SetColour(out, *color);
            out << left << " " << kStripBottom << " " << right - left << " " << kStripHeight << " rectfill\n";
        }
    }
    std::string label = sheet.firstPage == sheet.lastPage
                            ? "Page " + std::to_string(sheet.firstPage)
                            : "Pages " + std::to_string(sheet.firstPage) + "-" + std::to_string(sheet.lastPage);
    out << "0 0 0 1 setcmykcolor\n/Helvetica findfont 24 scalefont setfont\n";
    out << "36 660 moveto (" << label << ") show\n";
    out << "/Helvetica findfont 10 scalefont setfont\n36 640 moveto (" << Plain(BaseName(pub.name)) << ") show\n";
    out << "restore\nshowpage\n";
}

}  // namespace hostsim
