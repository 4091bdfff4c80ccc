#include "bible/search.h"

#include "base/basic_text.h"
#include "base/preferences.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>
#include <vector>

namespace MdlLectarium {

QStringList Result_Pages{QString(), QString()};
QList<QList<Hit_Mark>> Result_Marks{{}, {}};
QList<QList<Hit_Verse>> Result_Verses{{}, {}};
int Page_Count = 1;

namespace {

// The columns of a Bible row, as both scans read them.
const QString oldField = QStringLiteral("Old");
const QString bibleField = QStringLiteral("Bible");
const QString partField = QStringLiteral("Part");
const QString verseField = QStringLiteral("Sign_No");
const QString signField = QStringLiteral("Sign");

// As Num_Text puts a number (a blank before one that is not negative), without strings
// of its own: a search formats thousands of them.
void appendNumber(QString& out, qint64 value) {
    if (value >= 0)
        out += QLatin1Char(' ');
    char digits[24];
    const char* const end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out += QLatin1String(digits, end);
}

void appendReference(QString& out, const Integer& old, const Integer& bible, const Integer& chapter,
                     const Integer& verse, QStringView text, Interface_Language language) {
    const Integer book = Book_Number(old, bible);
    out += text;
    out += QLatin1String(" (");
    if (language == Interface_Language::English) {
        if (book >= 1 && book <= Book_Count)
            out += English_Book_Name(int(book)) + QLatin1Char(' ');
        out += QString::number(chapter) + QLatin1Char(':') + QString::number(verse) + QLatin1Char(')');
        out += Line_Break;
        return;
    }
    // A row outside the 73 books (a damaged database) still shows, without a name.
    if (book >= 1 && book <= Book_Count)
        out += Bible_Books[book].Abbreviation;
    out += QLatin1Char(' ');
    appendNumber(out, qint64(chapter));
    out += QLatin1String(" : ");
    appendNumber(out, qint64(verse));
    out += QLatin1Char(')');
    out += Line_Break;
}

} // namespace

QString Reference_Text(const Integer& old, const Integer& bible, const Integer& chapter, const Integer& verse,
                       const QString& text, Interface_Language language) {
    QString line;
    line.reserve(text.size() + 24);
    appendReference(line, old, bible, chapter, verse, text, language);
    return line;
}

QString Text_Literal(const QString& text) {
    QString literal;
    literal.reserve(text.size() + 2);
    literal += QLatin1Char('\'');
    for (QChar ch : text) {
        if (ch == QLatin1Char('\''))
            literal += QStringLiteral("''");
        else if (ch.unicode() == 0)
            literal += QStringLiteral("' || char(0) || '");
        else
            literal += ch;
    }
    literal += QLatin1Char('\'');
    return literal;
}

QString Testament_Statement(bool oldTestament, bool newTestament, const QString& scrambledTerm) {
    const QString literal = Text_Literal(scrambledTerm);
    if (oldTestament && newTestament)
        return QStringLiteral("SELECT * FROM Bible WHERE INSTR (1,Sign,") + literal + QStringLiteral(") <>0");
    if (oldTestament)
        return QStringLiteral("SELECT * FROM Bible WHERE Old = -1 and  INSTR (Sign,") + literal +
               QStringLiteral(") <>0");
    return QStringLiteral("SELECT * FROM Bible WHERE Old = 0 and  INSTR (1,Sign,") + literal +
           QStringLiteral(") <>0");
}

QString Books_Statement(const QList<Integer>& books, const QString& scrambledTerm) {
    if (books.isEmpty())
        return QString();
    QString statement = QStringLiteral("SELECT * FROM Bible WHERE ( ");
    for (Integer book : books)
        statement += QStringLiteral(" ( Old = ") + Num_Text(qint64(Book_Old(book))) +
                     QStringLiteral(" And Bible = ") + Num_Text(qint64(Book_Bible(book))) +
                     QStringLiteral(" ) or ");
    statement.chop(4); // the last " or "
    return statement + QStringLiteral(" ) and  INSTR (1,Sign,") + Text_Literal(scrambledTerm) +
           QStringLiteral(") <>0");
}

Search_Pages::Search_Pages() : pages_{QString(), QString()}, marks_{{}, {}}, verses_{{}, {}} {}

void Search_Pages::Add(const QString& line, const QList<Hit_Mark>& marks, const Hit_Verse& verse) {
    verses_.last().append(verse);
    QString& page = pages_.last();
    QList<Hit_Mark>& pageMarks = marks_.last();
    for (const Hit_Mark& mark : marks)
        pageMarks.append({page.size() + mark.start, mark.length});
    page += line;
    if (page.size() > Page_Limit) {
        pages_.append(QString());
        marks_.append(QList<Hit_Mark>());
        verses_.append(QList<Hit_Verse>());
    }
}

bool Is_Folded_Away(QChar ch) {
    const char16_t c = ch.unicode();
    return (c >= 0x064B && c <= 0x0652) || c == 0x0670 || c == 0x0640;
}

QChar Fold_Letter(QChar ch) {
    switch (ch.unicode()) {
    case 0x0623: // أ
    case 0x0625: // إ
    case 0x0622: // آ
    case 0x0671: // ٱ
        return QChar(0x0627);
    case 0x0649: // ى
        return QChar(0x064A);
    case 0x0629: // ة
        return QChar(0x0647);
    default:
        return ch;
    }
}

QString Fold_Arabic(QStringView text, QList<qsizetype>* origins) {
    QString out;
    out.reserve(text.size());
    if (origins) {
        origins->clear();
        origins->reserve(text.size());
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (Is_Folded_Away(ch))
            continue;
        out += Fold_Letter(ch);
        if (origins)
            origins->append(i);
    }
    return out;
}

bool Has_Arabic_Letters(QStringView text) {
    for (QChar ch : text)
        if (ch.isLetter() && ch.script() == QChar::Script_Arabic)
            return true;
    return false;
}

QList<Hit_Mark> Find_Term(QStringView text, QStringView term, bool ignoreMarks) {
    QList<Hit_Mark> marks;
    if (!ignoreMarks) {
        if (term.isEmpty())
            return marks;
        for (qsizetype at = text.indexOf(term); at >= 0; at = text.indexOf(term, at + term.size()))
            marks.append({at, term.size()});
        return marks;
    }
    QList<qsizetype> origins;
    const QString folded = Fold_Arabic(text, &origins);
    const QString foldedTerm = Fold_Arabic(term);
    if (foldedTerm.isEmpty())
        return marks;
    for (qsizetype at = folded.indexOf(foldedTerm); at >= 0;
         at = folded.indexOf(foldedTerm, at + foldedTerm.size())) {
        const qsizetype start = origins[at];
        qsizetype end = origins[at + foldedTerm.size() - 1] + 1;
        while (end < text.size() && Is_Folded_Away(text[end]))
            ++end;
        marks.append({start, end - start});
    }
    return marks;
}

namespace {

// Ends every verse in the joined text: a byte that UTF-8 never holds, so no term found
// there runs over into the next verse.
constexpr char Verse_End = '\xFF';

} // namespace

void Joined_Verses::Append(const QString& verse) {
    if (starts_.empty())
        starts_.push_back(0);
    exact_ += verse.toUtf8();
    exact_ += Verse_End;
    starts_.push_back(exact_.size());
}

QString Joined_Verses::Verse(size_t row) const {
    return QString::fromUtf8(exact_.constData() + starts_[row], starts_[row + 1] - starts_[row] - 1);
}

std::vector<size_t> Joined_Verses::Rows_Holding(const QString& term, bool folded) const {
    std::vector<size_t> rows;
    if (folded && foldedStarts_.empty() && !starts_.empty()) {
        folded_.reserve(exact_.size());
        foldedStarts_.reserve(starts_.size());
        foldedStarts_.push_back(0);
        for (size_t row = 0; row < Count(); ++row) {
            folded_ += Fold_Arabic(Verse(row)).toUtf8();
            folded_ += Verse_End;
            foldedStarts_.push_back(folded_.size());
        }
    }
    const QByteArray needle = (folded ? Fold_Arabic(term) : term).toUtf8();
    const QByteArray& buffer = folded ? folded_ : exact_;
    const std::vector<qsizetype>& starts = folded ? foldedStarts_ : starts_;
    if (needle.isEmpty())
        return rows;
    // One byte search over the whole text; each verse found counts once.
    const char* const base = buffer.constData();
    const auto size = static_cast<size_t>(buffer.size());
    size_t at = 0;
    while (at < size) {
        const void* hit =
            memmem(base + at, size - at, needle.constData(), static_cast<size_t>(needle.size()));
        if (!hit)
            break;
        const auto offset = static_cast<qsizetype>(static_cast<const char*>(hit) - base);
        const auto next = std::upper_bound(starts.begin(), starts.end(), offset);
        rows.push_back(static_cast<size_t>(next - starts.begin() - 1));
        at = static_cast<size_t>(*next);
    }
    return rows;
}

Scan_Outcome Scan_Hits(Data_Source& source, const std::function<bool(int percent)>& afterHit) {
    Scan_Outcome outcome;
    for (source.moveFirst(); !source.eof(); source.moveNext()) {
        const Integer old = source.number(oldField);
        const Integer bible = source.number(bibleField);
        const Integer part = source.number(partField);
        const Integer verse = source.number(verseField);
        const QString text = Flip_Text(source.text(signField));
        outcome.pages.Add(
            Reference_Text(old, bible, part, verse, text), {},
            {static_cast<int>(Book_Number(old, bible)), static_cast<int>(part), static_cast<int>(verse)});
        ++outcome.hits;
        if (afterHit && !afterHit(source.percentPosition())) {
            outcome.cancelled = true;
            break;
        }
    }
    return outcome;
}

namespace {

constexpr qint64 Null_Key = std::numeric_limits<qint64>::min();

struct Verse_Row {
    qint64 oldKey = Null_Key; // Old and Bible as the statements compare them
    qint64 bibleKey = Null_Key;
    Integer old = 0; // as the scan reads them for the reference
    Integer bible = 0;
    Integer part = 0;
    Integer verse = 0;
};

// The Bible of the database read once, unscrambled.
struct Bible_Text {
    std::weak_ptr<Database> database;
    bool loaded = false;
    std::vector<Verse_Row> rows;
    Joined_Verses verses;
};

Bible_Text& bibleText() {
    static Bible_Text text;
    return text;
}

qint64 key(const QVariant& value) {
    if (value.isNull())
        return Null_Key;
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    return ok ? n : Null_Key;
}

// The scope as the statements put it: Old = -1, Old = 0, or pairs of Old and Bible.
struct Scope_Test {
    explicit Scope_Test(const Search_Scope& scope) : scope_(scope) {
        for (Integer book : scope.books)
            if (book >= 1 && book <= Book_Count)
                chosen_[static_cast<size_t>(book)] = true;
    }
    bool operator()(const Verse_Row& row) const {
        if (!scope_.books.isEmpty()) {
            qint64 book = 0;
            if (row.oldKey == -1 && row.bibleKey >= 1 && row.bibleKey <= Old_Testament_Books)
                book = row.bibleKey;
            else if (row.oldKey == 0 && row.bibleKey >= 1 && row.bibleKey <= Book_Count - Old_Testament_Books)
                book = row.bibleKey + Old_Testament_Books;
            return book != 0 && chosen_[static_cast<size_t>(book)];
        }
        if (scope_.oldTestament && scope_.newTestament)
            return true;
        return scope_.oldTestament ? row.oldKey == -1 : row.oldKey == 0;
    }

private:
    const Search_Scope& scope_;
    std::array<bool, Book_Count + 1> chosen_{};
};

} // namespace

bool Load_Bible_Text(Data_Source& source, QString& error) {
    Bible_Text& text = bibleText();
    // The connection is made by the first refresh; a source without one gets it here.
    std::shared_ptr<Database> database = source.connection();
    if (text.loaded && database && text.database.lock() == database)
        return true;
    source.setRecordSource(QStringLiteral("SELECT Old, Bible, Part, Sign_No, Sign FROM Bible"));
    if (!source.refresh()) {
        error = source.lastError();
        return false;
    }
    text = Bible_Text();
    text.rows.reserve(static_cast<size_t>(source.recordCount()));
    for (source.moveFirst(); !source.eof(); source.moveNext()) {
        Verse_Row row;
        row.oldKey = key(source.field(oldField));
        row.bibleKey = key(source.field(bibleField));
        row.old = source.number(oldField);
        row.bible = source.number(bibleField);
        row.part = source.number(partField);
        row.verse = source.number(verseField);
        text.rows.push_back(row);
        // A Null verse holds no term, as INSTR on Null finds nothing.
        text.verses.Append(Flip_Text(source.text(signField)));
    }
    text.database = source.connection();
    text.loaded = true;
    source.close();
    return true;
}

bool Find_Verses(Data_Source& source, const QString& term, bool ignoreMarks, const Search_Scope& scope,
                 Found_Verses& found, QString& error) {
    found = Found_Verses();
    if (!Load_Bible_Text(source, error))
        return false;
    Bible_Text& text = bibleText();
    // A term of marks alone folds to nothing; it is searched as written.
    const QString foldedTerm = ignoreMarks ? Fold_Arabic(term) : QString();
    found.term = term;
    found.folded = ignoreMarks && !foldedTerm.isEmpty();
    if (term.isEmpty())
        return true;
    const Scope_Test inScope(scope);
    for (const size_t row : text.verses.Rows_Holding(term, found.folded))
        if (inScope(text.rows[row]))
            found.rows.push_back(row);
    return true;
}

Scan_Outcome Scan_Found(const Found_Verses& found, const std::function<bool(int percent)>& afterHit,
                        Interface_Language language) {
    Scan_Outcome outcome;
    const Bible_Text& text = bibleText();
    const auto count = static_cast<qint64>(found.rows.size());
    QString line;
    for (qint64 i = 0; i < count; ++i) {
        const size_t index = found.rows[static_cast<size_t>(i)];
        if (index >= text.rows.size())
            break; // the Bible was read again meanwhile
        const Verse_Row& row = text.rows[index];
        const QString verse = text.verses.Verse(index);
        line.resize(0); // keeps its room for the next line
        appendReference(line, row.old, row.bible, row.part, row.verse, verse, language);
        outcome.pages.Add(line, Find_Term(verse, found.term, found.folded),
                          {static_cast<int>(Book_Number(row.old, row.bible)), static_cast<int>(row.part),
                           static_cast<int>(row.verse)});
        ++outcome.hits;
        if (afterHit && !afterHit(static_cast<int>(100 * i / count))) {
            outcome.cancelled = true;
            break;
        }
    }
    return outcome;
}

void Keep_Results(const Search_Pages& pages) {
    Result_Pages = pages.Pages();
    Result_Marks = pages.Marks();
    Result_Verses = pages.Verses();
    Page_Count = pages.Count();
}

// Qt's own settings file of the user: ~/.config/Lectarium/Lectarium.conf on Linux.
Testament_Choice Stored_Testament_Choice() {
    const QSettings settings = Preferences();
    Testament_Choice choice;
    choice.oldTestament = settings.value(QStringLiteral("Search/OldTestament"), true).toBool();
    choice.newTestament = settings.value(QStringLiteral("Search/NewTestament"), true).toBool();
    return choice;
}

void Store_Testament_Choice(const Testament_Choice& choice) {
    QSettings settings = Preferences();
    settings.setValue(QStringLiteral("Search/OldTestament"), choice.oldTestament);
    settings.setValue(QStringLiteral("Search/NewTestament"), choice.newTestament);
}

} // namespace MdlLectarium
