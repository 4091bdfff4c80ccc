// How long Get_Chapter takes on the longest chapter of a database (the demonstration
// database by default): bench_get_chapter [DATABASE] [REPEATS]

#include "bible/chapter.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace MdlLectarium;

int main(int argc, char* argv[]) {
    const QString database =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(LECTARIUM_DEMO_DATABASE);
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    Init_Bible_Tables();

    Data_Source source(QStringLiteral("Data_Bible"));
    source.setDatabaseName(database);
    source.setRecordSource(QStringLiteral("SELECT Old, Bible, Part, COUNT(*) AS Verses FROM Bible "
                                          "GROUP BY Old, Bible, Part ORDER BY Verses DESC LIMIT 1"));
    if (!source.refresh() || source.eof()) {
        std::fprintf(stderr, "bench_get_chapter: cannot read %s: %s\n", qPrintable(database),
                     qPrintable(source.lastError()));
        return 2;
    }
    const Integer book =
        Book_Number(source.number(QStringLiteral("Old")), source.number(QStringLiteral("Bible")));
    const Integer chapter = source.number(QStringLiteral("Part"));
    const int verses = source.number(QStringLiteral("Verses"));

    std::vector<double> ms;
    qsizetype characters = 0;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        characters = Get_Chapter(source, book, chapter).size();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("Get_Chapter book %d chapter %d (%d verses, %lld characters): best %.2f ms, median %.2f ms "
                "(%d runs)\n",
                book, chapter, verses, static_cast<long long>(characters), ms.front(), ms[ms.size() / 2],
                repeats);
    return 0;
}
