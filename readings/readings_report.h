#pragma once

// A day's readings as text, for lectarium-day --readings: what the readings window (or,
// in Holy Week, the Holy Week window) shows for the day, laid out to be read.

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>

namespace MdlLectarium {

// Processes the day as the day chooser's Show does and reads it from the database at
// databasePath. withText adds the passage of every reference and the story. UTF-8,
// LF line ends. False, with error, when the database cannot be opened. passage, when
// given, writes the text of a reference in place of the database's Bible.
bool Readings_Report(const QDate& date, const QString& databasePath, bool withText, QByteArray& out,
                     QString& error, const std::function<QString(const QString& reference)>& passage = {});

} // namespace MdlLectarium
