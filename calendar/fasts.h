#pragma once

// The fast a day falls in and what it allows, as most Coptic dioceses publish it,
// and the hour from which the evening belongs to the next liturgical day.

#include "base/interface_language.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

namespace MdlLectarium {

enum class Fast_Kind { None, Nineveh, Lent, Pascha, Apostles, Virgin, Nativity, Paramoun, WedFri };
enum class Fast_Food { None, Vegan, Fish };

struct Day_Fast {
    Fast_Kind kind = Fast_Kind::None;
    Fast_Food food = Fast_Food::None;
    friend bool operator==(const Day_Fast&, const Day_Fast&) = default;
};

// The fast of a day: the seasonal fasts first (Nineveh Monday to Wednesday, Great Lent
// from its Monday to Palm Sunday, the Pascha to Holy Saturday, the Apostles' fast from
// the Monday after Pentecost to 4 Abib, the Virgin's fast 1-15 Misra, the Nativity fast
// from 16 Hatour to the eve, the Paramoun days), else Wednesday and Friday outside the
// Fifty Days and the feasts of the Nativity and the Theophany. Fish is allowed in the
// Nativity, Apostles' and Virgin's fasts except on Wednesday and Friday. Leaves the
// selected-day state as it found it.
Day_Fast Fast_Of_Day(const QDate& date);

// "Nineveh", "Lent", ..., "WedFri", "-" for none.
QString Fast_Key(Fast_Kind kind);
// The Arabic name; empty for none.
QString Fast_Name(Fast_Kind kind);
// "vegan", "fish", "-".
QString Fast_Food_Key(Fast_Food food);
// What the fast allows in Arabic; empty for none.
QString Fast_Food_Name(Fast_Food food);
// The line the windows, printouts and the command line show: "صوم الرسل: يسمح بالسمك";
// empty on a day without a fast.
QString Fast_Line(const Day_Fast& fast);

// A line of lectarium-day --fasts: DATE<TAB>KEY<TAB>NAME<TAB>FOOD, "-" for no name; the
// name in English under English.
QString Fast_Report_Line(const QDate& date, Interface_Language language = Interface_Language::Classic);

// A run of days of one seasonal fast (not the Wednesdays and Fridays).
struct Fast_Period {
    Fast_Kind kind = Fast_Kind::None;
    QDate first;
    QDate last;
    friend bool operator==(const Fast_Period&, const Fast_Period&) = default;
};

// The seasonal fasts that touch from..to, each with its whole first and last day even
// where they lie outside the range.
QList<Fast_Period> Fast_Periods(const QDate& from, const QDate& to);

// The date whose liturgical day "now" belongs to: from eveningFromHour (0..23) on, the
// evening is the next day's, as Vespers begins it; a negative hour keeps the calendar day.
QDate Liturgical_Today(const QDateTime& now, int eveningFromHour);

} // namespace MdlLectarium
