#include "model/TrapZone.h"

#include "model/TrapStyle.h"

namespace orvane {

TrapZone::TrapZone(const TrapZone& other) { *this = other; }

TrapZone& TrapZone::operator=(const TrapZone& other)
{
    if (this == &other) return *this;
    id = other.id;
    styleName = other.styleName;
    enabled = other.enabled;
    pages.clear();
    for (const auto& page : other.pages) AddPage(page->pageKey, page->pageNumber);
    return *this;
}

bool TrapZone::ZoneContainsPage(std::int16_t pageNumber) const
{
    for (const auto& page : pages) {
        if (page->pageNumber == pageNumber) return true;
    }
    return false;
}

TrapZone* TrapZoneList::ZoneAt(int position) const
{
    if (zones_.empty() || position < 0 || position >= Count()) return nullptr;
    return zones_[static_cast<std::size_t>(position)].get();
}

bool TrapZoneList::RemoveZoneAt(int position)
{
    if (position < 0 || position >= Count()) return false;
    zones_.erase(zones_.begin() + position);
    lookupPosition_ = -1;
    lookupPage_ = 0;
    return true;
}

bool TrapZoneList::ZoneUsesStyle(const std::string& styleName) const
{
    for (const auto& zone : zones_) {
        if (zone->styleName == styleName) return true;
    }
    return false;
}

bool TrapZoneList::AllZoneStylesDefined(const TrapStyleList* styles, const std::string& reservedName) const
{
    for (const auto& zone : zones_) {
        if (zone->styleName == reservedName) continue;
        if (styles == nullptr || !styles->ContainsStyleName(zone->styleName)) return false;
    }
    return true;
}

TrapZone* TrapZoneList::FirstZoneForPage(std::int16_t pageNumber)
{
    for (int i = 0; i < Count(); ++i) {
        if (zones_[static_cast<std::size_t>(i)]->ZoneContainsPage(pageNumber)) {
            lookupPosition_ = i;
            lookupPage_ = pageNumber;
            return zones_[static_cast<std::size_t>(i)].get();
        }
    }
    lookupPosition_ = -1;
    lookupPage_ = 0;
    return nullptr;
}

TrapZone* TrapZoneList::NextZoneForPage()
{
    if (lookupPage_ == 0 || lookupPosition_ < 0) return nullptr;
    for (int i = lookupPosition_ + 1; i < Count(); ++i) {
        if (zones_[static_cast<std::size_t>(i)]->ZoneContainsPage(lookupPage_)) {
            lookupPosition_ = i;
            return zones_[static_cast<std::size_t>(i)].get();
        }
    }
    lookupPosition_ = -1;
    lookupPage_ = 0;
    return nullptr;
}

void TrapZoneList::Clear()
{
    zones_.clear();
    lookupPosition_ = -1;
    lookupPage_ = 0;
}

}  // namespace orvane
