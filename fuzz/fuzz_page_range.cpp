// The page-range parser: the first four bytes give the publication's first page
// and page count, the rest is the text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/PageRange.h"
#include "model/TrapZone.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvane;
    if (size < 4) return 0;
    const auto first = static_cast<std::int16_t>(data[0] | (data[1] << 8));
    const auto count = static_cast<std::int16_t>(data[2] | (data[3] << 8));
    const std::string text(reinterpret_cast<const char*>(data + 4), size - 4);

    const int valid = ValidatePageRange(text, first, count);
    if (valid != kPageRangeInvalid && valid != static_cast<int>(text.size()) - 1) std::abort();

    // Walk the elements as the zone dialog does and check them against the verdict.
    int cursor = 0, position = 0, steps = 0;
    std::uint32_t total = 0;
    TrapZone zone;
    for (;;) {
        std::uint16_t start = 0, end = 0;
        position = NextPageRangeElement(text, first, count, position, cursor, start, end);
        if (position < 0) break;
        if (++steps > 64) std::abort();  // each element takes at least one character
        if (valid >= 0) {
            if (start > end || start < static_cast<std::uint16_t>(first)) std::abort();
            total += end - start + 1u;
            for (std::uint32_t p = start; p <= end && zone.pages.size() < 256; ++p)
                zone.AddPage(0, static_cast<std::int16_t>(p));
        }
        if (static_cast<std::size_t>(position) >= text.size()) break;
    }
    if (valid >= 0) {
        if (CountPageRangePages(text, first, count) != static_cast<std::int16_t>(total)) std::abort();
        (void)FormatPageRange(zone);
    }
    return 0;
}
