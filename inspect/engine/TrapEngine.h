// The trap preview: the traps that a device following the LanguageLevel 3 trapping model
// would add to one page's plates, computed band by band so that memory follows the band.
//
// The model:
// - A colour is the tint of every ink at a pixel. Two 4-neighbouring pixels whose tints all
//   differ by at most mergeTolerance are one flat colour (ramps and noise make no edges).
// - Where two colours meet, a trap is needed only when each side has an ink that is higher
//   than on the other side by more than StepLimit of its higher tint (otherwise
//   misregistration shows no gap). Transparent inks are left out of that test; an edge with
//   an OpaqueIgnore ink on either side gets no trap. Opaque inks count as Normal ones.
// - Neutral density (ND) of a colour: the sum of tint × the ink's NeutralDensity. The
//   lighter colour's higher inks (those past the step limit) spread into the darker side.
//   When lighter ND / darker ND ≥ SlidingTrapLimit, the trap straddles the edge, half on
//   each side ("centre"); otherwise all of it lies on the darker side ("spread").
// - Width: TrapWidth points; where the darker side is black (an ink of ND ≥
//   BlackDensityLimit at a tint ≥ BlackColorLimit), BlackWidth × TrapWidth. A pixel is in
//   the trap when its centre lies within the width of the edge, so at 300 dpi a 1 pt trap
//   is 4 pixels wide; traps narrower than half a pixel do not show. A width of 0 makes no
//   trap: the edge is listed as untrapped (width 0).
// - A spread trap adds the lighter side's higher inks on the darker side; in a centre trap
//   each side gets, over its half, the other side's higher inks. TrapColorScaling s (per ink
//   when the style's ColorantZoneDetails name it) sets how much of it comes: trap tint =
//   own + (source − own) × s, so 1 adds the full tint of the side the ink comes from and
//   0 adds nothing. Where traps overlap, each ink takes the highest.
// - An edge belongs to the zone that holds its darker-side pixel, and its traps stay on
//   pixels of that zone and of the colour they are painted on. Disabled zones, pages outside
//   every zone and pages without trapping get no traps; where zones overlap, the one set
//   last holds. Edges outside every zone are not listed, trapped or untrapped.
// Edge lengths count pixel sides, so a slanted edge measures its staircase.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "inspect/engine/TrapModel.h"

namespace orvane::inspect {

enum class TrapPlacement { Spread, Centre };

enum class UntrappedReason { StepLimit, NoGap, IgnoredInk, ZoneDisabled, WidthZero };

// What one decision rests on, for a report to say why.
struct TrapRule {
    // Per side, of the inks higher than on the other side, the one that steps past its
    // step limit by most (or comes closest): its step as a fraction of its higher tint.
    struct Step {
        int ink = -1;  // -1: the side has no higher ink
        double step = 0;
        double limit = 0;
    };
    double lighterDensity = 0;
    double darkerDensity = 0;
    double slidingTrapLimit = 0;
    Step lighterStep;
    Step darkerStep;
    int ignoredInk = -1;      // an OpaqueIgnore ink on either side
    bool blackSide = false;   // the darker side counts as black
    double blackDensityLimit = 0;
    double blackColorLimit = 0;
    double trapWidth = 0;     // points, the style's TrapWidth
    double blackWidth = 0;    // the style's BlackWidth factor
    TrapPlacement placement = TrapPlacement::Spread;  // where a trap would lie
};

// One pair of colours that meet in one zone and get a trap, with the length of edge
// they share. Colours are tints per ink, in TrapPage::inks order.
struct TrapRecord {
    int zone = 0;   // index into TrapPage::zones
    int style = 0;  // index into TrapPage::styles
    std::vector<std::uint8_t> lighter;
    std::vector<std::uint8_t> darker;
    std::vector<int> spreads;  // inks of the lighter side that spread, as ink indices
    TrapPlacement placement = TrapPlacement::Spread;
    double width = 0;   // points
    double length = 0;  // points
    TrapRule rule;
    int x = -1, y = -1;  // the darker side's pixel where the pair was first met
};

// A pair of colours that meet in a zone and get no trap, and why.
struct UntrappedEdge {
    int zone = 0;
    int style = 0;
    std::vector<std::uint8_t> lighter;
    std::vector<std::uint8_t> darker;
    UntrappedReason reason = UntrappedReason::NoGap;
    double length = 0;  // points
    TrapRule rule;
};

// Rows of the page with their traps: trapped[i] is ink i's plate with the traps added
// (rows × width), mask is 0 where no trap lies and 1 + the style index where one does.
struct TrapBand {
    int y0 = 0;
    int rows = 0;
    std::vector<std::vector<std::uint8_t>> trapped;
    std::vector<std::uint8_t> mask;
};

struct TrapOptions {
    int mergeTolerance = 2;      // tints; neighbours this close are one colour
    double maxWidthPixels = 64;  // wider traps are cut to this many pixels
    // Pairs of colours listed per page; past it (pictures, where every pixel is a colour of
    // its own) pairs are still trapped but only their length is counted (UnlistedLength).
    std::size_t maxPairs = 100000;
};

class TrapEngine {
public:
    explicit TrapEngine(const TrapPage& page, const TrapOptions& options = {});
    ~TrapEngine();
    TrapEngine(const TrapEngine&) = delete;
    TrapEngine& operator=(const TrapEngine&) = delete;

    // Rows of input the engine holds beyond a band: a band's rows come out this much later.
    int HaloRows() const;

    // Takes the next rows of the page (band.y0 must follow on the rows given before; every
    // plate rows × width tints) and puts into out the rows that are now final, possibly
    // none (out.rows == 0). False, and out left empty, for a band that does not fit or a
    // page the engine cannot take (a resolution that is not positive, a negative size or a
    // side over 2^20 pixels); the engine then takes nothing more.
    bool Push(const PlateBand& band, TrapBand& out);
    // After the last band: puts the rows still held into out.
    void Finish(TrapBand& out);

    bool Failed() const;
    // What was trapped and what was not, in the order the pairs were first met.
    const std::vector<TrapRecord>& Traps() const;
    const std::vector<UntrappedEdge>& Untrapped() const;
    // Points of edge, trapped or not, between pairs of colours met after maxPairs were listed.
    double UnlistedLength() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace orvane::inspect
