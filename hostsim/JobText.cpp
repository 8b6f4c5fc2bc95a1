#include "hostsim/JobText.h"

#include <cstdio>

namespace hostsim {

std::string Points(std::int32_t twentieths)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", twentieths / 20.0);
    return text;
}

std::string Plain(const std::string& text)
{
    std::string out;
    for (char c : text) {
        bool printable = c >= 32 && c < 127 && c != '(' && c != ')' && c != '\\';
        out += printable ? c : '_';
    }
    return out;
}

std::string BaseName(const std::string& path)
{
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace hostsim
