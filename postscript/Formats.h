// The formats in which trapping settings become PostScript text.
#pragma once
#include <cstdint>
#include <string>

namespace orvane {

// Makes a name safe between the parentheses of a PostScript string that becomes a
// resource name: bytes below 33 as signed bytes (controls, space, 128 to 255) as a
// backslash and three octal digits, "[" and "]" as \133 and \135, a backslash
// doubled. A parenthesis that has no partner in the name is escaped as \( or \);
// balanced pairs are legal inside a string and stay as they are.
std::string EscapePostScriptName(const std::string& name);

// For names written between parentheses as they stand (TrapSetName, colorant names):
// only a backslash and an unpartnered parenthesis are escaped, every other byte kept.
std::string EscapePostScriptString(const std::string& text);

// Percent text to a fraction: read ("%f"), times 0.01 in single precision, a zero
// product becoming 0.0001 when zeroToMinimum is set, written with "%.4f".
std::string PercentToFraction(const std::string& text, bool zeroToMinimum);

// A density: read ("%f"), 0 becoming 0.0001, written with "%7.4f".
std::string DensityWithMinimum(const std::string& text);

// A whole number: read ("%u"), 0 becoming 1, written with "%u".
std::string WholeNumberWithMinimum(const std::string& text);

// numerator / denominator in single precision, "%.4f". When the quotient has no
// finite value (a denominator of 0) the ratio is 1.0000.
std::string Ratio(const std::string& numerator, const std::string& denominator);

// A stored number written as it stands when it is a PostScript number; otherwise
// the number that "%f" reads from it (0 when none), with "%.4f".
std::string NumberAsStored(const std::string& text);

const char* FlagText(std::int32_t flag);
const char* PlacementName(std::int32_t placement);  // "Center" for a code outside 0..3
const char* InkTypeName(std::int32_t type);         // "Normal" for a type outside 0..3

}  // namespace orvane
