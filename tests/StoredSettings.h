// Puts document settings, zones and styles into the stand-in's publication the way
// the trapping dialog's OK does, so that a print start finds them stored.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "hostsim/SimHost.h"
#include "model/TrapStyle.h"
#include "model/TrapZone.h"
#include "state/ModuleState.h"
#include "storage/DocumentRecord.h"
#include "storage/StyleRecord.h"

namespace orvane::test {

struct StoredZone {
    std::string style;
    std::int32_t enabled;
    std::vector<int> pages;  // page numbers counted from 1
};

inline void StoreSettings(hostsim::SimHost& host, std::int32_t enabled, std::int32_t allPages,
                          const std::string& defaultStyle, const std::vector<StoredZone>& zones,
                          std::vector<std::unique_ptr<TrapStyle>> styles)
{
    Settings().trappingEnabled = enabled;
    Settings().trapAllPages = allPages;
    Settings().defaultStyleName = defaultStyle;
    TrapZoneList list;
    std::int32_t id = 1;
    for (const StoredZone& stored : zones) {
        auto zone = std::make_unique<TrapZone>();
        zone->id = id++;
        zone->styleName = stored.style;
        zone->enabled = stored.enabled;
        for (int n : stored.pages) {
            zone->AddPage(host.publication.pages[static_cast<std::size_t>(n - 1)].key, static_cast<std::int16_t>(n));
        }
        list.AppendZone(std::move(zone));
    }
    Module().currentStyleList = std::make_unique<TrapStyleList>();
    for (auto& style : styles) Module().currentStyleList->AddStyle(std::move(style));
    SaveDocumentRecord(list);
    SaveStyleRecord();
    Module().currentStyleList.reset();
}

}  // namespace orvane::test
