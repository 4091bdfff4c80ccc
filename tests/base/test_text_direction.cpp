// The one rule for the direction of a paragraph, and the mark that holds a verse's
// number at the start of its line.

#include "base/text_direction.h"

#include <QtTest>

using namespace MdlLectarium;

class Test_Text_Direction final : public QObject {
    Q_OBJECT

private slots:
    void direction_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QString>("held"); // with its number held
        QTest::newRow("Arabic verse")
            << QStringLiteral("12 في البدء") << true << QStringLiteral("12\u200f في البدء");
        QTest::newRow("English verse") << QStringLiteral("2 Sing to Yahweh, all the earth!") << false
                                       << QStringLiteral("2\u200e Sing to Yahweh, all the earth!");
        QTest::newRow("quotation first")
            << QStringLiteral("«Listen» قال") << false << QStringLiteral("«Listen» قال");
        QTest::newRow("English inside Arabic")
            << QStringLiteral("طوبى (Blessed)") << true << QStringLiteral("طوبى (Blessed)");
        // An isolate does not decide the paragraph (Unicode's rule P2).
        QTest::newRow("isolate first")
            << QStringLiteral("\u2066Sing\u2069 في") << true << QStringLiteral("\u2066Sing\u2069 في");
        // No strong character: the page's direction, right to left.
        QTest::newRow("number alone") << QStringLiteral("151") << true << QStringLiteral("151");
        QTest::newRow("empty") << QString() << true << QString();
    }

    void direction() {
        QFETCH(QString, text);
        QFETCH(bool, rightToLeft);
        QFETCH(QString, held);
        QCOMPARE(Paragraph_Direction(text), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QCOMPARE(Html_Direction(text), rightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr"));
        QCOMPARE(Number_Held_At_Start(text), held);
        QCOMPARE(Paragraph_Direction(held), Paragraph_Direction(text));
    }
};

QTEST_APPLESS_MAIN(Test_Text_Direction)
#include "test_text_direction.moc"
