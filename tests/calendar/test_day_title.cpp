#include "calendar/classify_day.h"
#include "calendar/day_title.h"
#include "calendar/selected_day.h"

#include <QtTest>

using namespace MdlLectarium;

namespace {

const QString br = QStringLiteral("\r\n");

const QString christmas = QStringLiteral("عيـــد الميـــــلاد المجيـــد");
const QString christmasEve = QStringLiteral("برامــون عيـــد الميــــــلاد");
const QString nativityFast = QStringLiteral("صـــوم الميـــــــلاد");
const QString theophany = QStringLiteral("عيـــد الغطــــاس المجيـــد");
const QString theophanyEve = QStringLiteral(" برامــون عيـــد الغطــــاس");
const QString apostlesFast = QStringLiteral("صوم الرسل");
const QString virginFast = QStringLiteral("صـــوم العـــذراء");
const QString presentation = QStringLiteral("عيد دخول السيد المسيح الهيكل");
const QString cross = QStringLiteral("عيد الصليب المجيد");
const QString annunciation = QStringLiteral("عيد البشارة");

// What the day chooser does when it shows a date.
void showDate(const QDate& date) {
    Classify_Day(date, Day_Stage::Titled);
}

void resetState() {
    Season_Week = 0;
    Season_Day = 0;
    Paramoun_Day = false;
    Nineveh_Eve = false;
    Season_Key.clear();
}

// The titles as the tables give them, for the rows below.
void addTitleColumns() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("copticDay");
    QTest::addColumn<bool>("nineveh");
    QTest::addColumn<bool>("paramoun");
}

void checkState(const QString& title, const QString& key, int week, int day, int copticDay, bool nineveh,
                bool paramoun) {
    QCOMPARE(Occasion_Title, title);
    QCOMPARE(Season_Key, key);
    QCOMPARE(int(Season_Week), week);
    QCOMPARE(int(Season_Day), day);
    QCOMPARE(int(Coptic_Day), copticDay);
    QCOMPARE(Nineveh_Eve, nineveh);
    QCOMPARE(Paramoun_Day, paramoun);
}

} // namespace

class Test_Day_Title final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Fill_Name_Tables(); }
    void init() { resetState(); }

    // 1999 (Easter 11 April, Coptic year 1715), stepping day by day from 1 January
    // with the state carried along as the day chooser carries it.
    void walk1999_data() {
        addTitleColumns();
        const QString none;
        // clang-format off
        QTest::newRow("Paramoun of Christmas") << QDate(1999, 1, 6) << christmasEve << "Read" << 0 << 0 << 28 << false << true;
        QTest::newRow("Christmas") << QDate(1999, 1, 7) << christmas << "Read" << 0 << 0 << 29 << false << false;
        QTest::newRow("30 Kiahk is outside the period") << QDate(1999, 1, 8) << none << none << 0 << 0 << 30 << false << false;
        QTest::newRow("Circumcision") << QDate(1999, 1, 14) << QStringLiteral("عيـــد الختــــان") << none << 0 << 0 << 6 << false << false;
        QTest::newRow("8 Tobi on a Saturday") << QDate(1999, 1, 16) << none << none << 0 << 0 << 8 << false << false;
        QTest::newRow("9 Tobi on a Sunday") << QDate(1999, 1, 17) << none << none << 0 << 0 << 9 << false << false;
        QTest::newRow("Paramoun of Theophany") << QDate(1999, 1, 18) << theophanyEve << "Read" << 0 << 0 << 10 << false << true;
        QTest::newRow("Theophany") << QDate(1999, 1, 19) << theophany << "Read" << 0 << 0 << 11 << false << false;
        QTest::newRow("Sunday before Nineveh") << QDate(1999, 1, 31) << none << none << 0 << 0 << 23 << true << false;
        QTest::newRow("Nineveh 1") << QDate(1999, 2, 1) << QStringLiteral("اليوم الأول من صوم نينوى") << "Johan" << 0 << 1 << 24 << false << false;
        QTest::newRow("Nineveh 2") << QDate(1999, 2, 2) << QStringLiteral("اليوم الثانى من صوم نينوى") << "Johan" << 0 << 2 << 25 << false << false;
        QTest::newRow("Nineveh 3") << QDate(1999, 2, 3) << QStringLiteral("اليوم الثالث من صوم نينوى") << "Johan" << 0 << 3 << 26 << false << false;
        QTest::newRow("Passover of Nineveh") << QDate(1999, 2, 4) << QStringLiteral("فصـــــــح نينوى") << "Johan" << 0 << 4 << 27 << false << false;
        QTest::newRow("after Nineveh") << QDate(1999, 2, 5) << none << none << 0 << 4 << 28 << false << false;
        QTest::newRow("Saturday before Lent") << QDate(1999, 2, 13) << QStringLiteral("سبت رفاع الصوم الكبير") << "Fast" << -1 << 1 << 6 << false << false;
        QTest::newRow("Sunday before Lent") << QDate(1999, 2, 14) << QStringLiteral("أحد رفاع الصوم الكبير") << "Fast" << -1 << 2 << 7 << false << false;
        QTest::newRow("Lent week 0 day 1, Presentation") << QDate(1999, 2, 15) << QStringLiteral("اليوم الأول من الأسبوع الأول من  الصوم الكبير") + br + presentation << "Fast" << 0 << 1 << 8 << false << false;
        QTest::newRow("Lent week 0 day 7") << QDate(1999, 2, 21) << QStringLiteral("اليوم السابع من الأسبوع الأول من  الصوم الكبير") << "Fast" << 0 << 7 << 14 << false << false;
        QTest::newRow("Lent week 3 day 3") << QDate(1999, 3, 10) << QStringLiteral("اليوم الثالث من الأسبوع الرابع من  الصوم الكبير") << "Fast" << 3 << 3 << 1 << false << false;
        QTest::newRow("end of the fast") << QDate(1999, 4, 2) << QStringLiteral("اليوم الخامس من الأسبوع السابع من  الصوم الكبير") + br + QStringLiteral("ختام الصوم") << "Fast" << 6 << 5 << 24 << false << false;
        QTest::newRow("Lazarus Saturday") << QDate(1999, 4, 3) << "+" + br + QStringLiteral("سبت لعازر") << "Fast" << 6 << 6 << 25 << false << false;
        QTest::newRow("Palm Sunday") << QDate(1999, 4, 4) << "+" + br + QStringLiteral("أحـــــــد الشــــعانين") << "Fast" << 6 << 7 << 26 << false << false;
        QTest::newRow("Holy Monday") << QDate(1999, 4, 5) << "+" + br + QStringLiteral("الأثنين من البصخة المقدسة") << "Pain" << 6 << 1 << 27 << false << false;
        QTest::newRow("Holy Tuesday") << QDate(1999, 4, 6) << "+" + br + QStringLiteral("الثلاثاء من البصخة المقدسة") << "Pain" << 6 << 2 << 28 << false << false;
        QTest::newRow("Holy Wednesday") << QDate(1999, 4, 7) << "+" + br + QStringLiteral("الأربعاء من البصخة المقدسة") << "Pain" << 6 << 3 << 29 << false << false;
        QTest::newRow("Maundy Thursday") << QDate(1999, 4, 8) << "+" + br + QStringLiteral("خميس العهد") << "Pain" << 6 << 4 << 30 << false << false;
        QTest::newRow("Good Friday") << QDate(1999, 4, 9) << "+" + br + QStringLiteral("الجمعة العظيمة") << "Pain" << 6 << 5 << 1 << false << false;
        QTest::newRow("Holy Saturday") << QDate(1999, 4, 10) << "+" + br + QStringLiteral("سبت النور") << "Pain" << 6 << 6 << 2 << false << false;
        QTest::newRow("Easter") << QDate(1999, 4, 11) << "+" + br + QStringLiteral("عيد القيامة المجيد") << "Fifty" << 0 << 1 << 3 << false << false;
        QTest::newRow("Sham el-Nessim") << QDate(1999, 4, 12) << QStringLiteral("اليوم الأول من الأسبوع الأول من  الخماسين المقدسة") + br + QStringLiteral("شـــــــــــم النســـــيم") << "Fifty" << 1 << 1 << 4 << false << false;
        QTest::newRow("Thomas Sunday") << QDate(1999, 4, 18) << QStringLiteral("اليوم السابع من الأسبوع الأول من  الخماسين المقدسة") + br + QStringLiteral("أحد توما") << "Fifty" << 1 << 7 << 10 << false << false;
        QTest::newRow("Ascension") << QDate(1999, 5, 20) << QStringLiteral("اليوم الرابع من الأسبوع السادس من  الخماسين المقدسة") + br + QStringLiteral(" عيد الصعود المجيد ") << "Fifty" << 6 << 4 << 12 << false << false;
        QTest::newRow("eve of Pentecost") << QDate(1999, 5, 29) << QStringLiteral("اليوم السادس من الأسبوع العنصرة من  الخماسين المقدسة") << "Fifty" << 7 << 6 << 21 << false << false;
        QTest::newRow("Pentecost") << QDate(1999, 5, 30) << QStringLiteral("عيد العنصرة أو عيد حلول الروح القدس ") << "Fifty" << 7 << 7 << 22 << false << false;
        QTest::newRow("Apostles' fast begins") << QDate(1999, 5, 31) << apostlesFast << none << 7 << 7 << 23 << false << false;
        QTest::newRow("Apostles' fast ends") << QDate(1999, 7, 11) << apostlesFast << none << 7 << 7 << 4 << false << false;
        QTest::newRow("Peter and Paul") << QDate(1999, 7, 12) << QStringLiteral("عيد القديسين بطرس و بولس") << none << 7 << 7 << 5 << false << false;
        QTest::newRow("after Peter and Paul") << QDate(1999, 7, 13) << none << none << 7 << 7 << 6 << false << false;
        QTest::newRow("before the Virgin's fast") << QDate(1999, 8, 6) << none << none << 7 << 7 << 30 << false << false;
        QTest::newRow("Virgin's fast begins") << QDate(1999, 8, 7) << virginFast << none << 7 << 7 << 1 << false << false;
        QTest::newRow("Virgin's fast ends") << QDate(1999, 8, 21) << virginFast << none << 7 << 7 << 15 << false << false;
        QTest::newRow("Assumption") << QDate(1999, 8, 22) << QStringLiteral("عيد صعود جسد العذراء") << none << 7 << 7 << 16 << false << false;
        QTest::newRow("after the Assumption") << QDate(1999, 8, 23) << none << none << 7 << 7 << 17 << false << false;
        QTest::newRow("24 November") << QDate(1999, 11, 24) << none << none << 7 << 7 << 14 << false << false;
        QTest::newRow("25 November, 15 Hatour") << QDate(1999, 11, 25) << none << none << 7 << 7 << 15 << false << false;
        QTest::newRow("26 November, 16 Hatour") << QDate(1999, 11, 26) << nativityFast << "Read" << 7 << 7 << 16 << false << false;
        QTest::newRow("31 December") << QDate(1999, 12, 31) << nativityFast << "Read" << 7 << 7 << 21 << false << false;
        // clang-format on
    }

    void walk1999() {
        QFETCH(QDate, date);
        QFETCH(QString, title);
        QFETCH(QString, key);
        QFETCH(int, week);
        QFETCH(int, day);
        QFETCH(int, copticDay);
        QFETCH(bool, nineveh);
        QFETCH(bool, paramoun);
        for (QDate d(1999, 1, 1); d <= date; d = d.addDays(1))
            showDate(d);
        checkState(title, key, week, day, copticDay, nineveh, paramoun);
    }

    // The eves of Christmas and Theophany, each day shown on its own from a fresh state.
    void eves_data() {
        addTitleColumns();
        const QString none;
        // clang-format off
        // 2000: 29 Kiahk falls on 8 January.
        QTest::newRow("2000 26 Kiahk Wednesday") << QDate(2000, 1, 5) << nativityFast << "Read" << 0 << 0 << 26 << false << false;
        QTest::newRow("2000 27 Kiahk on the 6th") << QDate(2000, 1, 6) << christmasEve << "Read" << 0 << 0 << 28 << false << true;
        QTest::newRow("2000 28 Kiahk on the 7th") << QDate(2000, 1, 7) << christmas << "Read" << 0 << 0 << 29 << false << false;
        QTest::newRow("2000 29 Kiahk") << QDate(2000, 1, 8) << christmas << "Read" << 0 << 0 << 29 << false << false;
        QTest::newRow("2000 30 Kiahk") << QDate(2000, 1, 9) << none << none << 0 << 0 << 30 << false << false;
        // 2001: Christmas on a Sunday, so its eve starts on the Friday.
        QTest::newRow("2001 26 Kiahk Thursday") << QDate(2001, 1, 4) << nativityFast << "Read" << 0 << 0 << 26 << false << false;
        QTest::newRow("2001 27 Kiahk Friday") << QDate(2001, 1, 5) << christmasEve << "Read" << 0 << 0 << 28 << false << true;
        QTest::newRow("2001 28 Kiahk Saturday") << QDate(2001, 1, 6) << christmasEve << "Read" << 0 << 0 << 28 << false << true;
        // 2002: Christmas on a Monday, eve from Friday 26 Kiahk.
        QTest::newRow("2002 25 Kiahk Thursday") << QDate(2002, 1, 3) << nativityFast << "Read" << 0 << 0 << 25 << false << false;
        QTest::newRow("2002 26 Kiahk Friday") << QDate(2002, 1, 4) << christmasEve << "Read" << 0 << 0 << 28 << false << true;
        QTest::newRow("2002 27 Kiahk Saturday") << QDate(2002, 1, 5) << christmasEve << "Read" << 0 << 0 << 28 << false << true;
        QTest::newRow("2002 28 Kiahk Sunday") << QDate(2002, 1, 6) << christmasEve << "Read" << 0 << 0 << 28 << false << true;
        QTest::newRow("2002 Christmas") << QDate(2002, 1, 7) << christmas << "Read" << 0 << 0 << 29 << false << false;
        // 2009: 11 Tobi is a Monday, so Friday 8, Saturday 9 and Sunday 10 Tobi are the eve.
        QTest::newRow("2009 7 Tobi Thursday") << QDate(2009, 1, 15) << none << none << 0 << 0 << 7 << false << false;
        QTest::newRow("2009 8 Tobi Friday") << QDate(2009, 1, 16) << theophanyEve << "Read" << 0 << 0 << 10 << false << true;
        QTest::newRow("2009 9 Tobi Saturday") << QDate(2009, 1, 17) << theophanyEve << "Read" << 0 << 0 << 10 << false << true;
        QTest::newRow("2009 10 Tobi Sunday") << QDate(2009, 1, 18) << theophanyEve << "Read" << 0 << 0 << 10 << false << true;
        QTest::newRow("2009 Theophany") << QDate(2009, 1, 19) << theophany << "Read" << 0 << 0 << 11 << false << false;
        // The Nativity fast starts on 16 Hatour, 26 November before a leap year.
        QTest::newRow("2023 15 Hatour") << QDate(2023, 11, 25) << none << none << 0 << 0 << 15 << false << false;
        QTest::newRow("2023 16 Hatour") << QDate(2023, 11, 26) << nativityFast << "Read" << 0 << 0 << 16 << false << false;
        // 2008: Christmas on 28 Kiahk, a Monday: the eve runs Friday to Sunday.
        QTest::newRow("2008 24 Kiahk Thursday") << QDate(2008, 1, 3) << nativityFast << "Read" << 0 << 0 << 24 << false << false;
        QTest::newRow("2008 25 Kiahk Friday") << QDate(2008, 1, 4) << christmasEve << "Read" << 0 << 0 << 28 << false << true;
        QTest::newRow("2008 26 Kiahk Saturday") << QDate(2008, 1, 5) << christmasEve << "Read" << 0 << 0 << 28 << false << true;
        QTest::newRow("2008 27 Kiahk Sunday") << QDate(2008, 1, 6) << christmasEve << "Read" << 0 << 0 << 28 << false << true;
        QTest::newRow("2008 Christmas") << QDate(2008, 1, 7) << christmas << "Read" << 0 << 0 << 29 << false << false;
        QTest::newRow("1980 25 Kiahk Friday") << QDate(1980, 1, 4) << christmasEve << "Read" << 0 << 0 << 28 << false << true;
        // Outside 1900-2100 the feasts keep their Coptic dates: 25 December (Julian) is
        // 6 January in 1850, and 5 Abib 9 July in 1500.
        QTest::newRow("1850 Christmas") << QDate(1850, 1, 6) << christmas << "Read" << 0 << 0 << 29 << false << false;
        QTest::newRow("1500 Peter and Paul") << QDate(1500, 7, 9) << QStringLiteral("عيد القديسين بطرس و بولس") << none << 0 << 0 << 5 << false << false;
        // clang-format on
    }

    void eves() {
        QFETCH(QDate, date);
        QFETCH(QString, title);
        QFETCH(QString, key);
        QFETCH(int, week);
        QFETCH(int, day);
        QFETCH(int, copticDay);
        QFETCH(bool, nineveh);
        QFETCH(bool, paramoun);
        showDate(date);
        checkState(title, key, week, day, copticDay, nineveh, paramoun);
    }

    // The feasts named beyond the seasons: alone, or on a line after the season's title.
    void feastNames_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("title");
        // clang-format off
        QTest::newRow("Nayrouz") << QDate(1999, 9, 12) << QStringLiteral("عيد النيروز");
        QTest::newRow("Cross, 17 Tout") << QDate(1999, 9, 28) << cross;
        QTest::newRow("Cana") << QDate(1999, 1, 21) << QStringLiteral("عرس قانا الجليل");
        QTest::newRow("Presentation in Nineveh") << QDate(1927, 2, 15) << QStringLiteral("اليوم الثانى من صوم نينوى") + br + presentation;
        QTest::newRow("Cross, 10 Baramhat in Lent") << QDate(1999, 3, 19) << QStringLiteral("اليوم الخامس من الأسبوع الخامس من  الصوم الكبير") + br + cross;
        QTest::newRow("Annunciation in Lent 2020") << QDate(2020, 4, 7) << QStringLiteral("اليوم الثانى من الأسبوع السابع من  الصوم الكبير") + br + annunciation;
        QTest::newRow("Annunciation in the Fifty 2037") << QDate(2037, 4, 7) << QStringLiteral("اليوم الثانى من الأسبوع الأول من  الخماسين المقدسة") + br + annunciation;
        QTest::newRow("no Annunciation on Good Friday 2045") << QDate(2045, 4, 7) << "+" + br + QStringLiteral("الجمعة العظيمة");
        QTest::newRow("no Annunciation at the end of the fast") << QDate(2017, 4, 7) << QStringLiteral("اليوم الخامس من الأسبوع السابع من  الصوم الكبير") + br + QStringLiteral("ختام الصوم");
        QTest::newRow("Entry into Egypt") << QDate(1999, 6, 1) << QStringLiteral("صوم الرسل") + br + QStringLiteral("عيد دخول السيد المسيح أرض مصر");
        QTest::newRow("Transfiguration") << QDate(1999, 8, 19) << virginFast + br + QStringLiteral("عيد التجلي");
        // clang-format on
    }

    void feastNames() {
        QFETCH(QDate, date);
        QFETCH(QString, title);
        showDate(date);
        QCOMPARE(Occasion_Title, title);
    }

    // Days on which the title decides early leave the eve flag as it was; only the
    // annual steps clear it.
    void paramounFlagClearedOnlyByAnnualSteps_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Nineveh") << QDate(1999, 2, 2) << true;
        QTest::newRow("Lent") << QDate(1999, 3, 1) << true;
        QTest::newRow("Holy Week") << QDate(1999, 4, 6) << true;
        QTest::newRow("Easter") << QDate(1999, 4, 11) << true;
        QTest::newRow("Fifty Days") << QDate(1999, 5, 1) << true;
        QTest::newRow("Peter and Paul") << QDate(1999, 7, 12) << true;
        QTest::newRow("Saturday before Lent") << QDate(1999, 2, 13) << false;
        QTest::newRow("Apostles' fast") << QDate(1999, 6, 20) << false;
        QTest::newRow("ordinary day") << QDate(1999, 10, 20) << false;
    }

    void paramounFlagClearedOnlyByAnnualSteps() {
        QFETCH(QDate, date);
        QFETCH(bool, kept);
        Paramoun_Day = true;
        showDate(date);
        QCOMPARE(Paramoun_Day, kept);
    }

    // Jumping to a Holy Week day leaves the week as it was; a day no rule names keeps
    // the caller's title and the week and day, but its key is emptied.
    void unnamedDayKeepsTitleWeekAndDay() {
        Season_Week = 3;
        Season_Day = 5;
        Season_Key = QStringLiteral("Fifty");
        QString title = QStringLiteral("kept");
        Integer copticDay = 0, copticMonth = 0, copticYear = 0;
        const QDate date(1999, 10, 20);
        Coptic_Date(date, copticDay, copticMonth, copticYear);
        Day_Title(date, copticDay, copticMonth, copticYear, title, Season_Key, Season_Week, Season_Day);
        QCOMPARE(title, QStringLiteral("kept"));
        QVERIFY(Season_Key.isEmpty());
        QCOMPARE(int(Season_Week), 3);
        QCOMPARE(int(Season_Day), 5);

        showDate(QDate(1999, 4, 8));
        QCOMPARE(int(Season_Week), 3);
        QCOMPARE(int(Season_Day), 4);
    }
};

QTEST_APPLESS_MAIN(Test_Day_Title)
#include "test_day_title.moc"
