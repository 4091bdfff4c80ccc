#include "shell/appearance.h"

#include "base/settings.h"
#include "base/text_direction.h"
#include "shell/interface_translation.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace Lectarium {

void Install_Arabic_Font() {
    const QStringList families = QFontDatabase::families();
    for (const char* candidate : {"Noto Naskh Arabic", "Amiri", "Noto Sans Arabic"}) {
        if (families.contains(QLatin1String(candidate))) {
            QFont::insertSubstitution(QStringLiteral("Arabic Transparent"), QLatin1String(candidate));
            return;
        }
    }
}

QColor Color_Value(double value, const QPalette& palette) {
    // Beyond the 32-bit range nothing is a colour; show the text colour rather than
    // convert a number that does not fit.
    if (!std::isfinite(value) || value < -2147483648.0 || value > 4294967295.0)
        return palette.color(QPalette::WindowText);
    const qint64 number = static_cast<qint64>(std::llround(value));
    if (number < 0) {
        // System colours: the low bits give the system colour index.
        switch (number & 0xFF) {
        case 0:
            return palette.color(QPalette::Button); // scroll bars
        case 1:
            return palette.color(QPalette::Dark); // desktop
        case 2:
            return palette.color(QPalette::Highlight); // active title bar
        case 3:
            return palette.color(QPalette::Mid); // inactive title bar
        case 4:
            return palette.color(QPalette::Window); // menu bar
        case 5:
            return palette.color(QPalette::Base); // window background
        case 6:
            return palette.color(QPalette::WindowText); // window frame
        case 7:
            return palette.color(QPalette::WindowText); // menu text
        case 8:
            return palette.color(QPalette::Text); // window text
        case 9:
            return palette.color(QPalette::HighlightedText); // title bar text
        case 10:                                             // active border
        case 11:
            return palette.color(QPalette::Button); // inactive border
        case 12:
            return palette.color(QPalette::Dark); // application workspace
        case 13:
            return palette.color(QPalette::Highlight);
        case 14:
            return palette.color(QPalette::HighlightedText);
        case 15:
            return palette.color(QPalette::Button); // button face
        case 16:
            return palette.color(QPalette::Dark); // button shadow
        case 17:
            return palette.color(QPalette::Disabled, QPalette::Text); // grey text
        case 18:
            return palette.color(QPalette::ButtonText);
        case 19:
            return palette.color(QPalette::Disabled, QPalette::WindowText); // inactive title text
        case 20:
            return palette.color(QPalette::Light); // 3D highlight
        case 21:
            return palette.color(QPalette::Shadow); // 3D dark shadow
        case 22:
            return palette.color(QPalette::Midlight); // 3D light
        case 23:
            return palette.color(QPalette::ToolTipText);
        case 24:
            return palette.color(QPalette::ToolTipBase);
        default:
            return palette.color(QPalette::WindowText);
        }
    }
    const auto bgr = static_cast<quint32>(number & 0xFFFFFF);
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

double Color_Number(const QColor& colour) {
    return static_cast<double>(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

QFont Text_Font() {
    using namespace MdlLectarium;
    QFont font(Font_Name);
    font.setPointSize(Font_Size > 0 ? Font_Size : 12);
    font.setBold(Font_Bold != 0);
    font.setItalic(Font_Italic != 0);
    return font;
}

void Apply_Text_Appearance(QWidget* control) {
    using namespace MdlLectarium;
    control->setFont(Text_Font());
    Apply_Colors(control, Fore_Color, Back_Color);
}

void Apply_Colors(QWidget* control, double fore, double back) {
    // System colours are looked up in the platform's palette for this kind of control,
    // not in the control's own palette, which an earlier call has already changed.
    const QPalette system = QApplication::palette(control);
    const QColor foreColour = Color_Value(fore, system);
    const QColor backColour = Color_Value(back, system);
    QPalette palette = control->palette();
    palette.setColor(QPalette::Text, foreColour);
    palette.setColor(QPalette::WindowText, foreColour);
    palette.setColor(QPalette::Base, backColour);
    palette.setColor(QPalette::Window, backColour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

namespace {

const QChar Right_To_Left_Mark(0x200F);

// Copying from a reference box puts the reference on the clipboard without the marks
// that only serve its display, by Ctrl+C as by the box's own menu.
class Reference_Copy final : public QObject {
public:
    explicit Reference_Copy(QLineEdit* box) : QObject(box), box_(box) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != box_)
            return false;
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            copy();
            return true;
        }
        if (event->type() == QEvent::ContextMenu) {
            QMenu* menu = box_->createStandardContextMenu();
            if (QAction* copyAction = menu->findChild<QAction*>(QStringLiteral("edit-copy"))) {
                copyAction->disconnect();
                connect(copyAction, &QAction::triggered, this, &Reference_Copy::copy);
            }
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        return false;
    }

private:
    void copy() {
        if (box_->hasSelectedText())
            QGuiApplication::clipboard()->setText(Plain_Reference(box_->selectedText()));
    }

    QLineEdit* box_;
};

} // namespace

void Set_Reference_Box(QLineEdit* box) {
    box->setReadOnly(true);
    box->installEventFilter(new Reference_Copy(box));
    // A line edit takes the direction of its first strong character: digits alone would
    // read left to right. The direction key fixes the base direction for later texts too.
    // English references ("2 Timothy 3:10") read left to right, the book's number first.
    QKeyEvent direction(QEvent::KeyPress,
                        Window_Direction() == Qt::LeftToRight ? Qt::Key_Direction_L : Qt::Key_Direction_R,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(box, &direction);
    // A reading of several passages is longer than its box: the box shows where it
    // starts (setText leaves the cursor at the end), the tool tip the whole of it.
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        box->setCursorPosition(0);
        box->setToolTip(text);
    });
}

QString Shown_Reference(const QString& reference) {
    return MdlLectarium::Numbers_In_Order(Plain_Reference(reference));
}

QString Plain_Reference(const QString& shown) {
    return QString(shown).remove(Right_To_Left_Mark);
}

QString Reference_Text_Of(const QLineEdit* box) {
    return Plain_Reference(box->text());
}

bool Focus_Lent_To_Menu(const QFocusEvent* event) {
    return event->reason() == Qt::PopupFocusReason || event->reason() == Qt::MenuBarFocusReason;
}

} // namespace Lectarium
