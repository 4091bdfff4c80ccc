#include "app/mdi_lectarium.h"
#include "app/start_up.h"
#include "base/interface_language.h"
#include "base/program_files.h"
#include "base/settings.h"
#include "calendar/frm_select_day.h"
#include "calendar/selected_day.h"
#include "lectionary/bible_books.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "shell/placement.h"
#include "tests/support/started_main_window.h"
#include "tests/support/temp_folder.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QToolBar>
#include <QtTest>

#include <memory>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

const QString missingDatabase = QStringLiteral("لا يوجد ملف المعاومات الرجاء عمل Setup مرة أخرى");

using Started = Started_Main_Window;

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class Test_Main_Window final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Install_Arabic_Font(); }

    void startUpFillsTheBookTables() {
        Temp_Program_Folder folder;
        Bible_Books.fill(Book_Record{});
        Chapter_Counts.fill(0);
        Init_Tables();
        QCOMPARE(Bible_Books[47].Abbreviation, QStringLiteral("مت"));
        QCOMPARE(Chapter_Counts[47], Integer(28));
        QCOMPARE(Group_Books[8][1], Integer(51));
    }

    void missingDatabaseEndsStartup() {
        Temp_Program_Folder folder;
        Scripted_Dialogs dialogs;
        dialogs.Answer_Message(Msg_Answer::Ok);
        MDILectarium window;
        QVERIFY(!window.Form_Load());
        QCOMPARE(dialogs.Messages().size(), 1);
        QCOMPARE(dialogs.Messages()[0].text, missingDatabase);
        QCOMPARE(dialogs.Messages()[0].caption, QStringLiteral("Lectarium"));
        QCOMPARE(dialogs.Messages()[0].buttons, Msg_Buttons::Ok);
        QCOMPARE(dialogs.Messages()[0].icon, Msg_Icon::Exclamation);
        QVERIFY(!window.isVisible());
        QCOMPARE(QDir(folder.path()).canonicalPath(), QDir(Program_Folder).canonicalPath());
    }

    // A file that is there but is no lectionary ends start-up with a message that
    // names the file and the problem.
    void unusableDatabaseIsNamed_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("text file") << QByteArray("Old\tBible\n");
        QTest::newRow("truncated SQLite header") << QByteArray("SQLite format 3\0", 16);
    }

    void unusableDatabaseIsNamed() {
        QFETCH(QByteArray, bytes);
        Temp_Program_Folder folder;
        folder.write(QStringLiteral("Lectarium.mdb"), bytes);
        Scripted_Dialogs dialogs;
        dialogs.Answer_Message(Msg_Answer::Ok);
        MDILectarium window;
        QVERIFY(!window.Form_Load());
        QCOMPARE(dialogs.Messages().size(), 1);
        QVERIFY(dialogs.Messages()[0].text.contains(QStringLiteral("Lectarium.mdb")));
        QVERIFY(dialogs.Messages()[0].text != missingDatabase);
        QCOMPARE(dialogs.Messages()[0].icon, Msg_Icon::Exclamation);
        QVERIFY(!window.isVisible());
        QCOMPARE(folder.read(QStringLiteral("Lectarium.mdb")), bytes);
    }

    void dateBar_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QColor>("dayColour");
        // Palm Sunday 1999 is 19 Baramhat 1715.
        QTest::newRow("Sunday") << QDate(1999, 3, 28)
                                << QStringList{QStringLiteral("28"),   QStringLiteral("مارس"),
                                               QStringLiteral("1999"), QStringLiteral("الأحـــد"),
                                               QStringLiteral("19"),   QStringLiteral("برمهات"),
                                               QStringLiteral("1715")}
                                << QColor(255, 0, 0);
    }

    void dateBar() {
        QFETCH(QDate, today);
        QFETCH(QStringList, texts);
        QFETCH(QColor, dayColour);
        Started s(today);
        QVERIFY(s.loaded);
        const QStringList names{QStringLiteral("LabelNormalDay"),  QStringLiteral("LabelNormalMonth"),
                                QStringLiteral("LabelNormalYear"), QStringLiteral("LabelDayName"),
                                QStringLiteral("LabelCopticDay"),  QStringLiteral("LabelCopticMonth"),
                                QStringLiteral("LabelCopticYear")};
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(s.window->Date_Label(names[i])->text(), texts[i]);
        QCOMPARE(textColour(s.window->Date_Label(QStringLiteral("LabelDayName"))), dayColour);
        QCOMPARE(Selected_Date, today);
        // Right to left: the Gregorian day stands right of the Coptic year.
        QVERIFY(s.window->Date_Label(names[0])->x() > s.window->Date_Label(names[6])->x());
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    // Every command has its own key, and the help file's key table lists it.
    void menusAsDesigned() {
        Started s;
        QFile helpFile(QStringLiteral(LECTARIUM_HELP_SOURCE));
        QVERIFY(helpFile.open(QIODevice::ReadOnly));
        const QString help = QString::fromUtf8(helpFile.readAll());
        QSet<QKeySequence> keys;
        for (const QMenu* menu : s.window->findChildren<QMenu*>()) {
            for (const QAction* action : menu->actions()) {
                const QKeySequence shortcut = action->shortcut();
                if (shortcut.isEmpty())
                    continue;
                QVERIFY2(!keys.contains(shortcut), qPrintable(action->objectName()));
                keys.insert(shortcut);
                QVERIFY2(help.contains(QStringLiteral("<tr><td>%1</td>").arg(shortcut.toString())),
                         qPrintable(action->objectName()));
            }
        }
        QCOMPARE(keys.size(), 19);
        for (const char* name : {"l1", "l2", "l3", "l4", "l5"})
            QVERIFY(s.window->Menu_Item(QLatin1String(name))->isSeparator());
        QCOMPARE(s.window->Menu_Bar_Menu(QStringLiteral("File"))->title(), QStringLiteral("&File"));
        QVERIFY(!s.window->Menu_Item(QStringLiteral("Save"))->isEnabled());
        QVERIFY(!s.window->Toolbar_Button(8)->isEnabled());
        for (const char* option :
             {"Toolbar", "Datee", "Massage", "Date_Bar_On_Top", "Reset_Date", "Save_On_Exit"}) {
            QVERIFY(s.window->Menu_Item(QLatin1String(option))->isCheckable());
            QVERIFY(s.window->Menu_Item(QLatin1String(option))->isChecked());
        }
    }

    // Every menu item's caption and key, and the toolbar button (number, key, tip) of
    // the commands that have one, which is the item's own action.
    void commandsAsDesigned_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<int>("button"); // 0: no toolbar button
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("tooltip");
        // clang-format off
        QTest::newRow("Reading") << "&Reading" << QKeySequence("Ctrl+R") << 2 << "Reading" << "Reading";
        QTest::newRow("Bible_View") << "&View" << QKeySequence("Ctrl+I") << 3 << "View Bible" << "View Bible";
        QTest::newRow("Bible_Search") << "Searc&h" << QKeySequence("Ctrl+H") << 4 << "Bible Search" << "Bible Search";
        QTest::newRow("New") << "&New" << QKeySequence("Ctrl+N") << 6 << "New" << "New";
        QTest::newRow("Open") << "&Open" << QKeySequence("Ctrl+O") << 7 << "Open" << "Open";
        QTest::newRow("Save") << "&Save" << QKeySequence("Ctrl+S") << 8 << "Save" << "Save";
        QTest::newRow("Exit") << "E&xit" << QKeySequence("Ctrl+Q") << 12 << "Exit" << "Exit";
        QTest::newRow("Toolbar") << "&Toolbar" << QKeySequence("Ctrl+T") << 0 << "" << "";
        QTest::newRow("Datee") << "&Date Bar" << QKeySequence("Ctrl+D") << 0 << "" << "";
        QTest::newRow("Massage") << "&Massage" << QKeySequence("Ctrl+M") << 0 << "" << "";
        QTest::newRow("Text_View") << "&Text View" << QKeySequence("Ctrl+Shift+T") << 10 << "Text_View" << "Text_View";
        QTest::newRow("Date_Bar_On_Top") << "Date &Bar On Top" << QKeySequence("Ctrl+B") << 0 << "" << "";
        QTest::newRow("Reset_Date") << "&Reset Date" << QKeySequence("Ctrl+Shift+R") << 0 << "" << "";
        QTest::newRow("Save_On_Exit") << "&Save On Exit" << QKeySequence("Ctrl+Shift+E") << 0 << "" << "";
        QTest::newRow("Topic") << "To&pic" << QKeySequence("F1") << 14 << "Help_Topic" << "Help Topic";
        QTest::newRow("About") << "&About" << QKeySequence("Ctrl+F1") << 0 << "" << "";
        QTest::newRow("Saint_Search") << "بحث في السنكسار" << QKeySequence("Ctrl+Shift+S") << 0 << "" << "";
        // clang-format on
    }

    void commandsAsDesigned() {
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(int, button);
        QFETCH(QString, key);
        QFETCH(QString, tooltip);
        Started s;
        QAction* action = s.window->Menu_Item(QLatin1String(QTest::currentDataTag()));
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), shortcut);
        for (int n = 1; n <= 14; ++n)
            QCOMPARE(s.window->Toolbar_Button(n) == action, n == button);
        if (button) {
            QCOMPARE(action->property("key").toString(), key);
            QCOMPARE(action->toolTip(), tooltip);
        }
    }

    // A command's button is its menu item's action; the gap and separators have no key.
    void toolbarButtons() {
        Started s;
        for (int n = 1; n <= 14; ++n) {
            QAction* button = s.window->Toolbar_Button(n);
            QVERIFY(button);
            const bool command = !button->property("key").toString().isEmpty();
            QCOMPARE(command, !button->isSeparator() && n != 1);
            if (command) {
                QVERIFY(!button->icon().isNull());
                QCOMPARE(s.window->Menu_Item(button->objectName()), button);
            }
        }
    }

    // The key of a clicked button runs its command; other keys do nothing.
    void toolbarDispatch() {
        Started s;
        s.window->Toolbar1_ButtonClick(QString());              // the placeholder
        s.window->Toolbar1_ButtonClick(QStringLiteral("exit")); // keys are exact
        QVERIFY(s.dialogs.Messages().isEmpty());
        QCOMPARE(s.terminated, 0);

        s.dialogs.Answer_Help(true);
        s.window->Toolbar_Button(14)->trigger();
        QCOMPARE(s.dialogs.Help_Files(), QStringList{s.folder.file(QStringLiteral("Lectarium.hlp"))});

        s.dialogs.Answer_Message(Msg_Answer::No);
        s.window->Toolbar_Button(12)->trigger();
        QCOMPARE(s.dialogs.Messages().size(), 1);
        QCOMPARE(s.dialogs.Messages()[0].text, QStringLiteral("Are you sure ?"));
        QCOMPARE(s.terminated, 0);
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    void missingHelpFileIsReported() {
        Started s;
        s.dialogs.Answer_Help(false);
        s.dialogs.Answer_Message(Msg_Answer::Ok);
        s.window->Topic_Click();
        QCOMPARE(s.dialogs.Messages().size(), 1);
        QVERIFY(s.dialogs.Messages()[0].text.contains(QStringLiteral("Lectarium.hlp")));
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    void englishInterfaceOpensTheEnglishHelp() {
        Set_Current_Interface_Language(Interface_Language::English);
        Started s;
        s.dialogs.Answer_Help(true);
        s.window->Topic_Click();
        Set_Current_Interface_Language(Interface_Language::Classic);
        QCOMPARE(s.dialogs.Help_Files(), QStringList{s.folder.file(QStringLiteral("Lectarium_en.hlp"))});
    }

    void toggles() {
        Started s;
        MDILectarium& w = *s.window;
        QVERIFY(w.Toolbar1()->isVisible());
        w.Menu_Item(QStringLiteral("Toolbar"))->trigger(); // as a click on the menu
        QVERIFY(!w.Toolbar1()->isVisible());
        QVERIFY(!Menu_Checked(Menu_Option::Toolbar));
        w.Toolbar_Click();
        QVERIFY(w.Toolbar1()->isVisible());
        QVERIFY(Menu_Checked(Menu_Option::Toolbar));

        w.Datee_Click();
        QVERIFY(!w.Toolbar_Date()->isVisible());
        QVERIFY(!w.Menu_Item(QStringLiteral("Date_Bar_On_Top"))->isEnabled());
        w.Datee_Click();
        QVERIFY(w.Toolbar_Date()->isVisible());
        QVERIFY(w.Menu_Item(QStringLiteral("Date_Bar_On_Top"))->isEnabled());

        for (const char* name : {"Massage", "Reset_Date", "Save_On_Exit"}) {
            QAction* action = w.Menu_Item(QLatin1String(name));
            action->trigger();
            QVERIFY(!action->isChecked());
            action->trigger();
            QVERIFY(action->isChecked());
        }
    }

    void doubleClickMovesDateBar() {
        Started s;
        MDILectarium& w = *s.window;
        QCOMPARE(w.toolBarArea(w.Toolbar_Date()), Qt::TopToolBarArea);
        QTest::mouseDClick(w.Picture_Date(), Qt::LeftButton);
        QCOMPARE(w.toolBarArea(w.Toolbar_Date()), Qt::BottomToolBarArea);
        QVERIFY(!Menu_Checked(Menu_Option::Date_Bar_On_Top));
        QVERIFY(w.Toolbar_Date()->isVisible());
        QTest::mouseDClick(w.Date_Label(QStringLiteral("LabelCopticYear")), Qt::LeftButton);
        QCOMPARE(w.toolBarArea(w.Toolbar_Date()), Qt::TopToolBarArea);
        QVERIFY(Menu_Checked(Menu_Option::Date_Bar_On_Top));
    }

    void storedOptionsApplyAtStartup() {
        QByteArray settings;
        {
            Temp_Program_Folder defaults;
            QVERIFY(Load_Settings());
            settings = defaults.read(QStringLiteral("Lectarium.ini"));
        }
        settings.replace("MDILectarium.Toolbar.Checked = -1", "MDILectarium.Toolbar.Checked =  0");
        settings.replace("MDILectarium.Date_Bar_On_Top.Checked = -1",
                         "MDILectarium.Date_Bar_On_Top.Checked =  0");
        Started s(QDate(1999, 3, 28), settings);
        QVERIFY(!s.window->Toolbar1()->isVisible());
        QCOMPARE(s.window->toolBarArea(s.window->Toolbar_Date()), Qt::BottomToolBarArea);
        QVERIFY(!s.window->Menu_Item(QStringLiteral("Toolbar"))->isChecked());
    }

    void storedWindowState_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("normal") << 0 << false;
        QTest::newRow("minimised opens normal") << 1 << false;
        QTest::newRow("maximised") << 2 << true;
    }

    void storedWindowState() {
        QFETCH(int, stored);
        QFETCH(bool, maximised);
        QByteArray settings;
        {
            Temp_Program_Folder defaults;
            QVERIFY(Load_Settings());
            settings = defaults.read(QStringLiteral("Lectarium.ini"));
        }
        settings.replace("MDILectarium_WindowState =  0",
                         "MDILectarium_WindowState = " + QByteArray::number(stored));
        settings.replace("MDILectarium_Width =  6150", "MDILectarium_Width =  9000");
        Started s(QDate(1999, 3, 28), settings);
        QVERIFY(s.loaded);
        QCOMPARE(s.window->isMaximized(), maximised);
        QVERIFY(!s.window->isMinimized());
        QVERIFY(s.window->Startup_Done());
        // The normal-state size is kept for later.
        QCOMPARE(MDILectarium_Width, Integer(9000));
    }

    // A first run (no settings file) opens the frame large enough for the day's readings
    // window at its place, as far as the screen allows; the file keeps the defaults, and a
    // start with a settings file takes the frame from it.
    void firstRunFitsTheFrame() {
        QByteArray defaults;
        {
            Started first;
            const QRect frame = first.window->geometry();
            const QRect room = first.window->screen()->availableGeometry();
            QVERIFY(room.contains(frame));
            QVERIFY(frame.width() >= To_Pixels(FrmDisplay_Reading_Left + 9900) ||
                    frame.width() >= room.width() - 40);
            QVERIFY(frame.height() >= To_Pixels(FrmDisplay_Reading_Top + 7560) ||
                    frame.height() >= room.height() - 60);
            defaults = first.ini();
            QVERIFY(defaults.contains("MDILectarium_Width =  6150\r\n"));
        }
        Started again(QDate(1999, 3, 28), defaults);
        QCOMPARE(again.window->geometry(),
                 QRect(To_Pixels(3000), To_Pixels(2400), To_Pixels(6150), To_Pixels(4000)));
    }

    void minimumSizeSnapsBack() {
        Started s;
        s.window->resize(100, 100);
        QVERIFY(s.window->width() >= To_Pixels(6150));
        QVERIFY(s.window->height() >= 266);
    }

    void resizeRecordsNormalSize() {
        Started s;
        s.window->resize(700, 500);
        QCOMPARE(MDILectarium_Width, Integer(To_Twips(s.window->geometry().width())));
        QCOMPARE(MDILectarium_Height, Integer(To_Twips(s.window->geometry().height())));
    }

    void exitAskedAndDeclined() {
        Started s;
        const QByteArray before = s.ini();
        s.dialogs.Answer_Message(Msg_Answer::No);
        s.window->Exit_Click();
        QCOMPARE(s.dialogs.Messages().size(), 1);
        QCOMPARE(s.dialogs.Messages()[0].caption, QStringLiteral("Lectarium"));
        QCOMPARE(s.dialogs.Messages()[0].buttons, Msg_Buttons::Yes_No);
        QCOMPARE(s.dialogs.Messages()[0].icon, Msg_Icon::Stop);
        QCOMPARE(s.terminated, 0);
        QVERIFY(!s.window->Ended());
        QCOMPARE(s.ini(), before);
    }

    void exitSavesPlacement() {
        Started s;
        s.window->resize(720, 480);
        s.window->move(40, 60);
        s.window->Datee_Click();
        // An open child stores its place too, as under the frame's close box.
        auto* chooser = qobject_cast<QMdiSubWindow*>(Placement_Widget(FrmSelect_Day::Show_Window()));
        QVERIFY(chooser);
        chooser->move(90, 30);
        s.dialogs.Answer_Message(Msg_Answer::Yes);
        s.window->Exit_Click();
        QCOMPARE(s.terminated, 1);
        const QByteArray ini = s.ini();
        QVERIFY(ini.contains("FrmSelect_Day_Left =  " + QByteArray::number(To_Twips(90)) + "\r\n"));
        QVERIFY(ini.contains(
            "MDILectarium_Width =  " + QByteArray::number(To_Twips(s.window->geometry().width())) + "\r\n"));
        QVERIFY(ini.contains(
            "MDILectarium_Left =  " + QByteArray::number(To_Twips(s.window->geometry().left())) + "\r\n"));
        QVERIFY(ini.contains("MDILectarium.Datee.Checked =  0\r\n"));
        QVERIFY(ini.contains("MDILectarium.Save_On_Exit.Checked = -1\r\n"));
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    // A window that was not moved writes back the values it was placed from, though
    // 6010 twips is no whole number of pixels.
    void exitWithoutMovingKeepsTheFile() {
        QByteArray settings;
        {
            Temp_Program_Folder defaults;
            QVERIFY(Load_Settings());
            settings = defaults.read(QStringLiteral("Lectarium.ini"));
        }
        settings.replace("MDILectarium_Width =  6150", "MDILectarium_Width =  9000");
        settings.replace("MDILectarium_Height =  4000", "MDILectarium_Height =  6010");
        Started s(QDate(1999, 3, 28), settings);
        s.dialogs.Answer_Message(Msg_Answer::Yes);
        s.window->Exit_Click();
        QCOMPARE(s.terminated, 1);
        QCOMPARE(s.ini().split('\n'), settings.split('\n'));
    }

    // Without Save On Exit the file stays as it was, except for that option itself.
    void exitWithoutSaveOnExitDropsChanges() {
        Started s;
        QByteArray expected = s.ini();
        s.window->Save_On_Exit_Click();
        s.window->Massage_Click(); // no question at exit now
        s.window->Toolbar_Click();
        s.window->resize(800, 600);
        Font_Size = 20;
        s.window->Exit_Click();
        QCOMPARE(s.terminated, 1);
        QVERIFY(s.dialogs.Messages().isEmpty());
        expected.replace("MDILectarium.Save_On_Exit.Checked = -1", "MDILectarium.Save_On_Exit.Checked =  0");
        QCOMPARE(s.ini(), expected);
    }

    void exitReportsUnwritableSettings() {
        Started s;
        s.window->Massage_Click();
        QVERIFY(QFile::remove(s.folder.file(QStringLiteral("Lectarium.ini"))));
        QVERIFY(QDir(s.folder.path()).mkdir(QStringLiteral("Lectarium.ini")));
        s.dialogs.Answer_Message(Msg_Answer::Ok);
        s.window->Exit_Click();
        QCOMPARE(s.dialogs.Messages().size(), 1);
        QVERIFY(s.dialogs.Messages()[0].text.contains(QStringLiteral("Lectarium.ini")));
        QCOMPARE(s.dialogs.Messages()[0].icon, Msg_Icon::Exclamation);
        QCOMPARE(s.terminated, 1);
    }

    // A folder where the default settings cannot be written still starts, with the
    // defaults, and says so once.
    void startupWithUnwritableSettings() {
        Temp_Program_Folder folder;
        QVERIFY(Write_Empty_Lectionary(folder.file(QStringLiteral("Lectarium.mdb"))).isEmpty());
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Lectarium.ini")));
        Scripted_Dialogs dialogs;
        dialogs.Answer_Message(Msg_Answer::Ok);
        int introductions = 0;
        int splashes = 0;
        MDILectarium window;
        window.Set_Introduction([&] { ++introductions; });
        window.Set_Splash([&] { ++splashes; });
        QVERIFY(window.Form_Load());
        QCOMPARE(dialogs.Messages().size(), 1);
        QVERIFY(dialogs.Messages()[0].text.contains(QStringLiteral("Lectarium.ini")));
        QCOMPARE(introductions, 1);
        QCOMPARE(splashes, 1);
        QVERIFY(window.isVisible());
        QCOMPARE(Font_Size, Integer(12));
        QVERIFY(!window.Date_Label(QStringLiteral("LabelCopticYear"))->text().isEmpty());
        QVERIFY(dialogs.Unexpected().isEmpty());
    }

    void introductionRunsBeforeTheWindowShowsAndSplashAfter() {
        Temp_Program_Folder folder;
        QVERIFY(Write_Empty_Lectionary(folder.file(QStringLiteral("Lectarium.mdb"))).isEmpty());
        Scripted_Dialogs dialogs;
        MDILectarium window;
        bool visibleAtIntroduction = true;
        bool placedAtSplash = false;
        window.Set_Introduction([&] { visibleAtIntroduction = window.isVisible(); });
        window.Set_Splash([&] { placedAtSplash = window.isVisible() && window.Startup_Done(); });
        QVERIFY(window.Form_Load());
        QVERIFY(!visibleAtIntroduction);
        QVERIFY(placedAtSplash);
    }

    // Closing the frame runs the Exit command; the close itself never goes through. It
    // asks first: No leaves the children open.
    void closingTheFrameRunsExit() {
        Started s;
        s.window->Reading_Click();
        s.dialogs.Answer_Message(Msg_Answer::No);
        QVERIFY(!s.window->close());
        QCOMPARE(s.terminated, 0);
        QVERIFY(s.window->isVisible());
        QCOMPARE(s.window->Mdi_Area()->subWindowList().size(), 1);
        s.dialogs.Answer_Message(Msg_Answer::Yes);
        s.window->close();
        QCOMPARE(s.terminated, 1);
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }
};

QTEST_MAIN(Test_Main_Window)
#include "test_main_window.moc"
