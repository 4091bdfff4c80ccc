#pragma once

// The lectern's pages painted: one renderer for the live full-screen window and for the
// slides PDF, so that a slide is exactly the page the screen shows. Qt Gui only (text
// layout and painting), no widgets.

#include "readings/lectern_pages.h"

#include <QColor>
#include <QFont>
#include <QSizeF>

#include <memory>
#include <vector>

class QPainter;
class QTextDocument;

namespace MdlLectarium {

struct Lectern_Theme {
    QColor text;
    QColor heading;
    QColor background;
};
// Dark text on a light page, and light text on a dark one (a darkened church).
Lectern_Theme Lectern_Dark_On_Light();
Lectern_Theme Lectern_Light_On_Dark();

// The first installed Arabic family of those the program prefers, else the default.
QString Lectern_Font_Family();

class Lectern_Renderer final {
public:
    // Lays the day out on pages of pageSize (device pixels): each reading in the largest
    // type in which none of its verses is cut, a tenth of the page's height at most (one
    // long verse shrinks only its own reading).
    Lectern_Renderer(Lectern_Day day, QSizeF pageSize, const QFont& font, Lectern_Theme theme);
    ~Lectern_Renderer();
    Lectern_Renderer(const Lectern_Renderer&) = delete;
    Lectern_Renderer& operator=(const Lectern_Renderer&) = delete;

    int Page_Count() const { return static_cast<int>(pages_.size()); }
    const std::vector<Lectern_Page>& Pages() const { return pages_; }
    const Lectern_Day& Day() const { return day_; }
    // The type size of a reading.
    int Type_Size(int reading) const { return sizes_[static_cast<size_t>(reading)]; }
    // Paints page (0 the title page) over the whole page area of painter.
    void Paint(QPainter& painter, int page) const;

private:
    void layOutTitle();
    Lectern_Heights layOut(size_t reading, int size);

    Lectern_Day day_;
    QSizeF page_;
    QFont font_;
    Lectern_Theme theme_;
    std::vector<int> sizes_;
    std::vector<Lectern_Page> pages_;
    std::unique_ptr<QTextDocument> title_;
    std::vector<std::unique_ptr<QTextDocument>> headings_;
    std::vector<std::vector<std::vector<std::unique_ptr<QTextDocument>>>> cells_; // reading, row, column
};

// The day as a 16:9 PDF, one slide per page of the renderer; written through the safe
// writer, so a failure leaves the old file as it was. error tells why not.
bool Write_Lectern_Slides(const Lectern_Day& day, const QString& path, QString* error);

} // namespace MdlLectarium
