#include "calendar/selected_day.h"
#include "lectionary/bible_books.h"
#include "tests/support/temp_folder.h"

#include <QTest>

using namespace MdlLectarium;

class Test_Bible_Books final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Init_Bible_Tables(); }

    void keyMapping_data() {
        QTest::addColumn<int>("book");
        QTest::addColumn<int>("old");
        QTest::addColumn<int>("bible");
        QTest::newRow("first book") << 1 << -1 << 1;
        QTest::newRow("psalms") << 21 << -1 << 21;
        QTest::newRow("last of the old") << 46 << -1 << 46;
        QTest::newRow("first of the new") << 47 << 0 << 1;
        QTest::newRow("1 corinthians") << 53 << 0 << 7;
        QTest::newRow("last book") << 73 << 0 << 27;
    }
    void keyMapping() {
        QFETCH(int, book);
        QFETCH(int, old);
        QFETCH(int, bible);
        QCOMPARE(Book_Old(Integer(book)), old);
        QCOMPARE(Book_Bible(Integer(book)), bible);
        QCOMPARE(Book_Number(Integer(old), Integer(bible)), book);
    }

    void everyBookMapsBothWays() {
        for (Integer book = 1; book <= Book_Count; ++book)
            QCOMPARE(Book_Number(Book_Old(book), Book_Bible(book)), book);
        // Any non-zero Old counts as the first testament.
        QCOMPARE(Book_Number(1, 5), Integer(5));
    }

    void chapterCounts() {
        QCOMPARE(Chapter_Counts[21], Integer(151));
        for (int book : {36, 64, 70, 71, 72})
            QCOMPARE(Chapter_Counts[book], Integer(1));
        QCOMPARE(Chapter_Counts[1], Integer(50));
        QCOMPARE(Chapter_Counts[73], Integer(22));
        int total = 0;
        for (int book = 1; book <= Book_Count; ++book)
            total += Chapter_Counts[book];
        QCOMPARE(total, 1335);
    }

    void records() {
        QCOMPARE(Bible_Books[1].File_Name, QStringLiteral("GENESIS.BIB"));
        QCOMPARE(Bible_Books[1].Abbreviation, QStringLiteral("تك"));
        QCOMPARE(Bible_Books[1].Book_Name, QStringLiteral("التكوين"));
        QCOMPARE(Bible_Books[21].Abbreviation, QStringLiteral("مز"));
        QCOMPARE(Bible_Books[53].Abbreviation, QStringLiteral("1كو"));
        QCOMPARE(Bible_Books[58].Abbreviation, QStringLiteral("كو"));
        QCOMPARE(Bible_Books[73].Book_Name, QStringLiteral("رؤيا يوحنا"));
        QVERIFY(Bible_Books[0].Abbreviation.isEmpty());
        // The digit of an abbreviation is the ASCII digit, before the letters.
        QCOMPARE(Bible_Books[53].Abbreviation.at(0), QLatin1Char('1'));
    }

    void abbreviationsAreDistinctAndFound() {
        for (Integer book = 1; book <= Book_Count; ++book)
            QCOMPARE(Find_Book(Bible_Books[book].Abbreviation), book);
        QCOMPARE(Find_Book(QStringLiteral("كو")), Integer(58));
        QCOMPARE(Find_Book(QStringLiteral("1كو")), Integer(53));
        QCOMPARE(Find_Book(QStringLiteral("2كو")), Integer(54));
        QCOMPARE(Find_Book(QStringLiteral("3كو")), Integer(0));
        QCOMPARE(Find_Book(QString()), Integer(0));
    }

    void groupsCoverEveryBookOnce() {
        QList<int> seen(Book_Count + 1, 0);
        for (int g = 1; g <= Group_Count; ++g) {
            QVERIFY(!Group_Names[g].isEmpty());
            const int n = Group_Books[g][0];
            QVERIFY(n >= 1 && n <= 14);
            for (int row = 1; row <= n; ++row) {
                const int book = Group_Books[g][row];
                QVERIFY2(book >= 1 && book <= Book_Count, qPrintable(QString::number(book)));
                ++seen[book];
                // Groups 1..6 hold the first testament, 7..11 the second.
                QCOMPARE(book <= Old_Testament_Books, g <= 6);
            }
        }
        for (int book = 1; book <= Book_Count; ++book)
            QVERIFY2(seen[book] == 1,
                     qPrintable(QStringLiteral("book %1 in %2 groups").arg(book).arg(seen[book])));
    }

    void groupOrder() {
        QCOMPARE(Group_Books[5][0], Integer(12));
        for (int row = 1; row <= 12; ++row)
            QCOMPARE(Group_Books[5][row], Integer(32 + row));
        QCOMPARE(Group_Books[9][0], Integer(14));
        for (int row = 1; row <= 14; ++row)
            QCOMPARE(Group_Books[9][row], Integer(51 + row));
        QCOMPARE(Group_Books[2][12], Integer(19));
        QCOMPARE(Group_Names[1], QStringLiteral("الشريعة"));
        QCOMPARE(Group_Names[11], QStringLiteral("نبوات"));
    }
};

QTEST_GUILESS_MAIN(Test_Bible_Books)
#include "test_bible_books.moc"
