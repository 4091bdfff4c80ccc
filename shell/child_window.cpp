#include "shell/child_window.h"

#include "shell/mdi_lectarium.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace Lectarium {

namespace {
MDILectarium* mainWindow = nullptr;
}

MDILectarium* Main_Window()
{
    return mainWindow;
}

void Set_Main_Window(MDILectarium* window)
{
    mainWindow = window;
}

QMdiSubWindow* Show_Child(QWidget* form, const Placement& placement)
{
    form->setAttribute(Qt::WA_DeleteOnClose);
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

QWidget* Placement_Widget(QWidget* form)
{
    auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    return sub ? static_cast<QWidget*>(sub) : form;
}

} // namespace Lectarium
