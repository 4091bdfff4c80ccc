#pragma once

// Bible modules of the user's SWORD library (SWORD_PATH, ~/.sword, /usr/share/sword and
// the other places SWORD looks), read directly through libsword. Only lectarium-db links
// this; the program reads the database that it helps to build.

#include <QList>
#include <QString>
#include <QStringList>

namespace MdlLectarium {

struct Sword_Module {
    QString name;
    QString language;
    QString versification;
    QString description;
};

// The installed Bible modules, by name.
QList<Sword_Module> Sword_Bible_Modules();

// Writes SOURCE_FOLDER/Bible.txt from a Bible module: every verse of the 73 books that
// the module has, the markup stripped, mapped as Import_Bible maps an export. A module
// whose versification numbers the psalms the Greek way is first mapped onto NRSVA (the
// Hebrew numbering of the shipped tables) through SWORD's own versification mapping.
bool Import_Sword_Bible(const QString& module, const QString& sourceFolder, QStringList& report,
                        QString& error);

} // namespace MdlLectarium
