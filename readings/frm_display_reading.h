#pragma once

// The day's readings window: the dates and title of the selected day, the synaxarium
// story, the nine reading references, the prophecies of the fast days, the saint
// picture hot spot, the rite and the funeral buttons. Filled once when it loads.

#include "calendar/classify_day.h"
#include "lectionary/data_source.h"
#include "readings/day_readings.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace Lectarium {

class Reading_Box;

class FrmDisplay_Reading final : public QWidget {
    Q_OBJECT

public:
    // The loaded window, or nullptr.
    static FrmDisplay_Reading* Instance();
    // Unloads the loaded window, loads a new one from the selected-day state and shows
    // it in the main frame (the day chooser's Show).
    static FrmDisplay_Reading* Reload();

    ~FrmDisplay_Reading() override;

    // Handlers, callable directly.
    void CommandClose_Click();
    void TextFiled_DblClick(int index);
    void Label1_DblClick(int index);
    void List1_DblClick();
    void CommandCeremony_Click();
    void Command_Pain_Click();
    // Coordinates in twips relative to the image; button and shift are not used.
    void Image_Sant_MouseMove(int button, int shift, int x, int y);
    void Image_Sant_MouseUp(int button, int shift, int x, int y);

    // Controls by their names.
    QLineEdit* TextFiled(int index) const { return textFiled_.at(static_cast<size_t>(index)); }
    QLabel* Label1(int index) const { return label1_.at(static_cast<size_t>(index)); }
    QListWidget* List1() const { return list1_; }
    Reading_Box* TextData() const { return textData_; }
    QLabel* Image_Sant() const { return imageSant_; }
    QGroupBox* Frame(const QString& name) const; // "Frame1".."Frame4", "Frame_Fast"
    QLabel* Label(const QString& name) const;    // "LabelOccasion", "LabelDayName", ...
    QPushButton* Button(const QString& name) const;
    // Which of its two looks the hot spot shows.
    bool Hot_Spot_Lit() const { return lit_; }

    MdlLectarium::Day_Reading_Sources& Sources() { return sources_; }
    // The day this window shows, as the selected-day state stood when it loaded.
    const MdlLectarium::Day_State& Shown_Day() const { return day_; }

    // The two looks of the hot spot, drawn with the window.
    static QPixmap Image_On();
    static QPixmap Image_Off();

protected:
    void closeEvent(QCloseEvent* event) override; // Form_Unload
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrmDisplay_Reading();
    void Form_Load();
    void setLit(bool lit);

    std::array<QLineEdit*, MdlLectarium::Reading_Count + 1> textFiled_{};
    std::array<QLabel*, MdlLectarium::Reading_Count + 1> label1_{};
    QListWidget* list1_ = nullptr;
    Reading_Box* textData_ = nullptr;
    QLabel* imageSant_ = nullptr;
    QGroupBox* frameFast_ = nullptr;
    bool lit_ = false;
    // The keys the story row was read with, for the saint picture and text.
    MdlLectarium::Integer storyMonth_ = 0;
    MdlLectarium::Integer storyDay_ = 0;
    MdlLectarium::Day_Reading_Sources sources_;
    MdlLectarium::Day_State day_;
};

// Makes the day chooser's Show open the readings window and the Holy Week window.
void Install_Reading_Windows();

} // namespace Lectarium
