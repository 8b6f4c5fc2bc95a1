// A letter page at 300 dpi drawn band by band, so that no whole page is ever held: tiles
// of process, spot and mixed colours with antialiased discs inside, black text on white and
// on yellow, a smooth cyan ramp. Six inks: C, M, Y, K and two spots.
#pragma once
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "inspect/engine/TrapModel.h"

namespace pageart {

constexpr int kWidth = 2550;
constexpr int kHeight = 3300;
constexpr int kInks = 6;
using Colour = std::array<double, kInks>;

inline orvane::inspect::TrapPage Page() {
    using orvane::inspect::ColorantType;
    orvane::inspect::TrapPage page;
    page.width = kWidth;
    page.height = kHeight;
    page.resolution = 300;
    page.inks = {{"Cyan", 0.61, ColorantType::Normal},   {"Magenta", 0.76, ColorantType::Normal},
                 {"Yellow", 0.16, ColorantType::Normal}, {"Black", 1.7, ColorantType::Normal},
                 {"Spot Red", 0.9, ColorantType::Normal}, {"Varnish", 0.05, ColorantType::Transparent}};
    page.styles.resize(1);
    page.styles[0].name = "Default";
    page.styles[0].blackWidth = 2;
    page.zones.push_back({0, 0, kWidth, kHeight, 0});
    return page;
}

inline const Colour& Mix(int index) {
    static const Colour mixes[] = {
        {255, 0, 0, 0, 0, 0},   {0, 255, 0, 0, 0, 0},     {0, 0, 255, 0, 0, 0},   {255, 255, 0, 0, 0, 0},
        {0, 180, 255, 0, 0, 0}, {128, 0, 255, 0, 0, 0},   {0, 0, 0, 255, 0, 0},   {0, 0, 0, 0, 255, 0},
        {0, 0, 100, 0, 200, 0}, {60, 60, 60, 0, 0, 255},  {128, 0, 0, 255, 0, 0}, {0, 200, 0, 60, 0, 0},
    };
    return mixes[static_cast<unsigned>(index) % 12];
}

// The colour at a pixel centre.
inline Colour At(int x, int y) {
    Colour none{};
    constexpr int tile = 330, gutter = 30, origin = 75;
    const int col = (x - origin) / (tile + gutter), row = (y - origin) / (tile + gutter);
    const int tx = (x - origin) % (tile + gutter), ty = (y - origin) % (tile + gutter);
    if (x < origin || y < origin || col > 6 || row > 8 || tx >= tile || ty >= tile) return none;
    if (row == 6 && col < 3) return {static_cast<double>((x - origin) % 256), 0, 0, 0, 0, 0};
    if (row >= 7) {  // text: glyph boxes 18 × 26 with a hole, 6 apart, lines 40 apart
        const bool onYellow = col % 2 == 1;
        Colour ground = onYellow ? Colour{0, 0, 255, 0, 0, 0} : none;
        const int gx = tx % 24, gy = ty % 40;
        const bool ink = gx < 18 && gy < 26 && !(gx >= 6 && gx < 12 && gy >= 8 && gy < 18);
        if (ink) ground[3] = 255;
        return ground;
    }
    const Colour& outer = Mix(col + row * 7);
    const Colour& inner = Mix(col + row * 7 + 5);
    const double d = std::hypot(tx + 0.5 - tile / 2.0, ty + 0.5 - tile / 2.0);
    const double a = std::clamp(100.5 - d, 0.0, 1.0);  // the disc's cover of the pixel
    Colour c;
    for (int i = 0; i < kInks; ++i) c[i] = outer[i] * (1 - a) + inner[i] * a;
    return c;
}

inline void Band(int y0, int rows, orvane::inspect::PlateBand& band) {
    band.y0 = y0;
    band.rows = rows;
    band.plates.resize(kInks);
    for (auto& plate : band.plates) plate.resize(static_cast<std::size_t>(rows) * kWidth);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const Colour c = At(x, y0 + y);
            for (int i = 0; i < kInks; ++i)
                band.plates[i][static_cast<std::size_t>(y) * kWidth + x] = static_cast<std::uint8_t>(std::lround(c[i]));
        }
}

}  // namespace pageart
