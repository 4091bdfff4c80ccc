#pragma once

// The reader's own church year: the hour from which the evening belongs to the next
// liturgical day, and the patron saint of their church, whose days the feast list
// shows. Kept in Qt's own settings file of the user, never in Lectarium.ini.

#include "calendar/feast_dates.h"

#include <QDate>
#include <QList>
#include <QTime>

#include <functional>

namespace MdlLectarium {

// The hour 0-23 from which "today" is the next liturgical day; -1 when the option is
// off (the default, the calendar day).
int Stored_Evening_Hour();
void Store_Evening_Hour(int hour);

// The patron saint's commemorations (name and Coptic date); empty when none is chosen.
QList<Coptic_Feast> Stored_Patron_Days();
void Store_Patron_Days(const QList<Coptic_Feast>& days);

// "Today" as the day chooser, the date bar and Home mean it: Today() at the clock's
// hour, the next day from the evening hour on.
QDate Reader_Today();

// The clock's time of day; replaceable so that tests can fix the hour.
QTime Clock_Time();
void Set_Clock_Source(std::function<QTime()> source);

} // namespace MdlLectarium
