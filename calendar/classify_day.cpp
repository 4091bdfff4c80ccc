#include "calendar/classify_day.h"

#include "calendar/day_title.h"
#include "calendar/seasons.h"

namespace MdlLectarium {

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
