#include "shell/dialogs.h"

#include "shell/interface_translation.h"

#include "shell/help_viewer.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace Lectarium {

QString Qt_Filter(const QString& filter) {
    // Pairs of "description|pattern"; Qt shows the description, which carries the
    // pattern in parentheses.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i];
        if (i + 1 < parts.size() && !description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
        out << description;
    }
    return out.join(QStringLiteral(";;"));
}

namespace {

QString chosenFile(QFileDialog& dialog) {
    dialog.setLayoutDirection(Window_Direction());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

class Qt_Dialogs final : public Dialog_Layer {
public:
    Msg_Answer Message(QWidget* parent, const QString& text, const QString& caption, Msg_Buttons buttons,
                       Msg_Icon icon) override {
        QMessageBox box(parent);
        box.setWindowTitle(caption);
        box.setText(text);
        // An Arabic message reads from the right, its buttons with it.
        box.setLayoutDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        switch (icon) {
        case Msg_Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Msg_Icon::Stop:
            box.setIcon(QMessageBox::Critical);
            break;
        case Msg_Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Msg_Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Msg_Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        }
        switch (buttons) {
        case Msg_Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Msg_Buttons::Yes_No:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Msg_Buttons::Yes_No_Cancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Yes:
            return Msg_Answer::Yes;
        case QMessageBox::No:
            return Msg_Answer::No;
        case QMessageBox::Ok:
            return Msg_Answer::Ok;
        default:
            return buttons == Msg_Buttons::Yes_No ? Msg_Answer::No : Msg_Answer::Cancel;
        }
    }

    // The standard dialogs speak Qt's Arabic and read from the right like the program's
    // own windows; the frame itself stays left to right.
    QString Open_File(QWidget* parent, const QString& title, const QString& folder,
                      const QString& filter) override {
        QFileDialog dialog(parent, title, folder, Qt_Filter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        return chosenFile(dialog);
    }

    QString Save_File(QWidget* parent, const QString& title, const QString& proposedPath,
                      const QString& filter) override {
        QFileDialog dialog(parent, title, proposedPath, Qt_Filter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        return chosenFile(dialog);
    }

    std::optional<QFont> Choose_Font(QWidget* parent, const QFont& initial) override {
        QFontDialog dialog(initial, parent);
        dialog.setLayoutDirection(Window_Direction());
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.selectedFont();
    }

    std::optional<QColor> Choose_Color(QWidget* parent, const QColor& initial) override {
        QColorDialog dialog(initial, parent);
        dialog.setLayoutDirection(Window_Direction());
        if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid())
            return std::nullopt;
        return dialog.selectedColor();
    }

    bool Show_Help(QWidget* parent, const QString& helpFile) override {
        return Show_Help_Viewer(parent, helpFile);
    }
};

Qt_Dialogs realDialogs;
Dialog_Layer* current = nullptr;

} // namespace

Dialog_Layer& Dialogs() {
    return current ? *current : realDialogs;
}

void Set_Dialogs(Dialog_Layer* layer) {
    current = layer;
}

} // namespace Lectarium
