#pragma once

// The SQLite engine behind the data sources. It works on any sqlite3 handle: a file
// opened read-only, or an in-memory database that another reader has filled.

#include "lectionary/data_source.h"

struct sqlite3;

namespace MdlLectarium {

// Makes a handle answer the program's statements as they are written: INSTR with a
// start position (INSTR (start, text, part)) beside the two-argument INSTR, and Like
// as an exact, case-sensitive comparison (no wildcards, no case folding).
bool Register_Lectarium_Functions(sqlite3* handle);

class Sqlite_Database final : public Database {
public:
    // Takes the handle; it is closed with the object when owned.
    explicit Sqlite_Database(sqlite3* handle, bool owned = true);
    ~Sqlite_Database() override;
    Sqlite_Database(const Sqlite_Database&) = delete;
    Sqlite_Database& operator=(const Sqlite_Database&) = delete;

    // Opens a database file read-only. Null with a reason when the file is missing or
    // is not an SQLite database.
    static std::shared_ptr<Sqlite_Database> Open_File(const QString& path, QString& error);

    // A bare table name reads the whole table; a statement is sent as written. Rows
    // come in the table's stored order: statements without an ordering clause get
    // one by row number.
    bool Run(const QString& recordSource, Result_Set& result, QString& error) override;

    sqlite3* handle() const { return handle_; }

private:
    bool runStatement(const QByteArray& sql, Result_Set& result, QString& error);

    sqlite3* handle_;
    bool owned_;
};

} // namespace MdlLectarium
