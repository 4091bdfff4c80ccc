#include "bible/frm_bible_select.h"
#include "bible/frm_view_search.h"
#include "bible/search.h"
#include "documents/text_file.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/scrambled_text.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "shell/reading_box.h"
#include "tests/bible/search_fixture.h"
#include "tests/support/started_main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolBar>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

const QString scopeCaption = QStringLiteral("مجال البحث");
const QString searchCaption = QStringLiteral("البحث");
const QString noTerm = QStringLiteral("لا يوجد المراد البحث عنة");
const QString noScope = QStringLiteral("لا يوجد مجالأ للبحث فيه");
const QString noVerses = QStringLiteral("نتيجة البحث لا توجد آيات");

QString hitsMessage(int hits) {
    return QStringLiteral("نتيجة البحث  ") + QString::number(hits) + QStringLiteral(" آية ");
}

QString pagesMessage(int pages) {
    return QStringLiteral("نتيجة البحث فى عدد  ") + QString::number(pages) + QStringLiteral(" جزئ ");
}

// The line a hit gives for a verse of this text.
QString line(int book, int chapter, int verse, const QString& text) {
    return Reference_Text(Book_Old(Integer(book)), Book_Bible(Integer(book)), Integer(chapter),
                          Integer(verse), text);
}

// A verse text whose hit line is exactly `length` characters long.
Search_Row sizedRow(int book, int chapter, int verse, const QString& word, int length) {
    const int suffix = static_cast<int>(line(book, chapter, verse, QString()).size());
    return {book, chapter, verse, Padded_Text(word, length - suffix)};
}

// "نور" is in 12 verses: 7 of book 1, 3 of book 5, 2 of book 47. "ألف" is in 10 verses
// whose lines fill a page to exactly 29000 characters, "باء" in 11 such verses. "مئة"
// is in 120 verses of 14600-character lines: two to a page.
QList<Search_Row> fixtureRows() {
    QList<Search_Row> rows;
    for (int v = 1; v <= 7; ++v)
        rows.append({1, 1, v, QStringLiteral("نور ") + QString::number(v)});
    rows.append({1, 2, 1, QStringLiteral("ظلمة")});
    for (int v = 1; v <= 3; ++v)
        rows.append({5, 1, v, QStringLiteral("نور في التثنية ") + QString::number(v)});
    for (int v = 1; v <= 10; ++v)
        rows.append(sizedRow(2, 1, v, QStringLiteral("ألف"), 2900));
    for (int v = 1; v <= 11; ++v)
        rows.append(sizedRow(2, 2, v, QStringLiteral("باء"), 2900));
    for (int v = 1; v <= 120; ++v)
        rows.append(sizedRow(3, 1, v, QStringLiteral("مئة"), 14600));
    for (int v = 1; v <= 2; ++v)
        rows.append({47, 1, v, QStringLiteral("النور في متى ") + QString::number(v)});
    rows.append({73, 22, 21, QStringLiteral("آمين")});
    rows.append({20, 1, 1, QStringLiteral("فِي الْبَدْءِ خَلَقَ اللهُ")});
    return rows;
}

const QByteArray& fixtureDatabase() {
    static const QByteArray bytes = Search_Fixture_Bytes(fixtureRows());
    return bytes;
}

// The expected text of all hits of a word, in stored order.
QString hitLines(const QString& word) {
    QString text;
    for (const Search_Row& row : fixtureRows())
        if (row.text.contains(word))
            text += line(row.book, row.chapter, row.verse, row.text);
    return text;
}

// Counts the times a widget is shown.
struct Show_Counter final : QObject {
    explicit Show_Counter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++shown;
        return false;
    }
    int shown = 0;
};

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Search_Window {
    Search_Window() : s(QDate(1999, 3, 28), QByteArray(), fixtureDatabase()) {
        s.window->Bible_Search_Click();
        form = FrmBible_Select::Instance();
    }
    ~Search_Window() {
        if (FrmView_Search* results = FrmView_Search::Instance())
            Placement_Widget(results)->close();
        if (form)
            Placement_Widget(form)->close();
        flushDeletes();
    }

    // Main window's toolbar and four menus all enabled (true), all disabled (false).
    std::optional<bool> commandsEnabled() const {
        bool all = s.window->Toolbar1()->isEnabled();
        bool any = all;
        for (const char* name : {"File", "View", "Options", "Help"}) {
            const bool enabled = s.window->Menu_Bar_Menu(QLatin1String(name))->isEnabled();
            all = all && enabled;
            any = any || enabled;
        }
        if (all == any)
            return all;
        return std::nullopt;
    }

    void searchWholeBible(const QString& term) {
        form->TextSearch()->setText(term);
        form->Check1(0)->setChecked(true);
        form->Check1(1)->setChecked(true);
        form->CommandSearch()->click();
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& call : s.dialogs.Messages())
            texts << call.text;
        return texts;
    }

    Started_Main_Window s;
    QPointer<FrmBible_Select> form;
};

QStringList itemTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList bookNames(std::initializer_list<int> books) {
    QStringList names;
    for (int book : books)
        names << Bible_Books[book].Book_Name;
    return names;
}

void clickRow(QListWidget* list, int row) {
    list->setCurrentRow(row);
}

void doubleClickRow(QListWidget* list, int row) {
    list->setCurrentRow(row);
    emit list->itemDoubleClicked(list->item(row));
}

void pressKey(QWidget* widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

} // namespace

class Test_Frm_Bible_Select final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        Install_Arabic_Font();
        Init_Bible_Tables(); // the fixture's line lengths use the abbreviations
        FrmBible_Select::Set_Yield_Interval(0);
    }

    // Both testaments are ticked on first use; afterwards the window opens as the
    // reader left it, also with none ticked, which a search then reports.
    void testamentsKept_data() {
        QTest::addColumn<QList<int>>("clicked"); // the testament boxes clicked, 0 old, 1 new
        QTest::addColumn<bool>("oldTicked");
        QTest::addColumn<bool>("newTicked");
        QTest::newRow("first use") << QList<int>{} << true << true;
        QTest::newRow("new left out") << QList<int>{1} << true << false;
        QTest::newRow("none") << QList<int>{0, 1} << false << false;
    }

    void testamentsKept() {
        QFETCH(QList<int>, clicked);
        QFETCH(bool, oldTicked);
        QFETCH(bool, newTicked);
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lectarium"),
                  QStringLiteral("Lectarium"))
            .clear();
        {
            Search_Window w;
            QVERIFY(w.form->Check1(0)->isChecked() && w.form->Check1(1)->isChecked());
            for (int box : clicked)
                QTest::mouseClick(w.form->Check1(box), Qt::LeftButton);
        }
        Search_Window w;
        QCOMPARE(w.form->Check1(0)->isChecked(), oldTicked);
        QCOMPARE(w.form->Check1(1)->isChecked(), newTicked);
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.form->TextSearch()->setText(QStringLiteral("نور"));
        w.form->CommandSearch()->click();
        QCOMPARE(w.messageTexts().value(0) == noScope, !oldTicked && !newTicked);
    }

    void opening() {
        Search_Window w;
        QVERIFY(w.s.loaded);
        QVERIFY(w.form);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Bible Select"));
        QVERIFY(w.form->Option0(0)->isChecked());
        QVERIFY(w.form->Check1(0)->isEnabled());
        QVERIFY(!w.form->Picture2()->isEnabled());
        QVERIFY(!w.form->List3()->isEnabled());
        QVERIFY(w.form->Check2()->isChecked());
        QVERIFY(w.form->Option1(0)->isChecked());
        QCOMPARE(w.form->List1()->count(), 6);
        QCOMPARE(w.form->List1()->currentRow(), 0);
        QCOMPARE(itemTexts(w.form->List3()), bookNames({1, 2, 3, 4, 5}));
        QCOMPARE(w.form->List3()->currentRow(), 0);
        QCOMPARE(w.form->List2()->count(), 0);
        QVERIFY(w.form->PictureCancel()->isHidden());
        QVERIFY(!w.form->CommandSelectGroup()->isHidden());
        // One search window: the command and toolbar button 4 bring the same one.
        w.s.window->Toolbar1_ButtonClick(QStringLiteral("Bible Search"));
        QCOMPARE(FrmBible_Select::Instance(), w.form.data());
        QCOMPARE(w.s.window->Mdi_Area()->subWindowList().size(), 1);

        w.form->Option0(1)->click();
        QVERIFY(!w.form->Check1(0)->isEnabled());
        QVERIFY(w.form->Picture2()->isEnabled() && w.form->List3()->isEnabled());
    }

    void sectionsOffListsEveryBook() {
        Search_Window w;
        w.form->Option0(1)->click();
        w.form->Check2()->click();
        QVERIFY(!w.form->Check2()->isChecked());
        QVERIFY(w.form->CommandSelectGroup()->isHidden());
        QCOMPARE(w.form->List3()->count(), 46);
        QCOMPARE(w.form->List3()->geometry().top(), To_Pixels(330));
        w.form->Option1(1)->click();
        QCOMPARE(w.form->List3()->count(), 27);
        QCOMPARE(w.form->List3()->item(0)->text(), Bible_Books[47].Book_Name);
        clickRow(w.form->List3(), 26);
        w.form->CommandSelect()->click();
        QCOMPARE(w.form->Chosen_Books(), QList<Integer>{73});

        // Sections on again: the New Testament's five groups.
        w.form->Check2()->click();
        QCOMPARE(w.form->List1()->count(), 5);
        QCOMPARE(w.form->List1()->item(0)->text(), Group_Names[7]);
        QCOMPARE(itemTexts(w.form->List3()), bookNames({47, 48, 49, 50}));
    }

    void messages_data() {
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("scope"); // 0 testaments, none checked; 1 books, none chosen; 2 whole Bible
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("empty term") << QString() << 2 << noTerm << scopeCaption;
        QTest::newRow("no testament") << QStringLiteral("نور") << 0 << noScope << scopeCaption;
        QTest::newRow("no book") << QStringLiteral("نور") << 1 << noScope << scopeCaption;
        QTest::newRow("no verse") << QStringLiteral("غير موجود") << 2 << noVerses << searchCaption;
        QTest::newRow("blanks are a term") << QStringLiteral("   ") << 2 << noVerses << searchCaption;
    }

    void messages() {
        QFETCH(QString, term);
        QFETCH(int, scope);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        Search_Window w;
        Keep_Results(Search_Pages());
        Result_Pages[1] = QStringLiteral("earlier");
        Show_Counter panel(w.form->PictureCancel());
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.form->TextSearch()->setText(term);
        if (scope == 1)
            w.form->Option0(1)->click();
        w.form->Check1(0)->setChecked(scope == 2);
        w.form->Check1(1)->setChecked(scope == 2);
        w.form->CommandSearch()->click();
        QCOMPARE(w.s.dialogs.Messages().size(), 1);
        QCOMPARE(w.s.dialogs.Messages()[0].text, text);
        QCOMPARE(w.s.dialogs.Messages()[0].caption, caption);
        QCOMPARE(w.s.dialogs.Messages()[0].icon, Msg_Icon::Exclamation);
        QCOMPARE(w.s.dialogs.Messages()[0].buttons, Msg_Buttons::Ok);
        QCOMPARE(panel.shown, 0);
        QVERIFY(w.form->PictureCancel()->isHidden());
        QVERIFY(!FrmView_Search::Instance());
        QCOMPARE(w.commandsEnabled(), std::optional<bool>(true));
        QCOMPARE(Result_Pages[1], QStringLiteral("earlier"));
        QVERIFY(w.s.dialogs.Unexpected().isEmpty());
    }

    // Each scope finds what its statement finds.
    void statements_data() {
        QTest::addColumn<int>("scope"); // 0 both, 1 old, 2 new, 3 books
        QTest::addColumn<QList<int>>("books");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<int>("hits");
        const QString term = Flip_Text(QStringLiteral("نور"));
        QTest::newRow("old testament")
            << 1 << QList<int>{}
            << QStringLiteral("SELECT * FROM Bible WHERE Old = -1 and  INSTR (Sign,'%1') <>0").arg(term)
            << 10;
        QTest::newRow("books 5 and 47")
            << 3 << QList<int>{5, 47}
            << QStringLiteral("SELECT * FROM Bible WHERE (  ( Old = -1 And Bible =  5 ) or  ( Old =  0 And "
                              "Bible =  1 ) ) and  INSTR (1,Sign,'%1') <>0")
                   .arg(term)
            << 5;
    }

    void statements() {
        QFETCH(int, scope);
        QFETCH(QList<int>, books);
        QFETCH(QString, statement);
        QFETCH(int, hits);
        Search_Window w;
        w.form->TextSearch()->setText(QStringLiteral("نور"));
        if (scope < 3) {
            w.form->Check1(0)->setChecked(scope != 2);
            w.form->Check1(1)->setChecked(scope != 1);
        } else {
            w.form->Option0(1)->click();
            w.form->Check2()->click(); // every book of a testament listed
            for (int book : books) {
                w.form->Option1(book > 46 ? 1 : 0)->click();
                clickRow(w.form->List3(), book > 46 ? book - 47 : book - 1);
                w.form->CommandSelect()->click();
            }
        }
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.form->CommandSearch()->click();
        // The verses the statement of the scope finds, in its order.
        Data_Source written;
        written.setDatabaseName(Data_Bible_Search().databaseName());
        written.setRecordSource(statement);
        QVERIFY(written.refresh());
        QCOMPARE(Result_Pages[1], Scan_Hits(written, nullptr).pages.Pages()[1]);
        QCOMPARE(w.messageTexts(), QStringList{hitsMessage(hits)});
        QCOMPARE(Page_Count, 1);
        QVERIFY(w.s.dialogs.Unexpected().isEmpty());
    }

    void twelveHitsOnePage() {
        Search_Window w;
        Data_Bible_Search().close();
        std::optional<bool> enabledDuring;
        bool panelDuring = false;
        QTimer::singleShot(0, w.s.window.get(), [&] {
            enabledDuring = w.commandsEnabled();
            panelDuring = w.form->PictureCancel()->isVisible();
        });
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.searchWholeBible(QStringLiteral("نور"));
        QCOMPARE(enabledDuring, std::optional<bool>(false));
        QVERIFY(panelDuring);
        QCOMPARE(w.s.dialogs.Messages().size(), 1);
        QCOMPARE(w.s.dialogs.Messages()[0].text, QStringLiteral("نتيجة البحث  12 آية "));
        QCOMPARE(w.s.dialogs.Messages()[0].caption, searchCaption);
        QCOMPARE(Page_Count, 1);
        QCOMPARE(Result_Pages[1], hitLines(QStringLiteral("نور")));
        QVERIFY(Result_Pages[1].startsWith(QStringLiteral("نور 1 (تك  1 :  1)\r\n")));
        QCOMPARE(w.commandsEnabled(), std::optional<bool>(true));
        QVERIFY(w.form->PictureCancel()->isHidden());
        QCOMPARE(w.form->ProgressBar1()->value(), 91); // the last of 12 rows

        FrmView_Search* results = FrmView_Search::Instance();
        QVERIFY(results);
        QCOMPARE(results->windowTitle(), QStringLiteral("مجال البحث : نور"));
        QCOMPARE(results->Text1()->Text(), To_Box_Text(Result_Pages[1]));
        QVERIFY(results->Label1()->text().isEmpty());
        QVERIFY(results->Command1()->isHidden() && results->Command2()->isHidden());
        QVERIFY(w.s.dialogs.Unexpected().isEmpty());
    }

    // 120 hits of two lines a page: 60 full pages and the empty one after them. None is
    // dropped and the last can be shown.
    void moreThanFiftyPages() {
        Search_Window w;
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.searchWholeBible(QStringLiteral("مئة"));
        QCOMPARE(w.messageTexts(), (QStringList{hitsMessage(120), pagesMessage(61)}));
        QCOMPARE(Page_Count, 61);
        FrmView_Search* results = FrmView_Search::Instance();
        QVERIFY(results);
        for (int i = 0; i < 59; ++i)
            results->Command2()->click();
        QCOMPARE(results->Current_Page(), 60);
        QCOMPARE(results->Label1()->text(), QStringLiteral("الجـــزئ رقـــــم   60"));
        QCOMPARE(results->Text1()->Text(), To_Box_Text(Result_Pages[60]));
        QVERIFY(results->Text1()->Text().contains(QStringLiteral("(لا  1 :  119)")));
        QVERIFY(results->Text1()->Text().contains(QStringLiteral("(لا  1 :  120)")));
        results->Command2()->click();
        QCOMPARE(results->Current_Page(), 61);
        results->Command2()->click();
        QCOMPARE(results->Current_Page(), 61);
        QVERIFY(w.s.dialogs.Unexpected().isEmpty());
    }

    void pickingABookTwice() {
        Search_Window w;
        w.form->Option0(1)->click();
        clickRow(w.form->List3(), 1); // group 1, book 2
        w.form->CommandSelect()->click();
        w.form->CommandSelect()->click();
        doubleClickRow(w.form->List3(), 1);
        QCOMPARE(w.form->Chosen_Books(), QList<Integer>{2});
        // The whole group: book 2 is not listed again, the others follow in group order.
        w.form->CommandSelectGroup()->click();
        QCOMPARE(w.form->Chosen_Books(), (QList<Integer>{2, 1, 3, 4, 5}));
        QCOMPARE(itemTexts(w.form->List2()), bookNames({2, 1, 3, 4, 5}));
        QCOMPARE(w.form->List3()->currentRow(), 0);
        // Space in List3 adds the group too; nothing new.
        pressKey(w.form->List3(), Qt::Key_Space);
        QCOMPARE(w.form->Chosen_Books().size(), 5);
        // Group 6 by double click, then Clear.
        doubleClickRow(w.form->List1(), 5);
        QCOMPARE(w.form->Chosen_Books(), (QList<Integer>{2, 1, 3, 4, 5, 17, 18, 25, 26, 30, 45, 46}));
        w.form->CommandClear()->click();
        QVERIFY(w.form->Chosen_Books().isEmpty());
        QCOMPARE(w.form->List2()->count(), 0);
    }

    void selectWithNoBookSelected() {
        Search_Window w;
        w.form->Option0(1)->click();
        clickRow(w.form->List1(), 2); // the poetical books
        QCOMPARE(itemTexts(w.form->List3()), bookNames({20, 21, 22, 23, 24}));
        QCOMPARE(w.form->List3()->currentRow(), -1);
        w.form->CommandSelect()->click();
        QVERIFY(w.form->Chosen_Books().isEmpty());
        clickRow(w.form->List3(), 1);
        w.form->CommandSelect()->click();
        QCOMPARE(w.form->Chosen_Books(), QList<Integer>{21});
    }

    void removingAMiddleBook() {
        Search_Window w;
        w.form->Option0(1)->click();
        for (int row : {0, 2, 4}) {
            clickRow(w.form->List3(), row);
            w.form->CommandSelect()->click();
        }
        QCOMPARE(w.form->Chosen_Books(), (QList<Integer>{1, 3, 5}));
        w.form->CommandDeSelect()->click(); // nothing selected in List2
        QCOMPARE(w.form->Chosen_Books().size(), 3);
        clickRow(w.form->List2(), 1);
        w.form->CommandDeSelect()->click();
        QCOMPARE(w.form->Chosen_Books(), (QList<Integer>{1, 5}));
        QCOMPARE(itemTexts(w.form->List2()), bookNames({1, 5}));
        // Delete in List2 and a double click remove too.
        clickRow(w.form->List2(), 1);
        pressKey(w.form->List2(), Qt::Key_Delete);
        QCOMPARE(w.form->Chosen_Books(), QList<Integer>{1});
        doubleClickRow(w.form->List2(), 0);
        QVERIFY(w.form->Chosen_Books().isEmpty());
    }

    void keys() {
        Search_Window w;
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        pressKey(w.form->TextSearch(), Qt::Key_Return);
        pressKey(w.form->Check1(0), Qt::Key_Enter);
        QCOMPARE(w.messageTexts(), (QStringList{noTerm, noTerm}));
        w.form->Option0(1)->click();
        pressKey(w.form->Option1(0), Qt::Key_Escape);
        flushDeletes();
        QVERIFY(!FrmBible_Select::Instance());
        QVERIFY(w.s.dialogs.Unexpected().isEmpty());
    }

    void cancelMidScan() {
        Search_Window w;
        Keep_Results(Search_Pages());
        Result_Pages[1] = QStringLiteral("earlier");
        std::optional<bool> enabledDuring;
        bool panelDuring = false;
        int progressDuring = -1;
        QTimer::singleShot(0, w.s.window.get(), [&] {
            enabledDuring = w.commandsEnabled();
            panelDuring = w.form->PictureCancel()->isVisible();
            progressDuring = w.form->ProgressBar1()->value();
            // Enter in the covered term box does not start a second scan.
            pressKey(w.form->TextSearch(), Qt::Key_Return);
            w.form->CommandCancel()->click();
        });
        w.searchWholeBible(QStringLiteral("مئة"));
        QCOMPARE(enabledDuring, std::optional<bool>(false));
        QVERIFY(panelDuring);
        QCOMPARE(progressDuring, 0);
        QCOMPARE(FrmBible_Select::Last_Scan().hits, 1);
        QVERIFY(w.s.dialogs.Messages().isEmpty());
        QVERIFY(!FrmView_Search::Instance());
        QVERIFY(w.form->PictureCancel()->isHidden());
        QVERIFY(!w.form->Search_Running());
        QCOMPARE(w.commandsEnabled(), std::optional<bool>(true));
        QCOMPARE(Result_Pages[1], QStringLiteral("earlier"));
        flushDeletes();
        QCOMPARE(FrmBible_Select::Instance(), w.form.data());

        // A new search runs to its end.
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.form->TextSearch()->setText(QStringLiteral("نور"));
        w.form->CommandSearch()->click();
        QCOMPARE(w.messageTexts(), QStringList{hitsMessage(12)});
        QVERIFY(FrmView_Search::Instance());
        QVERIFY(w.s.dialogs.Unexpected().isEmpty());
    }

    // A cancelled search leaves the open results window with the pages it shows.
    void cancelKeepsShownResults() {
        Search_Window w;
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.searchWholeBible(QStringLiteral("باء"));
        QCOMPARE(Page_Count, 2);
        QTimer::singleShot(0, w.s.window.get(), [&] { w.form->CommandCancel()->click(); });
        w.form->TextSearch()->setText(QStringLiteral("مئة"));
        w.form->CommandSearch()->click();
        FrmView_Search* results = FrmView_Search::Instance();
        QVERIFY(results);
        results->Command2()->click();
        QCOMPARE(results->Current_Page(), 2);
        QVERIFY(results->Text1()->Text().isEmpty());
        QCOMPARE(Page_Count, 2);
        QVERIFY(w.s.dialogs.Unexpected().isEmpty());
    }

    void closingMidScan() {
        Search_Window w;
        QWidget* frame = Placement_Widget(w.form);
        frame->move(60, 90);
        QTimer::singleShot(0, w.s.window.get(), [&] { frame->close(); });
        w.searchWholeBible(QStringLiteral("مئة"));
        QCOMPARE(FrmBible_Select::Last_Scan().hits, 1);
        QVERIFY(w.s.dialogs.Messages().isEmpty());
        QVERIFY(!FrmView_Search::Instance());
        QCOMPARE(w.commandsEnabled(), std::optional<bool>(true));
        // Opening the search again before the closed window is gone gives a new one.
        QVERIFY(!FrmBible_Select::Instance());
        w.s.window->Bible_Search_Click();
        QPointer<FrmBible_Select> reopened = FrmBible_Select::Instance();
        QVERIFY(reopened && reopened != w.form);
        Placement_Widget(reopened)->close();
        flushDeletes();
        QVERIFY(!w.form);
        QVERIFY(!FrmBible_Select::Instance());
        QCOMPARE(FrmBible_Select_Left, Integer(To_Twips(60)));
        QCOMPARE(FrmBible_Select_Top, Integer(To_Twips(90)));
        QCOMPARE(w.s.window->Mdi_Area()->subWindowList().size(), 0);
        QVERIFY(w.s.dialogs.Unexpected().isEmpty());
    }

    // The window destroyed outright while the scan is handing control to the event loop.
    void destroyedMidScan() {
        Search_Window w;
        QTimer::singleShot(0, w.s.window.get(), [&] { delete Placement_Widget(w.form); });
        w.searchWholeBible(QStringLiteral("مئة"));
        QVERIFY(!w.form);
        QCOMPARE(FrmBible_Select::Last_Scan().hits, 1);
        QVERIFY(w.s.dialogs.Messages().isEmpty());
        QCOMPARE(w.commandsEnabled(), std::optional<bool>(true));
    }

    // Handing over on a time budget: a search shorter than the budget runs through
    // without handing over, so a Cancel sent meanwhile finds it finished.
    void searchWithinYieldBudget() {
        Search_Window w;
        FrmBible_Select::Set_Yield_Interval(10000);
        QTimer::singleShot(0, w.s.window.get(), [&] { w.form->CommandCancel()->click(); });
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.searchWholeBible(QStringLiteral("مئة"));
        FrmBible_Select::Set_Yield_Interval(0);
        QCOMPARE(FrmBible_Select::Last_Scan().hits, 120);
        QCOMPARE(FrmBible_Select::Last_Scan().yields, 0);
        QCOMPARE(Page_Count, 61);
        QCoreApplication::processEvents(); // the Cancel arrives after the search
        QCOMPARE(Page_Count, 61);
        QVERIFY(w.form->CommandSearch()->isEnabled());
    }

    // "تجاهل التشكيل" follows the term until the user sets it; on, a bare term finds the
    // vowelled verse and the results window marks the word found.
    void ignoringMarks() {
        Search_Window w;
        QCheckBox* fold = w.form->CheckFold();
        QCOMPARE(fold->text(), QStringLiteral("تجاهل التشكيل"));
        w.form->TextSearch()->setText(QStringLiteral("God"));
        QVERIFY(!fold->isChecked());
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.searchWholeBible(QStringLiteral("خلق"));
        QVERIFY(fold->isChecked());
        QCOMPARE(w.messageTexts(), QStringList{hitsMessage(1)});
        QCOMPARE(Result_Pages[1], line(20, 1, 1, QStringLiteral("فِي الْبَدْءِ خَلَقَ اللهُ")));
        FrmView_Search* results = FrmView_Search::Instance();
        QVERIFY(results);
        const QTextBlock verse = results->Text1()->document()->firstBlock();
        const auto marks = verse.layout()->formats();
        QCOMPARE(marks.size(), 1);
        QCOMPARE(verse.text().mid(marks[0].start, marks[0].length), QStringLiteral("خَلَقَ"));

        // Set off by the user, it stays off for the next term: the written form only.
        fold->click();
        w.form->TextSearch()->setText(QStringLiteral("خلق الله"));
        QVERIFY(!fold->isChecked());
        w.s.dialogs.Answer_Message(Msg_Answer::Ok);
        w.form->CommandSearch()->click();
        QCOMPARE(w.messageTexts().last(), noVerses);
        QVERIFY(w.s.dialogs.Unexpected().isEmpty());
    }

    void closingRecordsPlacement() {
        Search_Window w;
        QWidget* frame = Placement_Widget(w.form);
        frame->move(45, 30);
        w.form->CommandExit()->click();
        flushDeletes();
        QVERIFY(!FrmBible_Select::Instance());
        QCOMPARE(FrmBible_Select_WindowState, Integer(0));
        QCOMPARE(FrmBible_Select_Left, Integer(To_Twips(45)));
        QCOMPARE(FrmBible_Select_Top, Integer(To_Twips(30)));
        w.s.window->Bible_Search_Click();
        w.form = FrmBible_Select::Instance();
        QCOMPARE(Placement_Widget(w.form)->pos(), QPoint(45, 30));
        // Chosen books start afresh.
        QVERIFY(w.form->Chosen_Books().isEmpty());
    }
};

QTEST_MAIN(Test_Frm_Bible_Select)
#include "test_frm_bible_select.moc"
