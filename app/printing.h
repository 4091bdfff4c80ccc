#pragma once

// Printing, print preview and PDF export of the active window, when it is Printable
// (shell/printable.h). Every page is right to left in the Arabic font, with the title
// and the date in its header and its number at the foot; each paragraph reads in the
// direction of its own text.

#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace Lectarium {

// What is printed, taken from the window once; a preview paints it again at every
// change of its page setup.
struct Printout {
    QString title;
    QString date;
    QString html; // the body, a whole HTML page
};

// What a window prints; false for a window that is not Printable.
bool Printout_Of(const QWidget* form, Printout& out);
// The same for the active window (Active_Form).
bool Active_Printout(Printout& out);

// Lays the document out on the device's pages and paints them.
void Paint_Printout(const Printout& printout, QPagedPaintDevice& device);

// Writes the PDF; nothing is written over an existing file unless the whole new file
// was written. error tells why not.
bool Write_Pdf(const Printout& printout, const QString& path, QString& error);

// The pages of a window that draws its own (shell/printable.h) as a PDF at path, through
// the safe writer; error tells why not.
class Paged_Printable;
bool Write_Paged_Pdf(const Paged_Printable& pages, const QString& path, QString& error);

// The File menu's commands; a window that draws its own pages is handed the device.
void Print_Click();
void Print_Preview_Click();
void Export_Pdf_Click();

} // namespace Lectarium
