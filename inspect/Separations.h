// The separations Ghostscript's tiffsep device writes: for its n-th page, with
// -sOutputFile=DIR/page-%04d.tif, DIR/page-NNNN(<ink>).tif per ink, 8 bits a pixel,
// the ink's name with '%', '/' and bytes outside printable ASCII written as %XX.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvane::inspect {

struct SeparationFile {
    std::string ink;   // the name as the job gave it
    std::string path;
};

// The separations of tiffsep's page `index` (from 1): the process inks in the order
// Cyan, Magenta, Yellow, Black, then the spot inks in the order of `spotOrder`, the
// others by name. problem says what is wrong when there are none.
std::vector<SeparationFile> FindSeparations(const std::string& dir, int index,
                                            const std::vector<std::string>& spotOrder, std::string& problem);

// A file name's %XX back to the byte.
std::string DecodeInkName(const std::string& encoded);

// One plate, read a row at a time: the strip being read is all it holds.
class PlateReader {
public:
    PlateReader();
    ~PlateReader();
    PlateReader(const PlateReader&) = delete;
    PlateReader& operator=(const PlateReader&) = delete;

    // False, with the reason in Problem(), for a file that is no 8-bit plate of one
    // channel in strips, or whose size is beyond `maxPixels`.
    bool Open(const std::string& path, std::uint64_t maxPixels);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Dots per inch as the file states them, 0 when it does not.
    double Resolution() const { return resolution_; }
    // The next row as tints: 0 no ink, 255 full ink. False for a file cut short.
    bool ReadRow(std::uint8_t* tints);
    const std::string& Problem() const { return problem_; }

private:
    struct Handle;
    std::unique_ptr<Handle> tiff_;
    int width_ = 0, height_ = 0, row_ = 0;
    double resolution_ = 0;
    bool inkIsWhite_ = false;  // the file's 0 is full ink
    std::string problem_;
};

}  // namespace orvane::inspect
