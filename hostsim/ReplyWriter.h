// Encodes a reply the way the Host does: little-endian values, texts with their
// zero byte padded to the next even offset from the reply's start.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace hostsim {

class ReplyWriter {
public:
    ReplyWriter& Int16(std::int16_t value)
    {
        auto v = static_cast<std::uint16_t>(value);
        bytes_.push_back(static_cast<char>(v & 0xFF));
        bytes_.push_back(static_cast<char>(v >> 8));
        return *this;
    }
    ReplyWriter& Int32(std::int32_t value)
    {
        auto v = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        return *this;
    }
    ReplyWriter& Text(const std::string& text)
    {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        bytes_.push_back('\0');
        if (bytes_.size() % 2 != 0) bytes_.push_back('\0');
        return *this;
    }
    const std::vector<char>& Bytes() const { return bytes_; }

private:
    std::vector<char> bytes_;
};

// Decodes a request's input block.
class InputReader {
public:
    InputReader(const char* data, std::size_t size) : data_(data), size_(size) {}
    bool Ok() const { return ok_; }
    std::int16_t Int16()
    {
        if (!Need(2)) return 0;
        auto b = reinterpret_cast<const unsigned char*>(data_ + pos_);
        pos_ += 2;
        return static_cast<std::int16_t>(b[0] | (b[1] << 8));
    }
    std::int32_t Int32()
    {
        if (!Need(4)) return 0;
        auto b = reinterpret_cast<const unsigned char*>(data_ + pos_);
        pos_ += 4;
        return static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
    }
    std::string Text(bool aligned = true)
    {
        std::string text;
        while (pos_ < size_ && data_[pos_] != '\0') text += data_[pos_++];
        if (pos_ >= size_) {
            ok_ = false;
            return text;
        }
        ++pos_;
        if (aligned && pos_ % 2 != 0) ++pos_;
        return text;
    }

private:
    bool Need(std::size_t n)
    {
        if (pos_ + n > size_) {
            ok_ = false;
            return false;
        }
        return true;
    }
    const char* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace hostsim
