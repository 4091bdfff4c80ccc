// Access lectionary files: the same data read from an Access file and from an SQLite
// file built from text, every Jet column type, the code page of Jet 3 texts, damaged
// and truncated files, the start-up check and the convert command. The Access files
// are written by the tests' own Jet writer and held against mdbtools' own reading.

#include "base/program_files.h"
#include "lectionary/access_database.h"
#include "lectionary/database_file.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/source_folder.h"
#include "lectionary/statements.h"
#include "tests/lectionary/fixture.h"
#include "tests/lectionary/jet_writer.h"
#include "tests/lectionary/mdbtools_oracle.h"
#include "tests/support/temp_folder.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <sqlite3.h>

#include <array>
#include <cstring>

using namespace MdlLectarium;
namespace W = Jet_Writer;

namespace {

quint32 get32(const QByteArray& b, qsizetype at) {
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uchar>(b[at + i]);
    return v;
}

void put32(QByteArray& b, qsizetype at, quint32 v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>(v >> (8 * i));
}

void put16(QByteArray& b, qsizetype at, quint32 v) {
    b[at] = static_cast<char>(v);
    b[at + 1] = static_cast<char>(v >> 8);
}

int pageSize(const QByteArray& file) {
    return file[0x14] == 0 ? 2048 : 4096;
}

// The header names the code page inside its enciphered part.
void setHeaderCodePage(QByteArray& file, int codePage) {
    const int length = file[0x14] == 0 ? 126 : 128;
    auto cipher = [&] {
        std::array<uchar, 256> s{};
        const uchar key[4] = {0xC7, 0xDA, 0x39, 0x6B};
        for (int i = 0; i < 256; ++i)
            s[static_cast<size_t>(i)] = static_cast<uchar>(i);
        for (int i = 0, j = 0; i < 256; ++i) {
            j = (j + s[static_cast<size_t>(i)] + key[i % 4]) & 0xFF;
            std::swap(s[static_cast<size_t>(i)], s[static_cast<size_t>(j)]);
        }
        for (int n = 0, a = 0, b = 0; n < length; ++n) {
            a = (a + 1) & 0xFF;
            b = (b + s[static_cast<size_t>(a)]) & 0xFF;
            std::swap(s[static_cast<size_t>(a)], s[static_cast<size_t>(b)]);
            file[0x18 + n] = static_cast<char>(
                file[0x18 + n] ^ s[(s[static_cast<size_t>(a)] + s[static_cast<size_t>(b)]) & 0xFF]);
        }
    };
    cipher();
    put16(file, 0x3C, static_cast<quint32>(codePage));
    cipher();
}

// Pages of a plain (not encoded) file by kind: table definitions in file order, data
// pages of the table whose definition is on a page, long-value pages.
std::vector<int> pagesOfType(const QByteArray& file, char type) {
    std::vector<int> pages;
    const int size = pageSize(file);
    for (int p = 1; p < file.size() / size; ++p)
        if (file[p * size] == type)
            pages.push_back(p);
    return pages;
}

std::vector<int> dataPages(const QByteArray& file, int definition) {
    std::vector<int> pages;
    const int size = pageSize(file);
    for (int p : pagesOfType(file, 1))
        if (get32(file, p * size + 4) == static_cast<quint32>(definition))
            pages.push_back(p);
    return pages;
}

std::vector<int> longValuePages(const QByteArray& file) {
    std::vector<int> pages;
    const int size = pageSize(file);
    for (int p : pagesOfType(file, 1))
        if (file.mid(p * size + 4, 4) == "LVAL")
            pages.push_back(p);
    return pages;
}

Result_Set table(Database& database, const QString& name) {
    Result_Set result;
    QString error;
    if (!database.Run(name, result, error))
        qWarning() << name << error;
    return result;
}

// The lectionary as Access tables: numbers as Integer, Old as Yes/No, the stories,
// rites, tips and psalm texts as Memo.
std::vector<W::Table> lectionaryTables(Database& source) {
    std::vector<W::Table> tables;
    const QStringList memo = {QStringLiteral("Data"), QStringLiteral("Ceremony_Data"),
                              QStringLiteral("Pic_Data"), QStringLiteral("Tip")};
    for (const Table_Schema& schema : Lectionary_Tables()) {
        W::Table t;
        t.name = schema.name;
        for (const Column_Schema& c : schema.columns) {
            const int type = c.type == Column_Type::Boolean  ? W::Bool
                             : c.type == Column_Type::Number ? W::Int
                             : memo.contains(c.name)         ? W::Memo
                                                             : W::Text;
            t.columns.push_back({c.name, type});
        }
        t.rows = table(source, schema.name).rows;
        tables.push_back(t);
    }
    return tables;
}

W::Options optionsFor(const QString& kind) {
    W::Options o;
    o.version = kind.startsWith(QLatin1String("jet3")) ? W::Version::Jet3 : W::Version::Jet4;
    o.compressText = kind.contains(QLatin1String("compressed"));
    o.key = kind.contains(QLatin1String("encoded")) ? 0x5A17C0DEu : 0;
    o.indirectMaps = kind.contains(QLatin1String("indirect"));
    o.inlineMemo = kind.contains(QLatin1String("long pages")) ? 0 : 64;
    return o;
}

QStringList lectionaryStatements() {
    return {Verse_Statement(-1, 1, 1, 12),
            Verse_Range_Statement(0, 4, 1, 2, 3),
            Chapter_Range_Statement(0, 4, 1, 3),
            Chapter_Statement(-1, 1, 1),
            Search_All_Statement(Flip_Text(QStringLiteral("light"))),
            Search_Old_Statement(Flip_Text(QStringLiteral("God"))),
            Search_New_Statement(Flip_Text(QStringLiteral("John"))),
            Search_Books_Statement({1, 50}, Flip_Text(QStringLiteral("1"))),
            Psalmos_Statement(Flip_Text(QStringLiteral("1: 1-2"))),
            Tips_Table,
            Ceremony_Table,
            Story_Statement(1, 1),
            Year_Statement(1, 1),
            Suns_Statement(1, 1),
            Jonah_Statement(1),
            Fast_Statement(0, 1),
            Fifty_Statement(0, 1),
            Pain_First_Day_Statement(),
            Pain_Statement(2)};
}

// A table with every column type: the largest values, the smallest, Nulls, empty and
// short texts, and memo values inline, in one long-value row and in a chain of them.
W::Table typesTable(const QString& longText) {
    W::Table t;
    t.name = QStringLiteral("Types");
    t.columns = {{QStringLiteral("Yes"), W::Bool},
                 {QStringLiteral("Byte"), W::Byte},
                 {QStringLiteral("Int"), W::Int},
                 {QStringLiteral("Long"), W::Long},
                 {QStringLiteral("Money"), W::Money},
                 {QStringLiteral("Single"), W::Float},
                 {QStringLiteral("Double"), W::Double},
                 {QStringLiteral("When"), W::Date_Time},
                 {QStringLiteral("Amount"), W::Numeric, 255, 18, 2},
                 {QStringLiteral("Whole"), W::Numeric, 255, 18, 0},
                 {QStringLiteral("Id"), W::Guid},
                 {QStringLiteral("Name"), W::Text, 50},
                 {QStringLiteral("Story"), W::Memo},
                 {QStringLiteral("Picture"), W::Ole},
                 {QStringLiteral("Raw"), W::Binary, 8}};
    const QByteArray guid = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    t.rows.push_back({qlonglong(-1), qlonglong(255), qlonglong(32767), qlonglong(2147483647),
                      90071992547.4099, 3.5, 1.0e300, 36526.5, 12345678.91, qlonglong(999999999999999999),
                      guid, QStringLiteral("السلام عليكم"), longText, QByteArray(5000, '\x07'),
                      QByteArray("\x01\x02", 2)});
    t.rows.push_back({qlonglong(0), qlonglong(0), qlonglong(-32768), qlonglong(-2147483647 - 1), -0.0001,
                      -0.25, -2.5e-300, 0.0, -0.01, qlonglong(-1), guid, QStringLiteral(""),
                      longText.left(65), QByteArray("x"), QByteArray()});
    t.rows.push_back({qlonglong(0), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
                      QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
                      QVariant()});
    t.rows.push_back({qlonglong(-1), qlonglong(1), qlonglong(1), qlonglong(1), 1.0, 1.0, 1.0, -1.25, 1.0,
                      qlonglong(1), guid, QStringLiteral("Abc"), longText.left(3000), QByteArray(),
                      QByteArray(8, 'z')});
    return t;
}

QString longArabicText() {
    QString text;
    for (int i = 0; text.size() < 20000; ++i)
        text += QStringLiteral("سطر %1 من قصة طويلة، Line %1.\r\n").arg(i);
    return text;
}

} // namespace

class Test_Access_Database final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(fixture_.ok(), qPrintable(fixture_.error()));
        QString error;
        sqlite_ = Sqlite_Database::Open_File(fixture_.path(), error);
        QVERIFY2(sqlite_, qPrintable(error));
    }

    void fileFormats_data() {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("format");
        const QByteArray jet = QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(12, '\0');
        QByteArray jet4 = jet;
        jet4[0x14] = 1;
        QByteArray ace = QByteArray("\x00\x01\x00\x00Standard ACE DB\x00", 20) + QByteArray(12, '\0');
        ace[0x14] = 2;
        QTest::newRow("sqlite") << QByteArray("SQLite format 3\0rest", 20) << int(Database_Format::Sqlite);
        QTest::newRow("jet 3") << jet << int(Database_Format::Jet3);
        QTest::newRow("jet 4") << jet4 << int(Database_Format::Jet4);
        QTest::newRow("access 2007") << ace << int(Database_Format::Other);
        QTest::newRow("jet header cut") << jet.left(0x14) << int(Database_Format::Other);
        QTest::newRow("empty") << QByteArray() << int(Database_Format::Other);
        QTest::newRow("text") << QByteArray("Bible\tOld\n") << int(Database_Format::Other);
    }
    void fileFormats() {
        QFETCH(QByteArray, head);
        QFETCH(int, format);
        QCOMPARE(int(Database_Bytes_Format(head)), format);
    }

    // The lectionary written as Access, read back: every table, field, row, Null and
    // character as in the SQLite database built from the same text, the program's
    // statements answered alike, and mdbtools' own reading of the file the same.
    void sameAsSqlite_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"jet3", "jet4", "jet4 compressed", "jet3 encoded",
                                 "jet4 indirect long pages", "jet3 indirect long pages"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void sameAsSqlite() {
        QFETCH(QString, kind);
        QString error;
        const QByteArray file = W::Write(lectionaryTables(*sqlite_), optionsFor(kind), &error);
        QVERIFY2(!file.isEmpty(), qPrintable(error));
        const auto access = Open_Access_Bytes(file, error);
        QVERIFY2(access, qPrintable(error));

        for (const Table_Schema& schema : Lectionary_Tables()) {
            const Result_Set expected = table(*sqlite_, schema.name);
            const Result_Set actual = table(*access, schema.name);
            QCOMPARE(actual.fields, expected.fields);
            QCOMPARE(actual.rows.size(), expected.rows.size());
            for (size_t r = 0; r < expected.rows.size(); ++r)
                QVERIFY2(actual.rows[r] == expected.rows[r],
                         qPrintable(QStringLiteral("%1 row %2").arg(schema.name).arg(r)));
        }
        int answered = 0;
        for (const QString& statement : lectionaryStatements()) {
            const Result_Set expected = table(*sqlite_, statement);
            const Result_Set actual = table(*access, statement);
            QVERIFY2(actual.rows == expected.rows, qPrintable(statement));
            answered += expected.rows.empty() ? 0 : 1;
        }
        QCOMPARE(answered, lectionaryStatements().size());
        QVERIFY(Missing_Lectionary_Fields(*access).isEmpty());

        Temp_Program_Folder folder;
        folder.write(QStringLiteral("Lectarium.mdb"), file);
        const auto oracle = Read_With_Mdbtools(folder.file(QStringLiteral("Lectarium.mdb")), "CP1256", error);
        QCOMPARE(oracle.size(), Lectionary_Tables().size());
        const QString difference = Compare_With_Mdbtools(*access, oracle);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // Every Jet column type, with its extremes, Nulls and long values, and the types
    // the columns are declared with.
    void columnTypes_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"jet3", "jet4", "jet4 compressed"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void columnTypes() {
        QFETCH(QString, kind);
        const QString longText = longArabicText();
        QString error;
        const QByteArray file = W::Write({typesTable(longText)}, optionsFor(kind), &error);
        QVERIFY2(!file.isEmpty(), qPrintable(error));
        const auto access = Open_Access_Bytes(file, error);
        QVERIFY2(access, qPrintable(error));
        const Result_Set t = table(*access, QStringLiteral("Types"));
        QCOMPARE(t.fields.size(), 15);
        QCOMPARE(t.rows.size(), size_t(4));
        const QByteArray guid = QByteArray::fromHex("00112233445566778899aabbccddeeff");
        const std::vector<QVariant> first = {qlonglong(-1),
                                             qlonglong(255),
                                             qlonglong(32767),
                                             qlonglong(2147483647),
                                             90071992547.4099,
                                             3.5,
                                             1.0e300,
                                             QStringLiteral("2000-01-01 12:00:00"),
                                             12345678.91,
                                             qlonglong(999999999999999999),
                                             QStringLiteral("{33221100-5544-7766-8899-AABBCCDDEEFF}"),
                                             QStringLiteral("السلام عليكم"),
                                             longText,
                                             QByteArray(5000, '\x07'),
                                             QByteArray("\x01\x02", 2)};
        const std::vector<QVariant> second = {qlonglong(0),
                                              qlonglong(0),
                                              qlonglong(-32768),
                                              qlonglong(-2147483647 - 1),
                                              -0.0001,
                                              -0.25,
                                              -2.5e-300,
                                              QStringLiteral("1899-12-30 00:00:00"),
                                              -0.01,
                                              qlonglong(-1),
                                              first[10],
                                              QStringLiteral(""),
                                              longText.left(65),
                                              QByteArray("x"),
                                              QByteArray("")};
        for (int c = 0; c < 15; ++c) {
            QCOMPARE(t.rows[0][static_cast<size_t>(c)], first[static_cast<size_t>(c)]);
            QCOMPARE(t.rows[1][static_cast<size_t>(c)], second[static_cast<size_t>(c)]);
            // Nulls stay Null, except yes/no, which is never Null in Jet.
            QCOMPARE(t.rows[2][static_cast<size_t>(c)].isNull(), c != 0);
        }
        QCOMPARE(t.rows[2][0], QVariant(qlonglong(0)));
        QCOMPARE(t.rows[3][12], QVariant(longText.left(3000)));
        QCOMPARE(t.rows[3][7], QVariant(QStringLiteral("1899-12-29 06:00:00")));
        QVERIFY(!t.rows[1][11].isNull()); // empty text is not Null

        sqlite3_stmt* statement = nullptr;
        QCOMPARE(sqlite3_prepare_v2(access->handle(), "SELECT type FROM pragma_table_info('Types')", -1,
                                    &statement, nullptr),
                 SQLITE_OK);
        QStringList types;
        while (sqlite3_step(statement) == SQLITE_ROW)
            types << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        QCOMPARE(types, QStringList({"INTEGER", "INTEGER", "INTEGER", "INTEGER", "REAL", "REAL", "REAL",
                                     "TEXT", "REAL", "INTEGER", "TEXT", "TEXT", "TEXT", "BLOB", "BLOB"}));
    }

    // Dates: days since 30 December 1899, the fraction the time of day (forward also
    // before that day); outside the years 100 to 9999 the number is kept.
    void dates_data() {
        QTest::addColumn<double>("days");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("noon 2000") << 36526.5 << QVariant(QStringLiteral("2000-01-01 12:00:00"));
        QTest::newRow("day zero") << 0.0 << QVariant(QStringLiteral("1899-12-30 00:00:00"));
        QTest::newRow("before day zero") << -1.25 << QVariant(QStringLiteral("1899-12-29 06:00:00"));
        QTest::newRow("last second") << 2958465.0 + 86399.0 / 86400.0
                                     << QVariant(QStringLiteral("9999-12-31 23:59:59"));
        QTest::newRow("rounds to next day") << 1.9999999 << QVariant(QStringLiteral("1900-01-01 00:00:00"));
        QTest::newRow("beyond 9999") << 1.0e7 << QVariant(1.0e7);
    }
    void dates() {
        QFETCH(double, days);
        QFETCH(QVariant, expected);
        for (W::Version version : {W::Version::Jet3, W::Version::Jet4}) {
            W::Options o;
            o.version = version;
            QString error;
            const auto access = Open_Access_Bytes(
                W::Write({{QStringLiteral("Dates"), {{QStringLiteral("When"), W::Date_Time}}, {{days}}}}, o,
                         &error),
                error);
            QVERIFY2(access, qPrintable(error));
            QCOMPARE(table(*access, QStringLiteral("Dates")).rows.at(0).at(0), expected);
        }
    }

    // Jet 3 texts are in the code page the header names, 1256 when it names none or
    // one that cannot be decoded; the complement form of Arabic text reads back.
    void jet3CodePage_data() {
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("header");
        QTest::addColumn<QString>("text");
        const QString arabic = QStringLiteral("في البدء كان الكلمة");
        QTest::newRow("1256 named") << 1256 << 1256 << arabic;
        QTest::newRow("none named") << 1256 << 0 << arabic;
        QTest::newRow("unknown named") << 1256 << 9999 << arabic;
        QTest::newRow("1252 named") << 1252 << 1252 << QStringLiteral("Café, naïve – “quoted”");
        QTest::newRow("1251 named") << 1251 << 1251 << QStringLiteral("Вначале было Слово");
        QTest::newRow("scrambled") << 1256 << 1256 << Flip_Text(arabic + QStringLiteral(" 3: 16-21"));
    }
    void jet3CodePage() {
        QFETCH(int, written);
        QFETCH(int, header);
        QFETCH(QString, text);
        W::Table t{QStringLiteral("Words"),
                   {{QStringLiteral("Sign"), W::Text}, {QStringLiteral("Data"), W::Memo}},
                   {{text, text + text}}};
        W::Options o;
        o.version = W::Version::Jet3;
        o.codePage = written;
        QString error;
        QByteArray file = W::Write({t}, o, &error);
        QVERIFY2(!file.isEmpty(), qPrintable(error));
        setHeaderCodePage(file, header);
        const auto access = Open_Access_Bytes(file, error);
        QVERIFY2(access, qPrintable(error));
        const Result_Set words = table(*access, QStringLiteral("Words"));
        QCOMPARE(words.rows.size(), size_t(1));
        QCOMPARE(words.rows[0][0].toString(), text);
        QCOMPARE(words.rows[0][1].toString(), text + text);
        QCOMPARE(Flip_Text(Flip_Text(words.rows[0][0].toString())), text);
    }

    // Damage to each structure the reader follows ends in a reason, never a crash or
    // a loop: run under the sanitizers.
    void damaged_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("damage");
        for (const char* kind : {"jet3 long pages", "jet4 long pages"})
            for (const char* damage :
                 {"definition type", "column count", "index count", "definition chain circle",
                  "definition chain beyond end", "map row missing", "map page beyond end", "map type",
                  "data page beyond end", "row offset", "row count", "variable column count",
                  "long value circle", "long value elsewhere", "long value length", "catalogue page",
                  "catalogue twice"})
                QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(kind, damage)))
                    << QString::fromLatin1(kind) << QString::fromLatin1(damage);
    }
    void damaged() {
        QFETCH(QString, kind);
        QFETCH(QString, damage);
        std::vector<int> definitions;
        QByteArray file = damageSubject(kind, &definitions);
        QVERIFY(!file.isEmpty());
        const bool jet3 = kind.startsWith(QLatin1String("jet3"));
        const int size = pageSize(file);
        // The wide table's definition spans pages; Types has the long values.
        const int wide = definitions[0];
        const int types = definitions[2];
        const int typesData = dataPages(file, types).front();
        const int rco = jet3 ? 8 : 12;
        const qsizetype numCols = jet3 ? 25 : 45;
        const qsizetype usage = jet3 ? 35 : 55;
        const qsizetype def = qsizetype(types) * size;
        const qsizetype data = qsizetype(typesData) * size;
        const auto rowStart = [&](qsizetype page, int row) {
            return page + (static_cast<uchar>(file[page + rco + 2 + 2 * row]) |
                           ((static_cast<uchar>(file[page + rco + 3 + 2 * row]) & 0x1F) << 8));
        };
        if (damage == QLatin1String("definition type"))
            file[def] = 0x01;
        else if (damage == QLatin1String("column count"))
            put16(file, def + numCols, 0xFFFF);
        else if (damage == QLatin1String("index count"))
            put32(file, def + numCols + 6, 0x7FFFFFFF);
        else if (damage == QLatin1String("definition chain circle"))
            put32(file, qsizetype(wide) * size + 4, static_cast<quint32>(wide));
        else if (damage == QLatin1String("definition chain beyond end"))
            put32(file, qsizetype(wide) * size + 4, 0x00FFFFFF);
        else if (damage == QLatin1String("map row missing"))
            put32(file, def + usage, (get32(file, def + usage) & 0xFFFFFF00) | 0x7F);
        else if (damage == QLatin1String("map page beyond end"))
            put32(file, def + usage, 0x00FFFF00);
        else if (damage == QLatin1String("map type")) {
            const quint32 map = get32(file, def + usage);
            file[rowStart(qsizetype(map >> 8) * size, static_cast<int>(map & 0xFF))] = 7;
        } else if (damage == QLatin1String("data page beyond end")) {
            const quint32 map = get32(file, def + usage);
            const qsizetype m = rowStart(qsizetype(map >> 8) * size, static_cast<int>(map & 0xFF));
            put32(file, m + 1, 0x7FFFFF00);
        } else if (damage == QLatin1String("row offset"))
            put16(file, data + rco + 2, 5);
        else if (damage == QLatin1String("row count"))
            put16(file, data + rco, 0xFFFF);
        else if (damage == QLatin1String("variable column count")) {
            // The count sits before the null mask at the end of the first row.
            const qsizetype end = qsizetype(data) + size - 1;
            const int mask = 2;
            if (jet3)
                file[end - mask] = static_cast<char>(0xFF);
            else
                put16(file, end - mask - 1, 0xFFFF);
        } else if (damage == QLatin1String("long value circle")) {
            // Every row of a chain starts with the pointer to the next: point each one
            // at itself.
            for (int p : longValuePages(file)) {
                const qsizetype page = qsizetype(p) * size;
                for (int r = 0; r < static_cast<uchar>(file[page + rco]); ++r)
                    put32(file, rowStart(page, r), (static_cast<quint32>(p) << 8) | static_cast<quint32>(r));
            }
        } else if (damage == QLatin1String("long value elsewhere")) {
            for (int p : longValuePages(file))
                std::memcpy(file.data() + qsizetype(p) * size + 4, "LVAX", 4);
        } else if (damage == QLatin1String("long value length")) {
            for (int p : longValuePages(file))
                put16(file, qsizetype(p) * size + rco, 0);
        } else if (damage == QLatin1String("catalogue page"))
            file[2 * size] = 0x05;
        else if (damage == QLatin1String("catalogue twice")) {
            // The catalogue's rows: itself, then the tables in order; Id is the first
            // fixed column.
            const qsizetype catalog = qsizetype(dataPages(file, 2).front()) * size;
            put32(file, rowStart(catalog, 2) + (jet3 ? 1 : 2), static_cast<quint32>(wide));
        }
        QString error;
        const auto database = Open_Access_Bytes(file, error);
        QVERIFY2(!database, qPrintable(damage));
        QVERIFY(!error.isEmpty());
    }

    // A file cut anywhere, on a page boundary or inside a page, is refused.
    void truncated_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("jet3") << QStringLiteral("jet3 long pages");
        QTest::newRow("jet4") << QStringLiteral("jet4 long pages");
    }
    void truncated() {
        QFETCH(QString, kind);
        const QByteArray file = damageSubject(kind);
        const int size = pageSize(file);
        QString error;
        QVERIFY2(Open_Access_Bytes(file, error), qPrintable(error));
        for (qsizetype cut = 0; cut < file.size(); cut += size / 2 + 1) {
            error.clear();
            QVERIFY2(!Open_Access_Bytes(file.left(cut), error), qPrintable(QString::number(cut)));
            QVERIFY(!error.isEmpty());
        }
        QVERIFY(!Open_Access_Bytes(file.chopped(1), error));
    }

    // Random bytes flipped anywhere: the file is read or refused with a reason, and
    // nothing else happens.
    void randomDamage() {
        for (const QString& kind : {QStringLiteral("jet3 long pages"), QStringLiteral("jet4 long pages")}) {
            const QByteArray file = damageSubject(kind);
            QRandomGenerator random(kind.size() * 7919u);
            int refused = 0;
            for (int round = 0; round < 400; ++round) {
                QByteArray copy = file;
                const int flips = 1 + random.bounded(8);
                // Most flips land on the structures (definitions and row tables)
                // rather than inside the texts.
                for (int f = 0; f < flips; ++f) {
                    const qsizetype page = random.bounded(copy.size() / pageSize(copy));
                    const qsizetype at =
                        page * pageSize(copy) + random.bounded(round % 2 ? pageSize(copy) : 96);
                    copy[at] = static_cast<char>(copy[at] ^ (1 << random.bounded(8)));
                }
                QString error;
                if (!Open_Access_Bytes(copy, error)) {
                    QVERIFY(!error.isEmpty());
                    ++refused;
                }
            }
            QVERIFY(refused > 0);
        }
    }

    // The start-up check names the problem of each kind of file; an Access file that
    // passes is read once and then served to the data sources.
    void startupCheck() {
        Temp_Program_Folder folder;
        const QString path = folder.file(QStringLiteral("Lectarium.mdb"));
        QString problem;
        QVERIFY(!Check_Database_File(path, problem));

        folder.write(QStringLiteral("Lectarium.mdb"), QByteArray("Old\tBible\n"));
        QVERIFY(!Check_Database_File(path, problem));
        QVERIFY(problem.contains(QStringLiteral("ليس ملف SQLite ولا ملف Access")));
        folder.write(QStringLiteral("Lectarium.mdb"), QByteArray());
        QVERIFY(!Check_Database_File(path, problem));

        QFile::remove(path);
        QVERIFY(QFile::copy(fixture_.path(), path));
        QVERIFY2(Check_Database_File(path, problem), qPrintable(problem));

        QString error;
        std::vector<W::Table> tables = lectionaryTables(*sqlite_);
        const QByteArray jet = W::Write(tables, optionsFor(QStringLiteral("jet4")), &error);
        QFile::remove(path);
        folder.write(QStringLiteral("Lectarium.mdb"), jet);
        QVERIFY2(Check_Database_File(path, problem), qPrintable(problem));
        const auto first = Open_Lectionary_File(path, error);
        QVERIFY2(first, qPrintable(error));
        QCOMPARE(Open_Lectionary_File(path, error), first);
        Data_Source source(QStringLiteral("Data_Bible"));
        source.setDatabaseName(path);
        Set_Database_Opener(Open_Lectionary_File);
        source.setRecordSource(Chapter_Statement(-1, 1, 1));
        const bool answered = source.refresh();
        Set_Database_Opener({});
        QVERIFY2(answered, qPrintable(source.lastError()));
        QVERIFY(source.recordCount() > 0);
        source.close();

        // Another table set: the file changes, so it is read again.
        tables.pop_back(); // Tips
        folder.write(QStringLiteral("Lectarium.mdb"),
                     W::Write(tables, optionsFor(QStringLiteral("jet3")), &error));
        QVERIFY(!Check_Database_File(path, problem));
        QVERIFY2(problem.contains(QStringLiteral("table Tips is missing")), qPrintable(problem));
        QVERIFY(Open_Lectionary_File(path, error) != first);

        folder.write(QStringLiteral("Lectarium.mdb"), jet.left(jet.size() - 3 * 4096));
        QVERIFY(!Check_Database_File(path, problem));
        QVERIFY2(problem.startsWith(QStringLiteral("ملف Access تالف أو ناقص")), qPrintable(problem));
    }

    // lectarium-db convert writes an SQLite copy that holds what the Access file holds,
    // and refuses what it cannot convert without leaving a file behind.
    void convertCommand() {
        Temp_Program_Folder folder;
        QString error;
        const QByteArray jet =
            W::Write(lectionaryTables(*sqlite_), optionsFor(QStringLiteral("jet3")), &error);
        folder.write(QStringLiteral("old.mdb"), jet);
        const QString old = folder.file(QStringLiteral("old.mdb"));
        const QString copy = folder.file(QStringLiteral("new.mdb"));
        auto run = [&](const QStringList& args) {
            QProcess tool;
            tool.start(QStringLiteral(LECTARIUM_DB), args);
            tool.waitForFinished(120000);
            return tool.exitCode();
        };
        QCOMPARE(run({QStringLiteral("convert"), old, copy}), 0);
        QCOMPARE(int(Database_File_Format(copy)), int(Database_Format::Sqlite));
        const auto converted = Sqlite_Database::Open_File(copy, error);
        QVERIFY2(converted, qPrintable(error));
        for (const Table_Schema& schema : Lectionary_Tables())
            QVERIFY2(table(*converted, schema.name).rows == table(*sqlite_, schema.name).rows,
                     qPrintable(schema.name));
        QCOMPARE(folder.read(QStringLiteral("old.mdb")), jet);

        const QString other = folder.file(QStringLiteral("other.mdb"));
        QCOMPARE(run({QStringLiteral("convert"), copy, other}), 2); // already SQLite
        QCOMPARE(run({QStringLiteral("convert"), old, old}), 2);
        QCOMPARE(folder.read(QStringLiteral("old.mdb")), jet);
        folder.write(QStringLiteral("cut.mdb"), jet.left(jet.size() / 2));
        QCOMPARE(run({QStringLiteral("convert"), folder.file(QStringLiteral("cut.mdb")), other}), 2);
        QVERIFY(!QFile::exists(other));
        QVERIFY(QDir(folder.path()).entryList({QStringLiteral("*.partial*")}).isEmpty());
    }

    // The tools open the Access file of the earlier program as the program does, and
    // say of it what they say of the SQLite database built from the same text.
    void toolsReadAnAccessFile_data() {
        QTest::addColumn<QStringList>("arguments"); // DB stands for the database, OUT for a folder
        QTest::newRow("readings") << QStringList{"--readings", "1998-09-11", "--text"};
        QTest::newRow("whole day") << QStringList{"--readings", "1998-09-11", "--html"};
        QTest::newRow("check") << QStringList{"check", "DB"};
        QTest::newRow("passage") << QStringList{"passage", "DB", "يو 1: 2-3"};
        QTest::newRow("search") << QStringList{"search", "DB", "John"};
        QTest::newRow("where") << QStringList{"where", "DB", "يو 1: 2", "2000"};
        QTest::newRow("dump") << QStringList{"dump", "DB", "OUT"};
    }
    void toolsReadAnAccessFile() {
        QFETCH(QStringList, arguments);
        QString error;
        const QByteArray jet =
            W::Write(lectionaryTables(*sqlite_), optionsFor(QStringLiteral("jet4")), &error);
        QVERIFY2(!jet.isEmpty(), qPrintable(error));
        QTemporaryDir sqliteFolder;
        QTemporaryDir accessFolder;
        QVERIFY(QFile::copy(fixture_.path(), sqliteFolder.filePath(QStringLiteral("Lectarium.mdb"))));
        QFile access(accessFolder.filePath(QStringLiteral("Lectarium.mdb")));
        QVERIFY(access.open(QIODevice::WriteOnly) && access.write(jet) == jet.size());
        access.close();
        // What a tool says in a folder, the folder's name left out, and the files it wrote.
        auto run = [&](const QString& folder) {
            QStringList args = arguments;
            args.replaceInStrings(QRegularExpression(QStringLiteral("^DB$")),
                                  QDir(folder).filePath(QStringLiteral("Lectarium.mdb")));
            args.replaceInStrings(QRegularExpression(QStringLiteral("^OUT$")),
                                  QDir(folder).filePath(QStringLiteral("out")));
            QProcess tool;
            tool.setWorkingDirectory(folder);
            tool.start(QString::fromUtf8(arguments[0].startsWith(QLatin1String("--")) ? LECTARIUM_DAY_TOOL
                                                                                      : LECTARIUM_DB),
                       args);
            tool.waitForFinished(120000);
            QStringList said{QString::number(tool.exitCode()),
                             QString::fromUtf8(tool.readAllStandardOutput()),
                             QString::fromUtf8(tool.readAllStandardError())};
            said.replaceInStrings(folder, QStringLiteral("FOLDER"));
            QDir out(QDir(folder).filePath(QStringLiteral("out")));
            for (const QString& name : out.entryList(QDir::Files)) {
                QFile file(out.filePath(name));
                said << name
                     << QString::fromUtf8(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
            }
            return said;
        };
        const QStringList fromSqlite = run(sqliteFolder.path());
        QVERIFY2(fromSqlite[0] == QLatin1String("0") || arguments[0] == QLatin1String("check"),
                 qPrintable(fromSqlite.join(QLatin1Char('\n'))));
        QVERIFY(!fromSqlite[1].isEmpty() || fromSqlite.size() > 3);
        QCOMPARE(run(accessFolder.path()), fromSqlite);
    }

private:
    // A Jet file with the structures a reader follows: a table whose definition spans
    // pages, and long values in chains.
    QByteArray damageSubject(const QString& kind, std::vector<int>* definitions = nullptr) {
        W::Table wide;
        wide.name = QStringLiteral("Wide");
        for (int c = 0; c < 150; ++c)
            wide.columns.push_back({QStringLiteral("A column with a long name number %1").arg(c), W::Int});
        wide.rows.push_back(std::vector<QVariant>(150, QVariant(qlonglong(7))));
        W::Table small{QStringLiteral("Small"), {{QStringLiteral("N"), W::Long}}, {{qlonglong(1)}}};
        std::vector<W::Table> tables = {wide, small, typesTable(longArabicText())};
        QString error;
        const QByteArray file = W::Write(tables, optionsFor(kind), &error, definitions);
        if (file.isEmpty())
            qWarning() << error;
        return file;
    }

    Lectionary_Fixture fixture_;
    std::shared_ptr<Sqlite_Database> sqlite_;
};

QTEST_GUILESS_MAIN(Test_Access_Database)
#include "test_access_database.moc"
