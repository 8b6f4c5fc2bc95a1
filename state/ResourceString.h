// Owns one text of the plug-in's string table: a 256-byte buffer loaded at
// construction (at most 255 characters, always terminated), freed when it goes.
#pragma once
#include <memory>

namespace orvane {

class ResourceString {
public:
    explicit ResourceString(int id);
    const char* Text() const { return buffer_ ? buffer_.get() : ""; }
    bool HasText() const { return buffer_ != nullptr; }

private:
    std::unique_ptr<char[]> buffer_;
};

}  // namespace orvane
