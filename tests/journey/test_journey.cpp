// A reader's Sunday morning, through the real windows on the demonstration database:
// start-up with the introduction and the splash, the day's readings and everything
// they open, the Bible browser, a search, a document, and Exit. Any message box that
// the journey does not expect fails it.

#include "app/frm_init.h"
#include "app/frm_introduction.h"
#include "app/mdi_lectarium.h"
#include "base/basic_text.h"
#include "base/program_files.h"
#include "base/settings.h"
#include "bible/frm_bible_select.h"
#include "bible/frm_bible_view.h"
#include "bible/frm_display_bible.h"
#include "bible/frm_view_search.h"
#include "calendar/frm_select_day.h"
#include "calendar/selected_day.h"
#include "documents/frm_text.h"
#include "documents/text_file.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_pain.h"
#include "readings/frm_sant.h"
#include "shell/appearance.h"
#include "shell/placement.h"
#include "shell/reading_box.h"
#include "shell/text_source.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <utility>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

// Types text as key presses, Arabic letters included.
void type(QWidget* box, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(box, &press);
    }
}

QString shownPassage() {
    FrmDisplay_Bible* passage = FrmDisplay_Bible::Instance();
    return passage ? passage->Text1()->Text() : QString();
}

} // namespace

class Test_Journey final : public QObject {
    Q_OBJECT

private slots:
    void sundayMorning() {
        Install_Arabic_Font();
        Temp_Program_Folder folder;
        const QDir demo(QStringLiteral(LECTARIUM_RUN_FOLDER));
        QVERIFY2(demo.exists(QStringLiteral("Lectarium.mdb")), "build the demonstration database first");
        for (const QString& name : demo.entryList(QDir::Files)) {
            if (name != QLatin1String("Lectarium.ini"))
                QVERIFY(QFile::copy(demo.filePath(name), folder.file(name)));
        }
        Scripted_Dialogs dialogs;
        Set_Today_Source([] { return QDate(1999, 3, 24); }); // a Wednesday of Lent
        Install_Reading_Windows();

        // Start-up: the introduction rolls a little and its timer closes it; a key
        // closes the splash.
        MDILectarium window;
        int ended = 0;
        window.Set_Terminate([&] { ++ended; });
        int introductionTicks = 0;
        bool splashClosed = false;
        window.Set_Introduction([&] {
            FrmIntroduction introduction;
            QTimer::singleShot(0, &introduction, [&] {
                for (; introductionTicks < 60; ++introductionTicks)
                    introduction.Timer_Loop_Timer();
                introduction.TimerClose_Timer();
            });
            introduction.exec();
        });
        window.Set_Splash([&] {
            FrmInit splash(&window);
            QTimer::singleShot(0, &splash, [&] { QTest::keyClick(&splash, Qt::Key_Space); });
            splash.exec();
            splashClosed = true;
        });
        QVERIFY(window.Form_Load());
        QCOMPARE(introductionTicks, 60);
        QVERIFY(splashClosed);
        QVERIFY(window.isVisible());
        const QByteArray settingsAtStart = folder.read(QStringLiteral("Lectarium.ini"));
        QCOMPARE(settingsAtStart.count("\r\n"), 49);

        // The day chooser opens on today; Show gives the Lent weekday with its prophecies.
        window.Menu_Item(QStringLiteral("Reading"))->trigger();
        FrmSelect_Day* chooser = FrmSelect_Day::Instance();
        QVERIFY(chooser);
        QCOMPARE(Selected_Date, QDate(1999, 3, 24));
        chooser->Button(QStringLiteral("CommandShow"))->click();
        FrmDisplay_Reading* readings = FrmDisplay_Reading::Instance();
        QVERIFY(readings);
        QVERIFY(readings->List1()->count() > 0);
        readings->List1()->setCurrentRow(0);
        readings->List1_DblClick();
        QVERIFY(!shownPassage().isEmpty());

        // Eleven days on: Palm Sunday.
        for (int day = 0; day < 11; ++day)
            chooser->Button(QStringLiteral("ButtonDay_Up"))->click();
        QCOMPARE(Selected_Date, QDate(1999, 4, 4));
        QVERIFY(
            chooser->Label(QStringLiteral("LabelOccasion"))->text().contains(QStringLiteral("الشــــعانين")));
        chooser->Button(QStringLiteral("CommandShow"))->click();
        readings = FrmDisplay_Reading::Instance();
        QVERIFY(readings);
        QCOMPARE(readings->Label(QStringLiteral("LabelOccasion"))->text(),
                 chooser->Label(QStringLiteral("LabelOccasion"))->text());

        // Each of the nine readings opens its passage.
        for (int i = 1; i <= 9; ++i) {
            QVERIFY2(!readings->TextFiled(i)->text().isEmpty(),
                     qPrintable(QStringLiteral("reading %1").arg(i)));
            readings->TextFiled_DblClick(i);
            QVERIFY2(!shownPassage().isEmpty(), qPrintable(readings->TextFiled(i)->text()));
        }

        // The rite of the day, the funeral list and one of its hours, the saint.
        readings->CommandCeremony_Click();
        QVERIFY(!shownPassage().isEmpty());
        readings->Command_Pain_Click();
        FrmPain* pain = FrmPain::Instance();
        QVERIFY(pain);
        QVERIFY(pain->List1()->count() > 0);
        pain->List1()->setCurrentRow(pain->List1()->count() - 1);
        pain->List1_Click();
        QVERIFY(!pain->Text_View()->Text().isEmpty());
        // The day's commemorations; the shipped lectionary has no saint pictures, so the
        // saint window opens without one.
        QVERIFY(!readings->TextData()->Text().isEmpty());
        readings->Image_Sant_MouseUp(1, 0, 450, 550);
        FrmSant* saint = FrmSant::Instance();
        QVERIFY(saint);
        QVERIFY(!saint->Has_Picture());

        // The Bible browser on the first book of the New Testament.
        window.Toolbar1_ButtonClick(QStringLiteral("View Bible"));
        FrmBible_View* browser = FrmBible_View::Instance();
        QVERIFY(browser);
        browser->Option1(1)->click();
        QCOMPARE(browser->Current_Book(), Integer(47));
        QVERIFY(browser->Text1()->Text().startsWith(QStringLiteral("1 ")));
        QVERIFY(browser->Text1()->Text().contains(QStringLiteral("Jesus")));

        // A search over two groups of the New Testament, paged through and saved.
        window.Toolbar1_ButtonClick(QStringLiteral("Bible Search"));
        FrmBible_Select* search = FrmBible_Select::Instance();
        QVERIFY(search);
        search->Option0(1)->click();
        search->Option1(1)->click();
        for (int row : {0, 1}) {
            search->List1()->setCurrentRow(row);
            search->List1_DblClick();
        }
        QVERIFY(search->Chosen_Books().size() > 4);
        search->TextSearch()->setText(QStringLiteral("Jesus"));
        dialogs.Answer_Message(Msg_Answer::Ok); // the count of verses found
        dialogs.Answer_Message(Msg_Answer::Ok); // the count of pages
        search->CommandSearch()->click();
        QVERIFY(!search->Search_Running());
        QVERIFY(window.Toolbar1()->isEnabled());
        QVERIFY(window.Menu_Bar_Menu(QStringLiteral("File"))->isEnabled());
        FrmView_Search* results = FrmView_Search::Instance();
        QVERIFY(results);
        QCOMPARE(results->Current_Page(), 1);
        results->Command2_Click();
        QCOMPARE(results->Current_Page(), 2);
        results->Command1_Click();
        QCOMPARE(results->Current_Page(), 1);
        results->Command2_Click();
        const QString page = results->Text1()->Text();
        QVERIFY(page.contains(QStringLiteral("Jesus")));
        Take_Text_Source(results);
        dialogs.Answer_Save(folder.file(QStringLiteral("results.txt")));
        window.Save_Click();
        QCOMPARE(folder.read(QStringLiteral("results.txt")),
                 To_Cp1256(From_Box_Text(page) + QStringLiteral("\r\n")));

        // A document: written, saved, edited, and the question at Exit.
        window.Menu_Item(QStringLiteral("New"))->trigger();
        FrmText* document = FrmText::Instance();
        QVERIFY(document);
        Take_Text_Source(document);
        type(document->Text1(), QStringLiteral("Palm Sunday"));
        QTest::keyClick(document->Text1(), Qt::Key_Return);
        type(document->Text1(), QStringLiteral("أحد الشعانين"));
        dialogs.Answer_Save(folder.file(QStringLiteral("notes.txt")));
        window.Save_Click();
        QCOMPARE(folder.read(QStringLiteral("notes.txt")),
                 QByteArray("Palm Sunday\r\n\xC3\xCD\xCF \xC7\xE1\xD4\xDA\xC7\xE4\xED\xE4\r\n"));
        type(document->Text1(), QStringLiteral("!"));
        dialogs.Answer_Message(Msg_Answer::Yes); // Are you sure ?
        dialogs.Answer_Message(Msg_Answer::Yes); // Do you want to Save Change ?
        window.Exit_Click();
        QCOMPARE(ended, 1);
        QCOMPARE(folder.read(QStringLiteral("notes.txt")),
                 QByteArray("Palm Sunday\r\n\xC3\xCD\xCF \xC7\xE1\xD4\xDA\xC7\xE4\xED\xE4!\r\n"));

        // Nothing else was moved or changed: the settings come back as they were written,
        // but for the frame, which this first run opened large enough for its children.
        const QRect frame = window.geometry();
        QVERIFY(frame.width() > To_Pixels(6150) && frame.height() > To_Pixels(4000));
        QByteArray expected = settingsAtStart;
        const std::pair<const char*, int> defaults[] = {{"MDILectarium_Width =  6150", frame.width()},
                                                        {"MDILectarium_Height =  4000", frame.height()},
                                                        {"MDILectarium_Top =  2400", frame.top()},
                                                        {"MDILectarium_Left =  3000", frame.left()}};
        for (const auto& [line, pixels] : defaults) {
            QVERIFY(expected.contains(line));
            expected.replace(line, QByteArray(line).split('=').first() + "=  " +
                                       QByteArray::number(To_Twips(pixels)));
        }
        // The passage window was put beside the readings, and its place recorded.
        QList<QByteArray> atEnd = folder.read(QStringLiteral("Lectarium.ini")).split('\n');
        QList<QByteArray> wanted = expected.split('\n');
        QCOMPARE(atEnd.size(), wanted.size());
        for (qsizetype i = 0; i < atEnd.size(); ++i)
            if (atEnd[i].startsWith("FrmDisplay_Bible_") && !atEnd[i].contains("WindowState"))
                wanted[i] = atEnd[i];
        QCOMPARE(atEnd, wanted);
        QVERIFY2(dialogs.Unexpected().isEmpty(), qPrintable(dialogs.Unexpected().join(QLatin1Char('\n'))));
        QVERIFY(dialogs.All_Answered());
        Set_Today_Source(nullptr);
    }
};

QTEST_MAIN(Test_Journey)
#include "test_journey.moc"
