#pragma once

// The saint of the day: the picture named by the Story row and the text beside it.

#include "calendar/selected_day.h"

#include <QString>

namespace MdlLectarium {

class Data_Source;

// The lit centre of the hot spot, in twips relative to the image; the bounds are
// outside (250 < x < 650 and 350 < y < 750).
bool Hot_Spot_Centre(int x, int y);

// The length of the stored Pic_Name of the current Story row; 0 when it cannot be
// read or is Null (such a day never lights the hot spot).
int Stored_Picture_Name_Length(const Data_Source& dataStory);

// Pic_Name and Pic_Data of the current Story row, unscrambled with the Coptic month
// and day; false, and out untouched, when the read fails.
bool Read_Picture_Name(const Data_Source& dataStory, Integer copticMonth, Integer copticDay, QString& out);
bool Read_Picture_Text(const Data_Source& dataStory, Integer copticMonth, Integer copticDay, QString& out);

// The picture file of a name, relative to the program folder; a backslash in the
// name separates folders as a slash does.
QString Picture_Path(const QString& name);

} // namespace MdlLectarium
