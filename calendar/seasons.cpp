#include "calendar/seasons.h"

#include "calendar/day_title.h"

#include <initializer_list>
#include <utility>

namespace MdlLectarium {

namespace {

// Whole-number remainder that stays non-negative for years before the era, as
// x - Int(x / n) * n does with Int rounding down.
int floorMod(int x, int n) {
    const int r = x % n;
    return r < 0 ? r + n : r;
}

bool isOneOf(Integer month, Integer day, std::initializer_list<std::pair<int, int>> days) {
    for (const auto& [m, d] : days)
        if (month == m && day == d)
            return true;
    return false;
}

// The selected day falls on 29 Baramhat in the days the Annunciation yields to.
bool annunciationSetAsideToday() {
    if (Coptic_Month != 7 || Coptic_Day != 29)
        return false;
    Integer day = 0, month = 0, year = 0;
    Coptic_Date(Selected_Date, day, month, year);
    return Annunciation_Set_Aside(Coptic_Month, Coptic_Day, Easter_Date(year).daysTo(Selected_Date));
}

} // namespace

bool Annunciation_Set_Aside(Integer copticMonth, Integer copticDay, qint64 daysFromEaster) {
    return copticMonth == 7 && copticDay == 29 && daysFromEaster >= -9 && daysFromEaster <= 0;
}

QDate Easter_Date(Integer copticYear) {
    const int x = floorMod(copticYear - 1, 19);
    int y = (11 * x) % 30;
    if (y == 0)
        y = 30;
    int z = (40 - y) % 30; // y is 1..30, so 40 - y stays positive
    if (z == 0)
        z = 30;

    // The full moon is tabled as a Gregorian date of the years when the Julian
    // calendar runs 13 days behind; taken back to its Julian date it holds for any
    // year, and the day it names is then read on the Gregorian calendar.
    const int year = copticYear + 284;
    QDate fullMoon;
    if (z <= 22)
        fullMoon = Julian_Calendar_Date(year, 4, z + 8);
    else if (z == 23)
        fullMoon = Julian_Calendar_Date(year, 5, 1);
    else
        fullMoon = Julian_Calendar_Date(year, 4, z - 22);
    fullMoon = fullMoon.addDays(-13);

    // A full moon on a Sunday puts Easter a week later.
    return fullMoon.addDays(8 - Weekday_Number(fullMoon));
}

void Reading_Source() {
    const bool sunday = Weekday_Number(Selected_Date) == 1;

    if (Season_Key.isEmpty() || Season_Key == QLatin1String("Read")) {
        Season_Key = sunday ? QStringLiteral("Suns") : QStringLiteral("Read");
        // Tobi 12 and 13 keep their annual readings on a Sunday.
        if (Coptic_Month == 5 && (Coptic_Day == 12 || Coptic_Day == 13))
            Season_Key = QStringLiteral("Read");
    }

    // Feasts that take their annual readings in any season; the Annunciation not from
    // the end of the fast to Easter, when the day keeps its own readings.
    const bool annunciationSetAside = annunciationSetAsideToday();
    if ((isOneOf(Coptic_Month, Coptic_Day,
                 {{1, 17},
                  {7, 29},
                  {5, 6},
                  {5, 11},
                  {5, 13},
                  {6, 8},
                  {9, 24},
                  {12, 13},
                  {1, 1},
                  {7, 10},
                  {4, 29},
                  {4, 30}}) ||
         (Coptic_Month == 1 && Coptic_Day >= 17 && Coptic_Day <= 19)) &&
        !annunciationSetAside)
        Season_Key = QStringLiteral("Read");

    // A Sunday on the 29th of a month reads the annual readings of 29 Baramhat.
    if (Coptic_Day == 29 && Coptic_Month != 1 && Coptic_Month != 5 && Coptic_Month != 6 &&
        Season_Key == QLatin1String("Suns")) {
        Season_Key = QStringLiteral("Read");
        Coptic_Month = 7;
    }

    // The Sunday before Nineveh that is a fifth Sunday of its month reads the
    // Sunday before Lent.
    if (Nineveh_Eve && sunday && (Coptic_Day - 1) / 7 + 1 == 5) {
        Season_Key = QStringLiteral("Fast");
        Season_Day = 2;
    }
}

void Rite_Number() {
    const Integer m = Coptic_Month;
    const Integer d = Coptic_Day;
    const Integer week = Season_Week;
    const Integer day = Season_Day;
    const bool fast = Season_Key == QLatin1String("Fast");
    const bool fifty = Season_Key == QLatin1String("Fifty");
    // From the end of the fast to Easter, 29 Baramhat takes the rite of its season.
    const bool annunciationSetAside = annunciationSetAsideToday();

    Rite_No = 7;
    if (m == 1 && d >= 1 && d <= 16)
        Rite_No = 1;
    else if (m == 5 && (d == 6 || d == 11 || d == 12 || d == 13))
        Rite_No = 1;
    else if (isOneOf(m, d, {{9, 24}, {12, 13}, {6, 8}, {7, 29}, {4, 29}}) && !annunciationSetAside)
        Rite_No = 1;
    else if ((m == 7 && d == 10) || (m == 1 && d >= 17 && d <= 19))
        Rite_No = 2;
    else if (Paramoun_Day)
        Rite_No = 5;
    else if (Occasion_Title == Christmas_Title() || (m == 4 && d >= 29) || (m == 5 && d <= 6))
        Rite_No = 6;
    else if ((m == 3 && d >= 16) || (m == 4 && d <= 28))
        Rite_No = 3;
    else if ((fast && week == 0 && day == 1) || (week == 6 && day == 5))
        Rite_No = 14;
    else if ((m < 4 || m > 6) && d == 29 && !annunciationSetAside)
        Rite_No = 12;
    else if (fast && week == 6 && day == 6)
        Rite_No = 13;
    else if (fast && (day == 6 || day == 7 || (week == -1 && (day == 1 || day == 2))))
        Rite_No = 15;
    else if (fifty && week == 0 && day == 1)
        Rite_No = 16;
    else if (fast)
        Rite_No = 4;
    else if (fifty && week == 7 && day == 7)
        Rite_No = 17;
    else if (fifty)
        Rite_No = 8;
    else if (Season_Key == QLatin1String("Johan") && day <= 3)
        Rite_No = 9;
}

} // namespace MdlLectarium
