#include "shell/appearance.h"
#include "shell/mdi_lectarium.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lectarium"));
    Lectarium::Install_Arabic_Font();

    Lectarium::MDILectarium mainWindow;
    if (!mainWindow.Form_Load())
        return 1;
    return QApplication::exec();
}
