#include "inspect/engine/Coverage.h"

#include <algorithm>
#include <cmath>

#include "inspect/engine/PlateBandCheck.h"

namespace orvane::inspect {

CoverageMeter::CoverageMeter(const TrapPage& page, double inkLimit)
    : width_(std::max(page.width, 0)),
      height_(std::max(page.height, 0)),
      inks_(page.inks.size()),
      inkSums_(page.inks.size(), 0) {
    const double pixel = std::isfinite(page.resolution) && page.resolution > 0 ? 72.0 / page.resolution : 0;
    pixelArea_ = pixel * pixel;
    // A limit that is not a number has nothing over it (comparisons with NaN are false).
    limit_ = inkLimit * 255.0 / 100.0;
}

bool CoverageMeter::Push(const PlateBand& band, std::vector<std::uint8_t>& overLimitMask) {
    overLimitMask.clear();
    if (failed_ || !BandFits(band, width_, height_, inks_, nextRow_)) {
        failed_ = true;
        return false;
    }
    const std::size_t pixels = static_cast<std::size_t>(band.rows) * static_cast<std::size_t>(width_);
    // Plate by plate, so that the loops run over contiguous tints.
    totals_.assign(pixels, 0);
    std::uint32_t* totals = totals_.data();
    for (std::size_t i = 0; i < inks_; ++i) {
        const std::uint8_t* plate = band.plates[i].data();
        std::uint64_t sum = 0;
        for (std::size_t p = 0; p < pixels; ++p) {
            sum += plate[p];
            totals[p] += plate[p];
        }
        inkSums_[i] += sum;
    }
    overLimitMask.assign(pixels, 0);
    std::uint8_t* mask = overLimitMask.data();
    std::uint32_t highest = 0;
    std::uint64_t over = 0;
    const double limit = limit_;
    for (std::size_t p = 0; p < pixels; ++p) {
        highest = std::max(highest, totals[p]);
        const bool above = totals[p] > limit;
        mask[p] = above;
        over += above;
    }
    maxTotal_ = std::max(maxTotal_, highest);
    overPixels_ += over;
    nextRow_ += band.rows;
    return true;
}

CoverageResult CoverageMeter::Result() const {
    CoverageResult result;
    result.maxTotal = maxTotal_ * 100.0 / 255.0;
    result.overLimit = static_cast<double>(overPixels_) * pixelArea_;
    const double pagePixels = static_cast<double>(width_) * static_cast<double>(height_);
    result.inkShare.reserve(inks_);
    for (const std::uint64_t sum : inkSums_)
        result.inkShare.push_back(pagePixels > 0 ? static_cast<double>(sum) * 100.0 / (255.0 * pagePixels) : 0);
    return result;
}

}  // namespace orvane::inspect
