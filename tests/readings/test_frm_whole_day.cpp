// The whole-day window: opened from the readings windows and the File menu, showing
// the day, and written by Save as the other text windows are.

#include "documents/frm_text.h"
#include "documents/text_file.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_pain.h"
#include "readings/frm_whole_day.h"
#include "shell/child_window.h"
#include "tests/readings/reading_windows.h"

#include <QAction>
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
        const QString text = form->Text1()->toPlainText();
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
        QVERIFY(form->Text1()->toPlainText().contains(
            QStringLiteral("\nالبصخة المقدسة\nباكر يوم الأربعاء: مت 5: 1\n")));
        r.Show_Day(QDate(1999, 3, 3));
        r.s->window->findChild<QAction*>(QStringLiteral("Whole_Day"))->trigger();
        QCOMPARE(FrmWhole_Day::Instance(), form);
        QVERIFY(form->Text1()->toPlainText().contains(QStringLiteral("الأربعاء 3 مارس 1999")));
        Placement_Widget(form)->close();
    }
};

QTEST_MAIN(Test_Frm_Whole_Day)
#include "test_frm_whole_day.moc"
