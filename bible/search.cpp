#include "bible/search.h"

#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/scrambled_text.h"
#include "shell/basic_text.h"

namespace MdlLectarium {

QStringList Result_Pages{QString(), QString()};
int Page_Count = 1;

QString Reference_Text(const Integer& old, const Integer& bible, const Integer& chapter, const Integer& verse,
                       const QString& text) {
    const Integer book = Book_Number(old, bible);
    // A row outside the 73 books (a damaged database) still shows, without a name.
    const QString abbreviation = book >= 1 && book <= Book_Count ? Bible_Books[book].Abbreviation : QString();
    return text + QStringLiteral(" (") + abbreviation + QLatin1Char(' ') + Num_Text(qint64(chapter)) +
           QStringLiteral(" : ") + Num_Text(qint64(verse)) + QLatin1Char(')') + Line_Break;
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

Search_Pages::Search_Pages() : pages_{QString(), QString()} {}

void Search_Pages::Add(const QString& line) {
    QString& page = pages_.last();
    page += line;
    if (page.size() > Page_Limit)
        pages_.append(QString());
}

Scan_Outcome Scan_Hits(Data_Source& source, const std::function<bool(int percent)>& afterHit) {
    Scan_Outcome outcome;
    const QString oldField = QStringLiteral("Old");
    const QString bibleField = QStringLiteral("Bible");
    const QString partField = QStringLiteral("Part");
    const QString verseField = QStringLiteral("Sign_No");
    const QString signField = QStringLiteral("Sign");
    for (source.moveFirst(); !source.eof(); source.moveNext()) {
        const Integer old = source.number(oldField);
        const Integer bible = source.number(bibleField);
        const Integer part = source.number(partField);
        const Integer verse = source.number(verseField);
        const QString text = Flip_Text(source.text(signField));
        outcome.pages.Add(Reference_Text(old, bible, part, verse, text));
        ++outcome.hits;
        if (afterHit && !afterHit(source.percentPosition())) {
            outcome.cancelled = true;
            break;
        }
    }
    return outcome;
}

void Keep_Results(const Search_Pages& pages) {
    Result_Pages = pages.Pages();
    Page_Count = pages.Count();
}

} // namespace MdlLectarium
