// Trap zones: pages of the publication that get one style and may be switched off.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/ZonePageIndex.h"

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

// A zone's pages are replaced, never renumbered in place.
using ZonePageList = std::vector<std::unique_ptr<const ZonePage>>;

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
    ZonePageList pages;
};

class TrapZoneList;

// Write access to one zone of a list, for as long as this object lives. While one
// is open the list keeps no page index: opening it drops the index, and the list
// builds none until it is closed, so no index ever outlives a change to the pages.
class TrapZoneEdit {
public:
    TrapZoneEdit(const TrapZoneEdit&) = delete;
    TrapZoneEdit& operator=(const TrapZoneEdit&) = delete;
    ~TrapZoneEdit();

    explicit operator bool() const { return zone_ != nullptr; }
    TrapZone* operator->() const { return zone_; }
    TrapZone& operator*() const { return *zone_; }

private:
    friend class TrapZoneList;
    TrapZoneEdit(TrapZoneList& list, TrapZone* zone);

    TrapZoneList& list_;
    TrapZone* zone_;
};

// The zones of a list in order, read-only: each element is a const TrapZone*.
class TrapZoneRange {
public:
    using Storage = std::vector<std::unique_ptr<TrapZone>>;
    class Iterator {
    public:
        explicit Iterator(Storage::const_iterator at) : at_(at) {}
        const TrapZone* operator*() const { return at_->get(); }
        Iterator& operator++()
        {
            ++at_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return at_ != other.at_; }
        bool operator==(const Iterator& other) const { return at_ == other.at_; }

    private:
        Storage::const_iterator at_;
    };

    explicit TrapZoneRange(const Storage& zones) : zones_(zones) {}
    Iterator begin() const { return Iterator(zones_.begin()); }
    Iterator end() const { return Iterator(zones_.end()); }
    std::size_t size() const { return zones_.size(); }
    bool empty() const { return zones_.empty(); }
    const TrapZone* operator[](std::size_t position) const { return zones_[position].get(); }

private:
    const Storage& zones_;
};

// The list owns its zones and hands them out read-only; a zone is changed through
// EditZoneAt. Every change of the list or of a zone drops the page index, so the
// page lookups answer from the index only while it describes the zones as they are.
class TrapZoneList {
public:
    TrapZoneList() = default;
    TrapZoneList(const TrapZoneList&) = delete;
    TrapZoneList& operator=(const TrapZoneList&) = delete;
    virtual ~TrapZoneList() = default;

    void AppendZone(std::unique_ptr<TrapZone> zone);
    const TrapZone* ZoneAt(int position) const;
    // The zone at `position` for changing (a false edit when there is none).
    TrapZoneEdit EditZoneAt(int position);
    bool RemoveZoneAt(int position);
    bool ZoneUsesStyle(const std::string& styleName) const;
    // False when a zone names a style that is neither `reservedName` nor in
    // `styles` (nullptr: no current list).
    bool AllZoneStylesDefined(const TrapStyleList* styles, const std::string& reservedName) const;
    const TrapZone* FirstZoneForPage(std::int16_t pageNumber);
    const TrapZone* NextZoneForPage();
    void Clear();

    // Indexes the zones' pages so that the lookups need not walk the list; they
    // answer the same either way. Nothing is built while a zone is being edited.
    void BuildPageIndex();
    bool HasPageIndex() const { return index_.Built(); }
    // The remembered position: that of the zone the lookup answered last, -1 when
    // no lookup is under way.
    int LookupPosition() const { return lookupPosition_; }
    // Moves on with every change of the list or of a zone (an edit counts when it
    // opens and when it closes): what was made from the zones at one revision holds
    // while the revision stays.
    std::uint32_t Revision() const { return revision_; }

    int Count() const { return static_cast<int>(zones_.size()); }
    bool Empty() const { return zones_.empty(); }
    TrapZoneRange Zones() const { return TrapZoneRange(zones_); }

    std::int16_t nextZoneId = 1;

private:
    friend class TrapZoneEdit;
    void ClearLookup();
    void Changed();
    const TrapZone* LookupAt(int position);

    std::vector<std::unique_ptr<TrapZone>> zones_;
    ZonePageIndex index_;
    int openEdits_ = 0;
    std::uint32_t revision_ = 0;
    int lookupPosition_ = -1;  // none
    std::int16_t lookupPage_ = 0;
    // With the index: the positions holding the remembered page not yet answered
    // (begin nullptr when unknown).
    ZonePageIndex::Positions lookupRest_{};
};

}  // namespace orvane
