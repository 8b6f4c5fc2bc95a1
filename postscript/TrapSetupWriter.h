// The trap setup written into the print job: the definitions (notification 105),
// the page device setup (107) and each page's trap zones (110).
#pragma once
#include <string>

namespace orvane {

class InkList;
class PageRectangle;
class PrintedPageSequence;
class TrapStyle;

void WriteTrapDefinitions();
void WritePageDeviceSetup();
void WritePageZones(PrintedPageSequence& sequence, const PageRectangle& rectangle);
// At print start, once the zones are loaded and checked: the zone list's page index,
// the escaped style names and each zone's text, so that a page costs no walk, no
// filling and no allocation. Raises nothing: what it cannot prepare, the pages fill.
void PreparePageZones();

// The pieces, for the writers and their tests.
std::string InkDefinitionsText(const InkList& inks);  // empty for an empty list
std::string StyleDefinitionText(const TrapStyle& style);
std::string TrappingOrderNames(const InkList& inks);

}  // namespace orvane
