// Options > the church year: the evening hour that Home and the chooser honour, and the
// patron saint, picked from the synaxarium, whose days the feast list then shows.

#include "app/frm_church_year.h"
#include "app/mdi_lectarium.h"
#include "calendar/frm_select_day.h"
#include "calendar/reader_days.h"
#include "calendar/selected_day.h"
#include "tests/readings/reading_windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

// The feast list's row naming text, with its date; an empty row when there is none.
std::pair<QString, QDate> feastRow(const QString& text) {
    const QComboBox* list = FrmSelect_Day::Instance()->ComboFeast();
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i).contains(text))
            return {list->itemText(i), list->itemData(i).toDate()};
    return {};
}

} // namespace

class Test_Frm_Church_Year final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        Set_Clock_Source(nullptr);
        Store_Evening_Hour(-1);
        Store_Patron_Days({});
    }

    void eveningHour_data() {
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("hour");
        QTest::addColumn<QTime>("clock");
        QTest::addColumn<int>("ahead");
        QTest::newRow("off: the calendar day, late at night") << false << 18 << QTime(23, 30) << 0;
        QTest::newRow("on, before the hour") << true << 18 << QTime(17, 59) << 0;
        QTest::newRow("on, from the hour: Vespers of the next day") << true << 18 << QTime(18, 0) << 1;
    }

    void eveningHour() {
        QFETCH(bool, on);
        QFETCH(int, hour);
        QFETCH(QTime, clock);
        QFETCH(int, ahead);
        Reading_Session r;
        Set_Clock_Source([clock] { return clock; });
        {
            FrmChurch_Year form(r.s->window.get());
            form.CheckEvening()->setChecked(on);
            form.SpinEvening()->setValue(hour);
            form.CommandOK_Click();
        }
        FrmSelect_Day* chooser = FrmSelect_Day::Show_Day(Today().addDays(-40));
        chooser->CommandToday_Click();
        QCOMPARE(Selected_Date, Today().addDays(ahead));
        // Kept for the next run, and shown as kept.
        FrmChurch_Year again(r.s->window.get());
        QCOMPARE(again.CheckEvening()->isChecked(), on);
        QCOMPARE(again.SpinEvening()->isEnabled(), on);
    }

    void patronInTheFeastList() {
        Reading_Session r;
        FrmSelect_Day::Show_Day(QDate(2027, 1, 10));
        {
            FrmChurch_Year form(r.s->window.get());
            form.TextName()->setText(QStringLiteral("لعازر"));
            form.CommandFind_Click();
            QCOMPARE(form.ListFound()->count(), 1);
            form.ListFound()->item(0)->setSelected(true);
            QVERIFY(form.LabelPatron()->text().contains(QStringLiteral("قصة سبت لعازر")));
            form.CommandOK_Click();
        }
        FrmSelect_Day::Show_Day(QDate(2027, 1, 11));
        QCOMPARE(feastRow(QStringLiteral("قصة سبت لعازر")).second, QDate(2027, 4, 3));

        FrmChurch_Year form(r.s->window.get());
        QVERIFY(form.LabelPatron()->text().contains(QStringLiteral("قصة سبت لعازر")));
        form.CommandNo_Patron_Click();
        form.CommandOK_Click();
        FrmSelect_Day::Show_Day(QDate(2027, 1, 12));
        QVERIFY(feastRow(QStringLiteral("لعازر")).first.isEmpty());
    }
};

QTEST_MAIN(Test_Frm_Church_Year)
#include "test_frm_church_year.moc"
