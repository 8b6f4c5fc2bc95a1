#include "inspect/PngFile.h"

#include <cerrno>
#include <cmath>
#include <cstring>

namespace orvane::inspect {
namespace {

// libpng's errors return to the call that made them, through its jump buffer.
void Warn(png_structp, png_const_charp) {}

}  // namespace

PngFile::~PngFile() {
    if (png_) png_destroy_write_struct(&png_, &info_);
    if (file_) std::fclose(file_);
}

bool PngFile::Fail(const std::string& why) {
    failed_ = true;
    if (problem_.empty()) problem_ = "cannot write " + path_ + ": " + why;
    return false;
}

bool PngFile::Open(const std::string& path, int width, int height, Kind kind, double dpi) {
    path_ = path;
    if (width <= 0 || height <= 0) return Fail("no pixels");
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) return Fail(std::strerror(errno));
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, Warn);
    if (png_) info_ = png_create_info_struct(png_);
    if (!png_ || !info_) return Fail("out of memory");
    if (setjmp(png_jmpbuf(png_))) return Fail("libpng failed");
    png_init_io(png_, file_);
    png_set_compression_level(png_, 3);
    png_set_IHDR(png_, info_, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 kind == Kind::Grey ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (dpi > 0 && std::isfinite(dpi)) {
        const auto perMetre = static_cast<png_uint_32>(std::lround(dpi / 0.0254));
        png_set_pHYs(png_, info_, perMetre, perMetre, PNG_RESOLUTION_METER);
    }
    png_write_info(png_, info_);
    return true;
}

bool PngFile::WriteRow(const std::uint8_t* row) {
    if (failed_ || !png_) return false;
    if (setjmp(png_jmpbuf(png_))) return Fail("libpng failed");
    png_write_row(png_, row);
    return true;
}

bool PngFile::Close() {
    if (failed_ || !png_) return false;
    if (setjmp(png_jmpbuf(png_))) return Fail("libpng failed");
    png_write_end(png_, nullptr);
    png_destroy_write_struct(&png_, &info_);
    png_ = nullptr;
    info_ = nullptr;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return closed || Fail(std::strerror(errno));
}

bool ReadGreyPng(const std::string& path, std::vector<std::uint8_t>& pixels, int& width, int& height,
                 std::string& problem) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        problem = "cannot read " + path + ": " + image.message;
        return false;
    }
    image.format = PNG_FORMAT_GRAY;
    pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        problem = "cannot read " + path + ": " + image.message;
        png_image_free(&image);
        return false;
    }
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return true;
}

}  // namespace orvane::inspect
