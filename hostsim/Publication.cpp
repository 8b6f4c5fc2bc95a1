#include "hostsim/Publication.h"

namespace hostsim {

void Publication::SetPageCount(int count)
{
    pages.clear();
    for (int i = 0; i < count; ++i) {
        SimPage page;
        page.key = nextPageKey++;
        pages.push_back(page);
    }
}

int Publication::PageIndexOfKey(std::int32_t key) const
{
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].key == key) return static_cast<int>(i);
    }
    return -1;
}

const SimColor* Publication::FindColor(const std::string& colorName) const
{
    for (const SimColor& color : colors) {
        if (color.name == colorName) return &color;
    }
    return nullptr;
}

SimColor* Publication::FindColor(const std::string& colorName)
{
    return const_cast<SimColor*>(static_cast<const Publication*>(this)->FindColor(colorName));
}

}  // namespace hostsim

namespace hostsim {

std::int16_t ComponentDensity(std::int16_t c, std::int16_t m, std::int16_t y, std::int16_t k)
{
    long value = (c * 610L + m * 760L + y * 160L + k * 1700L) / 1000L;
    return static_cast<std::int16_t>(value);
}

}  // namespace hostsim
