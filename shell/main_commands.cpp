#include "shell/main_commands.h"

namespace Lectarium {

namespace {
Main_Commands* mainCommands = nullptr;
}

Main_Commands* Commands() {
    return mainCommands;
}

void Set_Commands(Main_Commands* commands) {
    mainCommands = commands;
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
