#pragma once

// Writes the Bible table of a source folder from a standard Bible export, mapping the
// export's books to the program's 73-book numbering.

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace MdlLectarium {

// The verse text of an OSIS fragment: notes, headings and speaker labels dropped, the
// other markup removed so that the words on both sides stay apart, blanks collapsed.
QString Strip_Osis(const QString& fragment);

// One entry of an export: SWORD's book name ("Genesis", "I Samuel", "Additional
// Psalm"), chapter, verse and text.
struct Export_Verse {
    QString book;
    int chapter = 0;
    int verse = 0;
    QString text;
};

// The entries of an export placed in the program's 73 books: the parts of Daniel the
// Hebrew text lacks in chapters 3, 13 and 14, Psalm 151 after the psalms, the letter of
// Jeremiah as Baruch 6, Greek Esther as Esther. Their text is made plain (OSIS markup
// stripped when osisMarkup), then passed through finish when given. What has no place
// is counted by the export's book name.
struct Mapped_Verses {
    std::map<std::tuple<int, int, int>, QString> verses; // book, chapter, verse
    QMap<QString, int> skippedBooks;
    QMap<QString, int> emptyVerses;
    QMap<QString, int> outOfRange; // past the book's last chapter
    QMap<QString, int> outOfRangeBook;
};
void Map_Export_Verses(const std::vector<Export_Verse>& verses, bool osisMarkup, Mapped_Verses& out,
                       const std::function<QString(const QString&)>& finish = {});

// Writes SOURCE_FOLDER/Bible.txt from the entries of an export, mapped onto the 73
// books; their text is OSIS markup when osisMarkup, plain text otherwise. origin names
// the export in messages. Bible.txt is left as it was when no entry is a verse.
bool Write_Bible_Table(const std::vector<Export_Verse>& verses, bool osisMarkup, const QString& origin,
                       const QString& sourceFolder, QStringList& report, QString& error);

// The largest export read: several times a whole Bible with its markup.
constexpr qint64 Imp_File_Limit = qint64(256) << 20;

// FORMAT "imp": the text that SWORD's mod2imp writes ("$$$Book C:V" lines, each
// followed by the verse). Writes SOURCE_FOLDER/Bible.txt; report receives what was
// mapped, skipped, replaced and left empty. False with a reason on failure.
bool Import_Bible(const QString& format, const QString& file, const QString& sourceFolder,
                  QStringList& report, QString& error);

} // namespace MdlLectarium
