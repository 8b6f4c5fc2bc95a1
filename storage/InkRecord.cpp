#include "storage/InkRecord.h"

#include <limits>

#include "host/Status.h"
#include "model/Ink.h"
#include "state/ResourceString.h"
#include "storage/PrivateRecord.h"

namespace orvane {

namespace {

constexpr int kProcessCyanString = 34;
constexpr std::size_t kInkTextCapacity = 500;

bool ReadEntry(RecordReader& record, InkEntry& entry)
{
    std::int16_t type = 0;
    const bool ok = record.ReadText(entry.name, kInkTextCapacity) &&
                    record.ReadText(entry.processName, kInkTextCapacity) &&
                    record.ReadText(entry.densityText, kInkTextCapacity) && record.ReadInt16(type) &&
                    record.ReadInt16(entry.number);
    entry.type = type;
    return ok;
}

}  // namespace

bool SaveInks(const InkList& list)
{
    PrivateDataRef accessor(kPrivateDataAccessor);
    RecordWriter record(*accessor.get(), kInkRecordName);
    if (!record.IsOpen() || list.Empty()) return true;

    const std::size_t count = std::min<std::size_t>(list.Entries().size(), std::numeric_limits<std::int16_t>::max());
    record.WriteByte('w');
    record.WriteInt16(static_cast<std::int16_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const InkEntry& entry = *list.Entries()[i];
        const bool process = !entry.processName.empty();
        record.WriteText(process ? std::string() : entry.name);
        record.WriteText(process ? entry.processName : std::string());
        record.WriteText(entry.densityText);
        record.WriteInt16(entry.type);
        record.WriteInt16(entry.number);
    }
    return true;
}

bool LoadSavedInks(PrivateDataAccessor& accessor, InkList& list, std::int16_t& nextNumber)
{
    RecordReader record(accessor, kInkRecordName);
    char mark = 'w';
    // No record, or an empty one (what an empty list saves): no inks.
    if (!record.IsOpen() || !record.ReadByte(mark)) return true;
    std::int16_t count = 0;
    if (!record.UseMark(mark) || !record.ReadInt16(count)) return false;
    for (int i = 0; i < count; ++i) {
        auto entry = std::make_unique<InkEntry>();
        if (!ReadEntry(record, *entry)) return false;  // cut short: keep the entries read whole
        if (entry->number >= nextNumber && entry->number < std::numeric_limits<std::int16_t>::max())
            nextNumber = static_cast<std::int16_t>(entry->number + 1);
        if (entry->name.empty()) {
            // An unknown process name raises 7212; the record closes on the way out.
            const int process = InkList::ProcessInkIndex(entry->processName);
            if (process == kNotProcessInk) Raise(kStatusFailure);
            ResourceString display(kProcessCyanString + process);
            entry->name = display.Text();
        }
        list.Append(std::move(entry));
    }
    return true;
}

}  // namespace orvane
