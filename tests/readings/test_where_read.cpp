// Where a passage is read: the index written at build time, asked through the report
// that lectarium-db where prints, on the readings fixture.

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

    // A Gospel read on several occasions: the annual day, two Sundays, the fast days;
    // each with its office and slot and the days of the year it is read.
    void gospelOnSeveralOccasions() {
        const QDate selected = Selected_Date;
        QStringList lines;
        QString error;
        QVERIFY2(Where_Read_Report(fixture_.path(), QStringLiteral("يو 2: 2"), 2000, lines, error),
                 qPrintable(error));
        QCOMPARE(lines, QStringList({QStringLiteral("Year 1 5\tالقداس: الإنجيل\tيو 2: 2\t2000-09-15"),
                                     QStringLiteral("Suns 1 1\tالقداس: الإنجيل\tيو 2: 1-2\t2000-09-17"),
                                     QStringLiteral("Suns 2 2\tعشية: الإنجيل\tيو 2: 2\t2000-10-22"),
                                     QStringLiteral("Fast 3 3\tالقداس: الإنجيل\tيو 2: 2\t2000-03-22"),
                                     QStringLiteral("Fast 5 6\tالقداس: الإنجيل\tيو 2: 2\t2000-04-08"),
                                     QStringLiteral("Fast 5 7\tالقداس: الإنجيل\tيو 2: 2\t2000-04-09"),
                                     QStringLiteral("Fast 7 6\tالقداس: الإنجيل\tيو 2: 2\t2000-04-22"),
                                     QStringLiteral("Fast 7 7\tالقداس: الإنجيل\tيو 2: 2\t2000-04-23")}));
        QCOMPARE(Selected_Date, selected); // the scan of the year leaves the user's day alone
        // Holy Week hours and prophecies are found too; a verse no reading covers gives nothing.
        QVERIFY(Where_Read_Report(fixture_.path(), QStringLiteral("تك 1: 2"), 2000, lines, error));
        QVERIFY(lines.contains(QStringLiteral("Fast 5 6\tالنبوات\tتك 1: 2\t2000-04-08")));
        QVERIFY(Where_Read_Report(fixture_.path(), QStringLiteral("يو 1: 3"), 2000, lines, error));
        QVERIFY(lines.contains(
            QStringLiteral("Pain 0 4\tالبصخة المقدسة: الساعة الثالثة من يوم الأربعاء\tيو 1: 3\t2000-04-26")));
        QVERIFY(Where_Read_Report(fixture_.path(), QStringLiteral("يو 9: 1"), 2000, lines, error));
        QVERIFY(lines.isEmpty());
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
