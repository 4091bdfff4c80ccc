#include "base/interface_language.h"
#include "base/program_files.h"
#include "base/settings.h"
#include "calendar/selected_day.h"
#include "tests/support/temp_folder.h"
#include "tests/support/watched_pipe.h"

#include <QtTest>

using namespace MdlLectarium;

namespace {

// The complete file of defaults, as the program must write it.
const char* const defaultFile = "Under_Line_Chr = *\r\n"
                                "Hidder = -1\r\n"
                                "Hidder_Under_Line = -1\r\n"
                                "MDILectarium.Toolbar.Checked = -1\r\n"
                                "MDILectarium.Datee.Checked = -1\r\n"
                                "MDILectarium.Massage.Checked = -1\r\n"
                                "MDILectarium.Date_Bar_On_Top.Checked = -1\r\n"
                                "MDILectarium.Reset_Date.Checked = -1\r\n"
                                "MDILectarium.Save_On_Exit.Checked = -1\r\n"
                                "Font_Name = Arabic Transparent\r\n"
                                "Font_Size =  12\r\n"
                                "Font_Bold =  0\r\n"
                                "Font_Italic =  0\r\n"
                                "Fore_Color = -2147483640\r\n"
                                "Back_Color = -2147483643\r\n"
                                "MDILectarium_WindowState =  0\r\n"
                                "MDILectarium_Width =  6150\r\n"
                                "MDILectarium_Height =  4000\r\n"
                                "MDILectarium_Top =  2400\r\n"
                                "MDILectarium_Left =  3000\r\n"
                                "FrmBible_Select_WindowState =  0\r\n"
                                "FrmBible_Select_Top =  300\r\n"
                                "FrmBible_Select_Left =  300\r\n"
                                "FrmBible_View_WindowState =  0\r\n"
                                "FrmBible_View_Width =  6150\r\n"
                                "FrmBible_View_Height =  4000\r\n"
                                "FrmBible_View_Top =  2400\r\n"
                                "FrmBible_View_Left =  3000\r\n"
                                "FrmDisplay_Bible_WindowState =  0\r\n"
                                "FrmDisplay_Bible_Top =  2970\r\n"
                                "FrmDisplay_Bible_Left =  3525\r\n"
                                "FrmDisplay_Bible_Height =  3855\r\n"
                                "FrmDisplay_Bible_Width =  4800\r\n"
                                "FrmDisplay_Reading_WindowState =  0\r\n"
                                "FrmDisplay_Reading_Top =  2070\r\n"
                                "FrmDisplay_Reading_Left =  1725\r\n"
                                "FrmPain_WindowState =  0\r\n"
                                "FrmPain_Top =  2500\r\n"
                                "FrmPain_Left =  2655\r\n"
                                "FrmPain_Height =  4590\r\n"
                                "FrmPain_Width =  6765\r\n"
                                "FrmSelect_Day_WindowState =  0\r\n"
                                "FrmSelect_Day_Top =  300\r\n"
                                "FrmSelect_Day_Left =  300\r\n"
                                "FrmView_Search_WindowState =  0\r\n"
                                "FrmView_Search_Width =  6150\r\n"
                                "FrmView_Search_Height =  4000\r\n"
                                "FrmView_Search_Top =  2400\r\n"
                                "FrmView_Search_Left =  3000\r\n";

QList<QByteArray> defaultLines() {
    QList<QByteArray> lines = QByteArray(defaultFile).split('\n');
    lines.removeLast(); // after the final line end
    for (QByteArray& line : lines)
        line.chop(1); // the CR
    return lines;
}

QByteArray joinLines(const QList<QByteArray>& lines) {
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out;
}

// A valid file with every value changed from its default.
QByteArray changedFile() {
    QList<QByteArray> lines = defaultLines();
    lines[0] = "Under_Line_Chr = -";
    lines[3] = "MDILectarium.Toolbar.Checked = 0";
    lines[9] = "Font_Name = Noto Naskh Arabic";
    lines[10] = "Font_Size=14";
    lines[13] = "Fore_Color = 255";
    lines[16] = "MDILectarium_Width = 9000";
    return joinLines(lines);
}

} // namespace

class Test_Settings final : public QObject {
    Q_OBJECT

private slots:
    void init() {
        // Start every case from values that differ from the defaults.
        Font_Size = 99;
        Font_Name = QStringLiteral("none");
        MDILectarium_Width = 1;
        for (int i = 0; i < 6; ++i)
            Set_Menu_Checked(static_cast<Menu_Option>(i), false);
    }

    void missingFileWritesDefaults() {
        Temp_Program_Folder folder;
        QVERIFY(Load_Settings());
        QCOMPARE(folder.read(QStringLiteral("Lectarium.ini")), QByteArray(defaultFile));
        QCOMPARE(Font_Size, Integer(12));
        QCOMPARE(Font_Name, QStringLiteral("Arabic Transparent"));
        QCOMPARE(Fore_Color, -2147483640.0);
        for (int i = 0; i < 6; ++i)
            QVERIFY(Menu_Checked(static_cast<Menu_Option>(i)));
    }

    void languageIsAPreferenceOutsideTheIni() {
        QStandardPaths::setTestModeEnabled(true);
        Temp_Program_Folder folder;
        QVERIFY(Load_Settings());
        const QByteArray ini = folder.read(QStringLiteral("Lectarium.ini"));
        Store_Interface_Language(Interface_Language::English);
        QCOMPARE(Stored_Interface_Language(), Interface_Language::English);
        QCOMPARE(folder.read(QStringLiteral("Lectarium.ini")), ini);
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lectarium"),
                  QStringLiteral("Lectarium"))
            .setValue(QStringLiteral("Interface/Language"), QStringLiteral("fr"));
        QCOMPARE(Stored_Interface_Language(), Interface_Language::Classic); // unknown: the default
        QCOMPARE(Language_From_Code(QStringLiteral("ar")), std::optional(Interface_Language::Arabic));
        QVERIFY(!Language_From_Code(QStringLiteral("English")));
    }

    void completeFileIsAppliedAndNotRewritten() {
        Temp_Program_Folder folder;
        const QByteArray file = changedFile();
        folder.write(QStringLiteral("Lectarium.ini"), file);
        QVERIFY(Load_Settings());
        QCOMPARE(folder.read(QStringLiteral("Lectarium.ini")), file);
        QCOMPARE(Under_Line_Chr, QStringLiteral("-"));
        QVERIFY(!Menu_Checked(Menu_Option::Toolbar));
        QVERIFY(Menu_Checked(Menu_Option::Datee));
        QCOMPARE(Font_Name, QStringLiteral("Noto Naskh Arabic"));
        QCOMPARE(Font_Size, Integer(14));
        QCOMPARE(Fore_Color, 255.0);
        QCOMPARE(MDILectarium_Width, Integer(9000));
    }

    void savedFileReadsBackByteForByte() {
        Temp_Program_Folder folder;
        folder.write(QStringLiteral("Lectarium.ini"), changedFile());
        QVERIFY(Load_Settings());
        QVERIFY(Save_Settings());
        const QByteArray written = folder.read(QStringLiteral("Lectarium.ini"));
        QVERIFY(written.contains("Font_Size =  14\r\n"));
        QVERIFY(written.contains("MDILectarium.Toolbar.Checked =  0\r\n"));
        QVERIFY(written.contains("Fore_Color =  255\r\n"));
        QVERIFY(Load_Settings());
        QVERIFY(Save_Settings());
        QCOMPARE(folder.read(QStringLiteral("Lectarium.ini")), written);
    }

    // Files that are too short or carry a value that cannot be applied fall back to a
    // complete file of defaults; the values of earlier lines do not survive.
    void fallsBackToDefaults_data() {
        QTest::addColumn<QByteArray>("file");
        QList<QByteArray> lines = defaultLines();
        lines[10] = "Font_Size = 20";

        QList<QByteArray> short48 = lines;
        short48.removeLast();
        QTest::newRow("48 lines") << joinLines(short48);
        QTest::newRow("empty file") << QByteArray();

        QList<QByteArray> wide = lines;
        wide[16] = "MDILectarium_Width = 40000";
        QTest::newRow("width outside 16 bits") << joinLines(wide);

        QList<QByteArray> roundsOver = lines;
        roundsOver[17] = "MDILectarium_Height = 32767.5";
        QTest::newRow("rounds to 32768") << joinLines(roundsOver);

        QList<QByteArray> hugeBoolean = lines;
        hugeBoolean[1] = "Hidder = 1e10";
        QTest::newRow("boolean outside 16 bits") << joinLines(hugeBoolean);

        // Never read to its end: a file far past the 49 lines is a damaged one.
        QByteArray huge = joinLines(lines);
        while (huge.size() <= Settings_File_Limit)
            huge += "Unknown_Key = padding\r\n";
        QTest::newRow("larger than the limit") << huge;
    }

    void fallsBackToDefaults() {
        QFETCH(QByteArray, file);
        Temp_Program_Folder folder;
        folder.write(QStringLiteral("Lectarium.ini"), file);
        QVERIFY(Load_Settings());
        QCOMPARE(Font_Size, Integer(12));
        QCOMPARE(MDILectarium_Width, Integer(6150));
        QCOMPARE(folder.read(QStringLiteral("Lectarium.ini")), QByteArray(defaultFile));
    }

    // Unknown keys, blank lines and the text after a comma are items of their own and
    // count toward the 49.
    void itemsCountTowardTheWhole_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("applied");
        QList<QByteArray> lines = defaultLines();
        lines[10] = "Font_Size = 20";
        QList<QByteArray> withBlanks = lines.mid(0, 45);
        withBlanks << ""
                   << "Unknown_Key = 5"
                   << "   "
                   << "nonsense";
        QTest::newRow("blank and unknown lines") << joinLines(withBlanks) << true;

        QList<QByteArray> commas = lines.mid(0, 47);
        commas << "Font_Bold = 0, Font_Italic = 0";
        QTest::newRow("comma ends an item") << joinLines(commas) << true;

        QList<QByteArray> tooFew = lines.mid(0, 47);
        tooFew << "";
        QTest::newRow("48 items with a blank") << joinLines(tooFew) << false;
    }

    void itemsCountTowardTheWhole() {
        QFETCH(QByteArray, file);
        QFETCH(bool, applied);
        Temp_Program_Folder folder;
        folder.write(QStringLiteral("Lectarium.ini"), file);
        QVERIFY(Load_Settings());
        QCOMPARE(Font_Size, Integer(applied ? 20 : 12));
        QCOMPARE(folder.read(QStringLiteral("Lectarium.ini")) == file, applied);
    }

    void applySetting_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<QString>("underLine");
        QTest::newRow("as written") << QStringLiteral("Font_Size =  12") << 12 << QStringLiteral("*");
        QTest::newRow("no blanks") << QStringLiteral("Font_Size=12") << 12 << QStringLiteral("*");
        QTest::newRow("many blanks") << QStringLiteral("Font_Size   ==   12") << 12 << QStringLiteral("*");
        QTest::newRow("blank only") << QStringLiteral("Font_Size 12") << 12 << QStringLiteral("*");
        QTest::newRow("half goes down to even")
            << QStringLiteral("Font_Size = 12.5") << 12 << QStringLiteral("*");
        QTest::newRow("half goes up to even")
            << QStringLiteral("Font_Size = 13.5") << 14 << QStringLiteral("*");
        QTest::newRow("below half") << QStringLiteral("Font_Size = 13.49") << 13 << QStringLiteral("*");
        QTest::newRow("negative half") << QStringLiteral("Font_Size = -2.5") << -2 << QStringLiteral("*");
        QTest::newRow("no number") << QStringLiteral("Font_Size = big") << 0 << QStringLiteral("*");
        QTest::newRow("leading number only")
            << QStringLiteral("Font_Size = 16pt") << 16 << QStringLiteral("*");
        QTest::newRow("key is case-sensitive")
            << QStringLiteral("font_size = 16") << 5 << QStringLiteral("*");
        QTest::newRow("underline kept as is")
            << QStringLiteral("Under_Line_Chr = ~~") << 5 << QStringLiteral("~~");
        QTest::newRow("underline of =") << QStringLiteral("Under_Line_Chr = =") << 5 << QString();
        QTest::newRow("underline of blank") << QStringLiteral("Under_Line_Chr =  ") << 5 << QString();
        QTest::newRow("key alone") << QStringLiteral("Under_Line_Chr") << 5 << QString();
    }

    void applySetting() {
        QFETCH(QString, line);
        QFETCH(int, fontSize);
        QFETCH(QString, underLine);
        Font_Size = 5;
        Under_Line_Chr = QStringLiteral("*");
        QVERIFY(Apply_Setting(line));
        QCOMPARE(Font_Size, Integer(fontSize));
        QCOMPARE(Under_Line_Chr, underLine);
    }

    void laterLineWinsAndMenuValueTwoIsChecked() {
        Temp_Program_Folder folder;
        QList<QByteArray> lines = defaultLines();
        lines[4] = "MDILectarium.Datee.Checked = 2";
        lines << "Font_Size = 18";
        folder.write(QStringLiteral("Lectarium.ini"), joinLines(lines));
        QVERIFY(Load_Settings());
        QCOMPARE(Font_Size, Integer(18));
        QVERIFY(Menu_Checked(Menu_Option::Datee));
        QVERIFY(Save_Settings());
        const QByteArray written = folder.read(QStringLiteral("Lectarium.ini"));
        QVERIFY(written.contains("MDILectarium.Datee.Checked = -1\r\n"));
        QVERIFY(written.contains("Font_Size =  18\r\n"));
    }

    void leadingBlanksAndLoneLineFeeds() {
        Temp_Program_Folder folder;
        QByteArray file;
        for (QByteArray line : defaultLines()) {
            if (line.startsWith("Font_Size"))
                line = "Font_Size = 15";
            file += "   " + line + "\n";
        }
        folder.write(QStringLiteral("Lectarium.ini"), file);
        QVERIFY(Load_Settings());
        QCOMPARE(Font_Size, Integer(15));
    }

    // The underline character may be an Arabic letter; the file keeps it in the
    // Arabic code page, one byte.
    void arabicCodePageRoundTrip() {
        Temp_Program_Folder folder;
        QVERIFY(Load_Settings());
        Under_Line_Chr = QStringLiteral("ـ");
        QVERIFY(Save_Settings());
        const QByteArray written = folder.read(QStringLiteral("Lectarium.ini"));
        QVERIFY(written.startsWith("Under_Line_Chr = \xDC\r\n"));
        Under_Line_Chr.clear();
        QVERIFY(Load_Settings());
        QCOMPARE(Under_Line_Chr, QStringLiteral("ـ"));
    }

    // A font name outside the code page is kept rather than written as "?".
    void fontNameOutsideCodePageSurvives() {
        Temp_Program_Folder folder;
        QVERIFY(Load_Settings());
        Font_Name = QStringLiteral("Ꮳherokee Sans");
        QVERIFY(Save_Settings());
        Font_Name.clear();
        QVERIFY(Load_Settings());
        QCOMPARE(Font_Name, QStringLiteral("Ꮳherokee Sans"));
    }

    // A named pipe in the settings file's place is never opened for reading (it would
    // hold the start-up until something wrote to it): the defaults are taken instead.
    void namedPipeIsNotRead() {
        Temp_Program_Folder folder;
        const Watched_Pipe pipe(folder.file(QStringLiteral("Lectarium.ini")));
        QVERIFY(pipe.ok());
        QString error;
        const bool saved = Load_Settings(&error);
        QCOMPARE(pipe.Readers(), 0);
        QCOMPARE(Font_Size, Integer(12));
        if (saved)
            QCOMPARE(folder.read(QStringLiteral("Lectarium.ini")), QByteArray(defaultFile));
        else
            QVERIFY(!error.isEmpty());
    }

    void unwritableFolderReportsAndKeepsDefaults() {
        const QString previous = Program_Folder;
        Program_Folder = QStringLiteral("/nonexistent-folder/for/lectarium");
        QString error;
        const bool saved = Load_Settings(&error);
        Program_Folder = previous;
        QVERIFY(!saved);
        QVERIFY(!error.isEmpty());
        QCOMPARE(Font_Size, Integer(12));
        QCOMPARE(MDILectarium_Width, Integer(6150));
    }

    void splitSetting_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("written form") << QStringLiteral("Font_Name = Arabic Transparent")
                                      << QStringLiteral("Font_Name") << QStringLiteral("Arabic Transparent");
        QTest::newRow("trailing blank kept")
            << QStringLiteral("A=b ") << QStringLiteral("A") << QStringLiteral("b ");
        QTest::newRow("value with =")
            << QStringLiteral("A = =b=") << QStringLiteral("A") << QStringLiteral("b=");
        QTest::newRow("key only") << QStringLiteral("Key") << QStringLiteral("Key") << QString();
        QTest::newRow("empty") << QString() << QString() << QString();
        QTest::newRow("starts with =") << QStringLiteral("= 5") << QString() << QStringLiteral("5");
    }

    void splitSetting() {
        QFETCH(QString, line);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QString k = QStringLiteral("x"), v = QStringLiteral("y");
        Split_Setting(line, k, v);
        QCOMPARE(k, key);
        QCOMPARE(v, value);
    }

    // Window placements find their values by key: only 16-bit values answer, by the
    // exact key.
    void integerSetting_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<Integer*>("value");
        QTest::newRow("placement value") << QStringLiteral("FrmPain_Top") << &FrmPain_Top;
        QTest::newRow("last key") << QStringLiteral("FrmView_Search_Left") << &FrmView_Search_Left;
        QTest::newRow("fixed size has no width")
            << QStringLiteral("FrmSelect_Day_Width") << static_cast<Integer*>(nullptr);
        QTest::newRow("case counts") << QStringLiteral("frmpain_top") << static_cast<Integer*>(nullptr);
        QTest::newRow("text value") << QStringLiteral("Font_Name") << static_cast<Integer*>(nullptr);
        QTest::newRow("colour value") << QStringLiteral("Fore_Color") << static_cast<Integer*>(nullptr);
        QTest::newRow("menu check") << QStringLiteral("MDILectarium.Toolbar.Checked")
                                    << static_cast<Integer*>(nullptr);
    }

    void integerSetting() {
        QFETCH(QString, key);
        QFETCH(Integer*, value);
        QCOMPARE(Integer_Setting(key), value);
    }
};

QTEST_APPLESS_MAIN(Test_Settings)
#include "test_settings.moc"
