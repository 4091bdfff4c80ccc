#include "lectionary/database_check.h"

#include "lectionary/bible_books.h"
#include "lectionary/compound_psalm.h"
#include "lectionary/database_file.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/source_folder.h"
#include "lectionary/sqlite_database.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace MdlLectarium {

namespace {

class Checker {
public:
    Checker(Database& database, QStringList& problems) : database_(database), problems_(problems) {}

    bool load(QString& error) {
        Result_Set rows;
        if (!database_.Run(QStringLiteral("SELECT Old, Bible, Part, Sign_No, Sign FROM Bible"), rows, error))
            return false;
        for (const auto& row : rows.rows) {
            const Integer book = Book_Number(static_cast<Integer>(row[0].toLongLong()),
                                             static_cast<Integer>(row[1].toLongLong()));
            const int chapter = static_cast<int>(row[2].toLongLong());
            const qint64 key = Verse_Key(book, chapter, static_cast<int>(row[3].toLongLong()));
            verses_.insert(key);
            if (book == Psalms_Book && !row[4].isNull())
                psalmTexts_.insert(key, Flip_Text(row[4].toString()));
            chapters_.insert(Verse_Key(book, chapter, 0));
            int& last = lastVerses_[Verse_Key(book, chapter, 0)];
            last = std::max(last, static_cast<int>(row[3].toLongLong()));
        }
        Result_Set psalms;
        if (database_.Run(QStringLiteral("SELECT Sign, Data FROM Psalmos"), psalms, error))
            for (const auto& row : psalms.rows)
                psalmRows_.insert(row[0].toString(),
                                  row[1].isNull() ? QString() : Flip_Text(row[1].toString()));
        error.clear();
        return true;
    }

    // Checks the reference of one field; where names the table, the keys and the field.
    void check(const QString& where, const QString& reference) {
        const QStringList parts = Split_Reference(reference);
        if (parts.isEmpty()) {
            report(where, reference,
                   QStringLiteral("a join of passages with an empty part, or a part without a known book "
                                  "and chapter"));
            return;
        }
        if (Find_Book(Parse_Reference(parts.front()).book) == Psalms_Book) {
            const QString psalm = reference.trimmed().mid(Psalm_Prefix.size());
            const auto row = psalmRows_.constFind(Flip_Text(psalm));
            // A psalm of several pieces is read from its Psalmos row, which the build makes
            // from the Bible; a row of other text is from another Bible or written by hand.
            const bool compound = Is_Compound_Psalm(psalm, psalmTexts_);
            if (row != psalmRows_.constEnd()) {
                if (compound && !Is_Made_Psalm(psalm, *row, psalmTexts_))
                    report(where, reference,
                           QStringLiteral("its text in Psalmos is not the text of this database's Bible"));
                return;
            }
            if (compound) {
                report(where, reference,
                       QStringLiteral("a psalm of several pieces without its row in Psalmos"));
                return;
            }
        }
        for (const QString& part : parts)
            checkPart(where, reference, part);
    }

private:
    void checkPart(const QString& where, const QString& reference, const QString& part) {
        const Reference_Parts parts = Parse_Reference(part);
        const Integer book = Find_Book(parts.book);
        if (book == 0) {
            report(where, reference, QStringLiteral("unknown book \"%1\"").arg(parts.book));
            return;
        }
        QStringList missing;
        auto need = [&](int chapter, int verse) {
            if (!verses_.contains(Verse_Key(book, chapter, verse)))
                missing << QStringLiteral("%1:%2").arg(chapter).arg(verse);
        };
        const int k = parts.chapter, v = parts.verse, w = parts.second, x = parts.third;
        switch (parts.kind) {
        case 0:
            need(k, v);
            break;
        case 1:
            need(k, v);
            need(k, w);
            break;
        case 2:
            need(k, v);
            need(w, x);
            break;
        case 3:
            if (v > w)
                missing << QStringLiteral("%1:%2-%3 (a reversed range)").arg(k).arg(v).arg(w);
            else
                for (int verse = v; verse <= w; ++verse)
                    if (verse == v || verse == w || !leftOut(book, k, verse))
                        need(k, verse);
            break;
        case 4:
            if (k > w) {
                missing << QStringLiteral("%1:%2-%3:%4 (a reversed range)").arg(k).arg(v).arg(w).arg(x);
                break;
            }
            need(k, v);
            for (int chapter = k + 1; chapter < w; ++chapter)
                if (!chapters_.contains(Verse_Key(book, chapter, 0)))
                    missing << QStringLiteral("chapter %1").arg(chapter);
            need(w, x);
            break;
        default:
            need(k, v);
            need(k, w);
            need(k, x);
            break;
        }
        if (!missing.isEmpty())
            report(where, reference,
                   QStringLiteral("not in Bible: %1").arg(missing.join(QStringLiteral(", "))));
    }

    // A verse inside its chapter that the Bible leaves out (as modern translations leave
    // out Acts 8:37): a range over it reads on around it.
    bool leftOut(int book, int chapter, int verse) const {
        return verse > 1 && verse < lastVerses_.value(Verse_Key(book, chapter, 0));
    }

    void report(const QString& where, const QString& reference, const QString& what) {
        problems_ << QStringLiteral("%1: \"%2\": %3").arg(where, reference, what);
    }

    Database& database_;
    QStringList& problems_;
    QSet<qint64> verses_;
    QSet<qint64> chapters_;
    QHash<qint64, int> lastVerses_;
    QHash<qint64, QString> psalmTexts_;
    QHash<QString, QString> psalmRows_; // Psalmos: stored Sign to the text of Data
};

struct Reading_Table {
    QString name;
    int fields;
};

} // namespace

bool Check_Database(const QString& databasePath, QStringList& problems, QString& error) {
    if (Bible_Books[1].Abbreviation.isEmpty())
        Init_Bible_Tables();
    const auto database = Open_Lectionary_File(databasePath, error);
    if (!database)
        return false;
    Checker checker(*database, problems);
    if (!checker.load(error)) {
        error = QStringLiteral("%1: %2").arg(databasePath, error);
        return false;
    }

    const QList<Reading_Table> readingTables = {{QStringLiteral("Year"), 9},
                                                {QStringLiteral("Suns"), 9},
                                                {QStringLiteral("Jonah"), 10},
                                                {QStringLiteral("Fast"), 18},
                                                {QStringLiteral("Fifty"), 9}};
    for (const Reading_Table& table : readingTables) {
        const Table_Schema& schema = *Find_Table(table.name);
        Result_Set rows;
        if (!database->Run(table.name, rows, error)) {
            error = QStringLiteral("%1: table %2: %3").arg(databasePath, table.name, error);
            return false;
        }
        const int firstKey =
            schema.firstKey.isEmpty() ? -1 : static_cast<int>(rows.fields.indexOf(schema.firstKey));
        const int secondKey = static_cast<int>(rows.fields.indexOf(schema.secondKey));
        for (const auto& row : rows.rows) {
            const Integer a =
                firstKey < 0 ? Fixed_First_Key : static_cast<Integer>(row[firstKey].toLongLong());
            const Integer b = static_cast<Integer>(row[secondKey].toLongLong());
            QStringList keys;
            for (const QString& key : schema.key)
                keys << key + QLatin1Char('=') + row[rows.fields.indexOf(key)].toString();
            for (int field = 1; field <= table.fields; ++field) {
                const qsizetype column = rows.fields.indexOf(QString::number(field));
                if (column < 0 || row[column].isNull())
                    continue;
                QString reference = row[column].toString();
                Unshift_Text(a, b, reference);
                if (reference.trimmed().isEmpty())
                    continue;
                checker.check(
                    QStringLiteral("%1 %2 field %3").arg(table.name, keys.join(QLatin1Char(' '))).arg(field),
                    Reading_Prefix(field <= 9 ? field : 0) + reference);
            }
        }
    }

    Result_Set pain;
    if (!database->Run(QStringLiteral("Pain"), pain, error)) {
        error = QStringLiteral("%1: table Pain: %2").arg(databasePath, error);
        return false;
    }
    const qsizetype dayColumn = pain.fields.indexOf(QStringLiteral("Day"));
    const qsizetype signColumn = pain.fields.indexOf(QStringLiteral("Sign"));
    for (size_t r = 0; r < pain.rows.size(); ++r) {
        const auto& row = pain.rows[r];
        if (dayColumn < 0 || signColumn < 0 || row[signColumn].isNull())
            continue;
        const Integer day = static_cast<Integer>(row[dayColumn].toLongLong());
        QString reference = row[signColumn].toString();
        Unshift_Text(Fixed_First_Key, day, reference);
        if (reference.trimmed().isEmpty())
            continue;
        checker.check(QStringLiteral("Pain Day=%1 row %2 Sign").arg(day).arg(r + 1), reference);
    }
    return true;
}

} // namespace MdlLectarium
