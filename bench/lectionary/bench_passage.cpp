// How long passages and a whole-Bible search take on a database (the demonstration
// database by default), with grep -c over the exported Bible text of the same build
// timed in the same run as the reference point:
//   bench_passage [DATABASE] [BIBLE_TEXT] [REPEATS]   (an empty argument keeps the default)

#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/statements.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace MdlLectarium;

namespace {

struct Timing {
    double best = 0;
    double median = 0;
};

Timing measure(int repeats, const std::function<void()>& run) {
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

void report(const char* what, const Timing& t, const QString& detail) {
    std::printf("%-34s best %8.3f ms, median %8.3f ms  %s\n", what, t.best, t.median, qPrintable(detail));
}

} // namespace

int main(int argc, char* argv[]) {
    auto argument = [&](int i, const char* fallback) {
        const QString given = argc > i ? QString::fromLocal8Bit(argv[i]) : QString();
        return given.isEmpty() ? QString::fromUtf8(fallback) : given;
    };
    const QString database = argument(1, LECTARIUM_DEMO_DATABASE);
    const QString bibleText = argument(2, LECTARIUM_DEMO_BIBLE_TEXT);
    const int repeats = argc > 3 ? std::max(1, std::atoi(argv[3])) : 20;
    Init_Bible_Tables();

    Data_Source source(QStringLiteral("Data_Bible"));
    source.setDatabaseName(database);
    source.setRecordSource(Tips_Table);
    if (!source.refresh()) {
        std::fprintf(stderr, "bench_passage: cannot read %s: %s\n", qPrintable(database),
                     qPrintable(source.lastError()));
        return 2;
    }
    std::printf("database %s, %d runs each\n", qPrintable(database), repeats);

    struct Case {
        const char* what;
        QString reference;
    };
    const Case cases[] = {
        {"kind 0, one verse", QStringLiteral("يو 3: 16")},
        {"kind 1, two verses", QStringLiteral("يو 3: 16، 18")},
        {"kind 2, two chapters", QStringLiteral("يو 3: 16، 4: 2")},
        {"kind 3, verse range", QStringLiteral("يو 3: 16-21")},
        {"kind 4, three chapters", QStringLiteral("يو 3: 16-5: 10")},
        {"kind 5, three verses", QStringLiteral("يو 3: 16، 18، 20")},
        {"kind 4, Isaiah 52:13-54:17", QStringLiteral("اش 52: 13-54: 17")},
        {"psalm from the psalm table", QStringLiteral("مز 1: 1-3")},
        {"psalm from the Bible table", QStringLiteral("مز 119: 1-40")},
    };
    for (const Case& c : cases) {
        QString passage;
        const Timing t = measure(repeats, [&] { passage = Get_Passage(source, c.reference); });
        report(c.what, t,
               QStringLiteral("%1 lines, %2 characters").arg(passage.count(Line_Break)).arg(passage.size()));
    }

    // The search: one statement over the whole table, then every hit read and
    // unscrambled as the search window does.
    const QString word = QStringLiteral("God");
    int hits = 0;
    const Timing scan = measure(std::max(1, repeats / 4), [&] {
        Data_Source search(QStringLiteral("Data_Bible_Search"));
        search.setDatabaseName(database);
        search.setRecordSource(Search_All_Statement(Flip_Text(word)));
        search.refresh();
        hits = 0;
        for (; !search.eof(); search.moveNext()) {
            const QString text = Flip_Text(search.text(QStringLiteral("Sign")));
            hits += text.isEmpty() ? 0 : 1;
        }
    });
    report("INSTR scan of the whole Bible", scan, QStringLiteral("\"%1\": %2 verses").arg(word).arg(hits));

    if (!QFileInfo::exists(bibleText)) {
        std::printf("grep -c: %s is missing, no reference point\n", qPrintable(bibleText));
        return 0;
    }
    QByteArray count;
    const Timing grep = measure(std::max(1, repeats / 4), [&] {
        QProcess process;
        process.start(QStringLiteral("grep"), {QStringLiteral("-c"), word, bibleText});
        process.waitForFinished(-1);
        count = process.readAllStandardOutput().trimmed();
    });
    report("grep -c over the exported text", grep,
           QStringLiteral("\"%1\": %2 lines (including the process start)")
               .arg(word, QString::fromLatin1(count)));
    return 0;
}
