#include "inspect/TrapMarks.h"

#include <algorithm>
#include <utility>

namespace orvane::inspect {

TrapMarks::TrapMarks(int width, int radius, std::vector<Rgb> colours, Emit emit)
    : width_(std::max(width, 0)),
      radius_(std::max(radius, 0)),
      colours_(std::move(colours)),
      emit_(std::move(emit)),
      wide_(static_cast<std::size_t>(2 * radius_ + 1), std::vector<std::uint8_t>(static_cast<std::size_t>(width_))),
      page_(static_cast<std::size_t>(radius_ + 1), std::vector<std::uint8_t>(static_cast<std::size_t>(width_) * 3)),
      row_(static_cast<std::size_t>(width_) * 3) {}

void TrapMarks::Push(const std::uint8_t* rgb, const std::uint8_t* mask) {
    auto& wide = wide_[static_cast<std::size_t>(in_ % (2 * radius_ + 1))];
    std::fill(wide.begin(), wide.end(), 0);
    for (int x = 0; x < width_; ++x) {
        if (!mask[x]) continue;
        const int from = std::max(0, x - radius_), to = std::min(width_ - 1, x + radius_);
        for (int k = from; k <= to; ++k) wide[static_cast<std::size_t>(k)] = std::max(wide[static_cast<std::size_t>(k)], mask[x]);
    }
    std::copy(rgb, rgb + 3 * width_, page_[static_cast<std::size_t>(in_ % (radius_ + 1))].begin());
    ++in_;
    if (in_ - out_ > radius_) Out();
}

void TrapMarks::Finish() {
    while (out_ < in_) Out();
}

// Gives out row out_: marked where a widened mask of rows out_ - radius to out_ + radius is.
void TrapMarks::Out() {
    const auto& page = page_[static_cast<std::size_t>(out_ % (radius_ + 1))];
    std::copy(page.begin(), page.end(), row_.begin());
    const int from = std::max(0, out_ - radius_), to = std::min(in_ - 1, out_ + radius_);
    for (int y = from; y <= to; ++y) {
        const auto& wide = wide_[static_cast<std::size_t>(y % (2 * radius_ + 1))];
        for (int x = 0; x < width_; ++x) {
            const std::uint8_t m = wide[static_cast<std::size_t>(x)];
            if (!m || m > colours_.size()) continue;
            std::copy(colours_[m - 1u].begin(), colours_[m - 1u].end(), row_.begin() + 3 * x);
        }
    }
    emit_(out_, row_.data());
    ++out_;
}

}  // namespace orvane::inspect
