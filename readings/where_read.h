#pragma once

// The answer to "where is this passage read": each reading of the index that covers the
// verses, with its office and slot and the days of a given year on which it is read.

#include <QString>
#include <QStringList>

namespace MdlLectarium {

// One line per reading: table and keys, office and slot (or the Holy Week hour), the
// reference, and the dates of year (YYYY-MM-DD) on which the day chooser's Show reads
// that row. False with a reason when the reference names no known book or the database
// has no index. Needs the name and book tables; leaves the selected-day state as it
// found it.
bool Where_Read_Report(const QString& databasePath, const QString& reference, int year, QStringList& lines,
                       QString& error);

} // namespace MdlLectarium
