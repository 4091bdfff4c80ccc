#pragma once

// A psalm reading of several pieces that no reference of the passage engine names:
// "73: 23-24، 28 و 9: 14" (the pieces of a chapter joined by the Arabic comma, chapters
// by " و "), "132: 9-10، 17-18". The build keeps its text in the table Psalmos, made
// from the table Bible; dump and check make the same text again to tell such a row
// from one written by hand.

#include <QHash>
#include <QString>

namespace MdlLectarium {

class Database;

// What a psalm reference starts with; the functions below take it without.
extern const QString Psalm_Prefix;

// The key of a verse in the verse maps below: book 1..73, chapter, verse.
qint64 Verse_Key(int book, int chapter, int verse);

// Whether a psalm reference, written without "مز ", names more verses than the passage
// engine reads from it. bible holds the psalm verses by Verse_Key (book 21).
bool Is_Compound_Psalm(const QString& psalm, const QHash<qint64, QString>& bible);

// The text the build stores for such a psalm: its verses from bible, one numbered line
// each, a chapter heading where the chapter changes, lines joined by CR LF. Empty when
// the reference is not of several pieces or names a verse that bible lacks.
QString Compound_Psalm_Text(const QString& psalm, const QHash<qint64, QString>& bible);

// The psalm verses of a database's table Bible by Verse_Key; empty when it has none.
QHash<qint64, QString> Psalm_Verses(Database& database);

// Whether a Psalmos row (its psalm and its text, both read back) holds exactly what the
// build makes from bible, so that another Bible can make it again; a row written by hand
// differs. The text alone tells them apart: no mark in the table, so that databases of
// any age are read alike.
bool Is_Made_Psalm(const QString& psalm, const QString& data, const QHash<qint64, QString>& bible);

} // namespace MdlLectarium
