#pragma once

// What both command-line tools share in reading their arguments: Qt's parser with the
// help and version options answered through the checked output, and the strict forms
// of a date and a year.

#include <QCommandLineParser>
#include <QDate>
#include <QString>
#include <QStringList>

namespace Lectarium_Tools {

// The years the day chooser keeps to; the tools take dates and years within them.
constexpr int First_Year = 500;
constexpr int Last_Year = 5000;

// A date written YYYY-MM-DD that exists, nothing before or after it; else invalid.
QDate Parse_Date(const QString& text);

// Parse_Date within First_Year..Last_Year; else invalid, with the reason in error
// ("not a date (expected YYYY-MM-DD): TEXT", "date outside the years 500 to 5000: TEXT").
QDate Checked_Date(const QString& text, QString& error);

// A year written as three or four digits alone, within First_Year..Last_Year; else 0.
int Parse_Year(const QString& text);

// Adds -h/--help and -v/--version to parser.
void Add_Standard_Options(QCommandLineParser& parser);

// Whether -h/--help or -v/--version stood on the command line.
struct Standard_Options {
    bool help = false;
    bool version = false;
};

// Takes -h, --help, -v and --version out of arguments (the program first, as
// QCoreApplication::arguments() gives them) wherever they stand before a "--".
Standard_Options Take_Standard_Options(QStringList& arguments);

// After parser.parse(): when help or version was asked for (taken out before, or given
// in a group such as -hv), writes help or "PROGRAM VERSION" to the checked output and
// returns true (help first, whatever else the command line holds); false otherwise.
bool Answer_Standard_Options(const Standard_Options& taken, const QCommandLineParser& parser,
                             const char* program, const QString& help);

} // namespace Lectarium_Tools
