#include "storage/StyleRecord.h"

#include "model/TrapStyle.h"
#include "state/ModuleState.h"
#include "storage/PrivateRecord.h"

namespace orvane {

namespace {

bool ShouldSave(const TrapStyle& style, const std::string& defaultStyleName)
{
    if (IsReservedStyleName(style.name)) return false;
    return style.inUse == 1 || style.name == defaultStyleName;
}

void WriteStyle(RecordWriter& record, const TrapStyle& style)
{
    record.WriteText(style.name);
    record.WriteInt16(static_cast<std::int16_t>(style.reservedValue));
    record.WriteText(style.trapWidth);
    record.WriteText(style.blackWidth);
    record.WriteText(style.stepLimit);
    record.WriteText(style.blackColorLimit);
    record.WriteText(style.blackDensityLimit);
    record.WriteText(style.slidingTrapLimit);
    record.WriteInt32(style.imageTrapPlacement);
    record.WriteInt16(static_cast<std::int16_t>(style.imageToObjectTrapping));
    record.WriteInt16(static_cast<std::int16_t>(style.imageInternalTrapping));
    record.WriteText(style.imageResolution);
    record.WriteText(style.spareText);
    record.WriteText(style.trapColorScaling);
}

// False when the record ends inside the style; the style is then not used.
bool ReadStyle(RecordReader& record, TrapStyle& style)
{
    const std::size_t cap = kStyleTextCapacity;
    return record.ReadText(style.name, cap) && record.ReadInt16As32(style.reservedValue) &&
           record.ReadText(style.trapWidth, cap) && record.ReadText(style.blackWidth, cap) &&
           record.ReadText(style.stepLimit, cap) && record.ReadText(style.blackColorLimit, cap) &&
           record.ReadText(style.blackDensityLimit, cap) && record.ReadText(style.slidingTrapLimit, cap) &&
           record.ReadInt32(style.imageTrapPlacement) && record.ReadInt16As32(style.imageToObjectTrapping) &&
           record.ReadInt16As32(style.imageInternalTrapping) && record.ReadText(style.imageResolution, cap) &&
           record.ReadText(style.spareText, cap) && record.ReadText(style.trapColorScaling, cap);
}

}  // namespace

void SaveStyleRecord()
{
    TrapStyleList* styles = Module().currentStyleList.get();
    if (styles == nullptr) return;
    const std::string& defaultName = Settings().defaultStyleName;
    PrivateDataRef accessor(kPrivateDataAccessor);
    RecordWriter record(*accessor.get(), kStyleRecordName);
    if (!record.IsOpen()) return;

    record.WriteByte('w');
    int count = 0;
    for (const auto& style : styles->Styles()) {
        if (ShouldSave(*style, defaultName) && count < 32767) ++count;
    }
    record.WriteInt16(static_cast<std::int16_t>(count));
    int written = 0;
    for (const auto& style : styles->Styles()) {
        if (written == count) break;
        if (!ShouldSave(*style, defaultName)) continue;
        WriteStyle(record, *style);
        ++written;
    }
}

bool LoadStyleRecord()
{
    TrapStyleList* styles = Module().currentStyleList.get();
    if (styles == nullptr) return true;
    PrivateDataRef accessor(kPrivateDataAccessor);
    RecordReader record(*accessor.get(), kStyleRecordName);
    if (!record.IsOpen()) return true;
    std::int16_t count = 0;
    if (!record.ReadMarkAndCount(count)) return false;
    for (int i = 0; i < count; ++i) {
        auto style = std::make_unique<TrapStyle>();
        if (!ReadStyle(record, *style)) return false;
        style->inUse = 0;
        // An earlier definition (from the preferences file) wins over this one.
        styles->AddStyle(std::move(style));
    }
    return true;
}

}  // namespace orvane
