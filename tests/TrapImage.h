// Small pages for the trap engine's tests, drawn as rows of letters: each letter a colour
// from a legend, every pixel of the input and of the expected answer written down.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "inspect/engine/TrapEngine.h"

namespace trapimage {

using orvane::inspect::ColorantType;
using orvane::inspect::InkInfo;
using orvane::inspect::PlateBand;
using orvane::inspect::TrapBand;
using orvane::inspect::TrapEngine;
using orvane::inspect::TrapPage;

using Tints = std::vector<std::uint8_t>;  // C, M, Y, K, S
using Legend = std::map<char, Tints>;

const Tints kWhite{0, 0, 0, 0, 0};
const Tints kCyan{255, 0, 0, 0, 0};
const Tints kMagenta{0, 255, 0, 0, 0};
const Tints kYellow{0, 0, 255, 0, 0};
const Tints kBlack{0, 0, 0, 255, 0};
const Tints kSpot{0, 0, 0, 0, 255};
using Rows = std::vector<std::string>;

// Process inks and one spot ink, whose type a test picks. At 72 dpi a point is a pixel.
inline TrapPage Page(const Rows& rows, ColorantType spotType = ColorantType::Normal) {
    TrapPage page;
    page.width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    page.height = static_cast<int>(rows.size());
    page.resolution = 72;
    page.inks = {{"Cyan", 0.61, ColorantType::Normal}, {"Magenta", 0.76, ColorantType::Normal},
                 {"Yellow", 0.16, ColorantType::Normal}, {"Black", 1.7, ColorantType::Normal},
                 {"Spot", 0.5, spotType}};
    page.styles.resize(1);
    page.styles[0].name = "Test";
    page.zones.push_back({0, 0, page.width, page.height, 0});
    return page;
}

inline std::vector<Tints> Plates(const Rows& rows, const Legend& legend, int y0, int count) {
    std::vector<Tints> plates(5);
    for (int y = y0; y < y0 + count; ++y)
        for (const char c : rows[y])
            for (std::size_t i = 0; i < 5; ++i) plates[i].push_back(legend.at(c)[i]);
    return plates;
}

struct TrapRun {
    bool ok = true;
    std::vector<Tints> trapped = std::vector<Tints>(5);
    std::vector<std::uint8_t> mask;
    std::vector<orvane::inspect::TrapRecord> traps;
    std::vector<orvane::inspect::UntrappedEdge> untrapped;
    double unlisted = 0;
};

// The page through the engine in bands of `band` rows; the rows must come out in order.
inline TrapRun Trap(const TrapPage& page, const Rows& rows, const Legend& legend, int band,
                    const orvane::inspect::TrapOptions& options = {}) {
    TrapRun run;
    TrapEngine engine(page, options);
    int next = 0;
    auto take = [&](const TrapBand& out) {
        if (out.rows == 0) return;
        EXPECT_EQ(out.y0, next);
        next += out.rows;
        for (std::size_t i = 0; i < 5; ++i)
            run.trapped[i].insert(run.trapped[i].end(), out.trapped[i].begin(), out.trapped[i].end());
        run.mask.insert(run.mask.end(), out.mask.begin(), out.mask.end());
    };
    for (int y = 0; y < page.height; y += band) {
        const int count = std::min(band, page.height - y);
        TrapBand out;
        run.ok = engine.Push(PlateBand{y, count, Plates(rows, legend, y, count)}, out) && run.ok;
        take(out);
    }
    TrapBand out;
    engine.Finish(out);
    take(out);
    if (run.ok) {
        EXPECT_EQ(next, page.height);
    }
    run.traps = engine.Traps();
    run.untrapped = engine.Untrapped();
    run.unlisted = engine.UnlistedLength();
    return run;
}

// Every pixel of the trapped plates against the expected rows; the message names the
// first pixel that differs.
inline std::string Differences(const TrapRun& run, const Rows& expected, const Legend& legend) {
    std::ostringstream out;
    const std::size_t width = expected.empty() ? 0 : expected[0].size();
    for (std::size_t y = 0; y < expected.size(); ++y)
        for (std::size_t x = 0; x < width; ++x) {
            const std::size_t at = y * width + x;
            const Tints& want = legend.at(expected[y][x]);
            for (std::size_t i = 0; i < 5; ++i) {
                const int got = at < run.trapped[i].size() ? run.trapped[i][at] : -1;
                if (got != want[i]) {
                    out << "pixel (" << x << ", " << y << ") ink " << i << ": expected " << int(want[i])
                        << " ('" << expected[y][x] << "'), got " << got;
                    return out.str();
                }
            }
        }
    return {};
}

// The mask as rows of '.' (no trap) and '#' (a trap).
inline Rows MaskRows(const TrapRun& run, std::size_t width) {
    Rows rows;
    for (std::size_t at = 0; width > 0 && at < run.mask.size(); at += width) {
        std::string row;
        for (std::size_t x = 0; x < width; ++x) row += run.mask[at + x] ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

}  // namespace trapimage
