#pragma once

// Access (Jet 3 and Jet 4) lectionary files. Every user table is read through mdbtools
// into an in-memory SQLite database with the same table and column names and the rows
// in stored order, so that the data sources answer from it exactly as from an SQLite
// file. Nothing is written to the file or beside it.
//
// mdbtools follows page numbers, row offsets and long-value chains as it finds them.
// Before it is given a structure, the reader checks that every page it names is in
// the file and every offset lies inside its page and row, and it follows the chains
// of long texts itself with a bound on the steps: a truncated or damaged file ends in
// a reason, never in a crash or an endless loop.

#include "lectionary/sqlite_database.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace MdlLectarium {

enum class Database_Format {
    Missing,     // no such file
    Not_Regular, // a folder, a named pipe or a device: never opened for reading
    Unreadable,  // it exists but cannot be read
    Sqlite,
    Jet3,  // Access 97 and earlier: 2 KB pages, texts in a code page
    Jet4,  // Access 2000 to 2003: 4 KB pages, Unicode texts
    Other, // anything else, an empty file included
};

// The format told by the first bytes of a regular file.
Database_Format Database_File_Format(const QString& path);
Database_Format Database_Bytes_Format(const QByteArray& head);

// Reads an Access file into a new in-memory database. Null with a reason when the file
// is not an Access file, is damaged or truncated, or cannot be read.
std::shared_ptr<Sqlite_Database> Open_Access_File(const QString& path, QString& error);
// The same from the bytes of a file.
std::shared_ptr<Sqlite_Database> Open_Access_Bytes(QByteArray bytes, QString& error);

// The code page in which a Jet 3 file's texts are read: the one its header names
// when the header names one that can be decoded, else 1256 (Arabic Windows).
int Jet3_Code_Page(int headerCodePage);

} // namespace MdlLectarium
