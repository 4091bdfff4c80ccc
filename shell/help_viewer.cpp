#include "shell/help_viewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

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

} // namespace

Help_Viewer::Help_Viewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Help_Viewer"));
    setWindowTitle(QStringLiteral("Lectarium - المساعدة"));
    setLayoutDirection(Qt::RightToLeft);

    contents_ = toolButton(this, "Contents", QStringLiteral("المحتويات"), QStyle::SP_DirHomeIcon);
    // The window reads right to left: "back" points to the right, "forward" to the left.
    back_ = toolButton(this, "Back", QStringLiteral("السابق"), QStyle::SP_ArrowRight);
    forward_ = toolButton(this, "Forward", QStringLiteral("التالي"), QStyle::SP_ArrowLeft);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    browser_ = new QTextBrowser(this);
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
    const QFileInfo info(helpFile);
    if (!info.isFile() || !info.isReadable())
        return false;
    helpFile_ = info.absoluteFilePath();
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
    const QFileInfo info(helpFile);
    if (!info.isFile() || !info.isReadable())
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
