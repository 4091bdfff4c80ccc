#pragma once

// The lectionary file as the program opens it: an SQLite database, or an Access (Jet)
// file that is read into memory once and then served like an SQLite one. The format
// is told by the file's content, whatever its name.

#include "lectionary/data_source.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace MdlLectarium {

// The opener for Set_Database_Opener: SQLite files are opened read-only, Access files
// are loaded into memory; the last Access file loaded is kept while it is unchanged on
// disk, so that the start-up check and the data sources read it once.
std::shared_ptr<Database> Open_Lectionary_File(const QString& path, QString& error);

// The start-up check of Lectarium.mdb: the file is SQLite or Access, can be read
// whole, and has the tables and fields the program reads. False with the problem in
// Arabic (with the technical reason after it) when it cannot be used. An Access file
// that passes stays loaded for the data sources.
bool Check_Database_File(const QString& path, QString& problem);

// The tables and fields the program reads that a database lacks, one line each.
QStringList Missing_Lectionary_Fields(Database& database);

// Writes an SQLite copy of an Access file. The copy is written beside the target under
// a temporary name and moved into place, so a failure leaves no file and an existing
// target untouched. The source is only read.
bool Convert_Access_File(const QString& accessPath, const QString& sqlitePath, QString& error);

} // namespace MdlLectarium
