// The day's readings window driven through the day chooser's Show, over the readings
// fixture database: the filling by season, the double-clicks, the rite and funeral
// buttons, the saint hot spot and the saint window.

#include "base/settings.h"
#include "bible/frm_display_bible.h"
#include "calendar/classify_day.h"
#include "calendar/frm_select_day.h"
#include "calendar/selected_day.h"
#include "lectionary/passage.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_pain.h"
#include "readings/frm_sant.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "shell/placement.h"
#include "shell/reading_box.h"
#include "tests/readings/reading_windows.h"
#include "tests/support/watched_pipe.h"

#include <QClipboard>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

const QString blanks7 = QStringLiteral("       ");

FrmDisplay_Reading* reading() {
    return FrmDisplay_Reading::Instance();
}

QStringList listLines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

// Sends a mouse event to the hot spot at a point in pixels.
void mouseOnImage(QEvent::Type type, const QPoint& at) {
    QLabel* image = reading()->Image_Sant();
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, image->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    QApplication::sendEvent(image, &event);
}

void writePicture(const QString& path) {
    QImage image(60, 80, QImage::Format_RGB32);
    image.fill(QColor(200, 150, 60));
    QVERIFY(image.save(path));
}

} // namespace

class Test_Frm_Display_Reading final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(!reading()); }

    void controls() {
        Reading_Session r;
        r.Show_Day(QDate(1998, 9, 15));
        FrmDisplay_Reading* form = reading();
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Display Reading"));
        QCOMPARE(form->Frame(QStringLiteral("Frame4"))->title(), QStringLiteral(" السنكسار "));
        QCOMPARE(form->Frame(QStringLiteral("Frame2"))->title(), QStringLiteral(" عشية "));
        QCOMPARE(form->Frame(QStringLiteral("Frame1"))->title(), QStringLiteral(" باكر  "));
        QCOMPARE(form->Frame(QStringLiteral("Frame3"))->title(), QStringLiteral(" القداس "));
        QCOMPARE(form->Frame(QStringLiteral("Frame_Fast"))->title(), QStringLiteral(" النبوات "));
        QCOMPARE(form->Button(QStringLiteral("CommandCeremony"))->text(),
                 QStringLiteral("طقـس صـلوات الكنيسـة"));
        QCOMPARE(form->Button(QStringLiteral("Command_Pain"))->text(),
                 QStringLiteral("الجنــــــاز العــــــــام"));
        QCOMPARE(form->Button(QStringLiteral("CommandClose"))->text(), QStringLiteral("Close"));
        const QStringList captions{
            QStringLiteral("المزمور"),   QStringLiteral("الإنجيل"), QStringLiteral("المزمور"),
            QStringLiteral("الإنجيل"),   QStringLiteral("البولس"),  QStringLiteral("الكاثوليكون"),
            QStringLiteral("الإبركسيس"), QStringLiteral("المزمور"), QStringLiteral("الإنجيل")};
        for (int i = 1; i <= 9; ++i) {
            QCOMPARE(form->Label1(i)->text(), captions[i - 1]);
            QLineEdit* box = form->TextFiled(i);
            QCOMPARE(box->font().family(), QStringLiteral("Arabic Transparent"));
            // Read-only, and right to left even for a reference of digits alone: the
            // reference starts (position 0) at its right end.
            QVERIFY(box->isReadOnly());
            box->setText(QStringLiteral("55: 9-11"));
            QCOMPARE(box->cursorPositionAt(QPoint(box->width() - 4, box->height() / 2)), 0);
        }
        QCOMPARE(form->Label(QStringLiteral("LabelOccasion"))->font().family(),
                 QStringLiteral("Arabic Transparent"));
        QCOMPARE(form->List1()->font().family(), QStringLiteral("Arabic Transparent"));
        // A child of the main frame, with the day chooser behind it.
        QVERIFY(qobject_cast<QMdiSubWindow*>(form->parentWidget()));
        QCOMPARE(r.Child_Count(), 2);
    }

    // Every reference reads right to left the same way: the chapter right of the verses,
    // the verse range in its own order ("لو 16: 14-21" as "14-21 :16 لو"). Positions are
    // the middle of the chapter, the first verse and the last verse.
    void referenceLayout_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QList<int>>("middles");
        QTest::newRow("digits alone") << QStringLiteral("55: 10-12") << QList<int>{1, 5, 8};
        QTest::newRow("book") << QStringLiteral("لو 16: 14-21") << QList<int>{4, 8, 11};
        QTest::newRow("book with number") << QStringLiteral("1كو 13: 10-12") << QList<int>{5, 9, 12};
        // The second part of a joined reference, marked after its book as the first is.
        QTest::newRow("joined, second part")
            << QStringLiteral("مت 5: 1 و لو 16: 14-21") << QList<int>{14, 18, 21};
        QTest::newRow("joined, the book kept")
            << QStringLiteral("مت 5: 1 و 16: 14-21") << QList<int>{11, 15, 18};
        // The church's number of a psalm (22) with the stored Hebrew one (23) beside it:
        // the Hebrew number, shown after the Greek, stands to the right of the verses.
        QTest::newRow("psalm, two numbers") << QStringLiteral("مز 23: 1-3") << QList<int>{2, 7, 9};
    }

    void referenceLayout() {
        QFETCH(QString, reference);
        QFETCH(QList<int>, middles);
        QLineEdit box;
        Set_Reference_Box(&box);
        box.resize(400, 30);
        box.setText(Shown_Reference(Church_Psalm_Reference(reference)));
        QCOMPARE(Stored_Psalm_Reference(Reference_Text_Of(&box)), reference);
        QCOMPARE(box.text().contains(QStringLiteral("22 (23)")), reference.startsWith(QStringLiteral("مز")));
        // The x of a cursor position, found by asking the box which position lies under
        // each pixel; the mark after the book shifts the positions behind it by one.
        const int shift = box.text().size() - reference.size();
        const auto xOf = [&](int position) {
            QList<int> xs;
            for (int x = 0; x < box.width(); ++x)
                if (box.cursorPositionAt(QPoint(x, box.height() / 2)) == position)
                    xs.append(x);
            return xs.isEmpty() ? -1 : (xs.first() + xs.last()) / 2;
        };
        const int chapter = xOf(middles[0] + shift);
        const int first = xOf(middles[1] + shift);
        const int last = xOf(middles[2] + shift);
        QVERIFY(chapter >= 0 && first >= 0 && last >= 0);
        QVERIFY2(chapter > first, qPrintable(QStringLiteral("%1 %2").arg(chapter).arg(first)));
        QVERIFY2(first < last, qPrintable(QStringLiteral("%1 %2").arg(first).arg(last)));
        // Copying gives the reference without its display mark.
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Stored_Psalm_Reference(QGuiApplication::clipboard()->text()), reference);
    }

    // A reading of several passages is longer than its box: the box shows its start (the
    // first book at the right end) and the whole reference as its tool tip.
    void longReferenceShowsItsStart() {
        QLineEdit box;
        Set_Reference_Box(&box);
        box.resize(150, 30);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QString reference = QStringLiteral("مت 21: 1-17 و مر 11: 1-11 و لو 19: 29-48 و يو 12: 12-19");
        box.setText(Shown_Reference(reference));
        box.repaint(); // the box scrolls to its cursor when painted
        QCOMPARE(box.cursorPosition(), 0);
        const int atRight = box.cursorPositionAt(QPoint(box.width() - 8, box.height() / 2));
        QVERIFY2(atRight <= 2, qPrintable(QString::number(atRight)));
        QCOMPARE(Plain_Reference(box.toolTip()), reference);
    }

    // Each season through the day chooser's Show.
    void filling_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("vespers");
        QTest::addColumn<bool>("fastShown");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("funeral");
        QTest::addColumn<QString>("occasion");
        const QString vespers = QStringLiteral(" عشية ");
        const QString tip = QStringLiteral("النصيحة رقم 23");
        const QStringList lent{QString(),
                               QString(),
                               QStringLiteral("2: 2"),
                               QStringLiteral("مت 5: 2"),
                               QStringLiteral("1كو 13: 2"),
                               QStringLiteral("كو 1: 2"),
                               QStringLiteral("2: 3"),
                               QStringLiteral("3: 1"),
                               QStringLiteral("يو 2: 2")};
        QStringList lentWithVespers = lent;
        lentWithVespers[0] = QStringLiteral("1: 2");
        lentWithVespers[1] = QStringLiteral("يو 1: 2");
        QTest::newRow("weekday") << QDate(1998, 9, 15)
                                 << QStringLiteral("SELECT * FROM  Year WHERE Month =  1 and Day =  5")
                                 << QStringList{QStringLiteral("2: 2"),      QStringLiteral("يو 1: 3"),
                                                QStringLiteral("3: 2"),      QStringLiteral("مت 5: 4"),
                                                QStringLiteral("1كو 13: 2"), QStringLiteral("كو 1: 2"),
                                                QStringLiteral("2: 3"),      QStringLiteral("1: 3"),
                                                QStringLiteral("يو 2: 2")}
                                 << vespers << false << QStringList() << false << tip;
        QTest::newRow("Nineveh day 4")
            << QDate(1999, 2, 4) << QStringLiteral("SELECT * FROM Jonah WHERE Day =  4")
            << QStringList{QStringLiteral("1: 3"),    QStringLiteral("يو 1: 4"),   QStringLiteral("2: 1"),
                           QStringLiteral("مت 5: 4"), QStringLiteral("1كو 13: 1"), QStringLiteral("كو 1: 1"),
                           QStringLiteral("2: 1"),    QStringLiteral("3: 1"),      QStringLiteral("يو 2: 1")}
            << vespers << true << QStringList() << false << QStringLiteral("فصـــــــح نينوى");
        QTest::newRow("Lent weekday")
            << QDate(1999, 3, 3) << QStringLiteral("SELECT * FROM Fast WHERE Week =  3 and Day =  3") << lent
            << vespers << true
            << QStringList{blanks7 + QStringLiteral("تك 1: 1-3"),
                           blanks7 + QStringLiteral("تك 1: 4"),
                           blanks7 + QStringLiteral("تك 1: 5"),
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7}
            << false << QStringLiteral("اليوم الثالث من الأسبوع الثالث من  الصوم الكبير");
        QTest::newRow("Palm Sunday") << QDate(1999, 4, 4)
                                     << QStringLiteral("SELECT * FROM Fast WHERE Week =  7 and Day =  7")
                                     << lentWithVespers << QStringLiteral(" صلاة المساء ") << false
                                     << QStringList{blanks7 + QStringLiteral("تك 1: 3"),
                                                    blanks7,
                                                    blanks7,
                                                    blanks7,
                                                    blanks7,
                                                    blanks7,
                                                    blanks7,
                                                    blanks7,
                                                    blanks7}
                                     << true << QStringLiteral("+\nأحـــــــد الشــــعانين");
    }

    void filling() {
        QFETCH(QDate, date);
        QFETCH(QString, statement);
        QFETCH(QStringList, boxes);
        QFETCH(QString, vespers);
        QFETCH(bool, fastShown);
        QFETCH(QStringList, entries);
        QFETCH(bool, funeral);
        QFETCH(QString, occasion);
        Reading_Session r;
        r.Show_Day(date);
        FrmDisplay_Reading* form = reading();
        QVERIFY(form);
        QVERIFY(!FrmPain::Instance());
        QCOMPARE(form->Sources().Data_Reading.recordSource(), statement);
        for (int i = 1; i <= 9; ++i)
            QCOMPARE(Reference_Text_Of(form->TextFiled(i)), boxes[i - 1]);
        QCOMPARE(form->Frame(QStringLiteral("Frame2"))->title(), vespers);
        QGroupBox* fast = form->Frame(QStringLiteral("Frame_Fast"));
        QCOMPARE(fast->isVisibleTo(form), fastShown);
        // Every reading the day has can be seen and opened: the prophecies cover no box
        // that holds one (a Nineveh day has both).
        for (int i = 1; i <= 9; ++i) {
            const QLineEdit* box = form->TextFiled(i);
            if (boxes[i - 1].isEmpty())
                continue;
            QVERIFY2(box->isEnabledTo(form), qPrintable(box->objectName()));
            QVERIFY2(!fastShown ||
                         !fast->geometry().intersects(QRect(box->mapTo(form, QPoint()), box->size())),
                     qPrintable(box->objectName()));
        }
        QCOMPARE(listLines(form->List1()), entries);
        QCOMPARE(form->Button(QStringLiteral("Command_Pain"))->isVisibleTo(form), funeral);
        QCOMPARE(form->Label(QStringLiteral("LabelOccasion"))->text(), occasion);
    }

    // The labels show the day as the day chooser does, with the true Coptic date of an eve.
    void datesFromTheChooser() {
        Reading_Session r;
        r.Show_Day(QDate(2000, 1, 6)); // 27 Kiahk, read as the Paramoun, 28 Kiahk
        QCOMPARE(Coptic_Day, Integer(28));
        FrmSelect_Day* chooser = FrmSelect_Day::Instance();
        for (const char* name : {"LabelDayName", "LabelNormalDay", "LabelNormalMonth", "LabelNormalYear",
                                 "LabelCopticDay", "LabelCopticMonth", "LabelCopticYear", "LabelFast"})
            QCOMPARE(reading()->Label(QLatin1String(name))->text(),
                     chooser->Label(QLatin1String(name))->text());
        QCOMPARE(reading()->Label(QStringLiteral("LabelFast"))->text(),
                 QStringLiteral("صوم البرامون: صوم نباتي بلا سمك"));
        QCOMPARE(reading()->Label(QStringLiteral("LabelCopticDay"))->text(), QStringLiteral("27"));
        QCOMPARE(reading()->Label(QStringLiteral("LabelNormalYear"))->text(), QStringLiteral("2000"));
        QCOMPARE(reading()->Label(QStringLiteral("LabelDayName"))->palette().color(QPalette::WindowText),
                 chooser->Label(QStringLiteral("LabelDayName"))->palette().color(QPalette::WindowText));
    }

    void storyAndTitle() {
        {
            Reading_Session r;
            r.Show_Day(QDate(1998, 9, 11));
            QCOMPARE(reading()->TextData()->Text(), QStringLiteral("قصة عيد النيروز\nسطر ثان"));
        }
        // The draw past the last row leaves the label empty.
        Reading_Session past(0.99);
        past.Show_Day(QDate(1998, 9, 15));
        QCOMPARE(reading()->Label(QStringLiteral("LabelOccasion"))->text(), QString());
    }

    // Show again rebuilds the one window at the place it had.
    void showAgainRebuilds() {
        Reading_Session r;
        r.Show_Day(QDate(1998, 9, 15));
        QWidget* window = Placement_Widget(reading());
        window->move(40, 30);
        const QPointer<FrmDisplay_Reading> first = reading();
        r.Show_Day(QDate(1998, 9, 13));
        QVERIFY(!first);
        QCOMPARE(r.Child_Count(), 2);
        QCOMPARE(Reference_Text_Of(reading()->TextFiled(9)), QStringLiteral("يو 2: 1-2"));
        QCOMPARE(Placement_Widget(reading())->pos(), QPoint(40, 30));
        QCOMPARE(FrmDisplay_Reading_Left, Integer(To_Twips(40)));
        QCOMPARE(FrmDisplay_Reading_Top, Integer(To_Twips(30)));
    }

    void close() {
        Reading_Session r;
        r.Show_Day(QDate(2000, 1, 6));
        QVERIFY(Paramoun_Day);
        Placement_Widget(reading())->move(60, 45);
        reading()->Button(QStringLiteral("CommandClose"))->click();
        Flush_Deletions();
        QVERIFY(!reading());
        QVERIFY(!Paramoun_Day);
        QCOMPARE(FrmDisplay_Reading_WindowState, Integer(0));
        QCOMPARE(FrmDisplay_Reading_Left, Integer(900));
        QCOMPARE(FrmDisplay_Reading_Top, Integer(675));
        QCOMPARE(r.Child_Count(), 1);
    }

    // A double click on a box or on its caption, or Enter in the box, opens the passage
    // with the box's prefix.
    void doubleClick_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("way"); // 0 box, 1 caption, 2 Enter in the box
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("body");
        QTest::newRow("Matins psalm box") << QDate(1998, 9, 15) << 3 << 0 << QStringLiteral("مز 3: 2")
                                          << QStringLiteral("2 المزامير 3: 2 نص الآية\n");
        QTest::newRow("Matins psalm, Enter") << QDate(1998, 9, 15) << 3 << 2 << QStringLiteral("مز 3: 2")
                                             << QStringLiteral("2 المزامير 3: 2 نص الآية\n");
        QTest::newRow("Matins psalm caption") << QDate(1998, 9, 15) << 3 << 1 << QStringLiteral("مز 3: 2")
                                              << QStringLiteral("2 المزامير 3: 2 نص الآية\n");
        QTest::newRow("gospel, no prefix")
            << QDate(1998, 9, 11) << 4 << 2 << QStringLiteral("مت 5: 1-3")
            << QStringLiteral("1 متى 5: 1 نص الآية\n2 متى 5: 2 نص الآية\n3 متى 5: 3 نص الآية\n");
    }

    void doubleClick() {
        QFETCH(QDate, date);
        QFETCH(int, index);
        QFETCH(int, way);
        QFETCH(QString, heading);
        QFETCH(QString, body);
        Reading_Session r;
        r.s->window->resize(1240, 900); // room for the passage beside the readings
        r.Show_Day(date);
        if (way == 1)
            QTest::mouseDClick(reading()->Label1(index), Qt::LeftButton);
        else if (way == 0)
            QTest::mouseDClick(reading()->TextFiled(index), Qt::LeftButton);
        else
            QTest::keyClick(reading()->TextFiled(index), Qt::Key_Return);
        FrmDisplay_Bible* passage = FrmDisplay_Bible::Instance();
        QVERIFY(passage);
        QCOMPARE(passage->windowTitle(), QStringLiteral("القراءة"));
        // A reference that starts with its book shows a display mark after it; the passage
        // is found all the same.
        const QString shown = reading()->TextFiled(index)->text();
        QCOMPARE(shown.contains(QChar(0x200F)), !shown.at(0).isDigit());
        QCOMPARE(Reference_Text_Of(passage->Text_Sign()), heading);
        QCOMPARE(passage->Text1()->Text(), body);
        QVERIFY(r.s->dialogs.Messages().isEmpty());
        // Beside the reading boxes, never over them, and read-only.
        QVERIFY(!Placement_Widget(passage)->geometry().intersects(Placement_Widget(reading())->geometry()));
        QVERIFY(passage->Text1()->isReadOnly());
        QVERIFY(passage->Text_Sign()->isReadOnly());
    }

    // A reading of several passages: a display mark after each part's book, and the
    // double click shows every passage, another book under its name and chapter.
    void doubleClickJoined() {
        Reading_Session r;
        r.s->window->resize(1240, 900);
        r.Show_Day(QDate(1998, 9, 11));
        QLineEdit* box = reading()->TextFiled(9);
        box->setText(Shown_Reference(QStringLiteral("مت 5: 1 و يو 2: 1-2")));
        QCOMPARE(box->text().count(QChar(0x200F)), 2);
        QTest::mouseDClick(box, Qt::LeftButton);
        FrmDisplay_Bible* passage = FrmDisplay_Bible::Instance();
        QVERIFY(passage);
        QCOMPARE(Reference_Text_Of(passage->Text_Sign()), QStringLiteral("مت 5: 1 و يو 2: 1-2"));
        QCOMPARE(passage->Text1()->Text(),
                 QStringLiteral("1 متى 5: 1 نص الآية\n\nيوحنا\nالأصحاح رقم   2\n1 يوحنا 2: 1 نص الآية\n"
                                "2 يوحنا 2: 2 نص الآية\n"));
        QVERIFY(r.s->dialogs.Messages().isEmpty());
    }

    // The keyboard alone: the focus starts on the first reading that shows, Tab walks
    // the boxes in order to the prophecies, Enter opens the focused prophecy, Escape
    // closes the passage window and then the readings window.
    void keyboard() {
        Reading_Session r;
        r.Show_Day(QDate(1999, 3, 3)); // the prophecies cover the Vespers boxes
        QWidget* main = r.s->window.get();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QMdiArea* area = r.s->window->Mdi_Area();
        area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(Placement_Widget(reading())));
        QCOMPARE(QApplication::focusWidget(), reading()->TextFiled(3));
        for (int i = 4; i <= 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), reading()->TextFiled(i));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), reading()->List1());
        reading()->List1()->setCurrentRow(0);
        QTest::keyClick(reading()->List1(), Qt::Key_Enter);
        FrmDisplay_Bible* passage = FrmDisplay_Bible::Instance();
        QVERIFY(passage);
        QCOMPARE(Reference_Text_Of(passage->Text_Sign()), QStringLiteral("تك 1: 1-3"));

        area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(Placement_Widget(passage)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        Flush_Deletions();
        QVERIFY(!FrmDisplay_Bible::Instance());
        area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(Placement_Widget(reading())));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        Flush_Deletions();
        QVERIFY(!reading());
        QCOMPARE(r.Child_Count(), 1); // the chooser stays
    }

    // A second reading replaces the first window at its place when that place is clear
    // of the readings; one put over them moves beside them again, inside the frame.
    void secondReadingReplaces() {
        Reading_Session r;
        r.s->window->resize(1240, 900);
        r.Show_Day(QDate(1998, 9, 15));
        reading()->TextFiled_DblClick(2);
        const QPointer<FrmDisplay_Bible> first = FrmDisplay_Bible::Instance();
        QVERIFY(first);
        const QRect readings = Placement_Widget(reading())->geometry();
        const QRect clear(readings.right() + 10, 20, 400, 300);
        Placement_Widget(first)->setGeometry(clear);
        reading()->TextFiled_DblClick(4);
        Flush_Deletions();
        QVERIFY(!first);
        FrmDisplay_Bible* second = FrmDisplay_Bible::Instance();
        QCOMPARE(Reference_Text_Of(second->Text_Sign()), QStringLiteral("مت 5: 4"));
        QCOMPARE(Placement_Widget(second)->geometry(), clear);
        QCOMPARE(r.Child_Count(), 3); // chooser, readings, one passage window

        Placement_Widget(second)->setGeometry(readings.left() + 20, readings.top() + 20, 400, 300);
        r.s->window->resize(700, 600); // no room on either side
        reading()->TextFiled_DblClick(2);
        QWidget* third = Placement_Widget(FrmDisplay_Bible::Instance());
        const QRect area = r.s->window->Mdi_Area()->viewport()->rect();
        QVERIFY2(area.left() <= third->x() && third->geometry().right() <= area.right(),
                 qPrintable(QStringLiteral("%1 outside %2").arg(third->x()).arg(area.width())));
    }

    void emptyBox_data() {
        QTest::addColumn<bool>("messages");
        QTest::newRow("messages on") << true;
        QTest::newRow("messages off") << false;
    }

    void emptyBox() {
        QFETCH(bool, messages);
        Reading_Session r;
        Set_Menu_Checked(Menu_Option::Massage, messages);
        r.Show_Day(QDate(1999, 3, 3)); // a Lent weekday: no Vespers readings
        QCOMPARE(Reference_Text_Of(reading()->TextFiled(2)), QString());
        if (messages)
            r.s->dialogs.Answer_Message(Msg_Answer::Ok);
        QTest::mouseDClick(reading()->TextFiled(2), Qt::LeftButton);
        QVERIFY(!FrmDisplay_Bible::Instance());
        QCOMPARE(r.s->dialogs.Messages().size(), messages ? 1 : 0);
        if (messages) {
            const Scripted_Dialogs::Message_Call& call = r.s->dialogs.Messages().front();
            QCOMPARE(call.text, QStringLiteral("لا يوجد ملف "));
            QCOMPARE(call.caption, QStringLiteral("القراءة"));
            QCOMPARE(call.buttons, Msg_Buttons::Ok);
            QCOMPARE(call.icon, Msg_Icon::Exclamation);
        }
        QVERIFY(r.s->dialogs.Unexpected().isEmpty());
    }

    void prophecyDoubleClick() {
        Reading_Session r;
        Set_Menu_Checked(Menu_Option::Massage, true);
        r.Show_Day(QDate(1999, 3, 3));
        QListWidget* list = reading()->List1();
        list->setCurrentRow(0);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                           list->visualItemRect(list->item(0)).center());
        FrmDisplay_Bible* passage = FrmDisplay_Bible::Instance();
        QVERIFY(passage);
        QCOMPARE(Reference_Text_Of(passage->Text_Sign()), QStringLiteral("تك 1: 1-3"));
        QCOMPARE(passage->windowTitle(), QStringLiteral("القراءة"));
        QCOMPARE(passage->Text1()->Text(), QStringLiteral("1 التكوين 1: 1 نص الآية\n2 التكوين 1: 2 نص "
                                                          "الآية\n3 التكوين 1: 3 نص الآية\n"));
        // An empty entry shows nothing, messages or not.
        Placement_Widget(passage)->close();
        Flush_Deletions();
        list->setCurrentRow(4);
        reading()->List1_DblClick();
        QVERIFY(!FrmDisplay_Bible::Instance());
        QVERIFY(r.s->dialogs.Messages().isEmpty());
    }

    void rite() {
        Reading_Session r;
        r.Show_Day(QDate(1999, 3, 3));
        QCOMPARE(Rite_No, Integer(4));
        reading()->Button(QStringLiteral("CommandCeremony"))->click();
        FrmDisplay_Bible* passage = FrmDisplay_Bible::Instance();
        QVERIFY(passage);
        QCOMPARE(passage->windowTitle(), QStringLiteral("الطقـس"));
        QCOMPARE(Reference_Text_Of(passage->Text_Sign()), QStringLiteral("طقس أيام الصوم"));
        QCOMPARE(passage->Text1()->Text(), QStringLiteral("الفقرة الأولى من طقس الصوم\nالفقرة الثانية من طقس "
                                                          "الصوم\nالفقرة الثالثة من طقس الصوم\n"));
        // A rite without rows: the window with nothing in it.
        Day_State day = Current_Day_State();
        day.riteNo = 5;
        Set_Day_State(day);
        FrmDisplay_Reading::Reload()->CommandCeremony_Click();
        Flush_Deletions();
        passage = FrmDisplay_Bible::Instance();
        QCOMPARE(Reference_Text_Of(passage->Text_Sign()), QString());
        QCOMPARE(passage->Text1()->Text(), QString());
        QCOMPARE(r.Child_Count(), 3);
    }

    void funeralTwice() {
        Reading_Session r;
        r.Show_Day(QDate(1999, 4, 4));
        QPushButton* funeral = reading()->Button(QStringLiteral("Command_Pain"));
        QVERIFY(funeral->isVisible());
        funeral->click();
        funeral->click();
        Flush_Deletions();
        FrmPain* pain = FrmPain::Instance();
        QVERIFY(pain);
        QCOMPARE(r.Child_Count(), 3); // chooser, readings, one Holy Week window
        QCOMPARE(pain->Shown_Day().painDay, Integer(0));
        QCOMPARE(pain->windowTitle(), QStringLiteral("البصخة المقدسة"));
        QCOMPARE(pain->Data_Pain().recordSource(), QStringLiteral("SELECT * FROM Pain WHERE Day = 1 "));
        QCOMPARE(listLines(pain->List1()),
                 (QStringList{QStringLiteral("باكر يوم الأحد"), QStringLiteral("الساعة الثالثة"),
                              QStringLiteral("الساعة السادسة")}));
        QCOMPARE(Reference_Text_Of(pain->Text_Hidder()), QStringLiteral("يو 1: 1-2"));
        QCOMPARE(pain->Text_View()->Text(), QStringLiteral("1 يوحنا 1: 1 نص الآية\n2 يوحنا 1: 2 نص الآية\n"));
        pain->List1()->setCurrentRow(2);
        QCOMPARE(Reference_Text_Of(pain->Text_Hidder()), QStringLiteral("1كو 13: 1"));
        QCOMPARE(pain->Text_View()->Text(), QStringLiteral("نص مخزن للساعة السادسة"));
    }

    // The picture follows the hot spot, lit and unlit; where its bounds lie is the
    // table of Hot_Spot_Centre in test_day_readings.
    void hotSpotBounds_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("lit");
        QTest::newRow("centre") << 450 << 550 << true;
        QTest::newRow("x = 650") << 650 << 550 << false;
    }

    void hotSpotBounds() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, lit);
        Reading_Session r;
        r.Show_Day(QDate(1998, 9, 15));
        reading()->Image_Sant_MouseMove(0, 0, 450, 550);
        QVERIFY(reading()->Hot_Spot_Lit());
        reading()->Image_Sant_MouseMove(0, 0, x, y);
        QCOMPARE(reading()->Hot_Spot_Lit(), lit);
        QCOMPARE(reading()->Image_Sant()->pixmap().toImage(),
                 (lit ? FrmDisplay_Reading::Image_On() : FrmDisplay_Reading::Image_Off()).toImage());
    }

    void hotSpotAndSaint() {
        Reading_Session r;
        writePicture(r.s->folder.file(QStringLiteral("saint_1_5.png")));
        r.Show_Day(QDate(1998, 9, 15));
        QVERIFY(FrmDisplay_Reading::Image_On().toImage() != FrmDisplay_Reading::Image_Off().toImage());
        QVERIFY(!reading()->Hot_Spot_Lit());
        mouseOnImage(QEvent::MouseMove, QPoint(30, 36)); // 450, 540 twips
        QVERIFY(reading()->Hot_Spot_Lit());
        mouseOnImage(QEvent::MouseMove, QPoint(2, 2));
        QVERIFY(!reading()->Hot_Spot_Lit());
        mouseOnImage(QEvent::MouseMove, QPoint(30, 36));
        QVERIFY(reading()->Hot_Spot_Lit());
        // A click opens the saint window and puts the normal look back at once.
        mouseOnImage(QEvent::MouseButtonRelease, QPoint(30, 36));
        QVERIFY(!reading()->Hot_Spot_Lit());
        FrmSant* sant = FrmSant::Instance();
        QVERIFY(sant);
        QCOMPARE(sant->windowTitle(), QStringLiteral("Sant"));
        QVERIFY(sant->Has_Picture());
        QVERIFY(!sant->Image_Sant()->pixmap().isNull());
        QVERIFY(!sant->Label1()->isVisibleTo(sant));
        QCOMPARE(sant->Text1()->Text(), QStringLiteral("نص عن قديس اليوم"));
        // A second click refills the same window.
        reading()->Image_Sant_MouseUp(1, 0, 0, 0);
        QCOMPARE(FrmSant::Instance(), sant);
        QCOMPARE(r.Child_Count(), 3);
    }

    // The saint fields are read back with the keys of the row the window loaded, even
    // after the day chooser has moved on.
    void saintAfterTheDateMoved() {
        Reading_Session r;
        r.Show_Day(QDate(1998, 9, 15));
        FrmSelect_Day::Instance()->ButtonMonth_Left_Click();
        QVERIFY(Coptic_Month != 1);
        reading()->Image_Sant_MouseUp(1, 0, 450, 550);
        QCOMPARE(FrmSant::Instance()->Text1()->Text(), QStringLiteral("نص عن قديس اليوم"));
    }

    // No picture file, or a named pipe of its name, which is never opened for reading
    // (the window would wait for a writer).
    void missingPicture_data() {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("no file") << false;
        QTest::newRow("named pipe") << true;
    }

    void missingPicture() {
        QFETCH(bool, pipe);
        Reading_Session r;
        std::unique_ptr<Watched_Pipe> watched;
        if (pipe)
            watched = std::make_unique<Watched_Pipe>(r.s->folder.file(QStringLiteral("missing_picture.png")));
        r.Show_Day(QDate(1998, 9, 11)); // names missing_picture.png
        reading()->Image_Sant_MouseMove(0, 0, 450, 550);
        QVERIFY(reading()->Hot_Spot_Lit());
        reading()->Image_Sant_MouseUp(1, 0, 450, 550);
        FrmSant* sant = FrmSant::Instance();
        QVERIFY(sant);
        QVERIFY(!sant->Has_Picture());
        QVERIFY(sant->Label1()->isVisibleTo(sant));
        QCOMPARE(sant->Label1()->text(), QStringLiteral("لا توجد  صورة"));
        QCOMPARE(sant->Text1()->Text(), QStringLiteral("نص عن شهداء النيروز"));
        if (watched)
            QCOMPARE(watched->Readers(), 0);
    }

    void shortOrNullPictureName_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("three characters") << QDate(1999, 3, 3) << QStringLiteral("نص قصير");
        QTest::newRow("Null") << QDate(1999, 4, 3) << QString();
        QTest::newRow("no story row") << QDate(1998, 9, 17) << QString();
    }

    void shortOrNullPictureName() {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        Reading_Session r;
        r.Show_Day(date);
        reading()->Image_Sant_MouseMove(0, 0, 450, 550);
        QVERIFY(!reading()->Hot_Spot_Lit());
        // The click still opens the saint window.
        reading()->Image_Sant_MouseUp(1, 0, 450, 550);
        FrmSant* sant = FrmSant::Instance();
        QVERIFY(sant);
        QVERIFY(sant->Label1()->isVisibleTo(sant));
        QCOMPARE(sant->Text1()->Text(), text);
    }

    void saintAppearance() {
        Reading_Session r;
        Font_Name = QStringLiteral("Arabic Transparent");
        Font_Size = 17;
        Font_Bold = -1;
        Font_Italic = 0;
        Fore_Color = 255;
        r.Show_Day(QDate(1998, 9, 15));
        reading()->Image_Sant_MouseUp(1, 0, 0, 0);
        const Reading_Box* text = FrmSant::Instance()->Text1();
        QCOMPARE(text->font().pointSize(), 17);
        QVERIFY(text->font().bold());
        QVERIFY(!text->font().italic());
        QCOMPARE(text->palette().color(QPalette::Text), QColor(255, 0, 0));
        FrmSant::Instance()->Command_Close()->click();
        Flush_Deletions();
        QVERIFY(!FrmSant::Instance());
    }
};

QTEST_MAIN(Test_Frm_Display_Reading)
#include "test_frm_display_reading.moc"
