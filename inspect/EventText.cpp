#include "inspect/EventText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvane::inspect {

std::string Escape(const std::string& raw) {
    std::string out;
    out.reserve(raw.size());
    for (unsigned char c : raw) {
        if (c == '\\') out += "\\\\";
        else if (c == '\t') out += "\\t";
        else if (c < 32 || c > 126) {
            char code[5];
            std::snprintf(code, sizeof code, "\\%03o", c);
            out += code;
        } else out += static_cast<char>(c);
    }
    return out;
}

std::string Unescape(const std::string& escaped) {
    std::string out;
    out.reserve(escaped.size());
    auto octal = [](char c) { return c >= '0' && c <= '7'; };
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const char c = escaped[i];
        if (c != '\\' || i + 1 == escaped.size()) {
            out += c;
            continue;
        }
        const char next = escaped[i + 1];
        if (octal(next) && i + 3 < escaped.size() && octal(escaped[i + 2]) && octal(escaped[i + 3])) {
            out += static_cast<char>(((next - '0') * 64 + (escaped[i + 2] - '0') * 8 + (escaped[i + 3] - '0')) & 0xff);
            i += 3;
        } else {
            out += next == 't' ? '\t' : next == 'n' ? '\n' : next;
            i += 1;
        }
    }
    return out;
}

std::string Latin1ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xc0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3f));
        }
    }
    return out;
}

double LeadingNumber(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    return end == start ? 0 : value;
}

std::string TwoDecimals(double value) { return Decimals(value, 2); }

double Rounded(double value, int decimals) {
    const double f = std::pow(10.0, decimals);
    return std::round(value * f) / f;
}

std::string Decimals(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0') text.pop_back();
        if (!text.empty() && text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

bool IsJsonNumber(const std::string& text) {
    // -?[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?, checked by hand: every zone's every value
    // comes through here.
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        return i > start;
    };
    if (i < text.size() && text[i] == '-') ++i;
    if (!digits()) return false;
    if (i < text.size() && text[i] == '.' && (++i, !digits())) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        if (!digits()) return false;
    }
    return i == text.size();
}

}  // namespace orvane::inspect
