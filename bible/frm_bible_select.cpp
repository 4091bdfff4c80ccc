#include "bible/frm_bible_select.h"

#include "base/basic_text.h"
#include "base/settings.h"
#include "bible/frm_view_search.h"
#include "bible/search.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/parallel_passage.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/sword_bible.h"
#include "lectionary/sword_import.h"
#include "shell/dialogs.h"
#include "shell/interface_translation.h"
#include "shell/main_commands.h"
#include "shell/single_window.h"
#include "shell/toolbar_images.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

Single_Window<FrmBible_Select> instance;
int yieldInterval = 10;
FrmBible_Select::Scan_Figures lastScan;

// The form keeps a fixed size; positions are in twips from the right edge of the
// parent, as the window reads from right to left.
constexpr int formWidth = 7200;
constexpr int formHeight = 5400;
constexpr int bookPanelWidth = 6600;
constexpr int bookPanelHeight = 3180;

QString scopeCaption() {
    return QCoreApplication::translate("Lectarium::FrmBible_Select", "مجال البحث");
}
QString searchCaption() {
    return QCoreApplication::translate("Lectarium::FrmBible_Select", "البحث");
}

void place(QWidget* widget, int parentWidth, int right, int top, int width, int height) {
    widget->setGeometry(Placed(QRect(parentWidth - right - width, top, width, height), parentWidth));
}

// The row of the selected item, -1 when none is selected (a current item that is not
// selected, as a list gets on taking the focus, does not count).
int selectedRow(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? list->currentRow() : -1;
}

void message(QWidget* parent, const QString& text, const QString& caption) {
    Dialogs().Message(parent, text, caption, Msg_Buttons::Ok, Msg_Icon::Exclamation);
}

} // namespace

FrmBible_Select* FrmBible_Select::Instance() {
    return instance.Get();
}

FrmBible_Select* FrmBible_Select::Show_Window() {
    if (FrmBible_Select* open = instance.Bring_Forward())
        return open;
    FrmBible_Select* form = instance.Keep(new FrmBible_Select());
    Show_Child(form, "FrmBible_Select");
    form->Form_Load();
    return form;
}

void FrmBible_Select::Set_Yield_Interval(int milliseconds) {
    yieldInterval = std::max(0, milliseconds);
}

int FrmBible_Select::Yield_Interval() {
    return yieldInterval;
}

FrmBible_Select::Scan_Figures FrmBible_Select::Last_Scan() {
    return lastScan;
}

FrmBible_Select::FrmBible_Select() {
    setObjectName(QStringLiteral("FrmBible_Select"));
    setWindowTitle(tr("Bible Select"));
    setLayoutDirection(Window_Direction());
    setWindowIcon(Toolbar_Image(3));
    setFixedSize(To_Pixels(formWidth), To_Pixels(formHeight));

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setPixmap(Toolbar_Image(3).pixmap(To_Pixels(480), To_Pixels(480)));
    place(image1_, formWidth, formWidth - 720, 120, 600, 600);

    label1_ = new QLabel(tr("المراد البحث عنة"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    place(label1_, formWidth, 120, 150, 1500, 300);
    textSearch_ = new QLineEdit(this);
    textSearch_->setObjectName(QStringLiteral("TextSearch"));
    place(textSearch_, formWidth, 1700, 120, 4600, 360);
    checkFold_ = new QCheckBox(tr("تجاهل التشكيل"), this);
    checkFold_->setObjectName(QStringLiteral("CheckFold"));
    place(checkFold_, formWidth, 1700, 580, 2250, 330);
    connect(textSearch_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!foldSetByUser_)
            checkFold_->setChecked(Has_Arabic_Letters(text));
    });
    connect(checkFold_, &QCheckBox::clicked, this, [this] { foldSetByUser_ = true; });
    // The text searched: the database's Bible or an installed translation, the reader's
    // main text first.
    comboBible_ = new QComboBox(this);
    comboBible_->setObjectName(QStringLiteral("ComboBible"));
    comboBible_->setToolTip(tr("الترجمة التى يبحث فيها"));
    comboBible_->addItem(tr("كتاب قاعدة البيانات"), QString::fromLatin1(Database_Bible_Name));
    for (const Sword_Module& module : Sword_Bible_Modules())
        comboBible_->addItem(module.name, module.name);
    comboBible_->setCurrentIndex(std::max(0, comboBible_->findData(Stored_Bible_Choice().main)));
    place(comboBible_, formWidth, 4000, 560, 2300, 360);

    label2_ = new QLabel(scopeCaption(), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    place(label2_, formWidth, 120, 650, 1500, 300);

    buildScopeControls();
    buildBookControls();

    commandSearch_ = new QPushButton(tr("Search"), this);
    commandSearch_->setObjectName(QStringLiteral("CommandSearch"));
    place(commandSearch_, formWidth, 480, 4800, 1200, 420);
    commandExit_ = new QPushButton(tr("Exit"), this);
    commandExit_->setObjectName(QStringLiteral("CommandExit"));
    place(commandExit_, formWidth, 1800, 4800, 1200, 420);
    connect(commandSearch_, &QPushButton::clicked, this, &FrmBible_Select::CommandSearch_Click);
    connect(commandExit_, &QPushButton::clicked, this, &FrmBible_Select::CommandExit_Click);

    buildCancelPanel();

    for (QWidget* control :
         {static_cast<QWidget*>(textSearch_), static_cast<QWidget*>(check1_[0]),
          static_cast<QWidget*>(check1_[1]), static_cast<QWidget*>(option1_[0]),
          static_cast<QWidget*>(option1_[1]), static_cast<QWidget*>(list2_), static_cast<QWidget*>(list3_)})
        control->installEventFilter(this);
}

void FrmBible_Select::buildScopeControls() {
    for (int i = 0; i < 2; ++i) {
        option0_[i] = new QRadioButton(this);
        option0_[i]->setObjectName(QStringLiteral("Option0_%1").arg(i));
        place(option0_[i], formWidth, 120, i == 0 ? 1060 : 1560, 300, 300);
    }
    option0_[0]->setChecked(true);
    for (int i = 0; i < 2; ++i)
        connect(option0_[i], &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                Option0_Click();
        });

    picture1_ = new QWidget(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    place(picture1_, formWidth, 480, 1000, bookPanelWidth, 420);
    const std::array<QString, 2> testaments{tr("العهــــــــــــــد القديـــــــــــــم"),
                                            tr("العهــــــــــــــد الجديــــــــــــد")};
    for (int i = 0; i < 2; ++i) {
        check1_[i] = new QCheckBox(testaments[i], picture1_);
        check1_[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        place(check1_[i], bookPanelWidth, i == 0 ? 60 : 3300, 60, 3200, 300);
        // What the reader ticks is what the window opens with next time.
        connect(check1_[i], &QCheckBox::clicked, this, [this] {
            Store_Testament_Choice({check1_[0]->isChecked(), check1_[1]->isChecked()});
        });
    }
}

void FrmBible_Select::buildBookControls() {
    picture2_ = new QWidget(this);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    place(picture2_, formWidth, 480, 1500, bookPanelWidth, bookPanelHeight);

    check2_ = new QCheckBox(tr("أقسام"), picture2_);
    check2_->setObjectName(QStringLiteral("Check2"));
    place(check2_, bookPanelWidth, 60, 0, 1300, 300);
    connect(check2_, &QCheckBox::clicked, this, &FrmBible_Select::Check2_Click);

    const std::array<QString, 2> testaments{tr("عهد قديم"), tr("عهد جديد")};
    for (int i = 0; i < 2; ++i) {
        option1_[i] = new QRadioButton(testaments[i], picture2_);
        option1_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        place(option1_[i], bookPanelWidth, i == 0 ? 1500 : 3200, 0, i == 0 ? 1650 : 1800, 300);
    }
    option1_[0]->setChecked(true);
    for (int i = 0; i < 2; ++i)
        connect(option1_[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                Option1_Click(i);
        });

    list1_ = new QListWidget(picture2_);
    list1_->setObjectName(QStringLiteral("List1"));
    place(list1_, bookPanelWidth, 60, 330, 2700, 1155);
    list3_ = new QListWidget(picture2_);
    list3_->setObjectName(QStringLiteral("List3"));
    place(list3_, bookPanelWidth, 60, 1560, 2700, 1455);
    list2_ = new QListWidget(picture2_);
    list2_->setObjectName(QStringLiteral("List2"));
    place(list2_, bookPanelWidth, 3900, 330, 2640, 2625);
    connect(list1_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(list1_, &QListWidget::itemDoubleClicked, this, &FrmBible_Select::List1_DblClick);
    connect(list2_, &QListWidget::itemDoubleClicked, this, &FrmBible_Select::List2_DblClick);
    connect(list3_, &QListWidget::itemDoubleClicked, this, &FrmBible_Select::List3_DblClick);

    auto button = [this](const QString& caption, const char* name, int top) {
        auto* b = new QPushButton(caption, picture2_);
        b->setObjectName(QLatin1String(name));
        place(b, bookPanelWidth, 2880, top, 900, 360);
        return b;
    };
    // The arrows point from the books offered (right) to the books chosen (left).
    // The arrows point from the books to the chosen list, which a left-to-right window
    // has on the right.
    const bool mirrored = Window_Direction() == Qt::LeftToRight;
    commandSelect_ = button(mirrored ? QStringLiteral(">>") : QStringLiteral("<<"), "CommandSelect", 600);
    commandSelectGroup_ =
        button(mirrored ? QStringLiteral(">>>>>>") : QStringLiteral("<<<<<<"), "CommandSelectGroup", 1050);
    commandDeSelect_ =
        button(mirrored ? QStringLiteral("<<") : QStringLiteral(">>"), "CommandDeSelect", 1500);
    commandClear_ = button(tr("Clear"), "CommandClear", 2200);
    for (QPushButton* b : {commandSelect_, commandSelectGroup_, commandDeSelect_, commandClear_})
        b->setLayoutDirection(Qt::LeftToRight); // the arrows as drawn
    connect(commandSelect_, &QPushButton::clicked, this, &FrmBible_Select::CommandSelect_Click);
    connect(commandSelectGroup_, &QPushButton::clicked, this, &FrmBible_Select::CommandSelectGroup_Click);
    connect(commandDeSelect_, &QPushButton::clicked, this, &FrmBible_Select::CommandDeSelect_Click);
    connect(commandClear_, &QPushButton::clicked, this, &FrmBible_Select::CommandClear_Click);
}

void FrmBible_Select::buildCancelPanel() {
    pictureCancel_ = new QWidget(this);
    pictureCancel_->setObjectName(QStringLiteral("PictureCancel"));
    pictureCancel_->setAutoFillBackground(true);
    pictureCancel_->setGeometry(0, 0, To_Pixels(formWidth), To_Pixels(formHeight));
    label3_ = new QLabel(tr("البحث جارى"), pictureCancel_);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setAlignment(Qt::AlignCenter);
    place(label3_, formWidth, 1100, 1500, 5000, 360);
    progressBar1_ = new QProgressBar(pictureCancel_);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setRange(0, 100);
    progressBar1_->setValue(0);
    place(progressBar1_, formWidth, 1100, 2100, 5000, 360);
    commandCancel_ = new QPushButton(tr("Cancel"), pictureCancel_);
    commandCancel_->setObjectName(QStringLiteral("CommandCancel"));
    place(commandCancel_, formWidth, 3000, 2800, 1200, 420);
    connect(commandCancel_, &QPushButton::clicked, this, &FrmBible_Select::CommandCancel_Click);
    pictureCancel_->hide();
}

FrmBible_Select::~FrmBible_Select() = default;

void FrmBible_Select::Form_Load() {
    // Both testaments on first use, so that a first search has somewhere to look.
    const Testament_Choice testaments = Stored_Testament_Choice();
    check1_[0]->setChecked(testaments.oldTestament);
    check1_[1]->setChecked(testaments.newTestament);
    Option0_Click();
    check2_->setChecked(true);
    Option1_Click(0);
    list3_->setCurrentRow(0);
    list2_->clear();
    chosenBooks_.clear();
    // The Bible is read into memory now, so that a search only looks through it. A
    // failure is told when Search is pressed.
    QString ignored;
    Load_Bible_Text(Data_Bible_Search(), ignored);
}

void FrmBible_Select::Option0_Click() {
    const bool byTestament = option0_[0]->isChecked();
    const bool byBooks = option0_[1]->isChecked();
    picture1_->setEnabled(byTestament);
    for (QCheckBox* box : check1_)
        box->setEnabled(byTestament);
    for (QWidget* control :
         {static_cast<QWidget*>(picture2_), static_cast<QWidget*>(option1_[0]),
          static_cast<QWidget*>(option1_[1]), static_cast<QWidget*>(check2_), static_cast<QWidget*>(list1_),
          static_cast<QWidget*>(list2_), static_cast<QWidget*>(list3_), static_cast<QWidget*>(commandSelect_),
          static_cast<QWidget*>(commandDeSelect_), static_cast<QWidget*>(commandClear_)})
        control->setEnabled(byBooks);
}

void FrmBible_Select::Option1_Click(int index) {
    {
        const QSignalBlocker blocker(option1_[index]);
        option1_[index]->setChecked(true);
    }
    {
        // List1 is refilled below; its row change must not run List1_Click halfway.
        const QSignalBlocker blocker(list1_);
        list1_->clear();
    }
    list3_->clear();
    const bool old = index == 0;
    if (!check2_->isChecked()) {
        place(list3_, bookPanelWidth, 60, 330, 2700, 2625);
        list1_->hide();
        commandSelectGroup_->hide();
        const int first = old ? 1 : Old_Testament_Books + 1;
        const int last = old ? Old_Testament_Books : Book_Count;
        for (int book = first; book <= last; ++book)
            list3_->addItem(Book_Name_In(int(book), Current_Interface_Language()));
        list3_->setCurrentRow(0);
        return;
    }
    place(list3_, bookPanelWidth, 60, 1560, 2700, 1455);
    list1_->show();
    commandSelectGroup_->show();
    const int firstGroup = old ? 1 : 7;
    const int lastGroup = old ? 6 : Group_Count;
    {
        const QSignalBlocker blocker(list1_);
        for (int group = firstGroup; group <= lastGroup; ++group)
            list1_->addItem(Group_Name_In(group, Current_Interface_Language()));
    }
    for (int row = 1; row <= Group_Books[firstGroup][0]; ++row)
        list3_->addItem(Book_Name_In(int(Group_Books[firstGroup][row]), Current_Interface_Language()));
    list1_->setCurrentRow(0); // runs List1_Click, which lists the group again
    list3_->setCurrentRow(0);
}

void FrmBible_Select::Check2_Click() {
    Option1_Click(option1_[0]->isChecked() ? 0 : 1);
}

int FrmBible_Select::listedGroup() const {
    const int row = selectedRow(list1_);
    if (row < 0)
        return 0;
    const int group = row + (option1_[0]->isChecked() ? 1 : 7);
    return group <= Group_Count ? group : 0;
}

void FrmBible_Select::List1_Click() {
    const int group = listedGroup();
    list3_->clear();
    if (group == 0)
        return;
    for (int row = 1; row <= Group_Books[group][0]; ++row)
        list3_->addItem(Book_Name_In(int(Group_Books[group][row]), Current_Interface_Language()));
    list3_->setCurrentRow(-1);
}

Integer FrmBible_Select::pickedBook() const {
    const int row = selectedRow(list3_);
    if (row < 0)
        return 0;
    if (!check2_->isChecked())
        return static_cast<Integer>(row + (option1_[0]->isChecked() ? 1 : Old_Testament_Books + 1));
    const int group = listedGroup();
    if (group == 0 || row + 1 > Group_Books[group][0])
        return 0;
    return Group_Books[group][row + 1];
}

void FrmBible_Select::List3_DblClick() {
    const Integer book = pickedBook();
    if (book < 1 || book > Book_Count || chosenBooks_.contains(book))
        return;
    chosenBooks_.append(book);
    list2_->addItem(Book_Name_In(int(book), Current_Interface_Language()));
}

void FrmBible_Select::List1_DblClick() {
    const int group = listedGroup();
    if (group == 0)
        return;
    for (int row = 0; row < Group_Books[group][0] && row < list3_->count(); ++row) {
        list3_->setCurrentRow(row);
        List3_DblClick();
    }
    list3_->setCurrentRow(0);
}

void FrmBible_Select::refillChosenList() {
    list2_->clear();
    for (Integer book : chosenBooks_)
        list2_->addItem(Book_Name_In(int(book), Current_Interface_Language()));
}

void FrmBible_Select::List2_DblClick() {
    const int row = selectedRow(list2_);
    if (row < 0 || row >= chosenBooks_.size())
        return;
    chosenBooks_.removeAt(row);
    refillChosenList();
}

void FrmBible_Select::CommandClear_Click() {
    list2_->clear();
    chosenBooks_.clear();
}

bool FrmBible_Select::readScope(Search_Scope& scope) {
    if (textSearch_->text().isEmpty()) {
        message(this, tr("لا يوجد المراد البحث عنة"), scopeCaption());
        return false;
    }
    const bool byTestament = option0_[0]->isChecked();
    if ((byTestament && !check1_[0]->isChecked() && !check1_[1]->isChecked()) ||
        (!byTestament && chosenBooks_.isEmpty())) {
        message(this, tr("لا يوجد مجالأ للبحث فيه"), scopeCaption());
        return false;
    }
    scope.oldTestament = byTestament && check1_[0]->isChecked();
    scope.newTestament = byTestament && check1_[1]->isChecked();
    scope.books = byTestament ? QList<Integer>() : chosenBooks_;
    return true;
}

void FrmBible_Select::CommandSearch_Click() {
    // Keys can still reach the covered controls during a scan; one scan at a time.
    if (searchRunning_)
        return;
    Search_Scope scope;
    if (!readScope(scope))
        return;
    if (const QString name = comboBible_->currentData().toString();
        name != QLatin1String(Database_Bible_Name)) {
        searchTranslation(name, scope);
        return;
    }
    Found_Verses found;
    QString error;
    if (!Find_Verses(Data_Bible_Search(), textSearch_->text(), checkFold_->isChecked(), scope, found,
                     error)) {
        // Not "no verses": the database did not answer, and the user is told why.
        message(this, error, searchCaption());
        return;
    }
    if (found.rows.empty()) {
        message(this, tr("نتيجة البحث لا توجد آيات"), searchCaption());
        return;
    }
    runScan(textSearch_->text(), found);
}

void FrmBible_Select::searchTranslation(const QString& name, const Search_Scope& scope) {
    // Only a translation whose cache is built: reading a module whole would hold the
    // window for seconds, and the translations window builds it with a progress bar.
    const QString stamp = Sword_Module_Stamp(name);
    if (searched_.name != name || stamp.isEmpty() || stamp != searchedStamp_) {
        searched_ = Translation();
        searchedStamp_.clear();
        QString error;
        if (!Open_Translation(name, searched_, error, [](int) { return false; })) {
            searched_ = Translation();
            message(this, tr("الترجمة %1 غير جاهزة للبحث: اخترها فى \"ترجمات الكتاب المقدس\" أولا").arg(name),
                    searchCaption());
            return;
        }
        searchedStamp_ = stamp;
    }
    const QString term = textSearch_->text();
    Scan_Outcome outcome =
        Search_Translation(searched_, term, checkFold_->isChecked(), scope, Current_Interface_Language());
    if (outcome.hits == 0) {
        message(this, tr("نتيجة البحث لا توجد آيات"), searchCaption());
        return;
    }
    const QPointer<FrmBible_Select> self(this);
    Main_Commands_Lock lock;
    showOutcome(term, outcome, lock);
    if (self)
        progressBar1_->setValue(100); // hidden: no repaint
}

void FrmBible_Select::runScan(const QString& term, const Found_Verses& found) {
    const QPointer<FrmBible_Select> self(this);
    Main_Commands_Lock lock;
    pictureCancel_->show();
    pictureCancel_->raise();
    commandCancel_->setFocus();
    progressBar1_->setValue(0);
    cancelSearch_ = false;
    searchRunning_ = true;

    Scan_Figures figures;
    QElapsedTimer scanTimer;
    scanTimer.start();
    qint64 lastHandOver = 0; // on scanTimer
    const qint64 intervalNs = qint64(yieldInterval) * 1000000;
    int lastPercent = 0;
    const Scan_Outcome outcome = Scan_Found(
        found,
        [&](int percent) {
            lastPercent = percent;
            const qint64 now = scanTimer.nsecsElapsed();
            // On the budget alone: a search shorter than the budget never paints its
            // searching state, which would cost more than the search itself.
            if (now - lastHandOver >= intervalNs) {
                figures.longestGapNs = std::max(figures.longestGapNs, now - lastHandOver);
                // The bar repaints at once on every change; it is moved only when the event
                // loop runs, the only time the window can change anyway.
                progressBar1_->setValue(percent);
                QCoreApplication::processEvents();
                lastHandOver = scanTimer.nsecsElapsed();
                figures.yieldNs += lastHandOver - now;
                ++figures.yields;
                if (!self)
                    return false; // the window was destroyed meanwhile: touch nothing of it
            }
            return !cancelSearch_;
        },
        Current_Interface_Language());
    figures.hits = outcome.hits;
    figures.scanNs = scanTimer.nsecsElapsed();
    lastScan = figures;
    if (!self)
        return;
    searchRunning_ = false;

    if (outcome.cancelled) {
        pictureCancel_->hide();
        // A close during the scan has already closed the window; it stays closed.
        closePending_ = false;
        lock.Release();
        return;
    }

    // Only a finished search replaces the results, so an open results window never
    // pages through a half-done search.
    if (showOutcome(term, outcome, lock))
        progressBar1_->setValue(lastPercent); // hidden: no repaint
}

bool FrmBible_Select::showOutcome(const QString& term, const Scan_Outcome& outcome,
                                  Main_Commands_Lock& lock) {
    const QPointer<FrmBible_Select> self(this);
    Keep_Results(outcome.pages);
    message(this, tr("نتيجة البحث ") + Num_Text(qint64(outcome.hits)) + tr(" آية "), searchCaption());
    if (Page_Count >= 2)
        message(this, tr("نتيجة البحث فى عدد ") + Num_Text(qint64(Page_Count)) + tr(" جزئ "),
                searchCaption());
    lock.Release();
    if (!self)
        return false;
    pictureCancel_->hide();
    FrmView_Search* results = FrmView_Search::Show_Window();
    results->setWindowTitle(tr("مجال البحث : ") + term);
    return true;
}

void FrmBible_Select::CommandCancel_Click() {
    cancelSearch_ = true;
}

void FrmBible_Select::CommandExit_Click() {
    closeWindow();
}

void FrmBible_Select::closeWindow() {
    Placement_Widget(this)->close();
}

void FrmBible_Select::closeEvent(QCloseEvent* event) {
    instance.Forget(this);
    cancelSearch_ = true;
    if (searchRunning_)
        closePending_ = true;
    event->accept();
}

bool FrmBible_Select::keyPressed(QObject* watched, int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CommandSearch_Click();
        return true;
    case Qt::Key_Escape:
        closeWindow();
        return true;
    case Qt::Key_Space:
        if (watched != list3_)
            return false;
        List1_DblClick();
        return true;
    case Qt::Key_Delete:
        if (watched != list2_)
            return false;
        List2_DblClick();
        return true;
    default:
        return false;
    }
}

bool FrmBible_Select::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && keyPressed(watched, static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

} // namespace Lectarium
