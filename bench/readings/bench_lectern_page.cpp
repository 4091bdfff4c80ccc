// A page turn of the lectern: one page of Palm Sunday 2027 painted at 1920x1080, as
// the full-screen window paints it, against a frame of 16 ms.
// bench_lectern_page [DATABASE] [REPEATS]

#include "calendar/classify_day.h"
#include "calendar/selected_day.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/database_file.h"
#include "readings/lectern_paint.h"
#include "readings/whole_day.h"

#include <QDate>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace MdlLectarium;

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    Database_Path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(LECTARIUM_DEMO_DATABASE);
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
    Set_Database_Opener(Open_Lectionary_File);
    Fill_Name_Tables();
    Init_Bible_Tables();
    QString error;
    const auto database = Open_Database(Database_Path, error);
    if (!database) {
        std::fprintf(stderr, "bench_lectern_page: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    Reset_Day_State();
    Classify_Day(QDate(2027, 4, 25), Day_Stage::Shown);
    QElapsedTimer timer;
    timer.start();
    const Lectern_Renderer renderer(Lectern_Day_Of(Read_Whole_Day(Database_Path)), QSizeF(1920, 1080),
                                    QFont(Lectern_Font_Family()), Lectern_Light_On_Dark());
    const double layout = timer.nsecsElapsed() / 1e6;
    QImage frame(1920, 1080, QImage::Format_RGB32);
    std::vector<double> turns;
    for (int i = 0; i < repeats; ++i) {
        timer.restart();
        QPainter painter(&frame);
        renderer.Paint(painter, 1 + i % (renderer.Page_Count() - 1));
        painter.end();
        turns.push_back(timer.nsecsElapsed() / 1e6);
    }
    // The full-screen window paints the pages beside the one shown ahead of time: a turn
    // to one of them draws the prepared picture.
    QImage prepared(1920, 1080, QImage::Format_RGB32);
    {
        QPainter painter(&prepared);
        renderer.Paint(painter, 1);
    }
    std::vector<double> shown;
    for (int i = 0; i < repeats; ++i) {
        timer.restart();
        QPainter painter(&frame);
        painter.drawImage(0, 0, prepared);
        painter.end();
        shown.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(shown.begin(), shown.end());
    std::sort(turns.begin(), turns.end());
    std::printf(
        "page turn 1920x1080: median %.2f ms, slowest %.2f ms (%d turns); %d pages laid out in %.0f ms\n",
        turns[turns.size() / 2], turns.back(), repeats, renderer.Page_Count(), layout);
    std::printf("prepared page shown 1920x1080: median %.2f ms, slowest %.2f ms\n", shown[shown.size() / 2],
                shown.back());
    return 0;
}
