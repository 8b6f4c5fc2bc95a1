// The pixels a trap covers around one seed pixel (a pixel beside an edge), and, for a seed
// whose neighbour was stamped with the same trap just before, only the pixels that the
// neighbour's disk does not cover: along an edge, a seed then costs the disk's rim.
#pragma once
#include <array>
#include <vector>

namespace orvane::inspect {

struct Offset {
    int dx;
    int dy;
};

struct TrapDisk {
    // The seeds before, as offsets from this seed: left, above, above left, above right.
    static constexpr std::array<Offset, 4> kBefore{{{-1, 0}, {0, -1}, {-1, -1}, {1, -1}}};

    std::vector<Offset> all;
    std::array<std::vector<Offset>, 4> beyond;  // of all, those the disk at kBefore[k] lacks
};

// Pixels whose centre lies within `width` of an edge beside the seed (whose own centre is
// half a pixel from it); none when the width is under half a pixel.
TrapDisk MakeTrapDisk(double width);

}  // namespace orvane::inspect
