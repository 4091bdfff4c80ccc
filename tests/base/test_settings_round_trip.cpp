// What the settings file keeps must read back as it was written, whatever the values
// hold; both cases were found by fuzz/fuzz_settings.

#include "base/basic_text.h"
#include "base/program_files.h"
#include "base/settings.h"
#include "calendar/selected_day.h"
#include "tests/support/temp_folder.h"

#include <QtTest>

using namespace MdlLectarium;

class Test_Settings_Round_Trip final : public QObject {
    Q_OBJECT

private slots:
    void textValuesReadBack_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("codePage");
        // Code page 1256 bytes C7 BF are also the UTF-8 form of U+01FF.
        QTest::newRow("alef and question mark") << QStringLiteral("ا؟") << false;
        // A UTF-8 name once read as code page 1256 (a damaged file): its code-page
        // bytes are that UTF-8 again.
        QTest::newRow("UTF-8 read as code page") << From_Cp1256(QStringLiteral("نسخ عربى").toUtf8()) << false;
        QTest::newRow("Arabic") << QStringLiteral("نسخ عربى") << true;
        QTest::newRow("Latin") << QStringLiteral("Noto Naskh Arabic") << true;
    }
    void textValuesReadBack() {
        QFETCH(QString, value);
        QFETCH(bool, codePage);
        Temp_Program_Folder folder;
        Set_Default_Settings();
        Font_Name = value;
        Under_Line_Chr = value;
        QVERIFY(Save_Settings());
        Font_Name.clear();
        Under_Line_Chr.clear();
        QVERIFY(Load_Settings());
        QCOMPARE(Font_Name, value);
        QCOMPARE(Under_Line_Chr, value);
        // Whatever the code page can hold unambiguously stays in the code page.
        const QByteArray file = folder.read(QStringLiteral("Lectarium.ini"));
        QCOMPARE(file.contains("Font_Name = " + To_Cp1256(value) + "\r\n"), codePage);
    }

    void overflowingColourTakesTheDefaults_data() {
        QTest::addColumn<QByteArray>("colour");
        QTest::newRow("exponent") << QByteArray("1e999");
        QTest::newRow("negative exponent") << QByteArray("-2.5D400");
    }
    void overflowingColourTakesTheDefaults() {
        QFETCH(QByteArray, colour);
        Temp_Program_Folder folder;
        Set_Default_Settings();
        Font_Size = 20;
        QByteArray file;
        for (const QString& line : Settings_Lines())
            file +=
                (line.startsWith(QLatin1String("Fore_Color")) ? "Fore_Color = " + colour : line.toLatin1()) +
                "\r\n";
        folder.write(QStringLiteral("Lectarium.ini"), file);
        Fore_Color = 0;
        QVERIFY(Load_Settings());
        QCOMPARE(Fore_Color, -2147483640.0);
        QCOMPARE(Font_Size, Integer(12));
        const QByteArray written = folder.read(QStringLiteral("Lectarium.ini"));
        QVERIFY(written.contains("Fore_Color = -2147483640\r\n"));
        QVERIFY(!written.contains("inf"));
    }
};

QTEST_APPLESS_MAIN(Test_Settings_Round_Trip)
#include "test_settings_round_trip.moc"
