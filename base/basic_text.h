#pragma once

// Number and text forms shared by the settings file, the database statements and
// the captions: the number-to-text form with its leading blank, the leading-number
// reading of a text, and the Arabic Windows code page of the stored files.

#include <QByteArray>
#include <QString>

namespace MdlLectarium {

// " 12", "-1", " 0": one blank before a number that is not negative.
QString Num_Text(qint64 value);
// The same form for a real; whole values print without a fraction.
QString Num_Text(double value);

// The leading decimal number of text (sign, digits, fraction, exponent) after any
// leading blanks; 0 when the text does not begin with one.
double Leading_Number(const QString& text);

// Round half to even, as the 16-bit conversions of the stored values do.
double Round_Half_Even(double value);

// Code page 1256 (Arabic Windows). ok is false when a character has no code.
QByteArray To_Cp1256(const QString& text, bool* ok = nullptr);
QString From_Cp1256(const QByteArray& bytes);
// The code-page-1256 code of one character, or -1 when it has none.
int Cp1256_Code(QChar ch);
QChar Cp1256_Char(int code);

// Text file contents: valid UTF-8 with a byte-order mark, or valid UTF-8 that is not
// plain ASCII, is read as UTF-8; anything else as code page 1256.
QString Decode_Text_File(const QByteArray& bytes);

} // namespace MdlLectarium
