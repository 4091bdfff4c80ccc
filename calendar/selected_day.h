#pragma once

// The selected-day state, the Arabic name tables and the Coptic date conversion.
// Module-level data shared by the calendar, the readings windows and the shell.

#include "base/integer.h"

#include <QDate>
#include <QString>

#include <array>
#include <functional>

namespace MdlLectarium {

extern QDate Selected_Date;
extern Integer Coptic_Day;
extern Integer Coptic_Month;
extern Integer Coptic_Year;
extern QString Occasion_Title;
extern QString Season_Key;
extern Integer Season_Week;
extern Integer Season_Day;
extern Integer Pain_Day;
extern Integer Rite_No;
extern bool Nineveh_Eve;
extern bool Paramoun_Day;

extern std::array<QString, 8> Day_Names;           // 1 = Sunday .. 7 = Saturday
extern std::array<QString, 13> Month_Names;        // 1..12
extern std::array<QString, 14> Coptic_Month_Names; // 1..13
extern std::array<QString, 6> Ordinal_Names;       // 1..5
extern std::array<QString, 8> Day_Ordinals;        // 1..7
extern std::array<QString, 9> Lent_Week_Names;     // 0..8
extern std::array<QString, 8> Fifty_Week_Names;    // 0..7

// Fills the calendar name tables (start-up, the tools and the tests).
void Fill_Name_Tables();

// Julian Day Number of 1 Tout of the Coptic year 1 (29 August 284, Julian calendar).
constexpr qint64 Coptic_Epoch_Julian_Day = 1825030;

// The Coptic day, month (1..13) and year of a Gregorian date, exact for any date.
void Coptic_Date(const QDate& date, Integer& day, Integer& month, Integer& year);

// The date that is day, month, year on the Julian calendar, on which the Coptic
// calendar and the Alexandrian Easter tables are kept.
QDate Julian_Calendar_Date(int year, int month, int day);

// Weekday number, 1 = Sunday .. 7 = Saturday.
int Weekday_Number(const QDate& date);

// Today's date; replaceable so that tests can fix "today".
QDate Today();
void Set_Today_Source(std::function<QDate()> source);

} // namespace MdlLectarium
