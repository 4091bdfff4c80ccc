#include "app/mdi_lectarium.h"
#include "base/settings.h"
#include "calendar/frm_select_day.h"
#include "calendar/selected_day.h"
#include "shell/placement.h"
#include "tests/support/scripted_dialogs.h"

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

const QDate today(1999, 3, 28);

QString labelText(const QString& name) {
    return FrmSelect_Day::Instance()->Label(name)->text();
}

// Closes the window and lets it go, as the event loop would.
void unload() {
    if (FrmSelect_Day* form = FrmSelect_Day::Instance())
        form->CommandExit_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Key presses reach the window only while it is the active one.
bool activate(QWidget* form) {
    QWidget* window = form->window();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

struct Show_Log {
    QStringList opened;
    QList<int> painDays;
};

} // namespace

class Test_Frm_Select_Day final : public QObject {
    Q_OBJECT

    Scripted_Dialogs* dialogs_ = nullptr;

private slots:
    void initTestCase() {
        Fill_Name_Tables();
        Set_Today_Source([] { return today; });
    }

    void init() {
        dialogs_ = new Scripted_Dialogs;
        Set_Default_Settings();
        Set_Menu_Checked(Menu_Option::Reset_Date, false);
        Selected_Date = today;
    }

    void cleanup() {
        unload();
        QVERIFY(!FrmSelect_Day::Instance());
        Set_Day_Show_Targets({});
        QVERIFY2(dialogs_->Unexpected().isEmpty(),
                 qPrintable(dialogs_->Unexpected().join(QLatin1Char('\n'))));
        delete dialogs_;
        dialogs_ = nullptr;
    }

    void captions() {
        FrmSelect_Day* form = FrmSelect_Day::Show_Window();
        QCOMPARE(form->windowTitle(), QStringLiteral("Select Day"));
        QCOMPARE(form->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(form->Button(QStringLiteral("ButtonMonth_Left"))->text(), QStringLiteral("الشهر التالى"));
        QCOMPARE(form->Button(QStringLiteral("ButtonMonth_Right"))->text(), QStringLiteral("الشهر السابق"));
        QCOMPARE(form->Button(QStringLiteral("ButtonYear_Down"))->text(), QStringLiteral("السنة السابقة"));
        QCOMPARE(form->Button(QStringLiteral("ButtonYear_Up"))->text(), QStringLiteral("السنة التالية"));
        QCOMPARE(form->Button(QStringLiteral("ButtonDay_Down"))->text(), QStringLiteral("اليوم السابق"));
        QCOMPARE(form->Button(QStringLiteral("ButtonDay_Up"))->text(), QStringLiteral("اليوم التالى"));
        QCOMPARE(form->Button(QStringLiteral("CommandExit"))->text(), QStringLiteral("Exit"));
        QCOMPARE(form->Button(QStringLiteral("CommandShow"))->text(), QStringLiteral("Show"));
        QCOMPARE(labelText(QStringLiteral("LabelNormal")), QStringLiteral("التاريخ الميلادى"));
        QCOMPARE(labelText(QStringLiteral("LabelCoptic")), QStringLiteral("التاريخ القبطى"));
        QCOMPARE(form->Label(QStringLiteral("LabelOccasion"))->font().family(),
                 QStringLiteral("Arabic Transparent"));
        // Fixed size.
        QCOMPARE(form->minimumSize(), form->maximumSize());
    }

    void resetDate_data() {
        QTest::addColumn<bool>("reset");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("Reset Date checked: today") << true << today;
        QTest::newRow("unchecked: the last day chosen") << false << QDate(2000, 1, 7);
    }

    void resetDate() {
        QFETCH(bool, reset);
        QFETCH(QDate, shown);
        Set_Menu_Checked(Menu_Option::Reset_Date, reset);
        Selected_Date = QDate(2000, 1, 7);
        FrmSelect_Day::Show_Window();
        QCOMPARE(Selected_Date, shown);
        QCOMPARE(labelText(QStringLiteral("LabelNormalDay")), QString::number(shown.day()));
        QCOMPARE(labelText(QStringLiteral("LabelNormalYear")), QString::number(shown.year()));
    }

    // 7 January 2000 is 28 Kiahk, Christmas: the title moves the Coptic day to 29,
    // but the window shows the true date.
    void labelsShowTheTrueCopticDate() {
        Selected_Date = QDate(2000, 1, 7);
        FrmSelect_Day::Show_Window();
        QCOMPARE(labelText(QStringLiteral("LabelNormalDay")), QStringLiteral("7"));
        QCOMPARE(labelText(QStringLiteral("LabelNormalMonth")), Month_Names[1]);
        QCOMPARE(labelText(QStringLiteral("LabelNormalYear")), QStringLiteral("2000"));
        QCOMPARE(labelText(QStringLiteral("LabelCopticDay")), QStringLiteral("28"));
        QCOMPARE(labelText(QStringLiteral("LabelCopticMonth")), Coptic_Month_Names[4]);
        QCOMPARE(labelText(QStringLiteral("LabelCopticYear")), QStringLiteral("1716"));
        QCOMPARE(labelText(QStringLiteral("LabelDayName")), Day_Names[6]);
        QCOMPARE(labelText(QStringLiteral("LabelOccasion")), QStringLiteral("عيـــد الميـــــلاد المجيـــد"));
        QCOMPARE(int(Coptic_Day), 29);
    }

    void twoLineTitle() {
        Selected_Date = QDate(1999, 4, 4);
        FrmSelect_Day::Show_Window();
        QCOMPARE(Occasion_Title, QStringLiteral("+\r\nأحـــــــد الشــــعانين"));
        QCOMPARE(labelText(QStringLiteral("LabelOccasion")), QStringLiteral("+\nأحـــــــد الشــــعانين"));
        QCOMPARE(Season_Key, QStringLiteral("Fast"));
    }

    void weekdayColour_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Sunday") << QDate(1999, 3, 28) << QColor(255, 0, 0);
        QTest::newRow("Monday") << QDate(1999, 3, 29) << QColor(0, 128, 0);
    }

    void weekdayColour() {
        QFETCH(QDate, date);
        QFETCH(QColor, colour);
        Selected_Date = date;
        FrmSelect_Day::Show_Window();
        const QLabel* dayName = FrmSelect_Day::Instance()->Label(QStringLiteral("LabelDayName"));
        QCOMPARE(dayName->text(), Day_Names[Weekday_Number(date)]);
        QCOMPARE(dayName->palette().color(QPalette::WindowText), colour);
    }

    void dateButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        // clang-format off
        QTest::newRow("next day") << "ButtonDay_Up" << QDate(1999, 4, 3) << QDate(1999, 4, 4);
        QTest::newRow("previous day") << "ButtonDay_Down" << QDate(5000, 1, 1) << QDate(4999, 12, 31);
        QTest::newRow("next month from 31 January") << "ButtonMonth_Left" << QDate(1999, 1, 31) << QDate(1999, 3, 3);
        QTest::newRow("previous month from 31 March") << "ButtonMonth_Right" << QDate(1999, 3, 31) << QDate(1999, 3, 3);
        QTest::newRow("next year from 29 February 2000") << "ButtonYear_Up" << QDate(2000, 2, 29) << QDate(2001, 3, 1);
        QTest::newRow("previous year from 1 March 2000") << "ButtonYear_Down" << QDate(2000, 3, 1) << QDate(1999, 3, 1);
        // clang-format on
    }

    void dateButtons() {
        QFETCH(QString, button);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        Selected_Date = from;
        FrmSelect_Day* form = FrmSelect_Day::Show_Window();
        QTest::mouseClick(form->Button(button), Qt::LeftButton);
        QCOMPARE(Selected_Date, to);
        QCOMPARE(labelText(QStringLiteral("LabelNormalYear")),
                 QStringLiteral("%1").arg(to.year(), 4, 10, QLatin1Char('0')));
        QCOMPARE(labelText(QStringLiteral("LabelNormalDay")), QString::number(to.day()));
        Integer d = 0, m = 0, y = 0;
        Coptic_Date(to, d, m, y);
        QCOMPARE(labelText(QStringLiteral("LabelCopticYear")), QString::number(y));
    }

    // Show runs the rite and the readings table, then opens the readings window or,
    // on a Holy Week day, the Holy Week window with the day number: one row per table.
    void showDispatch_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("rite");
        QTest::addColumn<int>("painDay");
        // clang-format off
        QTest::newRow("Holy Monday") << QDate(1999, 4, 5) << "pain" << "Pain" << 7 << 1;
        QTest::newRow("Nineveh") << QDate(1999, 2, 2) << "reading" << "Johan" << 9 << 0;
        QTest::newRow("Lent") << QDate(1999, 3, 10) << "reading" << "Fast" << 4 << 0;
        QTest::newRow("Easter") << QDate(1999, 4, 11) << "reading" << "Fifty" << 16 << 0;
        QTest::newRow("ordinary Sunday") << QDate(1999, 10, 17) << "reading" << "Suns" << 7 << 0;
        QTest::newRow("ordinary weekday") << QDate(1999, 10, 18) << "reading" << "Read" << 7 << 0;
        // clang-format on
    }

    void showDispatch() {
        QFETCH(QDate, date);
        QFETCH(QString, opened);
        QFETCH(QString, key);
        QFETCH(int, rite);
        QFETCH(int, painDay);
        Show_Log log;
        Set_Day_Show_Targets({[&log] { log.opened << QStringLiteral("reading"); },
                              [&log] {
                                  log.opened << QStringLiteral("pain");
                                  log.painDays << Pain_Day;
                              }});
        Pain_Day = 0;
        Selected_Date = date;
        FrmSelect_Day* form = FrmSelect_Day::Show_Window();
        QTest::mouseClick(form->Button(QStringLiteral("CommandShow")), Qt::LeftButton);
        QCOMPARE(log.opened, QStringList{opened});
        QCOMPARE(Season_Key, key);
        QCOMPARE(int(Rite_No), rite);
        QCOMPARE(int(Pain_Day), painDay);
        if (opened == QLatin1String("pain"))
            QCOMPARE(log.painDays, QList<int>{painDay});
        // The chooser stays open behind what it opened.
        QCOMPARE(FrmSelect_Day::Instance(), form);
    }

    // Keys through the window, pressed where the focus starts: on Show.
    void keys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        // clang-format off
        QTest::newRow("Left: a day forward, right to left") << int(Qt::Key_Left) << false << QDate(1999, 4, 3) << QDate(1999, 4, 4);
        QTest::newRow("Right: a day back") << int(Qt::Key_Right) << false << QDate(5000, 1, 1) << QDate(4999, 12, 31);
        QTest::newRow("PgDn: next month") << int(Qt::Key_PageDown) << false << QDate(1999, 1, 31) << QDate(1999, 3, 3);
        QTest::newRow("PgUp: previous month") << int(Qt::Key_PageUp) << false << QDate(1999, 3, 31) << QDate(1999, 3, 3);
        QTest::newRow("Ctrl+PgDn: next year") << int(Qt::Key_PageDown) << true << QDate(2000, 2, 29) << QDate(2001, 3, 1);
        QTest::newRow("Ctrl+PgUp: previous year") << int(Qt::Key_PageUp) << true << QDate(2000, 3, 1) << QDate(1999, 3, 1);
        QTest::newRow("Home: today") << int(Qt::Key_Home) << false << QDate(2027, 5, 2) << today;
        // clang-format on
    }

    void keys() {
        QFETCH(int, key);
        QFETCH(bool, ctrl);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        Selected_Date = from;
        FrmSelect_Day* form = FrmSelect_Day::Show_Window();
        QVERIFY(activate(form));
        QCOMPARE(QApplication::focusWidget(), form->Button(QStringLiteral("CommandShow")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        ctrl ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(Selected_Date, to);
        QCOMPARE(labelText(QStringLiteral("LabelNormalDay")), QString::number(to.day()));
        QCOMPARE(form->DateNormal()->date(), to);
    }

    // Enter shows the day wherever the focus is; Escape closes the window.
    void enterShowsEscapeCloses() {
        Show_Log log;
        Set_Day_Show_Targets({[&log] { log.opened << QStringLiteral("reading"); },
                              [&log] { log.opened << QStringLiteral("pain"); }});
        Selected_Date = QDate(1999, 4, 5);
        FrmSelect_Day* form = FrmSelect_Day::Show_Window();
        QVERIFY(activate(form));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(log.opened, QStringList{QStringLiteral("pain")});
        form->DateNormal()->setFocus();
        form->DateNormal()->setDate(QDate(1999, 10, 18));
        QTest::keyClick(form->DateNormal(), Qt::Key_Enter);
        QCOMPARE(log.opened, (QStringList{QStringLiteral("pain"), QStringLiteral("reading")}));
        QCOMPARE(Season_Key, QStringLiteral("Read"));
        QTest::keyClick(form->DateNormal(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!FrmSelect_Day::Instance());
    }

    // The fast of the day under its title, and none on a day without.
    void fastUnderTitle_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("fast");
        QTest::newRow("Lent") << QDate(2027, 3, 10) << QStringLiteral("الصوم الكبير: صوم نباتي بلا سمك");
        QTest::newRow("a Wednesday of the Fifty Days") << QDate(2027, 5, 5) << QString();
    }

    void fastUnderTitle() {
        QFETCH(QDate, date);
        QFETCH(QString, fast);
        Selected_Date = date;
        FrmSelect_Day::Show_Window();
        QCOMPARE(labelText(QStringLiteral("LabelFast")), fast);
    }

    // The date field, the feast list (the feast's name; none: the today button) go
    // straight to a day of the shown Gregorian year; the list names the feast the day is.
    void jumps_data() {
        QTest::addColumn<QString>("feast");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("title");
        // clang-format off
        QTest::newRow("Easter 2027") << "عيد القيامة" << QDate(2027, 1, 1) << QDate(2027, 5, 2) << "+\nعيد القيامة المجيد";
        QTest::newRow("Christmas of the shown year") << "عيد الميلاد" << QDate(2027, 6, 2) << QDate(2027, 1, 7) << "عيـــد الميـــــلاد المجيـــد";
        QTest::newRow("the Assumption") << "عيد صعود جسد العذراء" << QDate(2027, 1, 1) << QDate(2027, 8, 22) << "";
        QTest::newRow("today button") << "" << QDate(2027, 6, 2) << today << "";
        // clang-format on
    }

    void jumps() {
        QFETCH(QString, feast);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, title);
        Selected_Date = from;
        FrmSelect_Day* form = FrmSelect_Day::Show_Window();
        QCOMPARE(form->ComboFeast()->currentIndex(), -1);
        // The rows in the order of the days, each with both dates.
        QComboBox* list = form->ComboFeast();
        for (int i = 1; i < list->count(); ++i)
            QVERIFY(list->itemData(i - 1).toDate() <= list->itemData(i).toDate());
        const int row = list->findText(feast + QStringLiteral(" — "), Qt::MatchStartsWith);
        if (feast.isEmpty()) {
            QTest::mouseClick(form->Button(QStringLiteral("CommandToday")), Qt::LeftButton);
        } else {
            QVERIFY2(row >= 0, qPrintable(feast));
            emit list->activated(row); // as a choice from the open list
        }
        QCOMPARE(Selected_Date, to);
        QCOMPARE(form->DateNormal()->date(), to);
        QCOMPARE(list->currentIndex(), feast.isEmpty() ? list->findData(to) : row);
        if (!title.isEmpty())
            QCOMPARE(labelText(QStringLiteral("LabelOccasion")), title);

        // A date picked in the field is shown at once; the field keeps to 500..5000.
        form->DateNormal()->setDate(QDate(2000, 1, 7));
        QCOMPARE(Selected_Date, QDate(2000, 1, 7));
        QCOMPARE(labelText(QStringLiteral("LabelCopticDay")), QStringLiteral("28"));
        QVERIFY(list->currentText().startsWith(QStringLiteral("عيد الميلاد — 7 يناير 2000 — 28 ")));
        form->DateNormal()->setDate(QDate(5001, 1, 1));
        QCOMPARE(Selected_Date, QDate(5000, 12, 31));
    }

    // A click into the date field and a date typed as people write it: the day is
    // taken at once and the field shows it in its own form. Text that names no day
    // keeps the day, and Enter says what went wrong instead of showing a day.
    void typedDate_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("day");
        QTest::newRow("year first, slashes") << "2027/03/17" << QDate(2027, 3, 17);
        QTest::newRow("ISO") << "2027-03-17" << QDate(2027, 3, 17);
        QTest::newRow("short parts") << "2027-3-7" << QDate(2027, 3, 7);
        QTest::newRow("digits only") << "20270317" << QDate(2027, 3, 17);
        QTest::newRow("as the field shows it") << "17/03/2027" << QDate(2027, 3, 17);
        QTest::newRow("Arabic-Indic digits") << "٢٠٢٧/٠٣/١٧" << QDate(2027, 3, 17);
        QTest::newRow("no such day") << "2027/02/30" << QDate();
        QTest::newRow("two-digit year") << "17/03/27" << QDate();
    }

    void typedDate() {
        QFETCH(QString, typed);
        QFETCH(QDate, day);
        Show_Log log;
        Set_Day_Show_Targets({[&log] { log.opened << Selected_Date.toString(Qt::ISODate); }, {}});
        FrmSelect_Day* form = FrmSelect_Day::Show_Window();
        QVERIFY(activate(form));
        QTest::mouseClick(form->DateNormal(), Qt::LeftButton, {}, form->DateNormal()->rect().center());
        QCOMPARE(QApplication::focusWidget(), form->DateNormal());
        for (const QChar ch : typed) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(form->DateNormal(), &press);
        }
        if (day.isValid()) {
            QCOMPARE(Selected_Date, day);
            QCOMPARE(labelText(QStringLiteral("LabelNormalYear")), QStringLiteral("2027"));
            QTest::keyClick(form->DateNormal(), Qt::Key_Return);
            QCOMPARE(log.opened, QStringList{day.toString(Qt::ISODate)});
        } else {
            dialogs_->Answer_Message(Msg_Answer::Ok);
            QTest::keyClick(form->DateNormal(), Qt::Key_Return);
            QVERIFY(log.opened.isEmpty());
            QCOMPARE(dialogs_->Messages().size(), 1);
            QVERIFY(dialogs_->Messages()[0].text.contains(typed));
        }
        QTest::keyClick(form->DateNormal(), Qt::Key_Tab);
        QCOMPARE(form->DateNormal()->date(), Selected_Date);
    }

    // A Sunday on 29 Baounah reads 29 Baramhat (month 7); a second Show must not take
    // that month for the day's own and change the rite.
    void secondShowGivesTheSame() {
        Selected_Date = QDate(1997, 7, 6);
        FrmSelect_Day* form = FrmSelect_Day::Show_Window();
        form->CommandShow_Click();
        QCOMPARE(int(Rite_No), 12);
        QCOMPARE(Season_Key, QStringLiteral("Read"));
        QCOMPARE(int(Coptic_Month), 7);
        form->CommandShow_Click();
        QCOMPARE(int(Rite_No), 12);
        QCOMPARE(Season_Key, QStringLiteral("Read"));
        QCOMPARE(int(Coptic_Month), 7);
    }

    void showWithoutTargetsOpensNothing() {
        Selected_Date = QDate(1999, 4, 6);
        FrmSelect_Day::Show_Window()->CommandShow_Click();
        QCOMPARE(Season_Key, QStringLiteral("Pain"));
        QCOMPARE(int(Pain_Day), 2);
    }

    // Placement in twips, alone (no main window): restored on load, stored on unload,
    // the geometry only in the normal state.
    void placementAlone() {
        FrmSelect_Day_Top = 1500;
        FrmSelect_Day_Left = 3000;
        FrmSelect_Day* form = FrmSelect_Day::Show_Window();
        QCOMPARE(form->geometry().topLeft(), QPoint(200, 100));
        form->setGeometry(QRect(QPoint(300, 150), form->size()));
        unload();
        QCOMPARE(int(FrmSelect_Day_WindowState), 0);
        QCOMPARE(int(FrmSelect_Day_Top), 2250);
        QCOMPARE(int(FrmSelect_Day_Left), 4500);

        form = FrmSelect_Day::Show_Window();
        form->move(30, 30);
        form->showMinimized();
        unload();
        QCOMPARE(int(FrmSelect_Day_WindowState), 1);
        QCOMPARE(int(FrmSelect_Day_Top), 2250);
        QCOMPARE(int(FrmSelect_Day_Left), 4500);
    }

    // File > Reading in the main frame: one sub-window, placed from the settings;
    // a second command brings the same window back.
    void readingCommandInTheFrame() {
        MDILectarium frame;
        frame.resize(1000, 800);
        frame.show();
        FrmSelect_Day_Top = 600;
        FrmSelect_Day_Left = 900;
        frame.Reading_Click();
        FrmSelect_Day* form = FrmSelect_Day::Instance();
        QVERIFY(form);
        QCOMPARE(frame.Mdi_Area()->subWindowList().size(), 1);
        QMdiSubWindow* sub = frame.Mdi_Area()->subWindowList().first();
        QCOMPARE(sub->widget(), form);
        QCOMPARE(sub->pos(), QPoint(60, 40));

        sub->showMinimized();
        frame.Reading_Click();
        QCOMPARE(FrmSelect_Day::Instance(), form);
        QCOMPARE(frame.Mdi_Area()->subWindowList().size(), 1);
        QVERIFY(!sub->isMinimized());
        QCOMPARE(frame.Mdi_Area()->activeSubWindow(), sub);

        sub->move(75, 45);
        unload();
        QVERIFY(frame.Mdi_Area()->subWindowList().isEmpty());
        QCOMPARE(int(FrmSelect_Day_Top), 675);
        QCOMPARE(int(FrmSelect_Day_Left), 1125);
    }

    // In the Arabic interface's right-to-left frame the same values count from the
    // frame's right edge, both ways.
    void placedFromTheRightInAnArabicFrame() {
        MDILectarium frame;
        frame.setLayoutDirection(Qt::RightToLeft);
        frame.resize(1000, 800);
        frame.show();
        FrmSelect_Day_Top = 600;
        FrmSelect_Day_Left = 900;
        frame.Reading_Click();
        QMdiSubWindow* sub = frame.Mdi_Area()->subWindowList().first();
        const int right = frame.Mdi_Area()->viewport()->width();
        QCOMPARE(sub->y(), 40);
        QCOMPARE(right - sub->geometry().right() - 1, 60);
        sub->move(right - sub->width() - 75, 45);
        unload();
        QCOMPARE(int(FrmSelect_Day_Top), 675);
        QCOMPARE(int(FrmSelect_Day_Left), 1125);
    }
};

QTEST_MAIN(Test_Frm_Select_Day)
#include "test_frm_select_day.moc"
