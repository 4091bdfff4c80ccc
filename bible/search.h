#pragma once

// The Bible search: the statement that finds the verses holding a term, the result
// lines and the pages they are gathered into. The verses are stored scrambled, so the
// term is scrambled the same way and compared inside the stored text.

#include "calendar/selected_day.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

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
// otherwise.
QString Reference_Text(const Integer& old, const Integer& bible, const Integer& chapter, const Integer& verse,
                       const QString& text);

// A text as a quoted literal of a statement, whatever it holds: quotes are doubled
// and a character of code 0 (which would end the statement early) is joined in with
// char(0).
QString Text_Literal(const QString& text);

// The statements of a search for a scrambled term. The testament statement needs at
// least one of the two testaments; the book statement at least one book (1..73).
QString Testament_Statement(bool oldTestament, bool newTestament, const QString& scrambledTerm);
QString Books_Statement(const QList<Integer>& books, const QString& scrambledTerm);

// Pages being filled by a scan: each line goes to the last page, and a page that has
// grown past Page_Limit is followed by a new, empty one.
class Search_Pages final {
public:
    Search_Pages();
    void Add(const QString& line);
    int Count() const { return static_cast<int>(pages_.size()) - 1; }
    const QStringList& Pages() const { return pages_; } // index 0 empty, like Result_Pages

private:
    QStringList pages_;
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

// Makes the pages of a finished scan the shown results.
void Keep_Results(const Search_Pages& pages);

} // namespace MdlLectarium
