// Export PDF of the whole-day window and the passage window, read back with pdftotext;
// what each window gives the File menu's printing and "where is this read".

#include "app/frm_year_calendar.h"
#include "app/mdi_lectarium.h"
#include "app/printing.h"
#include "bible/frm_bible_view.h"
#include "bible/frm_display_bible.h"
#include "bible/frm_view_search.h"
#include "calendar/frm_select_day.h"
#include "calendar/year_calendar_pdf.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_whole_day.h"
#include "shell/child_window.h"
#include "shell/printable.h"
#include "tests/readings/reading_windows.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QtTest>

using namespace Lectarium;

namespace {

// The text of a PDF as pdftotext reads it, without its direction marks. The lam-alef
// ligatures have no text in the PDF, so the checks keep to words without them.
QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    // Presentation forms (as some locales give them) back to letters.
    QString text =
        QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    static const QRegularExpression marks(QStringLiteral("[\\x{200e}\\x{200f}\\x{202a}-\\x{202e}]"));
    return text.remove(marks);
}

void activate(QWidget* form) {
    auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    QVERIFY(window);
    Main_Window()->Mdi_Area()->setActiveSubWindow(window);
}

} // namespace

class Test_Print_Pdf final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Flush_Deletions(); }

    void wholeDay() {
        Reading_Session r;
        r.Show_Day(QDate(1999, 3, 3));
        r.s->window->findChild<QAction*>(QStringLiteral("Whole_Day"))->trigger();
        activate(FrmWhole_Day::Instance());
        const QString path = r.s->folder.file(QStringLiteral("day.pdf"));
        r.s->dialogs.Answer_Save(path);
        r.s->window->findChild<QAction*>(QStringLiteral("Export_Pdf"))->trigger();
        QVERIFY(r.s->dialogs.Unexpected().isEmpty());
        QVERIFY(r.s->dialogs.Messages().isEmpty());
        const QString text = pdfText(path);
        QVERIFY2(text.contains(QStringLiteral("قراءات اليوم كاملة")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("كورنثوس")),
                 qPrintable(text)); // a verse of the Pauline epistle
        // Two pages, each with its header and its number (pdftotext may give "2/1").
        QCOMPARE(text.count(QStringLiteral("قراءات اليوم كاملة")), 3);
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\b(1 ?/ ?2|2 ?/ ?1)\\b"))));
    }

    void passageWindow() {
        Reading_Session r;
        FrmDisplay_Bible* form = FrmDisplay_Bible::Show_Text(
            QStringLiteral("يو 3: 16"), QStringLiteral("16 لأنه هكذا أحب الله العالم\r\n"),
            QStringLiteral("القراءة"));
        activate(form);
        Printout printout;
        QVERIFY(Active_Printout(printout));
        const QString path = r.s->folder.file(QStringLiteral("passage.pdf"));
        QString error;
        QVERIFY2(Write_Pdf(printout, path, error), qPrintable(error));
        const QString text = pdfText(path);
        QVERIFY2(text.contains(QStringLiteral("القراءة")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("يو")));
        QVERIFY(text.contains(QStringLiteral("هكذا أحب")));
        QVERIFY(text.contains(QStringLiteral("العالم")));
        Placement_Widget(form)->close();
    }

    // The active window answers through the interface the top asks: what it prints
    // (its title leads the page header) and the verses "where is this read" lists.
    void activeWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<QString>("reference"); // empty: none to ask about
        QTest::newRow("whole day") << "whole day" << true << QString();
        QTest::newRow("passage") << "passage" << true << QStringLiteral("يو 3: 16");
        QTest::newRow("Bible chapter") << "chapter" << true << QStringLiteral("تك 1");
        QTest::newRow("results page") << "results" << true << QString();
        QTest::newRow("day chooser") << "chooser" << false << QString();
    }

    void activeWindow() {
        QFETCH(QString, window);
        QFETCH(bool, printed);
        QFETCH(QString, reference);
        Reading_Session r;
        QWidget* form = nullptr;
        if (window == QLatin1String("whole day")) {
            r.s->window->findChild<QAction*>(QStringLiteral("Whole_Day"))->trigger();
            form = FrmWhole_Day::Instance();
        } else if (window == QLatin1String("passage")) {
            form = FrmDisplay_Bible::Show_Text(QStringLiteral("يو 3: 16"), QStringLiteral("16 نص\r\n"),
                                               QStringLiteral("القراءة"));
        } else if (window == QLatin1String("chapter")) {
            form = FrmBible_View::Show_Window();
        } else if (window == QLatin1String("results")) {
            form = FrmView_Search::Show_Window();
        } else {
            form = FrmSelect_Day::Show_Window();
        }
        activate(form);
        Printout printout;
        QCOMPARE(Active_Printout(printout), printed);
        if (printed) {
            QVERIFY2(printout.title.startsWith(form->windowTitle()), qPrintable(printout.title));
            QVERIFY(!printout.date.isEmpty());
            QVERIFY(printout.html.contains(printout.title.toHtmlEscaped()));
        }
        const auto* source = dynamic_cast<const Where_Read_Source*>(Active_Form());
        QCOMPARE(source ? source->Where_Reference() : QString(), reference);
        Placement_Widget(form)->close();
    }

    // The year view's calendar: Export PDF through the safe writer, and the same pages on
    // a printer; a first page and one per month, a feast on its month's page.
    void yearCalendar() {
        Reading_Session r;
        r.s->window->findChild<QAction*>(QStringLiteral("Year_Calendar"))->trigger();
        FrmYear_Calendar* form = FrmYear_Calendar::Instance();
        QVERIFY(form);
        form->SpinYear()->setValue(2027);
        activate(form);
        const QString path = r.s->folder.file(QStringLiteral("year.pdf"));
        r.s->dialogs.Answer_Save(path);
        r.s->window->findChild<QAction*>(QStringLiteral("Export_Pdf"))->trigger();
        QVERIFY(r.s->dialogs.Messages().isEmpty());
        const QString printed = r.s->folder.file(QStringLiteral("printer.pdf"));
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            printer.setPageLayout(form->Print_Layout());
            form->Paint_Pages(printer);
        }
        for (const QString& file : {path, printed}) {
            const QStringList pages = pdfText(file).split(QLatin1Char('\f'));
            QCOMPARE(pages.size(), 13 + 1); // after the last page's form feed
            // August: the Transfiguration (13 Misra, 19 August).
            QVERIFY2(pages[8].contains(QStringLiteral("التجلي")) && pages[8].contains(QStringLiteral("2027")),
                     qPrintable(pages[8]));
            QVERIFY(!pages[7].contains(QStringLiteral("التجلي")));
        }
        // In English: its own words English, the Transfiguration on the August page.
        const QString english = r.s->folder.file(QStringLiteral("english.pdf"));
        QFile file(english);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(MdlLectarium::Year_Calendar_Pdf(2027, {}, MdlLectarium::Interface_Language::English));
        file.close();
        const QStringList pages = pdfText(english).split(QLatin1Char('\f'));
        QCOMPARE(pages.size(), 13 + 1);
        QVERIFY2(pages[0].contains(QStringLiteral("Moveable Feasts")), qPrintable(pages[0]));
        QVERIFY2(pages[8].contains(QStringLiteral("August 2027")) &&
                     pages[8].contains(QStringLiteral("Transfiguration")),
                 qPrintable(pages[8]));
        for (const QString& page : pages)
            QVERIFY2(!page.contains(QRegularExpression(QStringLiteral("\\p{Arabic}"))), qPrintable(page));
    }

    // A file that cannot be written is reported and the old one stays as it was.
    void failedExport() {
        Reading_Session r;
        r.s->window->findChild<QAction*>(QStringLiteral("Whole_Day"))->trigger();
        activate(FrmWhole_Day::Instance());
        r.s->dialogs.Answer_Save(r.s->folder.file(QStringLiteral("no-such-folder/day.pdf")));
        r.s->window->findChild<QAction*>(QStringLiteral("Export_Pdf"))->trigger();
        QCOMPARE(r.s->dialogs.Messages().size(), 1);
        QVERIFY(!QFile::exists(r.s->folder.file(QStringLiteral("no-such-folder/day.pdf"))));
    }
};

QTEST_MAIN(Test_Print_Pdf)
#include "test_print_pdf.moc"
