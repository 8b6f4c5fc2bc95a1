#include "model/TrapStyle.h"

#include "model/TrapZone.h"

namespace orvane {

std::unique_ptr<TrapStyle> TrapStyle::WithDefaults()
{
    auto style = std::make_unique<TrapStyle>();
    style->reservedValue = 0;
    style->trapWidth = "0.25";
    style->blackWidth = "0.50";
    style->stepLimit = "10";
    style->blackColorLimit = "100";
    style->blackDensityLimit = "1.6";
    style->slidingTrapLimit = "70";
    style->imageTrapPlacement = kPlacementCenter;
    style->imageToObjectTrapping = 1;
    style->imageInternalTrapping = 0;
    style->imageResolution = "2400";
    style->spareText.clear();
    style->trapColorScaling = "100";
    style->inUse = 0;
    style->name.clear();
    return style;
}

std::unique_ptr<TrapStyleList> TrapStyleList::CopyStyleList(const TrapStyleList& source)
{
    auto copy = std::make_unique<TrapStyleList>();
    for (const auto& style : source.styles_) copy->styles_.push_back(std::make_unique<TrapStyle>(*style));
    return copy;
}

bool TrapStyleList::AddStyle(std::unique_ptr<TrapStyle> style)
{
    if (!style) return false;
    if (TrapStyle* existing = FindStyle(style->name)) {
        existing->inUse = (existing->inUse == 1 || style->inUse == 1) ? 1 : 0;
        return false;
    }
    styles_.push_back(std::move(style));
    return true;
}

TrapStyle* TrapStyleList::StyleAt(int position) const
{
    if (position < 0 || position >= Count()) return nullptr;
    return styles_[static_cast<std::size_t>(position)].get();
}

bool TrapStyleList::RemoveStyleAt(int position)
{
    if (position < 0 || position >= Count()) return false;
    styles_.erase(styles_.begin() + position);
    return true;
}

TrapStyle* TrapStyleList::FindStyle(const std::string& name) const
{
    for (const auto& style : styles_) {
        if (style->name == name) return style.get();
    }
    return nullptr;
}

void TrapStyleList::MarkStylesUsedByZones(const TrapZoneList& zones)
{
    if (styles_.empty() || zones.Empty()) return;
    for (const auto& style : styles_) {
        if (zones.ZoneUsesStyle(style->name)) style->inUse = 1;
    }
}

int TrapStyleList::CountStylesToSave(const std::string& defaultStyleName) const
{
    int count = 0;
    for (const auto& style : styles_) {
        if (style->inUse == 1 || style->name == defaultStyleName) ++count;
    }
    return count;
}

}  // namespace orvane
