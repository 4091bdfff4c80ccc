#include "readings/where_read.h"

#include "calendar/classify_day.h"
#include "calendar/selected_day.h"
#include "lectionary/reading_index.h"
#include "readings/day_readings.h"
#include "readings/reading_texts.h"

#include <QHash>

namespace MdlLectarium {

namespace {

QString rowKey(const QString& table, Integer key1, Integer key2) {
    return table + QLatin1Char(' ') + QString::number(key1) + QLatin1Char(' ') + QString::number(key2);
}

// The row of the index each day of the year reads, as Show selects it.
QHash<QString, QStringList> rowDates(int year) {
    // The scan runs on the shared selected-day state: keep the user's day.
    const QDate date0 = Selected_Date;
    const Integer day0 = Coptic_Day, month0 = Coptic_Month, year0 = Coptic_Year;
    const QString title0 = Occasion_Title, key0 = Season_Key;
    const Integer week0 = Season_Week, seasonDay0 = Season_Day, pain0 = Pain_Day, rite0 = Rite_No;
    const bool eve0 = Nineveh_Eve, paramoun0 = Paramoun_Day;

    QHash<QString, QStringList> dates;
    Reset_Day_State();
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        Classify_Day(date, Day_Stage::Shown);
        QString key;
        if (Season_Key == QLatin1String("Pain")) {
            key = rowKey(QStringLiteral("Pain"), 0, static_cast<Integer>(Season_Day + 1));
        } else {
            const Reading_Query query = Day_Reading_Query();
            static const QHash<QString, QString> tables{{QStringLiteral("Read"), QStringLiteral("Year")},
                                                        {QStringLiteral("Suns"), QStringLiteral("Suns")},
                                                        {QStringLiteral("Johan"), QStringLiteral("Jonah")},
                                                        {QStringLiteral("Fast"), QStringLiteral("Fast")},
                                                        {QStringLiteral("Fifty"), QStringLiteral("Fifty")}};
            const QString table = tables.value(Season_Key);
            if (table.isEmpty() || query.statement.isEmpty())
                continue;
            key = rowKey(table, table == QLatin1String("Jonah") ? 0 : query.firstKey, query.secondKey);
        }
        dates[key] << date.toString(Qt::ISODate);
    }

    Selected_Date = date0;
    Coptic_Day = day0, Coptic_Month = month0, Coptic_Year = year0;
    Occasion_Title = title0, Season_Key = key0;
    Season_Week = week0, Season_Day = seasonDay0, Pain_Day = pain0, Rite_No = rite0;
    Nineveh_Eve = eve0, Paramoun_Day = paramoun0;
    return dates;
}

QString slot(const Index_Entry& entry) {
    if (entry.field == QLatin1String("Sign"))
        return Pascha_Caption + QStringLiteral(": ") + entry.hour;
    const int field = entry.field.toInt();
    if (field >= 10)
        return Prophecies_Caption.trimmed();
    const QString office = (field <= 2   ? Vespers_Caption
                            : field <= 4 ? Matins_Caption
                                         : Liturgy_Caption)
                               .trimmed();
    return office + QStringLiteral(": ") + Reading_Field_Caption(field);
}

} // namespace

bool Where_Read_Report(const QString& databasePath, const QString& reference, int year, QStringList& lines,
                       QString& error) {
    const std::vector<Verse_Span> spans = Covered_Verses(reference);
    if (spans.empty()) {
        error = QStringLiteral("not a reading reference of a known book: ") + reference;
        return false;
    }
    std::vector<Index_Entry> entries;
    if (!Where_Read(databasePath, spans, entries, error))
        return false;
    const QHash<QString, QStringList> dates = rowDates(year);
    lines.clear();
    for (const Index_Entry& entry : entries) {
        const QString key = rowKey(entry.table, entry.key1, entry.key2);
        lines << key + QLatin1Char('\t') + slot(entry) + QLatin1Char('\t') + entry.reference +
                     QLatin1Char('\t') + dates.value(key).join(QStringLiteral(", "));
    }
    return true;
}

} // namespace MdlLectarium
