#pragma once

// The folder the program reads its files from (the working folder at start-up) and the
// database in it.

#include <QString>

namespace MdlLectarium {

extern QString Program_Folder;
extern QString Database_Path;

// Path of a file in the program folder.
QString Program_File(const QString& name);

} // namespace MdlLectarium
