// A small reader of the resource directory of a PE file, for checking what the
// built DLL carries: every resource with its type, identifier, language and bytes.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::test {

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

// The strings of one RT_STRING block (16 entries, UTF-16 with a length each),
// narrowed to 8 bits; raises PeFormatError for a block that ends early.
std::vector<std::string> StringTableBlock(const std::vector<unsigned char>& bytes);

}  // namespace orvane::test
