// Entry of the DLL: remembers the module so that resources come from the plug-in.
#include <windows.h>

#include "platform/win32/Win32Module.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        orvane::platform::SetPluginModule(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
