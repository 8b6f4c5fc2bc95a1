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

Legend::Legend(int width, int height, int scale) : width_(width), height_(height), scale_(std::max(1, scale)) {}

void Legend::Add(const std::string& text, const Rgb* swatch) {
    lines_.push_back({text, swatch != nullptr, swatch ? *swatch : Rgb{0, 0, 0}});
    Layout();
}

void Legend::Layout() {
    std::size_t longest = 0;
    for (const auto& l : lines_) longest = std::max(longest, l.text.size() + (l.swatch ? 3 : 0));
    const long w = (static_cast<long>(longest) * kCellWidth + 2 * kPad) * scale_;
    const long h = (static_cast<long>(lines_.size()) * kCellHeight + 2 * kPad) * scale_;
    const int margin = 8 * scale_;
    x0_ = margin;
    x1_ = static_cast<int>(std::min<long>(width_ - margin, x0_ + w));
    y1_ = height_ - margin;
    y0_ = static_cast<int>(std::max<long>(margin, y1_ - h));
}

void Legend::PaintRow(int y, std::uint8_t* rgb) const {
    if (lines_.empty() || y < y0_ || y >= y1_ || x1_ <= x0_) return;
    auto put = [rgb](int x, const Rgb& c) { std::copy(c.begin(), c.end(), rgb + 3 * x); };
    const bool border = y == y0_ || y == y1_ - 1;
    for (int x = x0_; x < x1_; ++x) put(x, border || x == x0_ || x == x1_ - 1 ? Rgb{0, 0, 0} : Rgb{255, 255, 255});
    const int inner = (y - y0_) / scale_ - kPad;
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
                    const int px = x0_ + x * scale_ + s;
                    if (px < x1_ - 1) put(px, l.colour);
                }
        cx += 3 * kCellWidth;
    }
    for (unsigned char c : l.text) {
        const std::uint16_t bits = kGlyphs[(c >= 32 && c <= 126 ? c : '?') - 32][glyphRow];
        for (int gx = 0; gx < kCellWidth; ++gx) {
            if (!(bits & (1u << (kCellWidth - 1 - gx)))) continue;
            for (int s = 0; s < scale_; ++s) {
                const int px = x0_ + (cx + gx) * scale_ + s;
                if (px < x1_ - 1) put(px, Rgb{0, 0, 0});
            }
        }
        cx += kCellWidth;
    }
}

}  // namespace orvane::inspect
