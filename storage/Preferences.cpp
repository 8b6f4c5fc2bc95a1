#include "storage/Preferences.h"

#include <fstream>
#include <string>

#include "host/HostRequests.h"
#include "model/TrapStyle.h"
#include "state/ModuleState.h"

namespace orvane {

namespace {

constexpr const char* kPreferencesFileName = "OrvaneTrp.prf";
constexpr std::size_t kPathCapacity = 260;  // bytes, terminating NUL included
constexpr std::size_t kTextCapacity = 500;

// The file's full path in the folder the Host names; empty when it would not fit.
std::string PreferencesPath()
{
    std::string path = requests::FolderNames().first;
    if (path.empty() || path.back() != '\\') path += '\\';
    path += kPreferencesFileName;
    if (path.size() + 1 > kPathCapacity) return std::string();
    return path;
}

void WriteText(std::ofstream& out, const std::string& text) { out.write(text.c_str(), static_cast<std::streamsize>(text.size() + 1)); }

void WriteInt32(std::ofstream& out, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    const char b[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                       static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
    out.write(b, 4);
}

// Bytes up to the NUL; those beyond the capacity are read and dropped. False when
// the file ends first.
bool ReadText(std::ifstream& in, std::string& text)
{
    std::string collected;
    char c = 0;
    while (in.get(c)) {
        if (c == '\0') {
            text = std::move(collected);
            return true;
        }
        if (collected.size() + 1 < kTextCapacity) collected.push_back(c);
    }
    return false;
}

bool ReadInt32(std::ifstream& in, std::int32_t& value)
{
    unsigned char b[4];
    if (!in.read(reinterpret_cast<char*>(b), 4)) return false;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                                      (static_cast<std::uint32_t>(b[2]) << 16) |
                                      (static_cast<std::uint32_t>(b[3]) << 24));
    return true;
}

void WriteStyle(std::ofstream& out, const TrapStyle& style)
{
    WriteText(out, style.name);
    WriteInt32(out, style.reservedValue);
    WriteText(out, style.trapWidth);
    WriteText(out, style.blackWidth);
    WriteText(out, style.stepLimit);
    WriteText(out, style.blackColorLimit);
    WriteText(out, style.blackDensityLimit);
    WriteText(out, style.slidingTrapLimit);
    WriteInt32(out, style.imageTrapPlacement);
    WriteInt32(out, style.imageToObjectTrapping);
    WriteInt32(out, style.imageInternalTrapping);
    WriteText(out, style.imageResolution);
    WriteText(out, style.spareText);
    WriteText(out, style.trapColorScaling);
}

// Fields after the name; false when the file ends inside them.
bool ReadStyleFields(std::ifstream& in, TrapStyle& style)
{
    return ReadInt32(in, style.reservedValue) && ReadText(in, style.trapWidth) && ReadText(in, style.blackWidth) &&
           ReadText(in, style.stepLimit) && ReadText(in, style.blackColorLimit) &&
           ReadText(in, style.blackDensityLimit) && ReadText(in, style.slidingTrapLimit) &&
           ReadInt32(in, style.imageTrapPlacement) && ReadInt32(in, style.imageToObjectTrapping) &&
           ReadInt32(in, style.imageInternalTrapping) && ReadText(in, style.imageResolution) &&
           ReadText(in, style.spareText) && ReadText(in, style.trapColorScaling);
}

}  // namespace

int SavePreferences()
{
    TrapStyleList* styles = Module().currentStyleList.get();
    if (styles == nullptr || styles->Empty()) return 1;  // the file keeps what it held
    const std::string path = PreferencesPath();
    if (path.empty()) return 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return 0;
    for (const auto& style : styles->Styles()) {
        if (!IsReservedStyleName(style->name)) WriteStyle(out, *style);
    }
    out.close();
    return out ? 1 : 0;
}

int LoadPreferences()
{
    TrapStyleList* styles = Module().currentStyleList.get();
    if (styles == nullptr) return 0;
    const std::string path = PreferencesPath();
    if (path.empty()) return 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return 0;

    styles->Clear();
    while (in.peek() != std::ifstream::traits_type::eof()) {
        auto style = std::make_unique<TrapStyle>();
        // Cut short: the partial style is not used, those before it are kept.
        if (!ReadText(in, style->name) || !ReadStyleFields(in, *style)) return 0;
        style->inUse = 0;
        // A nameless block or one under the reserved name cannot stand in the list,
        // and names stay unique: of two blocks with one name the first is kept.
        if (style->name.empty() || IsReservedStyleName(style->name)) continue;
        styles->AddStyle(std::move(style));
    }
    return 1;
}

}  // namespace orvane
