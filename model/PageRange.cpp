#include "model/PageRange.h"

#include <cstdio>
#include <vector>

#include "model/TrapZone.h"

namespace orvane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void SkipSpaces(const std::string& text, std::size_t& i)
{
    while (i < text.size() && text[i] == ' ') ++i;
}

// Reads a run of digits. A value above 65535 would wrap into another page
// number, so it is refused rather than reduced.
bool ReadNumber(const std::string& text, std::size_t& i, std::uint16_t& value)
{
    std::uint32_t n = 0;
    while (i < text.size() && IsDigit(text[i])) {
        n = n * 10 + static_cast<std::uint32_t>(text[i] - '0');
        if (n > 0xFFFFu) return false;
        ++i;
    }
    value = static_cast<std::uint16_t>(n);
    return true;
}

bool AtElementEnd(const std::string& text, std::size_t i) { return i >= text.size() || text[i] == ','; }

std::uint16_t LastPage(std::int16_t first, std::int16_t count)
{
    return static_cast<std::uint16_t>(first + count - 1);
}

bool WithinPages(std::uint16_t start, std::uint16_t end, std::int16_t first, std::int16_t count)
{
    if (count <= 0) return false;  // a publication without pages holds no range
    const std::uint16_t low = static_cast<std::uint16_t>(first);
    return low <= start && start <= end && end <= LastPage(first, count);
}

}  // namespace

int NextPageRangeElement(const std::string& text, std::int16_t first, std::int16_t count, int position,
                         int& cursor, std::uint16_t& start, std::uint16_t& end)
{
    if (text.empty() || text.size() > kPageRangeMaxLength) return kPageRangeInvalid;
    if (position < 0) return kPageRangeInvalid;
    if (static_cast<std::size_t>(position) >= text.size()) return kPageRangeEnd;

    // The element's last character: just before the next comma or the text's end.
    std::size_t c = cursor < 0 ? 0 : static_cast<std::size_t>(cursor);
    while (c < text.size() && text[c] != ',') ++c;
    const int elementLast = static_cast<int>(c) - 1;

    std::size_t i = static_cast<std::size_t>(position);
    SkipSpaces(text, i);
    std::uint16_t startPage = 0;
    if (i < text.size() && IsDigit(text[i])) {
        if (!ReadNumber(text, i, startPage)) return kPageRangeInvalid;
    } else if (i < text.size() && text[i] == '-') {
        startPage = static_cast<std::uint16_t>(first);
    } else {
        return kPageRangeInvalid;
    }

    std::uint16_t endPage = startPage;
    SkipSpaces(text, i);
    if (!AtElementEnd(text, i)) {
        if (text[i] != '-') return kPageRangeInvalid;
        ++i;
        SkipSpaces(text, i);
        if (i < text.size() && IsDigit(text[i])) {
            if (!ReadNumber(text, i, endPage)) return kPageRangeInvalid;
        } else if (AtElementEnd(text, i)) {
            endPage = LastPage(first, count);
        } else {
            return kPageRangeInvalid;
        }
        SkipSpaces(text, i);
        if (!AtElementEnd(text, i)) return kPageRangeInvalid;
    }

    start = startPage;
    end = endPage;
    cursor = elementLast + 2;
    return cursor;
}

int ValidatePageRange(const std::string& text, std::int16_t first, std::int16_t count)
{
    int cursor = 0;
    int position = 0;
    do {
        std::uint16_t start = 0, end = 0;
        position = NextPageRangeElement(text, first, count, position, cursor, start, end);
        if (position < 0) return kPageRangeInvalid;
        if (!WithinPages(start, end, first, count)) return kPageRangeInvalid;
    } while (static_cast<std::size_t>(position) < text.size());
    return static_cast<int>(text.size()) - 1;
}

std::int16_t CountPageRangePages(const std::string& text, std::int16_t first, std::int16_t count)
{
    int cursor = 0;
    int position = 0;
    std::uint16_t total = 0;
    for (;;) {
        std::uint16_t start = 0, end = 0;
        position = NextPageRangeElement(text, first, count, position, cursor, start, end);
        if (position < 0) break;
        if (end >= start) total = static_cast<std::uint16_t>(total + (end - start + 1));
        if (static_cast<std::size_t>(position) >= text.size()) break;
    }
    return static_cast<std::int16_t>(total);
}

bool ListPageRangePages(const std::string& text, std::int16_t first, std::int16_t count,
                        std::vector<std::int16_t>& pages)
{
    pages.clear();
    if (ValidatePageRange(text, first, count) < 0) return false;
    int cursor = 0;
    int position = 0;
    for (;;) {
        std::uint16_t start = 0, end = 0;
        position = NextPageRangeElement(text, first, count, position, cursor, start, end);
        if (position < 0) break;
        for (std::uint32_t page = start; page <= end; ++page) {
            pages.push_back(static_cast<std::int16_t>(page));
        }
        if (static_cast<std::size_t>(position) >= text.size()) break;
    }
    return true;
}

std::string FormatPageRange(const TrapZone& zone)
{
    std::string text;
    const auto& pages = zone.pages;
    char piece[32];
    std::size_t i = 0;
    while (i < pages.size()) {
        const int runFirst = pages[i]->pageNumber;
        std::size_t j = i;
        while (j + 1 < pages.size() && pages[j + 1]->pageNumber == pages[j]->pageNumber + 1) ++j;
        const int runLast = pages[j]->pageNumber;
        if (j == i)
            std::snprintf(piece, sizeof piece, "%d,", runFirst);
        else
            std::snprintf(piece, sizeof piece, "%d-%d,", runFirst, runLast);
        text += piece;
        i = j + 1;
    }
    if (!text.empty()) text.pop_back();
    return text;
}

}  // namespace orvane
