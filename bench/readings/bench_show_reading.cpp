// How long the day chooser's Show takes to give a filled readings window (or, in Holy
// Week, the Holy Week window with its first hour), on the demonstration database by
// default: bench_show_reading [DATABASE] [REPEATS]. Runs on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise.

#include "base/program_files.h"
#include "base/settings.h"
#include "calendar/frm_select_day.h"
#include "calendar/selected_day.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "readings/day_readings.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_pain.h"
#include "shell/appearance.h"
#include "shell/child_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Lectarium;
using namespace MdlLectarium;

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString database =
        argc > 1 && argv[1][0] ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(LECTARIUM_DEMO_DATABASE);
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    if (!QFileInfo(database).isFile()) {
        std::fprintf(stderr, "bench_show_reading: no database %s\n", qPrintable(database));
        return 2;
    }

    Install_Arabic_Font();
    Set_Default_Settings();
    Set_Menu_Checked(Menu_Option::Reset_Date, false);
    Program_Folder = QFileInfo(database).absolutePath();
    Database_Path = QFileInfo(database).absoluteFilePath();
    Fill_Name_Tables();
    Init_Bible_Tables();
    Data_Bible().setDatabaseName(Database_Path);
    Install_Reading_Windows();

    struct Day {
        const char* what;
        QDate date;
    };
    const Day days[] = {
        {"weekday (Year)", QDate(1998, 9, 15)},     {"Sunday (Suns)", QDate(1998, 9, 13)},
        {"Nineveh (Jonah)", QDate(1999, 2, 3)},     {"Lent weekday (Fast)", QDate(1999, 3, 3)},
        {"Fifty Days (Fifty)", QDate(1999, 4, 20)}, {"Holy Week (Pain)", QDate(2000, 4, 26)},
    };

    FrmSelect_Day* chooser = FrmSelect_Day::Show_Window();
    for (const Day& day : days) {
        std::vector<double> ms;
        for (int i = 0; i < repeats; ++i) {
            Selected_Date = day.date;
            QElapsedTimer timer;
            timer.start();
            chooser->CommandShow_Click();
            // Filled, laid out and painted.
            QCoreApplication::processEvents();
            ms.push_back(timer.nsecsElapsed() / 1e6);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        const bool filled =
            FrmDisplay_Reading::Instance()
                ? !FrmDisplay_Reading::Instance()->TextFiled(9)->text().isEmpty()
                : FrmPain::Instance() && !FrmPain::Instance()->Text_Hidder()->text().isEmpty();
        std::sort(ms.begin(), ms.end());
        std::printf("Show %-22s %s: best %.2f ms, median %.2f ms, worst %.2f ms (%d runs)%s\n", day.what,
                    qPrintable(day.date.toString(Qt::ISODate)), ms.front(), ms[ms.size() / 2], ms.back(),
                    repeats, filled ? "" : "  [window NOT filled]");
    }
    for (QWidget* form : {static_cast<QWidget*>(FrmDisplay_Reading::Instance()),
                          static_cast<QWidget*>(FrmPain::Instance()), static_cast<QWidget*>(chooser)})
        if (form)
            Placement_Widget(form)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
