// Splits one line of a Host stand-in text file into words. A word is a run of
// characters without blanks, or a double-quoted text in which \" \\ \n \t and
// \xHH (two hex digits) stand for their characters and any other backslash stands
// for itself (so Windows paths need no doubling). A # outside quotes starts a comment.
#pragma once
#include <stdexcept>
#include <string>
#include <vector>

namespace hostsim {

class FileFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raises FileFormatError for an unterminated quote.
std::vector<std::string> SplitWords(const std::string& line);

// The inverse for one text: quoted, with the escapes above where needed.
std::string QuoteWord(const std::string& text);

// Whole numbers in decimal or 0x hexadecimal, checked against [low, high].
long long ParseNumber(const std::string& word, long long low, long long high);

}  // namespace hostsim
