#include "lectionary/sword_bible.h"

#include "base/preferences.h"
#include "base/regular_file.h"
#include "base/safe_file.h"
#include "lectionary/bible_books.h"
#include "lectionary/bible_import.h"
#include "lectionary/passage.h"
#include "lectionary/sword_import.h"

#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace MdlLectarium {

namespace {

constexpr char Cache_Header[] = "Lectarium translation cache 1\t";
// A whole Bible with its text is some 5 MB; anything far larger is not a cache of ours.
constexpr qint64 Cache_Limit = qint64(64) << 20;

QString oneLine(QString text) {
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

bool readCache(const QString& path, const QString& stamp, Translation& out) {
    QByteArray bytes;
    QString reason;
    if (!Read_Regular_File(path, Cache_Limit, bytes, reason))
        return false;
    // Read as bytes, line by line: the cache is opened at every start, and splitting the
    // whole text into strings first costs as much again.
    const QByteArray header = QByteArray(Cache_Header) + stamp.toUtf8() + '\n';
    if (!bytes.startsWith(header))
        return false;
    std::map<std::tuple<int, int, int>, QString> verses;
    const char* at = bytes.constData() + header.size();
    const char* const end = bytes.constData() + bytes.size();
    while (at < end) {
        const char* lineEnd = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
        if (!lineEnd)
            lineEnd = end;
        int numbers[3] = {};
        for (int& n : numbers) {
            const auto [next, fault] = std::from_chars(at, lineEnd, n);
            if (fault != std::errc() || next == lineEnd || *next != '\t')
                return false;
            at = next + 1;
        }
        if (std::memchr(at, '\t', static_cast<size_t>(lineEnd - at)))
            return false;
        // The lines are written in order, so each verse goes at the end.
        verses.emplace_hint(verses.end(), std::tuple{numbers[0], numbers[1], numbers[2]},
                            QString::fromUtf8(at, lineEnd - at));
        at = lineEnd + 1;
    }
    out.verses = std::move(verses);
    return !out.verses.empty();
}

} // namespace

QString Sword_Module_Stamp(const QString& name) {
    sword::SWLog::getSystemLog()->setLogLevel(sword::SWLog::LOG_ERROR);
    sword::SWMgr manager;
    sword::SWModule* module = manager.getModule(name.toUtf8().constData());
    if (!module || !module->getType() || std::strcmp(module->getType(), "Biblical Texts") != 0)
        return {};
    QStringList parts;
    for (const char* key : {"Versification", "SourceType", "Encoding", "ModDrv", "CompressType"}) {
        const char* value = module->getConfigEntry(key);
        parts << QString::fromUtf8(value ? value : "");
    }
    const char* data = module->getConfigEntry("AbsoluteDataPath");
    const QDir folder(QString::fromUtf8(data ? data : ""));
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files, QDir::Name))
        parts << QStringLiteral("%1:%2:%3")
                     .arg(file.fileName())
                     .arg(file.size())
                     .arg(file.lastModified().toMSecsSinceEpoch());
    return parts.join(QLatin1Char('|'));
}

// The program's cache folder whichever tool asks: the command-line tools share the
// caches the program builds.
QString Translation_Cache_File(const QString& module) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Lectarium/bibles/") + module + QStringLiteral(".tsv");
}

bool Open_Translation(const QString& name, Translation& out, QString& error,
                      const std::function<bool(int)>& progress, bool* rebuilt) {
    if (rebuilt)
        *rebuilt = false;
    out.name = name;
    const QString stamp = Sword_Module_Stamp(name);
    const QString cache = Translation_Cache_File(name);
    if (!stamp.isEmpty() && readCache(cache, stamp, out))
        return true;

    Sword_Entries entries;
    if (!Read_Sword_Bible(name, entries, error, progress))
        return false;
    if (rebuilt)
        *rebuilt = true;
    Mapped_Verses mapped;
    Map_Export_Verses(entries.verses, entries.osis, mapped);
    if (mapped.verses.empty()) {
        error = QStringLiteral("%1: no verse of the 73 books could be read: the module is damaged or "
                               "not a Bible")
                    .arg(name);
        return false;
    }
    out.verses = std::move(mapped.verses);

    QByteArray bytes = QByteArray(Cache_Header) + stamp.toUtf8() + '\n';
    for (const auto& [key, text] : out.verses) {
        const auto [book, chapter, verse] = key;
        bytes +=
            QStringLiteral("%1\t%2\t%3\t%4\n").arg(book).arg(chapter).arg(verse).arg(oneLine(text)).toUtf8();
    }
    // A cache that cannot be written leaves the translation usable: the next start reads
    // the module again.
    QDir().mkpath(QFileInfo(cache).path());
    Write_File_Safely(cache, bytes);
    return true;
}

QMap<int, QString> Translation_Verses(const Translation& translation, int book, int chapter, int first,
                                      int last) {
    QMap<int, QString> verses;
    for (auto it = translation.verses.lower_bound({book, chapter, first}); it != translation.verses.end();
         ++it) {
        const auto [b, c, v] = it->first;
        if (b != book || c != chapter || (last > 0 && v > last))
            break;
        verses.insert(v, it->second);
    }
    return verses;
}

QList<Aligned_Row> Align_Verses(const QList<QMap<int, QString>>& columns) {
    QList<int> numbers;
    for (const QMap<int, QString>& column : columns)
        numbers += column.keys();
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    QList<Aligned_Row> rows;
    for (int verse : std::as_const(numbers)) {
        Aligned_Row row{verse, {}};
        for (const QMap<int, QString>& column : columns)
            row.cells << column.value(verse);
        rows << row;
    }
    return rows;
}

QList<Passage_Span> Reference_Spans(const QString& reference) {
    if (Bible_Books[1].Abbreviation.isEmpty())
        Init_Bible_Tables();
    QList<Passage_Span> spans;
    for (const QString& part : Split_Reference(reference)) {
        const Reference_Parts p = Parse_Reference(part);
        const int book = Find_Book(p.book);
        if (book == 0)
            continue;
        const int k = p.chapter, v = p.verse, w = p.second, x = p.third;
        switch (p.kind) {
        case 0:
            spans << Passage_Span{book, k, v, v};
            break;
        case 1:
            spans << Passage_Span{book, k, v, v} << Passage_Span{book, k, w, w};
            break;
        case 2:
            spans << Passage_Span{book, k, v, v} << Passage_Span{book, w, x, x};
            break;
        case 3:
            spans << Passage_Span{book, k, v, w};
            break;
        case 4:
            spans << Passage_Span{book, k, v, 0};
            for (int chapter = k + 1; chapter < w; ++chapter)
                spans << Passage_Span{book, chapter, 1, 0};
            spans << Passage_Span{book, w, 1, x};
            break;
        default:
            spans << Passage_Span{book, k, v, v} << Passage_Span{book, k, w, w}
                  << Passage_Span{book, k, x, x};
            break;
        }
    }
    return spans;
}

QStringList Reading_Verses(const Translation& translation, const QString& reference) {
    QStringList verses;
    for (const Passage_Span& span : Reference_Spans(reference)) {
        const QMap<int, QString> found =
            Translation_Verses(translation, span.book, span.chapter, span.first, span.last);
        for (auto it = found.begin(); it != found.end(); ++it)
            verses << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    }
    return verses;
}

QList<Passage_Block> Side_By_Side(const QList<const Translation*>& translations, const QString& reference) {
    return Side_By_Side(translations, Reference_Spans(reference));
}

QList<Passage_Block> Side_By_Side(const QList<const Translation*>& translations,
                                  const QList<Passage_Span>& spans) {
    QList<Passage_Block> blocks;
    QList<QMap<int, QString>> columns;
    const auto close = [&] {
        if (!blocks.isEmpty())
            blocks.last().rows = Align_Verses(columns);
        columns.clear();
    };
    for (const Passage_Span& span : spans) {
        if (blocks.isEmpty() || blocks.last().book != span.book || blocks.last().chapter != span.chapter) {
            close();
            blocks << Passage_Block{span.book, span.chapter, {}};
            for (qsizetype i = 0; i < translations.size(); ++i)
                columns << QMap<int, QString>();
        }
        for (qsizetype i = 0; i < translations.size(); ++i)
            columns[i].insert(
                Translation_Verses(*translations[i], span.book, span.chapter, span.first, span.last));
    }
    close();
    return blocks;
}

Bible_Choice Stored_Bible_Choice() {
    const QSettings settings = Preferences();
    Bible_Choice choice;
    choice.main =
        settings.value(QStringLiteral("Bibles/Main"), QString::fromLatin1(Database_Bible_Name)).toString();
    choice.beside = settings.value(QStringLiteral("Bibles/Beside")).toStringList().mid(0, Max_Beside);
    return choice;
}

void Store_Bible_Choice(const Bible_Choice& choice) {
    QSettings settings = Preferences();
    settings.setValue(QStringLiteral("Bibles/Main"), choice.main);
    settings.setValue(QStringLiteral("Bibles/Beside"), choice.beside.mid(0, Max_Beside));
}

} // namespace MdlLectarium
