#pragma once

// The classification of a day on the shared selected-day state: its Coptic date, its
// title and season, its rite and the table its readings come from. The day chooser,
// the command-line companion and the readings all classify a day here.

#include "calendar/selected_day.h"

#include <QDate>
#include <QString>

namespace MdlLectarium {

// How far Classify_Day goes.
enum class Day_Stage {
    Titled, // Coptic_Date and Day_Title: what the day chooser shows on stepping to a day
    Shown,  // then Rite_Number and Reading_Source: what the day chooser's Show opens
};

// What Rite_Number and Reading_Source may change, as it stood before them.
struct Day_Classification {
    Integer copticDay = 0;   // the true Coptic day, before Day_Title moves an eve
    Integer copticMonth = 0; // the true Coptic month
    QString titleKey;        // Season_Key as Day_Title left it
    Integer titleDay = 0;    // Season_Day as Day_Title left it
};

// The state carried from one day to the next, as at the start of a range:
// Season_Week = 0, Season_Day = 0, Paramoun_Day = False.
void Reset_Day_State();

// Sets Selected_Date to date, runs Coptic_Date and Day_Title (with the title emptied
// first) and, at Day_Stage::Shown, Rite_Number and Reading_Source. Needs the name
// tables filled.
Day_Classification Classify_Day(const QDate& date, Day_Stage stage);

} // namespace MdlLectarium
