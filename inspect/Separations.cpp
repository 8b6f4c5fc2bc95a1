#include "inspect/Separations.h"

#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <dirent.h>

namespace orvane::inspect {
namespace {

const char* const kProcess[] = {"Cyan", "Magenta", "Yellow", "Black"};

int Hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// libtiff's messages end up in the reader's problem rather than on standard error.
thread_local std::string* lastMessage = nullptr;
void Keep(const char* module, const char* format, va_list args) {
    if (!lastMessage) return;
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    *lastMessage = std::string(module ? module : "libtiff") + ": " + text;
}
void Ignore(const char*, const char*, va_list) {}

struct Directory {
    DIR* dir;
    explicit Directory(const std::string& path) : dir(opendir(path.c_str())) {}
    ~Directory() { if (dir) closedir(dir); }
    Directory(const Directory&) = delete;
    Directory& operator=(const Directory&) = delete;
};

}  // namespace

struct PlateReader::Handle {
    TIFF* tiff = nullptr;
    ~Handle() { if (tiff) TIFFClose(tiff); }
};

std::string DecodeInkName(const std::string& encoded) {
    std::string out;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '%' && i + 2 < encoded.size() && Hex(encoded[i + 1]) >= 0 && Hex(encoded[i + 2]) >= 0) {
            out += static_cast<char>(Hex(encoded[i + 1]) * 16 + Hex(encoded[i + 2]));
            i += 2;
        } else {
            out += encoded[i];
        }
    }
    return out;
}

std::vector<SeparationFile> FindSeparations(const std::string& dir, int index,
                                            const std::vector<std::string>& spotOrder, std::string& problem) {
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "page-%04d(", index);
    const std::string head = prefix, tail = ").tif";
    std::vector<SeparationFile> process, spots;
    Directory d(dir);
    if (!d.dir) {
        problem = "cannot read the folder " + dir;
        return {};
    }
    while (const dirent* entry = readdir(d.dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= head.size() + tail.size() || name.compare(0, head.size(), head) != 0 ||
            name.compare(name.size() - tail.size(), tail.size(), tail) != 0)
            continue;
        SeparationFile file{DecodeInkName(name.substr(head.size(), name.size() - head.size() - tail.size())),
                            dir + "/" + name};
        const bool isProcess = std::find(std::begin(kProcess), std::end(kProcess), file.ink) != std::end(kProcess);
        (isProcess ? process : spots).push_back(std::move(file));
    }
    auto rank = [](const std::vector<std::string>& order, const std::string& ink) {
        return static_cast<std::size_t>(std::find(order.begin(), order.end(), ink) - order.begin());
    };
    const std::vector<std::string> processOrder(std::begin(kProcess), std::end(kProcess));
    std::sort(process.begin(), process.end(),
              [&](const auto& a, const auto& b) { return rank(processOrder, a.ink) < rank(processOrder, b.ink); });
    std::sort(spots.begin(), spots.end(), [&](const auto& a, const auto& b) {
        const std::size_t ra = rank(spotOrder, a.ink), rb = rank(spotOrder, b.ink);
        return ra != rb ? ra < rb : a.ink < b.ink;
    });
    process.insert(process.end(), spots.begin(), spots.end());
    if (process.empty()) problem = "Ghostscript wrote no separations for it";
    return process;
}

PlateReader::PlateReader() : tiff_(std::make_unique<Handle>()) {}
PlateReader::~PlateReader() = default;

bool PlateReader::Open(const std::string& path, std::uint64_t maxPixels) {
    TIFFSetWarningHandler(Ignore);
    TIFFSetErrorHandler(Keep);
    lastMessage = &problem_;
    tiff_->tiff = TIFFOpen(path.c_str(), "r");
    lastMessage = nullptr;
    if (!tiff_->tiff) {
        if (problem_.empty()) problem_ = "cannot open " + path;
        return false;
    }
    TIFF* t = tiff_->tiff;
    std::uint32_t width = 0, height = 0;
    std::uint16_t bits = 0, samples = 1, photometric = PHOTOMETRIC_MINISBLACK;
    TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(t, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(t, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(t, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetField(t, TIFFTAG_PHOTOMETRIC, &photometric);
    if (bits != 8 || samples != 1 || TIFFIsTiled(t)) {
        problem_ = "not 8 bits a pixel of one ink in strips";
        return false;
    }
    if (width == 0 || height == 0 || width > 1000000 || height > 1000000 ||
        static_cast<std::uint64_t>(width) * height > maxPixels) {
        problem_ = std::to_string(width) + " x " + std::to_string(height) + " pixels, more than the inspector takes";
        return false;
    }
    if (TIFFScanlineSize64(t) != static_cast<tmsize_t>(width)) {
        problem_ = "rows of another size than its width";
        return false;
    }
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
    float resolution = 0;
    std::uint16_t unit = RESUNIT_INCH;
    TIFFGetFieldDefaulted(t, TIFFTAG_RESOLUTIONUNIT, &unit);
    if (TIFFGetField(t, TIFFTAG_XRESOLUTION, &resolution) && resolution > 0 && resolution < 1e5)
        resolution_ = unit == RESUNIT_CENTIMETER ? resolution * 2.54 : unit == RESUNIT_INCH ? resolution : 0;
    // tiffsep writes 0 for full ink and says MinIsBlack: black is ink, as on film.
    inkIsWhite_ = photometric == PHOTOMETRIC_MINISWHITE;
    return true;
}

bool PlateReader::ReadRow(std::uint8_t* tints) {
    if (!tiff_->tiff || row_ >= height_) return false;
    lastMessage = &problem_;
    const int read = TIFFReadScanline(tiff_->tiff, tints, static_cast<std::uint32_t>(row_), 0);
    lastMessage = nullptr;
    if (read < 0) {
        if (problem_.empty()) problem_ = "row " + std::to_string(row_) + " cannot be read";
        return false;
    }
    ++row_;
    if (!inkIsWhite_)
        for (int x = 0; x < width_; ++x) tints[x] = static_cast<std::uint8_t>(255 - tints[x]);
    return true;
}

}  // namespace orvane::inspect
