#include "calendar/frm_select_day.h"

#include "base/settings.h"
#include "calendar/classify_day.h"
#include "calendar/date_labels.h"
#include "calendar/english_names.h"
#include "calendar/fasts.h"
#include "calendar/feast_dates.h"
#include "calendar/reader_days.h"
#include "calendar/selected_day.h"
#include "shell/dialogs.h"
#include "shell/interface_translation.h"
#include "shell/paragraph_layout.h"
#include "shell/placement.h"
#include "shell/single_window.h"
#include "shell/toolbar_images.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

Single_Window<FrmSelect_Day> instance;
Day_Show_Targets showTargets;

QFont labelFont(int points) {
    QFont font(QStringLiteral("Arabic Transparent"), points);
    font.setBold(true);
    return font;
}

// The Gregorian date field. A person types a whole date, the way Typed_Date reads it:
// the first key typed replaces the date shown wherever the cursor stood, and the date
// is taken as soon as the text names one. The arrow keys still step the part under the
// cursor, and the calendar still picks.
class Typed_Date_Edit final : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

    // A date being typed that names no day (yet): Show must not open another day.
    bool Typing_Unfinished() const { return typing_ && !typedDate(text()).isValid(); }

protected:
    QValidator::State validate(QString& input, int& pos) const override {
        if (typedDate(input).isValid())
            return QValidator::Acceptable;
        if (typing_ && mayBecomeDate(input))
            return QValidator::Intermediate;
        return QDateEdit::validate(input, pos);
    }

    QDateTime dateTimeFromText(const QString& input) const override {
        const QDate date = typedDate(input);
        return date.isValid() ? QDateTime(date, QTime(0, 0)) : QDateEdit::dateTimeFromText(input);
    }

    void keyPressEvent(QKeyEvent* event) override {
        const QString typed = event->text();
        if (!typing_ && !typed.isEmpty() && typed.at(0).isPrint() &&
            !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            typing_ = true;
            lineEdit()->selectAll();
        }
        QDateEdit::keyPressEvent(event);
    }

    void focusOutEvent(QFocusEvent* event) override {
        QDateEdit::focusOutEvent(event);
        typing_ = false;
    }

private:
    QDate typedDate(const QString& input) const {
        const QDate date = Typed_Date(input);
        return date >= minimumDate() && date <= maximumDate() ? date : QDate();
    }

    static bool mayBecomeDate(const QString& input) {
        if (input.size() > 12)
            return false;
        return std::all_of(input.begin(), input.end(), [](QChar ch) {
            return ch.digitValue() >= 0 || ch == u'/' || ch == u'-' || ch == u'.' || ch == u' ';
        });
    }

    bool typing_ = false;
};

bool opensReadings(const QString& key) {
    return key == QLatin1String("Read") || key == QLatin1String("Suns") || key == QLatin1String("Johan") ||
           key == QLatin1String("Fast") || key == QLatin1String("Fifty");
}

} // namespace

void Set_Day_Show_Targets(Day_Show_Targets targets) {
    showTargets = std::move(targets);
}

namespace {

bool inEnglish() {
    return Current_Interface_Language() == Interface_Language::English;
}

} // namespace

QString Shown_Day_Title(const QString& arabicTitle) {
    return inEnglish() ? English_Day_Title(arabicTitle, Season_Key, Season_Week, Season_Day) : arabicTitle;
}

QString Shown_Fast_Line(const QDate& date) {
    const Day_Fast fast = Fast_Of_Day(date);
    if (!inEnglish() || fast.kind == Fast_Kind::None)
        return Fast_Line(fast);
    return English_Fast_Name(fast.kind) + QStringLiteral(": ") + English_Fast_Food_Name(fast.food);
}

void Show_Date_Labels(const QWidget* holder, const QDate& date) {
    // The true Coptic date, not the day Day_Title moves an eve to.
    Day_Labels labels = Date_Labels(date);
    if (inEnglish()) {
        const QLocale english(QLocale::English);
        Integer day = 0, month = 0, year = 0;
        Coptic_Date(date, day, month, year);
        labels.dayName = english.dayName(date.dayOfWeek());
        labels.normalMonth = english.monthName(date.month());
        labels.copticMonth = English_Coptic_Month(int(month));
    }
    const std::pair<const char*, QString> texts[] = {
        {"LabelDayName", labels.dayName},         {"LabelNormalDay", labels.normalDay},
        {"LabelNormalMonth", labels.normalMonth}, {"LabelNormalYear", labels.normalYear},
        {"LabelCopticDay", labels.copticDay},     {"LabelCopticMonth", labels.copticMonth},
        {"LabelCopticYear", labels.copticYear}};
    for (const auto& [name, text] : texts)
        if (QLabel* label = holder->findChild<QLabel*>(QLatin1String(name)))
            label->setText(text);
    QLabel* dayName = holder->findChild<QLabel*>(QStringLiteral("LabelDayName"));
    if (!dayName)
        return;
    const QColor colour = labels.weekday == 1 ? QColor(255, 0, 0) : QColor(0, 128, 0);
    QPalette palette = dayName->palette();
    palette.setColor(QPalette::WindowText, colour);
    dayName->setPalette(palette);
    // Some platform styles draw labels in a toolbar in a text colour of their own.
    dayName->setStyleSheet(QStringLiteral("color: %1").arg(colour.name()));
}

FrmSelect_Day::FrmSelect_Day() {
    setObjectName(QStringLiteral("FrmSelect_Day"));
    setWindowTitle(tr("Select Day"));
    setWindowIcon(Toolbar_Image(1));
    setLayoutDirection(Window_Direction());

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(To_Pixels(180), To_Pixels(150), To_Pixels(180), To_Pixels(150));
    grid->setHorizontalSpacing(To_Pixels(120));
    grid->setVerticalSpacing(To_Pixels(90));

    // Created in the window's order, which is also the tab order.
    auto button = [this](const char* name, const QString& caption, void (FrmSelect_Day::*handler)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setMinimumHeight(To_Pixels(420));
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    QPushButton* monthLeft =
        button("ButtonMonth_Left", tr("الشهر التالى"), &FrmSelect_Day::ButtonMonth_Left_Click);
    QPushButton* monthRight =
        button("ButtonMonth_Right", tr("الشهر السابق"), &FrmSelect_Day::ButtonMonth_Right_Click);
    QPushButton* yearDown =
        button("ButtonYear_Down", tr("السنة السابقة"), &FrmSelect_Day::ButtonYear_Down_Click);
    QPushButton* yearUp = button("ButtonYear_Up", tr("السنة التالية"), &FrmSelect_Day::ButtonYear_Up_Click);
    QPushButton* dayDown = button("ButtonDay_Down", tr("اليوم السابق"), &FrmSelect_Day::ButtonDay_Down_Click);
    QPushButton* dayUp = button("ButtonDay_Up", tr("اليوم التالى"), &FrmSelect_Day::ButtonDay_Up_Click);
    QPushButton* exit = button("CommandExit", tr("Exit"), &FrmSelect_Day::CommandExit_Click);
    QPushButton* show = button("CommandShow", tr("Show"), &FrmSelect_Day::CommandShow_Click);
    show->setDefault(true);
    QPushButton* today = button("CommandToday", tr("اليوم"), &FrmSelect_Day::CommandToday_Click);

    // Straight to a day: a Gregorian date typed or picked from a calendar, or a feast.
    dateNormal_ = new Typed_Date_Edit(this);
    dateNormal_->setObjectName(QStringLiteral("DateNormal"));
    dateNormal_->setCalendarPopup(true);
    dateNormal_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dateNormal_->setDateRange(QDate(500, 1, 1), QDate(5000, 12, 31));
    dateNormal_->setMinimumHeight(To_Pixels(420));
    connect(dateNormal_, &QDateEdit::dateChanged, this, &FrmSelect_Day::DateNormal_Change);
    comboFeast_ = new QComboBox(this);
    comboFeast_->setObjectName(QStringLiteral("ComboFeast"));
    comboFeast_->setPlaceholderText(tr("الأعياد"));
    // Filled with the feasts of the shown year.
    Align_Items(comboFeast_->view());
    comboFeast_->setMinimumHeight(To_Pixels(420));
    connect(comboFeast_, &QComboBox::activated, this, &FrmSelect_Day::ComboFeast_Click);
    // The tab order takes the three in the order they stand.
    setTabOrder(dateNormal_, today);
    setTabOrder(today, comboFeast_);

    auto label = [this](const char* name, const QString& caption, int points) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QLatin1String(name));
        l->setFont(labelFont(points));
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    QLabel* dayName = label("LabelDayName", QStringLiteral("السبت"), 14);
    QLabel* occasion = label("LabelOccasion", QString(), 14);
    QLabel* fast = label("LabelFast", QString(), 12);
    QLabel* copticYear = label("LabelCopticYear", QString(), 13);
    QLabel* copticMonth = label("LabelCopticMonth", QStringLiteral("توت"), 13);
    QLabel* copticDay = label("LabelCopticDay", QString(), 13);
    QLabel* normalDay = label("LabelNormalDay", QString(), 13);
    QLabel* normalMonth = label("LabelNormalMonth", QStringLiteral("يناير"), 13);
    QLabel* normalYear = label("LabelNormalYear", QString(), 13);
    QLabel* normal = label("LabelNormal", tr("التاريخ الميلادى"), 12);
    QLabel* coptic = label("LabelCoptic", tr("التاريخ القبطى"), 12);

    // A title may take two lines, and a long one wraps: room for three.
    occasion->setWordWrap(true);
    const int lineHeight = QFontMetrics(occasion->font()).lineSpacing();
    occasion->setFixedSize(To_Pixels(7200), 3 * lineHeight + To_Pixels(60));
    for (QLabel* l : {normalDay, copticDay})
        l->setMinimumWidth(To_Pixels(600));
    for (QLabel* l : {normalMonth, copticMonth})
        l->setMinimumWidth(To_Pixels(1500));
    for (QLabel* l : {normalYear, copticYear})
        l->setMinimumWidth(To_Pixels(900));

    // Right to left: the heading, then day, month and year; the "previous" buttons on
    // the right, the "next" ones on the left.
    grid->addWidget(normal, 0, 0);
    grid->addWidget(normalDay, 0, 1);
    grid->addWidget(normalMonth, 0, 2);
    grid->addWidget(normalYear, 0, 3);
    grid->addWidget(coptic, 1, 0);
    grid->addWidget(copticDay, 1, 1);
    grid->addWidget(copticMonth, 1, 2);
    grid->addWidget(copticYear, 1, 3);
    grid->addWidget(dayName, 2, 0, 1, 4);
    // The fast of the day under its title.
    auto* titled = new QVBoxLayout;
    titled->setSpacing(0);
    titled->addWidget(occasion, 0, Qt::AlignCenter);
    titled->addWidget(fast);
    grid->addLayout(titled, 3, 0, 1, 4);
    auto* jump = new QHBoxLayout;
    jump->setSpacing(To_Pixels(120));
    jump->addWidget(dateNormal_, 3);
    jump->addWidget(today, 2);
    jump->addWidget(comboFeast_, 3);
    grid->addLayout(jump, 4, 0, 1, 4);
    grid->addWidget(dayDown, 5, 0, 1, 2);
    grid->addWidget(dayUp, 5, 2, 1, 2);
    grid->addWidget(monthRight, 6, 0, 1, 2);
    grid->addWidget(monthLeft, 6, 2, 1, 2);
    grid->addWidget(yearDown, 7, 0, 1, 2);
    grid->addWidget(yearUp, 7, 2, 1, 2);
    grid->addWidget(show, 8, 0, 1, 2);
    grid->addWidget(exit, 8, 2, 1, 2);

    addKeys();
    setFixedSize(sizeHint());
}

void FrmSelect_Day::addKeys() {
    // Keys of the whole window. A date field keeps its own editing keys (arrows, Home),
    // which it claims before these; the buttons would only move the focus with them.
    auto key = [this](const QKeySequence& sequence, auto handler) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    key(QKeySequence(Qt::Key_Return), &FrmSelect_Day::CommandShow_Click);
    key(QKeySequence(Qt::Key_Enter), &FrmSelect_Day::CommandShow_Click);
    // The arrow that points forward in the reading direction goes a day forward: left
    // in a right-to-left window, as the left-hand buttons go forward.
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    key(QKeySequence(Qt::Key_Left),
        rtl ? &FrmSelect_Day::ButtonDay_Up_Click : &FrmSelect_Day::ButtonDay_Down_Click);
    key(QKeySequence(Qt::Key_Right),
        rtl ? &FrmSelect_Day::ButtonDay_Down_Click : &FrmSelect_Day::ButtonDay_Up_Click);
    key(QKeySequence(Qt::Key_PageUp), &FrmSelect_Day::ButtonMonth_Right_Click);
    key(QKeySequence(Qt::Key_PageDown), &FrmSelect_Day::ButtonMonth_Left_Click);
    key(QKeySequence(Qt::CTRL | Qt::Key_PageUp), &FrmSelect_Day::ButtonYear_Down_Click);
    key(QKeySequence(Qt::CTRL | Qt::Key_PageDown), &FrmSelect_Day::ButtonYear_Up_Click);
    key(QKeySequence(Qt::Key_Home), &FrmSelect_Day::CommandToday_Click);
}

FrmSelect_Day* FrmSelect_Day::Instance() {
    return instance.Get();
}

FrmSelect_Day* FrmSelect_Day::Show_Window() {
    if (FrmSelect_Day* open = instance.Bring_Forward())
        return open;
    auto* form = instance.Keep(new FrmSelect_Day());
    form->Form_Load();
    return form;
}

FrmSelect_Day* FrmSelect_Day::Show_Day(const QDate& date) {
    FrmSelect_Day* form = Show_Window();
    Selected_Date = date;
    form->Display_Date_and_Data();
    return form;
}

void Open_Select_Day() {
    FrmSelect_Day::Show_Window();
}

void FrmSelect_Day::Form_Load() {
    if (Menu_Checked(Menu_Option::Reset_Date) || !Selected_Date.isValid())
        Selected_Date = Reader_Today();
    Display_Date_and_Data();
    // Enter shows the day; the focus starts on Show, so Space does the same.
    Button(QStringLiteral("CommandShow"))->setFocus();
    Show_Child(this, "FrmSelect_Day");
    Button(QStringLiteral("CommandShow"))->setFocus();
}

void FrmSelect_Day::closeEvent(QCloseEvent* event) {
    instance.Forget(this);
    event->accept();
}

QLabel* FrmSelect_Day::Label(const QString& name) const {
    return findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
}

QPushButton* FrmSelect_Day::Button(const QString& name) const {
    return findChild<QPushButton*>(name, Qt::FindDirectChildrenOnly);
}

void FrmSelect_Day::Display_Date_and_Data(Day_Stage stage) {
    Classify_Day(Selected_Date, stage);

    Show_Date_Labels(this, Selected_Date);

    // The label breaks lines at LF; the title keeps its CR LF.
    QString shown = Shown_Day_Title(Occasion_Title);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    Label(QStringLiteral("LabelOccasion"))->setText(shown);
    Label(QStringLiteral("LabelFast"))->setText(Shown_Fast_Line(Selected_Date));

    // The date field and the feast list follow the shown day; a date being typed is
    // left as the user has it.
    if (dateNormal_->date() != Selected_Date) {
        const QSignalBlocker blocker(dateNormal_);
        dateNormal_->setDate(Selected_Date);
    }
    // The list holds the feasts of the shown year, each row with its date, and the
    // patron's days as the reader last chose them.
    QStringList patron;
    const QList<Coptic_Feast> own = Stored_Patron_Days();
    for (const Coptic_Feast& day : own)
        patron << QStringLiteral("%1/%2 %3").arg(day.copticMonth).arg(day.copticDay).arg(day.name);
    if (comboFeast_->count() == 0 || comboFeast_->itemData(0).toDate().year() != Selected_Date.year() ||
        patron != patronShown_) {
        const QSignalBlocker blocker(comboFeast_);
        comboFeast_->clear();
        const Interface_Language language = Current_Interface_Language();
        for (const Year_Feast& feast : Year_Feasts(Selected_Date.year(), own, language))
            comboFeast_->addItem(Year_Feast_Label(feast, language), feast.date);
        patronShown_ = patron;
    }
    comboFeast_->setCurrentIndex(comboFeast_->findData(Selected_Date));
}

void FrmSelect_Day::step(Date_Step step) {
    Selected_Date = Step_Date(Selected_Date, step);
    Display_Date_and_Data();
}

void FrmSelect_Day::ButtonDay_Down_Click() {
    step(Date_Step::Day_Down);
}

void FrmSelect_Day::ButtonDay_Up_Click() {
    step(Date_Step::Day_Up);
}

void FrmSelect_Day::ButtonMonth_Left_Click() {
    step(Date_Step::Month_Left);
}

void FrmSelect_Day::ButtonMonth_Right_Click() {
    step(Date_Step::Month_Right);
}

void FrmSelect_Day::ButtonYear_Down_Click() {
    step(Date_Step::Year_Down);
}

void FrmSelect_Day::ButtonYear_Up_Click() {
    step(Date_Step::Year_Up);
}

void FrmSelect_Day::CommandToday_Click() {
    Selected_Date = Reader_Today();
    Display_Date_and_Data();
}

void FrmSelect_Day::DateNormal_Change(const QDate& date) {
    if (!date.isValid() || date == Selected_Date)
        return;
    Selected_Date = date;
    Display_Date_and_Data();
}

void FrmSelect_Day::ComboFeast_Click(int index) {
    const QDate date = comboFeast_->itemData(index).toDate();
    if (!date.isValid())
        return;
    Selected_Date = date;
    Display_Date_and_Data();
}

void FrmSelect_Day::CommandShow_Click() {
    // A date half typed is not the day shown above it: say so rather than open that day.
    if (static_cast<const Typed_Date_Edit*>(dateNormal_)->Typing_Unfinished()) {
        Dialogs().Message(this,
                          tr("التاريخ المكتوب غير صحيح: %1\nاكتب السنة ثم الشهر ثم اليوم "
                             "(2027/03/17 أو 2027-03-17 أو 20270317) أو كما يظهر (17/03/2027).")
                              .arg(dateNormal_->text()),
                          windowTitle(), Msg_Buttons::Ok, Msg_Icon::Exclamation);
        dateNormal_->setFocus();
        return;
    }
    // Rite_Number and Reading_Source change the Coptic month and the season of some
    // days; the shown date is computed afresh so that a second Show gives the same.
    Display_Date_and_Data(Day_Stage::Shown);

    if (opensReadings(Season_Key)) {
        if (showTargets.Show_Reading)
            showTargets.Show_Reading();
    } else if (Season_Key == QLatin1String("Pain")) {
        Pain_Day = Season_Day;
        if (showTargets.Show_Pain)
            showTargets.Show_Pain();
    }
}

void FrmSelect_Day::CommandExit_Click() {
    Placement_Widget(this)->close();
}

} // namespace Lectarium
