// A press that misregisters: each plate printed a few pixels off, and the bare paper that
// opens where colours met. A pixel is such a gap when it had ink, the shifted plates leave
// it bare, and ink of another colour (an ink it lacks) lay within twice the shift of it:
// an object of one colour on paper only moves, and opens no gap. Rows go in top down and
// come out, shifted, as soon as every row they need is in, so memory follows the shift,
// not the page.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "inspect/engine/TrapModel.h"

namespace orvane::inspect {

struct PlateShift {
    int dx = 0;  // pixels to the right
    int dy = 0;  // pixels down
};

// The pattern of a misregistering press, by `pixels`: Cyan right, Magenta left, Yellow
// down, Black up; other inks in turn right, left, down, up, in the order given.
std::vector<PlateShift> MisregisterShifts(const std::vector<InkInfo>& inks, int pixels);
// The pattern in words, as the help and the pictures state it.
std::string MisregisterPattern();

class Misregistration {
public:
    // y, one row of each shifted plate, and a row that is 1 where a gap opened.
    using RowSink = std::function<void(int y, const std::vector<const std::uint8_t*>& shifted, const std::uint8_t* gap)>;

    Misregistration(int width, int height, std::vector<PlateShift> shifts, RowSink sink);

    // The next row of every plate (one pointer a plate, width tints each); false for a
    // row past the page or a wrong number of plates.
    bool Push(const std::vector<const std::uint8_t*>& plates);
    // After the last row: hands out the rows still held.
    void Finish();
    // Pixels of bare paper opened, over the rows handed out.
    std::uint64_t GapPixels() const { return gapPixels_; }

private:
    void Emit(int y);
    const std::uint8_t* Row(std::size_t plate, int y) const;
    bool OtherInkNear(int x, int y) const;

    int width_, height_, span_ = 0, capacity_;  // span_: twice the widest shift
    std::vector<PlateShift> shifts_;
    RowSink sink_;
    std::vector<std::vector<std::uint8_t>> ring_;  // per plate, capacity_ rows
    std::vector<std::vector<std::uint8_t>> out_;   // per plate, one shifted row
    std::vector<const std::uint8_t*> outRows_;
    std::vector<std::uint8_t> gap_;
    int pushed_ = 0;
    int emitted_ = 0;
    std::uint64_t gapPixels_ = 0;
};

}  // namespace orvane::inspect
