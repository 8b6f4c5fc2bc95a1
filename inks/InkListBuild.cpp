#include "inks/InkListBuild.h"

#include <memory>
#include <string>

#include "host/HostContext.h"
#include "host/HostRequests.h"
#include "inks/Density.h"
#include "model/Ink.h"
#include "platform/Platform.h"
#include "state/ResourceString.h"
#include "storage/InkRecord.h"

namespace orvane {

namespace {

constexpr int kStringProcessCyan = 34;  // 35 Magenta, 36 Yellow, 37 Black
constexpr int kStringNone = 38;
constexpr int kStringPaper = 39;
constexpr int kStringRegistration = 40;
constexpr std::int16_t kKindSpot = 0;
constexpr std::int16_t kKindMultiInk = 3;

const char* const kProcessNames[4] = {"Cyan", "Magenta", "Yellow", "Black"};

std::unique_ptr<InkEntry> NewInk(const std::string& name, std::int16_t number, std::int16_t density)
{
    auto entry = std::make_unique<InkEntry>();
    entry->name = name;
    entry->type = kInkNormal;
    entry->number = number;
    entry->densityText = FormatDensity(density);
    entry->present = true;
    return entry;
}

}  // namespace

bool BuildInkList(InkList& list)
{
    std::string displayNames[4];
    for (int i = 0; i < 4; ++i) displayNames[i] = ResourceString(kStringProcessCyan + i).Text();
    list.Clear();
    std::int16_t nextNumber = 1;

    {
        InterfaceRef<PrivateDataAccessor> accessor(kPrivateDataAccessor);
        if (platform::ControlAndShiftDown()) accessor->Delete("BBB", "ORVT");
        LoadSavedInks(*accessor.get(), list, nextNumber);
    }

    for (int i = 0; i < 4; ++i) {
        if (list.FindByName(displayNames[i]) != nullptr) continue;
        auto entry = std::make_unique<InkEntry>();
        entry->name = displayNames[i];
        entry->processName = kProcessNames[i];
        AddProcessInk(list, std::move(entry), nextNumber);
    }

    const std::string none = ResourceString(kStringNone).Text();
    const std::string paper = ResourceString(kStringPaper).Text();
    const std::string registration = ResourceString(kStringRegistration).Text();
    for (const std::string& colorName : requests::ColorNames()) {
        requests::ColorInfo info = requests::ColorInformation(colorName);
        if (info.kind == kKindSpot) {
            if (colorName == none || colorName == paper || colorName == registration) continue;
            if (list.FindByName(colorName) != nullptr) continue;
            std::int16_t density = ColorDensity(colorName, info.c, info.m, info.y, info.k);
            list.Append(NewInk(colorName, nextNumber, density));
            ++nextNumber;
        } else if (info.kind == kKindMultiInk) {
            for (const std::string& inkName : requests::ColorInks(colorName)) {
                if (list.FindByName(inkName) != nullptr) continue;
                std::int16_t density = InkDensity(inkName);
                list.Append(NewInk(inkName, nextNumber, density));
                ++nextNumber;
            }
        }
    }

    list.RemoveAbsent();
    return true;
}

}  // namespace orvane
