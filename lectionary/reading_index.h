#pragma once

// Where a passage is read: an index of the verses each reading of the lectionary
// covers, written into the database when it is built and only read afterwards.

#include "base/integer.h"

#include <QString>

#include <vector>

namespace MdlLectarium {

// The table the index is kept in.
extern const QString Reading_Index_Table;

// Verses first..last of one chapter of a book (a book number of the book table).
struct Verse_Span {
    Integer book = 0;
    Integer chapter = 0;
    Integer first = 0;
    Integer last = 0;
};

// The spans a reading reference covers, every part of a joined reference ("مت 21: 1-17
// و مر 11: 1-11"); empty when its book is unknown or a join is malformed. A reference of
// a book and a chapter alone ("يو 3") covers the whole chapter.
std::vector<Verse_Span> Covered_Verses(const QString& reference);

// One reading of the lectionary: its table and keys (key1 0 where the table has one
// key), the field ("1".."18", or "Sign" for Holy Week), the hour for Holy Week, and the
// reference as the readings window shows it.
struct Index_Entry {
    QString table;
    Integer key1 = 0;
    Integer key2 = 0;
    QString field;
    QString hour;
    QString reference;
};

// Reads every reading table of the database at path (an SQLite file being built) and
// writes the index table into it, replacing an older one.
bool Write_Reading_Index(const QString& path, QString& error);

// The readings whose verses meet those of the reference, in table order. False with a
// reason when the database has no index or cannot be read.
bool Where_Read(const QString& path, const std::vector<Verse_Span>& spans, std::vector<Index_Entry>& out,
                QString& error);

} // namespace MdlLectarium
