#include "tests/lectionary/jet_writer.h"

#include "base/basic_text.h"

#include <QStringEncoder>

#include <array>
#include <cmath>
#include <cstring>
#include <set>

namespace Jet_Writer {

namespace {

void put16(QByteArray& b, qsizetype at, quint32 v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void put32(QByteArray& b, qsizetype at, quint32 v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

QByteArray le16(quint32 v) {
    QByteArray b(2, '\0');
    put16(b, 0, v);
    return b;
}

QByteArray le32(quint32 v) {
    QByteArray b(4, '\0');
    put32(b, 0, v);
    return b;
}

void rc4(const uchar* key, int keyLength, char* data, qsizetype length) {
    std::array<uchar, 256> s{};
    for (int i = 0; i < 256; ++i)
        s[static_cast<size_t>(i)] = static_cast<uchar>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[static_cast<size_t>(i)] + key[i % keyLength]) & 0xFF;
        std::swap(s[static_cast<size_t>(i)], s[static_cast<size_t>(j)]);
    }
    for (qsizetype n = 0, a = 0, b = 0; n < length; ++n) {
        a = (a + 1) & 0xFF;
        b = (b + s[static_cast<size_t>(a)]) & 0xFF;
        std::swap(s[static_cast<size_t>(a)], s[static_cast<size_t>(b)]);
        data[n] =
            static_cast<char>(data[n] ^ s[(s[static_cast<size_t>(a)] + s[static_cast<size_t>(b)]) & 0xFF]);
    }
}

bool isFixed(int type) {
    return type != Text && type != Binary && type != Memo && type != Ole;
}

int fixedSize(int type) {
    switch (type) {
    case Bool:
        return 0;
    case Byte:
        return 1;
    case Int:
        return 2;
    case Long:
    case Float:
        return 4;
    case Money:
    case Double:
    case Date_Time:
        return 8;
    case Guid:
        return 16;
    case Numeric:
        return 17;
    default:
        return 0;
    }
}

struct Layout {
    int pageSize;
    int rowCount;  // offset of the row count on data pages
    int countSize; // bytes of the column count (and of offsets) in a row
};

class File_Writer {
public:
    File_Writer(const Options& options)
        : o_(options), jet3_(options.version == Version::Jet3),
          l_(jet3_ ? Layout{2048, 8, 1} : Layout{4096, 12, 2}) {}

    QByteArray write(const std::vector<Table>& tables, QString* error, std::vector<int>* definitions);

private:
    struct Page_Fill {
        int page = -1;
        int rows = 0;
        int freeEnd = 0;
    };

    int newPage(uchar type, quint32 owner, bool longValues = false);
    bool fits(const Page_Fill& fill, qsizetype length) const {
        return fill.page >= 0 && l_.rowCount + 2 + 2 * (fill.rows + 1) + length <= fill.freeEnd;
    }
    quint32 addRow(Page_Fill& fill, const QByteArray& row);
    QByteArray text(const QString& value, bool allowCompressed) const;
    bool longValue(const QByteArray& data, QByteArray& field);
    bool packRow(const Table& table, const std::vector<QVariant>& values, QByteArray& row);
    bool writeTable(const Table& table, int definitionPage, bool system);
    QByteArray map(const std::vector<int>& pages);
    QByteArray definition(const Table& table, quint32 rows, quint32 usage, quint32 free, bool system) const;

    Options o_;
    bool jet3_;
    Layout l_;
    std::vector<QByteArray> pages_;
    Page_Fill longFill_;
    QString error_;
};

int File_Writer::newPage(uchar type, quint32 owner, bool longValues) {
    QByteArray page(l_.pageSize, '\0');
    page[0] = static_cast<char>(type);
    page[1] = 1;
    if (type == 1) {
        if (longValues)
            std::memcpy(page.data() + 4, "LVAL", 4);
        else
            put32(page, 4, owner);
        put16(page, 2, static_cast<quint32>(l_.pageSize - l_.rowCount - 2));
    }
    pages_.push_back(page);
    return static_cast<int>(pages_.size() - 1);
}

quint32 File_Writer::addRow(Page_Fill& fill, const QByteArray& row) {
    QByteArray& page = pages_[static_cast<size_t>(fill.page)];
    fill.freeEnd -= static_cast<int>(row.size());
    std::memcpy(page.data() + fill.freeEnd, row.constData(), static_cast<size_t>(row.size()));
    put16(page, l_.rowCount + 2 + 2 * fill.rows, static_cast<quint32>(fill.freeEnd));
    ++fill.rows;
    put16(page, l_.rowCount, static_cast<quint32>(fill.rows));
    put16(page, 2, static_cast<quint32>(fill.freeEnd - (l_.rowCount + 2 + 2 * fill.rows)));
    return (static_cast<quint32>(fill.page) << 8) | static_cast<quint32>(fill.rows - 1);
}

// Jet 3: the code page of the header; Jet 4: UCS-2, or its compressed form (one byte
// a character, a zero byte switching to two-byte characters and back) when shorter.
QByteArray File_Writer::text(const QString& value, bool allowCompressed) const {
    if (jet3_) {
        const int codePage = o_.codePage == 0 ? 1256 : o_.codePage;
        if (codePage == 1256)
            return MdlLectarium::To_Cp1256(value);
        QStringEncoder encoder(QStringLiteral("windows-%1").arg(codePage).toLatin1().constData());
        return encoder.encode(value);
    }
    QByteArray wide;
    for (QChar ch : value)
        wide += le16(ch.unicode());
    bool canCompress = allowCompressed && o_.compressText;
    for (QChar ch : value)
        if (ch.unicode() == 0 || (ch.unicode() & 0xFF) == 0)
            canCompress = false;
    if (!canCompress)
        return wide;
    QByteArray packed("\xFF\xFE", 2);
    bool narrow = true;
    for (QChar ch : value) {
        const bool small = ch.unicode() < 256;
        if (small != narrow) {
            packed += '\0';
            narrow = small;
        }
        if (small)
            packed += static_cast<char>(ch.unicode());
        else
            packed += le16(ch.unicode());
    }
    return packed.size() < wide.size() ? packed : wide;
}

// The 12-byte field of a memo or long binary value: inline, in one long-value row, or
// in a chain of rows (each starting with the pointer to the next).
bool File_Writer::longValue(const QByteArray& data, QByteArray& field) {
    const auto length = static_cast<quint32>(data.size());
    field = QByteArray(12, '\0');
    if (data.size() <= o_.inlineMemo) {
        put32(field, 0, length | 0x80000000u);
        field += data;
        return true;
    }
    const int capacity = l_.pageSize - l_.rowCount - 2 - 2 - 16;
    auto addLong = [&](const QByteArray& row) {
        if (!fits(longFill_, row.size())) {
            longFill_ = Page_Fill{newPage(1, 0, true), 0, l_.pageSize};
        }
        return addRow(longFill_, row);
    };
    if (data.size() <= capacity) {
        put32(field, 0, length | 0x40000000u);
        put32(field, 4, addLong(data));
        return true;
    }
    std::vector<QByteArray> chunks;
    for (qsizetype at = 0; at < data.size(); at += capacity - 4)
        chunks.push_back(data.mid(at, capacity - 4));
    quint32 next = 0;
    for (auto chunk = chunks.rbegin(); chunk != chunks.rend(); ++chunk)
        next = addLong(le32(next) + *chunk);
    put32(field, 0, length);
    put32(field, 4, next);
    return true;
}

bool File_Writer::packRow(const Table& table, const std::vector<QVariant>& values, QByteArray& row) {
    const auto count = static_cast<int>(table.columns.size());
    QByteArray fixed;
    std::vector<QByteArray> variable;
    QByteArray mask((count + 7) / 8, '\0');
    for (int c = 0; c < count; ++c) {
        const Column& column = table.columns[static_cast<size_t>(c)];
        const QVariant& v = c < static_cast<int>(values.size()) ? values[static_cast<size_t>(c)] : QVariant();
        const bool present = column.type == Bool ? v.toLongLong() != 0 : !v.isNull();
        if (present)
            mask[c / 8] = static_cast<char>(mask[c / 8] | (1 << (c % 8)));
        QByteArray bytes;
        switch (column.type) {
        case Bool:
            break;
        case Byte:
            bytes = QByteArray(1, static_cast<char>(v.toLongLong()));
            break;
        case Int:
            bytes = le16(static_cast<quint32>(v.toLongLong()));
            break;
        case Long:
            bytes = le32(static_cast<quint32>(v.toLongLong()));
            break;
        case Money: {
            const auto n = static_cast<quint64>(std::llround(v.toDouble() * 10000));
            bytes = le32(static_cast<quint32>(n)) + le32(static_cast<quint32>(n >> 32));
            break;
        }
        case Float: {
            const float f = v.toFloat();
            quint32 n = 0;
            std::memcpy(&n, &f, 4);
            bytes = le32(n);
            break;
        }
        case Double:
        case Date_Time: {
            const double d = v.toDouble();
            quint64 n = 0;
            std::memcpy(&n, &d, 8);
            bytes = le32(static_cast<quint32>(n)) + le32(static_cast<quint32>(n >> 32));
            break;
        }
        case Guid:
            bytes = v.toByteArray().leftJustified(16, '\0', true);
            break;
        case Numeric: {
            // A sign byte, then the scaled magnitude as four 32-bit words, the most
            // significant first.
            bool negative = false;
            quint64 magnitude = 0;
            if (v.typeId() == QMetaType::Double) {
                const double scaled = v.toDouble() * std::pow(10.0, column.scale);
                negative = scaled < 0;
                magnitude = static_cast<quint64>(std::llround(std::fabs(scaled)));
            } else {
                const qlonglong n = v.toLongLong();
                negative = n < 0;
                magnitude = negative ? 0 - static_cast<quint64>(n) : static_cast<quint64>(n);
                for (int i = 0; i < column.scale; ++i)
                    magnitude *= 10;
            }
            bytes = QByteArray(1, negative ? '\x80' : '\0') + le32(0) + le32(0) +
                    le32(static_cast<quint32>(magnitude >> 32)) + le32(static_cast<quint32>(magnitude));
            break;
        }
        case Text:
            bytes = text(v.toString(), true);
            break;
        case Memo: {
            const QString s = v.toString();
            if (!v.isNull() && !longValue(text(s, s.size() <= 1024), bytes))
                return false;
            break;
        }
        case Ole:
            if (!v.isNull() && !longValue(v.toByteArray(), bytes))
                return false;
            break;
        case Binary:
            bytes = v.toByteArray();
            break;
        default:
            error_ = QStringLiteral("column %1: unknown type").arg(column.name);
            return false;
        }
        if (isFixed(column.type))
            fixed += present || column.type == Bool ? bytes : QByteArray(fixedSize(column.type), '\0');
        else
            variable.push_back(present ? bytes : QByteArray());
    }

    const QByteArray head =
        jet3_ ? QByteArray(1, static_cast<char>(count)) : le16(static_cast<quint32>(count));
    row = head + fixed;
    if (variable.empty()) {
        row += mask;
        return true;
    }
    std::vector<int> offsets;
    for (const QByteArray& v : variable) {
        offsets.push_back(static_cast<int>(row.size()));
        row += v;
    }
    const int eod = static_cast<int>(row.size());
    offsets.push_back(eod);
    const auto n = static_cast<int>(variable.size());
    if (!jet3_) {
        for (int i = n; i >= 0; --i)
            row += le16(static_cast<quint32>(offsets[static_cast<size_t>(i)]));
        row += le16(static_cast<quint32>(n));
        row += mask;
        return true;
    }
    // Jet 3 keeps the low byte of each offset; the jump table names, for every
    // 256-byte boundary, the first offset past it. Its size follows from the length
    // of the whole row, so a last entry may be a dummy.
    int jumps = 0;
    for (;;) {
        const int length = eod + (n + 1) + jumps + 1 + static_cast<int>(mask.size());
        const int wanted = (length - 1) / 256;
        if (wanted == jumps)
            break;
        jumps = wanted;
    }
    std::vector<int> table_;
    for (int k = 1; k * 256 <= eod; ++k) {
        int first = 0;
        while (offsets[static_cast<size_t>(first)] < k * 256)
            ++first;
        table_.push_back(first);
    }
    if (static_cast<int>(table_.size()) > jumps || jumps - static_cast<int>(table_.size()) > 1) {
        error_ = QStringLiteral("a row of table %1 cannot be laid out").arg(table.name);
        return false;
    }
    for (int i = n; i >= 0; --i)
        row += static_cast<char>(offsets[static_cast<size_t>(i)] & 0xFF);
    if (jumps > static_cast<int>(table_.size()))
        row += '\xFF';
    for (auto j = table_.rbegin(); j != table_.rend(); ++j)
        row += static_cast<char>(*j);
    row += static_cast<char>(n);
    row += mask;
    return true;
}

// A page map of the direct kind (a first page and a bitmap), or of the indirect kind
// (pointers to map pages, each covering a stretch of the file).
QByteArray File_Writer::map(const std::vector<int>& pages) {
    const int length = jet3_ ? 128 : 64;
    QByteArray m(length, '\0');
    if (pages.empty())
        return m;
    if (!o_.indirectMaps && (pages.back() - pages.front()) < (length - 5) * 8) {
        put32(m, 1, static_cast<quint32>(pages.front()));
        for (int p : pages) {
            const int bit = p - pages.front();
            m[5 + bit / 8] = static_cast<char>(m[5 + bit / 8] | (1 << (bit % 8)));
        }
        return m;
    }
    m[0] = 1;
    const int span = (l_.pageSize - 4) * 8;
    std::vector<int> mapPages((length - 1) / 4, 0);
    for (int p : pages) {
        const int index = p / span;
        if (mapPages[static_cast<size_t>(index)] == 0)
            mapPages[static_cast<size_t>(index)] = newPage(5, 0);
        QByteArray& mp = pages_[static_cast<size_t>(mapPages[static_cast<size_t>(index)])];
        const int bit = p % span;
        mp[4 + bit / 8] = static_cast<char>(mp[4 + bit / 8] | (1 << (bit % 8)));
    }
    for (size_t i = 0; i < mapPages.size(); ++i)
        put32(m, 1 + 4 * static_cast<qsizetype>(i), static_cast<quint32>(mapPages[i]));
    return m;
}

QByteArray File_Writer::definition(const Table& table, quint32 rows, quint32 usage, quint32 free,
                                   bool system) const {
    const auto count = static_cast<quint32>(table.columns.size());
    quint32 varCount = 0;
    for (const Column& c : table.columns)
        varCount += isFixed(c.type) ? 0 : 1;
    QByteArray d(jet3_ ? 43 : 63, '\0');
    d[0] = 2;
    d[1] = 1;
    if (jet3_) {
        d[2] = 'V';
        d[3] = 'C';
        put32(d, 12, rows);
        d[20] = system ? 'S' : 'N';
        put16(d, 21, count);
        put16(d, 23, varCount);
        put16(d, 25, count);
        put32(d, 35, usage);
        put32(d, 39, free);
    } else {
        put32(d, 16, rows);
        d[40] = system ? 'S' : 'N';
        put16(d, 41, count);
        put16(d, 43, varCount);
        put16(d, 45, count);
        put32(d, 55, usage);
        put32(d, 59, free);
    }
    int fixedOffset = 0;
    int varNumber = 0;
    for (quint32 i = 0; i < count; ++i) {
        const Column& c = table.columns[i];
        const bool fixed = isFixed(c.type);
        int size = fixed ? fixedSize(c.type) : 0;
        if (c.type == Text)
            size = jet3_ ? c.length : 2 * c.length;
        else if (c.type == Binary)
            size = c.length;
        QByteArray e(jet3_ ? 18 : 25, '\0');
        e[0] = static_cast<char>(c.type);
        const int at = jet3_ ? 1 : 5;
        put16(e, at, i);
        put16(e, at + 2, fixed ? 0 : static_cast<quint32>(varNumber));
        put16(e, at + 4, i);
        if (c.type == Numeric) {
            e[jet3_ ? 9 : 11] = static_cast<char>(c.precision);
            e[jet3_ ? 10 : 12] = static_cast<char>(c.scale);
        }
        e[jet3_ ? 13 : 15] = static_cast<char>(0x02 | (fixed ? 0x01 : 0x00));
        put16(e, jet3_ ? 14 : 21, fixed ? static_cast<quint32>(fixedOffset) : 0);
        put16(e, jet3_ ? 16 : 23, static_cast<quint32>(size));
        d += e;
        if (fixed)
            fixedOffset += size;
        else
            ++varNumber;
    }
    for (const Column& c : table.columns) {
        const QByteArray name = text(c.name, false);
        d += jet3_ ? QByteArray(1, static_cast<char>(name.size())) : le16(static_cast<quint32>(name.size()));
        d += name;
    }
    put32(d, 8, static_cast<quint32>(d.size()));
    return d;
}

bool File_Writer::writeTable(const Table& table, int definitionPage, bool system) {
    const int mapPage = newPage(1, 0);
    Page_Fill fill;
    std::vector<int> dataPages;
    for (const auto& values : table.rows) {
        QByteArray row;
        if (!packRow(table, values, row))
            return false;
        if (!fits(fill, row.size())) {
            fill = Page_Fill{newPage(1, static_cast<quint32>(definitionPage)), 0, l_.pageSize};
            dataPages.push_back(fill.page);
            if (!fits(fill, row.size())) {
                error_ = QStringLiteral("a row of table %1 does not fit on a page").arg(table.name);
                return false;
            }
        }
        addRow(fill, row);
    }
    Page_Fill maps{mapPage, 0, l_.pageSize};
    const quint32 usage = addRow(maps, map(dataPages));
    const quint32 free = addRow(maps, map({}));
    QByteArray def = definition(table, static_cast<quint32>(table.rows.size()), usage, free, system);
    // A definition longer than a page continues on further pages after their first 8
    // bytes.
    int page = definitionPage;
    qsizetype at = 0;
    for (;;) {
        QByteArray& p = pages_[static_cast<size_t>(page)];
        const qsizetype start = at == 0 ? 0 : 8;
        const qsizetype take = std::min<qsizetype>(def.size() - at, l_.pageSize - start);
        std::memcpy(p.data() + start, def.constData() + at, static_cast<size_t>(take));
        p[0] = 2;
        p[1] = 1;
        at += take;
        if (at >= def.size())
            break;
        const int next = newPage(2, 0);
        put32(pages_[static_cast<size_t>(page)], 4, static_cast<quint32>(next));
        page = next;
    }
    return true;
}

QByteArray File_Writer::write(const std::vector<Table>& tables, QString* error,
                              std::vector<int>* definitions) {
    newPage(0, 0);
    newPage(5, 0);
    newPage(2, 0); // the catalogue's definition, always page 2
    Table catalog;
    catalog.name = QStringLiteral("MSysObjects");
    catalog.columns = {{QStringLiteral("Id"), Long},    {QStringLiteral("ParentId"), Long},
                       {QStringLiteral("Name"), Text},  {QStringLiteral("Type"), Int},
                       {QStringLiteral("Flags"), Long}, {QStringLiteral("LvProp"), Ole}};
    catalog.rows.push_back({qlonglong(2), qlonglong(0), QStringLiteral("MSysObjects"), qlonglong(1),
                            qlonglong(static_cast<qint32>(0x80000002u)), QVariant()});
    bool ok = true;
    for (const Table& table : tables) {
        const int page = newPage(2, 0);
        if (definitions)
            definitions->push_back(page);
        catalog.rows.push_back(
            {qlonglong(page), qlonglong(0), table.name, qlonglong(1), qlonglong(0), QVariant()});
        ok = ok && writeTable(table, page, false);
    }
    ok = ok && writeTable(catalog, 2, true);
    if (!ok) {
        if (error)
            *error = error_;
        return {};
    }

    QByteArray& header = pages_[0];
    header[1] = 1;
    std::memcpy(header.data() + 4, "Standard Jet DB", 15);
    header[0x14] = jet3_ ? 0 : 1;
    const int length = jet3_ ? 126 : 128;
    put16(header, jet3_ ? 0x3A : 0x6E, 1033);
    put16(header, 0x3C, static_cast<quint32>(o_.codePage));
    put32(header, 0x3E, o_.key);
    static const uchar headerKey[4] = {0xC7, 0xDA, 0x39, 0x6B};
    rc4(headerKey, 4, header.data() + 0x18, length);
    QByteArray out;
    for (size_t n = 0; n < pages_.size(); ++n) {
        QByteArray page = pages_[n];
        if (o_.key != 0 && n > 0) {
            const quint32 k = o_.key ^ static_cast<quint32>(n);
            const uchar key[4] = {static_cast<uchar>(k), static_cast<uchar>(k >> 8),
                                  static_cast<uchar>(k >> 16), static_cast<uchar>(k >> 24)};
            rc4(key, 4, page.data(), page.size());
        }
        out += page;
    }
    return out;
}

} // namespace

QByteArray Write(const std::vector<Table>& tables, const Options& options, QString* error,
                 std::vector<int>* definitions) {
    File_Writer writer(options);
    return writer.write(tables, error, definitions);
}

} // namespace Jet_Writer
