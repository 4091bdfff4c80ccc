#pragma once

// The moves of the day chooser's six date buttons, kept within the years 500 to 5000.

#include <QDate>
#include <QString>

namespace MdlLectarium {

enum class Date_Step { Day_Down, Day_Up, Month_Left, Month_Right, Year_Down, Year_Up };

// Days from 1 December 500 to 1 January 5001: a step that leaves the years 500..5000
// comes back in at the other end by this much.
constexpr qint64 Date_Wrap_Days = 1643622;

// The date one button press moves to. Month_Left goes forward by the length of the
// current month, Month_Right back by the length of the previous one; the year steps
// add or take 366 days when the February crossed has 29 days (Gregorian leap years).
QDate Step_Date(const QDate& date, Date_Step step);

// A Gregorian date as a person types it: year first (2027/3/17, 2027-03-17, 2027.3.17,
// 20270317) or as the chooser shows it, day first with a four-digit year (17/03/2027,
// 17/3/2027). Arabic-Indic digits count as digits; blanks around are ignored. Any
// other text, or a day that does not exist, gives an invalid date.
QDate Typed_Date(const QString& text);

} // namespace MdlLectarium
