#include "base/basic_text.h"
#include "bible/frm_view_search.h"
#include "bible/search.h"
#include "documents/text_file.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "shell/reading_box.h"
#include "shell/text_source.h"
#include "tests/bible/search_fixture.h"
#include "tests/support/started_main_window.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

// Pages whose text names them: "page 1 line 1\r\npage 1 line 2\r\n"...
void setPages(int count, bool lastEmpty = false) {
    QStringList pages{QString()};
    for (int p = 1; p <= count; ++p) {
        QString page;
        if (!(lastEmpty && p == count))
            for (int l = 1; l <= 2; ++l)
                page += QStringLiteral("الجزء %1 السطر %2\r\n").arg(p).arg(l);
        pages << page;
    }
    Result_Pages = pages;
    Page_Count = count;
}

QString pageLabel(int page) {
    return QStringLiteral("الجـــزئ رقـــــم   ") + QString::number(page);
}

struct Results {
    Results() : s(QDate(1999, 3, 28), QByteArray(), Search_Fixture_Bytes({})) {}
    ~Results() {
        if (FrmView_Search::Instance())
            Placement_Widget(FrmView_Search::Instance())->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Started_Main_Window s;
};

} // namespace

class Test_Frm_View_Search final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Install_Arabic_Font(); }

    void onePage() {
        Results r;
        setPages(1);
        FrmView_Search* form = FrmView_Search::Show_Window();
        QCOMPARE(form->Text1()->Text(), To_Box_Text(Result_Pages[1]));
        QVERIFY(form->Label1()->text().isEmpty());
        QVERIFY(form->Command1()->isHidden());
        QVERIFY(form->Command2()->isHidden());
        QCOMPARE(Active_Text_Source, Search_Results_Text_Source);
        QVERIFY(r.s.window->Menu_Item(QStringLiteral("Save"))->isEnabled());
        QVERIFY(r.s.window->Toolbar_Button(8)->isEnabled());
    }

    // Each hit is marked on its own line (the box holds LF for the page's CR LF).
    void hitsMarkedOnTheirLines() {
        Results r;
        Search_Pages pages;
        pages.Add(QStringLiteral("نور ونور (تك  1 :  1)\r\n"), {{0, 3}, {5, 3}});
        pages.Add(QStringLiteral("بلا (تك  1 :  2)\r\n"));
        pages.Add(QStringLiteral("في النور (تك  1 :  3)\r\n"), {{3, 5}});
        Keep_Results(pages);
        FrmView_Search* form = FrmView_Search::Show_Window();
        QStringList marked;
        for (QTextBlock block = form->Text1()->document()->begin(); block.isValid(); block = block.next())
            for (const QTextLayout::FormatRange& range : block.layout()->formats())
                marked << QString::number(block.blockNumber()) + QLatin1Char(':') +
                              block.text().mid(range.start, range.length);
        QCOMPARE(marked,
                 (QStringList{QStringLiteral("0:نور"), QStringLiteral("0:نور"), QStringLiteral("2:النور")}));
    }

    void pageButtonsStopAtBothEnds() {
        Results r;
        setPages(3);
        FrmView_Search* form = FrmView_Search::Show_Window();
        QCOMPARE(form->Label1()->text(), pageLabel(1));
        QVERIFY(form->Command1()->isVisibleTo(form) && form->Command2()->isVisibleTo(form));
        form->Command1()->click(); // ">>" on page 1
        QCOMPARE(form->Current_Page(), 1);
        QCOMPARE(form->Text1()->Text(), To_Box_Text(Result_Pages[1]));
        form->Command2()->click();
        form->Command2()->click();
        QCOMPARE(form->Current_Page(), 3);
        QCOMPARE(form->Label1()->text(), pageLabel(3));
        QCOMPARE(form->Text1()->Text(), To_Box_Text(Result_Pages[3]));
        form->Command2()->click(); // past the last page
        QCOMPARE(form->Current_Page(), 3);
        QCOMPARE(form->Label1()->text(), pageLabel(3));
        form->Command1()->click();
        QCOMPARE(form->Current_Page(), 2);
        QCOMPARE(form->Text1()->Text(), To_Box_Text(Result_Pages[2]));
    }

    // A new search's results start the open window again at page 1.
    void newResultsStartAtPageOne() {
        Results r;
        setPages(3);
        FrmView_Search* form = FrmView_Search::Show_Window();
        form->Command2()->click();
        setPages(2, true);
        QCOMPARE(FrmView_Search::Show_Window(), form);
        QCOMPARE(r.s.window->Mdi_Area()->subWindowList().size(), 1);
        QCOMPARE(form->Current_Page(), 1);
        QCOMPARE(form->Label1()->text(), pageLabel(1));
        form->Command2()->click();
        QVERIFY(form->Text1()->Text().isEmpty()); // the empty last page
        setPages(1);
        FrmView_Search::Show_Window();
        QVERIFY(form->Label1()->text().isEmpty());
        QVERIFY(form->Command2()->isHidden());
    }

    void saveWritesOnlyThePageShown() {
        Results r;
        setPages(3);
        FrmView_Search* form = FrmView_Search::Show_Window();
        form->Command2()->click();
        Take_Text_Source(form);
        r.s.dialogs.Answer_Save(r.s.folder.file(QStringLiteral("page.txt")));
        r.s.window->Save_Click();
        QCOMPARE(r.s.dialogs.Save_Proposals(), QStringList{QStringLiteral("NoName.txt")});
        QCOMPARE(r.s.folder.read(QStringLiteral("page.txt")),
                 To_Cp1256(Result_Pages[2] + QStringLiteral("\r\n")));
        QVERIFY(r.s.dialogs.Unexpected().isEmpty());
    }

    void focusLeavingDisablesSave() {
        Results r;
        setPages(1);
        FrmView_Search* form = FrmView_Search::Show_Window();
        Leave_Text_Source(form);
        QVERIFY(!r.s.window->Menu_Item(QStringLiteral("Save"))->isEnabled());
        QVERIFY(!r.s.window->Toolbar_Button(8)->isEnabled());
        Take_Text_Source(form);
        QVERIFY(r.s.window->Toolbar_Button(8)->isEnabled());
    }

    void minimumSize() {
        Results r;
        setPages(2);
        FrmView_Search* form = FrmView_Search::Show_Window();
        QWidget* window = Placement_Widget(form);
        window->resize(40, 40);
        QVERIFY(window->width() >= To_Pixels(4000));
        QVERIFY(window->height() >= To_Pixels(4000));
        QVERIFY(form->Text1()->height() > 0);
        QCOMPARE(form->Picture_Bible()->x(), (form->width() - form->Picture_Bible()->width()) / 2);
    }

    void closingRecordsPlacement() {
        Results r;
        setPages(1);
        FrmView_Search* form = FrmView_Search::Show_Window();
        QWidget* window = Placement_Widget(form);
        window->setGeometry(15, 30, 420, 360);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!FrmView_Search::Instance());
        QCOMPARE(FrmView_Search_WindowState, Integer(0));
        QCOMPARE(FrmView_Search_Left, Integer(To_Twips(15)));
        QCOMPARE(FrmView_Search_Top, Integer(To_Twips(30)));
        QCOMPARE(FrmView_Search_Width, Integer(To_Twips(420)));
        QCOMPARE(FrmView_Search_Height, Integer(To_Twips(360)));
        QVERIFY(!r.s.window->Menu_Item(QStringLiteral("Save"))->isEnabled());
        QCOMPARE(Placement_Widget(FrmView_Search::Show_Window())->geometry(), QRect(15, 30, 420, 360));
    }
};

QTEST_MAIN(Test_Frm_View_Search)
#include "test_frm_view_search.moc"
