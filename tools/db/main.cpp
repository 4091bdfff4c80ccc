// lectarium-db: builds the lectionary database from its text source folder, writes the
// folder back, checks the reading references, prints passages, imports a Bible and
// converts an Access file to SQLite.

#include "base/safe_file.h"
#include "bible/search.h"
#include "lectionary/bible_books.h"
#include "lectionary/bible_import.h"
#include "lectionary/data_source.h"
#include "lectionary/database_check.h"
#include "lectionary/database_file.h"
#include "lectionary/passage.h"
#include "lectionary/source_folder.h"
#include "lectionary/sqlite_database.h"
#include "lectionary/sword_import.h"
#include "readings/where_read.h"
#include "tools/command_line/command_line.h"
#include "tools/output/tool_output.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QStringList>

#include <cstdio>

using namespace MdlLectarium;

namespace {

// Standard output goes through the checked writer; stderr has nowhere to report to.
void print(FILE* stream, const QString& text) {
    if (stream == stdout) {
        Lectarium_Tools::Write_Output(text.toUtf8());
        return;
    }
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

int fail(const QString& message) {
    print(stderr, QStringLiteral("lectarium-db: ") + message + QLatin1Char('\n'));
    return 2;
}

// The program refuses a file that is not a lectionary at start-up; so do the commands
// that read one, with the program's reason, rather than print blanks.
QString lectionaryProblem(const QString& path) {
    QString problem;
    return Check_Database_File(path, problem) ? QString() : path + QStringLiteral(": ") + problem;
}

// "1", "47" or "مت": the book, or 0.
Integer bookOf(const QString& item) {
    bool isNumber = false;
    const int number = item.toInt(&isNumber);
    if (isNumber)
        return number >= 1 && number <= Book_Count ? static_cast<Integer>(number) : Integer(0);
    for (Integer book = 1; book <= Book_Count; ++book)
        if (Bible_Books[book].Abbreviation == item)
            return book;
    return 0;
}

// What a command gets: its arguments after its name, and the parser holding its options.
struct Call {
    QStringList arguments;
    const QCommandLineParser& parser;
};

int build(const Call& call) {
    QString error;
    if (!Build_Database(call.arguments[0], call.arguments[1], error))
        return fail(error);
    return 0;
}

int dump(const Call& call) {
    if (const QString problem = lectionaryProblem(call.arguments[0]); !problem.isEmpty())
        return fail(problem);
    QString error;
    if (!Dump_Database(call.arguments[0], call.arguments[1], error))
        return fail(error);
    return 0;
}

int check(const Call& call) {
    const QString& path = call.arguments[0];
    if (const QString problem = lectionaryProblem(path); !problem.isEmpty())
        return fail(problem);
    QStringList problems;
    QString error;
    if (!Check_Database(path, problems, error))
        return fail(error);
    for (const QString& line : problems)
        print(stdout, line + QLatin1Char('\n'));
    if (!problems.isEmpty()) {
        print(stderr, QStringLiteral("%1 references cannot be resolved\n").arg(problems.size()));
        return 1;
    }
    return 0;
}

int passage(const Call& call) {
    const QString& path = call.arguments[0];
    if (const QString problem = lectionaryProblem(path); !problem.isEmpty())
        return fail(problem);
    QString error;
    auto database = Open_Lectionary_File(path, error);
    if (!database)
        return fail(error);
    Data_Source& source = Data_Bible();
    source.setDatabase(database);
    const QString passage = Get_Passage(source, call.arguments[1]);
    const QString problem = source.lastError();
    source.setDatabase(nullptr);
    if (!problem.isEmpty())
        return fail(problem);
    print(stdout, passage);
    if (passage.isEmpty()) {
        print(stderr, QStringLiteral("no passage: unknown book or no verses\n"));
        return 1;
    }
    return 0;
}

int where(const Call& call) {
    const QString& path = call.arguments[0];
    const bool given = call.arguments.size() > 2;
    const int year = given ? Lectarium_Tools::Parse_Year(call.arguments[2]) : QDate::currentDate().year();
    if (year == 0)
        return fail(QStringLiteral("not a year from 500 to 5000: ") + call.arguments[2]);
    if (const QString problem = lectionaryProblem(path); !problem.isEmpty())
        return fail(problem);
    Fill_Name_Tables();
    QStringList lines;
    QString error;
    if (!Where_Read_Report(path, call.arguments[1], year, lines, error))
        return fail(error);
    for (const QString& line : lines)
        print(stdout, line + QLatin1Char('\n'));
    if (lines.isEmpty()) {
        print(stderr, QStringLiteral("no reading covers these verses\n"));
        return 1;
    }
    return 0;
}

int convert(const Call& call) {
    QString error;
    if (!Convert_Access_File(call.arguments[0], call.arguments[1], error))
        return fail(error);
    return 0;
}

int search(const Call& call) {
    const QString& path = call.arguments[0];
    const QString& term = call.arguments[1];
    if (const QString problem = lectionaryProblem(path); !problem.isEmpty())
        return fail(problem);
    if (term.isEmpty())
        return fail(QStringLiteral("search: the term is empty"));
    Search_Scope scope;
    for (const QString& list : call.parser.values(QStringLiteral("books"))) {
        for (const QString& item : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const Integer book = bookOf(item.trimmed());
            if (book == 0)
                return fail(
                    QStringLiteral("search: \"%1\" is not a book (1..73 or an abbreviation)").arg(item));
            if (!scope.books.contains(book))
                scope.books.append(book);
        }
        if (scope.books.isEmpty())
            return fail(QStringLiteral("search: --books names no book"));
    }
    const bool exact = call.parser.isSet(QStringLiteral("exact"));
    QString error;
    auto database = Open_Lectionary_File(path, error);
    if (!database)
        return fail(error);
    Data_Source& source = Data_Bible_Search();
    source.setDatabase(database);
    Found_Verses found;
    const bool read = Find_Verses(source, term, !exact && Has_Arabic_Letters(term), scope, found, error);
    source.setDatabase(nullptr);
    if (!read)
        return fail(error);
    const Scan_Outcome outcome = Scan_Found(found, nullptr);
    for (int page = 1; page <= outcome.pages.Count(); ++page) {
        QString text = outcome.pages.Pages()[page];
        print(stdout, text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    }
    print(stderr, QStringLiteral("%1 verses\n").arg(outcome.hits));
    return outcome.hits > 0 ? 0 : 1;
}

int importBible(const Call& call) {
    const QStringList& args = call.arguments;
    QStringList report;
    QString error;
    const bool sword = args[0].compare(QLatin1String("sword"), Qt::CaseInsensitive) == 0;
    if (sword ? !Import_Sword_Bible(args[1], args[2], report, error)
              : !Import_Bible(args[0], args[1], args[2], report, error))
        return fail(error);
    for (const QString& line : report)
        print(stdout, line + QLatin1Char('\n'));
    return 0;
}

int modules(const Call&) {
    for (const Sword_Module& module : Sword_Bible_Modules())
        print(stdout,
              QStringList{module.name, module.language, module.versification, module.description}.join(
                  QLatin1Char('\t')) +
                  QLatin1Char('\n'));
    return 0;
}

struct Argument {
    QString name;
    QString help;
    bool optional = false;
};

// A command: its name, its arguments, the line the list of commands gives it, its own
// options and what it does. A new command is one row here and its handler.
struct Command {
    QString name;
    QList<Argument> arguments;
    QString summary;
    QList<QCommandLineOption> options;
    int (*run)(const Call&);
};

const QList<Command>& commands() {
    const QString db =
        QStringLiteral("a lectionary database: SQLite, or the Access file of the earlier program");
    const QString reference = QStringLiteral("a reading reference, such as \"مت 5: 1-12\"");
    static const QList<Command> table{
        {QStringLiteral("build"),
         {{QStringLiteral("SRC_DIR"), QStringLiteral("the source folder: one text file per table")},
          {QStringLiteral("OUT.mdb"), QStringLiteral("the database to write")}},
         QStringLiteral("build the database from a source folder"),
         {},
         build},
        {QStringLiteral("dump"),
         {{QStringLiteral("DB"), db},
          {QStringLiteral("OUT_DIR"), QStringLiteral("the source folder to write")}},
         QStringLiteral("write the source folder back from a database"),
         {},
         dump},
        {QStringLiteral("check"),
         {{QStringLiteral("DB"), db}},
         QStringLiteral("report references that cannot be resolved"),
         {},
         check},
        {QStringLiteral("passage"),
         {{QStringLiteral("DB"), db}, {QStringLiteral("REFERENCE"), reference}},
         QStringLiteral("print the passage of a reading reference"),
         {},
         passage},
        {QStringLiteral("where"),
         {{QStringLiteral("DB"), db},
          {QStringLiteral("REFERENCE"), reference},
          {QStringLiteral("YEAR"),
           QStringLiteral("the year of the days shown, 500 to 5000; this year if not given"), true}},
         QStringLiteral("every reading covering the verses, with its days"),
         {},
         where},
        {QStringLiteral("convert"),
         {{QStringLiteral("OLD.mdb"), QStringLiteral("an Access (Jet 3 or Jet 4) lectionary")},
          {QStringLiteral("NEW.mdb"), QStringLiteral("the SQLite copy to write")}},
         QStringLiteral("copy an Access file into SQLite"),
         {},
         convert},
        {QStringLiteral("search"),
         {{QStringLiteral("DB"), db},
          {QStringLiteral("TERM"),
           QStringLiteral("a word or phrase; for a term with Arabic letters the vowel "
                          "marks are ignored unless --exact")}},
         QStringLiteral("print the verses holding TERM, page by page"),
         {QCommandLineOption(QStringLiteral("books"),
                             QStringLiteral("searches only these books, each a number 1..73 or an "
                                            "abbreviation; may be given more than once"),
                             QStringLiteral("BOOK,...")),
          QCommandLineOption(QStringLiteral("exact"),
                             QStringLiteral("searches for the term exactly as written"))},
         search},
        {QStringLiteral("import-bible"),
         {{QStringLiteral("FORMAT"),
           QStringLiteral("imp: the text of SWORD's mod2imp; sword: an installed SWORD "
                          "module")},
          {QStringLiteral("FILE"),
           QStringLiteral("the mod2imp export, or the name of the module (see modules)")},
          {QStringLiteral("SRC_DIR"), QStringLiteral("the source folder that gets Bible.txt")}},
         QStringLiteral("write SRC_DIR/Bible.txt from a Bible export or module"),
         {},
         importBible},
        {QStringLiteral("modules"),
         {},
         QStringLiteral("list the installed SWORD Bible modules"),
         {},
         modules},
    };
    return table;
}

const Command* commandNamed(const QString& name) {
    for (const Command& command : commands())
        if (command.name == name)
            return &command;
    return nullptr;
}

// "where DB REFERENCE [YEAR]", "search DB TERM [--books BOOK,...] [--exact]".
QString synopsis(const Command& command) {
    QString text = command.name;
    for (const Argument& argument : command.arguments)
        text +=
            argument.optional ? QStringLiteral(" [%1]").arg(argument.name) : QLatin1Char(' ') + argument.name;
    for (const QCommandLineOption& option : command.options)
        text += QStringLiteral(" [--") + option.names().constFirst() +
                (option.valueName().isEmpty() ? QString() : QLatin1Char(' ') + option.valueName()) +
                QLatin1Char(']');
    return text;
}

// The usage of the tool: Qt's, the commands listed in its description.
QString toolUsage(QCommandLineParser& parser) {
    constexpr qsizetype column = 36;
    QString list =
        QStringLiteral("The database companion of Lectarium: builds, checks, reads and searches its "
                       "lectionary.\n\nCommands:\n");
    for (const Command& command : commands()) {
        const QString line = QStringLiteral("  ") + synopsis(command);
        list += line.size() < column ? line.leftJustified(column)
                                     : line + QLatin1Char('\n') + QString(column, ' ');
        list += command.summary + QLatin1Char('\n');
    }
    parser.setApplicationDescription(list.chopped(1));
    return parser.helpText();
}

// Qt's parser set up for command: its options, and its name and arguments as the
// positional arguments the usage lists.
void prepare(QCommandLineParser& parser, const Command& command) {
    parser.clearPositionalArguments();
    parser.addPositionalArgument(command.name, command.summary, command.name);
    for (const Argument& argument : command.arguments)
        parser.addPositionalArgument(argument.name, argument.help,
                                     argument.optional ? QStringLiteral("[%1]").arg(argument.name)
                                                       : argument.name);
    parser.addOptions(command.options);
}

int usageError(const QString& message, const QString& usage) {
    print(stderr, QStringLiteral("lectarium-db: ") + message + QLatin1Char('\n') + usage);
    return 2;
}

int run(QStringList arguments) {
    const Lectarium_Tools::Standard_Options standard = Lectarium_Tools::Take_Standard_Options(arguments);
    QCommandLineParser parser;
    Lectarium_Tools::Add_Standard_Options(parser);
    parser.addPositionalArgument(QStringLiteral("COMMAND"),
                                 QStringLiteral("one of the commands above; \"lectarium-db COMMAND --help\" "
                                                "gives its usage"),
                                 QStringLiteral("COMMAND [ARGUMENTS]"));
    // The command's own options are not known yet: errors wait for the second reading.
    const bool known = parser.parse(arguments);
    QStringList positional = parser.positionalArguments();
    const QString name = positional.value(0);
    const Command* command = commandNamed(name);
    // "lectarium-db help [COMMAND]" as --help.
    if (name == QLatin1String("help")) {
        const Command* about = commandNamed(positional.value(1));
        if (positional.size() == 1) {
            print(stdout, toolUsage(parser));
            return 0;
        }
        if (positional.size() == 2 && about) {
            prepare(parser, *about);
            print(stdout, parser.helpText());
            return 0;
        }
        return usageError(
            QStringLiteral("help: no command \"%1\"").arg(positional.mid(1).join(QLatin1Char(' '))),
            toolUsage(parser));
    }
    if (!command) {
        const QString usage = toolUsage(parser);
        if (Lectarium_Tools::Answer_Standard_Options(standard, parser, "lectarium-db", usage))
            return 0;
        if (!known)
            return usageError(parser.errorText(), usage);
        if (name.isEmpty()) {
            print(stderr, usage);
            return 2;
        }
        return usageError(QStringLiteral("unknown command \"%1\"").arg(name), usage);
    }

    prepare(parser, *command);
    const bool parsed = parser.parse(arguments);
    const QString usage = parser.helpText();
    if (Lectarium_Tools::Answer_Standard_Options(standard, parser, "lectarium-db", usage))
        return 0;
    if (!parsed)
        return usageError(parser.errorText(), usage);
    positional = parser.positionalArguments().mid(1);
    const QList<Argument>& wanted = command->arguments;
    if (positional.size() > wanted.size())
        return usageError(
            QStringLiteral("%1: unexpected argument \"%2\"").arg(name, positional[wanted.size()]), usage);
    if (positional.size() < wanted.size() && !wanted[positional.size()].optional)
        return usageError(QStringLiteral("%1: missing %2").arg(name, wanted[positional.size()].name), usage);

    Init_Bible_Tables();
    // Standard output sent into a file the command reads would change that file.
    QStringList read = positional;
    for (const QCommandLineOption& option : command->options)
        read += parser.values(option);
    for (const QString& argument : read)
        if (Descriptor_Is_File(1, argument))
            return fail(QStringLiteral("the output goes into %1, which the command reads").arg(argument));
    return command->run({positional, parser});
}

} // namespace

int main(int argc, char* argv[]) {
    Ignore_File_Size_Signal();
    QCoreApplication app(argc, argv);
    const int status = run(app.arguments());
    return Lectarium_Tools::Finish_Output("lectarium-db", status, 2);
}
