#pragma once

// The answer to "where is this passage read": each reading of the index that covers the
// verses, with its occasion, office and reading, and the days of a given year on which
// it is read, or why it is read on none.

#include "base/integer.h"
#include "base/interface_language.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace MdlLectarium {

// The occasion of a row of a readings table as a reader names it: "18 توت" (Year),
// "الأحد الخامس من طوبة" (Suns), the day of Nineveh, Lent or the Fifty Days (Jonah,
// Fast, Fifty), and for Holy Week (Pain) the day with the hour of the row's
// description. In English from the same parts: "18 Tout", "Fifth Sunday of Tobi",
// "Wednesday of Holy Week, Wednesday - Sixth Hour". Needs the name tables.
QString Occasion_Name(const QString& table, Integer key1, Integer key2, const QString& hour = QString(),
                      Interface_Language language = Interface_Language::Classic);

// A day in both calendars: "الأحد 17 يناير 2027، 9 طوبة 1743", in English "Sunday 17
// January 2027, 9 Tobi 1743". Needs the name tables.
QString Both_Calendars(const QDate& date, Interface_Language language = Interface_Language::Classic);

struct Where_Read_Row {
    QString occasion; // Occasion_Name
    QString office; // "القداس", "عشية", "باكر", "النبوات" or "البصخة المقدسة"
    QString reading;    // "الإنجيل" ..., or the reading of a Holy Week hour
    QString reference;  // as the readings window shows it
    QString keys;       // the table and its keys: "Year 1 18"
    QList<QDate> dates; // the days of the year on which the day chooser's Show reads it
    QString none;       // without dates: why
};

// Every reading that covers the verses of reference, in table order, with its days in
// year, named in language. False with a reason when the reference names no known book or
// the database has no index. Needs the name and book tables; leaves the selected-day state
// as it found it.
bool Where_Read_Rows(const QString& databasePath, const QString& reference, int year,
                     std::vector<Where_Read_Row>& rows, QString& error,
                     Interface_Language language = Interface_Language::Classic);

// The same as lines of tab-separated columns: occasion, office and reading, reference,
// the days (ISO date with the Coptic date) or why there is none, and the keys.
bool Where_Read_Report(const QString& databasePath, const QString& reference, int year, QStringList& lines,
                       QString& error);

} // namespace MdlLectarium
