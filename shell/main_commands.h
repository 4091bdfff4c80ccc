#pragma once

// What a child window may do to the main window's commands: lock them all while a
// scan runs, and switch single commands on and off.

#include <cstddef>

namespace Lectarium {

// The main window's commands, each one menu item and at most one toolbar button.
// About stays the last: the count follows from it.
enum class Main_Command {
    Reading,
    Bible_View,
    Bible_Search,
    New,
    Open,
    Save,
    Exit,
    Text_View,
    Topic,
    Lectern,
    Saint_Search,
    Bibles,
    About
};
constexpr std::size_t Main_Command_Count = static_cast<std::size_t>(Main_Command::About) + 1;

class Main_Commands {
public:
    virtual ~Main_Commands() = default;
    // Locked, the toolbar and the four menus of the menu bar take no command.
    virtual void Set_Commands_Locked(bool locked) = 0;
    // The menu item and the toolbar button of a command.
    virtual void Set_Command_Enabled(Main_Command command, bool enabled) = 0;
};

// The main window's commands while it exists, else nullptr (tests of a lone window);
// set by the top of the program.
Main_Commands* Commands();
void Set_Commands(Main_Commands* commands);

// Enables or disables a main-window command; does nothing without a main window.
void Set_Command_Enabled(Main_Command command, bool enabled);

// Locks the main window's commands for its lifetime. They come back on every way out
// of a scan, also when the window that locked them is gone by then.
class Main_Commands_Lock final {
public:
    Main_Commands_Lock();
    ~Main_Commands_Lock() { Release(); }
    Main_Commands_Lock(const Main_Commands_Lock&) = delete;
    Main_Commands_Lock& operator=(const Main_Commands_Lock&) = delete;

    void Release();

private:
    bool released_ = false;
};

} // namespace Lectarium
