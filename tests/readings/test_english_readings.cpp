// lectarium-day --lang on the shipped lectionary: the day's own words in English, the
// Arabic output unchanged, and the option refused where it means nothing.

#include "tests/support/tool_run.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QStringList& arguments) {
    const Tool_Run run =
        Run_Tool(QStringLiteral(LECTARIUM_DAY_TOOL), arguments, QStringLiteral(LECTARIUM_RUN_FOLDER), 120000);
    QStringDecoder utf8(QStringDecoder::Utf8);
    return {run.exitCode, utf8(run.out), QString::fromLocal8Bit(run.err)};
}

const QRegularExpression arabicLetter(QStringLiteral("\\p{Arabic}"));

} // namespace

class Test_English_Readings final : public QObject {
    Q_OBJECT

private slots:
    // A Sunday, a Lent weekday, a Holy Week day and a feast: English dates, titles,
    // captions, references and commemorations; Arabic only in the Bible text (the lines
    // of a passage, indented twice).
    void englishDays_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("Palm Sunday") << "2027-04-25"
                                     << QStringList{"Sunday 25 April 2027",
                                                    "17 Baramouda 1743",
                                                    "Palm Sunday",
                                                    "Great Lent: vegan, without fish",
                                                    "Evening Prayer",
                                                    "    Gospel: John 12:1-11",
                                                    "    Psalm: Psalm 81:3, 1-2; 65:1-2",
                                                    "Synaxarium",
                                                    "    The Departure of St. Nicodemus"};
        QTest::newRow("Lent weekday") << "2027-03-10"
                                      << QStringList{"Wednesday 10 March 2027",
                                                     "Third day of the first week of Great Lent",
                                                     "Vespers",
                                                     "    Catholic Epistle: 2 Peter 1:4-11",
                                                     "Prophecies",
                                                     "    Joel 2:12-27"};
        QTest::newRow("Holy Week") << "2027-04-27"
                                   << QStringList{
                                          "Tuesday of Holy Week", "Holy Pascha",
                                          "    Tuesday - Matins: Gospel: John 8:21-29",
                                          "    First Hour of the Eve of Wednesday: Gospel: Matthew 22:1-14"};
        QTest::newRow("Nativity") << "2027-01-07"
                                  << QStringList{"Thursday 7 January 2027",
                                                 "29 Kiahk 1743",
                                                 "The Glorious Feast of the Nativity",
                                                 "    Pauline Epistle: Hebrews 1:1-2:4",
                                                 "        Chapter 2",
                                                 "    The commemoration of the Martyrs of Akhmeem"};
    }
    void englishDays() {
        QFETCH(QString, date);
        QFETCH(QStringList, lines);
        const Run run = runTool({"--readings", date, "--text", "--lang", "en"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        const QStringList out = run.out.split(QLatin1Char('\n'));
        for (const QString& line : lines)
            QVERIFY2(out.contains(line), qPrintable(line));
        for (const QString& line : out)
            QVERIFY2(line.startsWith(QLatin1String("        ")) || !line.contains(arabicLetter),
                     qPrintable(line));
    }

    // The page reads left to right: every heading and every line of the day's own words
    // ("+" included) is ltr; only Arabic lines are rtl.
    void englishPage() {
        const Run run = runTool({"--readings", "2027-04-25", "--html", "--lang", "en"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QLatin1String("<html lang=\"en\" dir=\"ltr\">")));
        QVERIFY(run.out.contains(QLatin1String("<body dir=\"ltr\">")));
        QVERIFY(run.out.contains(QLatin1String("<h3 dir=\"ltr\">Gospel: John 12:1-11</h3>")));
        QVERIFY(run.out.contains(QLatin1String("<div dir=\"ltr\"><b>+</b></div>")));
        static const QRegularExpression rtl(QStringLiteral("<(\\w+) dir=\"rtl\">(.*)</\\1>"));
        for (auto match = rtl.globalMatch(run.out); match.hasNext();) {
            const QString element = match.next().captured(2);
            QVERIFY2(element.contains(arabicLetter), qPrintable(element));
        }
    }

    // ar and classic write what the tool writes without the option, byte for byte.
    void arabicAsWithout_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("readings") << QStringList{"--readings", "2027-04-27", "--text"};
        QTest::newRow("html") << QStringList{"--readings", "2027-04-25", "--html"};
        QTest::newRow("fasts") << QStringList{"--fasts", "2027-04-20", "2027-05-05"};
        QTest::newRow("titles") << QStringList{"2027-04-20", "2027-05-05", "--titles"};
    }
    void arabicAsWithout() {
        QFETCH(QStringList, arguments);
        const Run without = runTool(arguments);
        QCOMPARE(without.exitCode, 0);
        for (const char* code : {"ar", "classic"}) {
            const Run with = runTool(arguments + QStringList{"--lang", code});
            QCOMPARE(with.exitCode, 0);
            QCOMPARE(with.out, without.out);
        }
    }

    void languageOption_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("titles") << QStringList{"2027-04-25", "2027-04-26", "--titles", "--lang", "en"} << 0
                                << "2027-04-25\t+\\nPalm Sunday\n2027-04-26\t+\\nMonday of Holy Week\n"
                                << "";
        QTest::newRow("titles in Arabic")
            << QStringList{"2027-04-25", "--titles"} << 0 << "2027-04-25\t+\\nأحـــــــد الشــــعانين\n"
            << "";
        QTest::newRow("fasts") << QStringList{"--fasts", "2027-04-25", "2027-04-25", "--lang", "en"} << 0
                               << "2027-04-25\tLent\tGreat Lent\tvegan\n"
                               << "";
        QTest::newRow("ics") << QStringList{"--ics", "2027-04-25", "2027-04-25", "--lang", "en"} << 0
                             << "SUMMARY:+\\nPalm Sunday\r\nDESCRIPTION:17 Baramouda 1743\r\n"
                             << "";
        QTest::newRow("unknown language")
            << QStringList{"--readings", "2027-04-25", "--lang", "fr"} << 2 << ""
            << "lectarium-day: unknown language for --lang: fr (en, ar or classic)\n";
        QTest::newRow("empty language")
            << QStringList{"--fasts", "2027-04-25", "2027-04-25", "--lang="} << 2 << ""
            << "unknown language for --lang";
        QTest::newRow("with --saint") << QStringList{"--saint", "Mark", "--lang", "en"} << 2 << ""
                                      << "usage: lectarium-day --saint";
        QTest::newRow("range without --titles") << QStringList{"2027-04-25", "--lang", "en"} << 2 << ""
                                                << "usage: lectarium-day";
    }
    void languageOption() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = runTool(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.contains(out), qPrintable(run.out));
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(Test_English_Readings)
#include "test_english_readings.moc"
