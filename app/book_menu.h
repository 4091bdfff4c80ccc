#pragma once

// The File menu's items for the day as a book: the whole day in one window,
// printing, print preview and PDF export of the active text window, and where the
// passage or chapter it shows is read.

#include <QString>

class QMenu;
class QWidget;

namespace Lectarium {

// Adds the items at the end of the File menu (before Exit).
void Add_Book_Items(QMenu* file);

// The reference a window asks "where is this read" about: the passage window's reading,
// the Bible browser's chapter; empty for other windows.
QString Where_Reference(const QWidget* form);
// Lists, in the window FrmWhere_Read, every reading that covers the active window's verses.
void Where_Read_Click();

} // namespace Lectarium
