#include "calendar/classify_day.h"

#include "calendar/day_title.h"
#include "calendar/seasons.h"

namespace MdlLectarium {

Day_State Current_Day_State() {
    return {Selected_Date, Coptic_Day, Coptic_Month, Coptic_Year, Occasion_Title, Season_Key,
            Season_Week,   Season_Day, Pain_Day,     Rite_No,     Nineveh_Eve,    Paramoun_Day};
}

void Set_Day_State(const Day_State& state) {
    Selected_Date = state.selectedDate;
    Coptic_Day = state.copticDay;
    Coptic_Month = state.copticMonth;
    Coptic_Year = state.copticYear;
    Occasion_Title = state.occasionTitle;
    Season_Key = state.seasonKey;
    Season_Week = state.seasonWeek;
    Season_Day = state.seasonDay;
    Pain_Day = state.painDay;
    Rite_No = state.riteNo;
    Nineveh_Eve = state.ninevehEve;
    Paramoun_Day = state.paramounDay;
}

void Reset_Day_State() {
    Season_Week = 0;
    Season_Day = 0;
    Paramoun_Day = false;
}

Day_Classification Classify_Day(const QDate& date, Day_Stage stage) {
    Day_Classification steps;
    Selected_Date = date;
    Occasion_Title.clear();
    Coptic_Date(Selected_Date, Coptic_Day, Coptic_Month, Coptic_Year);
    steps.copticDay = Coptic_Day;
    steps.copticMonth = Coptic_Month;
    Day_Title(Selected_Date, Coptic_Day, Coptic_Month, Coptic_Year, Occasion_Title, Season_Key, Season_Week,
              Season_Day);
    steps.titleKey = Season_Key;
    steps.titleDay = Season_Day;
    if (stage == Day_Stage::Shown) {
        // Rite_Number sees the season as Day_Title left it, so it runs first.
        Rite_Number();
        Reading_Source();
    }
    return steps;
}

} // namespace MdlLectarium
