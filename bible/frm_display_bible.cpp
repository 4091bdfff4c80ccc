#include "bible/frm_display_bible.h"

#include "base/settings.h"
#include "bible/chosen_bibles.h"
#include "documents/text_file.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"
#include "readings/whole_day.h"
#include "shell/appearance.h"
#include "shell/interface_translation.h"
#include "shell/reading_box.h"
#include "shell/single_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

Single_Window<FrmDisplay_Bible> instance;

constexpr int minimumWidthTwips = 3000;
constexpr int minimumHeightTwips = 2500;
constexpr int bandHeightTwips = 420;
constexpr int headingWidthTwips = 2895;
// Wide enough for a line of verse at the text size.
constexpr int readableWidthTwips = 6300;

} // namespace

FrmDisplay_Bible* FrmDisplay_Bible::Instance() {
    return instance.Get();
}

FrmDisplay_Bible* FrmDisplay_Bible::Show_Text(const QString& heading, const QString& body,
                                              const QString& caption, const QWidget* beside) {
    instance.Close();
    auto* form = instance.Keep(new FrmDisplay_Bible());
    form->Form_Load();
    form->heading_ = heading;
    form->textSign_->setText(Shown_Reference(Reference_In(heading, Current_Interface_Language())));
    // The passage in the reader's translations side by side, when more than the
    // database's Bible is chosen.
    if (const QList<QStringList> rows = Chosen_Passage_Rows(heading); !rows.isEmpty()) {
        form->text1_->Set_Table(rows);
        form->tableHtml_ = Chosen_Passage_Html(heading);
    } else
        form->text1_->Set_Text(Chapter_Headings_In(body, Current_Interface_Language()));
    form->setWindowTitle(caption);
    if (QMdiSubWindow* sub = Show_Child(form, "FrmDisplay_Bible"))
        keepBeside(sub, beside);
    return form;
}

void FrmDisplay_Bible::keepBeside(QMdiSubWindow* sub, const QWidget* beside) {
    const auto* other =
        beside ? qobject_cast<const QMdiSubWindow*>(Placement_Widget(const_cast<QWidget*>(beside))) : nullptr;
    if (!other || other->mdiArea() != sub->mdiArea() || !other->isVisible() || other->isMaximized() ||
        sub->isMaximized() || !sub->geometry().intersects(other->geometry()))
        return;
    const QRect area = sub->mdiArea()->viewport()->rect();
    const QRect avoid = other->geometry();
    const int gap = 4;
    const int width = std::max(sub->width(), To_Pixels(readableWidthTwips));
    const int height = std::max(sub->height(), avoid.height());
    // On the side with room for it, else on the side with more room.
    const int right = area.right() - avoid.right() - gap;
    const int left = avoid.left() - area.left() - gap;
    QRect place(0, avoid.top(), width, height);
    if (right >= width || right >= left) {
        place.setWidth(std::max(std::min(width, right), To_Pixels(minimumWidthTwips)));
        place.moveLeft(avoid.right() + 1 + gap);
    } else {
        place.setWidth(std::max(std::min(width, left), To_Pixels(minimumWidthTwips)));
        place.moveRight(avoid.left() - 1 - gap);
    }
    // Where neither side has room, it overlaps as little as it can and stays in view.
    if (place.right() > area.right())
        place.moveRight(area.right());
    if (place.left() < area.left())
        place.moveLeft(area.left());
    sub->setGeometry(place);
}

FrmDisplay_Bible::FrmDisplay_Bible() {
    setObjectName(QStringLiteral("FrmDisplay_Bible"));
    setWindowTitle(tr("Display Bible"));
    setLayoutDirection(Window_Direction());

    toolbar1_ = new QWidget(this);
    toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar1_->setAutoFillBackground(true);
    toolbar1_->setBackgroundRole(QPalette::Button);

    textSign_ = new QLineEdit(toolbar1_);
    textSign_->setObjectName(QStringLiteral("Text_Sign"));
    QFont headingFont(QStringLiteral("Arabic Transparent"), 12);
    headingFont.setBold(true);
    textSign_->setFont(headingFont);
    textSign_->setAlignment(Qt::AlignCenter);
    Set_Reference_Box(textSign_);
    textSign_->setFixedWidth(To_Pixels(headingWidthTwips));

    text1_ = new Reading_Box(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont bodyFont(QStringLiteral("Arabic Transparent"));
    bodyFont.setPointSizeF(14.25);
    text1_->setFont(bodyFont);

    textSign_->installEventFilter(this);
    text1_->installEventFilter(this);
    resize(To_Pixels(FrmDisplay_Bible_Width), To_Pixels(FrmDisplay_Bible_Height));
}

FrmDisplay_Bible::~FrmDisplay_Bible() = default;

void FrmDisplay_Bible::Form_Load() {
    // The placement is taken when the window is put into the frame.
    Apply_Appearance();
}

void FrmDisplay_Bible::Apply_Appearance() {
    Apply_Text_Appearance(text1_);
}

void FrmDisplay_Bible::focusInEvent(QFocusEvent* event) {
    Apply_Appearance();
    QWidget::focusInEvent(event);
}

bool FrmDisplay_Bible::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        Apply_Appearance();
    } else if (event->type() == QEvent::KeyPress) {
        // A pop-up reader: any key closes it.
        if (static_cast<QKeyEvent*>(event)->key() != 0) {
            Placement_Widget(this)->close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmDisplay_Bible::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void FrmDisplay_Bible::Form_Resize() {
    QWidget* window = Placement_Widget(this);
    if (window->isMinimized())
        return;
    if (Spring_Back(window, minimumWidthTwips, minimumHeightTwips))
        return;
    const QSize outer = window->size();
    // Sizes follow the outer window; the body never reaches past the form.
    const int band = To_Pixels(bandHeightTwips);
    toolbar1_->setGeometry(0, 0, width(), band);
    textSign_->setGeometry(std::max(0, (outer.width() - To_Pixels(2975)) / 2), 0,
                           To_Pixels(headingWidthTwips), band);
    const int bodyWidth = std::min(outer.width() - To_Pixels(105), width());
    const int bodyHeight = std::min(outer.height() - To_Pixels(825), height() - band);
    text1_->setGeometry(0, band, std::max(0, bodyWidth), std::max(0, bodyHeight));
}

QString FrmDisplay_Bible::Print_Title() const {
    return windowTitle() + QStringLiteral(" - ") + Reference_Text_Of(textSign_);
}

QString FrmDisplay_Bible::Print_Html() const {
    return tableHtml_.isEmpty() ? Text_Page_Html(Print_Title(), text1_->Text())
                                : Table_Page_Html(Print_Title(), tableHtml_);
}

QString FrmDisplay_Bible::Where_Reference() const {
    // The stored reference: the box may show it in English, which the index does not know.
    return Plain_Reference(heading_).trimmed();
}

void FrmDisplay_Bible::closeEvent(QCloseEvent* event) {
    instance.Forget(this);
    event->accept();
}

} // namespace Lectarium
