// Numbers read from and written to stored texts with "." as decimal point,
// whatever the locale of the process.
#pragma once
#include <cstdint>
#include <string>

namespace orvane {

// Reads a number the way "%f" does: leading white space skipped, then the longest
// decimal number (sign, digits, point, exponent). False when no finite number
// stands there; `value` is then 0.
bool ReadDecimal(const std::string& text, float& value);
float ReadDecimalOrZero(const std::string& text);

// Reads an unsigned whole number the way "%u" does: white space, an optional sign
// (a minus wraps modulo 2^32), digits. Values past 2^32 - 1 stay at 2^32 - 1.
// False when no digit stands there; `value` is then 0.
bool ReadUnsigned(const std::string& text, std::uint32_t& value);

// Whether the whole text is one number in PostScript notation (sign, digits with an
// optional point, optional exponent), so that it can be written as it stands.
bool IsPostScriptNumber(const std::string& text);

// "%.<decimals>f", padded with spaces on the left to `width` characters.
std::string FormatFixed(double value, int decimals, int width = 0);

// "%u" and "%d".
std::string FormatUnsigned(std::uint32_t value);
std::string FormatInteger(std::int64_t value);

// Appends "%d" of value to out without building a temporary text.
void AppendInteger(std::string& out, std::int64_t value);

}  // namespace orvane
