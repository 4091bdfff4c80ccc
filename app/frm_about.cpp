#include "app/frm_about.h"

#include "app/pictures.h"
#include "shell/interface_translation.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace Lectarium {

namespace {

struct Label_Text {
    int number;
    const char* text;
};

// By role: the product's name (3), a free service (4), the release (2), the
// dedication (5 to 9 and 16), a request (10), the preparers (11, 12), the programmers
// (13, 1, 14) and the version (15).
const std::array<Label_Text, 16> texts{{
    {3, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "ليكتاريوم")},
    {4, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "هذا البرنامج خدمة مجانية لأبناء الكنيسة")},
    {2, QT_TRANSLATE_NOOP("Lectarium::FrmAbout",
                          "هذا هو الإصدار الأول من البرنامج، ونعمل بنعمة الله على إصدار ثان يضم ملخصًا "
                          "للسنكسار ويأخذ باقتراحات المستخدمين، ثم يليه برنامج للكتاب المقدس المصوّر.")},
    {5, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "نقدم هذا العمل")},
    {6, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "بصلوات وبركة")},
    {7, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "صاحب القداسة البابا المعظم")},
    {8, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "بابا الإسكندرية وبطريرك الكرازة المرقسية")},
    {9, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "وصلوات نيافة الحبر الجليل الأنبا")},
    {16, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "أسقف الإيبارشية")},
    {10, QT_TRANSLATE_NOOP("Lectarium::FrmAbout",
                           "اذكروا هذا العمل في صلواتكم، وأهدوا نسخة مجانية منه لكل من تعرفون")},
    {11, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "إعداد :")},
    {12, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "فريق إعداد ليكتاريوم")},
    {13, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "Programmed by :")},
    {1, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "تصميم وبرمجة")},
    {14, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "فريق برمجة ليكتاريوم")},
    {15, QT_TRANSLATE_NOOP("Lectarium::FrmAbout", "الإصدار الأول - 1998")},
}};

QFrame* line(QWidget* parent, int number) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("Line%1").arg(number));
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(tr("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setLayoutDirection(Window_Direction());
    setModal(true);

    const QFont base(QStringLiteral("Arabic Transparent"), 12);
    for (const Label_Text& t : texts) {
        auto* label = new QLabel(tr(t.text), this);
        label->setObjectName(QStringLiteral("Label%1").arg(t.number));
        label->setFont(base);
        label->setAlignment(Qt::AlignCenter);
        // The dialog is of fixed width: a line longer in translation wraps, never cut.
        label->setWordWrap(true);
        labels_[t.number] = label;
    }
    QFont title = base;
    title.setPointSize(26);
    title.setBold(true);
    labels_[3]->setFont(title);
    QPalette red = labels_[3]->palette();
    red.setColor(QPalette::WindowText, QColor(128, 0, 0));
    labels_[3]->setPalette(red);
    QFont bold = base;
    bold.setBold(true);
    for (int n : {7, 8, 9, 16, 12, 14})
        labels_[n]->setFont(bold);
    labels_[13]->setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    // "Programmed by :" reads from the left, its Arabic translation from the right.
    labels_[13]->setLayoutDirection(labels_[13]->text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setFixedSize(96, 96);
    image1_->setPixmap(About_Picture(image1_->size()));

    command1_ = new QPushButton(tr("OK"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &FrmAbout::Command1_Click);

    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    head->addWidget(image1_);
    auto* names = new QVBoxLayout;
    names->addWidget(labels_[3]);
    names->addWidget(labels_[4]);
    head->addLayout(names, 1);
    layout->addLayout(head);
    layout->addWidget(line(this, 1));
    layout->addWidget(labels_[2]);
    layout->addWidget(line(this, 2));
    for (int n : {5, 6, 7, 8, 9, 16})
        layout->addWidget(labels_[n]);
    layout->addSpacing(6);
    layout->addWidget(labels_[10]);
    layout->addWidget(line(this, 3));
    auto* credits = new QHBoxLayout;
    auto* preparers = new QVBoxLayout;
    preparers->addWidget(labels_[11]);
    preparers->addWidget(labels_[12]);
    preparers->addStretch(1);
    auto* programmers = new QVBoxLayout;
    programmers->addWidget(labels_[13]);
    programmers->addWidget(labels_[1]);
    programmers->addWidget(labels_[14]);
    credits->addLayout(preparers, 1);
    credits->addLayout(programmers, 1);
    layout->addLayout(credits);
    layout->addWidget(labels_[15]);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(command1_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    // A window of its own takes no height from its width: it is given the height the
    // wrapped lines need at this width.
    setFixedWidth(480);
    setFixedHeight(std::max(sizeHint().height(), heightForWidth(480)));
}

QLabel* FrmAbout::Label(int number) const {
    return number >= 1 && number <= 16 ? labels_[number] : nullptr;
}

void FrmAbout::Command1_Click() {
    hide();
}

} // namespace Lectarium
