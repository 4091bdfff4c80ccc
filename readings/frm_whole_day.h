#pragma once

// The whole day in one window: the document of the selected day as text, in the text
// appearance of the other text windows. File > Save writes it; printing takes its
// document.

#include "readings/whole_day.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QRect;

namespace Lectarium {

class FrmWhole_Day final : public QWidget {
    Q_OBJECT

public:
    // The open window, or nullptr.
    static FrmWhole_Day* Instance();
    // Reads the selected day and shows it, in the open window or a new one.
    static FrmWhole_Day* Show_Window();

    ~FrmWhole_Day() override;

    QPlainTextEdit* Text1() const { return text1_; }
    const MdlLectarium::Whole_Day_Document& Document() const { return document_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FrmWhole_Day();

    QPlainTextEdit* text1_ = nullptr;
    MdlLectarium::Whole_Day_Document document_;
};

// File > "قراءات اليوم كاملة" and the buttons of the readings windows: the day the
// readings windows show; before any day was shown, the day the chooser stands on.
void Show_Whole_Day();

// The button of a readings window that opens the whole day, at area (pixels).
QPushButton* Add_Whole_Day_Button(QWidget* parent, const QRect& area);

} // namespace Lectarium
