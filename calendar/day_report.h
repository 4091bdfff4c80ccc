#pragma once

// One day's classification as a line of text, for the command-line companion and the
// benchmarks: the day is processed as the day chooser does when the user steps to it
// and presses Show, on the shared selected-day state.

#include <QByteArray>
#include <QDate>

namespace MdlLectarium {

// The state carried from one day to the next, as at the start of a range:
// Season_Week = 0, Season_Day = 0, Paramoun_Day = False.
void Reset_Day_State();

// Sets Selected_Date to date, runs Coptic_Date, Day_Title (with the title emptied
// first), Rite_Number and Reading_Source, and returns the 16 tab-separated columns
// of the day, UTF-8, ending with LF. Line breaks of the title are written as the
// two characters \n. Needs the name tables filled.
QByteArray Day_Report_Line(const QDate& date);

// The explanation of the columns given by --help.
QByteArray Day_Report_Columns();

} // namespace MdlLectarium
