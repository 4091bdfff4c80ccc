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
#include "tools/command_line/command_line.h"
#include "tools/output/tool_output.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

constexpr int exitUsage = 2;

// The command line as main got it, for the application object of the slides.
int commandCount = 0;
char** commandWords = nullptr;

// A refusal is one line: an argument named in it shows its control characters (a line
// feed after a date) as escapes rather than breaking the line.
int fail(const QString& message) {
    QByteArray shown;
    for (const char c : message.toLocal8Bit()) {
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

using Lectarium_Tools::Write_Output;

struct Mode;

// What a mode gets: itself, the parser with every option, the value of the mode's own
// option and the dates after the options.
struct Call {
    const Mode& mode;
    const QCommandLineParser& parser;
    QString value;
    QStringList dates;
};

int range(const Call& call);
int readings(const Call& call);
int feed(const Call& call);

// A date a mode takes after the options.
struct Argument {
    QString name;
    QString help;
    bool optional = false;
};

// The ways to run the tool, each chosen by its option (the range by none), with the
// dates it takes, what its help explains and its handler. A new mode is one row here
// and its handler.
struct Mode {
    QString option;
    QString valueName; // empty for a switch
    QString help;
    QString synopsis; // its part of the usage line
    QList<Argument> arguments;
    QString explanation;
    int (*run)(const Call&);
};

const QList<Mode>& modes() {
    static const QList<Mode> table{
        {QString(),
         QString(),
         QString(),
         QStringLiteral("FROM [TO]"),
         {{QStringLiteral("FROM"), QStringLiteral("the first day")},
          {QStringLiteral("TO"), QStringLiteral("the last day; FROM if not given"), true}},
         QString::fromUtf8(MdlLectarium::Day_Report_Columns()),
         range},
        {QStringLiteral("readings"),
         QStringLiteral("DATE"),
         QStringLiteral("prints the readings of DATE from Lectarium.mdb in the current folder"),
         QStringLiteral("--readings DATE [--text | --html | --slides OUT.pdf]"),
         {},
         QStringLiteral(
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
             "view. The file is replaced whole or not at all.\n\n"),
         readings},
        {QStringLiteral("ics"),
         QString(),
         QStringLiteral("writes the titled days from FROM to TO as an iCalendar feed"),
         QStringLiteral("--ics FROM TO"),
         {{QStringLiteral("FROM"), QStringLiteral("the first day")},
          {QStringLiteral("TO"), QStringLiteral("the last day")}},
         QStringLiteral("lectarium-day --ics FROM TO writes an iCalendar feed (RFC 5545, UTF-8, CR LF): one\n"
                        "all-day event per day that has a title, days in a row with the same title as one\n"
                        "event; SUMMARY is the title, DESCRIPTION the Coptic date.\n\n"),
         feed},
    };
    return table;
}

// Options that change a mode, with the option of the mode they go with.
struct Modifier {
    QString option;
    QString help;
    QString mode;
    QString valueName; // empty for a switch
};

const QList<Modifier>& modifiers() {
    static const QList<Modifier> table{
        {QStringLiteral("text"),
         QStringLiteral("with --readings: adds the passages and the synaxarium story"),
         QStringLiteral("readings"), QString()},
        {QStringLiteral("html"), QStringLiteral("with --readings: the whole day as one HTML page"),
         QStringLiteral("readings"), QString()},
        {QStringLiteral("slides"),
         QStringLiteral("with --readings: the day's readings as 16:9 slides in OUT.pdf"),
         QStringLiteral("readings"), QStringLiteral("OUT.pdf")},
    };
    return table;
}

// "usage: lectarium-day FROM [TO] | --readings DATE ... (dates as ...)", one line; of
// one mode only when mode is given.
QString usage(const Mode* mode = nullptr) {
    QStringList synopses;
    for (const Mode& each : modes())
        if (!mode || &each == mode)
            synopses << each.synopsis;
    return QStringLiteral("usage: lectarium-day ") + synopses.join(QStringLiteral(" | ")) +
           QStringLiteral("   (dates as YYYY-MM-DD in the years 500 to 5000; --help explains)");
}

// Qt's parser with every option, and the dates of the range; for the help of one mode,
// with that mode's options and dates only.
void prepare(QCommandLineParser& parser, const Mode* only = nullptr) {
    Lectarium_Tools::Add_Standard_Options(parser);
    QString description =
        QStringLiteral("The Coptic date, the liturgical day and the readings of any day:\n");
    // Each mode's option, followed by those that change it.
    for (const Mode& mode : modes()) {
        if (only && &mode != only)
            continue;
        description += QStringLiteral("  lectarium-day ") + mode.synopsis + QLatin1Char('\n');
        if (!mode.option.isEmpty())
            parser.addOption(QCommandLineOption(mode.option, mode.help, mode.valueName));
        for (const Modifier& modifier : modifiers())
            if (modifier.mode == mode.option)
                parser.addOption(QCommandLineOption(modifier.option, modifier.help, modifier.valueName));
    }
    for (const Argument& argument : (only ? only : &modes().first())->arguments)
        parser.addPositionalArgument(argument.name, argument.help,
                                     argument.optional ? QStringLiteral("[%1]").arg(argument.name)
                                                       : argument.name);
    parser.setApplicationDescription(
        description + QStringLiteral("Dates are written YYYY-MM-DD, in the years 500 to 5000."));
}

// The help of mode, or of the whole tool: Qt's usage, then what each mode writes (the
// columns of the range, the longest, last).
QString helpText(const Mode* mode) {
    QCommandLineParser parser;
    prepare(parser, mode);
    QString text = parser.helpText() + QLatin1Char('\n');
    if (mode)
        return text + mode->explanation;
    for (const Mode& each : modes().mid(1))
        text += each.explanation;
    return text + modes().first().explanation;
}

// The date arguments of call, checked; empty with a message on stderr when one is not a date.
bool checkedDates(const QStringList& texts, QList<QDate>& dates, int& failure) {
    for (const QString& text : texts) {
        QString error;
        dates << Lectarium_Tools::Checked_Date(text, error);
        if (!dates.last().isValid()) {
            failure = fail(error);
            return false;
        }
    }
    return true;
}

// The classification of each day from FROM to TO.
int range(const Call& call) {
    QList<QDate> dates;
    int failure = 0;
    if (!checkedDates(call.dates, dates, failure))
        return failure;
    const QDate from = dates.first();
    const QDate to = dates.last();
    if (to < from)
        return fail(QStringLiteral("TO (%1) is before FROM (%2)").arg(call.dates.last(), call.dates.first()));

    // The name tables only: the settings file is not read.
    MdlLectarium::Fill_Name_Tables();
    MdlLectarium::Reset_Day_State();

    QByteArray out;
    out.reserve(1 << 16);
    for (QDate date = from; date <= to; date = date.addDays(1)) {
        out += MdlLectarium::Day_Report_Line(date);
        if (out.size() >= (1 << 16) - 512) {
            if (!Write_Output(out))
                return 1;
            out.clear();
        }
    }
    Write_Output(out);
    return 0;
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
    const QGuiApplication application(commandCount, commandWords);
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

int readings(const Call& call) {
    const bool withText = call.parser.isSet(QStringLiteral("text"));
    const bool html = call.parser.isSet(QStringLiteral("html"));
    const bool slides = call.parser.isSet(QStringLiteral("slides"));
    if (int(html) + int(withText) + int(slides) > 1 ||
        (slides && call.parser.value(QStringLiteral("slides")).isEmpty()))
        return fail(usage(&call.mode));
    QList<QDate> dates;
    int failure = 0;
    if (!checkedDates({call.value}, dates, failure))
        return failure;
    const QDate date = dates.first();

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
        return slidesOf(date, call.parser.value(QStringLiteral("slides")));
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
    return 0;
}

int feed(const Call& call) {
    QList<QDate> dates;
    int failure = 0;
    if (!checkedDates(call.dates, dates, failure))
        return failure;
    if (dates[1] < dates[0])
        return fail(QStringLiteral("TO (%1) is before FROM (%2)").arg(call.dates[1], call.dates[0]));
    MdlLectarium::Fill_Name_Tables();
    Write_Output(MdlLectarium::Calendar_Feed(dates[0], dates[1], QDateTime::currentDateTimeUtc()));
    return 0;
}

int run(QStringList arguments) {
    const Lectarium_Tools::Standard_Options standard = Lectarium_Tools::Take_Standard_Options(arguments);
    QCommandLineParser parser;
    prepare(parser);
    const bool parsed = parser.parse(arguments);
    // The mode its option names (the range when none does); none when two are named.
    const Mode* chosen = &modes().first();
    for (const Mode& mode : modes()) {
        if (mode.option.isEmpty() || !parser.isSet(mode.option))
            continue;
        chosen = chosen == &modes().first() ? &mode : nullptr;
        if (!chosen)
            break;
    }
    // "--readings --help" is the help of --readings; a range's help is the whole.
    const Mode* explained = chosen == &modes().first() ? nullptr : chosen;
    if (Lectarium_Tools::Answer_Standard_Options(standard, parser, "lectarium-day", helpText(explained)))
        return 0;
    if (!parsed)
        return fail(parser.errorText() + QLatin1Char(' ') + usage(explained));
    if (!chosen)
        return fail(usage());
    // Each option once, the modifiers of the chosen mode only, and as many dates as it takes.
    const QStringList given = parser.optionNames();
    for (const QString& name : given)
        if (given.count(name) > 1)
            return fail(usage(explained));
    for (const Modifier& modifier : modifiers())
        if (given.contains(modifier.option) && modifier.mode != chosen->option)
            return fail(usage(explained));
    const QStringList dates = parser.positionalArguments();
    qsizetype least = 0;
    for (const Argument& argument : chosen->arguments)
        least += argument.optional ? 0 : 1;
    if (dates.size() < least || dates.size() > chosen->arguments.size())
        return fail(usage(explained));
    return chosen->run(
        {*chosen, parser, chosen->valueName.isEmpty() ? QString() : parser.value(chosen->option), dates});
}

} // namespace

int main(int argc, char* argv[]) {
    MdlLectarium::Ignore_File_Size_Signal();
    commandCount = argc;
    commandWords = argv;
    // The slides need Qt Gui for their fonts; its application object is made only when
    // the arguments have proved good (slidesOf), so that a refusal stays one line.
    bool paints = false;
    for (int i = 1; i < argc; ++i)
        paints = paints || std::strncmp(argv[i], "--slides", 8) == 0;
    std::optional<QCoreApplication> app;
    if (!paints)
        app.emplace(argc, argv);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // 1 when the output could not be written whole.
    return Lectarium_Tools::Finish_Output("lectarium-day", run(arguments), 1);
}
