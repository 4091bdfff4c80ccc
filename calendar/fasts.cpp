#include "calendar/fasts.h"

#include "calendar/day_title.h"
#include "calendar/english_names.h"
#include "calendar/seasons.h"
#include "calendar/selected_day.h"

namespace MdlLectarium {

namespace {

// Whether Day_Title keeps the day as an eve of the Nativity or the Theophany. The eves
// move with the weekday, so they are asked of the calendar that titles them; the
// flags it sets are put back.
bool paramoun(const QDate& date, Integer copticDay, Integer copticMonth, Integer copticYear) {
    const bool savedParamoun = Paramoun_Day;
    const bool savedNineveh = Nineveh_Eve;
    Paramoun_Day = false;
    QString title, key;
    Integer week = 0, day = 0;
    Day_Title(date, copticDay, copticMonth, copticYear, title, key, week, day);
    const bool eve = Paramoun_Day;
    Paramoun_Day = savedParamoun;
    Nineveh_Eve = savedNineveh;
    return eve;
}

} // namespace

Day_Fast Fast_Of_Day(const QDate& date) {
    Integer d = 0, m = 0, y = 0;
    Coptic_Date(date, d, m, y);
    const qint64 k = Easter_Date(y).daysTo(date);
    const int weekday = Weekday_Number(date);
    const bool wedFri = weekday == 4 || weekday == 6;
    // Christmas is 29 Kiahk, 28 Kiahk in a Coptic year divisible by 4.
    const Integer christmas = y % 4 == 0 ? 28 : 29;
    const Fast_Food softFood = wedFri ? Fast_Food::Vegan : Fast_Food::Fish;

    if (k >= -69 && k <= -67)
        return {Fast_Kind::Nineveh, Fast_Food::Vegan};
    if (k >= -55 && k <= -7)
        return {Fast_Kind::Lent, Fast_Food::Vegan};
    if (k >= -6 && k <= -1)
        return {Fast_Kind::Pascha, Fast_Food::Vegan};
    if (k >= 0 && k <= 49)
        return {};
    if (k >= 50 && (m < 11 || (m == 11 && d <= 4)))
        return {Fast_Kind::Apostles, softFood};
    if (m == 12 && d <= 15)
        return {Fast_Kind::Virgin, softFood};
    const bool nativitySeason = (m == 3 && d >= 16) || (m == 4 && d < christmas);
    const bool theophanyEves = m == 5 && d >= 8 && d <= 10;
    if ((nativitySeason || theophanyEves) && paramoun(date, d, m, y))
        return {Fast_Kind::Paramoun, Fast_Food::Vegan};
    if (nativitySeason)
        return {Fast_Kind::Nativity, softFood};
    // In a year of Christmas on 28 Kiahk, the calendar keeps 29 Kiahk as the feast too.
    const bool feast = (m == 4 && (d == christmas || d == 29)) || (m == 5 && d == 11);
    if (wedFri && !feast)
        return {Fast_Kind::WedFri, Fast_Food::Vegan};
    return {};
}

QString Fast_Key(Fast_Kind kind) {
    switch (kind) {
    case Fast_Kind::None:
        break;
    case Fast_Kind::Nineveh:
        return QStringLiteral("Nineveh");
    case Fast_Kind::Lent:
        return QStringLiteral("Lent");
    case Fast_Kind::Pascha:
        return QStringLiteral("Pascha");
    case Fast_Kind::Apostles:
        return QStringLiteral("Apostles");
    case Fast_Kind::Virgin:
        return QStringLiteral("Virgin");
    case Fast_Kind::Nativity:
        return QStringLiteral("Nativity");
    case Fast_Kind::Paramoun:
        return QStringLiteral("Paramoun");
    case Fast_Kind::WedFri:
        return QStringLiteral("WedFri");
    }
    return QStringLiteral("-");
}

QString Fast_Name(Fast_Kind kind) {
    switch (kind) {
    case Fast_Kind::None:
        break;
    case Fast_Kind::Nineveh:
        return QStringLiteral("صوم نينوى");
    case Fast_Kind::Lent:
        return QStringLiteral("الصوم الكبير");
    case Fast_Kind::Pascha:
        return QStringLiteral("صوم البصخة المقدسة");
    case Fast_Kind::Apostles:
        return QStringLiteral("صوم الرسل");
    case Fast_Kind::Virgin:
        return QStringLiteral("صوم العذراء");
    case Fast_Kind::Nativity:
        return QStringLiteral("صوم الميلاد");
    case Fast_Kind::Paramoun:
        return QStringLiteral("صوم البرامون");
    case Fast_Kind::WedFri:
        return QStringLiteral("صوم الأربعاء والجمعة");
    }
    return QString();
}

QString Fast_Food_Key(Fast_Food food) {
    switch (food) {
    case Fast_Food::None:
        break;
    case Fast_Food::Vegan:
        return QStringLiteral("vegan");
    case Fast_Food::Fish:
        return QStringLiteral("fish");
    }
    return QStringLiteral("-");
}

QString Fast_Food_Name(Fast_Food food) {
    switch (food) {
    case Fast_Food::None:
        break;
    case Fast_Food::Vegan:
        return QStringLiteral("صوم نباتي بلا سمك");
    case Fast_Food::Fish:
        return QStringLiteral("يسمح بالسمك");
    }
    return QString();
}

QString Fast_Line(const Day_Fast& fast) {
    if (fast.kind == Fast_Kind::None)
        return QString();
    return Fast_Name(fast.kind) + QStringLiteral(": ") + Fast_Food_Name(fast.food);
}

QString Fast_Report_Line(const QDate& date, Interface_Language language) {
    const Day_Fast fast = Fast_Of_Day(date);
    const QString name = fast.kind == Fast_Kind::None              ? QStringLiteral("-")
                         : language == Interface_Language::English ? English_Fast_Name(fast.kind)
                                                                   : Fast_Name(fast.kind);
    return date.toString(Qt::ISODate) + QLatin1Char('\t') + Fast_Key(fast.kind) + QLatin1Char('\t') + name +
           QLatin1Char('\t') + Fast_Food_Key(fast.food);
}

QList<Fast_Period> Fast_Periods(const QDate& from, const QDate& to) {
    QList<Fast_Period> periods;
    if (!from.isValid() || !to.isValid() || to < from)
        return periods;
    const auto seasonal = [](const QDate& date) {
        const Fast_Kind kind = Fast_Of_Day(date).kind;
        return kind == Fast_Kind::WedFri ? Fast_Kind::None : kind;
    };
    // The longest fast is Great Lent's 49 days; a period that reaches into the range
    // starts at most that far before it.
    QDate date = from;
    const Fast_Kind atStart = seasonal(date);
    if (atStart != Fast_Kind::None)
        while (seasonal(date.addDays(-1)) == atStart)
            date = date.addDays(-1);
    while (date <= to) {
        const Fast_Kind kind = seasonal(date);
        if (kind == Fast_Kind::None) {
            date = date.addDays(1);
            continue;
        }
        Fast_Period period{kind, date, date};
        while (seasonal(period.last.addDays(1)) == kind)
            period.last = period.last.addDays(1);
        periods.append(period);
        date = period.last.addDays(1);
    }
    return periods;
}

QDate Liturgical_Today(const QDateTime& now, int eveningFromHour) {
    const QDate today = now.date();
    if (eveningFromHour < 0 || eveningFromHour > 23)
        return today;
    return now.time().hour() >= eveningFromHour ? today.addDays(1) : today;
}

} // namespace MdlLectarium
