#include "calendar/feast_dates.h"

#include "calendar/seasons.h"
#include "calendar/selected_day.h"

namespace MdlLectarium {

namespace {

// The day of the Gregorian year whose Coptic date is the given one. Kiahk and Tobi
// cross January between 1900 and 2100, but the Julian calendar drifts: in 500 Christmas
// falls on 26 December and in 5000 Theophany in February, so the whole year is searched.
// christmas: the day is 29 Kiahk, or 28 Kiahk in a Coptic year divisible by 4.
QDate dayOfYear(int gregorianYear, Integer copticMonth, Integer copticDay, bool christmas) {
    for (QDate date(gregorianYear, 1, 1); date.year() == gregorianYear; date = date.addDays(1)) {
        Integer cd = 0, cm = 0, cy = 0;
        Coptic_Date(date, cd, cm, cy);
        const Integer wanted = christmas && cy % 4 == 0 ? Integer(28) : copticDay;
        if (cm == copticMonth && cd == wanted)
            return date;
    }
    return QDate();
}

} // namespace

QString Feast_Name(Feast feast) {
    switch (feast) {
    case Feast::Nineveh:
        return QStringLiteral("صوم نينوى");
    case Feast::Lent:
        return QStringLiteral("الصوم الكبير");
    case Feast::Palm_Sunday:
        return QStringLiteral("أحد الشعانين");
    case Feast::Easter:
        return QStringLiteral("عيد القيامة");
    case Feast::Ascension:
        return QStringLiteral("عيد الصعود");
    case Feast::Pentecost:
        return QStringLiteral("عيد العنصرة");
    case Feast::Christmas:
        return QStringLiteral("عيد الميلاد");
    case Feast::Theophany:
        return QStringLiteral("عيد الغطاس");
    }
    return QString();
}

QDate Feast_Date(Feast feast, int gregorianYear) {
    // Easter of the Coptic year that holds the spring of this Gregorian year.
    const QDate easter = Easter_Date(static_cast<Integer>(gregorianYear - 284));
    switch (feast) {
    case Feast::Nineveh:
        return easter.addDays(-69);
    case Feast::Lent:
        return easter.addDays(-55);
    case Feast::Palm_Sunday:
        return easter.addDays(-7);
    case Feast::Easter:
        return easter;
    case Feast::Ascension:
        return easter.addDays(39);
    case Feast::Pentecost:
        return easter.addDays(49);
    case Feast::Christmas:
        return dayOfYear(gregorianYear, 4, 29, true);
    case Feast::Theophany:
        return dayOfYear(gregorianYear, 5, 11, false);
    }
    return QDate();
}

} // namespace MdlLectarium
