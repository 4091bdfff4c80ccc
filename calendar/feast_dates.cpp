#include "calendar/feast_dates.h"

#include "calendar/seasons.h"
#include "calendar/selected_day.h"

namespace MdlLectarium {

namespace {

// The January day whose Coptic date is the given one (Kiahk and Tobi cross January).
QDate januaryDay(int gregorianYear, Integer copticMonth, Integer copticDay) {
    for (int d = 1; d <= 31; ++d) {
        const QDate date(gregorianYear, 1, d);
        Integer cd = 0, cm = 0, cy = 0;
        Coptic_Date(date, cd, cm, cy);
        if (cm == copticMonth && cd == copticDay)
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
    case Feast::Christmas: {
        // 29 Kiahk; in the years it falls on 8 January the feast is kept on the 7th.
        const QDate kiahk29 = januaryDay(gregorianYear, 4, 29);
        const QDate seventh(gregorianYear, 1, 7);
        return kiahk29.isValid() && kiahk29 < seventh ? kiahk29 : seventh;
    }
    case Feast::Theophany:
        return januaryDay(gregorianYear, 5, 11);
    }
    return QDate();
}

} // namespace MdlLectarium
