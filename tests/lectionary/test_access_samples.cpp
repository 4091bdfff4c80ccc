// The two real Access files that Debian ships (a Jet 3 and a Jet 4 file, fetched by
// access/fetch_samples.sh into the build folder): read as mdbtools' own tools read
// them, and again after mdbtools has added rows with Arabic text, Nulls, yes/no values,
// decimals and dates to a copy. Skipped, saying why, when the files cannot be fetched.

#include "base/basic_text.h"
#include "base/program_files.h"
#include "lectionary/access_database.h"
#include "lectionary/database_file.h"
#include "lectionary/scrambled_text.h"
#include "tests/lectionary/mdbtools_oracle.h"
#include "tests/support/temp_folder.h"

#include <mdbtools.h>

#include <QDir>
#include <QProcess>
#include <QTest>

#include <array>
#include <cstring>

using namespace MdlLectarium;

namespace {

QByteArray le32(quint32 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<char>(v >> (8 * i));
    return b;
}

QByteArray ucs2(const QString& text) {
    QByteArray b;
    for (QChar ch : text)
        b += static_cast<char>(ch.unicode() & 0xFF) + QByteArray(1, static_cast<char>(ch.unicode() >> 8));
    return b;
}

QByteArray decimal(qlonglong n) {
    const quint64 m = n < 0 ? 0 - static_cast<quint64>(n) : static_cast<quint64>(n);
    return QByteArray(1, n < 0 ? '\x80' : '\0') + le32(0) + le32(0) + le32(static_cast<quint32>(m >> 32)) +
           le32(static_cast<quint32>(m));
}

QByteArray dateBytes(double days) {
    QByteArray b(8, '\0');
    std::memcpy(b.data(), &days, 8);
    return b;
}

// A value for mdb_insert_row: the bytes as stored, or Null; a yes/no value is stored
// in the null mask, so Null there means no.
struct Insert_Value {
    QByteArray bytes;
    bool null = false;
};
const Insert_Value Null{QByteArray(), true};

// Adds rows to a table of a copy with mdbtools' own writer.
bool insertRows(const QString& path, const char* tableName,
                const std::vector<std::vector<Insert_Value>>& rows, QString& error) {
    MdbHandle* mdb = mdb_open(QFile::encodeName(path).constData(), MDB_WRITABLE);
    if (!mdb) {
        error = QStringLiteral("mdbtools cannot open %1 to write").arg(path);
        return false;
    }
    mdb_read_catalog(mdb, MDB_TABLE);
    QByteArray name(tableName);
    MdbTableDef* table = mdb_read_table_by_name(mdb, name.data(), MDB_TABLE);
    bool ok = table != nullptr;
    if (ok) {
        mdb_read_columns(table);
        mdb_read_indices(table);
    }
    for (size_t r = 0; ok && r < rows.size(); ++r) {
        std::array<MdbField, 256> fields{};
        for (unsigned c = 0; c < table->num_cols; ++c) {
            const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
            const Insert_Value& v = rows[r][c];
            MdbField& f = fields[c];
            f.colnum = static_cast<int>(c);
            f.is_fixed = column->is_fixed;
            f.is_null = v.null;
            f.value = v.null ? nullptr : const_cast<char*>(v.bytes.constData());
            f.siz = v.null ? (column->is_fixed ? column->col_size : 0) : static_cast<int>(v.bytes.size());
        }
        ok = mdb_insert_row(table, static_cast<int>(table->num_cols), fields.data()) == 1;
    }
    if (!ok)
        error = QStringLiteral("mdbtools cannot add the rows to %1").arg(QString::fromLatin1(tableName));
    mdb_free_tabledef(table);
    mdb_close(mdb);
    return ok;
}

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
    file[0x3C] = static_cast<char>(codePage & 0xFF);
    file[0x3D] = static_cast<char>(codePage >> 8);
    cipher();
}

Result_Set table(Database& database, const QString& name) {
    Result_Set result;
    QString error;
    if (!database.Run(name, result, error))
        qWarning() << name << error;
    return result;
}

} // namespace

class Test_Access_Samples final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QDir dir(QStringLiteral(LECTARIUM_ACCESS_SAMPLES));
        jet3_ = dir.filePath(QStringLiteral("testodbc.mdb"));
        jet4_ = dir.filePath(QStringLiteral("Monitor.mdb"));
        if (QFile::exists(jet3_) && QFile::exists(jet4_))
            return;
        QProcess fetch;
        fetch.start(QStringLiteral("sh"), {QStringLiteral(LECTARIUM_FETCH_SAMPLES), dir.path()});
        const bool done = fetch.waitForFinished(300000) && fetch.exitCode() == 0;
        if (!done || !QFile::exists(jet3_) || !QFile::exists(jet4_))
            QSKIP(qPrintable(
                QStringLiteral("the Access files of the Debian packages fp-units-db and mrtg-contrib "
                               "could not be fetched (apt-get download): %1")
                    .arg(QString::fromLocal8Bit(fetch.readAllStandardError()).trimmed())));
    }

    // As they stand: every table, column and row as mdbtools reads them; no lectionary
    // tables, which the start-up check names.
    void asShipped_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("rows");
        QTest::newRow("jet 3") << QStringLiteral("testodbc.mdb") << QStringLiteral("FPdev") << 8;
        QTest::newRow("jet 4") << QStringLiteral("Monitor.mdb") << QStringLiteral("Monitor_Authenticate")
                               << 1;
    }
    void asShipped() {
        QFETCH(QString, file);
        QFETCH(QString, table);
        QFETCH(int, rows);
        const QString path = QDir(QStringLiteral(LECTARIUM_ACCESS_SAMPLES)).filePath(file);
        QString error;
        const auto database = Open_Access_File(path, error);
        QVERIFY2(database, qPrintable(error));
        QCOMPARE(static_cast<int>(::table(*database, table).rows.size()), rows);
        const auto oracle = Read_With_Mdbtools(path, "CP1252", error);
        QVERIFY(oracle.contains(table));
        const QString difference = Compare_With_Mdbtools(*database, oracle);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));

        QString problem;
        QVERIFY(!Check_Database_File(path, problem));
        QVERIFY2(problem.contains(QStringLiteral("table Bible is missing")), qPrintable(problem));
    }

    // Jet 3: rows in code page 1256, the header then naming it; an Arabic text, the
    // complement form of one (codes high and low in the code page), Null and empty.
    void jet3ArabicRows() {
        Temp_Program_Folder folder;
        const QString path = folder.file(QStringLiteral("Lectarium.mdb"));
        QVERIFY(QFile::copy(jet3_, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QString arabic = QStringLiteral("في البدء كان الكلمة، والكلمة كان عند الله");
        const QString scrambled = Flip_Text(arabic);
        QString error;
        QVERIFY2(insertRows(path, "FPdev",
                            {{{le32(100)}, {To_Cp1256(arabic)}, Null},
                             {{le32(101)}, {To_Cp1256(scrambled)}, {QByteArray()}}},
                            error),
                 qPrintable(error));
        QByteArray bytes = folder.read(QStringLiteral("Lectarium.mdb"));
        setHeaderCodePage(bytes, 1256);
        folder.write(QStringLiteral("Lectarium.mdb"), bytes);

        const auto database = Open_Access_File(path, error);
        QVERIFY2(database, qPrintable(error));
        const Result_Set t = table(*database, QStringLiteral("FPdev"));
        QCOMPARE(t.rows.size(), size_t(10));
        QCOMPARE(t.rows[8][0], QVariant(qlonglong(100)));
        QCOMPARE(t.rows[8][1], QVariant(arabic));
        QVERIFY(t.rows[8][2].isNull());
        QCOMPARE(t.rows[9][1], QVariant(scrambled));
        QCOMPARE(Flip_Text(t.rows[9][1].toString()), arabic);
        QVERIFY(!t.rows[9][2].isNull());
        QCOMPARE(t.rows[9][2].toString(), QString());
        QCOMPARE(t.rows[0][1], QVariant(QStringLiteral("Michael Van Canneyt")));
        const QString difference =
            Compare_With_Mdbtools(*database, Read_With_Mdbtools(path, "CP1256", error));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // Jet 4: a row with every column type of the table: Unicode Arabic text, decimals,
    // yes/no values both ways, a date and a Null.
    void jet4ArabicRow() {
        Temp_Program_Folder folder;
        const QString path = folder.file(QStringLiteral("Lectarium.mdb"));
        QVERIFY(QFile::copy(jet4_, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QString comment = QStringLiteral("سنكسار اليوم: نياحة القديس أنبا بولا أول السواح");
        QString error;
        QVERIFY2(insertRows(path, "Monitor_Authenticate",
                            {{{le32(2)},
                              {decimal(-987654321012)},
                              {ucs2(QStringLiteral("كلمة"))},
                              {decimal(2400)},
                              Null,
                              {QByteArray()},
                              Null,
                              {QByteArray()},
                              Null,
                              {QByteArray()},
                              {dateBytes(45000.75)},
                              {ucs2(comment)}}},
                            error),
                 qPrintable(error));
        const auto database = Open_Access_File(path, error);
        QVERIFY2(database, qPrintable(error));
        const Result_Set t = table(*database, QStringLiteral("Monitor_Authenticate"));
        QCOMPARE(t.rows.size(), size_t(2));
        const std::vector<QVariant> expected = {qlonglong(2),
                                                qlonglong(-987654321012),
                                                QStringLiteral("كلمة"),
                                                qlonglong(2400),
                                                QVariant(),
                                                qlonglong(-1),
                                                qlonglong(0),
                                                qlonglong(-1),
                                                qlonglong(0),
                                                qlonglong(-1),
                                                QStringLiteral("2023-03-15 18:00:00"),
                                                comment};
        for (size_t c = 0; c < expected.size(); ++c)
            QCOMPARE(t.rows[1][c], expected[c]);
        const QString difference =
            Compare_With_Mdbtools(*database, Read_With_Mdbtools(path, "CP1252", error));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

private:
    QString jet3_;
    QString jet4_;
};

QTEST_GUILESS_MAIN(Test_Access_Samples)
#include "test_access_samples.moc"
