#pragma once

// The introduction window shown during start-up: a picture and a panel of credit
// lines that roll upwards until the window closes itself after 40 seconds.

#include <QDialog>

#include <array>

class QLabel;
class QTimer;

namespace Lectarium {

class FrmIntroduction final : public QDialog {
    Q_OBJECT

public:
    explicit FrmIntroduction(QWidget* parent = nullptr);

    void Form_Load();
    void Timer_Loop_Timer();
    void TimerClose_Timer();

    QLabel* Picture1() const { return picture1_; }
    QWidget* Picture2() const { return picture2_; }
    QLabel* Label1(int index) const;
    // The top last given to a label, in twips inside Picture2.
    int Label1_Top(int index) const;
    QTimer* Timer_Loop() const { return timerLoop_; }
    QTimer* TimerClose() const { return timerClose_; }

protected:
    // A click anywhere closes the credits, as Escape does.
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void placeLabel(int index, int topTwips);

    QLabel* picture1_ = nullptr;
    QWidget* picture2_ = nullptr;
    std::array<QLabel*, 6> label1_{};
    std::array<int, 6> labelTopTwips_{};
    std::array<qint16, 6> Label_Top{};
    QTimer* timerLoop_ = nullptr;
    QTimer* timerClose_ = nullptr;
};

} // namespace Lectarium
