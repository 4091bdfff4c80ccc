#include "app/printing.h"

#include "app/mdi_lectarium.h"
#include "base/safe_file.h"
#include "base/text_direction.h"
#include "calendar/date_labels.h"
#include "calendar/selected_day.h"
#include "shell/child_window.h"
#include "shell/dialogs.h"
#include "shell/interface_translation.h"
#include "shell/paragraph_layout.h"
#include "shell/printable.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

#include <cmath>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

QString printCaption() {
    return QCoreApplication::translate("Lectarium::Printing", "Print");
}
QString nothingToPrint() {
    return QCoreApplication::translate("Lectarium::Printing", "لا توجد نافذة نص للطباعة");
}
QString pdfFilter() {
    return QCoreApplication::translate("Lectarium::Printing", "PDF File (*.pdf)|*.pdf");
}

// The day the window's text was printed, as the date bar writes it.
QString printingDate() {
    const Day_Labels labels = Date_Labels(Today());
    return labels.dayName + QLatin1Char(' ') + labels.normalDay + QLatin1Char(' ') + labels.normalMonth +
           QLatin1Char(' ') + labels.normalYear;
}

// A header text at one side of the page, in the direction of its own text.
QTextOption headerOption(const QString& text, Qt::Alignment side) {
    QTextOption option(side | Qt::AlignAbsolute | Qt::AlignVCenter);
    option.setTextDirection(Paragraph_Direction(text));
    option.setWrapMode(QTextOption::NoWrap);
    return option;
}

QWidget* dialogParent() {
    return Main_Window() ? static_cast<QWidget*>(Main_Window()) : QApplication::activeWindow();
}

} // namespace

bool Printout_Of(const QWidget* form, Printout& out) {
    const auto* printable = dynamic_cast<const Printable*>(form);
    if (!printable)
        return false;
    out = {printable->Print_Title(), printable->Print_Date(), printable->Print_Html()};
    if (out.date.isEmpty())
        out.date = printingDate();
    return true;
}

bool Active_Printout(Printout& out) {
    return Printout_Of(Active_Form(), out);
}

void Paint_Printout(const Printout& printout, QPagedPaintDevice& device) {
    QPainter painter(&device);
    painter.setLayoutDirection(Qt::RightToLeft);
    const QRectF page(QPointF(0, 0), QSizeF(device.width(), device.height()));
    const double dpi = device.logicalDpiY();
    const double band = dpi * 0.45; // header and foot, about a centimetre each

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(QFont(QStringLiteral("Arabic Transparent"), 13));
    document.setHtml(printout.html);
    Align_Paragraphs(&document);
    const QSizeF body(page.width(), page.height() - 2 * band);
    document.setPageSize(body);
    const int pages = std::max(1, document.pageCount());

    QFont small(QStringLiteral("Arabic Transparent"), 9);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            device.newPage();
        painter.setFont(small);
        // The page reads right to left: the title at the right, the date at the left.
        const QRectF header(0, 0, page.width(), band * 0.8);
        painter.drawText(header, printout.title, headerOption(printout.title, Qt::AlignRight));
        painter.drawText(header, printout.date, headerOption(printout.date, Qt::AlignLeft));
        painter.drawLine(QPointF(0, band * 0.85), QPointF(page.width(), band * 0.85));
        painter.drawText(QRectF(0, page.height() - band * 0.8, page.width(), band * 0.8), Qt::AlignCenter,
                         QStringLiteral("%1 / %2").arg(i + 1).arg(pages));

        painter.save();
        painter.translate(0, band - i * body.height());
        document.drawContents(&painter, QRectF(QPointF(0, i * body.height()), body));
        painter.restore();
    }
}

bool Write_Pdf(const Printout& printout, const QString& path, QString& error) {
    // Drawn in memory, then written by the one writer that a full disk cannot fool.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(printout.title);
        writer.setCreator(QStringLiteral("Lectarium"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        Paint_Printout(printout, writer);
    }
    return Write_File_Safely(path, buffer.data(), &error);
}

bool Write_Paged_Pdf(const Paged_Printable& pages, const QString& path, QString& error) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(pages.Print_Title());
        writer.setCreator(QStringLiteral("Lectarium"));
        writer.setPageLayout(pages.Print_Layout());
        writer.setResolution(300);
        pages.Paint_Pages(writer);
    }
    return Write_File_Safely(path, buffer.data(), &error);
}

namespace {

const Paged_Printable* activePages() {
    return dynamic_cast<const Paged_Printable*>(Active_Form());
}

} // namespace

// The active window's text, or a message that there is none.
static bool activeOrSay(Printout& printout) {
    if (Active_Printout(printout))
        return true;
    Dialogs().Message(dialogParent(), nothingToPrint(), printCaption(), Msg_Buttons::Ok,
                      Msg_Icon::Exclamation);
    return false;
}

void Print_Click() {
    if (const Paged_Printable* pages = activePages()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(pages->Print_Title());
        printer.setPageLayout(pages->Print_Layout());
        QPrintDialog dialog(&printer, dialogParent());
        if (dialog.exec() == QDialog::Accepted)
            pages->Paint_Pages(printer);
        return;
    }
    Printout printout;
    if (!activeOrSay(printout))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(printout.title);
    QPrintDialog dialog(&printer, dialogParent());
    if (dialog.exec() == QDialog::Accepted)
        Paint_Printout(printout, printer);
}

void Print_Preview_Click() {
    if (const Paged_Printable* pages = activePages()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(pages->Print_Title());
        printer.setPageLayout(pages->Print_Layout());
        QPrintPreviewDialog preview(&printer, dialogParent());
        preview.setLayoutDirection(Window_Direction());
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [pages](QPrinter* target) { pages->Paint_Pages(*target); });
        preview.exec();
        return;
    }
    Printout printout;
    if (!activeOrSay(printout))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(printout.title);
    QPrintPreviewDialog preview(&printer, dialogParent());
    preview.setLayoutDirection(Window_Direction());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&printout](QPrinter* target) { Paint_Printout(printout, *target); });
    preview.exec();
}

void Export_Pdf_Click() {
    const Paged_Printable* pages = activePages();
    Printout printout;
    if (!pages && !activeOrSay(printout))
        return;
    const QString path =
        Dialogs().Save_File(dialogParent(), QCoreApplication::translate("Lectarium::Printing", "Export PDF"),
                            QStringLiteral("NoName.pdf"), pdfFilter());
    if (path.isEmpty() || path == QLatin1String("NoName.pdf"))
        return;
    QString error;
    if (!(pages ? Write_Paged_Pdf(*pages, path, error) : Write_Pdf(printout, path, error)))
        Dialogs().Message(dialogParent(),
                          QCoreApplication::translate("Lectarium::Printing", "لا يمكن التسجيل\n%1\n%2")
                              .arg(QDir::toNativeSeparators(path), error),
                          QCoreApplication::translate("Lectarium::Printing", "Export PDF"), Msg_Buttons::Ok,
                          Msg_Icon::Exclamation);
}

} // namespace Lectarium
