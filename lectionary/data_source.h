#pragma once

// Named data sources: a database name, a record source (a bare table name or a SELECT
// statement), refresh, and a current result set walked with moveFirst / moveNext /
// moveLast and read by field name. The engine behind a database name is chosen by the
// opener, so another file format can stand behind the same data sources.

#include "base/integer.h"
#include "base/program_files.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

namespace MdlLectarium {

// The rows of one record source, in the table's stored order. A Null value is a null
// QVariant; text is a QString (empty text stays an empty, non-null QString); numbers
// are qlonglong.
struct Result_Set {
    QStringList fields;
    std::vector<std::vector<QVariant>> rows;
};

// A database engine: answers the program's record sources literally.
class Database {
public:
    virtual ~Database();
    // Runs a record source; false with a reason when it cannot be answered.
    virtual bool Run(const QString& recordSource, Result_Set& result, QString& error) = 0;
};

using Database_Opener = std::function<std::shared_ptr<Database>(const QString& path, QString& error)>;

// The connection for a database name. Data sources naming the same file share one
// connection while any of them holds it. Null with a reason when it cannot be opened.
std::shared_ptr<Database> Open_Database(const QString& path, QString& error);
// Replaces the way files are opened (an empty opener restores the SQLite one). Open
// connections are kept.
void Set_Database_Opener(Database_Opener opener);

class Data_Source final {
public:
    explicit Data_Source(QString name = QString());

    QString name() const { return name_; }

    // Setting another database name closes the current result set and the connection.
    QString databaseName() const { return databaseName_; }
    void setDatabaseName(const QString& path);
    // An engine given directly (tools, tests); the database name is then not used.
    void setDatabase(std::shared_ptr<Database> database);

    // The connection of the last refresh (or the engine given), null before one.
    std::shared_ptr<Database> connection() const { return database_; }

    QString recordSource() const { return recordSource_; }
    void setRecordSource(const QString& source) { recordSource_ = source; }

    // Runs the record source; the result set replaces the previous one and the current
    // row is the first. On failure the result set is empty (EOF) and lastError() says
    // why; nothing is shown.
    bool refresh();
    QString lastError() const { return lastError_; }

    bool isOpen() const { return open_; }
    bool eof() const;
    int recordCount() const;
    void moveFirst();
    void moveNext(); // past the last row gives EOF; at EOF it stays there
    void moveLast();
    void close();

    // 0-based number of the current row (-1 at EOF or without rows), and the position
    // as a whole percentage 0..100 of the row count.
    int absolutePosition() const;
    int percentPosition() const;

    QStringList fieldNames() const { return rows_.fields; }
    // True when there is a current row and it has the field (names compare without
    // regard to case). Reading a field that cannot be read is the failure that the
    // skip-and-continue handlers skip.
    bool canRead(const QString& field) const;
    // The value: Null is a null QVariant, distinct from an empty text. A field that
    // cannot be read also gives a null QVariant; tell them apart with canRead.
    QVariant field(const QString& field) const;
    bool isNull(const QString& field) const;
    // Conveniences: Null and unreadable fields give empty text and 0.
    QString text(const QString& field) const;
    Integer number(const QString& field) const;

private:
    int fieldIndex(const QString& field) const;
    bool connect();

    QString name_;
    QString databaseName_;
    QString recordSource_;
    QString lastError_;
    std::shared_ptr<Database> database_;
    bool givenDatabase_ = false;
    Result_Set rows_;
    int current_ = 0;
    bool open_ = false;
};

// The main window's two connections: Data_Bible for passages and chapters,
// Data_Bible_Search for the Bible search. The main window sets their database name to
// Database_Path at start-up.
Data_Source& Data_Bible();
Data_Source& Data_Bible_Search();

} // namespace MdlLectarium
