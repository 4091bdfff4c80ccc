#pragma once

// The lectern: the day's readings as pages for a screen or a slide. The readings come
// from the whole day in order (a Holy Week day gives its hours); each reading is a list
// of rows, one per verse, each row one cell per translation with the direction of its
// own text. Paging works on measured heights only, so that it is the same for a screen
// and a PDF page and can be checked without fonts.

#include <QString>
#include <QStringList>
#include <Qt>

#include <functional>
#include <vector>

namespace MdlLectarium {

struct Whole_Day_Document;

struct Lectern_Cell {
    QString text;
    Qt::LayoutDirection direction = Qt::RightToLeft;
};

// One verse in every column.
struct Lectern_Row {
    std::vector<Lectern_Cell> cells;
};

struct Lectern_Reading {
    QString office;    // "عشية", a Holy Week day's caption
    QString caption;   // "المزمور", an hour; empty for a prophecy
    QString reference; // as shown: the church's psalm numbers, or as English readers write it
    QString lookup;    // as the day's text keeps it, to find the verses in a translation
    std::vector<Lectern_Row> rows;
};

struct Lectern_Day {
    QString title;         // the title of the day, LF lines; may be empty
    QStringList dateLines; // Gregorian and Coptic
    int columns = 1;
    // The day's text in the first column: at the right of a right-to-left page.
    Qt::LayoutDirection direction = Qt::RightToLeft;
    std::vector<Lectern_Reading> readings;
};

// The readings of a whole day, in their order, one column, in the document's language. The story and the rite
// are not read from the lectern and are left out.
Lectern_Day Lectern_Day_Of(const Whole_Day_Document& document);

// A second column beside the day's text: verses(reference) gives a reading's text in
// the other translation, verse by verse, in its own direction. Verse n sits beside the
// day's verse n of the same chapter; a verse only one text has gets a row with the other
// column empty, so that no text is lost when they count verses differently. A day
// already in two columns is left as it is.
void Lectern_Add_Beside(Lectern_Day& day, const std::function<QStringList(const QString& reference)>& verses);

// The heading line of a reading: office, reading and reference.
QString Lectern_Heading(const Lectern_Reading& reading);

// The measured heights of one reading in one type size: its heading and each row.
struct Lectern_Heights {
    double heading = 0;
    std::vector<double> rows;
};

// A page: the title page (reading -1), or the rows first .. first + count - 1 of a
// reading under its heading.
struct Lectern_Page {
    int reading = -1;
    int firstRow = 0;
    int rowCount = 0;
    friend bool operator==(const Lectern_Page&, const Lectern_Page&) = default;
};

// The pages of the day: the title page, then each reading's rows page by page, a page
// holding as many whole rows under the heading as its height takes. Empty when some row
// does not fit on a page with its heading (the type is too large).
std::vector<Lectern_Page> Lectern_Paginate(const std::vector<Lectern_Heights>& readings, double pageHeight);

// The largest type size from largest down to smallest in which the day pages without a
// cut, with its pages; smallest (cut where it must) when none does.
struct Lectern_Fit {
    int size = 0;
    std::vector<Lectern_Page> pages;
};
Lectern_Fit Lectern_Fit_Size(int largest, int smallest, double pageHeight,
                             const std::function<std::vector<Lectern_Heights>(int size)>& measure);

// The first page of each reading, for "a number then Enter".
int Lectern_First_Page(const std::vector<Lectern_Page>& pages, int reading);

} // namespace MdlLectarium
