// The menu commands.
#include "plugin/PluginBase.h"

namespace orvane {

void TrappingPlugin::OnCommand() {}

}  // namespace orvane
