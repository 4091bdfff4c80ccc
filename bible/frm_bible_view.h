#pragma once

// The Bible browser: testament, book and chapter, and the chapter's text.

#include "calendar/selected_day.h"
#include "shell/printable.h"

#include <QWidget>

#include <array>

class QComboBox;
class QRadioButton;

namespace Lectarium {

class Reading_Box;

class FrmBible_View final : public QWidget, public Printable, public Where_Read_Source {
    Q_OBJECT

public:
    // The open browser, or nullptr.
    static FrmBible_View* Instance();
    // Opens the browser, or brings the open one forward.
    static FrmBible_View* Show_Window();

    ~FrmBible_View() override;

    void Option1_Click(int index);
    void Combo1_Click();
    void Combo2_Click();
    // Enter on a chapter typed into Combo2: its number, alone or within words.
    void Combo2_Typed();

    MdlLectarium::Integer Current_Book() const { return currentBook_; }
    MdlLectarium::Integer Current_Chapter() const { return currentChapter_; }
    QRadioButton* Option1(int index) const { return option1_[index]; }
    QComboBox* Combo1() const { return combo1_; }
    QComboBox* Combo2() const { return combo2_; }
    Reading_Box* Text1() const { return text1_; }
    QWidget* Picture_Bible() const { return pictureBible_; }

    QString Print_Title() const override;
    QString Print_Html() const override;
    QString Where_Reference() const override; // the book and chapter

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    FrmBible_View();
    void Form_Load();
    void Form_Resize();
    void Show_Chapter();
    void fillChapterList();
    void fillBookList(int first, int last);
    void applyListFont();
    static void widenList(QComboBox* combo);

    QWidget* toolbar2_ = nullptr;
    QWidget* pictureBible_ = nullptr;
    std::array<QRadioButton*, 2> option1_{};
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    Reading_Box* text1_ = nullptr;
    MdlLectarium::Integer currentBook_ = 1;
    MdlLectarium::Integer currentChapter_ = 1;
    QString tableHtml_; // the chapter side by side, for printing; empty for one text
};

} // namespace Lectarium
