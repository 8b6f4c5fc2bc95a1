// A zone's pages from a page-range text: each page number of the text with the
// key the Host gives that page.
#pragma once
#include <cstdint>
#include <string>

namespace orvane {

class TrapZone;

// Replaces the zone's pages with those of a valid text, in text order, each with
// the Host's key for its number (request 3533). Raises the Host's status if a key
// request fails; the zone then keeps its previous pages. An invalid text raises 7212.
void ExpandPageRange(const std::string& text, std::int16_t first, std::int16_t count, TrapZone& zone);

}  // namespace orvane
