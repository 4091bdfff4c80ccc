#include "readings/frm_sant.h"

#include "base/regular_file.h"
#include "base/settings.h"
#include "readings/reading_texts.h"
#include "shell/appearance.h"
#include "shell/interface_translation.h"
#include "shell/placement.h"
#include "shell/reading_box.h"
#include "shell/single_window.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

Single_Window<FrmSant> instance;

// The window's design, in twips.
constexpr int formWidth = 7200;
constexpr int formHeight = 5160;
const QRect pictureArea(4080, 120, 3000, 4200);
const QRect textArea(120, 120, 3840, 4200);
const QRect closeArea(2880, 4500, 1440, 450);

} // namespace

FrmSant* FrmSant::Instance() {
    return instance.Get();
}

FrmSant* FrmSant::Show_Window() {
    if (FrmSant* form = instance.Get())
        return form;
    auto* form = instance.Keep(new FrmSant());
    form->Form_Load();
    Show_Child(form);
    return form;
}

FrmSant::FrmSant() {
    setObjectName(QStringLiteral("FrmSant"));
    setWindowTitle(tr("Sant"));
    setLayoutDirection(Window_Direction());
    setFont(QFont(QStringLiteral("Arabic Transparent"), 12));

    // The label lies under the picture: created first, it is drawn below it.
    label1_ = new QLabel(Caption_In(No_Picture_Caption, Current_Interface_Language()), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setGeometry(Placed(pictureArea, formWidth));

    imageSant_ = new QLabel(this);
    imageSant_->setObjectName(QStringLiteral("Image_Sant"));
    imageSant_->setAlignment(Qt::AlignCenter);
    imageSant_->setGeometry(Placed(pictureArea, formWidth));

    text1_ = new Reading_Box(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    text1_->setGeometry(Placed(textArea, formWidth));

    commandClose_ = new QPushButton(tr("Close"), this);
    commandClose_->setObjectName(QStringLiteral("Command_Close"));
    commandClose_->setGeometry(Placed(closeArea, formWidth));
    connect(commandClose_, &QPushButton::clicked, this, &FrmSant::Command_Close_Click);

    setFixedSize(To_Pixels(formWidth), To_Pixels(formHeight));
    Clear_Picture();
}

FrmSant::~FrmSant() = default;

void FrmSant::Form_Load() {
    // The text appearance without the background colour.
    text1_->setFont(Text_Font());
    QPalette palette = text1_->palette();
    palette.setColor(QPalette::Text, Color_Value(Fore_Color, QApplication::palette(text1_)));
    text1_->setPalette(palette);
}

void FrmSant::Command_Close_Click() {
    Placement_Widget(this)->close();
}

void FrmSant::Clear_Picture() {
    picture_ = QPixmap();
    showPicture();
}

bool FrmSant::Load_Picture(const QString& path) {
    // A picture named by the database is read only from a regular file of a picture's
    // size: a named pipe would hold the window, a device never end.
    constexpr qint64 pictureLimit = qint64(32) << 20;
    QFile file;
    if (Open_Regular_File(file, path) != File_Kind::Regular || file.size() > pictureLimit)
        return false;
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    picture_ = QPixmap::fromImage(image);
    showPicture();
    return true;
}

void FrmSant::showPicture() {
    if (picture_.isNull()) {
        imageSant_->clear();
        label1_->setVisible(true);
        return;
    }
    // The whole picture in the frame, its shape kept.
    imageSant_->setPixmap(picture_.scaled(imageSant_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    label1_->setVisible(false);
}

void FrmSant::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    showPicture();
}

} // namespace Lectarium
