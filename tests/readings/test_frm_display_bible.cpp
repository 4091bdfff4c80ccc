// The passage window: one at a time, rebuilt at its place, closed by any key, sized
// no smaller than its minimum, the text appearance on its body only.

#include "app/mdi_lectarium.h"
#include "base/settings.h"
#include "bible/frm_display_bible.h"
#include "documents/text_file.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "shell/placement.h"
#include "shell/reading_box.h"
#include "shell/text_source.h"
#include "tests/readings/reading_windows.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

FrmDisplay_Bible* open(const QString& heading = QStringLiteral("يو 3: 16"),
                       const QString& body = QStringLiteral("16 نص\r\n17 نص آخر\r\n")) {
    return FrmDisplay_Bible::Show_Text(heading, body, QStringLiteral("القراءة"));
}

} // namespace

class Test_Frm_Display_Bible final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        Flush_Deletions();
        QVERIFY(!FrmDisplay_Bible::Instance());
    }

    void shows() {
        Reading_Session r;
        FrmDisplay_Bible* form = open();
        QCOMPARE(form->windowTitle(), QStringLiteral("القراءة"));
        QCOMPARE(Reference_Text_Of(form->Text_Sign()), QStringLiteral("يو 3: 16"));
        QCOMPARE(form->Text1()->Text(), QStringLiteral("16 نص\n17 نص آخر\n"));
        QCOMPARE(form->Text_Sign()->width(), To_Pixels(2895));
        QVERIFY(form->Text_Sign()->font().bold());
        QCOMPARE(form->Text_Sign()->font().pointSize(), 12);
        QCOMPARE(form->Text1()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(qobject_cast<QMdiSubWindow*>(form->parentWidget()));
        Placement_Widget(form)->close();
    }

    // The appearance goes on the body only, on opening and on every focus.
    void appearance() {
        Reading_Session r;
        Font_Name = QStringLiteral("Arabic Transparent");
        Font_Size = 16;
        Font_Bold = 0;
        Font_Italic = -1;
        Fore_Color = 255;
        Back_Color = 16776960; // blue and green
        const Integer source = Active_Text_Source;
        FrmDisplay_Bible* form = open();
        QCOMPARE(form->Text1()->font().pointSize(), 16);
        QVERIFY(form->Text1()->font().italic());
        QCOMPARE(form->Text1()->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(form->Text1()->palette().color(QPalette::Base), QColor(0, 255, 255));
        QCOMPARE(form->Text_Sign()->font().pointSize(), 12);
        QVERIFY(!form->Text_Sign()->font().italic());
        Font_Size = 10;
        QFocusEvent focus(QEvent::FocusIn);
        QApplication::sendEvent(form->Text_Sign(), &focus);
        QCOMPARE(form->Text1()->font().pointSize(), 10);
        QCOMPARE(form->Text_Sign()->font().pointSize(), 12);
        // It takes no part in Save.
        QCOMPARE(Active_Text_Source, source);
        Placement_Widget(form)->close();
    }

    void anyKeyCloses_data() {
        QTest::addColumn<bool>("inHeading");
        QTest::addColumn<int>("key");
        QTest::newRow("arrow in the body") << false << int(Qt::Key_Down);
        QTest::newRow("page down in the body") << false << int(Qt::Key_PageDown);
        QTest::newRow("letter in the body") << false << int(Qt::Key_A);
        QTest::newRow("shift in the body") << false << int(Qt::Key_Shift);
        QTest::newRow("escape in the heading") << true << int(Qt::Key_Escape);
        QTest::newRow("letter in the heading") << true << int(Qt::Key_B);
    }

    void anyKeyCloses() {
        QFETCH(bool, inHeading);
        QFETCH(int, key);
        Reading_Session r;
        FrmDisplay_Bible* form = open();
        const int before = r.Child_Count();
        QWidget* target = inHeading ? static_cast<QWidget*>(form->Text_Sign()) : form->Text1();
        QTest::keyClick(target, Qt::Key(key));
        QVERIFY(!FrmDisplay_Bible::Instance());
        QCOMPARE(r.Child_Count(), before - 1);
    }

    // Each opening replaces the window at the place it had.
    void reopensInPlace() {
        Reading_Session r;
        FrmDisplay_Bible* form = open();
        Placement_Widget(form)->setGeometry(25, 35, 420, 310);
        const QPointer<FrmDisplay_Bible> first = form;
        form = open(QStringLiteral("مت 1: 1"), QStringLiteral("1 نص\r\n"));
        Flush_Deletions();
        QVERIFY(!first);
        QCOMPARE(r.Child_Count(), 1);
        QCOMPARE(Reference_Text_Of(form->Text_Sign()), QStringLiteral("مت 1: 1"));
        QCOMPARE(Placement_Widget(form)->geometry(), QRect(25, 35, 420, 310));
        QCOMPARE(FrmDisplay_Bible_Left, Integer(375));
        QCOMPARE(FrmDisplay_Bible_Top, Integer(525));
        QCOMPARE(FrmDisplay_Bible_Width, Integer(6300));
        QCOMPARE(FrmDisplay_Bible_Height, Integer(4650));
        // Closed maximised: it opens maximised, its normal place kept.
        Placement_Widget(form)->showMaximized();
        form = open();
        Flush_Deletions();
        QVERIFY(Placement_Widget(form)->isMaximized());
        QCOMPARE(FrmDisplay_Bible_WindowState, Integer(2));
        QCOMPARE(FrmDisplay_Bible_Width, Integer(6300));
        Placement_Widget(form)->showNormal();
        QCOMPARE(Placement_Widget(form)->geometry(), QRect(25, 35, 420, 310));
        Placement_Widget(form)->close();
    }

    void resize() {
        Reading_Session r;
        FrmDisplay_Bible* form = open();
        QWidget* window = Placement_Widget(form);
        window->resize(120, 90);
        QCOMPARE(window->size(), QSize(To_Pixels(3000), To_Pixels(2500)));
        window->resize(500, 400);
        QCOMPARE(form->Text1()->y(), To_Pixels(420));
        QCOMPARE(form->Text1()->x(), 0);
        QVERIFY(form->Text1()->width() <= 500 - To_Pixels(105));
        QVERIFY(form->rect().contains(form->Text1()->geometry()));
        QCOMPARE(form->Text_Sign()->x(), (500 - To_Pixels(2975)) / 2);
        window->close();
    }
};

QTEST_MAIN(Test_Frm_Display_Bible)
#include "test_frm_display_bible.moc"
