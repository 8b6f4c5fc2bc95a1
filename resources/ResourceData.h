// The string table and the PostScript templates as data, generated at build time
// from strings.txt and templates.txt (the same source as the DLL's resources).
#pragma once
#include <cstddef>

namespace orvane::resources {

struct StringEntry {
    int id;
    const char* text;
};

struct TemplateEntry {
    int id;
    int language;
    const char* data;
    std::size_t size;
};

extern const StringEntry kStrings[];
extern const int kStringCount;
extern const TemplateEntry kTemplates[];
extern const int kTemplateCount;

}  // namespace orvane::resources
