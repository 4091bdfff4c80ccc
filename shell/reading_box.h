#pragma once

// The box that shows reading text: the whole day, a passage, a Bible chapter, a page of
// search results, the commemorations, the saint's story, a Holy Week hour. The reader may
// select and copy its text but not change it. Every paragraph reads in the direction of
// its own text (base/text_direction.h) and stands flush to where it starts, never
// justified: joined Arabic letters stay joined.

#include <QList>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextEdit>

#include <utility>

namespace Lectarium {

// A stretch of a text: its first position and its length.
struct Text_Span {
    qsizetype start = 0;
    qsizetype length = 0;
};

class Reading_Box final : public QTextEdit {
    Q_OBJECT

public:
    explicit Reading_Box(QWidget* parent = nullptr);

    // Shows text, lines separated by LF or CR LF, the stretches marked (positions in
    // text, none across a line break) drawn in format. For the display alone, a
    // right-to-left mark stands between an Arabic letter and the digits after it
    // (Numbers_In_Order), as in the printouts: "مز 77: 18-19" keeps its range in order;
    // another starts a line without a letter, which reads right to left.
    void Set_Text(const QString& text, const QList<Text_Span>& marked = {},
                  const QTextCharFormat& format = {});
    // Shows texts side by side: a table row per entry of rows, a cell per text, each cell
    // in the direction of its own text and flush to where it starts; a row of one text
    // (a heading) spans the table. The table reads in the direction of the first cell.
    void Set_Table(const QList<QStringList>& rows);
    // The text shown, LF line ends, without the display marks: what Save writes. Of a
    // table, its cells row by row, a line each.
    QString Text() const;

protected:
    // The standard menu, then the commands its window gave the box (addAction).
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Copying and dragging give the selected text without the display marks.
    QMimeData* createMimeDataFromSelection() const override;

private:
    // Where a position of Text() lies in the box's document.
    int documentPosition(qsizetype position) const;
    // The document's text between two of its positions, without the display marks.
    QString textBetween(int from, int to) const;
    // Gives the layouts of the lines the marked stretches, as formats of their own: the
    // document's text and its formats stay as they are.
    void drawMarked();

    QList<qsizetype> marks_;            // positions of Text() before which a display mark stands
    QList<std::pair<int, int>> marked_; // the marked stretches: document positions, from and to
    QTextCharFormat markFormat_;
    bool setting_ = false; // Set_Text is filling the document
    QString tableText_;    // the cells of a table shown, a line each
};

} // namespace Lectarium
