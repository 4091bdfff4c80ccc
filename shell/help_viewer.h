#pragma once

// The program's help viewer: the help file Lectarium.hlp (an HTML document in the
// program folder) in a window with Contents, Back and Forward. It stands in for the
// platform's help viewer, which this platform does not have.

#include "base/interface_language.h"

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace Lectarium {

// The help file is HTML of some 20 KB. A page larger than this, or nested deeper than
// these, is not shown: Qt would keep the program busy for seconds to minutes (a table
// of 256 KB takes about a second to lay out, twice that inside another table).
constexpr qint64 Help_File_Limit = 256 * 1024;
constexpr int Help_Nesting_Limit = 64;
constexpr int Help_Table_Nesting_Limit = 2;
// A picture or style sheet the help file names.
constexpr qint64 Help_Resource_Limit = qint64(16) << 20;

// The help file's name in the program folder for the language: Lectarium_en.hlp in
// English, Lectarium.hlp in Arabic and the classic interface.
QString Help_File_Name(MdlLectarium::Interface_Language language);

// Why the help file cannot be shown ("not a regular file", "larger than 256 KB", the
// system's reason, the nesting), or nothing when it can.
QString Help_File_Problem(const QString& helpFile);

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
