// Notifications of a print job.
#include <memory>

#include "host/HostContext.h"
#include "host/ParameterBlock.h"
#include "state/ModuleState.h"
#include "plugin/PluginBase.h"
#include "postscript/PageZones.h"
#include "postscript/PrintChecks.h"
#include "postscript/TrapSetupWriter.h"

namespace orvane {

namespace {

enum : std::uint32_t {
    kNotifyJobEvent = 2,
    kNotifyPrintStart = 102,
    kNotifyTrapDefinitions = 105,
    kNotifyPageDeviceSetup = 107,
    kNotifyPage = 110,
    kNotifyPrintSetting = 118,
};
constexpr std::uint16_t kJobEndCode = 531;
constexpr std::uint16_t kJobEndClass = 0x200;

void ReleaseHeldPrintJob()
{
    ModuleState& state = Module();
    if (state.heldPrintJob == nullptr) return;
    PrintJobInterface* held = state.heldPrintJob;
    state.heldPrintJob = nullptr;
    if (Host().hostRoot != nullptr) Host().hostRoot->ReleaseInterface(held);
}

void OnJobEvent(const NotificationRecord& record)
{
    if (record.details == nullptr) return;
    const auto* details = static_cast<const NotificationDetails*>(record.details);
    if (details->code == kJobEndCode && details->klass == kJobEndClass) ReleaseHeldPrintJob();
}

void OnPrintStart(NotificationRecord& record)
{
    ModuleState& state = Module();
    state.FreePrintTimeObjects();
    state.printedPageSequence = std::make_unique<PrintedPageSequence>();
    state.pageRectangle = std::make_unique<PageRectangle>();
    RunPrintChecks(record, *state.printedPageSequence, *state.pageRectangle);

    // The Host expects the print-job interface to be taken and held for the job,
    // whatever the checks decided.
    auto first = std::make_unique<char[]>(256);
    auto second = std::make_unique<char[]>(256);
    ReleaseHeldPrintJob();
    if (Host().hostRoot == nullptr) Raise(kStatusFailure);
    void* out = nullptr;
    RaiseIfFailed(Host().hostRoot->GetInterface(kPrintJobInterface, &out));
    if (out == nullptr) Raise(kStatusFailure);
    state.heldPrintJob = static_cast<PrintJobInterface*>(out);
    char* pair[2] = {first.get(), second.get()};
    state.heldPrintJob->Operation3(pair);

    // The zones as the checks left them, ready for the pages.
    PreparePageZones();
}

void OnPage()
{
    ModuleState& state = Module();
    if (state.printedPageSequence && state.pageRectangle) {
        WritePageZones(*state.printedPageSequence, *state.pageRectangle);
        return;
    }
    // Without a print start there is no sequence: every page is number 0.
    PrintedPageSequence unbuilt;
    PageRectangle empty;
    WritePageZones(state.printedPageSequence ? *state.printedPageSequence : unbuilt,
                   state.pageRectangle ? *state.pageRectangle : empty);
}

}  // namespace

void TrappingPlugin::OnNotify()
{
    ParameterBlock* block = Host().parameterBlock;
    if (block == nullptr || block->notification == nullptr) return;
    auto& record = *static_cast<NotificationRecord*>(block->notification);
    switch (record.identifier) {
    case kNotifyJobEvent: OnJobEvent(record); break;
    case kNotifyPrintStart: OnPrintStart(record); break;
    case kNotifyTrapDefinitions: WriteTrapDefinitions(); break;
    case kNotifyPageDeviceSetup: WritePageDeviceSetup(); break;
    case kNotifyPage: OnPage(); break;
    case kNotifyPrintSetting: RestorePrintSetting(); break;
    default: break;
    }
}

}  // namespace orvane
