#include "lectionary/access_database.h"

#include <mdbtools.h>

#include "base/basic_text.h"
#include "base/regular_file.h"

#include <QDate>
#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include <sqlite3.h>

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace MdlLectarium {

namespace {

// Jet allows 255 columns a table and 32 indexes; mdbtools cracks rows into 256 fields.
constexpr unsigned Max_Columns = 256;
constexpr quint32 Max_Indexes = 256;
// A table definition of 255 columns with long names fills about a dozen pages.
constexpr int Max_Definition_Pages = 64;
// Jet files stop at 2 GB.
constexpr qint64 Max_File_Size = qint64(2) << 30;

constexpr quint16 Deleted_Row = 0x8000;
constexpr quint16 Overflow_Row = 0x4000;
constexpr quint16 Offset_Mask = 0x1FFF;

constexpr int System_Flags = static_cast<int>(0x80000002u);

quint16 le16(const uchar* p) {
    return static_cast<quint16>(p[0] | (p[1] << 8));
}

quint32 le32(const uchar* p) {
    return static_cast<quint32>(p[0]) | (static_cast<quint32>(p[1]) << 8) |
           (static_cast<quint32>(p[2]) << 16) | (static_cast<quint32>(p[3]) << 24);
}

// The stream cipher of the header and of encoded databases.
void rc4(const uchar* key, int keyLength, uchar* data, qsizetype length) {
    std::array<uchar, 256> s{};
    for (int i = 0; i < 256; ++i)
        s[static_cast<size_t>(i)] = static_cast<uchar>(i);
    int j = 0;
    for (int i = 0; i < 256; ++i) {
        j = (j + s[static_cast<size_t>(i)] + key[i % keyLength]) & 0xFF;
        std::swap(s[static_cast<size_t>(i)], s[static_cast<size_t>(j)]);
    }
    int a = 0;
    int b = 0;
    for (qsizetype n = 0; n < length; ++n) {
        a = (a + 1) & 0xFF;
        b = (b + s[static_cast<size_t>(a)]) & 0xFF;
        std::swap(s[static_cast<size_t>(a)], s[static_cast<size_t>(b)]);
        data[n] ^= s[static_cast<size_t>((s[static_cast<size_t>(a)] + s[static_cast<size_t>(b)]) & 0xFF)];
    }
}

constexpr uchar Header_Key[4] = {0xC7, 0xDA, 0x39, 0x6B};
constexpr int Header_Start = 0x18;

// Where the table definition keeps its counts, for each version.
struct Layout {
    int pageSize;
    int rowCountOffset; // data pages: the number of rows, then their offsets
    int numRowsOffset;
    int numColsOffset; // the number of variable columns is just before it
    int numIndexesOffset;
    int numRealIndexesOffset;
    int usageMapOffset;
    int freeMapOffset;
    int columnsStart;
    int realIndexEntry;
    int columnEntry;
    int columnNumberOffset;
    int varNumberOffset;
    int flagsOffset;
    int fixedOffsetOffset;
    int sizeOffset;
    int nameLengthSize;
};

constexpr Layout Jet3_Layout{2048, 8, 12, 25, 27, 31, 35, 39, 43, 8, 18, 1, 3, 13, 14, 16, 1};
constexpr Layout Jet4_Layout{4096, 12, 16, 45, 47, 51, 55, 59, 63, 12, 25, 5, 7, 15, 21, 23, 2};

// Jet 4 text: UCS-2, or its compressed form that starts with FF FE and toggles
// between one-byte and two-byte characters at every zero byte.
QString jet4Text(const uchar* p, qsizetype n) {
    QString out;
    if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
        out.reserve(n);
        bool compressed = true;
        qsizetype i = 2;
        while (i < n) {
            if (p[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                out += QChar(p[i]);
                ++i;
            } else if (i + 1 < n) {
                out += QChar(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
                i += 2;
            } else {
                break;
            }
        }
        return out;
    }
    out.resize(n / 2);
    for (qsizetype i = 0; i < n / 2; ++i)
        out[i] = QChar(static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8)));
    return out;
}

QString codePageName(int codePage) {
    return QStringLiteral("windows-%1").arg(codePage);
}

struct Column_Info {
    MdbColumn* column = nullptr;
    QString name;
    int type = 0;
};

// Receives a table: its columns first, then its rows in stored order. Returning false
// stops the reading; the receiver then gives the reason.
class Table_Sink {
public:
    virtual ~Table_Sink() = default;
    virtual bool begin(const QString& table, const std::vector<Column_Info>& columns, QString& error) = 0;
    virtual bool row(const std::vector<QVariant>& values, QString& error) = 0;
};

class Jet_File final {
public:
    Jet_File() = default;
    ~Jet_File() {
        if (mdb_)
            mdb_close(mdb_);
    }
    Jet_File(const Jet_File&) = delete;
    Jet_File& operator=(const Jet_File&) = delete;

    bool open(QByteArray bytes, QString& error);
    // The user tables listed in the catalogue (MSysObjects), in its order.
    bool readCatalog(std::vector<std::pair<QString, quint32>>& tables, QString& error);
    // Reads a table through the sink; wanted names the columns whose values are read
    // (empty: all), the others come as Null.
    bool readTable(const QString& name, quint32 definitionPage, Table_Sink& sink, QString& error,
                   const QStringList& wanted = {});

private:
    struct Definition {
        quint32 numVarCols = 0;
        quint32 numCols = 0;
        quint32 usageMap = 0;
        quint32 freeMap = 0;
        struct Column {
            int number = 0; // the byte mdbtools sorts by; Jet 3 catalogues repeat some
            int type = 0;
            bool fixed = false;
            int place = 0; // the fixed offset, or the place in the variable column table
            int size = 0;
            QString name;
            bool taken = false;
        };
        std::vector<Column> columns;
    };

    const uchar* page(quint32 n) const {
        return reinterpret_cast<const uchar*>(bytes_.constData()) +
               static_cast<qsizetype>(n) * layout_.pageSize;
    }
    QString text(const uchar* p, qsizetype n) const;
    bool checkDefinition(const QString& table, quint32 first, Definition& def, QString& error) const;
    bool rowBounds(quint32 pageNumber, int row, int& start, int& end, QString& what) const;
    bool checkMap(const QString& table, quint32 pointer, bool usage, QString& error) const;
    bool checkRowLayout(const uchar* p, int start, int size, unsigned numVarCols) const;
    bool readLong(const uchar* field, int size, QByteArray& out, QString& error) const;
    bool value(const Column_Info& column, const MdbField& field, int rowColumns, QVariant& out,
               QString& error) const;

    QByteArray bytes_;
    Layout layout_ = Jet4_Layout;
    quint32 pageCount_ = 0;
    bool jet3_ = false;
    int codePage_ = 1256;
    MdbHandle* mdb_ = nullptr;
    mutable QSet<quint32> longRows_; // the long-value rows read so far
};

bool Jet_File::open(QByteArray bytes, QString& error) {
    const Database_Format format = Database_Bytes_Format(bytes);
    if (format != Database_Format::Jet3 && format != Database_Format::Jet4) {
        error = QStringLiteral("not an Access (Jet 3 or Jet 4) file");
        return false;
    }
    if (bytes.size() > Max_File_Size) {
        error = QStringLiteral("larger than an Access file can be");
        return false;
    }
    jet3_ = format == Database_Format::Jet3;
    layout_ = jet3_ ? Jet3_Layout : Jet4_Layout;
    pageCount_ = static_cast<quint32>(bytes.size() / layout_.pageSize);
    // Page 2 holds the catalogue's definition; a file without it has been cut short.
    if (pageCount_ < 3) {
        error = QStringLiteral("truncated: %1 bytes, not even the catalogue").arg(bytes.size());
        return false;
    }
    // A partial page at the end is not part of any structure; mdbtools never sees it.
    bytes.truncate(static_cast<qsizetype>(pageCount_) * layout_.pageSize);

    auto* data = reinterpret_cast<uchar*>(bytes.data());
    const int headerLength = jet3_ ? 126 : 128;
    std::array<uchar, 128> header{};
    std::memcpy(header.data(), data + Header_Start, static_cast<size_t>(headerLength));
    rc4(Header_Key, 4, header.data(), headerLength);
    const int headerCodePage = le16(header.data() + 0x3C - Header_Start);
    const quint32 key = le32(header.data() + 0x3E - Header_Start);
    if (key != 0) {
        // An encoded database: every page after the first is enciphered with the key
        // and its number. Decode the copy and clear the key, so that mdbtools and the
        // checks below read the same plain pages.
        for (quint32 n = 1; n < pageCount_; ++n) {
            const quint32 k = key ^ n;
            const uchar pageKey[4] = {static_cast<uchar>(k), static_cast<uchar>(k >> 8),
                                      static_cast<uchar>(k >> 16), static_cast<uchar>(k >> 24)};
            rc4(pageKey, 4, data + static_cast<qsizetype>(n) * layout_.pageSize, layout_.pageSize);
        }
        std::memset(header.data() + 0x3E - Header_Start, 0, 4);
        rc4(Header_Key, 4, header.data(), headerLength);
        std::memcpy(data + Header_Start, header.data(), static_cast<size_t>(headerLength));
    }
    codePage_ = Jet3_Code_Page(headerCodePage);
    bytes_ = std::move(bytes);

    mdb_ = mdb_open_buffer(bytes_.data(), static_cast<size_t>(bytes_.size()), MDB_NOFLAGS);
    if (!mdb_ || !mdb_->fmt || mdb_->fmt->pg_size != layout_.pageSize) {
        error = QStringLiteral("mdbtools cannot open it");
        return false;
    }
    return true;
}

QString Jet_File::text(const uchar* p, qsizetype n) const {
    if (!jet3_)
        return jet4Text(p, n);
    const QByteArray bytes(reinterpret_cast<const char*>(p), n);
    // The scrambled texts are decoded by the program's own code-page table, so that
    // they read back exactly as from a database built from text.
    if (codePage_ == 1256)
        return From_Cp1256(bytes);
    QStringDecoder decoder(codePageName(codePage_).toLatin1().constData());
    return decoder.decode(bytes);
}

bool Jet_File::rowBounds(quint32 pageNumber, int row, int& start, int& end, QString& what) const {
    if (pageNumber >= pageCount_) {
        what = QStringLiteral("page %1 is beyond the end of the file (%2 pages)")
                   .arg(pageNumber)
                   .arg(pageCount_);
        return false;
    }
    const uchar* p = page(pageNumber);
    const int rco = layout_.rowCountOffset;
    const int rows = le16(p + rco);
    if (row >= rows || rco + 2 + 2 * rows > layout_.pageSize) {
        what = QStringLiteral("page %1 has no row %2").arg(pageNumber).arg(row);
        return false;
    }
    start = le16(p + rco + 2 + 2 * row) & Offset_Mask;
    end = row == 0 ? layout_.pageSize : le16(p + rco + 2 * row) & Offset_Mask;
    if (start < rco + 2 + 2 * rows || start > end || end > layout_.pageSize) {
        what = QStringLiteral("row %1 of page %2 lies outside its page").arg(row).arg(pageNumber);
        return false;
    }
    return true;
}

bool Jet_File::checkMap(const QString& table, quint32 pointer, bool usage, QString& error) const {
    int start = 0;
    int end = 0;
    QString what;
    if (!rowBounds(pointer >> 8, static_cast<int>(pointer & 0xFF), start, end, what)) {
        error = QStringLiteral("table %1: its page map: %2").arg(table, what);
        return false;
    }
    // mdbtools reads the type byte and, for both types, at least four bytes after it.
    if (end - start < 5) {
        error = QStringLiteral("table %1: its page map is too short").arg(table);
        return false;
    }
    if (!usage)
        return true;
    const uchar* map = page(pointer >> 8) + start;
    if (map[0] == 0)
        return true;
    if (map[0] != 1) {
        error = QStringLiteral("table %1: unknown page map type %2").arg(table).arg(map[0]);
        return false;
    }
    // A map of map pages: each one must be a page of the file (mdbtools ends the
    // process when it cannot read one).
    for (int i = 0; i < (end - start - 1) / 4; ++i) {
        const quint32 mapPage = le32(map + 1 + 4 * i);
        if (mapPage != 0 && mapPage >= pageCount_) {
            error =
                QStringLiteral("table %1: its page map names page %2, beyond the end of the file (%3 pages)")
                    .arg(table)
                    .arg(mapPage)
                    .arg(pageCount_);
            return false;
        }
    }
    return true;
}

// Checks everything in a table definition that mdbtools reads: the chain of its
// pages, the counts and the column entries and names, all inside the chain.
bool Jet_File::checkDefinition(const QString& table, quint32 first, Definition& def, QString& error) const {
    QByteArray bytes;
    QSet<quint32> seen;
    quint32 next = first;
    // Makes the first `size` bytes of the definition available, following the page
    // chain as mdbtools does: a continuation page adds its bytes after offset 8.
    auto need = [&](qint64 size) -> bool {
        while (bytes.size() < size) {
            if (next == 0 && !bytes.isEmpty()) {
                error = QStringLiteral("table %1: its definition ends early").arg(table);
                return false;
            }
            if (next >= pageCount_) {
                error = QStringLiteral(
                            "table %1: its definition is on page %2, beyond the end of the file (%3 pages)")
                            .arg(table)
                            .arg(next)
                            .arg(pageCount_);
                return false;
            }
            if (seen.contains(next) || seen.size() >= Max_Definition_Pages) {
                error = QStringLiteral("table %1: the pages of its definition run in a circle").arg(table);
                return false;
            }
            const uchar* p = page(next);
            if (p[0] != 0x02) {
                error = QStringLiteral("table %1: page %2 is not a table definition").arg(table).arg(next);
                return false;
            }
            seen.insert(next);
            const int skip = bytes.isEmpty() ? 0 : 8;
            bytes.append(reinterpret_cast<const char*>(p) + skip, layout_.pageSize - skip);
            next = le32(p + 4);
        }
        return true;
    };
    auto at = [&](qint64 offset) { return reinterpret_cast<const uchar*>(bytes.constData()) + offset; };

    const Layout& l = layout_;
    if (!need(l.columnsStart))
        return false;
    def.numVarCols = le16(at(l.numColsOffset - 2));
    def.numCols = le16(at(l.numColsOffset));
    const quint32 numIndexes = le32(at(l.numIndexesOffset));
    const quint32 numRealIndexes = le32(at(l.numRealIndexesOffset));
    def.usageMap = le32(at(l.usageMapOffset));
    def.freeMap = le32(at(l.freeMapOffset));
    if (def.numCols > Max_Columns || def.numVarCols > def.numCols || numIndexes > Max_Indexes ||
        numRealIndexes > Max_Indexes) {
        error = QStringLiteral("table %1: its definition has impossible counts (%2 columns, %3 indexes)")
                    .arg(table)
                    .arg(def.numCols)
                    .arg(numRealIndexes);
        return false;
    }
    qint64 pos = l.columnsStart + static_cast<qint64>(numRealIndexes) * l.realIndexEntry;
    for (quint32 c = 0; c < def.numCols; ++c) {
        if (!need(pos + l.columnEntry))
            return false;
        const uchar* entry = at(pos);
        Definition::Column column;
        column.number = entry[l.columnNumberOffset];
        column.type = entry[0];
        column.fixed = entry[l.flagsOffset] & 0x01;
        column.place = le16(entry + (column.fixed ? l.fixedOffsetOffset : l.varNumberOffset));
        column.size = column.type == MDB_BOOL ? 0 : le16(entry + l.sizeOffset);
        if (column.fixed && column.place + column.size > l.pageSize) {
            error = QStringLiteral("table %1: its definition of column %2 is damaged").arg(table).arg(c + 1);
            return false;
        }
        def.columns.push_back(column);
        pos += l.columnEntry;
    }
    for (quint32 c = 0; c < def.numCols; ++c) {
        if (!need(pos + l.nameLengthSize))
            return false;
        const int length = l.nameLengthSize == 1 ? *at(pos) : le16(at(pos));
        pos += l.nameLengthSize;
        if (!need(pos + length))
            return false;
        def.columns[c].name = text(at(pos), length);
        pos += length;
    }
    return checkMap(table, def.usageMap, true, error) && checkMap(table, def.freeMap, false, error);
}

// The parts of a row that mdb_crack_row reads before it checks anything: the column
// count, the null mask and the table of variable column offsets must lie in the row.
bool Jet_File::checkRowLayout(const uchar* p, int start, int size, unsigned numVarCols) const {
    const int countSize = jet3_ ? 1 : 2;
    if (size < countSize)
        return false;
    const int rowCols = jet3_ ? p[start] : le16(p + start);
    const int mask = (rowCols + 7) / 8;
    const int rowEnd = start + size - 1;
    if (countSize + mask > size)
        return false;
    if (numVarCols == 0)
        return true;
    if (jet3_) {
        if (countSize + mask + 1 > size)
            return false;
        const int rowVarCols = p[rowEnd - mask];
        const int jumps = (size - 1) / 256;
        const int lowest = rowEnd - mask - jumps - 1 - rowVarCols;
        return lowest >= start + countSize;
    }
    if (countSize + mask + 2 > size)
        return false;
    const int rowVarCols = le16(p + rowEnd - mask - 1);
    const int lowest = rowEnd - mask - 3 - 2 * rowVarCols;
    return lowest >= start + countSize;
}

// A memo or long binary value: the 12-byte field names its length and where it is
// kept: inline after the field, in one row of a long-value page, or in a chain of
// such rows. The chain is followed here. Every long-value row belongs to one value, so
// a row met a second time in the file is damage (a chain in a circle, or values
// sharing parts); this also bounds the work by the size of the file.
bool Jet_File::readLong(const uchar* field, int size, QByteArray& out, QString& error) const {
    if (size < MDB_MEMO_OVERHEAD) {
        error = QStringLiteral("a long value is cut short");
        return false;
    }
    const quint32 word = le32(field);
    const qint64 length = word & 0x3FFFFFFF;
    if (word & 0x80000000u) {
        out = QByteArray(reinterpret_cast<const char*>(field) + MDB_MEMO_OVERHEAD, size - MDB_MEMO_OVERHEAD);
        return true;
    }
    auto longRow = [&](quint32 pointer, const uchar*& data, int& rowLength) -> bool {
        int start = 0;
        int end = 0;
        QString what;
        if (!rowBounds(pointer >> 8, static_cast<int>(pointer & 0xFF), start, end, what)) {
            error = QStringLiteral("a long value: ") + what;
            return false;
        }
        const uchar* p = page(pointer >> 8);
        if (p[0] != 0x01 || std::memcmp(p + 4, "LVAL", 4) != 0) {
            error = QStringLiteral("a long value points to page %1, which holds none").arg(pointer >> 8);
            return false;
        }
        if (longRows_.contains(pointer)) {
            error = QStringLiteral("a part of a long value is met twice (its pages run in a circle)");
            return false;
        }
        longRows_.insert(pointer);
        data = p + start;
        rowLength = end - start;
        return true;
    };
    quint32 pointer = le32(field + 4);
    const uchar* data = nullptr;
    int rowLength = 0;
    if (word & 0x40000000u) {
        if (!longRow(pointer, data, rowLength))
            return false;
        if (rowLength < length) {
            error = QStringLiteral("a long value is shorter than its length");
            return false;
        }
        out = QByteArray(reinterpret_cast<const char*>(data), length);
        return true;
    }
    out.clear();
    while (out.size() < length) {
        if (pointer == 0) {
            error = QStringLiteral("a long value is shorter than its length");
            return false;
        }
        if (!longRow(pointer, data, rowLength))
            return false;
        if (rowLength < 4) {
            error = QStringLiteral("a long value has a damaged part");
            return false;
        }
        out.append(reinterpret_cast<const char*>(data) + 4, rowLength - 4);
        pointer = le32(data);
    }
    out.truncate(length);
    return true;
}

// A date is the number of days since 30 December 1899, the time of day its fraction;
// before that day the whole part counts back and the fraction still counts forward.
// Dates outside Access's years 100 to 9999 keep their number.
QVariant dateValue(double days) {
    if (!(days >= -657434.0 && days < 2958466.0))
        return QVariant(days);
    const double whole = std::trunc(days);
    qint64 seconds = std::llround(std::fabs(days - whole) * 86400.0);
    qint64 day = static_cast<qint64>(whole);
    if (seconds >= 86400) {
        seconds -= 86400;
        day += days < 0 ? -1 : 1;
    }
    const QDate date = QDate(1899, 12, 30).addDays(day);
    return QVariant(QStringLiteral("%1 %2:%3:%4")
                        .arg(date.toString(QStringLiteral("yyyy-MM-dd")))
                        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                        .arg(seconds % 60, 2, 10, QLatin1Char('0')));
}

// Takes a string that mdbtools allocated.
QString takeString(char* text) {
    const QString out = QString::fromUtf8(text ? text : "");
    g_free(text);
    return out;
}

int fixedSize(int type) {
    switch (type) {
    case MDB_BYTE:
        return 1;
    case MDB_INT:
        return 2;
    case MDB_LONGINT:
    case MDB_FLOAT:
    case MDB_COMPLEX:
        return 4;
    case MDB_MONEY:
    case MDB_DOUBLE:
    case MDB_DATETIME:
        return 8;
    case MDB_REPID:
        return 16;
    case MDB_NUMERIC:
        return 17;
    default:
        return 0;
    }
}

bool Jet_File::value(const Column_Info& column, const MdbField& field, int rowColumns, QVariant& out,
                     QString& error) const {
    const MdbColumn* c = column.column;
    // A column added after the row was written has no bit in its null mask.
    const bool inRow = c->col_num < rowColumns;
    if (column.type == MDB_BOOL) {
        out = QVariant(static_cast<qlonglong>(inRow && !field.is_null ? -1 : 0));
        return true;
    }
    if (!inRow || field.is_null) {
        out = QVariant();
        return true;
    }
    const uchar* v = mdb_->pg_buf + field.start;
    const int size = field.siz;
    if (size < fixedSize(column.type)) {
        error = QStringLiteral("column %1: a value is cut short").arg(column.name);
        return false;
    }
    switch (column.type) {
    case MDB_BYTE:
        out = QVariant(static_cast<qlonglong>(v[0]));
        break;
    case MDB_INT:
        out = QVariant(static_cast<qlonglong>(static_cast<qint16>(le16(v))));
        break;
    case MDB_LONGINT:
    case MDB_COMPLEX:
        out = QVariant(static_cast<qlonglong>(static_cast<qint32>(le32(v))));
        break;
    case MDB_MONEY:
        out = QVariant(takeString(mdb_money_to_string(mdb_, field.start)).toDouble());
        break;
    case MDB_FLOAT:
        out = QVariant(static_cast<double>(mdb_get_single(mdb_->pg_buf, field.start)));
        break;
    case MDB_DOUBLE:
        out = QVariant(mdb_get_double(mdb_->pg_buf, field.start));
        break;
    case MDB_DATETIME:
        out = dateValue(mdb_get_double(mdb_->pg_buf, field.start));
        break;
    case MDB_NUMERIC: {
        const QString number =
            takeString(mdb_numeric_to_string(mdb_, field.start, c->col_scale, c->col_prec));
        bool whole = false;
        const qlonglong n = number.toLongLong(&whole);
        out = whole ? QVariant(n) : QVariant(number.toDouble());
        break;
    }
    case MDB_REPID:
        // The form Access shows: {8-4-4-4-12}.
        out = QVariant(QLatin1Char('{') +
                       takeString(mdb_uuid_to_string_fmt(mdb_->pg_buf, field.start, MDB_NOBRACES_4_2_2_2_6)) +
                       QLatin1Char('}'));
        break;
    case MDB_TEXT:
        out = QVariant(text(v, size));
        break;
    case MDB_MEMO:
    case MDB_OLE: {
        QByteArray bytes;
        QString reason;
        if (!readLong(v, size, bytes, reason)) {
            error = QStringLiteral("column %1: %2").arg(column.name, reason);
            return false;
        }
        if (column.type == MDB_MEMO)
            out = QVariant(text(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()));
        else
            out = QVariant(bytes);
        break;
    }
    default: // binary and any type this reader does not know: the bytes as stored
        out = QVariant(QByteArray(reinterpret_cast<const char*>(v), size));
        break;
    }
    return true;
}

bool Jet_File::readTable(const QString& name, quint32 definitionPage, Table_Sink& sink, QString& error,
                         const QStringList& wanted) {
    Definition def;
    if (!checkDefinition(name, definitionPage, def, error))
        return false;

    MdbCatalogEntry entry{};
    entry.mdb = mdb_;
    entry.object_type = MDB_TABLE;
    entry.table_pg = definitionPage;
    const QByteArray utf8 = name.toUtf8().left(MDB_MAX_OBJ_NAME);
    std::memcpy(entry.object_name, utf8.constData(), static_cast<size_t>(utf8.size()));
    std::unique_ptr<MdbTableDef, void (*)(MdbTableDef*)> table(mdb_read_table(&entry), mdb_free_tabledef);
    if (!table || !mdb_read_columns(table.get()) || table->num_cols != def.numCols ||
        table->columns->len != def.numCols || table->num_var_cols != def.numVarCols) {
        error = QStringLiteral("table %1: mdbtools cannot read its definition").arg(name);
        return false;
    }
    std::vector<Column_Info> columns;
    std::vector<bool> read;
    for (guint i = 0; i < table->columns->len; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        // mdbtools has sorted its columns by number; the names come from the entries
        // they were read from.
        Definition::Column* match = nullptr;
        for (Definition::Column& candidate : def.columns)
            if (!candidate.taken && candidate.number == column->col_num &&
                candidate.type == column->col_type && candidate.fixed == (column->is_fixed != 0) &&
                candidate.size == column->col_size &&
                candidate.place ==
                    (candidate.fixed ? column->fixed_offset : static_cast<int>(column->var_col_num))) {
                match = &candidate;
                break;
            }
        if (!match) {
            error = QStringLiteral("table %1: mdbtools reads its columns differently").arg(name);
            return false;
        }
        match->taken = true;
        Column_Info info;
        info.column = column;
        info.name = match->name;
        info.type = column->col_type;
        read.push_back(wanted.isEmpty() || wanted.contains(info.name, Qt::CaseInsensitive));
        columns.push_back(info);
    }
    if (!sink.begin(name, columns, error))
        return false;

    std::array<MdbField, Max_Columns> fields{};
    std::vector<QVariant> values(columns.size());
    const int rco = layout_.rowCountOffset;
    quint32 current = 0;
    for (;;) {
        const quint32 next =
            mdb_map_find_next(mdb_, table->usage_map, static_cast<unsigned>(table->map_sz), current);
        if (next == 0)
            break;
        if (next <= current || next >= pageCount_) {
            error = next >= pageCount_
                        ? QStringLiteral(
                              "table %1: its rows are said to be on page %2, beyond the end of the file "
                              "(%3 pages)")
                              .arg(name)
                              .arg(next)
                              .arg(pageCount_)
                        : QStringLiteral("table %1: its page map is damaged").arg(name);
            return false;
        }
        current = next;
        const uchar* p = page(current);
        // Maps may name pages that no longer hold the table's rows; mdbtools skips them too.
        if (p[0] != 0x01 || le32(p + 4) != definitionPage)
            continue;
        if (mdb_read_pg(mdb_, current) != layout_.pageSize) {
            error = QStringLiteral("table %1: page %2 cannot be read").arg(name).arg(current);
            return false;
        }
        const int rows = le16(p + rco);
        if (rco + 2 + 2 * rows > layout_.pageSize) {
            error = QStringLiteral("table %1: page %2 is damaged").arg(name).arg(current);
            return false;
        }
        for (int r = 0; r < rows; ++r) {
            // Deleted rows, and the pointers left where a row was moved to another page
            // (the row itself is read there).
            if (le16(p + rco + 2 + 2 * r) & (Deleted_Row | Overflow_Row))
                continue;
            int start = 0;
            int end = 0;
            QString what;
            if (!rowBounds(current, r, start, end, what) ||
                !checkRowLayout(p, start, end - start, def.numVarCols)) {
                error =
                    QStringLiteral("table %1: row %2 of page %3 is damaged").arg(name).arg(r).arg(current);
                return false;
            }
            if (mdb_crack_row(table.get(), start, static_cast<size_t>(end - start), fields.data()) < 0) {
                error =
                    QStringLiteral("table %1: row %2 of page %3 is damaged").arg(name).arg(r).arg(current);
                return false;
            }
            const int rowColumns = jet3_ ? p[start] : le16(p + start);
            for (size_t c = 0; c < columns.size(); ++c) {
                const MdbField& field = fields[c];
                if (!field.is_null &&
                    (field.siz < 0 || field.start < start || field.start + field.siz > end)) {
                    error = QStringLiteral("table %1: row %2 of page %3 is damaged")
                                .arg(name)
                                .arg(r)
                                .arg(current);
                    return false;
                }
                if (!read[c]) {
                    values[c] = QVariant();
                    continue;
                }
                QString reason;
                if (!value(columns[c], field, rowColumns, values[c], reason)) {
                    error = QStringLiteral("table %1, row %2 of page %3: %4")
                                .arg(name)
                                .arg(r)
                                .arg(current)
                                .arg(reason);
                    return false;
                }
            }
            if (!sink.row(values, error))
                return false;
        }
    }
    return true;
}

// The catalogue is read like any table, but only for the four columns it needs:
// its long property values are neither needed nor followed.
class Catalog_Sink final : public Table_Sink {
public:
    bool begin(const QString&, const std::vector<Column_Info>& columns, QString& error) override {
        for (size_t i = 0; i < columns.size(); ++i) {
            const QString& n = columns[i].name;
            if (n.compare(QLatin1String("Id"), Qt::CaseInsensitive) == 0)
                id = static_cast<int>(i);
            else if (n.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
                name = static_cast<int>(i);
            else if (n.compare(QLatin1String("Type"), Qt::CaseInsensitive) == 0)
                type = static_cast<int>(i);
            else if (n.compare(QLatin1String("Flags"), Qt::CaseInsensitive) == 0)
                flags = static_cast<int>(i);
        }
        if (id < 0 || name < 0 || type < 0 || flags < 0) {
            error = QStringLiteral("the catalogue lacks its columns");
            return false;
        }
        return true;
    }
    bool row(const std::vector<QVariant>& values, QString&) override {
        const QVariant& objectId = values[static_cast<size_t>(id)];
        const QVariant& objectName = values[static_cast<size_t>(name)];
        if (objectId.isNull() || objectName.isNull())
            return true;
        const qlonglong objectType = values[static_cast<size_t>(type)].toLongLong();
        const int objectFlags = static_cast<int>(values[static_cast<size_t>(flags)].toLongLong());
        if ((objectType & 0x7F) == MDB_TABLE && !(objectFlags & System_Flags))
            tables.emplace_back(objectName.toString(),
                                static_cast<quint32>(objectId.toLongLong()) & 0x00FFFFFF);
        return true;
    }

    int id = -1;
    int name = -1;
    int type = -1;
    int flags = -1;
    std::vector<std::pair<QString, quint32>> tables;
};

bool Jet_File::readCatalog(std::vector<std::pair<QString, quint32>>& tables, QString& error) {
    Catalog_Sink sink;
    if (!readTable(
            QStringLiteral("MSysObjects"), 2, sink, error,
            {QStringLiteral("Id"), QStringLiteral("Name"), QStringLiteral("Type"), QStringLiteral("Flags")}))
        return false;
    tables = std::move(sink.tables);
    return true;
}

QString quoted(const QString& name) {
    QString out = name;
    out.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

// The SQLite type of a Jet column: numbers as INTEGER or REAL, texts, dates and GUIDs
// as TEXT, binary values as BLOB. A decimal column with digits after the point is REAL.
QString declaredType(const MdbColumn& column) {
    switch (column.col_type) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_COMPLEX:
        return QStringLiteral("INTEGER");
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
        return QStringLiteral("REAL");
    case MDB_NUMERIC:
        // mdbtools keeps the number of digits after the point in col_prec.
        return column.col_prec > 0 ? QStringLiteral("REAL") : QStringLiteral("INTEGER");
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_DATETIME:
    case MDB_REPID:
        return QStringLiteral("TEXT");
    default:
        return QStringLiteral("BLOB");
    }
}

// Writes each table into the in-memory database as it is read.
class Sqlite_Sink final : public Table_Sink {
public:
    explicit Sqlite_Sink(sqlite3* db) : db_(db) {}
    ~Sqlite_Sink() override { sqlite3_finalize(insert_); }
    Sqlite_Sink(const Sqlite_Sink&) = delete;
    Sqlite_Sink& operator=(const Sqlite_Sink&) = delete;

    bool begin(const QString& table, const std::vector<Column_Info>& columns, QString& error) override {
        sqlite3_finalize(insert_);
        insert_ = nullptr;
        QStringList defs;
        QStringList marks;
        for (const Column_Info& column : columns) {
            defs << quoted(column.name) + QLatin1Char(' ') + declaredType(*column.column);
            marks << QStringLiteral("?");
        }
        const QString create =
            QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(table), defs.join(QLatin1String(", ")));
        if (sqlite3_exec(db_, create.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            error = QStringLiteral("table %1: %2").arg(table, QString::fromUtf8(sqlite3_errmsg(db_)));
            return false;
        }
        const QByteArray insert = QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                      .arg(quoted(table), marks.join(QLatin1Char(',')))
                                      .toUtf8();
        if (sqlite3_prepare_v2(db_, insert.constData(), -1, &insert_, nullptr) != SQLITE_OK) {
            error = QStringLiteral("table %1: %2").arg(table, QString::fromUtf8(sqlite3_errmsg(db_)));
            return false;
        }
        table_ = table;
        ++tables;
        return true;
    }

    bool row(const std::vector<QVariant>& values, QString& error) override {
        sqlite3_reset(insert_);
        for (size_t i = 0; i < values.size(); ++i) {
            const int index = static_cast<int>(i + 1);
            const QVariant& v = values[i];
            if (v.isNull()) {
                sqlite3_bind_null(insert_, index);
            } else if (v.typeId() == QMetaType::QString) {
                const QByteArray utf8 = v.toString().toUtf8();
                sqlite3_bind_text(insert_, index, utf8.constData(), static_cast<int>(utf8.size()),
                                  SQLITE_TRANSIENT);
            } else if (v.typeId() == QMetaType::QByteArray) {
                const QByteArray bytes = v.toByteArray();
                sqlite3_bind_blob(insert_, index, bytes.constData(), static_cast<int>(bytes.size()),
                                  SQLITE_TRANSIENT);
            } else if (v.typeId() == QMetaType::Double) {
                sqlite3_bind_double(insert_, index, v.toDouble());
            } else {
                sqlite3_bind_int64(insert_, index, v.toLongLong());
            }
        }
        if (sqlite3_step(insert_) != SQLITE_DONE) {
            error = QStringLiteral("table %1: %2").arg(table_, QString::fromUtf8(sqlite3_errmsg(db_)));
            return false;
        }
        ++rows;
        return true;
    }

    int tables = 0;
    qint64 rows = 0;

private:
    sqlite3* db_;
    sqlite3_stmt* insert_ = nullptr;
    QString table_;
};

bool exec(sqlite3* db, const char* sql, QString& error) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        error = QString::fromUtf8(sqlite3_errmsg(db));
        return false;
    }
    return true;
}

} // namespace

int Jet3_Code_Page(int headerCodePage) {
    if (headerCodePage <= 0 || headerCodePage == 1256)
        return 1256;
    QStringDecoder decoder(codePageName(headerCodePage).toLatin1().constData());
    return decoder.isValid() ? headerCodePage : 1256;
}

Database_Format Database_Bytes_Format(const QByteArray& head) {
    static const QByteArray sqlite("SQLite format 3\0", 16);
    static const QByteArray jet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    if (head.startsWith(sqlite))
        return Database_Format::Sqlite;
    if (head.size() > 0x14 && head.startsWith(jet)) {
        switch (static_cast<uchar>(head[0x14])) {
        case MDB_VER_JET3:
            return Database_Format::Jet3;
        case MDB_VER_JET4:
            return Database_Format::Jet4;
        default:
            break;
        }
    }
    return Database_Format::Other;
}

Database_Format Database_File_Format(const QString& path) {
    QFile file;
    switch (Open_Regular_File(file, path)) {
    case File_Kind::Missing:
        return Database_Format::Missing;
    case File_Kind::Not_Regular:
        return Database_Format::Not_Regular;
    case File_Kind::Unreadable:
        return Database_Format::Unreadable;
    case File_Kind::Regular:
        break;
    }
    return Database_Bytes_Format(file.read(32));
}

std::shared_ptr<Sqlite_Database> Open_Access_Bytes(QByteArray bytes, QString& error) {
    Jet_File jet;
    if (!jet.open(std::move(bytes), error))
        return nullptr;
    std::vector<std::pair<QString, quint32>> tables;
    if (!jet.readCatalog(tables, error))
        return nullptr;
    // Each table has its own definition; a catalogue that names one twice is damaged
    // (and would have the same pages read again and again).
    QSet<quint32> definitions;
    for (const auto& table : tables) {
        if (definitions.contains(table.second)) {
            error = QStringLiteral("the catalogue names the definition on page %1 twice").arg(table.second);
            return nullptr;
        }
        definitions.insert(table.second);
    }

    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(":memory:", &handle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        error = QString::fromUtf8(sqlite3_errmsg(handle));
        sqlite3_close_v2(handle);
        return nullptr;
    }
    auto database = std::make_shared<Sqlite_Database>(handle);
    if (!exec(handle, "PRAGMA journal_mode=OFF; BEGIN", error))
        return nullptr;
    {
        Sqlite_Sink sink(handle);
        for (const auto& [name, definitionPage] : tables)
            if (!jet.readTable(name, definitionPage, sink, error))
                return nullptr;
    }
    if (!exec(handle, "COMMIT", error))
        return nullptr;
    // The passage statements look verses up by book, chapter and verse, as in a
    // database built from text.
    sqlite3_exec(handle, "CREATE INDEX Bible_Verse ON Bible (Old, Bible, Part, Sign_No)", nullptr, nullptr,
                 nullptr);
    return database;
}

std::shared_ptr<Sqlite_Database> Open_Access_File(const QString& path, QString& error) {
    QFile file;
    QString problem;
    if (Open_Regular_File(file, path, &problem) != File_Kind::Regular) {
        error = QStringLiteral("%1: %2").arg(path, problem);
        return nullptr;
    }
    if (file.size() > Max_File_Size) {
        error = QStringLiteral("%1: larger than an Access file can be").arg(path);
        return nullptr;
    }
    QString reason;
    auto database = Open_Access_Bytes(file.readAll(), reason);
    if (!database)
        error = QStringLiteral("%1: %2").arg(path, reason);
    return database;
}

} // namespace MdlLectarium
