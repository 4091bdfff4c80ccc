#pragma once

// Printing, print preview and PDF export of the text windows: the whole day, the
// passage window, the Bible chapter and a page of search results. Every page is right
// to left in the Arabic font, with the title and the date in its header and its number
// at the foot; each paragraph reads in the direction of its own text.

#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace Lectarium {

struct Printable {
    QString title;
    QString date;
    QString html; // the body, a whole HTML page
};

// What a window prints; false for a window that prints nothing.
bool Printable_Of(const QWidget* form, Printable& out);
// The active child window of the main window (or the given window without one).
bool Active_Printable(Printable& out);

// Lays the document out on the device's pages and paints them.
void Paint_Printable(const Printable& printable, QPagedPaintDevice& device);

// Writes the PDF; nothing is written over an existing file unless the whole new file
// was written. error tells why not.
bool Write_Pdf(const Printable& printable, const QString& path, QString& error);

// The File menu's commands.
void Print_Click();
void Print_Preview_Click();
void Export_Pdf_Click();

} // namespace Lectarium
