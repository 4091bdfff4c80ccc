#include "app/frm_introduction.h"
#include "shell/appearance.h"
#include "shell/placement.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QtTest>

using namespace Lectarium;

class Test_Frm_Introduction final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Install_Arabic_Font(); }

    void asLoaded() {
        FrmIntroduction form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Introduction"));
        QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form.Picture2()->size(), QSize(To_Pixels(5025), To_Pixels(1980)));
        QVERIFY(!form.Picture1()->pixmap().isNull());
        QCOMPARE(form.TimerClose()->interval(), 40000);
        QVERIFY(form.TimerClose()->isActive());
        QVERIFY(form.Timer_Loop()->isActive());
    }

    void labels_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("0") << 0 << QColor(128, 0, 0);
        QTest::newRow("1") << 1 << QColor(128, 64, 0);
        QTest::newRow("2") << 2 << QColor(128, 0, 128);
        QTest::newRow("3") << 3 << QColor(128, 128, 0);
        QTest::newRow("4") << 4 << QColor(0, 0, 128);
        QTest::newRow("5") << 5 << QColor(0, 128, 128);
    }

    void labels() {
        QFETCH(int, index);
        QFETCH(QColor, colour);
        FrmIntroduction form;
        QLabel* label = form.Label1(index);
        QVERIFY(label);
        QCOMPARE(label->parentWidget(), form.Picture2());
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        QCOMPARE(label->font().family(), QStringLiteral("Arabic Transparent"));
        QCOMPARE(label->font().pointSizeF(), 14.25);
        QVERIFY(label->font().bold());
        QVERIFY(!label->text().isEmpty());
        // Role lines and the lines they credit alternate.
        const bool roleLine = index % 2 == 0;
        QCOMPARE(label->text().startsWith(QStringLiteral("+ ")), roleLine);
        QCOMPARE(label->text().endsWith(QStringLiteral(" :")), roleLine);
    }

    void roll_data() {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("top");
        QTest::newRow("label 0, first tick") << 1 << 0 << 1400;
        QTest::newRow("label 0, second tick") << 2 << 0 << 1375;
        QTest::newRow("label 0 at 25 after 56 ticks") << 56 << 0 << 25;
        QTest::newRow("label 0 re-enters on tick 57") << 57 << 0 << 4200;
        QTest::newRow("label 0 moves on from 4200") << 58 << 0 << 4175;
        QTest::newRow("label 0, second round") << 57 + 167 << 0 << 25;
        QTest::newRow("label 0, third entry") << 57 + 168 << 0 << 4200;
        QTest::newRow("label 1, first tick") << 1 << 1 << 2100;
        QTest::newRow("label 1 at 25") << 84 << 1 << 25;
        QTest::newRow("label 1 re-enters") << 85 << 1 << 4200;
        QTest::newRow("label 4 starts at 4200") << 1 << 4 << 4200;
        QTest::newRow("label 5 starts at 4900") << 1 << 5 << 4900;
        QTest::newRow("label 5 at 25") << 196 << 5 << 25;
        QTest::newRow("label 5 re-enters") << 197 << 5 << 4200;
    }

    void roll() {
        QFETCH(int, ticks);
        QFETCH(int, index);
        QFETCH(int, top);
        FrmIntroduction form;
        form.Timer_Loop()->stop(); // the test drives the ticks
        for (int i = 0; i < ticks; ++i)
            form.Timer_Loop_Timer();
        QCOMPARE(form.Label1_Top(index), top);
        QCOMPARE(form.Label1(index)->y(), To_Pixels(top));
    }

    void linesKeepTheirDistance() {
        FrmIntroduction form;
        form.Timer_Loop()->stop();
        for (int tick = 1; tick <= 400; ++tick) {
            form.Timer_Loop_Timer();
            QList<int> tops;
            for (int i = 0; i < 6; ++i)
                tops << form.Label1_Top(i);
            std::sort(tops.begin(), tops.end());
            for (int i = 1; i < 6; ++i)
                QCOMPARE(tops[i] - tops[i - 1], 700);
        }
    }

    void closesItselfWhenItsTimerFires() {
        FrmIntroduction form;
        QCOMPARE(form.TimerClose()->interval(), 40000);
        form.Timer_Loop()->stop();
        form.show();
        form.TimerClose_Timer();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.TimerClose()->isActive());
        QVERIFY(!form.Timer_Loop()->isActive());
    }

    // A click on the credits or the picture closes the window at once.
    void clickCloses() {
        FrmIntroduction form;
        form.show();
        QTest::mouseClick(form.Label1(0), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QVERIFY(!form.Timer_Loop()->isActive());
    }

    void modalRunEndsByTheCloseTimer() {
        // The real timer, shortened, ends the modal run without any user action.
        FrmIntroduction form;
        form.TimerClose()->start(50);
        QElapsedTimer clock;
        clock.start();
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &form, &QDialog::reject);
        guard.start(10000);
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QVERIFY(clock.elapsed() < 10000);
        // The roll ran meanwhile.
        QVERIFY(form.Label1_Top(0) <= 1400);
    }
};

QTEST_MAIN(Test_Frm_Introduction)
#include "test_frm_introduction.moc"
