#include "shell/placement.h"

#include "base/settings.h"
#include "shell/interface_translation.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QStyle>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace Lectarium {

int To_Pixels(int twips) {
    return static_cast<int>(std::lround(twips / static_cast<double>(Twips_Per_Pixel)));
}

int To_Twips(int pixels) {
    return pixels * Twips_Per_Pixel;
}

QRect To_Pixels(const QRect& twips) {
    return QRect(To_Pixels(twips.x()), To_Pixels(twips.y()), To_Pixels(twips.width()),
                 To_Pixels(twips.height()));
}

QRect In_Window_Direction(const QRect& pixels, int parentWidth) {
    if (Window_Direction() == Qt::RightToLeft)
        return pixels;
    return QStyle::visualRect(Qt::RightToLeft, QRect(0, 0, parentWidth, 1), pixels);
}

QRect Placed(const QRect& twips, int parentTwips) {
    return In_Window_Direction(To_Pixels(twips), To_Pixels(parentTwips));
}

namespace {
const char* const placedProperty = "lectariumPlacedAt";

qint16 clampTwips(int twips) {
    return static_cast<qint16>(std::clamp(twips, -32768, 32767));
}
} // namespace

bool Spring_Back(QWidget* window, int minimumWidthTwips, int minimumHeightTwips) {
    if (window->isMinimized() || window->isMaximized())
        return false;
    const QSize outer = window->size();
    const int minWidth = To_Pixels(minimumWidthTwips);
    const int minHeight = To_Pixels(minimumHeightTwips);
    if (outer.width() >= minWidth && outer.height() >= minHeight)
        return false;
    window->resize(std::max(outer.width(), minWidth), std::max(outer.height(), minHeight));
    return true;
}

qint16 Stored_State(const QWidget* window) {
    if (window->isMinimized())
        return 1;
    if (window->isMaximized())
        return 2;
    return 0;
}

Placement Stored_Placement(const char* name) {
    auto value = [name](const char* suffix) {
        return MdlLectarium::Integer_Setting(QLatin1String(name) + QLatin1Char('_') + QLatin1String(suffix));
    };
    Placement p;
    p.state = value("WindowState");
    p.top = value("Top");
    p.left = value("Left");
    p.width = value("Width");
    p.height = value("Height");
    if (!p.state && !p.top && !p.left && !p.width && !p.height)
        p.ownName = QLatin1String(name);
    return p;
}

namespace {

// Qt's settings of the program: on Linux ~/.config/Lectarium/Lectarium.conf.
const QString settingsOwner = QStringLiteral("Lectarium");

QString ownKey(const Placement& p, const char* what) {
    return QStringLiteral("Placement/") + p.ownName + QLatin1Char('_') + QLatin1String(what);
}

} // namespace

QRect In_Frame_Direction(const QWidget* window, const QRect& rect) {
    const auto* sub = qobject_cast<const QMdiSubWindow*>(window);
    const QMdiArea* area = sub ? sub->mdiArea() : nullptr;
    if (!area)
        return rect;
    return QStyle::visualRect(area->layoutDirection(), area->viewport()->rect(), rect);
}

void Restore_Placement(QWidget* window, const Placement& p) {
    window->setWindowState(Qt::WindowNoState);
    // A top-level window is placed and measured by its client area: that is what the
    // platform hands back exactly once the window manager has framed the window, so an
    // unmoved window comes back where it was. A sub-window is its own frame.
    QRect placed = window->geometry();
    bool maximised = p.state && *p.state == 2;
    if (!p.ownName.isEmpty()) {
        const QSettings settings(settingsOwner, settingsOwner);
        const QRect kept = settings.value(ownKey(p, "Geometry")).toRect();
        if (kept.isValid())
            placed = kept;
        maximised = settings.value(ownKey(p, "WindowState")).toInt() == 2;
    }
    if (p.width && p.height)
        placed.setSize(QSize(std::max(1, To_Pixels(*p.width)), std::max(1, To_Pixels(*p.height))));
    if (p.top && p.left)
        placed.moveTopLeft(QPoint(To_Pixels(*p.left), To_Pixels(*p.top)));
    window->setGeometry(placed);
    // Remembered so that an unmoved window writes back exactly what it was placed from.
    window->setProperty(placedProperty, window->geometry());
    if (maximised)
        window->setWindowState(Qt::WindowMaximized);
}

bool Has_Stored_Size(const Placement& p) {
    if (p.width && p.height)
        return true;
    return !p.ownName.isEmpty() &&
           QSettings(settingsOwner, settingsOwner).value(ownKey(p, "Geometry")).toRect().isValid();
}

void Mark_Placed(QWidget* window) {
    window->setProperty(placedProperty, window->geometry());
}

void Store_Placement(const QWidget* window, const Placement& p) {
    const qint16 state = Stored_State(window);
    if (!p.ownName.isEmpty()) {
        // Kept as the settings file keeps a run's placements: only while the option to
        // save window places on exit is ticked.
        if (!MdlLectarium::Menu_Checked(MdlLectarium::Menu_Option::Save_On_Exit))
            return;
        QSettings settings(settingsOwner, settingsOwner);
        settings.setValue(ownKey(p, "WindowState"), state);
        if (state == 0)
            settings.setValue(ownKey(p, "Geometry"), In_Frame_Direction(window, window->geometry()));
        return;
    }
    if (p.state)
        *p.state = state;
    if (state != 0)
        return;
    if (window->property(placedProperty).toRect() == window->geometry())
        return;
    const QRect placed = In_Frame_Direction(window, window->geometry());
    // A stored value that still names the same pixel is kept: twips do not divide into
    // whole pixels, and rewriting them would move a window a little at every run.
    auto store = [](qint16* stored, int pixels) {
        if (stored && To_Pixels(*stored) != pixels)
            *stored = clampTwips(To_Twips(pixels));
    };
    store(p.width, placed.width());
    store(p.height, placed.height());
    store(p.top, placed.top());
    store(p.left, placed.left());
}

} // namespace Lectarium
