#pragma once

// The pictures of the opening and About windows, drawn so that the program needs no
// image files.

#include <QPixmap>
#include <QSize>

namespace Lectarium {

// The introduction's upper picture: a Coptic cross over an open lectionary.
QPixmap Introduction_Picture(const QSize& size);
// The large picture of the splash window: a church under an evening sky with the
// product's name.
QPixmap Splash_Picture(const QSize& size);
// The small picture of the About window.
QPixmap About_Picture(const QSize& size);

} // namespace Lectarium
