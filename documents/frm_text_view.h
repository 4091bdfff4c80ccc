#pragma once

// The text appearance window: font and colours of the texts the program shows, and the
// title options of its preview, with a live preview. Nothing is stored before OK.

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace Lectarium {

class FrmText_View final : public QDialog {
    Q_OBJECT

public:
    explicit FrmText_View(QWidget* parent = nullptr);

    void Form_Load();
    void Check3_Click();
    void Check4_Click();
    void Command0_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Text2_Change();

    QPlainTextEdit* Text1() const { return text1_; }
    QLineEdit* Text2() const { return text2_; }
    QCheckBox* Check3() const { return check3_; }
    QCheckBox* Check4() const { return check4_; }
    QPushButton* Command(int number) const; // Command0 .. Command5
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }

    // The preview's colours as stored colour values: a system colour stays one.
    double Preview_Fore_Color() const { return foreColor_; }
    double Preview_Back_Color() const { return backColor_; }
    // The sample as last built, lines separated by CR LF.
    QString Sample_Text() const { return sample_; }

private:
    void Show_Sample();
    void showColours();

    QPlainTextEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QCheckBox* check3_ = nullptr;
    QCheckBox* check4_ = nullptr;
    QPushButton* commands_[6] = {};
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    double foreColor_ = 0;
    double backColor_ = 0;
    QString sample_;
};

} // namespace Lectarium
