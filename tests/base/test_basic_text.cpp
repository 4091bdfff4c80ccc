#include "base/basic_text.h"

#include <QtTest>

using namespace MdlLectarium;

class Test_Basic_Text final : public QObject {
    Q_OBJECT

private slots:
    void numberText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << QStringLiteral(" 0");
        QTest::newRow("positive") << 12.0 << QStringLiteral(" 12");
        QTest::newRow("negative") << -1.0 << QStringLiteral("-1");
        QTest::newRow("system colour") << -2147483640.0 << QStringLiteral("-2147483640");
        QTest::newRow("fraction") << 2.5 << QStringLiteral(" 2.5");
    }

    void numberText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Num_Text(value), text);
        if (value == std::trunc(value))
            QCOMPARE(Num_Text(static_cast<qint64>(value)), text);
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << QStringLiteral("12") << 12.0;
        QTest::newRow("leading blanks") << QStringLiteral("   -7") << -7.0;
        QTest::newRow("fraction") << QStringLiteral("3.25x") << 3.25;
        QTest::newRow("exponent") << QStringLiteral("1.5E3") << 1500.0;
        QTest::newRow("exponent without digits") << QStringLiteral("2e") << 2.0;
        QTest::newRow("letters") << QStringLiteral("abc") << 0.0;
        QTest::newRow("sign alone") << QStringLiteral("-") << 0.0;
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("Arabic-Indic digits are not read") << QStringLiteral("١٢") << 0.0;
    }

    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Leading_Number(text), value);
    }

    void halfToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("1.5") << 1.5 << 2.0;
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("-0.5") << -0.5 << 0.0;
        QTest::newRow("-1.5") << -1.5 << -2.0;
        QTest::newRow("2.6") << 2.6 << 3.0;
        QTest::newRow("-2.4") << -2.4 << -2.0;
    }

    void halfToEven() {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(Round_Half_Even(value), rounded);
    }

    void codePageRoundTripsEveryCode() {
        QByteArray all;
        for (int c = 0; c < 256; ++c)
            all += static_cast<char>(c);
        const QString text = From_Cp1256(all);
        QCOMPARE(text.size(), 256);
        bool ok = false;
        QCOMPARE(To_Cp1256(text, &ok), all);
        QVERIFY(ok);
        for (int c = 0; c < 256; ++c)
            QCOMPARE(Cp1256_Code(Cp1256_Char(c)), c);
        QCOMPARE(Cp1256_Code(QChar(u'ا')), 0xC7);
        QCOMPARE(Cp1256_Code(QChar(u'Ꮳ')), -1);
        To_Cp1256(QStringLiteral("aᏣ"), &ok);
        QVERIFY(!ok);
    }

    void decodesTextFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("abc\r\n") << QStringLiteral("abc\r\n");
        QTest::newRow("code page") << QByteArray("\xC7\xE1\xE1\xE5") << QStringLiteral("الله");
        QTest::newRow("utf-8") << QStringLiteral("الله").toUtf8() << QStringLiteral("الله");
        QTest::newRow("utf-8 with mark")
            << QByteArray("\xEF\xBB\xBF") + QStringLiteral("سلام").toUtf8() << QStringLiteral("سلام");
        QTest::newRow("mark alone") << QByteArray("\xEF\xBB\xBF") << QString();
    }

    void decodesTextFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(Decode_Text_File(bytes), text);
    }
};

QTEST_APPLESS_MAIN(Test_Basic_Text)
#include "test_basic_text.moc"
