// Texts of the simulated Host's print job: numbers in points, printable names.
#pragma once
#include <cstdint>
#include <string>

namespace hostsim {

// Twentieths of a point as points with two decimals.
std::string Points(std::int32_t twentieths);
// Printable ASCII only, for comments and PostScript strings; other bytes become "_".
std::string Plain(const std::string& text);
// What follows the last slash or backslash of a path.
std::string BaseName(const std::string& path);

}  // namespace hostsim
