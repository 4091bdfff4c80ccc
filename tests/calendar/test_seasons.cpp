#include "calendar/classify_day.h"
#include "calendar/day_title.h"
#include "calendar/seasons.h"
#include "calendar/selected_day.h"

#include <QCalendar>
#include <QtTest>

using namespace MdlLectarium;

namespace {

// The Julian Easter by the Meeus formulas, an independent route to the same
// Alexandrian computus: a date on the Julian calendar, read back as a Gregorian one.
QDate julianEaster(int year) {
    const int a = year % 4;
    const int b = year % 7;
    const int c = year % 19;
    const int d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    const int month = (d + e + 114) / 31;
    const int day = (d + e + 114) % 31 + 1;
    return QDate(year, month, day, QCalendar(QCalendar::System::Julian));
}

void resetState() {
    Season_Week = 0;
    Season_Day = 0;
    Paramoun_Day = false;
    Nineveh_Eve = false;
    Season_Key.clear();
    Occasion_Title.clear();
}

// Display the date, then Show: what the day chooser runs.
void showDay(const QDate& date) {
    Classify_Day(date, Day_Stage::Shown);
}

} // namespace

class Test_Seasons final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Fill_Name_Tables(); }
    void init() { resetState(); }

    void easterListed_data() {
        QTest::addColumn<int>("copticYear");
        QTest::addColumn<QDate>("easter");
        QTest::newRow("1714") << 1714 << QDate(1998, 4, 19);
        QTest::newRow("1715") << 1715 << QDate(1999, 4, 11);
        QTest::newRow("1716, full moon on a Sunday") << 1716 << QDate(2000, 4, 30);
        QTest::newRow("1717") << 1717 << QDate(2001, 4, 15);
        QTest::newRow("1718, full moon on 1 May") << 1718 << QDate(2002, 5, 5);
    }

    void easterListed() {
        QFETCH(int, copticYear);
        QFETCH(QDate, easter);
        QCOMPARE(Easter_Date(static_cast<Integer>(copticYear)), easter);
    }

    // Every Easter of the years 500..5000.
    void easterAgreesWithJulianComputus() {
        for (int copticYear = 500 - 284; copticYear <= 5000 - 284; ++copticYear) {
            const QDate easter = Easter_Date(static_cast<Integer>(copticYear));
            const QDate expected = julianEaster(copticYear + 284);
            QVERIFY2(easter == expected,
                     qPrintable(QStringLiteral("%1: %2, expected %3")
                                    .arg(copticYear)
                                    .arg(easter.toString(Qt::ISODate), expected.toString(Qt::ISODate))));
            QCOMPARE(Weekday_Number(easter), 1);
        }
    }

    // Each row shows the days from 'from' to 'date' in turn (the state carried along),
    // then checks the rite and the readings table of the last one.
    void riteAndReadingSource_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("rite");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        // clang-format off
        QTest::newRow("Easter 1999") << QDate(1999, 4, 11) << QDate(1999, 4, 11) << 16 << "Fifty" << 8 << 1;
        QTest::newRow("a day of the Fifty") << QDate(1999, 4, 20) << QDate(1999, 4, 20) << 8 << "Fifty" << 8 << 2;
        QTest::newRow("Pentecost 1999") << QDate(1999, 5, 30) << QDate(1999, 5, 30) << 17 << "Fifty" << 9 << 7;
        QTest::newRow("Lazarus Saturday 1999") << QDate(1999, 4, 3) << QDate(1999, 4, 3) << 13 << "Fast" << 7 << 6;
        QTest::newRow("Palm Sunday 1999") << QDate(1999, 4, 4) << QDate(1999, 4, 4) << 15 << "Fast" << 7 << 7;
        QTest::newRow("end of the fast 1999") << QDate(1999, 4, 2) << QDate(1999, 4, 2) << 14 << "Fast" << 7 << 5;
        QTest::newRow("Wednesday of Lent week 3") << QDate(1999, 3, 10) << QDate(1999, 3, 10) << 4 << "Fast" << 7 << 3;
        QTest::newRow("first Monday of Lent") << QDate(2000, 3, 6) << QDate(2000, 3, 6) << 14 << "Fast" << 6 << 1;
        QTest::newRow("first Monday of Lent on 8 Amshir") << QDate(1999, 2, 15) << QDate(1999, 2, 15) << 1 << "Read" << 6 << 1;
        QTest::newRow("Lent Sunday") << QDate(1999, 2, 21) << QDate(1999, 2, 21) << 15 << "Fast" << 6 << 7;
        QTest::newRow("Saturday before Lent") << QDate(1999, 2, 13) << QDate(1999, 2, 13) << 15 << "Fast" << 6 << 1;
        QTest::newRow("Nineveh 1") << QDate(1999, 2, 1) << QDate(1999, 2, 1) << 9 << "Johan" << 5 << 1;
        QTest::newRow("Nineveh 3") << QDate(1999, 2, 3) << QDate(1999, 2, 3) << 9 << "Johan" << 5 << 3;
        QTest::newRow("Passover of Nineveh") << QDate(1999, 2, 4) << QDate(1999, 2, 4) << 7 << "Johan" << 5 << 4;
        // Good Friday keeps Palm Sunday's week 6, which gives it the rite of day 5 of week 6.
        QTest::newRow("Good Friday after Palm Sunday") << QDate(1999, 4, 4) << QDate(1999, 4, 9) << 14 << "Pain" << 8 << 5;
        QTest::newRow("Good Friday on its own") << QDate(1999, 4, 9) << QDate(1999, 4, 9) << 7 << "Pain" << 8 << 5;
        // 29 Baramhat keeps the Annunciation, with its annual readings and rite, in Lent
        // and in the Fifty Days; from the Friday ending the fast to Easter the day keeps
        // its own season.
        QTest::newRow("Annunciation in Lent 2020") << QDate(2020, 4, 7) << QDate(2020, 4, 7) << 1 << "Read" << 7 << 2;
        QTest::newRow("Annunciation on Thursday of week 6") << QDate(1955, 4, 7) << QDate(1955, 4, 7) << 1 << "Read" << 7 << 4;
        QTest::newRow("Annunciation in the Fifty 2037") << QDate(2037, 4, 7) << QDate(2037, 4, 7) << 1 << "Read" << 7 << 2;
        QTest::newRow("Annunciation in the Fifty 2010") << QDate(2010, 4, 7) << QDate(2010, 4, 7) << 1 << "Read" << 7 << 3;
        QTest::newRow("end of the fast on 29 Baramhat") << QDate(2017, 4, 7) << QDate(2017, 4, 7) << 14 << "Fast" << 7 << 5;
        QTest::newRow("Lazarus Saturday on 29 Baramhat") << QDate(2001, 4, 7) << QDate(2001, 4, 7) << 13 << "Fast" << 7 << 6;
        QTest::newRow("Palm Sunday on 29 Baramhat") << QDate(1996, 4, 7) << QDate(1996, 4, 7) << 15 << "Fast" << 7 << 7;
        QTest::newRow("Holy Wednesday on 29 Baramhat") << QDate(1999, 4, 7) << QDate(1999, 4, 7) << 7 << "Pain" << 7 << 3;
        QTest::newRow("Good Friday 2045") << QDate(2045, 4, 2) << QDate(2045, 4, 7) << 14 << "Pain" << 7 << 5;
        QTest::newRow("Easter 2086") << QDate(2086, 4, 7) << QDate(2086, 4, 7) << 16 << "Fifty" << 7 << 1;
        QTest::newRow("Easter 1991") << QDate(1991, 4, 7) << QDate(1991, 4, 7) << 16 << "Fifty" << 7 << 1;
        QTest::newRow("ordinary Sunday") << QDate(1999, 10, 17) << QDate(1999, 10, 17) << 7 << "Suns" << 2 << 0;
        QTest::newRow("ordinary weekday") << QDate(1999, 10, 18) << QDate(1999, 10, 18) << 7 << "Read" << 2 << 0;
        QTest::newRow("Sunday on 29 Hatour") << QDate(1996, 12, 8) << QDate(1996, 12, 8) << 3 << "Read" << 7 << 0;
        QTest::newRow("Sunday on 29 Tobi") << QDate(2005, 2, 6) << QDate(2005, 2, 6) << 7 << "Suns" << 5 << 0;
        QTest::newRow("Sunday on 12 Tobi") << QDate(2002, 1, 20) << QDate(2002, 1, 20) << 1 << "Read" << 5 << 0;
        QTest::newRow("Sunday in the Nativity fast") << QDate(1999, 12, 5) << QDate(1999, 12, 5) << 3 << "Suns" << 3 << 0;
        QTest::newRow("Paramoun of Christmas") << QDate(1999, 1, 6) << QDate(1999, 1, 6) << 5 << "Read" << 4 << 0;
        QTest::newRow("Christmas 1999") << QDate(1999, 1, 7) << QDate(1999, 1, 7) << 1 << "Read" << 4 << 0;
        QTest::newRow("Christmas 2000 on 28 Kiahk") << QDate(2000, 1, 7) << QDate(2000, 1, 7) << 1 << "Read" << 4 << 0;
        QTest::newRow("30 Kiahk") << QDate(1999, 1, 8) << QDate(1999, 1, 8) << 6 << "Read" << 4 << 0;
        QTest::newRow("3 Tobi") << QDate(1999, 1, 11) << QDate(1999, 1, 11) << 6 << "Read" << 5 << 0;
        QTest::newRow("Circumcision") << QDate(1999, 1, 14) << QDate(1999, 1, 14) << 1 << "Read" << 5 << 0;
        QTest::newRow("Paramoun of Theophany 2009") << QDate(2009, 1, 16) << QDate(2009, 1, 16) << 5 << "Read" << 5 << 0;
        QTest::newRow("Nayrouz on a Sunday") << QDate(1999, 9, 12) << QDate(1999, 9, 12) << 1 << "Read" << 1 << 0;
        QTest::newRow("18 Tout") << QDate(1999, 9, 29) << QDate(1999, 9, 29) << 2 << "Read" << 1 << 0;
        QTest::newRow("29 Misra") << QDate(1999, 9, 4) << QDate(1999, 9, 4) << 12 << "Read" << 12 << 0;
        QTest::newRow("Sunday before Nineveh, fourth Sunday") << QDate(1999, 1, 31) << QDate(1999, 1, 31) << 7 << "Suns" << 5 << 0;
        QTest::newRow("Sunday before Nineveh on 28 Tobi, fourth Sunday") << QDate(2017, 2, 5) << QDate(2017, 2, 5) << 7 << "Suns" << 5 << 0;
        QTest::newRow("Sunday before Nineveh on 30 Tobi") << QDate(1993, 2, 7) << QDate(1993, 2, 7) << 7 << "Fast" << 5 << 2;
        // clang-format on
    }

    void riteAndReadingSource() {
        QFETCH(QDate, from);
        QFETCH(QDate, date);
        QFETCH(int, rite);
        QFETCH(QString, key);
        QFETCH(int, month);
        QFETCH(int, day);
        for (QDate d = from; d <= date; d = d.addDays(1))
            showDay(d);
        QCOMPARE(int(Rite_No), rite);
        QCOMPARE(Season_Key, key);
        QCOMPARE(int(Coptic_Month), month);
        QCOMPARE(int(Season_Day), day);
    }

    // The order of the rite rules, on states the calendar does not produce by itself.
    void riteRuleOrder_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("week");
        QTest::addColumn<int>("seasonDay");
        QTest::addColumn<bool>("paramoun");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("rite");
        const QString none;
        // clang-format off
        QTest::newRow("Christmas title on another day") << 8 << 1 << none << 0 << 0 << false << Christmas_Title() << 6;
        QTest::newRow("a Paramoun flag outranks Kiahk") << 4 << 20 << QString("Read") << 0 << 0 << true << none << 5;
        QTest::newRow("Tout 16 outranks a Paramoun") << 1 << 16 << none << 0 << 0 << true << none << 1;
        QTest::newRow("week 6 day 5 under any key") << 9 << 3 << QString("Fifty") << 6 << 5 << false << none << 14;
        QTest::newRow("29 Baramhat outranks Lazarus") << 7 << 29 << QString("Fast") << 6 << 6 << false << none << 1;
        QTest::newRow("29 Baounah") << 10 << 29 << QString("Fast") << 6 << 6 << false << none << 12;
        QTest::newRow("Hatour after the 15th") << 3 << 16 << QString("Fast") << 0 << 1 << false << none << 3;
        QTest::newRow("Hatour 15") << 3 << 15 << none << 0 << 0 << false << none << 7;
        QTest::newRow("Jonah day 4") << 6 << 1 << QString("Johan") << 0 << 4 << false << none << 7;
        QTest::newRow("Fifty week 0 day 1 is Easter") << 8 << 20 << QString("Fifty") << 0 << 1 << false << none << 16;
        QTest::newRow("Fast week -1 day 2") << 6 << 20 << QString("Fast") << -1 << 2 << false << none << 15;
        QTest::newRow("Pain day 3") << 8 << 2 << QString("Pain") << 6 << 3 << false << none << 7;
        // clang-format on
    }

    void riteRuleOrder() {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, key);
        QFETCH(int, week);
        QFETCH(int, seasonDay);
        QFETCH(bool, paramoun);
        QFETCH(QString, title);
        QFETCH(int, rite);
        Selected_Date = QDate(1999, 10, 20); // far from Easter
        Coptic_Month = static_cast<Integer>(month);
        Coptic_Day = static_cast<Integer>(day);
        Season_Key = key;
        Season_Week = static_cast<Integer>(week);
        Season_Day = static_cast<Integer>(seasonDay);
        Paramoun_Day = paramoun;
        Occasion_Title = title;
        Rite_Number();
        QCOMPARE(int(Rite_No), rite);
    }

    // Keys the title gave are kept unless a date rule takes the annual readings.
    void readingSourceKeepsSeasonKeys_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Fifty on a Sunday") << "Fifty" << 9 << 5 << "Fifty";
        QTest::newRow("Fast on 29 Baramhat") << "Fast" << 7 << 29 << "Read";
        QTest::newRow("Pain on 10 Baramhat") << "Pain" << 7 << 10 << "Read";
        QTest::newRow("Fast on Tobi 12 stays Fast") << "Fast" << 5 << 12 << "Fast";
        QTest::newRow("Johan on Tout 18") << "Johan" << 1 << 18 << "Read";
        QTest::newRow("Fifty on a Sunday 29 Bashans") << "Fifty" << 9 << 29 << "Fifty";
    }

    void readingSourceKeepsSeasonKeys() {
        QFETCH(QString, key);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, expected);
        Selected_Date = QDate(1999, 10, 17); // a Sunday
        Season_Key = key;
        Coptic_Month = static_cast<Integer>(month);
        Coptic_Day = static_cast<Integer>(day);
        Reading_Source();
        QCOMPARE(Season_Key, expected);
        QCOMPARE(int(Coptic_Month), month);
    }
};

QTEST_APPLESS_MAIN(Test_Seasons)
#include "test_seasons.moc"
