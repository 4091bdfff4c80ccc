#include "shell/appearance.h"

#include "shell/settings.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace Lectarium {

void Install_Arabic_Font()
{
    const QStringList families = QFontDatabase::families();
    for (const char* candidate : {"Noto Naskh Arabic", "Amiri", "Noto Sans Arabic"}) {
        if (families.contains(QLatin1String(candidate))) {
            QFont::insertSubstitution(QStringLiteral("Arabic Transparent"), QLatin1String(candidate));
            return;
        }
    }
}

QColor Color_Value(double value, const QPalette& palette)
{
    const qint64 number = static_cast<qint64>(std::llround(value));
    if (number < 0) {
        // System colours: the low bits give the system colour index.
        switch (number & 0xFF) {
        case 5: return palette.color(QPalette::Base);        // window background
        case 8: return palette.color(QPalette::Text);        // window text
        case 15: return palette.color(QPalette::Button);     // button face
        case 18: return palette.color(QPalette::ButtonText); // button text
        case 13: return palette.color(QPalette::Highlight);
        case 14: return palette.color(QPalette::HighlightedText);
        default: return palette.color(QPalette::WindowText);
        }
    }
    const auto bgr = static_cast<quint32>(number & 0xFFFFFF);
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

double Color_Number(const QColor& colour)
{
    return static_cast<double>(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

QFont Text_Font()
{
    using namespace MdlLectarium;
    QFont font(Font_Name);
    font.setPointSize(Font_Size > 0 ? Font_Size : 12);
    font.setBold(Font_Bold != 0);
    font.setItalic(Font_Italic != 0);
    return font;
}

void Apply_Text_Appearance(QWidget* control)
{
    using namespace MdlLectarium;
    control->setFont(Text_Font());
    QPalette palette = control->palette();
    const QPalette system = QApplication::palette(control);
    const QColor fore = Color_Value(Fore_Color, system);
    const QColor back = Color_Value(Back_Color, system);
    palette.setColor(QPalette::Text, fore);
    palette.setColor(QPalette::WindowText, fore);
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Window, back);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

} // namespace Lectarium
