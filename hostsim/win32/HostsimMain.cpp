// hostsim.exe: loads the plug-in DLL through the binary contract and runs the
// shared Host stand-in on it. Message boxes are answered by a watcher thread so
// that runs without a user never block.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "hostsim/Runner.h"
#include "hostsim/win32/MessageBoxWatcher.h"
#include "hostsim/win32/UiJourney.h"

namespace {

std::string FullPath(const std::string& path)
{
    if (path.empty()) return path;
    char full[MAX_PATH] = {};
    DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full) : path;
}

}  // namespace

int main(int argc, char** argv)
{
    // Plain line feeds on the console, as the native build writes them.
    _setmode(_fileno(stdout), _O_BINARY);
    hostsim::RunnerOptions options;
    std::string error;
    // The first argument alone may name the DLL, as in earlier runs.
    if (argc == 2 && argv[1][0] != '-') {
        options.dll = argv[1];
    } else if (!hostsim::ParseRunnerArguments(argc, argv, options, error)) {
        std::fprintf(stderr, "hostsim: %s\n%s", error.c_str(), hostsim::RunnerUsage().c_str());
        return 2;
    }
    if (options.dll.empty()) options.dll = "OrvaneTrp.dll";

    HMODULE module = LoadLibraryA(options.dll.c_str());
    if (module == nullptr) {
        std::fprintf(stderr, "hostsim: cannot load %s\n", options.dll.c_str());
        return 2;
    }
    auto entry = reinterpret_cast<hostsim::PluginEntry>(reinterpret_cast<void*>(GetProcAddress(module, "main")));
    if (entry == nullptr) {
        std::fprintf(stderr, "hostsim: %s exports no main\n", options.dll.c_str());
        FreeLibrary(module);
        return 2;
    }

    int exitCode = 0;
    {
        hostsim::win32::MessageBoxWatcher watcher;
        hostsim::RunnerHooks hooks;
        hooks.setAnswers = [&watcher](const std::vector<int>& answers) { watcher.SetAnswers(answers); };
        hooks.takeMessageBoxes = [&watcher]() { return watcher.TakeLines(); };
        hooks.pluginPath = FullPath;
        hooks.journey = [&watcher](const std::string& name, hostsim::SimHost& host) {
            watcher.SetEnabled(false);
            int status = RunUiJourney(name, host);
            watcher.SetEnabled(true);
            return status;
        };
        exitCode = hostsim::RunHostSimulation(options, entry, hooks, std::cout);
        std::cout.flush();
    }
    FreeLibrary(module);
    return exitCode;
}
