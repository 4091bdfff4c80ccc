#pragma once

// The tables of an Access file as mdbtools' own tools read them (its catalogue, bound
// columns and mdb_fetch_row), to hold the program's reader against. Only sound files:
// that path of mdbtools does not guard against damage.

#include "lectionary/data_source.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

struct Oracle_Table {
    QStringList columns;
    QList<int> types; // Jet column types
    QList<QStringList> rows;
};

// Every user table; Jet 3 texts decoded from the code page given (iconv name). Empty
// with a reason when mdbtools cannot open the file.
QMap<QString, Oracle_Table> Read_With_Mdbtools(const QString& path, const QByteArray& jet3Charset,
                                               QString& error);

// The program's reader's values in mdbtools' text form, for the column types whose
// text form is exact: whole numbers, yes/no (1 and 0), texts and dates. Null
// and empty text both read as "" in mdbtools. False for a column type to skip.
bool Oracle_Text(int type, const QVariant& value, QString& text);

// Checks a loaded database against mdbtools' reading; the first difference, or empty.
QString Compare_With_Mdbtools(MdlLectarium::Database& database, const QMap<QString, Oracle_Table>& oracle);
