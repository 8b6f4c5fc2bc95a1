#include "inspect/MisregisterPicture.h"

#include <algorithm>

#include "inspect/Composite.h"
#include "inspect/EventText.h"

namespace orvane::inspect {
namespace {

const Rgb kBarePaper = {230, 0, 0};

}  // namespace

MisregisterPicture::MisregisterPicture(const TrapPage& setup, int pixels, const std::string& title, int scale)
    : setup_(setup), pixels_(pixels), scale_(scale), title_(title),
      rgb_(static_cast<std::size_t>(std::max(setup.width, 0)) * 3) {
    shift_ = std::make_unique<Misregistration>(
        setup.width, setup.height, MisregisterShifts(setup.inks, pixels),
        [this](int, const std::vector<const std::uint8_t*>& shifted, const std::uint8_t* gap) {
            Composite(setup_.inks, shifted, setup_.width, rgb_.data());
            for (int x = 0; x < setup_.width; ++x)
                if (gap[x]) std::copy(kBarePaper.begin(), kBarePaper.end(), rgb_.begin() + 3 * x);
            ok_ = ok_ && png_.WriteRow(rgb_.data());
        });
}

Legend MisregisterPicture::MakeLegend() const {
    Legend legend(setup_.width, scale_);
    legend.Add(title_);
    legend.Add("Plates shifted " + std::to_string(pixels_) + " px: " + MisregisterPattern());
    legend.Add("Bare paper opened: " + Decimals(GapArea(), 1) + " square points", &kBarePaper);
    return legend;
}

int MisregisterPicture::Height() const { return setup_.height + MakeLegend().Rows(); }

bool MisregisterPicture::Push(const std::vector<const std::uint8_t*>& plates) {
    ok_ = ok_ && shift_->Push(plates);
    return ok_;
}

bool MisregisterPicture::Finish() {
    shift_->Finish();
    const Legend legend = MakeLegend();
    for (int y = 0; ok_ && y < legend.Rows(); ++y) {
        legend.PaintRow(y, rgb_.data());
        ok_ = png_.WriteRow(rgb_.data());
    }
    return ok_;
}

double MisregisterPicture::GapArea() const {
    const double point = 72.0 / setup_.resolution;
    return static_cast<double>(shift_->GapPixels()) * point * point;
}

}  // namespace orvane::inspect
