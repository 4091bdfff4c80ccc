#pragma once

// The calendar of a Gregorian year on paper: a first page with the moveable feasts and
// the first and last days of the fasts, then one page per month, right to left, the
// Coptic date under each day, Sundays marked, the feasts named, the fast days shaded by
// the kind of fast, with a legend.

#include "calendar/feast_dates.h"

#include <QByteArray>
#include <QList>

class QPagedPaintDevice;

namespace MdlLectarium {

// Draws the 13 pages on device (a PDF writer or a printer), starting on its current
// page. Needs the name tables and a GUI application (fonts).
// Under English its words are English and its pages read left to right.
void Draw_Year_Calendar(QPagedPaintDevice& device, int gregorianYear, const QList<Coptic_Feast>& own = {},
                        Interface_Language language = Interface_Language::Classic);

// The same as the bytes of a PDF file, A4 landscape.
QByteArray Year_Calendar_Pdf(int gregorianYear, const QList<Coptic_Feast>& own = {},
                             Interface_Language language = Interface_Language::Classic);

} // namespace MdlLectarium
