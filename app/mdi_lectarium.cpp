#include "app/mdi_lectarium.h"
#include "app/start_up.h"
#include "base/program_files.h"

#include "app/book_menu.h"
#include "app/frm_about.h"
#include "app/frm_church_year.h"
#include "app/frm_year_calendar.h"
#include "bible/frm_bible_select.h"
#include "bible/frm_bible_view.h"
#include "bible/frm_bibles.h"
#include "calendar/frm_select_day.h"
#include "calendar/reader_days.h"
#include "calendar/selected_day.h"
#include "documents/frm_text.h"
#include "documents/frm_text_view.h"
#include "lectionary/data_source.h"
#include "lectionary/database_file.h"
#include "readings/frm_lectern.h"
#include "readings/frm_saint_search.h"
#include "shell/child_window.h"
#include "shell/dialogs.h"
#include "shell/help_viewer.h"
#include "shell/placement.h"
#include "shell/toolbar_images.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

#include <algorithm>
#include <optional>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

MDILectarium* mainWindow = nullptr;

const QString productCaption = QStringLiteral("Lectarium");

// Outer size below which the frame snaps back, in twips.
constexpr int minimumWidthTwips = 6150;
constexpr int minimumHeightTwips = 4000;
// The day's readings window, the largest child, as designed.
constexpr int readingsWidthTwips = 9900;
constexpr int readingsHeightTwips = 7560;
// A passage window read from the readings opens beside them at this width.
constexpr int passageWidthTwips = 6300;
// Pixels kept free around a first-run frame for the window manager's decorations.
constexpr int frameGuess = 16;

Placement mainPlacement(bool withState) {
    Placement p = Stored_Placement("MDILectarium");
    if (!withState)
        p.state = nullptr;
    return p;
}

const char* optionName(Menu_Option option) {
    switch (option) {
    case Menu_Option::Toolbar:
        return "Toolbar";
    case Menu_Option::Datee:
        return "Datee";
    case Menu_Option::Massage:
        return "Massage";
    case Menu_Option::Date_Bar_On_Top:
        return "Date_Bar_On_Top";
    case Menu_Option::Reset_Date:
        return "Reset_Date";
    case Menu_Option::Save_On_Exit:
        return "Save_On_Exit";
    }
    return "";
}

// The commands: the menu item's name, caption and key, the handler, and the toolbar
// button's key, tip and image (no key: no button).
struct Command_Row {
    Main_Command command;
    const char* name;
    const char* caption;
    QKeyCombination shortcut;
    void (MDILectarium::*handler)();
    const char* key;
    const char* tooltip;
    int image;
};

const std::array<Command_Row, Main_Command_Count>& commandTable() {
    using C = Main_Command;
    using M = MDILectarium;
    static const std::array<Command_Row, Main_Command_Count> table{{
        {C::Reading, "Reading", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "&Reading"),
         Qt::CTRL | Qt::Key_R, &M::Reading_Click, "Reading",
         QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "Reading"), 1},
        {C::Bible_View, "Bible_View", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "&View"),
         Qt::CTRL | Qt::Key_I, &M::Bible_View_Click, "View Bible",
         QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "View Bible"), 2},
        {C::Bible_Search, "Bible_Search", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "Searc&h"),
         Qt::CTRL | Qt::Key_H, &M::Bible_Search_Click, "Bible Search",
         QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "Bible Search"), 3},
        {C::New, "New", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "&New"), Qt::CTRL | Qt::Key_N,
         &M::New_Click, "New", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "New"), 8},
        {C::Open, "Open", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "&Open"), Qt::CTRL | Qt::Key_O,
         &M::Open_Click, "Open", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "Open"), 9},
        {C::Save, "Save", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "&Save"), Qt::CTRL | Qt::Key_S,
         &M::Save_Click, "Save", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "Save"), 4},
        {C::Exit, "Exit", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "E&xit"), Qt::CTRL | Qt::Key_Q,
         &M::Exit_Click, "Exit", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "Exit"), 5},
        {C::Text_View, "Text_View", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "&Text View"),
         Qt::CTRL | Qt::SHIFT | Qt::Key_T, &M::Text_View_Click, "Text_View",
         QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "Text_View"), 6},
        {C::Topic, "Topic", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "To&pic"),
         QKeyCombination(Qt::Key_F1), &M::Topic_Click, "Help_Topic",
         QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "Help Topic"), 7},
        {C::Lectern, "Lectern", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "عرض على الشاشة"),
         QKeyCombination(Qt::Key_F5), &M::Lectern_Click, nullptr, nullptr, 0},
        {C::Saint_Search, "Saint_Search", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "بحث في السنكسار"),
         Qt::CTRL | Qt::SHIFT | Qt::Key_S, &M::Saint_Search_Click, nullptr, nullptr, 0},
        {C::Bibles, "Bibles", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "&Translations"),
         Qt::CTRL | Qt::SHIFT | Qt::Key_B, &M::Bibles_Click, nullptr, nullptr, 0},
        {C::About, "About", QT_TRANSLATE_NOOP("Lectarium::MDILectarium", "&About"), Qt::CTRL | Qt::Key_F1,
         &M::About_Click, nullptr, nullptr, 0},
    }};
    return table;
}

const Command_Row& commandRow(Main_Command command) {
    const auto& table = commandTable();
    return *std::find_if(table.begin(), table.end(),
                         [command](const Command_Row& row) { return row.command == command; });
}

} // namespace

MDILectarium::MDILectarium(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MDILectarium"));
    setWindowTitle(productCaption);
    setWindowIcon(Toolbar_Image(2));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MdiArea"));
    // Children larger than the frame scroll; without scroll bars the area would force
    // the frame to the size of its largest child.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    buildMenus();
    buildToolbar();
    buildDateBar();
    setMinimumSize(To_Pixels(minimumWidthTwips), To_Pixels(minimumHeightTwips));
    terminate_ = [this] { QCoreApplication::exit(exitCode_); };
    Set_Menu_Check_Host(this);
    mainWindow = this;
    Set_Frame(this, mdiArea_);
    Set_Commands(this);
}

MDILectarium* Main_Window() {
    return mainWindow;
}

MDILectarium::~MDILectarium() {
    // The options live on in the plain store for whatever runs after the window.
    std::array<bool, 6> checks{};
    for (int i = 0; i < 6; ++i)
        checks[i] = Menu_Checked(static_cast<Menu_Option>(i));
    Set_Menu_Check_Host(nullptr);
    if (mainWindow == this) {
        mainWindow = nullptr;
        Set_Frame(nullptr, nullptr);
        Set_Commands(nullptr);
    }
    for (int i = 0; i < 6; ++i)
        MdlLectarium::Set_Menu_Checked(static_cast<Menu_Option>(i), checks[i]);
}

void MDILectarium::buildMenus() {
    // One action per command serves its menu item and its toolbar button.
    for (const Command_Row& row : commandTable()) {
        auto* action = new QAction(tr(row.caption), this);
        action->setObjectName(QLatin1String(row.name));
        action->setShortcut(QKeySequence(row.shortcut));
        action->setIconVisibleInMenu(false);
        connect(action, &QAction::triggered, this, row.handler);
        commands_[static_cast<size_t>(row.command)] = action;
    }
    auto item = [this](QMenu* menu, Main_Command command) {
        menu->addAction(commands_[static_cast<size_t>(command)]);
    };
    // A checkable item: the menu flips the mark itself, so the handler that runs on a
    // click only applies the effect; a direct call of X_Click flips and applies.
    auto option = [this](QMenu* menu, Menu_Option which, const QString& caption, const QKeySequence& shortcut,
                         void (MDILectarium::*apply)()) {
        auto* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(optionName(which)));
        action->setCheckable(true);
        action->setChecked(true);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, [this, action, apply] {
            action->toggle(); // undo the menu's own flip: the handler flips
            (this->*apply)();
        });
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File"));
    item(file, Main_Command::Reading);
    item(file, Main_Command::Lectern);
    QAction* slides = file->addAction(tr("Export Slides"));
    slides->setObjectName(QStringLiteral("Export_Slides"));
    connect(slides, &QAction::triggered, this, [this] { Export_Slides_Of(this, Lectern_Source_Day()); });
    QAction* yearCalendar = file->addAction(tr("تقويم السنة"));
    yearCalendar->setObjectName(QStringLiteral("Year_Calendar"));
    connect(yearCalendar, &QAction::triggered, this, [] { FrmYear_Calendar::Show_Window(); });
    item(file, Main_Command::Saint_Search);
    QMenu* bible = file->addMenu(tr("&Bible"));
    bible->setObjectName(QStringLiteral("Bible"));
    bible->menuAction()->setObjectName(QStringLiteral("Bible"));
    item(bible, Main_Command::Bible_View);
    item(bible, Main_Command::Bible_Search);
    item(bible, Main_Command::Bibles);
    separator(file, "l1");
    item(file, Main_Command::New);
    item(file, Main_Command::Open);
    item(file, Main_Command::Save);
    Add_Book_Items(file);
    separator(file, "l2");
    item(file, Main_Command::Exit);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("View"));
    option(view, Menu_Option::Toolbar, tr("&Toolbar"), QKeySequence(Qt::CTRL | Qt::Key_T),
           &MDILectarium::Toolbar_Click);
    option(view, Menu_Option::Datee, tr("&Date Bar"), QKeySequence(Qt::CTRL | Qt::Key_D),
           &MDILectarium::Datee_Click);
    separator(view, "l3");
    option(view, Menu_Option::Massage, tr("&Massage"), QKeySequence(Qt::CTRL | Qt::Key_M),
           &MDILectarium::Massage_Click);

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("Options"));
    item(options, Main_Command::Text_View);
    option(options, Menu_Option::Date_Bar_On_Top, tr("Date &Bar On Top"), QKeySequence(Qt::CTRL | Qt::Key_B),
           &MDILectarium::Date_Bar_On_Top_Click);
    option(options, Menu_Option::Reset_Date, tr("&Reset Date"),
           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), &MDILectarium::Reset_Date_Click);
    separator(options, "l4");
    option(options, Menu_Option::Save_On_Exit, tr("&Save On Exit"),
           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &MDILectarium::Save_On_Exit_Click);
    QAction* churchYear = options->addAction(tr("Church &Year..."));
    churchYear->setObjectName(QStringLiteral("Church_Year"));
    connect(churchYear, &QAction::triggered, this, &MDILectarium::Church_Year_Click);
    buildLanguageMenu(options);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    item(help, Main_Command::Topic);
    separator(help, "l5");
    item(help, Main_Command::About);

    Set_Command_Enabled(Main_Command::Save, false); // no document yet
}

void MDILectarium::buildLanguageMenu(QMenu* options) {
    using MdlLectarium::Interface_Language;
    // Named in both languages, so a reader of either finds it; each language by its own name.
    QMenu* menu = options->addMenu(QStringLiteral("Language / اللغة"));
    menu->menuAction()->setObjectName(QStringLiteral("Language"));
    auto* group = new QActionGroup(menu);
    const Interface_Language stored = MdlLectarium::Stored_Interface_Language();
    const std::array<std::pair<Interface_Language, QString>, 3> choices{
        {{Interface_Language::Classic, tr("Classic")},
         {Interface_Language::Arabic, QStringLiteral("العربية")},
         {Interface_Language::English, QStringLiteral("English")}}};
    for (const auto& [language, caption] : choices) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QStringLiteral("Language_") + MdlLectarium::Language_Code(language));
        action->setCheckable(true);
        action->setChecked(language == stored);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { Language_Click(language); });
    }
}

void MDILectarium::Language_Click(MdlLectarium::Interface_Language language) {
    MdlLectarium::Store_Interface_Language(language);
    // The menus and windows built so far keep their texts; the next start shows the choice.
    if (language != MdlLectarium::Current_Interface_Language())
        Dialogs().Message(this, tr("ستظهر اللغة المختارة عند تشغيل البرنامج مرة أخرى."), productCaption,
                          Msg_Buttons::Ok, Msg_Icon::Information);
}

void MDILectarium::buildToolbar() {
    toolbar1_ = new QToolBar(QStringLiteral("Toolbar1"), this);
    toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar1_->setMovable(false);
    toolbar1_->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, toolbar1_);

    // Numbered from 1 as the rest of the program refers to them: a placeholder gap,
    // then commands and separators (no command).
    using C = Main_Command;
    const std::array<std::optional<Main_Command>, 14> places{
        {std::nullopt, C::Reading, C::Bible_View, C::Bible_Search, std::nullopt, C::New, C::Open, C::Save,
         std::nullopt, C::Text_View, std::nullopt, C::Exit, std::nullopt, C::Topic}};
    for (int n = 1; n <= 14; ++n) {
        const std::optional<Main_Command> command = places[n - 1];
        QAction* action = nullptr;
        if (n == 1) {
            auto* gap = new QWidget(toolbar1_);
            gap->setFixedWidth(8);
            action = toolbar1_->addWidget(gap);
        } else if (!command) {
            action = toolbar1_->addSeparator();
        }
        if (!action) {
            const Command_Row& row = commandRow(*command);
            action = commands_[static_cast<size_t>(*command)];
            action->setIcon(Toolbar_Image(row.image));
            action->setToolTip(tr(row.tooltip));
            action->setProperty("key", QString::fromLatin1(row.key));
            toolbar1_->addAction(action);
        } else {
            action->setObjectName(QStringLiteral("Toolbar1_Button%1").arg(n));
            action->setProperty("key", QString());
        }
        buttons_[n] = action;
    }
}

void MDILectarium::buildDateBar() {
    toolbarDate_ = new QToolBar(QStringLiteral("Toolbar_Date"), this);
    toolbarDate_->setObjectName(QStringLiteral("Toolbar_Date"));
    toolbarDate_->setMovable(false);
    toolbarDate_->setFloatable(false);
    toolbarDate_->installEventFilter(this);

    // The panel is centred in the bar whatever the frame's width.
    auto* holder = new QWidget(toolbarDate_);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, To_Pixels(30), 0, 0);
    layout->setSpacing(0);
    pictureDate_ = new QWidget(holder);
    pictureDate_->setObjectName(QStringLiteral("Picture_Date"));
    pictureDate_->setFixedSize(To_Pixels(5925), To_Pixels(345));
    pictureDate_->installEventFilter(this);
    layout->addStretch(1);
    layout->addWidget(pictureDate_);
    layout->addStretch(1);
    toolbarDate_->addWidget(holder);

    struct Field {
        const char* name;
        int left;
        int width;
    };
    const std::array<Field, 7> fields{{{"LabelNormalDay", 5490, 435},
                                       {"LabelNormalMonth", 4290, 1155},
                                       {"LabelNormalYear", 3450, 795},
                                       {"LabelDayName", 2520, 885},
                                       {"LabelCopticDay", 2040, 435},
                                       {"LabelCopticMonth", 840, 1155},
                                       {"LabelCopticYear", 0, 795}}};
    QFont font(QStringLiteral("Arabic Transparent"), 12);
    font.setBold(true);
    for (const Field& f : fields) {
        auto* label = new QLabel(pictureDate_);
        label->setObjectName(QLatin1String(f.name));
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setLayoutDirection(Qt::RightToLeft);
        label->setGeometry(To_Pixels(f.left), 0, To_Pixels(f.width), To_Pixels(345));
        label->installEventFilter(this);
    }
    if (Current_Interface_Language() == MdlLectarium::Interface_Language::English)
        layDateBarInEnglish();
    // The date bar has a row of its own under the command toolbar.
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, toolbarDate_);
}

void MDILectarium::layDateBarInEnglish() {
    // English reads from the left, "Thursday 10 December 2026  1 Kiahk 1743", and its
    // names are longer than the Arabic ones the fixed places were measured for.
    pictureDate_->setMinimumWidth(0);
    pictureDate_->setMaximumWidth(QWIDGETSIZE_MAX);
    auto* row = new QHBoxLayout(pictureDate_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(To_Pixels(150));
    for (const char* name : {"LabelDayName", "LabelNormalDay", "LabelNormalMonth", "LabelNormalYear",
                             "LabelCopticDay", "LabelCopticMonth", "LabelCopticYear"}) {
        auto* label = pictureDate_->findChild<QLabel*>(QLatin1String(name));
        label->setLayoutDirection(Qt::LeftToRight);
        row->addWidget(label);
    }
}

QAction* MDILectarium::Menu_Item(const QString& name) const {
    for (QAction* action : findChildren<QAction*>(name))
        if (!action->objectName().startsWith(QLatin1String("Toolbar1_")))
            return action;
    return nullptr;
}

QMenu* MDILectarium::Menu_Bar_Menu(const QString& name) const {
    return menuBar()->findChild<QMenu*>(name, Qt::FindDirectChildrenOnly);
}

QAction* MDILectarium::Toolbar_Button(int number) const {
    return number >= 1 && number <= 14 ? buttons_[number] : nullptr;
}

QLabel* MDILectarium::Date_Label(const QString& name) const {
    return pictureDate_->findChild<QLabel*>(name);
}

QAction* MDILectarium::optionAction(Menu_Option option) const {
    return Menu_Item(QLatin1String(optionName(option)));
}

bool MDILectarium::Menu_Checked(Menu_Option option) const {
    return optionAction(option)->isChecked();
}

void MDILectarium::Set_Menu_Checked(Menu_Option option, bool checked) {
    optionAction(option)->setChecked(checked);
}

bool MDILectarium::Form_Load() {
    Program_Folder = QDir::currentPath();
    const bool firstRun = !QFileInfo::exists(Settings_Path());
    QString settingsError;
    const bool settingsSaved = Init_Tables(&settingsError);

    // Lectarium.mdb may be an SQLite database or the Access file of the earlier program.
    Set_Database_Opener(Open_Lectionary_File);
    Data_Bible().setDatabaseName(Database_Path);
    Data_Bible_Search().setDatabaseName(Database_Path);
    if (!QFileInfo(Database_Path).isFile()) {
        Dialogs().Message(this, tr("لا يوجد ملف المعاومات الرجاء عمل Setup مرة أخرى"), productCaption,
                          Msg_Buttons::Ok, Msg_Icon::Exclamation);
        return false;
    }
    // A file that is there but cannot serve as the lectionary is named with its problem.
    QString databaseProblem;
    if (!Check_Database_File(Database_Path, databaseProblem)) {
        Dialogs().Message(this,
                          tr("تعذر فتح ملف المعلومات:\n%1\n%2")
                              .arg(QDir::toNativeSeparators(Database_Path), databaseProblem),
                          productCaption, Msg_Buttons::Ok, Msg_Icon::Exclamation);
        return false;
    }

    toolbar1_->setVisible(Menu_Checked(Menu_Option::Toolbar));
    toolbarDate_->setVisible(Menu_Checked(Menu_Option::Datee));
    optionAction(Menu_Option::Date_Bar_On_Top)->setEnabled(Menu_Checked(Menu_Option::Datee));
    dockDateBar();

    Selected_Date = Reader_Today();
    Coptic_Date(Selected_Date, Coptic_Day, Coptic_Month, Coptic_Year);
    Show_Date_Labels(pictureDate_, Selected_Date);

    if (introduction_)
        introduction_();

    startupDone_ = false;
    if (MDILectarium_WindowState == 1)
        MDILectarium_WindowState = 0;
    if (firstRun)
        fitFirstRun();
    // Placed before it is mapped, so the window manager frames it where it belongs.
    Restore_Placement(this, mainPlacement(true));
    show();
    startupDone_ = true;

    if (splash_)
        splash_();

    if (!settingsSaved) {
        // The defaults are in use; say once that they could not be kept.
        Dialogs().Message(this,
                          tr("تعذر حفظ ملف الإعدادات:\n%1\n%2\nسيعمل البرنامج بالإعدادات الافتراضية.")
                              .arg(QDir::toNativeSeparators(Settings_Path()), settingsError),
                          productCaption, Msg_Buttons::Ok, Msg_Icon::Exclamation);
    }
    return true;
}

void MDILectarium::fitFirstRun() {
    // The default frame is too small to show its own children. A first run opens it
    // large enough for the day chooser and the day's readings window (the largest child
    // at its default place) with a passage window beside it, fitted to the screen; the
    // settings file keeps its defaults until Exit records the frame as it is then.
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    constexpr int slack = 16;
    int chrome = menuBar()->sizeHint().height() + slack;
    for (QToolBar* bar : {toolbar1_, toolbarDate_})
        if (bar->isVisibleTo(this))
            chrome += bar->sizeHint().height();
    QSize wanted(To_Pixels(FrmDisplay_Reading_Left + readingsWidthTwips + passageWidthTwips) + 4 * border +
                     slack,
                 To_Pixels(FrmDisplay_Reading_Top + readingsHeightTwips) + title + 2 * border + chrome);
    wanted = wanted.expandedTo(QSize(To_Pixels(minimumWidthTwips), To_Pixels(minimumHeightTwips)));
    const QScreen* shown = screen();
    if (!shown)
        return;
    // Room is left for the window manager's frame, which comes after this.
    const QRect room =
        shown->availableGeometry().adjusted(frameGuess, 2 * frameGuess, -frameGuess, -frameGuess);
    const QSize size = wanted.boundedTo(room.size());
    const QPoint at(room.left() + (room.width() - size.width()) / 2,
                    room.top() + (room.height() - size.height()) / 2);
    MDILectarium_Width = static_cast<Integer>(To_Twips(size.width()));
    MDILectarium_Height = static_cast<Integer>(To_Twips(size.height()));
    MDILectarium_Left = static_cast<Integer>(To_Twips(at.x()));
    MDILectarium_Top = static_cast<Integer>(To_Twips(at.y()));
}

void MDILectarium::dockDateBar() {
    const Qt::ToolBarArea area =
        Menu_Checked(Menu_Option::Date_Bar_On_Top) ? Qt::TopToolBarArea : Qt::BottomToolBarArea;
    if (toolBarArea(toolbarDate_) == area)
        return;
    const bool visible = toolbarDate_->isVisibleTo(this);
    removeToolBar(toolbarDate_);
    addToolBar(area, toolbarDate_);
    toolbarDate_->setVisible(visible);
}

void MDILectarium::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isMinimized())
        return;
    const QSize frameExtra = frameGeometry().size() - size();
    const int minWidth = To_Pixels(minimumWidthTwips) - frameExtra.width();
    const int minHeight = To_Pixels(minimumHeightTwips) - frameExtra.height();
    if (width() < minWidth || height() < minHeight)
        resize(std::max(width(), minWidth), std::max(height(), minHeight));
    if (startupDone_ && Stored_State(this) == 0)
        Store_Placement(this, mainPlacement(false));
}

bool MDILectarium::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == toolbarDate_ || watched == pictureDate_ || watched->parent() == pictureDate_)) {
        Toolbar_Date_DblClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDILectarium::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    // The frame's own close never goes through: the Exit command ends the program. It
    // asks first, so that No leaves every window as it was; then the children close,
    // each with its own close handling (an unsaved document may still cancel).
    event->ignore();
    if (!confirmExit() || !Close_Document())
        return;
    mdiArea_->closeAllSubWindows();
    if (!mdiArea_->subWindowList().isEmpty())
        return;
    finishExit();
}

bool MDILectarium::confirmExit() {
    if (!Menu_Checked(Menu_Option::Massage))
        return true;
    return Dialogs().Message(this, tr("Are you sure ?"), productCaption, Msg_Buttons::Yes_No,
                             Msg_Icon::Stop) == Msg_Answer::Yes;
}

void MDILectarium::Toolbar_Click() {
    QAction* action = optionAction(Menu_Option::Toolbar);
    action->setChecked(!action->isChecked());
    toolbar1_->setVisible(action->isChecked());
}

void MDILectarium::Datee_Click() {
    QAction* action = optionAction(Menu_Option::Datee);
    action->setChecked(!action->isChecked());
    toolbarDate_->setVisible(action->isChecked());
    optionAction(Menu_Option::Date_Bar_On_Top)->setEnabled(action->isChecked());
}

void MDILectarium::Massage_Click() {
    QAction* action = optionAction(Menu_Option::Massage);
    action->setChecked(!action->isChecked());
}

void MDILectarium::Date_Bar_On_Top_Click() {
    QAction* action = optionAction(Menu_Option::Date_Bar_On_Top);
    action->setChecked(!action->isChecked());
    dockDateBar();
}

void MDILectarium::Reset_Date_Click() {
    QAction* action = optionAction(Menu_Option::Reset_Date);
    action->setChecked(!action->isChecked());
}

void MDILectarium::Save_On_Exit_Click() {
    QAction* action = optionAction(Menu_Option::Save_On_Exit);
    action->setChecked(!action->isChecked());
}

void MDILectarium::Toolbar_Date_DblClick() {
    Date_Bar_On_Top_Click();
}

void MDILectarium::Toolbar1_ButtonClick(const QString& key) {
    for (const Command_Row& row : commandTable()) {
        if (row.key && key == QLatin1String(row.key)) {
            (this->*row.handler)();
            return;
        }
    }
}

void MDILectarium::Set_Commands_Locked(bool locked) {
    toolbar1_->setEnabled(!locked);
    for (const char* name : {"File", "View", "Options", "Help"})
        if (QMenu* menu = Menu_Bar_Menu(QLatin1String(name)))
            menu->setEnabled(!locked);
}

void MDILectarium::Set_Command_Enabled(Main_Command command, bool enabled) {
    commands_[static_cast<size_t>(command)]->setEnabled(enabled);
}

void MDILectarium::Reading_Click() {
    Open_Select_Day();
}

// The windows these commands open arrive with their own subsystems.
void MDILectarium::Bible_View_Click() {
    FrmBible_View::Show_Window();
}
void MDILectarium::Bibles_Click() {
    FrmBibles::Show_Window();
}
void MDILectarium::Bible_Search_Click() {
    FrmBible_Select::Show_Window();
}

void MDILectarium::New_Click() {
    Lectarium::New_Click();
}

void MDILectarium::Open_Click() {
    Lectarium::Open_Click();
}

void MDILectarium::Save_Click() {
    Save_Text();
}

void MDILectarium::Saint_Search_Click() {
    FrmSaint_Search::Show_Window();
}

void MDILectarium::Text_View_Click() {
    FrmText_View form(this);
    form.exec();
}

void MDILectarium::Lectern_Click() {
    Show_Lectern_Of(Lectern_Source_Day());
}

void MDILectarium::Church_Year_Click() {
    FrmChurch_Year form(this);
    // The chooser shows its feast list anew, with the patron as now chosen.
    if (form.exec() == QDialog::Accepted && FrmSelect_Day::Instance())
        FrmSelect_Day::Show_Day(Selected_Date);
}

void MDILectarium::About_Click() {
    // Loaded once; OK only hides it, so later commands show the same window again.
    auto* about = findChild<FrmAbout*>(QString(), Qt::FindDirectChildrenOnly);
    if (!about)
        about = new FrmAbout(this);
    about->exec();
}

void MDILectarium::Topic_Click() {
    const QString helpFile = Program_File(Help_File_Name(Current_Interface_Language()));
    if (!Dialogs().Show_Help(this, helpFile)) {
        // A file that is there but cannot be shown (too large, nested too deep, a pipe)
        // is named with its reason.
        const QString problem = QFileInfo::exists(helpFile) ? Help_File_Problem(helpFile) : QString();
        Dialogs().Message(
            this,
            problem.isEmpty()
                ? tr("لا يوجد ملف المساعدة:\n%1").arg(QDir::toNativeSeparators(helpFile))
                : tr("تعذر عرض ملف المساعدة:\n%1\n%2").arg(QDir::toNativeSeparators(helpFile), problem),
            productCaption, Msg_Buttons::Ok, Msg_Icon::Exclamation);
    }
}

void MDILectarium::Exit_Click() {
    // An unsaved document gets its own question first; Cancel there cancels the Exit.
    // The children then close as under the frame's close box, each storing its place.
    if (!confirmExit() || !Close_Document())
        return;
    mdiArea_->closeAllSubWindows();
    if (mdiArea_->subWindowList().isEmpty())
        finishExit();
}

void MDILectarium::finishExit() {
    if (Menu_Checked(Menu_Option::Save_On_Exit)) {
        MDILectarium_WindowState = Stored_State(this);
        if (MDILectarium_WindowState == 0)
            Store_Placement(this, mainPlacement(false));
    } else {
        // Drop every change of this run; only the option itself is written as off.
        Load_Settings();
        Set_Menu_Checked(Menu_Option::Save_On_Exit, false);
    }
    QString error;
    if (!Save_Settings(&error)) {
        exitCode_ = 1;
        Dialogs().Message(
            this, tr("تعذر حفظ ملف الإعدادات:\n%1\n%2").arg(QDir::toNativeSeparators(Settings_Path()), error),
            productCaption, Msg_Buttons::Ok, Msg_Icon::Exclamation);
    }
    endProgram();
}

void MDILectarium::endProgram() {
    ended_ = true;
    if (terminate_)
        terminate_();
}

} // namespace Lectarium
