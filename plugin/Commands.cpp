// The menu commands: checks that a saved publication is at hand, then the dialogs.
#include "plugin/Commands.h"

#include <string>

#include "host/HostRequests.h"
#include "state/ModuleState.h"
#include "plugin/PluginBase.h"

namespace orvane {

namespace {

enum : int {
    kStringUntitled = 4,
    kStringSaveFirst = 5,
    kStringNoMainWindow = 7,
};
// A 200-byte buffer, loaded with a limit of 199 characters including the zero.
constexpr int kCommandTextBuffer = 200;
constexpr int kCommandTextLimit = 199;
const char* const kCommandCaption = "Halcyte Quillset";

std::string CommandText(int id)
{
    char buffer[kCommandTextBuffer] = {};
    platform::LoadResourceString(id, buffer, kCommandTextLimit);
    buffer[kCommandTextBuffer - 1] = '\0';
    return buffer;
}

void Tell(int id)
{
    std::string text = CommandText(id);
    platform::ShowMessageBox(platform::ActiveWindow(), text.c_str(), kCommandCaption, platform::kMbOk);
}

}  // namespace

bool LooksUnsaved(const std::string& upperCaseName, const std::string& untitled)
{
    if (untitled.empty()) return false;
    return upperCaseName.find(untitled) != std::string::npos && upperCaseName.find('\\') == std::string::npos;
}

void TrappingPlugin::OnCommand()
{
    Module().FreePrintTimeObjects();
    Settings().ResetDocumentTrapping();

    platform::WindowHandle mainWindow = platform::FindHostMainWindow();
    if (mainWindow == nullptr) {
        Tell(kStringNoMainWindow);
        return;
    }
    if (requests::PublicationState() != 1) {
        std::string name = requests::PublicationName();
        if (!name.empty()) platform::UpperCaseInPlace(&name[0], name.size());
        if (LooksUnsaved(name, CommandText(kStringUntitled))) {
            Tell(kStringSaveFirst);
            return;
        }
    }
    RunCommandDialogs(messageValue(), mainWindow);
}

}  // namespace orvane
