#pragma once

#include "shell/dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Answers dialogs from queues filled in advance and records every call. A call with
// no answer queued is recorded as unexpected: tests check Unexpected() is empty.
// Installs itself for its lifetime.
class Scripted_Dialogs final : public Lectarium::Dialog_Layer {
public:
    struct Message_Call {
        QString text;
        QString caption;
        Lectarium::Msg_Buttons buttons;
        Lectarium::Msg_Icon icon;
    };

    Scripted_Dialogs();
    ~Scripted_Dialogs() override;
    Scripted_Dialogs(const Scripted_Dialogs&) = delete;
    Scripted_Dialogs& operator=(const Scripted_Dialogs&) = delete;

    void Answer_Message(Lectarium::Msg_Answer answer) { messageAnswers_.enqueue(answer); }
    void Answer_Open(const QString& path) { openAnswers_.enqueue(path); }
    void Answer_Save(const QString& path) { saveAnswers_.enqueue(path); }
    void Answer_Font(std::optional<QFont> font) { fontAnswers_.enqueue(font); }
    void Answer_Color(std::optional<QColor> colour) { colourAnswers_.enqueue(colour); }
    void Answer_Help(bool shown) { helpAnswers_.enqueue(shown); }

    const QList<Message_Call>& Messages() const { return messages_; }
    const QStringList& Help_Files() const { return helpFiles_; }
    // The names the save dialogs offered, and the filters of the file dialogs.
    const QStringList& Save_Proposals() const { return saveProposals_; }
    // The folder each open or save dialog started in (empty: none given).
    const QStringList& Dialog_Folders() const { return dialogFolders_; }
    const QStringList& File_Filters() const { return fileFilters_; }
    const QStringList& Unexpected() const { return unexpected_; }
    // True when every queued answer was used.
    bool All_Answered() const;

    Lectarium::Msg_Answer Message(QWidget* parent, const QString& text, const QString& caption,
                                  Lectarium::Msg_Buttons buttons, Lectarium::Msg_Icon icon) override;
    QString Open_File(QWidget* parent, const QString& title, const QString& folder,
                      const QString& filter) override;
    QString Save_File(QWidget* parent, const QString& title, const QString& proposedPath,
                      const QString& filter) override;
    std::optional<QFont> Choose_Font(QWidget* parent, const QFont& initial) override;
    std::optional<QColor> Choose_Color(QWidget* parent, const QColor& initial) override;
    bool Show_Help(QWidget* parent, const QString& helpFile) override;

private:
    QQueue<Lectarium::Msg_Answer> messageAnswers_;
    QQueue<QString> openAnswers_;
    QQueue<QString> saveAnswers_;
    QQueue<std::optional<QFont>> fontAnswers_;
    QQueue<std::optional<QColor>> colourAnswers_;
    QQueue<bool> helpAnswers_;
    QList<Message_Call> messages_;
    QStringList helpFiles_;
    QStringList saveProposals_;
    QStringList dialogFolders_;
    QStringList fileFilters_;
    QStringList unexpected_;
};
