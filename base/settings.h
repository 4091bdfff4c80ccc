#pragma once

// The settings file Lectarium.ini: 49 lines of key, " = " and value, kept in module
// values while the program runs.

#include "base/integer.h"

#include <QString>

namespace MdlLectarium {

extern QString Under_Line_Chr;
extern Integer Hidder;
extern Integer Hidder_Under_Line;
extern QString Font_Name;
extern Integer Font_Size;
extern Integer Font_Bold;
extern Integer Font_Italic;
extern double Fore_Color;
extern double Back_Color;
extern Integer MDILectarium_WindowState;
extern Integer MDILectarium_Width;
extern Integer MDILectarium_Height;
extern Integer MDILectarium_Top;
extern Integer MDILectarium_Left;
extern Integer FrmBible_Select_WindowState;
extern Integer FrmBible_Select_Top;
extern Integer FrmBible_Select_Left;
extern Integer FrmBible_View_WindowState;
extern Integer FrmBible_View_Width;
extern Integer FrmBible_View_Height;
extern Integer FrmBible_View_Top;
extern Integer FrmBible_View_Left;
extern Integer FrmDisplay_Bible_WindowState;
extern Integer FrmDisplay_Bible_Top;
extern Integer FrmDisplay_Bible_Left;
extern Integer FrmDisplay_Bible_Height;
extern Integer FrmDisplay_Bible_Width;
extern Integer FrmDisplay_Reading_WindowState;
extern Integer FrmDisplay_Reading_Top;
extern Integer FrmDisplay_Reading_Left;
extern Integer FrmPain_WindowState;
extern Integer FrmPain_Top;
extern Integer FrmPain_Left;
extern Integer FrmPain_Height;
extern Integer FrmPain_Width;
extern Integer FrmSelect_Day_WindowState;
extern Integer FrmSelect_Day_Top;
extern Integer FrmSelect_Day_Left;
extern Integer FrmView_Search_WindowState;
extern Integer FrmView_Search_Width;
extern Integer FrmView_Search_Height;
extern Integer FrmView_Search_Top;
extern Integer FrmView_Search_Left;

// The six options of the main window's menus. Their check marks are the only copy of
// each option: while the main window lives it is the host and holds them; without
// one (tools, tests of the logic) a plain store stands in.
enum class Menu_Option { Toolbar, Datee, Massage, Date_Bar_On_Top, Reset_Date, Save_On_Exit };

class Menu_Check_Host {
public:
    virtual ~Menu_Check_Host() = default;
    virtual bool Menu_Checked(Menu_Option option) const = 0;
    virtual void Set_Menu_Checked(Menu_Option option, bool checked) = 0;
};

void Set_Menu_Check_Host(Menu_Check_Host* host); // nullptr returns to the plain store
bool Menu_Checked(Menu_Option option);
void Set_Menu_Checked(Menu_Option option, bool checked);

// Settings file in the program folder.
QString Settings_Path();

// The most of the settings file that is read; a larger file is a damaged one.
constexpr qint64 Settings_File_Limit = 64 * 1024;

// Reads and applies the file; on a missing, short or bad file takes the defaults and
// writes a complete file. Returns false only when that file could not be written; the
// defaults are in memory then and error tells why.
bool Load_Settings(QString* error = nullptr);

// Writes all 49 keys. The old file is replaced only once the new one is complete.
bool Save_Settings(QString* error = nullptr);

// Applies one line. Returns false when a value cannot be applied (a 16-bit value out
// of range), which makes Load_Settings fall back to the defaults.
bool Apply_Setting(const QString& line);

void Split_Setting(const QString& line, QString& key, QString& value);

// The 16-bit value of a key of the file, nullptr for any other key.
Integer* Integer_Setting(const QString& key);

// True when the 16-bit value of a key holds its default (a window never sized by its
// reader, say); false for any other key.
bool Integer_Setting_Is_Default(const QString& key);

// Every value takes its default and the six check marks are set.
void Set_Default_Settings();

// The 49 lines, in file order, without line ends.
QStringList Settings_Lines();

} // namespace MdlLectarium
