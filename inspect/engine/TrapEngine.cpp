#include "inspect/engine/TrapEngine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <unordered_map>

#include "inspect/engine/PlateBandCheck.h"
#include "inspect/engine/TrapDecision.h"
#include "inspect/engine/TrapDisk.h"

namespace orvane::inspect {
namespace {

constexpr int kMaxSide = 1 << 20;  // pixels; a larger page is refused, not allocated

struct Decision {
    PairDecision pair;
    int record = 0;  // into traps or untrapped, as pair.trap says
    int zone = 0;
    int style = 0;
    const TrapDisk* darkerDisk = nullptr;
    const TrapDisk* lighterDisk = nullptr;
};

}  // namespace

struct TrapEngine::State {
    TrapPage page;
    std::vector<ResolvedStyle> styles;
    int tolerance = 0;
    int width = 0;
    int height = 0;
    std::size_t inks = 0;
    double pixelPoints = 0;
    int reach = 0;     // rows a trap reaches from its edge
    int capacity = 0;  // rows of the ring
    bool failed = false;

    // The ring of rows [low, high): input, output and the zone that holds each pixel.
    int low = 0;
    int high = 0;
    int edgeRow = 0;  // next row whose edges are found
    std::vector<std::vector<std::uint8_t>> input;
    std::vector<std::vector<std::uint8_t>> output;
    std::vector<std::uint8_t> mask;
    std::vector<int> zoneOf;
    std::vector<std::uint8_t> rightDiffers;  // per pixel of the row whose edges are found
    std::vector<std::uint8_t> belowDiffers;

    std::map<long, TrapDisk> disks;
    // Per column, the last seed stamped there, by row parity: its row and 2 × decision + side.
    struct SeedMark {
        int row = -1;
        int seed = -1;
    };
    std::array<std::vector<SeedMark>, 2> seedMarks;
    std::unordered_map<std::string, int> decisionIndex;
    std::vector<Decision> decisions;
    Decision unlisted;  // the last pair decided past maxPairs
    std::size_t maxPairs = 0;
    double unlistedLength = 0;
    std::string key;
    std::vector<std::uint8_t> colourA;
    std::vector<std::uint8_t> colourB;
    std::vector<TrapRecord> traps;
    std::vector<UntrappedEdge> untrapped;

    std::size_t At(int x, int y) const {
        return static_cast<std::size_t>(y % capacity) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    }
    void Colour(int x, int y, std::vector<std::uint8_t>& colour) const {
        const std::size_t at = At(x, y);
        for (std::size_t i = 0; i < inks; ++i) colour[i] = input[i][at];
    }
    bool Differs(std::size_t a, std::size_t b) const {
        for (std::size_t i = 0; i < inks; ++i)
            if (std::abs(input[i][a] - input[i][b]) > tolerance) return true;
        return false;
    }

    const TrapDisk* DiskOf(double width);
    void AppendRow(const PlateBand& band, int row);
    void FillZones(int y);
    const Decision& Decide(int zone, const std::vector<std::uint8_t>& lighter, const std::vector<std::uint8_t>& darker);
    void Edge(int ax, int ay, int bx, int by);
    void FindEdges(int y);
    const std::vector<Offset>* NewPixels(int sx, int sy, int seed, const TrapDisk& disk);
    void Stamp(int sx, int sy, int seed, const TrapDisk& disk, int zone, int style, const std::vector<int>& inkList,
               const std::vector<std::uint8_t>& tints);
    void Emit(int upTo, TrapBand& out);
};

const TrapDisk* TrapEngine::State::DiskOf(double width) {
    const long key = std::lround(width * 1024.0);
    auto found = disks.find(key);
    if (found == disks.end()) found = disks.emplace(key, MakeTrapDisk(width)).first;
    return &found->second;
}

void TrapEngine::State::FillZones(int y) {
    int* zones = zoneOf.data() + static_cast<std::size_t>(y % capacity) * static_cast<std::size_t>(width);
    std::fill(zones, zones + width, -1);
    if (!page.trapping) return;
    for (std::size_t z = 0; z < page.zones.size(); ++z) {
        const TrapZoneRect& zone = page.zones[z];
        if (zone.style < 0 || static_cast<std::size_t>(zone.style) >= styles.size()) continue;
        if (y < zone.y0 || y >= zone.y1) continue;
        const int x0 = std::max(zone.x0, 0);
        const int x1 = std::min(zone.x1, width);
        if (x0 < x1) std::fill(zones + x0, zones + x1, static_cast<int>(z));
    }
}

void TrapEngine::State::AppendRow(const PlateBand& band, int row) {
    const std::size_t from = static_cast<std::size_t>(row) * static_cast<std::size_t>(width);
    const std::size_t to = At(0, high);
    for (std::size_t i = 0; i < inks; ++i) {
        std::copy_n(band.plates[i].data() + from, width, input[i].data() + to);
        std::copy_n(band.plates[i].data() + from, width, output[i].data() + to);
    }
    std::fill_n(mask.data() + to, width, 0);
    FillZones(high);
    ++high;
}

const Decision& TrapEngine::State::Decide(int zone, const std::vector<std::uint8_t>& lighter,
                                          const std::vector<std::uint8_t>& darker) {
    key.assign(reinterpret_cast<const char*>(&zone), sizeof zone);
    key.append(lighter.begin(), lighter.end());
    key.append(darker.begin(), darker.end());
    const auto found = decisionIndex.find(key);
    if (found != decisionIndex.end()) return decisions[found->second];

    // Past the list's end the pair is decided each time it is met, and not listed.
    const bool listed = decisions.size() < maxPairs;
    Decision& d = listed ? decisions.emplace_back() : unlisted;
    d = Decision{};
    d.record = -1;
    d.zone = zone;
    d.style = page.zones[zone].style;
    d.pair = DecidePair(page.inks, styles[d.style], lighter.data(), darker.data());
    if (d.pair.trap) {
        const bool centre = d.pair.placement == TrapPlacement::Centre;
        d.darkerDisk = DiskOf(centre ? d.pair.widthPixels / 2 : d.pair.widthPixels);
        if (centre) d.lighterDisk = d.darkerDisk;
    }
    if (!listed) return d;
    if (d.pair.trap) {
        d.record = static_cast<int>(traps.size());
        traps.push_back({zone, d.style, lighter, darker, d.pair.toDarker, d.pair.placement, d.pair.widthPoints, 0,
                         d.pair.rule, -1, -1});
    } else {
        d.record = static_cast<int>(untrapped.size());
        untrapped.push_back({zone, d.style, lighter, darker, d.pair.reason, 0, d.pair.rule});
    }
    decisionIndex.emplace(key, static_cast<int>(decisions.size() - 1));
    return d;
}

// The pixels of the seed's disk still to paint: none when the same seed was stamped at
// this pixel, the rim when a neighbour before it was, else the whole disk. Both stamps
// paint the same tints on the same colour, so what they share is painted once.
const std::vector<Offset>* TrapEngine::State::NewPixels(int sx, int sy, int seed, const TrapDisk& disk) {
    if (seed < 0) return &disk.all;
    auto& marks = seedMarks[sy & 1];
    SeedMark& here = marks[sx];
    if (here.row == sy && here.seed == seed) return nullptr;
    const std::vector<Offset>* pixels = &disk.all;
    for (std::size_t k = 0; k < TrapDisk::kBefore.size(); ++k) {
        const int x = sx + TrapDisk::kBefore[k].dx;
        const int y = sy + TrapDisk::kBefore[k].dy;
        if (x < 0 || x >= width || y < 0) continue;
        const SeedMark& before = seedMarks[y & 1][x];
        if (before.row == y && before.seed == seed) {
            pixels = &disk.beyond[k];
            break;
        }
    }
    here = {sy, seed};
    return pixels;
}

void TrapEngine::State::Stamp(int sx, int sy, int seed, const TrapDisk& disk, int zone, int style,
                              const std::vector<int>& inkList, const std::vector<std::uint8_t>& tints) {
    const std::vector<Offset>* pixels = NewPixels(sx, sy, seed, disk);
    if (!pixels) return;
    const std::size_t origin = At(sx, sy);
    const auto tag = static_cast<std::uint8_t>(std::min(style + 1, 255));
    for (const Offset& o : *pixels) {
        const int x = sx + o.dx;
        const int y = sy + o.dy;
        if (x < 0 || x >= width || y < low || y >= high) continue;
        const std::size_t at = At(x, y);
        if (zoneOf[at] != zone || Differs(at, origin)) continue;
        for (std::size_t k = 0; k < inkList.size(); ++k) {
            std::uint8_t& tint = output[inkList[k]][at];
            tint = std::max(tint, tints[k]);
        }
        mask[at] = tag;
    }
}

void TrapEngine::State::Edge(int ax, int ay, int bx, int by) {
    Colour(ax, ay, colourA);
    Colour(bx, by, colourB);
    const bool aLighter = IsLighter(page.inks, colourA.data(), colourB.data());
    const int darkX = aLighter ? bx : ax;
    const int darkY = aLighter ? by : ay;
    const int zone = zoneOf[At(darkX, darkY)];
    if (zone < 0) return;
    const Decision& d = aLighter ? Decide(zone, colourA, colourB) : Decide(zone, colourB, colourA);
    if (d.record < 0)
        unlistedLength += pixelPoints;
    else if (d.pair.trap) {
        TrapRecord& trap = traps[d.record];
        if (trap.x < 0) trap.x = darkX, trap.y = darkY;
        trap.length += pixelPoints;
    }
    else
        untrapped[d.record].length += pixelPoints;
    if (!d.pair.trap) return;
    // Seeds of an unlisted pair have no number, so they are never taken for stamped ones.
    const int darkerSeed = d.record < 0 ? -1 : 2 * static_cast<int>(&d - decisions.data());
    const int lighterSeed = d.record < 0 ? -1 : darkerSeed + 1;
    Stamp(darkX, darkY, darkerSeed, *d.darkerDisk, zone, d.style, d.pair.toDarker, d.pair.toDarkerTint);
    if (d.lighterDisk)
        Stamp(aLighter ? ax : bx, aLighter ? ay : by, lighterSeed, *d.lighterDisk, zone, d.style, d.pair.toLighter,
              d.pair.toLighterTint);
}

void TrapEngine::State::FindEdges(int y) {
    const bool below = y + 1 < high;
    // Most neighbours are equal: mark, plate by plate, those that are not, then look closer.
    const std::size_t here = At(0, y);
    const std::size_t next = below ? At(0, y + 1) : here;
    const std::size_t w = static_cast<std::size_t>(width);
    std::uint8_t* right = rightDiffers.data();
    std::uint8_t* down = belowDiffers.data();
    std::fill_n(right, w, 0);
    std::fill_n(down, w, 0);
    for (std::size_t i = 0; i < inks; ++i) {
        const std::uint8_t* row = input[i].data() + here;
        const std::uint8_t* rowBelow = input[i].data() + next;
        for (std::size_t x = 0; x + 1 < w; ++x) right[x] |= row[x] ^ row[x + 1];
        for (std::size_t x = 0; x < w; ++x) down[x] |= row[x] ^ rowBelow[x];
    }
    for (int x = 0; x < width; ++x) {
        const std::size_t at = here + static_cast<std::size_t>(x);
        if (rightDiffers[x] && Differs(at, at + 1)) Edge(x, y, x + 1, y);
        if (belowDiffers[x] && Differs(at, next + static_cast<std::size_t>(x))) Edge(x, y, x, y + 1);
    }
}

void TrapEngine::State::Emit(int upTo, TrapBand& out) {
    if (out.rows == 0) {
        out.y0 = low;
        out.trapped.assign(inks, {});
    }
    for (; low < upTo; ++low) {
        const std::size_t from = At(0, low);
        for (std::size_t i = 0; i < inks; ++i)
            out.trapped[i].insert(out.trapped[i].end(), output[i].begin() + from, output[i].begin() + from + width);
        out.mask.insert(out.mask.end(), mask.begin() + from, mask.begin() + from + width);
        ++out.rows;
    }
}

TrapEngine::TrapEngine(const TrapPage& page, const TrapOptions& options) : state_(std::make_unique<State>()) {
    State& s = *state_;
    s.page = page;
    s.width = page.width;
    s.height = page.height;
    s.inks = page.inks.size();
    if (page.width < 0 || page.height < 0 || page.width > kMaxSide || page.height > kMaxSide ||
        !std::isfinite(page.resolution) || page.resolution <= 0) {
        s.failed = true;
        return;
    }
    s.tolerance = std::clamp(options.mergeTolerance, 0, 255);
    s.maxPairs = options.maxPairs;
    s.pixelPoints = 72.0 / page.resolution;
    s.styles = ResolveStyles(page, options.maxWidthPixels);
    double widest = 0;
    for (const ResolvedStyle& style : s.styles) widest = std::max({widest, style.widthPixels, style.blackWidthPixels});
    s.reach = static_cast<int>(std::ceil(widest));
    s.capacity = 2 * s.reach + 3;
    const std::size_t ring = static_cast<std::size_t>(s.capacity) * static_cast<std::size_t>(s.width);
    s.input.assign(s.inks, std::vector<std::uint8_t>(ring));
    s.output.assign(s.inks, std::vector<std::uint8_t>(ring));
    s.mask.assign(ring, 0);
    s.zoneOf.assign(ring, -1);
    for (auto& marks : s.seedMarks) marks.assign(static_cast<std::size_t>(s.width), {});
    s.rightDiffers.assign(static_cast<std::size_t>(s.width), 0);
    s.belowDiffers.assign(static_cast<std::size_t>(s.width), 0);
    s.colourA.resize(s.inks);
    s.colourB.resize(s.inks);
}

TrapEngine::~TrapEngine() = default;

int TrapEngine::HaloRows() const { return 2 * state_->reach + 1; }

bool TrapEngine::Push(const PlateBand& band, TrapBand& out) {
    out = TrapBand{};
    State& s = *state_;
    if (s.failed || !BandFits(band, s.width, s.height, s.inks, s.high)) {
        s.failed = true;
        return false;
    }
    for (int row = 0; row < band.rows; ++row) {
        s.AppendRow(band, row);
        // A row's edges are found once every row their traps can reach is in.
        while (s.edgeRow + 1 + s.reach < s.high) s.FindEdges(s.edgeRow++);
        s.Emit(std::max(s.low, s.edgeRow - s.reach), out);
    }
    if (out.rows == 0) out = TrapBand{};
    return true;
}

void TrapEngine::Finish(TrapBand& out) {
    out = TrapBand{};
    State& s = *state_;
    if (s.failed) return;
    while (s.edgeRow < s.high) s.FindEdges(s.edgeRow++);
    s.Emit(s.high, out);
    if (out.rows == 0) out = TrapBand{};
}

bool TrapEngine::Failed() const { return state_->failed; }
const std::vector<TrapRecord>& TrapEngine::Traps() const { return state_->traps; }
const std::vector<UntrappedEdge>& TrapEngine::Untrapped() const { return state_->untrapped; }
double TrapEngine::UnlistedLength() const { return state_->unlistedLength; }

}  // namespace orvane::inspect
