#include "calendar/selected_day.h"

#include "lectionary/bible_books.h"
#include "shell/settings.h"

#include <QDir>

#include <cmath>

namespace MdlLectarium {

QString Program_Folder;
QString Database_Path;

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

// Int((x) / 4) * 4 = x, done in single precision as the stored calendar rules were.
bool divisibleByFour(Integer x)
{
    const float q = static_cast<float>(x) / 4.0f;
    return static_cast<Integer>(std::floor(q)) * 4 == x;
}
} // namespace

QDate Today()
{
    return todaySource ? todaySource() : QDate::currentDate();
}

void Set_Today_Source(std::function<QDate()> source)
{
    todaySource = std::move(source);
}

QString Program_File(const QString& name)
{
    return QDir(Program_Folder).filePath(name);
}

int Weekday_Number(const QDate& date)
{
    // Qt counts Monday = 1 .. Sunday = 7.
    return date.dayOfWeek() % 7 + 1;
}

void Fill_Name_Tables()
{
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
    Fifty_Week_Names = {QStringLiteral("العيد"), first, second, third, fourth, fifth, sixth,
                        QStringLiteral("العنصرة")};
}

bool Init_Tables(QString* settingsError)
{
    const bool settingsOk = Load_Settings(settingsError);
    Nineveh_Eve = false;
    Paramoun_Day = false;
    Database_Path = Program_File(QStringLiteral("Lectarium.mdb"));
    Fill_Name_Tables();
    Init_Bible_Tables();
    return settingsOk;
}

void Coptic_Date(const QDate& date, Integer& day, Integer& month, Integer& year)
{
    const Integer d = static_cast<Integer>(date.day());
    const Integer m = static_cast<Integer>(date.month());
    const Integer y = static_cast<Integer>(date.year());

    const Integer n1 = divisibleByFour(static_cast<Integer>(y - 283)) ? 12 : 11;
    Integer f;
    if (m < 9 || (m == 9 && d < n1)) {
        year = static_cast<Integer>(y - 284);
        f = divisibleByFour(static_cast<Integer>(y - 284)) ? 12 : 11;
    } else {
        year = static_cast<Integer>(y - 283);
        f = n1;
    }

    auto set = [&](int cm, int cd) {
        month = static_cast<Integer>(cm);
        day = static_cast<Integer>(cd);
    };
    switch (m) {
    case 1:
        if (d < f - 2)
            set(4, d - f + 33);
        else
            set(5, d - f + 3);
        break;
    case 2:
        if (d >= f - 3)
            set(6, d - f + 4);
        else
            set(5, d + 34 - f);
        break;
    case 3:
        if (d < 10)
            set(6, d + 21);
        else
            set(7, d - 9);
        break;
    case 4:
    case 5:
        if (d < 9)
            set(m + 3, d + 22);
        else
            set(m + 4, d - 8);
        break;
    case 6:
    case 7:
        if (d < 8)
            set(m + 3, d + 23);
        else
            set(m + 4, d - 7);
        break;
    case 8:
        if (d < 7)
            set(11, d + 24);
        else
            set(12, d - 6);
        break;
    case 9:
        if (d < 6)
            set(12, d + 25);
        else if (d < n1)
            set(13, d - 5);
        else
            set(1, d - n1 + 1);
        break;
    case 10:
        if (d < f)
            set(1, d - f + 31);
        else
            set(2, d - f + 1);
        break;
    default: // November, December
        if (d >= f - 1)
            set(m - 8, d - f + 2);
        else
            set(m - 9, d + 32 - f);
        break;
    }
}

} // namespace MdlLectarium
