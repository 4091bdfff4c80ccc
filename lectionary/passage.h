#pragma once

// Reading references ("مت 5: 1-12", "1كو 13: 1،4") turned into the text of the
// passage, one verse per line, from the tables Bible and Psalmos.

#include "shell/integer.h"

#include <QString>

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

// The passage of a reference through Data_Bible; empty text when no book
// abbreviation matches or a range has no verses. A missing verse of a single-verse
// form gives its number and an empty text.
QString Get_Passage(const QString& reference);
// The same through a given data source (tools and tests).
QString Get_Passage(Data_Source& dataBible, const QString& reference);

// The prefixes that the readings window puts before the stored psalm and Acts
// references (reading fields 1, 3, 8 and 7); empty for the other fields.
QString Reading_Prefix(int readingField);

} // namespace MdlLectarium
