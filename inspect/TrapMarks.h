// The trap areas of a page drawn so that they show at page scale: each pixel within
// `radius` of a trap takes the colour of that trap's style, over a faded picture of the
// page. Rows go in and come out top down, `radius` rows later.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "inspect/Legend.h"

namespace orvane::inspect {

class TrapMarks {
public:
    using Emit = std::function<void(int y, std::uint8_t* rgb)>;
    // colours[s] is the colour of mask value s + 1.
    TrapMarks(int width, int radius, std::vector<Rgb> colours, Emit emit);
    // The next row: the page as RGB (width × 3) and its mask (0, or 1 + a style).
    void Push(const std::uint8_t* rgb, const std::uint8_t* mask);
    // After the last row.
    void Finish();

private:
    void Out();
    int width_, radius_;
    std::vector<Rgb> colours_;
    Emit emit_;
    int in_ = 0, out_ = 0;  // rows taken, rows given out
    std::vector<std::vector<std::uint8_t>> wide_;  // masks widened along the row, a ring of 2 radius + 1
    std::vector<std::vector<std::uint8_t>> page_;  // RGB rows waiting, a ring of radius + 1
    std::vector<std::uint8_t> row_;
};

}  // namespace orvane::inspect
