#pragma once

// Each paragraph and each list item laid out in the direction of its own text
// (base/text_direction.h): Arabic right to left and flush right, English left to right
// and flush left, whatever the direction of the window around it. The reading text boxes
// do the same for their paragraphs (shell/reading_box.h).

#include <QStyledItemDelegate>

class QAbstractItemView;
class QTextDocument;

namespace Lectarium {

// A document as it stands (a printout): every block in the direction of its text,
// flush to where it starts; a block that names its own alignment keeps it.
void Align_Paragraphs(QTextDocument* document);
// A list, a combo box's pop-up or a completer's pop-up: every item, as it is drawn, with
// the numbers after a book's name in order (Numbers_In_Order); the items keep their text.
void Align_Items(QAbstractItemView* view);

// The drawing of such items.
class Paragraph_Delegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    // A little air above and below, as the menu-like pop-ups of combo boxes have.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace Lectarium
