#include "app/frm_init.h"

#include "app/pictures.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace Lectarium {

namespace {
constexpr int pictureWidth = 560;
constexpr int pictureHeight = 360;
// A thin border around the picture, which a click does not close.
constexpr int border = 4;
} // namespace

FrmInit::FrmInit(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmInit"));
    setWindowTitle(QStringLiteral("Lectarium"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFocusPolicy(Qt::StrongFocus);

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(border, border, pictureWidth, pictureHeight);
    image1_->setPixmap(Splash_Picture(image1_->size()));
    image1_->setCursor(Qt::PointingHandCursor);
    image1_->installEventFilter(this);
    setFixedSize(pictureWidth + 2 * border, pictureHeight + 2 * border);
}

void FrmInit::Form_KeyPress() {
    accept();
}

void FrmInit::Image1_Click() {
    accept();
}

void FrmInit::keyPressEvent(QKeyEvent* event) {
    // A modifier held alone is the start of a key combination, not a key press yet.
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        event->ignore();
        return;
    default:
        event->accept();
        Form_KeyPress();
    }
}

bool FrmInit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == image1_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && image1_->rect().contains(mouse->position().toPoint())) {
            Image1_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace Lectarium
