#pragma once

// Writes small Access (Jet 3 and Jet 4) files for the tests and the benchmark: no tool
// on the machine creates them. A file has what a reader follows: the header, the
// catalogue MSysObjects, a definition per table, page maps, data pages and long-value
// pages; it has no indexes.

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <vector>

namespace Jet_Writer {

enum class Version { Jet3, Jet4 };

// Column types, numbered as Jet numbers them.
enum Type : int {
    Bool = 1,
    Byte = 2,
    Int = 3,
    Long = 4,
    Money = 5,
    Float = 6,
    Double = 7,
    Date_Time = 8,
    Binary = 9,
    Text = 10,
    Ole = 11,
    Memo = 12,
    Guid = 15,
    Numeric = 16,
};

struct Column {
    QString name;
    int type = Text;
    int length = 255; // Text: characters; Binary: bytes
    int precision = 18;
    int scale = 0; // Numeric: digits after the point
};

// Values: a null QVariant is Null; Bool takes any number (non-zero is true); the
// integer types qlonglong; Money, Float, Double and Date_Time (days since 30 December
// 1899) a double; Numeric a qlonglong or a double; Text and Memo a QString; Binary, Ole
// and Guid (16 bytes) a QByteArray.
struct Table {
    QString name;
    std::vector<Column> columns;
    std::vector<std::vector<QVariant>> rows;
};

struct Options {
    Version version = Version::Jet4;
    int codePage = 1256;       // named in the header; Jet 3 texts are written in it (0: 1256)
    quint32 key = 0;           // non-zero: an encoded database
    bool compressText = false; // Jet 4: the compressed form where it is shorter
    int inlineMemo = 64;       // longer memo values go to long-value pages
    bool indirectMaps = false; // page maps that point to map pages
};

// The bytes of the file; empty with a reason when a value cannot be stored.
// definitions receives the page of each table's definition, in the order given.
QByteArray Write(const std::vector<Table>& tables, const Options& options, QString* error = nullptr,
                 std::vector<int>* definitions = nullptr);

} // namespace Jet_Writer
