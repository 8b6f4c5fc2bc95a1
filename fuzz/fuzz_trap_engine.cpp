// The trap engine and the coverage meter on small pages drawn from the input: the first
// bytes give the page, its inks, one style and up to three zones, the rest the plates.
// Traps only add ink, the mask marks every pixel they change, and the answer is the same
// for bands of one row and for the whole page.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "inspect/engine/Coverage.h"
#include "inspect/engine/TrapEngine.h"

namespace {

using namespace orvane::inspect;

struct Output {
    std::vector<std::vector<std::uint8_t>> trapped;
    std::vector<std::uint8_t> mask;
};

Output Run(const TrapPage& page, const std::vector<std::vector<std::uint8_t>>& plates, int band) {
    Output result;
    result.trapped.resize(page.inks.size());
    TrapEngine engine(page);
    auto take = [&](const TrapBand& out) {
        for (std::size_t i = 0; i < out.trapped.size(); ++i)
            result.trapped[i].insert(result.trapped[i].end(), out.trapped[i].begin(), out.trapped[i].end());
        result.mask.insert(result.mask.end(), out.mask.begin(), out.mask.end());
    };
    for (int y = 0; y < page.height; y += band) {
        const int rows = std::min(band, page.height - y);
        PlateBand in{y, rows, {}};
        for (const auto& plate : plates)
            in.plates.emplace_back(plate.begin() + y * page.width, plate.begin() + (y + rows) * page.width);
        TrapBand out;
        if (!engine.Push(in, out)) std::abort();
        take(out);
    }
    TrapBand out;
    engine.Finish(out);
    take(out);
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 24) return 0;
    TrapPage page;
    page.width = 1 + data[0] % 24;
    page.height = 1 + data[1] % 24;
    page.resolution = 72.0 * (1 + data[2] % 2);
    const std::size_t inks = 1 + data[3] % 4;
    for (std::size_t i = 0; i < inks; ++i)
        page.inks.push_back({"ink", data[4 + i] / 100.0, static_cast<ColorantType>(data[4 + i] % 4)});
    TrapStyleParams style;
    style.trapWidth = data[8] / 48.0;
    style.blackWidth = data[9] / 64.0;
    style.stepLimit = data[10] / 255.0;
    style.slidingTrapLimit = data[11] / 255.0;
    style.blackColorLimit = data[12] / 255.0;
    style.blackDensityLimit = data[13] / 100.0;
    style.trapColorScaling = data[14] / 255.0;
    style.enabled = data[15] % 8 != 0;
    style.colorantDetails["ink"] = {data[16] / 255.0, {}};
    page.styles.push_back(style);
    for (int z = 0; z < data[17] % 4; ++z)
        page.zones.push_back({data[18 + z] % 30 - 3, data[19 + z] % 30 - 3, data[20 + z] % 30, data[21 + z] % 30,
                              z % 2});  // style 1 is missing
    const std::uint8_t* tints = data + 24;
    const std::size_t count = size - 24;
    if (count == 0) return 0;
    std::vector<std::vector<std::uint8_t>> plates(inks);
    const std::size_t pixels = static_cast<std::size_t>(page.width) * static_cast<std::size_t>(page.height);
    for (std::size_t i = 0; i < inks; ++i)
        for (std::size_t p = 0; p < pixels; ++p) plates[i].push_back(tints[(i * pixels + p) % count]);

    const Output rows = Run(page, plates, 1);
    const Output whole = Run(page, plates, page.height);
    if (rows.trapped != whole.trapped || rows.mask != whole.mask || whole.mask.size() != pixels) std::abort();
    for (std::size_t i = 0; i < inks; ++i)
        for (std::size_t p = 0; p < pixels; ++p) {
            if (whole.trapped[i][p] < plates[i][p]) std::abort();
            if (whole.trapped[i][p] != plates[i][p] && whole.mask[p] == 0) std::abort();
        }

    CoverageMeter meter(page, data[7] * 2.0);
    std::vector<std::uint8_t> over;
    if (!meter.Push(PlateBand{0, page.height, plates}, over)) std::abort();
    if (meter.Result().maxTotal > 100.0 * inks + 1e-9) std::abort();
    return 0;
}
