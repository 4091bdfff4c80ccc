#include "tests/support/temp_folder.h"
#include "base/program_files.h"

#include "calendar/selected_day.h"
#include "lectionary/source_folder.h"

#include <QDir>
#include <QFile>

Temp_Program_Folder::Temp_Program_Folder()
    : previous_(MdlLectarium::Program_Folder), previousCurrent_(QDir::currentPath()) {
    MdlLectarium::Program_Folder = dir_.path();
    // The main window takes the program folder from the working folder.
    QDir::setCurrent(dir_.path());
}

Temp_Program_Folder::~Temp_Program_Folder() {
    MdlLectarium::Program_Folder = previous_;
    QDir::setCurrent(previousCurrent_);
}

QString Temp_Program_Folder::file(const QString& name) const {
    return QDir(dir_.path()).filePath(name);
}

void Temp_Program_Folder::write(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray Temp_Program_Folder::read(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Write_Empty_Lectionary(const QString& path) {
    QTemporaryDir emptySource;
    QString error;
    MdlLectarium::Build_Database(emptySource.path(), path, error);
    return error;
}
