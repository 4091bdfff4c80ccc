#include "bible/frm_bible_view.h"

#include "base/basic_text.h"
#include "base/settings.h"
#include "bible/chapter.h"
#include "bible/chosen_bibles.h"
#include "lectionary/bible_books.h"
#include "lectionary/passage.h"
#include "readings/whole_day.h"
#include "shell/appearance.h"
#include "shell/dialogs.h"
#include "shell/interface_translation.h"
#include "shell/paragraph_layout.h"
#include "shell/reading_box.h"
#include "shell/single_window.h"
#include "shell/text_source.h"
#include "shell/toolbar_images.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

Single_Window<FrmBible_View> instance;

constexpr int minimumWidthTwips = 6500;
constexpr int minimumHeightTwips = 4000;
constexpr int bandHeightTwips = 420;
constexpr int panelWidthTwips = 6315;

// The lists use the text font, never below a readable size nor too large for the band.
QFont listFont() {
    QFont font = Text_Font();
    font.setPointSizeF(std::clamp(font.pointSizeF(), 12.0, 16.0));
    return font;
}

// "الأصحاح رقم  " and the number with its leading blank: three blanks in all.
QString chapterComboText(Integer chapter) {
    return FrmBible_View::tr("الأصحاح رقم  ") + Num_Text(qint64(chapter));
}

} // namespace

FrmBible_View* FrmBible_View::Instance() {
    return instance.Get();
}

FrmBible_View* FrmBible_View::Show_Window() {
    if (FrmBible_View* open = instance.Bring_Forward())
        return open;
    FrmBible_View* form = instance.Keep(new FrmBible_View());
    Show_Child(form, "FrmBible_View");
    form->Form_Load();
    return form;
}

FrmBible_View::FrmBible_View() {
    setObjectName(QStringLiteral("FrmBible_View"));
    setWindowTitle(tr("Bible View"));
    setLayoutDirection(Window_Direction());
    setWindowIcon(Toolbar_Image(2));

    toolbar2_ = new QWidget(this);
    toolbar2_->setObjectName(QStringLiteral("Toolbar2"));
    toolbar2_->setAutoFillBackground(true);
    toolbar2_->setBackgroundRole(QPalette::Button);

    pictureBible_ = new QWidget(toolbar2_);
    pictureBible_->setObjectName(QStringLiteral("Picture_Bible"));
    auto* panel = new QHBoxLayout(pictureBible_);
    panel->setContentsMargins(2, 2, 2, 2);

    const std::array<QString, 2> testaments{tr("قديم"), tr("جديد")};
    for (int i = 0; i < 2; ++i) {
        option1_[i] = new QRadioButton(testaments[i], pictureBible_);
        option1_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        connect(option1_[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    combo2_ = new QComboBox(pictureBible_);
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo2_->setEditable(true);
    combo2_->setInsertPolicy(QComboBox::NoInsert);
    combo2_->setMinimumContentsLength(13);
    combo1_ = new QComboBox(pictureBible_);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->setMinimumContentsLength(24);
    // Typing picks a book or chapter: the list offers every name that holds what was
    // typed, and Enter on a whole name chooses it.
    for (QComboBox* combo : {combo1_, combo2_}) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->completer()->setFilterMode(Qt::MatchContains);
        combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
        Align_Items(combo->view());
        Align_Items(combo->completer()->popup());
    }
    connect(combo1_, &QComboBox::activated, this, &FrmBible_View::Combo1_Click);
    connect(combo2_, &QComboBox::activated, this, &FrmBible_View::Combo2_Click);
    // A chapter number typed and Enter go to that chapter, as its name from the list does.
    connect(combo2_->lineEdit(), &QLineEdit::returnPressed, this, &FrmBible_View::Combo2_Typed);
    panel->addWidget(option1_[0]);
    panel->addWidget(option1_[1]);
    panel->addWidget(combo1_, 3);
    panel->addWidget(combo2_, 2);

    text1_ = new Reading_Box(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setFont(QFont(QStringLiteral("Arabic Transparent")));

    applyListFont();
    Track_Text_Source(this, text1_, Bible_View_Text_Source, [this] {
        if (combo1_->font() != listFont())
            applyListFont();
    });
    // A stored size below the smallest one opens at the smallest.
    // and never narrower than the selection controls, so the testaments stay in view.
    resize(std::max(To_Pixels(std::max<int>(FrmBible_View_Width, minimumWidthTwips)), pictureBible_->width()),
           To_Pixels(std::max<int>(FrmBible_View_Height, minimumHeightTwips)));
}

FrmBible_View::~FrmBible_View() = default;

void FrmBible_View::Form_Load() {
    Take_Text_Source(this);
    option1_[0]->setChecked(true);
    currentBook_ = 1;
    currentChapter_ = 1;
    text1_->clear();
    fillBookList(1, Old_Testament_Books);
    combo1_->setEditText(Book_Name_In(int(currentBook_), Current_Interface_Language()));
    fillChapterList();
    combo2_->setEditText(chapterComboText(currentChapter_));
    Show_Chapter();
}

void FrmBible_View::fillBookList(int first, int last) {
    combo1_->clear();
    for (int book = first; book <= last; ++book)
        combo1_->addItem(Book_Name_In(int(book), Current_Interface_Language()));
    widenList(combo1_);
}

void FrmBible_View::fillChapterList() {
    combo2_->clear();
    for (int i = 1; i <= Chapter_Counts[currentBook_]; ++i)
        combo2_->addItem(tr("أصحاح رقم ") + Num_Text(qint64(i)));
    widenList(combo2_);
}

void FrmBible_View::widenList(QComboBox* combo) {
    // The drop-down list shows every name whole, however narrow the box.
    const QFontMetrics metrics(combo->font());
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(combo->itemText(i)));
    combo->view()->setMinimumWidth(widest + 2 * metrics.averageCharWidth() +
                                   combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void FrmBible_View::applyListFont() {
    const QFont font = listFont();
    for (QComboBox* combo : {combo1_, combo2_}) {
        combo->setFont(font);
        combo->view()->setFont(font);
        widenList(combo);
    }
    for (QRadioButton* option : option1_)
        option->setFont(font);
    const QSize panel = pictureBible_->sizeHint();
    pictureBible_->setFixedSize(std::max(To_Pixels(panelWidthTwips), panel.width()),
                                std::max(To_Pixels(bandHeightTwips), panel.height()));
    Form_Resize();
}

void FrmBible_View::Show_Chapter() {
    setWindowTitle(Book_Name_In(int(currentBook_), Current_Interface_Language()) + QStringLiteral("  -  ") +
                   tr("الأصحاح رقم  ") + Num_Text(qint64(currentChapter_)));
    // The chapter in the reader's translations side by side, when more than the
    // database's Bible is chosen.
    const QList<QStringList> rows = Chosen_Chapter_Rows(currentBook_, currentChapter_);
    tableHtml_ = rows.isEmpty() ? QString() : Chosen_Chapter_Html(currentBook_, currentChapter_);
    if (rows.isEmpty())
        text1_->Set_Text(Get_Chapter(currentBook_, currentChapter_));
    else
        text1_->Set_Table(rows);
}

void FrmBible_View::Option1_Click(int index) {
    option1_[index]->setChecked(true);
    if (index == 0) {
        fillBookList(1, Old_Testament_Books);
        currentBook_ = 1;
    } else {
        fillBookList(Old_Testament_Books + 1, Book_Count);
        currentBook_ = Old_Testament_Books + 1;
    }
    combo1_->setEditText(Book_Name_In(int(currentBook_), Current_Interface_Language()));
    fillChapterList();
    currentChapter_ = 1;
    combo2_->setEditText(chapterComboText(currentChapter_));
    Show_Chapter();
}

void FrmBible_View::Combo1_Click() {
    const int position = combo1_->currentIndex();
    if (position < 0)
        return;
    currentBook_ = static_cast<Integer>(position + (option1_[0]->isChecked() ? 1 : Old_Testament_Books + 1));
    fillChapterList();
    currentChapter_ = 1;
    combo2_->setEditText(tr("أصحاح رقم 1"));
    Show_Chapter();
}

void FrmBible_View::Combo2_Typed() {
    const QString typed = combo2_->currentText().trimmed();
    if (combo2_->findText(typed) >= 0)
        return; // a chapter's own name: the list has taken it
    // The digits typed (Arabic-Indic ones too), whatever words stand around them.
    QString digits;
    for (const QChar ch : typed)
        if (ch.digitValue() >= 0)
            digits += QChar(u'0' + ch.digitValue());
    bool number = false;
    const int chapter = digits.toInt(&number);
    const int count = Chapter_Counts[currentBook_];
    if (!number || chapter < 1 || chapter > count) {
        Dialogs().Message(this,
                          tr("لا يوجد أصحاح \"%1\" فى %2: اكتب رقما من 1 إلى %3")
                              .arg(typed, Book_Name_In(int(currentBook_), Current_Interface_Language()))
                              .arg(count),
                          windowTitle(), Msg_Buttons::Ok, Msg_Icon::Exclamation);
        combo2_->setEditText(chapterComboText(currentChapter_));
        return;
    }
    combo2_->setCurrentIndex(chapter - 1);
    Combo2_Click();
}

void FrmBible_View::Combo2_Click() {
    const int position = combo2_->currentIndex();
    if (position < 0)
        return;
    currentChapter_ = static_cast<Integer>(position + 1);
    Show_Chapter();
}

void FrmBible_View::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void FrmBible_View::Form_Resize() {
    QWidget* window = Placement_Widget(this);
    if (window->isMinimized())
        return;
    // The frame springs back to its smallest size; the form is laid out all the same, so
    // the first showing is right even before the frame's new size arrives.
    // The smallest width also keeps the whole selection panel in view.
    const int panelOuter = pictureBible_->width() + window->width() - width();
    Spring_Back(window, std::max(minimumWidthTwips, To_Twips(panelOuter)), minimumHeightTwips);
    const int band = pictureBible_->height();
    toolbar2_->setGeometry(0, 0, width(), band);
    text1_->setGeometry(0, band, width(), std::max(0, height() - band));
    pictureBible_->move(std::max(0, (width() - pictureBible_->width()) / 2), 0);
}

QString FrmBible_View::Print_Title() const {
    return windowTitle();
}

QString FrmBible_View::Print_Html() const {
    return tableHtml_.isEmpty() ? Text_Page_Html(Print_Title(), text1_->Text())
                                : Table_Page_Html(Print_Title(), tableHtml_);
}

QString FrmBible_View::Where_Reference() const {
    if (currentBook_ < 1 || currentBook_ > Book_Count)
        return QString();
    return Bible_Books[static_cast<size_t>(currentBook_)].Abbreviation + QLatin1Char(' ') +
           QString::number(currentChapter_);
}

void FrmBible_View::closeEvent(QCloseEvent* event) {
    instance.Forget(this);
    Leave_Text_Source(this);
    event->accept();
}

} // namespace Lectarium
