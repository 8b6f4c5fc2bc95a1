// The ink record reader over arbitrary record bytes.
#include "FuzzHost.h"
#include "model/Ink.h"
#include "storage/InkRecord.h"
#include "storage/PrivateRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvane;
    hostsim::SimHost& host = fuzz::LoadedHost();
    fuzz::SetRecord(host, "BBB", data, size);
    InkList list;
    std::int16_t next = 1;
    try {
        PrivateDataRef accessor(kPrivateDataAccessor);
        LoadSavedInks(*accessor.get(), list, next);
    } catch (const HostError& e) {
        if (e.status() != kStatusFailure) std::abort();
    }
    fuzz::ExpectBalanced(host);
    for (const auto& entry : list.Entries()) {
        if (entry->name.empty() || entry->densityText.size() > 499) std::abort();
        if (entry->number >= next && entry->number != 32767) std::abort();
    }
    return 0;
}
