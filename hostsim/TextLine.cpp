#include "hostsim/TextLine.h"

#include <cerrno>
#include <cstdlib>

namespace hostsim {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        std::string word;
        if (line[i] != '"') {
            while (i < line.size() && !IsBlank(line[i])) word += line[i++];
            words.push_back(word);
            continue;
        }
        ++i;
        bool closed = false;
        while (i < line.size()) {
            char c = line[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\' || i >= line.size()) {
                word += c;
                continue;
            }
            char e = line[i];
            if (e == '"' || e == '\\') {
                word += e;
                ++i;
            } else if (e == 'n') {
                word += '\n';
                ++i;
            } else if (e == 't') {
                word += '\t';
                ++i;
            } else if (e == 'x' && i + 2 < line.size() && HexDigit(line[i + 1]) >= 0 && HexDigit(line[i + 2]) >= 0) {
                word += static_cast<char>(HexDigit(line[i + 1]) * 16 + HexDigit(line[i + 2]));
                i += 3;
            } else {
                word += '\\';
            }
        }
        if (!closed) throw FileFormatError("unterminated quote");
        words.push_back(word);
    }
    return words;
}

std::string QuoteWord(const std::string& text)
{
    static const char* const kHex = "0123456789ABCDEF";
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c == '"') {
            out += "\\\"";
        } else if (c == '\\') {
            // A lone backslash reads back as itself unless an escape letter follows.
            // A backslash at the end would escape the closing quote.
            bool last = i + 1 == text.size();
            char next = last ? '\0' : text[i + 1];
            bool ambiguous = last || next == '"' || next == '\\' || next == 'n' || next == 't' || next == 'x';
            out += ambiguous ? "\\\\" : "\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 32 || c >= 127) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

long long ParseNumber(const std::string& word, long long low, long long high)
{
    if (word.empty()) throw FileFormatError("missing number");
    errno = 0;
    char* end = nullptr;
    bool hex = word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
    long long value = std::strtoll(word.c_str(), &end, hex ? 16 : 10);
    if (errno != 0 || end == word.c_str() || *end != '\0') throw FileFormatError("not a number: " + word);
    if (value < low || value > high) {
        throw FileFormatError("number out of range: " + word + " (" + std::to_string(low) + " to " +
                              std::to_string(high) + ")");
    }
    return value;
}

}  // namespace hostsim
