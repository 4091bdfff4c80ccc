#pragma once

// The splash window shown over the main window at the end of start-up: one large
// picture, closed by any key or a click on the picture.

#include <QDialog>

class QLabel;

namespace Lectarium {

class FrmInit final : public QDialog {
    Q_OBJECT

public:
    explicit FrmInit(QWidget* parent = nullptr);

    void Form_KeyPress();
    void Image1_Click();

    QLabel* Image1() const { return image1_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* image1_ = nullptr;
};

} // namespace Lectarium
