// lectarium-day --readings run as a user runs it, in a folder holding the readings
// fixture database as Lectarium.mdb.

#include "tests/support/tool_run.h"

#include "tests/lectionary/fixture.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Run = Tool_Run;

Run runTool(const QString& folder, const QStringList& arguments) {
    return Run_Tool(QStringLiteral(LECTARIUM_DAY_TOOL), arguments, folder, 120000);
}

QString utf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    return decoder.hasError() ? QString() : text;
}

} // namespace

class Test_Readings_Tool final : public QObject {
    Q_OBJECT

    Lectionary_Fixture fixture_;

private slots:
    void initTestCase() { QVERIFY2(fixture_.ok(), qPrintable(fixture_.error())); }

    void lentWeekday() {
        const Run run =
            runTool(fixture_.folder(), {QStringLiteral("--readings"), QStringLiteral("1999-03-03")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        QVERIFY(!run.out.contains('\r'));
        const QString expected = QStringLiteral("الأربعاء 3 مارس 1999\n"
                                                "24 أمشـير 1715\n"
                                                "اليوم الثالث من الأسبوع الثالث من  الصوم الكبير\n"
                                                "الصوم الكبير: صوم نباتي بلا سمك\n"
                                                "\n"
                                                "عشية\n"
                                                "    المزمور:\n"
                                                "    الإنجيل:\n"
                                                "\n"
                                                "باكر\n"
                                                "    المزمور: مز 2: 2\n"
                                                "    الإنجيل: مت 5: 2\n"
                                                "\n"
                                                "القداس\n"
                                                "    البولس: 1كو 13: 2\n"
                                                "    الكاثوليكون: كو 1: 2\n"
                                                "    الإبركسيس: اع 2: 3\n"
                                                "    المزمور: مز 3: 1\n"
                                                "    الإنجيل: يو 2: 2\n"
                                                "\n"
                                                "النبوات\n"
                                                "    تك 1: 1-3\n"
                                                "    تك 1: 4\n"
                                                "    تك 1: 5\n");
        QCOMPARE(utf8(run.out), expected);
    }

    void withText() {
        const Run run = runTool(fixture_.folder(), {QStringLiteral("--text"), QStringLiteral("--readings"),
                                                    QStringLiteral("1998-09-11")});
        QCOMPARE(run.exitCode, 0);
        const QString out = utf8(run.out);
        QVERIFY(out.startsWith(QStringLiteral("الجمعـة 11 سبتمبر 1998\n1 تـــوت 1715\nعيد النيروز\n"
                                              "صوم الأربعاء والجمعة: صوم نباتي بلا سمك\n\nعشية\n")));
        // The psalm from the psalm table, the gospel from the verses, the Null field empty.
        QVERIFY(out.contains(QStringLiteral("    المزمور: مز 1: 1-2\n        نص المزمور من جدول المزامير\n"
                                            "        سطر ثان\n")));
        QVERIFY(out.contains(QStringLiteral("    الإنجيل: مت 5: 1-3\n        1 متى 5: 1 نص الآية\n"
                                            "        2 متى 5: 2 نص الآية\n        3 متى 5: 3 نص الآية\n")));
        QVERIFY(out.contains(QStringLiteral("    الكاثوليكون:\n    الإبركسيس: اع 2: 1-2\n")));
        QVERIFY(out.endsWith(QStringLiteral("السنكسار\n    قصة عيد النيروز\n    سطر ثان\n")));
        QVERIFY(!out.contains(QStringLiteral("النبوات")));
    }

    void holyWeek() {
        const Run run = runTool(fixture_.folder(), {QStringLiteral("--readings"),
                                                    QStringLiteral("2000-04-26"), QStringLiteral("--text")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(utf8(run.out), QStringLiteral("الأربعاء 26 أبريل 2000\n"
                                               "18 برمودة 1716\n"
                                               "+\n"
                                               "الأربعاء من البصخة المقدسة\n"
                                               "صوم البصخة المقدسة: صوم نباتي بلا سمك\n"
                                               "\n"
                                               "البصخة المقدسة\n"
                                               "    باكر يوم الأربعاء: مت 5: 1\n"
                                               "        نص مخزن لباكر الأربعاء\n"
                                               "        سطر ثان\n"
                                               "    الساعة الثالثة من يوم الأربعاء: يو 1: 3\n"
                                               "        3 يوحنا 1: 3 نص الآية\n"));
    }

    // The same document as the whole-day window, as a page.
    void html() {
        const Run run = runTool(fixture_.folder(), {QStringLiteral("--readings"),
                                                    QStringLiteral("2000-04-26"), QStringLiteral("--html")});
        QCOMPARE(run.exitCode, 0);
        const QString out = utf8(run.out);
        QVERIFY(out.startsWith(QStringLiteral("<!DOCTYPE html>\n<html lang=\"ar\" dir=\"rtl\">")));
        QVERIFY(
            out.contains(QStringLiteral("<div dir=\"rtl\">صوم البصخة المقدسة: صوم نباتي بلا سمك</div>\n")));
        QVERIFY2(out.contains(QStringLiteral("<h3 dir=\"rtl\">باكر يوم الأربعاء: مت\u200f 5: 1</h3>\n"
                                             "<div dir=\"rtl\">نص مخزن لباكر الأربعاء</div>\n"
                                             "<div dir=\"rtl\">سطر ثان</div>\n")),
                 qPrintable(out));
        QVERIFY(out.endsWith(QStringLiteral("</html>\n")));
    }

    // Today and tomorrow are the days a date would name: the liturgical day, the next
    // one from the evening hour on (from hour 0, always).
    void todayAndTomorrow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("daysAhead");
        QTest::newRow("today") << QStringList{QStringLiteral("today")} << 0;
        QTest::newRow("tomorrow") << QStringList{QStringLiteral("tomorrow")} << 1;
        QTest::newRow("today from hour 0")
            << QStringList{QStringLiteral("today"), QStringLiteral("--evening-from"), QStringLiteral("0")}
            << 1;
        QTest::newRow("tomorrow from hour 0")
            << QStringList{QStringLiteral("tomorrow"), QStringLiteral("--evening-from"), QStringLiteral("0")}
            << 2;
    }

    void todayAndTomorrow() {
        QFETCH(QStringList, arguments);
        QFETCH(int, daysAhead);
        const QDate before = QDate::currentDate();
        const Run run = runTool(fixture_.folder(), QStringList{QStringLiteral("--readings")} + arguments);
        QCOMPARE(run.exitCode, 0);
        const QDate after = QDate::currentDate();
        // Past midnight during the run, either day is right.
        QStringList expected;
        for (const QDate& day : {before, after})
            expected << utf8(runTool(fixture_.folder(), {QStringLiteral("--readings"),
                                                         day.addDays(daysAhead).toString(Qt::ISODate)})
                                 .out);
        QVERIFY(!expected.first().isEmpty());
        QVERIFY2(expected.contains(utf8(run.out)), qPrintable(utf8(run.out)));
    }

    // Names found by any part, Arabic letters folded; the dates in the year asked for.
    void saint_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Lazarus, 2027")
            << QStringList{QStringLiteral("لعازر"), QStringLiteral("--year"), QStringLiteral("2027")}
            << QStringLiteral("25 برمهات\t2027-04-03\tقصة سبت لعازر\n");
        QTest::newRow("alef and teh marbuta folded")
            << QStringList{QStringLiteral("عيد النيروز"), QStringLiteral("--year"), QStringLiteral("1999")}
            << QStringLiteral("1 تـــوت\t1999-09-12\tقصة عيد النيروز\n");
        QTest::newRow("two days") << QStringList{QStringLiteral("يوم"), QStringLiteral("--year"),
                                                 QStringLiteral("2000")}
                                  << QStringLiteral("5 تـــوت\t2000-09-15\tقصة اليوم الخامس من توت\n"
                                                    "24 أمشـير\t2000-03-03\tقصة يوم من الصوم\n");
        QTest::newRow("none") << QStringList{QStringLiteral("مرقس")} << QString();
    }

    void saint() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const Run run = runTool(fixture_.folder(), QStringList{QStringLiteral("--saint")} + arguments);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        QCOMPARE(utf8(run.out), expected);
    }

    void noDatabase() {
        QTemporaryDir empty;
        const Run run = runTool(empty.path(), {QStringLiteral("--readings"), QStringLiteral("1999-03-03")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith("lectarium-day: cannot read "));
        QVERIFY(run.err.contains("Lectarium.mdb"));
        // Nothing is written into the folder.
        QVERIFY(QDir(empty.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no date") << QStringList{QStringLiteral("--readings")};
        QTest::newRow("text alone") << QStringList{QStringLiteral("--text")};
        QTest::newRow("text and a range")
            << QStringList{QStringLiteral("--text"), QStringLiteral("1999-01-01")};
        QTest::newRow("two dates") << QStringList{QStringLiteral("--readings"), QStringLiteral("1999-01-01"),
                                                  QStringLiteral("1999-01-02")};
        QTest::newRow("twice") << QStringList{QStringLiteral("--readings"), QStringLiteral("1999-01-01"),
                                              QStringLiteral("--readings"), QStringLiteral("1999-01-02")};
        QTest::newRow("text and html")
            << QStringList{QStringLiteral("--readings"), QStringLiteral("1999-01-01"),
                           QStringLiteral("--html"), QStringLiteral("--text")};
        QTest::newRow("not a date") << QStringList{QStringLiteral("--readings"), QStringLiteral("yesterday")};
        QTest::newRow("evening hour 24")
            << QStringList{QStringLiteral("--readings"), QStringLiteral("today"),
                           QStringLiteral("--evening-from"), QStringLiteral("24")};
        QTest::newRow("evening hour not a number")
            << QStringList{QStringLiteral("--readings"), QStringLiteral("today"),
                           QStringLiteral("--evening-from"), QStringLiteral("6pm")};
        QTest::newRow("evening hour without readings") << QStringList{
            QStringLiteral("--evening-from"), QStringLiteral("18"), QStringLiteral("1999-01-01")};
        QTest::newRow("saint, year 499") << QStringList{QStringLiteral("--saint"), QStringLiteral("x"),
                                                        QStringLiteral("--year"), QStringLiteral("499")};
        QTest::newRow("saint, nothing to find")
            << QStringList{QStringLiteral("--saint"), QStringLiteral(" ")};
        QTest::newRow("saint and a date")
            << QStringList{QStringLiteral("--saint"), QStringLiteral("x"), QStringLiteral("1999-01-01")};
        QTest::newRow("after 5000") << QStringList{QStringLiteral("--readings"),
                                                   QStringLiteral("5001-01-01")};
        QTest::newRow("line feed after the date")
            << QStringList{QStringLiteral("--readings"), QStringLiteral("1999-03-03\n")};
    }

    void badArguments() {
        QFETCH(QStringList, arguments);
        const Run run = runTool(fixture_.folder(), arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith("lectarium-day: "));
        QCOMPARE(run.err.count('\n'), 1);
    }
};

QTEST_GUILESS_MAIN(Test_Readings_Tool)
#include "test_readings_tool.moc"
