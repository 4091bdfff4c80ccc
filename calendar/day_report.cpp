#include "calendar/day_report.h"

#include "calendar/classify_day.h"
#include "calendar/english_names.h"

namespace MdlLectarium {

namespace {

void addField(QByteArray& line, const QByteArray& field) {
    if (!line.isEmpty())
        line += '\t';
    line += field;
}

void addNumber(QByteArray& line, int value) {
    addField(line, QByteArray::number(value));
}

} // namespace

QByteArray Day_Report_Line(const QDate& date) {
    QByteArray line;
    line.reserve(256);

    const Day_Classification steps = Classify_Day(date, Day_Stage::Shown);
    addField(line, Selected_Date.toString(Qt::ISODate).toLatin1());
    addNumber(line, Weekday_Number(Selected_Date));
    addNumber(line, steps.copticDay);
    addNumber(line, steps.copticMonth);
    addNumber(line, Coptic_Year);

    QString title = Occasion_Title;
    title.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    addField(line, title.toUtf8());
    addField(line, steps.titleKey.toUtf8());
    addNumber(line, Season_Week);
    addNumber(line, steps.titleDay);
    addNumber(line, Nineveh_Eve ? 1 : 0);
    addNumber(line, Paramoun_Day ? 1 : 0);
    addNumber(line, Coptic_Day);

    addNumber(line, Rite_No);
    addField(line, Season_Key.toUtf8());
    addNumber(line, Coptic_Month);
    addNumber(line, Season_Day);

    line += '\n';
    return line;
}

QByteArray Day_Title_Line(const QDate& date, Interface_Language language) {
    const Day_Classification steps = Classify_Day(date, Day_Stage::Shown);
    QString title = language == Interface_Language::English
                        ? English_Day_Title(Occasion_Title, steps.titleKey, Season_Week, steps.titleDay)
                        : Occasion_Title;
    title.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    return Selected_Date.toString(Qt::ISODate).toLatin1() + '\t' + title.toUtf8() + '\n';
}

QByteArray Day_Report_Columns() {
    return QByteArrayLiteral(
        "Each day is processed as the day chooser does when the user steps to it and\n"
        "presses Show; the state carried from day to day starts from Season_Week = 0,\n"
        "Season_Day = 0, Paramoun_Day = 0. One line per day, tab-separated, no header:\n"
        "   1  date (YYYY-MM-DD)\n"
        "   2  weekday number (1 = Sunday .. 7 = Saturday)\n"
        "   3  Coptic day     } from Coptic_Date\n"
        "   4  Coptic month   }\n"
        "   5  Coptic year    }\n"
        "   6  title of the day (Occasion_Title), line breaks written as \\n\n"
        "   7  season key after Day_Title (empty when none)\n"
        "   8  Season_Week after Day_Title\n"
        "   9  Season_Day after Day_Title\n"
        "  10  Nineveh_Eve (1 or 0)\n"
        "  11  Paramoun_Day (1 or 0)\n"
        "  12  Coptic day after Day_Title (moved on the eves of Christmas and Theophany)\n"
        "  13  rite number (Rite_No)\n"
        "  14  season key after Reading_Source (readings table)\n"
        "  15  Coptic month after Reading_Source\n"
        "  16  Season_Day after Reading_Source\n"
        "The Coptic date and Easter are exact for every year from 500 to 5000.\n"
        "Output is UTF-8 with LF line ends.\n");
}

} // namespace MdlLectarium
