#pragma once

// The calendar's names in English, for readers of the English interface: dates, the
// Coptic months, the titles of the days, the fasts and the feasts. Each is composed
// from the same parts as the Arabic one, so the two never tell of different days.

#include "base/interface_language.h"
#include "calendar/fasts.h"
#include "calendar/feast_dates.h"
#include "calendar/selected_day.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace MdlLectarium {

// "Sunday 25 April 2027".
QString English_Date(const QDate& date);

// The Coptic month in its usual English form, 1 = Tout .. 13 = Nasie; empty outside.
QString English_Coptic_Month(int month);

// "17 Baramouda 1743".
QString English_Coptic_Date(int day, int month, int year);

// The English title of a day from what Day_Title recorded for it: its Arabic title
// (for the lines named by themselves) and its season, week and day (for the lines
// composed from them). Lines keep their order and the "+" of the great days; a line
// with no English form is kept as it stands.
QString English_Day_Title(const QString& arabicTitle, const QString& seasonKey, Integer week, Integer day);

// Season_Day_Name in English: "Friday of the sixth week of Great Lent".
QString English_Season_Day_Name(const QString& seasonKey, Integer week, Integer day);

QString English_Fast_Name(Fast_Kind kind);
QString English_Fast_Food_Name(Fast_Food food);
QString English_Feast_Name(Feast feast);

// Fast_Line in English: "Fast of the Apostles: fish allowed"; empty on a day without a fast.
QString English_Fast_Line(const Day_Fast& fast);

// The English title of date as the day chooser titles it from the current state (for
// the day the state stands on, the title it shows). Leaves the selected-day state as it
// found it.
QString English_Title_Of(const QDate& date);

// The day's two date lines in the language: the Gregorian date with its weekday, then
// the Coptic date ("Sunday 25 April 2027", "17 Baramouda 1743" in English; the Arabic
// labels otherwise).
QStringList Date_Lines(const QDate& date, Interface_Language language);

} // namespace MdlLectarium
