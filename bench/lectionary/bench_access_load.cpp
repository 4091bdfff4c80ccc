// How fast an Access lectionary file is read into memory. The tables of a database
// (the demonstration database by default, with its whole Bible) are written as a Jet 3
// and a Jet 4 file by the tests' Jet writer, then each file is loaded again and again:
//   bench_access_load [DATABASE] [REPEATS] [JET4_COPY]   (an empty argument keeps the default)
// It prints the size of each file, the rows loaded and the rows per second, and the
// same for a file holding the Bible table alone. JET4_COPY, when given, receives the
// Jet 4 file of all tables, to try the program on an Access file.

#include "lectionary/access_database.h"
#include "lectionary/source_folder.h"
#include "lectionary/sqlite_database.h"
#include "tests/lectionary/jet_writer.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace MdlLectarium;
namespace W = Jet_Writer;

namespace {

// The lectionary tables as an Access file would hold them: Old as yes/no, numbers as
// Integer, the long texts (and any column with a text over 255 characters) as Memo.
std::vector<W::Table> accessTables(Database& source, bool bibleOnly) {
    const QStringList memo = {QStringLiteral("Data"), QStringLiteral("Ceremony_Data"),
                              QStringLiteral("Pic_Data"), QStringLiteral("Tip")};
    std::vector<W::Table> tables;
    for (const Table_Schema& schema : Lectionary_Tables()) {
        if (bibleOnly && schema.name != QLatin1String("Bible"))
            continue;
        Result_Set rows;
        QString error;
        if (!source.Run(schema.name, rows, error))
            std::fprintf(stderr, "%s: %s\n", qPrintable(schema.name), qPrintable(error));
        W::Table t;
        t.name = schema.name;
        for (int c = 0; c < schema.columns.size(); ++c) {
            const Column_Schema& column = schema.columns[c];
            // A Text field holds at most 255 characters; longer texts need a Memo.
            bool longText = memo.contains(column.name);
            for (const auto& row : rows.rows)
                longText = longText || row[static_cast<size_t>(c)].toString().size() > 255;
            t.columns.push_back({column.name, column.type == Column_Type::Boolean  ? W::Bool
                                              : column.type == Column_Type::Number ? W::Int
                                              : longText                           ? W::Memo
                                                                                   : W::Text});
        }
        t.rows = std::move(rows.rows);
        tables.push_back(std::move(t));
    }
    return tables;
}

qint64 rowCount(const std::vector<W::Table>& tables) {
    qint64 n = 0;
    for (const W::Table& t : tables)
        n += static_cast<qint64>(t.rows.size());
    return n;
}

void measure(const char* what, const std::vector<W::Table>& tables, W::Version version, int repeats) {
    W::Options options;
    options.version = version;
    options.compressText = true;
    QString error;
    const QByteArray file = W::Write(tables, options, &error);
    if (file.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", what, qPrintable(error));
        return;
    }
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        const auto database = Open_Access_Bytes(file, error);
        ms.push_back(timer.nsecsElapsed() / 1e6);
        if (!database) {
            std::fprintf(stderr, "%s: %s\n", what, qPrintable(error));
            return;
        }
    }
    std::sort(ms.begin(), ms.end());
    const qint64 rows = rowCount(tables);
    std::printf("%-22s %6.1f MB  %7lld rows  best %8.1f ms  median %8.1f ms  %9.0f rows/s\n", what,
                file.size() / 1048576.0, static_cast<long long>(rows), ms.front(), ms[ms.size() / 2],
                rows / (ms[ms.size() / 2] / 1000.0));
}

} // namespace

int main(int argc, char* argv[]) {
    const QString given = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString path = given.isEmpty() ? QStringLiteral(LECTARIUM_DEMO_DATABASE) : given;
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    QString error;
    const auto source = Sqlite_Database::Open_File(path, error);
    if (!source) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    const auto all = accessTables(*source, false);
    const auto bible = accessTables(*source, true);
    if (argc > 3) {
        W::Options options;
        options.compressText = true;
        QFile copy(QString::fromLocal8Bit(argv[3]));
        if (!copy.open(QIODevice::WriteOnly) || copy.write(W::Write(all, options, &error)) < 0) {
            std::fprintf(stderr, "%s: %s %s\n", argv[3], qPrintable(copy.errorString()), qPrintable(error));
            return 2;
        }
    }
    measure("Jet 3, all tables", all, W::Version::Jet3, repeats);
    measure("Jet 4, all tables", all, W::Version::Jet4, repeats);
    measure("Jet 3, Bible alone", bible, W::Version::Jet3, repeats);
    measure("Jet 4, Bible alone", bible, W::Version::Jet4, repeats);
    return 0;
}
