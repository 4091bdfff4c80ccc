#include "bible/search.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/scrambled_text.h"
#include "tests/bible/search_fixture.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace MdlLectarium;

namespace {

const QString crlf = QStringLiteral("\r\n");

QList<Integer> books(std::initializer_list<int> list) {
    QList<Integer> out;
    for (int b : list)
        out << Integer(b);
    return out;
}

// Rows of a small Bible in which "قطع" holds the letter whose scrambled form is the
// quote, and "ے" the letter whose scrambled form is the character of code 0.
QList<Search_Row> quoteRows() {
    return {{1, 1, 1, QStringLiteral("قطع الحطب")},    {1, 1, 2, QStringLiteral("كلام آخر")},
            {5, 2, 3, QStringLiteral("ثم قطع العهد")}, {47, 3, 4, QStringLiteral("قطع الخبز")},
            {48, 1, 1, QStringLiteral("حرف ے هنا")},   {73, 1, 1, QStringLiteral("نهاية")}};
}

} // namespace

class Test_Search final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Init_Bible_Tables(); }

    void referenceText_data() {
        QTest::addColumn<int>("old");
        QTest::addColumn<int>("bible");
        QTest::addColumn<int>("chapter");
        QTest::addColumn<int>("verse");
        QTest::addColumn<QString>("expected");
        QTest::newRow("book 47, 5:3") << 0 << 1 << 5 << 3 << QStringLiteral("نص (مت  5 :  3)") + crlf;
        QTest::newRow("book 5, -1") << -1 << 5 << 12 << 40 << QStringLiteral("نص (تث  12 :  40)") + crlf;
        QTest::newRow("any non-zero Old is the first testament")
            << 1 << 21 << 151 << 7 << QStringLiteral("نص (مز  151 :  7)") + crlf;
        QTest::newRow("last book") << 0 << 27 << 22 << 21 << QStringLiteral("نص (رؤ  22 :  21)") + crlf;
        QTest::newRow("a row outside the 73 books")
            << 0 << 40 << 1 << 1 << QStringLiteral("نص (  1 :  1)") + crlf;
    }

    void referenceText() {
        QFETCH(int, old);
        QFETCH(int, bible);
        QFETCH(int, chapter);
        QFETCH(int, verse);
        QFETCH(QString, expected);
        const Integer o = Integer(old), b = Integer(bible), c = Integer(chapter), v = Integer(verse);
        QCOMPARE(Reference_Text(o, b, c, v, QStringLiteral("نص")), expected);
    }

    void statements_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("expected");
        QTest::newRow("both testaments")
            << Testament_Statement(true, true, QStringLiteral("abc"))
            << QStringLiteral("SELECT * FROM Bible WHERE INSTR (1,Sign,'abc') <>0");
        QTest::newRow("old testament")
            << Testament_Statement(true, false, QStringLiteral("abc"))
            << QStringLiteral("SELECT * FROM Bible WHERE Old = -1 and  INSTR (Sign,'abc') <>0");
        QTest::newRow("new testament")
            << Testament_Statement(false, true, QStringLiteral("abc"))
            << QStringLiteral("SELECT * FROM Bible WHERE Old = 0 and  INSTR (1,Sign,'abc') <>0");
        QTest::newRow("books 5 and 47") << Books_Statement(books({5, 47}), QStringLiteral("abc"))
                                        << QStringLiteral("SELECT * FROM Bible WHERE (  ( Old = -1 And Bible "
                                                          "=  5 ) or  ( Old =  0 And Bible =  1 ) ) "
                                                          "and  INSTR (1,Sign,'abc') <>0");
        QTest::newRow("one book") << Books_Statement(books({73}), QStringLiteral("abc"))
                                  << QStringLiteral("SELECT * FROM Bible WHERE (  ( Old =  0 And Bible =  27 "
                                                    ") ) and  INSTR (1,Sign,'abc') <>0");
        QTest::newRow("quotes doubled")
            << Testament_Statement(true, true, QStringLiteral("a'b''"))
            << QStringLiteral("SELECT * FROM Bible WHERE INSTR (1,Sign,'a''b''''') <>0");
        QTest::newRow("code 0 joined in")
            << Testament_Statement(false, true, QStringLiteral("a") + QChar(0) + QStringLiteral("b"))
            << QStringLiteral(
                   "SELECT * FROM Bible WHERE Old = 0 and  INSTR (1,Sign,'a' || char(0) || 'b') <>0");
    }

    void statements() {
        QFETCH(QString, statement);
        QFETCH(QString, expected);
        QCOMPARE(statement, expected);
    }

    // The quote is what the letter of code 216 turns into; the term must still be
    // found, in every statement form, and nothing typed can widen the search.
    void termsThatScrambleToQuotes_data() {
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("scope"); // 0 both, 1 old, 2 new, 3 books 5 and 47
        QTest::addColumn<QStringList>("hits");
        const QStringList all{QStringLiteral("قطع الحطب"), QStringLiteral("ثم قطع العهد"),
                              QStringLiteral("قطع الخبز")};
        QTest::newRow("both") << QStringLiteral("قطع") << 0 << all;
        QTest::newRow("old") << QStringLiteral("قطع") << 1 << all.mid(0, 2);
        QTest::newRow("new") << QStringLiteral("قطع") << 2 << all.mid(2);
        QTest::newRow("books") << QStringLiteral("قطع") << 3 << all.mid(1);
        QTest::newRow("two quotes") << QStringLiteral("حطب") << 0 << QStringList{QStringLiteral("قطع الحطب")};
        QTest::newRow("code 0, both") << QStringLiteral("ے") << 0 << QStringList{QStringLiteral("حرف ے هنا")};
        QTest::newRow("code 0, old") << QStringLiteral("ے") << 1 << QStringList();
        QTest::newRow("code 0, new") << QStringLiteral("ے هنا") << 2
                                     << QStringList{QStringLiteral("حرف ے هنا")};
        // Typed so that its scrambled form would close the literal and add a condition
        // that every row meets.
        QTest::newRow("injection") << Flip_Text(QStringLiteral("zz') <>0 OR 1=1 OR INSTR (Sign,'zz")) << 0
                                   << QStringList();
        QTest::newRow("injection, books")
            << Flip_Text(QStringLiteral("') <>0 OR INSTR (1,Sign,'")) << 3 << QStringList();
    }

    void termsThatScrambleToQuotes() {
        QFETCH(QString, term);
        QFETCH(int, scope);
        QFETCH(QStringList, hits);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lectarium.mdb"));
        QCOMPARE(Write_Search_Fixture(path, quoteRows()), QString());
        Data_Source source(QStringLiteral("Data_Bible_Search"));
        source.setDatabaseName(path);
        const QString scrambled = Flip_Text(term);
        source.setRecordSource(scope == 3 ? Books_Statement(books({5, 47}), scrambled)
                                          : Testament_Statement(scope != 2, scope != 1, scrambled));
        QVERIFY2(source.refresh(), qPrintable(source.lastError()));
        QStringList found;
        for (source.moveFirst(); !source.eof(); source.moveNext())
            found << Flip_Text(source.text(QStringLiteral("Sign")));
        QCOMPARE(found, hits);

        // The search in memory finds the same verses.
        Search_Scope inMemory;
        inMemory.oldTestament = scope != 2;
        inMemory.newTestament = scope != 1;
        if (scope == 3)
            inMemory.books = books({5, 47});
        Found_Verses verses;
        QString error;
        QVERIFY2(Find_Verses(source, term, false, inMemory, verses, error), qPrintable(error));
        QCOMPARE(static_cast<int>(verses.rows.size()), hits.size());
        const QString page = Scan_Found(verses, nullptr).pages.Pages()[1];
        for (const QString& hit : hits)
            QVERIFY(page.contains(hit + QStringLiteral(" (")));
    }

    // Ignoring the marks: (term, verse, found with the option, found as written).
    void folding_data() {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("verse");
        QTest::addColumn<bool>("folded");
        QTest::addColumn<bool>("written");
        const QString genesis = QStringLiteral("فِي الْبَدْءِ خَلَقَ اللهُ السَّمَاوَاتِ وَالأَرْضَ");
        QTest::newRow("short vowels") << QStringLiteral("خلق") << genesis << true << false;
        QTest::newRow("hamza on alef and vowels") << QStringLiteral("والارض") << genesis << true << false;
        QTest::newRow("shadda") << QStringLiteral("السماوات") << genesis << true << false;
        QTest::newRow("vowelled term, bare verse")
            << QStringLiteral("خَلَقَ") << QStringLiteral("خلق الله") << true << false;
        QTest::newRow("as written") << QStringLiteral("خَلَقَ") << genesis << true << true;
        QTest::newRow("alef below") << QStringLiteral("اله") << QStringLiteral("إِلهُ آبَائِنَا") << true << false;
        QTest::newRow("alef madda") << QStringLiteral("ابائنا") << QStringLiteral("إِلهُ آبَائِنَا") << true
                                    << false;
        QTest::newRow("alef wasla") << QStringLiteral("الله") << QStringLiteral("بِسْمِ ٱللَّهِ") << true << false;
        QTest::newRow("superscript alef")
            << QStringLiteral("هذا") << QStringLiteral("هٰذَا الْيَوْمُ") << true << false;
        QTest::newRow("tatweel") << QStringLiteral("الرب") << QStringLiteral("قال الـــرب") << true << false;
        QTest::newRow("alef maqsura")
            << QStringLiteral("علي") << QStringLiteral("عَلَى الْجَبَلِ") << true << false;
        QTest::newRow("ta marbuta") << QStringLiteral("رحمه") << QStringLiteral("رَحْمَةٌ") << true << false;
        QTest::newRow("the other way")
            << QStringLiteral("على رحمة") << QStringLiteral("علي رحمه") << true << false;
        QTest::newRow("a long vowel stays a letter")
            << QStringLiteral("خلق") << QStringLiteral("الخَالِقُ") << false << false;
        QTest::newRow("hamza on ya stays")
            << QStringLiteral("اسرايل") << QStringLiteral("إِسْرَائِيلَ") << false << false;
        QTest::newRow("latin case kept")
            << QStringLiteral("god") << QStringLiteral("God is") << false << false;
        QTest::newRow("latin") << QStringLiteral("God") << QStringLiteral("God is") << true << true;
    }

    void folding() {
        QFETCH(QString, term);
        QFETCH(QString, verse);
        QFETCH(bool, folded);
        QFETCH(bool, written);
        QCOMPARE(!Find_Term(verse, term, true).isEmpty(), folded);
        QCOMPARE(!Find_Term(verse, term, false).isEmpty(), written);
        QCOMPARE(Find_Term(verse, term, false).isEmpty(), !verse.contains(term));
    }

    // The marks cover the letters found and the vowels on them, every time.
    void marks() {
        const QString verse = QStringLiteral("خَلَقَ اللهُ ... خلق");
        QCOMPARE(Find_Term(verse, QStringLiteral("خلق"), true), (QList<Hit_Mark>{{0, 6}, {17, 3}}));
        QCOMPARE(Find_Term(verse, QStringLiteral("خلق"), false), (QList<Hit_Mark>{{17, 3}}));
        QVERIFY(Has_Arabic_Letters(QStringLiteral("God خلق")));
        QVERIFY(!Has_Arabic_Letters(QStringLiteral("God ١٢ \u064E")));
        Search_Pages pages;
        pages.Add(QStringLiteral("ab\r\n"), {{0, 1}});
        pages.Add(QStringLiteral("cab\r\n"), {{1, 2}});
        QCOMPARE(pages.Marks()[1], (QList<Hit_Mark>{{0, 1}, {5, 2}}));
    }

    // With the option on, the folded verses; a term of marks alone is searched as written.
    void foldedSearch() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lectarium.mdb"));
        QCOMPARE(Write_Search_Fixture(path, {{1, 1, 1, QStringLiteral("فِي الْبَدْءِ خَلَقَ اللهُ")},
                                             {1, 1, 2, QStringLiteral("وَكَانَتِ الأَرْضُ خَرِبَةً")},
                                             {47, 1, 1, QStringLiteral("خلق")}}),
                 QString());
        Data_Source source(QStringLiteral("Data_Bible_Search"));
        source.setDatabaseName(path);
        Found_Verses found;
        QString error;
        QVERIFY(Find_Verses(source, QStringLiteral("خلق"), true, Search_Scope(), found, error));
        QCOMPARE(found.rows.size(), size_t(2));
        QVERIFY(
            Find_Verses(source, QStringLiteral("خلق"), true, Search_Scope{true, false, {}}, found, error));
        const Scan_Outcome outcome = Scan_Found(found, nullptr);
        QCOMPARE(outcome.pages.Pages()[1], QStringLiteral("فِي الْبَدْءِ خَلَقَ اللهُ (تك  1 :  1)\r\n"));
        QCOMPARE(outcome.pages.Marks()[1], (QList<Hit_Mark>{{14, 6}}));
        QVERIFY(Find_Verses(source, QStringLiteral("الارض"), true, Search_Scope(), found, error));
        QCOMPARE(found.rows.size(), size_t(1));
        QVERIFY(Find_Verses(source, QStringLiteral("الارض"), false, Search_Scope(), found, error));
        QCOMPARE(found.rows.size(), size_t(0));
        QVERIFY(Find_Verses(source, QStringLiteral("\u064E"), true, Search_Scope(), found, error));
        QCOMPARE(found.rows.size(), size_t(2));
        QVERIFY(!found.folded);
    }

    // A page closes once it is longer than the limit: a page of exactly the limit stays
    // open, and the line that crosses it leaves an empty page behind.
    void pages_data() {
        QTest::addColumn<QList<int>>("lineLengths");
        QTest::addColumn<QList<int>>("pageLengths");
        QTest::newRow("nothing") << QList<int>{} << QList<int>{0};
        QTest::newRow("exactly the limit") << QList<int>{14500, 14500} << QList<int>{29000};
        QTest::newRow("one over") << QList<int>{14500, 14501} << QList<int>{29001, 0};
        QTest::newRow("a line past the limit on its own") << QList<int>{40000, 10} << QList<int>{40000, 10};
        QTest::newRow("three pages") << QList<int>{20000, 9001, 5, 29000, 1} << QList<int>{29001, 29005, 1};
    }

    void pages() {
        QFETCH(QList<int>, lineLengths);
        QFETCH(QList<int>, pageLengths);
        Search_Pages pages;
        for (int length : lineLengths)
            pages.Add(QString(length, QLatin1Char('x')));
        QCOMPARE(pages.Count(), pageLengths.size());
        QCOMPARE(pages.Pages().size(), pageLengths.size() + 1);
        QVERIFY(pages.Pages().first().isEmpty());
        for (int p = 1; p <= pages.Count(); ++p)
            QCOMPARE(pages.Pages()[p].size(), pageLengths[p - 1]);
    }

    // Far more than fifty pages: every line is kept, in order.
    void manyPagesKeepEveryLine() {
        Search_Pages pages;
        QString all;
        for (int i = 0; i < 3000; ++i) {
            const QString line = QString(1000, QLatin1Char('a' + i % 26)) + QString::number(i) + crlf;
            pages.Add(line);
            all += line;
        }
        QVERIFY(pages.Count() > 100);
        QCOMPARE(pages.Pages().join(QString()), all);
        Keep_Results(pages);
        QCOMPARE(Page_Count, pages.Count());
        QCOMPARE(Result_Pages.size(), Page_Count + 1);
    }

    void scanStopsWhenTold() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lectarium.mdb"));
        QCOMPARE(Write_Search_Fixture(path, quoteRows()), QString());
        Data_Source source(QStringLiteral("Data_Bible_Search"));
        source.setDatabaseName(path);
        source.setRecordSource(QStringLiteral("Bible"));
        QVERIFY(source.refresh());

        QList<int> percents;
        const Scan_Outcome whole = Scan_Hits(source, [&](int percent) {
            percents << percent;
            return true;
        });
        QVERIFY(!whole.cancelled);
        QCOMPARE(whole.hits, 6);
        QCOMPARE(percents, (QList<int>{0, 16, 33, 50, 66, 83}));
        QCOMPARE(whole.pages.Count(), 1);
        QVERIFY(whole.pages.Pages()[1].startsWith(QStringLiteral("قطع الحطب (تك  1 :  1)\r\n")));
        QVERIFY(whole.pages.Pages()[1].endsWith(QStringLiteral("نهاية (رؤ  1 :  1)\r\n")));

        int calls = 0;
        const Scan_Outcome stopped = Scan_Hits(source, [&](int) { return ++calls < 2; });
        QVERIFY(stopped.cancelled);
        QCOMPARE(stopped.hits, 2);
        QCOMPARE(stopped.pages.Pages()[1].count(crlf), 2);
    }
};

QTEST_GUILESS_MAIN(Test_Search)
#include "test_search.moc"
