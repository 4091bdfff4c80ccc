#pragma once

// The File menu's items for the day as a book: the whole day in one window,
// printing, print preview and PDF export of the active text window.

class QMenu;

namespace Lectarium {

// Adds the items at the end of the File menu (before Exit).
void Add_Book_Items(QMenu* file);

} // namespace Lectarium
