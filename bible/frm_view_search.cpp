#include "bible/frm_view_search.h"

#include "base/basic_text.h"
#include "base/settings.h"
#include "bible/chosen_bibles.h"
#include "bible/search.h"
#include "documents/text_file.h"
#include "readings/whole_day.h"
#include "shell/appearance.h"
#include "shell/interface_translation.h"
#include "shell/reading_box.h"
#include "shell/single_window.h"
#include "shell/text_source.h"
#include "shell/toolbar_images.h"

#include <QCloseEvent>
#include <QColor>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>

#include <algorithm>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

Single_Window<FrmView_Search> instance;

constexpr int minimumSizeTwips = 4000;
constexpr int bandHeightTwips = 420;
constexpr int panelWidthTwips = 3800;
constexpr int arrowWidthTwips = 700;

// The words, then the number with its leading blank: three blanks before the digits.
QString pageLabel(int page) {
    return FrmView_Search::tr("الجـــزئ رقـــــم  ") + Num_Text(qint64(page));
}

QString page(int number) {
    return number >= 1 && number < Result_Pages.size() ? Result_Pages[number] : QString();
}

// The verses of a page, a span each.
QList<Passage_Span> pageVerses(int number) {
    QList<Passage_Span> spans;
    if (number >= 1 && number < Result_Verses.size())
        for (const Hit_Verse& hit : Result_Verses[number])
            if (hit.book > 0)
                spans << Passage_Span{hit.book, hit.chapter, hit.verse, hit.verse};
    return spans;
}

// A page of results in the box, the term marked where the search found it; in the
// reader's translations side by side when more than one is chosen (the marks then
// stay with the single text).
void showResults(Reading_Box* box, int number) {
    if (const QList<QStringList> rows = Chosen_Verses_Rows(pageVerses(number)); !rows.isEmpty()) {
        box->Set_Table(rows);
        return;
    }
    QList<Text_Span> hits;
    if (number >= 1 && number < Result_Marks.size())
        for (const Hit_Mark& mark : Result_Marks[number])
            hits.append({mark.start, mark.length});
    QTextCharFormat hit;
    hit.setBackground(QColor(255, 225, 110));
    box->Set_Text(page(number), hits, hit);
}

} // namespace

FrmView_Search* FrmView_Search::Instance() {
    return instance.Get();
}

FrmView_Search* FrmView_Search::Show_Window() {
    FrmView_Search* form = instance.Bring_Forward();
    if (!form) {
        form = instance.Keep(new FrmView_Search());
        Show_Child(form, "FrmView_Search");
    }
    form->Form_Load(); // the open window shows the new results too
    return form;
}

FrmView_Search::FrmView_Search() {
    setObjectName(QStringLiteral("FrmView_Search"));
    setLayoutDirection(Window_Direction());
    setWindowIcon(Toolbar_Image(3));

    toolbar2_ = new QWidget(this);
    toolbar2_->setObjectName(QStringLiteral("Toolbar2"));
    toolbar2_->setAutoFillBackground(true);
    toolbar2_->setBackgroundRole(QPalette::Button);

    pictureBible_ = new QWidget(toolbar2_);
    pictureBible_->setObjectName(QStringLiteral("Picture_Bible"));
    pictureBible_->setFixedSize(To_Pixels(panelWidthTwips), To_Pixels(bandHeightTwips));
    auto* panel = new QHBoxLayout(pictureBible_);
    panel->setContentsMargins(2, 2, 2, 2);
    command1_ = new QPushButton(QStringLiteral(">>"), pictureBible_);
    command1_->setObjectName(QStringLiteral("Command1"));
    command2_ = new QPushButton(QStringLiteral("<<"), pictureBible_);
    command2_->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* b : {command1_, command2_}) {
        b->setLayoutDirection(Qt::LeftToRight);       // the arrows as drawn
        b->setFixedWidth(To_Pixels(arrowWidthTwips)); // the label takes the rest
    }
    label1_ = new QLabel(tr("الجـــزء رقـــــم  1"), pictureBible_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    // Right to left: ">>" at the right, the label, "<<" at the left.
    panel->addWidget(command1_);
    panel->addWidget(label1_, 1);
    panel->addWidget(command2_);
    connect(command1_, &QPushButton::clicked, this, &FrmView_Search::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &FrmView_Search::Command2_Click);

    text1_ = new Reading_Box(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Track_Text_Source(this, text1_, Search_Results_Text_Source);
    resize(To_Pixels(FrmView_Search_Width), To_Pixels(FrmView_Search_Height));
}

FrmView_Search::~FrmView_Search() = default;

void FrmView_Search::Form_Load() {
    Take_Text_Source(this);
    showResults(text1_, 1);
    currentPage_ = 1;
    const bool paged = Page_Count > 1;
    label1_->setText(paged ? pageLabel(1) : QString());
    command1_->setVisible(paged);
    command2_->setVisible(paged);
}

void FrmView_Search::showPage(int number) {
    showResults(text1_, number);
    label1_->setText(pageLabel(number));
}

void FrmView_Search::Command1_Click() {
    if (currentPage_ <= 1)
        return;
    --currentPage_;
    showPage(currentPage_);
}

void FrmView_Search::Command2_Click() {
    if (currentPage_ >= Page_Count)
        return;
    ++currentPage_;
    showPage(currentPage_);
}

void FrmView_Search::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void FrmView_Search::Form_Resize() {
    QWidget* window = Placement_Widget(this);
    if (window->isMinimized())
        return;
    // The frame springs back to its smallest size; the form then fills it.
    if (Spring_Back(window, minimumSizeTwips, minimumSizeTwips))
        return;
    const int band = To_Pixels(bandHeightTwips);
    toolbar2_->setGeometry(0, 0, width(), band);
    text1_->setGeometry(0, band, width(), std::max(0, height() - band));
    pictureBible_->move(std::max(0, (width() - pictureBible_->width()) / 2), 0);
}

QString FrmView_Search::Print_Title() const {
    return windowTitle() + QStringLiteral(" - ") + QString::number(currentPage_);
}

QString FrmView_Search::Print_Html() const {
    const QString table = Chosen_Verses_Html(pageVerses(currentPage_));
    return table.isEmpty() ? Text_Page_Html(Print_Title(), text1_->Text())
                           : Table_Page_Html(Print_Title(), table);
}

void FrmView_Search::closeEvent(QCloseEvent* event) {
    instance.Forget(this);
    Leave_Text_Source(this);
    event->accept();
}

} // namespace Lectarium
