#pragma once

// The whole day in one window: the document of the selected day as text, in the text
// appearance of the other text windows. File > Save writes it; printing takes its
// document.

#include "base/interface_language.h"
#include "calendar/classify_day.h"
#include "readings/whole_day.h"
#include "shell/printable.h"

#include <QWidget>

#include <functional>

class QPushButton;
class QRect;

namespace Lectarium {

class Reading_Box;

class FrmWhole_Day final : public QWidget, public Printable {
    Q_OBJECT

public:
    // The open window, or nullptr.
    static FrmWhole_Day* Instance();
    // Reads the day as its state says and shows it, in the open window or a new one
    // brought forward. The selected-day state is left as it was.
    static FrmWhole_Day* Show_Window(const MdlLectarium::Day_State& day);
    // With the language this run shows (Current_Interface_Language).
    // The same with the day's own words (dates, title, captions, commemorations) in
    // language; the window then reads in that language's direction.
    static FrmWhole_Day* Show_Window(const MdlLectarium::Day_State& day,
                                     MdlLectarium::Interface_Language language);
    // The open window, if any, shows the day instead; it is not brought forward.
    static void Follow_Day(const MdlLectarium::Day_State& day);

    ~FrmWhole_Day() override;

    Reading_Box* Text1() const { return text1_; }
    const MdlLectarium::Whole_Day_Document& Document() const { return document_; }
    const MdlLectarium::Day_State& Shown_Day() const { return day_; }

    QString Print_Title() const override;
    QString Print_Date() const override; // the day shown, not the day printed
    QString Print_Html() const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FrmWhole_Day();
    void showDay(const MdlLectarium::Day_State& day);
    QList<QStringList> sideBySideRows() const;

    Reading_Box* text1_ = nullptr;
    MdlLectarium::Whole_Day_Document document_;
    MdlLectarium::Day_State day_;
    MdlLectarium::Interface_Language language_ = MdlLectarium::Interface_Language::Classic;
};

// "قراءات اليوم كاملة" in the reader's language: the menu item, the button and the title.
QString Whole_Day_Title();

// File > "قراءات اليوم كاملة": the day the open readings window (or Holy Week window)
// shows; without one, the day the chooser stands on.
void Show_Whole_Day();

// The button of a readings window that opens the whole day of that window, at area
// (pixels).
QPushButton* Add_Whole_Day_Button(QWidget* parent, const QRect& area,
                                  std::function<MdlLectarium::Day_State()> day);

} // namespace Lectarium
