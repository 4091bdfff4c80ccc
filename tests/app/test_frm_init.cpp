#include "app/frm_init.h"
#include "shell/appearance.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

using namespace Lectarium;

class Test_Frm_Init final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Install_Arabic_Font(); }

    void asLoaded() {
        FrmInit form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Lectarium"));
        QVERIFY(!form.Image1()->pixmap().isNull());
        // The picture fills the window but for a thin border.
        QVERIFY(form.Image1()->width() * 100 / form.width() >= 95);
        QVERIFY(form.Image1()->height() * 100 / form.height() >= 95);
    }

    void anyKeyCloses_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("letter") << int(Qt::Key_A) << QStringLiteral("a");
        QTest::newRow("Arabic letter") << int(Qt::Key_unknown) << QStringLiteral("ب");
        QTest::newRow("space") << int(Qt::Key_Space) << QStringLiteral(" ");
        QTest::newRow("Enter") << int(Qt::Key_Return) << QStringLiteral("\r");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << QStringLiteral("\x1b");
        QTest::newRow("arrow") << int(Qt::Key_Left) << QString();
        QTest::newRow("F1") << int(Qt::Key_F1) << QString();
    }

    void anyKeyCloses() {
        QFETCH(int, key);
        QFETCH(QString, text);
        FrmInit form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::sendKeyEvent(QTest::Click, &form, Qt::Key(key), text, Qt::NoModifier);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void aModifierAloneDoesNotClose() {
        FrmInit form;
        form.show();
        QTest::keyClick(&form, Qt::Key_Shift);
        QTest::keyClick(&form, Qt::Key_Control);
        QVERIFY(form.isVisible());
    }

    void clickOnThePictureCloses() {
        FrmInit form;
        form.show();
        QTest::mouseClick(form.Image1(), Qt::LeftButton, {}, form.Image1()->rect().center());
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void clickElsewhereDoesNothing() {
        FrmInit form;
        form.show();
        // The border around the picture, and other buttons on the picture.
        QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(form.width() - 2, form.height() - 2));
        QTest::mouseClick(form.Image1(), Qt::RightButton, {}, form.Image1()->rect().center());
        QTest::mouseClick(form.Image1(), Qt::MiddleButton, {}, form.Image1()->rect().center());
        QVERIFY(form.isVisible());
    }

    void modalRunEndsOnAKey() {
        FrmInit form;
        QTimer::singleShot(0, &form, [&form] { QTest::keyClick(&form, Qt::Key_Q); });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &form, &QDialog::reject);
        guard.start(10000);
        QCOMPARE(form.exec(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(Test_Frm_Init)
#include "test_frm_init.moc"
