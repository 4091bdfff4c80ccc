#pragma once

// The program's help viewer: the help file Lectarium.hlp (an HTML document in the
// program folder) in a window with Contents, Back and Forward. It stands in for the
// platform's help viewer, which this platform does not have.

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace Lectarium {

class Help_Viewer final : public QWidget {
    Q_OBJECT

public:
    explicit Help_Viewer(QWidget* parent = nullptr);

    // Shows the contents of the help file; false (and nothing shown) when it cannot be read.
    bool Show_Contents(const QString& helpFile);

    void Contents_Click();
    void Back_Click();
    void Forward_Click();

    QTextBrowser* Browser() const { return browser_; }
    QToolButton* Contents_Button() const { return contents_; }
    QToolButton* Back_Button() const { return back_; }
    QToolButton* Forward_Button() const { return forward_; }
    QString Help_File() const { return helpFile_; }

private:
    QTextBrowser* browser_ = nullptr;
    QToolButton* contents_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QString helpFile_;
};

// Opens the one help viewer of the program (or brings it back) on the contents of
// helpFile. Returns false, showing nothing, when the file cannot be read.
bool Show_Help_Viewer(QWidget* parent, const QString& helpFile);
// The help viewer while it is open, else nullptr.
Help_Viewer* Current_Help_Viewer();

} // namespace Lectarium
