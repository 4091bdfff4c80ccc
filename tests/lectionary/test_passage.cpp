#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"
#include "tests/lectionary/fixture.h"

#include <QTest>

using namespace MdlLectarium;

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

class Test_Passage final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(fixture_.ok(), qPrintable(fixture_.error()));
        Init_Bible_Tables();
        Data_Bible().setDatabaseName(fixture_.path());
    }
    void cleanupTestCase() { Data_Bible().setDatabaseName(QString()); }

    void parse_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("book");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("kind");
        QTest::newRow("one verse") << QStringLiteral("مت 5: 3") << QStringLiteral("مت") << 5 << 3 << 0 << 0
                                   << 0;
        QTest::newRow("two verses") << QStringLiteral("مت 5: 3، 9") << QStringLiteral("مت") << 5 << 3 << 9
                                    << 0 << 1;
        QTest::newRow("two chapters")
            << QStringLiteral("مت 5: 3، 6: 9") << QStringLiteral("مت") << 5 << 3 << 6 << 9 << 2;
        QTest::newRow("range") << QStringLiteral("مت 5: 3-12") << QStringLiteral("مت") << 5 << 3 << 12 << 0
                               << 3;
        QTest::newRow("range, elongation")
            << QStringLiteral("مت 5: 3ـ12") << QStringLiteral("مت") << 5 << 3 << 12 << 0 << 3;
        QTest::newRow("over chapters")
            << QStringLiteral("مت 5: 3-7: 2") << QStringLiteral("مت") << 5 << 3 << 7 << 2 << 4;
        QTest::newRow("three verses")
            << QStringLiteral("مت 5: 3، 7، 9") << QStringLiteral("مت") << 5 << 3 << 7 << 9 << 5;
        QTest::newRow("range and a verse")
            << QStringLiteral("مت 5: 3-7، 9") << QStringLiteral("مت") << 5 << 3 << 7 << 9 << 5;
        QTest::newRow("leading digit")
            << QStringLiteral("1كو 13: 1-8") << QStringLiteral("1كو") << 13 << 1 << 8 << 0 << 3;
        QTest::newRow("no blank after the book")
            << QStringLiteral("1كو13:1") << QStringLiteral("1كو") << 13 << 1 << 0 << 0 << 0;
        QTest::newRow("blank separator")
            << QStringLiteral("مت 5: 3 9") << QStringLiteral("مت") << 5 << 3 << 9 << 0 << 0;
        QTest::newRow("blanks and a letter")
            << QStringLiteral("   مت   5 ب  3 -  12") << QStringLiteral("مت") << 5 << 3 << 12 << 0 << 3;
        QTest::newRow("trailing blanks")
            << QStringLiteral("مت 5: 3-12   ") << QStringLiteral("مت") << 5 << 3 << 12 << 0 << 3;
        QTest::newRow("empty") << QString() << QString() << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("huge number") << QStringLiteral("مت 99999: 1") << QStringLiteral("مت") << 32767 << 1
                                     << 0 << 0 << 0;
    }
    void parse() {
        QFETCH(QString, reference);
        const Reference_Parts parts = Parse_Reference(reference);
        QTEST(parts.book, "book");
        QTEST(int(parts.chapter), "k");
        QTEST(int(parts.verse), "v");
        QTEST(int(parts.second), "w");
        QTEST(int(parts.third), "x");
        QTEST(parts.kind, "kind");
    }

    void passage_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("passage");
        const QString g3 = QStringLiteral("3 God said, Let there be light, and there was light.");
        const QString g5 = QStringLiteral("5 Genesis 1:5 verse");
        const QString g7 = QStringLiteral("7 Genesis 1:7 verse");
        QTest::newRow("kind 0") << QStringLiteral("تك 1: 12")
                                << QStringLiteral("12 Genesis 1:12 verse") + CRLF;
        QTest::newRow("kind 0, blank separator") << QStringLiteral("تك 1: 3 5") << g3 + CRLF;
        QTest::newRow("kind 0, colon missing") << QStringLiteral("تك 1 3") << g3 + CRLF;
        QTest::newRow("kind 0, blanks anywhere") << QStringLiteral("  تك   1  :   3") << g3 + CRLF;
        QTest::newRow("kind 0, a letter for the colon") << QStringLiteral("تك 1ب3") << g3 + CRLF;
        QTest::newRow("kind 1") << QStringLiteral("تك 1: 3، 5") << g3 + CRLF + g5;
        QTest::newRow("kind 2") << QStringLiteral("يو 1: 4، 2: 1")
                                << QStringLiteral("4 John 1:4") + CRLF + Chapter_Heading(2) +
                                       QStringLiteral("1 John 2:1");
        QTest::newRow("kind 3") << QStringLiteral("يو 1: 2-3")
                                << QStringLiteral("2 John 1:2") + CRLF + QStringLiteral("3 John 1:3") + CRLF;
        QTest::newRow("kind 3, elongation, trailing blanks")
            << QStringLiteral("يو 1: 2ـ3  ")
            << QStringLiteral("2 John 1:2") + CRLF + QStringLiteral("3 John 1:3") + CRLF;
        QTest::newRow("kind 3, reversed") << QStringLiteral("يو 1: 3-2") << QString();
        QTest::newRow("kind 4") << QStringLiteral("يو 1: 4-2: 1")
                                << QStringLiteral("4 John 1:4") + CRLF + Chapter_Heading(2) +
                                       QStringLiteral("1 John 2:1") + CRLF;
        QTest::newRow("kind 5") << QStringLiteral("تك 1: 3، 5، 7") << g3 + CRLF + g5 + CRLF + g7;
        QTest::newRow("kind 5 from a range") << QStringLiteral("تك 1: 3-5، 7") << g3 + CRLF + g5 + CRLF + g7;
        QTest::newRow("1 corinthians")
            << QStringLiteral("1كو 1: 1") << QStringLiteral("1 First Corinthians 1:1") + CRLF;
        QTest::newRow("colossians") << QStringLiteral("كو 1: 1") << QStringLiteral("1 Colossians 1:1") + CRLF;
        QTest::newRow("psalm table") << QStringLiteral("مز 1: 1-2")
                                     << QStringLiteral(
                                            "Psalm one from the psalm table\r\nwith a second line") +
                                            CRLF;
        QTest::newRow("psalm from the bible")
            << QStringLiteral("مز 1: 2-3")
            << QStringLiteral("2 Psalm 1:2 from the Bible table") + CRLF +
                   QStringLiteral("3 Psalm 1:3 from the Bible table") + CRLF;
        QTest::newRow("missing verse") << QStringLiteral("مت 5: 9") << QStringLiteral("9 ") + CRLF;
        QTest::newRow("null verse") << QStringLiteral("مت 5: 4") << QStringLiteral("4 ") + CRLF;
        QTest::newRow("empty verse") << QStringLiteral("مت 5: 3") << QStringLiteral("3 ") + CRLF;
        QTest::newRow("unknown book") << QStringLiteral("زز 1: 1") << QString();
        QTest::newRow("empty reference") << QString() << QString();
        QTest::newRow("book only") << QStringLiteral("تك") << QStringLiteral("0 ") + CRLF;

        // Several passages joined by " و ": a later chapter under its heading, another book
        // under its name and chapter; a part that starts with a number keeps the book.
        const QString j11 = QStringLiteral("1 John 1:1") + CRLF;
        QTest::newRow("joined, same chapter")
            << QStringLiteral("يو 1: 1 و 1: 3") << j11 + QStringLiteral("3 John 1:3") + CRLF;
        QTest::newRow("joined, across chapters")
            << QStringLiteral("يو 1: 3-4 و 2: 1")
            << QStringLiteral("3 John 1:3") + CRLF + QStringLiteral("4 John 1:4") + CRLF +
                   Chapter_Heading(2) + QStringLiteral("1 John 2:1") + CRLF;
        QTest::newRow("joined, across books")
            << QStringLiteral("يو 1: 1 و 1كو 13: 1-2")
            << j11 + CRLF + QStringLiteral("الرسالة الأولى إلى أهل كورنثوس") + Chapter_Heading(13) +
                   QStringLiteral("1 First Corinthians 13:1") + CRLF +
                   QStringLiteral("2 First Corinthians 13:2") + CRLF;
        QTest::newRow("joined after two verses, blanks around the join")
            << QStringLiteral("تك 1: 3، 5   و   مت 5: 1")
            << g3 + CRLF + g5 + CRLF + CRLF + QStringLiteral("متى") + Chapter_Heading(5) +
                   QStringLiteral("1 Matthew 5:1") + CRLF;
        QTest::newRow("joined after a range over chapters")
            << QStringLiteral("يو 1: 4-2: 1 و 2: 3")
            << QStringLiteral("4 John 1:4") + CRLF + Chapter_Heading(2) + QStringLiteral("1 John 2:1") +
                   CRLF + QStringLiteral("3 John 2:3") + CRLF;
        QTest::newRow("psalm joined, a part from the psalm table")
            << QStringLiteral("مز 1: 3 و 1: 1-2")
            << QStringLiteral("3 Psalm 1:3 from the Bible table") + CRLF +
                   QStringLiteral("Psalm one from the psalm table\r\nwith a second line") + CRLF;
        QTest::newRow("joined, no part has verses") << QStringLiteral("يو 9: 1-2 و 9: 4-5") << QString();
        QTest::newRow("join at the end") << QStringLiteral("يو 1: 1 و") << QString();
        QTest::newRow("join at the end, blanks") << QStringLiteral("يو 1: 1 و   ") << QString();
        QTest::newRow("two joins, an empty part") << QStringLiteral("يو 1: 1 و و 1: 2") << QString();
        QTest::newRow("first part without a book") << QStringLiteral("1: 1 و يو 1: 2") << QString();
        QTest::newRow("part of an unknown book") << QStringLiteral("يو 1: 1 و زز 1: 1") << QString();
        QTest::newRow("part without a chapter") << QStringLiteral("يو 1: 1 و مت") << QString();
    }

    // The Greek number of a psalm beside the Hebrew one the tables keep, only where
    // they differ, in every part of a joined reference; stored back unchanged.
    void churchPsalms_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("same") << "مز 8: 1-2"
                              << "مز 8: 1-2";
        QTest::newRow("one less") << "مز 23: 1-3"
                                  << "مز 22 (23): 1-3";
        QTest::newRow("9 and 10 joined") << "مز 10: 1"
                                         << "مز 9 (10): 1";
        QTest::newRow("116 split, first") << "مز 116: 1-9"
                                          << "مز 114 (116): 1-9";
        QTest::newRow("116 split, second") << "مز 116: 10"
                                           << "مز 115 (116): 10";
        QTest::newRow("147 split") << "مز 147: 12-14"
                                   << "مز 147: 12-14";
        QTest::newRow("after 147") << "مز 150: 1"
                                   << "مز 150: 1";
        QTest::newRow("joined parts") << "مز 73: 23-24، 28 و 9: 14"
                                      << "مز 72 (73): 23-24، 28 و 9: 14";
        QTest::newRow("another book first") << "مت 5: 1 و مز 51: 1"
                                            << "مت 5: 1 و مز 50 (51): 1";
        QTest::newRow("another book after") << "مز 51: 1 و 2: 1 و مت 5: 1"
                                            << "مز 50 (51): 1 و 2: 1 و مت 5: 1";
    }
    void churchPsalms() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(Church_Psalm_Reference(stored), shown);
        QCOMPARE(Stored_Psalm_Reference(shown), stored);
    }

    // A psalm box holds its reference without the book, and shows it so.
    void churchFieldReference_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Vespers psalm") << 1 << "132: 9-10، 17-18"
                                       << "131 (132): 9-10، 17-18";
        QTest::newRow("Liturgy psalm, joined") << 8 << "73: 23-24، 28 و 9: 14"
                                               << "72 (73): 23-24، 28 و 9: 14";
        QTest::newRow("psalm numbered alike") << 3 << "2: 2"
                                              << "2: 2";
        QTest::newRow("Acts") << 7 << "23: 1"
                              << "23: 1";
        QTest::newRow("a gospel") << 2 << "مت 23: 1"
                                  << "مت 23: 1";
        QTest::newRow("empty") << 1 << ""
                               << "";
    }
    void churchFieldReference() {
        QFETCH(int, field);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(Church_Field_Reference(field, stored), shown);
        QCOMPARE(Stored_Psalm_Reference(shown), stored);
    }

    void split_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("one passage, kept as written")
            << QStringLiteral("  يو 3: 16 ") << QStringList{QStringLiteral("  يو 3: 16 ")};
        QTest::newRow("four gospels")
            << QStringLiteral("مت 21: 1-17 و مر 11: 1-11 و لو 19: 29-48 و يو 12: 12-19")
            << QStringList{QStringLiteral("مت 21: 1-17"), QStringLiteral("مر 11: 1-11"),
                           QStringLiteral("لو 19: 29-48"), QStringLiteral("يو 12: 12-19")};
        QTest::newRow("the book kept")
            << QStringLiteral("1كو 10: 25-32 و 11: 1")
            << QStringList{QStringLiteral("1كو 10: 25-32"), QStringLiteral("1كو 11: 1")};
        QTest::newRow("psalm of pieces")
            << QStringLiteral("مز 73: 23-24، 28 و 9: 14")
            << QStringList{QStringLiteral("مز 73: 23-24، 28"), QStringLiteral("مز 9: 14")};
        QTest::newRow("books that hold the letter")
            << QStringLiteral("هو 6: 1 و يو 3: 1")
            << QStringList{QStringLiteral("هو 6: 1"), QStringLiteral("يو 3: 1")};
        QTest::newRow("malformed") << QStringLiteral("و مت 5: 1 و") << QStringList();
    }
    void split() {
        QFETCH(QString, reference);
        QTEST(Split_Reference(reference), "parts");
    }
    void passage() {
        QFETCH(QString, reference);
        QTEST(Get_Passage(reference), "passage");
    }

    void kind4OverThreeChaptersHasTwoHeadings() {
        const QString passage = Get_Passage(QStringLiteral("يو 1: 3-3: 2"));
        const QString expected = QStringLiteral("3 John 1:3") + CRLF + QStringLiteral("4 John 1:4") + CRLF +
                                 Chapter_Heading(2) + QStringLiteral("1 John 2:1") + CRLF +
                                 QStringLiteral("2 John 2:2") + CRLF + QStringLiteral("3 John 2:3") + CRLF +
                                 Chapter_Heading(3) + QStringLiteral("1 John 3:1") + CRLF +
                                 QStringLiteral("2 John 3:2") + CRLF;
        QCOMPARE(passage, expected);
        QCOMPARE(passage.count(QStringLiteral("الأصحاح رقم")), 2);
        QCOMPARE(Data_Bible().recordSource(),
                 QStringLiteral(
                     "SELECT * FROM Bible WHERE Old =  0 and Bible =  4 and Part >=  1 and Part <=  3"));
    }

    void statementsSent_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("statement");
        QTest::newRow("second testament, old 0")
            << QStringLiteral("مت 5: 1")
            << QStringLiteral(
                   "SELECT * FROM Bible WHERE Old =  0 and Bible =  1 and Part =  5 and Sign_No =  1");
        QTest::newRow("first testament, old -1")
            << QStringLiteral("تك 1: 2-4")
            << QStringLiteral(
                   "SELECT * FROM Bible WHERE Old = -1 and Bible =  1 and Part =  1 and Sign_No >=  2 and "
                   "Sign_No <=  4");
        QTest::newRow("psalm table") << QStringLiteral("مز 1: 1-2")
                                     << QStringLiteral("SELECT * FROM Psalmos WHERE Sign Like '") +
                                            Flip_Text(QStringLiteral("1: 1-2")) + QStringLiteral("'");
    }
    void statementsSent() {
        QFETCH(QString, reference);
        QVERIFY(!Get_Passage(reference).isEmpty());
        QTEST(Data_Bible().recordSource(), "statement");
    }

    void unknownBookSendsNothing() {
        Data_Bible().setRecordSource(QStringLiteral("Tips"));
        QCOMPARE(Get_Passage(QStringLiteral("xyz 1: 1")), QString());
        QCOMPARE(Data_Bible().recordSource(), QStringLiteral("Tips"));
    }

    void psalmFallbackUsesTheBookKeys() {
        Get_Passage(QStringLiteral("مز 1: 3"));
        QCOMPARE(Data_Bible().recordSource(),
                 QStringLiteral(
                     "SELECT * FROM Bible WHERE Old = -1 and Bible =  21 and Part =  1 and Sign_No =  3"));
    }

    void missingDatabaseGivesEmptyText() {
        Data_Source source(QStringLiteral("Data_Bible"));
        source.setDatabaseName(fixture_.folder() + QStringLiteral("/absent.mdb"));
        QCOMPARE(Get_Passage(source, QStringLiteral("يو 1: 2-3")), QString());
        QVERIFY(!source.lastError().isEmpty());
        QCOMPARE(Get_Passage(source, QStringLiteral("يو 1: 2")), QStringLiteral("2 ") + CRLF);
    }

    void readingPrefixes() {
        for (int field : {1, 3, 8})
            QCOMPARE(Reading_Prefix(field), QStringLiteral("مز "));
        QCOMPARE(Reading_Prefix(7), QStringLiteral("اع "));
        for (int field : {2, 4, 5, 6, 9, 10})
            QCOMPARE(Reading_Prefix(field), QString());
        QCOMPARE(Get_Passage(Reading_Prefix(7) + QStringLiteral("2: 1-2")),
                 QStringLiteral("1 Acts 2:1") + CRLF + QStringLiteral("2 Acts 2:2") + CRLF);
    }

private:
    Lectionary_Fixture fixture_;
};

QTEST_GUILESS_MAIN(Test_Passage)
#include "test_passage.moc"
