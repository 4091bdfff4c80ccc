#include "calendar/classify_day.h"
#include "calendar/day_title.h"
#include "calendar/fasts.h"
#include "calendar/feast_dates.h"
#include "calendar/seasons.h"
#include "calendar/selected_day.h"

#include <QtTest>

using namespace MdlLectarium;

namespace {

// A row's day counted from a feast of the year, so that far centuries are dated by the
// feast list's own arithmetic rather than by the rules under test.
struct From_Feast {
    Feast feast;
    int days;
};

} // namespace

Q_DECLARE_METATYPE(MdlLectarium::Feast)

class Test_Fasts final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Fill_Name_Tables(); }

    void datedCases_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("food");
        // clang-format off
        // 2027: Easter 2 May, Pentecost 20 June, 1 Misra 7 August.
        QTest::newRow("Nineveh first, Monday") << QDate(2027, 2, 22) << "Nineveh" << "vegan";
        QTest::newRow("Nineveh last, Wednesday") << QDate(2027, 2, 24) << "Nineveh" << "vegan";
        QTest::newRow("Passover of Nineveh, Thursday") << QDate(2027, 2, 25) << "-" << "-";
        QTest::newRow("Friday after Nineveh") << QDate(2027, 2, 26) << "WedFri" << "vegan";
        QTest::newRow("Sunday before Lent") << QDate(2027, 3, 7) << "-" << "-";
        QTest::newRow("Lent first, Monday") << QDate(2027, 3, 8) << "Lent" << "vegan";
        QTest::newRow("Lazarus Saturday") << QDate(2027, 4, 24) << "Lent" << "vegan";
        QTest::newRow("Palm Sunday") << QDate(2027, 4, 25) << "Lent" << "vegan";
        QTest::newRow("Pascha first, Monday") << QDate(2027, 4, 26) << "Pascha" << "vegan";
        QTest::newRow("Holy Saturday") << QDate(2027, 5, 1) << "Pascha" << "vegan";
        QTest::newRow("Easter") << QDate(2027, 5, 2) << "-" << "-";
        QTest::newRow("Wednesday in the Fifty Days") << QDate(2027, 5, 5) << "-" << "-";
        QTest::newRow("Friday in the Fifty Days") << QDate(2027, 6, 18) << "-" << "-";
        QTest::newRow("Apostles first, Monday, fish") << QDate(2027, 6, 21) << "Apostles" << "fish";
        QTest::newRow("Friday in the Apostles' fast, no fish") << QDate(2027, 6, 25) << "Apostles" << "vegan";
        QTest::newRow("Apostles last, 4 Abib") << QDate(2027, 7, 11) << "Apostles" << "fish";
        QTest::newRow("Peter and Paul, Monday") << QDate(2027, 7, 12) << "-" << "-";
        QTest::newRow("Wednesday after Peter and Paul") << QDate(2027, 7, 14) << "WedFri" << "vegan";
        QTest::newRow("Virgin first, 1 Misra") << QDate(2027, 8, 7) << "Virgin" << "fish";
        QTest::newRow("Friday in the Virgin's fast") << QDate(2027, 8, 13) << "Virgin" << "vegan";
        QTest::newRow("Virgin last, 15 Misra") << QDate(2027, 8, 21) << "Virgin" << "fish";
        QTest::newRow("Assumption, 16 Misra") << QDate(2027, 8, 22) << "-" << "-";
        QTest::newRow("Nativity first, 16 Hatour") << QDate(2026, 11, 25) << "Nativity" << "vegan";
        QTest::newRow("Nativity fast, Thursday") << QDate(2026, 11, 26) << "Nativity" << "fish";
        QTest::newRow("Paramoun of Christmas") << QDate(2027, 1, 6) << "Paramoun" << "vegan";
        QTest::newRow("Christmas on a Wednesday") << QDate(2026, 1, 7) << "-" << "-";
        QTest::newRow("Theophany on a Friday") << QDate(2018, 1, 19) << "-" << "-";
        QTest::newRow("Paramoun of Theophany, Thursday") << QDate(2018, 1, 18) << "Paramoun" << "vegan";
        // Christmas on 28 Kiahk (Coptic 1716): 6 January 2000 is the eve, 7 January the day after.
        QTest::newRow("Christmas on 28 Kiahk") << QDate(2000, 1, 7) << "-" << "-";
        QTest::newRow("Paramoun in a 28 Kiahk year") << QDate(2000, 1, 6) << "Paramoun" << "vegan";
        QTest::newRow("29 Kiahk after it, a Friday") << QDate(1904, 1, 8) << "-" << "-";
        QTest::newRow("Theophany in such a year, 20 January") << QDate(2024, 1, 19) << "Paramoun" << "vegan";
        // Another century: 1905 (Easter 30 April).
        QTest::newRow("1905 Lent first") << QDate(1905, 3, 13) << "Lent" << "vegan";
        QTest::newRow("1905 Wednesday in the Fifty Days") << QDate(1905, 5, 3) << "-" << "-";
        QTest::newRow("1905 Apostles first") << QDate(1905, 6, 19) << "Apostles" << "fish";
        // clang-format on
    }

    void datedCases() {
        QFETCH(QDate, date);
        QFETCH(QString, key);
        QFETCH(QString, food);
        const Day_Fast fast = Fast_Of_Day(date);
        QCOMPARE(Fast_Key(fast.kind), key);
        QCOMPARE(Fast_Food_Key(fast.food), food);
        const QStringList line = Fast_Report_Line(date).split(QLatin1Char('\t'));
        QCOMPARE(line.size(), 4);
        QCOMPARE(line[0], date.toString(Qt::ISODate));
        QCOMPARE(line[1], key);
        QCOMPARE(line[2], key == QLatin1String("-") ? QStringLiteral("-") : Fast_Name(fast.kind));
        QCOMPARE(line[3], food);
    }

    // The same edges in far centuries, dated from the feast list.
    void acrossCenturies_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<Feast>("feast");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("key");
        const std::tuple<From_Feast, const char*, const char*> rows[] = {
            {{Feast::Nineveh, 0}, "Nineveh first", "Nineveh"},
            {{Feast::Nineveh, 2}, "Nineveh last", "Nineveh"},
            {{Feast::Nineveh, 3}, "Passover of Nineveh", "-"},
            {{Feast::Lent, -1}, "Sunday before Lent", "-"},
            {{Feast::Lent, 0}, "Lent first", "Lent"},
            {{Feast::Palm_Sunday, 0}, "Palm Sunday", "Lent"},
            {{Feast::Easter, -6}, "Pascha first", "Pascha"},
            {{Feast::Easter, -1}, "Holy Saturday", "Pascha"},
            {{Feast::Easter, 3}, "Easter Wednesday", "-"},
            {{Feast::Pentecost, -2}, "Friday before Pentecost", "-"},
            {{Feast::Pentecost, 1}, "Apostles first", "Apostles"},
        };
        for (int year : {500, 1901, 2099, 3000, 5000})
            for (const auto& [at, name, key] : rows)
                QTest::addRow("%d %s", year, name) << year << at.feast << at.days << QString::fromLatin1(key);
    }

    void acrossCenturies() {
        QFETCH(int, year);
        QFETCH(Feast, feast);
        QFETCH(int, days);
        QFETCH(QString, key);
        const QDate date = Feast_Date(feast, year).addDays(days);
        QCOMPARE(Fast_Key(Fast_Of_Day(date).kind), key);
    }

    // Every day of 1901-2099 agrees with the titles and seasons of the day classification.
    void agreesWithClassification() {
        const QString apostles = QStringLiteral("صوم الرسل");
        const QString virgin = QStringLiteral("صـــوم العـــذراء");
        const QString nativity = QStringLiteral("صـــوم الميـــــــلاد");
        Reset_Day_State();
        for (QDate date(1901, 1, 1); date <= QDate(2099, 12, 31); date = date.addDays(1)) {
            Occasion_Title.clear();
            Classify_Day(date, Day_Stage::Titled);
            const Day_State state = Current_Day_State();
            const Fast_Kind kind = Fast_Of_Day(date).kind;
            QCOMPARE(Current_Day_State(), state); // the state is left as it was
            Fast_Kind expected = Fast_Kind::None;
            const int weekday = Weekday_Number(date);
            if (state.seasonKey == QLatin1String("Johan") && state.seasonDay <= 3)
                expected = Fast_Kind::Nineveh;
            else if (state.seasonKey == QLatin1String("Fast") && state.seasonWeek >= 0)
                expected = Fast_Kind::Lent;
            else if (state.seasonKey == QLatin1String("Pain"))
                expected = Fast_Kind::Pascha;
            else if (state.seasonKey == QLatin1String("Fifty"))
                expected = Fast_Kind::None;
            else if (state.occasionTitle.contains(apostles))
                expected = Fast_Kind::Apostles;
            else if (state.occasionTitle.contains(virgin))
                expected = Fast_Kind::Virgin;
            else if (state.paramounDay)
                expected = Fast_Kind::Paramoun;
            else if (state.occasionTitle.contains(nativity))
                expected = Fast_Kind::Nativity;
            else if ((weekday == 4 || weekday == 6) && !state.occasionTitle.contains(Christmas_Title()) &&
                     !state.occasionTitle.contains(QStringLiteral("عيـــد الغطــــاس المجيـــد")))
                expected = Fast_Kind::WedFri;
            if (kind != expected)
                QFAIL(qPrintable(date.toString(Qt::ISODate) + QLatin1Char(' ') + Fast_Key(kind) +
                                 QLatin1String(" != ") + Fast_Key(expected)));
        }
    }

    void periods() {
        // 2027: Nativity fast of Coptic 1743 from 25 November 2026, the year's seasonal fasts.
        const QList<Fast_Period> periods = Fast_Periods(QDate(2027, 1, 1), QDate(2027, 12, 31));
        QVERIFY(periods.size() >= 7);
        QCOMPARE(periods.first().first, QDate(2026, 11, 25)); // reaches back before the range
        const auto find = [&](Fast_Kind kind) {
            for (const Fast_Period& p : periods)
                if (p.kind == kind)
                    return p;
            return Fast_Period{};
        };
        QCOMPARE(find(Fast_Kind::Lent),
                 (Fast_Period{Fast_Kind::Lent, QDate(2027, 3, 8), QDate(2027, 4, 25)}));
        QCOMPARE(find(Fast_Kind::Apostles),
                 (Fast_Period{Fast_Kind::Apostles, QDate(2027, 6, 21), QDate(2027, 7, 11)}));
        QCOMPARE(find(Fast_Kind::Virgin),
                 (Fast_Period{Fast_Kind::Virgin, QDate(2027, 8, 7), QDate(2027, 8, 21)}));
    }

    void evening_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("hour");
        QTest::addColumn<QDate>("today");
        const QDate d(2027, 3, 17);
        QTest::newRow("off") << QDateTime(d, QTime(22, 0)) << -1 << d;
        QTest::newRow("before the hour") << QDateTime(d, QTime(17, 59)) << 18 << d;
        QTest::newRow("at the hour") << QDateTime(d, QTime(18, 0)) << 18 << d.addDays(1);
        QTest::newRow("end of year") << QDateTime(QDate(2027, 12, 31), QTime(23, 0)) << 18
                                     << QDate(2028, 1, 1);
    }

    void evening() {
        QFETCH(QDateTime, now);
        QFETCH(int, hour);
        QFETCH(QDate, today);
        QCOMPARE(Liturgical_Today(now, hour), today);
    }
};

QTEST_APPLESS_MAIN(Test_Fasts)
#include "test_fasts.moc"
