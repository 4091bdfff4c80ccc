#pragma once

#include <QByteArray>
#include <QString>

// Writes a small Lectarium.mdb with a Bible table: for each (book, chapter) listed, a
// few verses whose text names them ("book 47 chapter 1 verse 2"), scrambled as the
// program stores them. Returns an empty string or the reason it failed.
QString Write_Bible_Fixture(const QString& path, const QList<std::pair<int, int>>& chapters,
                            int versesPerChapter = 3);

// The text Write_Bible_Fixture stores for a verse.
QString Fixture_Verse(int book, int chapter, int verse);
