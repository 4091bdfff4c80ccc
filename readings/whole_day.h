#pragma once

// The whole day as one document: the dates and the title, every office with each
// reading's caption, reference and text, the prophecies, the commemorations and the
// rite; in Holy Week every hour with its reading. One structure, written out as plain
// text (the whole-day window and Save) or as HTML (lectarium-day --html, printing).

#include "base/interface_language.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace MdlLectarium {

// The caption of the whole-day window and the title of the document.
extern const QString Whole_Day_Caption;

struct Whole_Day_Entry {
    QString caption;   // "المزمور", an hour of Holy Week; empty for a prophecy
    QString reference; // the reading reference as shown
    QString text;      // the passage, lines separated by LF; empty when nothing resolves
};

struct Whole_Day_Part {
    QString caption;
    std::vector<Whole_Day_Entry> entries;
    QString text; // running text (the story, the rite), LF lines
};

struct Whole_Day_Document {
    QStringList dateLines; // the Gregorian date with the weekday, the Coptic date
    QString occasion;      // the title of the day, LF lines; may be empty
    QString fast;          // the fast of the day and what it allows; empty on a day without
    std::vector<Whole_Day_Part> parts;
    Interface_Language language = Interface_Language::Classic; // what its own words are in
};

// Reads the day in the selected-day state (Selected_Date, Season_Key, ... as Show
// leaves them) from the database at databasePath. Parts that cannot be read stay
// empty and are left out. In English the dates, title, fast, captions and commemorations
// are English; the references, the Bible text and the rite are as the database has them.
Whole_Day_Document Read_Whole_Day(const QString& databasePath,
                                  Interface_Language language = Interface_Language::Classic);

// The caption of the document in its own language.
QString Whole_Day_Title(const Whole_Day_Document& document);

// An entry's heading line: its caption and reference, the reference as English readers
// write it in English.
QString Whole_Day_Entry_Heading(const Whole_Day_Entry& entry,
                                Interface_Language language = Interface_Language::Classic);
// Lines of text as the page's HTML: each line a paragraph in its own direction.
QString Whole_Day_Lines_Html(const QString& text);

// The page header of a printed day: the title and the dates on one line.
QString Whole_Day_Header(const Whole_Day_Document& document);

// Plain text, LF line ends.
QString Whole_Day_Text(const Whole_Day_Document& document);

// A complete HTML page, UTF-8 when encoded as such, right to left, Arabic (left to right,
// English, for a document in English); each line a
// paragraph with the direction of its own text (dir) and a verse's number held at its
// start. passage, when given, writes the HTML of an entry's text in place of its lines.
QString Whole_Day_Html(const Whole_Day_Document& document,
                       const std::function<QString(const Whole_Day_Entry& entry)>& passage = {});

// Any title and plain text as the same kind of page (the passage window, a Bible
// chapter, a page of results are printed through it).
QString Text_Page_Html(const QString& title, const QString& text);
// A title and a table of texts side by side (the passage window's) as the same kind of page.
QString Table_Page_Html(const QString& title, const QString& table);

} // namespace MdlLectarium
