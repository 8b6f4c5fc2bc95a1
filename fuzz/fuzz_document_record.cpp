// The document record reader over arbitrary record bytes.
#include "FuzzHost.h"
#include "model/TrapZone.h"
#include "storage/DocumentRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvane;
    hostsim::SimHost& host = fuzz::LoadedHost();
    fuzz::LabelPages(host);
    fuzz::SetRecord(host, "AAA", data, size);
    TrapZoneList zones;
    try {
        LoadDocumentRecord(zones);
    } catch (const HostError&) {
    }
    fuzz::ExpectBalanced(host);
    if (Settings().byteOrder != 'w') std::abort();
    for (const auto& zone : zones.Zones()) {
        if (zone->styleName.size() > 199) std::abort();
    }
    return 0;
}
