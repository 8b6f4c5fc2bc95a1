// Page-range texts such as "1-3, 7, 10-": parsing one element at a time, checking
// a whole text against the publication's pages, counting, expanding into a zone's
// pages and formatting a zone's pages back into a text.
#pragma once
#include <cstdint>
#include <string>

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

// Replaces the zone's pages with those of a valid text, in text order, each with
// the Host's key for its number (request 3533). Raises the Host's status if a key
// request fails; the zone then keeps its previous pages. An invalid text raises 7212.
void ExpandPageRange(const std::string& text, std::int16_t first, std::int16_t count, TrapZone& zone);

// The text shown for a zone's pages: runs of consecutive numbers as "a-b".
std::string FormatPageRange(const TrapZone& zone);

}  // namespace orvane
