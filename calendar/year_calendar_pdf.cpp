#include "calendar/year_calendar_pdf.h"

#include "calendar/date_labels.h"
#include "calendar/english_names.h"
#include "calendar/fasts.h"

#include <QBuffer>
#include <QLocale>
#include <QMap>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>

#include <array>
#include <utility>

namespace MdlLectarium {

namespace {

// The page in logical units (A4 landscape, a unit about a third of a millimetre);
// fonts are sized in the same units.
constexpr qreal Page_Width = 840;
constexpr qreal Page_Height = 594;
constexpr qreal Margin = 30;

const QColor Sunday_Color(0xb0, 0x10, 0x10);
const QColor Line_Color(0x60, 0x60, 0x60);

// The shade of each kind of fast, light enough for the print over it to stay legible.
struct Fast_Shade {
    Fast_Kind kind;
    QColor color;
};
const std::array<Fast_Shade, 8> Fast_Shades{{
    {Fast_Kind::Nineveh, QColor(0xd8, 0xe8, 0xf8)},
    {Fast_Kind::Lent, QColor(0xe8, 0xd8, 0xf0)},
    {Fast_Kind::Pascha, QColor(0xd0, 0xc0, 0xe0)},
    {Fast_Kind::Apostles, QColor(0xd8, 0xf0, 0xd8)},
    {Fast_Kind::Virgin, QColor(0xd8, 0xf0, 0xf0)},
    {Fast_Kind::Nativity, QColor(0xf8, 0xf0, 0xc8)},
    {Fast_Kind::Paramoun, QColor(0xf8, 0xd8, 0xc0)},
    {Fast_Kind::WedFri, QColor(0xe8, 0xe8, 0xe8)},
}};

QColor shadeOf(Fast_Kind kind) {
    for (const Fast_Shade& shade : Fast_Shades)
        if (shade.kind == kind)
            return shade.color;
    return Qt::white;
}

QFont fontOf(qreal size, bool bold = false) {
    QFont font(QStringLiteral("Arabic Transparent"));
    font.setPixelSize(qRound(size));
    font.setBold(bold);
    return font;
}

// The direction of text's first strong letter; a number alone follows the page, right to left.
bool rightToLeft(const QString& text) {
    for (const QChar c : text) {
        const QChar::Direction direction = c.direction();
        if (direction == QChar::DirL)
            return false;
        if (direction == QChar::DirR || direction == QChar::DirAL)
            return true;
    }
    return true;
}

// Each line in the direction of its own text, flush to where it starts unless centred.
void drawText(QPainter& painter, const QRectF& box, const QString& text, qreal size, bool bold = false,
              bool centred = false) {
    painter.setFont(fontOf(size, bold));
    QTextOption option;
    const bool rtl = rightToLeft(text);
    option.setTextDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment((centred ? Qt::AlignHCenter : (rtl ? Qt::AlignRight : Qt::AlignLeft)) | Qt::AlignTop |
                        Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::WordWrap);
    painter.drawText(box, text, option);
}

// The calendar's own words in the reader's language; the page reads right to left in
// Arabic, left to right in English.
struct Words {
    bool english = false;

    QString dayName(const QDate& date) const {
        return english ? QLocale(QLocale::English).dayName(date.dayOfWeek()) : Date_Labels(date).dayName;
    }
    QString monthName(const QDate& date) const {
        return english ? QLocale(QLocale::English).monthName(date.month()) : Date_Labels(date).normalMonth;
    }
    QString gregorianDate(const QDate& date) const {
        return english ? QString::number(date.day()) + QLatin1Char(' ') + monthName(date)
                       : Date_Labels(date).normalDay + QLatin1Char(' ') + Date_Labels(date).normalMonth;
    }
    // The Coptic day and month, with the year when asked.
    QString copticDate(const QDate& date, bool withYear = true) const {
        Integer day = 0, month = 0, year = 0;
        Coptic_Date(date, day, month, year);
        if (english)
            return QString::number(day) + QLatin1Char(' ') + English_Coptic_Month(int(month)) +
                   (withYear ? QLatin1Char(' ') + QString::number(year) : QString());
        const Day_Labels labels = Date_Labels(date);
        return labels.copticDay + QLatin1Char(' ') + labels.copticMonth +
               (withYear ? QLatin1Char(' ') + labels.copticYear : QString());
    }
    // The Coptic month and year.
    QString copticMonth(const QDate& date) const {
        if (!english) {
            const Day_Labels labels = Date_Labels(date);
            return labels.copticMonth + QLatin1Char(' ') + labels.copticYear;
        }
        Integer day = 0, month = 0, year = 0;
        Coptic_Date(date, day, month, year);
        return English_Coptic_Month(int(month)) + QLatin1Char(' ') + QString::number(year);
    }
    QString feastName(Feast feast) const { return english ? English_Feast_Name(feast) : Feast_Name(feast); }
    QString fastName(Fast_Kind kind) const { return english ? English_Fast_Name(kind) : Fast_Name(kind); }
    QString foodName(Fast_Food food) const {
        return english ? English_Fast_Food_Name(food) : Fast_Food_Name(food);
    }
    QString title(int year) const {
        return english ? QStringLiteral("The Coptic Calendar for %1").arg(year)
                       : QStringLiteral("التقويم القبطي لسنة %1").arg(year);
    }
    QString moveableFeasts() const {
        return english ? QStringLiteral("Moveable Feasts") : QStringLiteral("الأعياد المتغيرة");
    }
    QString fasts() const { return english ? QStringLiteral("Fasts") : QStringLiteral("الأصوام"); }
    QString fromTo(const QString& first, const QString& last) const {
        return english ? QStringLiteral("from ") + first + QStringLiteral(" to ") + last
                       : QStringLiteral("من ") + first + QStringLiteral(" إلى ") + last;
    }
    QString listJoin() const { return english ? QStringLiteral(", ") : QStringLiteral("، "); }
};

// The first page: the feasts whose day moves with Easter, then each fast with its
// first and last day, in two columns, right to left.
void drawFirstPage(QPainter& painter, int year, const Words& words) {
    drawText(painter, QRectF(Margin, Margin, Page_Width - 2 * Margin, 40), words.title(year), 26, true, true);
    const qreal column = (Page_Width - 3 * Margin) / 2;
    // The feasts first in the page's reading order: at the right in Arabic, the left in English.
    QRectF right(Page_Width - Margin - column, Margin + 60, column, Page_Height - 2 * Margin - 60);
    QRectF left(Margin, right.top(), column, right.height());
    if (words.english)
        std::swap(right, left);

    constexpr std::array moveable{Feast::Nineveh,           Feast::Lent,      Feast::Palm_Sunday,
                                  Feast::Covenant_Thursday, Feast::Easter,    Feast::Thomas_Sunday,
                                  Feast::Ascension,         Feast::Pentecost, Feast::Apostles_Fast};
    qreal y = right.top();
    drawText(painter, QRectF(right.left(), y, right.width(), 24), words.moveableFeasts(), 18, true);
    y += 32;
    for (const Feast feast : moveable) {
        const QDate date = Feast_Date(feast, year);
        if (!date.isValid())
            continue;
        drawText(painter, QRectF(right.left(), y, right.width(), 22), words.feastName(feast), 13, true);
        drawText(painter, QRectF(right.left(), y + 18, right.width(), 20),
                 words.dayName(date) + QLatin1Char(' ') + words.gregorianDate(date) + QStringLiteral(" — ") +
                     words.copticDate(date),
                 12);
        y += 42;
    }

    y = left.top();
    drawText(painter, QRectF(left.left(), y, left.width(), 24), words.fasts(), 18, true);
    y += 32;
    for (const Fast_Period& period : Fast_Periods(QDate(year, 1, 1), QDate(year, 12, 31))) {
        drawText(painter, QRectF(left.left(), y, left.width(), 22), words.fastName(period.kind), 13, true);
        const QString first =
            words.gregorianDate(period.first) + QLatin1Char(' ') + QString::number(period.first.year());
        const QString last =
            words.gregorianDate(period.last) + QLatin1Char(' ') + QString::number(period.last.year());
        drawText(painter, QRectF(left.left(), y + 18, left.width(), 20),
                 period.first == period.last ? first : words.fromTo(first, last), 12);
        y += 42;
    }
}

// One month: the grid of its weeks, Sunday in the first column of the reading order.
void drawMonth(QPainter& painter, int year, int month, const QMap<QDate, QStringList>& feasts,
               const Words& words) {
    const QDate first(year, month, 1);
    const QDate last = first.addDays(first.daysInMonth() - 1);
    QString coptic = words.copticMonth(first);
    if (words.copticMonth(last) != coptic)
        coptic += QStringLiteral(" - ") + words.copticMonth(last);
    drawText(painter, QRectF(Margin, Margin - 6, Page_Width - 2 * Margin, 34),
             words.monthName(first) + QLatin1Char(' ') + QString::number(year), 24, true, true);
    drawText(painter, QRectF(Margin, Margin + 26, Page_Width - 2 * Margin, 22), coptic, 14, false, true);

    const qreal legendHeight = 44;
    const qreal top = Margin + 54;
    const qreal headerHeight = 20;
    const int firstColumn = first.dayOfWeek() % 7; // Sunday 0
    const int rows = (firstColumn + first.daysInMonth() + 6) / 7;
    const qreal cellWidth = (Page_Width - 2 * Margin) / 7;
    const qreal cellHeight = (Page_Height - top - headerHeight - Margin - legendHeight) / rows;
    // The column of a weekday, Sunday 0: right to left, or left to right in English.
    const auto columnLeft = [&](int column) {
        return words.english ? Margin + column * cellWidth : Page_Width - Margin - (column + 1) * cellWidth;
    };

    for (int column = 0; column < 7; ++column) {
        const QDate sample = first.addDays((column - firstColumn + 7) % 7);
        painter.setPen(column == 0 ? Sunday_Color : Qt::black);
        drawText(painter, QRectF(columnLeft(column), top, cellWidth, headerHeight), words.dayName(sample), 13,
                 true, true);
    }
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        const int index = firstColumn + date.day() - 1;
        const int column = index % 7;
        const QRectF cell(columnLeft(column), top + headerHeight + (index / 7) * cellHeight, cellWidth,
                          cellHeight);
        const Day_Fast fast = Fast_Of_Day(date);
        painter.fillRect(cell, shadeOf(fast.kind));
        painter.setPen(QPen(Line_Color, 0.6));
        painter.drawRect(cell);
        const QRectF inner = cell.adjusted(4, 2, -4, -2);
        const bool sunday = column == 0;
        painter.setPen(sunday ? Sunday_Color : Qt::black);
        drawText(painter, QRectF(inner.left(), inner.top(), inner.width(), 22), QString::number(date.day()),
                 18, true);
        painter.setPen(Qt::black);
        drawText(painter, QRectF(inner.left(), inner.top() + 22, inner.width(), 16),
                 words.copticDate(date, false), 11);
        // What a fish day allows, at the foot of the day.
        if (fast.food == Fast_Food::Fish)
            drawText(painter, QRectF(inner.left(), inner.bottom() - 13, inner.width(), 13),
                     words.foodName(fast.food), 9);
        const QStringList names = feasts.value(date);
        if (!names.isEmpty()) {
            painter.setPen(sunday ? Sunday_Color : QColor(0x20, 0x20, 0x80));
            drawText(painter, QRectF(inner.left(), inner.top() + 38, inner.width(), inner.height() - 38),
                     names.join(words.listJoin()), 10, true);
        }
    }

    // The legend: a swatch and the name of each kind of fast, in the reading order.
    const qreal legendTop = Page_Height - Margin - legendHeight + 12;
    const qreal itemWidth = (Page_Width - 2 * Margin) / 4;
    for (qsizetype i = 0; i < qsizetype(Fast_Shades.size()); ++i) {
        const qreal right =
            words.english ? Margin + (i % 4 + 1) * itemWidth : Page_Width - Margin - (i % 4) * itemWidth;
        const qreal y = legendTop + (i / 4) * 16;
        const QRectF swatch =
            words.english ? QRectF(right - itemWidth + 2, y + 2, 12, 11) : QRectF(right - 14, y + 2, 12, 11);
        painter.fillRect(swatch, Fast_Shades[static_cast<size_t>(i)].color);
        painter.setPen(QPen(Line_Color, 0.6));
        painter.drawRect(swatch);
        painter.setPen(Qt::black);
        drawText(painter,
                 words.english ? QRectF(right - itemWidth + 18, y, itemWidth - 20, 16)
                               : QRectF(right - itemWidth, y, itemWidth - 20, 16),
                 words.fastName(Fast_Shades[static_cast<size_t>(i)].kind), 11);
    }
}

} // namespace

void Draw_Year_Calendar(QPagedPaintDevice& device, int gregorianYear, const QList<Coptic_Feast>& own,
                        Interface_Language language) {
    const Words words{language == Interface_Language::English};
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    // The page in logical units, kept in proportion on any paper.
    const QRect area = painter.viewport();
    const qreal scale = qMin(area.width() / Page_Width, area.height() / Page_Height);
    painter.setViewport(area.left(), area.top(), qRound(Page_Width * scale), qRound(Page_Height * scale));
    painter.setWindow(0, 0, qRound(Page_Width), qRound(Page_Height));

    QMap<QDate, QStringList> feasts;
    for (const Year_Feast& feast : Year_Feasts(gregorianYear, own, language))
        feasts[feast.date] << feast.name;

    drawFirstPage(painter, gregorianYear, words);
    for (int month = 1; month <= 12; ++month) {
        device.newPage();
        drawMonth(painter, gregorianYear, month, feasts, words);
    }
}

QByteArray Year_Calendar_Pdf(int gregorianYear, const QList<Coptic_Feast>& own, Interface_Language language) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(Words{language == Interface_Language::English}.title(gregorianYear));
        writer.setCreator(QStringLiteral("Lectarium"));
        Draw_Year_Calendar(writer, gregorianYear, own, language);
    }
    return buffer.data();
}

} // namespace MdlLectarium
