// For every page number, the positions of the zones of a list that hold it: what
// the page lookups of a zone list answer from instead of walking every zone.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

namespace orvane {

class TrapZone;

class ZonePageIndex {
public:
    // Positions [begin, end) of the zones holding one page, in list order; a zone
    // that lists the page twice stands there twice.
    struct Positions {
        const std::int32_t* begin = nullptr;
        const std::int32_t* end = nullptr;
    };

    // Indexes the zones as they are now.
    void Build(const std::vector<std::unique_ptr<TrapZone>>& zones);
    void Drop();
    bool Built() const { return built_; }

    // Empty for a page no zone holds (and for every page while not built).
    Positions ZonesHolding(std::int16_t page) const
    {
        const std::int32_t slot = page - lowest_;
        if (slot < 0 || static_cast<std::size_t>(slot) + 1 >= starts_.size()) return {};
        const std::int32_t* base = positions_.data();
        return {base + starts_[static_cast<std::size_t>(slot)], base + starts_[static_cast<std::size_t>(slot) + 1]};
    }

private:
    bool built_ = false;
    std::int32_t lowest_ = 0;            // the smallest page number any zone holds
    std::vector<std::uint32_t> starts_;  // per page number from lowest_, where its positions begin; one more at the end
    std::vector<std::int32_t> positions_;
};

}  // namespace orvane
