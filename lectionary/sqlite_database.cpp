#include "lectionary/sqlite_database.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>

#include <cstring>
#include <string_view>

namespace MdlLectarium {

namespace {

// Byte offset of the character with the given 0-based index in UTF-8 text, or -1
// when the text is shorter.
qint64 utf8Offset(std::string_view text, qint64 index) {
    qint64 offset = 0;
    const qint64 size = static_cast<qint64>(text.size());
    while (index > 0) {
        if (offset >= size)
            return -1;
        ++offset;
        while (offset < size &&
               (static_cast<unsigned char>(text[static_cast<size_t>(offset)]) & 0xC0) == 0x80)
            ++offset;
        --index;
    }
    return offset;
}

qint64 utf8Length(std::string_view text) {
    qint64 n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

std::string_view textArgument(sqlite3_value* value) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    const int size = sqlite3_value_bytes(value);
    return bytes ? std::string_view(bytes, static_cast<size_t>(size)) : std::string_view();
}

// INSTR (start, text, part): 1-based character position of part in text at or after
// start, 0 when absent, Null when an argument is Null.
void instrWithStart(sqlite3_context* context, int, sqlite3_value** argv) {
    for (int i = 0; i < 3; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
    sqlite3_int64 start = sqlite3_value_int64(argv[0]);
    if (start < 1)
        start = 1;
    const std::string_view text = textArgument(argv[1]);
    const std::string_view part = textArgument(argv[2]);
    const qint64 from = utf8Offset(text, start - 1);
    if (from < 0) {
        sqlite3_result_int64(context, 0);
        return;
    }
    const size_t found = text.find(part, static_cast<size_t>(from));
    if (found == std::string_view::npos) {
        sqlite3_result_int64(context, 0);
        return;
    }
    const qint64 skipped =
        utf8Length(text.substr(static_cast<size_t>(from), found - static_cast<size_t>(from)));
    sqlite3_result_int64(context, start + skipped);
}

// X Like Y arrives as like(Y, X): an exact comparison of the two texts.
void exactLike(sqlite3_context* context, int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc && i < 2; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
    const std::string_view pattern = textArgument(argv[0]);
    const std::string_view text = textArgument(argv[1]);
    sqlite3_result_int(context, pattern == text ? 1 : 0);
}

const QRegularExpression& bareName() {
    static const QRegularExpression re(QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*$"));
    return re;
}

const QRegularExpression& orderClause() {
    static const QRegularExpression re(QStringLiteral("\\border\\s+by\\b"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

} // namespace

bool Register_Lectarium_Functions(sqlite3* handle) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    return sqlite3_create_function(handle, "instr", 3, flags, nullptr, instrWithStart, nullptr, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_function(handle, "like", 2, flags, nullptr, exactLike, nullptr, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_function(handle, "like", 3, flags, nullptr, exactLike, nullptr, nullptr) ==
               SQLITE_OK;
}

Sqlite_Database::Sqlite_Database(sqlite3* handle, bool owned) : handle_(handle), owned_(owned) {
    Register_Lectarium_Functions(handle_);
}

Sqlite_Database::~Sqlite_Database() {
    if (owned_)
        sqlite3_close_v2(handle_);
}

std::shared_ptr<Sqlite_Database> Sqlite_Database::Open_File(const QString& path, QString& error) {
    if (!QFileInfo(path).isFile()) {
        error = QStringLiteral("%1: no such database file").arg(path);
        return nullptr;
    }
    sqlite3* handle = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK) {
        error = QStringLiteral("%1: %2").arg(path, QString::fromUtf8(sqlite3_errmsg(handle)));
        sqlite3_close_v2(handle);
        return nullptr;
    }
    auto database = std::make_shared<Sqlite_Database>(handle);
    // Reading the schema is what tells an SQLite file from any other file.
    Result_Set probe;
    QString probeError;
    if (!database->runStatement("SELECT count(*) FROM sqlite_master", probe, probeError)) {
        error = QStringLiteral("%1: %2").arg(path, probeError);
        return nullptr;
    }
    return database;
}

bool Sqlite_Database::Run(const QString& recordSource, Result_Set& result, QString& error) {
    const QRegularExpressionMatch table = bareName().match(recordSource);
    if (table.hasMatch()) {
        const QString sql = QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table.captured(1));
        return runStatement(sql.toUtf8(), result, error);
    }
    // Rows in stored order: the row number decides. If the statement cannot take the
    // clause (it is not a plain SELECT), it is sent as written.
    if (recordSource.trimmed().startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive) &&
        !orderClause().match(recordSource).hasMatch()) {
        QString ordered;
        if (runStatement((recordSource + QStringLiteral(" ORDER BY rowid")).toUtf8(), result, ordered))
            return true;
    }
    return runStatement(recordSource.toUtf8(), result, error);
}

bool Sqlite_Database::runStatement(const QByteArray& sql, Result_Set& result, QString& error) {
    result = Result_Set{};
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    int rc = sqlite3_prepare_v2(handle_, sql.constData(), static_cast<int>(sql.size()), &statement, &tail);
    if (rc != SQLITE_OK || !statement) {
        error = QString::fromUtf8(sqlite3_errmsg(handle_));
        if (!statement && rc == SQLITE_OK)
            error = QStringLiteral("empty statement");
        sqlite3_finalize(statement);
        return false;
    }
    // One statement only: anything after it is refused rather than ignored.
    if (tail && std::strspn(tail, " \t\r\n;") != std::strlen(tail)) {
        error = QStringLiteral("more than one statement");
        sqlite3_finalize(statement);
        return false;
    }
    const int columns = sqlite3_column_count(statement);
    for (int c = 0; c < columns; ++c)
        result.fields << QString::fromUtf8(sqlite3_column_name(statement, c));
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        std::vector<QVariant> row;
        row.reserve(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(statement, c)) {
            case SQLITE_INTEGER:
                row.emplace_back(static_cast<qlonglong>(sqlite3_column_int64(statement, c)));
                break;
            case SQLITE_FLOAT:
                row.emplace_back(sqlite3_column_double(statement, c));
                break;
            case SQLITE_TEXT: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
                row.emplace_back(QString::fromUtf8(text, sqlite3_column_bytes(statement, c)));
                break;
            }
            case SQLITE_BLOB: {
                const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, c));
                row.emplace_back(QByteArray(bytes, sqlite3_column_bytes(statement, c)));
                break;
            }
            default:
                row.emplace_back();
                break;
            }
        }
        result.rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        error = QString::fromUtf8(sqlite3_errmsg(handle_));
        sqlite3_finalize(statement);
        result = Result_Set{};
        return false;
    }
    sqlite3_finalize(statement);
    return true;
}

} // namespace MdlLectarium
