#include "app/frm_about.h"
#include "app/mdi_lectarium.h"
#include "base/program_files.h"
#include "shell/appearance.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace Lectarium;

class Test_Frm_About final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Install_Arabic_Font(); }

    void content() {
        FrmAbout form;
        QCOMPARE(form.windowTitle(), QStringLiteral("About"));
        QCOMPARE(form.Command1()->text(), QStringLiteral("OK"));
        QVERIFY(!form.Image1()->pixmap().isNull());
        for (int n = 1; n <= 16; ++n) {
            QVERIFY2(form.Label(n), qPrintable(QStringLiteral("Label%1").arg(n)));
            QVERIFY2(!form.Label(n)->text().trimmed().isEmpty(),
                     qPrintable(QStringLiteral("Label%1").arg(n)));
        }
        for (int n = 1; n <= 3; ++n)
            QVERIFY(form.findChild<QWidget*>(QStringLiteral("Line%1").arg(n)));
        // The product's name in large type; the programmer caption in English; the version line.
        QVERIFY(form.Label(3)->font().pointSize() > form.Label(4)->font().pointSize());
        QVERIFY(form.Label(3)->text().contains(QChar(0x0644)));
        QVERIFY(
            !form.Label(13)->text().contains(QRegularExpression(QStringLiteral("[\\x{0600}-\\x{06FF}]"))));
        QVERIFY(form.Label(15)->text().contains(QStringLiteral("1998")));
    }

    void okHides() {
        FrmAbout form;
        form.show();
        QTest::mouseClick(form.Command1(), Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }

    void hiddenByOkAndShownAgain() {
        Temp_Program_Folder folder;
        Scripted_Dialogs dialogs;
        MDILectarium window;
        QList<FrmAbout*> shown;
        auto pressOk = [&shown] {
            auto* about = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
            shown << about;
            if (about && about->isVisible() && about->isModal())
                about->Command1()->click();
        };
        QTimer::singleShot(0, &window, pressOk);
        window.About_Click();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0]);
        // Hidden, not destroyed.
        QVERIFY(!shown[0]->isVisible());
        QCOMPARE(window.findChildren<FrmAbout*>(), QList<FrmAbout*>{shown[0]});

        shown[0]->Label(3)->setProperty("seen", true);
        QTimer::singleShot(0, &window, pressOk);
        window.About_Click();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1], shown[0]);
        QVERIFY(shown[1]->Label(3)->property("seen").toBool());
        QCOMPARE(window.findChildren<FrmAbout*>().size(), 1);
        QVERIFY(dialogs.Unexpected().isEmpty());
    }
};

QTEST_MAIN(Test_Frm_About)
#include "test_frm_about.moc"
