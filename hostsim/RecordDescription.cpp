#include "hostsim/RecordDescription.h"

#include "hostsim/TextLine.h"

namespace hostsim {

void RecordEncoder::Integer(long long value, int width)
{
    auto v = static_cast<unsigned long long>(value);
    for (int i = 0; i < width; ++i) {
        int shift = bigEndian_ ? 8 * (width - 1 - i) : 8 * i;
        bytes_.push_back(static_cast<char>((v >> shift) & 0xFF));
    }
}

void RecordEncoder::Add(const std::vector<std::string>& words)
{
    if (words.empty()) return;
    const std::string& field = words[0];
    if (words.size() < 2) throw FileFormatError("record field without a value: " + field);
    if (field == "mark") {
        if (words.size() != 2 || (words[1] != "w" && words[1] != "m")) throw FileFormatError("mark is w or m");
        bigEndian_ = words[1] == "m";
        bytes_.push_back(words[1][0]);
        return;
    }
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (field == "byte") {
            Integer(ParseNumber(word, -128, 255), 1);
        } else if (field == "int16") {
            Integer(ParseNumber(word, -32768, 65535), 2);
        } else if (field == "int32") {
            Integer(ParseNumber(word, -2147483647LL - 1, 4294967295LL), 4);
        } else if (field == "text") {
            if (word.find('\0') != std::string::npos) throw FileFormatError("a record text holds no zero byte");
            bytes_.insert(bytes_.end(), word.begin(), word.end());
            bytes_.push_back('\0');
        } else if (field == "hex") {
            if (word.size() % 2 != 0) throw FileFormatError("hex needs pairs of digits: " + word);
            for (std::size_t j = 0; j < word.size(); j += 2) {
                Integer(ParseNumber("0x" + word.substr(j, 2), 0, 255), 1);
            }
        } else {
            throw FileFormatError("unknown record field: " + field);
        }
    }
}

}  // namespace hostsim
