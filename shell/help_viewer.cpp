#include "shell/help_viewer.h"

#include "base/regular_file.h"
#include "shell/interface_translation.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <vector>

namespace Lectarium {

namespace {

QPointer<Help_Viewer> currentViewer;

QToolButton* toolButton(QWidget* parent, const char* name, const QString& caption,
                        QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

// Qt's HTML reader gives an anchor's name (a heading's <a name>) to its first character
// alone. That character then forms a text run of its own, shaped apart from its word: an
// Arabic letter loses its joining and reads as another letter. The name is spread over the
// run that follows when the two look alike, so the heading is shaped whole.
QTextCharFormat withoutAnchor(QTextCharFormat format) {
    format.clearProperty(QTextFormat::IsAnchor);
    format.clearProperty(QTextFormat::AnchorName);
    return format;
}

void joinAnchorNames(QTextDocument* document) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        bool changed = true;
        while (changed) {
            changed = false;
            for (QTextBlock::iterator it = block.begin(); !it.atEnd() && !changed;) {
                const QTextFragment named = it.fragment();
                ++it;
                if (named.charFormat().anchorNames().isEmpty() || it.atEnd())
                    continue;
                const QTextFragment next = it.fragment();
                if (next.charFormat() == named.charFormat() ||
                    withoutAnchor(named.charFormat()) != withoutAnchor(next.charFormat()))
                    continue;
                QTextCursor cursor(document);
                cursor.setPosition(next.position());
                cursor.setPosition(next.position() + next.length(), QTextCursor::KeepAnchor);
                cursor.setCharFormat(named.charFormat());
                changed = true; // the block's fragments are new: walk them again
            }
        }
    }
}

// How deep the elements of an HTML text nest, and its tables. Qt's HTML reader spends
// time growing with the square of the nesting (2 MB of nested <div> keep it busy for
// minutes), and its layout about twice the time for every table inside a table. Qt has no
// bound of its own, so the help file is looked at before Qt is given it. The count is
// on the safe side: an end tag closes what it matches, and only the elements whose end
// tags HTML lets a writer leave out (a list item, a cell, a paragraph) end themselves
// when the next of their kind begins.
struct Html_Nesting {
    int elements = 0;
    int tables = 0;
};

Html_Nesting htmlNesting(QByteArrayView html) {
    static const QSet<QByteArray> empty{"area",  "base", "br",   "col",   "embed",  "hr",    "img",
                                        "input", "link", "meta", "param", "source", "track", "wbr"};
    static const QSet<QByteArray> rawText{"script", "style", "title", "textarea"};
    // The elements that end an open one of their group, or of a group inside theirs: a
    // cell ends the open cell, a row the open row and its cell, and so on.
    constexpr int cells = 5;
    static const QHash<QByteArray, int> groups{{"p", 1},      {"li", 2},     {"dt", 3},     {"dd", 3},
                                               {"option", 4}, {"td", cells}, {"th", cells}, {"tr", 6},
                                               {"thead", 7},  {"tbody", 7},  {"tfoot", 7}};
    std::vector<QByteArray> open;
    int tables = 0;
    Html_Nesting deepest;
    auto pop = [&] {
        tables -= open.back() == "table" ? 1 : 0;
        open.pop_back();
    };
    auto isNameChar = [](char c, bool first) {
        return first ? std::isalpha(static_cast<unsigned char>(c)) != 0
                     : std::isalnum(static_cast<unsigned char>(c)) != 0;
    };
    const qsizetype n = html.size();
    qsizetype i = 0;
    while ((i = html.indexOf('<', i)) >= 0) {
        if (html.sliced(i).startsWith(QByteArrayView("<!--"))) {
            const qsizetype end = html.indexOf(QByteArrayView("-->"), i + 4);
            if (end < 0)
                break;
            i = end + 3;
            continue;
        }
        const bool closing = i + 1 < n && html[i + 1] == '/';
        const qsizetype nameStart = i + 1 + (closing ? 1 : 0);
        qsizetype k = nameStart;
        while (k < n && isNameChar(html[k], k == nameStart))
            ++k;
        if (k == nameStart) {
            // A "<" in the text, a declaration or a processing instruction.
            const bool markup = !closing && i + 1 < n && (html[i + 1] == '!' || html[i + 1] == '?');
            i = markup ? html.indexOf('>', i) : i + 1;
            if (i < 0)
                break;
            continue;
        }
        const QByteArray name = html.sliced(nameStart, k - nameStart).toByteArray().toLower();
        char quote = 0;
        for (; k < n; ++k) {
            const char c = html[k];
            if (quote != 0)
                quote = c == quote ? 0 : quote;
            else if (c == '"' || c == '\'')
                quote = c;
            else if (c == '>')
                break;
        }
        if (k >= n)
            break;
        const bool selfClosed = html[k - 1] == '/';
        i = k + 1;
        if (closing) {
            const auto match = std::find(open.rbegin(), open.rend(), name);
            if (match != open.rend()) {
                const auto keep = static_cast<size_t>(open.rend() - match) - 1;
                while (open.size() > keep)
                    pop();
            }
            continue;
        }
        if (empty.contains(name) || selfClosed)
            continue;
        if (rawText.contains(name)) {
            // Its text is no markup: on to its end tag, in any case of letters.
            const QByteArray end = "</" + name;
            qsizetype at = i;
            while ((at = html.indexOf(QByteArrayView("</"), at)) >= 0 &&
                   qstrnicmp(html.data() + at, end.constData(), std::min<qsizetype>(end.size(), n - at)) != 0)
                at += 2;
            if (at < 0)
                break;
            i = at;
            continue;
        }
        if (const int group = groups.value(name); group != 0) {
            while (!open.empty()) {
                const int other = groups.value(open.back());
                if (other == 0 || !(other == group || (group >= cells && other < group)))
                    break;
                pop();
            }
        }
        open.push_back(name);
        tables += name == "table" ? 1 : 0;
        deepest.elements = std::max(deepest.elements, static_cast<int>(open.size()));
        deepest.tables = std::max(deepest.tables, tables);
    }
    return deepest;
}

// Why the HTML of a help page is not shown, or nothing.
QString htmlProblem(const QByteArray& html) {
    const Html_Nesting nesting = htmlNesting(html);
    if (nesting.elements > Help_Nesting_Limit)
        return QStringLiteral("elements nested more than %1 deep").arg(Help_Nesting_Limit);
    if (nesting.tables > Help_Table_Nesting_Limit)
        return QStringLiteral("tables nested more than %1 deep").arg(Help_Table_Nesting_Limit);
    return QString();
}

// The help page and what it names (pictures, style sheets, other pages) come through
// the bounded reader: only regular files, each within the limit of its kind, and pages
// within the nesting limits. Anything else is left out, and is never answered with
// nothing: QTextDocument would then read the file itself, and a picture that does not
// decode is read again by its name, both without a bound. A picture comes decoded, or
// as the sign of a missing file.
class Help_Browser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        const QUrl url = source().resolved(name);
        if (url.scheme() == QLatin1String("qrc"))
            return QTextBrowser::loadResource(type, name);
        if (url.scheme() == QLatin1String("data"))
            return QVariant(); // in the page itself: QTextDocument decodes it
        const bool page = type == QTextDocument::HtmlResource;
        QByteArray bytes;
        QString reason = QStringLiteral("not a local file");
        if (!url.isLocalFile() ||
            !MdlLectarium::Read_Regular_File(url.toLocalFile(), page ? Help_File_Limit : Help_Resource_Limit,
                                             bytes, reason) ||
            (page && !(reason = htmlProblem(bytes)).isEmpty())) {
            qWarning("help: %s left out: %s", qPrintable(url.toString()), qPrintable(reason));
            bytes.clear();
        }
        if (type != QTextDocument::ImageResource)
            return bytes;
        QImage image;
        if (bytes.isEmpty() || !image.loadFromData(bytes))
            image = style()->standardIcon(QStyle::SP_FileIcon).pixmap(16, 16).toImage();
        return image;
    }
};

} // namespace

QString Help_File_Name(MdlLectarium::Interface_Language language) {
    return language == MdlLectarium::Interface_Language::English ? QStringLiteral("Lectarium_en.hlp")
                                                                 : QStringLiteral("Lectarium.hlp");
}

QString Help_File_Problem(const QString& helpFile) {
    QByteArray bytes;
    QString reason;
    if (!MdlLectarium::Read_Regular_File(helpFile, Help_File_Limit, bytes, reason))
        return reason;
    return htmlProblem(bytes);
}

Help_Viewer::Help_Viewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Help_Viewer"));
    setWindowTitle(tr("Lectarium - المساعدة"));
    setLayoutDirection(Window_Direction());

    contents_ = toolButton(this, "Contents", tr("المحتويات"), QStyle::SP_DirHomeIcon);
    // The window reads right to left: "back" points to the right, "forward" to the left.
    back_ = toolButton(this, "Back", tr("السابق"), QStyle::SP_ArrowRight);
    forward_ = toolButton(this, "Forward", tr("التالي"), QStyle::SP_ArrowLeft);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    browser_ = new Help_Browser(this);
    browser_->setObjectName(QStringLiteral("Browser"));
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents_);
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    connect(contents_, &QToolButton::clicked, this, &Help_Viewer::Contents_Click);
    connect(back_, &QToolButton::clicked, this, &Help_Viewer::Back_Click);
    connect(forward_, &QToolButton::clicked, this, &Help_Viewer::Forward_Click);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { joinAnchorNames(browser_->document()); });

    resize(720, 560);
}

bool Help_Viewer::Show_Contents(const QString& helpFile) {
    if (!Help_File_Problem(helpFile).isEmpty())
        return false;
    helpFile_ = QFileInfo(helpFile).absoluteFilePath();
    // The file is HTML whatever its name ends in.
    browser_->clearHistory();
    browser_->setSource(QUrl::fromLocalFile(helpFile_), QTextDocument::HtmlResource);
    return true;
}

void Help_Viewer::Contents_Click() {
    if (helpFile_.isEmpty())
        return;
    browser_->setSource(QUrl::fromLocalFile(helpFile_), QTextDocument::HtmlResource);
    browser_->verticalScrollBar()->setValue(0);
}

void Help_Viewer::Back_Click() {
    browser_->backward();
}

void Help_Viewer::Forward_Click() {
    browser_->forward();
}

bool Show_Help_Viewer(QWidget* parent, const QString& helpFile) {
    if (!Help_File_Problem(helpFile).isEmpty())
        return false;
    if (!currentViewer) {
        currentViewer = new Help_Viewer(parent ? parent->window() : nullptr);
        currentViewer->setAttribute(Qt::WA_DeleteOnClose);
        // Over the middle of the program's frame, whole on its screen, not wherever the
        // window manager finds room.
        if (const QWidget* frame = parent ? parent->window() : nullptr) {
            QRect placed(QPoint(), currentViewer->size());
            placed.moveCenter(frame->geometry().center());
            if (const QScreen* screen = frame->screen()) {
                const QRect room = screen->availableGeometry();
                placed.moveTop(std::clamp(placed.top(), room.top(),
                                          std::max(room.top(), room.bottom() - placed.height())));
                placed.moveLeft(std::clamp(placed.left(), room.left(),
                                           std::max(room.left(), room.right() - placed.width())));
            }
            currentViewer->move(placed.topLeft());
        }
    }
    if (!currentViewer->Show_Contents(helpFile))
        return false;
    currentViewer->show();
    currentViewer->raise();
    currentViewer->activateWindow();
    return true;
}

Help_Viewer* Current_Help_Viewer() {
    return currentViewer;
}

} // namespace Lectarium
