// Page-range texts such as "1-3, 7, 10-": parsing one element at a time, checking
// a whole text against the publication's pages, counting, listing its pages and
// formatting a zone's pages back into a text.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

class TrapZone;

constexpr int kPageRangeInvalid = -10;
constexpr int kPageRangeEnd = -5;
constexpr std::size_t kPageRangeMaxLength = 63;  // 64 characters or more are refused

// Parses the element that starts at `position`. `first` and `count` are the
// publication's first page number and page count. On success hands back the
// element's start and end page and returns the position of the next element
// (also left in `cursor`); kPageRangeEnd when `position` is past the text;
// kPageRangeInvalid for a malformed element or text. Bounds are not checked here.
int NextPageRangeElement(const std::string& text, std::int16_t first, std::int16_t count, int position,
                         int& cursor, std::uint16_t& start, std::uint16_t& end);

// The text's length minus 1 when every element is well formed and lies within the
// pages first..first+count-1; kPageRangeInvalid otherwise.
int ValidatePageRange(const std::string& text, std::int16_t first, std::int16_t count);

// Number of pages the elements name, duplicates counted (16-bit, as stored).
// Only meaningful for a text that ValidatePageRange accepts.
std::int16_t CountPageRangePages(const std::string& text, std::int16_t first, std::int16_t count);

// The page numbers of a valid text, in text order, duplicates kept. False (and no
// pages) for a text that ValidatePageRange refuses.
bool ListPageRangePages(const std::string& text, std::int16_t first, std::int16_t count,
                        std::vector<std::int16_t>& pages);

// The text shown for a zone's pages: runs of consecutive numbers as "a-b".
std::string FormatPageRange(const TrapZone& zone);

}  // namespace orvane
