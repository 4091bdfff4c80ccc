// lectarium-day FROM [TO]: the classification of each day from FROM to TO, one
// tab-separated line per day, as the day chooser computes it on Show.
// lectarium-day --readings DATE [--text]: the readings of the day from Lectarium.mdb in
// the current folder, as the readings window shows them; --text adds the passages.
// lectarium-day --readings DATE --html: the whole day as one HTML page.
// lectarium-day --readings DATE --slides OUT.pdf: the day's readings as 16:9 slides.
// lectarium-day --ics FROM TO: the titled days as an iCalendar feed.

#include "base/program_files.h"
#include "base/safe_file.h"
#include "calendar/day_feed.h"
#include "calendar/day_report.h"
#include "calendar/selected_day.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/database_file.h"
#include "readings/lectern_pages.h"
#include "readings/lectern_paint.h"
#include "readings/readings_report.h"
#include "readings/whole_day.h"
#include "tools/output/tool_output.h"

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QString>

#include <cstdio>
#include <cstring>

namespace {

constexpr int exitUsage = 2;

const char usage[] =
    "usage: lectarium-day FROM [TO] | --readings DATE [--text | --html | --slides OUT.pdf] | --ics FROM TO   "
    "(dates as YYYY-MM-DD in the "
    "years 500 to 5000; --help explains)";

const char readingsHelp[] =
    "lectarium-day --readings DATE [--text] prints the readings of DATE as the readings\n"
    "window shows them, read from Lectarium.mdb in the current folder: the dates and the\n"
    "title, the nine readings under Vespers, Matins and the Liturgy with their references\n"
    "(psalms and Acts with their book in front), and the prophecies of a fast day; on a\n"
    "Holy Week day the hours of the Holy Week window. --text adds the passage of every\n"
    "reference and the synaxarium story. UTF-8, LF line ends.\n"
    "--html writes the whole day as one HTML page (UTF-8, right to left): the dates and the\n"
    "title, every office with each reading's caption, reference and text, the prophecies,\n"
    "the commemorations and the rite; on a Holy Week day every hour with its reading.\n"
    "--slides OUT.pdf writes the day's readings as slides into OUT.pdf (16:9, one page per\n"
    "screen of text, right to left): the day's title page first, then every reading in\n"
    "order under its heading (office, reading, reference) in large type, a long reading\n"
    "going on over pages, split only between verses; the pages of the lectern's full-screen\n"
    "view. The file is replaced whole or not at all.\n\n"
    "lectarium-day --ics FROM TO writes an iCalendar feed (RFC 5545, UTF-8, CR LF): one\n"
    "all-day event per day that has a title, days in a row with the same title as one\n"
    "event; SUMMARY is the title, DESCRIPTION the Coptic date.\n\n";

int fail(const QByteArray& message) {
    // An argument named in the message shows its control characters (a line feed after
    // a date) as escapes rather than breaking the message's one line.
    QByteArray shown;
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n')
            shown += "\\n";
        else if (byte < 0x20 || byte == 0x7f)
            shown += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
        else
            shown += c;
    }
    std::fprintf(stderr, "lectarium-day: %s\n", shown.constData());
    return exitUsage;
}

// The years the day chooser keeps to.
constexpr int firstYear = 500;
constexpr int lastYear = 5000;

// A date written YYYY-MM-DD that exists, nothing before or after it (a "$" would let a
// final line feed through).
QDate parseDate(const char* text) {
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{4})-([0-9]{2})-([0-9]{2})")));
    const QRegularExpressionMatch match = form.match(QString::fromLocal8Bit(text));
    if (!match.hasMatch())
        return QDate();
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

using Lectarium_Tools::Write_Output;

// The exit status, 1 when the output could not be written whole.
int finish(int exitCode) {
    return Lectarium_Tools::Finish_Output("lectarium-day", exitCode, 1);
}

// A date argument checked as the day chooser keeps it; empty with a message on stderr.
QDate checkedDate(const char* text, int& failure) {
    const QDate date = parseDate(text);
    if (!date.isValid()) {
        failure = fail(QByteArray("not a date (expected YYYY-MM-DD): ") + text);
        return QDate();
    }
    if (date.year() < firstYear || date.year() > lastYear) {
        failure = fail(QByteArray("date outside the years 500 to 5000: ") + text);
        return QDate();
    }
    return date;
}

// The whole day of date as HTML, the day processed as the day chooser's Show does.
bool wholeDayHtml(const QDate& date, QByteArray& out, QString& error) {
    const auto database = MdlLectarium::Open_Database(MdlLectarium::Database_Path, error);
    if (!database)
        return false;
    MdlLectarium::Reset_Day_State();
    MdlLectarium::Classify_Day(date, MdlLectarium::Day_Stage::Shown);
    out = MdlLectarium::Whole_Day_Html(MdlLectarium::Read_Whole_Day(MdlLectarium::Database_Path)).toUtf8();
    return true;
}

// The day's readings as slides at path, through the safe writer.
int slidesOf(const QDate& date, const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(MdlLectarium::Database_Path).absoluteFilePath()) {
        std::fprintf(stderr, "lectarium-day: the slides would replace %s, the database they are read from\n",
                     shown.toLocal8Bit().constData());
        return exitUsage;
    }
    // Laying out and painting text needs Qt's fonts, not a display: the tool never shows
    // a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "lectarium-day";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    QString error;
    const auto database = MdlLectarium::Open_Database(MdlLectarium::Database_Path, error);
    if (!database) {
        std::fprintf(stderr, "lectarium-day: cannot read %s: %s\n",
                     QDir::toNativeSeparators(MdlLectarium::Database_Path).toLocal8Bit().constData(),
                     error.toLocal8Bit().constData());
        return 1;
    }
    MdlLectarium::Reset_Day_State();
    MdlLectarium::Classify_Day(date, MdlLectarium::Day_Stage::Shown);
    const MdlLectarium::Lectern_Day day =
        MdlLectarium::Lectern_Day_Of(MdlLectarium::Read_Whole_Day(MdlLectarium::Database_Path));
    if (!MdlLectarium::Write_Lectern_Slides(day, path, &error)) {
        std::fprintf(stderr, "lectarium-day: cannot write %s: %s\n", shown.toLocal8Bit().constData(),
                     error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

int readings(int argc, char* argv[]) {
    const char* dateText = nullptr;
    bool withText = false;
    bool html = false;
    const char* slides = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--readings") == 0) {
            if (dateText || i + 1 >= argc)
                return fail(usage);
            dateText = argv[++i];
        } else if (std::strcmp(argv[i], "--text") == 0 && !withText) {
            withText = true;
        } else if (std::strcmp(argv[i], "--html") == 0 && !html) {
            html = true;
        } else if (std::strcmp(argv[i], "--slides") == 0 && !slides && i + 1 < argc) {
            slides = argv[++i];
        } else {
            return fail(usage);
        }
    }
    if (!dateText || int(html) + int(withText) + int(slides != nullptr) > 1 || (slides && !*slides))
        return fail(usage);
    int failure = 0;
    const QDate date = checkedDate(dateText, failure);
    if (!date.isValid())
        return failure;

    // As the program does: the database in the folder it starts in. The settings file
    // is neither read nor written.
    MdlLectarium::Program_Folder = QDir::currentPath();
    MdlLectarium::Database_Path = MdlLectarium::Program_File(QStringLiteral("Lectarium.mdb"));
    // Opened as the program opens it: SQLite, or the Access file of the earlier program.
    MdlLectarium::Set_Database_Opener(MdlLectarium::Open_Lectionary_File);
    MdlLectarium::Fill_Name_Tables();
    MdlLectarium::Init_Bible_Tables();

    if (MdlLectarium::Descriptor_Is_File(1, MdlLectarium::Database_Path)) {
        std::fprintf(stderr, "lectarium-day: the output goes into %s, the database it reads\n",
                     QDir::toNativeSeparators(MdlLectarium::Database_Path).toLocal8Bit().constData());
        return exitUsage;
    }
    // A file that is not a lectionary is refused with the program's reason, rather than
    // read as a day without readings.
    QString problem;
    if (!MdlLectarium::Check_Database_File(MdlLectarium::Database_Path, problem)) {
        std::fprintf(stderr, "lectarium-day: cannot read %s: %s\n",
                     QDir::toNativeSeparators(MdlLectarium::Database_Path).toLocal8Bit().constData(),
                     problem.toLocal8Bit().constData());
        return 1;
    }
    if (slides)
        return slidesOf(date, QString::fromLocal8Bit(slides));
    QByteArray out;
    QString error;
    const bool read =
        html ? wholeDayHtml(date, out, error)
             : MdlLectarium::Readings_Report(date, MdlLectarium::Database_Path, withText, out, error);
    if (!read) {
        std::fprintf(stderr, "lectarium-day: cannot read %s: %s\n",
                     QDir::toNativeSeparators(MdlLectarium::Database_Path).toLocal8Bit().constData(),
                     error.toLocal8Bit().constData());
        return 1;
    }
    Write_Output(out);
    return finish(0);
}

int feed(int argc, char* argv[]) {
    if (argc != 4 || std::strcmp(argv[1], "--ics") != 0)
        return fail(usage);
    int failure = 0;
    const QDate from = checkedDate(argv[2], failure);
    if (!from.isValid())
        return failure;
    const QDate to = checkedDate(argv[3], failure);
    if (!to.isValid())
        return failure;
    if (to < from)
        return fail(QByteArray("TO (") + argv[3] + ") is before FROM (" + argv[2] + ")");
    MdlLectarium::Fill_Name_Tables();
    const QByteArray out = MdlLectarium::Calendar_Feed(from, to, QDateTime::currentDateTimeUtc());
    Write_Output(out);
    return finish(0);
}

} // namespace

int main(int argc, char* argv[]) {
    MdlLectarium::Ignore_File_Size_Signal();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            const QByteArray help =
                QByteArray(usage) + "\n\n" + readingsHelp + MdlLectarium::Day_Report_Columns();
            Write_Output(help);
            return finish(0);
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--ics") == 0)
            return feed(argc, argv);
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--readings") == 0 || std::strcmp(argv[i], "--text") == 0 ||
            std::strcmp(argv[i], "--html") == 0 || std::strcmp(argv[i], "--slides") == 0)
            return readings(argc, argv);
    }
    if (argc < 2 || argc > 3)
        return fail(usage);

    QDate dates[2];
    for (int i = 1; i < argc; ++i) {
        dates[i - 1] = parseDate(argv[i]);
        if (!dates[i - 1].isValid())
            return fail(QByteArray("not a date (expected YYYY-MM-DD): ") + argv[i]);
        if (dates[i - 1].year() < firstYear || dates[i - 1].year() > lastYear)
            return fail(QByteArray("date outside the years 500 to 5000: ") + argv[i]);
    }
    const QDate from = dates[0];
    const QDate to = argc == 3 ? dates[1] : from;
    if (to < from)
        return fail(QByteArray("TO (") + argv[2] + ") is before FROM (" + argv[1] + ")");

    // The name tables only: the settings file is not read.
    MdlLectarium::Fill_Name_Tables();
    MdlLectarium::Reset_Day_State();

    QByteArray out;
    out.reserve(1 << 16);
    for (QDate date = from; date <= to; date = date.addDays(1)) {
        out += MdlLectarium::Day_Report_Line(date);
        if (out.size() >= (1 << 16) - 512) {
            if (!Write_Output(out))
                return finish(1);
            out.clear();
        }
    }
    Write_Output(out);
    return finish(0);
}
