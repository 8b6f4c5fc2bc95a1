// The dialogs a menu command opens: the trapping information dialog owned by the
// Host's main window, and the trap zone dialog with no owner over the information
// dialog's (still empty) zone list.
#include "dialogs/TrapZoneDialog.h"
#include "dialogs/TrappingInfoDialog.h"
#include "plugin/Commands.h"

namespace orvane {

void RunCommandDialogs(int command, platform::WindowHandle mainWindow)
{
    TrappingInfoDialog information(mainWindow);
    TrapZoneDialog zone(nullptr);
    if (command == 1)
        information.Run();
    else if (command == 2)
        zone.Run();
}

}  // namespace orvane
