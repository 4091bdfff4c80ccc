#include "calendar/date_steps.h"

#include <QtTest>

using namespace MdlLectarium;

Q_DECLARE_METATYPE(MdlLectarium::Date_Step)

class Test_Date_Steps final : public QObject {
    Q_OBJECT

private slots:
    void wrapDistance() { QCOMPARE(QDate(500, 12, 1).daysTo(QDate(5001, 1, 1)), Date_Wrap_Days); }

    void step_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<Date_Step>("step");
        QTest::addColumn<QDate>("to");
        using S = Date_Step;
        // clang-format off
        QTest::newRow("next day") << QDate(1999, 2, 28) << S::Day_Up << QDate(1999, 3, 1);
        QTest::newRow("previous day") << QDate(2000, 3, 1) << S::Day_Down << QDate(2000, 2, 29);
        QTest::newRow("next month from 31 January") << QDate(1999, 1, 31) << S::Month_Left << QDate(1999, 3, 3);
        QTest::newRow("next month from 31 January 2000") << QDate(2000, 1, 31) << S::Month_Left << QDate(2000, 3, 2);
        QTest::newRow("next month in February 2000") << QDate(2000, 2, 10) << S::Month_Left << QDate(2000, 3, 10);
        QTest::newRow("next month in April") << QDate(1999, 4, 30) << S::Month_Left << QDate(1999, 5, 30);
        QTest::newRow("next month in December") << QDate(1999, 12, 15) << S::Month_Left << QDate(2000, 1, 15);
        QTest::newRow("previous month from 31 March") << QDate(1999, 3, 31) << S::Month_Right << QDate(1999, 3, 3);
        QTest::newRow("previous month from 31 March 2000") << QDate(2000, 3, 31) << S::Month_Right << QDate(2000, 3, 2);
        QTest::newRow("previous month from 31 May") << QDate(1999, 5, 31) << S::Month_Right << QDate(1999, 5, 1);
        QTest::newRow("previous month in January") << QDate(1999, 1, 15) << S::Month_Right << QDate(1998, 12, 15);
        QTest::newRow("previous month in July") << QDate(1999, 7, 15) << S::Month_Right << QDate(1999, 6, 15);
        QTest::newRow("next year from 29 February 2000") << QDate(2000, 2, 29) << S::Year_Up << QDate(2001, 3, 1);
        QTest::newRow("next year from 1 March 1999") << QDate(1999, 3, 1) << S::Year_Up << QDate(2000, 3, 1);
        QTest::newRow("next year from 28 February 1999") << QDate(1999, 2, 28) << S::Year_Up << QDate(2000, 2, 28);
        QTest::newRow("previous year from 1 March 2000") << QDate(2000, 3, 1) << S::Year_Down << QDate(1999, 3, 1);
        QTest::newRow("previous year from 29 February 2000") << QDate(2000, 2, 29) << S::Year_Down << QDate(1999, 3, 1);
        QTest::newRow("previous year from February 2001") << QDate(2001, 2, 10) << S::Year_Down << QDate(2000, 2, 10);
        // 1900, 2100 and 5000 have no 29 February, 2000 and 1600 have.
        QTest::newRow("next month in February 2100") << QDate(2100, 2, 1) << S::Month_Left << QDate(2100, 3, 1);
        QTest::newRow("previous month from March 1900") << QDate(1900, 3, 15) << S::Month_Right << QDate(1900, 2, 15);
        QTest::newRow("previous year from March 2100") << QDate(2100, 3, 1) << S::Year_Down << QDate(2099, 3, 1);
        QTest::newRow("next year to 1900") << QDate(1899, 6, 15) << S::Year_Up << QDate(1900, 6, 15);
        QTest::newRow("next year from February 1600") << QDate(1600, 2, 10) << S::Year_Up << QDate(1601, 2, 10);
        // The years 500..5000 wrap round.
        QTest::newRow("previous day from 1 January 5000") << QDate(5000, 1, 1) << S::Day_Down << QDate(4999, 12, 31);
        QTest::newRow("next day from 31 December 5000") << QDate(5000, 12, 31) << S::Day_Up << QDate(500, 12, 1);
        QTest::newRow("previous day from 1 January 500") << QDate(500, 1, 1) << S::Day_Down << QDate(5000, 1, 31);
        QTest::newRow("next month from 15 December 5000") << QDate(5000, 12, 15) << S::Month_Left << QDate(500, 12, 15);
        QTest::newRow("previous month from 15 January 500") << QDate(500, 1, 15) << S::Month_Right << QDate(5000, 1, 15);
        QTest::newRow("next year from March 5000") << QDate(5000, 3, 1) << S::Year_Up << QDate(501, 1, 29);
        QTest::newRow("previous year from February 500") << QDate(500, 2, 1) << S::Year_Down << QDate(4999, 3, 4);
        QTest::newRow("next year to 5000") << QDate(4999, 3, 1) << S::Year_Up << QDate(5000, 3, 1);
        QTest::newRow("previous day inside the range") << QDate(500, 1, 2) << S::Day_Down << QDate(500, 1, 1);
        // clang-format on
    }

    void step() {
        QFETCH(QDate, from);
        QFETCH(Date_Step, step);
        QFETCH(QDate, to);
        QCOMPARE(Step_Date(from, step), to);
    }
};

QTEST_APPLESS_MAIN(Test_Date_Steps)
#include "test_date_steps.moc"
