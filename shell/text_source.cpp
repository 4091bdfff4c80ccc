#include "shell/text_source.h"

#include "shell/appearance.h"
#include "shell/main_commands.h"
#include "shell/reading_box.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextDocument>
#include <QWidget>

#include <map>
#include <utility>

namespace MdlLectarium {

Integer Active_Text_Source = No_Text_Source;

} // namespace MdlLectarium

namespace Lectarium {

using namespace MdlLectarium;

namespace {

struct Tracked {
    QPointer<const QWidget> form;
    QPointer<QWidget> box;
    std::function<QString()> text; // the box's text; called while the box lives
    std::function<void()> onFocus;
};

std::map<int, Tracked> tracked;

const std::pair<const int, Tracked>* entryOf(const QWidget* form) {
    for (const auto& entry : tracked)
        if (entry.second.form == form && form)
            return &entry;
    return nullptr;
}

// Watches the form and every control it holds.
class Focus_Watch final : public QObject {
public:
    Focus_Watch(QWidget* form, int code) : QObject(form), form_(form), code_(code) {
        setObjectName(QStringLiteral("Text_Source_Watch"));
        form->installEventFilter(this);
        for (QWidget* control : form->findChildren<QWidget*>())
            control->installEventFilter(this);
    }

    ~Focus_Watch() override {
        // The form is going: its text can no longer be saved.
        const auto it = tracked.find(code_);
        if (it != tracked.end() && (!it->second.form || it->second.form == form_)) {
            tracked.erase(it);
            if (Active_Text_Source == code_)
                Set_Command_Enabled(Main_Command::Save, false);
        }
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            Take_Text_Source(form_);
        else if (event->type() == QEvent::FocusOut && !Focus_Lent_To_Menu(static_cast<QFocusEvent*>(event)))
            Leave_Text_Source(form_);
        return false;
    }

private:
    const QWidget* form_;
    int code_;
};

void track(QWidget* form, QWidget* box, std::function<QString()> text, int code,
           std::function<void()> onFocus) {
    tracked[code] = Tracked{form, box, std::move(text), std::move(onFocus)};
    new Focus_Watch(form, code);
}

} // namespace

void Track_Text_Source(QWidget* form, QPlainTextEdit* box, int code, std::function<void()> onFocus) {
    // The text as the box holds it: toPlainText would turn no-break spaces into blanks.
    track(
        form, box,
        [box] { return box->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')); },
        code, std::move(onFocus));
}

void Track_Text_Source(QWidget* form, Reading_Box* box, int code, std::function<void()> onFocus) {
    track(
        form, box, [box] { return box->Text(); }, code, std::move(onFocus));
}

void Take_Text_Source(const QWidget* form) {
    const auto* entry = entryOf(form);
    if (!entry)
        return;
    Active_Text_Source = static_cast<Integer>(entry->first);
    Set_Command_Enabled(Main_Command::Save, true);
    if (entry->second.box)
        Apply_Text_Appearance(entry->second.box);
    if (entry->second.onFocus)
        entry->second.onFocus();
}

void Leave_Text_Source(const QWidget* form) {
    if (entryOf(form))
        Set_Command_Enabled(Main_Command::Save, false);
}

std::optional<QString> Text_Source_Text(int code) {
    const auto it = tracked.find(code);
    if (it == tracked.end() || !it->second.box)
        return std::nullopt;
    return it->second.text();
}

} // namespace Lectarium
