#include "tests/readings/reading_windows.h"

#include "bible/frm_display_bible.h"
#include "calendar/frm_select_day.h"
#include "readings/day_readings.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_pain.h"
#include "readings/frm_sant.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "tests/lectionary/fixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace Lectarium;

QByteArray Reading_Fixture_Database() {
    static const QByteArray bytes = [] {
        Lectionary_Fixture fixture;
        if (!fixture.ok())
            qFatal("readings fixture: %s", qPrintable(fixture.error()));
        QFile file(fixture.path());
        if (!file.open(QIODevice::ReadOnly))
            qFatal("readings fixture: cannot read %s", qPrintable(fixture.path()));
        return file.readAll();
    }();
    return bytes;
}

void Flush_Deletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Reading_Session::Reading_Session(double tipDraw, const QByteArray& database) {
    Install_Arabic_Font();
    s = std::make_unique<Started_Main_Window>(QDate(1999, 3, 28), QByteArray(),
                                              database.isEmpty() ? Reading_Fixture_Database() : database);
    Install_Reading_Windows();
    MdlLectarium::Set_Tip_Random_Source([tipDraw] { return tipDraw; });
}

Reading_Session::~Reading_Session() {
    for (QWidget* form : std::initializer_list<QWidget*>{FrmDisplay_Reading::Instance(), FrmPain::Instance(),
                                                         FrmSant::Instance(), FrmDisplay_Bible::Instance(),
                                                         FrmSelect_Day::Instance()})
        if (form)
            Placement_Widget(form)->close();
    Flush_Deletions();
    Set_Day_Show_Targets({});
    MdlLectarium::Set_Tip_Random_Source(nullptr);
    s.reset();
    Flush_Deletions();
}

void Reading_Session::Show_Day(const QDate& date) {
    FrmSelect_Day* chooser = FrmSelect_Day::Show_Window();
    MdlLectarium::Selected_Date = date;
    chooser->CommandShow_Click();
    Flush_Deletions();
}

int Reading_Session::Child_Count() const {
    Flush_Deletions();
    return static_cast<int>(s->window->Mdi_Area()->subWindowList().size());
}
