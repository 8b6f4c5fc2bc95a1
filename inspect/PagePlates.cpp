#include "inspect/PagePlates.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>

#include "inspect/Composite.h"
#include "inspect/Legend.h"
#include "inspect/MisregisterPicture.h"
#include "inspect/PageSetup.h"
#include "inspect/PngFile.h"
#include "inspect/Separations.h"
#include "inspect/TextReport.h"
#include "inspect/TrapCrops.h"
#include "inspect/TrapMarks.h"

namespace orvane::inspect {
namespace {

constexpr int kBandRows = 32;
constexpr std::uint64_t kMaxPixels = 400'000'000;  // 200 by 200 inches at 100 dpi
const Rgb kOverLimit = {230, 0, 0};

// The colour of each style of the page, by the style's place in the job.
std::vector<Rgb> ZoneColours(const Journal& j, const PagePlates& p) {
    std::vector<std::string> names;
    for (const auto& s : j.styles) names.push_back(s.name);
    std::vector<Rgb> colours;
    for (int z : p.zoneOf) {
        const std::string& style = j.zones[static_cast<std::size_t>(z)].style;
        auto at = std::find(names.begin(), names.end(), style);
        if (at == names.end()) at = names.insert(names.end(), style);
        colours.push_back(StyleColour(static_cast<int>(at - names.begin())));
    }
    return colours;
}

struct Pictures {
    std::vector<std::unique_ptr<PngFile>> plates, trapped;
    PngFile coverage, marks;
    std::vector<std::string> paths;
    std::string problem;

    bool Open(PngFile& png, const PlateOptions& o, const std::string& name, int w, int h, PngFile::Kind kind,
              PagePlates& p) {
        paths.push_back(o.out + "/" + name);
        p.files.push_back(name);
        if (png.Open(paths.back(), w, h, kind, p.resolution)) return true;
        if (problem.empty()) problem = png.Problem();
        return false;
    }
    void Fail(const PngFile& png) { if (problem.empty()) problem = png.Problem(); }
};

}  // namespace

std::string FileInkName(const std::string& ink) {
    std::string out = ink;
    for (char& c : out) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (!((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '-' || u == '_')) c = '_';
    }
    return out;
}

PagePlates RenderPlates(const Journal& j, int page, int index, const PlateOptions& o) {
    PagePlates p;
    p.page = page;
    const auto files = FindSeparations(o.separations, index, j.DetailsOn(page).order, p.problem);
    if (files.empty()) return p;

    std::vector<std::unique_ptr<PlateReader>> readers;
    for (const auto& f : files) {
        readers.push_back(std::make_unique<PlateReader>());
        if (!readers.back()->Open(f.path, kMaxPixels)) {
            p.problem = "the plate " + f.ink + " cannot be read: " + readers.back()->Problem();
            return p;
        }
        if (readers.back()->Width() != readers.front()->Width() || readers.back()->Height() != readers.front()->Height()) {
            p.problem = "the plates differ in size";
            return p;
        }
        p.inks.push_back(f.ink);
    }
    const int width = readers.front()->Width(), height = readers.front()->Height();
    p.resolution = readers.front()->Resolution() > 0 ? readers.front()->Resolution() : o.resolution;
    p.setup = PageSetup(j, page, p.inks, width, height, p.resolution, p.zoneOf);

    // File names: two inks that come out the same get a number.
    std::vector<std::string> names;
    for (const auto& ink : p.inks) {
        std::string name = FileInkName(ink);
        for (int n = 2; std::find(names.begin(), names.end(), name) != names.end(); ++n)
            name = FileInkName(ink) + "-" + std::to_string(n);
        names.push_back(name);
    }

    const int scale = std::max(1, static_cast<int>(p.resolution / 150));
    char limit[64];
    std::snprintf(limit, sizeof limit, "Over %g %% ink in all", o.inkLimit);
    Legend coverageLegend(width, scale);
    coverageLegend.Add("Ink coverage of page " + std::to_string(page));
    coverageLegend.Add(limit, &kOverLimit);

    const std::vector<Rgb> colours = ZoneColours(j, p);
    Legend trapLegend(width, scale);
    trapLegend.Add("Traps on page " + std::to_string(page) + ", drawn wider");
    if (!p.setup.trapping) trapLegend.Add("Trapping is off in the page device");
    if (p.setup.zones.empty()) trapLegend.Add("No trap zones");
    for (std::size_t z = 0; z < p.setup.zones.size(); ++z) {
        const auto& style = p.setup.styles[static_cast<std::size_t>(p.setup.zones[z].style)];
        trapLegend.Add(style.name + (style.enabled ? "" : " (off)"), &colours[z]);
    }

    Pictures pics;
    bool ok = true;
    for (const auto& name : names) {
        pics.plates.push_back(std::make_unique<PngFile>());
        ok = ok && pics.Open(*pics.plates.back(), o, PictureName(page, "-" + name), width, height, PngFile::Kind::Grey, p);
    }
    ok = ok && pics.Open(pics.coverage, o, PictureName(page, "-coverage"), width, height + coverageLegend.Rows(),
                         PngFile::Kind::Rgb, p);
    if (o.traps) {
        for (const auto& name : names) {
            pics.trapped.push_back(std::make_unique<PngFile>());
            ok = ok && pics.Open(*pics.trapped.back(), o, PictureName(page, "-" + name + "-trapped"), width, height,
                                 PngFile::Kind::Grey, p);
        }
        ok = ok && pics.Open(pics.marks, o, PictureName(page, "-traps"), width, height + trapLegend.Rows(),
                             PngFile::Kind::Rgb, p);
    }
    std::vector<const std::uint8_t*> rowPlates(p.inks.size());
    std::vector<std::unique_ptr<MisregisterPicture>> misregistered;  // without traps, with traps
    if (o.traps && o.misregister > 0) {
        for (const char* kind : {"", "-trapped"}) {
            misregistered.push_back(std::make_unique<MisregisterPicture>(
                p.setup, o.misregister, "Page " + std::to_string(page) + " misregistered" + (*kind ? ", with traps" : ""),
                scale));
            ok = ok && pics.Open(misregistered.back()->Png(), o, PictureName(page, std::string("-misregistered") + kind),
                                 width, misregistered.back()->Height(), PngFile::Kind::Rgb, p);
        }
    }
    auto misregister = [&](std::size_t which) {
        if (which < misregistered.size() && !misregistered[which]->Push(rowPlates)) {
            pics.Fail(misregistered[which]->Png());
            ok = false;
        }
    };

    std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 3), grey(static_cast<std::size_t>(width));
    auto writeGrey = [&](PngFile& png, const std::uint8_t* tints) {
        for (int x = 0; x < width; ++x) grey[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(255 - tints[x]);
        if (!png.WriteRow(grey.data())) { pics.Fail(png); ok = false; }
    };
    TrapMarks marks(width, std::max(1, static_cast<int>(std::lround(p.resolution / 100))), colours,
                    [&](int, std::uint8_t* rgb) {
                        if (!pics.marks.WriteRow(rgb)) { pics.Fail(pics.marks); ok = false; }
                    });
    auto writeLegend = [&](PngFile& png, const Legend& legend) {
        for (int y = 0; ok && y < legend.Rows(); ++y) {
            legend.PaintRow(y, row.data());
            if (!png.WriteRow(row.data())) { pics.Fail(png); ok = false; }
        }
    };
    auto writeTraps = [&](const TrapBand& band) {
        for (int r = 0; r < band.rows && ok; ++r) {
            const std::size_t at = static_cast<std::size_t>(r) * static_cast<std::size_t>(width);
            for (std::size_t i = 0; i < p.inks.size(); ++i) {
                rowPlates[i] = band.trapped[i].data() + at;
                writeGrey(*pics.trapped[i], rowPlates[i]);
            }
            misregister(1);
            Composite(p.setup.inks, rowPlates, width, row.data());
            marks.Push(row.data(), band.mask.data() + at);
        }
    };

    CoverageMeter meter(p.setup, o.inkLimit);
    TrapEngine engine(p.setup);
    PlateBand band;
    band.plates.resize(p.inks.size());
    TrapBand trapped;
    std::vector<std::uint8_t> over;
    using Clock = std::chrono::steady_clock;
    Clock::duration inEngine{};
    for (int y0 = 0; ok && y0 < height; y0 += kBandRows) {
        band.y0 = y0;
        band.rows = std::min(kBandRows, height - y0);
        const std::size_t size = static_cast<std::size_t>(band.rows) * static_cast<std::size_t>(width);
        for (std::size_t i = 0; ok && i < p.inks.size(); ++i) {
            band.plates[i].resize(size);
            for (int r = 0; ok && r < band.rows; ++r) {
                std::uint8_t* tints = band.plates[i].data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(width);
                if (!readers[i]->ReadRow(tints)) {
                    pics.problem = "the plate " + p.inks[i] + " is cut short at row " + std::to_string(y0 + r) +
                                   (readers[i]->Problem().empty() ? "" : " (" + readers[i]->Problem() + ")");
                    ok = false;
                    break;
                }
                writeGrey(*pics.plates[i], tints);
            }
        }
        if (!ok) break;
        if (!meter.Push(band, over)) { pics.problem = "the coverage meter refused the plates"; ok = false; break; }
        for (int r = 0; ok && r < band.rows; ++r) {
            const std::size_t at = static_cast<std::size_t>(r) * static_cast<std::size_t>(width);
            for (std::size_t i = 0; i < p.inks.size(); ++i) rowPlates[i] = band.plates[i].data() + at;
            misregister(0);
            Composite(p.setup.inks, rowPlates, width, row.data());
            for (int x = 0; x < width; ++x)
                if (over[at + static_cast<std::size_t>(x)]) std::copy(kOverLimit.begin(), kOverLimit.end(), row.begin() + 3 * x);
            if (!pics.coverage.WriteRow(row.data())) { pics.Fail(pics.coverage); ok = false; }
        }
        if (o.traps && ok) {
            const auto start = Clock::now();
            const bool pushed = engine.Push(band, trapped);
            inEngine += Clock::now() - start;
            if (!pushed) { pics.problem = "the trap engine refused the plates"; ok = false; break; }
            writeTraps(trapped);
        }
    }
    if (o.traps && ok) {
        const auto start = Clock::now();
        engine.Finish(trapped);
        inEngine += Clock::now() - start;
        writeTraps(trapped);
        marks.Finish();
        writeLegend(pics.marks, trapLegend);
        p.traps = engine.Traps();
        p.untrapped = engine.Untrapped();
        for (auto& picture : misregistered)
            if (ok && !picture->Finish()) { pics.Fail(picture->Png()); ok = false; }
        if (ok && misregistered.size() == 2) {
            p.gapArea = misregistered[0]->GapArea();
            p.gapAreaTrapped = misregistered[1]->GapArea();
        }
    }
    if (ok) writeLegend(pics.coverage, coverageLegend);
    p.engineSeconds = std::chrono::duration<double>(inEngine).count();
    for (auto& png : pics.plates) ok = ok && (png->Close() || (pics.Fail(*png), false));
    ok = ok && (pics.coverage.Close() || (pics.Fail(pics.coverage), false));
    if (o.traps) {
        for (auto& png : pics.trapped) ok = ok && (png->Close() || (pics.Fail(*png), false));
        ok = ok && (pics.marks.Close() || (pics.Fail(pics.marks), false));
        for (auto& picture : misregistered) ok = ok && (picture->Png().Close() || (pics.Fail(picture->Png()), false));
    }
    if (!ok) {
        // No half-written pictures.
        p.problem = pics.problem.empty() ? "the pictures could not be written" : pics.problem;
        pics.plates.clear();
        pics.trapped.clear();
        misregistered.clear();
        for (const auto& path : pics.paths) std::remove(path.c_str());
        p.files.clear();
        p.traps.clear();
        p.untrapped.clear();
        return p;
    }
    p.measured = true;
    p.coverage = meter.Result();
    if (o.traps) {
        const std::size_t n = p.inks.size();
        const std::vector<std::string> plates(pics.paths.begin(), pics.paths.begin() + static_cast<long>(n));
        const std::vector<std::string> trapped(pics.paths.begin() + static_cast<long>(n) + 1,
                                               pics.paths.begin() + static_cast<long>(2 * n) + 1);
        std::string problem;
        if (!WriteTrapCrops(p, plates, trapped, o.out, p.crops, problem)) p.problem = problem;
        for (const auto& crop : p.crops)
            if (!crop.empty()) p.files.push_back(crop);
    }
    return p;
}

}  // namespace orvane::inspect
