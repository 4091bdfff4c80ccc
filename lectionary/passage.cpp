#include "lectionary/passage.h"

#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/statements.h"

#include <QRegularExpression>

#include <array>

namespace MdlLectarium {

namespace {

// A digit is one of the ten characters 0..9 and nothing else.
bool isDigit(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

const QChar Arabic_Comma(0x060C);
const QChar Elongation(0x0640);

// Accumulates digits from p; numbers beyond the 16-bit range stop at 32767.
Integer readNumber(const QString& text, qsizetype& p) {
    int value = 0;
    while (p < text.size() && isDigit(text[p])) {
        value = value * 10 + (text[p].unicode() - '0');
        if (value > 32767)
            value = 32767;
        ++p;
    }
    return static_cast<Integer>(value);
}

QString verseText(Data_Source& source) {
    return Flip_Text(source.text(QStringLiteral("Sign")));
}

// line(chapter, verse): a missing verse gives its number and an empty text.
QString singleVerse(Data_Source& source, Integer old, Integer bible, Integer chapter, Integer verse) {
    source.setRecordSource(Verse_Statement(old, bible, chapter, verse));
    source.refresh();
    return Verse_Line(verse, verseText(source));
}

QString singlePassage(Data_Source& source, const QString& reference);

// The chapter a part ends in: the second chapter of the forms that name two.
Integer lastChapter(const Reference_Parts& parts) {
    return parts.kind == 2 || parts.kind == 4 ? parts.second : parts.chapter;
}

} // namespace

Reference_Parts Parse_Reference(const QString& input) {
    Reference_Parts parts;
    // Trailing blanks carry no meaning; left in, they would read as a further number
    // and turn a verse range into a walk over chapters.
    QString text = input;
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    const qsizetype n = text.size();
    qsizetype p = 0;

    while (p < n && text[p] == QLatin1Char(' '))
        ++p;
    if (p < n)
        parts.book += text[p++];
    while (p < n && !isDigit(text[p]) && text[p] != QLatin1Char(' '))
        parts.book += text[p++];

    while (p < n && !isDigit(text[p]))
        ++p;
    parts.chapter = readNumber(text, p);

    while (p < n && !isDigit(text[p]))
        ++p;
    parts.verse = readNumber(text, p);

    while (p < n && !isDigit(text[p])) {
        if (text[p] == Arabic_Comma)
            parts.kind = 1;
        else if (text[p] == QLatin1Char('-') || text[p] == Elongation)
            parts.kind = 3;
        ++p;
    }
    parts.second = readNumber(text, p);
    const qsizetype afterSecond = p;

    while (p < n && !isDigit(text[p])) {
        if (text[p] == Arabic_Comma)
            parts.kind = 4;
        ++p;
    }
    // Something after the second number: the form goes on to a third.
    if (afterSecond + 1 < n)
        parts.kind += 1;
    parts.third = readNumber(text, p);
    return parts;
}

QStringList Split_Reference(const QString& reference) {
    // The join is the word "و" standing alone; no book abbreviation is that word.
    static const QRegularExpression join(QStringLiteral("\\s+و(?=\\s|$)"));
    QStringList pieces = reference.split(join);
    if (pieces.size() == 1)
        return pieces;
    QStringList parts;
    QString book;
    for (const QString& piece : pieces) {
        QString part = piece.trimmed();
        if (part.isEmpty())
            return {};
        Reference_Parts parsed = Parse_Reference(part);
        // A number where a book would stand ("11: 1"; "1كو" is a book) goes on in the
        // book of the part before.
        if (Find_Book(parsed.book) == 0 && isDigit(part.front()) && !book.isEmpty()) {
            part = book + QLatin1Char(' ') + part;
            parsed = Parse_Reference(part);
        }
        if (Find_Book(parsed.book) == 0 || parsed.chapter <= 0)
            return {};
        book = parsed.book;
        parts << part;
    }
    return parts;
}

QString English_Book_Name(int book) {
    // The books in the program's order, by the names English lectionaries print.
    static constexpr std::array<const char*, Book_Count + 1> books{"",
                                                                   "Genesis",
                                                                   "Exodus",
                                                                   "Leviticus",
                                                                   "Numbers",
                                                                   "Deuteronomy",
                                                                   "Joshua",
                                                                   "Judges",
                                                                   "Ruth",
                                                                   "1 Samuel",
                                                                   "2 Samuel",
                                                                   "1 Kings",
                                                                   "2 Kings",
                                                                   "1 Chronicles",
                                                                   "2 Chronicles",
                                                                   "Ezra",
                                                                   "Nehemiah",
                                                                   "Tobit",
                                                                   "Judith",
                                                                   "Esther",
                                                                   "Job",
                                                                   "Psalm",
                                                                   "Proverbs",
                                                                   "Ecclesiastes",
                                                                   "Song of Songs",
                                                                   "Wisdom",
                                                                   "Sirach",
                                                                   "Isaiah",
                                                                   "Jeremiah",
                                                                   "Lamentations",
                                                                   "Baruch",
                                                                   "Ezekiel",
                                                                   "Daniel",
                                                                   "Hosea",
                                                                   "Joel",
                                                                   "Amos",
                                                                   "Obadiah",
                                                                   "Jonah",
                                                                   "Micah",
                                                                   "Nahum",
                                                                   "Habakkuk",
                                                                   "Zephaniah",
                                                                   "Haggai",
                                                                   "Zechariah",
                                                                   "Malachi",
                                                                   "1 Maccabees",
                                                                   "2 Maccabees",
                                                                   "Matthew",
                                                                   "Mark",
                                                                   "Luke",
                                                                   "John",
                                                                   "Acts",
                                                                   "Romans",
                                                                   "1 Corinthians",
                                                                   "2 Corinthians",
                                                                   "Galatians",
                                                                   "Ephesians",
                                                                   "Philippians",
                                                                   "Colossians",
                                                                   "1 Thessalonians",
                                                                   "2 Thessalonians",
                                                                   "1 Timothy",
                                                                   "2 Timothy",
                                                                   "Titus",
                                                                   "Philemon",
                                                                   "Hebrews",
                                                                   "James",
                                                                   "1 Peter",
                                                                   "2 Peter",
                                                                   "1 John",
                                                                   "2 John",
                                                                   "3 John",
                                                                   "Jude",
                                                                   "Revelation"};
    return book >= 1 && book <= Book_Count ? QLatin1String(books[size_t(book)]) : QString();
}

QString Book_Name_In(int book, Interface_Language language) {
    if (language == Interface_Language::English)
        return English_Book_Name(book);
    return book >= 1 && book <= Book_Count ? Bible_Books[static_cast<size_t>(book)].Book_Name : QString();
}

QString Group_Name_In(int group, Interface_Language language) {
    if (group < 1 || group > Group_Count)
        return QString();
    if (language != Interface_Language::English)
        return Group_Names[static_cast<size_t>(group)];
    static constexpr std::array<const char*, Group_Count + 1> groups{"",
                                                                     "The Law",
                                                                     "Historical Books",
                                                                     "Poetic Books",
                                                                     "Major Prophets",
                                                                     "Minor Prophets",
                                                                     "Deuterocanonical Books",
                                                                     "The Four Gospels",
                                                                     "History",
                                                                     "The Epistles of St. Paul",
                                                                     "The Catholic Epistles",
                                                                     "Prophecy"};
    return QLatin1String(groups[static_cast<size_t>(group)]);
}

QString English_Reference(const QString& reference) {
    const QStringList parts = Split_Reference(reference.trimmed());
    QStringList english;
    Integer previous = 0;
    for (const QString& part : parts) {
        const QString abbreviation = Parse_Reference(part).book;
        const Integer book = Find_Book(abbreviation);
        if (book <= 0 || book > Book_Count)
            return reference;
        // "81: 3، 1-2" as "81:3, 1-2"; the book only where it changes.
        QString numbers = part.mid(part.indexOf(abbreviation) + abbreviation.size()).trimmed();
        numbers.replace(QRegularExpression(QStringLiteral(":\\s+")), QStringLiteral(":"));
        numbers.replace(QRegularExpression(QStringLiteral("\\s*\u060C\\s*")), QStringLiteral(", "));
        numbers.replace(Elongation, QLatin1Char('-'));
        english << (book == previous ? numbers : English_Book_Name(int(book)) + QLatin1Char(' ') + numbers);
        previous = book;
    }
    return english.isEmpty() ? reference : english.join(QStringLiteral("; "));
}

QString Get_Passage(const QString& reference) {
    return Get_Passage(Data_Bible(), reference);
}

int Greek_Psalm(int hebrew, int verse) {
    // The Septuagint joins 9 and 10 and 114 and 115, and splits 116 and 147.
    if (hebrew <= 8 || hebrew >= 148)
        return hebrew;
    if (hebrew <= 10)
        return 9;
    if (hebrew <= 113)
        return hebrew - 1;
    if (hebrew <= 115)
        return 113;
    if (hebrew == 116)
        return verse >= 10 ? 115 : 114;
    if (hebrew <= 146)
        return hebrew - 1;
    return verse >= 12 ? 147 : 146;
}

QString Church_Psalm_Reference(const QString& reference) {
    static const QRegularExpression join(QStringLiteral("(\\s+و(?=\\s|$))"));
    static const QRegularExpression chapter(QStringLiteral("(\\d+)(?:\\s*:\\s*(\\d+))?"));
    QString shown;
    bool psalms = false;
    qsizetype from = 0;
    const auto piece = [&](qsizetype end) {
        QString part = reference.mid(from, end - from);
        const Reference_Parts parsed = Parse_Reference(part.trimmed());
        const int book = Find_Book(parsed.book);
        if (book != 0)
            psalms = book == Psalms_Book;
        else if (part.trimmed().isEmpty() || !part.trimmed().front().isDigit())
            psalms = false;
        if (psalms) {
            // The chapter is the first number after the book's abbreviation.
            const qsizetype start = book != 0 ? part.indexOf(parsed.book) + parsed.book.size() : 0;
            const QRegularExpressionMatch m = chapter.match(part, start);
            if (m.hasMatch()) {
                const int hebrew = m.captured(1).toInt();
                const int greek = Greek_Psalm(hebrew, m.captured(2).toInt());
                if (greek != hebrew)
                    part.replace(m.capturedStart(1), m.capturedLength(1),
                                 QStringLiteral("%1 (%2)").arg(greek).arg(hebrew));
            }
        }
        shown += part;
    };
    for (QRegularExpressionMatchIterator it = join.globalMatch(reference); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        piece(m.capturedStart());
        shown += m.captured();
        from = m.capturedEnd();
    }
    piece(reference.size());
    return shown;
}

QString Reference_In(const QString& stored, Interface_Language language) {
    return language == Interface_Language::English ? English_Reference(stored)
                                                   : Church_Psalm_Reference(stored);
}

QString Stored_Psalm_Reference(const QString& shown) {
    static const QRegularExpression pair(QStringLiteral("\\d+ \\((\\d+)\\)"));
    return QString(shown).replace(pair, QStringLiteral("\\1"));
}

QString Get_Passage(Data_Source& source, const QString& reference) {
    const QStringList parts = Split_Reference(reference);
    if (parts.size() == 1)
        return singlePassage(source, reference);
    if (parts.isEmpty())
        return QString();
    // A psalm of several parts has its own text when the build made one.
    if (Find_Book(Parse_Reference(parts.front()).book) == Psalms_Book) {
        source.setRecordSource(Psalmos_Statement(Flip_Text(reference.trimmed().mid(3))));
        source.refresh();
        if (source.recordCount() != 0)
            return Flip_Text(source.text(QStringLiteral("Data"))) + Line_Break;
    }
    QString passage;
    bool anyVerse = false;
    Integer book = 0;
    Integer chapter = 0;
    for (const QString& part : parts) {
        const Reference_Parts parsed = Parse_Reference(part);
        const Integer partBook = Find_Book(parsed.book);
        if (!passage.isEmpty() && !passage.endsWith(Line_Break))
            passage += Line_Break;
        if (book != 0 && partBook != book)
            passage += Line_Break + Bible_Books[static_cast<size_t>(partBook)].Book_Name +
                       Chapter_Heading(parsed.chapter);
        else if (book != 0 && parsed.chapter != chapter)
            passage += Chapter_Heading(parsed.chapter);
        const QString text = singlePassage(source, part);
        anyVerse = anyVerse || !text.isEmpty();
        passage += text;
        book = partBook;
        chapter = lastChapter(parsed);
    }
    return anyVerse ? passage : QString();
}

namespace {

QString singlePassage(Data_Source& source, const QString& reference) {
    const Reference_Parts parts = Parse_Reference(reference);
    const Integer book = Find_Book(parts.book);
    if (book == 0)
        return QString();

    if (book == Psalms_Book) {
        source.setRecordSource(Psalmos_Statement(Flip_Text(reference.mid(3))));
        source.refresh();
        if (source.recordCount() != 0)
            return Flip_Text(source.text(QStringLiteral("Data"))) + Line_Break;
    }

    const Integer old = Book_Old(book);
    const Integer bible = Book_Bible(book);
    const Integer k = parts.chapter;
    const Integer v = parts.verse;
    const Integer w = parts.second;
    const Integer x = parts.third;

    switch (parts.kind) {
    case 0:
        return singleVerse(source, old, bible, k, v) + Line_Break;
    case 1:
        return singleVerse(source, old, bible, k, v) + Line_Break + singleVerse(source, old, bible, k, w);
    case 2:
        return singleVerse(source, old, bible, k, v) + Line_Break + Chapter_Heading(w) +
               singleVerse(source, old, bible, w, x);
    case 3: {
        source.setRecordSource(Verse_Range_Statement(old, bible, k, v, w));
        source.refresh();
        QString passage;
        for (; !source.eof(); source.moveNext())
            passage += Verse_Line(source.number(QStringLiteral("Sign_No")), verseText(source)) + Line_Break;
        return passage;
    }
    case 4: {
        source.setRecordSource(Chapter_Range_Statement(old, bible, k, w));
        source.refresh();
        QString passage;
        Integer current = k;
        for (; !source.eof(); source.moveNext()) {
            const Integer part = source.number(QStringLiteral("Part"));
            const Integer number = source.number(QStringLiteral("Sign_No"));
            if (part == k) {
                if (number < v)
                    continue;
            } else if (part == w && number > x) {
                break;
            }
            if (part != current) {
                current = part;
                passage += Chapter_Heading(part);
            }
            passage += Verse_Line(number, verseText(source)) + Line_Break;
        }
        return passage;
    }
    default:
        return singleVerse(source, old, bible, k, v) + Line_Break + singleVerse(source, old, bible, k, w) +
               Line_Break + singleVerse(source, old, bible, k, x);
    }
}

} // namespace

QString Reading_Prefix(int readingField) {
    if (readingField == 1 || readingField == 3 || readingField == 8)
        return QStringLiteral("مز ");
    if (readingField == 7)
        return QStringLiteral("اع ");
    return QString();
}

QString Church_Field_Reference(int readingField, const QString& stored) {
    const QString prefix = Reading_Prefix(readingField);
    const QString shown = Church_Psalm_Reference(prefix + stored);
    return shown.startsWith(prefix) ? shown.mid(prefix.size()) : Church_Psalm_Reference(stored);
}

} // namespace MdlLectarium
