// A small reader of the resource directory of a PE file, for checking what the
// built DLL carries: every resource with its type, identifier, language and bytes.
#pragma once
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::test {

// The language of every resource of the DLL: English (United States).
constexpr std::uint32_t kEnglishUs = 1033;

// The DLL the resource tests read: ORVANE_DLL, else the one of the Windows build.
inline std::string BuiltDllPath()
{
    if (const char* path = std::getenv("ORVANE_DLL")) return path;
    return std::string(ORVANE_SOURCE_DIR) + "/build/win32/OrvaneTrp.dll";
}

struct PeResource {
    std::uint32_t typeId = 0;  // 0 when the type has a name
    std::string typeName;      // e.g. "TPPS"; empty for a numeric type
    std::uint32_t id = 0;      // 0 when the resource has a name
    std::string name;
    std::uint32_t language = 0;
    std::vector<unsigned char> bytes;
};

class PeFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raises PeFormatError for a file that is not a PE image or whose resource
// directory points outside the file.
std::vector<PeResource> ReadPeResources(const std::vector<unsigned char>& image);

std::vector<unsigned char> ReadWholeFile(const std::string& path);

// A version resource (RT_VERSION): its fixed part and the strings of each of its
// string tables, narrowed to 8 bits.
struct PeVersionInfo {
    std::uint32_t signature = 0;  // 0xFEEF04BD
    std::array<std::uint32_t, 4> fileVersion{};
    std::array<std::uint32_t, 4> productVersion{};
    std::uint32_t fileOs = 0;
    std::uint32_t fileType = 0;
    std::map<std::string, std::map<std::string, std::string>> stringTables;  // by key, e.g. "040904B0"
    std::vector<std::uint32_t> translations;  // language in the low word, code page in the high
};

// Raises PeFormatError for bytes that are not a version resource or whose blocks
// run past their parent.
PeVersionInfo ReadVersionInfo(const std::vector<unsigned char>& bytes);

// The strings of one RT_STRING block (16 entries, UTF-16 with a length each),
// narrowed to 8 bits; raises PeFormatError for a block that ends early.
std::vector<std::string> StringTableBlock(const std::vector<unsigned char>& bytes);

}  // namespace orvane::test
