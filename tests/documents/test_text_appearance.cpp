#include "base/settings.h"
#include "shell/appearance.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

// A palette whose colours differ from every explicit colour the tests use, standing
// for the platform's colours.
QPalette platformPalette() {
    QPalette p;
    p.setColor(QPalette::Text, QColor(0x12, 0x34, 0x56));
    p.setColor(QPalette::Base, QColor(0xab, 0xcd, 0xef));
    p.setColor(QPalette::WindowText, QColor(0x21, 0x43, 0x65));
    p.setColor(QPalette::Window, QColor(0xba, 0xdc, 0xfe));
    p.setColor(QPalette::Button, QColor(0x11, 0x22, 0x33));
    p.setColor(QPalette::ButtonText, QColor(0x44, 0x55, 0x66));
    return p;
}

} // namespace

class Test_Text_Appearance final : public QObject {
    Q_OBJECT

private slots:
    void init() {
        Set_Default_Settings();
        QApplication::setPalette(platformPalette());
    }

    void colourValue_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QColor>("colour");
        const QPalette p = platformPalette();
        QTest::newRow("window text 80000008") << -2147483640.0 << p.color(QPalette::Text);
        QTest::newRow("window background 80000005") << -2147483643.0 << p.color(QPalette::Base);
        QTest::newRow("button face 8000000F") << -2147483633.0 << p.color(QPalette::Button);
        QTest::newRow("button text 80000012") << -2147483630.0 << p.color(QPalette::ButtonText);
        QTest::newRow("red 255") << 255.0 << QColor(255, 0, 0);
        QTest::newRow("green 32768") << 32768.0 << QColor(0, 128, 0);
        QTest::newRow("blue FF0000") << 16711680.0 << QColor(0, 0, 255);
        QTest::newRow("yellow FFFF") << 65535.0 << QColor(255, 255, 0);
        QTest::newRow("black") << 0.0 << QColor(0, 0, 0);
        QTest::newRow("white") << 16777215.0 << QColor(255, 255, 255);
        QTest::newRow("mixed 030201") << double(0x030201) << QColor(1, 2, 3);
        QTest::newRow("not a colour") << 1e300 << p.color(QPalette::WindowText);
    }

    void colourValue() {
        QFETCH(double, value);
        QFETCH(QColor, colour);
        QCOMPARE(Color_Value(value, platformPalette()), colour);
    }

    void colourNumberIsBlueGreenRed() {
        QCOMPARE(Color_Number(QColor(1, 2, 3)), double(0x030201));
        QCOMPARE(Color_Number(QColor(255, 0, 0)), 255.0);
        for (double v : {255.0, 32768.0, 16711680.0, 1193046.0})
            QCOMPARE(Color_Number(Color_Value(v, platformPalette())), v);
    }

    void systemColoursAppliedAsThePlatformsColours() {
        QPlainTextEdit edit;
        Apply_Text_Appearance(&edit);
        const QPalette platform = QApplication::palette(&edit);
        QCOMPARE(edit.palette().color(QPalette::Text), platform.color(QPalette::Text));
        QCOMPARE(edit.palette().color(QPalette::Base), platform.color(QPalette::Base));
        QCOMPARE(edit.palette().color(QPalette::Text), QColor(0x12, 0x34, 0x56));
    }

    void explicitColoursAndFont() {
        Font_Name = QStringLiteral("DejaVu Serif");
        Font_Size = 15;
        Font_Bold = -1;
        Font_Italic = -1;
        Fore_Color = 255;
        Back_Color = 65535;
        QListWidget list;
        Apply_Text_Appearance(&list);
        QCOMPARE(list.palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(list.palette().color(QPalette::Base), QColor(255, 255, 0));
        QCOMPARE(list.palette().color(QPalette::Disabled, QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(list.font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(list.font().pointSize(), 15);
        QVERIFY(list.font().bold());
        QVERIFY(list.font().italic());
    }

    void backToSystemColoursAfterExplicitOnes() {
        // Every focus event applies the values again: after explicit colours the
        // system colours must come from the platform, not from the control's own
        // palette that the earlier call changed.
        QLabel label;
        Fore_Color = 255;
        Back_Color = 16711680;
        Apply_Text_Appearance(&label);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
        Fore_Color = -2147483640.0;
        Back_Color = -2147483643.0;
        Apply_Text_Appearance(&label);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0x12, 0x34, 0x56));
        QCOMPARE(label.palette().color(QPalette::Window), QColor(0xab, 0xcd, 0xef));
    }

    void fontSizeNotUsableFallsBackTo12() {
        Font_Size = 0;
        QCOMPARE(Text_Font().pointSize(), 12);
        Font_Size = -3;
        QCOMPARE(Text_Font().pointSize(), 12);
    }
};

QTEST_MAIN(Test_Text_Appearance)
#include "test_text_appearance.moc"
