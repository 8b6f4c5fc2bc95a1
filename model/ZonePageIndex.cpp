#include "model/ZonePageIndex.h"

#include <algorithm>

#include "model/TrapZone.h"

namespace orvane {

void ZonePageIndex::Build(const std::vector<std::unique_ptr<TrapZone>>& zones)
{
    Drop();
    std::int32_t lowest = INT16_MAX;
    std::int32_t highest = INT16_MIN;
    for (const auto& zone : zones) {
        for (const auto& page : zone->pages) {
            lowest = std::min<std::int32_t>(lowest, page->pageNumber);
            highest = std::max<std::int32_t>(highest, page->pageNumber);
        }
    }
    built_ = true;
    if (lowest > highest) return;  // no zone holds a page
    lowest_ = lowest;
    const auto span = static_cast<std::size_t>(highest - lowest + 1);

    // Counted first, then filled in zone order, so that each page's positions ascend.
    starts_.assign(span + 1, 0);
    for (const auto& zone : zones) {
        for (const auto& page : zone->pages) ++starts_[static_cast<std::size_t>(page->pageNumber - lowest_) + 1];
    }
    for (std::size_t i = 1; i <= span; ++i) starts_[i] += starts_[i - 1];
    positions_.resize(starts_[span]);
    std::vector<std::uint32_t> next(starts_.begin(), starts_.end() - 1);
    for (std::size_t z = 0; z < zones.size(); ++z) {
        for (const auto& page : zones[z]->pages)
            positions_[next[static_cast<std::size_t>(page->pageNumber - lowest_)]++] = static_cast<std::int32_t>(z);
    }
}

void ZonePageIndex::Drop()
{
    built_ = false;
    lowest_ = 0;
    starts_.clear();
    positions_.clear();
}

}  // namespace orvane
