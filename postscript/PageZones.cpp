// Notification 110: the trap zones of the next printed page.
#include "postscript/PageZones.h"

#include <new>
#include <unordered_map>

#include "host/HostRequests.h"
#include "state/ModuleState.h"
#include "postscript/Formats.h"
#include "postscript/PostScriptBatch.h"
#include "postscript/Template.h"
#include "postscript/TemplateFill.h"
#include "postscript/TrapSetupWriter.h"

namespace orvane {

void ComputePageRectangle(PageRectangle& rectangle)
{
    rectangle.flag = 0;
    requests::PageSize page = requests::PageDimensions();
    rectangle.width = page.width / 20 + 18;
    rectangle.height = page.height / 20 + 18;
    requests::PaperSize paper = requests::PaperDimensions();
    rectangle.x = (paper.width / 20 - rectangle.width) / 2;
    rectangle.y = (paper.height / 20 - rectangle.height) / 2;
}

namespace {

// The escaped name, from those prepared at print start; a name met for the first
// time is escaped once and kept.
const std::string& EscapedStyleName(PageWriterCache& cache, const std::string& styleName)
{
    auto found = cache.escapedNames.find(styleName);
    if (found == cache.escapedNames.end())
        found = cache.escapedNames.emplace(styleName, EscapePostScriptName(styleName)).first;
    return found->second;
}

// One zone's text, filled into the writer's buffer.
const std::string& ZoneText(PageWriterCache& cache, const std::string& styleName, bool enabled, const PageRectangle& r)
{
    const std::string& escaped = EscapedStyleName(cache, styleName);
    const std::string_view switchText = enabled ? std::string_view(" ") : TemplateTextToZero(kTemplateZoneDisabled);
    cache.text.clear();
    AppendFilledTemplate(cache.text, kTemplatePageZone, {escaped, switchText, r.x, r.y, r.width, r.height, r.width});
    return cache.text;
}

bool SameRectangle(const PageRectangle& a, const PageRectangle& b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

// Whether the texts made at print start are those of these zones on this rectangle.
bool HoldsZoneTexts(const PageWriterCache& cache, const TrapZoneList& zones, const PageRectangle& rectangle)
{
    return cache.prepared && cache.zoneList == &zones && cache.zoneListRevision == zones.Revision() &&
           SameRectangle(cache.rectangle, rectangle);
}

void Prepare(ModuleState& state, PageWriterCache& cache)
{
    cache.text.reserve(LoadTemplate(kTemplatePageZone).length + LoadTemplate(kTemplateZoneDisabled).length + 100);
    if (!state.pageRectangle) return;
    const PageRectangle& rectangle = *state.pageRectangle;
    cache.rectangle = rectangle;
    if (state.zoneList) {
        TrapZoneList& zones = *state.zoneList;
        zones.BuildPageIndex();
        std::unordered_map<std::string, std::uint32_t> made;
        cache.textOfZone.reserve(static_cast<std::size_t>(zones.Count()));
        for (const TrapZone* zone : zones.Zones()) {
            const std::string& text = ZoneText(cache, zone->styleName, zone->enabled != 0, rectangle);
            auto found = made.emplace(text, static_cast<std::uint32_t>(cache.texts.size())).first;
            if (found->second == cache.texts.size()) cache.texts.push_back(text);
            cache.textOfZone.push_back(found->second);
        }
        cache.zoneList = &zones;
        cache.zoneListRevision = zones.Revision();
    }
    if (state.documentSettings) {
        cache.defaultName = state.documentSettings->defaultStyleName;
        cache.defaultText = ZoneText(cache, cache.defaultName, true, rectangle);
    }
    cache.prepared = true;
}

}  // namespace

void PreparePageZones()
{
    ModuleState& state = Module();
    PageWriterCache& cache = state.pageWriter;
    cache.Drop();
    try {
        Prepare(state, cache);
    } catch (const HostError&) {
        cache.Drop();  // the pages fill their texts as they go and meet the fault there
    } catch (const std::bad_alloc&) {
        cache.Drop();
    }
}

void WritePageZones(PrintedPageSequence& sequence, const PageRectangle& rectangle)
{
    ModuleState& state = Module();
    if (!state.documentSettings || state.documentSettings->trappingEnabled == 0) return;
    const std::int16_t page = NextPrintedPage(sequence);
    PostScriptBatch batch;
    PageWriterCache& cache = state.pageWriter;
    bool anyZone = false;
    if (state.zoneList) {
        TrapZoneList& zones = *state.zoneList;
        const bool prepared = HoldsZoneTexts(cache, zones, rectangle);
        for (const TrapZone* zone = zones.FirstZoneForPage(page); zone != nullptr; zone = zones.NextZoneForPage()) {
            anyZone = true;
            if (prepared)
                batch.Write(cache.texts[cache.textOfZone[static_cast<std::size_t>(zones.LookupPosition())]]);
            else
                batch.Write(ZoneText(cache, zone->styleName, zone->enabled != 0, rectangle));
        }
    }
    const DocumentTrapping& settings = *state.documentSettings;
    if (!anyZone && settings.trapAllPages != 0 && !settings.defaultStyleName.empty()) {
        if (cache.prepared && settings.defaultStyleName == cache.defaultName && SameRectangle(cache.rectangle, rectangle))
            batch.Write(cache.defaultText);
        else
            batch.Write(ZoneText(cache, settings.defaultStyleName, true, rectangle));
    }
}

}  // namespace orvane
