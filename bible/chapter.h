#pragma once

// One chapter of the Bible as display text.

#include "calendar/selected_day.h"

#include <QString>

namespace MdlLectarium {

class Data_Source;

// The statement that selects the verses of a chapter; book 1..73.
QString Chapter_Statement(Integer book, Integer chapter);

// Every verse of the chapter, in stored order, as Verse_Line followed by CR LF; empty
// when the database has no verse for it. Runs through Data_Bible unless a data source
// is given.
QString Get_Chapter(Integer book, Integer chapter);
QString Get_Chapter(Data_Source& dataBible, Integer book, Integer chapter);

} // namespace MdlLectarium
