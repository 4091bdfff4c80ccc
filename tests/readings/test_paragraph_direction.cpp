// Every paragraph and list item in the direction of its own text, Arabic right to left
// and flush right, English left to right and flush left: the text windows and lists,
// over the readings fixture with John's Gospel in English.

#include "app/printing.h"
#include "base/text_direction.h"
#include "bible/frm_bible_view.h"
#include "bible/frm_display_bible.h"
#include "bible/frm_view_search.h"
#include "bible/search.h"
#include "calendar/frm_select_day.h"
#include "lectionary/source_folder.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_pain.h"
#include "readings/frm_sant.h"
#include "readings/frm_whole_day.h"
#include "shell/paragraph_layout.h"
#include "shell/reading_box.h"
#include "shell/text_source.h"
#include "tests/lectionary/fixture.h"
#include "tests/readings/reading_windows.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QGlyphRun>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QTextBlock>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

// The readings fixture with the verses of John (New Testament book 4) in English.
QByteArray mixedDatabase() {
    static const QByteArray bytes = [] {
        QTemporaryDir dir;
        const QDir source(Lectionary_Fixture::Source_Folder());
        for (const QString& name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), dir.filePath(name));
        QFile bible(dir.filePath(QStringLiteral("Bible.txt")));
        bible.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        if (!bible.open(QIODevice::ReadOnly))
            qFatal("no fixture Bible");
        QStringList lines = QString::fromUtf8(bible.readAll()).split(QLatin1Char('\n'));
        bible.close();
        for (QString& line : lines) {
            QStringList fields = line.split(QLatin1Char('\t'));
            if (fields.size() == 5 && fields[0] == QLatin1String("0") && fields[1] == QLatin1String("4")) {
                fields[4] =
                    QStringLiteral("Sing to Yahweh, all the earth! (John %1:%2)").arg(fields[2], fields[3]);
                line = fields.join(QLatin1Char('\t'));
            }
        }
        if (!bible.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the fixture Bible");
        bible.write(lines.join(QLatin1Char('\n')).toUtf8());
        bible.close();
        const QString path = dir.filePath(QStringLiteral("Lectarium.mdb"));
        QString error;
        if (!Build_Database(dir.path(), path, error))
            qFatal("mixed fixture: %s", qPrintable(error));
        QFile built(path);
        built.open(QIODevice::ReadOnly);
        return built.readAll();
    }();
    return bytes;
}

const QRegularExpression letter(QStringLiteral("\\p{L}"));

enum Window { wholeDay, passage, commemorations, arabicChapter, englishChapter, results, story, hour };

void choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Opens a window as a reader would and gives its text box.
Reading_Box* openText(Reading_Session& r, int window) {
    switch (window) {
    case wholeDay:
        r.Show_Day(QDate(1999, 3, 3));
        r.s->window->findChild<QAction*>(QStringLiteral("Whole_Day"))->trigger();
        return FrmWhole_Day::Instance()->Text1();
    case passage:
        r.Show_Day(QDate(1999, 3, 3));
        FrmDisplay_Reading::Instance()->TextFiled_DblClick(9); // the Gospel, يو 2: 2
        return FrmDisplay_Bible::Instance()->Text1();
    case commemorations:
        r.Show_Day(QDate(1999, 3, 3));
        return FrmDisplay_Reading::Instance()->TextData();
    case arabicChapter:
    case englishChapter: {
        FrmBible_View* form = FrmBible_View::Show_Window();
        const bool john = window == englishChapter;
        form->Option1(john ? 1 : 0)->click();
        choose(form->Combo1(), john ? 3 : 0);
        choose(form->Combo2(), john ? 1 : 0);
        return form->Text1();
    }
    case story:
        r.Show_Day(QDate(1998, 9, 15));
        FrmDisplay_Reading::Instance()->Image_Sant_MouseUp(1, 0, 0, 0);
        return FrmSant::Instance()->Text1();
    case hour:
        r.Show_Day(QDate(2000, 4, 26));
        return FrmPain::Instance()->Text_View();
    default: {
        // A page of results, each line as the search writes it.
        Result_Pages = {QString(),
                        Reference_Text(0, 4, 2, 2, QStringLiteral("Sing to Yahweh, all the earth!")) +
                            Reference_Text(-1, 1, 1, 1, QStringLiteral("في البدء خلق الله"))};
        Page_Count = 1;
        return FrmView_Search::Show_Window()->Text1();
    }
    }
}

// Which end of the item's rectangle its text is drawn nearer.
Qt::Alignment inkSide(QAbstractItemView* view, const QModelIndex& index) {
    const QImage image = view->viewport()->grab().toImage();
    const QRect rect = view->visualRect(index).intersected(image.rect());
    const QRgb background = image.pixel(rect.left() + 1, rect.top() + 1);
    int left = rect.right(), right = rect.left();
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (std::abs(qGray(image.pixel(x, y)) - qGray(background)) > 80) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    if (right < left)
        return {};
    return rect.right() - right < left - rect.left() ? Qt::AlignRight : Qt::AlignLeft;
}

struct Pdf_Word {
    QString text;
    double left, right;
};
using Pdf_Line = QList<Pdf_Word>; // left to right

// The pages of a PDF, each its lines from top to bottom as pdftotext -bbox places their
// words (Arabic comes as single letters), without the marks that only steer the
// direction; empty when pdftotext cannot read it.
QList<QList<Pdf_Line>> pdfPages(const QString& path, double& pageWidth) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\""));
    pageWidth = page.match(out).captured(1).toDouble();
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">([^<]*)</word>"));
    static const QRegularExpression marks(QStringLiteral("[\\x{200e}\\x{200f}]"));
    QList<QList<Pdf_Line>> pages;
    for (const QString& text : out.split(QStringLiteral("<page ")).mid(1)) {
        QMap<int, Pdf_Line> byTop;
        for (auto it = word.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString w = m.captured(4).normalized(QString::NormalizationForm_KC).remove(marks);
            if (!w.isEmpty())
                byTop[qRound(m.captured(2).toDouble())].push_back(
                    {w, m.captured(1).toDouble(), m.captured(3).toDouble()});
        }
        QList<Pdf_Line> lines;
        for (Pdf_Line& line : byTop) {
            std::sort(line.begin(), line.end(),
                      [](const Pdf_Word& a, const Pdf_Word& b) { return a.left < b.left; });
            lines.push_back(line);
        }
        pages.push_back(lines);
    }
    return pages;
}

bool holds(const Pdf_Line& line, const QString& text) {
    return std::any_of(line.begin(), line.end(), [&](const Pdf_Word& w) { return w.text.contains(text); });
}

// Where the glyph of one character of a laid-out paragraph is drawn, across the line.
qreal inkX(const QTextLayout& layout, int position) {
    const QList<QGlyphRun> runs = layout.glyphRuns(position, 1);
    return runs.isEmpty() ? -1 : runs.first().boundingRect().center().x();
}

// How many ranges after a book's name ("تك 1: 1-3") a laid-out paragraph holds, and false
// when one of them reads backwards: its first number must be drawn left of its last.
bool rangesInOrder(const QTextLayout& layout, const QString& text, int& count) {
    static const QRegularExpression range(
        QStringLiteral("\\p{Arabic}\\x{200F}?\\h+[0-9]+:\\h*([0-9]+)-([0-9]+)"));
    for (auto it = range.globalMatch(text); it.hasNext(); ++count) {
        const QRegularExpressionMatch m = it.next();
        const qreal first = inkX(layout, int(m.capturedStart(1)));
        const qreal last = inkX(layout, int(m.capturedStart(2)));
        if (first < 0 || last < 0 || first >= last)
            return false;
    }
    return true;
}

} // namespace

class Test_Paragraph_Direction final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Flush_Deletions(); }

    void textWindows_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<bool>("arabic"); // paragraphs of each kind the window must show
        QTest::addColumn<bool>("english");
        QTest::newRow("whole day") << int(wholeDay) << true << true;
        QTest::newRow("passage window") << int(passage) << false << true;
        QTest::newRow("commemorations") << int(commemorations) << true << false;
        QTest::newRow("browser, Arabic chapter") << int(arabicChapter) << true << false;
        QTest::newRow("browser, English chapter") << int(englishChapter) << false << true;
        QTest::newRow("search results") << int(results) << true << true;
    }

    void textWindows() {
        QFETCH(int, window);
        QFETCH(bool, arabic);
        QFETCH(bool, english);
        Reading_Session r(0.0, mixedDatabase());
        Reading_Box* box = openText(r, window);
        QVERIFY(box);
        box->window()->resize(1200, 800);
        int rtl = 0, ltr = 0, ranges = 0;
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            if (!block.text().contains(letter))
                continue;
            box->document()->documentLayout()->blockBoundingRect(block); // lays the block out
            const QTextLayout* layout = block.layout();
            QVERIFY(layout->lineCount() > 0);
            QVERIFY2(rangesInOrder(*layout, block.text(), ranges), block.text().toUtf8());
            const QTextLine last = layout->lineAt(layout->lineCount() - 1);
            const QRectF ink = last.naturalTextRect();
            const bool rightToLeft = Paragraph_Direction(block.text()) == Qt::RightToLeft;
            // Its last line flush to its own side, its start (a verse's number) on that side.
            const qreal start = layout->lineAt(0).cursorToX(0);
            const qreal middle = layout->lineAt(0).naturalTextRect().center().x();
            const QByteArray what = block.text().toUtf8();
            if (rightToLeft) {
                QVERIFY2(qAbs(ink.right() - (last.x() + last.width())) < 1.5, what);
                QVERIFY2(start > middle, what);
            } else {
                QVERIFY2(qAbs(ink.left() - last.x()) < 1.5, what);
                QVERIFY2(start < middle, what);
            }
            ++(rightToLeft ? rtl : ltr);
        }
        QCOMPARE(rtl > 0, arabic);
        QCOMPARE(ltr > 0, english);
        QCOMPARE(ranges > 0, window == wholeDay); // the prophecy's heading, "تك 1: 1-3"
    }

    // Every box of reading text, given an Arabic and an English paragraph long enough to
    // wrap and a line of digits: each line in its paragraph's direction and flush to where the paragraph
    // starts, none stretched to the width (joined letters pulled apart); the range after a
    // book's name in order. Save and Copy give the text as set, without display marks.
    void readingBoxes_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("source"); // the text source Save writes it under, or none
        QTest::newRow("whole day") << int(wholeDay) << int(Whole_Day_Text_Source);
        QTest::newRow("passage window") << int(passage) << 0;
        QTest::newRow("Bible chapter") << int(arabicChapter) << int(Bible_View_Text_Source);
        QTest::newRow("search results") << int(results) << int(Search_Results_Text_Source);
        QTest::newRow("commemorations") << int(commemorations) << 0;
        QTest::newRow("saint's story") << int(story) << 0;
        QTest::newRow("Holy Week hour") << int(hour) << 0;
    }

    void readingBoxes() {
        QFETCH(int, window);
        QFETCH(int, source);
        Reading_Session r(0.0, mixedDatabase());
        Reading_Box* box = openText(r, window);
        QVERIFY(box);
        const QString text =
            QStringLiteral("مز 77: 18-19 ") +
            QStringLiteral("وكان الكلمة عند الله وكان الكلمة الله. ").repeated(12).trimmed() +
            QStringLiteral("\n") +
            QStringLiteral("In the beginning was the Word, and the Word was with God. ")
                .repeated(12)
                .trimmed() +
            QStringLiteral("\n1: 14\n"); // no letter: right to left, as the page
        box->Set_Text(text);
        QTextDocument* document = box->document();
        int ranges = 0;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (block.length() <= 1)
                continue;
            document->documentLayout()->blockBoundingRect(block); // lays the block out
            const QTextLayout* layout = block.layout();
            const Qt::LayoutDirection direction = Paragraph_Direction(block.text());
            QCOMPARE(block.textDirection(), direction);
            QVERIFY(layout->lineCount() > 2 || block.length() < 10);
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const QRectF ink = line.naturalTextRect();
                const QByteArray what = "line " + QByteArray::number(i) + " drawn over " +
                                        QByteArray::number(ink.left()) + ".." +
                                        QByteArray::number(ink.right());
                if (direction == Qt::RightToLeft)
                    QVERIFY2(qAbs(ink.right() - (line.x() + line.width())) < 1.5, what);
                else
                    QVERIFY2(qAbs(ink.left() - line.x()) < 1.5, what);
            }
            QVERIFY(!layout->textOption().alignment().testFlag(Qt::AlignJustify));
            QVERIFY(rangesInOrder(*layout, block.text(), ranges));
        }
        QCOMPARE(ranges, 1);
        QCOMPARE(box->Text(), text);
        if (source)
            QCOMPARE(Text_Source_Text(source), std::optional<QString>(text));
        box->selectAll();
        box->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }

    // The ranges of references read in order in the readings window's list of
    // prophecies: "تك 1: 1-3" as drawn, never "3-1".
    void prophecyRangesInOrder() {
        Reading_Session r(0.0, mixedDatabase());
        r.Show_Day(QDate(1999, 3, 3));
        // Each item laid out as the style draws it: its text and direction from the
        // item's delegate.
        QListWidget* prophecies = FrmDisplay_Reading::Instance()->List1();
        const auto* delegate = qobject_cast<const Paragraph_Delegate*>(prophecies->itemDelegate());
        QVERIFY(delegate);
        int ranges = 0;
        for (int row = 0; row < prophecies->count(); ++row) {
            QStyleOptionViewItem option;
            option.initFrom(prophecies);
            delegate->initStyleOption(&option, prophecies->model()->index(row, 0));
            QTextLayout layout(option.text, prophecies->font());
            QTextOption textOption;
            textOption.setTextDirection(option.direction);
            layout.setTextOption(textOption);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            QVERIFY2(rangesInOrder(layout, option.text, ranges), option.text.toUtf8());
        }
        QVERIFY(ranges > 0);
    }

    // The printed whole day: the title at the right of each page's header, the English
    // verse flush left with its number at the left and its end at the right, the Arabic
    // verses flush right with their numbers at the right, a range of verses in order.
    void printedPage() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        Reading_Session r(0.0, mixedDatabase());
        r.Show_Day(QDate(1999, 3, 3));
        r.s->window->findChild<QAction*>(QStringLiteral("Whole_Day"))->trigger();
        Printout printout;
        QVERIFY(Printout_Of(FrmWhole_Day::Instance(), printout));
        const QString path = r.s->folder.file(QStringLiteral("day.pdf"));
        QString error;
        QVERIFY2(Write_Pdf(printout, path, error), qPrintable(error));
        double width = 0;
        const QList<QList<Pdf_Line>> pages = pdfPages(path, width);
        QVERIFY(pages.size() >= 2 && width > 0);
        int english = 0, arabic = 0;
        for (const QList<Pdf_Line>& page : pages)
            for (const Pdf_Line& line : page) {
                QString text;
                for (const Pdf_Word& w : line)
                    text += w.text + QLatin1Char(' ');
                const QByteArray what = text.toUtf8();
                if (&line == &page.first()) { // the header: "قراءات اليوم كاملة", then the date
                    const auto k = std::find_if(line.begin(), line.end(), [](const Pdf_Word& w) {
                        return w.text == QStringLiteral("ك");
                    });
                    QVERIFY2(k != line.end() && k->left > width / 2, what);
                } else if (holds(line, QStringLiteral("Yahweh"))) {
                    QVERIFY2(line.first().text == QStringLiteral("2") && line.first().left < width / 4, what);
                    QVERIFY2(line.last().text == QStringLiteral("2:2)"), what); // its end at the right
                    ++english;
                } else if (static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
                           holds(line, QStringLiteral("ص")) && holds(line, QStringLiteral(":")) &&
                           std::any_of(line.begin(), line.end(), [](const Pdf_Word& w) {
                               return number.match(w.text).hasMatch();
                           })) { // "N كتاب C: V نص"; not the fast's line, which has no number
                    QVERIFY2(number.match(line.last().text).hasMatch() && line.last().right > width * 3 / 4,
                             what);
                    ++arabic;
                }
            }
        QCOMPARE(english, 1);
        QVERIFY(arabic > 3);
        // A reference's range in order after its book: the prophecy "تك 1: 1-3", never "3-1".
        QStringList words;
        for (const QList<Pdf_Line>& page : pages)
            for (const Pdf_Line& line : page)
                for (const Pdf_Word& w : line)
                    words << w.text;
        QVERIFY(words.contains(QStringLiteral("1-3")) && !words.contains(QStringLiteral("3-1")));
    }

    void lists_data() {
        QTest::addColumn<int>("list");
        QTest::newRow("feast list pop-up") << 0;
        QTest::newRow("book completer") << 1;
        QTest::newRow("prophecies") << 2;
        QTest::newRow("Arabic and English items") << 3;
    }

    void lists() {
        QFETCH(int, list);
        Reading_Session r(0.0, mixedDatabase());
        QAbstractItemView* view = nullptr;
        QListWidget own;
        if (list == 0) {
            QComboBox* feasts = FrmSelect_Day::Show_Window()->ComboFeast();
            feasts->showPopup();
            view = feasts->view();
        } else if (list == 1) {
            QCompleter* completer = FrmBible_View::Show_Window()->Combo1()->completer();
            completer->setCompletionPrefix(QStringLiteral("ال"));
            completer->complete(QRect(0, 0, 400, 20));
            view = completer->popup();
        } else if (list == 2) {
            r.Show_Day(QDate(1999, 3, 3));
            view = FrmDisplay_Reading::Instance()->List1();
        } else {
            own.addItems(
                {QStringLiteral("Sing to Yahweh, all the earth!"), QStringLiteral("قصة اليوم الخامس")});
            own.setLayoutDirection(Qt::RightToLeft);
            own.resize(500, 200);
            Align_Items(&own);
            own.show();
            view = &own;
        }
        QVERIFY(view && view->model()->rowCount() > 0);
        QTRY_VERIFY(view->isVisible());
        for (int row = 0; row < std::min(view->model()->rowCount(), 6); ++row) {
            const QModelIndex index = view->model()->index(row, 0);
            const QString text = index.data().toString();
            if (!text.contains(letter))
                continue;
            const Qt::Alignment expected =
                Paragraph_Direction(text) == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
            QCOMPARE(inkSide(view, index), expected);
        }
    }
};

QTEST_MAIN(Test_Paragraph_Direction)
#include "test_paragraph_direction.moc"
