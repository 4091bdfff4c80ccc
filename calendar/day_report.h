#pragma once

// One day's classification as a line of text, for the command-line companion and the
// benchmarks: the day is processed as the day chooser does when the user steps to it
// and presses Show, on the shared selected-day state.

#include "calendar/classify_day.h"

#include <QByteArray>
#include <QDate>

namespace MdlLectarium {

// Classifies the day as the day chooser's Show does (Classify_Day at
// Day_Stage::Shown) and returns the 16 tab-separated columns of the day, UTF-8,
// ending with LF. Line breaks of the title are written as the two characters \n.
// Needs the name tables filled.
QByteArray Day_Report_Line(const QDate& date);

// The explanation of the columns given by --help.
QByteArray Day_Report_Columns();

} // namespace MdlLectarium
