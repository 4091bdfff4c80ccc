#include "shell/placement.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace Lectarium {

int To_Pixels(int twips)
{
    return static_cast<int>(std::lround(twips / static_cast<double>(Twips_Per_Pixel)));
}

int To_Twips(int pixels)
{
    return pixels * Twips_Per_Pixel;
}

namespace {
const char* const placedProperty = "lectariumPlacedAt";

qint16 clampTwips(int twips)
{
    return static_cast<qint16>(std::clamp(twips, -32768, 32767));
}
} // namespace

bool Spring_Back(QWidget* window, int minimumWidthTwips, int minimumHeightTwips)
{
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

qint16 Stored_State(const QWidget* window)
{
    if (window->isMinimized())
        return 1;
    if (window->isMaximized())
        return 2;
    return 0;
}

void Restore_Placement(QWidget* window, const Placement& p)
{
    window->setWindowState(Qt::WindowNoState);
    // Stored sizes are outer sizes; the frame is added back where the platform has one.
    const QSize frameExtra = window->frameGeometry().size() - window->size();
    if (p.width && p.height)
        window->resize(std::max(1, To_Pixels(*p.width) - frameExtra.width()),
                       std::max(1, To_Pixels(*p.height) - frameExtra.height()));
    if (p.top && p.left)
        window->move(To_Pixels(*p.left), To_Pixels(*p.top));
    // Remembered so that an unmoved window writes back exactly what it was placed from,
    // even when the platform adds its frame only after this.
    window->setProperty(placedProperty, QRect(window->pos(), window->size()));
    if (p.state && *p.state == 2)
        window->setWindowState(Qt::WindowMaximized);
}

void Store_Placement(const QWidget* window, const Placement& p)
{
    const qint16 state = Stored_State(window);
    if (p.state)
        *p.state = state;
    if (state != 0)
        return;
    if (window->property(placedProperty).toRect() == QRect(window->pos(), window->size()))
        return;
    const QRect outer = window->frameGeometry();
    // A stored value that still names the same pixel is kept: twips do not divide into
    // whole pixels, and rewriting them would move a window a little at every run.
    auto store = [](qint16* stored, int pixels) {
        if (stored && To_Pixels(*stored) != pixels)
            *stored = clampTwips(To_Twips(pixels));
    };
    store(p.width, outer.width());
    store(p.height, outer.height());
    store(p.top, outer.top());
    store(p.left, outer.left());
}

} // namespace Lectarium
