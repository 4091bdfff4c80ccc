#pragma once

// The main window: a multiple-document frame with the menus, the command toolbar and
// the date bar. Its Form_Load runs the whole start-up.

#include "base/interface_language.h"
#include "base/settings.h"
#include "shell/main_commands.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace Lectarium {

class MDILectarium final : public QMainWindow, public MdlLectarium::Menu_Check_Host, public Main_Commands {
    Q_OBJECT

public:
    explicit MDILectarium(QWidget* parent = nullptr);
    ~MDILectarium() override;

    // The start-up sequence. Returns false when the program must end (no database).
    bool Form_Load();

    // Run at their places in the start-up; each returns when its window has closed.
    void Set_Introduction(std::function<void()> run) { introduction_ = std::move(run); }
    void Set_Splash(std::function<void()> run) { splash_ = std::move(run); }
    // How the program ends; the default leaves the event loop.
    void Set_Terminate(std::function<void()> terminate) { terminate_ = std::move(terminate); }

    // Handlers, callable directly (tests, toolbar dispatch).
    void Reading_Click();
    void Bible_View_Click();
    void Bible_Search_Click();
    void Bibles_Click();
    void New_Click();
    void Open_Click();
    void Save_Click();
    void Exit_Click();
    void Toolbar_Click();
    void Datee_Click();
    void Massage_Click();
    void Saint_Search_Click();
    void Text_View_Click();
    void Date_Bar_On_Top_Click();
    void Reset_Date_Click();
    void Save_On_Exit_Click();
    void Language_Click(MdlLectarium::Interface_Language language);
    void Topic_Click();
    void About_Click();
    void Lectern_Click();
    void Church_Year_Click();
    void Toolbar_Date_DblClick();
    void Toolbar1_ButtonClick(const QString& key);

    // Menu items by their names ("Reading", "Save", "l1", ...), toolbar buttons 1..14.
    QAction* Menu_Item(const QString& name) const;
    QMenu* Menu_Bar_Menu(const QString& name) const; // "File", "View", "Options", "Help"
    QAction* Toolbar_Button(int number) const;
    QToolBar* Toolbar1() const { return toolbar1_; }
    QToolBar* Toolbar_Date() const { return toolbarDate_; }
    QWidget* Picture_Date() const { return pictureDate_; }
    QLabel* Date_Label(const QString& name) const;
    QMdiArea* Mdi_Area() const { return mdiArea_; }

    bool Startup_Done() const { return startupDone_; }
    bool Ended() const { return ended_; }
    // 1 when the settings could not be saved at Exit, so scripts and sessions see it.
    int Exit_Code() const { return exitCode_; }

    // No menu of bars: the View menu's check marks are the only switch for the toolbar
    // and the date bar, and the only record of them that Exit stores.
    QMenu* createPopupMenu() override { return nullptr; }

    // Menu_Check_Host: the six option items hold the options.
    bool Menu_Checked(MdlLectarium::Menu_Option option) const override;
    void Set_Menu_Checked(MdlLectarium::Menu_Option option, bool checked) override;

    // Main_Commands: what child windows may do to the commands.
    void Set_Commands_Locked(bool locked) override;
    void Set_Command_Enabled(Main_Command command, bool enabled) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildLanguageMenu(QMenu* options);
    void layDateBarInEnglish();
    void buildToolbar();
    void buildDateBar();
    void dockDateBar();
    void fitFirstRun();
    // The Exit command's question (while Massage is ticked); true to go on.
    bool confirmExit();
    // The Exit command once the user agreed: the settings are written and the program ends.
    void finishExit();
    void endProgram();
    QAction* optionAction(MdlLectarium::Menu_Option option) const;

    QMdiArea* mdiArea_ = nullptr;
    QToolBar* toolbar1_ = nullptr;
    QToolBar* toolbarDate_ = nullptr;
    QWidget* pictureDate_ = nullptr;
    std::array<QAction*, Main_Command_Count> commands_{}; // by Main_Command
    std::array<QAction*, 15> buttons_{};                  // 1..14
    bool startupDone_ = false;
    bool ended_ = false;
    int exitCode_ = 0;
    std::function<void()> introduction_;
    std::function<void()> splash_;
    std::function<void()> terminate_;
};

// The main window while it exists, else nullptr.
MDILectarium* Main_Window();

} // namespace Lectarium
