#include "tests/support/started_main_window.h"

#include "calendar/selected_day.h"

#include <QSettings>
#include <QTemporaryDir>

Started_Main_Window::Started_Main_Window(const QDate& today, const QByteArray& settings,
                                         const QByteArray& database) {
    if (database.isEmpty())
        Write_Empty_Lectionary(folder.file(QStringLiteral("Lectarium.mdb")));
    else
        folder.write(QStringLiteral("Lectarium.mdb"), database);
    if (!settings.isEmpty())
        folder.write(QStringLiteral("Lectarium.ini"), settings);
    MdlLectarium::Set_Today_Source([today] { return today; });
    // Qt's own settings (the reader's preferences, window placements the settings file
    // has no keys for) in a folder of the test process, never the user's; kept from one
    // window of the process to the next as the user's are.
    static QTemporaryDir userSettings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userSettings.path());
    window = std::make_unique<Lectarium::MDILectarium>();
    window->Set_Terminate([this] { ++terminated; });
    loaded = window->Form_Load();
}

Started_Main_Window::~Started_Main_Window() {
    window.reset();
    MdlLectarium::Set_Today_Source(nullptr);
}

QByteArray Started_Main_Window::ini() const {
    return folder.read(QStringLiteral("Lectarium.ini"));
}
