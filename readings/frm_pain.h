#pragma once

// The Holy Week window: the hours of one day of the Pascha in a list; the chosen
// hour's reference above its text.

#include "calendar/classify_day.h"
#include "lectionary/data_source.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace Lectarium {

class Reading_Box;

class FrmPain final : public QWidget {
    Q_OBJECT

public:
    // The loaded window, or nullptr.
    static FrmPain* Instance();
    // Unloads the loaded window and loads a new one (its Form_Load fills the list for
    // Pain_Day + 1); it is not shown yet.
    static FrmPain* Load();
    // Unloads, loads and shows: the day chooser on a Holy Week day.
    static FrmPain* Reload();

    ~FrmPain() override;

    // Puts the window into the main frame at its stored place and activates it.
    void Show_Window();

    // Handlers, callable directly.
    void Form_Activate();
    void List1_Click();
    // The focus handlers: the text appearance on Text_View.
    void Apply_Appearance();

    MdlLectarium::Data_Source& Data_Pain() { return dataPain_; }
    QListWidget* List1() const { return list1_; }
    QLineEdit* Text_Hidder() const { return textHidder_; }
    Reading_Box* Text_View() const { return textView_; }
    // The day this window shows, as the selected-day state stood when it loaded.
    const MdlLectarium::Day_State& Shown_Day() const { return day_; }

protected:
    void closeEvent(QCloseEvent* event) override; // Form_Unload
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrmPain();
    void Form_Load();
    void Form_Resize();
    MdlLectarium::Integer dayKey() const;

    MdlLectarium::Data_Source dataPain_{QStringLiteral("Data_Pain")};
    QListWidget* list1_ = nullptr;
    QLineEdit* textHidder_ = nullptr;
    Reading_Box* textView_ = nullptr;
    QPushButton* wholeDay_ = nullptr;
    MdlLectarium::Day_State day_;
};

} // namespace Lectarium
