#include "calendar/selected_day.h"

#include "base/settings.h"
#include "lectionary/bible_books.h"

#include <QDir>

namespace MdlLectarium {

QDate Selected_Date;
Integer Coptic_Day = 0;
Integer Coptic_Month = 0;
Integer Coptic_Year = 0;
QString Occasion_Title;
QString Season_Key;
Integer Season_Week = 0;
Integer Season_Day = 0;
Integer Pain_Day = 0;
Integer Rite_No = 0;
bool Nineveh_Eve = false;
bool Paramoun_Day = false;

std::array<QString, 8> Day_Names;
std::array<QString, 13> Month_Names;
std::array<QString, 14> Coptic_Month_Names;
std::array<QString, 6> Ordinal_Names;
std::array<QString, 8> Day_Ordinals;
std::array<QString, 9> Lent_Week_Names;
std::array<QString, 8> Fifty_Week_Names;

namespace {
std::function<QDate()> todaySource;

// Division rounding down, so that day counts before the epoch stay consistent.
qint64 floorDiv(qint64 x, qint64 n) {
    return x >= 0 ? x / n : -((-x + n - 1) / n);
}
} // namespace

QDate Today() {
    return todaySource ? todaySource() : QDate::currentDate();
}

void Set_Today_Source(std::function<QDate()> source) {
    todaySource = std::move(source);
}

int Weekday_Number(const QDate& date) {
    // Qt counts Monday = 1 .. Sunday = 7.
    return date.dayOfWeek() % 7 + 1;
}

void Fill_Name_Tables() {
    Day_Names = {QString(),
                 QStringLiteral("الأحـــد"),
                 QStringLiteral("الأثنيـن"),
                 QStringLiteral("الثلاثاء"),
                 QStringLiteral("الأربعاء"),
                 QStringLiteral("الخميـس"),
                 QStringLiteral("الجمعـة"),
                 QStringLiteral("الســبت")};
    Month_Names = {QString(),
                   QStringLiteral("يناير"),
                   QStringLiteral("فبراير"),
                   QStringLiteral("مارس"),
                   QStringLiteral("أبريل"),
                   QStringLiteral("مايو"),
                   QStringLiteral("يونيو"),
                   QStringLiteral("يوليو"),
                   QStringLiteral("أغسطس"),
                   QStringLiteral("سبتمبر"),
                   QStringLiteral("أكتوبر"),
                   QStringLiteral("نوفمبر"),
                   QStringLiteral("ديسمبر")};
    Coptic_Month_Names = {QString(),
                          QStringLiteral("تـــوت"),
                          QStringLiteral("بــابة"),
                          QStringLiteral("هـاتور"),
                          QStringLiteral("كــيهك"),
                          QStringLiteral("طــوبة"),
                          QStringLiteral("أمشـير"),
                          QStringLiteral("برمهات"),
                          QStringLiteral("برمودة"),
                          QStringLiteral("بشــنس"),
                          QStringLiteral("بـؤونة"),
                          QStringLiteral("أبــيب"),
                          QStringLiteral("مســرى"),
                          QStringLiteral("نســـئ")};
    const QString first = QStringLiteral("الأول");
    const QString second = QStringLiteral("الثانى");
    const QString third = QStringLiteral("الثالث");
    const QString fourth = QStringLiteral("الرابع");
    const QString fifth = QStringLiteral("الخامس");
    const QString sixth = QStringLiteral("السادس");
    const QString seventh = QStringLiteral("السابع");
    Ordinal_Names = {QString(), first, second, third, fourth, fifth};
    Day_Ordinals = {QString(), first, second, third, fourth, fifth, sixth, seventh};
    Lent_Week_Names = {QStringLiteral("رفاع الصوم"), first, second, third, fourth, fifth, sixth, seventh,
                       QStringLiteral("الآلام")};
    Fifty_Week_Names = {QStringLiteral("العيد"),  first, second, third, fourth, fifth, sixth,
                        QStringLiteral("العنصرة")};
}

QDate Julian_Calendar_Date(int year, int month, int day) {
    // Counted from March so that the leap day ends the counting year.
    const int a = (14 - month) / 12;
    const qint64 y = qint64(year) + 4800 - a;
    const qint64 m = month + 12 * a - 3;
    return QDate::fromJulianDay(day + (153 * m + 2) / 5 + 365 * y + floorDiv(y, 4) - 32083);
}

void Coptic_Date(const QDate& date, Integer& day, Integer& month, Integer& year) {
    // Days since 1 Tout of the year 1 (29 August 284 on the Julian calendar). Every
    // Coptic year has twelve months of 30 days and an epagomenal month of 5 days, 6 in
    // the years before one divisible by 4, so four years always make 1461 days and
    // the date stays exact whatever the Gregorian century rule does.
    const qint64 days = date.toJulianDay() - Coptic_Epoch_Julian_Day;
    const qint64 y = floorDiv(4 * days + 1463, 1461);
    const qint64 dayOfYear = days - (365 * (y - 1) + floorDiv(y, 4));
    year = static_cast<Integer>(y);
    month = static_cast<Integer>(dayOfYear / 30 + 1);
    day = static_cast<Integer>(dayOfYear % 30 + 1);
}

} // namespace MdlLectarium
