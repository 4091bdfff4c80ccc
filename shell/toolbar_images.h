#pragma once

// The images of the command toolbar, which child windows take as their icons.

#include <QIcon>

namespace Lectarium {

// Toolbar images 1..9 of the image list.
QIcon Toolbar_Image(int number);

} // namespace Lectarium
