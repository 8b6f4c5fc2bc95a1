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

void AppendZone(std::string& out, const std::string& styleName, bool enabled, const PageRectangle& r)
{
    const std::string disabled = enabled ? std::string() : TemplateText(kTemplateZoneDisabled);
    const std::string escaped = EscapePostScriptName(styleName);
    AppendFilledTemplate(out, kTemplatePageZone,
                         {escaped, enabled ? " " : disabled.c_str(), r.x, r.y, r.width, r.height, r.width});
}

}  // namespace

void WritePageZones(PrintedPageSequence& sequence, const PageRectangle& rectangle)
{
    ModuleState& state = Module();
    if (!state.documentSettings || state.documentSettings->trappingEnabled == 0) return;
    const std::int16_t page = NextPrintedPage(sequence);
    PostScriptBatch batch;
    std::string text;
    bool anyZone = false;
    if (state.zoneList) {
        for (const TrapZone* zone = state.zoneList->FirstZoneForPage(page); zone != nullptr;
             zone = state.zoneList->NextZoneForPage()) {
            anyZone = true;
            text.clear();
            AppendZone(text, zone->styleName, zone->enabled != 0, rectangle);
            batch.Write(text);
        }
    }
    const DocumentTrapping& settings = *state.documentSettings;
    if (!anyZone && settings.trapAllPages != 0 && !settings.defaultStyleName.empty()) {
        AppendZone(text, settings.defaultStyleName, true, rectangle);
        batch.Write(text);
    }
}

}  // namespace orvane
