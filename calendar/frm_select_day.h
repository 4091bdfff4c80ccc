#pragma once

// The day chooser: shows the selected day as a Gregorian and a Coptic date with its
// weekday and liturgical title, moves it with six buttons, and opens the day's
// readings (or, in Holy Week, the Holy Week window) with Show.

#include "calendar/date_steps.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace Lectarium {

// The windows Show opens, each rebuilt (unloaded, loaded and shown) from the
// selected-day state. Unset targets open nothing.
struct Day_Show_Targets {
    // Season_Key is "Read", "Suns", "Johan", "Fast" or "Fifty": the readings window.
    std::function<void()> Show_Reading;
    // Season_Key is "Pain": the Holy Week window; Pain_Day holds the day, 1..6.
    std::function<void()> Show_Pain;
};

// Replaces the targets; the default is none.
void Set_Day_Show_Targets(Day_Show_Targets targets);

class FrmSelect_Day final : public QWidget {
    Q_OBJECT

public:
    // Loads the window and shows it in the main frame; a window already loaded is
    // brought forward as it is. Returns the one window.
    static FrmSelect_Day* Show_Window();
    // The loaded window, or nullptr.
    static FrmSelect_Day* Loaded();

    // Handlers, callable directly.
    void ButtonDay_Down_Click();
    void ButtonDay_Up_Click();
    void ButtonMonth_Left_Click();
    void ButtonMonth_Right_Click();
    void ButtonYear_Down_Click();
    void ButtonYear_Up_Click();
    void CommandShow_Click();
    void CommandExit_Click();

    // Controls by their names ("LabelOccasion", "CommandShow", ...).
    QLabel* Label(const QString& name) const;
    QPushButton* Button(const QString& name) const;

protected:
    void closeEvent(QCloseEvent* event) override; // Form_Unload

private:
    FrmSelect_Day();
    void Form_Load();
    void Display_Date_and_Data();
    void step(MdlLectarium::Date_Step step);
};

// File > Reading: the day chooser.
void Open_Select_Day();

} // namespace Lectarium
