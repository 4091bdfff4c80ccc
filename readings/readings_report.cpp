#include "readings/readings_report.h"

#include "calendar/classify_day.h"
#include "calendar/date_labels.h"
#include "calendar/fasts.h"
#include "calendar/selected_day.h"
#include "lectionary/data_source.h"
#include "lectionary/passage.h"
#include "readings/day_readings.h"
#include "readings/holy_week.h"
#include "readings/reading_texts.h"

namespace MdlLectarium {

namespace {

const QString indent = QStringLiteral("    ");

// A stored text (CR LF) as indented lines.
QString indented(const QString& text, const QString& by) {
    QStringList lines =
        QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    QString out;
    for (const QString& line : lines)
        out += (line.isEmpty() ? QString() : by + line) + QLatin1Char('\n');
    return out;
}

using Passage_Writer = std::function<QString(const QString&)>;

QString passageText(Data_Source& bible, const QString& reference, const Passage_Writer& writer) {
    const QString passage = writer ? writer(reference) : Get_Passage(bible, reference);
    return passage.isEmpty() ? indent + indent + QStringLiteral("-\n") : indented(passage, indent + indent);
}

} // namespace

bool Readings_Report(const QDate& date, const QString& databasePath, bool withText, QByteArray& out,
                     QString& error, const Passage_Writer& passage) {
    if (!Open_Database(databasePath, error))
        return false;

    Reset_Day_State();
    Classify_Day(date, Day_Stage::Shown); // the chooser's Show: title, rite, readings table
    const Day_Labels labels = Date_Labels(date);

    QString text;
    text += labels.dayName + QLatin1Char(' ') + labels.normalDay + QLatin1Char(' ') + labels.normalMonth +
            QLatin1Char(' ') + labels.normalYear + QLatin1Char('\n');
    text += labels.copticDay + QLatin1Char(' ') + labels.copticMonth + QLatin1Char(' ') + labels.copticYear +
            QLatin1Char('\n');
    if (!Occasion_Title.isEmpty())
        text +=
            QString(Occasion_Title).replace(QLatin1String("\r\n"), QLatin1String("\n")) + QLatin1Char('\n');
    // The fast after the title lines, where the day has one.
    const QString fast = Fast_Line(Fast_Of_Day(date));
    if (!fast.isEmpty())
        text += fast + QLatin1Char('\n');

    Data_Source bible(QStringLiteral("Data_Bible"));
    bible.setDatabaseName(databasePath);

    if (Season_Key == QLatin1String("Pain")) {
        // Holy Week: the hours of the day, as the Holy Week window lists them.
        text += QLatin1Char('\n') + Holy_Week_Caption(Season_Day) + QLatin1Char('\n');
        for (const Holy_Week_Hour& hour :
             Read_Holy_Week_Hours(databasePath, static_cast<Integer>(Season_Day + 1), bible)) {
            text += indent + hour.description + QStringLiteral(": ") + hour.entry.sign + QLatin1Char('\n');
            if (withText && passage)
                text += passageText(bible, hour.entry.sign, passage);
            else if (withText)
                text += hour.entry.text.isEmpty() ? indent + indent + QStringLiteral("-\n")
                                                  : indented(hour.entry.text, indent + indent);
        }
        out = text.toUtf8();
        return true;
    }

    Day_Reading_Sources sources;
    sources.setDatabaseName(databasePath);
    const Day_Readings day = Read_Day(sources, false);

    auto frame = [&](const QString& caption, int first, int last) {
        text += QLatin1Char('\n') + caption.trimmed() + QLatin1Char('\n');
        for (int i = first; i <= last; ++i) {
            const QString& stored = day.readings[static_cast<size_t>(i)];
            const QString reference = stored.isEmpty() ? QString() : Reading_Prefix(i) + stored;
            text += indent + Reading_Field_Caption(i) + QLatin1Char(':') +
                    (reference.isEmpty() ? QString() : QLatin1Char(' ') + reference) + QLatin1Char('\n');
            if (withText && !reference.isEmpty())
                text += passageText(bible, reference, passage);
        }
    };
    frame(day.vespersCaption, 1, 2);
    frame(Matins_Caption, 3, 4);
    frame(Liturgy_Caption, 5, 9);
    if (day.showProphecies) {
        text += QLatin1Char('\n') + Prophecies_Caption.trimmed() + QLatin1Char('\n');
        for (const QString& entry : day.prophecies) {
            // An empty entry is nothing to read.
            const QString reference = entry.mid(Prophecy_Indent.size());
            if (reference.trimmed().isEmpty())
                continue;
            text += indent + reference + QLatin1Char('\n');
            if (withText)
                text += passageText(bible, reference, passage);
        }
    }
    if (withText && !day.story.isEmpty())
        text += QLatin1Char('\n') + Story_Frame_Caption.trimmed() + QLatin1Char('\n') +
                indented(day.story, indent);
    out = text.toUtf8();
    return true;
}

} // namespace MdlLectarium
