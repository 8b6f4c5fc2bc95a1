// Notification 110: the trap zones of the next printed page.
#include "postscript/PageZones.h"

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

}  // namespace

void PreparePageZones()
{
    ModuleState& state = Module();
    PageWriterCache& cache = state.pageWriter;
    cache.escapedNames.clear();
    if (state.zoneList) {
        state.zoneList->BuildPageIndex();
        for (const TrapZone* zone : state.zoneList->Zones()) EscapedStyleName(cache, zone->styleName);
    }
    if (state.documentSettings) EscapedStyleName(cache, state.documentSettings->defaultStyleName);
    cache.text.reserve(LoadTemplate(kTemplatePageZone).length + LoadTemplate(kTemplateZoneDisabled).length + 100);
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
        for (const TrapZone* zone = state.zoneList->FirstZoneForPage(page); zone != nullptr;
             zone = state.zoneList->NextZoneForPage()) {
            anyZone = true;
            batch.Write(ZoneText(cache, zone->styleName, zone->enabled != 0, rectangle));
        }
    }
    const DocumentTrapping& settings = *state.documentSettings;
    if (!anyZone && settings.trapAllPages != 0 && !settings.defaultStyleName.empty()) {
        batch.Write(ZoneText(cache, settings.defaultStyleName, true, rectangle));
    }
}

}  // namespace orvane
