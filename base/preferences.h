#pragma once

// The reader's preferences beyond Lectarium.ini, whose 49 lines stay as they are: Qt's own
// settings file of the user (~/.config/Lectarium/Lectarium.conf on Linux), the same file
// whichever program or tool opens it.

#include <QSettings>

namespace MdlLectarium {

QSettings Preferences();

} // namespace MdlLectarium
