#include "tests/bible/bible_fixture.h"

#include "tests/bible/search_fixture.h"

QString Fixture_Verse(int book, int chapter, int verse) {
    return QStringLiteral("سفر %1 أصحاح %2 آية %3").arg(book).arg(chapter).arg(verse);
}

QString Write_Bible_Fixture(const QString& path, const QList<std::pair<int, int>>& chapters,
                            int versesPerChapter) {
    QList<Search_Row> rows;
    for (const auto& [book, chapter] : chapters)
        for (int verse = 1; verse <= versesPerChapter; ++verse)
            rows.append({book, chapter, verse, Fixture_Verse(book, chapter, verse)});
    return Write_Search_Fixture(path, rows);
}
