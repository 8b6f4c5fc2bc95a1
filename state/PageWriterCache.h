// What the page writer keeps between pages of a print job.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/PageSequence.h"
#include "model/TrapZone.h"

namespace orvane {

// At print start the writer makes the whole text of every zone of the zone list and
// of the default style. They hold while the list is the same one at the same
// revision and the rectangle and default name are those they were made with; any
// other text is filled page by page into the reused buffer. A name's escape never
// changes, so the escaped names are kept too.
struct PageWriterCache {
    std::unordered_map<std::string, std::string> escapedNames;
    std::string text;

    bool prepared = false;
    const TrapZoneList* zoneList = nullptr;
    std::uint32_t zoneListRevision = 0;
    PageRectangle rectangle;
    std::vector<std::string> texts;           // each distinct zone text once
    std::vector<std::uint32_t> textOfZone;    // by zone position, into texts
    std::string defaultName;
    std::string defaultText;

    // Forgets the prepared texts and names; the buffer keeps its memory.
    void Drop()
    {
        escapedNames.clear();
        prepared = false;
        zoneList = nullptr;
        std::vector<std::string>().swap(texts);
        std::vector<std::uint32_t>().swap(textOfZone);
        defaultName.clear();
        defaultText.clear();
    }
};

}  // namespace orvane
