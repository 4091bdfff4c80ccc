#pragma once
#include "base/program_files.h"

#include <QString>
#include <QTemporaryDir>

// Writes a lectionary database with every table the program reads and no rows.
// Returns an empty string, or why it could not.
QString Write_Empty_Lectionary(const QString& path);

// A temporary program folder: sets MdlLectarium::Program_Folder and the working folder
// to a fresh folder and puts both back when it goes.
class Temp_Program_Folder final {
public:
    Temp_Program_Folder();
    ~Temp_Program_Folder();
    Temp_Program_Folder(const Temp_Program_Folder&) = delete;
    Temp_Program_Folder& operator=(const Temp_Program_Folder&) = delete;

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const;
    // Writes bytes to a file of the folder.
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir dir_;
    QString previous_;
    QString previousCurrent_;
};
