#pragma once

// Every statement the program sends to the lectionary database, built the one way the
// readers expect: numbers in the number-to-text form (a blank before a number that is
// not negative), literal parts exactly as the database has always been asked.

#include "base/integer.h"

#include <QList>
#include <QString>

namespace MdlLectarium {

// Text placed between single quotes: a quote inside it is doubled so that the
// statement stays well formed whatever the scrambled text holds.
QString Quoted_Text(const QString& text);

// Passages (Data_Bible).
QString Psalmos_Statement(const QString& scrambledKey);
QString Verse_Statement(Integer old, Integer bible, Integer chapter, Integer verse);
QString Verse_Range_Statement(Integer old, Integer bible, Integer chapter, Integer firstVerse,
                              Integer lastVerse);
QString Chapter_Range_Statement(Integer old, Integer bible, Integer firstChapter, Integer lastChapter);
// Chapter retrieval (Data_Bible).
QString Chapter_Statement(Integer old, Integer bible, Integer chapter);

// Bible search (Data_Bible_Search); the term is already in the complement form.
QString Search_All_Statement(const QString& scrambledTerm);
QString Search_Old_Statement(const QString& scrambledTerm);
QString Search_New_Statement(const QString& scrambledTerm);
// Chosen books 1..73 in the order chosen; at least one.
QString Search_Books_Statement(const QList<Integer>& books, const QString& scrambledTerm);

// The day's readings and the other windows.
extern const QString Tips_Table;     // "Tips"
extern const QString Ceremony_Table; // "Ceremony"
QString Story_Statement(Integer month, Integer day);
QString Year_Statement(Integer month, Integer day);
QString Suns_Statement(Integer month, Integer sunday);
QString Jonah_Statement(Integer day);
QString Fast_Statement(Integer week, Integer day);
QString Fifty_Statement(Integer week, Integer day);
QString Pain_First_Day_Statement(); // day 1, as the funeral button asks for it
QString Pain_Statement(Integer day);

} // namespace MdlLectarium
