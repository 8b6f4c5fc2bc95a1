// The style record reader over arbitrary record bytes.
#include "FuzzHost.h"
#include "model/TrapStyle.h"
#include "storage/StyleRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvane;
    hostsim::SimHost& host = fuzz::LoadedHost();
    fuzz::SetRecord(host, "CCC", data, size);
    Module().currentStyleList = std::make_unique<TrapStyleList>();
    LoadStyleRecord();
    fuzz::ExpectBalanced(host);
    const TrapStyleList& list = *Module().currentStyleList;
    for (int i = 0; i < list.Count(); ++i) {
        const TrapStyle& style = *list.StyleAt(i);
        if (style.name.size() > 499 || style.inUse != 0) std::abort();
        for (int j = 0; j < i; ++j) {
            if (list.StyleAt(j)->name == style.name) std::abort();  // names stay unique
        }
    }
    Module().currentStyleList.reset();
    return 0;
}
