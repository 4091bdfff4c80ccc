#include "shell/paragraph_layout.h"

#include "base/text_direction.h"

#include <QAbstractItemView>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace Lectarium {

using MdlLectarium::Numbers_In_Order;
using MdlLectarium::Paragraph_Direction;

void Align_Paragraphs(QTextDocument* document) {
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        const Qt::LayoutDirection direction = Paragraph_Direction(block.text());
        format.setLayoutDirection(direction);
        if (!format.hasProperty(QTextFormat::BlockAlignment))
            format.setAlignment((direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) |
                                Qt::AlignAbsolute);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
}

void Align_Items(QAbstractItemView* view) {
    view->setItemDelegate(new Paragraph_Delegate(view));
}

void Paragraph_Delegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!option->features.testFlag(QStyleOptionViewItem::HasDisplay))
        return;
    // The style lays the text out in the option's direction and aligns it visually by
    // that direction: the item's own direction makes both follow its text.
    option->direction = Paragraph_Direction(option->text);
    option->displayAlignment = (option->displayAlignment & Qt::AlignVertical_Mask) | Qt::AlignLeading;
    // Only the drawing gets the marks: copying an item (Ctrl+C) takes the model's text.
    option->text = Numbers_In_Order(option->text);
}

QSize Paragraph_Delegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 6);
}

} // namespace Lectarium
