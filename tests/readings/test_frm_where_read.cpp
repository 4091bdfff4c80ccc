// "Where is this read" (File > "أين تقرأ هذه القراءة"): a window that lists every reading
// of the passage window's reading with its occasion and its days, opens a row's day as
// the day chooser's Show does, and keeps its place in Qt's own settings.

#include "app/mdi_lectarium.h"
#include "base/settings.h"
#include "bible/frm_display_bible.h"
#include "calendar/frm_select_day.h"
#include "calendar/selected_day.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_pain.h"
#include "readings/frm_where_read.h"
#include "shell/child_window.h"
#include "tests/readings/reading_windows.h"

#include <QAction>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

// The passage window with a reading, active, and the File menu's item chosen.
FrmWhere_Read* askWhere(Reading_Session& r, const QString& reference) {
    FrmDisplay_Bible* passage =
        FrmDisplay_Bible::Show_Text(reference, QStringLiteral("2 نص\r\n"), QStringLiteral("القراءة"));
    r.s->window->Mdi_Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(Placement_Widget(passage)));
    r.s->window->findChild<QAction*>(QStringLiteral("Where_Read"))->trigger();
    return FrmWhere_Read::Instance();
}

// The first row whose column holds text.
QTreeWidgetItem* rowWith(FrmWhere_Read* form, int column, const QString& text) {
    const QList<QTreeWidgetItem*> found = form->List_Where()->findItems(text, Qt::MatchContains, column);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

class Test_Frm_Where_Read final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Flush_Deletions(); }

    // Every reading of يو 2: 2 in 2000 with its occasion, office, reading and day.
    void listsTheReadings() {
        Reading_Session r;
        Selected_Date = QDate(2000, 1, 10);
        FrmWhere_Read* form = askWhere(r, QStringLiteral("يو 2: 2"));
        QVERIFY(form);
        QVERIFY(r.s->dialogs.Messages().isEmpty());
        QCOMPARE(form->windowTitle(), QStringLiteral("أين تقرأ هذه القراءة"));
        QCOMPARE(form->Spin_Year()->value(), 2000);
        QCOMPARE(form->List_Where()->topLevelItemCount(), 8);
        // Open at a size that shows every column, as far as the frame allows, inside it.
        const QRect area = r.s->window->Mdi_Area()->viewport()->rect();
        const QRect placed = Placement_Widget(form)->geometry();
        QVERIFY(area.contains(placed));
        QVERIFY(placed.width() >= std::min(form->List_Where()->header()->length(), area.width() - 40));
        const QTreeWidgetItem* sunday = rowWith(form, 0, QStringLiteral("الأحد الأول من توت"));
        QVERIFY(sunday);
        QCOMPARE(sunday->text(1), QStringLiteral("القداس"));
        QCOMPARE(sunday->text(2), QStringLiteral("الإنجيل"));
        QCOMPARE(sunday->text(4), QStringLiteral("الأحد 17 سبتمبر 2000، 7 توت 1717"));
        // Another year is read again in the same window.
        form->Spin_Year()->setValue(2001);
        QCOMPARE(FrmWhere_Read::Instance(), form);
        QVERIFY(rowWith(form, 4, QStringLiteral("2001")));
        QVERIFY(!rowWith(form, 4, QStringLiteral("2000")));
    }

    // A row opens its day as Show does: the readings window, or on a Holy Week day the
    // Holy Week window, and the chooser on that day; a row without a day opens nothing.
    void rowOpensItsDay() {
        Reading_Session r;
        Selected_Date = QDate(2000, 1, 10);
        FrmWhere_Read* form = askWhere(r, QStringLiteral("يو 2: 2"));
        QVERIFY(form);
        form->List_Where_Activated(rowWith(form, 0, QStringLiteral("الأحد الأول من توت")));
        QVERIFY(FrmDisplay_Reading::Instance());
        QCOMPARE(Selected_Date, QDate(2000, 9, 17));
        QVERIFY(FrmSelect_Day::Instance());
        QCOMPARE(FrmSelect_Day::Instance()->DateNormal()->date(), QDate(2000, 9, 17));

        form = askWhere(r, QStringLiteral("يو 1: 3"));
        QTreeWidgetItem* hour = rowWith(form, 0, QStringLiteral("الساعة الثالثة من يوم الأربعاء"));
        QVERIFY(hour);
        form->List_Where_Activated(hour);
        QVERIFY(FrmPain::Instance());
        QCOMPARE(Selected_Date, QDate(2000, 4, 26));
    }

    // The window's place is kept in Qt's settings under its name, as the settings file
    // keeps the places of the others: only while "save window places on exit" is ticked.
    // The settings file keeps its 49 lines.
    void placeInQtSettings() {
        Reading_Session r;
        Selected_Date = QDate(2000, 1, 10);
        const QString key = QStringLiteral("Placement/FrmWhere_Read_Geometry");
        auto closeAt = [&](const QRect& place) {
            FrmWhere_Read* form = askWhere(r, QStringLiteral("يو 2: 2"));
            QVERIFY(form);
            QWidget* window = Placement_Widget(form);
            window->setGeometry(place);
            window->close();
            Flush_Deletions();
            QVERIFY(!FrmWhere_Read::Instance());
        };
        Set_Menu_Checked(Menu_Option::Save_On_Exit, false);
        closeAt(QRect(10, 20, 600, 250));
        QVERIFY(!QSettings(QStringLiteral("Lectarium"), QStringLiteral("Lectarium")).contains(key));
        Set_Menu_Checked(Menu_Option::Save_On_Exit, true);
        const QRect placed(30, 40, 700, 300);
        closeAt(placed);
        QCOMPARE(QSettings(QStringLiteral("Lectarium"), QStringLiteral("Lectarium")).value(key).toRect(),
                 placed);
        QCOMPARE(Settings_Lines().size(), 49);
        QCOMPARE(Placement_Widget(askWhere(r, QStringLiteral("يو 2: 2")))->geometry(), placed);
    }
};

QTEST_MAIN(Test_Frm_Where_Read)
#include "test_frm_where_read.moc"
