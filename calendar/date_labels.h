#pragma once

// The seven date labels of a day, as the day chooser, the main window's date bar and
// the readings write them.

#include <QDate>
#include <QString>

namespace MdlLectarium {

// The shown date of a day: Gregorian day, month name and year, the true Coptic day,
// month name and year, and the weekday name. Needs the name tables.
struct Day_Labels {
    QString dayName;
    QString normalDay, normalMonth, normalYear;
    QString copticDay, copticMonth, copticYear;
    int weekday = 1;
};
Day_Labels Date_Labels(const QDate& date);

} // namespace MdlLectarium
