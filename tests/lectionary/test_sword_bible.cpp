// Translations read from SWORD modules that imp2vs makes at test time in a SWORD_PATH of
// the test's own: vowelled Arabic in KJV versification, English in the Greek-numbered
// LXX versification with a verse missing, a commentary and a damaged module.

#include "lectionary/sword_bible.h"
#include "lectionary/sword_import.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace MdlLectarium;
using Columns = QList<QMap<int, QString>>;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

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

    QString dataFolder(const QString& module) const {
        return sword + QStringLiteral("/modules/texts/rawtext/") + module.toLower() + QLatin1Char('/');
    }

    // The module's configuration; its data folder is another module's when sharing.
    void writeConf(const QString& name, const QString& v11n, const char* driver, const QString& data) {
        QVERIFY(writeFile(
            sword + QStringLiteral("/mods.d/") + name.toLower() + QStringLiteral(".conf"),
            QStringLiteral("[%1]\nDataPath=./modules/texts/rawtext/%2/\nModDrv=%3\n"
                           "SourceType=OSIS\nEncoding=UTF-8\nLang=%4\nVersification=%5\n"
                           "Description=%1 test module\n")
                .arg(name, data.toLower(), QString::fromLatin1(driver),
                     name.startsWith(QLatin1String("Arab")) ? QStringLiteral("ar") : QStringLiteral("en"),
                     v11n)
                .toUtf8()));
    }

    // A Bible module: its configuration and its text through imp2vs.
    void makeModule(const QString& name, const QString& v11n, const QByteArray& imp) {
        const QString data = dataFolder(name);
        QVERIFY(QDir().mkpath(data));
        const QString source = dir.filePath(name + QStringLiteral(".imp"));
        QVERIFY(writeFile(source, imp));
        writeConf(name, v11n, "RawText", name);
        QProcess made;
        made.setStandardInputFile(QProcess::nullDevice());
        made.start(QStringLiteral("imp2vs"),
                   {source, QStringLiteral("-o"), data, QStringLiteral("-v"), v11n});
        QVERIFY(made.waitForFinished(60000));
        QVERIFY2(made.exitCode() == 0, made.readAllStandardError().constData());
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
        writeConf(QStringLiteral("Broken"), QStringLiteral("KJV"), "RawText", QStringLiteral("Broken"));
        QVERIFY(QDir().mkpath(dataFolder(QStringLiteral("Broken"))));
        for (const char* file : {"ot", "ot.vss", "nt", "nt.vss"})
            QVERIFY(
                writeFile(dataFolder(QStringLiteral("Broken")) + QLatin1String(file), QByteArray(7, '\xff')));
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
