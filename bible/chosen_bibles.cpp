#include "bible/chosen_bibles.h"

#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/parallel_passage.h"
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

QList<QStringList> Chosen_Passage_Rows(const QString& reference) {
    Named_Bibles* bibles = chosen();
    if (!bibles)
        return {};
    QList<QStringList> rows;
    bool anyVerse = false;
    const QList<Passage_Block> blocks = Parallel_Passage(*bibles, Data_Bible(), reference);
    for (qsizetype b = 0; b < blocks.size(); ++b) {
        if (b > 0)
            rows << QStringList{(blocks[b].book != blocks[b - 1].book
                                     ? Bible_Books[static_cast<size_t>(blocks[b].book)].Book_Name
                                     : QString()) +
                                Chapter_Heading(static_cast<Integer>(blocks[b].chapter)).trimmed()};
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

QString Chosen_Passage_Html(const QString& reference) {
    Named_Bibles* bibles = chosen();
    return bibles ? Parallel_Html(Parallel_Passage(*bibles, Data_Bible(), reference), bibles->languages)
                  : QString();
}

} // namespace Lectarium
