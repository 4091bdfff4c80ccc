#include "lectionary/reading_index.h"

#include "lectionary/access_database.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/database_file.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/sqlite_database.h"

#include <QFile>

#include <sqlite3.h>

#include <algorithm>
#include <memory>

namespace MdlLectarium {

const QString Reading_Index_Table = QStringLiteral("Reading_Index");

namespace {

// Past the last verse of any chapter: "to the end of the chapter".
constexpr Integer chapterEnd = 999;

struct Reading_Table {
    const char* name;
    const char* key1; // empty: one key
    const char* key2;
    int fields; // "1".."fields"; 0 for Holy Week's Sign
};

const Reading_Table readingTables[] = {{"Year", "Month", "Day", 9}, {"Suns", "Month", "Sun", 9},
                                       {"Jonah", "", "Day", 10},    {"Fast", "Week", "Day", 18},
                                       {"Fifty", "Week", "Day", 9}, {"Pain", "", "Day", 0}};

bool exec(sqlite3* db, const char* sql, QString& error) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    error = QString::fromUtf8(message ? message : sqlite3_errmsg(db));
    sqlite3_free(message);
    return false;
}

QString shifted(const Result_Set& rows, const std::vector<QVariant>& row, const QString& field, Integer k1,
                Integer k2) {
    const qsizetype column = rows.fields.indexOf(field);
    if (column < 0 || row[static_cast<size_t>(column)].isNull())
        return QString();
    QString text = row[static_cast<size_t>(column)].toString();
    Unshift_Text(k1, k2, text);
    return text;
}

Integer number(const Result_Set& rows, const std::vector<QVariant>& row, const char* field) {
    const qsizetype column = rows.fields.indexOf(QLatin1String(field));
    return column < 0 ? 0 : static_cast<Integer>(row[static_cast<size_t>(column)].toLongLong());
}

std::vector<Verse_Span> coveredByPart(const QString& reference) {
    const Reference_Parts p = Parse_Reference(reference);
    const Integer book = Find_Book(p.book);
    if (book == 0 || p.chapter <= 0)
        return {};
    if (p.verse <= 0)
        return {{book, p.chapter, 1, chapterEnd}};
    switch (p.kind) {
    case 0:
        return {{book, p.chapter, p.verse, p.verse}};
    case 1:
        return {{book, p.chapter, p.verse, p.verse}, {book, p.chapter, p.second, p.second}};
    case 2:
        return {{book, p.chapter, p.verse, p.verse}, {book, p.second, p.third, p.third}};
    case 3:
        return {{book, p.chapter, p.verse, std::max(p.verse, p.second)}};
    case 4: {
        std::vector<Verse_Span> spans{{book, p.chapter, p.verse, chapterEnd}};
        for (Integer c = p.chapter + 1; c < p.second && c - p.chapter < 200; ++c)
            spans.push_back({book, c, 1, chapterEnd});
        if (p.second > p.chapter)
            spans.push_back({book, p.second, 1, p.third});
        return spans;
    }
    default:
        return {{book, p.chapter, p.verse, p.verse},
                {book, p.chapter, p.second, p.second},
                {book, p.chapter, p.third, p.third}};
    }
}

} // namespace

std::vector<Verse_Span> Covered_Verses(const QString& reference) {
    const QStringList parts = Split_Reference(reference);
    if (parts.size() == 1)
        return coveredByPart(reference);
    std::vector<Verse_Span> spans;
    for (const QString& part : parts) {
        const std::vector<Verse_Span> more = coveredByPart(part);
        spans.insert(spans.end(), more.begin(), more.end());
    }
    return spans;
}

namespace {

// Writes the index table into the database behind db, in one transaction.
bool indexReadings(sqlite3* db, Database* database, QString& error) {
    // The references are resolved against the book table, which a build may run without.
    if (Bible_Books[1].Book_Name.isEmpty())
        Init_Bible_Tables();
    if (!exec(
            db,
            "BEGIN; DROP TABLE IF EXISTS Reading_Index; CREATE TABLE Reading_Index (Tbl TEXT, Key1 INTEGER, "
            "Key2 INTEGER, Field TEXT, Hour TEXT, Reference TEXT, Book INTEGER, Chapter INTEGER, "
            "First INTEGER, Last INTEGER)",
            error))
        return false;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "INSERT INTO Reading_Index VALUES (?,?,?,?,?,?,?,?,?,?)", -1, &raw, nullptr) !=
        SQLITE_OK) {
        error = QString::fromUtf8(sqlite3_errmsg(db));
        return false;
    }
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> insert(raw, sqlite3_finalize);
    auto text = [&](int index, const QString& value) {
        const QByteArray utf8 = value.toUtf8();
        sqlite3_bind_text(raw, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    };
    auto add = [&](const Index_Entry& entry) {
        for (const Verse_Span& span : Covered_Verses(entry.reference)) {
            sqlite3_reset(raw);
            text(1, entry.table);
            sqlite3_bind_int64(raw, 2, entry.key1);
            sqlite3_bind_int64(raw, 3, entry.key2);
            text(4, entry.field);
            text(5, entry.hour);
            text(6, entry.reference);
            sqlite3_bind_int64(raw, 7, span.book);
            sqlite3_bind_int64(raw, 8, span.chapter);
            sqlite3_bind_int64(raw, 9, span.first);
            sqlite3_bind_int64(raw, 10, span.last);
            if (sqlite3_step(raw) != SQLITE_DONE) {
                error = QString::fromUtf8(sqlite3_errmsg(db));
                return false;
            }
        }
        return true;
    };

    for (const Reading_Table& table : readingTables) {
        Result_Set rows;
        QString missing;
        // A table the source folder did not give has no rows to index.
        if (!database->Run(QLatin1String(table.name), rows, missing))
            continue;
        for (const std::vector<QVariant>& row : rows.rows) {
            Index_Entry entry;
            entry.table = QLatin1String(table.name);
            entry.key1 = *table.key1 ? number(rows, row, table.key1) : 0;
            entry.key2 = number(rows, row, table.key2);
            const Integer k1 = *table.key1 ? entry.key1 : Fixed_First_Key;
            if (table.fields == 0) {
                entry.field = QStringLiteral("Sign");
                entry.hour = shifted(rows, row, QStringLiteral("Description"), k1, entry.key2);
                entry.reference = shifted(rows, row, QStringLiteral("Sign"), k1, entry.key2).trimmed();
                if (!add(entry))
                    return false;
                continue;
            }
            for (int field = 1; field <= table.fields; ++field) {
                entry.field = QString::number(field);
                const QString stored = shifted(rows, row, entry.field, k1, entry.key2).trimmed();
                if (stored.isEmpty())
                    continue;
                entry.reference = Reading_Prefix(field) + stored;
                if (!add(entry))
                    return false;
            }
        }
    }
    return exec(db, "CREATE INDEX Reading_Index_Verse ON Reading_Index (Book, Chapter); COMMIT", error);
}

} // namespace

bool Write_Reading_Index(const QString& path, QString& error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        error = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return false;
    }
    const auto database = std::make_unique<Sqlite_Database>(db); // closes the handle
    return indexReadings(db, database.get(), error);
}

bool Where_Read(const QString& path, const std::vector<Verse_Span>& spans, std::vector<Index_Entry>& out,
                QString& error) {
    const auto database = Open_Lectionary_File(path, error);
    if (!database)
        return false;
    // The Access file of the earlier program has no index: its copy in memory gets one,
    // once while it stays loaded. The file itself is never written.
    const Database_Format format = Database_File_Format(path);
    Result_Set probe;
    QString none;
    if ((format == Database_Format::Jet3 || format == Database_Format::Jet4) &&
        !database->Run(QStringLiteral("SELECT 1 FROM Reading_Index WHERE 0 = 1"), probe, none)) {
        auto* memory = dynamic_cast<Sqlite_Database*>(database.get());
        if (!memory || !indexReadings(memory->handle(), memory, error)) {
            if (memory)
                sqlite3_exec(memory->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
            error = QStringLiteral("%1: the readings cannot be indexed: %2").arg(path, error);
            return false;
        }
    }
    out.clear();
    std::vector<QString> seen;
    for (const Verse_Span& span : spans) {
        Result_Set rows;
        const QString statement =
            QStringLiteral(
                "SELECT DISTINCT Tbl, Key1, Key2, Field, Hour, Reference FROM Reading_Index WHERE Book = "
                "%1 AND Chapter = %2 AND First <= %3 AND Last >= %4 ORDER BY rowid")
                .arg(span.book)
                .arg(span.chapter)
                .arg(span.last)
                .arg(span.first);
        if (!database->Run(statement, rows, error)) {
            error =
                QStringLiteral("no index of the readings (build the database with lectarium-db build): ") +
                error;
            return false;
        }
        for (const std::vector<QVariant>& row : rows.rows) {
            Index_Entry entry{row[0].toString(),
                              static_cast<Integer>(row[1].toLongLong()),
                              static_cast<Integer>(row[2].toLongLong()),
                              row[3].toString(),
                              row[4].toString(),
                              row[5].toString()};
            const QString id = entry.table + QLatin1Char('|') + QString::number(entry.key1) +
                               QLatin1Char('|') + QString::number(entry.key2) + QLatin1Char('|') +
                               entry.field + QLatin1Char('|') + entry.hour + QLatin1Char('|') +
                               entry.reference;
            if (std::find(seen.begin(), seen.end(), id) != seen.end())
                continue;
            seen.push_back(id);
            out.push_back(entry);
        }
    }
    return true;
}

} // namespace MdlLectarium
