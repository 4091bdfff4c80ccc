#pragma once

// One day's classification as a line of text, for the command-line companion and the
// benchmarks: the day is processed as the day chooser does when the user steps to it
// and presses Show, on the shared selected-day state.

#include "base/interface_language.h"
#include "calendar/classify_day.h"

#include <QByteArray>
#include <QDate>

namespace MdlLectarium {

// Classifies the day as the day chooser's Show does (Classify_Day at
// Day_Stage::Shown) and returns the 16 tab-separated columns of the day, UTF-8,
// ending with LF. Line breaks of the title are written as the two characters \n.
// Needs the name tables filled.
QByteArray Day_Report_Line(const QDate& date);

// The same day's title alone, for --titles: DATE<TAB>TITLE, line breaks of the title as
// the two characters \n, in English under English, ending with LF.
QByteArray Day_Title_Line(const QDate& date, Interface_Language language);

// The explanation of the columns given by --help.
QByteArray Day_Report_Columns();

} // namespace MdlLectarium
