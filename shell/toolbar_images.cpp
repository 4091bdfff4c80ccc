#include "shell/toolbar_images.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace Lectarium {

namespace {

// Simple drawn images, so that the toolbar needs no image files.
QPixmap draw(int number) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 40, 40);
    const QColor gold(190, 140, 30);
    const QColor red(170, 30, 30);
    const QColor blue(30, 70, 160);
    p.setPen(QPen(ink, 1.6));
    switch (number) {
    case 1: { // Reading: a calendar page with a cross
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(4, 6, 24, 22), 2, 2);
        p.setBrush(red);
        p.drawRect(QRectF(4, 6, 24, 6));
        p.setPen(QPen(gold, 2.6));
        p.drawLine(QPointF(16, 15), QPointF(16, 26));
        p.drawLine(QPointF(11.5, 19), QPointF(20.5, 19));
        break;
    }
    case 2: { // View Bible: an open book
        p.setBrush(QColor(250, 246, 232));
        QPainterPath left;
        left.moveTo(16, 9);
        left.cubicTo(12, 6, 7, 6, 3, 8);
        left.lineTo(3, 26);
        left.cubicTo(7, 24, 12, 24, 16, 27);
        left.closeSubpath();
        QPainterPath right;
        right.moveTo(16, 9);
        right.cubicTo(20, 6, 25, 6, 29, 8);
        right.lineTo(29, 26);
        right.cubicTo(25, 24, 20, 24, 16, 27);
        right.closeSubpath();
        p.drawPath(left);
        p.drawPath(right);
        p.setPen(QPen(gold, 1.2));
        for (int y = 12; y <= 21; y += 3) {
            p.drawLine(QPointF(6, y), QPointF(13, y + 0.5));
            p.drawLine(QPointF(19, y + 0.5), QPointF(26, y));
        }
        break;
    }
    case 3: { // Bible Search: a magnifier over a page
        p.setBrush(QColor(250, 246, 232));
        p.drawRect(QRectF(4, 3, 17, 22));
        p.setPen(QPen(blue, 3));
        p.setBrush(QColor(200, 220, 255, 160));
        p.drawEllipse(QPointF(17, 16), 7, 7);
        p.drawLine(QPointF(22, 21), QPointF(29, 29));
        break;
    }
    case 4: { // Save: a disk
        p.setBrush(blue);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(220, 220, 220));
        p.drawRect(QRectF(8, 18, 16, 10));
        break;
    }
    case 5: { // Exit: a door with an arrow
        p.setBrush(QColor(150, 100, 60));
        p.drawRect(QRectF(5, 4, 14, 25));
        p.setPen(QPen(red, 3));
        p.drawLine(QPointF(14, 16), QPointF(28, 16));
        p.drawLine(QPointF(23, 11), QPointF(28, 16));
        p.drawLine(QPointF(23, 21), QPointF(28, 16));
        break;
    }
    case 6: { // Text_View: letters and a colour swatch
        QFont font(QStringLiteral("DejaVu Serif"), 16, QFont::Bold);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(QRectF(2, 0, 22, 26), Qt::AlignCenter, QStringLiteral("A"));
        p.setBrush(red);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(4, 25, 24, 4));
        break;
    }
    case 7: { // Help: a question mark in a circle
        p.setBrush(blue);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(3, 3, 26, 26));
        QFont font(QStringLiteral("DejaVu Sans"), 15, QFont::Bold);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case 8: { // New: a blank page with a folded corner
        p.setBrush(Qt::white);
        QPainterPath page;
        page.moveTo(7, 3);
        page.lineTo(20, 3);
        page.lineTo(26, 9);
        page.lineTo(26, 29);
        page.lineTo(7, 29);
        page.closeSubpath();
        p.drawPath(page);
        p.drawLine(QPointF(20, 3), QPointF(20, 9));
        p.drawLine(QPointF(20, 9), QPointF(26, 9));
        break;
    }
    case 9: { // Open: a folder
        p.setBrush(gold);
        QPainterPath folder;
        folder.moveTo(3, 8);
        folder.lineTo(12, 8);
        folder.lineTo(14, 11);
        folder.lineTo(28, 11);
        folder.lineTo(28, 27);
        folder.lineTo(3, 27);
        folder.closeSubpath();
        p.drawPath(folder);
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(3, 15, 25, 12));
        break;
    }
    default:
        break;
    }
    return pixmap;
}

} // namespace

QIcon Toolbar_Image(int number) {
    return QIcon(draw(number));
}

} // namespace Lectarium
