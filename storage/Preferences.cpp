#include "storage/Preferences.h"

#include <cstdio>
#include <memory>
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

// An open file, closed when it goes.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

void WriteText(std::FILE* out, const std::string& text) { std::fwrite(text.c_str(), 1, text.size() + 1, out); }

void WriteInt32(std::FILE* out, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    const char b[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                       static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
    std::fwrite(b, 1, 4, out);
}

// Bytes up to the NUL; those beyond the capacity are read and dropped. False when
// the file ends first.
bool ReadText(std::FILE* in, std::string& text)
{
    std::string collected;
    for (int c = std::fgetc(in); c != EOF; c = std::fgetc(in)) {
        if (c == '\0') {
            text = std::move(collected);
            return true;
        }
        if (collected.size() + 1 < kTextCapacity) collected.push_back(static_cast<char>(c));
    }
    return false;
}

bool ReadInt32(std::FILE* in, std::int32_t& value)
{
    unsigned char b[4];
    if (std::fread(b, 1, 4, in) != 4) return false;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                                      (static_cast<std::uint32_t>(b[2]) << 16) |
                                      (static_cast<std::uint32_t>(b[3]) << 24));
    return true;
}

void WriteStyle(std::FILE* out, const TrapStyle& style)
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
bool ReadStyleFields(std::FILE* in, TrapStyle& style)
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
    File out(std::fopen(path.c_str(), "wb"));
    if (!out) return 0;
    for (const auto& style : styles->Styles()) {
        if (!IsReservedStyleName(style->name)) WriteStyle(out.get(), *style);
    }
    const bool written = std::ferror(out.get()) == 0;
    return std::fclose(out.release()) == 0 && written ? 1 : 0;
}

int LoadPreferences()
{
    TrapStyleList* styles = Module().currentStyleList.get();
    if (styles == nullptr) return 0;
    const std::string path = PreferencesPath();
    if (path.empty()) return 0;
    File in(std::fopen(path.c_str(), "rb"));
    if (!in) return 0;

    styles->Clear();
    while (std::ungetc(std::fgetc(in.get()), in.get()) != EOF) {
        auto style = std::make_unique<TrapStyle>();
        // Cut short: the partial style is not used, those before it are kept.
        if (!ReadText(in.get(), style->name) || !ReadStyleFields(in.get(), *style)) return 0;
        style->inUse = 0;
        // A nameless block or one under the reserved name cannot stand in the list,
        // and names stay unique: of two blocks with one name the first is kept.
        if (style->name.empty() || IsReservedStyleName(style->name)) continue;
        styles->AddStyle(std::move(style));
    }
    return 1;
}

}  // namespace orvane
