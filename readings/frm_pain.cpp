#include "readings/frm_pain.h"
#include "base/program_files.h"

#include "base/settings.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/statements.h"
#include "readings/frm_lectern.h"
#include "readings/frm_whole_day.h"
#include "readings/holy_week.h"
#include "readings/reading_texts.h"
#include "shell/appearance.h"
#include "shell/interface_translation.h"
#include "shell/paragraph_layout.h"
#include "shell/reading_box.h"
#include "shell/single_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

Single_Window<FrmPain> instance;

constexpr int minimumWidthTwips = 5970;
constexpr int minimumHeightTwips = 4000;

} // namespace

Integer FrmPain::dayKey() const {
    return static_cast<Integer>(day_.painDay + 1);
}

FrmPain* FrmPain::Instance() {
    return instance.Get();
}

FrmPain* FrmPain::Load() {
    instance.Close();
    auto* form = instance.Keep(new FrmPain());
    form->Form_Load();
    return form;
}

FrmPain* FrmPain::Reload() {
    FrmPain* form = Load();
    form->Show_Window();
    return form;
}

FrmPain::FrmPain() {
    setObjectName(QStringLiteral("FrmPain"));
    setLayoutDirection(Window_Direction());
    const QFont arabic(QStringLiteral("Arabic Transparent"), 12);

    textHidder_ = new QLineEdit(this);
    textHidder_->setObjectName(QStringLiteral("Text_Hidder"));
    textHidder_->setFont(arabic);
    textHidder_->setAlignment(Qt::AlignCenter);
    Set_Reference_Box(textHidder_);

    textView_ = new Reading_Box(this);
    textView_->setObjectName(QStringLiteral("Text_View"));
    textView_->setFont(arabic);
    textView_->setTabChangesFocus(true);

    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setFont(arabic);
    // Hour names are shown whole, on two lines where they must.
    list1_->setWordWrap(true);
    list1_->setTextElideMode(Qt::ElideNone);
    list1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Align_Items(list1_);
    connect(list1_, &QListWidget::currentRowChanged, this, &FrmPain::List1_Click);

    for (QWidget* control : {static_cast<QWidget*>(list1_), static_cast<QWidget*>(textHidder_),
                             static_cast<QWidget*>(textView_)})
        control->installEventFilter(this);
    // Under the text, where it covers neither the heading nor the text.
    wholeDay_ =
        Add_Whole_Day_Button(this, QRect(0, 0, To_Pixels(1800), To_Pixels(390)), [this] { return day_; });
    Add_Lectern_Commands(this, {textView_}, [this] { return day_; });
    resize(To_Pixels(FrmPain_Width), To_Pixels(FrmPain_Height));
}

FrmPain::~FrmPain() = default;

void FrmPain::Form_Load() {
    day_ = Current_Day_State();
    Apply_Appearance();
    // From here on a failing read only leaves the list or the boxes empty.
    dataPain_.setDatabaseName(Database_Path);
    dataPain_.setRecordSource(Pain_Statement(dayKey()));
    dataPain_.refresh();
    {
        const QSignalBlocker blocker(list1_);
        list1_->clear();
        const Interface_Language language = Current_Interface_Language();
        for (const QString& hour : Read_Pain_Descriptions(dataPain_, dayKey()))
            list1_->addItem(Hour_Description_In(hour, language));
    }
    setWindowTitle(Caption_In(Holy_Week_Caption(Season_Day), Current_Interface_Language()));
}

void FrmPain::Show_Window() {
    QMdiSubWindow* sub = Show_Child(this, "FrmPain");
    if (sub) {
        // The hours are long texts: a window its reader never sized uses the frame.
        if (Integer_Setting_Is_Default(QStringLiteral("FrmPain_Width")) &&
            Integer_Setting_Is_Default(QStringLiteral("FrmPain_Height")))
            Use_Frame_Room(sub);
        // Activation shows the chosen hour again (the first one until the reader picks one).
        connect(sub, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates oldState, Qt::WindowStates newState) {
                    if (!(oldState & Qt::WindowActive) && (newState & Qt::WindowActive))
                        Form_Activate();
                });
    }
    Form_Activate();
}

void FrmPain::Form_Activate() {
    // The reader who steps to another window during the service comes back to the hour
    // they had chosen: the list is rebuilt, and starts at the first hour, only when the
    // day changes.
    if (list1_->count() > 0 && list1_->currentRow() < 0) {
        const QSignalBlocker blocker(list1_);
        list1_->setCurrentRow(0);
    }
    List1_Click();
}

void FrmPain::List1_Click() {
    textHidder_->clear();
    textView_->clear();
    const int index = list1_->currentRow();
    if (index < 0)
        return;
    const Pain_Entry entry = Read_Pain_Entry(dataPain_, index, dayKey(), Data_Bible());
    textHidder_->setText(Shown_Reference(Reference_In(entry.sign, Current_Interface_Language())));
    textView_->Set_Text(Chapter_Headings_In(entry.text, Current_Interface_Language()));
}

void FrmPain::Apply_Appearance() {
    Apply_Text_Appearance(textView_);
}

void FrmPain::focusInEvent(QFocusEvent* event) {
    Apply_Appearance();
    QWidget::focusInEvent(event);
}

bool FrmPain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        Apply_Appearance();
    // Enter on an entry opens its reading and hands the focus to the text to read on.
    if (watched == list1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            List1_Click();
            textView_->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmPain::changeEvent(QEvent* event) {
    // A window of its own (no main frame) is activated by the platform.
    if (event->type() == QEvent::ActivationChange && isWindow() && isActiveWindow())
        Form_Activate();
    QWidget::changeEvent(event);
}

void FrmPain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void FrmPain::Form_Resize() {
    QWidget* window = Placement_Widget(this);
    if (window->isMinimized())
        return;
    if (Spring_Back(window, minimumWidthTwips, minimumHeightTwips))
        return;
    const QSize outer = window->size();
    // The sizes follow the outer window; nothing reaches past the form.
    const int w = outer.width();
    const int h = outer.height();
    const int listLeft = w - To_Pixels(3375);
    // The list on the right of an Arabic window, on the left of an English one.
    list1_->setGeometry(
        In_Window_Direction(QRect(listLeft, 0, std::min(To_Pixels(3255), std::max(0, width() - listLeft)),
                                  std::max(0, std::min(h - To_Pixels(390), height()))),
                            width()));
    const int viewWidth = std::max(0, w - To_Pixels(3375));
    const int viewTop = To_Pixels(450);
    // The heading takes the width of the text, so that a long reference shows whole; the
    // whole-day button stands under the text, clear of both.
    const int buttonHeight = std::max(To_Pixels(390), wholeDay_->sizeHint().height());
    const int buttonTop = std::max(viewTop, height() - buttonHeight - 2);
    textView_->setGeometry(
        In_Window_Direction(QRect(0, viewTop, viewWidth, std::max(0, buttonTop - 2 - viewTop)), width()));
    textHidder_->setGeometry(In_Window_Direction(QRect(0, 0, viewWidth, To_Pixels(435)), width()));
    wholeDay_->setGeometry(In_Window_Direction(
        QRect(0, buttonTop, std::min(viewWidth, std::max(To_Pixels(1800), wholeDay_->sizeHint().width())),
              buttonHeight),
        width()));
}

void FrmPain::closeEvent(QCloseEvent* event) {
    instance.Forget(this);
    event->accept();
}

} // namespace Lectarium
