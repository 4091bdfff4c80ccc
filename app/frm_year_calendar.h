#pragma once

// "تقويم السنة": the feasts and the fasts of a Gregorian year the reader chooses, and
// its calendar on paper (a first page, then a page per month) by File > Print and
// Export PDF, or by the window's own buttons.

#include "shell/printable.h"

#include <QWidget>

class QSpinBox;

namespace Lectarium {

class Reading_Box;

class FrmYear_Calendar final : public QWidget, public Paged_Printable {
    Q_OBJECT

public:
    // The open window, or nullptr.
    static FrmYear_Calendar* Instance();
    // Opens the window on the year of the chooser's day (an open one is brought forward).
    static FrmYear_Calendar* Show_Window();

    void SpinYear_Change(int year);

    QSpinBox* SpinYear() const { return spinYear_; }
    Reading_Box* TextYear() const { return textYear_; }

    QString Print_Title() const override;
    QPageLayout Print_Layout() const override;
    void Paint_Pages(QPagedPaintDevice& device) const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FrmYear_Calendar();

    QSpinBox* spinYear_ = nullptr;
    Reading_Box* textYear_ = nullptr;
};

} // namespace Lectarium
