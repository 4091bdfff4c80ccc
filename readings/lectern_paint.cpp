#include "readings/lectern_paint.h"

#include "base/safe_file.h"
#include "base/text_direction.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontDatabase>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

namespace MdlLectarium {

namespace {

// Margins and the gap between columns, as parts of the page.
constexpr double marginShare = 0.04;
constexpr double columnGapShare = 0.03;

std::unique_ptr<QTextDocument> textDocument(const QString& text, Qt::LayoutDirection direction,
                                            const QFont& font, double width, Qt::Alignment alignment = {}) {
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(0);
    document->setDefaultFont(font);
    QTextOption option;
    option.setTextDirection(direction);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    if (!alignment)
        alignment = direction == Qt::RightToLeft ? Qt::AlignRight | Qt::AlignAbsolute
                                                 : Qt::AlignLeft | Qt::AlignAbsolute;
    option.setAlignment(alignment);
    document->setDefaultTextOption(option);
    document->setPlainText(Numbers_In_Order(Number_Held_At_Start(text)));
    document->setTextWidth(width);
    return document;
}

void draw(QPainter& painter, const QTextDocument& document, QPointF at, const QColor& colour) {
    painter.save();
    painter.translate(at);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, colour);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace

Lectern_Theme Lectern_Dark_On_Light() {
    return {QColor(0x10, 0x10, 0x10), QColor(0x8b, 0x10, 0x10), QColor(0xfa, 0xf8, 0xf2)};
}

Lectern_Theme Lectern_Light_On_Dark() {
    return {QColor(0xf2, 0xf2, 0xf2), QColor(0xf0, 0xc8, 0x50), QColor(0x05, 0x05, 0x05)};
}

QString Lectern_Font_Family() {
    const QStringList families = QFontDatabase::families();
    for (const char* candidate : {"Noto Naskh Arabic", "Amiri", "Noto Sans Arabic"})
        if (families.contains(QLatin1String(candidate)))
            return QLatin1String(candidate);
    return QFont().family();
}

Lectern_Renderer::Lectern_Renderer(Lectern_Day day, QSizeF pageSize, const QFont& font, Lectern_Theme theme)
    : day_(std::move(day)), page_(pageSize), font_(font), theme_(theme) {
    const double usable = page_.height() * (1 - 2 * marginShare);
    const int largest = std::max(8, static_cast<int>(page_.height() / 10));
    const int smallest = std::max(6, static_cast<int>(page_.height() / 60));
    layOutTitle();
    pages_.push_back({-1, 0, 0});
    headings_.resize(day_.readings.size());
    cells_.resize(day_.readings.size());
    for (size_t r = 0; r < day_.readings.size(); ++r) {
        const Lectern_Fit fit = Lectern_Fit_Size(largest, smallest, usable, [this, r](int size) {
            return std::vector<Lectern_Heights>{layOut(r, size)};
        });
        sizes_.push_back(fit.size);
        layOut(r, fit.size); // the documents of the chosen size, kept for painting
        for (Lectern_Page page : fit.pages)
            if (page.reading == 0) {
                page.reading = static_cast<int>(r);
                pages_.push_back(page);
            }
    }
}

Lectern_Renderer::~Lectern_Renderer() = default;

void Lectern_Renderer::layOutTitle() {
    QFont titleFont = font_;
    titleFont.setPixelSize(std::max(8, static_cast<int>(page_.height() / 10)));
    titleFont.setBold(true);
    QString title = day_.title;
    if (!day_.dateLines.isEmpty())
        title += QStringLiteral("\n") + day_.dateLines.join(QLatin1Char('\n'));
    title_ = textDocument(title.trimmed(), Paragraph_Direction(title.trimmed()), titleFont,
                          page_.width() * (1 - 2 * marginShare), Qt::AlignHCenter);
}

Lectern_Heights Lectern_Renderer::layOut(size_t r, int size) {
    const double width = page_.width() * (1 - 2 * marginShare);
    const int columns = std::max(1, day_.columns);
    const double gap = page_.width() * columnGapShare;
    const double columnWidth = (width - gap * (columns - 1)) / columns;
    QFont text = font_;
    text.setPixelSize(size);
    QFont heading = text;
    heading.setBold(true);
    heading.setPixelSize(std::max(6, size * 3 / 4));

    const Lectern_Reading& reading = day_.readings[r];
    headings_[r] =
        textDocument(Lectern_Heading(reading), Paragraph_Direction(Lectern_Heading(reading)), heading, width);
    Lectern_Heights measured{headings_[r]->size().height() + size * 0.5, {}};
    auto& rows = cells_[r];
    rows.clear();
    for (const Lectern_Row& row : reading.rows) {
        auto& cells = rows.emplace_back();
        double tallest = 0;
        for (const Lectern_Cell& cell : row.cells) {
            cells.push_back(textDocument(cell.text, cell.direction, text, columnWidth));
            tallest = std::max(tallest, cells.back()->size().height());
        }
        measured.rows.push_back(tallest + size * 0.25);
    }
    return measured;
}

void Lectern_Renderer::Paint(QPainter& painter, int page) const {
    painter.fillRect(QRectF(QPointF(0, 0), page_), theme_.background);
    if (page < 0 || page >= Page_Count())
        return;
    const double left = page_.width() * marginShare;
    double top = page_.height() * marginShare;
    const Lectern_Page& shown = pages_[static_cast<size_t>(page)];
    if (shown.reading < 0) {
        draw(painter, *title_, {left, (page_.height() - title_->size().height()) / 2}, theme_.heading);
        return;
    }
    const auto reading = static_cast<size_t>(shown.reading);
    draw(painter, *headings_[reading], {left, top}, theme_.heading);
    const int size = sizes_[reading];
    top += headings_[reading]->size().height() + size * 0.5;
    const double width = page_.width() * (1 - 2 * marginShare);
    const int columns = std::max(1, day_.columns);
    const double gap = page_.width() * columnGapShare;
    const double columnWidth = (width - gap * (columns - 1)) / columns;
    for (int r = shown.firstRow; r < shown.firstRow + shown.rowCount; ++r) {
        const auto& cells = cells_[reading][static_cast<size_t>(r)];
        double tallest = 0;
        for (size_t c = 0; c < cells.size(); ++c) {
            // The day's text first in the page's reading order: on the right of an Arabic
            // page, on the left of an English one.
            const double offset = static_cast<double>(c) * (columnWidth + gap);
            const double x =
                day_.direction == Qt::RightToLeft ? left + width - columnWidth - offset : left + offset;
            draw(painter, *cells[c], {x, top}, theme_.text);
            tallest = std::max(tallest, cells[c]->size().height());
        }
        top += tallest + size * 0.25;
    }
}

bool Write_Lectern_Slides(const Lectern_Day& day, const QString& path, QString* error) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        // 16:9, the shape of a projector's screen: 10 by 5.625 inches at 96 dots each.
        writer.setPageSize(QPageSize(QSizeF(10, 5.625), QPageSize::Inch, QStringLiteral("16:9")));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(96);
        writer.setTitle(day.title.section(QLatin1Char('\n'), 0, 0));
        writer.setCreator(QStringLiteral("Lectarium"));
        const Lectern_Renderer renderer(day, QSizeF(960, 540), QFont(Lectern_Font_Family()),
                                        Lectern_Dark_On_Light());
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error)
                *error = QStringLiteral("cannot start the PDF");
            return false;
        }
        for (int page = 0; page < renderer.Page_Count(); ++page) {
            if (page > 0)
                writer.newPage();
            renderer.Paint(painter, page);
        }
        painter.end();
    }
    return Write_File_Safely(path, bytes, error);
}

} // namespace MdlLectarium
