#include "app/frm_init.h"
#include "app/frm_introduction.h"
#include "app/mdi_lectarium.h"
#include "base/safe_file.h"
#include "readings/frm_display_reading.h"
#include "shell/appearance.h"
#include "shell/interface_translation.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    MdlLectarium::Ignore_File_Size_Signal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lectarium"));
    Lectarium::Install_Arabic_Font();
    // The reader's language: the classic frame keeps its English captions with Qt's own
    // Arabic buttons and dialogs; Arabic or English translate every caption and message
    // and turn the frame.
    Lectarium::Install_Interface_Language(MdlLectarium::Stored_Interface_Language());
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
