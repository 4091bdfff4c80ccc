#include "readings/frm_display_reading.h"
#include "base/program_files.h"

#include "base/settings.h"
#include "bible/frm_display_bible.h"
#include "calendar/fasts.h"
#include "calendar/frm_select_day.h"
#include "lectionary/passage.h"
#include "lectionary/statements.h"
#include "readings/frm_lectern.h"
#include "readings/frm_pain.h"
#include "readings/frm_sant.h"
#include "readings/frm_whole_day.h"
#include "readings/holy_week.h"
#include "readings/reading_texts.h"
#include "readings/rites.h"
#include "readings/saint.h"
#include "shell/appearance.h"
#include "shell/dialogs.h"
#include "shell/interface_translation.h"
#include "shell/paragraph_layout.h"
#include "shell/reading_box.h"
#include "shell/single_window.h"
#include "shell/toolbar_images.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <iterator>
#include <utility>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

Single_Window<FrmDisplay_Reading> instance;

// The day's own words (offices, readings, buttons) in the reader's language.
QString inLanguage(const QString& caption) {
    return Caption_In(caption, Current_Interface_Language());
}

bool inEnglish() {
    return Current_Interface_Language() == Interface_Language::English;
}

// A caption longer than its place (the English "Pauline Epistle") is set smaller, never cut.
void shrinkToFit(QLabel* label) {
    QFont font = label->font();
    while (font.pointSizeF() > 7 &&
           QFontMetricsF(font).horizontalAdvance(label->text()) > label->width() - label->margin() * 2 - 2)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}

// Under English a reference box shows the reference as English readers write it; the
// reference as kept goes with it for the look-up.
const char* const keptReference = "lectariumKeptReference";

// The window's design, in twips. The prophecy frame lies over the Vespers frame: the
// Lent weekdays that have prophecies have no Vespers. A day with both (the Nineveh
// fast) has its prophecies under a shorter story.
constexpr int formWidth = 9900;
constexpr int formHeight = 7560;
const QRect frame2Area(4650, 1170, 5130, 1980);
const QRect frame1Area(4650, 3210, 5130, 1380);
const QRect frame3Area(4650, 4650, 5130, 2790);
const QRect frameFastArea(4650, 1170, 5130, 1980);
const QRect frame4Area(120, 1170, 4410, 4350);
const QRect shortStoryArea(120, 1170, 4410, 2040);
const QRect fastUnderStoryArea(120, 3270, 4410, 2250);
const QRect imageArea(180, 5640, 900, 1100);
const QRect ceremonyArea(1260, 5640, 3270, 450);
const QRect painArea(1260, 6180, 3270, 450);
const QRect closeArea(2580, 6900, 1950, 450);
const QRect wholeDayArea(180, 6900, 2280, 450);

// A frame at area (twips) with its one box filling it below the caption.
void placeFrame(QWidget* frame, const QRect& area, QWidget* box, int boxTop, int bottomMargin) {
    frame->setGeometry(Placed(area, formWidth));
    box->setGeometry(
        Placed(QRect(120, boxTop, area.width() - 240, area.height() - boxTop - bottomMargin), area.width()));
}

// The saint picture hot spot: a framed icon, its halo gold when lit.
QPixmap drawHotSpot(bool lit) {
    const QSize size(To_Pixels(imageArea.width()), To_Pixels(imageArea.height()));
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(1.5, 1.5, size.width() - 3.0, size.height() - 3.0);
    p.setPen(QPen(lit ? QColor(170, 120, 20) : QColor(110, 90, 70), 2));
    p.setBrush(lit ? QColor(255, 244, 205) : QColor(232, 226, 214));
    p.drawRoundedRect(frame, 5, 5);
    const QPointF head(size.width() / 2.0, size.height() * 0.36);
    const double r = size.width() * 0.15;
    // Halo, then the figure: head and shoulders.
    p.setPen(QPen(lit ? QColor(214, 160, 0) : QColor(150, 135, 110), lit ? 3 : 2));
    p.setBrush(lit ? QColor(255, 206, 60) : QColor(205, 195, 175));
    p.drawEllipse(head, r * 1.75, r * 1.75);
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? QColor(150, 60, 30) : QColor(120, 100, 90));
    QPainterPath body;
    body.moveTo(size.width() * 0.18, size.height() * 0.88);
    body.cubicTo(size.width() * 0.2, size.height() * 0.55, size.width() * 0.8, size.height() * 0.55,
                 size.width() * 0.82, size.height() * 0.88);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(lit ? QColor(240, 200, 160) : QColor(200, 180, 160));
    p.drawEllipse(head, r, r * 1.15);
    return pixmap;
}

} // namespace

FrmDisplay_Reading* FrmDisplay_Reading::Instance() {
    return instance.Get();
}

FrmDisplay_Reading* FrmDisplay_Reading::Reload() {
    instance.Close();
    auto* form = instance.Keep(new FrmDisplay_Reading());
    form->Form_Load();
    Show_Child(form, "FrmDisplay_Reading");
    return form;
}

QPixmap FrmDisplay_Reading::Image_On() {
    return drawHotSpot(true);
}

QPixmap FrmDisplay_Reading::Image_Off() {
    return drawHotSpot(false);
}

FrmDisplay_Reading::FrmDisplay_Reading() {
    setObjectName(QStringLiteral("FrmDisplay_Reading"));
    setWindowTitle(tr("Display Reading"));
    setWindowIcon(Toolbar_Image(1));
    setLayoutDirection(Window_Direction());
    setFont(QFont(QStringLiteral("Arabic Transparent"), 12));

    auto label = [this](const char* name, const QRect& area, int points, bool bold) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        QFont font(QStringLiteral("Arabic Transparent"), points);
        font.setBold(bold);
        l->setFont(font);
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(Placed(area, formWidth));
        return l;
    };
    // The dates on the right, the title of the day on the left.
    label("LabelDayName", QRect(6480, 60, 3300, 420), 14, true);
    label("LabelNormalDay", QRect(8880, 480, 900, 330), 12, true);
    label("LabelNormalMonth", QRect(7380, 480, 1500, 330), 12, true);
    label("LabelNormalYear", QRect(6480, 480, 900, 330), 12, true);
    label("LabelCopticDay", QRect(8880, 810, 900, 330), 12, true);
    label("LabelCopticMonth", QRect(7380, 810, 1500, 330), 12, true);
    label("LabelCopticYear", QRect(6480, 810, 900, 330), 12, true);
    QLabel* occasion = label("LabelOccasion", QRect(120, 60, 6240, 800), 13, true);
    // The fast of the day under the title.
    label("LabelFast", QRect(120, 860, 6240, 280), 11, false);
    occasion->setWordWrap(true);
    occasion->setForegroundRole(QPalette::Link);

    auto frame = [this](const char* name, const QString& caption, const QRect& area) {
        auto* f = new QGroupBox(inLanguage(caption), this);
        f->setObjectName(QLatin1String(name));
        f->setGeometry(Placed(area, formWidth));
        return f;
    };
    QGroupBox* frame4 = frame("Frame4", Story_Frame_Caption, frame4Area);
    QGroupBox* frame2 = frame("Frame2", Vespers_Caption, frame2Area);
    QGroupBox* frame1 = frame("Frame1", Matins_Caption, frame1Area);
    QGroupBox* frame3 = frame("Frame3", Liturgy_Caption, frame3Area);
    frameFast_ = frame("Frame_Fast", Prophecies_Caption, frameFastArea);
    // Drawn over the Vespers frame when shown.
    frameFast_->setAutoFillBackground(true);

    textData_ = new Reading_Box(frame4);
    textData_->setObjectName(QStringLiteral("TextData"));
    textData_->setTabChangesFocus(true);
    placeFrame(frame4, frame4Area, textData_, 360, 120);

    // The reading boxes, each with its caption on the right.
    const std::array<std::pair<QGroupBox*, int>, Reading_Count + 1> places{{{nullptr, 0},
                                                                            {frame2, 0},
                                                                            {frame2, 1},
                                                                            {frame1, 0},
                                                                            {frame1, 1},
                                                                            {frame3, 0},
                                                                            {frame3, 1},
                                                                            {frame3, 2},
                                                                            {frame3, 3},
                                                                            {frame3, 4}}};
    for (int i = 1; i <= Reading_Count; ++i) {
        QGroupBox* owner = places[static_cast<size_t>(i)].first;
        const int top = 360 + 480 * places[static_cast<size_t>(i)].second;
        auto* caption = new QLabel(inLanguage(Reading_Field_Caption(i)), owner);
        caption->setObjectName(QStringLiteral("Label1_%1").arg(i));
        // The reading frames are equally wide; an English window has the captions on the left.
        caption->setGeometry(Placed(QRect(3480, top, 1530, 390), frame2Area.width()));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        shrinkToFit(caption);
        caption->installEventFilter(this);
        label1_[static_cast<size_t>(i)] = caption;
        auto* box = new QLineEdit(owner);
        box->setObjectName(QStringLiteral("TextFiled_%1").arg(i));
        box->setGeometry(Placed(QRect(120, top, 3300, 390), frame2Area.width()));
        box->setAlignment(Qt::AlignCenter);
        Set_Reference_Box(box);
        box->installEventFilter(this);
        textFiled_[static_cast<size_t>(i)] = box;
    }

    list1_ = new QListWidget(frameFast_);
    list1_->setObjectName(QStringLiteral("List1"));
    placeFrame(frameFast_, frameFastArea, list1_, 330, 90);
    list1_->viewport()->installEventFilter(this);
    list1_->installEventFilter(this); // Enter
    Align_Items(list1_);

    imageSant_ = new QLabel(this);
    imageSant_->setObjectName(QStringLiteral("Image_Sant"));
    imageSant_->setGeometry(Placed(imageArea, formWidth));
    imageSant_->setMouseTracking(true);
    imageSant_->setCursor(Qt::PointingHandCursor);
    imageSant_->installEventFilter(this);
    setLit(false);

    auto button = [this](const char* name, const QString& caption, const QRect& area,
                         void (FrmDisplay_Reading::*handler)()) {
        auto* b = new QPushButton(inLanguage(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(Placed(area, formWidth));
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    button("CommandCeremony", Ceremony_Button_Caption, ceremonyArea,
           &FrmDisplay_Reading::CommandCeremony_Click);
    button("Command_Pain", Funeral_Button_Caption, painArea, &FrmDisplay_Reading::Command_Pain_Click);
    button("CommandClose", tr("Close"), closeArea, &FrmDisplay_Reading::CommandClose_Click);
    Add_Whole_Day_Button(this, Placed(wholeDayArea, formWidth), [this] { return day_; });
    Add_Lectern_Commands(this, {textData_}, [this] { return day_; });

    setFixedSize(To_Pixels(formWidth), To_Pixels(formHeight));
}

FrmDisplay_Reading::~FrmDisplay_Reading() = default;

QGroupBox* FrmDisplay_Reading::Frame(const QString& name) const {
    return findChild<QGroupBox*>(name, Qt::FindDirectChildrenOnly);
}

QLabel* FrmDisplay_Reading::Label(const QString& name) const {
    return findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
}

QPushButton* FrmDisplay_Reading::Button(const QString& name) const {
    return findChild<QPushButton*>(name, Qt::FindDirectChildrenOnly);
}

void FrmDisplay_Reading::Form_Load() {
    // The placement is applied when the window is put into the frame. Every read below
    // that fails leaves its box empty and loading goes on.
    day_ = Current_Day_State();
    sources_.setDatabaseName(Database_Path);
    frameFast_->hide();
    Button(QStringLiteral("Command_Pain"))->hide();
    // As the day chooser shows the day, which is the day Show opened.
    Show_Date_Labels(this, Selected_Date);

    storyMonth_ = Coptic_Month;
    storyDay_ = Coptic_Day;
    const Day_Readings day = Read_Day(sources_, true);

    QString occasion = Shown_Day_Title(day.occasion);
    occasion.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    Label(QStringLiteral("LabelOccasion"))->setText(occasion);
    Label(QStringLiteral("LabelFast"))->setText(Shown_Fast_Line(Selected_Date));
    textData_->Set_Text(Story_In(sources_.Data_Story, Current_Interface_Language(), day.story));
    Frame(QStringLiteral("Frame2"))->setTitle(inLanguage(day.vespersCaption));
    for (int i = 1; i <= Reading_Count; ++i) {
        // The prefix the tables leave out ("مز ") is kept with the reference, so that an
        // English psalm reads "Psalm 81:3".
        const QString& stored = day.readings[static_cast<size_t>(i)];
        if (!inEnglish()) {
            TextFiled(i)->setText(Shown_Reference(Church_Field_Reference(i, stored)));
            continue;
        }
        const QString kept = stored.trimmed().isEmpty() ? QString() : Reading_Prefix(i) + stored;
        TextFiled(i)->setProperty(keptReference, kept);
        TextFiled(i)->setText(English_Reference(kept));
    }
    list1_->clear();
    for (const QString& prophecy : day.prophecies) {
        auto* item = new QListWidgetItem(prophecy, list1_);
        if (inEnglish()) {
            const QString kept = prophecy.mid(Prophecy_Indent.size());
            item->setText(Prophecy_Indent + English_Reference(kept.trimmed()));
            item->setData(Qt::UserRole, kept);
        }
    }
    const bool vespers = !day.readings[1].trimmed().isEmpty() || !day.readings[2].trimmed().isEmpty();
    const bool underStory = day.showProphecies && vespers;
    placeFrame(Frame(QStringLiteral("Frame4")), underStory ? shortStoryArea : frame4Area, textData_, 360,
               120);
    placeFrame(frameFast_, underStory ? fastUnderStoryArea : frameFastArea, list1_, 330, 90);
    frameFast_->setVisible(day.showProphecies);
    frameFast_->raise();
    // Tab passes over the Vespers boxes while the prophecies cover them.
    Frame(QStringLiteral("Frame2"))->setEnabled(!day.showProphecies || underStory);
    Button(QStringLiteral("Command_Pain"))->setVisible(day.showFuneral);
    // The focus starts on the first reading, ready for Enter and Tab.
    for (int i = 1; i <= Reading_Count; ++i)
        if (TextFiled(i)->isEnabledTo(this)) {
            TextFiled(i)->setFocus();
            break;
        }
}

void FrmDisplay_Reading::CommandClose_Click() {
    Paramoun_Day = false;
    Placement_Widget(this)->close();
}

void FrmDisplay_Reading::closeEvent(QCloseEvent* event) {
    instance.Forget(this);
    event->accept();
}

void FrmDisplay_Reading::TextFiled_DblClick(int index) {
    if (index < 1 || index > Reading_Count)
        return;
    // Under English the reference as kept; otherwise the box is read as it shows.
    const QVariant kept = TextFiled(index)->property(keptReference);
    const QString reference =
        kept.isValid() ? kept.toString()
                       : Reading_Prefix(index) + Stored_Psalm_Reference(Reference_Text_Of(TextFiled(index)));
    const QString passage = Get_Passage(reference);
    if (!passage.isEmpty()) {
        FrmDisplay_Bible::Show_Text(reference, passage, inLanguage(Reading_Caption), this);
        return;
    }
    if (Menu_Checked(Menu_Option::Massage))
        Dialogs().Message(this, inLanguage(No_File_Message), inLanguage(Reading_Caption), Msg_Buttons::Ok,
                          Msg_Icon::Exclamation);
}

void FrmDisplay_Reading::Label1_DblClick(int index) {
    TextFiled_DblClick(index);
}

void FrmDisplay_Reading::List1_DblClick() {
    const QListWidgetItem* item = list1_->currentItem();
    if (!item)
        return;
    const QVariant kept = item->data(Qt::UserRole);
    const QString reference = kept.isValid() ? kept.toString() : item->text().mid(Prophecy_Indent.size());
    const QString passage = Get_Passage(reference);
    if (!passage.isEmpty())
        FrmDisplay_Bible::Show_Text(reference, passage, inLanguage(Reading_Caption), this);
}

void FrmDisplay_Reading::CommandCeremony_Click() {
    const Rite_Text rite = Read_Rite(sources_.Data_Ceremony, day_.riteNo);
    FrmDisplay_Bible::Show_Text(rite.title, rite.text, inLanguage(Rite_Caption), this);
}

void FrmDisplay_Reading::Command_Pain_Click() {
    // The Pascha list of day 1; Pain_Day 0 tells the Holy Week window so. The window
    // takes this window's day; the state the other windows share stays as it is.
    Day_State funeral = day_;
    funeral.painDay = 0;
    FrmPain* pain = nullptr;
    {
        const Day_State_In_Place inPlace(funeral);
        pain = FrmPain::Load();
    }
    Data_Source& dataPain = pain->Data_Pain();
    dataPain.setDatabaseName(Database_Path);
    dataPain.setRecordSource(Pain_First_Day_Statement());
    dataPain.refresh();
    pain->List1()->clear();
    pain->List1()->addItems(Read_Pain_Descriptions(dataPain, 1));
    pain->setWindowTitle(Pascha_Caption);
    pain->Show_Window();
}

void FrmDisplay_Reading::setLit(bool lit) {
    lit_ = lit;
    imageSant_->setPixmap(lit ? Image_On() : Image_Off());
}

void FrmDisplay_Reading::Image_Sant_MouseMove(int, int, int x, int y) {
    if (Stored_Picture_Name_Length(sources_.Data_Story) <= 3)
        return;
    const bool lit = Hot_Spot_Centre(x, y);
    if (lit != lit_)
        setLit(lit);
}

void FrmDisplay_Reading::Image_Sant_MouseUp(int, int, int, int) {
    FrmSant* sant = FrmSant::Show_Window();
    // The row's own keys: the selected day may have moved since this window loaded.
    sant->Clear_Picture();
    QString name;
    if (Read_Picture_Name(sources_.Data_Story, storyMonth_, storyDay_, name))
        sant->Load_Picture(Picture_Path(name));
    QString text;
    if (Read_Picture_Text(sources_.Data_Story, storyMonth_, storyDay_, text))
        sant->Text1()->Set_Text(text);
    setLit(false);
}

bool FrmDisplay_Reading::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == imageSant_) {
        if (type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            if (type == QEvent::MouseMove)
                Image_Sant_MouseMove(int(mouse->buttons()), int(mouse->modifiers()), To_Twips(at.x()),
                                     To_Twips(at.y()));
            else
                Image_Sant_MouseUp(int(mouse->button()), int(mouse->modifiers()), To_Twips(at.x()),
                                   To_Twips(at.y()));
            return true;
        }
    } else if (type == QEvent::KeyPress) {
        // Enter opens the focused reading, as a double click does.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return QWidget::eventFilter(watched, event);
        if (watched == list1_) {
            List1_DblClick();
            return true;
        }
        for (int i = 1; i <= Reading_Count; ++i)
            if (watched == textFiled_[static_cast<size_t>(i)]) {
                TextFiled_DblClick(i);
                return true;
            }
    } else if (type == QEvent::MouseButtonDblClick) {
        if (watched == list1_->viewport()) {
            // The entry under the mouse is the selected one by now.
            List1_DblClick();
            return true;
        }
        for (int i = 1; i <= Reading_Count; ++i) {
            if (watched == textFiled_[static_cast<size_t>(i)]) {
                TextFiled_DblClick(i);
                return true;
            }
            if (watched == label1_[static_cast<size_t>(i)]) {
                Label1_DblClick(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

namespace {

// A Show replaces whatever showed the day before: the other kind of readings window, the
// saint window and the passage window (a reading or the rite of that day) close, an open
// whole day follows the new day.
void closeWindow(QWidget* form) {
    if (form)
        Placement_Widget(form)->close();
}

} // namespace

void Install_Reading_Windows() {
    Set_Day_Show_Targets({[] {
                              closeWindow(FrmPain::Instance());
                              closeWindow(FrmSant::Instance());
                              closeWindow(FrmDisplay_Bible::Instance());
                              FrmWhole_Day::Follow_Day(FrmDisplay_Reading::Reload()->Shown_Day());
                          },
                          [] {
                              closeWindow(FrmDisplay_Reading::Instance());
                              closeWindow(FrmSant::Instance());
                              closeWindow(FrmDisplay_Bible::Instance());
                              FrmWhole_Day::Follow_Day(FrmPain::Reload()->Shown_Day());
                          }});
}

} // namespace Lectarium
