#include "app/frm_init.h"
#include "app/frm_introduction.h"
#include "app/mdi_lectarium.h"
#include "base/safe_file.h"
#include "readings/frm_display_reading.h"
#include "shell/appearance.h"
#include "shell/qt_arabic.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    MdlLectarium::Ignore_File_Size_Signal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lectarium"));
    Lectarium::Install_Arabic_Font();
    // Qt's own Arabic: the standard buttons and the file, font and colour dialogs. The
    // program's captions and messages are its own and stay as they are. The windows
    // choose their own direction, so the translation does not turn the whole frame.
    QApplication::setLayoutDirection(Qt::LeftToRight);
    Lectarium::Install_Qt_Arabic();
    // The day chooser's Show opens the readings windows.
    Lectarium::Install_Reading_Windows();

    Lectarium::MDILectarium mainWindow;
    // The introduction runs before the main window is shown, the splash over it once it
    // is placed; start-up waits for each to close.
    mainWindow.Set_Introduction([] {
        Lectarium::FrmIntroduction introduction;
        introduction.exec();
    });
    mainWindow.Set_Splash([&mainWindow] {
        Lectarium::FrmInit splash(&mainWindow);
        splash.exec();
    });
    if (!mainWindow.Form_Load())
        return 1;
    return QApplication::exec();
}
