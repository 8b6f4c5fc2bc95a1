// Neutral densities of inks, as the Host answers them, in thousandths.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace orvane {

class InkEntry;
class InkList;

// Name of the colour made for one reading and removed before the reading ends.
extern const char* const kTemporaryColorName;

// value * 0.001 with four decimals ("%.4f"), exact for every 16-bit value.
std::string FormatDensity(std::int16_t value);

// A colour of that composition, created for one reading and removed on every path.
class TemporaryColor {
public:
    TemporaryColor(std::int16_t c, std::int16_t m, std::int16_t y, std::int16_t k);  // request 913
    ~TemporaryColor();  // request 916 when Remove was not reached
    TemporaryColor(const TemporaryColor&) = delete;
    TemporaryColor& operator=(const TemporaryColor&) = delete;

    std::int16_t Density() const;  // request 2803
    // Request 916; a failed removal is tried once more before its error travels on.
    void Remove();

private:
    bool removed_ = false;
};

std::int16_t TemporaryColorDensity(std::int16_t c, std::int16_t m, std::int16_t y, std::int16_t k);

// A colour that is an ink of its own: the Host's answer for the name, or else the
// temporary colour's; never below 1.
std::int16_t ColorDensity(const std::string& colorName, std::int16_t c, std::int16_t m, std::int16_t y,
                          std::int16_t k);

// One ink of a colour made of several inks (request 2804); no fallback.
std::int16_t InkDensity(const std::string& inkName);

// Completes a process ink (name and processName set) and appends it.
void AddProcessInk(InkList& list, std::unique_ptr<InkEntry> entry, std::int16_t number);

}  // namespace orvane
