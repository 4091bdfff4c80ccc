#pragma once

// Colours and fonts as the settings hold them.

#include <QColor>
#include <QFont>
#include <QString>

class QFocusEvent;
class QLineEdit;
class QPalette;
class QWidget;

namespace Lectarium {

// Makes the font name "Arabic Transparent", which the stored settings and the earlier
// program use, draw with an installed Arabic font. Call before the first window.
void Install_Arabic_Font();

// A stored colour value: 0..16777215 is blue-green-red (255 is red); the negative
// values 0x80000000 + n name system colours, taken from the palette (0x80000008 window
// text, 0x80000005 window background).
QColor Color_Value(double value, const QPalette& palette);
// The stored value of a colour (always an explicit colour).
double Color_Number(const QColor& colour);

// The text appearance of the settings: font name, size, bold, italic.
QFont Text_Font();
// Applies the text appearance of the settings (font and both colours) to a
// text-showing control.
void Apply_Text_Appearance(QWidget* control);
// Applies a text colour and a background colour, as stored values, to a control;
// system colours come from the platform's palette for that kind of control.
void Apply_Colors(QWidget* control, double fore, double back);

// A reference box reads right to left whatever its text, so "55: 9-11" shows its
// chapter on the right as a Gospel reference does; it can be selected and copied but
// not edited. A reference longer than the box shows its start, and the whole of it as
// the tool tip.
void Set_Reference_Box(QLineEdit* box);
// A reference as a reference box shows it: a right-to-left mark after a book's
// abbreviation keeps the digits that follow it European, so "لو 16: 14-21" keeps its
// verse range in order as "55: 9-11" does.
QString Shown_Reference(const QString& reference);
// A shown reference without the marks that only serve its display.
QString Plain_Reference(const QString& shown);
// The reference a reference box holds, ready to be looked up, saved or copied.
QString Reference_Text_Of(const QLineEdit* box);

// True when a focus change only opened a menu: the text keeps its place as the one
// File > Save writes.
bool Focus_Lent_To_Menu(const QFocusEvent* event);

} // namespace Lectarium
