#include "storage/ZonePages.h"

#include <memory>
#include <vector>

#include "host/HostRequests.h"
#include "host/Status.h"
#include "model/PageRange.h"
#include "model/TrapZone.h"

namespace orvane {

void ExpandPageRange(const std::string& text, std::int16_t first, std::int16_t count, TrapZone& zone)
{
    std::vector<std::int16_t> numbers;
    if (!ListPageRangePages(text, first, count, numbers)) Raise(kStatusFailure);
    // Built aside so that a failing key request leaves the zone as it was.
    ZonePageList pages;
    pages.reserve(numbers.size());
    for (std::int16_t number : numbers) pages.push_back(std::make_unique<ZonePage>(requests::PageKey(number), number));
    zone.pages = std::move(pages);
}

}  // namespace orvane
