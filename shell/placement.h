#pragma once

// Window placement kept in the settings in twips (15 twips to a pixel at 96 dpi).

#include <QRect>
#include <QString>

class QWidget;

namespace Lectarium {

constexpr int Twips_Per_Pixel = 15;
int To_Pixels(int twips);
int To_Twips(int pixels);
// A rectangle of a window's design, in twips, on the screen.
QRect To_Pixels(const QRect& twips);
// A hand-placed rectangle (pixels) of a design drawn for a right-to-left window, within
// a parent parentWidth pixels wide: as it is, or mirrored when the windows run left to
// right (English). Qt mirrors layouts, never geometry set by hand.
QRect In_Window_Direction(const QRect& pixels, int parentWidth);
// The same for a rectangle of the design in twips, within a parent that many twips wide.
QRect Placed(const QRect& twips, int parentTwips);

// The settings values of one window. Width and height are null for windows whose
// size is fixed.
struct Placement {
    qint16* state = nullptr;
    qint16* top = nullptr;
    qint16* left = nullptr;
    qint16* width = nullptr;
    qint16* height = nullptr;
    // A window the settings file has no keys for keeps its placement in Qt's own
    // settings (QSettings) under this name; the settings file keeps its 49 lines.
    QString ownName;
};

// A window's values by the name its keys start with ("FrmPain" for FrmPain_Top and
// the rest); a value the file does not keep stays null. A name the file keeps no value
// for at all names a placement kept in Qt's own settings.
Placement Stored_Placement(const char* name);

// Whether the placement holds a size of the window's own (in either settings file).
bool Has_Stored_Size(const Placement& p);

// Puts a window (a top-level window or an MDI sub-window) where its values say; a
// stored minimised state opens it normal. The values name the geometry that
// QWidget::geometry() reports: the client area of a top-level window.
void Restore_Placement(QWidget* window, const Placement& placement);
// A window's rectangle as its stored values name it, and back: in a right-to-left frame
// (the Arabic interface) a child's left value counts from the frame's right edge, so
// the children open at the side the reader starts from. Unchanged elsewhere.
QRect In_Frame_Direction(const QWidget* window, const QRect& rect);
// The window's geometry now stands for the stored values it was placed from: a window
// the program had to fit into its frame, and the reader then left alone, writes those
// values back unchanged.
void Mark_Placed(QWidget* window);
// Stores the state, and the geometry only while the window is in the normal state.
void Store_Placement(const QWidget* window, const Placement& placement);

// A normal window smaller than the given outer size springs back to it. True when it
// was resized (its resize handling then runs again); a minimised or maximised window is
// left alone.
bool Spring_Back(QWidget* window, int minimumWidthTwips, int minimumHeightTwips);

// Window state as stored: 0 normal, 1 minimised, 2 maximised.
qint16 Stored_State(const QWidget* window);

} // namespace Lectarium
