#pragma once

// The two scrambled forms of the stored texts and the small layout helpers that every
// reader of the lectionary uses. Both forms work on the code-page-1256 code of each
// character.

#include "base/integer.h"
#include "base/interface_language.h"

#include <QString>

namespace MdlLectarium {

// The first key that the rows of the single-key tables (Jonah, Pain, Tips) are
// scrambled with; their second key is the day (Jonah, Pain) or the draw number (Tips).
constexpr Integer Fixed_First_Key = 0;

// Complement form: every code c becomes 255 - c. Its own inverse. A character without
// a code in the code page is kept as it is.
QString Flip_Text(const QString& text);

// Shift form, read back in place with the two key numbers of the row.
void Unshift_Text(Integer firstKey, Integer secondKey, QString& text);

// The shift applied to the character at a 0-based position of a text scrambled with
// these keys (the reader subtracts it, the writer adds it).
Integer Shift_Amount(Integer firstKey, Integer secondKey, qsizetype position);

// Writes the shift form: the inverse of Unshift_Text. Returns false, and the 0-based
// position of the first character that cannot be stored, when a character has no code
// in the code page or its shifted code leaves 1..255; reason then says why.
bool Shift_Text(Integer firstKey, Integer secondKey, const QString& text, QString& stored,
                qsizetype* badPosition = nullptr, QString* reason = nullptr);

// Verse number without a leading blank, one blank, the verse text.
QString Verse_Line(Integer verse, const QString& text);

// CR LF, the chapter words, the number with its leading blank, CR LF.
QString Chapter_Heading(Integer chapter);
// A passage's chapter headings in the reader's language: "Chapter 5" under English,
// as they are otherwise.
QString Chapter_Headings_In(const QString& passage, Interface_Language language);

extern const QString Line_Break; // CR LF

} // namespace MdlLectarium
