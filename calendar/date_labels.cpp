#include "calendar/date_labels.h"

#include "calendar/selected_day.h"

namespace MdlLectarium {

Day_Labels Date_Labels(const QDate& date) {
    Day_Labels labels;
    Integer day = 0;
    Integer month = 0;
    Integer year = 0;
    Coptic_Date(date, day, month, year);
    labels.weekday = Weekday_Number(date);
    labels.dayName = Day_Names[static_cast<size_t>(labels.weekday)];
    labels.normalDay = QString::number(date.day());
    labels.normalMonth = Month_Names[static_cast<size_t>(date.month())];
    labels.normalYear = QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
    labels.copticDay = QString::number(day);
    if (month >= 1 && month <= 13)
        labels.copticMonth = Coptic_Month_Names[static_cast<size_t>(month)];
    labels.copticYear = QString::number(year);
    return labels;
}

} // namespace MdlLectarium
