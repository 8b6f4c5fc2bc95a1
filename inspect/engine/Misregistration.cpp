#include "inspect/engine/Misregistration.h"

#include <algorithm>
#include <cstdlib>

namespace orvane::inspect {
namespace {

constexpr PlateShift kTurns[4] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};  // right, left, down, up

}  // namespace

std::vector<PlateShift> MisregisterShifts(const std::vector<InkInfo>& inks, int pixels) {
    std::vector<PlateShift> shifts;
    int other = 0;
    for (const InkInfo& ink : inks) {
        int turn = -1;
        if (ink.name == "Cyan") turn = 0;
        else if (ink.name == "Magenta") turn = 1;
        else if (ink.name == "Yellow") turn = 2;
        else if (ink.name == "Black") turn = 3;
        else turn = other++ % 4;
        shifts.push_back({kTurns[turn].dx * pixels, kTurns[turn].dy * pixels});
    }
    return shifts;
}

std::string MisregisterPattern() {
    return "Cyan right, Magenta left, Yellow down, Black up, other inks in turn right, left, down, up";
}

Misregistration::Misregistration(int width, int height, std::vector<PlateShift> shifts, RowSink sink)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), shifts_(std::move(shifts)), sink_(std::move(sink)) {
    for (PlateShift& s : shifts_) {
        s.dx = std::clamp(s.dx, -width_, width_);
        s.dy = std::clamp(s.dy, -height_, height_);
        span_ = std::max({span_, 2 * std::abs(s.dx), 2 * std::abs(s.dy)});
    }
    capacity_ = 2 * span_ + 1;
    const std::size_t w = static_cast<std::size_t>(width_);
    ring_.assign(shifts_.size(), std::vector<std::uint8_t>(static_cast<std::size_t>(capacity_) * w));
    out_.assign(shifts_.size(), std::vector<std::uint8_t>(w));
    for (const auto& row : out_) outRows_.push_back(row.data());
    gap_.assign(w, 0);
}

bool Misregistration::Push(const std::vector<const std::uint8_t*>& plates) {
    if (plates.size() != shifts_.size() || pushed_ >= height_) return false;
    const std::size_t w = static_cast<std::size_t>(width_);
    for (std::size_t i = 0; i < plates.size(); ++i)
        std::copy_n(plates[i], w, ring_[i].data() + static_cast<std::size_t>(pushed_ % capacity_) * w);
    ++pushed_;
    while (emitted_ + span_ < pushed_) Emit(emitted_++);
    return true;
}

void Misregistration::Finish() {
    while (emitted_ < pushed_) Emit(emitted_++);
}

const std::uint8_t* Misregistration::Row(std::size_t plate, int y) const {
    return ring_[plate].data() + static_cast<std::size_t>(y % capacity_) * static_cast<std::size_t>(width_);
}

bool Misregistration::OtherInkNear(int x, int y) const {
    const int y0 = std::max(0, y - span_), y1 = std::min(pushed_ - 1, y + span_);
    const int x0 = std::max(0, x - span_), x1 = std::min(width_ - 1, x + span_);
    for (std::size_t i = 0; i < shifts_.size(); ++i) {
        if (Row(i, y)[x]) continue;  // an ink the pixel has
        for (int v = y0; v <= y1; ++v) {
            const std::uint8_t* row = Row(i, v);
            if (std::any_of(row + x0, row + x1 + 1, [](std::uint8_t t) { return t != 0; })) return true;
        }
    }
    return false;
}

void Misregistration::Emit(int y) {
    const std::size_t w = static_cast<std::size_t>(width_);
    std::fill(gap_.begin(), gap_.end(), 0);
    for (std::size_t i = 0; i < shifts_.size(); ++i) {
        const std::uint8_t* here = Row(i, y);
        for (std::size_t x = 0; x < w; ++x) gap_[x] |= here[x] != 0;
        std::uint8_t* out = out_[i].data();
        std::fill(out, out + w, 0);
        const int from = y - shifts_[i].dy;
        if (from < 0 || from >= pushed_) continue;
        const std::uint8_t* row = Row(i, from);
        const int dx = shifts_[i].dx;
        const int x0 = std::max(0, dx);
        const int x1 = std::min(width_, width_ + dx);
        if (x0 < x1) std::copy(row + (x0 - dx), row + (x1 - dx), out + x0);
    }
    for (std::size_t x = 0; x < w; ++x) {
        if (!gap_[x]) continue;
        bool bare = true;
        for (const auto& out : out_) bare = bare && out[x] == 0;
        gap_[x] = bare && OtherInkNear(static_cast<int>(x), y);
        gapPixels_ += gap_[x];
    }
    sink_(y, outRows_, gap_.data());
}

}  // namespace orvane::inspect
