// The whole-day window: opened from the readings windows and the File menu, showing
// the day, and written by Save as the other text windows are.

#include "app/mdi_lectarium.h"
#include "bible/frm_bible_view.h"
#include "bible/frm_display_bible.h"
#include "bible/frm_view_search.h"
#include "bible/search.h"
#include "calendar/frm_select_day.h"
#include "documents/frm_text.h"
#include "documents/text_file.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_pain.h"
#include "readings/frm_whole_day.h"
#include "shell/child_window.h"
#include "shell/placement.h"
#include "shell/reading_box.h"
#include "shell/text_source.h"
#include "tests/readings/reading_windows.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

class Test_Frm_Whole_Day final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        Flush_Deletions();
        QVERIFY(!FrmWhole_Day::Instance());
    }

    void fromReadingsWindow() {
        Reading_Session r;
        r.Show_Day(QDate(1999, 3, 3));
        QVERIFY(FrmDisplay_Reading::Instance());
        FrmDisplay_Reading::Instance()->findChild<QPushButton*>(QStringLiteral("Command_Whole_Day"))->click();
        FrmWhole_Day* form = FrmWhole_Day::Instance();
        QVERIFY(form);
        const QString text = form->Text1()->Text();
        QVERIFY(text.startsWith(QStringLiteral("قراءات اليوم كاملة\nالأربعاء 3 مارس 1999\n")));
        QVERIFY(text.contains(QStringLiteral("\nالنبوات\nتك 1: 1-3\n1 التكوين 1: 1 نص الآية\n")));

        // Save writes it as it writes the Bible browser: always asking for a name.
        QFocusEvent focus(QEvent::FocusIn);
        QApplication::sendEvent(form->Text1(), &focus);
        QCOMPARE(Active_Text_Source, Whole_Day_Text_Source);
        const QString path = r.s->folder.file(QStringLiteral("day.txt"));
        r.s->dialogs.Answer_Save(path);
        QCOMPARE(Save_Text(), Save_Result::Saved);
        const Text_Read read = Read_Text_File(path);
        QVERIFY(read.ok);
        QVERIFY(read.text.contains(QStringLiteral("\r\nالإنجيل: يو 2: 2\r\n2 يوحنا 2: 2 نص الآية\r\n")));
        QVERIFY(r.s->dialogs.Unexpected().isEmpty());
        Placement_Widget(form)->close();
    }

    // Holy Week: the button of the hours window, then the menu item refills the same window.
    void fromHolyWeekAndMenu() {
        Reading_Session r;
        r.Show_Day(QDate(2000, 4, 26));
        QVERIFY(FrmPain::Instance());
        FrmPain::Instance()->findChild<QPushButton*>(QStringLiteral("Command_Whole_Day"))->click();
        FrmWhole_Day* form = FrmWhole_Day::Instance();
        QVERIFY(form);
        QVERIFY(
            form->Text1()->Text().contains(QStringLiteral("\nالبصخة المقدسة\nباكر يوم الأربعاء: مت 5: 1\n")));
        r.Show_Day(QDate(1999, 3, 3));
        r.s->window->findChild<QAction*>(QStringLiteral("Whole_Day"))->trigger();
        QCOMPARE(FrmWhole_Day::Instance(), form);
        QVERIFY(form->Text1()->Text().contains(QStringLiteral("الأربعاء 3 مارس 1999")));
        Placement_Widget(form)->close();
    }

    // The whole day is the day of the window that opened it, though the chooser has
    // moved on (Home, without Show); the state the windows share stays as it was, so
    // the readings window's rite is still its own.
    void showsTheDayOfItsWindow_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("the readings window's button") << false;
        QTest::newRow("File menu") << true;
    }

    void showsTheDayOfItsWindow() {
        QFETCH(bool, fromMenu);
        Reading_Session r;
        r.Show_Day(QDate(2027, 2, 22)); // Monday of the Nineveh fast
        QVERIFY(FrmDisplay_Reading::Instance());
        FrmSelect_Day::Instance()->CommandToday_Click();
        const Day_State chooser = Current_Day_State();
        QVERIFY(chooser.riteNo == FrmDisplay_Reading::Instance()->Shown_Day().riteNo);
        if (fromMenu)
            r.s->window->findChild<QAction*>(QStringLiteral("Whole_Day"))->trigger();
        else
            FrmDisplay_Reading::Instance()
                ->findChild<QPushButton*>(QStringLiteral("Command_Whole_Day"))
                ->click();
        FrmWhole_Day* form = FrmWhole_Day::Instance();
        QVERIFY(form);
        QVERIFY(form->Text1()->Text().contains(QStringLiteral("22 فبراير 2027")));
        QVERIFY(Current_Day_State() == chooser);
        Placement_Widget(form)->close();
    }

    // In English the window reads left to right and keeps its language as it follows
    // the chooser; the classic entry brings the Arabic day back.
    void inEnglish() {
        Reading_Session r;
        r.Show_Day(QDate(2027, 2, 22)); // Monday of the Nineveh fast
        FrmWhole_Day* form = FrmWhole_Day::Show_Window(Current_Day_State(), Interface_Language::English);
        QCOMPARE(form->layoutDirection(), Qt::LeftToRight);
        QCOMPARE(form->windowTitle(), QStringLiteral("The Readings of the Whole Day"));
        QVERIFY(form->Text1()->Text().contains(QStringLiteral("Monday 22 February 2027\n")));
        QVERIFY(form->Text1()->Text().contains(QStringLiteral("First day of the Fast of Nineveh\n")));
        QVERIFY(form->Print_Html().contains(QStringLiteral("<html lang=\"en\" dir=\"ltr\">")));
        r.Show_Day(QDate(2027, 2, 23));
        QVERIFY(form->Text1()->Text().contains(QStringLiteral("Tuesday 23 February 2027\n")));
        FrmWhole_Day::Show_Window(Current_Day_State(), Interface_Language::Classic);
        QCOMPARE(form->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(form->windowTitle(), Whole_Day_Caption);
        QVERIFY(form->Text1()->Text().contains(QStringLiteral("23 فبراير 2027")));
        Placement_Widget(form)->close();
    }

    // A Show replaces the windows of the day before: the other kind of readings window
    // and the passage of that day close, and an open whole day follows.
    void showReplacesTheDayBefore() {
        Reading_Session r;
        r.Show_Day(QDate(1999, 3, 3));
        FrmDisplay_Reading::Instance()->CommandCeremony_Click();
        QVERIFY(FrmDisplay_Bible::Instance());
        r.s->window->findChild<QAction*>(QStringLiteral("Whole_Day"))->trigger();
        FrmWhole_Day* form = FrmWhole_Day::Instance();
        r.Show_Day(QDate(2000, 4, 26)); // Wednesday of Holy Week
        QVERIFY(FrmPain::Instance());
        QVERIFY(!FrmDisplay_Reading::Instance());
        QVERIFY(!FrmDisplay_Bible::Instance());
        QCOMPARE(FrmWhole_Day::Instance(), form);
        QVERIFY(form->Text1()->Text().contains(QStringLiteral("26 أبريل 2000")));
        r.Show_Day(QDate(1999, 3, 3));
        QVERIFY(!FrmPain::Instance());
        QVERIFY(FrmDisplay_Reading::Instance());
        QVERIFY(form->Text1()->Text().contains(QStringLiteral("3 مارس 1999")));
        Placement_Widget(form)->close();
    }

    // Save stays enabled while the File menu is open over any text window, opened by
    // Alt+F or by the mouse, the window normal or maximised; each window opens inside
    // the frame at the size it asked for.
    void saveThroughTheMenu_data() {
        QTest::addColumn<int>("window"); // 0 whole day, 1 Bible browser, 2 search results, 3 document
        QTest::addColumn<bool>("mouse");
        QTest::addColumn<bool>("maximised");
        const char* names[] = {"whole day", "Bible browser", "search results", "document"};
        for (int window = 0; window < 4; ++window) {
            QTest::addRow("%s, Alt+F", names[window]) << window << false << false;
            QTest::addRow("%s, mouse", names[window]) << window << true << false;
            QTest::addRow("%s, maximised", names[window]) << window << false << true;
        }
    }

    void saveThroughTheMenu() {
        QFETCH(int, window);
        QFETCH(bool, mouse);
        QFETCH(bool, maximised);
        Reading_Session r;
        MDILectarium& main = *r.s->window;
        main.resize(1000, 760);
        QWidget* text = nullptr;
        QWidget* form = nullptr;
        QSize asked;
        switch (window) {
        case 0:
            r.Show_Day(QDate(1999, 3, 3));
            main.findChild<QAction*>(QStringLiteral("Whole_Day"))->trigger();
            form = FrmWhole_Day::Instance();
            text = FrmWhole_Day::Instance()->Text1();
            asked = QSize(To_Pixels(9000), To_Pixels(7000));
            break;
        case 1:
            main.Bible_View_Click();
            form = FrmBible_View::Instance();
            text = FrmBible_View::Instance()->Text1();
            break;
        case 2: {
            Search_Pages pages;
            pages.Add(QStringLiteral("نور (تك  1 :  3)\r\n"));
            Keep_Results(pages);
            form = FrmView_Search::Show_Window();
            text = FrmView_Search::Instance()->Text1();
            break;
        }
        default:
            main.New_Click();
            form = FrmText::Instance();
            text = FrmText::Instance()->Text1();
            asked = QSize(To_Pixels(7200), To_Pixels(5000));
        }
        QWidget* sub = Placement_Widget(form);
        QVERIFY(main.Mdi_Area()->viewport()->rect().contains(sub->geometry()));
        if (asked.isValid())
            QCOMPARE(form->size(), asked);
        if (maximised)
            sub->showMaximized();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        text->setFocus();
        QVERIFY(main.Menu_Item(QStringLiteral("Save"))->isEnabled());
        QMenu* file = main.Menu_Bar_Menu(QStringLiteral("File"));
        if (mouse) {
            QMenuBar* bar = main.menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file->menuAction()).center());
        } else {
            QTest::keyClick(text, Qt::Key_F, Qt::AltModifier);
        }
        QTRY_VERIFY(file->isVisible());
        QVERIFY(main.Menu_Item(QStringLiteral("Save"))->isEnabled());
        QVERIFY(main.Toolbar_Button(8)->isEnabled());
        file->close();
        Placement_Widget(form)->close();
        Flush_Deletions();
    }
};

QTEST_MAIN(Test_Frm_Whole_Day)
#include "test_frm_whole_day.moc"
