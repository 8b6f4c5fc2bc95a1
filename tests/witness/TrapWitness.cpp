// trap_witness: holds the trap preview against a second trapper, Ghostscript's own, on
// the same CMYK page. It reads the page untrapped and as the witness trapped it (8-bit
// CMYK TIFFs, as tiffscaled32 writes them), traps the untrapped page with the preview's
// engine and compares the two, pixel by pixel, where the model makes a plain spread: on
// each edge between two colours that it traps with a spread, the pixels across the edge
// within the trap width and two more, on both sides. The witness knows nothing of
// neutral densities, step limits, black width or zones, so other edges are not compared;
// and it adds a spreading ink at most at the darker colour's strongest tint, so the
// spreads where that cap bites are compared and reported apart.
//
//   trap_witness UNTRAPPED.tif WITNESS.tif --width PIXELS --densities C,M,Y,K [--label TEXT]
//
// Prints the agreement in percent and each place where the two differ, with the reason;
// exit status 0 when at least 99 % of the plain spreads agree, 1 when fewer do, 2 when
// it cannot compare.
#include <tiffio.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "inspect/engine/TrapDecision.h"
#include "inspect/engine/TrapEngine.h"

using namespace orvane::inspect;

namespace {

const char* const kInks[4] = {"Cyan", "Magenta", "Yellow", "Black"};

struct Page {
    int width = 0, height = 0;
    std::vector<std::vector<std::uint8_t>> plates{4};  // C, M, Y, K, row after row
    std::uint8_t At(int ink, int x, int y) const {
        return plates[static_cast<std::size_t>(ink)][static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                                     static_cast<std::size_t>(x)];
    }
    std::vector<std::uint8_t> Colour(int x, int y) const { return {At(0, x, y), At(1, x, y), At(2, x, y), At(3, x, y)}; }
};

[[noreturn]] void Fail(const std::string& why) {
    std::cerr << "trap_witness: " << why << "\n";
    std::exit(2);
}

Page ReadCmyk(const std::string& path) {
    TIFFSetWarningHandler(nullptr);
    const std::unique_ptr<TIFF, void (*)(TIFF*)> file(TIFFOpen(path.c_str(), "r"), [](TIFF* t) { if (t) TIFFClose(t); });
    TIFF* tiff = file.get();
    if (!tiff) Fail("cannot read " + path);
    std::uint32_t width = 0, height = 0;
    std::uint16_t bits = 0, samples = 0, planar = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
    if (bits != 8 || samples != 4 || planar != PLANARCONFIG_CONTIG || TIFFIsTiled(tiff) || width == 0 ||
        width > 20000 || height == 0 || height > 20000)
        Fail(path + " is no 8-bit CMYK page in strips");
    Page page;
    page.width = static_cast<int>(width);
    page.height = static_cast<int>(height);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(TIFFScanlineSize64(tiff)));
    for (std::uint32_t y = 0; y < height; ++y) {
        if (row.size() < 4 * width || TIFFReadScanline(tiff, row.data(), y, 0) < 0) Fail(path + " is cut short");
        for (std::uint32_t x = 0; x < width; ++x)
            for (std::size_t i = 0; i < 4; ++i) page.plates[i].push_back(row[4 * x + i]);
    }
    return page;
}

std::string Words(const std::vector<std::uint8_t>& colour) {
    std::string out;
    for (std::size_t i = 0; i < 4; ++i)
        if (colour[i]) out += (out.empty() ? "" : " ") + std::string(kInks[i]) + " " + std::to_string(std::lround(colour[i] * 100.0 / 255)) + " %";
    return out.empty() ? "paper" : out;
}

struct Options {
    std::string untrapped, witness, label;
    int width = 0;
    std::vector<double> densities;
};

Options Parse(int argc, char** argv) {
    Options o;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool more = i + 1 < argc;
        if (arg == "--width" && more) o.width = std::atoi(argv[++i]);
        else if (arg == "--label" && more) o.label = argv[++i];
        else if (arg == "--densities" && more) {
            std::istringstream list(argv[++i]);
            for (std::string d; std::getline(list, d, ',');) o.densities.push_back(std::strtod(d.c_str(), nullptr));
        } else files.push_back(arg);
    }
    if (files.size() != 2 || o.width < 1 || o.width > 64 || o.densities.size() != 4)
        Fail("usage: trap_witness UNTRAPPED.tif WITNESS.tif --width PIXELS --densities C,M,Y,K [--label TEXT]");
    o.untrapped = files[0];
    o.witness = files[1];
    return o;
}

// The page as the preview sees it: the four process inks, one zone over the whole page
// whose style traps `width` pixels (a point a pixel at 72 dpi), with the full tint.
TrapPage Setup(const Page& page, const Options& o) {
    TrapPage setup;
    setup.width = page.width;
    setup.height = page.height;
    setup.resolution = 72;
    for (std::size_t i = 0; i < 4; ++i) setup.inks.push_back({kInks[i], o.densities[i], ColorantType::Normal});
    TrapStyleParams style;
    style.name = "Witness";
    style.trapWidth = o.width;
    style.blackWidth = 1;
    setup.styles.push_back(style);
    setup.zones.push_back({0, 0, page.width, page.height, 0});
    return setup;
}

Page Preview(const Page& page, const TrapPage& setup) {
    TrapEngine engine(setup);
    Page out;
    out.width = page.width;
    out.height = page.height;
    TrapBand band;
    auto take = [&out](const TrapBand& b) {
        for (std::size_t i = 0; i < 4 && b.rows > 0; ++i)
            out.plates[i].insert(out.plates[i].end(), b.trapped[i].begin(), b.trapped[i].end());
    };
    if (!engine.Push(PlateBand{0, page.height, page.plates}, band)) Fail("the trap engine refused the page");
    take(band);
    engine.Finish(band);
    take(band);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = Parse(argc, argv);
    const Page untrapped = ReadCmyk(o.untrapped);
    const Page witness = ReadCmyk(o.witness);
    if (witness.width != untrapped.width || witness.height != untrapped.height) Fail("the pages differ in size");
    const TrapPage setup = Setup(untrapped, o);
    const Page preview = Preview(untrapped, setup);
    const ResolvedStyle style = ResolveStyles(setup, 64)[0];

    // Each pixel across a plain spread, with the pair it lies across; apart, the spreads
    // the witness caps: it adds a spreading ink at most at the darker colour's strongest
    // tint, where the model adds the lighter colour's tint.
    std::map<std::size_t, std::string> compared[2];  // plain, capped
    std::map<std::string, std::string> setAside;      // pairs the model does not spread plainly
    const int dirs[2][2] = {{1, 0}, {0, 1}};
    for (int y = 0; y < untrapped.height; ++y)
        for (int x = 0; x < untrapped.width; ++x)
            for (const auto& d : dirs) {
                const int nx = x + d[0], ny = y + d[1];
                if (nx >= untrapped.width || ny >= untrapped.height) continue;
                const auto a = untrapped.Colour(x, y), b = untrapped.Colour(nx, ny);
                if (a == b) continue;
                const bool aLighter = IsLighter(setup.inks, a.data(), b.data());
                const auto& lighter = aLighter ? a : b;
                const auto& darker = aLighter ? b : a;
                const PairDecision pair = DecidePair(setup.inks, style, lighter.data(), darker.data());
                const std::string what = Words(lighter) + " into " + Words(darker);
                if (!pair.trap || pair.placement != TrapPlacement::Spread) {
                    if (lighter != std::vector<std::uint8_t>(4, 0))
                        setAside.emplace(what, pair.trap ? "centre: the witness only spreads" : "no trap in the model");
                    continue;
                }
                const std::uint8_t strongest = *std::max_element(darker.begin(), darker.end());
                bool capped = false;
                for (const int ink : pair.toDarker) capped = capped || lighter[static_cast<std::size_t>(ink)] > strongest;
                // Walk from the edge into both sides, as far as the trap reaches and two
                // pixels on, which neither trapper may touch.
                for (int side : {-1, 1}) {
                    int px = side < 0 ? x : nx, py = side < 0 ? y : ny;
                    for (int k = 0; k < o.width + 2; ++k, px += side * d[0], py += side * d[1]) {
                        if (px < 0 || py < 0 || px >= untrapped.width || py >= untrapped.height) break;
                        compared[capped].emplace(static_cast<std::size_t>(py) * static_cast<std::size_t>(untrapped.width) +
                                                     static_cast<std::size_t>(px), what);
                    }
                }
            }

    double percent[2] = {0, 0};
    for (int capped = 0; capped < 2; ++capped) {
        // Differences grouped by the pair, what each trapper made and why: a place each.
        struct Place {
            int x0, y0, x1, y1;
            std::size_t pixels;
        };
        std::map<std::string, Place> places;
        std::size_t agree = 0;
        for (const auto& [at, what] : compared[capped]) {
            const int x = static_cast<int>(at % static_cast<std::size_t>(untrapped.width));
            const int y = static_cast<int>(at / static_cast<std::size_t>(untrapped.width));
            const auto before = untrapped.Colour(x, y), mine = preview.Colour(x, y), theirs = witness.Colour(x, y);
            if (mine == theirs) {
                ++agree;
                continue;
            }
            std::string reason;
            if (theirs == before) reason = "the witness left it untrapped";
            else if (mine == before) reason = "the preview left it untrapped";
            else if (capped) reason = "the witness caps the spread ink at the darker colour's strongest tint";
            else reason = "both trapped it, with other inks";
            const std::string key =
                "across " + what + ": preview " + Words(mine) + ", witness " + Words(theirs) + ": " + reason;
            auto found = places.find(key);
            if (found == places.end()) places.emplace(key, Place{x, y, x, y, 1});
            else {
                Place& p = found->second;
                p = {std::min(p.x0, x), std::min(p.y0, y), std::max(p.x1, x), std::max(p.y1, y), p.pixels + 1};
            }
        }
        const std::size_t all = compared[capped].size();
        percent[capped] = all ? 100.0 * static_cast<double>(agree) / static_cast<double>(all) : 100.0;
        char line[200];
        std::snprintf(line, sizeof line, "%s%d px: %zu of %zu pixels across %s agree (%.2f %%)",
                      o.label.empty() ? "" : (o.label + ", ").c_str(), o.width, agree, all,
                      capped ? "spreads the witness caps" : "plain spreads", percent[capped]);
        std::cout << line << "\n";
        for (const auto& [key, p] : places)
            std::cout << "  differs at x " << p.x0 << "-" << p.x1 << ", y " << p.y0 << "-" << p.y1 << " (" << p.pixels
                      << " pixels) " << key << "\n";
    }
    for (const auto& [what, why] : setAside) std::cout << "  not compared: " << what << ": " << why << "\n";
    return !compared[0].empty() && percent[0] >= 99.0 ? 0 : 1;
}
