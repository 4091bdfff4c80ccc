#pragma once

#include "app/mdi_lectarium.h"
#include "base/program_files.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

#include <QDate>

#include <memory>

// A program folder with a database (the one given, or one with empty tables), a fixed "today", the scripted
// dialog layer and a main window that has been through its start-up. The program's end is counted instead of
// leaving the event loop.
struct Started_Main_Window {
    explicit Started_Main_Window(const QDate& today = QDate(1999, 3, 28),
                                 const QByteArray& settings = QByteArray(),
                                 const QByteArray& database = QByteArray());
    ~Started_Main_Window();
    Started_Main_Window(const Started_Main_Window&) = delete;
    Started_Main_Window& operator=(const Started_Main_Window&) = delete;

    QByteArray ini() const;

    Temp_Program_Folder folder;
    Scripted_Dialogs dialogs;
    std::unique_ptr<Lectarium::MDILectarium> window;
    bool loaded = false;
    int terminated = 0;
};
