// --bible of both command-line companions, run as a user runs them: the readings fixture
// database as Lectarium.mdb, and SWORD modules made with imp2vs in a SWORD_PATH of the
// test's own (vowelled Arabic in KJV versification, English in the Greek-numbered LXX
// versification with a verse missing, a commentary and a damaged module).

#include "tests/lectionary/fixture.h"
#include "tests/support/sword_modules.h"

#include <QProcess>
#include <QtTest>

namespace {

const char Arabic_Verses[] = "$$$Matt 5:1\nوَلَمَّا رَأَى الْجُمُوعَ صَعِدَ إِلَى الْجَبَلِ\n"
                             "$$$Matt 5:2\nفَفَتَحَ فَاهُ وَعَلَّمَهُمْ قَائِلاً\n"
                             "$$$Matt 5:3\nطُوبَى لِلْمَسَاكِينِ بِالرُّوحِ\n";
// No Matthew 5:2; the Greek psalm 2 is the table's psalm 2, the Greek 9:22 its 10:1.
const char English_Verses[] = "$$$Matt 5:1\nSeeing the multitudes, he went up.\n"
                              "$$$Matt 5:3\nBlessed are the poor in spirit.\n"
                              "$$$Ps 9:22\nWhy, O Lord, do you stand far off in the times of trouble?\n";

} // namespace

class Test_Bible_Option final : public QObject {
    Q_OBJECT

    Lectionary_Fixture fixture_;
    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        QVERIFY2(fixture_.ok(), qPrintable(fixture_.error()));
        if (QStandardPaths::findExecutable(QStringLiteral("imp2vs")).isEmpty())
            QSKIP("imp2vs (Debian libsword-utils) is not installed");
        const QString sword = dir_.filePath(QStringLiteral("sword"));
        qputenv("SWORD_PATH", sword.toUtf8());
        qputenv("HOME", dir_.path().toUtf8()); // no ~/.sword of the user
        qputenv("XDG_CACHE_HOME", dir_.filePath(QStringLiteral("cache")).toUtf8());
        const Sword_Modules modules(sword);
        QString error;
        QVERIFY2(
            modules.Make_Bible(QStringLiteral("ArabKJV"), QStringLiteral("KJV"), Arabic_Verses, error) &&
                modules.Make_Bible(QStringLiteral("EngLXX"), QStringLiteral("LXX"), English_Verses, error) &&
                modules.Write_Conf(QStringLiteral("Comment"), QStringLiteral("KJV"), "RawCom",
                                   QStringLiteral("ArabKJV"), error) &&
                modules.Make_Broken(QStringLiteral("Broken"), error),
            qPrintable(error));
    }

    void run_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // a part of the output
        QTest::addColumn<QString>("err"); // a part of the messages

        const QStringList day{QStringLiteral("--readings"), QStringLiteral("1998-09-11")};
        const QString db = QStringLiteral("db");
        QTest::newRow("text: each verse in each translation")
            << "day" << day + QStringList{"--text", "--bible", "ArabKJV,EngLXX"} << 0
            << QStringLiteral("    الإنجيل: مت 5: 1-3\n"
                              "        1 وَلَمَّا رَأَى الْجُمُوعَ صَعِدَ إِلَى الْجَبَلِ\n"
                              "        1 Seeing the multitudes, he went up.\n"
                              "        2 فَفَتَحَ فَاهُ وَعَلَّمَهُمْ قَائِلاً\n"
                              "        3 طُوبَى لِلْمَسَاكِينِ بِالرُّوحِ\n"
                              "        3 Blessed are the poor in spirit.\n")
            << QString();
        QTest::newRow("html: a row per verse, each cell in its own direction and language")
            << "day" << day + QStringList{"--html", "--bible", "EngLXX,db"} << 0
            << QStringLiteral(
                   "<tr><td dir=\"ltr\" lang=\"en\">1\u200e Seeing the multitudes, he went up.</td>"
                   "<td dir=\"rtl\" lang=\"ar\">1\u200f متى\u200f 5: 1 نص الآية</td></tr>\n"
                   "<tr><td></td><td dir=\"rtl\" lang=\"ar\">2\u200f متى\u200f 5: 2 نص الآية</td></tr>\n")
            << QString();
        QTest::newRow("the database's Bible alone as without the option")
            << "day" << day + QStringList{"--text", "--bible", db} << 0
            << QStringLiteral("    المزمور: مز 1: 1-2\n        نص المزمور من جدول المزامير\n") << QString();
        QTest::newRow("a damaged module left out, the others shown")
            << "day" << day + QStringList{"--text", "--bible", "Broken,EngLXX"} << 0
            << QStringLiteral("        3 Blessed are the poor in spirit.\n") << QStringLiteral("Broken");
        QTest::newRow("a commentary is not a Bible")
            << "day" << day + QStringList{"--text", "--bible", "Comment,EngLXX"} << 0
            << QStringLiteral("        1 Seeing the multitudes, he went up.\n")
            << QStringLiteral("lectarium-day: Comment: not a Bible\n");
        QTest::newRow("unknown module: the installed ones")
            << "day" << day + QStringList{"--text", "--bible", "Nothing"} << 2 << QString()
            << QStringLiteral("installed: ArabKJV, Broken, EngLXX");
        QTest::newRow("slides: the first translation named beside the day's text")
            << "day" << day + QStringList{"--slides", "OUT", "--bible", "db,EngLXX,ArabKJV"} << 0
            << QStringLiteral("1 Seeing the multitudes, he went up") << QString();
        QTest::newRow("--bible without the text")
            << "day" << day + QStringList{"--bible", "EngLXX"} << 2 << QString() << QStringLiteral("usage: ");
        QTest::newRow("passage beside the database's")
            << "db" << QStringList{"passage", "DB", "مت 5: 2-3", "--bible", "db,EngLXX"} << 0
            << QStringLiteral(
                   "2 متى 5: 2 نص الآية\r\n3 متى 5: 3 نص الآية\r\n3 Blessed are the poor in spirit.\r\n")
            << QString();
        QTest::newRow("passage: a Greek psalm under the table's number")
            << "db" << QStringList{"passage", "DB", "مز 10: 1", "--bible", "EngLXX"} << 0
            << QStringLiteral("1 Why, O Lord, do you stand far off in the times of trouble?\r\n")
            << QString();
        QTest::newRow("passage: unknown module")
            << "db" << QStringList{"passage", "DB", "مت 5: 2", "--bible", "ArabKJV,Nothing"} << 2 << QString()
            << QStringLiteral("lectarium-db: no SWORD Bible module \"Nothing\"");
        QTest::newRow("search a translation regardless of the vowels")
            << "db" << QStringList{"search", "DB", "طوبى", "--bible", "ArabKJV"} << 0
            << QStringLiteral("طُوبَى لِلْمَسَاكِينِ بِالرُّوحِ (مت  5 :  3)\n") << QStringLiteral("1 verses\n");
        QTest::newRow("search: only the books chosen")
            << "db" << QStringList{"search", "DB", "the", "--bible", "EngLXX", "--books", "مز"} << 0
            << QStringLiteral("Why, O Lord, do you stand far off in the times of trouble? (مز  10 :  1)\n")
            << QStringLiteral("1 verses\n");
        QTest::newRow("search: one translation only")
            << "db" << QStringList{"search", "DB", "the", "--bible", "ArabKJV,EngLXX"} << 2 << QString()
            << QStringLiteral("--bible names one translation");
    }

    void run() {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^DB$")), fixture_.path());
        // Slides are read back as text.
        const QString slides = dir_.filePath(QStringLiteral("slides.pdf"));
        const bool toSlides = arguments.contains(QStringLiteral("OUT"));
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^OUT$")), slides);
        if (toSlides && QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (package poppler-utils) is not installed");
        QProcess process;
        process.setWorkingDirectory(fixture_.folder());
        process.start(tool == QLatin1String("day") ? QStringLiteral(LECTARIUM_DAY_TOOL)
                                                   : QStringLiteral(LECTARIUM_DB),
                      arguments);
        QVERIFY(process.waitForFinished(120000));
        QString output = QString::fromUtf8(process.readAllStandardOutput());
        if (toSlides) {
            QVERIFY(output.isEmpty());
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {slides, QStringLiteral("-")});
            QVERIFY(text.waitForFinished(60000));
            output = QString::fromUtf8(text.readAllStandardOutput()).simplified(); // lines wrap
        }
        const QString messages = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitCode(), exitCode);
        // A slide's two columns wrap on their own, so pdftotext may set a line of the
        // other column between the words of a verse: the words in order is what counts.
        const QRegularExpression inOrder(
            QRegularExpression::escape(out).replace(QStringLiteral("\\ "), QStringLiteral(" (?:.* )?")));
        QVERIFY2(toSlides ? output.contains(inOrder) : output.contains(out),
                 qPrintable(output.section(QStringLiteral("مت"), 1).left(600)));
        QVERIFY2(messages.contains(err), qPrintable(messages));
        if (exitCode == 2)
            QVERIFY(output.isEmpty());
    }
};

QTEST_GUILESS_MAIN(Test_Bible_Option)
#include "test_bible_option.moc"
