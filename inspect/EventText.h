// Texts as the events of inspect.ps carry them: escaped so that a field holds no tab,
// line end or byte outside printable ASCII (\t \n \\ and \ooo), numbers as PostScript
// prints them.
#pragma once
#include <string>

namespace orvane::inspect {

// A raw text escaped as the events escape it.
std::string Escape(const std::string& raw);
// An escaped text back to its bytes.
std::string Unescape(const std::string& escaped);
// Bytes read as ISO Latin-1 (each byte its code point), written as UTF-8.
std::string Latin1ToUtf8(const std::string& bytes);

// The leading number of a text, 0 when there is none (as awk reads "12abc" as 12).
double LeadingNumber(const std::string& text);
// A number with at most two decimals and no trailing zeros: 1.50 -> 1.5, -0.001 -> 0.
std::string TwoDecimals(double value);
// The same with at most `decimals` decimals.
std::string Decimals(double value, int decimals);
// A number rounded to `decimals` decimals.
double Rounded(double value, int decimals);
// Whether a text is a number as JSON writes one (and PostScript prints most).
bool IsJsonNumber(const std::string& text);

}  // namespace orvane::inspect
