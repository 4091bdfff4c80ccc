#pragma once

// The day chooser: shows the selected day as a Gregorian and a Coptic date with its
// weekday and liturgical title, moves it with six buttons, and opens the day's
// readings (or, in Holy Week, the Holy Week window) with Show.

#include "calendar/classify_day.h"
#include "calendar/date_steps.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QDate;
class QDateEdit;
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

// The seven date labels found below holder (LabelDayName, LabelNormalDay,
// LabelNormalMonth, LabelNormalYear, LabelCopticDay, LabelCopticMonth, LabelCopticYear)
// show date as the day chooser, the readings window and the main window's date bar
// all do: the true Coptic date, the weekday red on a Sunday and green on other days.
void Show_Date_Labels(const QWidget* holder, const QDate& date);

// The selected day's title (as Day_Title names it) and the fast line of date, in the
// language of the interface.
QString Shown_Day_Title(const QString& arabicTitle);
QString Shown_Fast_Line(const QDate& date);

class FrmSelect_Day final : public QWidget {
    Q_OBJECT

public:
    // Loads the window and shows it in the main frame; a window already loaded is
    // brought forward as it is. Returns the one window.
    static FrmSelect_Day* Show_Window();
    // The loaded window, or nullptr.
    static FrmSelect_Day* Instance();
    // Shows date in the window, opening it where it is not open.
    static FrmSelect_Day* Show_Day(const QDate& date);

    // Handlers, callable directly.
    void ButtonDay_Down_Click();
    void ButtonDay_Up_Click();
    void ButtonMonth_Left_Click();
    void ButtonMonth_Right_Click();
    void ButtonYear_Down_Click();
    void ButtonYear_Up_Click();
    void CommandShow_Click();
    void CommandExit_Click();
    // Back to today (the button "اليوم" and the Home key).
    void CommandToday_Click();
    // A date typed or picked in the Gregorian date field.
    void DateNormal_Change(const QDate& date);
    // A feast of the shown Gregorian year, by its place in the feast list.
    void ComboFeast_Click(int index);

    // Controls by their names ("LabelOccasion", "CommandShow", ...).
    QLabel* Label(const QString& name) const;
    QPushButton* Button(const QString& name) const;
    QDateEdit* DateNormal() const { return dateNormal_; }
    QComboBox* ComboFeast() const { return comboFeast_; }

protected:
    void closeEvent(QCloseEvent* event) override; // Form_Unload

private:
    FrmSelect_Day();
    void Form_Load();
    // Classifies the selected day as far as stage and shows it.
    void Display_Date_and_Data(MdlLectarium::Day_Stage stage = MdlLectarium::Day_Stage::Titled);
    void step(MdlLectarium::Date_Step step);
    void addKeys();

    QDateEdit* dateNormal_ = nullptr;
    QComboBox* comboFeast_ = nullptr;
    QStringList patronShown_; // the patron's days the feast list holds
};

// File > Reading: the day chooser.
void Open_Select_Day();

} // namespace Lectarium
