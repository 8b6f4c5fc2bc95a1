// A page printed misregistered: the composite of its plates shifted as MisregisterShifts
// says, the bare paper the shift opens in red, and a legend with that paper's area.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "inspect/Legend.h"
#include "inspect/PngFile.h"
#include "inspect/engine/Misregistration.h"

namespace orvane::inspect {

class MisregisterPicture {
public:
    // title: the legend's first line; scale: of the legend's letters.
    MisregisterPicture(const TrapPage& setup, int pixels, const std::string& title, int scale);

    PngFile& Png() { return png_; }
    int Height() const;  // the page's rows and the legend's
    // The next row of every plate; false once the picture could not be written.
    bool Push(const std::vector<const std::uint8_t*>& plates);
    // After the last row: the rows still held and the legend; false when not written.
    bool Finish();
    // Square points of bare paper opened.
    double GapArea() const;

private:
    Legend MakeLegend() const;

    const TrapPage& setup_;
    int pixels_, scale_;
    std::string title_;
    PngFile png_;
    std::vector<std::uint8_t> rgb_;
    std::unique_ptr<Misregistration> shift_;
    bool ok_ = true;
};

}  // namespace orvane::inspect
