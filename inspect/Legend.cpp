#include "inspect/Legend.h"

#include <algorithm>

namespace orvane::inspect {
namespace {

constexpr int kCellWidth = 10, kCellHeight = 16, kPad = 4, kSwatch = 24;

}  // namespace

Rgb StyleColour(int index) {
    // inspect.ps's palette, in 0 to 255.
    static const Rgb palette[] = {{217, 26, 26}, {26, 89, 230}, {0, 153, 51}, {242, 128, 0}, {153, 26, 179},
                                  {0, 153, 166}, {179, 140, 0}, {230, 51, 153}, {115, 64, 26}, {89, 89, 89}};
    const int n = static_cast<int>(sizeof palette / sizeof palette[0]);
    return palette[((index % n) + n) % n];
}

Legend::Legend(int width, int scale) : width_(std::max(width, 0)), scale_(std::max(1, scale)) {}

void Legend::Add(const std::string& text, const Rgb* swatch) {
    lines_.push_back({text, swatch != nullptr, swatch ? *swatch : Rgb{0, 0, 0}});
}

int Legend::Rows() const {
    return lines_.empty() ? 0 : (static_cast<int>(lines_.size()) * kCellHeight + 2 * kPad) * scale_;
}

void Legend::PaintRow(int y, std::uint8_t* rgb) const {
    auto put = [rgb](int x, const Rgb& c) { std::copy(c.begin(), c.end(), rgb + 3 * x); };
    for (int x = 0; x < width_; ++x) put(x, y < scale_ ? Rgb{0, 0, 0} : Rgb{255, 255, 255});
    const int inner = y / scale_ - kPad;
    if (inner < 0) return;
    const std::size_t line = static_cast<std::size_t>(inner / kCellHeight);
    if (line >= lines_.size()) return;
    const int glyphRow = inner % kCellHeight;
    const Line& l = lines_[line];
    int cx = kPad;  // in letter pixels from the box's left
    if (l.swatch) {
        if (glyphRow >= 3 && glyphRow < kCellHeight - 3)
            for (int x = cx; x < cx + kSwatch; ++x)
                for (int s = 0; s < scale_; ++s) {
                    const int px = x * scale_ + s;
                    if (px < width_) put(px, l.colour);
                }
        cx += 3 * kCellWidth;
    }
    for (unsigned char c : l.text) {
        const std::uint16_t bits = kGlyphs[(c >= 32 && c <= 126 ? c : '?') - 32][glyphRow];
        for (int gx = 0; gx < kCellWidth; ++gx) {
            if (!(bits & (1u << (kCellWidth - 1 - gx)))) continue;
            for (int s = 0; s < scale_; ++s) {
                const int px = (cx + gx) * scale_ + s;
                if (px < width_) put(px, Rgb{0, 0, 0});
            }
        }
        cx += kCellWidth;
    }
}

}  // namespace orvane::inspect
