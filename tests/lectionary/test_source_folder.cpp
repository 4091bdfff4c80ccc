#include "lectionary/bible_books.h"
#include "lectionary/bible_import.h"
#include "lectionary/data_source.h"
#include "lectionary/database_check.h"
#include "lectionary/database_file.h"
#include "lectionary/passage.h"
#include "lectionary/source_folder.h"
#include "tests/lectionary/fixture.h"
#include "tests/support/watched_pipe.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>

#include <fcntl.h>
#include <sqlite3.h>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using namespace MdlLectarium;

namespace {
QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<cannot be read>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every file and folder under folder, by its path there, with its bytes.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path),
                     it.fileInfo().isDir() ? QByteArray("<folder>") : readAll(path));
    }
    return files;
}

// The names of the table files.
QStringList tableFiles() {
    QStringList names;
    for (const Table_Schema& table : Lectionary_Tables())
        names << table.fileName();
    return names;
}
} // namespace

class Test_Source_Folder final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(fixture_.ok(), qPrintable(fixture_.error()));
        Init_Bible_Tables();
    }

    void buildThenDumpGivesTheSameFiles() {
        QTemporaryDir out;
        QString error;
        QVERIFY2(Dump_Database(fixture_.path(), out.path(), error), qPrintable(error));
        const QDir source(Lectionary_Fixture::Source_Folder());
        const QStringList files = source.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
        QCOMPARE(QDir(out.path()).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name), files);
        QCOMPARE(files.size(), Lectionary_Tables().size());
        for (const QString& name : files)
            QVERIFY2(readAll(source.filePath(name)) == readAll(QDir(out.path()).filePath(name)),
                     qPrintable(name));
    }

    void escapes_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("isNull");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << QStringLiteral("نص") << false << QStringLiteral("نص");
        QTest::newRow("empty") << QString() << false << QString();
        QTest::newRow("null") << QString() << true << QStringLiteral("\\N");
        QTest::newRow("line breaks") << QStringLiteral("a\r\nb") << false << QStringLiteral("a\\r\\nb");
        QTest::newRow("tab and backslash")
            << QStringLiteral("a\t\\b") << false << QStringLiteral("a\\t\\\\b");
        QTest::newRow("text that looks like null")
            << QStringLiteral("\\N") << false << QStringLiteral("\\\\N");
    }
    void escapes() {
        QFETCH(QString, value);
        QFETCH(bool, isNull);
        QFETCH(QString, field);
        QCOMPARE(Escape_Field(value, isNull), field);
        QString back;
        bool backNull = false;
        QString reason;
        QVERIFY(Unescape_Field(field, back, backNull, reason));
        QCOMPARE(backNull, isNull);
        QCOMPARE(back, value);
    }

    void buildErrors_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not in the code page")
            << "Tips.txt" << QByteArray("No\tTip\n1\tok\n2\tنص 中\n") << "Tips.txt:3"
            << "no code in code page 1256";
        // Sukun is code 250; on 1 Tout of month 13 the first shift is 7.
        QTest::newRow("shift out of range")
            << "Year.txt"
            << QByteArray("Month\tDay\t1\t2\t3\t4\t5\t6\t7\t8\t9\n13\t1\t\xd9\x92\t\t\t\t\t\t\t\t\n")
            << "Year.txt:2"
            << "outside 1..255";
        QTest::newRow("complement to code 0")
            << "Ceremony.txt" << QByteArray("No\tTitle\tCeremony_Data\n1\t\xdb\x92\tx\n") << "Ceremony.txt:2"
            << "code 0";
        QTest::newRow("duplicate key")
            << "Tips.txt" << QByteArray("No\tTip\n1\ta\n2\tb\n1\tc\n") << "Tips.txt:4"
            << "duplicate key No=1 (first given on line 2)";
        QTest::newRow("duplicate verse")
            << "Bible.txt" << QByteArray("Old\tBible\tPart\tSign_No\tSign\n-1\t1\t1\t1\ta\n-1\t1\t1\t1\tb\n")
            << "Bible.txt:3"
            << "duplicate key";
        QTest::newRow("too few fields") << "Tips.txt" << QByteArray("No\tTip\n1\n") << "Tips.txt:2"
                                        << "1 fields";
        QTest::newRow("too many fields") << "Tips.txt" << QByteArray("No\tTip\n1\ta\tb\n") << "Tips.txt:2"
                                         << "3 fields";
        QTest::newRow("not a number") << "Tips.txt" << QByteArray("No\tTip\nfirst\ta\n") << "Tips.txt:2"
                                      << "not a whole number";
        QTest::newRow("number too large") << "Tips.txt" << QByteArray("No\tTip\n40000\ta\n") << "Tips.txt:2"
                                          << "not a whole number";
        QTest::newRow("not a yes/no value")
            << "Bible.txt" << QByteArray("Old\tBible\tPart\tSign_No\tSign\n1\t1\t1\t1\ta\n") << "Bible.txt:2"
            << "-1 or 0";
        QTest::newRow("null key") << "Tips.txt" << QByteArray("No\tTip\n\\N\ta\n") << "Tips.txt:2"
                                  << "key cannot be Null";
        QTest::newRow("unknown escape") << "Tips.txt" << QByteArray("No\tTip\n1\ta\\qb\n") << "Tips.txt:2"
                                        << "unknown escape \\q";
        QTest::newRow("lone backslash") << "Tips.txt" << QByteArray("No\tTip\n1\tab\\\n") << "Tips.txt:2"
                                        << "backslash";
        QTest::newRow("carriage return inside")
            << "Tips.txt" << QByteArray("No\tTip\n1\ta\rb\n") << "Tips.txt:2"
            << "carriage return";
        QTest::newRow("wrong header") << "Tips.txt" << QByteArray("No\tText\n1\ta\n") << "Tips.txt:1"
                                      << "No <tab> Tip";
        QTest::newRow("empty file") << "Tips.txt" << QByteArray() << "Tips.txt:1"
                                    << "name the columns";
        QTest::newRow("not utf-8") << "Tips.txt" << QByteArray("No\tTip\n1\t\xe1\xed\n") << "Tips.txt:2"
                                   << "UTF-8";
        QTest::newRow("unknown table") << "Tipps.txt" << QByteArray("No\tTip\n") << "Tipps.txt"
                                       << "not a table of the lectionary";
    }
    void buildErrors() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, where);
        QFETCH(QString, reason);
        QTemporaryDir source;
        QTemporaryDir out;
        writeFile(QDir(source.path()).filePath(file), content);
        const QString target = QDir(out.path()).filePath(QStringLiteral("Lectarium.mdb"));
        QString error;
        QVERIFY(!Build_Database(source.path(), target, error));
        QVERIFY2(error.contains(QDir(source.path()).filePath(where)), qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        // Nothing is left behind: no database, no partial file.
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void failedBuildKeepsTheOldDatabase() {
        QTemporaryDir source;
        QTemporaryDir out;
        const QString target = QDir(out.path()).filePath(QStringLiteral("Lectarium.mdb"));
        QVERIFY(QFile::copy(fixture_.path(), target));
        const QByteArray before = readAll(target);
        writeFile(QDir(source.path()).filePath(QStringLiteral("Tips.txt")), "No\tTip\n1\n");
        QString error;
        QVERIFY(!Build_Database(source.path(), target, error));
        QCOMPARE(readAll(target), before);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{QStringLiteral("Lectarium.mdb")});
    }

    void buildReplacesAnExistingFile() {
        QTemporaryDir source;
        QTemporaryDir out;
        const QString target = QDir(out.path()).filePath(QStringLiteral("Lectarium.mdb"));
        writeFile(target, QByteArray()); // an empty placeholder
        writeFile(target + QStringLiteral(".partial"), "a file of the user's");
        writeFile(QDir(source.path()).filePath(QStringLiteral("Tips.txt")), "No\tTip\n1\tأولى\n2\tثانية\n");
        QString error;
        QVERIFY2(Build_Database(source.path(), target, error), qPrintable(error));
        QCOMPARE(readAll(target + QStringLiteral(".partial")), QByteArray("a file of the user's"));
        QTemporaryDir dump;
        // The file of a table that now has no rows goes; other files stay.
        writeFile(QDir(dump.path()).filePath(QStringLiteral("Year.txt")), "an older table\n");
        writeFile(QDir(dump.path()).filePath(QStringLiteral("notes.md")), "mine\n");
        QVERIFY2(Dump_Database(target, dump.path(), error), qPrintable(error));
        // Tables without rows are not written back.
        QCOMPARE(QDir(dump.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("notes.md"), QStringLiteral("Tips.txt")}));
        QCOMPARE(readAll(QDir(dump.path()).filePath(QStringLiteral("Tips.txt"))),
                 QByteArray("No\tTip\n1\tأولى\n2\tثانية\n"));
    }

    // A dump that meets an I/O error, or is killed, at any rename leaves the folder's
    // table files all old or all new, and its other files as they were. Where the folder
    // cannot be replaced in one step (it holds a folder) the error names exactly the
    // files already replaced. strace injects the faults.
    void dumpReplacesTheTablesAsAWhole_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("folderInside");
        QTest::newRow("I/O error") << "error=EIO" << false;
        QTest::newRow("killed") << "error=EIO:signal=KILL" << false;
        QTest::newRow("I/O error, a folder inside") << "error=EIO" << true;
    }
    void dumpReplacesTheTablesAsAWhole() {
        QFETCH(QString, fault);
        QFETCH(bool, folderInside);
        const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
        if (strace.isEmpty())
            QSKIP("strace is not installed (Debian package strace): no faults to inject");
        QTemporaryDir dir;
        const QString out = QDir(dir.path()).filePath(QStringLiteral("out"));
        const QString fresh = QDir(dir.path()).filePath(QStringLiteral("fresh"));
        QString error;
        QVERIFY2(Dump_Database(fixture_.path(), fresh, error), qPrintable(error));
        QVERIFY(QDir().mkpath(folderInside ? out + QStringLiteral("/sub") : out));
        auto writeOld = [&] {
            for (const QString& name : tableFiles())
                writeFile(QDir(out).filePath(name), "old " + name.toUtf8() + "\n");
        };
        writeOld();
        writeFile(QDir(out).filePath(QStringLiteral("notes.md")), "mine\n");
        const QMap<QString, QByteArray> old = snapshot(out);
        QMap<QString, QByteArray> all = snapshot(fresh);
        all.insert(QStringLiteral("notes.md"), "mine\n");
        if (folderInside)
            all.insert(QStringLiteral("sub"), "<folder>");

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           QStringLiteral("detect_leaks=0")); // no leak check under a tracer
        bool done = false;
        for (int when = 1; when <= 40 && !done; ++when) {
            QProcess tool;
            tool.setProcessEnvironment(environment);
            tool.start(strace,
                       {QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-o"),
                        QStringLiteral("/dev/null"), QStringLiteral("-e"),
                        QStringLiteral("trace=rename,renameat,renameat2"), QStringLiteral("-e"),
                        QStringLiteral("inject=rename,renameat,renameat2:%1:when=%2").arg(fault).arg(when),
                        QStringLiteral(LECTARIUM_DB), QStringLiteral("dump"), fixture_.path(), out});
            QVERIFY(tool.waitForFinished(60000));
            const QString err = QString::fromUtf8(tool.readAllStandardError());
            if (err.contains(QLatin1String("ptrace")))
                QSKIP(qPrintable(QStringLiteral("strace cannot trace here: ") + err));
            const QMap<QString, QByteArray> now = snapshot(out);
            done = tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
            if (done) {
                QCOMPARE(now, all);
            } else if (!folderInside) {
                QCOMPARE(now, old);
            } else {
                const QString replaced =
                    QRegularExpression(QStringLiteral("replaced already: ([^;]*);")).match(err).captured(1);
                for (const QString& name : tableFiles())
                    QVERIFY2((now[name] != old[name]) == replaced.split(QStringLiteral(", ")).contains(name),
                             qPrintable(name + QStringLiteral(": ") + err));
                writeOld();
            }
        }
        QVERIFY(done);
        // A kill leaves the fresh folder beside; the next dump removes it once it is a
        // day old.
        const QStringList left =
            QDir(dir.path()).entryList({QStringLiteral("out.partial-*")}, QDir::Dirs | QDir::Hidden);
        QCOMPARE(left.isEmpty(), !fault.contains(QLatin1String("KILL")));
        for (const QString& name : left) {
            const timespec then{std::time(nullptr) - 2 * 24 * 60 * 60, 0};
            const timespec times[2] = {then, then};
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(QDir(dir.path()).filePath(name)).constData(),
                                 times, 0),
                     0);
        }
        QVERIFY2(Dump_Database(fixture_.path(), out, error), qPrintable(error));
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("out.partial-*")}, QDir::Dirs | QDir::Hidden),
                 QStringList());
        QCOMPARE(snapshot(out), all);
    }

    // A command whose output would take the place of one of its own inputs is refused,
    // whatever names the output; every file stays as it was.
    void toolsRefuseToWriteOverTheirInput_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("build over a table file") << "table"
                                                 << "that the build reads";
        QTest::newRow("build over a table file, by ./ and ..") << "dots"
                                                               << "that the build reads";
        QTest::newRow("build over a table file, by a link to the folder") << "folder link"
                                                                          << "that the build reads";
        QTest::newRow("build over a hard link to a table file") << "hard link"
                                                                << "that the build reads";
        QTest::newRow("build over a table file not there yet") << "absent table"
                                                               << "that the build reads";
        QTest::newRow("dump over the database") << "dump"
                                                << "that the dump reads";
        QTest::newRow("import-bible over its export") << "import"
                                                      << "is the export being imported";
        QTest::newRow("convert over a hard link to the Access file") << "convert"
                                                                     << "would replace the Access file";
        QTest::newRow("check, output into the database") << "check output"
                                                         << "the output goes into";
        QTest::newRow("lectarium-day, output into the database") << "day output"
                                                                 << "the output goes into";
    }
    void toolsRefuseToWriteOverTheirInput() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QDir top(dir.path());
        const QString src = top.filePath(QStringLiteral("src"));
        QVERIFY(QDir().mkpath(src));
        const QString tips = QDir(src).filePath(QStringLiteral("Tips.txt"));
        writeFile(tips, "No\tTip\n1\tأولى\n");
        const QString database = top.filePath(QStringLiteral("Lectarium.mdb"));
        QVERIFY(QFile::copy(fixture_.path(), database));
        QString program = QStringLiteral(LECTARIUM_DB);
        QStringList arguments;
        bool outputIntoDatabase = false;
        if (kind == QLatin1String("table")) {
            arguments = {QStringLiteral("build"), src, tips};
        } else if (kind == QLatin1String("dots")) {
            arguments = {QStringLiteral("build"), src, src + QStringLiteral("/../src/./Tips.txt")};
        } else if (kind == QLatin1String("folder link")) {
            QVERIFY(QFile::link(src, top.filePath(QStringLiteral("link"))));
            arguments = {QStringLiteral("build"), src, top.filePath(QStringLiteral("link/Tips.txt"))};
        } else if (kind == QLatin1String("hard link")) {
            QCOMPARE(::link(QFile::encodeName(tips).constData(),
                            QFile::encodeName(top.filePath(QStringLiteral("out.mdb"))).constData()),
                     0);
            arguments = {QStringLiteral("build"), src, top.filePath(QStringLiteral("out.mdb"))};
        } else if (kind == QLatin1String("absent table")) {
            arguments = {QStringLiteral("build"), src, QDir(src).filePath(QStringLiteral("Psalmos.txt"))};
        } else if (kind == QLatin1String("dump")) {
            QVERIFY(QFile::remove(tips));
            QVERIFY(QFile::copy(fixture_.path(), tips));
            arguments = {QStringLiteral("dump"), tips, src};
        } else if (kind == QLatin1String("import")) {
            const QString bible = QDir(src).filePath(QStringLiteral("Bible.txt"));
            writeFile(bible, "$$$Genesis 1:1\nIn the beginning\n");
            arguments = {QStringLiteral("import-bible"), QStringLiteral("imp"), bible, src};
        } else if (kind == QLatin1String("convert")) {
            const QString access = top.filePath(QStringLiteral("old.mdb"));
            writeFile(access,
                      QByteArray("\x00\x01\x00\x00Standard Jet DB\x00\x01", 21) + QByteArray(2048, '\0'));
            QCOMPARE(::link(QFile::encodeName(access).constData(),
                            QFile::encodeName(top.filePath(QStringLiteral("new.mdb"))).constData()),
                     0);
            arguments = {QStringLiteral("convert"), access, top.filePath(QStringLiteral("new.mdb"))};
        } else if (kind == QLatin1String("check output")) {
            arguments = {QStringLiteral("check"), database};
            outputIntoDatabase = true;
        } else {
            program = QStringLiteral(LECTARIUM_DAY_TOOL);
            arguments = {QStringLiteral("--readings"), QStringLiteral("1999-03-03")};
            outputIntoDatabase = true;
        }
        const QMap<QString, QByteArray> before = snapshot(dir.path());
        QProcess tool;
        tool.setWorkingDirectory(dir.path());
        if (outputIntoDatabase)
            tool.setStandardOutputFile(database, QIODevice::Append);
        tool.start(program, arguments);
        QVERIFY(tool.waitForFinished(60000));
        const QString err = QString::fromUtf8(tool.readAllStandardError());
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY2(err.contains(message), qPrintable(err));
        QCOMPARE(snapshot(dir.path()), before);
    }

    void checkReportsTheUnresolvedReferences() {
        QStringList problems;
        QString error;
        QVERIFY2(Check_Database(fixture_.path(), problems, error), qPrintable(error));
        QCOMPARE(problems.size(), 2);
        QVERIFY2(
            problems[0].startsWith(QStringLiteral("Suns Month=13 Sun=1 field 2: \"زز 1: 1\": unknown book")),
            qPrintable(problems[0]));
        QVERIFY2(problems[1].startsWith(
                     QStringLiteral("Fast Week=1 Day=3 field 10: \"تك 1: 11-14\": not in Bible: "
                                    "1:13, 1:14")),
                 qPrintable(problems[1]));
    }

    void checkUsesThePrefixesAndThePsalmTable() {
        QTemporaryDir source;
        const QDir fixture(Lectionary_Fixture::Source_Folder());
        for (const QString& name : {QStringLiteral("Bible.txt"), QStringLiteral("Psalmos.txt")})
            QVERIFY(QFile::copy(fixture.filePath(name), QDir(source.path()).filePath(name)));
        // Psalm fields without their abbreviation, Acts likewise; a psalm found only in
        // the psalm table; a range over chapters, and one into a chapter that is absent.
        writeFile(QDir(source.path()).filePath(QStringLiteral("Fifty.txt")),
                  "Week\tDay\t1\t2\t3\t4\t5\t6\t7\t8\t9\n"
                  "1\t1\t1: 1-2\tيو 1: 4-3: 1\t1: 3\t\t\t\t2: 1-2\t\\N\tيو 3: 3-5: 1\n");
        writeFile(QDir(source.path()).filePath(QStringLiteral("Pain.txt")),
                  "Day\tDescription\tSign\tData\n3\tساعة\tمت 5: 1، 7\t\n");
        QTemporaryDir out;
        const QString database = QDir(out.path()).filePath(QStringLiteral("check.mdb"));
        QString error;
        QVERIFY2(Build_Database(source.path(), database, error), qPrintable(error));
        QStringList problems;
        QVERIFY2(Check_Database(database, problems, error), qPrintable(error));
        QCOMPARE(problems.size(), 2);
        QVERIFY2(problems[0].startsWith(
                     QStringLiteral("Fifty Week=1 Day=1 field 9: \"يو 3: 3-5: 1\": not in Bible: "
                                    "chapter 4, 5:1")),
                 qPrintable(problems[0]));
        QVERIFY2(problems[1].contains(QStringLiteral("Pain Day=3")) &&
                     problems[1].contains(QStringLiteral("5:7")),
                 qPrintable(problems[1]));
    }

    // Joined references: each part is checked, a malformed join is named; a psalm of
    // several pieces needs its row in Psalmos.
    void checkJoinedReferences() {
        QTemporaryDir source;
        QVERIFY(QFile::copy(QDir(Lectionary_Fixture::Source_Folder()).filePath(QStringLiteral("Bible.txt")),
                            QDir(source.path()).filePath(QStringLiteral("Bible.txt"))));
        writeFile(QDir(source.path()).filePath(QStringLiteral("Fifty.txt")),
                  "Week\tDay\t1\t2\t3\t4\t5\t6\t7\t8\t9\n"
                  "1\t1\t1: 3 و 1: 1-2\tيو 1: 1 و 2: 9\t\t\tيو 1: 1 و مت 5: 1-2\t"
                  "يو 1: 1 و و 1: 2\t2: 1 و 3: 1\t\tمت 5: 1 و زز 1: 1\n");
        QTemporaryDir out;
        const QString database = QDir(out.path()).filePath(QStringLiteral("check.mdb"));
        QString error;
        QVERIFY2(Build_Database(source.path(), database, error), qPrintable(error));
        QStringList problems;
        QVERIFY2(Check_Database(database, problems, error), qPrintable(error));
        const QString malformed =
            QStringLiteral("a join of passages with an empty part, or a part without a known "
                           "book and chapter");
        QCOMPARE(
            problems,
            QStringList({QStringLiteral("Fifty Week=1 Day=1 field 2: \"يو 1: 1 و 2: 9\": not in Bible: 2:9"),
                         QStringLiteral("Fifty Week=1 Day=1 field 6: \"يو 1: 1 و و 1: 2\": ") + malformed,
                         QStringLiteral("Fifty Week=1 Day=1 field 7: \"اع 2: 1 و 3: 1\": not in Bible: 3:1"),
                         QStringLiteral("Fifty Week=1 Day=1 field 9: \"مت 5: 1 و زز 1: 1\": ") + malformed}));
    }

    // The compound psalms the build makes from the Bible follow the Bible through dump,
    // import-bible and build; a row written by hand stays, and check names a psalm whose
    // text is not from the database's Bible.
    void bibleSwapRemakesCompoundPsalms() {
        QTemporaryDir first;
        QVERIFY(QFile::copy(QDir(Lectionary_Fixture::Source_Folder()).filePath(QStringLiteral("Bible.txt")),
                            QDir(first.path()).filePath(QStringLiteral("Bible.txt"))));
        writeFile(QDir(first.path()).filePath(QStringLiteral("Year.txt")),
                  "Month\tDay\t1\t2\t3\t4\t5\t6\t7\t8\t9\n"
                  "1\t1\t1: 3 و 1: 1-2\t\t1: 1، 2-3\t\t\t\t\t1: 1 و 1: 3، 2\t\n");
        writeFile(QDir(first.path()).filePath(QStringLiteral("Psalmos.txt")),
                  "Sign\tData\n1: 1 و 1: 3، 2\tmy own psalm\n");
        QTemporaryDir work;
        const QString english = QDir(work.path()).filePath(QStringLiteral("english.mdb"));
        QString error;
        QVERIFY2(Build_Database(first.path(), english, error), qPrintable(error));
        QStringList problems;
        QVERIFY2(Check_Database(english, problems, error), qPrintable(error));
        const QString handWritten = QStringLiteral(
            "Year Month=1 Day=1 field 8: \"مز 1: 1 و 1: 3، 2\": its text in Psalmos is not the text of "
            "this database's Bible");
        QCOMPARE(problems, QStringList{handWritten});

        // Dump writes the row written by hand, not the rows the build made.
        const QString folder = QDir(work.path()).filePath(QStringLiteral("arabic"));
        QVERIFY2(Dump_Database(english, folder, error), qPrintable(error));
        QCOMPARE(readAll(QDir(folder).filePath(QStringLiteral("Psalmos.txt"))),
                 QByteArray("Sign\tData\n1: 1 و 1: 3، 2\tmy own psalm\n"));

        const QString imp = QDir(work.path()).filePath(QStringLiteral("arabic.imp"));
        writeFile(imp, QStringLiteral("$$$Psalms 1:1\nطوبى للرجل\n$$$Psalms 1:2\nلكن في ناموس الرب مسرته\n"
                                      "$$$Psalms 1:3\nفيكون كشجرة\n")
                           .toUtf8());
        QStringList report;
        QVERIFY2(Import_Bible(QStringLiteral("imp"), imp, folder, report, error), qPrintable(error));
        const QString arabic = QDir(work.path()).filePath(QStringLiteral("arabic.mdb"));
        QVERIFY2(Build_Database(folder, arabic, error), qPrintable(error));

        Data_Source bible(QStringLiteral("Data_Bible"));
        bible.setDatabaseName(arabic);
        const QString crlf = QStringLiteral("\r\n");
        QCOMPARE(Get_Passage(bible, QStringLiteral("مز 1: 3 و 1: 1-2")),
                 QStringLiteral("3 فيكون كشجرة") + crlf + QStringLiteral("1 طوبى للرجل") + crlf +
                     QStringLiteral("2 لكن في ناموس الرب مسرته") + crlf);
        QCOMPARE(Get_Passage(bible, QStringLiteral("مز 1: 1، 2-3")),
                 QStringLiteral("1 طوبى للرجل") + crlf + QStringLiteral("2 لكن في ناموس الرب مسرته") + crlf +
                     QStringLiteral("3 فيكون كشجرة") + crlf);
        QCOMPARE(Get_Passage(bible, QStringLiteral("مز 1: 1 و 1: 3، 2")),
                 QStringLiteral("my own psalm") + crlf);
        problems.clear();
        QVERIFY2(Check_Database(arabic, problems, error), qPrintable(error));
        QCOMPARE(problems, QStringList{handWritten});

        // The English rows kept in an Arabic database are named by check.
        QTemporaryDir mixed;
        QVERIFY2(Dump_Database(english, mixed.path(), error), qPrintable(error));
        writeFile(QDir(mixed.path()).filePath(QStringLiteral("Psalmos.txt")),
                  "Sign\tData\n1: 3 و 1: 1-2\t3 Psalm 1:3 from the Bible table\n");
        QVERIFY(QFile::remove(QDir(mixed.path()).filePath(QStringLiteral("Bible.txt"))));
        QVERIFY(QFile::copy(QDir(folder).filePath(QStringLiteral("Bible.txt")),
                            QDir(mixed.path()).filePath(QStringLiteral("Bible.txt"))));
        const QString stale = QDir(work.path()).filePath(QStringLiteral("stale.mdb"));
        QVERIFY2(Build_Database(mixed.path(), stale, error), qPrintable(error));
        problems.clear();
        QVERIFY2(Check_Database(stale, problems, error), qPrintable(error));
        QVERIFY2(problems.size() == 1 &&
                     problems[0].startsWith(QStringLiteral("Year Month=1 Day=1 field 1:")) &&
                     problems[0].endsWith(QStringLiteral("not the text of this database's Bible")),
                 qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void stripOsis_data() {
        QTest::addColumn<QString>("fragment");
        QTest::addColumn<QString>("text");
        QTest::newRow("words and a note")
            << QStringLiteral("<w lemma=\"x\">God</w><note placement=\"foot\"><reference>1:1 "
                              "</reference>a note</note><w>created</w>")
            << QStringLiteral("God created");
        QTest::newRow("note before punctuation")
            << QStringLiteral("at hand<note>n</note>. Then") << QStringLiteral("at hand. Then");
        QTest::newRow("psalm title kept")
            << QStringLiteral("<title canonical=\"true\" type=\"psalm\">A Psalm.</title> <lg "
                              "sID=\"a\"/><l sID=\"b\"/>Yahweh,<l eID=\"b\"/>")
            << QStringLiteral("A Psalm. Yahweh,");
        QTest::newRow("heading dropped")
            << QStringLiteral("<title type=\"main\">Heading</title>Text") << QStringLiteral("Text");
        QTest::newRow("speaker dropped")
            << QStringLiteral("<speaker>Beloved</speaker> <l/>Words") << QStringLiteral("Words");
        QTest::newRow("line ends keep words apart")
            << QStringLiteral("one<l eID=\"x\"/><l sID=\"y\"/>two") << QStringLiteral("one two");
        QTest::newRow("quote markers")
            << QStringLiteral("<q marker=\"\" who=\"Jesus\">“Come</q>") << QStringLiteral("“Come");
        QTest::newRow("entities") << QStringLiteral("salt &amp; light") << QStringLiteral("salt & light");
        QTest::newRow("blanks collapsed") << QStringLiteral("  a \n  b  ") << QStringLiteral("a b");
    }
    void stripOsis() {
        QFETCH(QString, fragment);
        QTEST(Strip_Osis(fragment), "text");
    }

    void importImp() {
        QTemporaryDir dir;
        const QString imp = QDir(dir.path()).filePath(QStringLiteral("web.imp"));
        writeFile(imp, QStringLiteral("$$$[ Module Heading ]\n\n"
                                      "$$$Genesis 0:0\n<div type=\"front\"/>Preface\n"
                                      "$$$Genesis 1:0\n<chapter n=\"1\"/>\n"
                                      "$$$Genesis 1:1\n<w>In</w> <w>the</w> <w>beginning</w>, "
                                      "<w>God</w><note>n</note><w>created</w>.\n"
                                      "$$$Genesis 1:2\n\n"
                                      "$$$Esther 1:1\nHebrew Esther\n"
                                      "$$$Esther (Greek) 1:1\nGreek Esther\n"
                                      "$$$Daniel 3:23\nfell down\n"
                                      "$$$Daniel 3:24\nwas astonished\n"
                                      "$$$Prayer of Azariah 1:1\nThey walked\n"
                                      "$$$Prayer of Azariah 1:2\nBlessed\n"
                                      "$$$Susanna 1:1\nJoakim\n"
                                      "$$$Additional Psalm 1:1\nI was small ‐ and ā ﬁ ☧\n"
                                      "$$$I Esdras 1:1\nJosias\n"
                                      "$$$Matthew 1:1\nThe book\n")
                           .toUtf8());
        QStringList report;
        QString error;
        QVERIFY2(Import_Bible(QStringLiteral("imp"), imp, dir.path(), report, error), qPrintable(error));
        QCOMPARE(readAll(QDir(dir.path()).filePath(QStringLiteral("Bible.txt"))),
                 QStringLiteral("Old\tBible\tPart\tSign_No\tSign\n"
                                "-1\t1\t1\t1\tIn the beginning, God created.\n"
                                "-1\t19\t1\t1\tGreek Esther\n"
                                "-1\t21\t151\t1\tI was small - and a fi ?\n"
                                "-1\t32\t3\t23\tfell down\n"
                                "-1\t32\t3\t24\tThey walked\n"
                                "-1\t32\t3\t25\tBlessed\n"
                                "-1\t32\t3\t26\twas astonished\n"
                                "-1\t32\t13\t1\tJoakim\n"
                                "0\t1\t1\t1\tThe book\n")
                     .toUtf8());
        const QString all = report.join(QLatin1Char('\n'));
        QVERIFY2(all.contains(QStringLiteral("\"I Esdras\": not one of the 73 books")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("book 2 الخروج: not in the export")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("book 1 التكوين: no verses in chapter 2, 3")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("\"Genesis\": 1 entries without text")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("U+2010")), qPrintable(all));

        QVERIFY(!Import_Bible(QStringLiteral("osis"), imp, dir.path(), report, error));
        QVERIFY(error.contains(QStringLiteral("unknown format")));
        // An export without one usable verse leaves the Bible table as it was.
        const QByteArray bible = readAll(QDir(dir.path()).filePath(QStringLiteral("Bible.txt")));
        writeFile(imp, "$$$I Esdras 1:1\nJosias\n$$$Genesis 1:0\nintroduction\n");
        QVERIFY(!Import_Bible(QStringLiteral("imp"), imp, dir.path(), report, error));
        QVERIFY2(error.contains(QStringLiteral("no entry of the export is a verse")), qPrintable(error));
        QCOMPARE(readAll(QDir(dir.path()).filePath(QStringLiteral("Bible.txt"))), bible);
        writeFile(imp, "no entries here\n");
        QVERIFY(!Import_Bible(QStringLiteral("imp"), imp, dir.path(), report, error));
        QVERIFY(error.contains(QStringLiteral("not an IMP export")));
    }

    // Entries past the last chapter of their book have no place in the Bible table: an
    // export of nothing else is refused as one without a verse, from an IMP export as
    // from a SWORD module (whose verses take the same way); among verses they are
    // skipped and reported.
    void importSkipsEntriesOutsideTheBooks_data() {
        QTest::addColumn<QString>("origin");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("rows"); // Bible.txt after, without its header; empty: refused
        const QStringList outside{QStringLiteral("Genesis 999:1")};
        QTest::newRow("imp, only outside") << "imp" << outside << QByteArray();
        QTest::newRow("sword, only outside") << "sword" << outside << QByteArray();
        const QStringList mixed{QStringLiteral("Genesis 1:1"), QStringLiteral("Genesis 51:1"),
                                QStringLiteral("Additional Psalm 1:1"), QStringLiteral("Matthew 29:3")};
        const QByteArray kept("-1\t1\t1\t1\tverse\n-1\t21\t151\t1\tverse\n");
        QTest::newRow("imp, among verses") << "imp" << mixed << kept;
        QTest::newRow("sword, among verses") << "sword" << mixed << kept;
    }
    void importSkipsEntriesOutsideTheBooks() {
        QFETCH(QString, origin);
        QFETCH(QStringList, entries);
        QFETCH(QByteArray, rows);
        QTemporaryDir dir;
        const QString bible = QDir(dir.path()).filePath(QStringLiteral("Bible.txt"));
        const QByteArray old("Old\tBible\tPart\tSign_No\tSign\n-1\t1\t1\t1\tthe whole Bible\n");
        writeFile(bible, old);
        std::vector<Export_Verse> verses;
        QByteArray imp;
        for (const QString& entry : entries) {
            const qsizetype blank = entry.lastIndexOf(QLatin1Char(' '));
            const QStringList place = entry.mid(blank + 1).split(QLatin1Char(':'));
            verses.push_back(
                {entry.left(blank), place[0].toInt(), place[1].toInt(), QStringLiteral("verse")});
            imp += "$$$" + entry.toUtf8() + "\nverse\n";
        }
        QStringList report;
        QString error;
        bool written = false;
        if (origin == QLatin1String("imp")) {
            const QString path = QDir(dir.path()).filePath(QStringLiteral("bible.imp"));
            writeFile(path, imp);
            written = Import_Bible(origin, path, dir.path(), report, error);
        } else {
            written = Write_Bible_Table(verses, false, QStringLiteral("SWORD module Test"), dir.path(),
                                        report, error);
        }
        QCOMPARE(written, !rows.isEmpty());
        if (rows.isEmpty()) {
            QVERIFY2(error.contains(QStringLiteral("no entry of the export is a verse")), qPrintable(error));
            QCOMPARE(readAll(bible), old);
            return;
        }
        QCOMPARE(readAll(bible), QByteArray("Old\tBible\tPart\tSign_No\tSign\n") + rows);
        const QString all = report.join(QLatin1Char('\n'));
        QVERIFY2(all.contains(QStringLiteral("\"Genesis\": 1 entries outside the 50 chapters")),
                 qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("\"Matthew\": 1 entries outside the 28 chapters")),
                 qPrintable(all));
    }

    void commandLineTool() {
        QProcess tool;
        tool.start(QStringLiteral(LECTARIUM_DB), {QStringLiteral("check"), fixture_.path()});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()).count(QLatin1Char('\n')), 2);

        tool.start(QStringLiteral(LECTARIUM_DB),
                   {QStringLiteral("passage"), fixture_.path(), QStringLiteral("يو 1: 2-3")});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(tool.readAllStandardOutput(), QStringLiteral("2 John 1:2\r\n3 John 1:3\r\n").toUtf8());

        QTemporaryDir source;
        writeFile(QDir(source.path()).filePath(QStringLiteral("Tips.txt")), "No\tTip\n1\n");
        const QString target = QDir(source.path()).filePath(QStringLiteral("out.mdb"));
        tool.start(QStringLiteral(LECTARIUM_DB), {QStringLiteral("build"), source.path(), target});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY(QString::fromUtf8(tool.readAllStandardError()).contains(QStringLiteral("Tips.txt:2")));
        QVERIFY(!QFile::exists(target));

        tool.start(QStringLiteral(LECTARIUM_DB), {QStringLiteral("--help")});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QVERIFY(tool.readAllStandardOutput().contains("usage"));

        tool.start(QStringLiteral(LECTARIUM_DB), {QStringLiteral("frobnicate")});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY(tool.readAllStandardError().contains("usage"));
    }

    // The year of where is digits alone, as strict as the dates of lectarium-day.
    void whereTakesTheYearAsDigits_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("taken");
        QTest::newRow("digits") << QStringLiteral("2000") << true;
        QTest::newRow("line feed after") << QStringLiteral("2000\n") << false;
        QTest::newRow("blank before") << QStringLiteral(" 2000") << false;
        QTest::newRow("sign") << QStringLiteral("+2000") << false;
    }
    void whereTakesTheYearAsDigits() {
        QFETCH(QString, year);
        QFETCH(bool, taken);
        QProcess tool;
        tool.start(QStringLiteral(LECTARIUM_DB),
                   {QStringLiteral("where"), fixture_.path(), QStringLiteral("يو 1: 2"), year});
        QVERIFY(tool.waitForFinished(60000));
        const QByteArray err = tool.readAllStandardError();
        QCOMPARE(err.contains("not a year"), !taken);
        QCOMPARE(tool.exitCode() == 2, !taken);
    }

    // A table file or a Bible export that is a pipe would hang the reader, a link to a
    // device or a huge file exhaust the memory: each is refused with its reason, and a
    // pipe is never opened for reading.
    void refusesWhatIsNotAFileToRead_data() {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        for (const char* reader : {"build", "import-bible"}) {
            const QString r = QString::fromLatin1(reader);
            QTest::newRow(qPrintable(r + QStringLiteral(", named pipe"))) << r << "pipe"
                                                                          << "not a regular file";
            QTest::newRow(qPrintable(r + QStringLiteral(", link to /dev/zero"))) << r << "device"
                                                                                 << "not a regular file";
            QTest::newRow(qPrintable(r + QStringLiteral(", huge file")))
                << r << "huge" << (r == QLatin1String("build") ? "too large" : "larger than 256 MB");
        }
    }
    void refusesWhatIsNotAFileToRead() {
        QFETCH(QString, reader);
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const bool build = reader == QLatin1String("build");
        QTemporaryDir source;
        const QString file =
            QDir(source.path()).filePath(build ? QStringLiteral("Tips.txt") : QStringLiteral("bible.imp"));
        std::unique_ptr<Watched_Pipe> pipe;
        if (kind == QLatin1String("pipe")) {
            pipe = std::make_unique<Watched_Pipe>(file);
            QVERIFY(pipe->ok());
        } else if (kind == QLatin1String("device")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), file));
        } else {
            QFile huge(file);
            QVERIFY(huge.open(QIODevice::WriteOnly) &&
                    huge.resize((build ? Table_File_Limit : Imp_File_Limit) + 1)); // sparse
        }
        QString error;
        QStringList report;
        QVERIFY(build ? !Build_Database(source.path(),
                                        QDir(source.path()).filePath(QStringLiteral("out.mdb")), error)
                      : !Import_Bible(QStringLiteral("imp"), file, source.path(), report, error));
        QVERIFY2(error.contains(QFileInfo(file).fileName()) && error.contains(reason), qPrintable(error));
        QVERIFY(!QFileInfo::exists(QDir(source.path()).filePath(QStringLiteral("Bible.txt"))));
        if (pipe)
            QCOMPARE(pipe->Readers(), 0);
    }

    // The tools refuse, with the program's own reason, a file the program refuses; a
    // named pipe is never opened for reading (it would hold the tool until a writer came).
    void toolsRefuseWhatIsNotALectionary_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("command");
        for (const char* kind :
             {"empty file", "SQLite without tables", "no Year table", "named pipe", "folder"})
            for (const char* command :
                 {"dump", "check", "passage", "search", "where", "lectarium-day --readings"})
                QTest::newRow(
                    qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(kind), QLatin1String(command))))
                    << QString::fromLatin1(kind) << QString::fromLatin1(command);
    }
    void toolsRefuseWhatIsNotALectionary() {
        QFETCH(QString, kind);
        QFETCH(QString, command);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("Lectarium.mdb"));
        std::unique_ptr<Watched_Pipe> pipe;
        if (kind == QLatin1String("empty file")) {
            writeFile(path, QByteArray());
        } else if (kind == QLatin1String("named pipe")) {
            pipe = std::make_unique<Watched_Pipe>(path);
            QVERIFY(pipe->ok());
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QVERIFY(QFile::copy(fixture_.path(), path));
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            sqlite3* db = nullptr;
            QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
            const char* sql = kind == QLatin1String("no Year table")
                                  ? "DROP TABLE Year"
                                  : "PRAGMA writable_schema = 1; DELETE FROM sqlite_master; VACUUM";
            const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
            sqlite3_close(db);
            QCOMPARE(rc, SQLITE_OK);
        }
        QProcess tool;
        tool.setWorkingDirectory(dir.path());
        const QStringList arguments =
            command == QLatin1String("dump")    ? QStringList{command, path, QDir(dir.path()).filePath("out")}
            : command == QLatin1String("check") ? QStringList{command, path}
            : command == QLatin1String("passage") ? QStringList{command, path, QStringLiteral("يو 1: 2")}
            : command == QLatin1String("search")  ? QStringList{command, path, QStringLiteral("John")}
            : command == QLatin1String("where")
                ? QStringList{command, path, QStringLiteral("يو 1: 2"), "2000"}
                : QStringList{QStringLiteral("--readings"), "1999-03-03"};
        tool.start(QString::fromUtf8(command.startsWith(QLatin1String("lectarium-day")) ? LECTARIUM_DAY_TOOL
                                                                                        : LECTARIUM_DB),
                   arguments);
        QVERIFY(tool.waitForFinished(60000));
        QVERIFY(tool.exitCode() != 0);
        QVERIFY(tool.readAllStandardOutput().isEmpty());
        QString problem;
        QVERIFY(!Check_Database_File(path, problem));
        const QString err = QString::fromUtf8(tool.readAllStandardError());
        QVERIFY2(err.contains(problem), qPrintable(err));
        QVERIFY(!QFileInfo::exists(QDir(dir.path()).filePath(QStringLiteral("out"))));
        if (pipe)
            QCOMPARE(pipe->Readers(), 0);
    }

private:
    Lectionary_Fixture fixture_;
};

QTEST_GUILESS_MAIN(Test_Source_Folder)
#include "test_source_folder.moc"
