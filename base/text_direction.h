#pragma once

// The direction of a paragraph, taken from its own text: the one rule by which the
// windows, the lists, the printouts and the HTML pages set each paragraph right to left
// and flush right (Arabic) or left to right and flush left (English).

#include <QList>
#include <QString>

namespace MdlLectarium {

// The direction of the first strong character outside isolates (Unicode's rules P2 and
// P3, which QString::isRightToLeft applies); a paragraph without one (digits, blanks)
// reads in the direction of the page, right to left.
Qt::LayoutDirection Paragraph_Direction(QStringView text);

// "rtl" or "ltr": the paragraph's direction as an HTML dir attribute.
QString Html_Direction(QStringView text);

// A line that starts with a number (a verse line) with a mark of the line's own
// direction after the number: whatever follows, bidi keeps the number at the start of
// its line. Other lines are returned as they are.
QString Number_Held_At_Start(const QString& line);

// European digits after an Arabic letter count as Arabic numbers, which a hyphen does not
// join: "عب 10: 19-39" would show its range backwards. A right-to-left mark between
// the letter and the digits keeps them European and the range in order.
QString Numbers_In_Order(const QString& text);
// Where Numbers_In_Order puts its marks: the positions of text before which one goes, in
// order. A mark never reaches across a line break.
QList<qsizetype> Number_Order_Marks(const QString& text);

} // namespace MdlLectarium
