#include "app/frm_introduction.h"

#include "app/pictures.h"
#include "shell/interface_translation.h"
#include "shell/placement.h"

#include <QLabel>
#include <QTimer>

namespace Lectarium {

namespace {

// Geometry in twips.
constexpr int panelWidth = 5025;
constexpr int panelHeight = 1980;
constexpr int pictureHeight = 3000;
constexpr int margin = 120;
constexpr int labelHeight = 450;
constexpr int firstTop = 1400;
constexpr int lineDistance = 700;
constexpr int step = 25;
constexpr int reentryTop = 4200;

// The roll advances once per tick of the shortest timer period of the PC clock
// (18.2 ticks a second) that its 25-twip step was made for; a timer of 1 ms, which
// Qt honours here, would roll the lines by too fast to read.
constexpr int rollTickMs = 55;
constexpr int closeAfterMs = 40000;

// Role lines begin with "+ " and end with " :"; each is followed by the one it credits.
const std::array<const char*, 6> creditLines{{
    QT_TRANSLATE_NOOP("Lectarium::FrmIntroduction", "+ إعداد النصوص :"),
    QT_TRANSLATE_NOOP("Lectarium::FrmIntroduction", "فريق إعداد ليكتاريوم"),
    QT_TRANSLATE_NOOP("Lectarium::FrmIntroduction", "+ البرمجة :"),
    QT_TRANSLATE_NOOP("Lectarium::FrmIntroduction", "فريق برمجة ليكتاريوم"),
    QT_TRANSLATE_NOOP("Lectarium::FrmIntroduction", "+ المراجعة والتدقيق :"),
    QT_TRANSLATE_NOOP("Lectarium::FrmIntroduction", "فريق مراجعة ليكتاريوم"),
}};

const std::array<QColor, 6> creditColours{{
    QColor(128, 0, 0),
    QColor(128, 64, 0),
    QColor(128, 0, 128),
    QColor(128, 128, 0),
    QColor(0, 0, 128),
    QColor(0, 128, 128),
}};

} // namespace

FrmIntroduction::FrmIntroduction(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmIntroduction"));
    setWindowTitle(tr("Introduction"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setLayoutDirection(Window_Direction());
    setModal(true);

    const int m = To_Pixels(margin);
    picture1_ = new QLabel(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(m, m, To_Pixels(panelWidth), To_Pixels(pictureHeight));
    picture1_->setPixmap(Introduction_Picture(picture1_->size()));

    // Picture2 clips the labels it holds, as any child widget is clipped by its parent.
    picture2_ = new QWidget(this);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setGeometry(m, picture1_->geometry().bottom() + 1 + m, To_Pixels(panelWidth),
                           To_Pixels(panelHeight));
    picture2_->setAutoFillBackground(true);
    QPalette panel = picture2_->palette();
    panel.setColor(QPalette::Window, QColor(250, 243, 224));
    picture2_->setPalette(panel);

    QFont font(QStringLiteral("Arabic Transparent"));
    font.setPointSizeF(14.25);
    font.setBold(true);
    for (int i = 0; i < 6; ++i) {
        auto* label = new QLabel(tr(creditLines[i]), picture2_);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, creditColours[i]);
        label->setPalette(palette);
        label1_[i] = label;
        placeLabel(i, firstTop + lineDistance * i);
    }

    setFixedSize(To_Pixels(panelWidth) + 2 * m, picture2_->geometry().bottom() + 1 + m);

    timerLoop_ = new QTimer(this);
    timerLoop_->setObjectName(QStringLiteral("Timer_Loop"));
    timerLoop_->setInterval(rollTickMs);
    connect(timerLoop_, &QTimer::timeout, this, &FrmIntroduction::Timer_Loop_Timer);
    timerClose_ = new QTimer(this);
    timerClose_->setObjectName(QStringLiteral("TimerClose"));
    timerClose_->setInterval(closeAfterMs);
    connect(timerClose_, &QTimer::timeout, this, &FrmIntroduction::TimerClose_Timer);

    Form_Load();
}

QLabel* FrmIntroduction::Label1(int index) const {
    return index >= 0 && index < 6 ? label1_[index] : nullptr;
}

int FrmIntroduction::Label1_Top(int index) const {
    return index >= 0 && index < 6 ? labelTopTwips_[index] : 0;
}

void FrmIntroduction::placeLabel(int index, int topTwips) {
    labelTopTwips_[index] = topTwips;
    label1_[index]->setGeometry(0, To_Pixels(topTwips), To_Pixels(panelWidth), To_Pixels(labelHeight));
}

void FrmIntroduction::Form_Load() {
    for (int i = 0; i < 6; ++i)
        Label_Top[i] = static_cast<qint16>(firstTop + lineDistance * i);
    // Both timers run from the moment the window is loaded.
    timerLoop_->start();
    timerClose_->start();
}

void FrmIntroduction::Timer_Loop_Timer() {
    for (int i = 0; i < 6; ++i) {
        placeLabel(i, Label_Top[i]);
        Label_Top[i] = static_cast<qint16>(Label_Top[i] - step);
        if (Label_Top[i] < 1)
            Label_Top[i] = reentryTop;
    }
}

void FrmIntroduction::mouseReleaseEvent(QMouseEvent* event) {
    QDialog::mouseReleaseEvent(event);
    TimerClose_Timer();
}

void FrmIntroduction::TimerClose_Timer() {
    timerLoop_->stop();
    timerClose_->stop();
    accept();
}

} // namespace Lectarium
