// Access (Jet 3 and Jet 4) files, damaged or truncated: Open_Access_Bytes reads every
// table into memory or says why it cannot; what it read answers the data sources.

#include "fuzz/fuzz_support.h"
#include "lectionary/access_database.h"
#include "lectionary/data_source.h"

using namespace MdlLectarium;
using Lectarium_Fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = Lectarium_Fuzz::Input_Bytes(data, size);
    Database_Bytes_Format(bytes.left(32));
    QString error;
    const std::shared_ptr<Sqlite_Database> database = Open_Access_Bytes(bytes, error);
    if (!database) {
        Check(!error.isEmpty(), "a file that cannot be read says why");
        return 0;
    }
    Result_Set tables;
    Check(database->Run(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"), tables, error),
          "the tables read are listed", error);
    for (const auto& row : tables.rows) {
        const QString name = row.at(0).toString();
        Result_Set rows;
        Check(database->Run(QStringLiteral("SELECT * FROM \"%1\"")
                                .arg(QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\""))),
                            rows, error),
              "a table read can be queried", name + QStringLiteral(": ") + error);
        for (const auto& values : rows.rows)
            Check(values.size() == static_cast<size_t>(rows.fields.size()), "every row has every field",
                  name);
    }
    return 0;
}
