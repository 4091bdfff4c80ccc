#pragma once

// Text documents on disk: code page 1256 (or UTF-8 on reading) with CR LF line ends.

#include <QString>

namespace MdlLectarium {

using Integer = qint16;

// Which window's text the Save command writes: 15 the text document, 3 the Bible
// browser, 12 the search results; 0 none yet.
extern Integer Active_Text_Source;
// The document was edited since it was created, opened or saved.
extern bool Text_Changed;
// The document was created by New and has no file yet.
extern bool Text_Untitled;

constexpr int Text_Read_Limit = 29000;
// At most this many bytes are read from the start of a file: far more than the
// characters shown, however they are encoded.
constexpr qint64 Text_Read_Byte_Limit = 1 << 20;

struct Text_Read {
    bool ok = false;
    QString text;        // each line read followed by CR LF
    bool truncated = false; // reading stopped past the limit
    QString error;
};

// Reads line by line, appending each line and CR LF, and stops once the text is
// longer than Text_Read_Limit characters (the line that crosses it stays, unless it
// runs past Text_Read_Byte_Limit, where it is cut).
Text_Read Read_Text_File(const QString& path);

// Writes text and one CR LF in code page 1256. Nothing is written over an existing
// file unless the whole new file could be written; a character the code page cannot
// hold fails the save. error tells why.
bool Write_Text_File(const QString& path, const QString& text, QString* error = nullptr);

// Text boxes hold line feeds; the files and the rest of the program CR LF.
QString To_Box_Text(const QString& text);
QString From_Box_Text(const QString& text);

} // namespace MdlLectarium
