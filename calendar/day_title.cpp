#include "calendar/day_title.h"

#include "calendar/seasons.h"

namespace MdlLectarium {

namespace {

const QString lineBreak = QStringLiteral("\r\n");

QString text(const char16_t* s) {
    return QString::fromUtf16(s);
}

// "+" over the name: the form of the great days.
QString greatDay(const QString& name) {
    return QStringLiteral("+") + lineBreak + name;
}

// The seasons and the days with names of their own, shared by the titles and the
// names of Season_Day_Name.
const char16_t* const lentName = u"الصوم الكبير";
const char16_t* const fiftyName = u"الخماسين المقدسة";
const char16_t* const ninevehDays[] = {u"اليوم الأول من صوم نينوى", u"اليوم الثانى من صوم نينوى",
                                       u"اليوم الثالث من صوم نينوى", u"فصـــــــح نينوى"};
const char16_t* const lentEves[] = {u"سبت رفاع الصوم الكبير", u"أحد رفاع الصوم الكبير"};
const char16_t* const lazarusSaturday = u"سبت لعازر";
const char16_t* const palmSunday = u"أحـــــــد الشــــعانين";
const char16_t* const holyWeekDays[] = {u"الأثنين من البصخة المقدسة",
                                        u"الثلاثاء من البصخة المقدسة",
                                        u"الأربعاء من البصخة المقدسة",
                                        u"خميس العهد",
                                        u"الجمعة العظيمة",
                                        u"سبت النور"};
const char16_t* const easterDay = u"عيد القيامة المجيد";
const char16_t* const pentecost = u"عيد العنصرة أو عيد حلول الروح القدس ";

QString lentTitle(Integer week, Integer day) {
    return text(u"اليوم ") + Day_Ordinals[day] + text(u" من الأسبوع ") + Lent_Week_Names[week + 1] +
           text(u" من  ") + text(lentName);
}

QString fiftyTitle(Integer week, Integer day) {
    return text(u"اليوم ") + Day_Ordinals[day] + text(u" من الأسبوع ") + Fifty_Week_Names[week] +
           text(u" من  ") + text(fiftyName);
}

bool isFriday(const QDate& date) {
    return Weekday_Number(date) == 6;
}

bool isSaturday(const QDate& date) {
    return Weekday_Number(date) == 7;
}

} // namespace

QString Christmas_Title() {
    return text(u"عيـــد الميـــــلاد المجيـــد");
}

namespace {

// The title and keys of the season and the fixed feasts; title is left as it was on
// a day none of them names.
void seasonTitle(const QDate& date, const QDate& easter, qint64 k, Integer& copticDay, Integer copticMonth,
                 Integer copticYear, QString& title, QString& seasonKey, Integer& week, Integer& day) {

    // Fast of Nineveh, Monday to Thursday.
    if (k >= -69 && k <= -66) {
        seasonKey = QStringLiteral("Johan");
        day = static_cast<Integer>(k + 70);
        title = text(ninevehDays[day - 1]);
        return;
    }

    // The two days before Great Lent; the annual steps below still run for them.
    if (k == -57) {
        seasonKey = QStringLiteral("Fast");
        week = -1;
        day = 1;
        title = text(lentEves[0]);
    } else if (k == -56) {
        seasonKey = QStringLiteral("Fast");
        week = -1;
        day = 2;
        title = text(lentEves[1]);
    }

    // Great Lent: weeks 0..6, each from Monday (1) to Sunday (7).
    if (k >= -55 && k <= -7) {
        const int n = static_cast<int>(k) + 56;
        int w = n / 7;
        int d = n - 7 * w;
        if (d == 0) {
            d = 7;
            --w;
        }
        seasonKey = QStringLiteral("Fast");
        week = static_cast<Integer>(w);
        day = static_cast<Integer>(d);
        title = lentTitle(week, day);
        if (w == 6) {
            if (d == 5)
                title += lineBreak + text(u"ختام الصوم");
            else if (d == 6)
                title = greatDay(text(lazarusSaturday));
            else if (d == 7)
                title = greatDay(text(palmSunday));
        }
        return;
    }

    // Holy Week, Monday to Saturday. The week is left as Palm Sunday set it.
    if (k >= -6 && k <= -1) {
        seasonKey = QStringLiteral("Pain");
        day = static_cast<Integer>(k + 7);
        title = greatDay(text(holyWeekDays[day - 1]));
        return;
    }

    if (k == 0) {
        seasonKey = QStringLiteral("Fifty");
        week = 0;
        day = 1;
        title = greatDay(text(easterDay));
        return;
    }

    // The Fifty Days: weeks from Monday to Sunday, Pentecost on the fiftieth day.
    if (k >= 1 && k <= 49) {
        seasonKey = QStringLiteral("Fifty");
        if (k == 49) {
            title = text(pentecost);
            week = 7;
            day = 7;
            return;
        }
        const int n = static_cast<int>(k);
        int w = n / 7 + 1;
        int d = n - 7 * (w - 1);
        if (d == 0) {
            d = 7;
            --w;
        }
        week = static_cast<Integer>(w);
        day = static_cast<Integer>(d);
        title = fiftyTitle(week, day);
        if (k == 1)
            title += lineBreak + text(u"شـــــــــــم النســـــيم");
        else if (k == 39)
            title += lineBreak + text(u" عيد الصعود المجيد ");
        return;
    }

    // The annual days, by their Coptic dates.
    const Integer d = copticDay;
    const Integer m = copticMonth;

    // Fast of the Apostles, from the day after Pentecost to 4 Abib; 5 Abib is the feast.
    if (m == 11 && d == 5) {
        title = text(u"عيد القديسين بطرس و بولس");
        return;
    }
    if (easter.addDays(50) <= date && (m < 11 || (m == 11 && d < 5)))
        title = text(u"صوم الرسل");

    // Fast of the Virgin, 1 to 15 Mesra, and the Assumption on 16 Mesra.
    if (m == 12 && d <= 15)
        title = text(u"صـــوم العـــذراء");
    else if (m == 12 && d == 16)
        title = text(u"عيد صعود جسد العذراء");

    Paramoun_Day = false;

    // The Nativity period: from 16 Hatour to the end of 29 Kiahk.
    if ((m == 3 && d >= 16) || (m == 4 && d <= 29)) {
        title = text(u"صـــوم الميـــــــلاد");
        seasonKey = QStringLiteral("Read");
        // Christmas is 25 December of the Julian calendar: 29 Kiahk, but 28 Kiahk in
        // a year that follows a six-day epagomenal month (a year divisible by 4).
        const bool christmasOn28 = copticYear % 4 == 0;
        if (m == 4 && d == 28) {
            if (!christmasOn28) {
                title = text(u"برامــون عيـــد الميــــــلاد");
                Paramoun_Day = true;
            } else {
                title = Christmas_Title();
                Paramoun_Day = false;
                copticDay = 29;
            }
        }
        if (m == 4 && copticDay == 29)
            title = Christmas_Title();
        // An eve that would fall on a Saturday or Sunday starts earlier, on the Friday;
        // every day of it reads the eve's own readings of 28 Kiahk.
        if (m == 4 && ((d == 27 && (isFriday(date) || isSaturday(date))) || (d == 26 && isFriday(date)) ||
                       (d == 27 && christmasOn28) ||
                       (christmasOn28 && ((d == 26 && isSaturday(date)) || (d == 25 && isFriday(date)))))) {
            title = text(u"برامــون عيـــد الميــــــلاد");
            Paramoun_Day = true;
            copticDay = 28;
        }
        return;
    }

    if (m == 5 && d == 6) {
        title = text(u"عيـــد الختــــان");
        return;
    }
    if (m == 5 && d == 11) {
        title = text(u"عيـــد الغطــــاس المجيـــد");
        seasonKey = QStringLiteral("Read");
        return;
    }
    // The eve of Theophany, moved earlier like the eve of Christmas; its days read 10 Tobi.
    if (m == 5 &&
        (d == 10 || (d == 9 && (isFriday(date) || isSaturday(date))) || (d == 8 && isFriday(date)))) {
        title = text(u" برامــون عيـــد الغطــــاس");
        Paramoun_Day = true;
        copticDay = 10;
        seasonKey = QStringLiteral("Read");
    }
}

// The feasts that neither change the readings nor the rite of their day, named so
// that the reader sees the day's feast; empty on other days.
QString feastName(Integer copticMonth, Integer copticDay, qint64 k) {
    const auto on = [&](int m, int d) { return copticMonth == m && copticDay == d; };
    if (on(1, 1))
        return text(u"عيد النيروز");
    if (on(1, 17) || on(7, 10))
        return text(u"عيد الصليب المجيد");
    if (on(5, 13))
        return text(u"عرس قانا الجليل");
    if (on(6, 8))
        return text(u"عيد دخول السيد المسيح الهيكل");
    if (on(7, 29) && !Annunciation_Set_Aside(copticMonth, copticDay, k))
        return text(u"عيد البشارة");
    if (on(9, 24))
        return text(u"عيد دخول السيد المسيح أرض مصر");
    if (on(12, 13))
        return text(u"عيد التجلي");
    if (k == 7)
        return text(u"أحد توما");
    return QString();
}

} // namespace

QString Season_Day_Name(const QString& seasonKey, Integer week, Integer day) {
    auto within = [](Integer value, Integer first, Integer last) { return value >= first && value <= last; };
    const char16_t* own = nullptr;
    QString season;
    if (seasonKey == QLatin1String("Johan") && within(day, 1, 4)) {
        own = ninevehDays[day - 1];
    } else if (seasonKey == QLatin1String("Pain") && within(day, 1, 6)) {
        own = holyWeekDays[day - 1];
    } else if (seasonKey == QLatin1String("Fast") && week == -1 && within(day, 1, 2)) {
        own = lentEves[day - 1];
    } else if (seasonKey == QLatin1String("Fast") && within(week, 0, 6) && within(day, 1, 7)) {
        if (week == 6 && day == 6)
            own = lazarusSaturday;
        else if (week == 6 && day == 7)
            own = palmSunday;
        season = Lent_Week_Names[static_cast<size_t>(week + 1)] + text(u" من ") + text(lentName);
    } else if (seasonKey == QLatin1String("Fifty") && within(week, 0, 7) && within(day, 1, 7)) {
        if (week == 0 && day == 1)
            own = easterDay;
        else if (week == 7 && day == 7)
            own = pentecost;
        else if (week == 0)
            return QString(); // the week of Easter is week 1
        season = Fifty_Week_Names[static_cast<size_t>(week)] + text(u" من ") + text(fiftyName);
    } else {
        return QString();
    }
    // A name, not a title: without the elongation that spreads the titles out.
    QString name = own ? text(own).trimmed()
                       : Day_Names[static_cast<size_t>(day % 7 + 1)] + text(u" من الأسبوع ") + season;
    return name.remove(QChar(0x0640));
}

void Day_Title(const QDate& date, Integer& copticDay, Integer copticMonth, Integer copticYear, QString& title,
               QString& seasonKey, Integer& week, Integer& day) {
    seasonKey.clear();
    const QDate easter = Easter_Date(copticYear);
    const qint64 k = easter.daysTo(date);
    Nineveh_Eve = k == -70;

    // The feast's name goes on its own line after the title of the season.
    const QString feast = feastName(copticMonth, copticDay, k);
    QString named;
    seasonTitle(date, easter, k, copticDay, copticMonth, copticYear, named, seasonKey, week, day);
    if (!named.isEmpty() && !feast.isEmpty())
        title = named + lineBreak + feast;
    else if (!named.isEmpty())
        title = named;
    else if (!feast.isEmpty())
        title = feast;
}

} // namespace MdlLectarium
