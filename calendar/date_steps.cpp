#include "calendar/date_steps.h"

namespace MdlLectarium {

namespace {

// The Gregorian rule, so that a step across 1900 or 2100 keeps the day of the month.
bool leapYear(int year) {
    return QDate::isLeapYear(year);
}

int februaryDays(int year) {
    return leapYear(year) ? 29 : 28;
}

QDate forward(const QDate& date, qint64 days) {
    QDate result = date.addDays(days);
    if (result.year() > 5000)
        result = result.addDays(-Date_Wrap_Days);
    return result;
}

QDate backward(const QDate& date, qint64 days) {
    QDate result = date.addDays(-days);
    if (result.year() < 500)
        result = result.addDays(Date_Wrap_Days);
    return result;
}

} // namespace

QDate Step_Date(const QDate& date, Date_Step step) {
    const int month = date.month();
    const int year = date.year();
    switch (step) {
    case Date_Step::Day_Down:
        return backward(date, 1);
    case Date_Step::Day_Up:
        return forward(date, 1);
    case Date_Step::Month_Left: {
        int days = 31;
        if (month == 4 || month == 6 || month == 9 || month == 11)
            days = 30;
        else if (month == 2)
            days = februaryDays(year);
        return forward(date, days);
    }
    case Date_Step::Month_Right: {
        int days = 31;
        if (month == 12 || month == 10 || month == 7 || month == 5)
            days = 30;
        else if (month == 3)
            days = februaryDays(year);
        return backward(date, days);
    }
    case Date_Step::Year_Down: {
        const int tested = month <= 2 ? year - 1 : year;
        return backward(date, leapYear(tested) ? 366 : 365);
    }
    case Date_Step::Year_Up: {
        const int tested = month <= 2 ? year : year + 1;
        return forward(date, leapYear(tested) ? 366 : 365);
    }
    }
    return date;
}

QDate Typed_Date(const QString& text) {
    QString plain;
    for (const QChar ch : text.trimmed()) {
        const int digit = ch.digitValue();
        plain += digit >= 0 ? QChar(u'0' + digit) : ch;
    }
    // A day-first form with a two-digit year, or month-first, is left out: 03/04/2027
    // would mean two different days to different readers.
    for (const char* form : {"yyyyMMdd", "yyyy-M-d", "yyyy/M/d", "yyyy.M.d", "d/M/yyyy"}) {
        const QDate date = QDate::fromString(plain, QLatin1String(form));
        if (date.isValid())
            return date;
    }
    return {};
}

} // namespace MdlLectarium
