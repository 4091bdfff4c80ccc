#include "lectionary/bible_import.h"

#include "base/basic_text.h"
#include "base/regular_file.h"
#include "base/safe_file.h"
#include "lectionary/bible_books.h"
#include "lectionary/source_folder.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringDecoder>

#include <map>
#include <tuple>

namespace MdlLectarium {

namespace {

const QChar Dropped_Mark(0x0001);

// Elements whose content is not verse text.
bool droppedElement(QStringView name, QStringView tag) {
    if (name == u"title")
        return !tag.contains(u"canonical=\"true\"");
    return name == u"note" || name == u"speaker" || name == u"rdg" || name == u"catchWord" ||
           name == u"reference";
}

// Markup that sits inside a word or phrase and so must not add a blank.
bool inlineElement(QStringView name) {
    static const char16_t* const names[] = {u"w",           u"q",           u"seg",        u"name",    u"hi",
                                            u"transChange", u"foreign",     u"divineName", u"abbr",    u"a",
                                            u"index",       u"inscription", u"mentioned",  u"rdgGroup"};
    for (const char16_t* candidate : names)
        if (name == QStringView(candidate))
            return true;
    return false;
}

QString decodeEntities(const QString& text) {
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out = text;
    out.replace(QLatin1String("&lt;"), QLatin1String("<"));
    out.replace(QLatin1String("&gt;"), QLatin1String(">"));
    out.replace(QLatin1String("&quot;"), QLatin1String("\""));
    out.replace(QLatin1String("&apos;"), QLatin1String("'"));
    out.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return out;
}

struct Target {
    int book = 0;
    int priority = 0; // the higher source wins when two give the same book
};

// The export's book names (SWORD's names, and common other spellings) to book numbers.
const QHash<QString, Target>& bookNames() {
    static const QHash<QString, Target> names = [] {
        QHash<QString, Target> h;
        const char* const english[Book_Count] = {"Genesis",
                                                 "Exodus",
                                                 "Leviticus",
                                                 "Numbers",
                                                 "Deuteronomy",
                                                 "Joshua",
                                                 "Judges",
                                                 "Ruth",
                                                 "I Samuel",
                                                 "II Samuel",
                                                 "I Kings",
                                                 "II Kings",
                                                 "I Chronicles",
                                                 "II Chronicles",
                                                 "Ezra",
                                                 "Nehemiah",
                                                 "Tobit",
                                                 "Judith",
                                                 "Esther",
                                                 "Job",
                                                 "Psalms",
                                                 "Proverbs",
                                                 "Ecclesiastes",
                                                 "Song of Solomon",
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
                                                 "I Maccabees",
                                                 "II Maccabees",
                                                 "Matthew",
                                                 "Mark",
                                                 "Luke",
                                                 "John",
                                                 "Acts",
                                                 "Romans",
                                                 "I Corinthians",
                                                 "II Corinthians",
                                                 "Galatians",
                                                 "Ephesians",
                                                 "Philippians",
                                                 "Colossians",
                                                 "I Thessalonians",
                                                 "II Thessalonians",
                                                 "I Timothy",
                                                 "II Timothy",
                                                 "Titus",
                                                 "Philemon",
                                                 "Hebrews",
                                                 "James",
                                                 "I Peter",
                                                 "II Peter",
                                                 "I John",
                                                 "II John",
                                                 "III John",
                                                 "Jude",
                                                 "Revelation of John"};
        for (int i = 0; i < Book_Count; ++i) {
            QString name = QString::fromLatin1(english[i]);
            h.insert(name, {i + 1, 1});
            // "1 Samuel" beside "I Samuel".
            if (name.startsWith(QLatin1String("III ")))
                h.insert(QStringLiteral("3 ") + name.mid(4), {i + 1, 1});
            else if (name.startsWith(QLatin1String("II ")))
                h.insert(QStringLiteral("2 ") + name.mid(3), {i + 1, 1});
            else if (name.startsWith(QLatin1String("I ")))
                h.insert(QStringLiteral("1 ") + name.mid(2), {i + 1, 1});
        }
        h.insert(QStringLiteral("Song of Songs"), {24, 1});
        h.insert(QStringLiteral("Wisdom of Solomon"), {25, 1});
        h.insert(QStringLiteral("Ecclesiasticus"), {26, 1});
        h.insert(QStringLiteral("Revelation"), {73, 1});
        // Esther with its additions is the book the program numbers 19.
        h.insert(QStringLiteral("Esther (Greek)"), {19, 2});
        h.insert(QStringLiteral("Greek Esther"), {19, 2});
        return h;
    }();
    return names;
}

using Source_Verse = Export_Verse;

bool readImp(const QString& path, std::vector<Source_Verse>& verses, QString& error) {
    // An export of a whole Bible with its markup is some 30 MB; a link to a device or a
    // named pipe would never end.
    QByteArray bytes;
    QString reason;
    if (!Read_Regular_File(path, Imp_File_Limit, bytes, reason)) {
        error = QStringLiteral("%1: cannot be read: %2").arg(path, reason);
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString all = utf8.decode(bytes);
    if (utf8.hasError()) {
        error = QStringLiteral("%1: not valid UTF-8").arg(path);
        return false;
    }
    const QStringList lines = all.split(QLatin1Char('\n'));
    Source_Verse* current = nullptr;
    int entries = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1String("$$$"))) {
            ++entries;
            current = nullptr;
            const QString key = line.mid(3).trimmed();
            // "Book C:V"; other keys ("[ Module Heading ]") carry no verse.
            const qsizetype blank = key.lastIndexOf(QLatin1Char(' '));
            const qsizetype colon = key.lastIndexOf(QLatin1Char(':'));
            if (blank < 0 || colon < blank)
                continue;
            bool okC = false, okV = false;
            const int chapter = key.mid(blank + 1, colon - blank - 1).toInt(&okC);
            const int verse = key.mid(colon + 1).toInt(&okV);
            if (!okC || !okV)
                continue;
            verses.push_back({key.left(blank), chapter, verse, QString()});
            current = &verses.back();
            continue;
        }
        if (current) {
            if (!current->text.isEmpty())
                current->text += QLatin1Char(' ');
            current->text += line;
        }
    }
    if (entries == 0) {
        error = QStringLiteral("%1: no \"$$$Book C:V\" entries: not an IMP export").arg(path);
        return false;
    }
    return true;
}

// Characters the code page cannot hold: letters lose their accents, a few marks get
// their nearest form, anything else becomes '?'. Counted for the report.
QString representable(const QString& text, QMap<QChar, int>& replaced) {
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        if (Cp1256_Code(ch) >= 0) {
            out += ch;
            continue;
        }
        replaced[ch] += 1;
        QString plain;
        for (QChar part : QString(ch).normalized(QString::NormalizationForm_KD))
            if (part.category() != QChar::Mark_NonSpacing && Cp1256_Code(part) >= 0)
                plain += part;
        if (!plain.isEmpty()) {
            out += plain;
            continue;
        }
        switch (ch.unicode()) {
        case 0x2010:
        case 0x2011:
        case 0x2012:
            out += QLatin1Char('-');
            break;
        // Arabic that the code page spells otherwise: the wasla alef as the plain alef,
        // the superscript alef left to the letter it sits on (the common spelling),
        // the Persian forms of ya and kaf as the Arabic ones.
        case 0x0671:
            out += QChar(0x0627);
            break;
        case 0x0670:
            break;
        case 0x06CC:
            out += QChar(0x064A);
            break;
        case 0x06A9:
            out += QChar(0x0643);
            break;
        case 0x00A0:
        case 0x2002:
        case 0x2003:
        case 0x2009:
        case 0x200A:
            out += QLatin1Char(' ');
            break;
        default:
            out += QLatin1Char('?');
        }
    }
    return out;
}

} // namespace

QString Strip_Osis(const QString& fragment) {
    QString out;
    out.reserve(fragment.size());
    qsizetype i = 0;
    const qsizetype n = fragment.size();
    // Name of the element whose content is being dropped, and its nesting depth.
    QString dropping;
    int depth = 0;
    while (i < n) {
        const QChar ch = fragment[i];
        if (ch != QLatin1Char('<')) {
            if (dropping.isEmpty())
                out += ch;
            ++i;
            continue;
        }
        const qsizetype end = fragment.indexOf(QLatin1Char('>'), i);
        if (end < 0)
            break; // a cut-off tag: the rest is markup
        const QStringView tag = QStringView(fragment).mid(i, end - i + 1);
        i = end + 1;
        const bool closing = tag.startsWith(QLatin1String("</"));
        const bool selfClosing = tag.endsWith(QLatin1String("/>"));
        qsizetype nameStart = closing ? 2 : 1;
        qsizetype nameEnd = nameStart;
        while (nameEnd < tag.size() && !tag[nameEnd].isSpace() && tag[nameEnd] != QLatin1Char('/') &&
               tag[nameEnd] != QLatin1Char('>'))
            ++nameEnd;
        const QStringView name = tag.mid(nameStart, nameEnd - nameStart);

        if (!dropping.isEmpty()) {
            if (name == dropping && !selfClosing) {
                depth += closing ? -1 : 1;
                if (depth == 0) {
                    dropping.clear();
                    out += Dropped_Mark;
                }
            }
            continue;
        }
        if (!closing && !selfClosing && droppedElement(name, tag)) {
            dropping = name.toString();
            depth = 1;
            continue;
        }
        if (!inlineElement(name))
            out += QLatin1Char(' ');
    }
    // Where a note stood the words on both sides stay apart, but punctuation that
    // followed the note still follows its word.
    for (qsizetype p = out.indexOf(Dropped_Mark); p >= 0; p = out.indexOf(Dropped_Mark, p)) {
        qsizetype next = p + 1;
        while (next < out.size() && (out[next].isSpace() || out[next] == Dropped_Mark))
            ++next;
        const bool punctuation = next < out.size() && QStringLiteral(".,;:!?").contains(out[next]);
        out[p] = punctuation ? Dropped_Mark : QLatin1Char(' ');
        if (punctuation) {
            out.remove(p, next - p);
            // A blank already before the mark stays before the punctuation otherwise.
            while (p > 0 && out[p - 1].isSpace())
                out.remove(--p, 1);
        } else {
            ++p;
        }
    }
    out = decodeEntities(out);
    // One blank between words, none at the ends.
    return out.simplified();
}

bool Import_Bible(const QString& format, const QString& file, const QString& sourceFolder,
                  QStringList& report, QString& error) {
    if (format.compare(QLatin1String("imp"), Qt::CaseInsensitive) != 0) {
        error = QStringLiteral("unknown format \"%1\" (known: imp, the text that SWORD's mod2imp writes)")
                    .arg(format);
        return false;
    }
    const QString target = QDir(sourceFolder).filePath(QStringLiteral("Bible.txt"));
    if (Same_File(file, target)) {
        error = QStringLiteral("%1: is the export being imported; it is not written over").arg(target);
        return false;
    }
    std::vector<Source_Verse> source;
    if (!readImp(file, source, error))
        return false;
    return Write_Bible_Table(source, true, file, sourceFolder, report, error);
}

void Map_Export_Verses(const std::vector<Export_Verse>& source, bool osisMarkup, Mapped_Verses& out,
                       const std::function<QString(const QString&)>& finish) {
    if (Bible_Books[1].Abbreviation.isEmpty())
        Init_Bible_Tables();
    const auto plain = [osisMarkup](const QString& text) {
        return osisMarkup ? Strip_Osis(text) : text.simplified();
    };

    // The parts of Daniel that the Hebrew text lacks, placed where the program's
    // numbering has them: the song of the three in chapter 3 after verse 23, Susanna
    // as chapter 13, Bel and the dragon as chapter 14. Psalm 151 follows the psalms.
    int azariahVerses = 0;
    for (const Source_Verse& v : source)
        if ((v.book == QLatin1String("Prayer of Azariah") ||
             v.book == QLatin1String("Song of the Three Children")) &&
            v.verse > 0 && !plain(v.text).isEmpty())
            azariahVerses = std::max(azariahVerses, v.verse);

    QMap<int, int> bookPriority;
    for (const Source_Verse& v : source) {
        const auto it = bookNames().constFind(v.book);
        if (it != bookNames().constEnd())
            bookPriority[it->book] = std::max(bookPriority.value(it->book), it->priority);
    }

    for (const Source_Verse& v : source) {
        if (v.verse <= 0 || v.chapter <= 0)
            continue; // book and chapter introductions
        int book = 0;
        int chapter = v.chapter;
        int verse = v.verse;
        const auto it = bookNames().constFind(v.book);
        if (it != bookNames().constEnd()) {
            if (it->priority < bookPriority.value(it->book))
                continue;
            book = it->book;
            if (book == 32 && chapter == 3 && verse > 23 && azariahVerses > 0)
                verse += azariahVerses;
        } else if (v.book == QLatin1String("Prayer of Azariah") ||
                   v.book == QLatin1String("Song of the Three Children")) {
            book = 32;
            chapter = 3;
            verse = 23 + v.verse;
        } else if (v.book == QLatin1String("Susanna")) {
            book = 32;
            chapter = 13;
        } else if (v.book == QLatin1String("Bel and the Dragon")) {
            book = 32;
            chapter = 14;
        } else if (v.book == QLatin1String("Additional Psalm") || v.book == QLatin1String("Psalm 151")) {
            book = 21;
            chapter = 151;
        } else if (v.book == QLatin1String("Letter of Jeremiah") ||
                   v.book == QLatin1String("Epistle of Jeremiah")) {
            book = 30;
            chapter = 6;
        } else {
            out.skippedBooks[v.book] += 1;
            continue;
        }
        if (chapter > Chapter_Counts[book] || verse > 32767) {
            out.outOfRange[v.book] += 1;
            out.outOfRangeBook[v.book] = book;
            continue;
        }
        const QString text = finish ? finish(plain(v.text)) : plain(v.text);
        if (text.isEmpty()) {
            out.emptyVerses[v.book] += 1;
            continue;
        }
        out.verses[{book, chapter, verse}] = text;
    }
}

bool Write_Bible_Table(const std::vector<Export_Verse>& source, bool osisMarkup, const QString& origin,
                       const QString& sourceFolder, QStringList& report, QString& error) {
    QMap<QChar, int> replaced;
    Mapped_Verses mapped;
    Map_Export_Verses(source, osisMarkup, mapped,
                      [&replaced](const QString& text) { return representable(text, replaced); });
    const auto& verses = mapped.verses;
    const auto& skippedBooks = mapped.skippedBooks;
    const auto& emptyVerses = mapped.emptyVerses;
    const auto& outOfRange = mapped.outOfRange;
    const auto& outOfRangeBook = mapped.outOfRangeBook;

    QString content = QStringLiteral("Old\tBible\tPart\tSign_No\tSign\n");
    QMap<int, QSet<int>> chaptersSeen;
    QMap<int, int> versesPerBook;
    for (const auto& [key, text] : verses) {
        const auto [book, chapter, verse] = key;
        content += QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                       .arg(Book_Old(static_cast<Integer>(book)))
                       .arg(Book_Bible(static_cast<Integer>(book)))
                       .arg(chapter)
                       .arg(verse)
                       .arg(Escape_Field(text, false));
        chaptersSeen[book].insert(chapter);
        versesPerBook[book] += 1;
    }

    // A Bible table without a verse would replace a good one by its header alone.
    if (versesPerBook.isEmpty()) {
        int outside = 0;
        for (int count : std::as_const(outOfRange))
            outside += count;
        error =
            QStringLiteral("%1: no entry of the export is a verse of the 73 books%2; Bible.txt is left as "
                           "it was")
                .arg(origin, outside > 0 ? QStringLiteral(" (%1 entries lie outside the chapters of "
                                                          "their book)")
                                               .arg(outside)
                                         : QString());
        return false;
    }
    if (!QDir().mkpath(sourceFolder)) {
        error = QStringLiteral("%1: cannot make the folder").arg(sourceFolder);
        return false;
    }
    const QString target = QDir(sourceFolder).filePath(QStringLiteral("Bible.txt"));
    QString reason;
    if (!Write_File_Safely(target, content.toUtf8(), &reason)) {
        error = QStringLiteral("%1: cannot be written: %2").arg(target, reason);
        return false;
    }

    report << QStringLiteral("%1 verses of %2 books written to %3")
                  .arg(verses.size())
                  .arg(versesPerBook.size())
                  .arg(target);
    for (int book = 1; book <= Book_Count; ++book) {
        const QString label = QStringLiteral("book %1 %2").arg(book).arg(Bible_Books[book].Book_Name);
        if (!versesPerBook.contains(book)) {
            report << label + QStringLiteral(": not in the export, left empty");
            continue;
        }
        QStringList missing;
        for (int chapter = 1; chapter <= Chapter_Counts[book]; ++chapter)
            if (!chaptersSeen[book].contains(chapter))
                missing << QString::number(chapter);
        if (!missing.isEmpty())
            report << label +
                          QStringLiteral(": no verses in chapter %1").arg(missing.join(QStringLiteral(", ")));
    }
    for (auto it = skippedBooks.cbegin(); it != skippedBooks.cend(); ++it)
        report << QStringLiteral("\"%1\": not one of the 73 books, %2 entries skipped")
                      .arg(it.key())
                      .arg(it.value());
    for (auto it = outOfRange.cbegin(); it != outOfRange.cend(); ++it) {
        const int book = outOfRangeBook.value(it.key());
        report << QStringLiteral("\"%1\": %2 entries outside the %3 chapters of book %4 %5 skipped")
                      .arg(it.key())
                      .arg(it.value())
                      .arg(Chapter_Counts[book])
                      .arg(book)
                      .arg(Bible_Books[book].Book_Name);
    }
    for (auto it = emptyVerses.cbegin(); it != emptyVerses.cend(); ++it)
        report << QStringLiteral("\"%1\": %2 entries without text skipped").arg(it.key()).arg(it.value());
    for (auto it = replaced.cbegin(); it != replaced.cend(); ++it)
        report << QStringLiteral("character U+%1 has no code in code page 1256: replaced %2 times")
                      .arg(it.key().unicode(), 4, 16, QLatin1Char('0'))
                      .arg(it.value());
    return true;
}

} // namespace MdlLectarium
