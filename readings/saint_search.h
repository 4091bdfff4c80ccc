#pragma once

// The search of the synaxarium: the day's commemorations found by any part of a name,
// Arabic folded as the Bible search folds it, or English.

#include "lectionary/data_source.h"

#include <QDate>
#include <QList>
#include <QString>

namespace MdlLectarium {

struct Commemoration {
    int copticMonth = 0;
    int copticDay = 0;
    QString name;
    friend bool operator==(const Commemoration&, const Commemoration&) = default;
};

// Every commemoration of a database, one per line of Story and, where the database
// has it, of Story_En, in the order of the days (a day's Arabic names before its
// English ones). False with error when Story cannot be read.
bool Read_Commemorations(Database& database, QList<Commemoration>& out, QString& error);

// The commemorations whose name holds text: Arabic regardless of the marks, the alef
// forms, ى/ي and ة/ه; Latin letters regardless of case. An empty text finds nothing.
QList<Commemoration> Find_Commemorations(const QList<Commemoration>& all, const QString& text);

// The Gregorian day of a Coptic date in a Gregorian year; invalid when the year has none.
QDate Commemoration_Date(const Commemoration& day, int gregorianYear);

// A line of lectarium-day --saint: COPTIC_DAY COPTIC_MONTH<TAB>GREGORIAN DATE<TAB>NAME,
// the Gregorian date as yyyy-MM-dd or "-" when the year has no such day. Needs the
// name tables.
QString Commemoration_Line(const Commemoration& day, int gregorianYear);

} // namespace MdlLectarium
