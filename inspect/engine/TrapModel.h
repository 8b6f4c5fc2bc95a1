// The plain data the trap preview works on: the inks of a job, the trap styles and zones
// the device received for a page, and the plates of that page handed over in bands of rows.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvane::inspect {

enum class ColorantType { Normal, Transparent, Opaque, OpaqueIgnore };

struct InkInfo {
    std::string name;
    double neutralDensity = 0;
    ColorantType type = ColorantType::Normal;
};

// A style's per-ink overrides (ColorantZoneDetails); an absent value takes the style's.
struct ColorantDetail {
    std::optional<double> stepLimit;
    std::optional<double> trapColorScaling;
};

// Trap parameters as the device takes them; the defaults are the device's. Widths are in
// points (BlackWidth is a factor of TrapWidth), limits and scaling fractions from 0 to 1.
struct TrapStyleParams {
    std::string name;
    bool enabled = true;
    double trapWidth = 1.0;
    double blackWidth = 1.0;
    double stepLimit = 0.1;
    double slidingTrapLimit = 0.7;
    double blackColorLimit = 1.0;
    double blackDensityLimit = 1.1;
    double trapColorScaling = 1.0;
    std::map<std::string, ColorantDetail> colorantDetails;  // keyed by ink name
};

// A trap zone in device pixels, rows counted from the top: [x0, x1) × [y0, y1).
struct TrapZoneRect {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    int style = 0;  // index into TrapPage::styles
};

// One page as the device saw it. Zones are in the order the job set them: where they
// overlap, the later one holds.
struct TrapPage {
    int width = 0;   // pixels
    int height = 0;  // pixels
    double resolution = 300;  // dots per inch
    bool trapping = true;     // false: the job asked for no trapping on this page
    std::vector<InkInfo> inks;
    std::vector<TrapStyleParams> styles;
    std::vector<TrapZoneRect> zones;
};

// Consecutive rows of every plate, top down: plates[i] holds rows × width tints of ink i
// (TrapPage::inks order), row after row, 0 = no ink, 255 = 100 % ink.
struct PlateBand {
    int y0 = 0;
    int rows = 0;
    std::vector<std::vector<std::uint8_t>> plates;
};

}  // namespace orvane::inspect
