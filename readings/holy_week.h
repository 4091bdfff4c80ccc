#pragma once

// The Holy Week hours of a day from the Pain table: the list of their descriptions
// and, for a chosen hour, its reference and its text.

#include "base/interface_language.h"
#include "calendar/selected_day.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace MdlLectarium {

class Data_Source;

// The window caption by Season_Day: the Holy Pascha up to day 6, the Apocalypse after.
QString Holy_Week_Caption(Integer seasonDay);

// An hour's description in the language: in English composed from its parts,
// "Tuesday - Matins: Prophecy 1", "First Hour of the Eve of Wednesday: Gospel 2"; a
// part without an English form keeps its Arabic.
QString Hour_Description_In(const QString& description, Interface_Language language);

// The Description of every row of dataPain's result set, from the first, unscrambled
// with the day key. A row whose description cannot be read gives an empty line, so
// that line numbers stay row numbers.
QStringList Read_Pain_Descriptions(Data_Source& dataPain, Integer dayKey);

struct Pain_Entry {
    QString sign; // the reading reference
    QString text; // the stored text, or the passage of the reference when that is empty
};

// Runs dataPain again, moves index rows on from the first and reads the hour. The
// passage of an hour without stored text comes through dataBible.
Pain_Entry Read_Pain_Entry(Data_Source& dataPain, int index, Integer dayKey, Data_Source& dataBible);

struct Holy_Week_Hour {
    QString description;
    Pain_Entry entry;
};

// Every hour of a day of the database at databasePath, in the Holy Week window's order.
std::vector<Holy_Week_Hour> Read_Holy_Week_Hours(const QString& databasePath, Integer dayKey,
                                                 Data_Source& dataBible);

} // namespace MdlLectarium
