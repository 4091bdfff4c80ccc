#pragma once

// The About window: the product, its release, a dedication and the credits. OK hides
// it; it stays loaded and the next Help > About shows it again.

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace Lectarium {

class FrmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit FrmAbout(QWidget* parent = nullptr);

    void Command1_Click();

    QPushButton* Command1() const { return command1_; }
    QLabel* Image1() const { return image1_; }
    QLabel* Label(int number) const; // Label1 .. Label16

private:
    QLabel* image1_ = nullptr;
    QPushButton* command1_ = nullptr;
    std::array<QLabel*, 17> labels_{}; // 1..16
};

} // namespace Lectarium
