#include "calendar/day_title.h"
#include "calendar/fasts.h"
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
            {Feast::Nayrouz, QStringLiteral("عيد النيروز")},
            {Feast::Cross, QStringLiteral("عيد الصليب المجيد")},
            {Feast::Nativity_Fast, QStringLiteral("صـــوم الميـــــــلاد")},
            {Feast::Circumcision, QStringLiteral("عيـــد الختــــان")},
            {Feast::Cana, QStringLiteral("عرس قانا الجليل")},
            {Feast::Presentation, QStringLiteral("عيد دخول السيد المسيح الهيكل")},
            {Feast::Covenant_Thursday, QStringLiteral("خميس العهد")},
            {Feast::Thomas_Sunday, QStringLiteral("أحد توما")},
            {Feast::Entry_Into_Egypt, QStringLiteral("عيد دخول السيد المسيح أرض مصر")},
            {Feast::Apostles_Fast, QStringLiteral("صوم الرسل")},
            {Feast::Apostles, QStringLiteral("عيد القديسين بطرس و بولس")},
            {Feast::Virgin_Fast, QStringLiteral("صـــوم العـــذراء")},
            {Feast::Transfiguration, QStringLiteral("عيد التجلي")},
            {Feast::Assumption, QStringLiteral("عيد صعود جسد العذراء")},
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

    // The starts of the fasts are their first days.
    void fastStarts_data() {
        QTest::addColumn<Feast>("feast");
        QTest::addColumn<int>("year");
        for (Feast feast :
             {Feast::Nineveh, Feast::Lent, Feast::Nativity_Fast, Feast::Apostles_Fast, Feast::Virgin_Fast})
            for (int year : {500, 2027, 5000})
                QTest::addRow("%s %d", qPrintable(Feast_Name(feast)), year) << feast << year;
    }

    void fastStarts() {
        QFETCH(Feast, feast);
        QFETCH(int, year);
        const QDate date = Feast_Date(feast, year);
        const Fast_Kind kind = Fast_Of_Day(date).kind;
        QVERIFY(kind != Fast_Kind::None && kind != Fast_Kind::WedFri);
        QVERIFY(Fast_Of_Day(date.addDays(-1)).kind != kind);
    }

    void yearList_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("annunciation");
        QTest::newRow("2027, Annunciation kept") << 2027 << true;
        QTest::newRow("2015, Annunciation on Palm Sunday's week") << 2015 << false;
    }

    // In the order of the days, the reader's patron among them, an Annunciation set aside left out.
    void yearList() {
        QFETCH(int, year);
        QFETCH(bool, annunciation);
        const QString patron = QStringLiteral("استشهاد مارمرقس الرسول");
        const QList<Year_Feast> feasts = Year_Feasts(year, {{patron, 8, 30}});
        QCOMPARE(feasts.size(), int(Year_Feast_Kinds.size()) + (annunciation ? 1 : 0));
        bool hasAnnunciation = false;
        for (qsizetype i = 0; i < feasts.size(); ++i) {
            if (i > 0)
                QVERIFY(feasts[i - 1].date <= feasts[i].date);
            hasAnnunciation |= feasts[i].name == Feast_Name(Feast::Annunciation);
            if (feasts[i].name == patron) {
                Integer d = 0, m = 0, y = 0;
                Coptic_Date(feasts[i].date, d, m, y);
                QCOMPARE(int(m) * 100 + int(d), 830);
            }
        }
        QCOMPARE(hasAnnunciation, annunciation);
        QVERIFY(Year_Feast_Label(feasts.first()).contains(QString::number(year)));
    }

    void easter2027() { QCOMPARE(Feast_Date(Feast::Easter, 2027), QDate(2027, 5, 2)); }
};

QTEST_APPLESS_MAIN(Test_Feast_Dates)
#include "test_feast_dates.moc"
