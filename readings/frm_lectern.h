#pragma once

// The lectern: the day's readings full screen, for a projector or a reading desk, in
// the pages of the slides. Paged with what presentation clickers send: Page Down/Up,
// Left/Right (the next page on the left, as Arabic reads), Space, Backspace, Home/End,
// a reading's number then Enter, B to blank, Escape to leave, and the mouse wheel. T
// turns the theme over (dark on light, light on dark); S moves to the next screen.

#include "calendar/classify_day.h"
#include "readings/lectern_pages.h"

#include <QDBusConnection>
#include <QWidget>

#include <QImage>

#include <functional>
#include <map>
#include <memory>

class QLabel;
class QScreen;

namespace MdlLectarium {
class Lectern_Renderer;
}

namespace Lectarium {

class Screen_Saver_Hold;

class FrmLectern final : public QWidget {
    Q_OBJECT

public:
    // The open lectern, or nullptr.
    static FrmLectern* Instance();
    // Shows day full screen on screen (nullptr: the second screen when there is one),
    // replacing an open lectern; bus is where the screen saver is held off.
    static FrmLectern* Show_Lectern(MdlLectarium::Lectern_Day day, QScreen* screen = nullptr,
                                    const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~FrmLectern() override;

    int Page() const { return page_; }
    int Page_Count() const;
    bool Blank() const { return blank_; }
    bool Light_On_Dark() const { return lightOnDark_; }
    const MdlLectarium::Lectern_Renderer& Renderer() const { return *renderer_; }
    // The note about the screen saver, empty when none is shown.
    QString Note() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    FrmLectern(MdlLectarium::Lectern_Day day, const QDBusConnection& bus);
    void layOut();
    void go(int page);
    void showNote(const QString& text);
    const QImage& prepared(int page);
    void prepareNeighbours();

    MdlLectarium::Lectern_Day day_;
    std::unique_ptr<MdlLectarium::Lectern_Renderer> renderer_;
    std::unique_ptr<Screen_Saver_Hold> hold_;
    QLabel* note_ = nullptr;
    int page_ = 0;
    bool blank_ = false;
    bool lightOnDark_ = false;
    QString typed_;                  // a reading's number being typed
    std::map<int, QImage> prepared_; // pages painted ahead, around the one shown
};

// The lectern's day: the readings of day in their order, with the first translation the
// reader chose beside them in a second column.
MdlLectarium::Lectern_Day Lectern_Day_For(const MdlLectarium::Day_State& day);

// "عرض على الشاشة" for day; "Export Slides" of day, the file named through the dialog layer.
void Show_Lectern_Of(const MdlLectarium::Day_State& day);
void Export_Slides_Of(QWidget* parent, const MdlLectarium::Day_State& day);

// The two commands in window's own menu, of its background and of boxes, acting on the
// day day gives when chosen: each window puts its own day on the screen, active or not.
void Add_Lectern_Commands(QWidget* window, const QList<QWidget*>& boxes,
                          std::function<MdlLectarium::Day_State()> day);

// The day of the active readings, Holy Week or whole-day window; without one, the day
// the chooser stands on.
MdlLectarium::Day_State Lectern_Source_Day();

} // namespace Lectarium
