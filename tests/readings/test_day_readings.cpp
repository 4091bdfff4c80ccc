// The assembly of a day's readings, the Holy Week hours, the rites and the saint
// fields, read from the readings fixture database.

#include "base/program_files.h"
#include "calendar/classify_day.h"
#include "calendar/selected_day.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/scrambled_text.h"
#include "readings/day_readings.h"
#include "readings/holy_week.h"
#include "readings/reading_texts.h"
#include "readings/rites.h"
#include "readings/saint.h"
#include "tests/lectionary/fixture.h"

#include <QtTest>

using namespace MdlLectarium;

namespace {

// The day as the day chooser's Show leaves the selected-day state.
void showDay(const QDate& date) {
    Reset_Day_State();
    Classify_Day(date, Day_Stage::Shown);
}

const QString blanks7 = QStringLiteral("       ");

} // namespace

class Test_Day_Readings final : public QObject {
    Q_OBJECT

    Lectionary_Fixture fixture_;
    std::unique_ptr<Day_Reading_Sources> sources_;

private slots:
    void initTestCase() {
        QVERIFY2(fixture_.ok(), qPrintable(fixture_.error()));
        Fill_Name_Tables();
        Init_Bible_Tables();
    }

    void init() {
        sources_ = std::make_unique<Day_Reading_Sources>();
        sources_->setDatabaseName(fixture_.path());
    }

    void sundayNumber_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("sunday");
        QTest::newRow("first month, day 8") << 1 << 8 << 1;
        QTest::newRow("first month, day 15") << 1 << 15 << 2;
        QTest::newRow("first month, day 22") << 1 << 22 << 3;
        QTest::newRow("first month, day 29") << 1 << 29 << 4;
        QTest::newRow("first month, day 7") << 1 << 7 << 1;
        QTest::newRow("first month, day 9") << 1 << 9 << 2;
        QTest::newRow("first month, day 14") << 1 << 14 << 2;
        QTest::newRow("second month, day 8") << 2 << 8 << 2;
        QTest::newRow("second month, day 7") << 2 << 7 << 1;
        QTest::newRow("second month, day 14") << 2 << 14 << 2;
        QTest::newRow("tenth month, day 28") << 10 << 28 << 4;
        QTest::newRow("fifth Sunday, day 29") << 6 << 29 << 5;
        QTest::newRow("fifth Sunday, day 30") << 6 << 30 << 5;
        QTest::newRow("little month, day 1") << 13 << 1 << 1;
    }

    void sundayNumber() {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, sunday);
        QCOMPARE(int(Sunday_Number(Integer(month), Integer(day))), sunday);
    }

    void tipDraw_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("u");
        QTest::addColumn<int>("draw");
        QTest::newRow("lowest of 41 becomes 22") << 41 << 0.0 << 22;
        QTest::newRow("20 becomes 41") << 41 << 19.5 / 41 << 41;
        QTest::newRow("21 stays") << 41 << 20.5 / 41 << 21;
        QTest::newRow("highest of 41") << 41 << 0.99999 << 41;
        QTest::newRow("lowest of 100") << 100 << 0.0 << 22;
        QTest::newRow("highest of 100") << 100 << 0.999999 << 100;
        QTest::newRow("no tips") << 0 << 0.5 << 22;
    }

    void tipDraw() {
        QFETCH(int, count);
        QFETCH(double, u);
        QFETCH(int, draw);
        QCOMPARE(int(Tip_Draw(Integer(count), u)), draw);
    }

    // Every draw over 1..n is covered, and no shown draw is one of 1..20.
    void tipDrawCoversEveryNumber() {
        const int n = 60;
        QList<int> seen(n + 1, 0);
        for (int k = 0; k < n; ++k) {
            const int r = Tip_Draw(Integer(n), (k + 0.5) / n);
            QVERIFY(r >= 21 && r <= n);
            ++seen[r];
        }
        for (int r = 21; r <= n; ++r)
            QCOMPARE(seen[r], r <= 41 ? (r == 21 ? 1 : 2) : 1);
    }

    void query_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<int>("firstKey");
        QTest::addColumn<int>("secondKey");
        QTest::addColumn<int>("firstProphecy");
        QTest::addColumn<int>("lastProphecy");
        QTest::newRow("weekday") << QDate(1998, 9, 15)
                                 << QStringLiteral("SELECT * FROM  Year WHERE Month =  1 and Day =  5") << 1
                                 << 5 << 0 << 0;
        QTest::newRow("Sunday on Tout 8")
            << QDate(2005, 9, 18) << QStringLiteral("SELECT * FROM Suns WHERE Month =  1 and Sun =  1") << 1
            << 1 << 0 << 0;
        QTest::newRow("Sunday on Babah 8")
            << QDate(1998, 10, 18) << QStringLiteral("SELECT * FROM Suns WHERE Month =  2 and Sun =  2") << 2
            << 2 << 0 << 0;
        QTest::newRow("Nineveh day 3")
            << QDate(1999, 2, 3) << QStringLiteral("SELECT * FROM Jonah WHERE Day =  3")
            << int(Fixed_First_Key) << 3 << 10 << 10;
        QTest::newRow("Nineveh day 4")
            << QDate(1999, 2, 4) << QStringLiteral("SELECT * FROM Jonah WHERE Day =  4")
            << int(Fixed_First_Key) << 4 << 0 << 0;
        QTest::newRow("Lent week 2") << QDate(1999, 3, 3)
                                     << QStringLiteral("SELECT * FROM Fast WHERE Week =  3 and Day =  3") << 3
                                     << 3 << 10 << 18;
        QTest::newRow("before Lent") << QDate(1999, 2, 13)
                                     << QStringLiteral("SELECT * FROM Fast WHERE Week =  0 and Day =  1") << 0
                                     << 1 << 10 << 18;
        QTest::newRow("Easter") << QDate(1999, 4, 11)
                                << QStringLiteral("SELECT * FROM Fifty WHERE Week =  0 and Day =  1") << 0
                                << 1 << 0 << 0;
        QTest::newRow("Holy Week") << QDate(2000, 4, 26) << QString() << 0 << 0 << 0 << 0;
    }

    void query() {
        QFETCH(QDate, date);
        QFETCH(QString, statement);
        QFETCH(int, firstKey);
        QFETCH(int, secondKey);
        QFETCH(int, firstProphecy);
        QFETCH(int, lastProphecy);
        showDay(date);
        const Reading_Query q = Day_Reading_Query();
        QCOMPARE(q.statement, statement);
        if (statement.isEmpty())
            return;
        QCOMPARE(int(q.firstKey), firstKey);
        QCOMPARE(int(q.secondKey), secondKey);
        QCOMPARE(q.firstProphecy, firstProphecy);
        QCOMPARE(q.lastProphecy, lastProphecy);
    }

    void day_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QStringList>("readings"); // 1..9
        QTest::addColumn<QString>("vespers");
        QTest::addColumn<bool>("prophecies");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("funeral");
        const QString vespers = QStringLiteral(" عشية ");
        const QStringList lent{QString(),
                               QString(),
                               QStringLiteral("2: 2"),
                               QStringLiteral("مت 5: 2"),
                               QStringLiteral("1كو 13: 2"),
                               QStringLiteral("كو 1: 2"),
                               QStringLiteral("2: 3"),
                               QStringLiteral("3: 1"),
                               QStringLiteral("يو 2: 2")};
        QStringList lentWithVespers = lent;
        lentWithVespers[0] = QStringLiteral("1: 2");
        lentWithVespers[1] = QStringLiteral("يو 1: 2");
        QTest::newRow("weekday") << QDate(1998, 9, 15)
                                 << QStringList{QStringLiteral("2: 2"),      QStringLiteral("يو 1: 3"),
                                                QStringLiteral("3: 2"),      QStringLiteral("مت 5: 4"),
                                                QStringLiteral("1كو 13: 2"), QStringLiteral("كو 1: 2"),
                                                QStringLiteral("2: 3"),      QStringLiteral("1: 3"),
                                                QStringLiteral("يو 2: 2")}
                                 << vespers << false << QStringList() << false;
        QTest::newRow("a Null reading leaves its box empty")
            << QDate(1998, 9, 11) << QStringList{QStringLiteral("1: 1-2"),      QStringLiteral("يو 1: 1-2"),
                                                 QStringLiteral("2: 1"),        QStringLiteral("مت 5: 1-3"),
                                                 QStringLiteral("1كو 13: 1-3"), QString(),
                                                 QStringLiteral("2: 1-2"),      QStringLiteral("3: 1"),
                                                 QStringLiteral("يو 2: 1")}
            << vespers << false << QStringList() << false;
        QTest::newRow("Sunday") << QDate(1998, 9, 13)
                                << QStringList{QStringLiteral("1: 3"),      QStringLiteral("يو 1: 4"),
                                               QStringLiteral("2: 3"),      QStringLiteral("مت 5: 1"),
                                               QStringLiteral("1كو 13: 1"), QStringLiteral("كو 1: 2"),
                                               QStringLiteral("2: 1"),      QStringLiteral("3: 2"),
                                               QStringLiteral("يو 2: 1-2")}
                                << vespers << false << QStringList() << false;
        QTest::newRow("no row: every box empty")
            << QDate(1998, 9, 17) << QStringList(9, QString()) << vespers << false << QStringList() << false;
        QTest::newRow("Nineveh day 3")
            << QDate(1999, 2, 3)
            << QStringList{QStringLiteral("1: 3"),    QStringLiteral("يو 1: 3"),   QStringLiteral("2: 1"),
                           QStringLiteral("مت 5: 3"), QStringLiteral("1كو 13: 1"), QStringLiteral("كو 1: 1"),
                           QStringLiteral("2: 1"),    QStringLiteral("3: 1"),      QStringLiteral("يو 2: 1")}
            << vespers << true << QStringList{blanks7 + QStringLiteral("تك 1: 3")} << false;
        QTest::newRow("Nineveh day 4: the frame without prophecies")
            << QDate(1999, 2, 4)
            << QStringList{QStringLiteral("1: 3"),    QStringLiteral("يو 1: 4"),   QStringLiteral("2: 1"),
                           QStringLiteral("مت 5: 4"), QStringLiteral("1كو 13: 1"), QStringLiteral("كو 1: 1"),
                           QStringLiteral("2: 1"),    QStringLiteral("3: 1"),      QStringLiteral("يو 2: 1")}
            << vespers << true << QStringList() << false;
        // Nine prophecy fields: the Null one is left out, the empty ones stay.
        QTest::newRow("Lent weekday") << QDate(1999, 3, 3) << lent << vespers << true
                                      << QStringList{blanks7 + QStringLiteral("تك 1: 1-3"),
                                                     blanks7 + QStringLiteral("تك 1: 4"),
                                                     blanks7 + QStringLiteral("تك 1: 5"),
                                                     blanks7,
                                                     blanks7,
                                                     blanks7,
                                                     blanks7,
                                                     blanks7}
                                      << false;
        QTest::newRow("Lent Saturday of week 4")
            << QDate(1999, 3, 20) << lentWithVespers << QStringLiteral(" عشية الأحد ") << false
            << QStringList{blanks7 + QStringLiteral("تك 1: 2"),
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7}
            << false;
        QTest::newRow("Lent Sunday") << QDate(1999, 3, 21) << lentWithVespers
                                     << QStringLiteral(" صلاة المساء ") << false << QStringList(9, blanks7)
                                     << false;
        QTest::newRow("Lazarus Saturday keeps its prophecies")
            << QDate(1999, 4, 3) << lent << vespers << true
            << QStringList{blanks7 + QStringLiteral("تك 1: 1"),
                           blanks7 + QStringLiteral("تك 1: 2"),
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7}
            << false;
        QTest::newRow("Palm Sunday: the funeral")
            << QDate(1999, 4, 4) << lentWithVespers << QStringLiteral(" صلاة المساء ") << false
            << QStringList{blanks7 + QStringLiteral("تك 1: 3"),
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7,
                           blanks7}
            << true;
        QTest::newRow("Holy Week: no readings")
            << QDate(2000, 4, 26) << QStringList(9, QString()) << vespers << false << QStringList() << false;
    }

    void day() {
        QFETCH(QDate, date);
        QFETCH(QStringList, readings);
        QFETCH(QString, vespers);
        QFETCH(bool, prophecies);
        QFETCH(QStringList, entries);
        QFETCH(bool, funeral);
        showDay(date);
        const Day_Readings d = Read_Day(*sources_, false);
        for (int i = 1; i <= Reading_Count; ++i)
            QCOMPARE(d.readings[size_t(i)], readings[i - 1]);
        QCOMPARE(d.vespersCaption, vespers);
        QCOMPARE(d.showProphecies, prophecies);
        QCOMPARE(d.prophecies, entries);
        QCOMPARE(d.showFuneral, funeral);
        QCOMPARE(d.occasion, Occasion_Title);
    }

    void story() {
        showDay(QDate(1998, 9, 11));
        QCOMPARE(Read_Day(*sources_, false).story, QStringLiteral("قصة عيد النيروز\r\nسطر ثان"));
        showDay(QDate(1998, 9, 17)); // no row
        QCOMPARE(Read_Day(*sources_, false).story, QString());
    }

    // The tip replaces an empty title only, and is read with its draw number as key.
    void tip_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("u");
        QTest::addColumn<QString>("occasion");
        QTest::newRow("lowest draw shows tip 23")
            << QDate(1998, 9, 15) << 0.0 << QStringLiteral("النصيحة رقم 23");
        QTest::newRow("draw 21 is not moved")
            << QDate(1998, 9, 15) << 20.5 / 30 << QStringLiteral("النصيحة رقم 22");
        QTest::newRow("draw 29") << QDate(1998, 9, 15) << 28.5 / 30 << QStringLiteral("النصيحة رقم 30");
        QTest::newRow("draw 30 reads past the last row") << QDate(1998, 9, 15) << 0.99 << QString();
        QTest::newRow("a title is kept")
            << QDate(1999, 3, 3) << 0.0 << QStringLiteral("اليوم الثالث من الأسبوع الثالث من  الصوم الكبير");
    }

    void tip() {
        QFETCH(QDate, date);
        QFETCH(double, u);
        QFETCH(QString, occasion);
        showDay(date);
        Set_Tip_Random_Source([u] { return u; });
        const Day_Readings d = Read_Day(*sources_, true);
        Set_Tip_Random_Source(nullptr);
        QCOMPARE(d.occasion, occasion);
    }

    void tipWithoutTable() {
        Data_Source tips(QStringLiteral("Data_Tips"));
        tips.setDatabaseName(fixture_.folder() + QStringLiteral("/none.mdb"));
        QString tip = QStringLiteral("kept");
        QVERIFY(!Read_Tip(tips, 0.5, tip));
        QCOMPARE(tip, QStringLiteral("kept"));
    }

    void randomSourceIsUniform() {
        for (int i = 0; i < 1000; ++i) {
            const double u = Tip_Random();
            QVERIFY(u >= 0.0 && u < 1.0);
        }
    }

    void readingCaptions() {
        const QStringList captions{
            QStringLiteral("المزمور"),   QStringLiteral("الإنجيل"), QStringLiteral("المزمور"),
            QStringLiteral("الإنجيل"),   QStringLiteral("البولس"),  QStringLiteral("الكاثوليكون"),
            QStringLiteral("الإبركسيس"), QStringLiteral("المزمور"), QStringLiteral("الإنجيل")};
        for (int i = 1; i <= 9; ++i)
            QCOMPARE(Reading_Field_Caption(i), captions[i - 1]);
    }

    // Rite 4's rows lie between other rites' rows; all come, in table order, under the
    // first row's title.
    void interleavedRite() {
        const Rite_Text rite = Read_Rite(sources_->Data_Ceremony, 4);
        QCOMPARE(rite.title, QStringLiteral("طقس أيام الصوم"));
        QCOMPARE(rite.text, QStringLiteral("الفقرة الأولى من طقس الصوم\r\nالفقرة الثانية من طقس الصوم\r\n"
                                           "الفقرة الثالثة من طقس الصوم\r\n"));
        QVERIFY(!sources_->Data_Ceremony.isOpen());
        const Rite_Text none = Read_Rite(sources_->Data_Ceremony, 5);
        QCOMPARE(none.title, QString());
        QCOMPARE(none.text, QString());
    }

    void holyWeek() {
        Data_Source pain(QStringLiteral("Data_Pain"));
        pain.setDatabaseName(fixture_.path());
        Data_Source bible(QStringLiteral("Data_Bible"));
        bible.setDatabaseName(fixture_.path());
        pain.setRecordSource(QStringLiteral("SELECT * FROM Pain WHERE Day =  4"));
        QVERIFY(pain.refresh());
        QCOMPARE(Read_Pain_Descriptions(pain, 4),
                 (QStringList{QStringLiteral("باكر يوم الأربعاء"),
                              QStringLiteral("الساعة الثالثة من يوم الأربعاء")}));
        const Pain_Entry stored = Read_Pain_Entry(pain, 0, 4, bible);
        QCOMPARE(stored.sign, QStringLiteral("مت 5: 1"));
        QCOMPARE(stored.text, QStringLiteral("نص مخزن لباكر الأربعاء\r\nسطر ثان"));
        const Pain_Entry resolved = Read_Pain_Entry(pain, 1, 4, bible);
        QCOMPARE(resolved.sign, QStringLiteral("يو 1: 3"));
        QCOMPARE(resolved.text, QStringLiteral("3 يوحنا 1: 3 نص الآية\r\n"));
        const Pain_Entry past = Read_Pain_Entry(pain, 5, 4, bible);
        QCOMPARE(past.sign, QString());
        QCOMPARE(past.text, QString());
        // A Null description keeps its line, so that line numbers stay row numbers.
        pain.setRecordSource(QStringLiteral("SELECT * FROM Pain WHERE Day =  2"));
        QVERIFY(pain.refresh());
        QCOMPARE(Read_Pain_Descriptions(pain, 2),
                 (QStringList{QStringLiteral("باكر يوم الاثنين"), QString()}));
        QCOMPARE(Read_Pain_Entry(pain, 1, 2, bible).sign, QStringLiteral("يو 1: 4"));
        QCOMPARE(Holy_Week_Caption(6), QStringLiteral("البصخة المقدسة"));
        QCOMPARE(Holy_Week_Caption(7), QStringLiteral("أبوغلمســـــــيس"));
    }

    void hotSpot_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("lit");
        QTest::newRow("centre") << 450 << 550 << true;
        QTest::newRow("just inside") << 251 << 351 << true;
        QTest::newRow("just inside, far corner") << 649 << 749 << true;
        QTest::newRow("x = 250") << 250 << 550 << false;
        QTest::newRow("x = 650") << 650 << 550 << false;
        QTest::newRow("y = 350") << 450 << 350 << false;
        QTest::newRow("y = 750") << 450 << 750 << false;
        QTest::newRow("border") << 10 << 10 << false;
    }

    void hotSpot() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, lit);
        QCOMPARE(Hot_Spot_Centre(x, y), lit);
    }

    void saintFields() {
        Data_Source story(QStringLiteral("Data_Story"));
        story.setDatabaseName(fixture_.path());
        story.setRecordSource(QStringLiteral("SELECT * FROM Story WHERE Month =  1 and Day =  5"));
        QVERIFY(story.refresh());
        QCOMPARE(Stored_Picture_Name_Length(story), 13);
        QString name;
        QVERIFY(Read_Picture_Name(story, 1, 5, name));
        QCOMPARE(name, QStringLiteral("saint_1_5.png"));
        QString text;
        QVERIFY(Read_Picture_Text(story, 1, 5, text));
        QCOMPARE(text, QStringLiteral("نص عن قديس اليوم"));

        story.setRecordSource(QStringLiteral("SELECT * FROM Story WHERE Month =  7 and Day =  25"));
        QVERIFY(story.refresh());
        QCOMPARE(Stored_Picture_Name_Length(story), 0); // Null
        name = QStringLiteral("kept");
        QVERIFY(!Read_Picture_Name(story, 7, 25, name));
        QCOMPARE(name, QStringLiteral("kept"));

        const QString saved = Program_Folder;
        Program_Folder = QStringLiteral("/program");
        QCOMPARE(Picture_Path(QStringLiteral("saint.jpg")), QStringLiteral("/program/saint.jpg"));
        QCOMPARE(Picture_Path(QStringLiteral("Saints\\saint.jpg")),
                 QStringLiteral("/program/Saints/saint.jpg"));
        Program_Folder = saved;
    }
};

QTEST_GUILESS_MAIN(Test_Day_Readings)
#include "test_day_readings.moc"
