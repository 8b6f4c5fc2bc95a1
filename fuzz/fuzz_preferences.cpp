// The preferences file reader over arbitrary file bytes.
#include <unistd.h>

#include <fstream>

#include "FuzzHost.h"
#include "model/TrapStyle.h"
#include "state/ModuleState.h"
#include "storage/Preferences.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvane;
    static const std::string folder = [] {
        char pattern[] = "/tmp/orvane-fuzz-prefs-XXXXXX";
        const char* dir = mkdtemp(pattern);
        if (dir == nullptr) std::abort();
        return std::string(dir) + "/";
    }();
    hostsim::SimHost& host = fuzz::LoadedHost();
    host.publication.folder = folder;
    {
        std::ofstream out(folder + "\\OrvaneTrp.prf", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Module().currentStyleList = std::make_unique<TrapStyleList>();
    const int result = LoadPreferences();
    if (result != 0 && result != 1) std::abort();
    for (const auto& style : Module().currentStyleList->Styles()) {
        if (style->name.empty() || style->name.size() > 499 || IsReservedStyleName(style->name)) std::abort();
    }
    fuzz::ExpectBalanced(host);
    Module().currentStyleList.reset();
    return 0;
}
