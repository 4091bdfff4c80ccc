#pragma once
#include "base/program_files.h"

#include <QString>

namespace MdlLectarium {

// Start-up: reads the settings, resets the eve flags, sets Database_Path and fills
// the name tables and the Bible book tables. Returns false when the settings had to
// fall back to the defaults and the default file could not be written; the reason
// goes to settingsError. Everything else is filled in either case.
bool Init_Tables(QString* settingsError = nullptr);

} // namespace MdlLectarium
