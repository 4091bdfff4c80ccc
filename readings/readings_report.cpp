#include "readings/readings_report.h"

#include "calendar/classify_day.h"
#include "calendar/date_labels.h"
#include "calendar/english_names.h"
#include "calendar/fasts.h"
#include "calendar/selected_day.h"
#include "lectionary/data_source.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"
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

QString passageText(Data_Source& bible, const QString& reference, const Passage_Writer& writer,
                    Interface_Language language) {
    const QString passage =
        Chapter_Headings_In(writer ? writer(reference) : Get_Passage(bible, reference), language);
    return passage.isEmpty() ? indent + indent + QStringLiteral("-\n") : indented(passage, indent + indent);
}

} // namespace

bool Readings_Report(const QDate& date, const QString& databasePath, bool withText, QByteArray& out,
                     QString& error, const Passage_Writer& passage, Interface_Language language) {
    if (!Open_Database(databasePath, error))
        return false;

    Reset_Day_State();
    Classify_Day(date, Day_Stage::Shown); // the chooser's Show: title, rite, readings table
    const bool english = language == Interface_Language::English;
    const auto caption = [language](const QString& arabic) { return Caption_In(arabic, language); };
    const auto shown = [english](const QString& reference) {
        return english ? English_Reference(reference) : reference;
    };

    QString text = Date_Lines(date, language).join(QLatin1Char('\n')) + QLatin1Char('\n');
    const QString title = english ? English_Title_Of(date) : Occasion_Title;
    if (!title.isEmpty())
        text += QString(title).replace(QLatin1String("\r\n"), QLatin1String("\n")) + QLatin1Char('\n');
    // The fast after the title lines, where the day has one.
    const QString fast = english ? English_Fast_Line(Fast_Of_Day(date)) : Fast_Line(Fast_Of_Day(date));
    if (!fast.isEmpty())
        text += fast + QLatin1Char('\n');

    Data_Source bible(QStringLiteral("Data_Bible"));
    bible.setDatabaseName(databasePath);

    if (Season_Key == QLatin1String("Pain")) {
        // Holy Week: the hours of the day, as the Holy Week window lists them.
        text += QLatin1Char('\n') + caption(Holy_Week_Caption(Season_Day)) + QLatin1Char('\n');
        for (const Holy_Week_Hour& hour :
             Read_Holy_Week_Hours(databasePath, static_cast<Integer>(Season_Day + 1), bible)) {
            text += indent + Hour_Description_In(hour.description, language) + QStringLiteral(": ") +
                    shown(hour.entry.sign) + QLatin1Char('\n');
            if (withText && passage)
                text += passageText(bible, hour.entry.sign, passage, language);
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

    auto frame = [&](const QString& office, int first, int last) {
        text += QLatin1Char('\n') + caption(office).trimmed() + QLatin1Char('\n');
        for (int i = first; i <= last; ++i) {
            const QString& stored = day.readings[static_cast<size_t>(i)];
            const QString reference = stored.isEmpty() ? QString() : Reading_Prefix(i) + stored;
            text += indent + caption(Reading_Field_Caption(i)) + QLatin1Char(':') +
                    (reference.isEmpty() ? QString() : QLatin1Char(' ') + shown(reference)) +
                    QLatin1Char('\n');
            if (withText && !reference.isEmpty())
                text += passageText(bible, reference, passage, language);
        }
    };
    frame(day.vespersCaption, 1, 2);
    frame(Matins_Caption, 3, 4);
    frame(Liturgy_Caption, 5, 9);
    if (day.showProphecies) {
        text += QLatin1Char('\n') + caption(Prophecies_Caption).trimmed() + QLatin1Char('\n');
        for (const QString& entry : day.prophecies) {
            // An empty entry is nothing to read.
            const QString reference = entry.mid(Prophecy_Indent.size());
            if (reference.trimmed().isEmpty())
                continue;
            text += indent + (english ? shown(reference.trimmed()) : reference) + QLatin1Char('\n');
            if (withText)
                text += passageText(bible, reference, passage, language);
        }
    }
    const QString story = english ? Story_In(sources.Data_Story, language, day.story) : day.story;
    if (withText && !story.isEmpty())
        text += QLatin1Char('\n') + caption(Story_Frame_Caption).trimmed() + QLatin1Char('\n') +
                indented(story, indent);
    out = text.toUtf8();
    return true;
}

} // namespace MdlLectarium
