#include "shell/child_window.h"

#include "shell/mdi_lectarium.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>

namespace Lectarium {

namespace {
MDILectarium* mainWindow = nullptr;
}

MDILectarium* Main_Window() {
    return mainWindow;
}

void Set_Main_Window(MDILectarium* window) {
    mainWindow = window;
}

namespace {

// Escape closes a child window as its close box does, with the window's own close
// handling (a document still asks about unsaved changes). Open lists and calendars
// are windows of their own and take their Escape first.
void addEscape(QWidget* form) {
    const QString name = QStringLiteral("Escape_Close");
    if (form->findChild<QShortcut*>(name, Qt::FindDirectChildrenOnly))
        return;
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), form);
    escape->setObjectName(name);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, &QShortcut::activated, form, [form] { Placement_Widget(form)->close(); });
}

} // namespace

QMdiSubWindow* Show_Child(QWidget* form, const Placement& placement) {
    form->setAttribute(Qt::WA_DeleteOnClose);
    addEscape(form);
    if (!mainWindow) {
        Restore_Placement(form, placement);
        form->show();
        return nullptr;
    }
    QMdiSubWindow* sub = mainWindow->Mdi_Area()->addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(form->windowIcon());
    Restore_Placement(sub, placement);
    sub->show();
    return sub;
}

QWidget* Placement_Widget(QWidget* form) {
    auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    return sub ? static_cast<QWidget*>(sub) : form;
}

} // namespace Lectarium
