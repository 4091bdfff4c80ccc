// How long a Bible search takes through the real search window, from Search to the
// results window, and how much of it is spent handing control to the event loop:
// bench_search [DATABASE] [REPEATS]
//
// A whole-Bible search for a common word, a very common word and a rare phrase, each with the
// scan handing over after every hit and on a time budget. Runs on the offscreen
// platform unless QT_QPA_PLATFORM says otherwise; message boxes are answered at once.

#include "bible/frm_bible_select.h"
#include "bible/frm_view_search.h"
#include "bible/search.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/scrambled_text.h"
#include "shell/child_window.h"
#include "shell/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

// Every message box answered OK at once.
class Quiet_Dialogs final : public Dialog_Layer {
public:
    Msg_Answer Message(QWidget*, const QString&, const QString&, Msg_Buttons, Msg_Icon) override {
        return Msg_Answer::Ok;
    }
    QString Open_File(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString Save_File(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QFont> Choose_Font(QWidget*, const QFont&) override { return std::nullopt; }
    std::optional<QColor> Choose_Color(QWidget*, const QColor&) override { return std::nullopt; }
    bool Show_Help(QWidget*, const QString&) override { return false; }
};

struct Run {
    double totalMs = 0;
    double statementMs = 0;
    int pages = 0;
    FrmBible_Select::Scan_Figures scan;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One search through the window: Search pressed, results window shown.
Run searchOnce(const QString& term) {
    FrmBible_Select* form = FrmBible_Select::Show_Window();
    form->TextSearch()->setText(term);
    form->Check1(0)->setChecked(true);
    form->Check1(1)->setChecked(true);
    QElapsedTimer timer;
    timer.start();
    form->CommandSearch()->click();
    Run run;
    run.pages = Page_Count;
    run.totalMs = timer.nsecsElapsed() / 1e6;
    run.scan = FrmBible_Select::Last_Scan();
    QApplication::processEvents(); // paint what the search showed before the next run

    // The statement alone, for the share the database takes.
    Data_Source& source = Data_Bible_Search();
    source.setRecordSource(Testament_Statement(true, true, Flip_Text(term)));
    timer.restart();
    source.refresh();
    run.statementMs = timer.nsecsElapsed() / 1e6;
    source.close();
    return run;
}

void report(const QString& term, int interval, int repeats) {
    FrmBible_Select::Set_Yield_Interval(interval);
    std::vector<double> total, statement, scan, yield, gap;
    Run last;
    searchOnce(term); // warm the file cache
    for (int i = 0; i < repeats; ++i) {
        last = searchOnce(term);
        total.push_back(last.totalMs);
        statement.push_back(last.statementMs);
        scan.push_back(last.scan.scanNs / 1e6);
        yield.push_back(last.scan.yieldNs / 1e6);
        gap.push_back(last.scan.longestGapNs / 1e6);
    }
    const double t = median(total);
    const double y = median(yield);
    std::printf("%-12s | %-18s | %6d | %5d | %8.1f | %9.1f | %7.1f | %7.1f (%4.1f%%) | %6d | %14.2f\n",
                qPrintable(term),
                interval == 0 ? "after every hit" : qPrintable(QStringLiteral("every %1 ms").arg(interval)),
                last.scan.hits, last.pages, t, median(statement), median(scan), y,
                t > 0 ? 100.0 * y / t : 0.0, last.scan.yields, median(gap));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString database = args.size() > 1 ? args[1] : QStringLiteral(LECTARIUM_DEMO_DATABASE);
    const int repeats = args.size() > 2 ? std::max(1, args[2].toInt()) : 5;

    Init_Bible_Tables();
    Data_Bible_Search().setDatabaseName(database);
    Data_Bible_Search().setRecordSource(QStringLiteral("SELECT COUNT(*) AS Verses FROM Bible"));
    if (!Data_Bible_Search().refresh() || Data_Bible_Search().eof()) {
        std::fprintf(stderr, "bench_search: cannot read %s: %s\n", qPrintable(database),
                     qPrintable(Data_Bible_Search().lastError()));
        return 2;
    }
    std::printf("%s: %d verses, median of %d runs\n\n", qPrintable(database),
                Data_Bible_Search().field(QStringLiteral("Verses")).toInt(), repeats);

    // The Bible read into memory (what opening the search window does once), then the
    // search through it alone, without formatting the hits.
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!Load_Bible_Text(Data_Bible_Search(), error)) {
        std::fprintf(stderr, "bench_search: %s\n", qPrintable(error));
        return 2;
    }
    std::printf("Bible read into memory: %.1f ms\n", timer.nsecsElapsed() / 1e6);
    for (const QString& term : {QStringLiteral("God"), QStringLiteral("Jesus wept"), QStringLiteral("the")})
        for (bool fold : {false, true}) {
            std::vector<double> times;
            Found_Verses found;
            for (int i = 0; i <= repeats; ++i) {
                timer.restart();
                Find_Verses(Data_Bible_Search(), term, fold, Search_Scope(), found, error);
                if (i > 0) // the first makes the folded copy
                    times.push_back(timer.nsecsElapsed() / 1e6);
            }
            std::printf("scan \"%s\"%s: %zu verses, %.2f ms\n", qPrintable(term),
                        fold ? " ignoring marks" : "", found.rows.size(), median(times));
        }
    std::printf("\n");
    Quiet_Dialogs dialogs;
    Set_Dialogs(&dialogs);

    std::printf("%-12s | %-18s | %6s | %5s | %8s | %9s | %7s | %16s | %6s | %14s\n", "term", "hands over",
                "hits", "pages", "total ms", "statement", "scan ms", "in event loop ms", "yields",
                "longest gap ms");
    // After every hit, and on the program's own time budget.
    const int budget = FrmBible_Select::Yield_Interval();
    for (const QString& term : {QStringLiteral("God"), QStringLiteral("the"), QStringLiteral("Jesus wept")})
        for (int interval : {0, budget})
            report(term, interval, repeats);

    if (FrmView_Search* results = FrmView_Search::Instance())
        Placement_Widget(results)->close();
    if (FrmBible_Select* form = FrmBible_Select::Instance())
        Placement_Widget(form)->close();
    QApplication::processEvents();
    Set_Dialogs(nullptr);
    return 0;
}
