#pragma once

// The assembly of the selected day's readings: which table and keys the season
// selects, the nine references, the prophecies, the story and the tip of the day.
// The readings window and the command-line companion both build the day from here.

#include "base/interface_language.h"
#include "calendar/selected_day.h"
#include "lectionary/data_source.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace MdlLectarium {

constexpr int Reading_Count = 9;

// Reads a field in the shift form from the current row and unscrambles it with the
// row's keys. False, and out untouched, when there is no row, no such field or the
// value is Null: the read that the loading handlers skip.
bool Read_Shifted_Field(const Data_Source& source, const QString& field, Integer firstKey, Integer secondKey,
                        QString& out);

// The caption of a reading field 1..9: psalm, gospel, the epistles and Acts.
QString Reading_Field_Caption(int field);

// The Sunday of the Coptic month whose Suns row serves a Sunday: Int(day / 7) + 1,
// one less on days 8, 15, 22 and 29 of the first month.
Integer Sunday_Number(Integer copticMonth, Integer copticDay);

// The tip drawn for n tips from u in [0, 1): Int(n * u + 1), so 1..n, and draws of 20
// or less move on by 21.
Integer Tip_Draw(Integer tipCount, double u);

// A uniform number in [0, 1) from a generator seeded from the clock; tests replace it
// (an empty function restores the generator).
double Tip_Random();
void Set_Tip_Random_Source(std::function<double()> source);

// The readings statement of Season_Key and the keys its rows are read back with.
struct Reading_Query {
    QString statement; // empty when the key names no readings table (Holy Week, none)
    Integer firstKey = 0;
    Integer secondKey = 0;
    int firstProphecy = 0; // prophecy fields "10".."18"; 0 when the table has none
    int lastProphecy = 0;
};
Reading_Query Day_Reading_Query();

// The four data sources of the readings window.
struct Day_Reading_Sources {
    Data_Source Data_Tips{QStringLiteral("Data_Tips")};
    Data_Source Data_Story{QStringLiteral("Data_Story")};
    Data_Source Data_Reading{QStringLiteral("Data_Reading")};
    Data_Source Data_Ceremony{QStringLiteral("Data_Ceremony")};

    void setDatabaseName(const QString& path);
};

// What the readings window shows besides the dates. A read that fails (no row, a
// missing field, Null) leaves its part empty and the rest is still read.
struct Day_Readings {
    QString occasion; // the title of the day, else the tip, else empty
    QString story;
    std::array<QString, Reading_Count + 1> readings; // 1..9
    QString vespersCaption;
    bool showProphecies = false;
    QStringList prophecies; // each entry with its seven leading blanks
    bool showFuneral = false;
};

// The tip for LabelOccasion: the last row's No is the number of tips, the draw moves
// that many rows on from the first. False, and tip untouched, when the read fails.
bool Read_Tip(Data_Source& dataTips, double u, QString& tip);

// Reads the selected day from the state left by the day chooser (Occasion_Title,
// Coptic_Month, Coptic_Day, Selected_Date, Season_Key, Season_Week, Season_Day).
// With withTip, a day without a title gets a tip drawn with Tip_Random.
Day_Readings Read_Day(Day_Reading_Sources& sources, bool withTip);

// The commemorations of the selected day in the language: under English the English
// names of Story_En for Coptic_Month and Coptic_Day where the database has them,
// otherwise the Arabic story as read.
QString Story_In(const Data_Source& dataStory, Interface_Language language, const QString& story);

} // namespace MdlLectarium
