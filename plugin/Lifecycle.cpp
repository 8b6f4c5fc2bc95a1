// Load, unload, release and register.
#include "dialogs/FieldValidation.h"
#include "host/HostContext.h"
#include "state/ModuleState.h"
#include "plugin/PluginBase.h"
#include "postscript/Template.h"

namespace orvane {

TrappingPlugin::TrappingPlugin(ParameterBlock* block, HostRequestRecord* record)
    : PluginBase(block, record), messageValue_(block ? block->messageValue : 0)
{
}

void TrappingPlugin::OnLoad()
{
    ModuleState& state = Module();
    state.documentSettings = std::make_unique<DocumentTrapping>();
    state.zoneList = std::make_unique<TrapZoneList>();
    state.inkList = std::make_unique<InkList>();
    state.reservedStyleName = std::make_unique<std::string>(TemplateText(kTemplateReservedStyleName));
    ReadLocaleSeparators();
}

void TrappingPlugin::OnUnload()
{
    ModuleState& state = Module();
    state.zoneList.reset();
    state.pageWriter.Drop();
    state.inkList.reset();
    state.reservedStyleName.reset();
    state.documentSettings.reset();
    if (state.heldPrintJob != nullptr) {
        PrintJobInterface* held = state.heldPrintJob;
        state.heldPrintJob = nullptr;
        if (Host().hostRoot != nullptr) Host().hostRoot->ReleaseInterface(held);
    }
}

void TrappingPlugin::OnRelease() { Module().FreePrintTimeObjects(); }

void TrappingPlugin::OnRegister()
{
    InterfaceRef<CoreInterface> core(kCoreInterface);
    for (HostLong number : {2, 105, 110, 107, 118, 102}) core->RegisterNotification(number);
}

}  // namespace orvane
