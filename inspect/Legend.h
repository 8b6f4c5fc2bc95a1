// A legend in the bottom left corner of a picture written row by row: a white box with
// a line of text per entry, each after a swatch of its colour, scaled to the picture.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvane::inspect {

using Rgb = std::array<std::uint8_t, 3>;

extern const std::uint16_t kGlyphs[95][16];

class Legend {
public:
    // scale: pixels of the picture per pixel of a letter.
    Legend(int width, int height, int scale);
    // A line of text; with a swatch when swatch is set.
    void Add(const std::string& text, const Rgb* swatch = nullptr);
    // Paints the legend's part of row y (width × 3 bytes) over it.
    void PaintRow(int y, std::uint8_t* rgb) const;

private:
    struct Line {
        std::string text;
        bool swatch;
        Rgb colour;
    };
    void Layout();
    int width_, height_, scale_;
    std::vector<Line> lines_;
    int x0_ = 0, y0_ = 0, x1_ = 0, y1_ = 0;  // the box, rows from the top
};

// The colours of the styles, as inspect.ps gives them to the zones it draws.
Rgb StyleColour(int index);

}  // namespace orvane::inspect
