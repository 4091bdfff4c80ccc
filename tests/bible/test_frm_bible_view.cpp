#include "base/basic_text.h"
#include "bible/chapter.h"
#include "bible/frm_bible_view.h"
#include "documents/text_file.h"
#include "lectionary/bible_books.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "shell/reading_box.h"
#include "shell/text_source.h"
#include "tests/bible/bible_fixture.h"
#include "tests/support/started_main_window.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

QByteArray fixtureDatabase() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fixture.mdb"));
    const QString error =
        Write_Bible_Fixture(path, {{1, 1}, {1, 30}, {8, 1}, {21, 151}, {47, 1}, {47, 2}, {36, 1}, {64, 1}});
    if (!error.isEmpty())
        qFatal("fixture: %s", qPrintable(error));
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QString chapterText(int book, int chapter) {
    QString text;
    for (int verse = 1; verse <= 3; ++verse)
        text += QString::number(verse) + QLatin1Char(' ') + Fixture_Verse(book, chapter, verse) +
                QLatin1Char('\n');
    return text;
}

QString caption(int book, int chapter) {
    return Bible_Books[book].Book_Name + QStringLiteral("  -  الأصحاح رقم   ") + QString::number(chapter);
}

void choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

struct Browser {
    Browser() : s(QDate(1999, 3, 28), QByteArray(), fixtureDatabase()) {
        form = FrmBible_View::Show_Window();
    }
    ~Browser() {
        if (form)
            Placement_Widget(form)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Started_Main_Window s;
    QPointer<FrmBible_View> form;
};

} // namespace

class Test_Frm_Bible_View final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Install_Arabic_Font(); }

    void opensOnTheFirstChapter() {
        Browser b;
        QVERIFY(b.s.loaded);
        QCOMPARE(b.form->windowTitle(), caption(1, 1));
        QCOMPARE(b.form->Text1()->Text(), chapterText(1, 1));
        QCOMPARE(From_Box_Text(b.form->Text1()->Text()),
                 Get_Chapter(1, 1)); // every line, the last too, ends with CR LF
        QVERIFY(b.form->Option1(0)->isChecked());
        QCOMPARE(b.form->Combo1()->count(), 46);
        QCOMPARE(b.form->Combo1()->currentText(), Bible_Books[1].Book_Name);
        QCOMPARE(b.form->Combo2()->count(), int(Chapter_Counts[1]));
        QCOMPARE(b.form->Combo2()->itemText(0), QStringLiteral("أصحاح رقم  1"));
        QCOMPARE(b.form->Combo2()->currentText(), QStringLiteral("الأصحاح رقم   1"));
        QCOMPARE(Active_Text_Source, Bible_View_Text_Source);
        QVERIFY(b.s.window->Menu_Item(QStringLiteral("Save"))->isEnabled());
        QVERIFY(b.s.window->Toolbar_Button(8)->isEnabled());
        // One browser: opening again brings the same window.
        QCOMPARE(FrmBible_View::Show_Window(), b.form.data());
        QCOMPARE(b.s.window->Mdi_Area()->subWindowList().size(), 1);
    }

    void newTestament() {
        Browser b;
        b.form->Option1(1)->click();
        QCOMPARE(b.form->Current_Book(), Integer(47));
        QCOMPARE(b.form->Combo1()->count(), 27);
        QCOMPARE(b.form->Combo1()->currentText(), Bible_Books[47].Book_Name);
        QCOMPARE(b.form->windowTitle(), caption(47, 1));
        QCOMPARE(b.form->Text1()->Text(), chapterText(47, 1));
        choose(b.form->Combo2(), 1);
        QCOMPARE(b.form->Text1()->Text(), chapterText(47, 2));
        b.form->Option1(0)->click();
        QCOMPARE(b.form->Current_Book(), Integer(1));
        QCOMPARE(b.form->Combo2()->currentText(), QStringLiteral("الأصحاح رقم   1"));
    }

    // A new book always starts at its first chapter, whatever chapter was shown.
    void newBookStartsAtChapterOne() {
        Browser b;
        choose(b.form->Combo2(), 29);
        QCOMPARE(b.form->windowTitle(), caption(1, 30));
        QCOMPARE(b.form->Text1()->Text(), chapterText(1, 30));
        choose(b.form->Combo1(), 7);
        QCOMPARE(b.form->Current_Book(), Integer(8));
        QCOMPARE(b.form->Current_Chapter(), Integer(1));
        QCOMPARE(b.form->Combo2()->count(), 4);
        QCOMPARE(b.form->Combo2()->currentText(), QStringLiteral("أصحاح رقم 1"));
        QCOMPARE(b.form->Text1()->Text(), chapterText(8, 1));
    }

    void chapterLists_data() {
        QTest::addColumn<int>("book");
        QTest::addColumn<int>("chapters");
        for (int book : {36, 64, 70, 71, 72})
            QTest::newRow(qPrintable(QStringLiteral("book %1").arg(book))) << book << 1;
        QTest::newRow("psalms") << 21 << 151;
    }

    void chapterLists() {
        QFETCH(int, book);
        QFETCH(int, chapters);
        Browser b;
        if (book > 46)
            b.form->Option1(1)->click();
        choose(b.form->Combo1(), book > 46 ? book - 47 : book - 1);
        QCOMPARE(b.form->Current_Book(), Integer(book));
        QCOMPARE(b.form->Combo2()->count(), chapters);
        QCOMPARE(b.form->Combo2()->itemText(chapters - 1),
                 QStringLiteral("أصحاح رقم  ") + QString::number(chapters));
        choose(b.form->Combo2(), chapters - 1);
        QCOMPARE(b.form->windowTitle(), caption(book, chapters));
    }

    void missingChapterEmptiesTheText() {
        Browser b;
        choose(b.form->Combo2(), 2);
        QCOMPARE(b.form->windowTitle(), caption(1, 3));
        QVERIFY(b.form->Text1()->Text().isEmpty());
    }

    void minimumSize() {
        Browser b;
        QWidget* window = Placement_Widget(b.form);
        window->resize(50, 50);
        QVERIFY(window->width() >= To_Pixels(6500));
        QVERIFY(window->height() >= To_Pixels(4000));
        QVERIFY(b.form->Text1()->height() > 0);
    }

    void closingRecordsPlacement() {
        Browser b;
        QWidget* window = Placement_Widget(b.form);
        window->setGeometry(30, 45, 800, 330);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!FrmBible_View::Instance());
        QCOMPARE(FrmBible_View_WindowState, Integer(0));
        QCOMPARE(FrmBible_View_Left, Integer(To_Twips(30)));
        QCOMPARE(FrmBible_View_Top, Integer(To_Twips(45)));
        QCOMPARE(FrmBible_View_Width, Integer(To_Twips(800)));
        QCOMPARE(FrmBible_View_Height, Integer(To_Twips(330)));
        QVERIFY(!b.s.window->Menu_Item(QStringLiteral("Save"))->isEnabled());

        // Reopened where it was; closed while maximised, only the state is recorded.
        b.form = FrmBible_View::Show_Window();
        window = Placement_Widget(b.form);
        QCOMPARE(window->geometry(), QRect(30, 45, 800, 330));
        window->showMaximized();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(FrmBible_View_WindowState, Integer(2));
        QCOMPARE(FrmBible_View_Width, Integer(To_Twips(800)));
        QCOMPARE(FrmBible_View_Left, Integer(To_Twips(30)));
    }

    void saveWritesTheChapterAndAsksForAName() {
        Browser b;
        Take_Text_Source(b.form);
        b.s.dialogs.Answer_Save(b.s.folder.file(QStringLiteral("chapter.txt")));
        b.s.window->Save_Click();
        QCOMPARE(b.s.dialogs.Save_Proposals(), QStringList{QStringLiteral("NoName.txt")});
        QCOMPARE(b.s.folder.read(QStringLiteral("chapter.txt")),
                 To_Cp1256(From_Box_Text(chapterText(1, 1)) + QStringLiteral("\r\n")));
        QVERIFY(b.s.dialogs.Unexpected().isEmpty());
    }

    // The first showing, at the stored default size below the smallest one: the text
    // fills the window under the selection controls, which are whole and in view.
    void laidOutOnFirstShow() {
        Browser b;
        QVERIFY(QTest::qWaitForWindowExposed(Placement_Widget(b.form)));
        QWidget* panel = b.form->Picture_Bible();
        const QRect text = b.form->Text1()->geometry();
        QCOMPARE(text.top(), panel->geometry().bottom() + 1);
        QCOMPARE(text.width(), b.form->width());
        QCOMPARE(text.bottom(), b.form->rect().bottom());
        QVERIFY(b.form->rect().contains(panel->geometry()) || panel->x() == 0);
        QVERIFY(b.form->width() >= To_Pixels(6500) - 20);
        QVERIFY(b.form->Text1()->isReadOnly());
        QVERIFY(b.form->Combo1()->font().pointSizeF() >= 12);
    }

    // Typing a whole book name and Enter chooses it.
    void typingPicksABook() {
        Browser b;
        QComboBox* books = b.form->Combo1();
        books->setFocus();
        books->lineEdit()->setText(Bible_Books[8].Book_Name);
        QTest::keyClick(books, Qt::Key_Return);
        QCOMPARE(b.form->Current_Book(), Integer(8));
        QCOMPARE(b.form->windowTitle(), caption(8, 1));
    }

    // A chapter number typed and Enter go to that chapter; a number the book lacks is
    // told, and the chapter shown stays.
    void typingAChapter_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("chapter"); // 0: refused
        QTest::newRow("number") << "30" << 30;
        QTest::newRow("Arabic-Indic digits") << "٣٠" << 30;
        QTest::newRow("within words") << "أصحاح 30" << 30;
        QTest::newRow("past the last chapter") << "51" << 0;
        QTest::newRow("no number") << "أصحاح" << 0;
    }

    void typingAChapter() {
        QFETCH(QString, typed);
        QFETCH(int, chapter);
        Browser b;
        QComboBox* chapters = b.form->Combo2();
        chapters->setFocus();
        chapters->lineEdit()->setText(typed);
        if (!chapter)
            b.s.dialogs.Answer_Message(Msg_Answer::Ok);
        QTest::keyClick(chapters, Qt::Key_Return);
        QCOMPARE(b.form->Current_Chapter(), Integer(chapter ? chapter : 1));
        QCOMPARE(b.form->Text1()->Text(), chapterText(1, chapter ? chapter : 1));
        QCOMPARE(b.s.dialogs.Messages().size(), chapter ? 0 : 1);
        QVERIFY(b.s.dialogs.Unexpected().isEmpty());
    }

    // Opening a menu takes the focus from the text for a moment; Save stays enabled.
    void menuKeepsSaveEnabled() {
        Browser b;
        b.form->Text1()->setFocus();
        Take_Text_Source(b.form);
        QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(b.form->Text1(), &toMenu);
        QVERIFY(b.s.window->Menu_Item(QStringLiteral("Save"))->isEnabled());
        QFocusEvent toOther(QEvent::FocusOut, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(b.form->Text1(), &toOther);
        QVERIFY(!b.s.window->Menu_Item(QStringLiteral("Save"))->isEnabled());
        // No menu of bars on the frame: the View menu is the only switch.
        QVERIFY(!b.s.window->createPopupMenu());
    }

    void focusLeavingDisablesSave() {
        Browser b;
        Take_Text_Source(b.form);
        QVERIFY(b.s.window->Toolbar_Button(8)->isEnabled());
        Leave_Text_Source(b.form);
        QVERIFY(!b.s.window->Menu_Item(QStringLiteral("Save"))->isEnabled());
        QVERIFY(!b.s.window->Toolbar_Button(8)->isEnabled());
    }
};

QTEST_MAIN(Test_Frm_Bible_View)
#include "test_frm_bible_view.moc"
