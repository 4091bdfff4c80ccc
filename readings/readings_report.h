#pragma once

// A day's readings as text, for lectarium-day --readings: what the readings window (or,
// in Holy Week, the Holy Week window) shows for the day, laid out to be read.

#include "base/interface_language.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>

namespace MdlLectarium {

// Processes the day as the day chooser's Show does and reads it from the database at
// databasePath. withText adds the passage of every reference and the story. UTF-8,
// LF line ends. False, with error, when the database cannot be opened. passage, when
// given, writes the text of a reference in place of the database's Bible. In English
// the dates, the title, the fast, the captions and the commemorations are English; the
// references and the Bible text are as the database has them.
bool Readings_Report(const QDate& date, const QString& databasePath, bool withText, QByteArray& out,
                     QString& error, const std::function<QString(const QString& reference)>& passage = {},
                     Interface_Language language = Interface_Language::Classic);

} // namespace MdlLectarium
