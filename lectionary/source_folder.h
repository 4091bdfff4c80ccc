#pragma once

// The lectionary kept as reviewable text: one UTF-8 file per table, unscrambled, and
// the database built from it. The format is described in data/FORMAT.md.

#include <QList>
#include <QString>
#include <QStringList>

namespace MdlLectarium {

enum class Column_Type { Number, Boolean, Text };
enum class Scramble { None, Complement, Shift };

struct Column_Schema {
    QString name;
    Column_Type type = Column_Type::Number;
    Scramble scramble = Scramble::None;
};

struct Table_Schema {
    QString name;
    QList<Column_Schema> columns;
    // Columns whose values together may appear only once; empty: rows may repeat.
    QStringList key;
    // Keys of the shift form: the columns giving the first and second key. An empty
    // first key means Fixed_First_Key; an empty second key means the row's position
    // counted from 0 (the tip draw moves that many rows forward).
    QString firstKey;
    QString secondKey;

    int columnIndex(const QString& column) const;
    QString fileName() const { return name + QStringLiteral(".txt"); }
};

// A table file larger than this is refused rather than read.
constexpr qint64 Table_File_Limit = qint64(64) << 20;

// The twelve tables, in the order they are built and dumped.
const QList<Table_Schema>& Lectionary_Tables();
const Table_Schema* Find_Table(const QString& name);

// A field as written in a source file: backslash escapes \\ \t \n (LF) \r (CR), and
// \N alone for Null.
QString Escape_Field(const QString& value, bool isNull);
// The reverse; false with a reason for an unknown escape or a lone backslash.
bool Unescape_Field(const QString& field, QString& value, bool& isNull, QString& reason);

// Builds OUT from the source folder: every table file is read and checked first, then
// the database is written beside OUT under a temporary name and moved into place, so
// a failure leaves no file (and an existing OUT untouched). The error names the file,
// the line and the reason. OUT naming one of the folder's table files is refused.
bool Build_Database(const QString& sourceFolder, const QString& outPath, QString& error);

// Writes the source folder back from a database: one file per table that has rows.
// The table files are replaced as a set (Replace_File_Set), the folder's other files
// kept; the file of a table without rows is removed. A table file that is the database
// itself is refused.
bool Dump_Database(const QString& databasePath, const QString& outFolder, QString& error);

} // namespace MdlLectarium
