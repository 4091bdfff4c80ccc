// lectarium-day --slides on the shipped lectionary, read back as a reader's PDF tools
// read it: pdfinfo for the pages, pdftotext for the words.

#include "tests/support/tool_run.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

namespace {

using Run = Tool_Run;

Run run(const QString& program, const QStringList& arguments, rlim_t fileSizeLimit = RLIM_INFINITY) {
    return Run_Tool(program, arguments, QStringLiteral(LECTARIUM_RUN_FOLDER), 300000, fileSizeLimit);
}

// Words as a reader compares them: ligatures and Arabic presentation forms as letters,
// direction marks and punctuation left out (pdftotext drops some stops and commas of
// Qt's PDF), any run of blanks one blank.
QString words(const QString& text) {
    QString out = text.normalized(QString::NormalizationForm_KC);
    out.remove(QRegularExpression(QStringLiteral("[^\\p{L}\\p{N}\\s—]")));
    return out.simplified();
}

} // namespace

class Test_Slides final : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdftotext and pdfinfo (package poppler-utils) are not installed");
        QVERIFY(QFile::exists(QStringLiteral(LECTARIUM_RUN_FOLDER "/Lectarium.mdb")));
    }

    // Palm Sunday 2027: long readings over several pages, every verse whole on one page.
    void palmSunday() {
        const QString pdf = folder_.filePath(QStringLiteral("palm.pdf"));
        const QString day = QStringLiteral("2027-04-25");
        const Run slides = run(QStringLiteral(LECTARIUM_DAY_TOOL),
                               {QStringLiteral("--readings"), day, QStringLiteral("--slides"), pdf});
        QCOMPARE(slides.exitCode, 0);
        QVERIFY(slides.out.isEmpty());

        const Run info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.out.contains("Page size:       720 x 405 pts")); // 16:9
        const int pages = QRegularExpression(QStringLiteral("Pages: +(\\d+)"))
                              .match(QString::fromUtf8(info.out))
                              .captured(1)
                              .toInt();

        const Run text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QStringList pageTexts = QString::fromUtf8(text.out).split(QLatin1Char('\f'));
        pageTexts.removeLast(); // after the last page's form feed
        QCOMPARE(pageTexts.size(), pages);
        for (QString& page : pageTexts)
            page = words(page);
        // The title page: the title and the date; then a heading on every page.
        QVERIFY2(pageTexts[0].contains(QStringLiteral("2027")), qPrintable(pageTexts[0]));
        QVERIFY(!pageTexts[0].contains(QStringLiteral("—")));
        for (int i = 1; i < pages; ++i)
            QVERIFY2(pageTexts[i].count(QStringLiteral("—")) >= 1, qPrintable(pageTexts[i]));
        QVERIFY(pageTexts[1].contains(QStringLiteral("المزمور")));
        QVERIFY(pageTexts[1].contains(
            QStringLiteral("26 Blessed is he who comes in Yahwehs name We have blessed")));

        // Every verse of the day's readings whole on some page.
        const Run listed = run(QStringLiteral(LECTARIUM_DAY_TOOL),
                               {QStringLiteral("--readings"), day, QStringLiteral("--text")});
        QCOMPARE(listed.exitCode, 0);
        static const QRegularExpression verse(QStringLiteral("^        (\\d+ [A-Za-z].*)$"),
                                              QRegularExpression::MultilineOption);
        int verses = 0;
        int longest = 0;
        for (const QRegularExpressionMatch& match : verse.globalMatch(QString::fromUtf8(listed.out))) {
            const QString wanted = words(match.captured(1));
            ++verses;
            longest = std::max<int>(longest, wanted.size());
            bool whole = false;
            for (const QString& page : pageTexts)
                whole = whole || page.contains(wanted);
            QVERIFY2(whole, qPrintable(QStringLiteral("split or missing: ") + wanted));
        }
        QVERIFY(verses > 40);
        QVERIFY(longest > 200);      // a verse that fills several lines
        QVERIFY(pages > verses / 4); // large type: a few verses a page
    }

    // A full disk (a file-size limit) leaves the old slides as they were.
    void fullDisk() {
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("kept.pdf"));
        const QByteArray old(1000, 'x');
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
        const Run slides =
            run(QStringLiteral(LECTARIUM_DAY_TOOL),
                {QStringLiteral("--readings"), QStringLiteral("2027-03-03"), QStringLiteral("--slides"), pdf},
                20000);
        QCOMPARE(slides.exitCode, 1);
        QVERIFY2(slides.err.contains("lectarium-day: cannot write " + pdf.toLocal8Bit() + ": "), slides.err);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.pdf")});
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no file") << QStringList{QStringLiteral("--readings"), QStringLiteral("2027-03-03"),
                                                QStringLiteral("--slides")};
        QTest::newRow("with html") << QStringList{QStringLiteral("--readings"), QStringLiteral("2027-03-03"),
                                                  QStringLiteral("--html"), QStringLiteral("--slides"),
                                                  QStringLiteral("x.pdf")};
        QTest::newRow("empty name") << QStringList{QStringLiteral("--readings"), QStringLiteral("2027-03-03"),
                                                   QStringLiteral("--slides"), QString()};
        QTest::newRow("over the database")
            << QStringList{QStringLiteral("--readings"), QStringLiteral("2027-03-03"),
                           QStringLiteral("--slides"), QStringLiteral("Lectarium.mdb")};
    }
    void badArguments() {
        QFETCH(QStringList, arguments);
        const QByteArray database = [] {
            QFile file(QStringLiteral(LECTARIUM_RUN_FOLDER "/Lectarium.mdb"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        const Run slides = run(QStringLiteral(LECTARIUM_DAY_TOOL), arguments);
        QCOMPARE(slides.exitCode, 2);
        QVERIFY(slides.err.startsWith("lectarium-day: "));
        QFile file(QStringLiteral(LECTARIUM_RUN_FOLDER "/Lectarium.mdb"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == database);
        QVERIFY(!QFile::exists(QStringLiteral(LECTARIUM_RUN_FOLDER "/x.pdf")));
    }
};

QTEST_GUILESS_MAIN(Test_Slides)
#include "test_slides.moc"
