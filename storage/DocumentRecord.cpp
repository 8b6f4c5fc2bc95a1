#include "storage/DocumentRecord.h"

#include <limits>

#include "host/HostRequests.h"
#include "model/TrapStyle.h"
#include "model/TrapZone.h"
#include "platform/Platform.h"
#include "state/ModuleState.h"
#include "storage/PageLabel.h"
#include "storage/PrivateRecord.h"

namespace orvane {

namespace {

std::int16_t Clamp16(std::size_t n)
{
    constexpr std::size_t kMax = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(n < kMax ? n : kMax);
}

void ApplyMissingRecordDefaults(DocumentTrapping& settings)
{
    settings.byteOrder = 'w';
    settings.trappingEnabled = 0;
    settings.trapAllPages = 0;
    settings.defaultStyleName = ReservedStyleName();
}

// The page's current number, or `fallback` when the Host cannot say.
std::int16_t CurrentPageNumber(std::int32_t key, std::int16_t fallback)
{
    try {
        return requests::PageNumber(key);
    } catch (const HostError&) {
        return fallback;
    }
}

// Follows a stored page to where it is now. False when it cannot be found.
bool FollowPage(ZonePage& page)
{
    page.pageNumber = CurrentPageNumber(page.pageKey, page.pageNumber);
    if (!ResolvePageKey(page.pageKey)) return false;
    // A key confirmed through another page's label may name no page any more;
    // the entry then keeps the number it had.
    page.pageNumber = CurrentPageNumber(page.pageKey, page.pageNumber);
    return true;
}

// Reads one zone. False when the record ended inside it; a zone whose heading
// is complete is still handed back with the pages read completely.
bool ReadZone(RecordReader& record, std::unique_ptr<TrapZone>& zone, bool& pageDropped)
{
    auto z = std::make_unique<TrapZone>();
    std::string styleName;
    std::int16_t pageCount = 0;
    if (!record.ReadInt32(z->id) || !record.ReadText(styleName, kDocumentTextCapacity) ||
        !record.ReadInt16As32(z->enabled) || !record.ReadInt16(pageCount))
        return false;
    z->styleName = StyleNameFromRecord(styleName);
    requests::Pages();
    bool complete = true;
    for (int i = 0; i < pageCount; ++i) {
        std::int32_t key = 0;
        std::int16_t number = 0;
        if (!record.ReadInt32(key) || !record.ReadInt16(number)) {
            complete = false;
            break;
        }
        ZonePage page(key, number);
        if (FollowPage(page))
            z->AddPage(page.pageKey, page.pageNumber);
        else
            pageDropped = true;
    }
    zone = std::move(z);
    return complete;
}

}  // namespace

int LoadDocumentRecord(TrapZoneList& zones)
{
    zones.Clear();
    DocumentTrapping& settings = Settings();
    // The mark is the record's only while it is read: back to 'w' on every way out.
    struct MarkReset {
        DocumentTrapping& settings;
        ~MarkReset() { settings.byteOrder = 'w'; }
    } markReset{settings};
    PrivateDataRef accessor(kPrivateDataAccessor);
    if (platform::ControlAndShiftDown()) {
        accessor->Delete(kDocumentRecordName, kRecordType);
        accessor->Delete(kStyleRecordName, kRecordType);
    }

    RecordReader record(*accessor.get(), kDocumentRecordName);
    char mark = 'w';
    if (!record.IsOpen() || !record.ReadByte(mark)) {
        // No record, or one without a single byte: the settings of a fresh publication.
        ApplyMissingRecordDefaults(settings);
        return 1;
    }
    settings.byteOrder = mark;
    record.SetByteOrder(mark);

    int result = 1;
    std::string defaultName;
    std::int16_t zoneCount = 0;
    if (record.ReadInt16As32(settings.trappingEnabled) && record.ReadInt16As32(settings.trapAllPages) &&
        record.ReadText(defaultName, kDocumentTextCapacity)) {
        settings.defaultStyleName = StyleNameFromRecord(defaultName);
        if (!record.ReadInt16(zoneCount)) result = 0;
    } else {
        // Cut short before the zones: keep what came through, default style included.
        if (settings.defaultStyleName.empty()) settings.defaultStyleName = ReservedStyleName();
        result = 0;
    }

    for (int i = 0; i < zoneCount; ++i) {
        std::unique_ptr<TrapZone> zone;
        bool pageDropped = false;
        const bool complete = ReadZone(record, zone, pageDropped);
        if (pageDropped) result = 0;
        if (zone) {
            if (zone->id >= zones.nextZoneId)
                zones.nextZoneId = static_cast<std::int16_t>(zone->id < 32767 ? zone->id : 32767);
            zones.AppendZone(std::move(zone));
        }
        if (!complete) {
            result = 0;  // the record promised more than it holds
            break;
        }
    }
    return result;
}

void SaveDocumentRecord(const TrapZoneList& zones)
{
    const DocumentTrapping& settings = Settings();
    TrapStyleList* styles = Module().currentStyleList.get();
    PrivateDataRef accessor(kPrivateDataAccessor);
    RecordWriter record(*accessor.get(), kDocumentRecordName);
    if (!record.IsOpen()) return;

    record.WriteByte('w');
    record.WriteInt16(static_cast<std::int16_t>(settings.trappingEnabled));
    record.WriteInt16(static_cast<std::int16_t>(settings.trapAllPages));
    record.WriteText(StyleNameToRecord(settings.defaultStyleName));
    const std::int16_t zoneCount = Clamp16(zones.Zones().size());
    record.WriteInt16(zoneCount);
    for (int i = 0; i < zoneCount; ++i) {
        const TrapZone& zone = *zones.Zones()[static_cast<std::size_t>(i)];
        record.WriteInt32(zone.id);
        record.WriteText(StyleNameToRecord(zone.styleName));
        if (!IsReservedStyleName(zone.styleName) && styles != nullptr) {
            if (TrapStyle* style = styles->FindStyle(zone.styleName)) style->inUse = 1;
        }
        record.WriteInt16(static_cast<std::int16_t>(zone.enabled));
        const std::int16_t pageCount = Clamp16(zone.pages.size());
        record.WriteInt16(pageCount);
        for (int p = 0; p < pageCount; ++p) {
            const ZonePage& page = *zone.pages[static_cast<std::size_t>(p)];
            record.WriteInt32(page.pageKey);
            record.WriteInt16(page.pageNumber);
            WritePageLabel(page.pageKey);
        }
    }
}

}  // namespace orvane
