#pragma once

// Checks that every reading reference of a lectionary database can be resolved: the
// book abbreviation is known and the verses are in the table Bible (or, for a psalm,
// the reference is in the table Psalmos).

#include <QString>
#include <QStringList>

namespace MdlLectarium {

// Fills problems with one line per reference that cannot be resolved, naming the table,
// the keys and the field. False with a reason when the database cannot be read.
bool Check_Database(const QString& databasePath, QStringList& problems, QString& error);

} // namespace MdlLectarium
