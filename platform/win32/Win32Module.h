// The plug-in's own module handle, saved when the DLL is attached. Dialog, string
// and template resources are looked up through it, never through the Host's.
#pragma once
#include <windows.h>

namespace orvane::platform {

HINSTANCE PluginModule();
void SetPluginModule(HINSTANCE module);

}  // namespace orvane::platform
