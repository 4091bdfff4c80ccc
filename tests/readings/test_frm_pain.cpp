// The Holy Week window over the readings fixture database: opened by the day chooser,
// its list, its first hour on activation, the stored text or the passage, resizing,
// the text appearance on focus and the placement.

#include "app/mdi_lectarium.h"
#include "base/program_files.h"
#include "base/settings.h"
#include "calendar/frm_select_day.h"
#include "calendar/selected_day.h"
#include "readings/frm_pain.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "shell/placement.h"
#include "shell/reading_box.h"
#include "tests/readings/reading_windows.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

QStringList listLines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

} // namespace

class Test_Frm_Pain final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(!FrmPain::Instance()); }

    void fromTheChooser_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("painDay");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("text");
        QTest::newRow("Wednesday") << QDate(2000, 4, 26) << 3
                                   << QStringLiteral("SELECT * FROM Pain WHERE Day =  4")
                                   << QStringList{QStringLiteral("باكر يوم الأربعاء"),
                                                  QStringLiteral("الساعة الثالثة من يوم الأربعاء")}
                                   << QStringLiteral("مت 5: 1")
                                   << QStringLiteral("نص مخزن لباكر الأربعاء\nسطر ثان");
        QTest::newRow("a day without hours")
            << QDate(2000, 4, 28) << 5 << QStringLiteral("SELECT * FROM Pain WHERE Day =  6") << QStringList()
            << QString() << QString();
    }

    void fromTheChooser() {
        QFETCH(QDate, date);
        QFETCH(int, painDay);
        QFETCH(QString, statement);
        QFETCH(QStringList, lines);
        QFETCH(QString, sign);
        QFETCH(QString, text);
        Reading_Session r;
        r.Show_Day(date);
        FrmPain* pain = FrmPain::Instance();
        QVERIFY(pain);
        QCOMPARE(int(Pain_Day), painDay);
        QCOMPARE(pain->Data_Pain().recordSource(), statement);
        QCOMPARE(pain->windowTitle(), QStringLiteral("البصخة المقدسة"));
        QCOMPARE(listLines(pain->List1()), lines);
        QCOMPARE(Reference_Text_Of(pain->Text_Hidder()), sign);
        QCOMPARE(pain->Text_View()->Text(), text);
        QCOMPARE(pain->List1()->font().family(), QStringLiteral("Arabic Transparent"));
        QCOMPARE(pain->Text_Hidder()->font().family(), QStringLiteral("Arabic Transparent"));
        // Show again: one window, built anew.
        const QPointer<FrmPain> first = pain;
        r.Show_Day(date);
        QVERIFY(!first);
        QVERIFY(FrmPain::Instance());
        QCOMPARE(r.Child_Count(), 2);
    }

    void apocalypseCaption() {
        Reading_Session r;
        Season_Day = 7;
        Pain_Day = 6;
        FrmPain* pain = FrmPain::Reload();
        QCOMPARE(pain->windowTitle(), QStringLiteral("أبوغلمســـــــيس"));
        QCOMPARE(pain->Data_Pain().recordSource(), QStringLiteral("SELECT * FROM Pain WHERE Day =  7"));
    }

    // Choosing an hour; stepping to another window and back keeps it; a new opening
    // starts at the first hour. Hour names are shown whole.
    void hoursAndActivation() {
        Reading_Session r;
        r.Show_Day(QDate(2000, 4, 26));
        FrmPain* pain = FrmPain::Instance();
        QCOMPARE(pain->List1()->currentRow(), 0);
        QVERIFY(pain->List1()->wordWrap());
        QCOMPARE(pain->List1()->textElideMode(), Qt::ElideNone);
        pain->List1()->setCurrentRow(1);
        QCOMPARE(Reference_Text_Of(pain->Text_Hidder()), QStringLiteral("يو 1: 3"));
        QCOMPARE(pain->Text_View()->Text(), QStringLiteral("3 يوحنا 1: 3 نص الآية\n"));

        QMdiArea* area = r.s->window->Mdi_Area();
        auto* sub = qobject_cast<QMdiSubWindow*>(Placement_Widget(pain));
        QVERIFY(sub);
        area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(Placement_Widget(FrmSelect_Day::Instance())));
        area->setActiveSubWindow(sub);
        QCOMPARE(pain->List1()->currentRow(), 1);
        QCOMPARE(Reference_Text_Of(pain->Text_Hidder()), QStringLiteral("يو 1: 3"));

        pain = FrmPain::Reload();
        QCOMPARE(pain->List1()->currentRow(), 0);
        QCOMPARE(Reference_Text_Of(pain->Text_Hidder()), QStringLiteral("مت 5: 1"));
        QCOMPARE(pain->Text_View()->Text(), QStringLiteral("نص مخزن لباكر الأربعاء\nسطر ثان"));
    }

    // Enter on an hour shows it and hands the focus to its text; Tab leaves the text.
    void keyboard() {
        Reading_Session r;
        r.Show_Day(QDate(2000, 4, 26));
        FrmPain* pain = FrmPain::Instance();
        QWidget* main = r.s->window.get();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        pain->List1()->setFocus();
        pain->List1()->setCurrentRow(1);
        pain->Text_View()->clear();
        QTest::keyClick(pain->List1(), Qt::Key_Return);
        QCOMPARE(pain->Text_View()->Text(), QStringLiteral("3 يوحنا 1: 3 نص الآية\n"));
        QCOMPARE(QApplication::focusWidget(), pain->Text_View());
        QTest::keyClick(pain->Text_View(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != pain->Text_View());
        QCOMPARE(pain->Text_View()->Text(), QStringLiteral("3 يوحنا 1: 3 نص الآية\n"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        Flush_Deletions();
        QVERIFY(!FrmPain::Instance());
    }

    // At any size the heading takes the text's width and the whole-day button covers
    // neither; nothing reaches past the form.
    void resize_data() {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("outer");
        QTest::newRow("below the smallest") << QSize(100, 80) << QSize(To_Pixels(5970), To_Pixels(4000));
        QTest::newRow("600 x 450") << QSize(600, 450) << QSize(600, 450);
        QTest::newRow("large") << QSize(1500, 900) << QSize(1500, 900);
    }

    void resize() {
        QFETCH(QSize, asked);
        QFETCH(QSize, outer);
        Reading_Session r;
        r.s->window->resize(1700, 1100);
        r.Show_Day(QDate(2000, 4, 26));
        FrmPain* pain = FrmPain::Instance();
        QWidget* window = Placement_Widget(pain);
        window->resize(asked);
        QCOMPARE(window->size(), outer);
        QCOMPARE(pain->List1()->x(), outer.width() - To_Pixels(3375));
        QCOMPARE(pain->List1()->y(), 0);
        QCOMPARE(pain->Text_View()->geometry().topLeft(), QPoint(0, To_Pixels(450)));
        QCOMPARE(pain->Text_View()->width(), outer.width() - To_Pixels(3375));
        QCOMPARE(pain->Text_Hidder()->geometry(), QRect(0, 0, pain->Text_View()->width(), To_Pixels(435)));
        const QRect button = pain->findChild<QPushButton*>(QStringLiteral("Command_Whole_Day"))->geometry();
        for (const QWidget* covered :
             {static_cast<QWidget*>(pain->Text_Hidder()), static_cast<QWidget*>(pain->Text_View()),
              static_cast<QWidget*>(pain->List1())})
            QVERIFY2(!button.intersects(covered->geometry()), qPrintable(covered->objectName()));
        for (const QRect& part : {button, pain->List1()->geometry(), pain->Text_View()->geometry()})
            QVERIFY(pain->rect().contains(part));
        // Minimised: nothing is laid out again.
        window->showMinimized();
        QVERIFY(window->isMinimized());
    }

    // A window its reader never sized uses the frame; one sized keeps its size.
    void usesTheFrame() {
        Reading_Session r;
        r.s->window->resize(1700, 1100);
        r.Show_Day(QDate(2000, 4, 26));
        QWidget* window = Placement_Widget(FrmPain::Instance());
        const QRect room = r.s->window->Mdi_Area()->viewport()->rect();
        QVERIFY(room.contains(window->geometry()));
        QVERIFY(window->width() > room.width() * 9 / 10 && window->height() > room.height() * 9 / 10);
        window->close();
        Flush_Deletions();
        FrmPain_Width = 7500;
        FrmPain_Height = 6000;
        r.Show_Day(QDate(2000, 4, 26));
        QCOMPARE(Placement_Widget(FrmPain::Instance())->size(), QSize(500, 400));
    }

    void appearanceOnFocus() {
        Reading_Session r;
        r.Show_Day(QDate(2000, 4, 26));
        FrmPain* pain = FrmPain::Instance();
        Font_Name = QStringLiteral("Arabic Transparent");
        Font_Size = 19;
        Font_Italic = -1;
        Fore_Color = 255;
        Back_Color = 65280;
        QVERIFY(pain->Text_View()->font().pointSize() != 19);
        QFocusEvent focus(QEvent::FocusIn);
        QApplication::sendEvent(pain->List1(), &focus);
        QCOMPARE(pain->Text_View()->font().pointSize(), 19);
        QVERIFY(pain->Text_View()->font().italic());
        QCOMPARE(pain->Text_View()->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(pain->Text_View()->palette().color(QPalette::Base), QColor(0, 255, 0));
        Font_Size = 11;
        QApplication::sendEvent(pain->Text_Hidder(), &focus);
        QCOMPARE(pain->Text_View()->font().pointSize(), 11);
        // The list and the header keep their own font.
        QCOMPARE(pain->List1()->font().pointSize(), 12);
    }

    void placement() {
        Reading_Session r;
        r.Show_Day(QDate(2000, 4, 26));
        QWidget* window = Placement_Widget(FrmPain::Instance());
        window->setGeometry(20, 10, 500, 400);
        window->close();
        Flush_Deletions();
        QCOMPARE(FrmPain_WindowState, Integer(0));
        QCOMPARE(FrmPain_Left, Integer(300));
        QCOMPARE(FrmPain_Top, Integer(150));
        QCOMPARE(FrmPain_Width, Integer(7500));
        QCOMPARE(FrmPain_Height, Integer(6000));
        r.Show_Day(QDate(2000, 4, 26));
        window = Placement_Widget(FrmPain::Instance());
        QCOMPARE(window->geometry(), QRect(20, 10, 500, 400));
        window->showMaximized();
        window->close();
        Flush_Deletions();
        QCOMPARE(FrmPain_WindowState, Integer(2));
        QCOMPARE(FrmPain_Width, Integer(7500));
        r.Show_Day(QDate(2000, 4, 26));
        QVERIFY(Placement_Widget(FrmPain::Instance())->isMaximized());
    }

    // Without a readable database the window opens empty and says nothing.
    void missingDatabase() {
        Reading_Session r;
        Database_Path = r.s->folder.file(QStringLiteral("none.mdb"));
        Pain_Day = 3;
        Season_Day = 3;
        FrmPain* pain = FrmPain::Reload();
        QCOMPARE(pain->List1()->count(), 0);
        QCOMPARE(pain->Text_View()->Text(), QString());
        QVERIFY(r.s->dialogs.Messages().isEmpty());
        QVERIFY(r.s->dialogs.Unexpected().isEmpty());
    }
};

QTEST_MAIN(Test_Frm_Pain)
#include "test_frm_pain.moc"
