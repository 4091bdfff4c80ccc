#pragma once

// A psalm reading of several pieces that no reference of the passage engine names:
// "73: 23-24، 28 و 9: 14" (the pieces of a chapter joined by the Arabic comma, chapters
// by " و "), "132: 9-10، 17-18". The build keeps its text in the table Psalmos, made
// from the table Bible; dump and check make the same text again to tell such a row
// from one written by hand.

#include <QHash>
#include <QString>

namespace MdlLectarium {

// The key of a verse in the verse maps below: book 1..73, chapter, verse.
qint64 Verse_Key(int book, int chapter, int verse);

// Whether a psalm reference, written without "مز ", names more verses than the passage
// engine reads from it. bible holds the psalm verses by Verse_Key (book 21).
bool Is_Compound_Psalm(const QString& psalm, const QHash<qint64, QString>& bible);

// The text the build stores for such a psalm: its verses from bible, one numbered line
// each, a chapter heading where the chapter changes, lines joined by CR LF. Empty when
// the reference is not of several pieces or names a verse that bible lacks.
QString Compound_Psalm_Text(const QString& psalm, const QHash<qint64, QString>& bible);

} // namespace MdlLectarium
