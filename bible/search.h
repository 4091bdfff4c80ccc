#pragma once

// The Bible search: the statement that finds the verses holding a term, the result
// lines and the pages they are gathered into. The verses are stored scrambled, so the
// term is scrambled the same way and compared inside the stored text.

#include "base/interface_language.h"
#include "calendar/selected_day.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace MdlLectarium {

class Data_Source;

// A page is closed as soon as it is longer than this many characters.
constexpr int Page_Limit = 29000;

// The pages of the last finished search: Result_Pages[1..Page_Count]; index 0 stays
// empty. There is no fixed number of pages, so a search that fills many keeps them all.
extern QStringList Result_Pages;
extern int Page_Count;

// One hit: the verse text, a blank, the book's abbreviation, the chapter and the verse
// in parentheses, and CR LF. The book is bible when old is non-zero, bible + 46
// otherwise. Under English: the book's English name and "5:3".
QString Reference_Text(const Integer& old, const Integer& bible, const Integer& chapter, const Integer& verse,
                       const QString& text, Interface_Language language = Interface_Language::Classic);

// A text as a quoted literal of a statement, whatever it holds: quotes are doubled
// and a character of code 0 (which would end the statement early) is joined in with
// char(0).
QString Text_Literal(const QString& text);

// The statements of a search for a scrambled term. The testament statement needs at
// least one of the two testaments; the book statement at least one book (1..73).
QString Testament_Statement(bool oldTestament, bool newTestament, const QString& scrambledTerm);
QString Books_Statement(const QList<Integer>& books, const QString& scrambledTerm);

// The testaments the search window ticks as it opens: both on first use, afterwards
// the reader's last choice. Kept in Qt's settings of the user (the configuration
// folder), not in Lectarium.ini, whose lines are fixed.
struct Testament_Choice {
    bool oldTestament = true;
    bool newTestament = true;
};
Testament_Choice Stored_Testament_Choice();
void Store_Testament_Choice(const Testament_Choice& choice);

// A stretch of text where the search term was found: 0-based start and length.
struct Hit_Mark {
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const Hit_Mark&, const Hit_Mark&) = default;
};

// The marks of Result_Pages, page by page (index 0 empty), offsets within the page.
extern QList<QList<Hit_Mark>> Result_Marks;

// Where a hit stands: the book (1..73), the chapter and the verse.
struct Hit_Verse {
    int book = 0;
    int chapter = 0;
    int verse = 0;
};

// The verses of Result_Pages, page by page (index 0 empty), a verse per line.
extern QList<QList<Hit_Verse>> Result_Verses;

// Pages being filled by a scan: each line goes to the last page, and a page that has
// grown past Page_Limit is followed by a new, empty one. Marks are given within the
// line and kept within the page.
class Search_Pages final {
public:
    Search_Pages();
    void Add(const QString& line, const QList<Hit_Mark>& marks = {}, const Hit_Verse& verse = {});
    int Count() const { return static_cast<int>(pages_.size()) - 1; }
    const QStringList& Pages() const { return pages_; } // index 0 empty, like Result_Pages
    const QList<QList<Hit_Mark>>& Marks() const { return marks_; }
    const QList<QList<Hit_Verse>>& Verses() const { return verses_; }

private:
    QStringList pages_;
    QList<QList<Hit_Mark>> marks_;
    QList<QList<Hit_Verse>> verses_;
};

// Searching regardless of the short vowels: the marks U+064B..U+0652, the superscript
// alef U+0670 and the tatweel U+0640 are left out; the alef forms أ إ آ ٱ read as ا,
// ى as ي and ة as ه.
bool Is_Folded_Away(QChar ch);
QChar Fold_Letter(QChar ch);
// The folded text; origins (when given) receives, for each character of it, the
// position of the character it came from.
QString Fold_Arabic(QStringView text, QList<qsizetype>* origins = nullptr);
// True when the text holds an Arabic letter (the option's default for a term).
bool Has_Arabic_Letters(QStringView text);
// Every place the term occurs in the text, left to right, not overlapping. Folded,
// a mark spans the letters found with the marks that sit on them.
QList<Hit_Mark> Find_Term(QStringView text, QStringView term, bool ignoreMarks);

// Where a search looks: the whole Bible or one testament (testament scope), or the
// chosen books (1..73) when books is not empty.
struct Search_Scope {
    bool oldTestament = true;
    bool newTestament = true;
    QList<Integer> books;
};

struct Scan_Outcome {
    bool cancelled = false;
    int hits = 0; // rows read
    Search_Pages pages;
};

// Reads the current result set of a data source from its first row to its last: each
// row's verse is unscrambled and its line added to the pages. After each hit, afterHit
// gets the row set's percentage position (0..100); returning false stops the scan,
// which then counts as cancelled.
Scan_Outcome Scan_Hits(Data_Source& source, const std::function<bool(int percent)>& afterHit);

// Verses as one UTF-8 text, each ended by a byte UTF-8 never holds: a whole Bible is a
// few megabytes, and one byte search over it finds a term in about a millisecond. The
// folded copy is made on the first search that ignores the marks.
class Joined_Verses {
public:
    void Append(const QString& verse);
    size_t Count() const { return starts_.empty() ? 0 : starts_.size() - 1; }
    QString Verse(size_t row) const;
    // The rows whose verse holds term (folded: as Fold_Arabic folds both), each once, in
    // order. Not for two threads at once: the folded copy is made by the first caller.
    std::vector<size_t> Rows_Holding(const QString& term, bool folded) const;

private:
    QByteArray exact_;
    std::vector<qsizetype> starts_; // Count() + 1 entries once a verse is in
    mutable QByteArray folded_;
    mutable std::vector<qsizetype> foldedStarts_;
};

// The search over the Bible kept in memory. The Bible of the source's database is read
// once, unscrambled (Load_Bible_Text), and kept while that connection lives; false with
// error when it cannot be read.
bool Load_Bible_Text(Data_Source& source, QString& error);

// The verses holding the term: the same verses, in the same order, as the statement of
// the scope (Testament_Statement, Books_Statement) finds when ignoreMarks is off. A term
// that folds to nothing is searched as written.
struct Found_Verses {
    QString term;
    bool folded = false;
    std::vector<size_t> rows; // into the Bible kept in memory
};
bool Find_Verses(Data_Source& source, const QString& term, bool ignoreMarks, const Search_Scope& scope,
                 Found_Verses& found, QString& error);

// Formats the verses found into pages with the term marked, as Scan_Hits does with the
// rows of a statement; afterHit gets the share of the hits formatted.
// Under English the reference reads as English Bibles print it: "text (Matthew 5:3)".
Scan_Outcome Scan_Found(const Found_Verses& found, const std::function<bool(int percent)>& afterHit,
                        Interface_Language language = Interface_Language::Classic);

// Makes the pages of a finished scan the shown results.
void Keep_Results(const Search_Pages& pages);

} // namespace MdlLectarium
