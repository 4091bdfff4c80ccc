// The lectern's paging: whole verses under the heading, never cut, the type as large as
// the page allows. Text is modelled by its length in characters, each character as
// wide as the type size and each line as high, so the expected pages can be worked out
// by hand.

#include "lectionary/bible_books.h"
#include "readings/lectern_pages.h"
#include "readings/whole_day.h"

#include <QtTest>

#include <cmath>

using namespace MdlLectarium;

namespace {

// "T|0:0+2|0:2+1": the title page, then reading 0 rows 0-1, then row 2.
QString shown(const std::vector<Lectern_Page>& pages) {
    QStringList out;
    for (const Lectern_Page& page : pages)
        out << (page.reading < 0
                    ? QStringLiteral("T")
                    : QStringLiteral("%1:%2+%3").arg(page.reading).arg(page.firstRow).arg(page.rowCount));
    return out.join(QLatin1Char('|'));
}

// A reading as its heading's length and, per verse, each column's length.
struct Text_Reading {
    int heading;
    QList<QList<int>> rows;
};

double lines(int characters, int size, double width) {
    return std::ceil(characters * size / width) * size;
}

} // namespace

Q_DECLARE_METATYPE(Text_Reading)

class Test_Lectern_Pages final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Init_Bible_Tables(); }

    void paginate_data() {
        QTest::addColumn<double>("pageHeight");
        QTest::addColumn<QList<double>>("headings");
        QTest::addColumn<QList<QList<double>>>("rows");
        QTest::addColumn<QString>("pages");
        QTest::newRow("short reading on one page")
            << 100.0 << QList<double>{20} << QList<QList<double>>{{30, 30}} << QStringLiteral("T|0:0+2");
        QTest::newRow("exactly full") << 100.0 << QList<double>{40} << QList<QList<double>>{{30, 30, 10}}
                                      << QStringLiteral("T|0:0+2|0:2+1");
        QTest::newRow("long reading goes on, heading again")
            << 100.0 << QList<double>{20} << QList<QList<double>>{{40, 40, 40, 40, 40}}
            << QStringLiteral("T|0:0+2|0:2+2|0:4+1");
        QTest::newRow("each reading opens a page")
            << 100.0 << QList<double>{20, 20} << QList<QList<double>>{{10}, {10, 10}}
            << QStringLiteral("T|0:0+1|1:0+2");
        QTest::newRow("a reading without text keeps its heading")
            << 100.0 << QList<double>{20, 20} << QList<QList<double>>{{}, {10}}
            << QStringLiteral("T|0:0+0|1:0+1");
        QTest::newRow("a verse taller than the page: no pages")
            << 100.0 << QList<double>{20} << QList<QList<double>>{{10, 81}} << QString();
        QTest::newRow("no readings: the title page")
            << 100.0 << QList<double>{} << QList<QList<double>>{} << QStringLiteral("T");
    }
    void paginate() {
        QFETCH(double, pageHeight);
        QFETCH(QList<double>, headings);
        QFETCH(QList<QList<double>>, rows);
        QFETCH(QString, pages);
        std::vector<Lectern_Heights> heights;
        for (qsizetype i = 0; i < headings.size(); ++i)
            heights.push_back({headings[i], {rows[i].begin(), rows[i].end()}});
        QCOMPARE(shown(Lectern_Paginate(heights, pageHeight)), pages);
    }

    void fit_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QList<Text_Reading>>("readings");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("pages");
        // 1080 / 10 = 108: a heading of 20 characters takes 2 lines (216), a verse of
        // 40 characters 3 lines (324): two verses on a page.
        QTest::newRow("short reading, full HD, largest type")
            << QSize(1920, 1080) << 1 << QList<Text_Reading>{{20, {{40}, {40}, {40}}}} << 108
            << QStringLiteral("T|0:0+2|0:2+1");
        // A verse of 400 characters fits 720 only at 45 (15 lines + the heading's one).
        QTest::newRow("long verse, 1280x720, type shrinks")
            << QSize(1280, 720) << 1 << QList<Text_Reading>{{20, {{400}, {10}}}} << 45
            << QStringLiteral("T|0:0+1|0:1+1");
        // Two columns of 960: the longer cell (80 characters) sets the row, 9 lines at 97.
        QTest::newRow("two columns, full HD")
            << QSize(1920, 1080) << 2 << QList<Text_Reading>{{20, {{40, 80}, {40, 80}}}} << 97
            << QStringLiteral("T|0:0+1|0:1+1");
        QTest::newRow("two readings, small screen")
            << QSize(800, 600) << 1 << QList<Text_Reading>{{10, {{20}, {20}, {20}}}, {10, {{20}}}} << 60
            << QStringLiteral("T|0:0+3|1:0+1");
        // Nothing fits even at the smallest type: the verse runs over its own page.
        QTest::newRow("verse too long for any type")
            << QSize(320, 180) << 1 << QList<Text_Reading>{{10, {{5000}, {10}}}} << 10
            << QStringLiteral("T|0:0+1|0:1+1");
    }
    void fit() {
        QFETCH(QSize, screen);
        QFETCH(int, columns);
        QFETCH(QList<Text_Reading>, readings);
        QFETCH(int, size);
        QFETCH(QString, pages);
        const auto measure = [&](int typeSize) {
            std::vector<Lectern_Heights> heights;
            for (const Text_Reading& reading : readings) {
                Lectern_Heights h{lines(reading.heading, typeSize, screen.width()), {}};
                for (const QList<int>& row : reading.rows) {
                    double tallest = 0;
                    for (const int cell : row)
                        tallest = std::max(tallest, lines(cell, typeSize, screen.width() / double(columns)));
                    h.rows.push_back(tallest);
                }
                heights.push_back(h);
            }
            return heights;
        };
        const Lectern_Fit fit = Lectern_Fit_Size(screen.height() / 10, 10, screen.height(), measure);
        QCOMPARE(fit.size, size);
        QCOMPARE(shown(fit.pages), pages);
    }

    // A translation beside the day's text pairs verse with verse, whatever either lacks.
    void besideByVerseNumber_data() {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("beside");
        QTest::addColumn<QString>("rows");
        QTest::newRow("heading") << "الأصحاح 5|1 a|2 b"
                                 << "1 A|2 B"
                                 << "الأصحاح 5/ 1 a/1 A 2 b/2 B";
        QTest::newRow("day lacks") << "1 a|3 c"
                                   << "1 A|2 B|3 C"
                                   << "1 a/1 A /2 B 3 c/3 C";
        QTest::newRow("beside lacks") << "1 a|2 b"
                                      << "2 B"
                                      << "1 a/ 2 b/2 B";
        QTest::newRow("two chapters") << "24 x|25 y|1 z"
                                      << "24 X|25 Y|1 Z"
                                      << "24 x/24 X 25 y/25 Y 1 z/1 Z";
        QTest::newRow("beside longer") << "1 a"
                                       << "1 A|2 B"
                                       << "1 a/1 A /2 B";
        QTest::newRow("two parts") << "3 c|1 a"
                                   << "3 C|1 A"
                                   << "3 c/3 C 1 a/1 A";
    }

    void besideByVerseNumber() {
        QFETCH(QString, day);
        QFETCH(QString, beside);
        QFETCH(QString, rows);
        Lectern_Day lectern;
        Lectern_Reading reading{QStringLiteral("عشية"), QString(), QStringLiteral("مت 5: 1-2"), {}, {}};
        for (const QString& line : day.split(QLatin1Char('|')))
            reading.rows.push_back({{{line, Qt::LeftToRight}}});
        lectern.readings.push_back(reading);
        Lectern_Add_Beside(lectern, [&beside](const QString&) { return beside.split(QLatin1Char('|')); });
        QStringList shown;
        for (const Lectern_Row& row : lectern.readings[0].rows) {
            QCOMPARE(row.cells.size(), size_t(2));
            shown << row.cells[0].text + QLatin1Char('/') + row.cells[1].text;
        }
        QCOMPARE(lectern.columns, 2);
        QCOMPARE(shown.join(QLatin1Char(' ')), rows);
    }

    // The day's readings in the whole day's order, each verse a row in its own direction.
    void dayOfWholeDay() {
        Whole_Day_Document document;
        document.occasion = QStringLiteral("أحد الشعانين");
        document.parts.push_back({QStringLiteral("عشية"),
                                  {{QStringLiteral("المزمور"), QStringLiteral("مز 1: 1-2"),
                                    QStringLiteral("1 طوبى للرجل\n\n2 But his delight")}},
                                  {}});
        document.parts.push_back({QStringLiteral("السنكسار"), {}, QStringLiteral("story")});
        document.parts.push_back(
            {QStringLiteral("باكر"), {{QString(), QStringLiteral("يو 1: 1"), QString()}}, {}});
        const Lectern_Day day = Lectern_Day_Of(document);
        QCOMPARE(day.title, document.occasion);
        QCOMPARE(day.readings.size(), size_t(2));
        QCOMPARE(Lectern_Heading(day.readings[0]), QStringLiteral("عشية — المزمور — مز 1: 1-2"));
        QCOMPARE(Lectern_Heading(day.readings[1]), QStringLiteral("باكر — يو 1: 1"));
        QCOMPARE(day.readings[0].rows.size(), size_t(2));
        QCOMPARE(day.readings[0].rows[0].cells[0].direction, Qt::RightToLeft);
        QCOMPARE(day.readings[0].rows[1].cells[0].direction, Qt::LeftToRight);
        QVERIFY(day.readings[1].rows.empty());
    }

    // A psalm's heading in the page's language: the church's number with the Hebrew beside
    // in Arabic, as English readers write it in English; the translation beside is looked
    // up by the reference as kept, and the day's text stands first in the reading order.
    void headingInTheDocumentsLanguage_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("classic") << false << "عشية — المزمور — مز 22 (23): 1-2" << Qt::RightToLeft;
        QTest::newRow("English") << true << "Vespers — Psalm — Psalm 23:1-2" << Qt::LeftToRight;
    }
    void headingInTheDocumentsLanguage() {
        QFETCH(bool, english);
        QFETCH(QString, heading);
        QFETCH(Qt::LayoutDirection, direction);
        Whole_Day_Document document;
        document.language = english ? Interface_Language::English : Interface_Language::Classic;
        document.parts.push_back({english ? QStringLiteral("Vespers") : QStringLiteral("عشية"),
                                  {{english ? QStringLiteral("Psalm") : QStringLiteral("المزمور"),
                                    QStringLiteral("مز 23: 1-2"), QStringLiteral("1 a\n2 b")}},
                                  {}});
        Lectern_Day day = Lectern_Day_Of(document);
        QCOMPARE(Lectern_Heading(day.readings[0]), heading);
        QCOMPARE(day.direction, direction);
        QString asked;
        Lectern_Add_Beside(day, [&asked](const QString& reference) {
            asked = reference;
            return QStringList{QStringLiteral("1 A")};
        });
        QCOMPARE(asked, QStringLiteral("مز 23: 1-2"));
        QCOMPARE(day.readings[0].rows[0].cells[1].text, QStringLiteral("1 A"));
    }
};

QTEST_APPLESS_MAIN(Test_Lectern_Pages)
#include "test_lectern_pages.moc"
