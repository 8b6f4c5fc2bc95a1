// Trap zones: pages of the publication that get one style and may be switched off.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

class TrapStyleList;

class ZonePage {
public:
    ZonePage() = default;
    ZonePage(std::int32_t key, std::int16_t number) : pageKey(key), pageNumber(number) {}
    virtual ~ZonePage() = default;

    std::int32_t pageKey = 0;
    std::int16_t pageNumber = 0;
};

class TrapZone {
public:
    TrapZone() = default;
    TrapZone(const TrapZone& other);
    TrapZone& operator=(const TrapZone& other);
    virtual ~TrapZone() = default;

    bool ZoneContainsPage(std::int16_t pageNumber) const;
    void AddPage(std::int32_t key, std::int16_t number) { pages.push_back(std::make_unique<ZonePage>(key, number)); }

    std::int32_t id = 0;
    std::string styleName;
    std::int32_t enabled = 1;
    std::vector<std::unique_ptr<ZonePage>> pages;
};

class TrapZoneList {
public:
    TrapZoneList() = default;
    TrapZoneList(const TrapZoneList&) = delete;
    TrapZoneList& operator=(const TrapZoneList&) = delete;
    virtual ~TrapZoneList() = default;

    void AppendZone(std::unique_ptr<TrapZone> zone) { zones_.push_back(std::move(zone)); }
    TrapZone* ZoneAt(int position) const;
    bool RemoveZoneAt(int position);
    bool ZoneUsesStyle(const std::string& styleName) const;
    // False when a zone names a style that is neither `reservedName` nor in
    // `styles` (nullptr: no current list).
    bool AllZoneStylesDefined(const TrapStyleList* styles, const std::string& reservedName) const;
    TrapZone* FirstZoneForPage(std::int16_t pageNumber);
    TrapZone* NextZoneForPage();
    void Clear();

    int Count() const { return static_cast<int>(zones_.size()); }
    bool Empty() const { return zones_.empty(); }
    const std::vector<std::unique_ptr<TrapZone>>& Zones() const { return zones_; }

    std::int16_t nextZoneId = 1;

private:
    std::vector<std::unique_ptr<TrapZone>> zones_;
    int lookupPosition_ = -1;  // none
    std::int16_t lookupPage_ = 0;
};

}  // namespace orvane
