// "ترجمات الكتاب المقدس" opened from File > Bible with SWORD modules made at test time by
// imp2vs in a SWORD_PATH of the test's own: the list, the choice kept, the caches built
// in a worker thread, a damaged module reported, the window closed during a build.

#include "bible/frm_bible_select.h"
#include "bible/frm_bible_view.h"
#include "bible/frm_bibles.h"
#include "bible/frm_display_bible.h"
#include "bible/frm_view_search.h"
#include "calendar/classify_day.h"
#include "lectionary/sword_bible.h"
#include "readings/frm_whole_day.h"
#include "shell/reading_box.h"
#include "tests/readings/reading_windows.h"
#include "tests/support/started_main_window.h"
#include "tests/support/sword_modules.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextTable>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

void choose(QComboBox* combo, const QString& name) {
    const int index = combo->findData(name);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
}

FrmBibles* openFromMenu(Started_Main_Window& s) {
    auto* action = s.window->findChild<QAction*>(QStringLiteral("Bibles"), Qt::FindChildrenRecursively);
    if (!action)
        return nullptr;
    action->trigger();
    return FrmBibles::Instance();
}

// The cells of the box's table as drawn, left to right: "r:" or "l:" for a cell right
// to left and flush right or left to right and flush left ("?:" otherwise), then its text;
// a cell spanning the row once, an empty cell ""; without the direction marks.
QList<QStringList> drawnCells(const Reading_Box* box) {
    QList<QStringList> rows;
    for (QTextFrame* frame : box->document()->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            for (int r = 0; r < table->rows(); ++r) {
                QStringList row;
                for (int c = 0; c < table->columns(); c += table->cellAt(r, c).columnSpan()) {
                    const QTextBlock block = table->cellAt(r, c).firstCursorPosition().block();
                    const Qt::LayoutDirection direction = block.blockFormat().layoutDirection();
                    const Qt::Alignment alignment = block.blockFormat().alignment();
                    const bool right =
                        direction == Qt::RightToLeft && alignment == (Qt::AlignRight | Qt::AlignAbsolute);
                    const bool left =
                        direction == Qt::LeftToRight && alignment == (Qt::AlignLeft | Qt::AlignAbsolute);
                    // The direction marks before a verse's text serve only its display.
                    const QString text = block.text().remove(QChar(0x200E)).remove(QChar(0x200F));
                    row << (text.isEmpty() ? QString() : (right ? "r:" : left ? "l:" : "?:") + text);
                }
                rows << row;
            }
            break;
        }
    return rows;
}

// A larger module, so that its reading takes a while.
QByteArray manyVerses(const char* last) {
    QByteArray imp;
    for (int chapter = 1; chapter <= 50; ++chapter)
        for (int verse = 1; verse <= 20; ++verse)
            imp += "$$$Gen " + QByteArray::number(chapter) + ':' + QByteArray::number(verse) + "\nverse\n";
    return imp + "$$$Exod 1:1\n" + last + "\n";
}

} // namespace

class Test_Frm_Bibles final : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("imp2vs")).isEmpty())
            QSKIP("imp2vs (Debian libsword-utils) is not installed");
        const QString sword = dir_.filePath(QStringLiteral("sword"));
        qputenv("SWORD_PATH", sword.toUtf8());
        qputenv("HOME", dir_.path().toUtf8());
        qputenv("XDG_CACHE_HOME", dir_.filePath(QStringLiteral("cache")).toUtf8());
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toUtf8());
        const Sword_Modules modules(sword);
        QString error;
        QVERIFY2(modules.Make_Bible(QStringLiteral("ArabKJV"), QStringLiteral("KJV"),
                                    "$$$Matt 5:1\nوَلَمَّا رَأَى الْجُمُوعَ\n$$$Matt 5:2\nفَفَتَحَ فَاهُ\n", error) &&
                     modules.Make_Bible(
                         QStringLiteral("EngLXX"), QStringLiteral("LXX"),
                         "$$$Gen 1:1\nIn the beginning.\n$$$Matt 5:1\nSeeing the multitudes.\n", error) &&
                     modules.Make_Broken(QStringLiteral("Broken"), error),
                 qPrintable(error));
    }

    void listsChoosesAndBuilds() {
        Started_Main_Window s;
        FrmBibles* form = openFromMenu(s);
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("ترجمات الكتاب المقدس"));
        QTableWidget* list = form->ListModules();
        QCOMPARE(list->rowCount(), 3);
        QStringList rows;
        for (int row = 0; row < list->rowCount(); ++row)
            rows << list->item(row, 0)->text() + QLatin1Char(' ') + list->item(row, 1)->text() +
                        QLatin1Char(' ') + list->item(row, 3)->text();
        QCOMPARE(rows, (QStringList{"ArabKJV ar KJV", "Broken en KJV", "EngLXX en LXX"}));

        choose(form->ComboMain(), QStringLiteral("ArabKJV"));
        choose(form->ComboBeside(0), QStringLiteral("EngLXX"));
        choose(form->ComboBeside(1), QStringLiteral("ArabKJV")); // the main text again: once
        form->CommandSave()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!form->Build_Running(), 30000);
        QCOMPARE(form->LabelStatus()->text(), QStringLiteral("تم الحفظ"));
        const Bible_Choice stored = Stored_Bible_Choice();
        QCOMPARE(stored.main, QStringLiteral("ArabKJV"));
        QCOMPARE(stored.beside, QStringList{QStringLiteral("EngLXX")});
        QVERIFY(QFile::exists(Translation_Cache_File(QStringLiteral("ArabKJV"))));
        QVERIFY(QFile::exists(Translation_Cache_File(QStringLiteral("EngLXX"))));

        // Opened again, the window shows the stored choice.
        form->close();
        form = openFromMenu(s);
        QVERIFY(form);
        QCOMPARE(form->Shown_Choice().main, QStringLiteral("ArabKJV"));
        QCOMPARE(form->Shown_Choice().beside, QStringList{QStringLiteral("EngLXX")});
    }

    // The passage window shows the chosen texts side by side, each cell in its own
    // direction and flush to where it starts, a missing verse an empty cell; printed alike.
    void passageSideBySide() {
        Store_Bible_Choice({QStringLiteral("ArabKJV"), {QStringLiteral("EngLXX")}});
        Started_Main_Window s;
        FrmDisplay_Bible* form = FrmDisplay_Bible::Show_Text(QStringLiteral("مت 5: 1-2"), QStringLiteral("-"),
                                                             QStringLiteral("القراءة"));
        QTextTable* table = nullptr;
        for (QTextFrame* frame : form->Text1()->document()->rootFrame()->childFrames())
            table = table ? table : qobject_cast<QTextTable*>(frame);
        QVERIFY(table);
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->columns(), 2);
        const auto blockOf = [&](int row, int column) {
            return table->cellAt(row, column).firstCursorPosition().block();
        };
        // The Arabic main text stands in the right column.
        QCOMPARE(blockOf(0, 1).blockFormat().layoutDirection(), Qt::RightToLeft);
        QCOMPARE(blockOf(0, 1).blockFormat().alignment(), Qt::AlignRight | Qt::AlignAbsolute);
        QCOMPARE(blockOf(0, 0).blockFormat().layoutDirection(), Qt::LeftToRight);
        QCOMPARE(blockOf(0, 0).blockFormat().alignment(), Qt::AlignLeft | Qt::AlignAbsolute);
        QVERIFY(blockOf(1, 0).text().isEmpty());
        QCOMPARE(form->Text1()->Text(), QStringLiteral("1 وَلَمَّا رَأَى الْجُمُوعَ\n1 Seeing the multitudes.\n"
                                                       "2 فَفَتَحَ فَاهُ\n\n"));
        QVERIFY(form->Print_Html().contains(
            QStringLiteral("<tr><td dir=\"rtl\" lang=\"ar\">2\u200f فَفَتَحَ فَاهُ</td><td></td></tr>")));
        Store_Bible_Choice({QStringLiteral("db"), {}});
    }

    // The whole day: each passage side by side with the database's Bible, the lines
    // around it as before; printed with each passage as a table.
    void wholeDaySideBySide() {
        Store_Bible_Choice({QStringLiteral("db"), {QStringLiteral("EngLXX")}});
        Reading_Session r;
        r.Show_Day(QDate(1999, 3, 3));
        FrmWhole_Day* form = FrmWhole_Day::Show_Window(Current_Day_State());
        QVERIFY(form);
        QVERIFY2(form->Text1()->Text().contains(
                     QStringLiteral("\nالنبوات\nتك 1: 1-3\n1 التكوين 1: 1 نص الآية\n1 In the beginning.\n"
                                    "2 التكوين 1: 2 نص الآية\n\n")),
                 qPrintable(form->Text1()->Text()));
        // The day's fast under its title, as the single text has it.
        QVERIFY2(form->Text1()->Text().contains(QStringLiteral("\nالصوم الكبير: صوم نباتي بلا سمك\n")),
                 qPrintable(form->Text1()->Text()));
        QVERIFY(form->Print_Html().contains(
            QStringLiteral("<tr><td dir=\"rtl\" lang=\"ar\">1\u200f التكوين\u200f 1: 1 نص الآية</td>"
                           "<td dir=\"ltr\" lang=\"en\">1\u200e In the beginning.</td></tr>")));
        form->close();
        Store_Bible_Choice({QStringLiteral("db"), {}});
    }

    void damagedModuleReported() {
        Started_Main_Window s;
        FrmBibles* form = openFromMenu(s);
        QVERIFY(form);
        choose(form->ComboMain(), QStringLiteral("db"));
        choose(form->ComboBeside(0), QStringLiteral("Broken"));
        form->CommandSave()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!form->Build_Running(), 30000);
        QVERIFY2(form->LabelStatus()->text().contains(QStringLiteral("Broken")),
                 qPrintable(form->LabelStatus()->text()));
        QVERIFY(form->CommandSave()->isEnabled());
        QVERIFY(!QFile::exists(Translation_Cache_File(QStringLiteral("Broken"))));
    }

    // The Bible browser and a page of search results (a search in a translation, the
    // Arabic folded) show the chosen texts side by side, each cell in its own direction
    // and flush to where it starts; printed alike.
    void sideBySideWindows_data() {
        QTest::addColumn<bool>("results");
        QTest::addColumn<QList<QStringList>>("cells");
        QTest::addColumn<QString>("printed");
        const QString verse1 =
            QStringLiteral("<tr><td dir=\"ltr\" lang=\"en\">1\u200e Seeing the multitudes.</td>"
                           "<td dir=\"rtl\" lang=\"ar\">1\u200f وَلَمَّا رَأَى الْجُمُوعَ</td></tr>");
        QTest::newRow("browser") << false
                                 << QList<QStringList>{{"l:1 Seeing the multitudes.", "r:1 وَلَمَّا رَأَى الْجُمُوعَ"},
                                                       {"", "r:2 فَفَتَحَ فَاهُ"}}
                                 << verse1;
        QTest::newRow("results") << true
                                 << QList<QStringList>{{"r:متى الأصحاح رقم   5"},
                                                       {"l:1 Seeing the multitudes.", "r:1 وَلَمَّا رَأَى الْجُمُوعَ"}}
                                 << verse1;
    }
    void sideBySideWindows() {
        QFETCH(bool, results);
        QFETCH(QList<QStringList>, cells);
        QFETCH(QString, printed);
        Store_Bible_Choice({QStringLiteral("EngLXX"), {QStringLiteral("ArabKJV")}});
        Started_Main_Window s;
        const Reading_Box* box = nullptr;
        QString html;
        if (results) {
            FrmBible_Select* search = FrmBible_Select::Show_Window();
            search->TextSearch()->setText(QStringLiteral("الجموع"));
            choose(search->ComboBible(), QStringLiteral("ArabKJV"));
            s.dialogs.Answer_Message(Msg_Answer::Ok); // the number of verses found
            search->CommandSearch_Click();
            QCOMPARE(s.dialogs.Messages().value(0).text, QStringLiteral("نتيجة البحث  1 آية "));
            FrmView_Search* form = FrmView_Search::Instance();
            QVERIFY(form);
            box = form->Text1();
            html = form->Print_Html();
        } else {
            FrmBible_View* form = FrmBible_View::Show_Window();
            form->Option1_Click(1);
            form->Combo2()->setCurrentIndex(4);
            form->Combo2_Click();
            box = form->Text1();
            html = form->Print_Html();
        }
        QCOMPARE(drawnCells(box), cells);
        QVERIFY2(html.contains(printed), qPrintable(html));
        QVERIFY(s.dialogs.Unexpected().isEmpty());
        Store_Bible_Choice({QStringLiteral("db"), {}});
    }

    // Closing the window while its worker runs waits for the worker, which stops.
    void closedDuringBuild() {
        QVERIFY(QFile::remove(Translation_Cache_File(QStringLiteral("EngLXX"))));
        Started_Main_Window s;
        FrmBibles* form = openFromMenu(s);
        QVERIFY(form);
        choose(form->ComboMain(), QStringLiteral("EngLXX"));
        form->CommandSave()->click();
        QVERIFY(form->CommandCancel()->isEnabled());
        form->close();
        QTRY_VERIFY(!FrmBibles::Instance());
    }

    // Cancel during a rebuild leaves the cache made from the module before, byte for
    // byte, and the window ready to build it again.
    void cancelKeepsOldCache() {
        const Sword_Modules modules(qEnvironmentVariable("SWORD_PATH"));
        const QString name = QStringLiteral("EngMany");
        QString error;
        Translation translation;
        QVERIFY2(modules.Make_Bible(name, QStringLiteral("KJV"), manyVerses("old"), error) &&
                     Open_Translation(name, translation, error),
                 qPrintable(error));
        QFile cache(Translation_Cache_File(name));
        QVERIFY(cache.open(QIODevice::ReadOnly));
        const QByteArray before = cache.readAll();
        cache.close();
        QVERIFY(modules.Make_Bible(name, QStringLiteral("KJV"), manyVerses("a changed verse"), error));

        Started_Main_Window s;
        FrmBibles* form = openFromMenu(s);
        QVERIFY(form);
        choose(form->ComboMain(), name);
        form->CommandSave()->click();
        form->CommandCancel()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!form->Build_Running(), 30000);
        QCOMPARE(form->LabelStatus()->text(), QStringLiteral("ألغي التجهيز"));
        QVERIFY(cache.open(QIODevice::ReadOnly));
        QCOMPARE(cache.readAll(), before);
        cache.close();

        QVERIFY(form->CommandSave()->isEnabled());
        form->CommandSave()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!form->Build_Running(), 30000);
        QCOMPARE(form->LabelStatus()->text(), QStringLiteral("تم الحفظ"));
        QVERIFY(Open_Translation(name, translation, error));
        QCOMPARE(translation.verses.at({2, 1, 1}), QStringLiteral("a changed verse"));
        Store_Bible_Choice({QStringLiteral("db"), {}});
    }
};

QTEST_MAIN(Test_Frm_Bibles)
#include "test_frm_bibles.moc"
