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
#include "tools/output/tool_output.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>

using namespace MdlLectarium;

namespace {

const char* const Usage =
    "usage:\n"
    "  lectarium-db build SRC_DIR OUT.mdb       build the database from a source folder\n"
    "  lectarium-db dump DB OUT_DIR             write the source folder back from a database\n"
    "  lectarium-db check DB                    report reading references that cannot be resolved\n"
    "  lectarium-db passage DB \"REFERENCE\"      print the passage of a reading reference\n"
    "  lectarium-db where DB \"REFERENCE\" [YEAR]  where the verses are read, with the days of YEAR\n"
    "  lectarium-db convert OLD.mdb NEW.mdb     write an SQLite copy of an Access (Jet 3 or Jet 4) file\n"
    "  lectarium-db search DB TERM [--books BOOK,...] [--exact]\n"
    "                                           print the verses holding TERM as the results window\n"
    "                                           lists them; BOOK is a number 1..73 or an abbreviation;\n"
    "                                           vowel marks are ignored for an Arabic term unless --exact\n"
    "  lectarium-db import-bible FORMAT FILE SRC_DIR\n"
    "                                           write SRC_DIR/Bible.txt from a Bible export\n"
    "                                           (FORMAT imp: the text of SWORD's mod2imp)\n"
    "  lectarium-db import-bible sword MODULE SRC_DIR\n"
    "                                           write SRC_DIR/Bible.txt from an installed SWORD module\n"
    "  lectarium-db modules                     list the installed SWORD Bible modules: name,\n"
    "                                           language, versification, description\n";

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

int search(const QStringList& args) {
    const QString path = args.value(1);
    const QString term = args.value(2);
    if (const QString problem = lectionaryProblem(path); !problem.isEmpty())
        return fail(problem);
    if (term.isEmpty())
        return fail(QStringLiteral("search: the term is empty"));
    Search_Scope scope;
    bool exact = false;
    for (qsizetype i = 3; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--exact")) {
            exact = true;
        } else if (args[i] == QLatin1String("--books") && i + 1 < args.size()) {
            for (const QString& item : args[++i].split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                const Integer book = bookOf(item.trimmed());
                if (book == 0)
                    return fail(
                        QStringLiteral("search: \"%1\" is not a book (1..73 or an abbreviation)").arg(item));
                if (!scope.books.contains(book))
                    scope.books.append(book);
            }
            if (scope.books.isEmpty())
                return fail(QStringLiteral("search: --books names no book"));
        } else {
            return fail(QStringLiteral("search: unknown option \"%1\"").arg(args[i]));
        }
    }
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

int run(const QStringList& args) {
    const QString command = args.value(0);
    auto wants = [&](int count) { return args.size() == count + 1; };
    Init_Bible_Tables();
    // Standard output sent into a file the command reads would change that file.
    for (const QString& argument : args.mid(1))
        if (Descriptor_Is_File(1, argument))
            return fail(QStringLiteral("the output goes into %1, which the command reads").arg(argument));

    if (args.size() == 1 && (command == QLatin1String("--help") || command == QLatin1String("-h") ||
                             command == QLatin1String("help"))) {
        print(stdout, QString::fromLatin1(Usage));
        return 0;
    }

    if (command == QLatin1String("build") && wants(2)) {
        QString error;
        if (!Build_Database(args[1], args[2], error))
            return fail(error);
        return 0;
    }
    if (command == QLatin1String("dump") && wants(2)) {
        if (const QString problem = lectionaryProblem(args[1]); !problem.isEmpty())
            return fail(problem);
        QString error;
        if (!Dump_Database(args[1], args[2], error))
            return fail(error);
        return 0;
    }
    if (command == QLatin1String("check") && wants(1)) {
        if (const QString problem = lectionaryProblem(args[1]); !problem.isEmpty())
            return fail(problem);
        QStringList problems;
        QString error;
        if (!Check_Database(args[1], problems, error))
            return fail(error);
        for (const QString& line : problems)
            print(stdout, line + QLatin1Char('\n'));
        if (!problems.isEmpty()) {
            print(stderr, QStringLiteral("%1 references cannot be resolved\n").arg(problems.size()));
            return 1;
        }
        return 0;
    }
    if (command == QLatin1String("passage") && wants(2)) {
        if (const QString problem = lectionaryProblem(args[1]); !problem.isEmpty())
            return fail(problem);
        QString error;
        auto database = Open_Lectionary_File(args[1], error);
        if (!database)
            return fail(error);
        Data_Source& source = Data_Bible();
        source.setDatabase(database);
        const QString passage = Get_Passage(source, args[2]);
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
    if (command == QLatin1String("where") && (wants(2) || wants(3))) {
        // Digits alone: toInt would also take blanks, a sign or a line feed around them.
        static const QRegularExpression digits(
            QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{3,4}")));
        const bool yearOk = !wants(3) || digits.match(args[3]).hasMatch();
        const int year = wants(3) ? args[3].toInt() : QDate::currentDate().year();
        if (!yearOk || year < 500 || year > 5000)
            return fail(QStringLiteral("not a year from 500 to 5000: ") + args.value(3));
        if (const QString problem = lectionaryProblem(args[1]); !problem.isEmpty())
            return fail(problem);
        Fill_Name_Tables();
        QStringList lines;
        QString error;
        if (!Where_Read_Report(args[1], args[2], year, lines, error))
            return fail(error);
        for (const QString& line : lines)
            print(stdout, line + QLatin1Char('\n'));
        if (lines.isEmpty()) {
            print(stderr, QStringLiteral("no reading covers these verses\n"));
            return 1;
        }
        return 0;
    }
    if (command == QLatin1String("convert") && wants(2)) {
        QString error;
        if (!Convert_Access_File(args[1], args[2], error))
            return fail(error);
        return 0;
    }
    if (command == QLatin1String("search") && args.size() >= 3)
        return search(args);
    if (command == QLatin1String("modules") && wants(0)) {
        for (const Sword_Module& module : Sword_Bible_Modules())
            print(stdout,
                  QStringList{module.name, module.language, module.versification, module.description}.join(
                      QLatin1Char('\t')) +
                      QLatin1Char('\n'));
        return 0;
    }
    if (command == QLatin1String("import-bible") && wants(3)) {
        QStringList report;
        QString error;
        const bool sword = args[1].compare(QLatin1String("sword"), Qt::CaseInsensitive) == 0;
        if (sword ? !Import_Sword_Bible(args[2], args[3], report, error)
                  : !Import_Bible(args[1], args[2], args[3], report, error))
            return fail(error);
        for (const QString& line : report)
            print(stdout, line + QLatin1Char('\n'));
        return 0;
    }
    print(stderr, QString::fromLatin1(Usage));
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    Ignore_File_Size_Signal();
    QCoreApplication app(argc, argv);
    const int status = run(app.arguments().mid(1));
    return Lectarium_Tools::Finish_Output("lectarium-db", status, 2);
}
