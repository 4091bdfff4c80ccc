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

// The whole selected-day state as Show left it: what a readings window shows is read
// from it, so a window keeps its day while the day chooser moves on.
struct Day_State {
    QDate selectedDate;
    Integer copticDay = 0;
    Integer copticMonth = 0;
    Integer copticYear = 0;
    QString occasionTitle;
    QString seasonKey;
    Integer seasonWeek = 0;
    Integer seasonDay = 0;
    Integer painDay = 0;
    Integer riteNo = 0;
    bool ninevehEve = false;
    bool paramounDay = false;
    friend bool operator==(const Day_State&, const Day_State&) = default;
};

Day_State Current_Day_State();
void Set_Day_State(const Day_State& state);

// Puts a day's state in place for its lifetime and the state it found back after.
class Day_State_In_Place final {
public:
    explicit Day_State_In_Place(const Day_State& state) : saved_(Current_Day_State()) {
        Set_Day_State(state);
    }
    ~Day_State_In_Place() { Set_Day_State(saved_); }
    Day_State_In_Place(const Day_State_In_Place&) = delete;
    Day_State_In_Place& operator=(const Day_State_In_Place&) = delete;

private:
    Day_State saved_;
};

// The state carried from one day to the next, as at the start of a range:
// Season_Week = 0, Season_Day = 0, Paramoun_Day = False.
void Reset_Day_State();

// Sets Selected_Date to date, runs Coptic_Date and Day_Title (with the title emptied
// first) and, at Day_Stage::Shown, Rite_Number and Reading_Source. Needs the name
// tables filled.
Day_Classification Classify_Day(const QDate& date, Day_Stage stage);

} // namespace MdlLectarium
