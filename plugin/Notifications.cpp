// Notifications of a print job.
#include "plugin/PluginBase.h"

namespace orvane {

void TrappingPlugin::OnNotify() {}

}  // namespace orvane
