// The whole day as one document, read from the readings fixture database, and its
// HTML form.

#include "calendar/classify_day.h"
#include "lectionary/bible_books.h"
#include "readings/whole_day.h"
#include "tests/lectionary/fixture.h"

#include <QtTest>

using namespace MdlLectarium;

class Test_Whole_Day final : public QObject {
    Q_OBJECT

    Lectionary_Fixture fixture_;

private slots:
    void initTestCase() {
        QVERIFY2(fixture_.ok(), qPrintable(fixture_.error()));
        Fill_Name_Tables();
        Init_Bible_Tables();
    }

    void text_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        // No Vespers on a Lent weekday; the prophecies, the story and the rite of the fast.
        QTest::newRow("Lent weekday")
            << QDate(1999, 3, 3)
            << QStringLiteral("قراءات اليوم كاملة\n"
                              "الأربعاء 3 مارس 1999\n"
                              "24 أمشـير 1715\n"
                              "اليوم الثالث من الأسبوع الثالث من  الصوم الكبير\n"
                              "الصوم الكبير: صوم نباتي بلا سمك\n"
                              "\nباكر\n"
                              "المزمور: مز 2: 2\n2 المزامير 2: 2 نص الآية\n"
                              "الإنجيل: مت 5: 2\n2 متى 5: 2 نص الآية\n"
                              "\nالقداس\n"
                              "البولس: 1كو 13: 2\n2 كورنثوس الأولى 13: 2 نص الآية\n"
                              "الكاثوليكون: كو 1: 2\n2 كولوسى 1: 2 نص الآية\n"
                              "الإبركسيس: اع 2: 3\n3 الأعمال 2: 3 نص الآية\n"
                              "المزمور: مز 3: 1\n1 المزامير 3: 1 نص الآية\n"
                              "الإنجيل: يو 2: 2\n2 يوحنا 2: 2 نص الآية\n"
                              "\nالنبوات\n"
                              "تك 1: 1-3\n1 التكوين 1: 1 نص الآية\n"
                              "2 التكوين 1: 2 نص الآية\n3 التكوين 1: 3 نص الآية\n"
                              "تك 1: 4\n4 التكوين 1: 4 نص الآية\n"
                              "تك 1: 5\n5 التكوين 1: 5 نص الآية\n"
                              "\nالسنكسار\nقصة يوم من الصوم\n"
                              "\nطقس أيام الصوم\nالفقرة الأولى من طقس الصوم\n"
                              "الفقرة الثانية من طقس الصوم\nالفقرة الثالثة من طقس الصوم\n");
        QTest::newRow("Sunday") << QDate(1998, 9, 13)
                                << QStringLiteral("قراءات اليوم كاملة\n"
                                                  "الأحـــد 13 سبتمبر 1998\n"
                                                  "3 تـــوت 1715\n"
                                                  "\nعشية\n"
                                                  "المزمور: مز 1: 3\n3 المزامير 1: 3 نص الآية\n"
                                                  "الإنجيل: يو 1: 4\n4 يوحنا 1: 4 نص الآية\n"
                                                  "\nباكر\n"
                                                  "المزمور: مز 2: 3\n3 المزامير 2: 3 نص الآية\n"
                                                  "الإنجيل: مت 5: 1\n1 متى 5: 1 نص الآية\n"
                                                  "\nالقداس\n"
                                                  "البولس: 1كو 13: 1\n1 كورنثوس الأولى 13: 1 نص الآية\n"
                                                  "الكاثوليكون: كو 1: 2\n2 كولوسى 1: 2 نص الآية\n"
                                                  "الإبركسيس: اع 2: 1\n1 الأعمال 2: 1 نص الآية\n"
                                                  "المزمور: مز 3: 2\n2 المزامير 3: 2 نص الآية\n"
                                                  "الإنجيل: يو 2: 1-2\n1 يوحنا 2: 1 نص الآية\n"
                                                  "2 يوحنا 2: 2 نص الآية\n");
        // Every hour with its stored text or its passage.
        QTest::newRow("Holy Week") << QDate(2000, 4, 26)
                                   << QStringLiteral(
                                          "قراءات اليوم كاملة\n"
                                          "الأربعاء 26 أبريل 2000\n"
                                          "18 برمودة 1716\n"
                                          "+\nالأربعاء من البصخة المقدسة\n"
                                          "صوم البصخة المقدسة: صوم نباتي بلا سمك\n"
                                          "\nالبصخة المقدسة\n"
                                          "باكر يوم الأربعاء: مت 5: 1\nنص مخزن لباكر الأربعاء\nسطر ثان\n"
                                          "الساعة الثالثة من يوم الأربعاء: يو 1: 3\n"
                                          "3 يوحنا 1: 3 نص الآية\n"
                                          "\nطقس الأيام العادية\nفقرة الأيام العادية\n");
    }

    void text() {
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        Reset_Day_State();
        Classify_Day(date, Day_Stage::Shown);
        QCOMPARE(Whole_Day_Text(Read_Whole_Day(fixture_.path())), expected);
    }

    // The HTML page: declared Arabic and right to left, every piece of text escaped, each
    // line a paragraph in the direction of its own text, a verse's number held at its start
    // by a mark of that direction, a reference's numbers kept in order after its book.
    void html() {
        Whole_Day_Document document;
        document.dateLines << QStringLiteral("<1>");
        document.occasion = QStringLiteral("a & b\nعيد");
        document.parts.push_back({QStringLiteral("\"عشية\""),
                                  {{QStringLiteral("الإنجيل"), QStringLiteral("يو 2: 2"),
                                    QStringLiteral("2 Sing to Yahweh, all the earth!\n3 في البدء <1>")}},
                                  QString()});
        const QString html = Whole_Day_Html(document);
        QVERIFY(html.startsWith(QStringLiteral("<!DOCTYPE html>\n<html lang=\"ar\" dir=\"rtl\">")));
        QVERIFY(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        QVERIFY2(
            html.contains(QStringLiteral("<h1 dir=\"rtl\">قراءات اليوم كاملة</h1>\n"
                                         "<div dir=\"rtl\">&lt;1&gt;</div>\n"
                                         "<div dir=\"ltr\"><b>a &amp; b</b></div>\n"
                                         "<div dir=\"rtl\"><b>عيد</b></div>\n"
                                         "<h2 dir=\"rtl\">&quot;عشية&quot;</h2>\n"
                                         "<h3 dir=\"rtl\">الإنجيل: يو\u200f 2: 2</h3>\n"
                                         "<div dir=\"ltr\">2\u200e Sing to Yahweh, all the earth!</div>\n"
                                         "<div dir=\"rtl\">3\u200f في البدء &lt;1&gt;</div>\n")),
            qPrintable(html));
        QVERIFY(!html.contains(QStringLiteral("<1>")));
    }
};

QTEST_GUILESS_MAIN(Test_Whole_Day)
#include "test_whole_day.moc"
