#pragma once

// The rite of a day from the Ceremony table.

#include "calendar/selected_day.h"

#include <QString>

namespace MdlLectarium {

class Data_Source;

struct Rite_Text {
    QString title; // the title of the rite's first row
    QString text;  // every paragraph of the rite in table order, each with CR LF
};

// Walks the whole Ceremony table through dataCeremony and collects the rows of the
// rite; the result set is closed afterwards. A rite without rows gives empty texts,
// and a Null title or paragraph counts as empty text.
Rite_Text Read_Rite(Data_Source& dataCeremony, Integer riteNo);

} // namespace MdlLectarium
