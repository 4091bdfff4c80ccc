#include "app/mdi_lectarium.h"
#include "base/program_files.h"
#include "base/settings.h"
#include "documents/frm_text_view.h"
#include "shell/appearance.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

const QString title = QStringLiteral("+ اقرار بطرس");
const QString verse16 = QStringLiteral("16 فاجاب سمعان بطرس و قال انت هو المسيح ابن الله الحي");
const QString verse17 = QStringLiteral(
    "17 فاجاب يسوع و قال له طوبى لك يا سمعان بن يونا ان لحما و دما لم يعلن لك لكن ابي الذي في السماوات");

constexpr double windowText = -2147483640.0;
constexpr double windowBackground = -2147483643.0;

// Values unlike the defaults, so that a stored or a dropped change shows.
void setNonDefaultAppearance() {
    Font_Name = QStringLiteral("DejaVu Serif");
    Font_Size = 16;
    Font_Bold = -1;
    Font_Italic = -1;
    Fore_Color = 255;
    Back_Color = 65535;
    Hidder = 0;
    Hidder_Under_Line = 0;
    Under_Line_Chr = QStringLiteral("#");
}

struct Appearance {
    QString fontName;
    Integer fontSize, bold, italic;
    double fore, back;
    Integer hidder, underline;
    QString underlineChr;
    bool operator==(const Appearance&) const = default;
};

Appearance stored() {
    return {Font_Name,  Font_Size, Font_Bold,         Font_Italic,   Fore_Color,
            Back_Color, Hidder,    Hidder_Under_Line, Under_Line_Chr};
}

QStringList previewLines(const FrmText_View& form) {
    return form.Text1()->toPlainText().split(QLatin1Char('\n'));
}

} // namespace

class Test_Frm_Text_View final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Install_Arabic_Font(); }
    void init() { Set_Default_Settings(); }

    void sample_data() {
        QTest::addColumn<int>("hidder");
        QTest::addColumn<int>("underline");
        QTest::addColumn<QString>("underlineChr");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("title and underline")
            << -1 << -1 << QStringLiteral("*")
            << QStringList{title, QStringLiteral("************"), verse16, verse17};
        QTest::newRow("other character")
            << -1 << -1 << QStringLiteral("ـ")
            << QStringList{title, QStringLiteral("ـ").repeated(12), verse16, verse17};
        QTest::newRow("two characters")
            << -1 << -1 << QStringLiteral("-=")
            << QStringList{title, QStringLiteral("-=").repeated(12), verse16, verse17};
        QTest::newRow("title only") << -1 << 0 << QStringLiteral("*") << QStringList{title, verse16, verse17};
        QTest::newRow("neither") << 0 << 0 << QStringLiteral("*") << QStringList{verse16, verse17};
        QTest::newRow("any non-zero is true")
            << 1 << 2 << QStringLiteral("*")
            << QStringList{title, QStringLiteral("************"), verse16, verse17};
    }

    void sample() {
        QFETCH(int, hidder);
        QFETCH(int, underline);
        QFETCH(QString, underlineChr);
        QFETCH(QStringList, lines);
        Hidder = static_cast<Integer>(hidder);
        Hidder_Under_Line = static_cast<Integer>(underline);
        Under_Line_Chr = underlineChr;
        Scripted_Dialogs dialogs;
        FrmText_View form;
        QCOMPARE(form.windowTitle(), QStringLiteral("View Text Options"));
        QCOMPARE(previewLines(form), lines);
        // Lines are joined by CR LF, with none after the last verse.
        QCOMPARE(form.Sample_Text(), lines.join(QStringLiteral("\r\n")));
        QCOMPARE(form.Check3()->isChecked(), hidder != 0);
        QCOMPARE(form.Check4()->isChecked(), underline != 0);
        QCOMPARE(form.Text2()->isEnabled(), underline != 0);
        QCOMPARE(form.Text2()->text(), underlineChr);
        QVERIFY(dialogs.Unexpected().isEmpty());
    }

    void previewTakesStoredAppearance() {
        setNonDefaultAppearance();
        FrmText_View form;
        const QFont font = form.Text1()->font();
        QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(font.pointSize(), 16);
        QVERIFY(font.bold());
        QVERIFY(font.italic());
        QCOMPARE(form.Text1()->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(form.Text1()->palette().color(QPalette::Base), QColor(255, 255, 0));
    }

    void systemColoursShowAsThePlatformsColours() {
        FrmText_View form;
        const QPalette platform = QApplication::palette(form.Text1());
        QCOMPARE(form.Preview_Fore_Color(), windowText);
        QCOMPARE(form.Preview_Back_Color(), windowBackground);
        QCOMPARE(form.Text1()->palette().color(QPalette::Text), platform.color(QPalette::Text));
        QCOMPARE(form.Text1()->palette().color(QPalette::Base), platform.color(QPalette::Base));
    }

    void uncheckingTheTitleClearsAndDisablesTheUnderline() {
        FrmText_View form;
        form.show();
        QVERIFY(form.Check4()->isEnabled());
        QTest::mouseClick(form.Check3(), Qt::LeftButton);
        QVERIFY(!form.Check3()->isChecked());
        QVERIFY(!form.Check4()->isChecked());
        QVERIFY(!form.Check4()->isEnabled());
        QVERIFY(!form.Text2()->isEnabled());
        QCOMPARE(previewLines(form), (QStringList{verse16, verse17}));

        // Checking the title again brings back the box, not its check.
        QTest::mouseClick(form.Check3(), Qt::LeftButton);
        QVERIFY(form.Check4()->isEnabled());
        QVERIFY(!form.Check4()->isChecked());
        QCOMPARE(previewLines(form), (QStringList{title, verse16, verse17}));
        QTest::mouseClick(form.Check4(), Qt::LeftButton);
        QVERIFY(form.Text2()->isEnabled());
        QCOMPARE(previewLines(form), (QStringList{title, QStringLiteral("************"), verse16, verse17}));
    }

    void typingIntoTheUnderlineBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("underline");
        QTest::newRow("equals") << QStringLiteral("=") << QStringLiteral("============");
        QTest::newRow("elongation") << QStringLiteral("ـ") << QStringLiteral("ـ").repeated(12);
        QTest::newRow("two") << QStringLiteral("+-") << QStringLiteral("+-").repeated(12);
        QTest::newRow("emptied") << QString() << QString();
    }

    void typingIntoTheUnderlineBox() {
        QFETCH(QString, typed);
        QFETCH(QString, underline);
        FrmText_View form;
        form.show();
        form.Text2()->selectAll();
        QTest::keyClick(form.Text2(), Qt::Key_Backspace);
        // Typed one key at a time, with the text of each key (the elongation mark has
        // no key code of its own).
        for (const QChar ch : typed)
            QTest::sendKeyEvent(QTest::Click, form.Text2(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QCOMPARE(form.Text2()->text(), typed);
        QCOMPARE(previewLines(form), (QStringList{title, underline, verse16, verse17}));
    }

    void defaultThenCancelOrCloseStoresNothing_data() {
        QTest::addColumn<bool>("byFrame");
        QTest::newRow("Cancel") << false;
        QTest::newRow("frame") << true;
    }

    void defaultThenCancelOrCloseStoresNothing() {
        QFETCH(bool, byFrame);
        setNonDefaultAppearance();
        const Appearance before = stored();
        Scripted_Dialogs dialogs;
        FrmText_View form;
        form.show();
        QTest::mouseClick(form.Command(5), Qt::LeftButton);
        // The preview shows the defaults...
        QCOMPARE(form.Text1()->font().family(), QStringLiteral("Arabic Transparent"));
        QCOMPARE(form.Text1()->font().pointSize(), 12);
        QVERIFY(!form.Text1()->font().bold());
        QVERIFY(!form.Text1()->font().italic());
        QCOMPARE(form.Preview_Fore_Color(), windowText);
        QCOMPARE(form.Preview_Back_Color(), windowBackground);
        QCOMPARE(form.Text1()->palette().color(QPalette::Text),
                 QApplication::palette(form.Text1()).color(QPalette::Text));
        QVERIFY(form.Check3()->isChecked());
        QVERIFY(form.Check4()->isChecked());
        QVERIFY(form.Text2()->isEnabled());
        QCOMPARE(form.Text2()->text(), QStringLiteral("*"));
        QCOMPARE(previewLines(form), (QStringList{title, QStringLiteral("************"), verse16, verse17}));
        // ...but nothing is stored.
        QCOMPARE(stored(), before);
        if (byFrame)
            form.close();
        else
            QTest::mouseClick(form.Command(4), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(stored(), before);
        QVERIFY(dialogs.Unexpected().isEmpty());
    }

    void defaultThenOkStoresTheDefaults() {
        setNonDefaultAppearance();
        Scripted_Dialogs dialogs;
        FrmText_View form;
        form.show();
        QTest::mouseClick(form.Command(5), Qt::LeftButton);
        QTest::mouseClick(form.Command(3), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        const Appearance expected{QStringLiteral("Arabic Transparent"),
                                  12,
                                  0,
                                  0,
                                  windowText,
                                  windowBackground,
                                  -1,
                                  -1,
                                  QStringLiteral("*")};
        QCOMPARE(stored(), expected);
        QVERIFY(dialogs.Unexpected().isEmpty());
    }

    void okStoresTheTitleOptions() {
        FrmText_View form;
        form.show();
        form.Text2()->setText(QStringLiteral("~"));
        QTest::mouseClick(form.Check3(), Qt::LeftButton);
        QTest::mouseClick(form.Command(3), Qt::LeftButton);
        QCOMPARE(Hidder, Integer(0));
        QCOMPARE(Hidder_Under_Line, Integer(0));
        QCOMPARE(Under_Line_Chr, QStringLiteral("~"));
    }

    void fontDialogAndRounding_data() {
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("storedSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("10.5 to 10") << 10.5 << 10 << true << false;
        QTest::newRow("11.5 to 12") << 11.5 << 12 << false << true;
    }

    void fontDialogAndRounding() {
        QFETCH(double, size);
        QFETCH(int, storedSize);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        Scripted_Dialogs dialogs;
        QFont chosen(QStringLiteral("DejaVu Sans"));
        chosen.setPointSizeF(size);
        chosen.setBold(bold);
        chosen.setItalic(italic);
        chosen.setUnderline(true); // not one of the values the window takes
        dialogs.Answer_Font(chosen);
        FrmText_View form;
        form.show();
        QTest::mouseClick(form.Command(0), Qt::LeftButton);
        QCOMPARE(form.Text1()->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(form.Text1()->font().pointSizeF(), size);
        QCOMPARE(form.Text1()->font().bold(), bold);
        QCOMPARE(form.Text1()->font().italic(), italic);
        QVERIFY(!form.Text1()->font().underline());
        QTest::mouseClick(form.Command(3), Qt::LeftButton);
        QCOMPARE(Font_Name, QStringLiteral("DejaVu Sans"));
        QCOMPARE(Font_Size, Integer(storedSize));
        QCOMPARE(Font_Bold, Integer(bold ? -1 : 0));
        QCOMPARE(Font_Italic, Integer(italic ? -1 : 0));
        QVERIFY(dialogs.All_Answered());
        QVERIFY(dialogs.Unexpected().isEmpty());
    }

    void colourDialogs() {
        Scripted_Dialogs dialogs;
        dialogs.Answer_Color(QColor(200, 10, 20));
        dialogs.Answer_Color(QColor(0, 0, 255));
        FrmText_View form;
        form.show();
        QTest::mouseClick(form.Command(1), Qt::LeftButton);
        QTest::mouseClick(form.Command(2), Qt::LeftButton);
        QCOMPARE(form.Text1()->palette().color(QPalette::Text), QColor(200, 10, 20));
        QCOMPARE(form.Text1()->palette().color(QPalette::Base), QColor(0, 0, 255));
        QCOMPARE(Fore_Color, windowText); // not yet stored
        QTest::mouseClick(form.Command(3), Qt::LeftButton);
        QCOMPARE(Fore_Color, 200.0 + 10 * 256 + 20 * 65536);
        QCOMPARE(Back_Color, 16711680.0);
        QVERIFY(dialogs.All_Answered());
        QVERIFY(dialogs.Unexpected().isEmpty());
    }

    void cancelledDialogsLeaveThePreview() {
        setNonDefaultAppearance();
        Scripted_Dialogs dialogs;
        dialogs.Answer_Font(std::nullopt);
        dialogs.Answer_Color(std::nullopt);
        dialogs.Answer_Color(std::nullopt);
        FrmText_View form;
        form.show();
        const QFont font = form.Text1()->font();
        const QPalette palette = form.Text1()->palette();
        QTest::mouseClick(form.Command(0), Qt::LeftButton);
        QTest::mouseClick(form.Command(1), Qt::LeftButton);
        QTest::mouseClick(form.Command(2), Qt::LeftButton);
        QCOMPARE(form.Text1()->font(), font);
        QCOMPARE(form.Text1()->palette().color(QPalette::Text), palette.color(QPalette::Text));
        QCOMPARE(form.Text1()->palette().color(QPalette::Base), palette.color(QPalette::Base));
        QCOMPARE(form.Preview_Fore_Color(), 255.0);
        QCOMPARE(form.Preview_Back_Color(), 65535.0);
        QVERIFY(form.isVisible());
        QVERIFY(dialogs.All_Answered());
        QVERIFY(dialogs.Unexpected().isEmpty());
    }

    void openedModallyFromTheMainWindow_data() {
        QTest::addColumn<bool>("fromToolbar");
        QTest::newRow("menu") << false;
        QTest::newRow("toolbar") << true;
    }

    void openedModallyFromTheMainWindow() {
        QFETCH(bool, fromToolbar);
        Temp_Program_Folder folder;
        Scripted_Dialogs dialogs;
        MDILectarium window;
        bool seen = false;
        bool modal = false;
        QTimer::singleShot(0, &window, [&] {
            auto* form = qobject_cast<FrmText_View*>(QApplication::activeModalWidget());
            seen = form != nullptr;
            if (form) {
                modal = form->isModal() && form->isVisible();
                form->Command(4)->click();
            }
        });
        if (fromToolbar)
            window.Toolbar1_ButtonClick(QStringLiteral("Text_View"));
        else
            window.Text_View_Click();
        QVERIFY(seen);
        QVERIFY(modal);
        // The window is gone once it closes.
        QVERIFY(window.findChildren<FrmText_View*>().isEmpty());
        QVERIFY(dialogs.Unexpected().isEmpty());
    }
};

QTEST_MAIN(Test_Frm_Text_View)
#include "test_frm_text_view.moc"
