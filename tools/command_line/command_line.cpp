#include "tools/command_line/command_line.h"

#include "tools/output/tool_output.h"

#include <QRegularExpression>

namespace Lectarium_Tools {

namespace {

const QString Help_Name = QStringLiteral("help");
const QString Version_Name = QStringLiteral("version");

} // namespace

// Anchored: a "$" would let a final line feed through.
QDate Parse_Date(const QString& text) {
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{4})-([0-9]{2})-([0-9]{2})")));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return QDate();
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

QDate Checked_Date(const QString& text, QString& error) {
    const QDate date = Parse_Date(text);
    if (!date.isValid()) {
        error = QStringLiteral("not a date (expected YYYY-MM-DD): ") + text;
        return QDate();
    }
    if (date.year() < First_Year || date.year() > Last_Year) {
        error = QStringLiteral("date outside the years %1 to %2: ").arg(First_Year).arg(Last_Year) + text;
        return QDate();
    }
    return date;
}

// Digits alone: toInt would also take blanks, a sign or a line feed around them.
int Parse_Year(const QString& text) {
    static const QRegularExpression digits(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{3,4}")));
    if (!digits.match(text).hasMatch())
        return 0;
    const int year = text.toInt();
    return year >= First_Year && year <= Last_Year ? year : 0;
}

// Not addHelpOption and process(): those add --help-all for Qt's own options, which the
// tools do not take, and end the process with exit(), past the check of the output.
void Add_Standard_Options(QCommandLineParser& parser) {
    parser.addOption(
        QCommandLineOption({QStringLiteral("h"), Help_Name}, QStringLiteral("prints this usage and exits")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), Version_Name},
                                        QStringLiteral("prints the version of Lectarium and exits")));
}

// Qt takes the word after an option that wants a value as that value, whatever it is:
// "--readings --help" would ask for the day "--help". lectarium-day always answered help
// wherever it stood, so these are looked for before Qt reads the rest.
Standard_Options Take_Standard_Options(QStringList& arguments) {
    Standard_Options taken;
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != QLatin1String("--");) {
        const bool help = arguments[i] == QLatin1String("-h") || arguments[i] == QLatin1String("--help");
        const bool version =
            arguments[i] == QLatin1String("-v") || arguments[i] == QLatin1String("--version");
        if (!help && !version) {
            ++i;
            continue;
        }
        taken.help = taken.help || help;
        taken.version = taken.version || version;
        arguments.removeAt(i);
    }
    return taken;
}

bool Answer_Standard_Options(const Standard_Options& taken, const QCommandLineParser& parser,
                             const char* program, const QString& help) {
    if (taken.help || parser.isSet(Help_Name)) {
        Write_Output(help.toUtf8());
        return true;
    }
    if (taken.version || parser.isSet(Version_Name)) {
        Write_Output(QByteArray(program) + " " LECTARIUM_VERSION "\n");
        return true;
    }
    return false;
}

} // namespace Lectarium_Tools
