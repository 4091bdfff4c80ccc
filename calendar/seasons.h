#pragma once

// Easter and the choices that follow from the day's place in the church year: the
// readings table of the day and its rite number.

#include "calendar/selected_day.h"

#include <QDate>

namespace MdlLectarium {

// Easter of a Coptic year (Alexandrian computus on the Julian calendar) as a
// Gregorian date: the Sunday after the paschal full moon in the year
// copticYear + 284, exact for any year.
QDate Easter_Date(Integer copticYear);

// 29 Baramhat from the Friday that ends Lent to Easter Sunday (daysFromEaster -9..0):
// the Annunciation is not kept that year and the day keeps its own season, readings
// and rite.
bool Annunciation_Set_Aside(Integer copticMonth, Integer copticDay, qint64 daysFromEaster);

// Final readings table of the selected day. Reads and may change Season_Key,
// Coptic_Month and Season_Day; run after Day_Title and Rite_Number.
void Reading_Source();

// Rite number 1..17 of the selected day into Rite_No. Sees Season_Key as Day_Title
// left it, so it runs before Reading_Source.
void Rite_Number();

} // namespace MdlLectarium
