#include "tests/PeResources.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace orvane::test {

namespace {

class Image {
public:
    explicit Image(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

    std::uint32_t U16(std::size_t offset) const
    {
        Need(offset, 2);
        return bytes_[offset] | (bytes_[offset + 1] << 8);
    }
    std::uint32_t U32(std::size_t offset) const
    {
        Need(offset, 4);
        return static_cast<std::uint32_t>(bytes_[offset]) | (static_cast<std::uint32_t>(bytes_[offset + 1]) << 8) |
               (static_cast<std::uint32_t>(bytes_[offset + 2]) << 16) |
               (static_cast<std::uint32_t>(bytes_[offset + 3]) << 24);
    }
    std::vector<unsigned char> Slice(std::size_t offset, std::size_t size) const
    {
        Need(offset, size);
        return std::vector<unsigned char>(bytes_.begin() + static_cast<long>(offset),
                                          bytes_.begin() + static_cast<long>(offset + size));
    }
    void Need(std::size_t offset, std::size_t size) const
    {
        if (offset > bytes_.size() || size > bytes_.size() - offset) throw PeFormatError("read past the end of the file");
    }

private:
    const std::vector<unsigned char>& bytes_;
};

struct Section {
    std::uint32_t virtualAddress, virtualSize, rawSize, rawOffset;
};

class ResourceWalker {
public:
    ResourceWalker(const Image& image, std::vector<Section> sections, std::uint32_t rootRva)
        : image_(image), sections_(std::move(sections)), root_(ToOffset(rootRva))
    {
    }

    void Walk(std::vector<PeResource>& out)
    {
        ForEachEntry(root_, [&](std::uint32_t typeId, const std::string& typeName, std::uint32_t typeDir) {
            ForEachEntry(typeDir, [&](std::uint32_t id, const std::string& name, std::uint32_t nameDir) {
                ForEachEntry(nameDir, [&](std::uint32_t language, const std::string&, std::uint32_t dataEntry) {
                    PeResource resource;
                    resource.typeId = typeId;
                    resource.typeName = typeName;
                    resource.id = id;
                    resource.name = name;
                    resource.language = language;
                    std::size_t entry = root_ + dataEntry;
                    resource.bytes = image_.Slice(ToOffset(image_.U32(entry)), image_.U32(entry + 4));
                    out.push_back(std::move(resource));
                }, false);
            }, true);
        }, true);
    }

private:
    std::size_t ToOffset(std::uint32_t rva) const
    {
        for (const Section& s : sections_) {
            std::uint32_t span = std::max(s.virtualSize, s.rawSize);
            if (rva >= s.virtualAddress && rva - s.virtualAddress < span) return s.rawOffset + (rva - s.virtualAddress);
        }
        throw PeFormatError("address outside every section");
    }

    std::string EntryName(std::uint32_t offset) const
    {
        std::size_t at = root_ + offset;
        std::uint32_t length = image_.U16(at);
        std::string name;
        for (std::uint32_t i = 0; i < length; ++i) name += static_cast<char>(image_.U16(at + 2 + 2 * i) & 0xFF);
        return name;
    }

    // Calls visit(id, name, child offset) for each entry of the directory at offset
    // (from the root); `directories` says whether entries must lead to subdirectories.
    template <typename Visit>
    void ForEachEntry(std::size_t offset, Visit visit, bool directories)
    {
        if (++depth_ > 3) throw PeFormatError("resource directory nested too deep");
        std::size_t dir = offset;
        std::uint32_t count = image_.U16(dir + 12) + image_.U16(dir + 14);
        for (std::uint32_t i = 0; i < count; ++i) {
            std::size_t entry = dir + 16 + 8 * i;
            std::uint32_t nameField = image_.U32(entry);
            std::uint32_t target = image_.U32(entry + 4);
            bool isDirectory = (target & 0x80000000u) != 0;
            if (isDirectory != directories) throw PeFormatError("resource directory entry of the wrong kind");
            std::uint32_t child = target & 0x7FFFFFFFu;
            if ((nameField & 0x80000000u) != 0) {
                visit(0, EntryName(nameField & 0x7FFFFFFFu), directories ? static_cast<std::uint32_t>(root_ + child) : child);
            } else {
                visit(nameField, std::string(), directories ? static_cast<std::uint32_t>(root_ + child) : child);
            }
        }
        --depth_;
    }

    const Image& image_;
    std::vector<Section> sections_;
    std::size_t root_;
    int depth_ = 0;
};

}  // namespace

std::vector<PeResource> ReadPeResources(const std::vector<unsigned char>& bytes)
{
    Image image(bytes);
    if (image.U16(0) != 0x5A4D) throw PeFormatError("no MZ header");
    std::uint32_t pe = image.U32(0x3C);
    if (image.U32(pe) != 0x00004550) throw PeFormatError("no PE signature");
    std::size_t coff = pe + 4;
    std::uint32_t sectionCount = image.U16(coff + 2);
    std::uint32_t optionalSize = image.U16(coff + 16);
    std::size_t optional = coff + 20;
    if (image.U16(optional) != 0x10B) throw PeFormatError("not a PE32 image");
    if (optionalSize < 96 + 3 * 8) throw PeFormatError("optional header without a resource directory");
    std::uint32_t resourceRva = image.U32(optional + 96 + 2 * 8);
    std::vector<Section> sections;
    std::size_t table = optional + optionalSize;
    for (std::uint32_t i = 0; i < sectionCount; ++i) {
        std::size_t s = table + 40 * i;
        sections.push_back({image.U32(s + 12), image.U32(s + 8), image.U32(s + 16), image.U32(s + 20)});
    }
    std::vector<PeResource> resources;
    if (resourceRva == 0) return resources;
    ResourceWalker(image, sections, resourceRva).Walk(resources);
    return resources;
}

std::vector<unsigned char> ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> StringTableBlock(const std::vector<unsigned char>& bytes)
{
    Image image(bytes);
    std::vector<std::string> strings;
    std::size_t at = 0;
    for (int i = 0; i < 16; ++i) {
        std::uint32_t length = image.U16(at);
        at += 2;
        std::string text;
        for (std::uint32_t c = 0; c < length; ++c, at += 2) text += static_cast<char>(image.U16(at) & 0xFF);
        strings.push_back(text);
    }
    return strings;
}

}  // namespace orvane::test
