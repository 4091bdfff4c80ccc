#pragma once

// Child windows of the main frame.

#include "shell/placement.h"

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace Lectarium {

// The frame child windows open in: the main window and its multiple-document area,
// set by the top of the program while the main window exists; nullptr in tests of a
// lone window. Child windows take the main window as a widget only: what they may ask
// of it is in main_commands.h.
void Set_Frame(QWidget* mainWindow, QMdiArea* area);
QWidget* Main_Widget();
QMdiArea* Frame_Area();
// The form of the frame's active sub-window (nullptr when none is active); without a
// frame, the active window.
QWidget* Active_Form();

// Puts a form into the main window's MDI area as a sub-window that is deleted with the
// form when it closes, and shows it. Without a main window the form is shown as a
// window of its own. Returns the sub-window, or nullptr when there is none. Escape
// closes the form like its close box.
// A form with a placement name ("FrmPain": the settings keys FrmPain_Top and the rest)
// is placed from its stored values, which take its placement back as it closes; a name
// the settings file has no keys for is kept in Qt's own settings (placement.h).
// A form without a stored size opens at the size it asked for (its resize() before this
// call, else its size hint), as far as the frame has room; every sub-window opens
// inside the frame where it fits.
QMdiSubWindow* Show_Child(QWidget* form, const char* placementName = nullptr);

// Moves a sub-window that fits into its frame's area wholly inside it.
void Keep_Inside_Frame(QMdiSubWindow* sub);

// A sub-window takes the frame's whole area (with a small margin), never shrinking: for
// windows of long texts that have not been given a size of their own. The stored size
// stays as it was unless the reader resizes the window.
void Use_Frame_Room(QMdiSubWindow* sub);

// The widget whose placement a form keeps: its MDI sub-window, or the form itself.
QWidget* Placement_Widget(QWidget* form);

} // namespace Lectarium
