#pragma once

// Every message box, file, font and colour dialog and the help viewer go through this
// layer, so that tests can answer them. The real layer uses Qt's dialogs.

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

namespace Lectarium {

enum class Msg_Buttons { Ok, Yes_No, Yes_No_Cancel };
enum class Msg_Icon { None, Stop, Question, Exclamation, Information };
enum class Msg_Answer { Ok, Yes, No, Cancel };

class Dialog_Layer {
public:
    virtual ~Dialog_Layer() = default;

    virtual Msg_Answer Message(QWidget* parent, const QString& text, const QString& caption,
                               Msg_Buttons buttons, Msg_Icon icon) = 0;
    // Filters in the form "Text File (*.txt)|*.txt". An empty result means cancelled.
    virtual QString Open_File(QWidget* parent, const QString& title, const QString& folder,
                              const QString& filter) = 0;
    virtual QString Save_File(QWidget* parent, const QString& title, const QString& proposedPath,
                              const QString& filter) = 0;
    virtual std::optional<QFont> Choose_Font(QWidget* parent, const QFont& initial) = 0;
    virtual std::optional<QColor> Choose_Color(QWidget* parent, const QColor& initial) = 0;
    // Shows the contents of a help file; false when it cannot be shown.
    virtual bool Show_Help(QWidget* parent, const QString& helpFile) = 0;
};

// The layer in use; the real one unless a test installed another.
Dialog_Layer& Dialogs();
// Installs a layer (not owned); nullptr returns to the real one.
void Set_Dialogs(Dialog_Layer* layer);

// "Text File (*.txt)|*.txt" -> "Text File (*.txt)".
QString Qt_Filter(const QString& filter);

} // namespace Lectarium
