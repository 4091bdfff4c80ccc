#include "base/settings.h"

#include "base/basic_text.h"
#include "base/program_files.h"
#include "base/regular_file.h"
#include "base/safe_file.h"

#include <QStringList>

#include <array>
#include <cmath>
#include <variant>

namespace MdlLectarium {

QString Under_Line_Chr;
Integer Hidder = -1;
Integer Hidder_Under_Line = -1;
QString Font_Name;
Integer Font_Size = 12;
Integer Font_Bold = 0;
Integer Font_Italic = 0;
double Fore_Color = -2147483640.0;
double Back_Color = -2147483643.0;
Integer MDILectarium_WindowState = 0;
Integer MDILectarium_Width = 6150;
Integer MDILectarium_Height = 4000;
Integer MDILectarium_Top = 2400;
Integer MDILectarium_Left = 3000;
Integer FrmBible_Select_WindowState = 0;
Integer FrmBible_Select_Top = 300;
Integer FrmBible_Select_Left = 300;
Integer FrmBible_View_WindowState = 0;
Integer FrmBible_View_Width = 6150;
Integer FrmBible_View_Height = 4000;
Integer FrmBible_View_Top = 2400;
Integer FrmBible_View_Left = 3000;
Integer FrmDisplay_Bible_WindowState = 0;
Integer FrmDisplay_Bible_Top = 2970;
Integer FrmDisplay_Bible_Left = 3525;
Integer FrmDisplay_Bible_Height = 3855;
Integer FrmDisplay_Bible_Width = 4800;
Integer FrmDisplay_Reading_WindowState = 0;
Integer FrmDisplay_Reading_Top = 2070;
Integer FrmDisplay_Reading_Left = 1725;
Integer FrmPain_WindowState = 0;
Integer FrmPain_Top = 2500;
Integer FrmPain_Left = 2655;
Integer FrmPain_Height = 4590;
Integer FrmPain_Width = 6765;
Integer FrmSelect_Day_WindowState = 0;
Integer FrmSelect_Day_Top = 300;
Integer FrmSelect_Day_Left = 300;
Integer FrmView_Search_WindowState = 0;
Integer FrmView_Search_Width = 6150;
Integer FrmView_Search_Height = 4000;
Integer FrmView_Search_Top = 2400;
Integer FrmView_Search_Left = 3000;

namespace {

class Plain_Menu_Store final : public Menu_Check_Host {
public:
    bool Menu_Checked(Menu_Option option) const override { return checks_[static_cast<int>(option)]; }
    void Set_Menu_Checked(Menu_Option option, bool checked) override {
        checks_[static_cast<int>(option)] = checked;
    }

private:
    std::array<bool, 6> checks_{true, true, true, true, true, true};
};

Plain_Menu_Store plainStore;
Menu_Check_Host* menuHost = nullptr;

Menu_Check_Host& host() {
    return menuHost ? *menuHost : plainStore;
}

// One row of the key table: where the value lives and its default.
struct String_Value {
    QString* target;
    const char16_t* fallback;
};
struct Integer_Value {
    Integer* target;
    Integer fallback;
};
struct Menu_Value {
    Menu_Option option;
};
struct Colour_Value {
    double* target;
    double fallback;
};
struct Setting {
    const char* key;
    std::variant<String_Value, Integer_Value, Menu_Value, Colour_Value> value;
};

// The file order; Apply_Setting compares keys in this order too.
const std::array<Setting, 49>& settingsTable() {
    static const std::array<Setting, 49> table{{
        {"Under_Line_Chr", String_Value{&Under_Line_Chr, u"*"}},
        {"Hidder", Integer_Value{&Hidder, -1}},
        {"Hidder_Under_Line", Integer_Value{&Hidder_Under_Line, -1}},
        {"MDILectarium.Toolbar.Checked", Menu_Value{Menu_Option::Toolbar}},
        {"MDILectarium.Datee.Checked", Menu_Value{Menu_Option::Datee}},
        {"MDILectarium.Massage.Checked", Menu_Value{Menu_Option::Massage}},
        {"MDILectarium.Date_Bar_On_Top.Checked", Menu_Value{Menu_Option::Date_Bar_On_Top}},
        {"MDILectarium.Reset_Date.Checked", Menu_Value{Menu_Option::Reset_Date}},
        {"MDILectarium.Save_On_Exit.Checked", Menu_Value{Menu_Option::Save_On_Exit}},
        {"Font_Name", String_Value{&Font_Name, u"Arabic Transparent"}},
        {"Font_Size", Integer_Value{&Font_Size, 12}},
        {"Font_Bold", Integer_Value{&Font_Bold, 0}},
        {"Font_Italic", Integer_Value{&Font_Italic, 0}},
        {"Fore_Color", Colour_Value{&Fore_Color, -2147483640.0}},
        {"Back_Color", Colour_Value{&Back_Color, -2147483643.0}},
        {"MDILectarium_WindowState", Integer_Value{&MDILectarium_WindowState, 0}},
        {"MDILectarium_Width", Integer_Value{&MDILectarium_Width, 6150}},
        {"MDILectarium_Height", Integer_Value{&MDILectarium_Height, 4000}},
        {"MDILectarium_Top", Integer_Value{&MDILectarium_Top, 2400}},
        {"MDILectarium_Left", Integer_Value{&MDILectarium_Left, 3000}},
        {"FrmBible_Select_WindowState", Integer_Value{&FrmBible_Select_WindowState, 0}},
        {"FrmBible_Select_Top", Integer_Value{&FrmBible_Select_Top, 300}},
        {"FrmBible_Select_Left", Integer_Value{&FrmBible_Select_Left, 300}},
        {"FrmBible_View_WindowState", Integer_Value{&FrmBible_View_WindowState, 0}},
        {"FrmBible_View_Width", Integer_Value{&FrmBible_View_Width, 6150}},
        {"FrmBible_View_Height", Integer_Value{&FrmBible_View_Height, 4000}},
        {"FrmBible_View_Top", Integer_Value{&FrmBible_View_Top, 2400}},
        {"FrmBible_View_Left", Integer_Value{&FrmBible_View_Left, 3000}},
        {"FrmDisplay_Bible_WindowState", Integer_Value{&FrmDisplay_Bible_WindowState, 0}},
        {"FrmDisplay_Bible_Top", Integer_Value{&FrmDisplay_Bible_Top, 2970}},
        {"FrmDisplay_Bible_Left", Integer_Value{&FrmDisplay_Bible_Left, 3525}},
        {"FrmDisplay_Bible_Height", Integer_Value{&FrmDisplay_Bible_Height, 3855}},
        {"FrmDisplay_Bible_Width", Integer_Value{&FrmDisplay_Bible_Width, 4800}},
        {"FrmDisplay_Reading_WindowState", Integer_Value{&FrmDisplay_Reading_WindowState, 0}},
        {"FrmDisplay_Reading_Top", Integer_Value{&FrmDisplay_Reading_Top, 2070}},
        {"FrmDisplay_Reading_Left", Integer_Value{&FrmDisplay_Reading_Left, 1725}},
        {"FrmPain_WindowState", Integer_Value{&FrmPain_WindowState, 0}},
        {"FrmPain_Top", Integer_Value{&FrmPain_Top, 2500}},
        {"FrmPain_Left", Integer_Value{&FrmPain_Left, 2655}},
        {"FrmPain_Height", Integer_Value{&FrmPain_Height, 4590}},
        {"FrmPain_Width", Integer_Value{&FrmPain_Width, 6765}},
        {"FrmSelect_Day_WindowState", Integer_Value{&FrmSelect_Day_WindowState, 0}},
        {"FrmSelect_Day_Top", Integer_Value{&FrmSelect_Day_Top, 300}},
        {"FrmSelect_Day_Left", Integer_Value{&FrmSelect_Day_Left, 300}},
        {"FrmView_Search_WindowState", Integer_Value{&FrmView_Search_WindowState, 0}},
        {"FrmView_Search_Width", Integer_Value{&FrmView_Search_Width, 6150}},
        {"FrmView_Search_Height", Integer_Value{&FrmView_Search_Height, 4000}},
        {"FrmView_Search_Top", Integer_Value{&FrmView_Search_Top, 2400}},
        {"FrmView_Search_Left", Integer_Value{&FrmView_Search_Left, 3000}},
    }};
    return table;
}

bool isBlankOrEquals(QChar ch) {
    return ch == QLatin1Char(' ') || ch == QLatin1Char('=');
}

QString valueText(const Setting& setting) {
    return std::visit(
        [](const auto& v) -> QString {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, String_Value>)
                return *v.target;
            else if constexpr (std::is_same_v<T, Integer_Value>)
                return Num_Text(static_cast<qint64>(*v.target));
            else if constexpr (std::is_same_v<T, Menu_Value>)
                return Num_Text(static_cast<qint64>(Menu_Checked(v.option) ? -1 : 0));
            else
                return Num_Text(*v.target);
        },
        setting.value);
}

// Items as the settings reader takes them: a line or a comma ends an item, leading
// blanks are skipped, and the line end after the last item makes no further item.
QStringList readItems(const QString& text) {
    QStringList items;
    QString current;
    bool pending = false; // something (even an empty line) has started
    bool skipping = true;
    auto finish = [&] {
        items << current;
        current.clear();
        skipping = true;
        pending = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            finish();
        } else if (ch == QLatin1Char('\n')) {
            finish();
        } else if (ch == QLatin1Char(',')) {
            finish();
            pending = true; // the text after a comma is an item even when empty
        } else {
            pending = true;
            if (skipping && ch == QLatin1Char(' '))
                continue;
            skipping = false;
            current += ch;
        }
    }
    if (pending)
        finish();
    return items;
}

} // namespace

void Set_Menu_Check_Host(Menu_Check_Host* newHost) {
    menuHost = newHost;
}

bool Menu_Checked(Menu_Option option) {
    return host().Menu_Checked(option);
}

void Set_Menu_Checked(Menu_Option option, bool checked) {
    host().Set_Menu_Checked(option, checked);
}

QString Settings_Path() {
    return Program_File(QStringLiteral("Lectarium.ini"));
}

void Split_Setting(const QString& line, QString& key, QString& value) {
    key.clear();
    value.clear();
    qsizetype i = 0;
    while (i < line.size() && !isBlankOrEquals(line[i]))
        key += line[i++];
    while (i < line.size() && isBlankOrEquals(line[i]))
        ++i;
    value = line.mid(i);
}

bool Apply_Setting(const QString& line) {
    QString key;
    QString value;
    Split_Setting(line, key, value);
    for (const Setting& setting : settingsTable()) {
        if (key != QLatin1String(setting.key))
            continue;
        return std::visit(
            [&](const auto& v) -> bool {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, String_Value>) {
                    *v.target = value;
                } else if constexpr (std::is_same_v<T, Integer_Value>) {
                    const double rounded = Round_Half_Even(Leading_Number(value));
                    if (!(rounded >= -32768.0 && rounded <= 32767.0))
                        return false;
                    *v.target = static_cast<Integer>(rounded);
                } else if constexpr (std::is_same_v<T, Menu_Value>) {
                    Set_Menu_Checked(v.option, Leading_Number(value) != 0.0);
                } else {
                    // An overflowing exponent reads as infinity, which would be written
                    // back as text that reads as 0: a damaged value like any other.
                    const double colour = Leading_Number(value);
                    if (!std::isfinite(colour))
                        return false;
                    *v.target = colour;
                }
                return true;
            },
            setting.value);
    }
    return true;
}

Integer* Integer_Setting(const QString& key) {
    for (const Setting& setting : settingsTable())
        if (key == QLatin1String(setting.key))
            if (const auto* value = std::get_if<Integer_Value>(&setting.value))
                return value->target;
    return nullptr;
}

bool Integer_Setting_Is_Default(const QString& key) {
    for (const Setting& setting : settingsTable())
        if (key == QLatin1String(setting.key))
            if (const auto* value = std::get_if<Integer_Value>(&setting.value))
                return *value->target == value->fallback;
    return false;
}

void Set_Default_Settings() {
    for (const Setting& setting : settingsTable()) {
        std::visit(
            [](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, String_Value>)
                    *v.target = QString::fromUtf16(v.fallback);
                else if constexpr (std::is_same_v<T, Menu_Value>)
                    Set_Menu_Checked(v.option, true);
                else
                    *v.target = v.fallback;
            },
            setting.value);
    }
}

QStringList Settings_Lines() {
    QStringList lines;
    for (const Setting& setting : settingsTable())
        lines << QLatin1String(setting.key) + QStringLiteral(" = ") + valueText(setting);
    return lines;
}

bool Save_Settings(QString* error) {
    QByteArray bytes;
    QString text;
    bool encodable = true;
    for (const QString& line : Settings_Lines()) {
        bool ok = true;
        bytes += To_Cp1256(line, &ok);
        encodable = encodable && ok;
        bytes += "\r\n";
        text += line + QStringLiteral("\r\n");
    }
    // Code-page bytes that happen to form UTF-8 (an Arabic letter before a question
    // mark, say) would be read back as UTF-8, as other text: UTF-8 keeps them too.
    if (!encodable || Decode_Text_File(bytes) != text) {
        // A font name outside the Arabic code page would be written as "?" and read
        // back as another font; UTF-8 keeps it, and the reader takes UTF-8 back.
        bytes.clear();
        for (const QString& line : Settings_Lines())
            bytes += line.toUtf8() + "\r\n";
    }
    return Write_File_Safely(Settings_Path(), bytes, error);
}

bool Load_Settings(QString* error) {
    // The 49 lines take about 1.5 KB. A file far larger, or one that is no regular file
    // (a named pipe, a link to a device), is a damaged one: never read to its end.
    QByteArray bytes;
    QString reason;
    if (Read_Regular_File(Settings_Path(), Settings_File_Limit, bytes, reason)) {
        const QStringList items = readItems(Decode_Text_File(bytes));
        bool applied = true;
        for (const QString& item : items) {
            if (!Apply_Setting(item)) {
                applied = false;
                break;
            }
        }
        if (applied && items.size() >= 49)
            return true;
    }
    Set_Default_Settings();
    return Save_Settings(error);
}

} // namespace MdlLectarium
