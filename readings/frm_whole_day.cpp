#include "readings/frm_whole_day.h"
#include "base/program_files.h"
#include "bible/chosen_bibles.h"

#include "calendar/classify_day.h"
#include "calendar/selected_day.h"
#include "lectionary/passage.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_lectern.h"
#include "readings/frm_pain.h"
#include "shell/appearance.h"
#include "shell/interface_translation.h"
#include "shell/reading_box.h"
#include "shell/single_window.h"
#include "shell/text_source.h"

#include <QCloseEvent>
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

FrmWhole_Day* FrmWhole_Day::Show_Window(const Day_State& day) {
    return Show_Window(day, Current_Interface_Language());
}

FrmWhole_Day* FrmWhole_Day::Show_Window(const Day_State& day, Interface_Language language) {
    FrmWhole_Day* form = instance.Get();
    if (!form) {
        form = instance.Keep(new FrmWhole_Day());
        Show_Child(form);
    }
    form->language_ = language;
    form->setLayoutDirection(language == Interface_Language::English ? Qt::LeftToRight : Qt::RightToLeft);
    form->showDay(day);
    Bring_Forward(form);
    form->text1_->setFocus();
    return form;
}

void FrmWhole_Day::Follow_Day(const Day_State& day) {
    if (FrmWhole_Day* form = instance.Get())
        form->showDay(day);
}

void FrmWhole_Day::showDay(const Day_State& day) {
    day_ = day;
    {
        const Day_State_In_Place inPlace(day);
        document_ = Read_Whole_Day(Database_Path, language_);
    }
    // The psalms by the church's numbers, the Hebrew beside, in the window and its printout;
    // English readers' Bibles number them the Hebrew way, as the references are kept.
    if (language_ != Interface_Language::English)
        for (Whole_Day_Part& part : document_.parts)
            for (Whole_Day_Entry& entry : part.entries)
                entry.reference = Church_Psalm_Reference(entry.reference);
    if (const QList<QStringList> rows = sideBySideRows(); !rows.isEmpty())
        text1_->Set_Table(rows);
    else
        text1_->Set_Text(Whole_Day_Text(document_));
    setWindowTitle(Whole_Day_Title(document_));
}

// The day's lines as Whole_Day_Text lays them out, each passage in the reader's
// translations side by side; empty when no passage has a verse in them.
QList<QStringList> FrmWhole_Day::sideBySideRows() const {
    QList<QStringList> rows;
    bool any = false;
    const auto lines = [&rows](const QString& text) {
        for (const QString& line : text.split(QLatin1Char('\n')))
            rows << QStringList{line};
    };
    lines(Whole_Day_Title(document_));
    lines(document_.dateLines.join(QLatin1Char('\n')));
    if (!document_.occasion.isEmpty())
        lines(document_.occasion);
    if (!document_.fast.isEmpty())
        lines(document_.fast);
    for (const Whole_Day_Part& part : document_.parts) {
        rows << QStringList{QString()} << QStringList{part.caption};
        for (const Whole_Day_Entry& entry : part.entries) {
            rows << QStringList{Whole_Day_Entry_Heading(entry, document_.language)};
            const QList<QStringList> passage = Chosen_Passage_Rows(Stored_Psalm_Reference(entry.reference));
            any = any || !passage.isEmpty();
            if (!passage.isEmpty())
                rows += passage;
            else if (!entry.text.isEmpty())
                lines(entry.text);
        }
        if (!part.text.isEmpty())
            lines(part.text);
    }
    return any ? rows : QList<QStringList>();
}

FrmWhole_Day::FrmWhole_Day() {
    setObjectName(QStringLiteral("FrmWhole_Day"));
    setWindowTitle(Whole_Day_Title());
    setLayoutDirection(Window_Direction());
    text1_ = new Reading_Box(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text1_);
    Apply_Text_Appearance(text1_);
    Track_Text_Source(this, text1_, Whole_Day_Text_Source);
    Add_Lectern_Commands(this, {text1_}, [this] { return day_; });
    resize(To_Pixels(9000), To_Pixels(7000));
}

FrmWhole_Day::~FrmWhole_Day() = default;

QString Whole_Day_Title() {
    return FrmWhole_Day::tr("قراءات اليوم كاملة");
}

QString FrmWhole_Day::Print_Title() const {
    return Whole_Day_Title(document_);
}

QString FrmWhole_Day::Print_Date() const {
    return document_.dateLines.join(QStringLiteral(" - "));
}

QString FrmWhole_Day::Print_Html() const {
    return Whole_Day_Html(document_, [](const Whole_Day_Entry& entry) {
        const QString table = Chosen_Passage_Html(Stored_Psalm_Reference(entry.reference));
        return table.isEmpty() ? Whole_Day_Lines_Html(entry.text) : table;
    });
}

void FrmWhole_Day::closeEvent(QCloseEvent* event) {
    instance.Forget(this);
    event->accept();
}

void Show_Whole_Day() {
    if (const FrmDisplay_Reading* readings = FrmDisplay_Reading::Instance()) {
        FrmWhole_Day::Show_Window(readings->Shown_Day());
        return;
    }
    if (const FrmPain* pain = FrmPain::Instance()) {
        FrmWhole_Day::Show_Window(pain->Shown_Day());
        return;
    }
    // The chooser's day processed as its Show does (a second Show gives the same),
    // without touching the state the chooser and the other windows share.
    Day_State day;
    {
        const Day_State_In_Place inPlace(Current_Day_State());
        Classify_Day(Selected_Date.isValid() ? Selected_Date : Today(), Day_Stage::Shown);
        day = Current_Day_State();
    }
    FrmWhole_Day::Show_Window(day);
}

QPushButton* Add_Whole_Day_Button(QWidget* parent, const QRect& area, std::function<Day_State()> day) {
    auto* button = new QPushButton(Whole_Day_Title(), parent);
    button->setObjectName(QStringLiteral("Command_Whole_Day"));
    button->setGeometry(area);
    QObject::connect(button, &QPushButton::clicked, parent,
                     [day = std::move(day)] { FrmWhole_Day::Show_Window(day()); });
    return button;
}

} // namespace Lectarium
