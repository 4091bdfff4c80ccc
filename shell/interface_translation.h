#pragma once

#include "base/interface_language.h"

#include <Qt>

namespace Lectarium {

// Installs the program's own texts in the language of this run, with Qt's own for the
// standard buttons and dialogs, and turns the frame: right to left for Arabic, left to
// right otherwise. The classic mix keeps its English frame and Qt's Arabic buttons.
// False when the program's translation could not be loaded (the frame then stays classic).
bool Install_Interface_Language(MdlLectarium::Interface_Language language);

// The direction of the program's windows: right to left unless the run is in English.
Qt::LayoutDirection Window_Direction();

} // namespace Lectarium
