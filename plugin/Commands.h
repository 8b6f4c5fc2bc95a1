// The plug-in's menu commands.
#pragma once
#include <string>

#include "platform/Platform.h"

namespace orvane {

// Builds and runs the dialog the command opens (1: trapping information, 2: trap
// zone; others: none) with the Host's main window as owner.
void RunCommandDialogs(int command, platform::WindowHandle mainWindow);

// Whether an upper-cased publication name is that of a publication never saved:
// it holds `untitled` and no backslash.
bool LooksUnsaved(const std::string& upperCaseName, const std::string& untitled);

}  // namespace orvane
