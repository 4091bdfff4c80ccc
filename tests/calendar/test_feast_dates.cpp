#include "calendar/day_title.h"
#include "calendar/feast_dates.h"
#include "calendar/selected_day.h"

#include <QtTest>

using namespace MdlLectarium;

Q_DECLARE_METATYPE(MdlLectarium::Feast)

// Each feast's date must be the day the calendar itself titles as that feast.
class Test_Feast_Dates final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Fill_Name_Tables(); }

    void titledAsTheFeast_data() {
        QTest::addColumn<Feast>("feast");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("year");
        const std::pair<Feast, QString> feasts[] = {
            {Feast::Nineveh, QStringLiteral("اليوم الأول من صوم نينوى")},
            {Feast::Lent, QStringLiteral("اليوم الأول من الأسبوع الأول")},
            {Feast::Palm_Sunday, QStringLiteral("أحـــــــد الشــــعانين")},
            {Feast::Easter, QStringLiteral("عيد القيامة المجيد")},
            {Feast::Ascension, QStringLiteral("عيد الصعود المجيد")},
            {Feast::Pentecost, QStringLiteral("عيد العنصرة")},
            {Feast::Christmas, QStringLiteral("عيـــد الميـــــلاد المجيـــد")},
            {Feast::Theophany, QStringLiteral("عيـــد الغطــــاس المجيـــد")},
        };
        // Leap and common years, both kinds of Christmas year, and the ends of the range.
        for (int year : {500, 1999, 2000, 2003, 2027, 5000})
            for (const auto& [feast, title] : feasts)
                QTest::addRow("%s %d", qPrintable(Feast_Name(feast)), year) << feast << title << year;
    }

    void titledAsTheFeast() {
        QFETCH(Feast, feast);
        QFETCH(QString, title);
        QFETCH(int, year);
        const QDate date = Feast_Date(feast, year);
        QVERIFY(date.isValid());
        QCOMPARE(date.year(), year);
        Integer d = 0, m = 0, y = 0;
        Coptic_Date(date, d, m, y);
        QString shown, seasonKey;
        Integer week = 0, day = 0;
        Day_Title(date, d, m, y, shown, seasonKey, week, day);
        QVERIFY2(shown.contains(title), qPrintable(date.toString(Qt::ISODate) + QLatin1Char(' ') + shown));
    }

    void easter2027() { QCOMPARE(Feast_Date(Feast::Easter, 2027), QDate(2027, 5, 2)); }
};

QTEST_APPLESS_MAIN(Test_Feast_Dates)
#include "test_feast_dates.moc"
