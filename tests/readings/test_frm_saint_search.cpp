// "بحث في السنكسار" over the readings fixture: opened from the File menu, the matches
// with both dates, and a row that opens its day in the day chooser.

#include "calendar/frm_select_day.h"
#include "calendar/selected_day.h"
#include "readings/frm_saint_search.h"
#include "tests/readings/reading_windows.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

class Test_Frm_Saint_Search final : public QObject {
    Q_OBJECT

private slots:
    void find_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("year");
        QTest::addColumn<QStringList>("rows"); // coptic | gregorian | name
        QTest::addColumn<QDate>("opens");
        QTest::newRow("Lazarus, 2027")
            << QStringLiteral("لعازر") << 2027
            << QStringList{QStringLiteral("25 برمهات|3 أبريل 2027|قصة سبت لعازر")} << QDate(2027, 4, 3);
        QTest::newRow("folded, two days")
            << QStringLiteral("يوم") << 2000
            << QStringList{QStringLiteral("5 تـــوت|15 سبتمبر 2000|قصة اليوم الخامس من توت"),
                           QStringLiteral("24 أمشـير|3 مارس 2000|قصة يوم من الصوم")}
            << QDate(2000, 9, 15);
        QTest::newRow("none") << QStringLiteral("مرقس") << 2027 << QStringList() << QDate();
    }

    void find() {
        QFETCH(QString, text);
        QFETCH(int, year);
        QFETCH(QStringList, rows);
        QFETCH(QDate, opens);
        Reading_Session r;
        r.s->window->Menu_Item(QStringLiteral("Saint_Search"))->trigger();
        FrmSaint_Search* form = FrmSaint_Search::Instance();
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("بحث في السنكسار"));
        form->TextName()->setText(text);
        form->SpinYear()->setValue(year);
        form->CommandFind_Click();
        QStringList shown;
        for (int i = 0; i < form->ListFound()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = form->ListFound()->topLevelItem(i);
            shown << item->text(0) + QLatin1Char('|') + item->text(1) + QLatin1Char('|') + item->text(2);
        }
        QCOMPARE(shown, rows);
        QCOMPARE(form->LabelCount()->text(), QStringLiteral("عدد النتائج: %1").arg(rows.size()));
        if (rows.isEmpty())
            return;
        emit form->ListFound()->itemActivated(form->ListFound()->topLevelItem(0), 0);
        QVERIFY(FrmSelect_Day::Instance());
        QCOMPARE(Selected_Date, opens);
        QCOMPARE(FrmSelect_Day::Instance()->DateNormal()->date(), opens);
    }
};

QTEST_MAIN(Test_Frm_Saint_Search)
#include "test_frm_saint_search.moc"
