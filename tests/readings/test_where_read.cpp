// Where a passage is read: the index written at build time, asked through the report
// that lectarium-db where prints, on the readings fixture; the occasions by name.

#include "calendar/selected_day.h"
#include "lectionary/bible_books.h"
#include "lectionary/reading_index.h"
#include "lectionary/source_folder.h"
#include "readings/where_read.h"
#include "tests/lectionary/fixture.h"

#include <QtTest>

using namespace MdlLectarium;

class Test_Where_Read final : public QObject {
    Q_OBJECT

    Lectionary_Fixture fixture_;

private slots:
    void initTestCase() {
        QVERIFY2(fixture_.ok(), qPrintable(fixture_.error()));
        Fill_Name_Tables();
        Init_Bible_Tables();
    }

    void covered_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("spans"); // chapter:first-last, ...
        QTest::newRow("one verse") << QStringLiteral("يو 3: 16") << QStringLiteral("3:16-16");
        QTest::newRow("range") << QStringLiteral("مت 5: 1-12") << QStringLiteral("5:1-12");
        QTest::newRow("two verses") << QStringLiteral("مت 5: 1،4") << QStringLiteral("5:1-1 5:4-4");
        QTest::newRow("over chapters")
            << QStringLiteral("يو 3: 30-5: 2") << QStringLiteral("3:30-999 4:1-999 5:1-2");
        QTest::newRow("chapter") << QStringLiteral("يو 3") << QStringLiteral("3:1-999");
        QTest::newRow("unknown book") << QStringLiteral("xx 3: 1") << QString();
        QTest::newRow("joined") << QStringLiteral("مت 21: 1-17 و مر 11: 1-11")
                                << QStringLiteral("21:1-17 11:1-11");
        QTest::newRow("joined, the book kept")
            << QStringLiteral("1كو 10: 25-32 و 11: 1") << QStringLiteral("10:25-32 11:1-1");
        QTest::newRow("malformed join") << QStringLiteral("يو 3: 16 و") << QString();
    }

    void covered() {
        QFETCH(QString, reference);
        QFETCH(QString, spans);
        QStringList got;
        for (const Verse_Span& s : Covered_Verses(reference))
            got << QStringLiteral("%1:%2-%3").arg(s.chapter).arg(s.first).arg(s.last);
        QCOMPARE(got.join(QLatin1Char(' ')), spans);
    }

    // The occasion of a row as a reader names it, from the calendar's name tables; in
    // English (where given) composed from the same parts.
    void occasionNames_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("key1");
        QTest::addColumn<int>("key2");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("english");
        const QString hourOfPalmSunday = QStringLiteral("أحد الشعانين - الإنجيل 2");
        QTest::newRow("annual day") << "Year" << 1 << 18 << QString() << QStringLiteral("18 توت")
                                    << "18 Tout";
        QTest::newRow("the little month")
            << "Year" << 13 << 6 << QString() << QStringLiteral("6 نسئ") << "6 Nasie";
        QTest::newRow("Sunday of a month")
            << "Suns" << 5 << 5 << QString() << QStringLiteral("الأحد الخامس من طوبة")
            << "Fifth Sunday of Tobi";
        QTest::newRow("Lent weekday")
            << "Fast" << 6 << 5 << QString() << QStringLiteral("الجمعة من الأسبوع السادس من الصوم الكبير")
            << "Friday of the sixth week of Great Lent";
        QTest::newRow("Lent Monday") << "Fast" << 1 << 1 << QString()
                                     << QStringLiteral("الأثنين من الأسبوع الأول من الصوم الكبير")
                                     << QString();
        QTest::newRow("before Lent") << "Fast" << 0 << 2 << QString()
                                     << QStringLiteral("أحد رفاع الصوم الكبير") << QString();
        QTest::newRow("Palm Sunday") << "Fast" << 7 << 7 << QString() << QStringLiteral("أحد الشعانين")
                                     << "Palm Sunday";
        QTest::newRow("Nineveh") << "Jonah" << 0 << 4 << QString() << QStringLiteral("فصح نينوى")
                                 << QString();
        QTest::newRow("Easter") << "Fifty" << 0 << 1 << QString() << QStringLiteral("عيد القيامة المجيد")
                                << QString();
        QTest::newRow("Fifty Days") << "Fifty" << 1 << 7 << QString()
                                    << QStringLiteral("الأحد من الأسبوع الأول من الخماسين المقدسة")
                                    << QString();
        QTest::newRow("Holy Week hour") << "Pain" << 0 << 2 << QStringLiteral("يوم الاثنين - باكر: المزمور")
                                        << QStringLiteral("الأثنين من البصخة المقدسة، يوم الاثنين - باكر")
                                        << "Monday of Holy Week, Monday - Matins";
        QTest::newRow("Palm Sunday's evening")
            << "Pain" << 0 << 1 << QStringLiteral("الساعة التاسعة: النبوة 1")
            << QStringLiteral("أحد الشعانين، الساعة التاسعة") << QString();
        QTest::newRow("hour naming its day")
            << "Pain" << 0 << 1 << hourOfPalmSunday << hourOfPalmSunday << "Palm Sunday - Gospel 2";
        QTest::newRow("the funeral") << "Pain" << 0 << 1 << QStringLiteral("الجناز العام: البولس")
                                     << QStringLiteral("أحد الشعانين، الجناز العام")
                                     << "Palm Sunday, General Funeral";
        QTest::newRow("Good Friday") << "Pain" << 0 << 6 << QString() << QStringLiteral("الجمعة العظيمة")
                                     << QString();
    }

    void occasionNames() {
        QFETCH(QString, table);
        QFETCH(int, key1);
        QFETCH(int, key2);
        QFETCH(QString, hour);
        QFETCH(QString, name);
        QFETCH(QString, english);
        const auto first = static_cast<Integer>(key1), second = static_cast<Integer>(key2);
        QCOMPARE(Occasion_Name(table, first, second, hour), name);
        if (!english.isEmpty())
            QCOMPARE(Occasion_Name(table, first, second, hour, Interface_Language::English), english);
    }

    // An English row: its office, reading and why it is not read, with no Arabic left.
    void englishRows() {
        std::vector<Where_Read_Row> rows;
        QString error;
        QVERIFY2(Where_Read_Rows(fixture_.path(), QStringLiteral("يو 2: 2"), 2002, rows, error,
                                 Interface_Language::English),
                 qPrintable(error));
        const auto annual = std::find_if(rows.begin(), rows.end(),
                                         [](const Where_Read_Row& row) { return row.keys == "Year 1 5"; });
        QVERIFY(annual != rows.end());
        QCOMPARE(annual->occasion, QStringLiteral("5 Tout"));
        QCOMPARE(annual->office + QLatin1Char('/') + annual->reading, QStringLiteral("Liturgy/Gospel"));
        QCOMPARE(annual->none, QStringLiteral("Falls on Sunday 15 September 2002, 5 Tout 1719, "
                                              "which reads the readings of First Sunday of Tout"));
        static const QRegularExpression arabic(QStringLiteral("[\\x{0600}-\\x{06FF}]"));
        for (const Where_Read_Row& row : rows)
            QVERIFY2(!(row.occasion + row.office + row.reading + row.none).contains(arabic),
                     qPrintable(row.occasion + row.office + row.reading + row.none));
    }

    // Each reading that covers the verses: occasion, office and reading, reference, its
    // days of the year (or why none) and its keys.
    void report_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("line");
        QTest::newRow("annual day")
            << QStringLiteral("يو 2: 2") << 2000 << 8
            << QStringLiteral("5 توت\tالقداس: الإنجيل\tيو 2: 2\t2000-09-15 (5 توت 1717)\tYear 1 5");
        QTest::newRow("Lent") << QStringLiteral("يو 2: 2") << 2000 << 8
                              << QStringLiteral(
                                     "الأربعاء من الأسبوع الثالث من الصوم الكبير\tالقداس: الإنجيل\t"
                                     "يو 2: 2\t2000-03-22 (13 برمهات 1716)\tFast 3 3");
        QTest::newRow("a Sunday reads its own")
            << QStringLiteral("يو 2: 2") << 2002 << 8
            << QStringLiteral("5 توت\tالقداس: الإنجيل\tيو 2: 2\tيوافق الأحد 15 سبتمبر 2002، 5 توت 1719 "
                              "وتقرأ فيه قراءات الأحد الأول من توت\tYear 1 5");
        QTest::newRow("no fifth Sunday") << QStringLiteral("يو 1: 4") << 2000 << 4
                                         << QStringLiteral("الأحد الخامس من طوبة\tالقداس: الإنجيل\tيو 1: 4\t"
                                                           "لا يأتي في سنة 2000\tSuns 5 5");
        QTest::newRow("Holy Week") << QStringLiteral("يو 1: 3") << 2000 << 3
                                   << QStringLiteral(
                                          "الأربعاء من البصخة المقدسة، الساعة الثالثة من يوم الأربعاء\t"
                                          "البصخة المقدسة\tيو 1: 3\t2000-04-26 (18 برمودة 1716)\tPain 0 4");
        QTest::newRow("Palm Sunday's evening")
            << QStringLiteral("يو 1: 1") << 2000 << 5
            << QStringLiteral("أحد الشعانين، باكر يوم الأحد\tالبصخة المقدسة\tيو 1: 1-2\t"
                              "2000-04-23 (15 برمودة 1716)\tPain 0 1");
        QTest::newRow("prophecy")
            << QStringLiteral("تك 1: 2") << 2000 << 4
            << QStringLiteral("سبت لعازر\tالنبوات\tتك 1: 2\t2000-04-22 (14 برمودة 1716)\tFast 7 6");
        QTest::newRow("no reading") << QStringLiteral("يو 9: 1") << 2000 << 0 << QString();
    }

    void report() {
        QFETCH(QString, reference);
        QFETCH(int, year);
        QFETCH(int, count);
        QFETCH(QString, line);
        const QDate selected = Selected_Date;
        QStringList lines;
        QString error;
        QVERIFY2(Where_Read_Report(fixture_.path(), reference, year, lines, error), qPrintable(error));
        QCOMPARE(lines.size(), count);
        if (!line.isEmpty())
            QVERIFY2(lines.contains(line), qPrintable(lines.join(QLatin1Char('\n'))));
        QCOMPARE(Selected_Date, selected); // the scan of the year leaves the user's day alone
    }

    // Every passage of a joined reading is indexed: the second Gospel finds it.
    void everyPartOfAJoinIsIndexed() {
        QTemporaryDir source;
        QVERIFY(QFile::copy(QStringLiteral(LECTIONARY_FIXTURE "/Bible.txt"),
                            QDir(source.path()).filePath(QStringLiteral("Bible.txt"))));
        QFile fast(QDir(source.path()).filePath(QStringLiteral("Fast.txt")));
        QVERIFY(fast.open(QIODevice::WriteOnly));
        fast.write(QStringLiteral("Week\tDay\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16\t17\t18\n"
                                  "7\t7\t\t\t\t\t\t\t\t\tمت 5: 1-2 و يو 2: 1-2\t\t\t\t\t\t\t\t\t\n")
                       .toUtf8());
        fast.close();
        const QString database = QDir(source.path()).filePath(QStringLiteral("joined.mdb"));
        QString error;
        QVERIFY2(Build_Database(source.path(), database, error), qPrintable(error));
        std::vector<Index_Entry> entries;
        QVERIFY2(Where_Read(database, Covered_Verses(QStringLiteral("يو 2: 2")), entries, error),
                 qPrintable(error));
        QCOMPARE(entries.size(), size_t(1));
        QCOMPARE(entries[0].table, QStringLiteral("Fast"));
        QCOMPARE(entries[0].field, QStringLiteral("9"));
        QCOMPARE(entries[0].reference, QStringLiteral("مت 5: 1-2 و يو 2: 1-2"));
    }

    void noIndex() {
        QStringList lines;
        QString error;
        QVERIFY(!Where_Read_Report(fixture_.path(), QStringLiteral("xx 1: 1"), 2000, lines, error));
        QVERIFY(!error.isEmpty());
        QTemporaryDir dir;
        QVERIFY(!Where_Read_Report(dir.filePath(QStringLiteral("none.mdb")), QStringLiteral("يو 2: 2"), 2000,
                                   lines, error));
    }
};

QTEST_GUILESS_MAIN(Test_Where_Read)
#include "test_where_read.moc"
