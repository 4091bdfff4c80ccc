#include "documents/frm_text.h"
#include "base/program_files.h"

#include "base/basic_text.h"
#include "calendar/selected_day.h"
#include "documents/text_file.h"
#include "shell/appearance.h"
#include "shell/dialogs.h"
#include "shell/interface_translation.h"
#include "shell/main_commands.h"
#include "shell/single_window.h"
#include "shell/text_source.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

QString textFilter() {
    return QCoreApplication::translate("Lectarium::FrmText", "Text File (*.txt)|*.txt");
}
const QString untitledName = QStringLiteral("NoName.txt");
QString captionStart() {
    return QCoreApplication::translate("Lectarium::FrmText", "File Name ( ");
}
const QString captionEnd = QStringLiteral(" )");

Single_Window<FrmText> instance;

QWidget* dialogParent() {
    return Main_Widget();
}

void backToProgramFolder() {
    // A file dialog may have moved the working folder.
    QDir::setCurrent(Program_Folder);
}

QString lastFolder;

void rememberFolder(const QString& fileName) {
    lastFolder = QFileInfo(fileName).absolutePath();
}

// Code page 1256 lacks some character of the text: the user decides whether the file
// becomes UTF-8; the encoding never changes unasked. False: back to the text.
bool chooseEncoding(const QString& text, Text_Encoding& encoding) {
    if (encoding != Text_Encoding::Cp1256)
        return true;
    bool encodable = true;
    Encode_Text(text, encoding, &encodable);
    if (encodable)
        return true;
    QList<char32_t> missing;
    for (char32_t c : text.toUcs4())
        if ((c > 0xFFFF || Cp1256_Code(QChar(c)) < 0) && !missing.contains(c) && missing.size() < 12)
            missing.append(c);
    const QString question = FrmText::tr("فى النص حروف لا تكتب بالترميز العربى (1256): %1\n"
                                         "هل تحفظ الملف بترميز UTF-8 ؟\n"
                                         "نعم: يحفظ بترميز UTF-8      لا: العودة إلى النص دون حفظ")
                                 .arg(QString::fromUcs4(missing.constData(), missing.size()));
    if (Dialogs().Message(dialogParent(), question, FrmText::tr("Save"), Msg_Buttons::Yes_No,
                          Msg_Icon::Question) != Msg_Answer::Yes)
        return false;
    encoding = Text_Encoding::Utf8;
    return true;
}

} // namespace

QString FrmText::Caption_For(const QString& fileName) {
    return captionStart() + fileName + captionEnd;
}

FrmText* FrmText::Instance() {
    return instance.Get();
}

FrmText* FrmText::Show_Window() {
    if (FrmText* form = instance.Get())
        return form;
    auto* form = instance.Keep(new FrmText());
    Show_Child(form);
    return form;
}

FrmText::FrmText() {
    setObjectName(QStringLiteral("FrmText"));
    setWindowTitle(FrmText::tr("Text Window"));
    resize(To_Pixels(7200), To_Pixels(5000));
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The box itself (its scroll bar) turns with the window's language.
    text1_->setLayoutDirection(Window_Direction());
    // Each line takes its side from its own text: Arabic from the right, English from the
    // left; an empty line follows the keyboard's language. A plain text box lays every
    // line out with one option and never turns its alignment by a line's direction, but
    // it sets a justified line's last row at the line's own start.
    QTextOption option = text1_->document()->defaultTextOption();
    option.setTextDirection(Qt::LayoutDirectionAuto);
    option.setAlignment(Qt::AlignJustify);
    text1_->document()->setDefaultTextOption(option);
    // The box fills the window at any size, down to nothing.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text1_);
    Apply_Text_Appearance(text1_);
    connect(text1_, &QPlainTextEdit::textChanged, this, &FrmText::Text1_Change);
    Track_Text_Source(this, text1_, Document_Text_Source);
}

FrmText::~FrmText() = default;

void FrmText::Text1_Change() {
    if (Text_Changed)
        return;
    Text_Changed = true;
    Set_Command_Enabled(Main_Command::New, false);
    Set_Command_Enabled(Main_Command::Open, false);
}

bool FrmText::Form_Unload() {
    if (Text_Changed) {
        const Msg_Answer answer =
            Dialogs().Message(this, FrmText::tr("Do you want to Save Change ?"), FrmText::tr("Text Box"),
                              Msg_Buttons::Yes_No_Cancel, Msg_Icon::Question);
        if (answer == Msg_Answer::Cancel)
            return false;
        if (answer == Msg_Answer::Yes) {
            // This window is the one closing, whichever window had the focus last.
            Active_Text_Source = Document_Text_Source;
            // A save that failed keeps the window and the text, as does going back
            // to the text; a cancelled name dialog closes without saving, as the user chose.
            const Save_Result saved = Save_Text();
            if (saved == Save_Result::Failed || saved == Save_Result::Back_To_Text)
                return false;
        }
    }
    Set_Command_Enabled(Main_Command::New, true);
    Set_Command_Enabled(Main_Command::Open, true);
    return true;
}

void FrmText::closeEvent(QCloseEvent* event) {
    if (Form_Unload())
        event->accept();
    else
        event->ignore();
}

void New_Click() {
    FrmText* form = FrmText::Show_Window();
    form->setWindowTitle(FrmText::Caption_For(untitledName));
    form->Text1()->clear();
    form->Set_Encoding(Text_Encoding::Cp1256);
    form->Set_Ends_With_Line_End(true);
    Text_Untitled = true;
    Text_Changed = false;
    Set_Command_Enabled(Main_Command::New, false);
    Set_Command_Enabled(Main_Command::Open, false);
}

void Open_Click() {
    const QString fileName =
        Dialogs().Open_File(dialogParent(), FrmText::tr("Open"), Document_Folder(), textFilter());
    if (fileName.isEmpty()) {
        backToProgramFolder();
        return;
    }
    rememberFolder(fileName);
    const Text_Read read = Read_Text_File(fileName);
    if (!read.ok) {
        Dialogs().Message(
            dialogParent(),
            FrmText::tr("لا يمكن فتح الملف\n%1\n%2").arg(QDir::toNativeSeparators(fileName), read.error),
            FrmText::tr("Open"), Msg_Buttons::Ok, Msg_Icon::Exclamation);
        backToProgramFolder();
        return;
    }
    FrmText* form = FrmText::Show_Window();
    // Without the line end that reading adds after the last line: saved unchanged, the
    // document gives its file's bytes again.
    form->Text1()->setPlainText(To_Box_Text(read.text.chopped(read.text.isEmpty() ? 0 : 2)));
    form->Set_Encoding(read.encoding);
    form->Set_Ends_With_Line_End(read.endsWithLineEnd);
    if (read.truncated) {
        // Saving the first part back under the same name would cut the file short.
        form->setWindowTitle(FrmText::Caption_For(untitledName));
        Text_Untitled = true;
        Dialogs().Message(
            form,
            FrmText::tr("الملف أطول من %1 حرف، فُتح جزؤه الأول فقط:\n%2\nوسيُطلب اسم جديد عند الحفظ حتى "
                        "لا يُكتب الجزء فوق الملف كله.")
                .arg(Text_Read_Limit)
                .arg(QDir::toNativeSeparators(fileName)),
            FrmText::tr("Open"), Msg_Buttons::Ok, Msg_Icon::Information);
    } else {
        form->setWindowTitle(FrmText::Caption_For(fileName));
        Text_Untitled = false;
    }
    Text_Changed = false;
    backToProgramFolder();
}

Save_Result Save_Text() {
    FrmText* form = FrmText::Instance();
    QString fileName;
    if (Active_Text_Source == Document_Text_Source && !Text_Untitled && form) {
        const QString caption = form->windowTitle();
        fileName =
            caption.mid(captionStart().size(), caption.size() - captionStart().size() - captionEnd.size());
    } else {
        fileName = Dialogs().Save_File(dialogParent(), FrmText::tr("Save"),
                                       QDir(Document_Folder()).filePath(untitledName), textFilter());
        if (fileName.isEmpty() || fileName == untitledName) {
            backToProgramFolder();
            return Save_Result::Cancelled;
        }
        rememberFolder(fileName);
    }
    const std::optional<QString> boxText = Text_Source_Text(Active_Text_Source);
    if (!boxText) {
        backToProgramFolder();
        return Save_Result::Cancelled;
    }
    const QString text = From_Box_Text(*boxText);
    const bool document = Active_Text_Source == Document_Text_Source && form;
    Text_Encoding encoding = document ? form->Encoding() : Text_Encoding::Cp1256;
    if (!chooseEncoding(text, encoding)) {
        backToProgramFolder();
        return Save_Result::Back_To_Text;
    }
    QString error;
    if (!Write_Text_File(fileName, text, &error, encoding, !document || form->Ends_With_Line_End())) {
        Dialogs().Message(
            dialogParent(),
            FrmText::tr("لا يمكن التسجيل\n%1\n%2").arg(QDir::toNativeSeparators(fileName), error),
            FrmText::tr("Save"), Msg_Buttons::Ok, Msg_Icon::Exclamation);
        backToProgramFolder();
        return Save_Result::Failed;
    }
    if (document) {
        form->setWindowTitle(FrmText::Caption_For(fileName));
        form->Set_Encoding(encoding);
        Text_Untitled = false;
        Text_Changed = false;
    }
    backToProgramFolder();
    return Save_Result::Saved;
}

QString Document_Folder() {
    if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir())
        return lastFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void Set_Document_Folder(const QString& folder) {
    lastFolder = folder;
}

bool Close_Document() {
    FrmText* form = FrmText::Instance();
    if (!form)
        return true;
    QWidget* window = Placement_Widget(form);
    return window->close();
}

} // namespace Lectarium
