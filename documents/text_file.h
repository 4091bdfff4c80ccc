#pragma once

// Text documents on disk: code page 1256 or UTF-8 (with or without a byte-order mark)
// with CR LF line ends. A document is written back in the encoding it was read in.

#include "base/integer.h"

#include <QString>

namespace MdlLectarium {

// The document was edited since it was created, opened or saved.
extern bool Text_Changed;
// The document was created by New and has no file yet.
extern bool Text_Untitled;

constexpr int Text_Read_Limit = 29000;
// At most this many bytes are read from the start of a file: far more than the
// characters shown, however they are encoded.
constexpr qint64 Text_Read_Byte_Limit = 1 << 20;

enum class Text_Encoding { Cp1256, Utf8, Utf8_Bom };

// The encoding a file's bytes are read in: UTF-8 after a byte-order mark when the rest
// is valid UTF-8; UTF-8 when they hold other than ASCII and are valid UTF-8; else code
// page 1256 (plain ASCII is the same bytes in all three).
Text_Encoding Detect_Text_Encoding(const QByteArray& bytes);

// The bytes of text in the encoding; *ok is false when code page 1256 lacks a character.
QByteArray Encode_Text(const QString& text, Text_Encoding encoding, bool* ok = nullptr);

struct Text_Read {
    bool ok = false;
    Text_Encoding encoding = Text_Encoding::Cp1256;
    QString text;           // each line read followed by CR LF
    bool truncated = false; // reading stopped past the limit
    // The file's last line ended with a line end (or the reading stopped past the
    // limit). The document is the text without the line end the reading added after the
    // last line; saved with Write_Text_File and this, an unchanged document gives the
    // same bytes as its file when that had CR LF line ends.
    bool endsWithLineEnd = false;
    QString error;
};

// Reads line by line, appending each line and CR LF, and stops once the text is
// longer than Text_Read_Limit characters (the line that crosses it stays, unless it
// runs past Text_Read_Byte_Limit, where it is cut).
Text_Read Read_Text_File(const QString& path);

// Writes text and one CR LF (none when lineEndAtEnd is false: a document read from a
// file whose last line had none) in the encoding (code page 1256 unless told). Nothing
// is written over an existing file unless the whole new file could be written; a
// character code page 1256 cannot hold fails the save. error tells why.
bool Write_Text_File(const QString& path, const QString& text, QString* error = nullptr,
                     Text_Encoding encoding = Text_Encoding::Cp1256, bool lineEndAtEnd = true);

// Text boxes hold line feeds; the files and the rest of the program CR LF.
QString To_Box_Text(const QString& text);
QString From_Box_Text(const QString& text);

} // namespace MdlLectarium
