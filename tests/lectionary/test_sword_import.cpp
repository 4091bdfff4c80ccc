// A small Arabic SWORD module made at test time with SWORD's own imp2vs, read through
// lectarium-db into a source folder and a database, and its verses read back.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

bool writeFile(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

} // namespace

class Test_Sword_Import final : public QObject {
    Q_OBJECT

private slots:
    void arabicModuleRoundTrip() {
        if (QStandardPaths::findExecutable(QStringLiteral("imp2vs")).isEmpty())
            QSKIP("imp2vs (Debian libsword-utils) is not installed");
        QTemporaryDir dir;
        const QString sword = dir.filePath(QStringLiteral("sword"));
        const QString data = sword + QStringLiteral("/modules/texts/rawtext/arabtest/");
        QVERIFY(QDir().mkpath(data) && QDir().mkpath(sword + QStringLiteral("/mods.d")));
        // Vowelled Arabic, a note between two words, a deuterocanonical book and Psalm 151.
        const QString imp = dir.filePath(QStringLiteral("arabtest.imp"));
        QVERIFY(writeFile(imp, QStringLiteral("$$$Gen 1:1\n"
                                              "فِي الْبَدْءِ خَلَقَ<note type=\"explanation\">حاشية</note> "
                                              "اللهُ السَّمَاوَاتِ وَالأَرْضَ.\n"
                                              "$$$Gen 1:2\nوَكَانَتِ الأَرْضُ خَرِبَةً وَخَالِيَةً\n"
                                              "$$$Tob 1:1\nكِتَابُ كَلاَمِ طُوبِيَّا\n"
                                              "$$$AddPs 1:1\nأَنَا كُنْتُ صَغِيرًا<note>حاشية</note>فِي إِخْوَتِي\n"
                                              "$$$Matt 1:1\nكِتَابُ مِيلاَدِ يَسُوعَ الْمَسِيحِ\n")));
        QVERIFY(writeFile(sword + QStringLiteral("/mods.d/arabtest.conf"),
                          QStringLiteral("[ArabTest]\nDataPath=./modules/texts/rawtext/arabtest/\n"
                                         "ModDrv=RawText\nSourceType=OSIS\nEncoding=UTF-8\nLang=ar\n"
                                         "Versification=NRSVA\nDescription=Arabic test module\n")));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SWORD_PATH"), sword);
        env.insert(QStringLiteral("HOME"), dir.path()); // no ~/.sword of the user
        Run made = run(QStringLiteral("imp2vs"),
                       {imp, QStringLiteral("-o"), data, QStringLiteral("-v"), QStringLiteral("NRSVA")}, env);
        QVERIFY2(made.code == 0, qPrintable(made.out + made.err));

        const QString tool = QStringLiteral(LECTARIUM_DB);
        const Run modules = run(tool, {QStringLiteral("modules")}, env);
        QCOMPARE(modules.code, 0);
        QVERIFY2(modules.out.contains(QStringLiteral("ArabTest\tar\tNRSVA\tArabic test module\n")),
                 qPrintable(modules.out));

        // The fixture's other tables, and the module's Bible.
        const QString source = dir.filePath(QStringLiteral("source"));
        QVERIFY(QDir().mkpath(source));
        for (const QString& name : QDir(QStringLiteral(LECTIONARY_FIXTURE)).entryList(QDir::Files))
            QVERIFY(
                QFile::copy(QStringLiteral(LECTIONARY_FIXTURE "/") + name, source + QLatin1Char('/') + name));
        const Run missing = run(
            tool, {QStringLiteral("import-bible"), QStringLiteral("sword"), QStringLiteral("NoSuch"), source},
            env);
        QCOMPARE(missing.code, 2);
        QVERIFY(missing.err.contains(QStringLiteral("ArabTest")));
        const Run imported =
            run(tool,
                {QStringLiteral("import-bible"), QStringLiteral("sword"), QStringLiteral("ArabTest"), source},
                env);
        QVERIFY2(imported.code == 0, qPrintable(imported.err));
        QVERIFY2(imported.out.contains(QStringLiteral("5 verses of 4 books")), qPrintable(imported.out));
        const QString database = dir.filePath(QStringLiteral("Lectarium.mdb"));
        const Run built = run(tool, {QStringLiteral("build"), source, database}, env);
        QVERIFY2(built.code == 0, qPrintable(built.err));

        const struct {
            const char* reference;
            const char* text;
        } verses[] = {
            {"تك 1: 1", "1 فِي الْبَدْءِ خَلَقَ اللهُ السَّمَاوَاتِ وَالأَرْضَ."},
            {"تك 1: 2", "2 وَكَانَتِ الأَرْضُ خَرِبَةً وَخَالِيَةً"},
            {"طوبيا 1: 1", "1 كِتَابُ كَلاَمِ طُوبِيَّا"},
            {"مز 151: 1", "1 أَنَا كُنْتُ صَغِيرًا فِي إِخْوَتِي"},
            {"مت 1: 1", "1 كِتَابُ مِيلاَدِ يَسُوعَ الْمَسِيحِ"},
        };
        for (const auto& verse : verses) {
            const Run passage =
                run(tool, {QStringLiteral("passage"), database, QString::fromUtf8(verse.reference)}, env);
            QVERIFY2(passage.code == 0, qPrintable(passage.err));
            QVERIFY2(passage.out.contains(QString::fromUtf8(verse.text)), qPrintable(passage.out));
        }

        // The bare word finds the vowelled verses; --exact only the written form.
        const Run folded = run(tool, {QStringLiteral("search"), database, QStringLiteral("الارض")}, env);
        QCOMPARE(folded.code, 0);
        QCOMPARE(folded.out, QStringLiteral("فِي الْبَدْءِ خَلَقَ اللهُ السَّمَاوَاتِ وَالأَرْضَ. (تك  1 :  1)\n"
                                            "وَكَانَتِ الأَرْضُ خَرِبَةً وَخَالِيَةً (تك  1 :  2)\n"));
        const Run books = run(tool,
                              {QStringLiteral("search"), database, QStringLiteral("كتاب"),
                               QStringLiteral("--books"), QStringLiteral("مت,17")},
                              env);
        QCOMPARE(books.out.count(QLatin1Char('\n')), 2);
        const Run exact = run(
            tool, {QStringLiteral("search"), database, QStringLiteral("الارض"), QStringLiteral("--exact")},
            env);
        QCOMPARE(exact.code, 1);
        QVERIFY(exact.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(Test_Sword_Import)
#include "test_sword_import.moc"
