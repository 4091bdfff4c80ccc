#include "shell/child_window.h"

#include "shell/single_window.h"

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QStyle>

#include <algorithm>

namespace Lectarium {

namespace {
QWidget* mainWindow = nullptr;
QMdiArea* frameArea = nullptr;
} // namespace

void Set_Frame(QWidget* window, QMdiArea* area) {
    mainWindow = window;
    frameArea = area;
}

QWidget* Main_Widget() {
    return mainWindow;
}

QMdiArea* Frame_Area() {
    return frameArea;
}

QWidget* Active_Form() {
    if (!frameArea)
        return QApplication::activeWindow();
    const QMdiSubWindow* active = frameArea->activeSubWindow();
    return active ? active->widget() : nullptr;
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

// Stores the placement of a form's window as the form closes.
class Placement_Keeper final : public QObject {
public:
    Placement_Keeper(QWidget* form, const Placement& placement) : QObject(form), placement_(placement) {
        setObjectName(QStringLiteral("Placement_Keeper"));
        form->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && watched == parent())
            Store_Placement(Placement_Widget(static_cast<QWidget*>(watched)), placement_);
        return false;
    }

private:
    Placement placement_;
};

} // namespace

void Bring_Forward(QWidget* form) {
    QWidget* window = Placement_Widget(form);
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window); sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
    window->raise();
    window->activateWindow();
}

QMdiSubWindow* Show_Child(QWidget* form, const char* placementName) {
    form->setAttribute(Qt::WA_DeleteOnClose);
    addEscape(form);
    Placement placement;
    if (placementName) {
        placement = Stored_Placement(placementName);
        if (!form->findChild<QObject*>(QStringLiteral("Placement_Keeper"), Qt::FindDirectChildrenOnly))
            new Placement_Keeper(form, placement);
    }
    if (!frameArea) {
        Restore_Placement(form, placement);
        form->show();
        return nullptr;
    }
    // The size the form asked for, which shows its content; the sub-window adds its frame.
    const QSize asked = form->testAttribute(Qt::WA_Resized) ? form->size() : form->sizeHint();
    QMdiSubWindow* sub = frameArea->addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(form->windowIcon());
    Restore_Placement(sub, placement);
    sub->show();
    if (!Has_Stored_Size(placement)) {
        // The frame around the form is known once the sub-window is shown.
        const QSize room = frameArea->viewport()->size();
        sub->resize((sub->size() - form->size() + asked).boundedTo(room).expandedTo(sub->minimumSizeHint()));
    }
    // Placed by its values and its final size, then turned for a right-to-left frame.
    if (!sub->isMaximized() && !sub->isMinimized())
        sub->setGeometry(In_Frame_Direction(sub, sub->geometry()));
    Keep_Inside_Frame(sub);
    // Fitted to this frame only: the stored place stays for a larger frame.
    Mark_Placed(sub);
    return sub;
}

void Keep_Inside_Frame(QMdiSubWindow* sub) {
    if (!sub->mdiArea() || sub->isMaximized() || sub->isMinimized())
        return;
    // Along each side: a window that fits is moved in whole; one larger than the frame
    // keeps its place unless its corner lies outside.
    const QSize room = sub->mdiArea()->viewport()->size();
    auto inside = [](int at, int length, int space) {
        if (length <= space)
            return std::clamp(at, 0, space - length);
        return at < 0 || at >= space ? 0 : at;
    };
    const QRect placed = sub->geometry();
    const QPoint moved(inside(placed.x(), placed.width(), room.width()),
                       inside(placed.y(), placed.height(), room.height()));
    if (moved != placed.topLeft())
        sub->move(moved);
}

void Use_Frame_Room(QMdiSubWindow* sub) {
    if (!sub->mdiArea() || sub->isMaximized() || sub->isMinimized())
        return;
    const QSize room = sub->mdiArea()->viewport()->size();
    const QRect placed = sub->geometry();
    const int margin = sub->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth) * 4;
    sub->setGeometry(margin, margin, std::max(placed.width(), room.width() - 2 * margin),
                     std::max(placed.height(), room.height() - 2 * margin));
    Keep_Inside_Frame(sub);
    Mark_Placed(sub);
}

QWidget* Placement_Widget(QWidget* form) {
    auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    return sub ? static_cast<QWidget*>(sub) : form;
}

} // namespace Lectarium
