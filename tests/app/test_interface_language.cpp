// The frame and the main windows in Arabic and in English: the direction turns with the
// language, and no caption, button, menu, title, date, office, reading or reference is
// left in the other language. The Bible text and the story are not looked at.

#include "app/frm_about.h"
#include "app/frm_church_year.h"
#include "app/mdi_lectarium.h"
#include "base/interface_language.h"
#include "bible/frm_bible_select.h"
#include "bible/frm_bible_view.h"
#include "bible/frm_bibles.h"
#include "bible/frm_display_bible.h"
#include "bible/frm_view_search.h"
#include "calendar/frm_select_day.h"
#include "documents/frm_text.h"
#include "documents/text_file.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_pain.h"
#include "readings/frm_saint_search.h"
#include "readings/frm_where_read.h"
#include "readings/reading_texts.h"
#include "shell/appearance.h"
#include "shell/interface_translation.h"
#include "shell/reading_box.h"
#include "tests/support/started_main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

void addMenuTexts(const QList<QAction*>& actions, QStringList& out) {
    for (QAction* action : actions) {
        // The language menu names each language in its own tongue, for either reader.
        if (action->objectName().startsWith(QLatin1String("Language")))
            continue;
        out << action->text() << action->toolTip();
        if (action->menu())
            addMenuTexts(action->menu()->actions(), out);
    }
}

QStringList chromeTexts(QWidget* window) {
    QStringList out;
    out << window->windowTitle();
    for (QLabel* label : window->findChildren<QLabel*>())
        out << label->text();
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        out << button->text() << button->toolTip();
    for (QGroupBox* box : window->findChildren<QGroupBox*>())
        out << box->title();
    for (QComboBox* box : window->findChildren<QComboBox*>())
        out << box->currentText();
    // The readings window's references, as its reader writes them.
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        if (box->objectName().startsWith(QLatin1String("TextFiled_")))
            out << box->text();
    for (QHeaderView* header : window->findChildren<QHeaderView*>())
        for (int i = 0; header->model() && i < header->model()->columnCount(); ++i)
            out << header->model()->headerData(i, Qt::Horizontal).toString();
    return out;
}

} // namespace

class Test_Interface_Language final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        Install_Arabic_Font();
        Install_Reading_Windows();
    }

    void cleanupTestCase() { Install_Interface_Language(Interface_Language::Classic); }

    void windowsInOneLanguage_data() {
        QTest::addColumn<Interface_Language>("language");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<QString>("otherLetters");
        // In Arabic only the program's name, file names and kinds of file stay Latin.
        QTest::newRow("ar") << Interface_Language::Arabic << Qt::RightToLeft
                            << QStringLiteral("\\b(?!Lectarium\\b|PDF\\b|NoName\\b|txt\\b)[A-Za-z]+");
        QTest::newRow("en") << Interface_Language::English << Qt::LeftToRight
                            << QStringLiteral("[\\x{0600}-\\x{06FF}]");
    }

    void windowsInOneLanguage() {
        QFETCH(Interface_Language, language);
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(QString, otherLetters);
        QVERIFY(Install_Interface_Language(language));
        QCOMPARE(QApplication::layoutDirection(), direction);

        QFile shipped(QStringLiteral(LECTARIUM_SHIPPED_DATABASE));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        Started_Main_Window started(QDate(1999, 3, 28), QByteArray(), shipped.readAll());
        QVERIFY(started.loaded);
        MDILectarium& main = *started.window;
        main.Menu_Item(QStringLiteral("Reading"))->trigger();
        FrmSelect_Day* chooser = FrmSelect_Day::Instance();
        QVERIFY(chooser);
        chooser->Button(QStringLiteral("CommandShow"))->click();
        QVERIFY(FrmDisplay_Reading::Instance());
        QVERIFY(FrmBible_View::Show_Window());
        QVERIFY(FrmBible_Select::Show_Window());
        QVERIFY(FrmSaint_Search::Show_Window());
        QVERIFY(FrmBibles::Show_Window());
        New_Click();
        QVERIFY(FrmText::Instance());

        QCOMPARE(main.layoutDirection(), direction);
        QStringList texts{main.windowTitle()};
        addMenuTexts(main.menuBar()->actions(), texts);
        const QList<QMdiSubWindow*> children = main.findChild<QMdiArea*>()->subWindowList();
        QCOMPARE(children.size(), 7);
        for (QMdiSubWindow* child : children) {
            QVERIFY2(child->widget()->layoutDirection() == direction,
                     qPrintable(child->widget()->objectName()));
            texts << chromeTexts(child->widget());
        }
        // The readings window is placed by hand: its dates and its Vespers frame stand at
        // the start of the reading order, and a reading's caption before its box.
        FrmDisplay_Reading* readings = FrmDisplay_Reading::Instance();
        for (const char* name : {"LabelDayName", "Frame2", "Label1_1"}) {
            QWidget* widget = readings->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(widget, name);
            const QWidget* parent = widget->parentWidget();
            QCOMPARE(widget->geometry().center().x() > parent->width() / 2, direction == Qt::RightToLeft);
        }
        // A Holy Week day shows its hours in the Holy Week window, in the same language.
        Selected_Date = QDate(2027, 4, 27);
        chooser->CommandShow_Click();
        FrmPain* pain = FrmPain::Instance();
        QVERIFY(pain);
        QCOMPARE(pain->layoutDirection(), direction);
        QVERIFY(pain->List1()->count() > 0);
        texts << chromeTexts(pain) << pain->windowTitle();
        for (int i = 0; i < pain->List1()->count(); ++i)
            texts << pain->List1()->item(i)->text();
        texts << pain->Text_Hidder()->text();
        // Where a passage is read: occasions, offices, Holy Week hours, days and the
        // reasons a reading falls on no day, all in the language.
        // A passage window shows its reference in the language and asks by the stored one.
        for (const QString& reference : {QStringLiteral("يو 3: 1-21"), QStringLiteral("يو 12: 1-11")}) {
            FrmDisplay_Bible* passage = FrmDisplay_Bible::Show_Text(reference, QString(), Reading_Caption);
            main.Mdi_Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(passage->parentWidget()));
            main.Menu_Item(QStringLiteral("Where_Read"))->trigger();
            FrmWhere_Read* where = FrmWhere_Read::Instance();
            QVERIFY(where);
            QCOMPARE(where->layoutDirection(), direction);
            texts << chromeTexts(where);
            const auto* list = where->findChild<QTreeWidget*>(QStringLiteral("List_Where"));
            QVERIFY(list && list->topLevelItemCount() > 1);
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                for (int column = 0; column < list->columnCount(); ++column)
                    texts << list->topLevelItem(i)->text(column);
        }
        // A search's results name each verse in the reader's language; the shipped Bible
        // is English, so under English no Arabic letter is left.
        FrmBible_Select* search = FrmBible_Select::Show_Window();
        search->TextSearch()->setText(QStringLiteral("Jesus wept"));
        started.dialogs.Answer_Message(Msg_Answer::Ok); // the number of verses found
        search->CommandSearch_Click();
        FrmView_Search* results = FrmView_Search::Instance();
        QVERIFY(results);
        const QString found = results->Text1()->Text();
        QVERIFY2(found.contains(language == Interface_Language::English ? QStringLiteral("(John 11:35)")
                                                                        : QStringLiteral("(يو  11 :  35)")),
                 qPrintable(found));
        FrmChurch_Year churchYear(&main);
        QCOMPARE(churchYear.layoutDirection(), direction);
        texts << chromeTexts(&churchYear);
        const FrmAbout about(&main);
        texts << chromeTexts(const_cast<FrmAbout*>(&about));
        const QRegularExpression other(otherLetters);
        for (const QString& text : std::as_const(texts))
            QVERIFY2(!other.match(text).hasMatch(), qPrintable(text));
        QVERIFY(started.dialogs.Unexpected().isEmpty());
        Text_Changed = false;
    }

    // The choice is kept for the next start and said so; choosing the running language
    // again asks nothing.
    void languageChoiceKept() {
        QVERIFY(Install_Interface_Language(Interface_Language::Classic));
        Started_Main_Window started;
        QVERIFY(started.loaded);
        auto* english = started.window->findChild<QAction*>(QStringLiteral("Language_en"));
        auto* classic = started.window->findChild<QAction*>(QStringLiteral("Language_classic"));
        QVERIFY(english && classic);
        started.dialogs.Answer_Message(Msg_Answer::Ok);
        english->trigger();
        QCOMPARE(Stored_Interface_Language(), Interface_Language::English);
        QVERIFY(!classic->isChecked());
        QCOMPARE(started.dialogs.Messages().size(), 1);
        classic->trigger();
        QCOMPARE(Stored_Interface_Language(), Interface_Language::Classic);
        QCOMPARE(started.dialogs.Messages().size(), 1);
        QVERIFY(started.dialogs.Unexpected().isEmpty());
    }
};

QTEST_MAIN(Test_Interface_Language)
#include "test_interface_language.moc"
