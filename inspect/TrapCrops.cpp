#include "inspect/TrapCrops.h"

#include <algorithm>

#include "inspect/Composite.h"
#include "inspect/Legend.h"
#include "inspect/PngFile.h"
#include "inspect/TextReport.h"

namespace orvane::inspect {
namespace {

constexpr int kSide = 40;    // pixels of the page a crop shows, across and down
constexpr int kEnlarge = 8;  // picture pixels per page pixel
constexpr int kGap = 16;     // white between the panels
constexpr int kPanels = 3;   // untrapped, trapped, where the traps lie
const Rgb kChanged = {230, 0, 0};

struct Window {
    int x0 = 0, y0 = 0, w = 0, h = 0;
    std::vector<std::vector<std::uint8_t>> before, after;  // per ink, w × h tints
};

// The tints of one picture of a plate (black is 100 %) within each window.
bool Take(const std::string& path, std::vector<Window>& windows, bool after, std::string& problem) {
    std::vector<std::uint8_t> grey;
    int width = 0, height = 0;
    if (!ReadGreyPng(path, grey, width, height, problem)) return false;
    for (Window& win : windows) {
        if (win.x0 + win.w > width || win.y0 + win.h > height) {
            problem = path + " is smaller than its page";
            return false;
        }
        auto& tints = (after ? win.after : win.before).emplace_back(static_cast<std::size_t>(win.w * win.h));
        for (int y = 0; y < win.h; ++y)
            for (int x = 0; x < win.w; ++x)
                tints[static_cast<std::size_t>(y * win.w + x)] = static_cast<std::uint8_t>(
                    255 - grey[static_cast<std::size_t>(win.y0 + y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(win.x0 + x)]);
    }
    return true;
}

bool Write(const PagePlates& p, const Window& win, int k, const std::string& path, std::string& problem) {
    const int panel = win.w * kEnlarge, width = kPanels * panel + (kPanels - 1) * kGap;
    Legend legend(width, 2);
    legend.Add("Pair " + std::to_string(k + 1) + " x" + std::to_string(kEnlarge) +
               ": untrapped | trapped | traps in red");
    PngFile png;
    if (!png.Open(path, width, win.h * kEnlarge + legend.Rows(), PngFile::Kind::Rgb, p.resolution * kEnlarge)) {
        problem = png.Problem();
        return false;
    }
    const std::size_t w = static_cast<std::size_t>(win.w);
    std::vector<std::uint8_t> small(w * 3 * kPanels), row(static_cast<std::size_t>(width) * 3, 255);
    std::vector<const std::uint8_t*> plates(p.inks.size());
    bool ok = true;
    for (int y = 0; ok && y < win.h; ++y) {
        const std::size_t at = static_cast<std::size_t>(y) * w;
        for (int half = 0; half < 2; ++half) {
            const auto& tints = half == 0 ? win.before : win.after;
            for (std::size_t i = 0; i < plates.size(); ++i) plates[i] = tints[i].data() + at;
            Composite(p.setup.inks, plates, win.w, small.data() + static_cast<std::size_t>(half) * w * 3);
        }
        // The third panel: the trapped page, red where a trap changed an ink.
        std::copy_n(small.data() + w * 3, w * 3, small.data() + w * 6);
        for (std::size_t x = 0; x < w; ++x)
            for (std::size_t i = 0; i < plates.size(); ++i)
                if (win.before[i][at + x] != win.after[i][at + x]) {
                    std::copy(kChanged.begin(), kChanged.end(), small.begin() + static_cast<long>(w * 6 + 3 * x));
                    break;
                }
        for (int n = 0; n < kPanels; ++n)
            for (int x = 0; x < panel; ++x)
                std::copy_n(small.data() + (static_cast<std::size_t>(n) * w + static_cast<std::size_t>(x / kEnlarge)) * 3, 3,
                            row.data() + static_cast<std::size_t>((n * (panel + kGap) + x) * 3));
        for (int r = 0; ok && r < kEnlarge; ++r) ok = png.WriteRow(row.data());
    }
    for (int y = 0; ok && y < legend.Rows(); ++y) {
        legend.PaintRow(y, row.data());
        ok = png.WriteRow(row.data());
    }
    ok = ok && png.Close();
    if (!ok) problem = png.Problem();
    return ok;
}

}  // namespace

bool WriteTrapCrops(const PagePlates& p, const std::vector<std::string>& plates, const std::vector<std::string>& trapped,
                    const std::string& dir, std::vector<std::string>& names, std::string& problem) {
    names.assign(p.traps.size(), "");
    std::vector<Window> windows;
    const int width = p.setup.width, height = p.setup.height;
    for (std::size_t k = 0; k < p.traps.size() && k < kMaxCrops; ++k) {
        const TrapRecord& t = p.traps[k];
        if (t.x < 0 || t.y < 0) break;
        Window win;
        win.w = std::min(kSide, width);
        win.h = std::min(kSide, height);
        // The pair is first met at the top of its edge or at its left end: the crop shows
        // more of what follows.
        win.x0 = std::clamp(t.x - win.w / 4, 0, width - win.w);
        win.y0 = std::clamp(t.y - win.h / 4, 0, height - win.h);
        windows.push_back(std::move(win));
    }
    if (windows.empty()) return true;
    for (const auto& path : plates)
        if (!Take(path, windows, false, problem)) return false;
    for (const auto& path : trapped)
        if (!Take(path, windows, true, problem)) return false;
    for (std::size_t k = 0; k < windows.size(); ++k) {
        const std::string name = PictureName(p.page, "-trap-" + std::to_string(k + 1));
        if (!Write(p, windows[k], static_cast<int>(k), dir + "/" + name, problem)) return false;
        names[k] = name;
    }
    return true;
}

}  // namespace orvane::inspect
