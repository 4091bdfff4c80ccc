#include "shell/reading_box.h"

#include "base/text_direction.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <iterator>

namespace Lectarium {

using MdlLectarium::Number_Order_Marks;
using MdlLectarium::Paragraph_Direction;

namespace {

const QChar Right_To_Left_Mark(0x200F);

} // namespace

Reading_Box::Reading_Box(QWidget* parent) : QTextEdit(parent) {
    // A QTextEdit rather than a plain text box: a plain text box lays every paragraph out
    // with the document's one text option, and there the only alignment that follows
    // each paragraph's direction is justified, whose stretching pulls joined Arabic
    // letters apart. The rich text layout takes each paragraph's direction from its own
    // text and turns an alignment that is not absolute with it: flush to where the
    // paragraph starts.
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(Qt::LayoutDirectionAuto);
    option.setAlignment(Qt::AlignLeading);
    document()->setDefaultTextOption(option);
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (setting_) {
            // Set_Text's text is in, not yet laid out: the marked stretches go into the
            // layouts of its lines now, and the lines are laid out once, with them.
            if (added > 0)
                drawMarked();
        } else if (removed != added) {
            // Text put in any other way (clear) holds none of the marks.
            marks_.clear();
            marked_.clear();
        }
    });
}

void Reading_Box::Set_Text(const QString& text, const QList<Text_Span>& marked,
                           const QTextCharFormat& format) {
    // One position a line break, as shown; lineBreaks holds where each CR LF of text was.
    QString plain;
    plain.reserve(text.size());
    QList<qsizetype> lineBreaks;
    for (qsizetype from = 0;;) {
        const qsizetype at = text.indexOf(QLatin1String("\r\n"), from);
        plain.append(QStringView(text).sliced(from, (at < 0 ? text.size() : at) - from));
        if (at < 0)
            break;
        lineBreaks.append(at);
        plain.append(QLatin1Char('\n'));
        from = at + 2;
    }
    // The layout reads a line without a letter (digits, signs) left to right; the
    // program's rule reads it in the direction of the page. A mark at its start says so.
    QList<qsizetype> lineStarts;
    for (qsizetype from = 0; from < plain.size();) {
        qsizetype end = plain.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            end = plain.size();
        const QStringView line = QStringView(plain).sliced(from, end - from);
        if (!line.isEmpty() && Paragraph_Direction(line) == Qt::RightToLeft && !line.isRightToLeft())
            lineStarts.append(from);
        from = end + 1;
    }
    const QList<qsizetype> afterLetters = Number_Order_Marks(plain);
    marks_.clear();
    std::merge(lineStarts.cbegin(), lineStarts.cend(), afterLetters.cbegin(), afterLetters.cend(),
               std::back_inserter(marks_));
    QString shown;
    shown.reserve(plain.size() + marks_.size());
    qsizetype from = 0;
    for (const qsizetype mark : marks_) {
        shown.append(QStringView(plain).sliced(from, mark - from)).append(Right_To_Left_Mark);
        from = mark;
    }
    shown.append(QStringView(plain).sliced(from));

    // The stretches to mark, as document positions, in order.
    auto inDocument = [&](qsizetype position) {
        return documentPosition(
            position -
            (std::lower_bound(lineBreaks.cbegin(), lineBreaks.cend(), position) - lineBreaks.cbegin()));
    };
    marked_.clear();
    for (const Text_Span& span : marked)
        if (span.length > 0 && span.start >= 0 && span.start + span.length <= text.size())
            marked_.append({inDocument(span.start), inDocument(span.start + span.length - 1) + 1});
    std::sort(marked_.begin(), marked_.end());
    markFormat_ = format;

    tableText_.clear();
    setting_ = true;
    setPlainText(shown);
    setting_ = false;
}

void Reading_Box::Set_Table(const QList<QStringList>& rows) {
    qsizetype columns = 1;
    for (const QStringList& row : rows)
        columns = std::max(columns, row.size());
    setting_ = true;
    clear();
    marks_.clear();
    marked_.clear();
    tableText_.clear();
    QTextTableFormat format;
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setCellPadding(3);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    // The direction of the table is that of its main text: the first cell of the first
    // row of verses, not a heading above them.
    QString first;
    for (const QStringList& row : rows)
        if (row.size() == columns && !row.first().isEmpty()) {
            first = row.first();
            break;
        }
    // Qt lays a table's columns out left to right whatever its direction: a table that
    // reads right to left takes its texts in the other order.
    const bool rightToLeft = Paragraph_Direction(first) == Qt::RightToLeft;
    QTextCursor cursor(document());
    QTextTable* table = cursor.insertTable(static_cast<int>(std::max<qsizetype>(1, rows.size())),
                                           static_cast<int>(columns), format);
    for (int r = 0; r < rows.size(); ++r) {
        if (rows[r].size() == 1 && columns > 1)
            table->mergeCells(r, 0, 1, static_cast<int>(columns));
        for (int c = 0; c < rows[r].size(); ++c) {
            const QString& text = rows[r][c];
            tableText_ += text + QLatin1Char('\n');
            const Qt::LayoutDirection direction = Paragraph_Direction(text);
            QTextBlockFormat block;
            block.setLayoutDirection(direction);
            block.setAlignment((direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) |
                               Qt::AlignAbsolute);
            const int column = rightToLeft && rows[r].size() > 1 ? static_cast<int>(columns) - 1 - c : c;
            QTextCursor cell = table->cellAt(r, column).firstCursorPosition();
            cell.setBlockFormat(block);
            cell.insertText(MdlLectarium::Numbers_In_Order(MdlLectarium::Number_Held_At_Start(text)));
        }
    }
    setting_ = false;
}

void Reading_Box::drawMarked() {
    QTextBlock block = document()->begin();
    QList<QTextLayout::FormatRange> ranges;
    auto flush = [&] {
        if (!ranges.isEmpty())
            block.layout()->setFormats(ranges);
        ranges.clear();
    };
    for (const auto& [start, end] : marked_) {
        while (block.isValid() && start >= block.position() + block.length()) {
            flush();
            block = block.next();
        }
        if (!block.isValid())
            break;
        // A stretch ends with its line.
        const int length = std::min(end, block.position() + block.length() - 1) - start;
        ranges.append({start - block.position(), length, markFormat_});
    }
    flush();
}

QString Reading_Box::textBetween(int from, int to) const {
    const QString raw = document()->toRawText();
    from = std::clamp(from, 0, int(raw.size()));
    to = std::clamp(to, from, int(raw.size()));
    QString out;
    out.reserve(to - from);
    // The k-th mark stands at position marks_[k] + k of the document.
    for (qsizetype k = 0; k < marks_.size(); ++k) {
        const qsizetype at = marks_[k] + k;
        if (at < from)
            continue;
        if (at >= to)
            break;
        out.append(QStringView(raw).sliced(from, at - from));
        from = int(at + 1);
    }
    out.append(QStringView(raw).sliced(from, to - from));
    // A table's frame marks are no text.
    out.remove(QChar(0xFDD0)).remove(QChar(0xFDD1));
    return out.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

QString Reading_Box::Text() const {
    if (!tableText_.isEmpty())
        return tableText_;
    return textBetween(0, document()->characterCount() - 1);
}

int Reading_Box::documentPosition(qsizetype position) const {
    return int(position + (std::upper_bound(marks_.cbegin(), marks_.cend(), position) - marks_.cbegin()));
}

void Reading_Box::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu(event->pos());
    if (!actions().isEmpty()) {
        menu->addSeparator();
        menu->addActions(actions());
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

QMimeData* Reading_Box::createMimeDataFromSelection() const {
    const QTextCursor cursor = textCursor();
    // As a plain text box copies: line breaks and no-break spaces as plain characters.
    QString text = textBetween(cursor.selectionStart(), cursor.selectionEnd());
    text.replace(QChar::LineSeparator, QLatin1Char('\n')).replace(QChar::Nbsp, QLatin1Char(' '));
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

} // namespace Lectarium
