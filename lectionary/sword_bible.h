#pragma once

// The reader's translations: every installed SWORD Bible module, its verses placed in
// the program's 73 books as import-bible places them, kept in the user's cache folder
// so that only the first use reads the module through libsword.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <tuple>

namespace MdlLectarium {

// The name that stands for the database's own Bible beside the module names.
inline constexpr char Database_Bible_Name[] = "db";

struct Translation_Search;
struct Translation {
    QString name;
    std::map<std::tuple<int, int, int>, QString> verses; // book, chapter, verse
    // The verses joined for the search, made by the first search in them.
    mutable std::shared_ptr<Translation_Search> search;
};

// What the module's files are now (their sizes and times, and the entries of its
// configuration that change the text); empty when no such Bible module is installed.
QString Sword_Module_Stamp(const QString& module);

// The cache file of a module in the program's folder of the user's cache folder.
QString Translation_Cache_File(const QString& module);

// The module's verses, from the cache when it was made from the module as it is now,
// otherwise read from the module and the cache written anew (a cache that cannot be
// written costs only speed). progress hears the entries read and cancels by answering
// false. rebuilt tells whether the module was read. False with a reason for an unknown,
// non-Bible, cancelled or damaged module; the cache is then left as it was.
bool Open_Translation(const QString& module, Translation& out, QString& error,
                      const std::function<bool(int)>& progress = {}, bool* rebuilt = nullptr);

// The verses first..last of a chapter (last 0: to the chapter's end), by verse number.
QMap<int, QString> Translation_Verses(const Translation& translation, int book, int chapter, int first,
                                      int last);

// One row of texts side by side: verse n of every column, empty where a text lacks it.
struct Aligned_Row {
    int verse = 0;
    QStringList cells;
};
QList<Aligned_Row> Align_Verses(const QList<QMap<int, QString>>& columns);

// The verses a reading reference names, chapter by chapter (last 0: to the chapter's
// end); the parts of a joined reference follow one another. Empty for a reference
// without a known book.
struct Passage_Span {
    int book = 0;
    int chapter = 0;
    int first = 0;
    int last = 0;
};
QList<Passage_Span> Reference_Spans(const QString& reference);

// The verses of reference in translation, each "n text", the chapters one after another:
// a reading's text as the lectern sets it beside the day's.
QStringList Reading_Verses(const Translation& translation, const QString& reference);

// A passage in several translations side by side: a block per chapter, its verses
// aligned row by row, a column per translation in the order given.
struct Passage_Block {
    int book = 0;
    int chapter = 0;
    QList<Aligned_Row> rows;
};
QList<Passage_Block> Side_By_Side(const QList<const Translation*>& translations, const QString& reference);
QList<Passage_Block> Side_By_Side(const QList<const Translation*>& translations,
                                  const QList<Passage_Span>& spans);

// The reader's choice: the main text and up to two shown beside it, as module names
// (or Database_Bible_Name), kept in Qt's own settings file of the user.
struct Bible_Choice {
    QString main;
    QStringList beside;
};
constexpr int Max_Beside = 2;
Bible_Choice Stored_Bible_Choice();
void Store_Bible_Choice(const Bible_Choice& choice);

} // namespace MdlLectarium
