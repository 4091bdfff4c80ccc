#include "calendar/date_labels.h"
#include "calendar/selected_day.h"

#include <QCalendar>
#include <QtTest>

using namespace MdlLectarium;

class Test_Coptic_Date final : public QObject {
    Q_OBJECT

private slots:
    void knownDates_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::newRow("new year 1715") << QDate(1998, 9, 11) << 1 << 1 << 1715;
        QTest::newRow("last epagomenal day 1714") << QDate(1998, 9, 10) << 5 << 13 << 1714;
        QTest::newRow("sixth epagomenal day 1715") << QDate(1999, 9, 11) << 6 << 13 << 1715;
        QTest::newRow("new year 1716") << QDate(1999, 9, 12) << 1 << 1 << 1716;
        QTest::newRow("Christmas 1999") << QDate(1999, 1, 7) << 29 << 4 << 1715;
        QTest::newRow("7 January 2000") << QDate(2000, 1, 7) << 28 << 4 << 1716;
        QTest::newRow("Christmas 2000") << QDate(2000, 1, 8) << 29 << 4 << 1716;
        QTest::newRow("1 Tobi 1716") << QDate(2000, 1, 10) << 1 << 5 << 1716;
        QTest::newRow("leap day 2000") << QDate(2000, 2, 29) << 21 << 6 << 1716;
        QTest::newRow("30 Amshir") << QDate(2000, 3, 9) << 30 << 6 << 1716;
        QTest::newRow("1 Baramhat") << QDate(2000, 3, 10) << 1 << 7 << 1716;
        QTest::newRow("1 Baramouda") << QDate(2001, 4, 9) << 1 << 8 << 1717;
        QTest::newRow("1 Bashans") << QDate(2001, 5, 9) << 1 << 9 << 1717;
        QTest::newRow("1 Baounah") << QDate(2001, 6, 8) << 1 << 10 << 1717;
        QTest::newRow("1 Abib") << QDate(2001, 7, 8) << 1 << 11 << 1717;
        QTest::newRow("1 Misra") << QDate(2001, 8, 7) << 1 << 12 << 1717;
        QTest::newRow("1 Nasie") << QDate(2001, 9, 6) << 1 << 13 << 1717;
        QTest::newRow("first day of the range") << QDate(1901, 1, 1) << 23 << 4 << 1617;
        QTest::newRow("last day of the range") << QDate(2099, 12, 31) << 21 << 4 << 1816;
        // Where the Julian calendar is 12 or 14 days behind: the new year moves.
        QTest::newRow("new year 1600") << QDate(1883, 9, 11) << 1 << 1 << 1600;
        QTest::newRow("new year 1817") << QDate(2100, 9, 12) << 1 << 1 << 1817;
        QTest::newRow("last epagomenal day 1816") << QDate(2100, 9, 11) << 5 << 13 << 1816;
    }

    void knownDates() {
        QFETCH(QDate, date);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        Integer d = 0, m = 0, y = 0;
        Coptic_Date(date, d, m, y);
        QCOMPARE(d, day);
        QCOMPARE(m, month);
        QCOMPARE(y, year);
    }

    // Every day of the years 500..5000 against a count kept here: from 1 Tout 1
    // (29 August 284 on the Julian calendar, as Qt's Julian calendar places it) the
    // days run through twelve months of 30 days and an epagomenal month of 5 days,
    // 6 in the years before one divisible by 4.
    void everyDayOfTheRange() {
        int ed = 1, em = 1, ey = 1;
        const QDate first(500, 1, 1);
        const QDate last(5000, 12, 31);
        int sixDayYears1901to2099 = 0;
        for (QDate date(284, 8, 29, QCalendar(QCalendar::System::Julian)); date <= last;
             date = date.addDays(1)) {
            if (date >= first) {
                Integer d = 0, m = 0, y = 0;
                Coptic_Date(date, d, m, y);
                if (d != ed || m != em || y != ey)
                    QFAIL(qPrintable(QStringLiteral("%1 gives %2/%3/%4, expected %5/%6/%7")
                                         .arg(date.toString(Qt::ISODate))
                                         .arg(d)
                                         .arg(m)
                                         .arg(y)
                                         .arg(ed)
                                         .arg(em)
                                         .arg(ey)));
            }
            if (em == 13 && ed == 6 && date.year() >= 1901 && date.year() <= 2099)
                ++sixDayYears1901to2099;
            const int monthLength = em < 13 ? 30 : (ey % 4 == 3 ? 6 : 5);
            if (++ed > monthLength) {
                ed = 1;
                if (++em > 13) {
                    em = 1;
                    ++ey;
                }
            }
        }
        QCOMPARE(sixDayYears1901to2099, 50); // 1903 .. 2099, every fourth September
    }

    void weekdayNumberStartsOnSunday_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("weekday");
        QTest::newRow("Sunday") << QDate(1999, 3, 28) << 1;
        QTest::newRow("Monday") << QDate(1999, 3, 29) << 2;
        QTest::newRow("Saturday") << QDate(1999, 4, 3) << 7;
    }

    void weekdayNumberStartsOnSunday() {
        QFETCH(QDate, date);
        QFETCH(int, weekday);
        QCOMPARE(Weekday_Number(date), weekday);
    }

    // The seven labels of a day, the Gregorian year in four digits.
    void dateLabels() {
        Fill_Name_Tables();
        const Day_Labels labels = Date_Labels(QDate(999, 12, 31));
        QCOMPARE((QStringList{labels.dayName, labels.normalDay, labels.normalMonth, labels.normalYear,
                              labels.copticDay, labels.copticMonth, labels.copticYear}),
                 (QStringList{Day_Names[3], QStringLiteral("31"), Month_Names[12], QStringLiteral("0999"),
                              QStringLiteral("29"), Coptic_Month_Names[4], QStringLiteral("716")}));
        QCOMPARE(labels.weekday, 3);
    }

    void nameTablesAsTabled() {
        Fill_Name_Tables();
        QCOMPARE(Day_Names[1], QStringLiteral("الأحـــد"));
        QCOMPARE(Day_Names[7], QStringLiteral("الســبت"));
        QVERIFY(Day_Names[0].isEmpty());
        QCOMPARE(Month_Names[12], QStringLiteral("ديسمبر"));
        QCOMPARE(Coptic_Month_Names[1], QStringLiteral("تـــوت"));
        QCOMPARE(Coptic_Month_Names[13], QStringLiteral("نســـئ"));
        QCOMPARE(Lent_Week_Names[0], QStringLiteral("رفاع الصوم"));
        QCOMPARE(Lent_Week_Names[8], QStringLiteral("الآلام"));
        QCOMPARE(Fifty_Week_Names[0], QStringLiteral("العيد"));
        QCOMPARE(Fifty_Week_Names[7], QStringLiteral("العنصرة"));
        QCOMPARE(Day_Ordinals[2], QStringLiteral("الثانى"));
        QCOMPARE(Ordinal_Names[5], QStringLiteral("الخامس"));
        // Each table spells the same ordinal the same way.
        for (int i = 1; i <= 5; ++i) {
            QCOMPARE(Day_Ordinals[i], Ordinal_Names[i]);
            QCOMPARE(Lent_Week_Names[i], Ordinal_Names[i]);
            QCOMPARE(Fifty_Week_Names[i], Ordinal_Names[i]);
        }
    }
};

QTEST_APPLESS_MAIN(Test_Coptic_Date)
#include "test_coptic_date.moc"
