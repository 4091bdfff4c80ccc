#include "calendar/feast_dates.h"

#include "calendar/date_labels.h"
#include "calendar/english_names.h"
#include "calendar/seasons.h"
#include "calendar/selected_day.h"

#include <algorithm>

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
    case Feast::Nayrouz:
        return QStringLiteral("عيد النيروز");
    case Feast::Cross:
        return QStringLiteral("عيد الصليب المجيد");
    case Feast::Nativity_Fast:
        return QStringLiteral("بدء صوم الميلاد");
    case Feast::Circumcision:
        return QStringLiteral("عيد الختان");
    case Feast::Cana:
        return QStringLiteral("عرس قانا الجليل");
    case Feast::Presentation:
        return QStringLiteral("عيد دخول السيد المسيح الهيكل");
    case Feast::Annunciation:
        return QStringLiteral("عيد البشارة");
    case Feast::Covenant_Thursday:
        return QStringLiteral("خميس العهد");
    case Feast::Thomas_Sunday:
        return QStringLiteral("أحد توما");
    case Feast::Entry_Into_Egypt:
        return QStringLiteral("عيد دخول السيد المسيح أرض مصر");
    case Feast::Apostles_Fast:
        return QStringLiteral("بدء صوم الرسل");
    case Feast::Apostles:
        return QStringLiteral("عيد الرسل بطرس وبولس");
    case Feast::Virgin_Fast:
        return QStringLiteral("بدء صوم العذراء");
    case Feast::Transfiguration:
        return QStringLiteral("عيد التجلي");
    case Feast::Assumption:
        return QStringLiteral("عيد صعود جسد العذراء");
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
    case Feast::Nayrouz:
        return dayOfYear(gregorianYear, 1, 1, false);
    case Feast::Cross:
        return dayOfYear(gregorianYear, 1, 17, false);
    case Feast::Nativity_Fast:
        return dayOfYear(gregorianYear, 3, 16, false);
    case Feast::Circumcision:
        return dayOfYear(gregorianYear, 5, 6, false);
    case Feast::Cana:
        return dayOfYear(gregorianYear, 5, 13, false);
    case Feast::Presentation:
        return dayOfYear(gregorianYear, 6, 8, false);
    case Feast::Annunciation: {
        const QDate date = dayOfYear(gregorianYear, 7, 29, false);
        // Not kept when it falls from the Friday that ends Lent to Easter.
        if (date.isValid() && Annunciation_Set_Aside(7, 29, easter.daysTo(date)))
            return QDate();
        return date;
    }
    case Feast::Covenant_Thursday:
        return easter.addDays(-3);
    case Feast::Thomas_Sunday:
        return easter.addDays(7);
    case Feast::Entry_Into_Egypt:
        return dayOfYear(gregorianYear, 9, 24, false);
    case Feast::Apostles_Fast:
        return easter.addDays(50);
    case Feast::Apostles:
        return dayOfYear(gregorianYear, 11, 5, false);
    case Feast::Virgin_Fast:
        return dayOfYear(gregorianYear, 12, 1, false);
    case Feast::Transfiguration:
        return dayOfYear(gregorianYear, 12, 13, false);
    case Feast::Assumption:
        return dayOfYear(gregorianYear, 12, 16, false);
    }
    return QDate();
}

QDate Coptic_Day_In_Year(int gregorianYear, int copticMonth, int copticDay) {
    return dayOfYear(gregorianYear, static_cast<Integer>(copticMonth), static_cast<Integer>(copticDay),
                     false);
}

QList<Year_Feast> Year_Feasts(int gregorianYear, const QList<Coptic_Feast>& own,
                              Interface_Language language) {
    QList<Year_Feast> feasts;
    for (Feast feast : Year_Feast_Kinds) {
        const QDate date = Feast_Date(feast, gregorianYear);
        if (date.isValid())
            feasts.append(
                {language == Interface_Language::English ? English_Feast_Name(feast) : Feast_Name(feast),
                 date});
    }
    for (const Coptic_Feast& day : own) {
        const QDate date = Coptic_Day_In_Year(gregorianYear, day.copticMonth, day.copticDay);
        if (date.isValid())
            feasts.append({day.name, date});
    }
    // Stable: on a shared day the feast of the Lord stays before the reader's own.
    std::stable_sort(feasts.begin(), feasts.end(),
                     [](const Year_Feast& a, const Year_Feast& b) { return a.date < b.date; });
    return feasts;
}

QString Year_Feast_Label(const Year_Feast& feast, Interface_Language language) {
    if (language == Interface_Language::English) {
        Integer day = 0, month = 0, year = 0;
        Coptic_Date(feast.date, day, month, year);
        return feast.name + QStringLiteral(" — ") +
               QLocale(QLocale::English).toString(feast.date, QStringLiteral("d MMMM yyyy")) +
               QStringLiteral(" — ") + English_Coptic_Date(int(day), int(month), int(year));
    }
    const Day_Labels labels = Date_Labels(feast.date);
    return feast.name + QStringLiteral(" — ") + labels.normalDay + QLatin1Char(' ') + labels.normalMonth +
           QLatin1Char(' ') + labels.normalYear + QStringLiteral(" — ") + labels.copticDay +
           QLatin1Char(' ') + labels.copticMonth + QLatin1Char(' ') + labels.copticYear;
}

} // namespace MdlLectarium
