#pragma once

#include "tests/support/started_main_window.h"

#include <QDate>
#include <QString>

#include <memory>

// A started main window over the readings fixture database, with the readings
// windows plugged into the day chooser and the tip draw fixed. Everything it opened
// is closed when it goes.
struct Reading_Session {
    // Over the readings fixture, or the database given.
    explicit Reading_Session(double tipDraw = 0.0, const QByteArray& database = QByteArray());
    ~Reading_Session();
    Reading_Session(const Reading_Session&) = delete;
    Reading_Session& operator=(const Reading_Session&) = delete;

    // Selects the day in the day chooser and presses Show.
    void Show_Day(const QDate& date);

    // The child windows of the main frame, deferred deletions done.
    int Child_Count() const;

    std::unique_ptr<Started_Main_Window> s;
};

// The fixture database as bytes (built once).
QByteArray Reading_Fixture_Database();

// Lets windows closed with WA_DeleteOnClose go.
void Flush_Deletions();
