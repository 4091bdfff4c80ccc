#pragma once

// The reader's chosen translations (the translations window) for the windows that show
// passages: opened from their caches once, and again when the choice changes.

#include "lectionary/sword_bible.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Lectarium {

// The passage of reference in the main text and the texts beside it, as the rows of a
// Reading_Box table: a heading row before a later chapter, then a row per verse, a cell
// per text (the verse number and the text; empty where a text lacks the verse). Empty
// when the choice is the database's Bible alone, or the reference names no verse of
// them. A module whose cache is not built yet is left out.
QList<QStringList> Chosen_Passage_Rows(const QString& reference);

// The same passage as an HTML table (printing, PDF and HTML pages); empty likewise.
QString Chosen_Passage_Html(const QString& reference);

// A whole chapter likewise (the Bible browser).
QList<QStringList> Chosen_Chapter_Rows(int book, int chapter);
QString Chosen_Chapter_Html(int book, int chapter);

// Verses one by one (a page of search results): a heading row before each chapter, the
// first too, then the verses side by side.
QList<QStringList> Chosen_Verses_Rows(const QList<MdlLectarium::Passage_Span>& verses);
QString Chosen_Verses_Html(const QList<MdlLectarium::Passage_Span>& verses);

} // namespace Lectarium
