#pragma once

// What the File menu asks of the active window: Print, Print Preview and Export PDF
// its printout (Printable), "where is this read" the verses it shows
// (Where_Read_Source). A window implements what it offers; the top asks the active
// window once, by these interfaces and not by its class. The printed body is a whole
// HTML page, so that whatever a window lays out prints on the same pages with the same
// header and foot.

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;

namespace Lectarium {

class Printable {
public:
    virtual ~Printable() = default;
    // The title in each page's header; also the PDF's title and the printer's job name.
    virtual QString Print_Title() const = 0;
    // The date in each page's header; empty: the day it is printed.
    virtual QString Print_Date() const { return QString(); }
    // A whole HTML page, each paragraph with the direction of its own text.
    virtual QString Print_Html() const = 0;
};

// A window that draws its own pages (a calendar grid) rather than a text: Print and
// Export PDF hand it the printer or the PDF writer, laid out as it asks.
class Paged_Printable {
public:
    virtual ~Paged_Printable() = default;
    // The printer's job name and the PDF's title.
    virtual QString Print_Title() const = 0;
    virtual QPageLayout Print_Layout() const = 0;
    // Draws every page on device, from its current page on.
    virtual void Paint_Pages(QPagedPaintDevice& device) const = 0;
};

// A window showing verses that File > "أين تقرأ هذه القراءة" can ask about.
class Where_Read_Source {
public:
    virtual ~Where_Read_Source() = default;
    // The reading reference of the verses shown ("يو 3: 16", "تك 1"); empty when none.
    virtual QString Where_Reference() const = 0;
};

} // namespace Lectarium
