// Translations read from SWORD modules that imp2vs makes at test time in a SWORD_PATH of
// the test's own: vowelled Arabic in KJV versification, English in the Greek-numbered
// LXX versification with a verse missing, a commentary and a damaged module.

#include "lectionary/parallel_passage.h"
#include "lectionary/sword_bible.h"
#include "lectionary/sword_import.h"
#include "tests/support/sword_modules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace MdlLectarium;
using Columns = QList<QMap<int, QString>>;

namespace {

const char Arabic_Verses[] = "$$$Gen 1:1\nفِي الْبَدْءِ خَلَقَ اللهُ السَّمَاوَاتِ وَالأَرْضَ.\n"
                             "$$$Gen 1:2\nوَكَانَتِ الأَرْضُ خَرِبَةً وَخَالِيَةً\n"
                             "$$$Gen 1:3\nوَقَالَ اللهُ: لِيَكُنْ نُورٌ\n"
                             "$$$Ps 23:1\nالرَّبُّ رَاعِيَّ فَلاَ يُعْوِزُنِي شَيْءٌ.\n"
                             "$$$Matt 1:1\nكِتَابُ مِيلاَدِ يَسُوعَ الْمَسِيحِ\n";
// No Genesis 1:2; the shepherd psalm is 22 in the Greek numbering.
const char English_Verses[] = "$$$Gen 1:1\nIn the beginning God<note>a note</note>created the heavens.\n"
                              "$$$Gen 1:3\nGod said, Let there be light.\n"
                              "$$$Ps 9:22\nWhy, O Lord, do you stand far off?\n"
                              "$$$Ps 22:1\nThe Lord is my shepherd.\n"
                              "$$$Ps 115:1\nI believed, therefore I spoke.\n"
                              "$$$Ps 151:1\nI was small among my brothers.\n"
                              "$$$Matt 1:1\nThe book of the genealogy of Jesus Christ.\n";

} // namespace

class Test_Sword_Bible final : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString sword;

    void writeConf(const QString& name, const QString& v11n, const char* driver, const QString& data) {
        QString error;
        QVERIFY2(Sword_Modules(sword).Write_Conf(name, v11n, driver, data, error), qPrintable(error));
    }

    void makeModule(const QString& name, const QString& v11n, const QByteArray& imp) {
        QString error;
        QVERIFY2(Sword_Modules(sword).Make_Bible(name, v11n, imp, error), qPrintable(error));
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("imp2vs")).isEmpty())
            QSKIP("imp2vs (Debian libsword-utils) is not installed");
        sword = dir.filePath(QStringLiteral("sword"));
        QVERIFY(QDir().mkpath(sword + QStringLiteral("/mods.d")));
        qputenv("SWORD_PATH", sword.toUtf8());
        qputenv("HOME", dir.path().toUtf8()); // no ~/.sword of the user
        qputenv("XDG_CACHE_HOME", dir.filePath(QStringLiteral("cache")).toUtf8());
        makeModule(QStringLiteral("ArabKJV"), QStringLiteral("KJV"), Arabic_Verses);
        makeModule(QStringLiteral("EngLXX"), QStringLiteral("LXX"), English_Verses);
        // A commentary on the Arabic text, and a Bible whose text files are noise.
        writeConf(QStringLiteral("Comment"), QStringLiteral("KJV"), "RawCom", QStringLiteral("ArabKJV"));
        QString error;
        QVERIFY2(Sword_Modules(sword).Make_Broken(QStringLiteral("Broken"), error), qPrintable(error));
    }

    void discovery() {
        QStringList found;
        for (const Sword_Module& m : Sword_Bible_Modules())
            found << QStringList{m.name, m.language, m.versification}.join(QLatin1Char(' '));
        found.sort();
        // The commentary is not a Bible.
        QCOMPARE(found, (QStringList{"ArabKJV ar KJV", "Broken en KJV", "EngLXX en LXX"}));
    }

    void mapping_data() {
        QTest::addColumn<QString>("module");
        QTest::addColumn<int>("book");
        QTest::addColumn<int>("chapter");
        QTest::addColumn<int>("verse");
        QTest::addColumn<QString>("text");
        QTest::newRow("vowelled Arabic")
            << "ArabKJV" << 1 << 1 << 1 << QStringLiteral("فِي الْبَدْءِ خَلَقَ اللهُ السَّمَاوَاتِ وَالأَرْضَ.");
        QTest::newRow("Hebrew psalm stays")
            << "ArabKJV" << 21 << 23 << 1 << QStringLiteral("الرَّبُّ رَاعِيَّ فَلاَ يُعْوِزُنِي شَيْءٌ.");
        QTest::newRow("Greek psalm 22 is the table's 23")
            << "EngLXX" << 21 << 23 << 1 << "The Lord is my shepherd.";
        QTest::newRow("Greek psalm 22 not kept as 22") << "EngLXX" << 21 << 22 << 1 << QString();
        QTest::newRow("Greek 9:22 is the table's 10:1")
            << "EngLXX" << 21 << 10 << 1 << "Why, O Lord, do you stand far off?";
        QTest::newRow("Greek 115:1 is the table's 116:10")
            << "EngLXX" << 21 << 116 << 10 << "I believed, therefore I spoke.";
        QTest::newRow("Psalm 151") << "EngLXX" << 21 << 151 << 1 << "I was small among my brothers.";
        QTest::newRow("note dropped, words apart")
            << "EngLXX" << 1 << 1 << 1 << "In the beginning God created the heavens.";
        QTest::newRow("missing verse") << "EngLXX" << 1 << 1 << 2 << QString();
        QTest::newRow("New Testament")
            << "EngLXX" << 47 << 1 << 1 << "The book of the genealogy of Jesus Christ.";
    }
    void mapping() {
        QFETCH(QString, module);
        QFETCH(int, book);
        QFETCH(int, chapter);
        QFETCH(int, verse);
        QFETCH(QString, text);
        Translation translation;
        QString error;
        QVERIFY2(Open_Translation(module, translation, error), qPrintable(error));
        QCOMPARE(Translation_Verses(translation, book, chapter, verse, verse).value(verse), text);
    }

    void alignment_data() {
        QTest::addColumn<Columns>("columns");
        QTest::addColumn<QStringList>("rows"); // "n:cell|cell"
        using Column = QMap<int, QString>;
        QTest::newRow("same verses") << QList<Column>{{{1, "a1"}, {2, "a2"}}, {{1, "b1"}, {2, "b2"}}}
                                     << QStringList{"1:a1|b1", "2:a2|b2"};
        QTest::newRow("second lacks a verse")
            << QList<Column>{{{1, "a1"}, {2, "a2"}, {3, "a3"}}, {{1, "b1"}, {3, "b3"}}}
            << QStringList{"1:a1|b1", "2:a2|", "3:a3|b3"};
        QTest::newRow("main lacks a verse, three columns")
            << QList<Column>{{{2, "a2"}}, {{1, "b1"}, {2, "b2"}}, {{1, "c1"}}}
            << QStringList{"1:|b1|c1", "2:a2|b2|"};
        QTest::newRow("one column") << QList<Column>{{{5, "a5"}}} << QStringList{"5:a5"};
    }
    void alignment() {
        QFETCH(Columns, columns);
        QFETCH(QStringList, rows);
        QStringList got;
        for (const Aligned_Row& row : Align_Verses(columns))
            got << QString::number(row.verse) + QLatin1Char(':') + row.cells.join(QLatin1Char('|'));
        QCOMPARE(got, rows);
    }

    // Genesis 1 of two modules side by side, the verse English lacks an empty cell.
    void alignmentOfModules() {
        Translation arabic, english;
        QString error;
        QVERIFY(Open_Translation(QStringLiteral("ArabKJV"), arabic, error));
        QVERIFY(Open_Translation(QStringLiteral("EngLXX"), english, error));
        const QList<Aligned_Row> rows =
            Align_Verses({Translation_Verses(arabic, 1, 1, 1, 0), Translation_Verses(english, 1, 1, 1, 0)});
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[1].verse, 2);
        QVERIFY(!rows[1].cells[0].isEmpty());
        QVERIFY(rows[1].cells[1].isEmpty());
    }

    // Reading references in the Arabic and English modules side by side: per chapter
    // block "book chapter:" and per row the verse and + or - for each cell.
    void sideBySide_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("blocks");
        QTest::newRow("range, English lacks verse 2") << "تك 1: 1-3"
                                                      << "1 1: 1++ 2+- 3++";
        QTest::newRow("one verse") << "تك 1: 2"
                                   << "1 1: 2+-";
        QTest::newRow("joined, two books") << "تك 1: 3 و مت 1: 1"
                                           << "1 1: 3++ / 47 1: 1++";
        QTest::newRow("Hebrew and Greek psalm on one row") << "مز 23: 1"
                                                           << "21 23: 1++";
        QTest::newRow("unknown book") << "xyz 1: 1"
                                      << "";
    }
    void sideBySide() {
        QFETCH(QString, reference);
        QFETCH(QString, blocks);
        Translation arabic, english;
        QString error;
        QVERIFY(Open_Translation(QStringLiteral("ArabKJV"), arabic, error));
        QVERIFY(Open_Translation(QStringLiteral("EngLXX"), english, error));
        QStringList got;
        for (const Passage_Block& block : Side_By_Side({&arabic, &english}, reference)) {
            QString line = QStringLiteral("%1 %2:").arg(block.book).arg(block.chapter);
            for (const Aligned_Row& row : block.rows) {
                line += QLatin1Char(' ') + QString::number(row.verse);
                for (const QString& cell : row.cells)
                    line += cell.isEmpty() ? QLatin1Char('-') : QLatin1Char('+');
            }
            got << line;
        }
        QCOMPARE(got.join(QStringLiteral(" / ")), blocks);
    }

    // A search in a translation: the verses found, as book:chapter:verse, in the order of
    // the books searched, each verse once however often it holds the term.
    void searchTranslation_data() {
        QTest::addColumn<QString>("term");
        QTest::addColumn<bool>("ignoreMarks");
        QTest::addColumn<QList<int>>("books");
        QTest::addColumn<QString>("found");
        QTest::addColumn<bool>("foundLater"); // the verse "الله خلق" added after the first search
        QTest::newRow("exact, every book") << "الله" << false << QList<int>{} << "1:1:1 1:1:3 47:1:1" << true;
        QTest::newRow("vowelled term, exact: only the vowelled verse")
            << "اللهُ" << false << QList<int>{} << "1:1:3" << false;
        QTest::newRow("regardless of the vowels") << "خلق" << true << QList<int>{} << "1:1:1" << true;
        QTest::newRow("books in the order chosen")
            << "الله" << false << QList<int>{47, 1} << "47:1:1 1:1:1 1:1:3" << false;
        QTest::newRow("never across the end of a verse")
            << "السموات والارض" << true << QList<int>{} << "1:1:1" << false;
        QTest::newRow("end of one verse and start of the next")
            << "ارض وقال" << true << QList<int>{} << "" << false;
        QTest::newRow("marks alone: searched as written")
            << QString(QChar(0x064F)) << true << QList<int>{} << "1:1:3" << false;
    }
    void searchTranslation() {
        QFETCH(QString, term);
        QFETCH(bool, ignoreMarks);
        QFETCH(QList<int>, books);
        QFETCH(QString, found);
        QFETCH(bool, foundLater);
        Translation translation;
        translation.verses = {{{1, 1, 1}, QStringLiteral("في البدء خلق الله السموات والارض")},
                              {{1, 1, 2}, QStringLiteral("وكانت الارض")},
                              {{1, 1, 3}, QStringLiteral("وقال اللهُ الله: ليكن نور")},
                              {{47, 1, 1}, QStringLiteral("ابن الله الله")}};
        Search_Scope scope;
        for (const int book : books)
            scope.books.append(book);
        const auto verses = [&] {
            QStringList got;
            const Scan_Outcome outcome = Search_Translation(translation, term, ignoreMarks, scope);
            for (const QList<Hit_Verse>& page : outcome.pages.Verses())
                for (const Hit_Verse& v : page)
                    got << QStringLiteral("%1:%2:%3").arg(v.book).arg(v.chapter).arg(v.verse);
            return got.join(QLatin1Char(' '));
        };
        QCOMPARE(verses(), found);
        // The database's Bible is read chapter by chapter: a later verse is found too.
        translation.verses[{2, 1, 1}] = QStringLiteral("الله خلق");
        QCOMPARE(verses().contains(QStringLiteral("2:1:1")), foundLater);
    }

    // The first use reads the module and writes the cache; later uses read the cache
    // until the module changes.
    void cacheRebuiltWhenModuleChanges() {
        const QString name = QStringLiteral("Changing");
        makeModule(name, QStringLiteral("KJV"), "$$$Gen 1:1\nFirst text.\n");
        Translation t;
        QString error;
        bool rebuilt = false;
        QVERIFY2(Open_Translation(name, t, error, {}, &rebuilt), qPrintable(error));
        QVERIFY(rebuilt);
        QVERIFY(QFile::exists(Translation_Cache_File(name)));
        QVERIFY(Open_Translation(name, t, error, {}, &rebuilt));
        QVERIFY(!rebuilt);
        QCOMPARE(Translation_Verses(t, 1, 1, 1, 1).value(1), QStringLiteral("First text."));

        makeModule(name, QStringLiteral("KJV"), "$$$Gen 1:1\nThe text changed.\n");
        QVERIFY(Open_Translation(name, t, error, {}, &rebuilt));
        QVERIFY(rebuilt);
        QCOMPARE(Translation_Verses(t, 1, 1, 1, 1).value(1), QStringLiteral("The text changed."));

        // A cancelled build leaves the cache as it was.
        makeModule(name, QStringLiteral("KJV"), "$$$Gen 1:1\nChanged again.\n");
        const QByteArray before = [&] {
            QFile f(Translation_Cache_File(name));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QVERIFY(!Open_Translation(name, t, error, [](int) { return false; }));
        QFile after(Translation_Cache_File(name));
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
    }

    // A cache damaged after its header is never taken for the text: the module is read
    // again and the cache written anew.
    void damagedCacheRebuilt_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("cut in its numbers") << QByteArray("1\t1");
        QTest::newRow("a number that is not one") << QByteArray("1\tx\t1\tText");
        QTest::newRow("a number too large") << QByteArray("1\t1\t99999999999\tText");
        QTest::newRow("a field too many") << QByteArray("1\t1\t1\tText\tmore");
        QTest::newRow("an empty line") << QByteArray("");
    }
    void damagedCacheRebuilt() {
        QFETCH(QByteArray, line);
        const QString name = QStringLiteral("ArabKJV");
        Translation t;
        QString error;
        QVERIFY2(Open_Translation(name, t, error), qPrintable(error));
        QFile cache(Translation_Cache_File(name));
        QVERIFY(cache.open(QIODevice::ReadOnly));
        const QByteArray good = cache.readAll();
        cache.close();
        const qsizetype header = good.indexOf('\n') + 1;
        QVERIFY(cache.open(QIODevice::WriteOnly));
        cache.write(good.left(header) + line + '\n' + good.mid(header));
        cache.close();
        bool rebuilt = false;
        QVERIFY(Open_Translation(name, t, error, {}, &rebuilt));
        QVERIFY(rebuilt);
        QVERIFY(cache.open(QIODevice::ReadOnly));
        QCOMPARE(cache.readAll(), good);
    }

    void refused_data() {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown") << "NoSuch"
                                 << "installed: ArabKJV";
        QTest::newRow("commentary") << "Comment"
                                    << "no SWORD Bible module \"Comment\"";
        QTest::newRow("damaged") << "Broken"
                                 << "Broken: no verse of the 73 books could be read";
    }
    void refused() {
        QFETCH(QString, module);
        QFETCH(QString, message);
        Translation t;
        QString error;
        QVERIFY(!Open_Translation(module, t, error));
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY(!QFile::exists(Translation_Cache_File(module)));
        // The others keep working.
        QVERIFY(Open_Translation(QStringLiteral("ArabKJV"), t, error));
    }

    void choiceKeptInQtSettings() {
        Store_Bible_Choice({QStringLiteral("ArabKJV"),
                            {QStringLiteral("EngLXX"), QStringLiteral("db"), QStringLiteral("Third")}});
        const Bible_Choice back = Stored_Bible_Choice();
        QCOMPARE(back.main, QStringLiteral("ArabKJV"));
        QCOMPARE(back.beside, (QStringList{"EngLXX", "db"}));
    }
};

QTEST_GUILESS_MAIN(Test_Sword_Bible)
#include "test_sword_bible.moc"
