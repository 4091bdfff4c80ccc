#include "base/text_direction.h"

#include <QRegularExpression>

namespace MdlLectarium {

namespace {

const QChar Left_To_Right_Mark(0x200E);
const QChar Right_To_Left_Mark(0x200F);

} // namespace

Qt::LayoutDirection Paragraph_Direction(QStringView text) {
    // isRightToLeft answers "left to right" both for a first strong character that is
    // and for none at all; a right-to-left mark after the text turns the second case
    // into the page's direction.
    QString probe;
    probe.reserve(text.size() + 1);
    probe.append(text).append(Right_To_Left_Mark);
    return probe.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
}

QString Html_Direction(QStringView text) {
    return Paragraph_Direction(text) == Qt::RightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr");
}

QString Number_Held_At_Start(const QString& line) {
    qsizetype digits = 0;
    while (digits < line.size() && line[digits].isDigit())
        ++digits;
    if (digits == 0 || digits == line.size())
        return line;
    // A strong mark of the paragraph's own direction right after the number: the number
    // then sits between the start of the paragraph and a strong character of its
    // direction, where no rule can move it.
    const QChar mark = Paragraph_Direction(line) == Qt::RightToLeft ? Right_To_Left_Mark : Left_To_Right_Mark;
    return line.left(digits) + mark + line.mid(digits);
}

QString Numbers_In_Order(const QString& text) {
    const QList<qsizetype> marks = Number_Order_Marks(text);
    QString out;
    out.reserve(text.size() + marks.size());
    qsizetype from = 0;
    for (const qsizetype mark : marks) {
        out.append(QStringView(text).sliced(from, mark - from)).append(Right_To_Left_Mark);
        from = mark;
    }
    return out.append(QStringView(text).sliced(from));
}

QList<qsizetype> Number_Order_Marks(const QString& text) {
    static const QRegularExpression letterThenNumber(QStringLiteral("\\p{Arabic}(?=\\h+[0-9])"));
    QList<qsizetype> marks;
    for (auto it = letterThenNumber.globalMatch(text); it.hasNext();)
        marks.append(it.next().capturedEnd());
    return marks;
}

} // namespace MdlLectarium
