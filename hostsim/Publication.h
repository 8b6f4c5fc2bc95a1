// The publication the simulated Host answers for: pages, sizes, print options,
// colours and inks, and the private data the plug-in keeps in it.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace hostsim {

struct SimPage {
    std::int32_t key = 0;
    // Private page texts by (creator, type).
    std::map<std::pair<std::string, std::string>, std::string> labels;
    // Colours of a strip of abutting bars painted on the page, left to right.
    std::vector<std::string> strip;
};

struct SimColor {
    std::string name;
    std::int16_t c = 0, m = 0, y = 0, k = 0;
    std::int16_t kind = 0;              // 0 spot, 3 multi-ink, others: no ink
    std::vector<std::string> inks;      // kind 3
    std::int16_t density = 0;           // thousandths, answer of 2803
    bool refuseDensity = false;         // 2803 fails for this colour
};

struct Publication {
    std::string hostIdentity = "Halcyte Quillset 6.52";
    std::string name = "C:\\Publications\\Sample.qst";
    std::int16_t state = 0;  // 3511: 1 = no publication open
    std::int16_t firstPage = 1;
    std::vector<SimPage> pages;  // in current order; number = firstPage + index
    std::int32_t pageWidth = 12240, pageHeight = 15840;    // twentieths of a point
    std::int32_t paperWidth = 12240, paperHeight = 15840;
    std::int16_t copies = 1;
    std::int16_t reverse = 0;
    std::string pageRange;
    std::int16_t parity = 0;
    std::int16_t spreads = 0;
    std::int16_t printOutputKind = 0;  // eighth value of 3521
    std::int16_t trapOutput = 1;       // 3523
    std::int16_t printSetting = 7;     // first value of 3916; 1765 sets it
    std::string folder = "C:\\Prefs";
    std::string secondFolder = "C:\\Quillset";
    std::vector<SimColor> colors;
    std::map<std::string, std::int16_t> inkDensities;  // 2804 answers
    std::int32_t nextPageKey = 1000;
    // Private records by (name, type).
    std::map<std::pair<std::string, std::string>, std::vector<char>> records;

    void SetPageCount(int count);        // fresh pages with new keys
    int PageIndexOfKey(std::int32_t key) const;  // -1 when no page has it
    SimColor* FindColor(const std::string& colorName);
    const SimColor* FindColor(const std::string& colorName) const;
};

}  // namespace hostsim

namespace hostsim {

// A neutral density in thousandths worked out from components in thousandths,
// for colours that state none.
std::int16_t ComponentDensity(std::int16_t c, std::int16_t m, std::int16_t y, std::int16_t k);

}  // namespace hostsim
