// Builds the exact bytes of a private record from a short text description, one
// field per line: "mark w" or "mark m" (the byte-order mark; "m" makes the
// integers that follow big-endian), "byte N...", "int16 N...", "int32 N...",
// "text T..." (each text with its zero byte, no padding) and "hex HH...".
#pragma once
#include <string>
#include <vector>

namespace hostsim {

class RecordEncoder {
public:
    // One line's words; raises FileFormatError for an unknown field or a bad value.
    void Add(const std::vector<std::string>& words);
    const std::vector<char>& Bytes() const { return bytes_; }

private:
    void Integer(long long value, int width);

    bool bigEndian_ = false;
    std::vector<char> bytes_;
};

}  // namespace hostsim
