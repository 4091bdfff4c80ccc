#pragma once

// The search results window: the pages of the last finished search, one at a time.

#include "shell/printable.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace Lectarium {

class Reading_Box;

class FrmView_Search final : public QWidget, public Printable {
    Q_OBJECT

public:
    // The open results window, or nullptr.
    static FrmView_Search* Instance();
    // Opens the window on page 1 of the results; an open window starts again on page 1
    // of the new results and comes forward.
    static FrmView_Search* Show_Window();

    ~FrmView_Search() override;

    void Command1_Click(); // ">>": towards page 1
    void Command2_Click(); // "<<": towards the last page

    int Current_Page() const { return currentPage_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }
    QLabel* Label1() const { return label1_; }
    Reading_Box* Text1() const { return text1_; }
    QWidget* Picture_Bible() const { return pictureBible_; }

    QString Print_Title() const override; // the caption and the page number
    QString Print_Html() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    FrmView_Search();
    void Form_Load();
    void Form_Resize();
    void showPage(int page);

    QWidget* toolbar2_ = nullptr;
    QWidget* pictureBible_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QLabel* label1_ = nullptr;
    Reading_Box* text1_ = nullptr;
    int currentPage_ = 1;
};

} // namespace Lectarium
