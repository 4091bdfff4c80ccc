#pragma once

// The text document window: one plain text document at a time, in a child window of
// the main frame.

#include "documents/text_file.h"
#include "shell/main_commands.h"

#include <QWidget>

class QPlainTextEdit;

namespace Lectarium {

// Back_To_Text: the user chose not to change the encoding and returns to the text.
enum class Save_Result { Saved, Cancelled, Failed, Back_To_Text };

class FrmText final : public QWidget {
    Q_OBJECT

public:
    // The open document window, or nullptr.
    static FrmText* Instance();
    // Creates the window when it is not loaded and puts it into the frame.
    static FrmText* Show_Window();

    ~FrmText() override;

    QPlainTextEdit* Text1() const { return text1_; }

    void Text1_Change();
    // The close question; true when the window may close.
    bool Form_Unload();

    // The file name that the caption carries.
    static QString Caption_For(const QString& fileName);

    // The encoding the document is written in: the one its file was read in, code
    // page 1256 for a new document, UTF-8 once the user chose it for a save.
    MdlLectarium::Text_Encoding Encoding() const { return encoding_; }
    void Set_Encoding(MdlLectarium::Text_Encoding encoding) { encoding_ = encoding; }
    // Whether the saved file ends with CR LF: as its file did, always for a new document.
    // The box does not show that last line end.
    bool Ends_With_Line_End() const { return endsWithLineEnd_; }
    void Set_Ends_With_Line_End(bool ends) { endsWithLineEnd_ = ends; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FrmText();
    QPlainTextEdit* text1_ = nullptr;
    MdlLectarium::Text_Encoding encoding_ = MdlLectarium::Text_Encoding::Cp1256;
    bool endsWithLineEnd_ = true;
};

// The main window's document commands.
void New_Click();
void Open_Click();
// Writes the text of the window that Active_Text_Source names.
Save_Result Save_Text();

// Closes the document window with its own close question; false when the user
// cancelled, so that the caller (Exit) stops too.
bool Close_Document();

// The folder the Open and Save dialogs start in: the one last used, else the user's
// documents folder (the program folder is no place for documents). Setting an empty
// folder forgets the last one.
QString Document_Folder();
void Set_Document_Folder(const QString& folder);

} // namespace Lectarium
