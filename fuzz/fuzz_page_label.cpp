// The page label parser, directly and as a Host reply.
#include <cstdlib>

#include "FuzzHost.h"
#include "storage/PageLabel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvane;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::int16_t direct = ParsePageLabel(text);

    // A reply text stops at its first NUL.
    hostsim::SimHost& host = fuzz::LoadedHost();
    hostsim::SimPage& page = host.publication.pages[0];
    const std::string reply = text.substr(0, text.find('\0'));
    page.labels[{"HLCX", "ORVT"}] = reply;
    if (ReadPageLabel(page.key) != ParsePageLabel(reply)) std::abort();
    fuzz::ExpectBalanced(host);

    // Every key's label reads back as its low 16 bits.
    if (size >= 4) {
        const auto key = static_cast<std::int32_t>(data[0] | (data[1] << 8) | (data[2] << 16) |
                                                   (static_cast<std::uint32_t>(data[3]) << 24));
        if (ParsePageLabel(FormatPageLabel(key)) != static_cast<std::int16_t>(key & 0xFFFF)) std::abort();
    }
    (void)direct;
    return 0;
}
