#include "tests/bible/search_fixture.h"

#include "lectionary/bible_books.h"
#include "lectionary/scrambled_text.h"

#include <QFile>
#include <QTemporaryDir>

#include "tests/support/temp_folder.h"

#include <sqlite3.h>

QString Write_Search_Fixture(const QString& path, const QList<Search_Row>& rows) {
    // Every table the program reads, so that the start-up check passes; rows go into Bible.
    if (const QString error = Write_Empty_Lectionary(path); !error.isEmpty())
        return error;
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return QStringLiteral("cannot create ") + path;
    }
    QString error;
    char* message = nullptr;
    if (sqlite3_exec(db, "BEGIN;", nullptr, nullptr, &message) != SQLITE_OK)
        error = QString::fromUtf8(message);
    sqlite3_free(message);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Bible (Old, Bible, Part, Sign_No, Sign) VALUES (?, ?, ?, ?, ?)", -1,
                       &insert, nullptr);
    for (const Search_Row& row : rows) {
        if (!error.isEmpty())
            break;
        const QByteArray text = MdlLectarium::Flip_Text(row.text).toUtf8();
        sqlite3_bind_int(insert, 1, MdlLectarium::Book_Old(static_cast<qint16>(row.book)));
        sqlite3_bind_int(insert, 2, MdlLectarium::Book_Bible(static_cast<qint16>(row.book)));
        sqlite3_bind_int(insert, 3, row.chapter);
        sqlite3_bind_int(insert, 4, row.verse);
        sqlite3_bind_text(insert, 5, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(insert) != SQLITE_DONE)
            error = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return error;
}

QByteArray Search_Fixture_Bytes(const QList<Search_Row>& rows) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fixture.mdb"));
    const QString error = Write_Search_Fixture(path, rows);
    if (!error.isEmpty())
        qFatal("search fixture: %s", qPrintable(error));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("search fixture: cannot read %s", qPrintable(path));
    return file.readAll();
}

QString Padded_Text(const QString& word, int length) {
    QString text = word;
    while (text.size() < length)
        text += QLatin1Char('.');
    text.truncate(length);
    return text;
}
