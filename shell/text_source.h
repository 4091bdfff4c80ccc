#pragma once

// The text windows whose text File > Save writes. One service keeps, for every such
// window, the text box Save writes, which window's text that is (Active_Text_Source),
// the enabled state of Save and the text appearance.

#include "base/integer.h"

#include <QString>

#include <functional>
#include <optional>

class QPlainTextEdit;
class QWidget;

namespace MdlLectarium {

// Which window's text the Save command writes, by one of the numbers below.
extern Integer Active_Text_Source;
constexpr Integer No_Text_Source = 0; // none yet
constexpr Integer Bible_View_Text_Source = 3;
constexpr Integer Search_Results_Text_Source = 12;
constexpr Integer Document_Text_Source = 15;
constexpr Integer Whole_Day_Text_Source = 19;

} // namespace MdlLectarium

namespace Lectarium {

class Reading_Box;

// Makes box the text of form that Save writes under code. While the form or any of its
// controls has the focus, its text is the one Save writes and Save is enabled, and the
// text appearance of the settings is applied to box (then onFocus runs, for what else
// the form shows in that appearance). When the focus leaves for another window, Save is
// disabled; a focus that only goes to a menu (File > Save itself) leaves both as they
// are. When the form goes, its text goes with it.
void Track_Text_Source(QWidget* form, QPlainTextEdit* box, int code, std::function<void()> onFocus = {});
void Track_Text_Source(QWidget* form, Reading_Box* box, int code, std::function<void()> onFocus = {});

// What the service does when a tracked form takes the focus, or loses it to another
// window; for a form that opens with its text ready to save.
void Take_Text_Source(const QWidget* form);
void Leave_Text_Source(const QWidget* form);

// The text of the box registered under code as Save writes it (LF line ends), or none.
std::optional<QString> Text_Source_Text(int code);

} // namespace Lectarium
