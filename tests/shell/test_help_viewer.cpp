#include "app/mdi_lectarium.h"
#include "base/program_files.h"
#include "shell/appearance.h"
#include "shell/dialogs.h"
#include "shell/help_viewer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/watched_pipe.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Lectarium;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray shippedHelp() {
    return fileBytes(QStringLiteral(LECTARIUM_HELP_SOURCE));
}

// What a help page must have in the same order in both languages: its anchors and links,
// and the keys of its tables (shortcuts in the menu tables and the key tables).
QStringList helpSkeleton(const QByteArray& html) {
    static const QRegularExpression marks(QStringLiteral(
        "<a (?:name|href)=\"[^\"]*\"|<td>(?:Ctrl\\+|F\\d|Enter|Home|Page )[^<]*</td>|<h[12]|<table|<tr"));
    QStringList found;
    for (auto match = marks.globalMatch(QString::fromUtf8(html)); match.hasNext();)
        found << match.next().captured();
    return found;
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

    void buildPutsTheEnglishHelpFileInTheRunFolder() {
        QCOMPARE(fileBytes(QStringLiteral(LECTARIUM_RUN_HELP_EN)),
                 fileBytes(QStringLiteral(LECTARIUM_HELP_SOURCE_EN)));
    }

    // The English help is the Arabic one translated: the same sections, links and key
    // rows in the same order, read left to right.
    void englishHelpMatchesTheArabic() {
        const QByteArray english = fileBytes(QStringLiteral(LECTARIUM_HELP_SOURCE_EN));
        QVERIFY(english.contains("<html dir=\"ltr\" lang=\"en\">"));
        const QStringList arabic = helpSkeleton(shippedHelp());
        QVERIFY(arabic.contains(QStringLiteral("<td>Ctrl+Shift+B</td>")));
        QCOMPARE(helpSkeleton(english), arabic);
        QTextDocument document;
        document.setHtml(QString::fromUtf8(english));
        static const QRegularExpression arabicLetter(QStringLiteral("\\p{Arabic}"));
        // Arabic appears only as the example of digits a code page cannot write.
        const QString text = document.toPlainText().remove(QStringLiteral("\u0661\u0666"));
        QVERIFY2(!text.contains(arabicLetter), qPrintable(text.mid(text.indexOf(arabicLetter) - 40, 80)));
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

    // Qt's HTML reader takes minutes over a deep nesting and seconds over a large file,
    // and would wait for ever on a named pipe: such a help file is refused with its
    // reason, one within the limits is shown.
    void helpFileWithinLimits_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("reason"); // empty: shown
        auto nested = [](const QByteArray& open, const QByteArray& close, int depth) {
            return open.repeated(depth) + "x" + close.repeated(depth);
        };
        QTest::newRow("64 nested elements") << "file" << nested("<div>", "</div>", 64) << QString();
        QTest::newRow("65 nested elements")
            << "file" << nested("<div>", "</div>", 65) << QStringLiteral("nested more than 64 deep");
        QTest::newRow("65 unclosed elements")
            << "file" << nested("<b>", "", 65) << QStringLiteral("nested more than 64 deep");
        QTest::newRow("2 nested tables")
            << "file" << nested("<table><tr><td>", "</td></tr></table>", 2) << QString();
        QTest::newRow("3 nested tables")
            << "file" << nested("<table><tr><td>", "", 3) << QStringLiteral("tables nested more than 2 deep");
        QTest::newRow("items and cells without end tags")
            << "file"
            << ("<ul>" + QByteArray("<li>item").repeated(200) + "</ul><table>" +
                QByteArray("<tr><td>a<td>b").repeated(200) + "</table><!-- <div> --><p>" +
                QByteArray("<p>text").repeated(200))
            << QString();
        QTest::newRow("larger than the limit")
            << "file" << QByteArray("<p>text</p>\n").repeated(Help_File_Limit / 12 + 1)
            << QStringLiteral("larger than 256 KB");
        QTest::newRow("named pipe") << "pipe" << QByteArray() << QStringLiteral("not a regular file");
    }

    void helpFileWithinLimits() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, html);
        QFETCH(QString, reason);
        Temp_Program_Folder folder;
        const QString file = folder.file(QStringLiteral("Lectarium.hlp"));
        std::unique_ptr<Watched_Pipe> pipe;
        if (kind == QLatin1String("pipe"))
            pipe = std::make_unique<Watched_Pipe>(file);
        else
            folder.write(QStringLiteral("Lectarium.hlp"), html);
        Help_Dialogs dialogs;
        MDILectarium window;
        window.Topic_Click();
        if (pipe)
            QCOMPARE(pipe->Readers(), 0);
        QCOMPARE(Current_Help_Viewer() != nullptr, reason.isEmpty());
        if (reason.isEmpty()) {
            QVERIFY(dialogs.messages.isEmpty());
            QVERIFY(!Current_Help_Viewer()->Browser()->toPlainText().isEmpty());
        } else {
            QCOMPARE(dialogs.messages.size(), 1);
            QVERIFY2(dialogs.messages[0].text.contains(reason), qPrintable(dialogs.messages[0].text));
            QVERIFY(dialogs.messages[0].text.contains(QDir::toNativeSeparators(file)));
        }
    }

    // What the help file names is read only from regular files within a limit: a link
    // to a device, a named pipe or a huge file is left out; a picture is shown.
    void resourcesWithinLimits_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("picture") << "picture" << true;
        QTest::newRow("link to /dev/zero") << "device" << false;
        QTest::newRow("named pipe") << "pipe" << false;
        QTest::newRow("larger than the limit") << "huge" << false;
    }

    void resourcesWithinLimits() {
        QFETCH(QString, kind);
        QFETCH(bool, loaded);
        Temp_Program_Folder folder;
        const QString resource = folder.file(QStringLiteral("resource"));
        std::unique_ptr<Watched_Pipe> pipe;
        if (kind == QLatin1String("picture") || kind == QLatin1String("huge")) {
            QImage image(4, 4, QImage::Format_RGB32);
            image.fill(Qt::red);
            QVERIFY(image.save(resource, "PNG"));
            // The same picture, followed by zeros past the limit (a sparse file).
            if (kind == QLatin1String("huge"))
                QVERIFY(QFile(resource).resize(Help_Resource_Limit + 1));
        } else if (kind == QLatin1String("device")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), resource));
        } else {
            pipe = std::make_unique<Watched_Pipe>(resource);
        }
        folder.write(QStringLiteral("Lectarium.hlp"),
                     "<html><body><p>x<img src=\"resource\"></p></body></html>");
        QVERIFY(Show_Help_Viewer(nullptr, folder.file(QStringLiteral("Lectarium.hlp"))));
        Current_Help_Viewer()->grab(); // laid out and painted, pictures included
        // Asked as the page's layout asks, with Qt's own reading behind the browser's.
        const QVariant image = Current_Help_Viewer()->Browser()->document()->resource(
            QTextDocument::ImageResource, QUrl::fromLocalFile(resource));
        QCOMPARE(image.value<QImage>().size() == QSize(4, 4), loaded);
        if (pipe)
            QCOMPARE(pipe->Readers(), 0);
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
