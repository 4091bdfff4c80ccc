// Every text the windows pass through tr() has a finished translation in both
// languages: lupdate reads the sources afresh, so a new text without its Arabic and
// English fails here, not in front of a reader.

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Entry {
    QString translation;
    bool finished = false;
};

// (context, source) -> its translation, as a .ts file holds it.
QHash<QPair<QString, QString>, Entry> readTs(const QString& path) {
    QHash<QPair<QString, QString>, Entry> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString context, source;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            // Unfinished, vanished and obsolete texts are left out by lrelease.
            entry.finished = !xml.attributes().hasAttribute(QLatin1String("type"));
            entry.translation = xml.readElementText();
            out.insert({context, source}, entry);
        }
    }
    return out;
}

} // namespace

class Test_Translations final : public QObject {
    Q_OBJECT

    QTemporaryDir scratch_;
    QHash<QPair<QString, QString>, Entry> fresh_;

private slots:
    void initTestCase() {
        QVERIFY(scratch_.isValid());
        const QString ts = scratch_.filePath(QStringLiteral("fresh.ts"));
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(LECTARIUM_SOURCE_DIR));
        lupdate.start(QStringLiteral(LECTARIUM_LUPDATE),
                      {QStringLiteral("-I"), QStringLiteral("."), QStringLiteral("-no-obsolete"),
                       QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-extensions"),
                       QStringLiteral("cpp,h"), QStringLiteral("app"), QStringLiteral("shell"),
                       QStringLiteral("bible"), QStringLiteral("documents"), QStringLiteral("readings"),
                       QStringLiteral("calendar"), QStringLiteral("-ts"), ts});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        fresh_ = readTs(ts);
        // The windows' captions, menus and messages: far more than a handful.
        QVERIFY2(fresh_.size() > 150, qPrintable(QString::number(fresh_.size())));
    }

    void everyTextTranslated_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("otherLetters");
        // Arabic keeps no Latin word but the names of file kinds and encodings; English no
        // Arabic letter at all.
        QTest::newRow("ar") << QStringLiteral("lectarium_ar.ts")
                            << QStringLiteral("\\b(?!PDF\\b|UTF\\b|pdf\\b|txt\\b)[A-Za-z]+");
        QTest::newRow("en") << QStringLiteral("lectarium_en.ts") << QStringLiteral("[\\x{0600}-\\x{06FF}]");
    }

    void everyTextTranslated() {
        QFETCH(QString, file);
        QFETCH(QString, otherLetters);
        const auto committed = readTs(QStringLiteral(LECTARIUM_SOURCE_DIR "/app/translations/") + file);
        const QRegularExpression other(otherLetters);
        for (auto it = fresh_.cbegin(); it != fresh_.cend(); ++it) {
            const QString where = it.key().first + QStringLiteral(": ") + it.key().second;
            const auto found = committed.constFind(it.key());
            QVERIFY2(found != committed.cend(), qPrintable(QStringLiteral("not in ") + file + ": " + where));
            QVERIFY2(found->finished && !found->translation.isEmpty(),
                     qPrintable(QStringLiteral("unfinished: ") + where));
            QVERIFY2(!other.match(found->translation).hasMatch(),
                     qPrintable(QStringLiteral("other language: ") + where + " -> " + found->translation));
        }
    }
};

QTEST_APPLESS_MAIN(Test_Translations)
#include "test_translations.moc"
