#include "documents/frm_text_view.h"

#include "base/basic_text.h"
#include "base/settings.h"
#include "shell/appearance.h"
#include "shell/dialogs.h"
#include "shell/interface_translation.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

#include <algorithm>

namespace Lectarium {

namespace {

QString fontButton() {
    return QCoreApplication::translate("Lectarium::FrmText_View", "الخــــــــــــط");
}
QString foreButton() {
    return QCoreApplication::translate("Lectarium::FrmText_View", "لون الكلام");
}
QString backButton() {
    return QCoreApplication::translate("Lectarium::FrmText_View", "لون الخلفية");
}
QString titleBox() {
    return QCoreApplication::translate("Lectarium::FrmText_View", "ظهور العنوان");
}
QString underlineBox() {
    return QCoreApplication::translate("Lectarium::FrmText_View", "خط أسفل العنوان");
}
QString fontHeading() {
    return QCoreApplication::translate("Lectarium::FrmText_View", "الخــــــط");
}
QString lineLabel() {
    return QCoreApplication::translate("Lectarium::FrmText_View", "الخط");
}
const QString sampleTitle = QStringLiteral("+ اقرار بطرس");
const QString verse16 = QStringLiteral("16 فاجاب سمعان بطرس و قال انت هو المسيح ابن الله الحي");
const QString verse17 = QStringLiteral(
    "17 فاجاب يسوع و قال له طوبى لك يا سمعان بن يونا ان لحما و دما لم يعلن لك لكن ابي الذي في السماوات");
// The same passage in the World English Bible, for the reader of the English interface.
const QString englishTitle = QStringLiteral("+ Peter's Confession");
const QString englishVerse16 =
    QStringLiteral("16 Simon Peter answered, \u201CYou are the Christ, the Son of the living God.\u201D");
const QString englishVerse17 = QStringLiteral("17 Jesus answered him, \u201CBlessed are you, Simon Bar "
                                              "Jonah, for flesh and blood has not revealed this "
                                              "to you, but my Father who is in heaven.");

const QString crLf = QStringLiteral("\r\n");
const QString defaultFont = QStringLiteral("Arabic Transparent");
constexpr int defaultSize = 12;
constexpr double windowTextColour = -2147483640.0;       // system colour 0x80000008
constexpr double windowBackgroundColour = -2147483643.0; // system colour 0x80000005
constexpr int underlineCopies = 12;

QFrame* line(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

MdlLectarium::Integer flag(bool on) {
    return on ? -1 : 0;
}

} // namespace

FrmText_View::FrmText_View(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmText_View"));
    setWindowTitle(tr("View Text Options"));
    setLayoutDirection(Window_Direction());
    setModal(true);

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    // Every line reads right to left from the right edge, the underline line too, which
    // has no letters to tell its direction.
    QTextOption option = text1_->document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    text1_->document()->setDefaultTextOption(option);
    text1_->setMinimumSize(380, 240);

    auto button = [this](int number, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QStringLiteral("Command%1").arg(number));
        b->setAutoDefault(false);
        commands_[number] = b;
        return b;
    };
    button(0, fontButton());
    button(1, foreButton());
    button(2, backButton());
    button(3, tr("OK"))->setDefault(true);
    button(4, tr("Cancel"));
    button(5, tr("Default"));

    label1_ = new QLabel(fontHeading(), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    QFont heading = label1_->font();
    heading.setBold(true);
    label1_->setFont(heading);
    label1_->setAlignment(Qt::AlignCenter);
    label2_ = new QLabel(lineLabel(), this);
    label2_->setObjectName(QStringLiteral("Label2"));

    check3_ = new QCheckBox(titleBox(), this);
    check3_->setObjectName(QStringLiteral("Check3"));
    check4_ = new QCheckBox(underlineBox(), this);
    check4_->setObjectName(QStringLiteral("Check4"));
    text2_ = new QLineEdit(QStringLiteral("*"), this);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setFixedWidth(60);
    text2_->setAlignment(Qt::AlignCenter);
    label2_->setBuddy(text2_);

    auto* options = new QVBoxLayout;
    options->addWidget(label1_);
    options->addWidget(commands_[0]);
    options->addWidget(commands_[1]);
    options->addWidget(commands_[2]);
    options->addWidget(line(this, "Line1"));
    options->addWidget(check3_);
    options->addWidget(check4_);
    auto* underline = new QHBoxLayout;
    underline->addWidget(label2_);
    underline->addWidget(text2_);
    underline->addStretch(1);
    options->addLayout(underline);
    options->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(options);
    top->addWidget(text1_, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(commands_[3]);
    bottom->addWidget(commands_[4]);
    bottom->addWidget(commands_[5]);
    bottom->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(line(this, "Line2"));
    layout->addLayout(bottom);

    // A change of a box's value, by the user or by this window, runs its handling.
    connect(check3_, &QCheckBox::toggled, this, &FrmText_View::Check3_Click);
    connect(check4_, &QCheckBox::toggled, this, &FrmText_View::Check4_Click);
    connect(text2_, &QLineEdit::textChanged, this, &FrmText_View::Text2_Change);
    connect(commands_[0], &QPushButton::clicked, this, &FrmText_View::Command0_Click);
    connect(commands_[1], &QPushButton::clicked, this, &FrmText_View::Command1_Click);
    connect(commands_[2], &QPushButton::clicked, this, &FrmText_View::Command2_Click);
    connect(commands_[3], &QPushButton::clicked, this, &FrmText_View::Command3_Click);
    connect(commands_[4], &QPushButton::clicked, this, &FrmText_View::Command4_Click);
    connect(commands_[5], &QPushButton::clicked, this, &FrmText_View::Command5_Click);

    Form_Load();
}

QPushButton* FrmText_View::Command(int number) const {
    return number >= 0 && number <= 5 ? commands_[number] : nullptr;
}

void FrmText_View::Show_Sample() {
    const QString underline = text2_->text().repeated(underlineCopies);
    sample_.clear();
    const bool english = Window_Direction() == Qt::LeftToRight;
    if (check3_->isChecked())
        sample_ = (english ? englishTitle : sampleTitle) + crLf;
    if (check4_->isChecked())
        sample_ += underline + crLf;
    sample_ += (english ? englishVerse16 : verse16) + crLf;
    sample_ += english ? englishVerse17 : verse17;
    text1_->setPlainText(sample_);
}

void FrmText_View::showColours() {
    Apply_Colors(text1_, foreColor_, backColor_);
}

void FrmText_View::Form_Load() {
    using namespace MdlLectarium;
    Show_Sample();
    text1_->setFont(Text_Font());
    foreColor_ = Fore_Color;
    backColor_ = Back_Color;
    showColours();
    check3_->setChecked(Hidder != 0);
    check4_->setChecked(Hidder_Under_Line != 0);
    text2_->setEnabled(Hidder_Under_Line != 0);
    text2_->setText(Under_Line_Chr);
}

void FrmText_View::Check3_Click() {
    if (check3_->isChecked()) {
        check4_->setEnabled(true);
    } else {
        check4_->setChecked(false);
        check4_->setEnabled(false);
    }
    Show_Sample();
}

void FrmText_View::Check4_Click() {
    Show_Sample();
    text2_->setEnabled(check4_->isChecked());
}

void FrmText_View::Text2_Change() {
    Show_Sample();
}

void FrmText_View::Command0_Click() {
    // A cancelled dialog leaves the preview as it was.
    const std::optional<QFont> chosen = Dialogs().Choose_Font(this, text1_->font());
    if (!chosen)
        return;
    QFont font = text1_->font();
    font.setFamily(chosen->family());
    if (chosen->pointSizeF() > 0)
        font.setPointSizeF(chosen->pointSizeF());
    font.setBold(chosen->bold());
    font.setItalic(chosen->italic());
    text1_->setFont(font);
}

void FrmText_View::Command1_Click() {
    const std::optional<QColor> chosen =
        Dialogs().Choose_Color(this, text1_->palette().color(QPalette::Text));
    if (!chosen || !chosen->isValid())
        return;
    foreColor_ = Color_Number(*chosen);
    showColours();
}

void FrmText_View::Command2_Click() {
    const std::optional<QColor> chosen =
        Dialogs().Choose_Color(this, text1_->palette().color(QPalette::Base));
    if (!chosen || !chosen->isValid())
        return;
    backColor_ = Color_Number(*chosen);
    showColours();
}

void FrmText_View::Command3_Click() {
    using namespace MdlLectarium;
    const QFont font = text1_->font();
    Font_Name = font.family();
    // Sizes are whole points in the settings; a half goes to the even neighbour.
    const double size = Round_Half_Even(font.pointSizeF());
    Font_Size = static_cast<Integer>(std::clamp(size, 1.0, 32767.0));
    Font_Bold = flag(font.bold());
    Font_Italic = flag(font.italic());
    Fore_Color = foreColor_;
    Back_Color = backColor_;
    Hidder = flag(check3_->isChecked());
    Hidder_Under_Line = flag(check4_->isChecked());
    Under_Line_Chr = text2_->text();
    accept();
}

void FrmText_View::Command4_Click() {
    reject();
}

void FrmText_View::Command5_Click() {
    QFont font(defaultFont);
    font.setPointSize(defaultSize);
    font.setBold(false);
    font.setItalic(false);
    text1_->setFont(font);
    foreColor_ = windowTextColour;
    backColor_ = windowBackgroundColour;
    showColours();
    check3_->setChecked(true);
    check4_->setChecked(true);
    text2_->setText(QStringLiteral("*"));
}

} // namespace Lectarium
