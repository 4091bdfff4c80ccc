#pragma once

// The translations a reader names (SWORD modules and the database's own Bible) opened
// together, a passage in all of them side by side written out as text or as an HTML
// table, and the search in one of them.

#include "bible/search.h"
#include "lectionary/sword_bible.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace MdlLectarium {

class Data_Source;

struct Named_Bibles {
    QList<Translation> translations; // in the order named
    QStringList languages;           // a language code per translation; empty when unknown
    int databaseColumn = -1;         // the translation read from the database, if named
    QStringList problems;            // the modules left out, each with its reason
};

enum class Bibles_Outcome {
    Opened,
    Unknown_Name, // error names the installed modules
    None_Usable,  // every module named was left out; problems say why
};

// Opens the translations of names (module names, or Database_Bible_Name). A module that
// is not a Bible, or cannot be read, is left out with its reason in problems. Ready
// only, a module whose cache is not built is left out too rather than read (a window
// does not wait for it).
Bibles_Outcome Open_Named_Bibles(const QStringList& names, Named_Bibles& out, QString& error,
                                 bool readyOnly = false);

// The passage of reference in every translation, verse n of each on one row; the
// database's translation is read from bible, chapter by chapter, as it is needed.
QList<Passage_Block> Parallel_Passage(Named_Bibles& bibles, Data_Source& bible, const QString& reference);
// The same for verses named by span: a whole chapter, or the verses a search found.
QList<Passage_Block> Parallel_Passage(Named_Bibles& bibles, Data_Source& bible,
                                      const QList<Passage_Span>& spans);

// One line per verse and translation (the verse number, a blank, the text), the
// translations of a verse one after another; a later chapter under its heading, a later
// book under its name. CR LF line ends, as a passage of the database. Empty when no
// translation has a verse of it.
QString Parallel_Text(const QList<Passage_Block>& blocks);

// A table: a row per verse, a cell per translation, each cell in the direction of its
// own text with the translation's language; a later chapter on a row of its own (the
// first too when headFirst).
QString Parallel_Html(const QList<Passage_Block>& blocks, const QStringList& languages,
                      bool headFirst = false);

// The verses of translation holding term within scope, as the search of the database
// gives them: in the order of the books (of the chosen books when scope names some),
// each line the verse, a blank, the book, the chapter and the verse.
Scan_Outcome Search_Translation(const Translation& translation, const QString& term, bool ignoreMarks,
                                const Search_Scope& scope,
                                Interface_Language language = Interface_Language::Classic);

} // namespace MdlLectarium
