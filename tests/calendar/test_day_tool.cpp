// Runs the built lectarium-day and checks what it writes.

#include "tests/support/tool_run.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Run = Tool_Run;

Run runTool(const QStringList& arguments) {
    return Run_Tool(QStringLiteral(LECTARIUM_DAY_TOOL), arguments);
}

QList<QByteArray> linesOf(const QByteArray& out) {
    QList<QByteArray> lines = out.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Every line has 16 fields and the dates run day after day from first to last.
void checkShape(const QByteArray& out, const QDate& first, const QDate& last) {
    QVERIFY(!out.contains('\r'));
    QVERIFY(out.endsWith('\n'));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(out);
    QVERIFY(!utf8.hasError());
    const QList<QByteArray> lines = linesOf(out);
    QCOMPARE(lines.size(), first.daysTo(last) + 1);
    QDate expected = first;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split('\t');
        QCOMPARE(fields.size(), 16);
        QCOMPARE(QDate::fromString(QString::fromLatin1(fields[0]), Qt::ISODate), expected);
        expected = expected.addDays(1);
    }
}

QString lineOf(const QByteArray& out, const QString& date) {
    for (const QByteArray& line : linesOf(out))
        if (line.startsWith(date.toLatin1() + '\t'))
            return QString::fromUtf8(line);
    return QString();
}

} // namespace

class Test_Day_Tool final : public QObject {
    Q_OBJECT

    QByteArray year1999_;

private slots:
    void initTestCase() {
        const Run run = runTool({QStringLiteral("1999-01-01"), QStringLiteral("1999-12-31")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        year1999_ = run.out;
    }

    void year1999Shape() { checkShape(year1999_, QDate(1999, 1, 1), QDate(1999, 12, 31)); }

    // Whole lines of the 1999 run: every column of the days that test the rules.
    void year1999Lines_data() {
        QTest::addColumn<QString>("line");
        // clang-format off
        QTest::newRow("Paramoun of Christmas") << QStringLiteral("1999-01-06\t4\t28\t4\t1715\tبرامــون عيـــد الميــــــلاد\tRead\t0\t0\t0\t1\t28\t5\tRead\t4\t0");
        QTest::newRow("Christmas") << QStringLiteral("1999-01-07\t5\t29\t4\t1715\tعيـــد الميـــــلاد المجيـــد\tRead\t0\t0\t0\t0\t29\t1\tRead\t4\t0");
        QTest::newRow("Paramoun of Theophany") << QStringLiteral("1999-01-18\t2\t10\t5\t1715\t برامــون عيـــد الغطــــاس\tRead\t0\t0\t0\t1\t10\t5\tRead\t5\t0");
        QTest::newRow("Sunday before Nineveh") << QStringLiteral("1999-01-31\t1\t23\t5\t1715\t\t\t0\t0\t1\t0\t23\t7\tSuns\t5\t0");
        QTest::newRow("Passover of Nineveh") << QStringLiteral("1999-02-04\t5\t27\t5\t1715\tفصـــــــح نينوى\tJohan\t0\t4\t0\t0\t27\t7\tJohan\t5\t4");
        QTest::newRow("Palm Sunday") << QStringLiteral("1999-04-04\t1\t26\t7\t1715\t+\\nأحـــــــد الشــــعانين\tFast\t6\t7\t0\t0\t26\t15\tFast\t7\t7");
        QTest::newRow("Good Friday keeps week 6") << QStringLiteral("1999-04-09\t6\t1\t8\t1715\t+\\nالجمعة العظيمة\tPain\t6\t5\t0\t0\t1\t14\tPain\t8\t5");
        QTest::newRow("Ascension") << QStringLiteral("1999-05-20\t5\t12\t9\t1715\tاليوم الرابع من الأسبوع السادس من  الخماسين المقدسة\\n عيد الصعود المجيد \tFifty\t6\t4\t0\t0\t12\t8\tFifty\t9\t4");
        QTest::newRow("Peter and Paul") << QStringLiteral("1999-07-12\t2\t5\t11\t1715\tعيد القديسين بطرس و بولس\t\t7\t7\t0\t0\t5\t7\tRead\t11\t7");
        QTest::newRow("Nayrouz") << QStringLiteral("1999-09-12\t1\t1\t1\t1716\tعيد النيروز\t\t7\t7\t0\t0\t1\t1\tRead\t1\t7");
        // clang-format on
    }

    void year1999Lines() {
        QFETCH(QString, line);
        QCOMPARE(lineOf(year1999_, line.left(10)), line);
    }

    // A range starts from week 0, day 0: Good Friday on its own has not seen Palm Sunday.
    void singleDayStartsFresh() {
        const Run run = runTool({QStringLiteral("1999-04-09")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out),
                 QStringLiteral(
                     "1999-04-09\t6\t1\t8\t1715\t+\\nالجمعة العظيمة\tPain\t0\t5\t0\t0\t1\t7\tPain\t8\t5\n"));
    }

    void wholeRange() {
        const Run run = runTool({QStringLiteral("1901-01-01"), QStringLiteral("2099-12-31")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        checkShape(run.out, QDate(1901, 1, 1), QDate(2099, 12, 31));
        // One Easter a year, always on a Sunday.
        const QByteArray easter = QStringLiteral("\t+\\nعيد القيامة المجيد\t").toUtf8();
        int easters = 0;
        for (const QByteArray& line : linesOf(run.out)) {
            if (line.contains(easter)) {
                ++easters;
                QCOMPARE(line.split('\t').at(1), QByteArray("1"));
            }
        }
        QCOMPARE(easters, 199);
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("none") << QStringList();
        QTest::newRow("three") << QStringList{"1999-01-01", "1999-01-02", "1999-01-03"};
        QTest::newRow("no such day") << QStringList{"1999-02-29"};
        QTest::newRow("short form") << QStringList{"1999-1-1"};
        QTest::newRow("not a date") << QStringList{"yesterday"};
        QTest::newRow("bad TO") << QStringList{"1999-01-01", "1999-13-01"};
        QTest::newRow("TO before FROM") << QStringList{"1999-02-02", "1999-02-01"};
        QTest::newRow("before the year 500") << QStringList{"0499-12-31"};
        QTest::newRow("after the year 5000") << QStringList{"4999-01-01", "5001-01-01"};
        QTest::newRow("line feed after FROM") << QStringList{"2024-01-07\n"};
        QTest::newRow("line feed after TO") << QStringList{"2024-01-07", "2024-01-08\n"};
        QTest::newRow("line feed after an --ics date") << QStringList{"--ics", "2024-01-07", "2024-02-08\n"};
        QTest::newRow("fasts, one date") << QStringList{"--fasts", "2024-01-07"};
        QTest::newRow("fasts, TO before FROM") << QStringList{"--fasts", "2024-01-07", "2024-01-06"};
        QTest::newRow("fasts after 5000") << QStringList{"--fasts", "5000-12-31", "5001-01-01"};
        QTest::newRow("calendar without --pdf") << QStringList{"--calendar", "2027"};
        QTest::newRow("calendar, year 499") << QStringList{"--calendar", "499", "--pdf", "x.pdf"};
        QTest::newRow("pdf without --calendar") << QStringList{"--pdf", "x.pdf", "2027-01-01"};
    }

    void badArguments() {
        QFETCH(QStringList, arguments);
        const Run run = runTool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith("lectarium-day: "));
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.endsWith('\n'));
    }

    // The fasts over 1901-2099: one line of four fields a day, and the days that test the
    // rules as whole lines.
    void fasts() {
        const Run run =
            runTool({QStringLiteral("--fasts"), QStringLiteral("1901-01-01"), QStringLiteral("2099-12-31")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        const QList<QByteArray> lines = linesOf(run.out);
        QCOMPARE(lines.size(), QDate(1901, 1, 1).daysTo(QDate(2099, 12, 31)) + 1);
        QCOMPARE(lines.first().split('\t').size(), 4);
        QCOMPARE(lines.last().split('\t').size(), 4);
        const QStringList expected{
            QStringLiteral("1901-01-01\tNativity\tصوم الميلاد\tfish"),
            QStringLiteral("2027-03-10\tLent\tالصوم الكبير\tvegan"),
            QStringLiteral("2027-05-05\t-\t-\t-"),                      // a Wednesday of the Fifty Days
            QStringLiteral("2026-01-07\t-\t-\t-"),                      // Christmas on a Wednesday
            QStringLiteral("2099-12-25\tNativity\tصوم الميلاد\tvegan"), // a Friday
            QStringLiteral("2099-12-31\tNativity\tصوم الميلاد\tfish"),
        };
        for (const QString& line : expected)
            QCOMPARE(lineOf(run.out, line.left(10)), line);
    }

    // The calendar read back: a first page and twelve months, each feast on its day.
    void calendarPdf() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("2027.pdf"));
        const Run run =
            runTool({QStringLiteral("--calendar"), QStringLiteral("2027"), QStringLiteral("--pdf"), pdf});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.isEmpty(), run.err.constData());
        QProcess text;
        text.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        // pdftotext gives the Arabic glyphs' presentation forms between direction marks;
        // the elongation of the month names goes too.
        QString all =
            QString::fromUtf8(text.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
        all.remove(QRegularExpression(QStringLiteral("[\u202a-\u202e\u0640]")));
        const QStringList pages = all.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 13);
        QVERIFY(pages[0].contains(QStringLiteral("الأعياد المتغيرة")));
        QVERIFY(pages[1].contains(QStringLiteral("يناير 2027")));
        QVERIFY(pages[12].contains(QStringLiteral("ديسمبر 2027")));
        // Christmas in the column of 7 January, a Thursday (29 Kiahk; the Wednesday, 28
        // Kiahk, to its right), on the line under the Coptic dates.
        const QStringList lines = pages[1].split(QLatin1Char('\n'));
        const QRegularExpression thursday(QStringLiteral("29 ?كيهك"));
        const QRegularExpression wednesday(QStringLiteral("28 ?كيهك"));
        const qsizetype at = lines.indexOf(QRegularExpression(QStringLiteral(".*29 ?كيهك.*")));
        QVERIFY(at > 0 && at + 1 < lines.size());
        const qsizetype feast = lines[at + 1].indexOf(QStringLiteral("عيد الميلاد"));
        QVERIFY2(feast >= lines[at].indexOf(thursday) && feast < lines[at].indexOf(wednesday),
                 qPrintable(lines[at] + QLatin1Char('\n') + lines[at + 1]));
    }

    void help() {
        const Run run = runTool({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        const QString text = QString::fromUtf8(run.out);
        for (int column = 1; column <= 16; ++column)
            QVERIFY2(text.contains(QStringLiteral("\n%1  ").arg(column, 4)),
                     qPrintable(QString::number(column)));
        QVERIFY(text.contains(QLatin1String("Reading_Source")));
    }
};

QTEST_GUILESS_MAIN(Test_Day_Tool)
#include "test_day_tool.moc"
