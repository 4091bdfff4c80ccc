// The search in memory against the statements, over the whole shipped Bible: the same
// lines, in the same order, for a few hundred terms taken from the Bible's own words.

#include "bible/search.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/scrambled_text.h"

#include <QRegularExpression>
#include <QtTest>

using namespace MdlLectarium;

class Test_Search_Shipped final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Init_Bible_Tables(); }

    void sameHitsAsTheStatements() {
        Data_Source source(QStringLiteral("Data_Bible_Search"));
        source.setDatabaseName(QStringLiteral(LECTARIUM_SHIPPED_DATABASE));
        source.setRecordSource(QStringLiteral("Bible"));
        QVERIFY2(source.refresh(), qPrintable(source.lastError()));
        QVERIFY(source.recordCount() > 30000);

        // Words, pairs of words and pieces of words from verses spread over the Bible.
        QStringList terms;
        const QRegularExpression blanks(QStringLiteral("\\s+"));
        int row = 0;
        for (source.moveFirst(); !source.eof(); source.moveNext(), ++row) {
            if (row % 500 != 0)
                continue;
            const QStringList words = Flip_Text(source.text(QStringLiteral("Sign"))).split(blanks);
            if (words.size() < 4)
                continue;
            const qsizetype w = row % (words.size() - 2);
            terms << words[w] << words[w] + QLatin1Char(' ') + words[w + 1] << words[w + 2].left(3);
        }
        terms << QStringLiteral(" ") << QStringLiteral("God") << QStringLiteral("Jesus wept")
              << QStringLiteral("'") << QStringLiteral("LORD") << QStringLiteral("lord")
              << QStringLiteral("no such words at all");
        terms.removeAll(QString());
        QVERIFY(terms.size() > 200);

        int hits = 0;
        for (qsizetype i = 0; i < terms.size(); ++i) {
            const QString& term = terms[i];
            Search_Scope scope;
            QString statement;
            switch (i % 4) {
            case 0:
                statement = Testament_Statement(true, true, Flip_Text(term));
                break;
            case 1:
                scope = {true, false, {}};
                statement = Testament_Statement(true, false, Flip_Text(term));
                break;
            case 2:
                scope = {false, true, {}};
                statement = Testament_Statement(false, true, Flip_Text(term));
                break;
            default:
                scope.books = {73, 1, 19, 21, 47};
                statement = Books_Statement(scope.books, Flip_Text(term));
            }
            source.setRecordSource(statement);
            QVERIFY2(source.refresh(), qPrintable(source.lastError()));
            const Scan_Outcome written = Scan_Hits(source, nullptr);
            Found_Verses found;
            QString error;
            QVERIFY2(Find_Verses(source, term, false, scope, found, error), qPrintable(error));
            const Scan_Outcome inMemory = Scan_Found(found, nullptr);
            QCOMPARE(inMemory.hits, written.hits);
            QVERIFY2(inMemory.pages.Pages() == written.pages.Pages(), qPrintable(term));
            hits += written.hits;
        }
        QVERIFY(hits > 10000);
    }
};

QTEST_GUILESS_MAIN(Test_Search_Shipped)
#include "test_search_shipped.moc"
