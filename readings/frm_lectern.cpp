#include "readings/frm_lectern.h"

#include "base/program_files.h"
#include "calendar/selected_day.h"
#include "lectionary/sword_bible.h"
#include "readings/frm_display_reading.h"
#include "readings/frm_pain.h"
#include "readings/frm_whole_day.h"
#include "readings/lectern_paint.h"
#include "readings/whole_day.h"
#include "shell/appearance.h"
#include "shell/child_window.h"
#include "shell/dialogs.h"
#include "shell/interface_translation.h"
#include "shell/screen_saver_hold.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

#include <cstdlib>

namespace Lectarium {

using namespace MdlLectarium;

namespace {

QPointer<FrmLectern> instance;
// Themes and the note outlive one showing: the reader chooses once per run.
bool lightOnDarkChosen = false;
bool noteGiven = false;

QScreen* defaultScreen() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens)
        if (screen != QGuiApplication::primaryScreen())
            return screen; // the projector, beside the reader's own screen
    return QGuiApplication::primaryScreen();
}

} // namespace

FrmLectern* FrmLectern::Instance() {
    return instance.data();
}

FrmLectern* FrmLectern::Show_Lectern(Lectern_Day day, QScreen* screen, const QDBusConnection& bus) {
    if (instance)
        instance->close();
    auto* form = new FrmLectern(std::move(day), bus);
    instance = form;
    if (!screen)
        screen = defaultScreen();
    if (screen)
        form->setGeometry(screen->geometry());
    form->showFullScreen();
    form->activateWindow();
    form->setFocus();
    return form;
}

FrmLectern::FrmLectern(Lectern_Day day, const QDBusConnection& bus) : day_(std::move(day)) {
    setObjectName(QStringLiteral("FrmLectern"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(tr("عرض على الشاشة"));
    setLayoutDirection(Window_Direction());
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::BlankCursor);
    lightOnDark_ = lightOnDarkChosen;
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("Note"));
    note_->setStyleSheet(QStringLiteral("background: #303030; color: #f0f0f0; padding: 6px;"));
    note_->hide();
    hold_ = std::make_unique<Screen_Saver_Hold>(bus, tr("the day's readings are shown"),
                                                [this](const QString& why) {
                                                    if (noteGiven)
                                                        return;
                                                    noteGiven = true;
                                                    showNote(tr("The screen saver could not be held "
                                                                "off: ") +
                                                             why);
                                                });
    layOut();
}

FrmLectern::~FrmLectern() = default;

int FrmLectern::Page_Count() const {
    return renderer_->Page_Count();
}

QString FrmLectern::Note() const {
    return note_->isVisible() || !note_->isHidden() ? note_->text() : QString();
}

void FrmLectern::showNote(const QString& text) {
    note_->setText(text);
    note_->adjustSize();
    note_->move(0, height() - note_->height());
    note_->show();
    QTimer::singleShot(8000, note_, &QWidget::hide);
}

void FrmLectern::layOut() {
    // The page shown stays in view: the reading and the row it opens with.
    Lectern_Page shown;
    if (renderer_ && page_ < renderer_->Page_Count())
        shown = renderer_->Pages()[static_cast<size_t>(page_)];
    QFont font = Text_Font();
    font.setBold(false);
    font.setItalic(false);
    renderer_ = std::make_unique<Lectern_Renderer>(
        day_, QSizeF(size()), font, lightOnDark_ ? Lectern_Light_On_Dark() : Lectern_Dark_On_Light());
    prepared_.clear();
    page_ = 0;
    const auto& pages = renderer_->Pages();
    for (size_t i = 0; i < pages.size(); ++i)
        if (pages[i].reading == shown.reading && pages[i].firstRow <= shown.firstRow)
            page_ = static_cast<int>(i);
    update();
}

void FrmLectern::go(int page) {
    blank_ = false;
    page_ = std::clamp(page, 0, Page_Count() - 1);
    update();
}

void FrmLectern::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (blank_) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.drawImage(0, 0, prepared(page_));
    QTimer::singleShot(0, this, &FrmLectern::prepareNeighbours);
}

// A page painted once, kept while it is near the one shown: laying out large type costs
// more than a frame on a slow machine, a prepared page is drawn at once.
const QImage& FrmLectern::prepared(int page) {
    auto found = prepared_.find(page);
    if (found == prepared_.end()) {
        QImage image(size() * devicePixelRatio(), QImage::Format_RGB32);
        image.setDevicePixelRatio(devicePixelRatio());
        QPainter painter(&image);
        renderer_->Paint(painter, page);
        painter.end();
        found = prepared_.emplace(page, std::move(image)).first;
    }
    return found->second;
}

void FrmLectern::prepareNeighbours() {
    for (auto it = prepared_.begin(); it != prepared_.end();)
        it = std::abs(it->first - page_) > 2 ? prepared_.erase(it) : std::next(it);
    for (const int page : {page_ + 1, page_ - 1})
        if (page >= 0 && page < Page_Count())
            prepared(page);
}

void FrmLectern::resizeEvent(QResizeEvent*) {
    layOut();
    if (!note_->isHidden())
        note_->move(0, height() - note_->height());
}

void FrmLectern::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const int digit = event->text().isEmpty() ? -1 : event->text().front().digitValue();
    if (digit >= 0) {
        typed_ += QString::number(digit);
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // 0 is the title page, n the n-th reading.
        bool ok = false;
        const int reading = typed_.toInt(&ok);
        typed_.clear();
        const int page = ok && reading > 0 ? Lectern_First_Page(renderer_->Pages(), reading - 1)
                         : ok              ? 0
                                           : -1;
        if (page >= 0)
            go(page);
        return;
    }
    typed_.clear();
    switch (key) {
    case Qt::Key_PageDown:
    case Qt::Key_Space:
    case Qt::Key_Left: // the next page lies on the left, as an Arabic book turns
    case Qt::Key_Down:
        go(page_ + 1);
        return;
    case Qt::Key_PageUp:
    case Qt::Key_Backspace:
    case Qt::Key_Right:
    case Qt::Key_Up:
        go(page_ - 1);
        return;
    case Qt::Key_Home:
        go(0);
        return;
    case Qt::Key_End:
        go(Page_Count() - 1);
        return;
    case Qt::Key_B:
    case Qt::Key_Period: // what many clickers send for a black screen
        blank_ = !blank_;
        update();
        return;
    case Qt::Key_T:
        lightOnDark_ = !lightOnDark_;
        lightOnDarkChosen = lightOnDark_;
        layOut();
        return;
    case Qt::Key_S: {
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.size() > 1) {
            const auto at = screens.indexOf(screen());
            QScreen* next = screens[(at + 1) % screens.size()];
            showNormal();
            setGeometry(next->geometry());
            showFullScreen();
        }
        return;
    }
    case Qt::Key_Escape:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void FrmLectern::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y();
    if (steps < 0)
        go(page_ + 1);
    else if (steps > 0)
        go(page_ - 1);
    event->accept();
}

void FrmLectern::closeEvent(QCloseEvent* event) {
    hold_.reset(); // the screen saver comes back as the lectern goes
    event->accept();
}

Lectern_Day Lectern_Day_For(const Day_State& day) {
    Whole_Day_Document document;
    {
        const Day_State_In_Place inPlace(day);
        document = Read_Whole_Day(Database_Path, Current_Interface_Language());
    }
    Lectern_Day lectern = Lectern_Day_Of(document);
    const Bible_Choice choice = Stored_Bible_Choice();
    for (const QString& name : choice.beside) {
        if (name == QLatin1String(Database_Bible_Name))
            continue; // the day's own text is the database's
        Translation translation;
        QString error;
        if (!Open_Translation(name, translation, error))
            continue;
        Lectern_Add_Beside(lectern, [&translation](const QString& reference) {
            return Reading_Verses(translation, reference);
        });
        break; // two columns: the day's text and one translation
    }
    return lectern;
}

void Show_Lectern_Of(const Day_State& day) {
    FrmLectern::Show_Lectern(Lectern_Day_For(day));
}

void Export_Slides_Of(QWidget* parent, const Day_State& day) {
    const QString path = Dialogs().Save_File(parent, FrmLectern::tr("Export Slides"),
                                             QDir::home().filePath(QStringLiteral("slides.pdf")),
                                             FrmLectern::tr("PDF (*.pdf)|*.pdf"));
    if (path.isEmpty())
        return;
    QString error;
    if (!Write_Lectern_Slides(Lectern_Day_For(day), path, &error))
        Dialogs().Message(parent,
                          FrmLectern::tr("The slides were not written to %1: %2")
                              .arg(QDir::toNativeSeparators(path), error),
                          FrmLectern::tr("Export Slides"), Msg_Buttons::Ok, Msg_Icon::Exclamation);
}

void Add_Lectern_Commands(QWidget* window, const QList<QWidget*>& boxes, std::function<Day_State()> day) {
    auto* lectern =
        new QAction(QCoreApplication::translate("Lectarium::FrmLectern", "عرض على الشاشة"), window);
    lectern->setObjectName(QStringLiteral("Lectern"));
    QObject::connect(lectern, &QAction::triggered, window, [day] { Show_Lectern_Of(day()); });
    auto* slides = new QAction(QCoreApplication::translate("Lectarium::FrmLectern", "Export Slides"), window);
    slides->setObjectName(QStringLiteral("Export_Slides"));
    QObject::connect(slides, &QAction::triggered, window,
                     [window, day = std::move(day)] { Export_Slides_Of(window, day()); });
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    window->addActions({lectern, slides});
    for (QWidget* box : boxes)
        box->addActions({lectern, slides});
}

Day_State Lectern_Source_Day() {
    QWidget* active = Active_Form();
    if (const auto* readings = qobject_cast<FrmDisplay_Reading*>(active))
        return readings->Shown_Day();
    if (const auto* pain = qobject_cast<FrmPain*>(active))
        return pain->Shown_Day();
    if (const auto* whole = qobject_cast<FrmWhole_Day*>(active))
        return whole->Shown_Day();
    Day_State day;
    {
        const Day_State_In_Place inPlace(Current_Day_State());
        Classify_Day(Selected_Date.isValid() ? Selected_Date : Today(), Day_Stage::Shown);
        day = Current_Day_State();
    }
    return day;
}

} // namespace Lectarium
