#include "base/program_files.h"

#include <QDir>

namespace MdlLectarium {

QString Program_Folder;
QString Database_Path;

QString Program_File(const QString& name) {
    return QDir(Program_Folder).filePath(name);
}

} // namespace MdlLectarium
