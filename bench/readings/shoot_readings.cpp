// Pictures of the readings windows inside the main window, for review of the Arabic
// layout: shoot_readings OUT_FOLDER [DATABASE]. Starts the program as main() does in
// a scratch copy of the database's folder, opens the day chooser on a Lent weekday,
// that day's readings, a passage, the rite, the saint window and a Holy Week day, and
// writes PNG files into OUT_FOLDER.

#include "app/mdi_lectarium.h"
#include "bible/frm_display_bible.h"
#include "calendar/frm_select_day.h"
#include "calendar/selected_day.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_pain.h"
#include "readings/frm_sant.h"
#include "shell/appearance.h"
#include "shell/child_window.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

bool save(QWidget* widget, const QString& folder, const QString& name) {
    QCoreApplication::processEvents();
    const QString path = QDir(folder).filePath(name);
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "shoot_readings: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: shoot_readings OUT_FOLDER [DATABASE]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QFileInfo database(argc > 2 ? QString::fromLocal8Bit(argv[2])
                                      : QStringLiteral(LECTARIUM_DEMO_DATABASE));
    QDir().mkpath(out);

    // A scratch program folder: the settings file the start-up writes stays out of run/.
    QTemporaryDir scratch;
    const QDir source = database.absoluteDir();
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name),
                    QDir(scratch.path())
                        .filePath(name == database.fileName() ? QStringLiteral("Lectarium.mdb") : name));
    QDir::setCurrent(scratch.path());

    Install_Arabic_Font();
    Install_Reading_Windows();
    MDILectarium mainWindow;
    if (!mainWindow.Form_Load())
        return 1;
    mainWindow.resize(1100, 820);
    Set_Menu_Checked(Menu_Option::Reset_Date, false);

    FrmSelect_Day* chooser = FrmSelect_Day::Show_Window();
    Placement_Widget(chooser)->move(700, 420);
    chooser->DateNormal()->setDate(QDate(1999, 3, 3)); // Wednesday of the third week of Lent
    bool ok = save(chooser, out, QStringLiteral("select_day.png"));
    chooser->CommandShow_Click();
    FrmDisplay_Reading* reading = FrmDisplay_Reading::Instance();
    Placement_Widget(reading)->move(0, 0);
    ok = save(reading, out, QStringLiteral("readings_lent_weekday.png")) && ok;

    reading->TextFiled_DblClick(4);
    Placement_Widget(FrmDisplay_Bible::Instance())->setGeometry(420, 90, 560, 380);
    ok = save(FrmDisplay_Bible::Instance(), out, QStringLiteral("passage.png")) && ok;

    // The rite: an Arabic text in the passage window.
    reading->CommandCeremony_Click();
    Placement_Widget(FrmDisplay_Bible::Instance())->setGeometry(420, 90, 560, 380);
    ok = save(FrmDisplay_Bible::Instance(), out, QStringLiteral("passage_rite.png")) && ok;
    reading->TextFiled_DblClick(4);

    reading->Image_Sant_MouseUp(1, 0, 450, 550);
    Placement_Widget(FrmSant::Instance())->move(560, 300);
    ok = save(FrmSant::Instance(), out, QStringLiteral("saint.png")) && ok;
    ok = save(&mainWindow, out, QStringLiteral("main_window_lent_weekday.png")) && ok;

    Selected_Date = QDate(2000, 4, 26); // Wednesday of Holy Week
    chooser->CommandShow_Click();
    FrmPain* pain = FrmPain::Instance();
    Placement_Widget(pain)->setGeometry(30, 30, 760, 480);
    pain->List1()->setCurrentRow(1);
    ok = save(pain, out, QStringLiteral("holy_week.png")) && ok;
    return ok ? 0 : 1;
}
