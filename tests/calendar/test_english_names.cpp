#include "calendar/classify_day.h"
#include "calendar/english_names.h"

#include <QRegularExpression>
#include <QtTest>

using namespace MdlLectarium;

namespace {

QString englishTitleOf(const QDate& date) {
    Reset_Day_State();
    Classify_Day(date, Day_Stage::Titled);
    const Day_State day = Current_Day_State();
    return English_Day_Title(day.occasionTitle, day.seasonKey, day.seasonWeek, day.seasonDay);
}

const QRegularExpression arabicLetter(QStringLiteral("\\p{Arabic}"));

} // namespace

class Test_English_Names final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Fill_Name_Tables(); }

    void dayTitles_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("title");
        const auto row = [](const char* name, QDate date, const char* title) {
            QTest::newRow(name) << date << QString::fromUtf8(title);
        };
        row("Nineveh, first day", QDate(2027, 2, 22), "First day of the Fast of Nineveh");
        row("Saturday before Lent", QDate(2027, 3, 6), "Saturday before Great Lent");
        row("Lent, first Monday", QDate(2027, 3, 8), "First day of the first week of Great Lent");
        row("end of the fast", QDate(2027, 4, 23),
            "Fifth day of the seventh week of Great Lent\r\nEnd of the Fast");
        row("Palm Sunday", QDate(2027, 4, 25), "+\r\nPalm Sunday");
        row("Good Friday", QDate(2027, 4, 30), "+\r\nGood Friday");
        row("Easter", QDate(2027, 5, 2), "+\r\nThe Glorious Feast of the Resurrection");
        row("Sham El-Nessim", QDate(2027, 5, 3),
            "First day of the first week of the Holy Fifty Days\r\nSham El-Nessim");
        row("Thomas Sunday", QDate(2027, 5, 9),
            "Seventh day of the first week of the Holy Fifty Days\r\nThomas Sunday");
        row("Fifty, sixth week", QDate(2027, 6, 9), "Third day of the sixth week of the Holy Fifty Days");
        row("Pentecost week", QDate(2027, 6, 19),
            "Sixth day of the week of Pentecost of the Holy Fifty Days");
        row("Pentecost", QDate(2027, 6, 20), "Pentecost, the Feast of the Descent of the Holy Spirit");
        row("Nayrouz", QDate(2026, 9, 11), "Feast of El-Nayrouz");
        row("Nativity fast", QDate(2026, 12, 10), "Nativity Fast");
        row("Christmas eve", QDate(2027, 1, 6), "Paramoun of the Nativity");
        row("Christmas", QDate(2027, 1, 7), "The Glorious Feast of the Nativity");
        row("Theophany eve", QDate(2027, 1, 18), "Paramoun of the Theophany");
        row("Assumption", QDate(2027, 8, 22), "Assumption of the Body of the Virgin");
        row("a plain day", QDate(2026, 10, 20), "");
    }
    void dayTitles() {
        QFETCH(QDate, date);
        QFETCH(QString, title);
        QCOMPARE(englishTitleOf(date), title);
    }

    // Every title the calendar gives in two centuries has its English form.
    void everyTitleInEnglish() {
        for (QDate date(1901, 1, 1); date.year() <= 2099; date = date.addDays(1)) {
            const QString title = englishTitleOf(date);
            if (title.contains(arabicLetter))
                QFAIL(qPrintable(date.toString(Qt::ISODate) + QStringLiteral(": ") + title));
        }
    }

    void dates() {
        QCOMPARE(English_Date(QDate(2027, 4, 25)), QStringLiteral("Sunday 25 April 2027"));
        QCOMPARE(English_Coptic_Date(17, 8, 1743), QStringLiteral("17 Baramouda 1743"));
        QCOMPARE(English_Coptic_Date(6, 13, 1743), QStringLiteral("6 Nasie 1743"));
        QVERIFY(English_Coptic_Month(0).isEmpty());
        QVERIFY(English_Coptic_Month(14).isEmpty());
    }

    void seasonDayNames() {
        QCOMPARE(English_Season_Day_Name(QStringLiteral("Fast"), 5, 5),
                 QStringLiteral("Friday of the sixth week of Great Lent"));
        QCOMPARE(English_Season_Day_Name(QStringLiteral("Fifty"), 3, 7),
                 QStringLiteral("Sunday of the third week of the Holy Fifty Days"));
        QCOMPARE(English_Season_Day_Name(QStringLiteral("Pain"), 0, 4), QStringLiteral("Covenant Thursday"));
        QVERIFY(English_Season_Day_Name(QStringLiteral("Read"), 1, 1).isEmpty());
    }

    // A name for every fast and feast, none given twice.
    void fastAndFeastNames() {
        QSet<QString> seen;
        for (const Feast feast : Year_Feast_Kinds) {
            const QString name = English_Feast_Name(feast);
            QVERIFY2(!name.isEmpty() && !name.contains(arabicLetter), qPrintable(Feast_Name(feast)));
            QVERIFY2(!seen.contains(name), qPrintable(name));
            seen.insert(name);
        }
        for (int kind = int(Fast_Kind::Nineveh); kind <= int(Fast_Kind::WedFri); ++kind)
            QVERIFY(English_Fast_Name(Fast_Kind(kind)) != QLatin1String("-"));
    }
};

QTEST_GUILESS_MAIN(Test_English_Names)
#include "test_english_names.moc"
