#include "shell/main_commands.h"

#include "shell/child_window.h"
#include "shell/mdi_lectarium.h"

namespace Lectarium {

Main_Commands* Commands() {
    return Main_Window();
}

void Set_Command_Enabled(Main_Command command, bool enabled) {
    if (Main_Commands* commands = Commands())
        commands->Set_Command_Enabled(command, enabled);
}

Main_Commands_Lock::Main_Commands_Lock() {
    if (Main_Commands* commands = Commands())
        commands->Set_Commands_Locked(true);
}

void Main_Commands_Lock::Release() {
    if (released_)
        return;
    released_ = true;
    // Asked again: the main window may have gone while the scan ran.
    if (Main_Commands* commands = Commands())
        commands->Set_Commands_Locked(false);
}

} // namespace Lectarium
