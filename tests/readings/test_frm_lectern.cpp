// The lectern window driven by the keys a clicker sends, through the real window; F5
// and Export Slides on the day of the readings window.

#include "app/mdi_lectarium.h"
#include "calendar/selected_day.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_lectern.h"
#include "readings/frm_pain.h"
#include "readings/frm_whole_day.h"
#include "readings/lectern_paint.h"
#include "shell/reading_box.h"
#include "tests/readings/reading_windows.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>

#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

// The title page, a short reading, a long one over several pages, a short one.
Lectern_Day sampleDay(int columns) {
    Lectern_Day day;
    day.title = QStringLiteral("أحد الشعانين");
    const QString verse = QStringLiteral("طوبى للرجل الذي لم يسلك في مشورة الأشرار وفي طريق الخطاة لم يقف ");
    for (const int rows : {2, 40, 1}) {
        Lectern_Reading reading{
            QStringLiteral("باكر"), QStringLiteral("الإنجيل"), QStringLiteral("يو 1: 1"), {}, {}};
        for (int i = 1; i <= rows; ++i)
            reading.rows.push_back({{{QString::number(i) + QLatin1Char(' ') + verse, Qt::RightToLeft}}});
        day.readings.push_back(reading);
    }
    if (columns == 2)
        Lectern_Add_Beside(day, [](const QString&) {
            QStringList english;
            for (int i = 1; i <= 40; ++i)
                english
                    << QStringLiteral("%1 In the beginning was the Word, and the Word was with God.").arg(i);
            return english;
        });
    return day;
}

QDBusConnection noBus() {
    return QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent"), QStringLiteral("none"));
}

void press(QWidget* form, const QString& token) {
    static const QMap<QString, Qt::Key> keys{
        {"PgDn", Qt::Key_PageDown}, {"PgUp", Qt::Key_PageUp}, {"Space", Qt::Key_Space},
        {"Left", Qt::Key_Left},     {"Right", Qt::Key_Right}, {"Backspace", Qt::Key_Backspace},
        {"Home", Qt::Key_Home},     {"End", Qt::Key_End},     {"Enter", Qt::Key_Return},
        {"B", Qt::Key_B},           {"T", Qt::Key_T},
    };
    if (keys.contains(token))
        QTest::keyClick(form, keys[token]);
    else // a digit, Western or Arabic-Indic, as the keyboard types it
    {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, token);
        QApplication::sendEvent(form, &key);
    }
}

} // namespace

class Test_Frm_Lectern final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        if (FrmLectern* form = FrmLectern::Instance())
            form->close();
        QTRY_VERIFY(!FrmLectern::Instance());
    }

    // Without the desktop's service the reader is told once, not at every showing (the
    // first showing of the run).
    void screenSaverNoteOnce() {
        FrmLectern* form = FrmLectern::Show_Lectern(sampleDay(1), nullptr, noBus());
        QVERIFY(!form->Note().isEmpty());
        form = FrmLectern::Show_Lectern(sampleDay(1), nullptr, noBus());
        QCOMPARE(form->Note(), QString());
    }

    // Expected: a page number, "R<n>" the first page of reading n (from 0), "L" the last.
    void keys_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("page");
        for (const int columns : {1, 2}) {
            const auto row = [columns](const char* name) -> QTestData& {
                return QTest::newRow(qPrintable(
                           QStringLiteral("%1, %2 column(s)").arg(QLatin1String(name)).arg(columns)))
                       << columns;
            };
            row("page down, space and left go on") << QStringList{"PgDn", "Space", "Left"} << "3";
            row("page up, backspace and right go back")
                << QStringList{"End", "PgUp", "Backspace", "Right"} << "L-3";
            row("home") << QStringList{"PgDn", "PgDn", "Home"} << "0";
            row("nothing before the title") << QStringList{"PgUp", "Right"} << "0";
            row("nothing after the last") << QStringList{"End", "PgDn", "Space"} << "L";
            row("a reading's number") << QStringList{"3", "Enter"} << "R2";
            row("arabic-indic digits") << QStringList{"٢", "Enter"} << "R1";
            row("zero is the title") << QStringList{"PgDn", "0", "Enter"} << "0";
            row("no such reading") << QStringList{"PgDn", "9", "Enter"} << "1";
            row("a key between drops the number") << QStringList{"3", "PgDn", "Enter"} << "1";
            row("a turn ends the blank") << QStringList{"B", "PgDn"} << "1";
        }
    }
    void keys() {
        QFETCH(int, columns);
        QFETCH(QStringList, keys);
        QFETCH(QString, page);
        FrmLectern* form = FrmLectern::Show_Lectern(sampleDay(columns), nullptr, noBus());
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const auto& pages = form->Renderer().Pages();
        // The long reading really goes over pages, whole rows each.
        QVERIFY(form->Page_Count() > 5);
        // Each reading's pages take its rows in order, every row once.
        std::vector<int> next(form->Renderer().Day().readings.size(), 0);
        for (const Lectern_Page& shown : pages) {
            if (shown.reading < 0)
                continue;
            QCOMPARE(shown.firstRow, next[size_t(shown.reading)]);
            QVERIFY(shown.rowCount > 0);
            next[size_t(shown.reading)] += shown.rowCount;
        }
        // Beside, the 40 verses of the translation run on past the day's shorter readings.
        QCOMPARE(next, columns == 1 ? (std::vector<int>{2, 40, 1}) : (std::vector<int>{40, 40, 40}));
        for (const QString& key : keys)
            press(form, key);
        int expected = 0;
        if (page.startsWith(QLatin1Char('R')))
            expected = Lectern_First_Page(pages, page.mid(1).toInt());
        else if (page.startsWith(QLatin1Char('L')))
            expected = form->Page_Count() - 1 + page.mid(1).toInt();
        else
            expected = page.toInt();
        QCOMPARE(form->Page(), expected);
        QVERIFY(!form->Blank());
    }

    // The wheel turns; B blanks to black and back; T turns the theme over; Escape leaves.
    void wheelBlankThemeEscape() {
        FrmLectern* form = FrmLectern::Show_Lectern(sampleDay(1), nullptr, noBus());
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QWheelEvent down(QPointF(5, 5), form->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form, &down);
        QCOMPARE(form->Page(), 1);
        const QColor light = Lectern_Dark_On_Light().background;
        QCOMPARE(form->grab().toImage().pixelColor(2, 2), light);
        press(form, QStringLiteral("B"));
        QVERIFY(form->Blank());
        QCOMPARE(form->grab().toImage().pixelColor(2, 2), QColor(Qt::black));
        press(form, QStringLiteral("B"));
        QCOMPARE(form->Page(), 1);
        press(form, QStringLiteral("T"));
        QVERIFY(form->Light_On_Dark());
        QCOMPARE(form->grab().toImage().pixelColor(2, 2), Lectern_Light_On_Dark().background);
        press(form, QStringLiteral("T"));
        QTest::keyClick(form, Qt::Key_Escape);
        QTRY_VERIFY(!FrmLectern::Instance());
    }

    // The File menu's commands take the day of the active readings window; the slides
    // go where the reader names, and a place they cannot go gets a message.
    void fromReadingsWindow() {
        Reading_Session r;
        r.Show_Day(QDate(1999, 3, 3));
        QVERIFY(FrmDisplay_Reading::Instance());
        r.s->window->findChild<QAction*>(QStringLiteral("Lectern"))->trigger();
        FrmLectern* form = FrmLectern::Instance();
        QVERIFY(form);
        QStringList references;
        for (const Lectern_Reading& reading : form->Renderer().Day().readings)
            references << reading.reference;
        QVERIFY2(references.contains(QStringLiteral("تك 1: 1-3")), qPrintable(references.join(' ')));
        form->close();

        QAction* slides = r.s->window->findChild<QAction*>(QStringLiteral("Export_Slides"));
        const QString path = r.s->folder.file(QStringLiteral("day.pdf"));
        r.s->dialogs.Answer_Save(path);
        slides->trigger();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF"));
        QVERIFY(r.s->dialogs.Messages().isEmpty());
        const QString nowhere = r.s->folder.file(QStringLiteral("missing/day.pdf"));
        r.s->dialogs.Answer_Save(nowhere);
        slides->trigger();
        QCOMPARE(r.s->dialogs.Messages().size(), 1);
        QVERIFY(!QFile::exists(nowhere));
        QVERIFY(r.s->dialogs.All_Answered());
    }

    // Each readings window has both commands in its own menu, the text's too, and they
    // take that window's day even when another day is chosen and no window is active.
    void fromTheWindowItself_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("reference");
        QTest::newRow("readings") << "readings" << QDate(1999, 3, 3) << QStringLiteral("تك 1: 1-3");
        QTest::newRow("whole day") << "whole" << QDate(1999, 3, 3) << QStringLiteral("تك 1: 1-3");
        QTest::newRow("Holy Week") << "pain" << QDate(2000, 4, 26) << QStringLiteral("مت 5: 1");
    }

    void fromTheWindowItself() {
        QFETCH(QString, window);
        QFETCH(QDate, date);
        QFETCH(QString, reference);
        Reading_Session r;
        r.Show_Day(date);
        QWidget* form = nullptr;
        Reading_Box* box = nullptr;
        if (window == QLatin1String("readings")) {
            form = FrmDisplay_Reading::Instance();
            box = FrmDisplay_Reading::Instance()->TextData();
        } else if (window == QLatin1String("whole")) {
            FrmDisplay_Reading::Instance()
                ->findChild<QPushButton*>(QStringLiteral("Command_Whole_Day"))
                ->click();
            form = FrmWhole_Day::Instance();
            box = FrmWhole_Day::Instance()->Text1();
        } else {
            form = FrmPain::Instance();
            box = FrmPain::Instance()->Text_View();
        }
        QVERIFY(form && box);
        Selected_Date = QDate(2001, 9, 11);
        r.s->window->Mdi_Area()->setActiveSubWindow(nullptr);

        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box->viewport(), &event);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QStringList captions;
        for (const QAction* action : menu->actions())
            captions << action->text();
        menu->close();
        QVERIFY2(captions.contains(QStringLiteral("عرض على الشاشة")) &&
                     captions.contains(QStringLiteral("Export Slides")),
                 qPrintable(captions.join('|')));

        QAction* lectern = form->findChild<QAction*>(QStringLiteral("Lectern"), Qt::FindDirectChildrenOnly);
        QVERIFY(lectern);
        lectern->trigger();
        QVERIFY(FrmLectern::Instance());
        QStringList references;
        for (const Lectern_Reading& reading : FrmLectern::Instance()->Renderer().Day().readings)
            references << reading.reference;
        QVERIFY2(references.contains(reference), qPrintable(references.join(' ')));
        FrmLectern::Instance()->close();

        const QString path = r.s->folder.file(QStringLiteral("own.pdf"));
        r.s->dialogs.Answer_Save(path);
        form->findChild<QAction*>(QStringLiteral("Export_Slides"), Qt::FindDirectChildrenOnly)->trigger();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF"));
        QVERIFY(r.s->dialogs.Messages().isEmpty());
        QVERIFY(r.s->dialogs.All_Answered());
    }
};

QTEST_MAIN(Test_Frm_Lectern)
#include "test_frm_lectern.moc"
