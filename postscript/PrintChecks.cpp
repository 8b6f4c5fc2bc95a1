#include "postscript/PrintChecks.h"

#include <new>

#include "host/HostRequests.h"
#include "host/Status.h"
#include "host/ParameterBlock.h"
#include "inks/InkListBuild.h"
#include "platform/Platform.h"
#include "state/ModuleState.h"
#include "state/ResourceString.h"
#include "postscript/PageZones.h"
#include "storage/DocumentRecord.h"
#include "storage/StyleRecord.h"

namespace orvane {

namespace {

enum : int {
    kStringZoneStyleUndefined = 56,
    kStringCaptionUndefinedStyle = 57,
    kStringDefaultStyleUndefined = 58,
    kStringPagesMoved = 65,
    kStringCaptionTrapping = 66,
    kStringCaptionError = 67,
    kStringDensitiesFailed = 69,
};

int Ask(int textId, int captionId, unsigned flags, platform::WindowHandle owner)
{
    ResourceString text(textId);
    ResourceString caption(captionId);
    return platform::ShowMessageBox(owner, text.Text(), caption.Text(), flags);
}

bool PrintOutputTakesTrapping(std::int16_t kind) { return kind == 0 || kind == 1 || kind == 3; }

}  // namespace

int RunPrintChecks(NotificationRecord& record, PrintedPageSequence& sequence, PageRectangle& rectangle)
{
    ModuleState& state = Module();
    DocumentTrapping& settings = Settings();
    if (!state.zoneList) state.zoneList = std::make_unique<TrapZoneList>();
    if (!state.inkList) state.inkList = std::make_unique<InkList>();

    // 1. Does this output take trapping at all?
    if (requests::TrapOutput() == 0) {
        settings.trappingEnabled = 0;
        return 1;
    }

    // 2, 3. The publication's settings and zones.
    state.currentStyleList.reset();
    settings.ResetDocumentTrapping();
    if (LoadDocumentRecord(*state.zoneList) == 0) {
        int answer = Ask(kStringPagesMoved, kStringCaptionTrapping, platform::kMbOkCancel | platform::kMbIconQuestion,
                         platform::ActiveWindow());
        if (answer == platform::kIdCancel) {
            record.result = 1;
            return 0;
        }
    }

    // 4, 5.
    if (settings.trappingEnabled == 0) return 1;
    if (!PrintOutputTakesTrapping(requests::PrintOutputOfJob().values[7])) {
        settings.trappingEnabled = 0;
        return 1;
    }

    // 6, 7.
    ComputePageRectangle(rectangle);
    try {
        BuildInkList(*state.inkList);
    } catch (const HostError&) {
        Ask(kStringDensitiesFailed, kStringCaptionError, platform::kMbOk, nullptr);
        record.result = 1;
        return 1;
    } catch (const std::bad_alloc&) {
        Ask(kStringDensitiesFailed, kStringCaptionError, platform::kMbOk, nullptr);
        record.result = 1;
        return 1;
    }

    // 8 to 13. The styles the zones and the document name.
    state.currentStyleList = std::make_unique<TrapStyleList>();
    if (!state.zoneList->Empty() || settings.trapAllPages != 0) {
        LoadStyleRecord();
        TrapStyleList& styles = *state.currentStyleList;
        if (!state.zoneList->AllZoneStylesDefined(&styles, ReservedStyleName())) {
            int answer = Ask(kStringZoneStyleUndefined, kStringCaptionUndefinedStyle, platform::kMbYesNo,
                             platform::ActiveWindow());
            if (answer == platform::kIdYes) settings.trappingEnabled = 0;
            else record.result = 1;
            state.zoneList = std::make_unique<TrapZoneList>();
        } else {
            if (settings.trapAllPages != 0 && !IsReservedStyleName(settings.defaultStyleName) &&
                styles.FindStyle(settings.defaultStyleName) == nullptr) {
                int answer = Ask(kStringDefaultStyleUndefined, kStringCaptionUndefinedStyle, platform::kMbYesNo,
                                 platform::ActiveWindow());
                if (answer == platform::kIdYes) settings.trappingEnabled = 0;
                else record.result = 1;
            }
            styles.MarkStylesUsedByZones(*state.zoneList);
            if (settings.trappingEnabled != 0) {
                std::int16_t current = requests::PrintSetting();
                // While an earlier job's change is still to be set back, the Host
                // holds our own value: keep the one saved before it.
                if (!state.printSettingChanged) state.savedPrintSetting = current;
                requests::SetPrintSetting(0);
                state.printSettingChanged = true;
            }
        }
    }

    // 14. An invalid page range leaves the sequence unbuilt: no page is in a zone.
    BuildPrintedPageSequence(sequence);
    return 1;
}

void RestorePrintSetting()
{
    ModuleState& state = Module();
    if (!state.printSettingChanged) return;
    state.printSettingChanged = false;
    if (state.savedPrintSetting != 0) requests::SetPrintSetting(1);
}

}  // namespace orvane
