#include "readings/where_read.h"

#include "calendar/classify_day.h"
#include "calendar/day_title.h"
#include "calendar/english_names.h"
#include "calendar/selected_day.h"
#include "lectionary/reading_index.h"
#include "readings/day_readings.h"
#include "readings/holy_week.h"
#include "readings/reading_texts.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>

#include <array>

namespace MdlLectarium {

namespace {

const QChar tatweel(0x0640);

QString rowKey(const QString& table, Integer key1, Integer key2) {
    return table + QLatin1Char(' ') + QString::number(key1) + QLatin1Char(' ') + QString::number(key2);
}

bool english(Interface_Language language) {
    return language == Interface_Language::English;
}

QString copticMonthName(Integer month, Interface_Language language = Interface_Language::Classic) {
    if (month < 1 || month > 13)
        return QString();
    if (english(language))
        return English_Coptic_Month(month);
    return QString(Coptic_Month_Names[static_cast<size_t>(month)]).remove(tatweel);
}

// The description of a Holy Week hour is "hour: reading" ("يوم الاثنين - باكر: المزمور").
QString hourOf(const QString& description) {
    const qsizetype colon = description.lastIndexOf(QLatin1Char(':'));
    return (colon < 0 ? description : description.left(colon)).trimmed();
}

QString readingOf(const QString& description) {
    const qsizetype colon = description.lastIndexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : description.mid(colon + 1).trimmed();
}

// What the year's days read and on which days each occasion falls.
struct Year_Scan {
    QHash<QString, QList<QDate>> read;  // row → the days Show reads it
    QHash<QString, QList<QDate>> falls; // row → the days its occasion falls on
    QMap<QDate, QString> readOn;        // day → the row Show reads
};

Year_Scan scanYear(int year) {
    // The scan runs on the shared selected-day state: keep the user's day.
    const QDate date0 = Selected_Date;
    const Integer day0 = Coptic_Day, month0 = Coptic_Month, year0 = Coptic_Year;
    const QString title0 = Occasion_Title, key0 = Season_Key;
    const Integer week0 = Season_Week, seasonDay0 = Season_Day, pain0 = Pain_Day, rite0 = Rite_No;
    const bool eve0 = Nineveh_Eve, paramoun0 = Paramoun_Day;

    static const QHash<QString, QString> tables{{QStringLiteral("Read"), QStringLiteral("Year")},
                                                {QStringLiteral("Suns"), QStringLiteral("Suns")},
                                                {QStringLiteral("Johan"), QStringLiteral("Jonah")},
                                                {QStringLiteral("Fast"), QStringLiteral("Fast")},
                                                {QStringLiteral("Fifty"), QStringLiteral("Fifty")}};
    const QString palmSunday = rowKey(QStringLiteral("Fast"), 7, 7);
    Year_Scan scan;
    Reset_Day_State();
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        const Day_Classification steps = Classify_Day(date, Day_Stage::Shown);

        // The occasions of the day as the calendar has them, before the readings choose.
        QStringList falls{rowKey(QStringLiteral("Year"), steps.copticMonth, steps.copticDay)};
        if (Weekday_Number(date) == 1)
            falls << rowKey(QStringLiteral("Suns"), steps.copticMonth,
                            Sunday_Number(steps.copticMonth, steps.copticDay));
        if (steps.titleKey == QLatin1String("Pain"))
            falls << rowKey(QStringLiteral("Pain"), 0, static_cast<Integer>(steps.titleDay + 1));
        else if (steps.titleKey == QLatin1String("Fast")) // keyed week + 1: 0 before Lent
            falls << rowKey(QStringLiteral("Fast"), static_cast<Integer>(Season_Week + 1), steps.titleDay);
        else if (steps.titleKey == QLatin1String("Fifty"))
            falls << rowKey(QStringLiteral("Fifty"), Season_Week, steps.titleDay);
        else if (steps.titleKey == QLatin1String("Johan"))
            falls << rowKey(QStringLiteral("Jonah"), 0, steps.titleDay);

        QString key;
        if (Season_Key == QLatin1String("Pain")) {
            key = rowKey(QStringLiteral("Pain"), 0, static_cast<Integer>(Season_Day + 1));
        } else {
            const Reading_Query query = Day_Reading_Query();
            const QString table = tables.value(Season_Key);
            if (!table.isEmpty() && !query.statement.isEmpty())
                key = rowKey(table, table == QLatin1String("Jonah") ? 0 : query.firstKey, query.secondKey);
        }
        // Palm Sunday's readings window opens the Pascha hours of its evening.
        if (key == palmSunday)
            falls << rowKey(QStringLiteral("Pain"), 0, 1);
        for (const QString& row : falls)
            scan.falls[row] << date;
        if (key.isEmpty())
            continue;
        scan.read[key] << date;
        scan.readOn.insert(date, key);
        if (key == palmSunday)
            scan.read[rowKey(QStringLiteral("Pain"), 0, 1)] << date;
    }

    Selected_Date = date0;
    Coptic_Day = day0, Coptic_Month = month0, Coptic_Year = year0;
    Occasion_Title = title0, Season_Key = key0;
    Season_Week = week0, Season_Day = seasonDay0, Pain_Day = pain0, Rite_No = rite0;
    Nineveh_Eve = eve0, Paramoun_Day = paramoun0;
    return scan;
}

QString occasionOfKey(const QString& key, Interface_Language language) {
    const QStringList parts = key.split(QLatin1Char(' '));
    if (parts.size() != 3)
        return key;
    return Occasion_Name(parts[0], static_cast<Integer>(parts[1].toInt()),
                         static_cast<Integer>(parts[2].toInt()), QString(), language);
}

// Why a reading is read on no day of the year.
QString whyNone(const Year_Scan& scan, const QString& key, int year, Interface_Language language) {
    const bool inEnglish = english(language);
    const QList<QDate> falls = scan.falls.value(key);
    if (falls.isEmpty())
        return (inEnglish ? QStringLiteral("Does not fall in %1") : QStringLiteral("لا يأتي في سنة %1"))
            .arg(year);
    QStringList reasons;
    for (const QDate& date : falls) {
        const QString instead = scan.readOn.value(date);
        const QString day = Both_Calendars(date, language);
        if (instead.isEmpty())
            reasons << (inEnglish ? QStringLiteral("Falls on %1") : QStringLiteral("يوافق %1")).arg(day);
        else
            reasons << (inEnglish ? QStringLiteral("Falls on %1, which reads the readings of %2")
                                  : QStringLiteral("يوافق %1 وتقرأ فيه قراءات %2"))
                           .arg(day, occasionOfKey(instead, language));
    }
    return reasons.join(inEnglish ? QStringLiteral("; ") : QStringLiteral("؛ "));
}

} // namespace

QString Occasion_Name(const QString& table, Integer key1, Integer key2, const QString& hour,
                      Interface_Language language) {
    const bool inEnglish = english(language);
    const auto seasonDay = [inEnglish](const QString& key, Integer week, Integer day) {
        return inEnglish ? English_Season_Day_Name(key, week, day) : Season_Day_Name(key, week, day);
    };
    if (table == QLatin1String("Year"))
        return QString::number(key2) + QLatin1Char(' ') + copticMonthName(key1, language);
    if (table == QLatin1String("Suns")) {
        if (key2 < 1 || key2 > 5)
            return QString();
        static const std::array<const char*, 6> ordinals{"", "First", "Second", "Third", "Fourth", "Fifth"};
        if (inEnglish)
            return QStringLiteral("%1 Sunday of %2")
                .arg(QLatin1String(ordinals[static_cast<size_t>(key2)]), copticMonthName(key1, language));
        return QString(Day_Names[1]).remove(tatweel) + QLatin1Char(' ') +
               Ordinal_Names[static_cast<size_t>(key2)] + QStringLiteral(" من ") + copticMonthName(key1);
    }
    if (table == QLatin1String("Jonah"))
        return seasonDay(QStringLiteral("Johan"), 0, key2);
    if (table == QLatin1String("Fast"))
        return seasonDay(QStringLiteral("Fast"), static_cast<Integer>(key1 - 1), key2);
    if (table == QLatin1String("Fifty"))
        return seasonDay(QStringLiteral("Fifty"), key1, key2);
    if (table == QLatin1String("Pain")) {
        // Day 1 is Palm Sunday, whose evening opens the Pascha; then Monday to Saturday.
        const QString day = key2 == 1 ? seasonDay(QStringLiteral("Fast"), 6, 7)
                                      : seasonDay(QStringLiteral("Pain"), 0, static_cast<Integer>(key2 - 1));
        const QString named = hourOf(Hour_Description_In(hour, language));
        if (named.isEmpty() || named.startsWith(day))
            return named.isEmpty() ? day : named;
        return day + (inEnglish ? QStringLiteral(", ") : QStringLiteral("، ")) + named;
    }
    return QString();
}

QString Both_Calendars(const QDate& date, Interface_Language language) {
    // The date labels keep their elongation for the windows' fixed fields; a line of text
    // does without it.
    return Date_Lines(date, language)
        .join(english(language) ? QStringLiteral(", ") : QStringLiteral("، "))
        .remove(tatweel);
}

bool Where_Read_Rows(const QString& databasePath, const QString& reference, int year,
                     std::vector<Where_Read_Row>& rows, QString& error, Interface_Language language) {
    const std::vector<Verse_Span> spans = Covered_Verses(reference);
    if (spans.empty()) {
        error = QCoreApplication::translate("MdlLectarium::Where_Read",
                                            "not a reading reference of a known book: ") +
                reference;
        return false;
    }
    std::vector<Index_Entry> entries;
    if (!Where_Read(databasePath, spans, entries, error))
        return false;
    const Year_Scan scan = scanYear(year);
    rows.clear();
    for (const Index_Entry& entry : entries) {
        Where_Read_Row row;
        row.keys = rowKey(entry.table, entry.key1, entry.key2);
        row.occasion = Occasion_Name(entry.table, entry.key1, entry.key2, entry.hour, language);
        if (entry.field == QLatin1String("Sign")) {
            row.office = Caption_In(Pascha_Caption, language);
            row.reading = readingOf(Hour_Description_In(entry.hour, language));
        } else {
            const int field = entry.field.toInt();
            row.office = (field >= 10  ? Prophecies_Caption
                          : field <= 2 ? Vespers_Caption
                          : field <= 4 ? Matins_Caption
                                       : Liturgy_Caption)
                             .trimmed();
            row.office = Caption_In(row.office, language);
            row.reading = Caption_In(Reading_Field_Caption(field), language);
        }
        row.reference = entry.reference;
        row.dates = scan.read.value(row.keys);
        if (row.dates.isEmpty())
            row.none = whyNone(scan, row.keys, year, language);
        rows.push_back(row);
    }
    return true;
}

bool Where_Read_Report(const QString& databasePath, const QString& reference, int year, QStringList& lines,
                       QString& error) {
    std::vector<Where_Read_Row> rows;
    if (!Where_Read_Rows(databasePath, reference, year, rows, error))
        return false;
    lines.clear();
    for (const Where_Read_Row& row : rows) {
        QStringList days;
        for (const QDate& date : row.dates) {
            Integer day = 0, month = 0, copticYear = 0;
            Coptic_Date(date, day, month, copticYear);
            days << date.toString(Qt::ISODate) + QStringLiteral(" (") + QString::number(day) +
                        QLatin1Char(' ') + copticMonthName(month) + QLatin1Char(' ') +
                        QString::number(copticYear) + QLatin1Char(')');
        }
        const QString slot =
            row.reading.isEmpty() ? row.office : row.office + QStringLiteral(": ") + row.reading;
        lines << QStringList{row.occasion, slot, row.reference,
                             days.isEmpty() ? row.none : days.join(QStringLiteral(", ")), row.keys}
                     .join(QLatin1Char('\t'));
    }
    return true;
}

} // namespace MdlLectarium
