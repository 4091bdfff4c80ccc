#pragma once

// Reading references ("مت 5: 1-12", "1كو 13: 1،4") turned into the text of the
// passage, one verse per line, from the tables Bible and Psalmos.

#include "base/integer.h"
#include "base/interface_language.h"

#include <QString>
#include <QStringList>

namespace MdlLectarium {

class Data_Source;

// The parts of a reference. kind: 0 one verse, 1 V and W, 2 K:V then W:X,
// 3 V to W, 4 K:V to W:X, 5 V, W and X.
struct Reference_Parts {
    QString book;
    Integer chapter = 0; // K
    Integer verse = 0;   // V
    Integer second = 0;  // W
    Integer third = 0;   // X
    int kind = 0;
};

Reference_Parts Parse_Reference(const QString& reference);

// A reading of several passages is one reference of parts joined by " و ":
// "مت 21: 1-17 و مر 11: 1-11", "1كو 10: 25-32 و 11: 1"; a part that starts with a number
// continues the book of the part before it. Each part is one of the six forms above. The
// parts, each with its book; the reference itself when it has no join; empty for a
// malformed join (an empty part, a first part without a book, a part without a known
// book or a chapter).
QStringList Split_Reference(const QString& reference);

// The passage of a reference through Data_Bible; empty text when no book
// abbreviation matches or a range has no verses. A missing verse of a single-verse
// form gives its number and an empty text. The parts of a joined reference follow one
// another, each part of another book under its book's name and chapter, each later
// chapter of the same book under its chapter heading; a psalm of several parts is read
// from its Psalmos row when it has one. Empty for a malformed join.
QString Get_Passage(const QString& reference);
// The same through a given data source (tools and tests).
QString Get_Passage(Data_Source& dataBible, const QString& reference);

// A reference as English readers write it: "Psalm 81:3, 1-2; 65:1-2", the book in
// English and the parts joined by semicolons. A reference whose parts cannot all be
// read is kept as it stands.
QString English_Reference(const QString& reference);
// A book's name as English lectionaries print it (1..73); empty for another number.
QString English_Book_Name(int book);
// A book's and a group of books' names in the reader's language: in English under
// English, as the book table names them otherwise.
QString Book_Name_In(int book, Interface_Language language);
QString Group_Name_In(int group, Interface_Language language);
// The psalm number of the church's books (the Greek numbering of the Coptic Psalter)
// for a psalm and verse of the Hebrew numbering the tables keep.
int Greek_Psalm(int hebrew, int verse);
// A reference as the reader sees it: a psalm's Greek number with the Hebrew one beside
// it where they differ, "مز 22 (23): 1-3"; other books as they are.
QString Church_Psalm_Reference(const QString& reference);
// The stored reference back from Church_Psalm_Reference's form.
QString Stored_Psalm_Reference(const QString& shown);
// A stored reference as the reader of language reads it: as English Bibles write it under
// English (their psalms numbered the Hebrew way, as kept), by the church's psalm numbers
// otherwise.
QString Reference_In(const QString& stored, Interface_Language language);

// The prefixes that the readings window puts before the stored psalm and Acts
// references (reading fields 1, 3, 8 and 7); empty for the other fields.
QString Reading_Prefix(int readingField);
// A reading field's stored reference as its box shows it: a psalm field, kept without
// its book, by the church's number too (Church_Psalm_Reference), still without the book.
QString Church_Field_Reference(int readingField, const QString& stored);

} // namespace MdlLectarium
