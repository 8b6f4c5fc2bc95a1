// Ink coverage of one page, band by band: the highest total ink, the area over an ink
// limit, and each ink's share of the page.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "inspect/engine/TrapModel.h"

namespace orvane::inspect {

struct CoverageResult {
    double maxTotal = 0;   // percent: the highest sum of tints over all plates at one pixel
    double overLimit = 0;  // square points where the sum is above the limit
    std::vector<double> inkShare;  // per ink (TrapPage::inks order): percent of the page
};

class CoverageMeter {
public:
    // inkLimit in percent (300 = three full inks).
    CoverageMeter(const TrapPage& page, double inkLimit);

    // Adds the band's rows (in page order, like TrapEngine::Push); overLimitMask gets
    // rows × width bytes, 1 where the total is above the limit, else 0. False for a band
    // that does not fit; the meter then takes nothing more.
    bool Push(const PlateBand& band, std::vector<std::uint8_t>& overLimitMask);

    bool Failed() const { return failed_; }
    CoverageResult Result() const;

private:
    int width_ = 0;
    int height_ = 0;
    std::size_t inks_ = 0;
    double pixelArea_ = 0;  // square points
    double limit_ = 0;      // in tints: sums above it are over the limit
    int nextRow_ = 0;
    bool failed_ = false;
    std::uint32_t maxTotal_ = 0;
    std::uint64_t overPixels_ = 0;
    std::vector<std::uint64_t> inkSums_;
    std::vector<std::uint32_t> totals_;  // per pixel of the band: the sum over plates
};

}  // namespace orvane::inspect
