// lectarium-day FROM [TO]: the classification of each day from FROM to TO, one
// tab-separated line per day, as the day chooser computes it on Show.
// lectarium-day --readings DATE [--text]: the readings of the day from Lectarium.mdb in
// the current folder, as the readings window shows them; --text adds the passages.
// lectarium-day --readings DATE --html: the whole day as one HTML page.
// --bible NAME[,NAME...] with --text or --html: the passages in those translations.
// lectarium-day --readings DATE --slides OUT.pdf: the day's readings as 16:9 slides.
// --bible NAME[,NAME...] with --slides: the first translation named in a second column.
// lectarium-day --ics FROM TO: the titled days as an iCalendar feed.
// lectarium-day --fasts FROM TO: the fast of each day and what it allows.
// lectarium-day --saint TEXT [--year YEAR]: the days that commemorate a saint.
// lectarium-day --calendar YEAR --pdf OUT.pdf: the year's calendar on paper.
// --lang en|ar|classic with --readings, --ics, --fasts and --titles: the day's own words
// in that language.

#include "base/interface_language.h"
#include "base/program_files.h"
#include "base/safe_file.h"
#include "calendar/day_feed.h"
#include "calendar/day_report.h"
#include "calendar/fasts.h"
#include "calendar/selected_day.h"
#include "calendar/year_calendar_pdf.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/database_file.h"
#include "lectionary/parallel_passage.h"
#include "readings/lectern_pages.h"
#include "readings/lectern_paint.h"
#include "readings/readings_report.h"
#include "readings/saint_search.h"
#include "readings/whole_day.h"
#include "tools/command_line/command_line.h"
#include "tools/output/tool_output.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <memory>

namespace {

constexpr int exitUsage = 2;

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
int fasts(const Call& call);
int saint(const Call& call);
int calendar(const Call& call);

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
         QStringLiteral("--readings DATE [--text | --html | --slides OUT.pdf] [--bible NAME,...]"),
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
             "--bible NAME,... with --text or --html takes the passages from the translations named\n"
             "(installed SWORD Bible modules, db for the database's Bible): with --text each verse\n"
             "in each translation in turn, with --html a table, verse n of each on one row.\n"
             "DATE may be today or tomorrow; with --evening-from HOUR, from that hour on today is\n"
             "the next liturgical day, as Vespers begins it. The fast of the day follows the title.\n"
             "--slides OUT.pdf writes the day's readings as slides into OUT.pdf (16:9, one page per\n"
             "screen of text, right to left): the day's title page first, then every reading in\n"
             "order under its heading (office, reading, reference) in large type, a long reading\n"
             "going on over pages, split only between verses; the pages of the lectern's full-screen\n"
             "view. The file is replaced whole or not at all. With --bible NAME,... the first\n"
             "translation named stands in a second column beside the day's text, as in the lectern.\n\n"),
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
        {QStringLiteral("fasts"),
         QString(),
         QStringLiteral("prints the fast of each day from FROM to TO"),
         QStringLiteral("--fasts FROM TO"),
         {{QStringLiteral("FROM"), QStringLiteral("the first day")},
          {QStringLiteral("TO"), QStringLiteral("the last day")}},
         QStringLiteral(
             "lectarium-day --fasts FROM TO prints one line per day, DATE<TAB>KEY<TAB>NAME<TAB>FOOD:\n"
             "KEY is Nineveh, Lent, Pascha, Apostles, Virgin, Nativity, Paramoun, WedFri or - (no\n"
             "fast), NAME the Arabic name of the fast (- for none), FOOD vegan, fish or -.\n\n"),
         fasts},
        {QStringLiteral("saint"),
         QStringLiteral("TEXT"),
         QStringLiteral("prints the days that commemorate a saint whose name holds TEXT"),
         QStringLiteral("--saint TEXT [--year YEAR]"),
         {},
         QStringLiteral(
             "lectarium-day --saint TEXT [--year YEAR] searches the commemorations of the synaxarium\n"
             "in Lectarium.mdb in the current folder, Arabic names regardless of marks and letter\n"
             "forms, English names regardless of case, and prints one line per match:\n"
             "COPTIC_DAY COPTIC_MONTH<TAB>GREGORIAN DATE<TAB>NAME, the Gregorian date in YEAR (this\n"
             "year if not given), - when that year has no such day.\n\n"),
         saint},
        {QStringLiteral("calendar"),
         QStringLiteral("YEAR"),
         QStringLiteral("writes the calendar of the Gregorian YEAR as a PDF"),
         QStringLiteral("--calendar YEAR --pdf OUT.pdf"),
         {},
         QStringLiteral(
             "lectarium-day --calendar YEAR --pdf OUT.pdf writes the calendar of YEAR: a first page\n"
             "with the moveable feasts and the first and last days of the fasts, then one page\n"
             "per month, the Coptic date under each day, Sundays marked, feasts named and fast\n"
             "days shaded by kind. An existing OUT.pdf is replaced only once the new one is\n"
             "written whole.\n\n"),
         calendar},
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
        {QStringLiteral("bible"),
         QStringLiteral(
             "with --text, --html or --slides: the passages in these translations, installed SWORD Bible "
             "modules or db for the database's Bible, side by side"),
         QStringLiteral("readings"), QStringLiteral("NAME,...")},
        {QStringLiteral("evening-from"),
         QStringLiteral("with --readings today or tomorrow: from this hour (0-23) on, today is the next "
                        "liturgical day"),
         QStringLiteral("readings"), QStringLiteral("HOUR")},
        {QStringLiteral("year"), QStringLiteral("with --saint: the Gregorian year of the dates"),
         QStringLiteral("saint"), QStringLiteral("YEAR")},
        {QStringLiteral("pdf"), QStringLiteral("with --calendar: the PDF file to write"),
         QStringLiteral("calendar"), QStringLiteral("OUT.pdf")},
        {QStringLiteral("slides"),
         QStringLiteral("with --readings: the day's readings as 16:9 slides in OUT.pdf"),
         QStringLiteral("readings"), QStringLiteral("OUT.pdf")},
        {QStringLiteral("titles"), QStringLiteral("with FROM [TO]: the date and the title of each day alone"),
         QString(), QString()},
    };
    return table;
}

// The modes whose output --lang puts in a language (the range with --titles only).
bool takesLanguage(const Mode& mode) {
    return mode.option.isEmpty() || mode.option == QLatin1String("readings") ||
           mode.option == QLatin1String("ics") || mode.option == QLatin1String("fasts");
}

// The language --lang names (Classic without it); checked before any mode runs.
MdlLectarium::Interface_Language chosenLanguage(const QCommandLineParser& parser) {
    return MdlLectarium::Language_From_Code(parser.value(QStringLiteral("lang")))
        .value_or(MdlLectarium::Interface_Language::Classic);
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
    if (!only || takesLanguage(*only))
        parser.addOption(QCommandLineOption(
            QStringLiteral("lang"),
            QStringLiteral("the day's dates, titles, names and captions in English (en), or in Arabic "
                           "(ar, classic: as without the option)"),
            QStringLiteral("LANG")));
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

// The dates FROM and TO of call (TO is FROM when not given), checked and in order;
// false with the message written and failure set otherwise.
bool checkedRange(const Call& call, QDate& from, QDate& to, int& failure) {
    QList<QDate> dates;
    if (!checkedDates(call.dates, dates, failure))
        return false;
    from = dates.first();
    to = dates.last();
    if (to < from) {
        failure =
            fail(QStringLiteral("TO (%1) is before FROM (%2)").arg(call.dates.last(), call.dates.first()));
        return false;
    }
    return true;
}

// The classification of each day from FROM to TO.
int range(const Call& call) {
    QDate from, to;
    int failure = 0;
    if (!checkedRange(call, from, to, failure))
        return failure;

    // The name tables only: the settings file is not read.
    MdlLectarium::Fill_Name_Tables();
    MdlLectarium::Reset_Day_State();

    const bool titles = call.parser.isSet(QStringLiteral("titles"));
    const MdlLectarium::Interface_Language language = chosenLanguage(call.parser);
    QByteArray out;
    out.reserve(1 << 16);
    for (QDate date = from; date <= to; date = date.addDays(1)) {
        out += titles ? MdlLectarium::Day_Title_Line(date, language) : MdlLectarium::Day_Report_Line(date);
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
bool wholeDayHtml(const QDate& date, QByteArray& out, QString& error,
                  const std::function<QString(const MdlLectarium::Whole_Day_Entry&)>& passage,
                  MdlLectarium::Interface_Language language) {
    const auto database = MdlLectarium::Open_Database(MdlLectarium::Database_Path, error);
    if (!database)
        return false;
    MdlLectarium::Reset_Day_State();
    MdlLectarium::Classify_Day(date, MdlLectarium::Day_Stage::Shown);
    out = MdlLectarium::Whole_Day_Html(MdlLectarium::Read_Whole_Day(MdlLectarium::Database_Path, language),
                                       passage)
              .toUtf8();
    return true;
}

// An hour written as one or two digits, 0 to 23.
bool eveningHour(const QString& text, int& hour) {
    bool ok = false;
    hour = text.toInt(&ok);
    return ok && text.size() <= 2 && text.front().isDigit() && text.back().isDigit() && hour >= 0 &&
           hour <= 23;
}

// The day's readings as slides at path, through the safe writer.
int slidesOf(const QDate& date, const QString& path, MdlLectarium::Named_Bibles& bibles,
             MdlLectarium::Interface_Language language) {
    const QString shown = QDir::toNativeSeparators(path);
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(MdlLectarium::Database_Path).absoluteFilePath()) {
        std::fprintf(stderr, "lectarium-day: the slides would replace %s, the database they are read from\n",
                     shown.toLocal8Bit().constData());
        return exitUsage;
    }
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
    MdlLectarium::Lectern_Day day =
        MdlLectarium::Lectern_Day_Of(MdlLectarium::Read_Whole_Day(MdlLectarium::Database_Path, language));
    // As the live lectern: the day's text, and the first translation named beside it.
    for (int i = 0; i < bibles.translations.size(); ++i) {
        if (i == bibles.databaseColumn)
            continue;
        const MdlLectarium::Translation& translation = bibles.translations[i];
        MdlLectarium::Lectern_Add_Beside(day, [&translation](const QString& reference) {
            return MdlLectarium::Reading_Verses(translation, reference);
        });
        break;
    }
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
    QStringList bibleNames;
    if (call.parser.isSet(QStringLiteral("bible"))) {
        for (const QString& name : call.parser.value(QStringLiteral("bible")).split(QLatin1Char(',')))
            if (!name.trimmed().isEmpty())
                bibleNames << name.trimmed();
        if (bibleNames.isEmpty() || (!html && !withText && !slides))
            return fail(usage(&call.mode));
    }
    // The database's Bible alone is what the day shows without the option.
    if (bibleNames == QStringList{QString::fromLatin1(MdlLectarium::Database_Bible_Name)})
        bibleNames.clear();
    QDate date;
    if (call.value == QLatin1String("today") || call.value == QLatin1String("tomorrow")) {
        int evening = -1;
        if (call.parser.isSet(QStringLiteral("evening-from")) &&
            !eveningHour(call.parser.value(QStringLiteral("evening-from")), evening))
            return fail(QStringLiteral("not an hour from 0 to 23: ") +
                        call.parser.value(QStringLiteral("evening-from")));
        date = MdlLectarium::Liturgical_Today(QDateTime::currentDateTime(), evening)
                   .addDays(call.value == QLatin1String("tomorrow") ? 1 : 0);
    } else {
        QList<QDate> dates;
        int failure = 0;
        if (!checkedDates({call.value}, dates, failure))
            return failure;
        date = dates.first();
    }

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
    MdlLectarium::Named_Bibles bibles;
    if (!bibleNames.isEmpty()) {
        QString error;
        const MdlLectarium::Bibles_Outcome opened =
            MdlLectarium::Open_Named_Bibles(bibleNames, bibles, error);
        if (opened == MdlLectarium::Bibles_Outcome::Unknown_Name)
            return fail(error);
        // A module that cannot be read is left out; the others are shown.
        for (const QString& problem : std::as_const(bibles.problems))
            std::fprintf(stderr, "lectarium-day: %s\n", problem.toLocal8Bit().constData());
        if (opened == MdlLectarium::Bibles_Outcome::None_Usable)
            return 1;
    }
    if (slides)
        return slidesOf(date, call.parser.value(QStringLiteral("slides")), bibles,
                        chosenLanguage(call.parser));
    MdlLectarium::Data_Source bible(QStringLiteral("Data_Bible"));
    bible.setDatabaseName(MdlLectarium::Database_Path);
    std::function<QString(const QString&)> passageText;
    std::function<QString(const MdlLectarium::Whole_Day_Entry&)> passageHtml;
    if (!bibleNames.isEmpty()) {
        passageText = [&](const QString& reference) {
            return MdlLectarium::Parallel_Text(MdlLectarium::Parallel_Passage(bibles, bible, reference));
        };
        passageHtml = [&](const MdlLectarium::Whole_Day_Entry& entry) {
            return MdlLectarium::Parallel_Html(MdlLectarium::Parallel_Passage(bibles, bible, entry.reference),
                                               bibles.languages);
        };
    }
    QByteArray out;
    QString error;
    const MdlLectarium::Interface_Language language = chosenLanguage(call.parser);
    const bool read = html ? wholeDayHtml(date, out, error, passageHtml, language)
                           : MdlLectarium::Readings_Report(date, MdlLectarium::Database_Path, withText, out,
                                                           error, passageText, language);
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
    QDate from, to;
    int failure = 0;
    if (!checkedRange(call, from, to, failure))
        return failure;
    MdlLectarium::Fill_Name_Tables();
    Write_Output(
        MdlLectarium::Calendar_Feed(from, to, QDateTime::currentDateTimeUtc(), chosenLanguage(call.parser)));
    return 0;
}

int fasts(const Call& call) {
    QDate from, to;
    int failure = 0;
    if (!checkedRange(call, from, to, failure))
        return failure;
    MdlLectarium::Fill_Name_Tables();
    MdlLectarium::Reset_Day_State();
    const MdlLectarium::Interface_Language language = chosenLanguage(call.parser);
    QByteArray out;
    out.reserve(1 << 16);
    for (QDate date = from; date <= to; date = date.addDays(1)) {
        out += MdlLectarium::Fast_Report_Line(date, language).toUtf8() + '\n';
        if (out.size() >= (1 << 16) - 512) {
            if (!Write_Output(out))
                return 1;
            out.clear();
        }
    }
    Write_Output(out);
    return 0;
}

// The year of --year, or this year.
bool chosenYear(const QCommandLineParser& parser, const QString& option, int& year) {
    year = parser.isSet(option) ? Lectarium_Tools::Parse_Year(parser.value(option))
                                : QDate::currentDate().year();
    return year != 0;
}

int saint(const Call& call) {
    int year = 0;
    if (!chosenYear(call.parser, QStringLiteral("year"), year))
        return fail(QStringLiteral("not a year from 500 to 5000: ") +
                    call.parser.value(QStringLiteral("year")));
    if (call.value.simplified().isEmpty())
        return fail(QStringLiteral("nothing to search for: ") + usage(&call.mode));
    MdlLectarium::Program_Folder = QDir::currentPath();
    MdlLectarium::Database_Path = MdlLectarium::Program_File(QStringLiteral("Lectarium.mdb"));
    MdlLectarium::Set_Database_Opener(MdlLectarium::Open_Lectionary_File);
    MdlLectarium::Fill_Name_Tables();
    QString error;
    QList<MdlLectarium::Commemoration> all;
    const auto database = MdlLectarium::Open_Database(MdlLectarium::Database_Path, error);
    if (!database || !MdlLectarium::Read_Commemorations(*database, all, error)) {
        std::fprintf(stderr, "lectarium-day: cannot read %s: %s\n",
                     QDir::toNativeSeparators(MdlLectarium::Database_Path).toLocal8Bit().constData(),
                     error.toLocal8Bit().constData());
        return 1;
    }
    QByteArray out;
    for (const MdlLectarium::Commemoration& day : MdlLectarium::Find_Commemorations(all, call.value))
        out += MdlLectarium::Commemoration_Line(day, year).toUtf8() + '\n';
    Write_Output(out);
    return 0;
}

int calendar(const Call& call) {
    const int year = Lectarium_Tools::Parse_Year(call.value);
    if (year == 0)
        return fail(QStringLiteral("not a year from 500 to 5000: ") + call.value);
    const QString target = call.parser.value(QStringLiteral("pdf"));
    if (target.isEmpty())
        return fail(usage(&call.mode));
    MdlLectarium::Fill_Name_Tables();
    QString error;
    if (!MdlLectarium::Write_File_Safely(target, MdlLectarium::Year_Calendar_Pdf(year), &error)) {
        std::fprintf(stderr, "lectarium-day: cannot write %s: %s\n",
                     QDir::toNativeSeparators(target).toLocal8Bit().constData(),
                     error.toLocal8Bit().constData());
        return 1;
    }
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
    if (given.contains(QStringLiteral("lang"))) {
        if (!takesLanguage(*chosen) ||
            (chosen == &modes().first() && !given.contains(QStringLiteral("titles"))))
            return fail(usage(explained));
        const QString code = parser.value(QStringLiteral("lang"));
        if (!MdlLectarium::Language_From_Code(code))
            return fail(QStringLiteral("unknown language for --lang: %1 (en, ar or classic)").arg(code));
        MdlLectarium::Set_Current_Interface_Language(chosenLanguage(parser));
    }
    const QStringList dates = parser.positionalArguments();
    qsizetype least = 0;
    for (const Argument& argument : chosen->arguments)
        least += argument.optional ? 0 : 1;
    if (dates.size() < least || dates.size() > chosen->arguments.size())
        return fail(usage(explained));
    return chosen->run(
        {*chosen, parser, chosen->valueName.isEmpty() ? QString() : parser.value(chosen->option), dates});
}

// Qt's note that no runtime folder is set (a root shell, a build machine) is dropped:
// drawing the calendar in memory uses none, and the tool's own stderr stays its own.
QtMessageHandler qtHandler = nullptr;
void withoutRuntimeNote(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        qtHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[]) {
    MdlLectarium::Ignore_File_Size_Signal();
    // The calendar's PDF and the slides draw text, which needs the fonts of a GUI
    // application; the other modes run where there is no display at all.
    bool drawing = false;
    for (int i = 1; i < argc; ++i)
        drawing = drawing || QByteArray(argv[i]) == "--calendar" ||
                  QByteArray(argv[i]).startsWith("--calendar=") || QByteArray(argv[i]).startsWith("--slides");
    if (drawing)
        qtHandler = qInstallMessageHandler(withoutRuntimeNote);
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = drawing ? std::make_unique<QGuiApplication>(argc, argv)
                                                    : std::make_unique<QCoreApplication>(argc, argv);
    // 1 when the output could not be written whole.
    return Lectarium_Tools::Finish_Output("lectarium-day", run(app->arguments()), 1);
}
