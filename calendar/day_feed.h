#pragma once

// The titled days of a range as an iCalendar feed: one all-day event per day that has
// a title, the days of a fast or a feast that repeat the same title joined into one
// event of several days; beside them each seasonal fast period (category "Fast") from
// its first to its last day.

#include "base/interface_language.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

namespace MdlLectarium {

// A text value escaped for iCalendar: backslash, semicolon, comma, and line breaks as \n.
QString Ics_Text(const QString& text);

// A content line folded after at most 75 octets, never inside a UTF-8 sequence, with
// CR LF after every piece.
QByteArray Ics_Fold(const QByteArray& line);

// The feed of from..to (the days processed as lectarium-day processes a range, from the
// state at the start of a range). stamp is written as every event's DTSTAMP. Needs the
// name tables filled. In English the titles, the Coptic dates and the fasts are English.
QByteArray Calendar_Feed(const QDate& from, const QDate& to, const QDateTime& stamp,
                         Interface_Language language = Interface_Language::Classic);

} // namespace MdlLectarium
