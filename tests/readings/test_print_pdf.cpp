// Export PDF of the whole-day window and the passage window, read back with pdftotext.

#include "app/mdi_lectarium.h"
#include "app/printing.h"
#include "bible/frm_display_bible.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_whole_day.h"
#include "shell/child_window.h"
#include "tests/readings/reading_windows.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
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
        Printable printable;
        QVERIFY(Active_Printable(printable));
        const QString path = r.s->folder.file(QStringLiteral("passage.pdf"));
        QString error;
        QVERIFY2(Write_Pdf(printable, path, error), qPrintable(error));
        const QString text = pdfText(path);
        QVERIFY2(text.contains(QStringLiteral("القراءة")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("يو")));
        QVERIFY(text.contains(QStringLiteral("هكذا أحب")));
        QVERIFY(text.contains(QStringLiteral("العالم")));
        Placement_Widget(form)->close();
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
