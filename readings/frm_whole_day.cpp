#include "readings/frm_whole_day.h"

#include "calendar/classify_day.h"
#include "calendar/selected_day.h"
#include "documents/frm_text.h"
#include "documents/text_file.h"
#include "shell/appearance.h"
#include "shell/paragraph_layout.h"
#include "shell/single_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

Single_Window<FrmWhole_Day> instance;

} // namespace

FrmWhole_Day* FrmWhole_Day::Instance() {
    return instance.Get();
}

FrmWhole_Day* FrmWhole_Day::Show_Window() {
    FrmWhole_Day* form = instance.Get();
    if (!form) {
        form = instance.Keep(new FrmWhole_Day());
        Show_Child(form);
    }
    form->document_ = Read_Whole_Day(Database_Path);
    form->text1_->setPlainText(Whole_Day_Text(form->document_));
    form->setWindowTitle(Whole_Day_Caption);
    Placement_Widget(form)->show();
    Placement_Widget(form)->raise();
    form->text1_->setFocus();
    return form;
}

FrmWhole_Day::FrmWhole_Day() {
    setObjectName(QStringLiteral("FrmWhole_Day"));
    setWindowTitle(Whole_Day_Caption);
    setLayoutDirection(Qt::RightToLeft);
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    Align_Paragraphs(text1_);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text1_);
    Apply_Text_Appearance(text1_);
    text1_->installEventFilter(this);
    Set_Text_Source(Whole_Day_Text_Source, text1_);
    resize(To_Pixels(9000), To_Pixels(7000));
}

FrmWhole_Day::~FrmWhole_Day() {
    Set_Text_Source(Whole_Day_Text_Source, nullptr);
}

void FrmWhole_Day::Take_Focus() {
    Active_Text_Source = Whole_Day_Text_Source;
    Set_Command_Enabled(Main_Command::Save, true);
    Apply_Text_Appearance(text1_);
}

void FrmWhole_Day::Lost_Focus() {
    Set_Command_Enabled(Main_Command::Save, false);
}

bool FrmWhole_Day::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        Take_Focus();
    else if (event->type() == QEvent::FocusOut)
        Lost_Focus();
    return QWidget::eventFilter(watched, event);
}

void FrmWhole_Day::closeEvent(QCloseEvent* event) {
    instance.Forget(this);
    event->accept();
}

void Show_Whole_Day() {
    // The selected day processed as the chooser's Show does (a second Show gives the
    // same), so that the document and the dates agree even after the chooser stepped.
    Classify_Day(Selected_Date.isValid() ? Selected_Date : Today(), Day_Stage::Shown);
    FrmWhole_Day::Show_Window();
}

QPushButton* Add_Whole_Day_Button(QWidget* parent, const QRect& area) {
    auto* button = new QPushButton(Whole_Day_Caption, parent);
    button->setObjectName(QStringLiteral("Command_Whole_Day"));
    button->setGeometry(area);
    QObject::connect(button, &QPushButton::clicked, parent, [] { Show_Whole_Day(); });
    return button;
}

} // namespace Lectarium
