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

TrapZoneEdit::TrapZoneEdit(TrapZoneList& list, TrapZone* zone) : list_(list), zone_(zone)
{
    list_.Changed();
    ++list_.openEdits_;
}

TrapZoneEdit::~TrapZoneEdit()
{
    --list_.openEdits_;
    list_.Changed();
}

void TrapZoneList::Changed()
{
    index_.Drop();
    lookupRest_ = {};
    ++revision_;
}

void TrapZoneList::AppendZone(std::unique_ptr<TrapZone> zone)
{
    Changed();
    zones_.push_back(std::move(zone));
}

const TrapZone* TrapZoneList::ZoneAt(int position) const
{
    if (zones_.empty() || position < 0 || position >= Count()) return nullptr;
    return zones_[static_cast<std::size_t>(position)].get();
}

TrapZoneEdit TrapZoneList::EditZoneAt(int position)
{
    const bool inside = position >= 0 && position < Count();
    return TrapZoneEdit(*this, inside ? zones_[static_cast<std::size_t>(position)].get() : nullptr);
}

bool TrapZoneList::RemoveZoneAt(int position)
{
    if (position < 0 || position >= Count()) return false;
    Changed();
    zones_.erase(zones_.begin() + position);
    ClearLookup();
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

void TrapZoneList::ClearLookup()
{
    lookupPosition_ = -1;
    lookupPage_ = 0;
    lookupRest_ = {};
}

const TrapZone* TrapZoneList::LookupAt(int position)
{
    if (position < 0) {
        ClearLookup();
        return nullptr;
    }
    lookupPosition_ = position;
    return zones_[static_cast<std::size_t>(position)].get();
}

const TrapZone* TrapZoneList::FirstZoneForPage(std::int16_t pageNumber)
{
    lookupPage_ = pageNumber;
    if (index_.Built()) {
        lookupRest_ = index_.ZonesHolding(pageNumber);
        return LookupAt(lookupRest_.begin != lookupRest_.end ? *lookupRest_.begin++ : -1);
    }
    int found = -1;
    for (int i = 0; i < Count() && found < 0; ++i) {
        if (zones_[static_cast<std::size_t>(i)]->ZoneContainsPage(pageNumber)) found = i;
    }
    return LookupAt(found);
}

const TrapZone* TrapZoneList::NextZoneForPage()
{
    if (lookupPage_ == 0 || lookupPosition_ < 0) return nullptr;
    if (index_.Built()) {
        // A lookup begun before the index was built finds its place in it first.
        if (lookupRest_.begin == nullptr) lookupRest_ = index_.ZonesHolding(lookupPage_);
        // Positions up to the remembered one: those before it, and a zone listed twice.
        while (lookupRest_.begin != lookupRest_.end && *lookupRest_.begin <= lookupPosition_) ++lookupRest_.begin;
        return LookupAt(lookupRest_.begin != lookupRest_.end ? *lookupRest_.begin++ : -1);
    }
    int found = -1;
    for (int i = lookupPosition_ + 1; i < Count() && found < 0; ++i) {
        if (zones_[static_cast<std::size_t>(i)]->ZoneContainsPage(lookupPage_)) found = i;
    }
    return LookupAt(found);
}

void TrapZoneList::Clear()
{
    Changed();
    zones_.clear();
    ClearLookup();
}

void TrapZoneList::BuildPageIndex()
{
    lookupRest_ = {};
    if (openEdits_ == 0) index_.Build(zones_);
}

}  // namespace orvane
