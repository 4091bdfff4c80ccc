#include "lectionary/parallel_passage.h"

#include "base/text_direction.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/statements.h"
#include "lectionary/sword_import.h"

#include <array>
#include <mutex>
#include <vector>

#include <swlog.h>
#include <swmgr.h>

namespace MdlLectarium {

namespace {

bool moduleInstalled(const QString& name) {
    sword::SWLog::getSystemLog()->setLogLevel(sword::SWLog::LOG_ERROR);
    sword::SWMgr manager;
    return manager.getModule(name.toUtf8().constData()) != nullptr;
}

// The verses of a chapter of the database's Bible, unless already read.
void readDatabaseChapter(Data_Source& bible, int book, int chapter, Translation& translation) {
    const auto first = translation.verses.lower_bound({book, chapter, 0});
    if (first != translation.verses.end() && std::get<0>(first->first) == book &&
        std::get<1>(first->first) == chapter)
        return;
    bible.setRecordSource(Chapter_Statement(Book_Old(static_cast<Integer>(book)),
                                            Book_Bible(static_cast<Integer>(book)),
                                            static_cast<Integer>(chapter)));
    bible.refresh();
    for (; !bible.eof(); bible.moveNext())
        translation.verses[{book, chapter, bible.text(QStringLiteral("Sign_No")).toInt()}] =
            Flip_Text(bible.text(QStringLiteral("Sign")));
}

// The language a cell is marked with. The database's Bible, and a module that does not
// say, name none: its text tells Arabic from the rest, and the rest is English, as the
// Bible the database ships with.
QString cellLanguage(const QString& language, const QString& text) {
    if (!language.isEmpty())
        return language;
    return Has_Arabic_Letters(text) ? QStringLiteral("ar") : QStringLiteral("en");
}

// The heading before a block after the first: the book's name when the book changes.
QString blockHeading(const Passage_Block& block, const Passage_Block* before) {
    if (!before)
        return {};
    if (before->book != block.book)
        return Line_Break + Bible_Books[static_cast<size_t>(block.book)].Book_Name +
               Chapter_Heading(static_cast<Integer>(block.chapter));
    return before->chapter != block.chapter ? Chapter_Heading(static_cast<Integer>(block.chapter))
                                            : QString();
}

} // namespace

Bibles_Outcome Open_Named_Bibles(const QStringList& names, Named_Bibles& out, QString& error,
                                 bool readyOnly) {
    QStringList installed;
    QHash<QString, QString> languages;
    for (const Sword_Module& module : Sword_Bible_Modules()) {
        installed << module.name;
        languages.insert(module.name, module.language);
    }
    for (const QString& name : names)
        if (name != QLatin1String(Database_Bible_Name) && !installed.contains(name) &&
            !moduleInstalled(name)) {
            error = QStringLiteral("no SWORD Bible module \"%1\" (installed: %2)")
                        .arg(name, installed.isEmpty() ? QStringLiteral("none")
                                                       : installed.join(QStringLiteral(", ")));
            return Bibles_Outcome::Unknown_Name;
        }
    for (const QString& name : names) {
        Translation translation;
        QString problem;
        if (name == QLatin1String(Database_Bible_Name)) {
            translation.name = name;
            out.databaseColumn = static_cast<int>(out.translations.size());
        } else if (!installed.contains(name)) {
            out.problems << QStringLiteral("%1: not a Bible").arg(name);
            continue;
        } else if (!Open_Translation(name, translation, problem,
                                     readyOnly ? [](int) { return false; } : std::function<bool(int)>())) {
            out.problems << problem;
            continue;
        }
        out.translations << std::move(translation);
        out.languages << languages.value(name);
    }
    return out.translations.isEmpty() ? Bibles_Outcome::None_Usable : Bibles_Outcome::Opened;
}

QList<Passage_Block> Parallel_Passage(Named_Bibles& bibles, Data_Source& bible, const QString& reference) {
    return Parallel_Passage(bibles, bible, Reference_Spans(reference));
}

QList<Passage_Block> Parallel_Passage(Named_Bibles& bibles, Data_Source& bible,
                                      const QList<Passage_Span>& spans) {
    if (bibles.databaseColumn >= 0)
        for (const Passage_Span& span : spans)
            readDatabaseChapter(bible, span.book, span.chapter, bibles.translations[bibles.databaseColumn]);
    QList<const Translation*> translations;
    for (const Translation& translation : std::as_const(bibles.translations))
        translations << &translation;
    return Side_By_Side(translations, spans);
}

QString Parallel_Text(const QList<Passage_Block>& blocks) {
    QString text;
    bool anyVerse = false;
    for (qsizetype b = 0; b < blocks.size(); ++b) {
        text += blockHeading(blocks[b], b > 0 ? &blocks[b - 1] : nullptr);
        for (const Aligned_Row& row : blocks[b].rows)
            for (const QString& cell : row.cells)
                if (!cell.isEmpty()) {
                    text += Verse_Line(static_cast<Integer>(row.verse), cell) + Line_Break;
                    anyVerse = true;
                }
    }
    return anyVerse ? text : QString();
}

QString Parallel_Html(const QList<Passage_Block>& blocks, const QStringList& languages, bool headFirst) {
    QString html;
    for (qsizetype b = 0; b < blocks.size(); ++b) {
        const QString heading =
            (b == 0 && headFirst ? Bible_Books[static_cast<size_t>(blocks[b].book)].Book_Name +
                                       Chapter_Heading(static_cast<Integer>(blocks[b].chapter))
                                 : blockHeading(blocks[b], b > 0 ? &blocks[b - 1] : nullptr))
                .trimmed();
        if (!heading.isEmpty())
            html +=
                QStringLiteral("<tr><th colspan=\"%1\" dir=\"%2\">%3</th></tr>\n")
                    .arg(languages.size())
                    .arg(Html_Direction(heading),
                         Numbers_In_Order(heading).replace(Line_Break, QStringLiteral(" ")).toHtmlEscaped());
        for (const Aligned_Row& row : blocks[b].rows) {
            html += QStringLiteral("<tr>");
            for (qsizetype c = 0; c < row.cells.size(); ++c) {
                const QString& cell = row.cells[c];
                if (cell.isEmpty()) {
                    html += QStringLiteral("<td></td>");
                    continue;
                }
                const QString line = Verse_Line(static_cast<Integer>(row.verse), cell);
                html += QStringLiteral("<td dir=\"%1\" lang=\"%2\">%3</td>")
                            .arg(Html_Direction(cell), cellLanguage(languages.value(c), cell),
                                 Numbers_In_Order(Number_Held_At_Start(line)).toHtmlEscaped());
            }
            html += QStringLiteral("</tr>\n");
        }
    }
    return html.isEmpty() ? QString() : QStringLiteral("<table>\n") + html + QStringLiteral("</table>\n");
}

// The verses of a translation as one text: a byte search over it outruns trying each
// verse in turn by several times.
struct Translation_Search {
    size_t count = 0; // the verses when it was made: the database's Bible is read by chapters
    std::vector<std::tuple<int, int, int>> keys;
    Joined_Verses text;
};

Scan_Outcome Search_Translation(const Translation& translation, const QString& term, bool ignoreMarks,
                                const Search_Scope& scope, Interface_Language language) {
    // A term that folds to nothing (marks only) is searched as written.
    const bool folded = ignoreMarks && !Fold_Arabic(term).isEmpty();
    std::vector<size_t> rows;
    std::shared_ptr<Translation_Search> search;
    {
        // The search window and a tool may share a translation between threads.
        static std::mutex making;
        const std::lock_guard lock(making);
        search = translation.search;
        if (!search || search->count != translation.verses.size()) {
            search = std::make_shared<Translation_Search>();
            search->count = translation.verses.size();
            search->keys.reserve(search->count);
            for (const auto& [key, text] : translation.verses) {
                search->keys.push_back(key);
                search->text.Append(text);
            }
            translation.search = search;
        }
        rows = search->text.Rows_Holding(term, folded);
    }
    // The hits of each book, given in the order of the books searched.
    QList<int> order;
    if (!scope.books.isEmpty()) {
        for (const Integer book : scope.books)
            order.append(static_cast<int>(book));
    } else if (scope.oldTestament || scope.newTestament) {
        for (int book = scope.oldTestament ? 1 : Old_Testament_Books + 1;
             book <= (scope.newTestament ? Book_Count : Old_Testament_Books); ++book)
            order.append(book);
    }
    std::array<std::vector<size_t>, Book_Count + 1> byBook;
    for (const size_t row : rows)
        if (const int book = std::get<0>(search->keys[row]); book >= 1 && book <= Book_Count)
            byBook[static_cast<size_t>(book)].push_back(row);
    Scan_Outcome outcome;
    for (const int book : std::as_const(order)) {
        if (book < 1 || book > Book_Count)
            continue;
        for (const size_t row : byBook[static_cast<size_t>(book)]) {
            const auto [b, chapter, verse] = search->keys[row];
            const QString text = search->text.Verse(row);
            outcome.pages.Add(
                Reference_Text(Book_Old(static_cast<Integer>(b)), Book_Bible(static_cast<Integer>(b)),
                               static_cast<Integer>(chapter), static_cast<Integer>(verse), text, language),
                Find_Term(text, term, folded), {b, chapter, verse});
            ++outcome.hits;
        }
    }
    return outcome;
}

} // namespace MdlLectarium
