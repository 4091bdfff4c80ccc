#include "tests/bible/bible_fixture.h"

#include "lectionary/bible_books.h"
#include "lectionary/scrambled_text.h"

#include "tests/support/temp_folder.h"

#include <sqlite3.h>

QString Fixture_Verse(int book, int chapter, int verse)
{
    return QStringLiteral("سفر %1 أصحاح %2 آية %3").arg(book).arg(chapter).arg(verse);
}

QString Write_Bible_Fixture(const QString& path, const QList<std::pair<int, int>>& chapters, int versesPerChapter)
{
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
    sqlite3_prepare_v2(db, "INSERT INTO Bible (Old, Bible, Part, Sign_No, Sign) VALUES (?, ?, ?, ?, ?)", -1, &insert, nullptr);
    for (const auto& [book, chapter] : chapters) {
        for (int verse = 1; verse <= versesPerChapter && error.isEmpty(); ++verse) {
            const QByteArray text = MdlLectarium::Flip_Text(Fixture_Verse(book, chapter, verse)).toUtf8();
            sqlite3_bind_int(insert, 1, MdlLectarium::Book_Old(static_cast<qint16>(book)));
            sqlite3_bind_int(insert, 2, MdlLectarium::Book_Bible(static_cast<qint16>(book)));
            sqlite3_bind_int(insert, 3, chapter);
            sqlite3_bind_int(insert, 4, verse);
            sqlite3_bind_text(insert, 5, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            if (sqlite3_step(insert) != SQLITE_DONE)
                error = QString::fromUtf8(sqlite3_errmsg(db));
            sqlite3_reset(insert);
        }
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return error;
}
