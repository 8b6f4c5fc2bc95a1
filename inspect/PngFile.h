// A PNG written a row at a time with libpng: greyscale or RGB, 8 bits a channel.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <png.h>

namespace orvane::inspect {

class PngFile {
public:
    enum class Kind { Grey, Rgb };

    PngFile() = default;
    ~PngFile();
    PngFile(const PngFile&) = delete;
    PngFile& operator=(const PngFile&) = delete;

    // Starts the file; false (and Problem() says why) when it cannot be written.
    bool Open(const std::string& path, int width, int height, Kind kind, double dpi);
    // One row of width pixels (× 3 bytes for RGB), top down.
    bool WriteRow(const std::uint8_t* row);
    // After the last row: true when the whole file is written.
    bool Close();
    const std::string& Problem() const { return problem_; }

private:
    bool Fail(const std::string& why);

    std::FILE* file_ = nullptr;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
    std::string path_, problem_;
    bool failed_ = false;
};

// A whole 8-bit greyscale PNG (any PNG, made grey); false, with the reason in problem,
// when it cannot be read.
bool ReadGreyPng(const std::string& path, std::vector<std::uint8_t>& pixels, int& width, int& height,
                 std::string& problem);

}  // namespace orvane::inspect
