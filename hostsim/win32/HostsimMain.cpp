// hostsim.exe: loads the plug-in DLL through the binary contract and sends it a
// sequence of events, printing what happened.
#include <windows.h>

#include <cstdio>
#include <string>

#include "hostsim/SimHost.h"

int main(int argc, char** argv)
{
    const char* dllPath = argc > 1 ? argv[1] : "OrvaneTrp.dll";
    HMODULE module = LoadLibraryA(dllPath);
    if (module == nullptr) {
        std::fprintf(stderr, "hostsim: cannot load %s\n", dllPath);
        return 2;
    }
    auto entry = reinterpret_cast<hostsim::PluginEntry>(reinterpret_cast<void*>(GetProcAddress(module, "main")));
    if (entry == nullptr) {
        std::fprintf(stderr, "hostsim: %s exports no main\n", dllPath);
        return 2;
    }
    int failures = 0;
    {
        hostsim::SimHost host(entry);
        std::int16_t status = host.Load();
        std::printf("load: %d\n", status);
        failures += status != 0;
        status = host.Register();
        std::printf("register: %d, notifications", status);
        for (auto number : host.registered) std::printf(" %ld", static_cast<long>(number));
        std::printf("\n");
        failures += status != 0;
        status = host.Unload();
        std::printf("unload: %d\n", status);
        failures += status != 0;
        std::printf("interfaces outstanding: %d\n", host.OutstandingInterfaces());
        failures += host.OutstandingInterfaces() != 0;
    }
    FreeLibrary(module);
    return failures == 0 ? 0 : 1;
}
