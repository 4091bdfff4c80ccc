// How long the reader's translations take: a module's first use (its cache built), a
// later opening from the cache, a passage in three translations side by side, a search
// in one, and the peak memory with three open:
//   bench_translations [MODULE] [REPEATS]   (default engWEB2015eb, Debian sword-text-web)
// The caches go to a temporary folder, never the user's. The peak is taken in a second
// run of this program over the caches built, as the reader's program opens them: the
// first use reads the module through libsword once, and its memory is not the
// reader's everyday peak.

#include "bible/search.h"
#include "lectionary/bible_books.h"
#include "lectionary/parallel_passage.h"
#include "lectionary/sword_bible.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace MdlLectarium;

namespace {

double median(int repeats, const std::function<void()>& run) {
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// The process's peak resident memory (VmHWM), in MB.
double peakMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

} // namespace

// The second run: three translations opened from their caches, a passage side by side
// and a search shown, then the peak.
int peakOfThreeOpen(const QString& module) {
    Init_Bible_Tables();
    std::vector<Translation> open(3);
    QString error;
    for (Translation& translation : open)
        if (!Open_Translation(module, translation, error, [](int) { return false; })) {
            std::fprintf(stderr, "bench_translations: %s\n", qPrintable(error));
            return 1;
        }
    Parallel_Html(Side_By_Side({&open[0], &open[1], &open[2]}, QStringLiteral("مت 4: 23-5: 16")),
                  {QString(), QString(), QString()});
    Search_Translation(open[0], QStringLiteral("God"), false, Search_Scope());
    std::printf("%-34s %8.1f MB\n", "peak memory, three open", peakMegabytes());
    return 0;
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--peak")
        return peakOfThreeOpen(QString::fromLocal8Bit(argv[2]));
    const QString module = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("engWEB2015eb");
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    Init_Bible_Tables();

    Translation first;
    QString error;
    QElapsedTimer timer;
    timer.start();
    if (!Open_Translation(module, first, error)) {
        std::fprintf(stderr, "bench_translations: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%-34s %8.1f ms  %zu verses\n", "first use, cache built", timer.nsecsElapsed() / 1e6,
                first.verses.size());

    std::vector<Translation> open(3);
    const double opening = median(repeats, [&] { Open_Translation(module, open[0], error); });
    std::printf("%-34s %8.1f ms (median)\n", "opened from the cache", opening);
    Open_Translation(module, open[1], error);
    Open_Translation(module, open[2], error);

    const QString reference = QStringLiteral("مت 4: 23-5: 16");
    qsizetype rows = 0;
    const double shown = median(repeats, [&] {
        const QList<Passage_Block> blocks = Side_By_Side({&open[0], &open[1], &open[2]}, reference);
        rows = blocks.isEmpty() ? 0 : blocks.first().rows.size() + blocks.last().rows.size();
        Parallel_Html(blocks, {QString(), QString(), QString()});
    });
    std::printf("%-34s %8.3f ms (median)  %lld rows\n", "three side by side, as HTML", shown,
                static_cast<long long>(rows));

    // The first search joins the translation's verses into one text for the byte search;
    // later ones only search.
    int hits = 0;
    timer.restart();
    hits = Search_Translation(open[0], QStringLiteral("God"), false, Search_Scope()).hits;
    std::printf("%-34s %8.1f ms  %d verses\n", "first search, verses joined", timer.nsecsElapsed() / 1e6,
                hits);
    const double searched = median(repeats, [&] {
        hits = Search_Translation(open[0], QStringLiteral("God"), false, Search_Scope()).hits;
    });
    std::printf("%-34s %8.1f ms (median)  %d verses\n", "search \"God\" in the translation", searched, hits);
    // The scan alone, as the database's search is measured beside grep -c: the verses
    // holding the term found, the pages of results left out.
    Joined_Verses joined;
    for (const auto& verse : open[0].verses)
        joined.Append(verse.second);
    size_t found = 0;
    const double scanned =
        median(repeats, [&] { found = joined.Rows_Holding(QStringLiteral("God"), false).size(); });
    std::printf("%-34s %8.2f ms (median)  %zu verses\n", "the scan alone in the translation", scanned, found);
    std::fflush(stdout);
    return QProcess::execute(QCoreApplication::applicationFilePath(), {QStringLiteral("--peak"), module});
}
