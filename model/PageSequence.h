// The pages of a print job in the order the Host prints them, and the rectangle
// around each page that becomes its trap zone.
#pragma once
#include <cstdint>
#include <vector>

namespace orvane {

class PrintedPageSequence {
public:
    virtual ~PrintedPageSequence() = default;

    // One copy's pages; the job prints them `copies` times. Holding one copy keeps
    // the memory independent of the number of copies, and the 64-bit position
    // holds any job the Host can send.
    std::vector<std::int16_t> entries;
    std::int32_t copies = 0;
    std::int64_t position = -1;  // -1: not built or cleared
    std::int16_t pageCount = 0;
};

class PageRectangle {
public:
    virtual ~PageRectangle() = default;

    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int16_t flag = 0;
};

}  // namespace orvane
