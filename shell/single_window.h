#pragma once

// A child window that exists at most once. Every such form offers the same entry
// points: Instance() (the open window or nullptr), Show_Window() (open it; an open
// window is used again) and, where a fresh window replaces the open one, Reload().

#include "shell/child_window.h"

#include <QPointer>
#include <QWidget>

namespace Lectarium {

// Shows a form's window in front: a minimised one opens normal, a sub-window becomes
// the main window's active one.
void Bring_Forward(QWidget* form);

template <class Form> class Single_Window {
public:
    Form* Get() const { return form_.data(); }

    // The open window brought forward, or nullptr when none is open.
    Form* Bring_Forward() const {
        if (form_)
            Lectarium::Bring_Forward(form_);
        return form_.data();
    }

    // Closes the open window, which stores its placement for the next one to take.
    void Close() {
        if (Form* old = form_.data()) {
            form_ = nullptr;
            Placement_Widget(old)->close();
        }
    }

    Form* Keep(Form* form) {
        form_ = form;
        return form;
    }

    // Called as the window closes: a window closed but not yet destroyed is not the
    // one to bring forward again.
    void Forget(const Form* form) {
        if (form_ == form)
            form_ = nullptr;
    }

private:
    QPointer<Form> form_;
};

} // namespace Lectarium
