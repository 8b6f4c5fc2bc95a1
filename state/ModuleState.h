// What outlives one call of main: created at load, freed at unload (the print-time
// objects from print start to the next print start, menu command or release).
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "host/HostInterfaces.h"
#include "model/DocumentTrapping.h"
#include "model/Ink.h"
#include "model/TrapStyle.h"
#include "model/TrapZone.h"
#include "model/PageSequence.h"
#include "platform/Platform.h"
#include "state/PageWriterCache.h"

namespace orvane {

struct ModuleState {
    std::unique_ptr<DocumentTrapping> documentSettings;
    std::unique_ptr<TrapZoneList> zoneList;
    std::unique_ptr<InkList> inkList;
    std::unique_ptr<std::string> reservedStyleName;
    std::unique_ptr<TrapStyleList> currentStyleList;
    std::unique_ptr<PrintedPageSequence> printedPageSequence;
    std::unique_ptr<PageRectangle> pageRectangle;
    PrintJobInterface* heldPrintJob = nullptr;
    std::int16_t savedPrintSetting = 0;
    // Whether the saved print setting was changed by the current job and still
    // has to be set back at notification 118.
    bool printSettingChanged = false;
    char decimalSeparator = '\0';
    char thousandsSeparator = '\0';
    // Template resources found so far, by identifier: a resource's memory stays
    // valid while the module is loaded, so each is looked up once.
    std::array<platform::ResourceBytes, 256> templates{};
    PageWriterCache pageWriter;

    void FreePrintTimeObjects()
    {
        printedPageSequence.reset();
        pageRectangle.reset();
        currentStyleList.reset();
        pageWriter.Drop();
    }
};

// Inline, as every notification reaches the state through it.
inline ModuleState& Module()
{
    static ModuleState state;
    return state;
}

// The document settings, created on demand so that code run outside a load
// (tests, a Host that skipped message 1) never meets a missing object.
DocumentTrapping& Settings();

// The reserved name "[Printer Default Settings]" that stands for the device's own
// trap parameters; empty before load.
const std::string& ReservedStyleName();
bool IsReservedStyleName(const std::string& text);

}  // namespace orvane
