#include "lectionary/database_file.h"

#include "base/safe_file.h"
#include "lectionary/access_database.h"
#include "lectionary/source_folder.h"
#include "lectionary/sqlite_database.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

namespace MdlLectarium {

namespace {

// The Access file loaded last, while the file on disk is the same.
struct Loaded_File {
    QString path;
    qint64 size = -1;
    QDateTime modified;
    std::shared_ptr<Sqlite_Database> database;
};

Loaded_File& loaded() {
    static Loaded_File file;
    return file;
}

std::shared_ptr<Sqlite_Database> loadAccess(const QString& path, QString& error) {
    const QFileInfo info(path);
    Loaded_File& last = loaded();
    if (last.database && last.path == info.absoluteFilePath() && last.size == info.size() &&
        last.modified == info.lastModified())
        return last.database;
    last = Loaded_File{};
    auto database = Open_Access_File(path, error);
    if (database)
        last = Loaded_File{info.absoluteFilePath(), info.size(), info.lastModified(), database};
    return database;
}

} // namespace

std::shared_ptr<Database> Open_Lectionary_File(const QString& path, QString& error) {
    switch (Database_File_Format(path)) {
    case Database_Format::Missing:
        error = QStringLiteral("%1: no such database file").arg(path);
        return nullptr;
    case Database_Format::Not_Regular:
        error = QStringLiteral("%1: not a regular file (a folder, a named pipe or a device)").arg(path);
        return nullptr;
    case Database_Format::Unreadable:
        error = QStringLiteral("%1: the file cannot be read").arg(path);
        return nullptr;
    case Database_Format::Sqlite:
        return Sqlite_Database::Open_File(path, error);
    case Database_Format::Jet3:
    case Database_Format::Jet4:
        return loadAccess(path, error);
    case Database_Format::Other:
        break;
    }
    error = QStringLiteral("%1: neither an SQLite database nor an Access (Jet 3 or Jet 4) file").arg(path);
    return nullptr;
}

QStringList Missing_Lectionary_Fields(Database& database) {
    QStringList missing;
    for (const Table_Schema& table : Lectionary_Tables()) {
        Result_Set result;
        QString error;
        if (!database.Run(QStringLiteral("SELECT * FROM \"%1\" WHERE 0 = 1").arg(table.name), result,
                          error)) {
            // The English names came after the earlier program's databases, which
            // lack them; the saint search then finds the Arabic names alone.
            if (table.name != QLatin1String("Story_En"))
                missing << QStringLiteral("table %1 is missing").arg(table.name);
            continue;
        }
        for (const Column_Schema& column : table.columns)
            if (!result.fields.contains(column.name, Qt::CaseInsensitive))
                missing << QStringLiteral("table %1 has no field %2").arg(table.name, column.name);
    }
    return missing;
}

bool Check_Database_File(const QString& path, QString& problem) {
    const Database_Format format = Database_File_Format(path);
    QString error;
    std::shared_ptr<Database> database;
    switch (format) {
    case Database_Format::Missing:
        problem = QStringLiteral("الملف غير موجود");
        return false;
    case Database_Format::Not_Regular:
        problem = QStringLiteral("ليس ملفا عاديا، بل هو مجلد أو أنبوب أو جهاز");
        return false;
    case Database_Format::Unreadable:
        problem = QStringLiteral("تعذرت قراءة الملف");
        return false;
    case Database_Format::Other:
        problem = QStringLiteral("الملف ليس قاعدة بيانات يقرؤها البرنامج: ليس ملف SQLite ولا ملف Access");
        return false;
    case Database_Format::Sqlite:
        database = Sqlite_Database::Open_File(path, error);
        if (!database) {
            problem = QStringLiteral("ملف SQLite تالف أو لا يمكن فتحه\n") + error;
            return false;
        }
        break;
    case Database_Format::Jet3:
    case Database_Format::Jet4:
        database = loadAccess(path, error);
        if (!database) {
            problem = QStringLiteral("ملف Access تالف أو ناقص\n") + error;
            return false;
        }
        break;
    }
    const QStringList missing = Missing_Lectionary_Fields(*database);
    if (!missing.isEmpty()) {
        problem = QStringLiteral("لا يحتوي الملف على جداول القراءات التي يقرؤها البرنامج\n") +
                  missing.mid(0, 12).join(QLatin1Char('\n')) +
                  (missing.size() > 12 ? QStringLiteral("\n…") : QString());
        return false;
    }
    return true;
}

bool Convert_Access_File(const QString& accessPath, const QString& sqlitePath, QString& error) {
    const Database_Format format = Database_File_Format(accessPath);
    if (format != Database_Format::Jet3 && format != Database_Format::Jet4) {
        error = format == Database_Format::Sqlite
                    ? QStringLiteral("%1: already an SQLite database").arg(accessPath)
                : format == Database_Format::Not_Regular
                    ? QStringLiteral("%1: not a regular file (a folder, a named pipe or a device)")
                          .arg(accessPath)
                    : QStringLiteral("%1: not an Access (Jet 3 or Jet 4) file").arg(accessPath);
        return false;
    }
    const QFileInfo target(sqlitePath);
    if (Same_File(sqlitePath, accessPath)) {
        error = QStringLiteral("%1: the copy would replace the Access file itself").arg(sqlitePath);
        return false;
    }
    if (!target.absoluteDir().exists()) {
        error = QStringLiteral("%1: the folder does not exist").arg(target.absolutePath());
        return false;
    }
    const auto database = Open_Access_File(accessPath, error);
    if (!database)
        return false;

    // Written under a name of its own beside the target and moved into place once it is
    // whole on the disk.
    Safe_File file(target.absoluteFilePath());
    if (!file.Open()) {
        error = QStringLiteral("%1: %2").arg(sqlitePath, file.Error());
        return false;
    }
    sqlite3* out = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(file.Temporary_Path()).constData(), &out,
                              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK;
    // A fresh file needs no journal: a failed copy is removed as a whole.
    ok = ok && sqlite3_exec(out, "PRAGMA journal_mode=OFF", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_backup* backup = sqlite3_backup_init(out, "main", database->handle(), "main");
        ok = backup && sqlite3_backup_step(backup, -1) == SQLITE_DONE;
        sqlite3_backup_finish(backup);
    }
    if (!ok)
        error = QStringLiteral("%1: %2").arg(sqlitePath, QString::fromUtf8(sqlite3_errmsg(out)));
    sqlite3_close_v2(out);
    if (ok && !file.Commit()) {
        error = QStringLiteral("%1: %2").arg(sqlitePath, file.Error());
        ok = false;
    }
    return ok;
}

} // namespace MdlLectarium
