#include "base/basic_text.h"
#include "lectionary/scrambled_text.h"

#include <QTest>

using namespace MdlLectarium;

namespace {
QList<int> codes(const QString& text) {
    QList<int> out;
    for (QChar ch : text)
        out << Cp1256_Code(ch);
    return out;
}

QString fromCodes(const QList<int>& list) {
    QString out;
    for (int code : list)
        out += Cp1256_Char(code);
    return out;
}
} // namespace

class Test_Scrambled_Text final : public QObject {
    Q_OBJECT

private slots:
    void flipTwiceGivesTheText_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("arabic") << QStringLiteral("فى البدء كان الكلمة");
        QTest::newRow("english") << QStringLiteral("In the beginning, God created the heavens.");
        QTest::newRow("line breaks and tabs") << QStringLiteral("سطر\r\nسطر\tعمود");
        QTest::newRow("reference") << QStringLiteral("1كو 13: 1،4-7ـ9");
    }
    void flipTwiceGivesTheText() {
        QFETCH(QString, text);
        const QString once = Flip_Text(text);
        QCOMPARE(once.size(), text.size());
        if (!text.isEmpty())
            QVERIFY(once != text);
        QCOMPARE(Flip_Text(once), text);
    }

    void flipComplementsEveryCode() {
        QList<int> all;
        for (int c = 0; c < 256; ++c)
            all << c;
        QList<int> expected;
        for (int c = 0; c < 256; ++c)
            expected << 255 - c;
        QCOMPARE(codes(Flip_Text(fromCodes(all))), expected);
        // The Arabic letter tah becomes the single quote.
        QCOMPARE(Flip_Text(QStringLiteral("ط")), QStringLiteral("'"));
    }

    void unshiftWithEqualKeys() {
        QString text = fromCodes(QList<int>(16, 100));
        Unshift_Text(3, 3, text);
        QCOMPARE(codes(text), (QList<int>{98, 97, 96, 95, 94, 93, 93, 93, 93, 93, 93, 93, 93, 93, 98, 97}));
    }

    void unshiftHeldAtTheLimits_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("added");
        QTest::newRow("first far below") << -100 << 100 << 8;
        QTest::newRow("fixed key, late tip") << int(Fixed_First_Key) << 41 << 8;
        QTest::newRow("first far above") << 100 << -100 << -7;
    }
    void unshiftHeldAtTheLimits() {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, added);
        QString text = fromCodes(QList<int>(30, 120));
        Unshift_Text(Integer(first), Integer(second), text);
        QCOMPARE(codes(text), QList<int>(30, 120 + added));
    }

    void unshiftRestartsItsCounterOnEveryCall() {
        QString a = QStringLiteral("abcdef");
        QString b = a;
        Unshift_Text(1, 1, a);
        Unshift_Text(1, 1, b);
        QCOMPARE(a, b);
    }

    void shiftIsTheInverse_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("text");
        QTest::newRow("story") << 1 << 30 << QStringLiteral("نياحة القديس\r\nفى مثل هذا اليوم");
        QTest::newRow("year") << 13 << 1 << QStringLiteral("يو 3: 16-21");
        QTest::newRow("jonah") << int(Fixed_First_Key) << 4 << QStringLiteral("يون 2: 1-10");
        QTest::newRow("long text") << 7 << 7 << QStringLiteral("ابتثجحخدذرزسشصضطظعغفقكلمنهوي ").repeated(5);
    }
    void shiftIsTheInverse() {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, text);
        QString stored;
        QVERIFY(Shift_Text(Integer(first), Integer(second), text, stored));
        QCOMPARE(stored.size(), text.size());
        Unshift_Text(Integer(first), Integer(second), stored);
        QCOMPARE(stored, text);
    }

    void shiftRefusesWhatCannotBeStored_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("not in the code page") << 1 << 1 << QStringLiteral("ab中") << 2;
        // Sukun is code 250; a shift of 7 would take it to 257.
        QTest::newRow("above the range") << 13 << 1 << QStringLiteral("\u0652") << 0;
        // With the shift held at -8 a code below 9 would be stored below 1.
        QTest::newRow("below the range") << -50 << 50 << QStringLiteral("a") + QChar(5) << 1;
    }
    void shiftRefusesWhatCannotBeStored() {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, text);
        QFETCH(int, position);
        QString stored;
        qsizetype bad = -1;
        QString reason;
        QVERIFY(!Shift_Text(Integer(first), Integer(second), text, stored, &bad, &reason));
        QCOMPARE(bad, qsizetype(position));
        QVERIFY(!reason.isEmpty());
    }

    void verseLine() {
        QCOMPARE(Verse_Line(12, QStringLiteral("نص الآية")), QStringLiteral("12 نص الآية"));
        QCOMPARE(Verse_Line(1, QString()), QStringLiteral("1 "));
    }

    void chapterHeading() {
        const QString heading = Chapter_Heading(5);
        QCOMPARE(heading, QStringLiteral("\r\nالأصحاح رقم   5\r\n"));
        QVERIFY(heading.endsWith(QStringLiteral("   5\r\n")));
        QCOMPARE(Chapter_Heading(151), QStringLiteral("\r\nالأصحاح رقم   151\r\n"));
    }
};

QTEST_APPLESS_MAIN(Test_Scrambled_Text)
#include "test_scrambled_text.moc"
