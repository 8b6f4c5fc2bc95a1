#include "storage/DocumentRecord.h"

#include <limits>
#include <string>
#include <vector>

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

// The head of the record after its mark: the document settings and the zone count.
struct RecordHead {
    std::int32_t trappingEnabled = 0;
    std::int32_t trapAllPages = 0;
    std::string defaultStyleName;
    std::int16_t zoneCount = 0;
};

bool ReadHead(RecordReader& record, RecordHead& head)
{
    return record.ReadInt16As32(head.trappingEnabled) && record.ReadInt16As32(head.trapAllPages) &&
           record.ReadText(head.defaultStyleName, kDocumentTextCapacity) && record.ReadInt16(head.zoneCount);
}

struct StoredPage {
    std::int32_t key = 0;
    std::int16_t number = 0;
};

// Reads one zone as stored. False when the record ends or a read fails inside it.
bool ReadZone(RecordReader& record, TrapZone& zone, std::vector<StoredPage>& pages)
{
    std::string styleName;
    std::int16_t pageCount = 0;
    if (!record.ReadInt32(zone.id) || !record.ReadText(styleName, kDocumentTextCapacity) ||
        !record.ReadInt16As32(zone.enabled) || !record.ReadInt16(pageCount))
        return false;
    zone.styleName = StyleNameFromRecord(styleName);
    for (int i = 0; i < pageCount; ++i) {
        StoredPage page;
        if (!record.ReadInt32(page.key) || !record.ReadInt16(page.number)) return false;
        pages.push_back(page);
    }
    return true;
}

// Gives the zone those of its stored pages that can be found again. False when one was dropped.
bool FollowPages(const std::vector<StoredPage>& stored, TrapZone& zone)
{
    requests::Pages();
    bool all = true;
    for (const StoredPage& entry : stored) {
        ZonePage page(entry.key, entry.number);
        if (FollowPage(page))
            zone.AddPage(page.pageKey, page.pageNumber);
        else
            all = false;
    }
    return all;
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
    if (!record.IsOpen()) {
        ApplyMissingRecordDefaults(settings);  // a fresh publication
        return 1;
    }
    // A record without a single byte is a fresh publication's, as is no record.
    char mark = 'w';
    if (!record.ReadByte(mark)) {
        ApplyMissingRecordDefaults(settings);
        return 1;
    }
    // A record whose head cannot be read whole, or that is not one of ours, counts
    // as missing; the load says so.
    RecordHead head;
    if (!record.UseMark(mark) || !ReadHead(record, head)) {
        ApplyMissingRecordDefaults(settings);
        return 0;
    }
    settings.byteOrder = mark;
    settings.trappingEnabled = head.trappingEnabled;
    settings.trapAllPages = head.trapAllPages;
    settings.defaultStyleName = StyleNameFromRecord(head.defaultStyleName);

    // Zones read whole are kept; one cut short is dropped with the rest of the record.
    int result = 1;
    for (int i = 0; i < head.zoneCount; ++i) {
        auto zone = std::make_unique<TrapZone>();
        std::vector<StoredPage> pages;
        if (!ReadZone(record, *zone, pages)) return 0;
        if (!FollowPages(pages, *zone)) result = 0;
        if (zone->id >= zones.nextZoneId)
            zones.nextZoneId = static_cast<std::int16_t>(zone->id < 32767 ? zone->id : 32767);
        zones.AppendZone(std::move(zone));
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
