// The real dialog layer: Qt's standard dialogs in Arabic, read from the right, without the
// mnemonic markers that break Arabic words apart, and the file the reader chose returned.
#include "shell/dialogs.h"
#include "shell/qt_arabic.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace Lectarium;

namespace {

// Runs CHECK on the modal dialog once it is up, then closes it with ACCEPT or reject.
void whenShown(const std::function<void(QDialog*)>& check, bool accept) {
    QTimer::singleShot(0, [check, accept] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        check(dialog);
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
}

void checkArabicFromTheRight(QDialog* dialog) {
    QCOMPARE(dialog->layoutDirection(), Qt::RightToLeft);
    int arabic = 0;
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        QVERIFY2(!button->text().contains(QLatin1Char('&')), qPrintable(button->text()));
        arabic += button->text().isRightToLeft();
    }
    QVERIFY(arabic > 0);
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!Install_Qt_Arabic())
            QSKIP("Qt's Arabic translation (qt6-translations-l10n) is not installed");
    }

    void mnemonicsTakenOut_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("marker inside a word") << QStringLiteral("ا&فتح") << QStringLiteral("افتح");
        QTest::newRow("literal ampersand") << QStringLiteral("نعم && لا") << QStringLiteral("نعم & لا");
        QTest::newRow("marker at the end") << QStringLiteral("حفظ&") << QStringLiteral("حفظ");
        QTest::newRow("none") << QStringLiteral("إلغاء") << QStringLiteral("إلغاء");
    }
    void mnemonicsTakenOut() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Without_Mnemonic(text), expected);
    }

    void qtButtonsInArabicWithoutMarkers() {
        const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
        QVERIFY(yes.isRightToLeft());
        QVERIFY(!yes.contains(QLatin1Char('&')));
    }

    void openReturnsTheChosenFile() {
        QTemporaryDir folder;
        const QString path = folder.path() + QStringLiteral("/قراءة.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        whenShown(
            [&](QDialog* dialog) {
                checkArabicFromTheRight(dialog);
                qobject_cast<QFileDialog*>(dialog)->selectFile(path);
            },
            true);
        QCOMPARE(Dialogs().Open_File(nullptr, QStringLiteral("فتح"), folder.path(),
                                     QStringLiteral("Text (*.txt)|*.txt")),
                 path);
    }

    void saveProposesTheNameAndCancelGivesNothing() {
        QTemporaryDir folder;
        const QString proposed = folder.path() + QStringLiteral("/جديد.txt");
        whenShown(checkArabicFromTheRight, true);
        QCOMPARE(Dialogs().Save_File(nullptr, QStringLiteral("حفظ"), proposed, QStringLiteral("Text|*.txt")),
                 proposed);
        whenShown(checkArabicFromTheRight, false);
        QVERIFY(Dialogs()
                    .Save_File(nullptr, QStringLiteral("حفظ"), proposed, QStringLiteral("Text|*.txt"))
                    .isEmpty());
    }

    void fontAndColour() {
        whenShown(checkArabicFromTheRight, false);
        QVERIFY(!Dialogs().Choose_Font(nullptr, QFont()).has_value());
        whenShown(checkArabicFromTheRight, true);
        QCOMPARE(Dialogs().Choose_Color(nullptr, QColor(10, 20, 30)),
                 std::optional<QColor>(QColor(10, 20, 30)));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
