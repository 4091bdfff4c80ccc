// One start of the program for bench/run, which times whole processes of it:
//
//   bench_startup minimal        a minimal Qt main window, shown, then exit
//   bench_startup lectarium      the real main window through its start-up (without
//                                the introduction and the splash), shown, then exit
//   bench_startup search WORD    the same, then a search of the whole Bible for WORD
//                                through the search window, results shown, then exit
//
// Runs in the working folder, which must hold Lectarium.mdb, as the program does.
// Prints one line: what was shown, and for a search the hits and its time.

#include "app/mdi_lectarium.h"
#include "bible/frm_bible_select.h"
#include "bible/frm_view_search.h"
#include "readings/frm_display_reading.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "shell/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>

using namespace Lectarium;

namespace {

// Every message box answered OK at once, nothing else asked.
class Quiet_Dialogs final : public Dialog_Layer {
public:
    Msg_Answer Message(QWidget*, const QString& text, const QString&, Msg_Buttons, Msg_Icon) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return Msg_Answer::Ok;
    }
    QString Open_File(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString Save_File(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QFont> Choose_Font(QWidget*, const QFont&) override { return std::nullopt; }
    std::optional<QColor> Choose_Color(QWidget*, const QColor&) override { return std::nullopt; }
    bool Show_Help(QWidget*, const QString&) override { return false; }
};

// Leaves the event loop once the window is on the screen.
void exitWhenExposed(QWidget* window) {
    auto* poll = new QTimer(window);
    QObject::connect(poll, &QTimer::timeout, window, [window, poll] {
        // A child window of the frame is on the screen when it is visible and the frame is.
        const QWindow* handle = window->window()->windowHandle();
        if (window->isVisible() && handle && handle->isExposed()) {
            poll->stop();
            poll->deleteLater();
            // exit, not quit: quit first closes the windows, and closing the main window is the
            // Exit command with its question.
            QApplication::exit(0);
        }
    });
    poll->start(1);
}

int usage() {
    std::fprintf(stderr, "usage: bench_startup minimal | lectarium | search WORD\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2)
        return usage();
    const QString mode = args[1];

    if (mode == QLatin1String("minimal")) {
        QMainWindow window;
        window.setCentralWidget(new QLabel(QStringLiteral("Lectarium")));
        window.resize(410, 267);
        window.show();
        exitWhenExposed(&window);
        const int code = QApplication::exec();
        std::printf("minimal window shown\n");
        return code;
    }
    if (mode != QLatin1String("lectarium") && !(mode == QLatin1String("search") && args.size() > 2))
        return usage();

    Quiet_Dialogs dialogs;
    Set_Dialogs(&dialogs);
    QApplication::setApplicationName(QStringLiteral("Lectarium"));
    Install_Arabic_Font();
    Install_Reading_Windows();
    int code = 0;
    {
        MDILectarium window;
        window.Set_Terminate([] {});
        if (!window.Form_Load()) {
            Set_Dialogs(nullptr);
            return 1;
        }
        exitWhenExposed(&window);
        code = QApplication::exec();
        if (mode == QLatin1String("lectarium")) {
            std::printf("main window shown\n");
        } else {
            FrmBible_Select* form = FrmBible_Select::Show_Window();
            form->TextSearch()->setText(args[2]);
            form->Check1(0)->setChecked(true);
            form->Check1(1)->setChecked(true);
            // A reader presses Search in a window already on the screen: let it be laid out
            // and painted first, so that its first paint is not counted as the search.
            QTimer::singleShot(200, &app, [] { QApplication::exit(0); });
            QApplication::exec();
            QElapsedTimer timer;
            timer.start();
            form->CommandSearch()->click();
            QWidget* results =
                FrmView_Search::Instance() ? Placement_Widget(FrmView_Search::Instance()) : nullptr;
            if (results)
                exitWhenExposed(results);
            else
                QTimer::singleShot(0, &app, [] { QApplication::exit(0); });
            QApplication::exec();
            std::printf("search \"%s\": %d hits, %.1f ms to the results window\n", qPrintable(args[2]),
                        FrmBible_Select::Last_Scan().hits, timer.nsecsElapsed() / 1e6);
            if (!results)
                code = 1;
        }
    }
    Set_Dialogs(nullptr);
    return code;
}
