#include "shell/text_source.h"

#include "shell/appearance.h"
#include "shell/main_commands.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QPointer>
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
    QPointer<QPlainTextEdit> box;
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

} // namespace

void Track_Text_Source(QWidget* form, QPlainTextEdit* box, int code, std::function<void()> onFocus) {
    tracked[code] = Tracked{form, box, std::move(onFocus)};
    new Focus_Watch(form, code);
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

QPlainTextEdit* Text_Source(int code) {
    const auto it = tracked.find(code);
    return it == tracked.end() ? nullptr : it->second.box.data();
}

} // namespace Lectarium
