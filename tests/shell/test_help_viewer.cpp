#include "shell/appearance.h"
#include "shell/dialogs.h"
#include "shell/help_viewer.h"
#include "shell/mdi_lectarium.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Lectarium;

namespace {

QByteArray shippedHelp() {
    QFile f(QStringLiteral(LECTARIUM_HELP_SOURCE));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Messages are recorded; help goes to the program's own viewer, as in the real layer.
class Help_Dialogs final : public Dialog_Layer {
public:
    Help_Dialogs() { Set_Dialogs(this); }
    ~Help_Dialogs() override { Set_Dialogs(nullptr); }
    Help_Dialogs(const Help_Dialogs&) = delete;
    Help_Dialogs& operator=(const Help_Dialogs&) = delete;

    struct Call {
        QString text;
        QString caption;
        Msg_Icon icon;
    };
    QList<Call> messages;
    QStringList unexpected;

    Msg_Answer Message(QWidget*, const QString& text, const QString& caption, Msg_Buttons,
                       Msg_Icon icon) override {
        messages.append({text, caption, icon});
        return Msg_Answer::Ok;
    }
    QString Open_File(QWidget*, const QString&, const QString&, const QString&) override {
        unexpected << QStringLiteral("open");
        return {};
    }
    QString Save_File(QWidget*, const QString&, const QString&, const QString&) override {
        unexpected << QStringLiteral("save");
        return {};
    }
    std::optional<QFont> Choose_Font(QWidget*, const QFont&) override {
        unexpected << QStringLiteral("font");
        return std::nullopt;
    }
    std::optional<QColor> Choose_Color(QWidget*, const QColor&) override {
        unexpected << QStringLiteral("colour");
        return std::nullopt;
    }
    bool Show_Help(QWidget* parent, const QString& helpFile) override {
        return Show_Help_Viewer(parent, helpFile);
    }
};

void closeViewer() {
    delete Current_Help_Viewer();
}

} // namespace

class Test_Help_Viewer final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        Install_Arabic_Font();
        QVERIFY(!shippedHelp().isEmpty());
    }
    void cleanup() { closeViewer(); }

    void buildPutsTheHelpFileInTheRunFolder() {
        QFile run(QStringLiteral(LECTARIUM_RUN_HELP));
        QVERIFY(run.open(QIODevice::ReadOnly));
        QCOMPARE(run.readAll(), shippedHelp());
    }

    void realLayerOpensTheViewerOnTheContents() {
        Temp_Program_Folder folder;
        folder.write(QStringLiteral("Lectarium.hlp"), shippedHelp());
        const QString file = folder.file(QStringLiteral("Lectarium.hlp"));
        QVERIFY(Dialogs().Show_Help(nullptr, file));
        Help_Viewer* viewer = Current_Help_Viewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->Browser()->source(), QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
        QCOMPARE(viewer->Browser()->documentTitle(), QStringLiteral("مساعدة ليكتاريوم"));
        QVERIFY(viewer->Browser()->toPlainText().contains(QStringLiteral("المحتويات")));
        QVERIFY(!viewer->Back_Button()->isEnabled());
        QVERIFY(!viewer->Forward_Button()->isEnabled());
    }

    void topicOpensTheViewerAndOpensItAgainOnTheContents() {
        Temp_Program_Folder folder;
        folder.write(QStringLiteral("Lectarium.hlp"), shippedHelp());
        Help_Dialogs dialogs;
        MDILectarium window;
        window.Topic_Click();
        QVERIFY(dialogs.messages.isEmpty());
        Help_Viewer* viewer = Current_Help_Viewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->window(), viewer);
        QCOMPARE(viewer->parentWidget(), &window);
        const QUrl contents = viewer->Browser()->source();

        QUrl section = contents;
        section.setFragment(QStringLiteral("text_view"));
        viewer->Browser()->setSource(section);
        window.Toolbar1_ButtonClick(QStringLiteral("Help_Topic"));
        QCOMPARE(Current_Help_Viewer(), viewer);
        QCOMPARE(viewer->Browser()->source(), contents);
        QVERIFY(dialogs.messages.isEmpty());
        QVERIFY(dialogs.unexpected.isEmpty());
    }

    void missingHelpFileIsReported_data() {
        QTest::addColumn<bool>("folderInstead");
        QTest::newRow("no file") << false;
        QTest::newRow("a folder of that name") << true;
    }

    void missingHelpFileIsReported() {
        QFETCH(bool, folderInstead);
        Temp_Program_Folder folder;
        if (folderInstead)
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Lectarium.hlp")));
        Help_Dialogs dialogs;
        MDILectarium window;
        window.Topic_Click();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Lectarium"));
        QCOMPARE(dialogs.messages[0].icon, Msg_Icon::Exclamation);
        QVERIFY(dialogs.messages[0].text.contains(
            QDir::toNativeSeparators(folder.file(QStringLiteral("Lectarium.hlp")))));
        QVERIFY(!Current_Help_Viewer());
    }

    void contentsBackAndForward() {
        Temp_Program_Folder folder;
        folder.write(QStringLiteral("Lectarium.hlp"), shippedHelp());
        QVERIFY(Show_Help_Viewer(nullptr, folder.file(QStringLiteral("Lectarium.hlp"))));
        Help_Viewer* viewer = Current_Help_Viewer();
        QTextBrowser* browser = viewer->Browser();
        const QUrl contents = browser->source();

        QUrl section = contents;
        section.setFragment(QStringLiteral("bible_search"));
        browser->setSource(section); // as a click on the contents link does
        QVERIFY(viewer->Back_Button()->isEnabled());
        QVERIFY(!viewer->Forward_Button()->isEnabled());

        QTest::mouseClick(viewer->Back_Button(), Qt::LeftButton);
        QCOMPARE(browser->source(), contents);
        QVERIFY(viewer->Forward_Button()->isEnabled());
        QTest::mouseClick(viewer->Forward_Button(), Qt::LeftButton);
        QCOMPARE(browser->source(), section);

        QTest::mouseClick(viewer->Contents_Button(), Qt::LeftButton);
        QCOMPARE(browser->source().fragment(), QString());
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
        QVERIFY(viewer->Back_Button()->isEnabled());
    }

    // A heading's anchor name does not split its first letter from its word: each
    // anchored heading is one run of text, so Arabic letters keep their joining.
    void headingsAreShapedWhole() {
        Temp_Program_Folder folder;
        folder.write(QStringLiteral("Lectarium.hlp"), shippedHelp());
        QVERIFY(Show_Help_Viewer(nullptr, folder.file(QStringLiteral("Lectarium.hlp"))));
        QTextDocument* document = Current_Help_Viewer()->Browser()->document();
        int headings = 0;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            const QTextFragment first = block.begin().fragment();
            if (first.charFormat().anchorNames().isEmpty())
                continue;
            ++headings;
            QVERIFY2(first.length() > 1, qPrintable(block.text()));
        }
        QVERIFY(headings > 20);
        // Anchors still lead to their sections.
        QUrl section = Current_Help_Viewer()->Browser()->source();
        section.setFragment(QStringLiteral("pain"));
        Current_Help_Viewer()->Browser()->setSource(section);
        QVERIFY(Current_Help_Viewer()->Browser()->verticalScrollBar()->value() > 0);
    }

    void everyLinkOfTheHelpFileLeadsToASection() {
        QTextDocument document;
        document.setHtml(QString::fromUtf8(shippedHelp()));
        QSet<QString> names;
        QStringList links;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                for (const QString& name : format.anchorNames())
                    names.insert(name);
                if (!format.anchorHref().isEmpty())
                    links << format.anchorHref();
            }
        }
        QVERIFY(links.size() > 20);
        for (const QString& link : links) {
            QVERIFY2(link.startsWith(QLatin1Char('#')), qPrintable(link));
            QVERIFY2(names.contains(link.mid(1)), qPrintable(link));
        }
    }

    void helpExplainsEveryCommandAndWindow_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Reading",
                                 "Bible",
                                 "View",
                                 "Search",
                                 "New",
                                 "Open",
                                 "Save",
                                 "Exit",
                                 "Toolbar",
                                 "Date Bar",
                                 "Massage",
                                 "Text View",
                                 "Date Bar On Top",
                                 "Reset Date",
                                 "Save On Exit",
                                 "Topic",
                                 "About",
                                 "Select Day",
                                 "Display Reading",
                                 "Sant",
                                 "Bible View",
                                 "Bible Select",
                                 "View Text Options",
                                 "Introduction",
                                 "Lectarium.mdb",
                                 "Lectarium.ini",
                                 "Lectarium.hlp"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void helpExplainsEveryCommandAndWindow() {
        QFETCH(QString, name);
        QTextDocument document;
        document.setHtml(QString::fromUtf8(shippedHelp()));
        QVERIFY(document.toPlainText().contains(name));
    }
};

QTEST_MAIN(Test_Help_Viewer)
#include "test_help_viewer.moc"
