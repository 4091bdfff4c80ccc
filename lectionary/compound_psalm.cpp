#include "lectionary/compound_psalm.h"

#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"

#include <QRegularExpression>

#include <utility>
#include <vector>

namespace MdlLectarium {

namespace {

using Verse_List = std::vector<std::pair<int, int>>;

// The verses a psalm of several pieces names: "73: 23، 24، 28 و 9: 14" (a piece is a
// verse or a range V-W), or "32: 11-33: 1 و 32: 6". Empty when the text is not of that
// form, or a range over chapters reaches a verse the Bible lacks.
Verse_List compoundVerses(const QString& text, const QHash<qint64, QString>& bible) {
    static const QRegularExpression group(QStringLiteral("^(\\d+): *(.+)$"));
    static const QRegularExpression across(QStringLiteral("^(\\d+)-(\\d+): *(\\d+)$"));
    static const QRegularExpression piece(QStringLiteral("^(\\d+)(?:-(\\d+))?$"));
    Verse_List verses;
    for (const QString& part : text.split(QStringLiteral(" و "))) {
        const QRegularExpressionMatch g = group.match(part.trimmed());
        if (!g.hasMatch())
            return {};
        const int chapter = g.captured(1).toInt();
        const QRegularExpressionMatch a = across.match(g.captured(2));
        if (a.hasMatch()) {
            const int last = a.captured(2).toInt();
            for (int c = chapter, v = a.captured(1).toInt();
                 c < last || (c == last && v <= a.captured(3).toInt());) {
                if (bible.contains(Verse_Key(Psalms_Book, c, v))) {
                    verses.emplace_back(c, v++);
                } else if (c < last) {
                    ++c;
                    v = 1;
                } else {
                    return {}; // the verse is not in the Bible
                }
            }
            continue;
        }
        for (const QString& item : g.captured(2).split(QChar(0x060C))) {
            const QRegularExpressionMatch m = piece.match(item.trimmed());
            if (!m.hasMatch())
                return {};
            const int first = m.captured(1).toInt();
            const int last = m.captured(2).isEmpty() ? first : m.captured(2).toInt();
            for (int v = first; v <= last; ++v)
                verses.emplace_back(chapter, v);
        }
    }
    return verses;
}

// The verses the passage engine reads for the whole text as one reference.
Verse_List engineVerses(const QString& text, const QHash<qint64, QString>& bible) {
    const Reference_Parts p = Parse_Reference(Psalm_Prefix + text);
    const int k = p.chapter, v = p.verse, w = p.second, x = p.third;
    switch (p.kind) {
    case 0:
        return {{k, v}};
    case 1:
        return {{k, v}, {k, w}};
    case 2:
        return {{k, v}, {w, x}};
    case 3: {
        Verse_List out;
        for (int verse = v; verse <= w; ++verse)
            out.emplace_back(k, verse);
        return out;
    }
    case 4: {
        Verse_List out;
        for (int c = k; c <= w; ++c)
            for (int verse = c == k ? v : 1;
                 bible.contains(Verse_Key(Psalms_Book, c, verse)) && (c < w || verse <= x); ++verse)
                out.emplace_back(c, verse);
        return out;
    }
    default:
        return {{k, v}, {k, w}, {k, x}};
    }
}

} // namespace

const QString Psalm_Prefix = QStringLiteral("مز ");

qint64 Verse_Key(int book, int chapter, int verse) {
    return (static_cast<qint64>(book) << 32) | (static_cast<qint64>(chapter & 0xFFFF) << 16) |
           (verse & 0xFFFF);
}

bool Is_Compound_Psalm(const QString& psalm, const QHash<qint64, QString>& bible) {
    const Verse_List verses = compoundVerses(psalm, bible);
    return !verses.empty() && verses != engineVerses(psalm, bible);
}

QString Compound_Psalm_Text(const QString& psalm, const QHash<qint64, QString>& bible) {
    const Verse_List verses = compoundVerses(psalm, bible);
    if (verses.empty() || verses == engineVerses(psalm, bible))
        return QString();
    QString data;
    int chapter = verses.front().first;
    for (size_t i = 0; i < verses.size(); ++i) {
        const auto [c, v] = verses[i];
        const auto found = bible.constFind(Verse_Key(Psalms_Book, c, v));
        if (found == bible.constEnd())
            return QString();
        if (c != chapter)
            data += Line_Break + Chapter_Heading(static_cast<Integer>(c));
        else if (i > 0)
            data += Line_Break;
        chapter = c;
        data += Verse_Line(static_cast<Integer>(v), *found);
    }
    return data;
}

QHash<qint64, QString> Psalm_Verses(Database& database) {
    Result_Set rows;
    QString error;
    QHash<qint64, QString> verses;
    if (database.Run(QStringLiteral("SELECT Part, Sign_No, Sign FROM Bible WHERE Old <> 0 AND Bible = %1")
                         .arg(Psalms_Book),
                     rows, error))
        for (const auto& row : rows.rows)
            if (!row[2].isNull())
                verses.insert(Verse_Key(Psalms_Book, static_cast<int>(row[0].toLongLong()),
                                        static_cast<int>(row[1].toLongLong())),
                              Flip_Text(row[2].toString()));
    return verses;
}

bool Is_Made_Psalm(const QString& psalm, const QString& data, const QHash<qint64, QString>& bible) {
    const QString made = Compound_Psalm_Text(psalm, bible);
    return !made.isEmpty() && made == data;
}

} // namespace MdlLectarium
