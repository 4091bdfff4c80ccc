#include "bible/chosen_bibles.h"

#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/parallel_passage.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"

namespace Lectarium {

using namespace MdlLectarium;

namespace {

// The translations of the stored choice, or null for the database's Bible alone.
Named_Bibles* chosen() {
    static QStringList openNames;
    static Named_Bibles bibles;
    const Bible_Choice choice = Stored_Bible_Choice();
    const QStringList names = QStringList{choice.main} + choice.beside;
    if (names == QStringList{QString::fromLatin1(Database_Bible_Name)})
        return nullptr;
    if (names != openNames) {
        bibles = Named_Bibles();
        QString error;
        Open_Named_Bibles(names, bibles, error, true);
        openNames = names;
    }
    return bibles.translations.isEmpty() ? nullptr : &bibles;
}

} // namespace

namespace {

// The rows of Reading_Box's table: a heading row before each block but the first
// (before the first too when headFirst), the book's name when the book changes.
QList<QStringList> tableRows(const QList<Passage_Block>& blocks, bool headFirst) {
    QList<QStringList> rows;
    bool anyVerse = false;
    for (qsizetype b = 0; b < blocks.size(); ++b) {
        const Passage_Block* before = b > 0 ? &blocks[b - 1] : nullptr;
        if (before || headFirst) {
            const bool english = Current_Interface_Language() == Interface_Language::English;
            const bool bookChanges = !before || blocks[b].book != before->book;
            const QString book = !bookChanges ? QString()
                                 : english    ? English_Book_Name(blocks[b].book)
                                              : Bible_Books[static_cast<size_t>(blocks[b].book)].Book_Name;
            rows << QStringList{(book.isEmpty() ? QString() : book + QLatin1Char(' ')) +
                                Chapter_Headings_In(Chapter_Heading(static_cast<Integer>(blocks[b].chapter)),
                                                    Current_Interface_Language())
                                    .trimmed()};
        }
        for (const Aligned_Row& row : blocks[b].rows) {
            QStringList cells;
            for (const QString& cell : row.cells) {
                cells << (cell.isEmpty() ? QString() : Verse_Line(static_cast<Integer>(row.verse), cell));
                anyVerse = anyVerse || !cell.isEmpty();
            }
            rows << cells;
        }
    }
    return anyVerse ? rows : QList<QStringList>();
}

QList<Passage_Span> chapterSpans(int book, int chapter) {
    return {Passage_Span{book, chapter, 1, 0}};
}

} // namespace

QList<QStringList> Chosen_Passage_Rows(const QString& reference) {
    Named_Bibles* bibles = chosen();
    return bibles ? tableRows(Parallel_Passage(*bibles, Data_Bible(), reference), false)
                  : QList<QStringList>();
}

QString Chosen_Passage_Html(const QString& reference) {
    Named_Bibles* bibles = chosen();
    return bibles ? Parallel_Html(Parallel_Passage(*bibles, Data_Bible(), reference), bibles->languages)
                  : QString();
}

QList<QStringList> Chosen_Chapter_Rows(int book, int chapter) {
    Named_Bibles* bibles = chosen();
    return bibles ? tableRows(Parallel_Passage(*bibles, Data_Bible(), chapterSpans(book, chapter)), false)
                  : QList<QStringList>();
}

QString Chosen_Chapter_Html(int book, int chapter) {
    Named_Bibles* bibles = chosen();
    return bibles ? Parallel_Html(Parallel_Passage(*bibles, Data_Bible(), chapterSpans(book, chapter)),
                                  bibles->languages)
                  : QString();
}

QList<QStringList> Chosen_Verses_Rows(const QList<Passage_Span>& verses) {
    Named_Bibles* bibles = chosen();
    return bibles && !verses.isEmpty() ? tableRows(Parallel_Passage(*bibles, Data_Bible(), verses), true)
                                       : QList<QStringList>();
}

QString Chosen_Verses_Html(const QList<Passage_Span>& verses) {
    Named_Bibles* bibles = chosen();
    return bibles && !verses.isEmpty()
               ? Parallel_Html(Parallel_Passage(*bibles, Data_Bible(), verses), bibles->languages, true)
               : QString();
}

} // namespace Lectarium
