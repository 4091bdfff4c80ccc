// Every command of lectarium-db and every form of lectarium-day answers --help with its
// own usage, --version with the version, and refuses an unknown option with that usage
// and status 2.

#include "tests/support/tool_run.h"

#include <QFileInfo>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QString& tool, const QStringList& arguments) {
    const Tool_Run run = Run_Tool(tool, arguments, QString(), 60000);
    return {run.exitCode, QString::fromUtf8(run.out), QString::fromUtf8(run.err)};
}

} // namespace

class Test_Command_Lines final : public QObject {
    Q_OBJECT

private slots:
    void standardOptions_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("own");     // what the usage shown must hold
        QTest::addColumn<QString>("foreign"); // what it must not: another command's usage
        const QString db = QStringLiteral(LECTARIUM_DB);
        const QString day = QStringLiteral(LECTARIUM_DAY_TOOL);
        QTest::newRow("db") << db << QStringList() << "COMMAND [ARGUMENTS]" << QString();
        const QList<std::pair<const char*, const char*>> commands{
            {"build", "build SRC_DIR OUT.mdb"},
            {"dump", "dump DB OUT_DIR"},
            {"check", "check DB"},
            {"passage", "passage DB REFERENCE"},
            {"where", "where DB REFERENCE [YEAR]"},
            {"convert", "convert OLD.mdb NEW.mdb"},
            {"search", "search DB TERM"},
            {"import-bible", "import-bible FORMAT FILE SRC_DIR"},
            {"modules", "modules"},
        };
        for (const auto& [command, usage] : commands)
            QTest::newRow(qPrintable(QStringLiteral("db ") + QLatin1String(command)))
                << db << QStringList{QString::fromLatin1(command)} << QString::fromLatin1(usage)
                << QStringLiteral("Commands:");
        QTest::newRow("day range") << day << QStringList{"2027-01-01"} << "FROM [TO]" << QString();
        QTest::newRow("day --readings") << day << QStringList{"--readings", "2027-01-01"}
                                        << "--readings DATE [--text | --html | --slides OUT.pdf]"
                                        << "--ics";
        QTest::newRow("day --ics") << day << QStringList{"--ics", "2027-01-01", "2027-01-02"}
                                   << "--ics FROM TO"
                                   << "--readings";
        QTest::newRow("day --fasts") << day << QStringList{"--fasts", "2027-01-01", "2027-01-02"}
                                     << "--fasts FROM TO"
                                     << "--ics";
        QTest::newRow("day --saint") << day << QStringList{"--saint", "x"} << "--saint TEXT [--year YEAR]"
                                     << "--fasts";
        QTest::newRow("day --calendar")
            << day << QStringList{"--calendar", "2027", "--pdf", "x.pdf"} << "--calendar YEAR --pdf OUT.pdf"
            << "--saint";
    }

    void standardOptions() {
        QFETCH(QString, tool);
        QFETCH(QStringList, words);
        QFETCH(QString, own);
        QFETCH(QString, foreign);
        const auto holdsOwnUsage = [&](const QString& text) {
            return text.contains(own) && (foreign.isEmpty() || !text.contains(foreign));
        };
        // Right after the command's first word: "--readings --help" is no date.
        QStringList asked = words;
        asked.insert(qMin<qsizetype>(1, words.size()), QStringLiteral("--help"));
        Run run = runTool(tool, asked);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(holdsOwnUsage(run.out) && run.out.startsWith(QLatin1String("Usage: ")), qPrintable(run.out));
        QCOMPARE(run.err, QString());

        asked.replace(asked.indexOf(QStringLiteral("--help")), QStringLiteral("--version"));
        run = runTool(tool, asked);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QFileInfo(tool).fileName() + QStringLiteral(" " LECTARIUM_VERSION "\n"));

        run = runTool(tool, words + QStringList{QStringLiteral("--no-such-option")});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith(QFileInfo(tool).fileName() +
                                    QStringLiteral(": Unknown option 'no-such-option'.")) &&
                     holdsOwnUsage(run.err),
                 qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(Test_Command_Lines)
#include "test_command_lines.moc"
