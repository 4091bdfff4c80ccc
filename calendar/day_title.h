#pragma once

// The Arabic title of a liturgical day, and the seasonal keys recorded with it.

#include "calendar/selected_day.h"

#include <QDate>
#include <QString>

namespace MdlLectarium {

// Names the liturgical day of date in title and records its season in seasonKey,
// week and day; also sets Nineveh_Eve and, on the days that decide it, Paramoun_Day.
// copticDay, copticMonth and copticYear are the Coptic date of date; on the eves of
// Christmas and Theophany copticDay moves to the day whose readings serve the eve.
// seasonKey is emptied first; title, week and day keep what they held on days no
// rule names, so callers empty the title beforehand.
void Day_Title(const QDate& date, Integer& copticDay, Integer copticMonth, Integer copticYear, QString& title,
               QString& seasonKey, Integer& week, Integer& day);

// The name of a day of a season by the keys Day_Title records for it: seasonKey "Johan",
// "Fast", "Pain" or "Fifty" with its week and day (Monday 1 .. Sunday 7; the Saturday and
// Sunday before Lent are week -1, days 1 and 2). A day Day_Title names by itself keeps
// that name (the days of Nineveh, Lazarus Saturday, Palm Sunday, Holy Week, Easter,
// Pentecost); any other is its weekday, week and season: "الجمعة من الأسبوع السادس من
// الصوم الكبير". Empty for other keys or days outside the season. Needs the name tables.
QString Season_Day_Name(const QString& seasonKey, Integer week, Integer day);

// The title of Christmas, which also decides its rite.
QString Christmas_Title();

} // namespace MdlLectarium
