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

// One block of a version resource: length, value length, type, key, value, children;
// the key, the value and each child start on a 32-bit boundary.
struct VersionBlock {
    std::string key;
    std::size_t value = 0;       // offset of the value
    std::size_t valueBytes = 0;  // size of the value in bytes
    std::size_t children = 0;    // offset of the first child
    std::size_t end = 0;         // offset just past the block
};

std::size_t Align4(std::size_t offset) { return (offset + 3) & ~static_cast<std::size_t>(3); }

VersionBlock ReadVersionBlock(const Image& image, std::size_t at, std::size_t limit)
{
    const std::uint32_t length = image.U16(at);
    if (length > limit - at) throw PeFormatError("version block runs past its parent");
    VersionBlock block;
    block.end = at + length;
    const std::uint32_t valueLength = image.U16(at + 2);
    const bool text = image.U16(at + 4) == 1;
    std::size_t p = at + 6;
    for (std::uint32_t c = image.U16(p); c != 0; c = image.U16(p)) {
        block.key += static_cast<char>(c & 0xFF);
        p += 2;
    }
    p += 2;
    block.value = Align4(p);  // a key that runs past the block fails the next check
    block.valueBytes = text ? 2 * valueLength : valueLength;
    if (block.value > block.end || block.valueBytes > block.end - block.value)
        throw PeFormatError("version value runs past its block");
    block.children = Align4(block.value + block.valueBytes);
    return block;
}

// Calls visit(child) for each child of `parent`.
template <typename Visit>
void ForEachVersionChild(const Image& image, const VersionBlock& parent, Visit visit)
{
    for (std::size_t at = parent.children; at < parent.end;) {
        VersionBlock child = ReadVersionBlock(image, at, parent.end);
        visit(child);
        at = Align4(child.end);
    }
}

// A text value: UTF-16 up to its zero or the end of its block.
std::string VersionText(const Image& image, const VersionBlock& block)
{
    std::string text;
    for (std::size_t p = block.value; p + 2 <= block.end; p += 2) {
        const std::uint32_t c = image.U16(p);
        if (c == 0) break;
        text += static_cast<char>(c & 0xFF);
    }
    return text;
}

}  // namespace

PeVersionInfo ReadVersionInfo(const std::vector<unsigned char>& bytes)
{
    Image image(bytes);
    const VersionBlock root = ReadVersionBlock(image, 0, bytes.size());
    if (root.key != "VS_VERSION_INFO") throw PeFormatError("not a version resource");
    if (root.valueBytes != 52) throw PeFormatError("version resource without its fixed part");
    PeVersionInfo info;
    const std::size_t fixed = root.value;
    info.signature = image.U32(fixed);
    auto split = [](std::uint32_t high, std::uint32_t low) {
        return std::array<std::uint32_t, 4>{high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF};
    };
    info.fileVersion = split(image.U32(fixed + 8), image.U32(fixed + 12));
    info.productVersion = split(image.U32(fixed + 16), image.U32(fixed + 20));
    info.fileOs = image.U32(fixed + 32);
    info.fileType = image.U32(fixed + 36);
    ForEachVersionChild(image, root, [&](const VersionBlock& part) {
        if (part.key == "StringFileInfo") {
            ForEachVersionChild(image, part, [&](const VersionBlock& table) {
                auto& strings = info.stringTables[table.key];
                ForEachVersionChild(image, table, [&](const VersionBlock& entry) {
                    strings[entry.key] = VersionText(image, entry);
                });
            });
        } else if (part.key == "VarFileInfo") {
            ForEachVersionChild(image, part, [&](const VersionBlock& var) {
                if (var.key != "Translation") return;
                for (std::size_t p = var.value; p + 4 <= var.value + var.valueBytes; p += 4)
                    info.translations.push_back(image.U16(p) | (image.U16(p + 2) << 16));
            });
        }
    });
    return info;
}

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
