#include "postscript/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace orvane {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ReadDecimal(const std::string& text, float& value)
{
    value = 0.0f;
    const char* p = text.c_str();
    const char* end = p + text.size();
    while (p < end && IsSpace(*p)) ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = (*p == '-');
        ++p;
    }
    // Only decimal notation: no hexadecimal, infinity or NaN, which have no place
    // in a stored setting.
    if (p >= end || !(IsDigit(*p) || (*p == '.' && p + 1 < end && IsDigit(p[1])))) return false;
    float parsed = 0.0f;
    auto result = std::from_chars(p, end, parsed, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(parsed)) return false;
    value = negative ? -parsed : parsed;
    return true;
}

float ReadDecimalOrZero(const std::string& text)
{
    float value = 0.0f;
    ReadDecimal(text, value);
    return value;
}

bool ReadUnsigned(const std::string& text, std::uint32_t& value)
{
    value = 0;
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = (text[i] == '-');
        ++i;
    }
    if (i >= text.size() || !IsDigit(text[i])) return false;
    std::uint64_t accumulated = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        accumulated = accumulated * 10 + static_cast<unsigned>(text[i] - '0');
        if (accumulated > 0xFFFFFFFFull) accumulated = 0xFFFFFFFFull + 1;  // saturates below
    }
    std::uint32_t result = accumulated > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(accumulated);
    value = negative ? static_cast<std::uint32_t>(0u - result) : result;
    return true;
}

bool IsPostScriptNumber(const std::string& text)
{
    std::size_t i = 0, n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < n && IsDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == n;
}

std::string FormatFixed(double value, int decimals, int width)
{
    char buffer[400];  // the widest double in fixed notation with a few decimals
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text = result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0");
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string FormatUnsigned(std::uint32_t value) { return FormatInteger(value); }

std::string FormatInteger(std::int64_t value)
{
    std::string out;
    AppendInteger(out, value);
    return out;
}

void AppendInteger(std::string& out, std::int64_t value)
{
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

}  // namespace orvane
