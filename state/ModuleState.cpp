#include "state/ModuleState.h"

namespace orvane {

DocumentTrapping& Settings()
{
    ModuleState& state = Module();
    if (!state.documentSettings) state.documentSettings = std::make_unique<DocumentTrapping>();
    return *state.documentSettings;
}

const std::string& ReservedStyleName()
{
    static const std::string empty;
    ModuleState& state = Module();
    return state.reservedStyleName ? *state.reservedStyleName : empty;
}

bool IsReservedStyleName(const std::string& text) { return text == ReservedStyleName(); }

}  // namespace orvane
