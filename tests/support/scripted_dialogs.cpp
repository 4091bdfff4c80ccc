#include "tests/support/scripted_dialogs.h"

#include <QFileInfo>

using namespace Lectarium;

Scripted_Dialogs::Scripted_Dialogs() {
    Set_Dialogs(this);
}

Scripted_Dialogs::~Scripted_Dialogs() {
    Set_Dialogs(nullptr);
}

bool Scripted_Dialogs::All_Answered() const {
    return messageAnswers_.isEmpty() && openAnswers_.isEmpty() && saveAnswers_.isEmpty() &&
           fontAnswers_.isEmpty() && colourAnswers_.isEmpty() && helpAnswers_.isEmpty();
}

Msg_Answer Scripted_Dialogs::Message(QWidget*, const QString& text, const QString& caption,
                                     Msg_Buttons buttons, Msg_Icon icon) {
    messages_.append({text, caption, buttons, icon});
    if (messageAnswers_.isEmpty()) {
        unexpected_ << QStringLiteral("message: ") + text;
        return buttons == Msg_Buttons::Ok ? Msg_Answer::Ok : Msg_Answer::Cancel;
    }
    return messageAnswers_.dequeue();
}

QString Scripted_Dialogs::Open_File(QWidget*, const QString& title, const QString& folder,
                                    const QString& filter) {
    fileFilters_ << filter;
    dialogFolders_ << folder;
    if (openAnswers_.isEmpty()) {
        unexpected_ << QStringLiteral("open file: ") + title;
        return {};
    }
    return openAnswers_.dequeue();
}

QString Scripted_Dialogs::Save_File(QWidget*, const QString& title, const QString& proposedPath,
                                    const QString& filter) {
    saveProposals_ << QFileInfo(proposedPath).fileName();
    dialogFolders_ << (proposedPath.contains(QLatin1Char('/')) ? QFileInfo(proposedPath).path() : QString());
    fileFilters_ << filter;
    if (saveAnswers_.isEmpty()) {
        unexpected_ << QStringLiteral("save file: ") + title;
        return {};
    }
    return saveAnswers_.dequeue();
}

std::optional<QFont> Scripted_Dialogs::Choose_Font(QWidget*, const QFont&) {
    if (fontAnswers_.isEmpty()) {
        unexpected_ << QStringLiteral("font dialog");
        return std::nullopt;
    }
    return fontAnswers_.dequeue();
}

std::optional<QColor> Scripted_Dialogs::Choose_Color(QWidget*, const QColor&) {
    if (colourAnswers_.isEmpty()) {
        unexpected_ << QStringLiteral("colour dialog");
        return std::nullopt;
    }
    return colourAnswers_.dequeue();
}

bool Scripted_Dialogs::Show_Help(QWidget*, const QString& helpFile) {
    helpFiles_ << helpFile;
    if (helpAnswers_.isEmpty()) {
        unexpected_ << QStringLiteral("help: ") + helpFile;
        return false;
    }
    return helpAnswers_.dequeue();
}
