#include "readings/saint_search.h"

#include "bible/search.h"
#include "calendar/feast_dates.h"
#include "calendar/selected_day.h"
#include "lectionary/scrambled_text.h"

#include <algorithm>

namespace MdlLectarium {

namespace {

bool readNames(Database& database, const QString& table, QList<Commemoration>& out, QString& error) {
    Result_Set rows;
    if (!database.Run(QStringLiteral("SELECT Month, Day, Data FROM %1").arg(table), rows, error))
        return false;
    for (const auto& row : rows.rows) {
        if (row.size() < 3 || row[2].isNull())
            continue;
        const auto month = static_cast<Integer>(row[0].toInt());
        const auto day = static_cast<Integer>(row[1].toInt());
        QString text = row[2].toString();
        Unshift_Text(month, day, text);
        for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            if (!line.trimmed().isEmpty())
                out.append({month, day, line.trimmed()});
    }
    return true;
}

// The form both sides are compared in: the Bible search's folding, then case folding
// for the English names.
QString searchForm(const QString& text) {
    return Fold_Arabic(text).toCaseFolded();
}

} // namespace

bool Read_Commemorations(Database& database, QList<Commemoration>& out, QString& error) {
    out.clear();
    if (!readNames(database, QStringLiteral("Story"), out, error))
        return false;
    Result_Set english;
    if (!database.Run(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = 'Story_En'"),
            english, error))
        return false;
    if (!english.rows.empty() && !readNames(database, QStringLiteral("Story_En"), out, error))
        return false;
    std::stable_sort(out.begin(), out.end(), [](const Commemoration& a, const Commemoration& b) {
        return a.copticMonth != b.copticMonth ? a.copticMonth < b.copticMonth : a.copticDay < b.copticDay;
    });
    return true;
}

QList<Commemoration> Find_Commemorations(const QList<Commemoration>& all, const QString& text) {
    QList<Commemoration> found;
    const QString term = searchForm(text.simplified());
    if (term.isEmpty())
        return found;
    for (const Commemoration& day : all)
        if (searchForm(day.name).contains(term))
            found.append(day);
    return found;
}

QDate Commemoration_Date(const Commemoration& day, int gregorianYear) {
    return Coptic_Day_In_Year(gregorianYear, day.copticMonth, day.copticDay);
}

QString Commemoration_Line(const Commemoration& day, int gregorianYear) {
    const QDate date = Commemoration_Date(day, gregorianYear);
    const QString month = day.copticMonth >= 1 && day.copticMonth <= 13
                              ? Coptic_Month_Names[static_cast<size_t>(day.copticMonth)]
                              : QString::number(day.copticMonth);
    return QString::number(day.copticDay) + QLatin1Char(' ') + month + QLatin1Char('\t') +
           (date.isValid() ? date.toString(Qt::ISODate) : QStringLiteral("-")) + QLatin1Char('\t') + day.name;
}

} // namespace MdlLectarium
