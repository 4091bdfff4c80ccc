#include "lectionary/source_folder.h"

#include "base/basic_text.h"
#include "base/safe_file.h"
#include "lectionary/bible_books.h"
#include "lectionary/compound_psalm.h"
#include "lectionary/database_file.h"
#include "lectionary/passage.h"
#include "lectionary/reading_index.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/sqlite_database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <sqlite3.h>

#include <memory>
#include <vector>

namespace MdlLectarium {

int Table_Schema::columnIndex(const QString& column) const {
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name == column)
            return i;
    return -1;
}

namespace {

Column_Schema number(const QString& name) {
    return {name, Column_Type::Number, Scramble::None};
}

Column_Schema text(const QString& name, Scramble scramble) {
    return {name, Column_Type::Text, scramble};
}

// The reading fields "1".."count", all in the shift form.
QList<Column_Schema> readingFields(int count) {
    QList<Column_Schema> fields;
    for (int i = 1; i <= count; ++i)
        fields << text(QString::number(i), Scramble::Shift);
    return fields;
}

QList<Table_Schema> makeTables() {
    const auto C = Scramble::Complement;
    const auto S = Scramble::Shift;
    const QString month = QStringLiteral("Month");
    const QString day = QStringLiteral("Day");
    const QString week = QStringLiteral("Week");
    QList<Table_Schema> tables;
    tables << Table_Schema{
        QStringLiteral("Bible"),
        {{QStringLiteral("Old"), Column_Type::Boolean, Scramble::None},
         number(QStringLiteral("Bible")),
         number(QStringLiteral("Part")),
         number(QStringLiteral("Sign_No")),
         text(QStringLiteral("Sign"), C)},
        {QStringLiteral("Old"), QStringLiteral("Bible"), QStringLiteral("Part"), QStringLiteral("Sign_No")},
        {},
        {}};
    tables << Table_Schema{QStringLiteral("Psalmos"),
                           {text(QStringLiteral("Sign"), C), text(QStringLiteral("Data"), C)},
                           {QStringLiteral("Sign")},
                           {},
                           {}};
    tables << Table_Schema{QStringLiteral("Story"),
                           {number(month), number(day), text(QStringLiteral("Data"), S),
                            text(QStringLiteral("Pic_Name"), S), text(QStringLiteral("Pic_Data"), S)},
                           {month, day},
                           month,
                           day};
    // The English names of the same commemorations, for the saint search; a database
    // of the earlier program has none.
    tables << Table_Schema{QStringLiteral("Story_En"),
                           {number(month), number(day), text(QStringLiteral("Data"), S)},
                           {month, day},
                           month,
                           day};
    tables << Table_Schema{QStringLiteral("Year"),
                           QList<Column_Schema>{number(month), number(day)} + readingFields(9),
                           {month, day},
                           month,
                           day};
    tables << Table_Schema{QStringLiteral("Suns"),
                           QList<Column_Schema>{number(month), number(QStringLiteral("Sun"))} +
                               readingFields(9),
                           {month, QStringLiteral("Sun")},
                           month,
                           QStringLiteral("Sun")};
    tables << Table_Schema{
        QStringLiteral("Jonah"), QList<Column_Schema>{number(day)} + readingFields(10), {day}, {}, day};
    tables << Table_Schema{QStringLiteral("Fast"),
                           QList<Column_Schema>{number(week), number(day)} + readingFields(18),
                           {week, day},
                           week,
                           day};
    tables << Table_Schema{QStringLiteral("Fifty"),
                           QList<Column_Schema>{number(week), number(day)} + readingFields(9),
                           {week, day},
                           week,
                           day};
    tables << Table_Schema{QStringLiteral("Pain"),
                           {number(day), text(QStringLiteral("Description"), S),
                            text(QStringLiteral("Sign"), S), text(QStringLiteral("Data"), S)},
                           {},
                           {},
                           day};
    tables << Table_Schema{QStringLiteral("Ceremony"),
                           {number(QStringLiteral("No")), text(QStringLiteral("Title"), C),
                            text(QStringLiteral("Ceremony_Data"), C)},
                           {},
                           {},
                           {}};
    tables << Table_Schema{QStringLiteral("Tips"),
                           {number(QStringLiteral("No")), text(QStringLiteral("Tip"), S)},
                           {QStringLiteral("No")},
                           {},
                           {}};
    return tables;
}

QString quotedName(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString describeChar(QChar ch) {
    return QStringLiteral("'%1' (U+%2)").arg(ch).arg(ch.unicode(), 4, 16, QLatin1Char('0')).toUpper();
}

// One row as it will be stored: numbers as qlonglong, texts scrambled, Null as a
// null QVariant.
using Stored_Row = std::vector<QVariant>;

struct Table_Data {
    const Table_Schema* schema = nullptr;
    std::vector<Stored_Row> rows;
    // The psalm references of the rows as the passage engine looks them up in Psalmos
    // (without "مز "), in file order; the Bible's verse texts for Bible.txt.
    QStringList psalms;
    QHash<qint64, QString> verses;
};

// Fields holding a psalm reference: the psalm fields of the reading tables, and any
// prophecy or Holy Week reference that names the psalms.
void notePsalm(const Table_Schema& schema, const QString& column, const QString& value, QStringList& psalms) {
    const bool readingTable = schema.name == QLatin1String("Year") || schema.name == QLatin1String("Suns") ||
                              schema.name == QLatin1String("Jonah") || schema.name == QLatin1String("Fast") ||
                              schema.name == QLatin1String("Fifty");
    if (readingTable &&
        (column == QLatin1String("1") || column == QLatin1String("3") || column == QLatin1String("8")))
        psalms << value;
    else if ((readingTable || (schema.name == QLatin1String("Pain") && column == QLatin1String("Sign"))) &&
             value.startsWith(Psalm_Prefix))
        psalms << value.mid(Psalm_Prefix.size());
}

bool storeComplement(const QString& value, QString& stored, QString& reason);

// Adds a Psalmos row for every psalm reference of the reading tables that names more
// verses than one reference of the passage engine can: its Data holds exactly those
// verses from the Bible, laid out as the engine lays out a passage. A row already in
// Psalmos.txt is kept; a reference naming a verse the Bible lacks gets no row (the
// check reports it).
void addCompoundPsalms(std::vector<Table_Data>& tables) {
    Table_Data* psalmos = nullptr;
    const Table_Data* bible = nullptr;
    for (Table_Data& table : tables) {
        if (table.schema->name == QLatin1String("Psalmos"))
            psalmos = &table;
        else if (table.schema->name == QLatin1String("Bible"))
            bible = &table;
    }
    if (!psalmos || !bible || bible->verses.isEmpty())
        return;
    QSet<QString> keys;
    for (const Stored_Row& row : psalmos->rows)
        keys.insert(row[0].toString());
    for (const Table_Data& table : tables)
        for (const QString& text : table.psalms) {
            const QString key = Flip_Text(text);
            if (keys.contains(key))
                continue;
            const QString data = Compound_Psalm_Text(text, bible->verses);
            QString stored;
            QString reason;
            if (data.isEmpty() || !storeComplement(data, stored, reason))
                continue;
            keys.insert(key);
            psalmos->rows.push_back({QVariant(key), QVariant(stored)});
        }
}

// Leaves out the Psalmos rows that hold exactly what the build makes from the database's
// Bible, so that a build from the dumped folder makes them again from the Bible it then
// has. A row written by hand differs and is kept.
void dropMadePsalms(Database& database, Result_Set& psalmos) {
    const QHash<qint64, QString> bible = Psalm_Verses(database);
    if (bible.isEmpty())
        return;
    std::erase_if(psalmos.rows, [&](const std::vector<QVariant>& row) {
        return !row[0].isNull() && !row[1].isNull() &&
               Is_Made_Psalm(Flip_Text(row[0].toString()), Flip_Text(row[1].toString()), bible);
    });
}

// Splits file contents into lines (LF; a CR before it is dropped) and decodes each as
// UTF-8, so that an error can name its line.
bool readLines(const QString& path, QStringList& lines, QString& error) {
    // A named pipe would hang the build and a link to a device never end; the largest
    // table, the Bible, is a few megabytes.
    const QFileInfo info(path);
    if (!info.isFile()) {
        error = QStringLiteral("%1: not a regular file").arg(path);
        return false;
    }
    if (info.size() > Table_File_Limit) {
        error = QStringLiteral("%1: larger than %2 MB, too large for a table of the lectionary")
                    .arg(path)
                    .arg(Table_File_Limit >> 20);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    QByteArray bytes = file.read(Table_File_Limit + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > Table_File_Limit) {
        error = QStringLiteral("%1: cannot be read whole").arg(path);
        return false;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QList<QByteArray> raw = bytes.split('\n');
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QByteArray line = raw[i];
        if (line.endsWith('\r'))
            line.chop(1);
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString decoded = utf8.decode(line);
        if (utf8.hasError()) {
            error = QStringLiteral("%1:%2: not valid UTF-8").arg(path).arg(i + 1);
            return false;
        }
        lines << decoded;
    }
    // The newline that ends the last line does not start another.
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return true;
}

bool storeComplement(const QString& value, QString& stored, QString& reason) {
    for (QChar ch : value) {
        const int code = Cp1256_Code(ch);
        if (code < 0) {
            reason = QStringLiteral("character %1 has no code in code page 1256").arg(describeChar(ch));
            return false;
        }
        if (code == 255) {
            reason = QStringLiteral("character %1 would be stored as code 0").arg(describeChar(ch));
            return false;
        }
    }
    stored = Flip_Text(value);
    return true;
}

bool parseTable(const Table_Schema& schema, const QString& path, Table_Data& data, QString& error) {
    data.schema = &schema;
    QStringList lines;
    if (!readLines(path, lines, error))
        return false;
    QStringList names;
    for (const Column_Schema& column : schema.columns)
        names << column.name;
    const QString header = names.join(QLatin1Char('\t'));
    if (lines.isEmpty() || lines.front() != header) {
        error = QStringLiteral("%1:1: the first line must name the columns, separated by tabs: %2")
                    .arg(path, names.join(QStringLiteral(" <tab> ")));
        return false;
    }
    QList<int> keyColumns;
    for (const QString& key : schema.key)
        keyColumns << schema.columnIndex(key);
    const int firstKey = schema.firstKey.isEmpty() ? -1 : schema.columnIndex(schema.firstKey);
    const int secondKey = schema.secondKey.isEmpty() ? -1 : schema.columnIndex(schema.secondKey);
    QHash<QString, int> seen;

    for (qsizetype l = 1; l < lines.size(); ++l) {
        const QString& line = lines[l];
        const int lineNo = static_cast<int>(l + 1);
        const QString where = QStringLiteral("%1:%2").arg(path).arg(lineNo);
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != schema.columns.size()) {
            error = QStringLiteral("%1: %2 fields, but the table has %3 columns")
                        .arg(where)
                        .arg(fields.size())
                        .arg(schema.columns.size());
            return false;
        }
        Stored_Row row(static_cast<size_t>(fields.size()));
        std::vector<QString> texts(static_cast<size_t>(fields.size()));
        std::vector<bool> nulls(static_cast<size_t>(fields.size()), false);
        for (int c = 0; c < fields.size(); ++c) {
            const Column_Schema& column = schema.columns[c];
            QString value;
            bool isNull = false;
            QString reason;
            if (!Unescape_Field(fields[c], value, isNull, reason)) {
                error = QStringLiteral("%1: column %2: %3").arg(where, column.name, reason);
                return false;
            }
            nulls[static_cast<size_t>(c)] = isNull;
            texts[static_cast<size_t>(c)] = value;
            if (column.type == Column_Type::Text || isNull)
                continue;
            bool ok = false;
            const int n = value.toInt(&ok);
            if (!ok || n < -32768 || n > 32767 || value.trimmed() != value ||
                value.startsWith(QLatin1Char('+'))) {
                error = QStringLiteral("%1: column %2: \"%3\" is not a whole number in -32768..32767")
                            .arg(where, column.name, value);
                return false;
            }
            if (column.type == Column_Type::Boolean && n != -1 && n != 0) {
                error = QStringLiteral("%1: column %2: a yes/no value is -1 or 0, not %3")
                            .arg(where, column.name, value);
                return false;
            }
            row[static_cast<size_t>(c)] = QVariant(static_cast<qlonglong>(n));
        }
        auto keyValue = [&](int column, Integer fallback) {
            return column < 0 ? fallback
                              : static_cast<Integer>(row[static_cast<size_t>(column)].toLongLong());
        };
        for (int c : {firstKey, secondKey})
            if (c >= 0 && nulls[static_cast<size_t>(c)]) {
                error =
                    QStringLiteral("%1: column %2: a key cannot be Null").arg(where, schema.columns[c].name);
                return false;
            }
        if (!keyColumns.isEmpty()) {
            QStringList parts;
            for (int c : keyColumns) {
                if (nulls[static_cast<size_t>(c)]) {
                    error = QStringLiteral("%1: column %2: a key cannot be Null")
                                .arg(where, schema.columns[c].name);
                    return false;
                }
                parts << schema.columns[c].name + QLatin1Char('=') + texts[static_cast<size_t>(c)];
            }
            const QString key = parts.join(QLatin1Char(' '));
            if (seen.contains(key)) {
                error = QStringLiteral("%1: duplicate key %2 (first given on line %3)")
                            .arg(where, key)
                            .arg(seen[key]);
                return false;
            }
            seen.insert(key, lineNo);
        }
        const Integer a = keyValue(firstKey, Fixed_First_Key);
        const Integer b = keyValue(secondKey, static_cast<Integer>(data.rows.size()));
        for (int c = 0; c < fields.size(); ++c) {
            const Column_Schema& column = schema.columns[c];
            if (column.type != Column_Type::Text || nulls[static_cast<size_t>(c)])
                continue;
            const QString& value = texts[static_cast<size_t>(c)];
            QString stored;
            QString reason;
            bool ok = true;
            if (column.scramble == Scramble::Complement) {
                ok = storeComplement(value, stored, reason);
            } else if (column.scramble == Scramble::Shift) {
                qsizetype position = 0;
                ok = Shift_Text(a, b, value, stored, &position, &reason);
                if (!ok)
                    reason = QStringLiteral("character %1 at position %2 %3")
                                 .arg(describeChar(value[position]))
                                 .arg(position + 1)
                                 .arg(reason);
            } else {
                stored = value;
            }
            if (!ok) {
                error = QStringLiteral("%1: column %2: %3").arg(where, column.name, reason);
                return false;
            }
            row[static_cast<size_t>(c)] = QVariant(stored);
            notePsalm(schema, column.name, value, data.psalms);
        }
        if (schema.name == QLatin1String("Bible") && !nulls[4])
            data.verses.insert(Verse_Key(Book_Number(static_cast<Integer>(row[0].toLongLong()),
                                                     static_cast<Integer>(row[1].toLongLong())),
                                         static_cast<int>(row[2].toLongLong()),
                                         static_cast<int>(row[3].toLongLong())),
                               texts[4]);
        data.rows.push_back(std::move(row));
    }
    return true;
}

class Handle final {
public:
    ~Handle() {
        if (db)
            sqlite3_close_v2(db);
    }
    sqlite3* db = nullptr;
};

bool exec(sqlite3* db, const QString& sql, QString& error) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        error = QString::fromUtf8(message ? message : sqlite3_errmsg(db));
        sqlite3_free(message);
        return false;
    }
    return true;
}

bool writeDatabase(const QString& path, const std::vector<Table_Data>& tables, QString& error) {
    Handle handle;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &handle.db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        error = QString::fromUtf8(sqlite3_errmsg(handle.db));
        return false;
    }
    if (!exec(handle.db, QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN"), error))
        return false;
    for (const Table_Data& table : tables) {
        const Table_Schema& schema = *table.schema;
        QStringList columns;
        QStringList marks;
        for (const Column_Schema& column : schema.columns) {
            columns << quotedName(column.name) + (column.type == Column_Type::Text
                                                      ? QStringLiteral(" TEXT")
                                                      : QStringLiteral(" INTEGER"));
            marks << QStringLiteral("?");
        }
        if (!exec(handle.db,
                  QStringLiteral("CREATE TABLE %1 (%2)")
                      .arg(quotedName(schema.name), columns.join(QStringLiteral(", "))),
                  error))
            return false;
        const QByteArray insert = QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                      .arg(quotedName(schema.name), marks.join(QLatin1Char(',')))
                                      .toUtf8();
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(handle.db, insert.constData(), -1, &statement, nullptr) != SQLITE_OK) {
            error = QString::fromUtf8(sqlite3_errmsg(handle.db));
            return false;
        }
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(statement, sqlite3_finalize);
        for (const Stored_Row& row : table.rows) {
            sqlite3_reset(statement);
            for (size_t c = 0; c < row.size(); ++c) {
                const int index = static_cast<int>(c + 1);
                const QVariant& value = row[c];
                if (value.isNull()) {
                    sqlite3_bind_null(statement, index);
                } else if (value.typeId() == QMetaType::QString) {
                    const QByteArray utf8 = value.toString().toUtf8();
                    sqlite3_bind_text(statement, index, utf8.constData(), static_cast<int>(utf8.size()),
                                      SQLITE_TRANSIENT);
                } else {
                    sqlite3_bind_int64(statement, index, value.toLongLong());
                }
            }
            if (sqlite3_step(statement) != SQLITE_DONE) {
                error = QString::fromUtf8(sqlite3_errmsg(handle.db));
                return false;
            }
        }
    }
    // The passage and chapter statements look verses up by book, chapter and verse.
    return exec(handle.db,
                QStringLiteral("CREATE INDEX Bible_Verse ON Bible (Old, Bible, Part, Sign_No); COMMIT"),
                error);
}

} // namespace

const QList<Table_Schema>& Lectionary_Tables() {
    static const QList<Table_Schema> tables = makeTables();
    return tables;
}

const Table_Schema* Find_Table(const QString& name) {
    for (const Table_Schema& table : Lectionary_Tables())
        if (table.name == name)
            return &table;
    return nullptr;
}

QString Escape_Field(const QString& value, bool isNull) {
    if (isNull)
        return QStringLiteral("\\N");
    QString out;
    out.reserve(value.size());
    for (QChar ch : value) {
        switch (ch.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += ch;
        }
    }
    return out;
}

bool Unescape_Field(const QString& field, QString& value, bool& isNull, QString& reason) {
    value.clear();
    isNull = false;
    if (field == QLatin1String("\\N")) {
        isNull = true;
        return true;
    }
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar ch = field[i];
        if (ch == QLatin1Char('\r')) {
            reason = QStringLiteral("a carriage return inside a line; write \\r");
            return false;
        }
        if (ch != QLatin1Char('\\')) {
            value += ch;
            continue;
        }
        if (i + 1 >= field.size()) {
            reason = QStringLiteral("a backslash at the end of the field; write \\\\ for a backslash");
            return false;
        }
        const QChar next = field[++i];
        switch (next.unicode()) {
        case '\\':
            value += QLatin1Char('\\');
            break;
        case 't':
            value += QLatin1Char('\t');
            break;
        case 'n':
            value += QLatin1Char('\n');
            break;
        case 'r':
            value += QLatin1Char('\r');
            break;
        default:
            reason = QStringLiteral("unknown escape \\%1 (known: \\\\ \\t \\n \\r, and \\N alone for Null)")
                         .arg(next);
            return false;
        }
    }
    return true;
}

bool Build_Database(const QString& sourceFolder, const QString& outPath, QString& error) {
    const QDir folder(sourceFolder);
    if (!folder.exists()) {
        error = QStringLiteral("%1: no such folder").arg(sourceFolder);
        return false;
    }
    for (const QString& name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        if (!Find_Table(name.chopped(4))) {
            QStringList known;
            for (const Table_Schema& table : Lectionary_Tables())
                known << table.fileName();
            error = QStringLiteral("%1: not a table of the lectionary (the tables are %2)")
                        .arg(folder.filePath(name), known.join(QStringLiteral(", ")));
            return false;
        }
    }
    // The database must not take the place of a table file it is built from, however
    // the two are named.
    for (const Table_Schema& schema : Lectionary_Tables()) {
        const QString table = folder.filePath(schema.fileName());
        if (Same_File(outPath, table)) {
            error = QStringLiteral("%1: is the table file %2 that the build reads; it is not written over")
                        .arg(outPath, table);
            return false;
        }
    }
    std::vector<Table_Data> tables;
    for (const Table_Schema& schema : Lectionary_Tables()) {
        Table_Data data;
        data.schema = &schema;
        const QString path = folder.filePath(schema.fileName());
        if (QFileInfo::exists(path) && !parseTable(schema, path, data, error))
            return false;
        tables.push_back(std::move(data));
    }
    addCompoundPsalms(tables);

    const QFileInfo out(outPath);
    if (!out.absoluteDir().exists()) {
        error = QStringLiteral("%1: the folder does not exist").arg(out.absolutePath());
        return false;
    }
    // Written under a name of its own beside OUT, so that neither a user's file nor a
    // second build is touched, and moved into place once it is whole on the disk. The
    // index of where each passage is read is derived from the reading tables.
    Safe_File file(out.absoluteFilePath());
    QString reason;
    const bool written = file.Open() && writeDatabase(file.Temporary_Path(), tables, reason) &&
                         Write_Reading_Index(file.Temporary_Path(), reason) && file.Commit();
    if (!written) {
        error = QStringLiteral("%1: %2").arg(outPath, reason.isEmpty() ? file.Error() : reason);
        return false;
    }
    return true;
}

bool Dump_Database(const QString& databasePath, const QString& outFolder, QString& error) {
    const auto database = Open_Lectionary_File(databasePath, error);
    if (!database)
        return false;
    if (!QDir().mkpath(outFolder)) {
        error = QStringLiteral("%1: cannot make the folder").arg(outFolder);
        return false;
    }
    for (const Table_Schema& schema : Lectionary_Tables()) {
        const QString target = QDir(outFolder).filePath(schema.fileName());
        if (Same_File(target, databasePath)) {
            error = QStringLiteral("%1: is the database %2 that the dump reads; it is not written over")
                        .arg(target, databasePath);
            return false;
        }
    }
    // The folder's table files are replaced as a set, once every one is written whole,
    // and the file of a table that now has no rows goes (a rebuild would bring its old
    // rows back).
    QList<Set_File> files;
    for (const Table_Schema& schema : Lectionary_Tables()) {
        Result_Set exists;
        if (!database->Run(
                QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = '%1'")
                    .arg(schema.name),
                exists, error))
            return false;
        if (exists.rows.empty()) {
            files.append({schema.fileName(), {}, true});
            continue;
        }
        QStringList names;
        QStringList columns;
        for (const Column_Schema& column : schema.columns) {
            names << column.name;
            columns << quotedName(column.name);
        }
        Result_Set rows;
        if (!database->Run(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                               .arg(columns.join(QStringLiteral(", ")), quotedName(schema.name)),
                           rows, error)) {
            error = QStringLiteral("%1: table %2: %3").arg(databasePath, schema.name, error);
            return false;
        }
        if (schema.name == QLatin1String("Psalmos"))
            dropMadePsalms(*database, rows);
        if (rows.rows.empty()) {
            files.append({schema.fileName(), {}, true});
            continue;
        }
        const int firstKey = schema.firstKey.isEmpty() ? -1 : schema.columnIndex(schema.firstKey);
        const int secondKey = schema.secondKey.isEmpty() ? -1 : schema.columnIndex(schema.secondKey);
        QString content = names.join(QLatin1Char('\t')) + QLatin1Char('\n');
        for (size_t r = 0; r < rows.rows.size(); ++r) {
            const auto& row = rows.rows[r];
            auto keyValue = [&](int column, Integer fallback) {
                return column < 0 ? fallback
                                  : static_cast<Integer>(row[static_cast<size_t>(column)].toLongLong());
            };
            const Integer a = keyValue(firstKey, Fixed_First_Key);
            const Integer b = keyValue(secondKey, static_cast<Integer>(r));
            QStringList fields;
            for (int c = 0; c < schema.columns.size(); ++c) {
                const QVariant& value = row[static_cast<size_t>(c)];
                if (value.isNull()) {
                    fields << Escape_Field(QString(), true);
                    continue;
                }
                QString shown = value.toString();
                if (schema.columns[c].scramble == Scramble::Complement)
                    shown = Flip_Text(shown);
                else if (schema.columns[c].scramble == Scramble::Shift)
                    Unshift_Text(a, b, shown);
                fields << Escape_Field(shown, false);
            }
            content += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
        files.append({schema.fileName(), content.toUtf8(), false});
    }
    return Replace_File_Set(outFolder, files, error);
}

} // namespace MdlLectarium
