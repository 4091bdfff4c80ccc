#include "base/basic_text.h"
#include "base/program_files.h"
#include "calendar/selected_day.h"
#include "documents/frm_text.h"
#include "documents/text_file.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "shell/text_source.h"
#include "tests/support/started_main_window.h"
#include "tests/support/watched_pipe.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

const QString question = QStringLiteral("Do you want to Save Change ?");

QString untitledCaption() {
    return QStringLiteral("File Name ( NoName.txt )");
}

bool itemEnabled(const Started_Main_Window& s, const char* name, int button) {
    const bool item = s.window->Menu_Item(QLatin1String(name))->isEnabled();
    if (item != s.window->Toolbar_Button(button)->isEnabled())
        qWarning("menu item %s and toolbar button %d disagree", name, button);
    return item && s.window->Toolbar_Button(button)->isEnabled();
}

// Types text as key presses, Arabic letters included.
void type(QWidget* box, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(box, &release);
    }
}

FrmText* newDocumentWithText(Started_Main_Window& s, const QString& text) {
    s.window->Menu_Item(QStringLiteral("New"))->trigger();
    FrmText* form = FrmText::Instance();
    form->Text1()->setFocus();
    Take_Text_Source(form);
    type(form->Text1(), text);
    return form;
}

} // namespace

class Test_Frm_Text final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Install_Arabic_Font(); }

    void cleanup() {
        if (FrmText* form = FrmText::Instance())
            delete form;
        Text_Changed = false;
        Text_Untitled = false;
        Active_Text_Source = No_Text_Source;
    }

    void newEditAndSaveTwice() {
        Started_Main_Window s;
        FrmText* form = newDocumentWithText(s, QStringLiteral("hello"));
        QCOMPARE(form->windowTitle(), untitledCaption());
        QVERIFY(!itemEnabled(s, "New", 6));
        QVERIFY(!itemEnabled(s, "Open", 7));
        QVERIFY(itemEnabled(s, "Save", 8));
        QVERIFY(Text_Changed);
        QVERIFY(Text_Untitled);
        QCOMPARE(Active_Text_Source, Document_Text_Source);

        const QString path = s.folder.file(QStringLiteral("doc.txt"));
        s.dialogs.Answer_Save(path);
        s.window->Toolbar1_ButtonClick(QStringLiteral("Save"));
        QCOMPARE(s.dialogs.Save_Proposals(), QStringList{QStringLiteral("NoName.txt")});
        QCOMPARE(s.dialogs.File_Filters(), QStringList{QStringLiteral("Text File (*.txt)|*.txt")});
        QCOMPARE(s.folder.read(QStringLiteral("doc.txt")), QByteArray("hello\r\n"));
        QCOMPARE(form->windowTitle(), QStringLiteral("File Name ( ") + path + QStringLiteral(" )"));
        QVERIFY(!Text_Changed);
        QVERIFY(!Text_Untitled);

        QTest::keyClick(form->Text1(), Qt::Key_Return);
        type(form->Text1(), QStringLiteral("سلام"));
        s.window->Save_Click(); // no dialog this time
        QCOMPARE(s.dialogs.Save_Proposals().size(), 1);
        QCOMPARE(s.folder.read(QStringLiteral("doc.txt")), QByteArray("hello\r\n\xD3\xE1\xC7\xE3\r\n"));
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    // Each line takes its side from its own text: Arabic reaches the right edge, English
    // starts at the left one, in either interface.
    void linesTakeTheirOwnSide() {
        Started_Main_Window s;
        FrmText* form = newDocumentWithText(s, QStringLiteral("سلام"));
        QTest::keyClick(form->Text1(), Qt::Key_Return);
        type(form->Text1(), QStringLiteral("Amen"));
        QPlainTextEdit* box = form->Text1();
        const QTextBlock arabic = box->document()->begin();
        const QTextBlock english = arabic.next();
        QCOMPARE(english.text(), QStringLiteral("Amen"));
        auto edges = [box](const QTextBlock& block) {
            QTextCursor start(block);
            QTextCursor end(block);
            end.movePosition(QTextCursor::EndOfBlock);
            return std::minmax(box->cursorRect(start).x(), box->cursorRect(end).x());
        };
        QVERIFY(edges(arabic).second > box->viewport()->width() - 12);
        QVERIFY(edges(english).first < 12);
        QVERIFY(edges(english).second < box->viewport()->width() / 2);
    }

    void cancelledSaveWritesNothing_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("dialog closed") << QString();
        QTest::newRow("name left as offered") << QStringLiteral("NoName.txt");
    }

    void cancelledSaveWritesNothing() {
        QFETCH(QString, answer);
        Started_Main_Window s;
        FrmText* form = newDocumentWithText(s, QStringLiteral("text"));
        s.dialogs.Answer_Save(answer);
        s.window->Save_Click();
        QCOMPARE(form->windowTitle(), untitledCaption());
        QVERIFY(Text_Changed);
        QVERIFY(Text_Untitled);
        QCOMPARE(QDir(s.folder.path()).entryList(QStringList{QStringLiteral("*.txt")}, QDir::Files),
                 QStringList());
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    void closeChangedDocument_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        QTest::newRow("Cancel keeps it") << int(Msg_Answer::Cancel) << QString() << false << false;
        QTest::newRow("No discards it") << int(Msg_Answer::No) << QString() << true << false;
        QTest::newRow("Yes saves it") << int(Msg_Answer::Yes) << QStringLiteral("kept.txt") << true << true;
        QTest::newRow("Yes, then no name") << int(Msg_Answer::Yes) << QString() << true << false;
    }

    void closeChangedDocument() {
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        Started_Main_Window s;
        QPointer<FrmText> form = newDocumentWithText(s, QStringLiteral("draft"));
        s.dialogs.Answer_Message(static_cast<Msg_Answer>(answer));
        if (answer == int(Msg_Answer::Yes))
            s.dialogs.Answer_Save(saveAs.isEmpty() ? QString() : s.folder.file(saveAs));
        Placement_Widget(form)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(s.dialogs.Messages().size(), 1);
        QCOMPARE(s.dialogs.Messages()[0].text, question);
        QCOMPARE(s.dialogs.Messages()[0].caption, QStringLiteral("Text Box"));
        QCOMPARE(s.dialogs.Messages()[0].buttons, Msg_Buttons::Yes_No_Cancel);
        QCOMPARE(s.dialogs.Messages()[0].icon, Msg_Icon::Question);
        QCOMPARE(form.isNull(), closes);
        if (!closes)
            QCOMPARE(form->Text1()->toPlainText(), QStringLiteral("draft"));
        QCOMPARE(itemEnabled(s, "New", 6), closes);
        QCOMPARE(itemEnabled(s, "Open", 7), closes);
        if (written)
            QCOMPARE(s.folder.read(saveAs), QByteArray("draft\r\n"));
        QCOMPARE(QDir(s.folder.path()).entryList(QStringList{QStringLiteral("*.txt")}, QDir::Files).size(),
                 written ? 1 : 0);
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    void unchangedCloseAsksNothing() {
        Started_Main_Window s;
        s.window->New_Click();
        QPointer<FrmText> form = FrmText::Instance();
        QVERIFY(Placement_Widget(form)->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
        QVERIFY(s.dialogs.Messages().isEmpty());
    }

    void openKeepsTextAsItStands() {
        Started_Main_Window s;
        s.folder.write(QStringLiteral("in.txt"), "  \"quoted\", comma,\r\n\xC7\xE1\xE1\xE5\r\n");
        s.dialogs.Answer_Open(s.folder.file(QStringLiteral("in.txt")));
        s.window->Open_Click();
        FrmText* form = FrmText::Instance();
        QVERIFY(form);
        QCOMPARE(form->Text1()->toPlainText(), QStringLiteral("  \"quoted\", comma,\nالله"));
        QCOMPARE(form->windowTitle(), QStringLiteral("File Name ( ") +
                                          s.folder.file(QStringLiteral("in.txt")) + QStringLiteral(" )"));
        QVERIFY(!Text_Changed);
        QVERIFY(!Text_Untitled);
        QVERIFY(!itemEnabled(s, "New", 6)); // the loaded text counts as a change of the box
        QCOMPARE(s.dialogs.File_Filters(), QStringList{QStringLiteral("Text File (*.txt)|*.txt")});
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    // A long file opens cut short, says so, and is saved only under a new name.
    void longFileOpensUntitled() {
        Started_Main_Window s;
        QByteArray bytes;
        for (int i = 0; i < 400; ++i)
            bytes += QByteArray(98, 'a' + i % 26) + "\r\n";
        s.folder.write(QStringLiteral("long.txt"), bytes);
        s.dialogs.Answer_Open(s.folder.file(QStringLiteral("long.txt")));
        s.dialogs.Answer_Message(Msg_Answer::Ok);
        s.window->Open_Click();
        FrmText* form = FrmText::Instance();
        // The lines read, without the last line end, which a save adds.
        QCOMPARE(From_Box_Text(form->Text1()->toPlainText()), QString::fromLatin1(bytes.left(29098)));
        QCOMPARE(s.dialogs.Messages().size(), 1);
        QVERIFY(s.dialogs.Messages()[0].text.contains(QStringLiteral("long.txt")));
        QCOMPARE(form->windowTitle(), untitledCaption());
        QVERIFY(Text_Untitled);

        Take_Text_Source(form);
        s.dialogs.Answer_Save(QString());
        s.window->Save_Click();
        QCOMPARE(s.dialogs.Save_Proposals().size(), 1);
        QCOMPARE(s.folder.read(QStringLiteral("long.txt")), bytes);
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    // Only a regular file opens: a named pipe would freeze the program until something
    // wrote to it, and a device never ends.
    void unreadableFileIsReported_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"missing", "named pipe", "link to /dev/zero", "folder"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void unreadableFileIsReported() {
        QFETCH(QString, kind);
        Started_Main_Window s;
        const QString path = s.folder.file(QStringLiteral("gone.txt"));
        std::unique_ptr<Watched_Pipe> pipe;
        if (kind == QLatin1String("named pipe"))
            pipe = std::make_unique<Watched_Pipe>(path);
        else if (kind == QLatin1String("link to /dev/zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        s.dialogs.Answer_Open(path);
        s.dialogs.Answer_Message(Msg_Answer::Ok);
        s.window->Open_Click();
        QVERIFY(!FrmText::Instance());
        QCOMPARE(s.dialogs.Messages().size(), 1);
        QVERIFY(s.dialogs.Messages()[0].text.contains(QStringLiteral("gone.txt")));
        QVERIFY(itemEnabled(s, "Open", 7));
        if (pipe)
            QCOMPARE(pipe->Readers(), 0);
    }

    // A 1256 file that gets a character the code page lacks: answering No to the
    // question leaves the caption, the flags, the text and the file as they were, and
    // from the close question it keeps the window open.
    void unencodableSaveGoesBackToTheText() {
        Started_Main_Window s;
        s.folder.write(QStringLiteral("doc.txt"), "before\r\n");
        const QString path = s.folder.file(QStringLiteral("doc.txt"));
        s.dialogs.Answer_Open(path);
        s.window->Open_Click();
        FrmText* form = FrmText::Instance();
        Take_Text_Source(form);
        type(form->Text1(), QStringLiteral("✝"));
        const QString caption = form->windowTitle();
        s.dialogs.Answer_Message(Msg_Answer::No);
        s.window->Save_Click();
        QCOMPARE(s.dialogs.Messages().size(), 1);
        QVERIFY(s.dialogs.Messages()[0].text.contains(QStringLiteral("✝")));
        QCOMPARE(s.dialogs.Messages()[0].caption, QStringLiteral("Save"));
        QCOMPARE(form->windowTitle(), caption);
        QVERIFY(Text_Changed);
        QVERIFY(form->Text1()->toPlainText().contains(QStringLiteral("✝")));
        QCOMPARE(s.folder.read(QStringLiteral("doc.txt")), QByteArray("before\r\n"));

        s.dialogs.Answer_Message(Msg_Answer::Yes); // save the changes?
        s.dialogs.Answer_Message(Msg_Answer::No);  // UTF-8? no
        QVERIFY(!Placement_Widget(form)->close());
        QVERIFY(FrmText::Instance());
        QCOMPARE(s.folder.read(QStringLiteral("doc.txt")), QByteArray("before\r\n"));
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    void saveToMissingFolderIsReported() {
        Started_Main_Window s;
        FrmText* form = newDocumentWithText(s, QStringLiteral("x"));
        s.dialogs.Answer_Save(s.folder.file(QStringLiteral("no-folder/x.txt")));
        s.dialogs.Answer_Message(Msg_Answer::Ok);
        QCOMPARE(Save_Text(), Save_Result::Failed);
        QCOMPARE(form->windowTitle(), untitledCaption());
        QVERIFY(Text_Untitled);
        QVERIFY(Text_Changed);
        QVERIFY(s.dialogs.Messages()[0].text.contains(QStringLiteral("x.txt")));

        // Closing with Yes after a failed save keeps the window and the text.
        s.dialogs.Answer_Message(Msg_Answer::Yes);
        s.dialogs.Answer_Save(s.folder.file(QStringLiteral("no-folder/x.txt")));
        s.dialogs.Answer_Message(Msg_Answer::Ok);
        QVERIFY(!Placement_Widget(form)->close());
        QVERIFY(FrmText::Instance());
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    // Save writes the text of whichever text window had the focus last, and asks
    // for a name for any window but the document.
    void saveFollowsTheFocus() {
        Started_Main_Window s;
        FrmText* form = newDocumentWithText(s, QStringLiteral("document"));
        s.dialogs.Answer_Save(s.folder.file(QStringLiteral("doc.txt")));
        s.window->Save_Click();

        auto browserForm = std::make_unique<QWidget>();
        auto* browser = new QPlainTextEdit(browserForm.get());
        browser->setPlainText(QStringLiteral("1 In the beginning\n2 And the earth"));
        Track_Text_Source(browserForm.get(), browser, Bible_View_Text_Source);
        Active_Text_Source = Bible_View_Text_Source;
        s.dialogs.Answer_Save(s.folder.file(QStringLiteral("chapter.txt")));
        s.window->Save_Click();
        QCOMPARE(s.folder.read(QStringLiteral("chapter.txt")),
                 QByteArray("1 In the beginning\r\n2 And the earth\r\n"));
        QCOMPARE(form->windowTitle(), QStringLiteral("File Name ( ") +
                                          s.folder.file(QStringLiteral("doc.txt")) + QStringLiteral(" )"));
        QCOMPARE(QDir::currentPath(), QDir(Program_Folder).absolutePath());

        // Closing the changed document with Yes saves the document, not the browser.
        QTest::keyClicks(form->Text1(), QStringLiteral("!"));
        Active_Text_Source = Bible_View_Text_Source;
        s.dialogs.Answer_Message(Msg_Answer::Yes);
        QVERIFY(Placement_Widget(form)->close());
        QCOMPARE(s.folder.read(QStringLiteral("doc.txt")), QByteArray("document!\r\n"));
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    // Each file is opened, a line is typed at its end, and it is saved: the bytes keep
    // the file's encoding. Code page 1256 that cannot hold the text asks first
    // (answer: "" none expected, "yes" UTF-8, "no" back to the text, nothing written).
    // An empty original is a new document.
    void encodings_data() {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray bom("\xEF\xBB\xBF");
        const auto utf8 = [](const char16_t* t) { return QString::fromUtf16(t).toUtf8(); };
        const auto cp = [](const char16_t* t) { return To_Cp1256(QString::fromUtf16(t)); };
        // clang-format off
        QTest::newRow("UTF-8") << utf8(u"سلام\r\n") << "x" << "" << utf8(u"سلامx\r\n");
        QTest::newRow("UTF-8 with mark") << bom + utf8(u"سلام\r\n") << "x" << "" << bom + utf8(u"سلامx\r\n");
        QTest::newRow("1256") << cp(u"سلام\r\n") << "x" << "" << cp(u"سلامx\r\n");
        QTest::newRow("Arabic-Indic digits, UTF-8") << utf8(u"لوقا ١٦\r\n") << "١" << "" << utf8(u"لوقا ١٦١\r\n");
        QTest::newRow("mixed Latin, UTF-8") << utf8(u"Luke لوقا 16\r\n") << "é" << "" << utf8(u"Luke لوقا 16é\r\n");
        QTest::newRow("mixed Latin, 1256") << cp(u"Luke لوقا 16\r\n") << "é" << "" << cp(u"Luke لوقا 16é\r\n");
        QTest::newRow("valid in both: read and kept as UTF-8") << QByteArray("caf\xC3\xA9\r\n") << "x" << "" << QByteArray("caf\xC3\xA9x\r\n");
        QTest::newRow("ASCII: 1256") << QByteArray("abc\r\n") << "س" << "" << QByteArray("abc\xD3\r\n");
        QTest::newRow("1256 gets digits: yes") << cp(u"لوقا\r\n") << "١٦" << "yes" << utf8(u"لوقا١٦\r\n");
        QTest::newRow("1256 gets digits: no") << cp(u"لوقا\r\n") << "١٦" << "no" << cp(u"لوقا\r\n");
        QTest::newRow("new document, 1256") << QByteArray() << "لوقا 16" << "" << cp(u"لوقا 16\r\n");
        QTest::newRow("new document with digits: yes") << QByteArray() << "لوقا ١٦" << "yes" << utf8(u"لوقا ١٦\r\n");
        QTest::newRow("new document with digits: no") << QByteArray() << "لوقا ١٦" << "no" << QByteArray();
        // clang-format on
    }

    void encodings() {
        QFETCH(QByteArray, original);
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(QByteArray, saved);
        Started_Main_Window s;
        const QString path = s.folder.file(QStringLiteral("doc.txt"));
        FrmText* form = nullptr;
        if (original.isEmpty()) {
            form = newDocumentWithText(s, typed);
            s.dialogs.Answer_Save(path);
        } else {
            s.folder.write(QStringLiteral("doc.txt"), original);
            s.dialogs.Answer_Open(path);
            s.window->Open_Click();
            form = FrmText::Instance();
            form->Text1()->moveCursor(QTextCursor::End);
            Take_Text_Source(form);
            type(form->Text1(), typed);
        }
        if (!answer.isEmpty())
            s.dialogs.Answer_Message(answer == QLatin1String("yes") ? Msg_Answer::Yes : Msg_Answer::No);
        s.window->Save_Click();
        QCOMPARE(s.folder.read(QStringLiteral("doc.txt")), saved);
        QCOMPARE(s.dialogs.Messages().size(), answer.isEmpty() ? 0 : 1);
        if (!answer.isEmpty()) {
            QVERIFY(s.dialogs.Messages().front().text.contains(QStringLiteral("١")));
            QCOMPARE(s.dialogs.Messages().front().buttons, Msg_Buttons::Yes_No);
        }
        // Unsaved until a save succeeded; a chosen UTF-8 stays without asking again.
        QCOMPARE(Text_Changed, answer == QLatin1String("no"));
        if (answer == QLatin1String("yes")) {
            type(form->Text1(), QStringLiteral("١"));
            s.window->Save_Click();
            QCOMPARE(s.dialogs.Messages().size(), 1);
            QVERIFY(
                QString::fromUtf8(s.folder.read(QStringLiteral("doc.txt"))).contains(QStringLiteral("١٦١")));
        }
        QVERIFY(s.dialogs.All_Answered());
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    // Opened and saved unchanged, again and again, a document is its file's bytes.
    void openThenSaveGivesTheSameBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF at the end") << QByteArray("12345678\r\n");
        QTest::newRow("no line end at the end") << QByteArray("abc\r\ndef");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no-break space, 1256") << QByteArray("\xC7\xA0\xE1\r\n");
        QTest::newRow("two byte-order marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xD8\xB3\r\n");
    }
    void openThenSaveGivesTheSameBytes() {
        QFETCH(QByteArray, bytes);
        Started_Main_Window s;
        s.folder.write(QStringLiteral("doc.txt"), bytes);
        for (int cycle = 0; cycle < 2; ++cycle) {
            s.dialogs.Answer_Open(s.folder.file(QStringLiteral("doc.txt")));
            s.window->Open_Click();
            Take_Text_Source(FrmText::Instance());
            s.window->Save_Click();
            QCOMPARE(s.folder.read(QStringLiteral("doc.txt")), bytes);
        }
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    // The file dialogs start in the documents folder, then in the folder last used.
    void dialogFolders() {
        Started_Main_Window s;
        Set_Document_Folder(QString());
        QTemporaryDir elsewhere;
        const QString opened = QDir(elsewhere.path()).filePath(QStringLiteral("a.txt"));
        QFile file(opened);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("a\r\n") == 3);
        file.close();
        s.dialogs.Answer_Open(opened);
        s.window->Open_Click();
        s.window->Menu_Item(QStringLiteral("Save"))->setEnabled(true);
        QWidget browserForm; // a window whose Save always asks
        Track_Text_Source(&browserForm, new QPlainTextEdit(&browserForm), Bible_View_Text_Source);
        Active_Text_Source = Bible_View_Text_Source;
        s.dialogs.Answer_Save(QString());
        s.window->Save_Click();
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString first = QFileInfo(documents).isDir() ? documents : QDir::homePath();
        QCOMPARE(s.dialogs.Dialog_Folders(), (QStringList{first, QFileInfo(opened).absolutePath()}));
        QCOMPARE(QDir::currentPath(), QDir(Program_Folder).absolutePath());
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    void workingFolderReturnsAfterSave() {
        Started_Main_Window s;
        newDocumentWithText(s, QStringLiteral("x"));
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        s.dialogs.Answer_Save(QDir(elsewhere.path()).filePath(QStringLiteral("x.txt")));
        s.window->Save_Click();
        QCOMPARE(QDir::currentPath(), QDir(Program_Folder).absolutePath());
        QVERIFY(QFile::exists(QDir(elsewhere.path()).filePath(QStringLiteral("x.txt"))));
    }

    // Exit asks about an unsaved document; Cancel there cancels the Exit.
    void exitAsksAboutUnsavedDocument() {
        Started_Main_Window s;
        newDocumentWithText(s, QStringLiteral("unsaved"));
        s.dialogs.Answer_Message(Msg_Answer::Yes);    // Are you sure ?
        s.dialogs.Answer_Message(Msg_Answer::Cancel); // Do you want to Save Change ?
        s.window->Exit_Click();
        QCOMPARE(s.terminated, 0);
        QVERIFY(FrmText::Instance());
        QCOMPARE(s.dialogs.Messages()[1].text, question);

        s.dialogs.Answer_Message(Msg_Answer::Yes);
        s.dialogs.Answer_Message(Msg_Answer::Yes);
        s.dialogs.Answer_Save(s.folder.file(QStringLiteral("last.txt")));
        s.window->Exit_Click();
        QCOMPARE(s.terminated, 1);
        QCOMPARE(s.folder.read(QStringLiteral("last.txt")), QByteArray("unsaved\r\n"));
        QVERIFY(s.dialogs.Unexpected().isEmpty());
    }

    void focusAppliesTheTextAppearance() {
        Started_Main_Window s;
        FrmText* form = newDocumentWithText(s, QStringLiteral("x"));
        Font_Size = 20;
        Font_Bold = -1;
        Fore_Color = 255; // red
        Take_Text_Source(form);
        QCOMPARE(form->Text1()->font().pointSize(), 20);
        QVERIFY(form->Text1()->font().bold());
        QCOMPARE(form->Text1()->palette().color(QPalette::Text), QColor(255, 0, 0));
        Leave_Text_Source(form);
        QVERIFY(!itemEnabled(s, "Save", 8));
        QCOMPARE(Active_Text_Source, Document_Text_Source);
    }
};

QTEST_MAIN(Test_Frm_Text)
#include "test_frm_text.moc"
