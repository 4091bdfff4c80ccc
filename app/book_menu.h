#pragma once

// The File menu's items for the day as a book: the whole day in one window,
// printing, print preview and PDF export of the active text window, and where the
// passage or chapter it shows is read.

#include <QString>

class QMenu;

namespace Lectarium {

// Adds the items at the end of the File menu (before Exit).
void Add_Book_Items(QMenu* file);

// Lists, in the window FrmWhere_Read, every reading that covers the verses the active
// window shows (a Where_Read_Source: the passage window, the Bible browser).
void Where_Read_Click();

} // namespace Lectarium
