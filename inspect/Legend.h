// A legend below a picture written row by row: a white strip with a line of text per
// entry, each after a swatch of its colour, scaled to the picture.
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
    Legend(int width, int scale);
    // A line of text; with a swatch when swatch is set.
    void Add(const std::string& text, const Rgb* swatch = nullptr);
    // The rows the legend takes below the picture.
    int Rows() const;
    // Row y of the legend (width × 3 bytes), from 0 to Rows() - 1.
    void PaintRow(int y, std::uint8_t* rgb) const;

private:
    struct Line {
        std::string text;
        bool swatch;
        Rgb colour;
    };
    int width_, scale_;
    std::vector<Line> lines_;
};

// The colours of the styles, as inspect.ps gives them to the zones it draws.
Rgb StyleColour(int index);

}  // namespace orvane::inspect
