#include "app/pictures.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace Lectarium {

namespace {

const QColor gold(212, 168, 58);
const QColor paleGold(246, 222, 150);
const QColor deepRed(110, 18, 24);
const QColor parchment(250, 243, 224);
const QColor ink(60, 40, 20);

QString productName() {
    return QCoreApplication::translate("Lectarium::Pictures", "ليكتاريوم");
}
QString productLine() {
    return QCoreApplication::translate("Lectarium::Pictures", "القطمارس القبطي لكل أيام السنة");
}

QPixmap blank(const QSize& size) {
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The Coptic cross: four equal arms, each ending in three small balls, around a ring.
void drawCross(QPainter& p, const QPointF& centre, qreal size, const QColor& colour) {
    const qreal arm = size / 2.0;
    const qreal width = size * 0.16;
    const qreal ball = width * 0.55;
    p.save();
    p.translate(centre);
    p.setPen(QPen(colour.darker(160), size / 60.0));
    p.setBrush(colour);
    for (int quarter = 0; quarter < 4; ++quarter) {
        p.save();
        p.rotate(90.0 * quarter);
        p.drawRect(QRectF(-width / 2.0, -arm + ball, width, arm - ball));
        p.drawEllipse(QPointF(0, -arm + ball * 0.2), ball, ball);
        p.drawEllipse(QPointF(-width * 0.95, -arm + ball * 1.4), ball * 0.8, ball * 0.8);
        p.drawEllipse(QPointF(width * 0.95, -arm + ball * 1.4), ball * 0.8, ball * 0.8);
        p.restore();
    }
    p.setBrush(colour.lighter(120));
    p.drawEllipse(QPointF(0, 0), width * 0.9, width * 0.9);
    p.restore();
}

// An open book seen from above, centred on its spine.
void drawBook(QPainter& p, const QRectF& box) {
    const qreal mid = box.center().x();
    const qreal sag = box.height() * 0.12;
    p.save();
    p.setPen(QPen(ink, 1.2));
    p.setBrush(deepRed.darker(130));
    p.drawRoundedRect(box.adjusted(-4, sag * 0.5, 4, 6), 4, 4);
    p.setBrush(parchment);
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(mid, box.top() + sag);
        page.cubicTo(mid + side * box.width() * 0.2, box.top() - sag * 0.5, mid + side * box.width() * 0.35,
                     box.top(), box.center().x() + side * box.width() / 2.0, box.top() + sag * 0.4);
        page.lineTo(box.center().x() + side * box.width() / 2.0, box.bottom() - sag * 0.6);
        page.cubicTo(mid + side * box.width() * 0.35, box.bottom() - sag, mid + side * box.width() * 0.2,
                     box.bottom() - sag * 1.2, mid, box.bottom());
        page.closeSubpath();
        p.drawPath(page);
        // Lines of text on the page.
        p.save();
        p.setPen(QPen(ink.lighter(250), 1.0));
        const qreal inner = box.width() * 0.06;
        const qreal outer = box.width() * 0.44;
        for (qreal y = box.top() + sag * 2.2; y < box.bottom() - sag * 1.6; y += box.height() * 0.11)
            p.drawLine(QPointF(mid + side * inner, y), QPointF(mid + side * outer, y - sag * 0.15));
        p.restore();
    }
    p.restore();
}

void drawArabic(QPainter& p, const QRectF& box, const QString& text, qreal pointSize, const QColor& colour,
                bool bold, int flags = Qt::AlignCenter) {
    QFont font(QStringLiteral("Arabic Transparent"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // A translation may be longer than the Arabic the picture was drawn for: the line
    // shrinks to fit its box rather than lose its ends.
    while (font.pointSizeF() > 6 && QFontMetricsF(font).horizontalAdvance(text) > box.width())
        font.setPointSizeF(font.pointSizeF() * 0.92);
    p.save();
    p.setFont(font);
    p.setLayoutDirection(Qt::RightToLeft);
    // A soft shadow keeps the letters readable on any part of the picture.
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(box.translated(1.5, 1.5), flags, text);
    p.setPen(colour);
    p.drawText(box, flags, text);
    p.restore();
}

} // namespace

QPixmap Introduction_Picture(const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(pixmap.rect());

    QLinearGradient back(all.topLeft(), all.bottomLeft());
    back.setColorAt(0.0, deepRed.darker(150));
    back.setColorAt(1.0, deepRed.lighter(130));
    p.fillRect(all, back);
    p.setPen(QPen(gold, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(4, 4, -4, -4));
    p.setPen(QPen(paleGold, 1));
    p.drawRect(all.adjusted(9, 9, -9, -9));

    // The cross stands at the right, where an Arabic reader starts.
    const qreal crossSize = all.height() * 0.55;
    const QPointF crossCentre(all.right() - crossSize * 0.75, all.top() + all.height() * 0.42);
    QRadialGradient glow(crossCentre, crossSize * 0.8);
    glow.setColorAt(0.0, QColor(255, 230, 160, 150));
    glow.setColorAt(1.0, QColor(255, 230, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(crossCentre, crossSize * 0.8, crossSize * 0.8);
    drawCross(p, crossCentre, crossSize, gold);

    const QRectF bookBox(all.left() + all.width() * 0.12, all.top() + all.height() * 0.58, all.width() * 0.42,
                         all.height() * 0.28);
    drawBook(p, bookBox);

    const QRectF textBox(all.left() + 14, all.top() + 14, all.width() * 0.62, all.height() * 0.42);
    drawArabic(p, textBox.adjusted(0, 0, 0, -textBox.height() * 0.4), productName(), all.height() * 0.12,
               paleGold, true);
    drawArabic(p, textBox.adjusted(0, textBox.height() * 0.6, 0, 0), productLine(), all.height() * 0.055,
               parchment, false);
    return pixmap;
}

QPixmap Splash_Picture(const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(pixmap.rect());
    const qreal w = all.width();
    const qreal h = all.height();

    QLinearGradient sky(all.topLeft(), all.bottomLeft());
    sky.setColorAt(0.0, QColor(16, 24, 64));
    sky.setColorAt(0.55, QColor(92, 60, 120));
    sky.setColorAt(0.8, QColor(236, 140, 70));
    sky.setColorAt(1.0, QColor(250, 200, 110));
    p.fillRect(all, sky);

    // A few fixed stars.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220));
    const std::array<QPointF, 12> stars{{{0.07, 0.08},
                                         {0.16, 0.22},
                                         {0.29, 0.11},
                                         {0.41, 0.05},
                                         {0.55, 0.17},
                                         {0.66, 0.07},
                                         {0.78, 0.2},
                                         {0.9, 0.1},
                                         {0.95, 0.3},
                                         {0.04, 0.34},
                                         {0.36, 0.28},
                                         {0.71, 0.32}}};
    for (const QPointF& s : stars)
        p.drawEllipse(QPointF(s.x() * w, s.y() * h), 1.4, 1.4);

    // The church: a nave, a central dome and two bell towers, as a dark outline
    // against the sunset with lit windows.
    const QColor stone(46, 30, 40);
    const qreal ground = h * 0.86;
    const qreal centre = w * 0.5;
    p.setBrush(stone);
    p.drawRect(QRectF(centre - w * 0.2, ground - h * 0.28, w * 0.4, h * 0.28));                 // nave
    p.drawRect(QRectF(centre - w * 0.09, ground - h * 0.4, w * 0.18, h * 0.14));                // drum
    p.drawChord(QRectF(centre - w * 0.09, ground - h * 0.49, w * 0.18, h * 0.18), 0, 180 * 16); // dome
    for (int side : {-1, 1}) {
        const qreal x = centre + side * w * 0.23;
        p.drawRect(QRectF(x - w * 0.04, ground - h * 0.46, w * 0.08, h * 0.46));
        p.drawChord(QRectF(x - w * 0.04, ground - h * 0.51, w * 0.08, h * 0.1), 0, 180 * 16);
    }
    // Crosses on the dome and the towers.
    drawCross(p, QPointF(centre, ground - h * 0.53), h * 0.08, gold);
    for (int side : {-1, 1})
        drawCross(p, QPointF(centre + side * w * 0.23, ground - h * 0.54), h * 0.05, gold);
    // Arched, lit windows.
    p.setBrush(QColor(255, 214, 120));
    auto window = [&p](const QRectF& r) {
        QPainterPath path;
        path.moveTo(r.left(), r.bottom());
        path.lineTo(r.left(), r.top() + r.width() / 2.0);
        path.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
        path.lineTo(r.right(), r.bottom());
        path.closeSubpath();
        p.drawPath(path);
    };
    for (int i = -2; i <= 2; ++i)
        window(QRectF(centre + i * w * 0.07 - w * 0.014, ground - h * 0.2, w * 0.028, h * 0.09));
    for (int side : {-1, 1})
        window(QRectF(centre + side * w * 0.23 - w * 0.012, ground - h * 0.36, w * 0.024, h * 0.07));
    // The door.
    window(QRectF(centre - w * 0.03, ground - h * 0.1, w * 0.06, h * 0.1));

    p.setBrush(QColor(30, 20, 24));
    p.drawRect(QRectF(0, ground, w, h - ground));

    drawArabic(p, QRectF(0, h * 0.04, w, h * 0.2), productName(), h * 0.09, paleGold, true);
    drawArabic(p, QRectF(0, h * 0.2, w, h * 0.1), productLine(), h * 0.04, parchment, false);
    drawArabic(p, QRectF(0, ground, w, h - ground),
               QCoreApplication::translate("Lectarium::Pictures", "اضغط أي مفتاح أو انقر الصورة للمتابعة"),
               h * 0.03, parchment, false);

    p.setPen(QPen(gold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(1, 1, -1, -1));
    return pixmap;
}

QPixmap About_Picture(const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(pixmap.rect());
    const qreal side = std::min(all.width(), all.height());
    const QPointF centre = all.center();
    QRadialGradient disc(centre, side / 2.0);
    disc.setColorAt(0.0, deepRed.lighter(140));
    disc.setColorAt(1.0, deepRed.darker(140));
    p.setPen(QPen(gold, side / 30.0));
    p.setBrush(disc);
    p.drawEllipse(centre, side / 2.0 - 2, side / 2.0 - 2);
    drawCross(p, centre, side * 0.62, gold);
    return pixmap;
}

} // namespace Lectarium
