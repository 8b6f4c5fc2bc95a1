#include "postscript/Formats.h"

#include <cmath>
#include <vector>

#include "postscript/NumberText.h"

namespace orvane {

namespace {

// Marks the parentheses of `text` that have no partner.
std::vector<bool> UnpartneredParentheses(const std::string& text)
{
    std::vector<bool> lone(text.size(), false);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            open.push_back(i);
        } else if (text[i] == ')') {
            if (open.empty()) lone[i] = true;
            else open.pop_back();
        }
    }
    for (std::size_t i : open) lone[i] = true;
    return lone;
}

void AppendOctal(std::string& out, unsigned char byte)
{
    out += '\\';
    out += static_cast<char>('0' + ((byte >> 6) & 7));
    out += static_cast<char>('0' + ((byte >> 3) & 7));
    out += static_cast<char>('0' + (byte & 7));
}

// The x87 unit of the 32-bit build keeps a product or quotient wider than a float
// until it is stored; the store through a volatile float rounds it to single
// precision, as the formats are defined.
float Single(float value)
{
    volatile float rounded = value;
    return rounded;
}

}  // namespace

std::string EscapePostScriptName(const std::string& name)
{
    std::vector<bool> lone = UnpartneredParentheses(name);
    std::string out;
    out.reserve(name.size() + 8);
    for (std::size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (static_cast<signed char>(c) < 33) AppendOctal(out, static_cast<unsigned char>(c));
        else if (c == '[') out += "\\133";
        else if (c == ']') out += "\\135";
        else if (c == '\\') out += "\\\\";
        else if (lone[i]) (out += '\\') += c;
        else out += c;
    }
    return out;
}

std::string EscapePostScriptString(const std::string& text)
{
    std::vector<bool> lone = UnpartneredParentheses(text);
    std::string out;
    out.reserve(text.size() + 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\') out += "\\\\";
        else if (lone[i]) (out += '\\') += c;
        else out += c;
    }
    return out;
}

std::string PercentToFraction(const std::string& text, bool zeroToMinimum)
{
    float product = Single(ReadDecimalOrZero(text) * 0.01f);
    if (zeroToMinimum && product == 0.0f) product = 0.0001f;
    return FormatFixed(product, 4);
}

std::string DensityWithMinimum(const std::string& text)
{
    float value = ReadDecimalOrZero(text);
    if (value == 0.0f) value = 0.0001f;
    return FormatFixed(value, 4, 7);
}

std::string WholeNumberWithMinimum(const std::string& text)
{
    std::uint32_t value = 0;
    ReadUnsigned(text, value);
    if (value == 0) value = 1;
    return FormatUnsigned(value);
}

std::string Ratio(const std::string& numerator, const std::string& denominator)
{
    float quotient = Single(ReadDecimalOrZero(numerator) / ReadDecimalOrZero(denominator));
    if (!std::isfinite(quotient)) quotient = 1.0f;
    return FormatFixed(quotient, 4);
}

std::string NumberAsStored(const std::string& text)
{
    if (IsPostScriptNumber(text)) return text;
    return FormatFixed(ReadDecimalOrZero(text), 4);
}

const char* FlagText(std::int32_t flag) { return flag != 0 ? "true" : "false"; }

const char* PlacementName(std::int32_t placement)
{
    switch (placement) {
    case 1: return "Choke";
    case 2: return "Normal";
    case 3: return "Spread";
    default: return "Center";
    }
}

const char* InkTypeName(std::int32_t type)
{
    switch (type) {
    case 1: return "Transparent";
    case 2: return "Opaque";
    case 3: return "OpaqueIgnore";
    default: return "Normal";
    }
}

}  // namespace orvane
