#include "readings/whole_day.h"

#include "base/text_direction.h"
#include "calendar/date_labels.h"
#include "calendar/english_names.h"
#include "calendar/fasts.h"
#include "calendar/selected_day.h"
#include "lectionary/data_source.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/statements.h"
#include "readings/day_readings.h"
#include "readings/holy_week.h"
#include "readings/reading_texts.h"
#include "readings/rites.h"

namespace MdlLectarium {

const QString Whole_Day_Caption = QStringLiteral("قراءات اليوم كاملة");

namespace {

// Stored texts end their lines with CR LF; the document keeps LF and no trailing blank lines.
QString plainLines(const QString& text) {
    QString out = QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    while (out.endsWith(QLatin1Char('\n')))
        out.chop(1);
    return out;
}

void addPart(Whole_Day_Document& document, Whole_Day_Part part) {
    if (!part.entries.empty() || !part.text.isEmpty())
        document.parts.push_back(std::move(part));
}

void readHolyWeek(Whole_Day_Document& document, const QString& databasePath, Data_Source& bible) {
    Whole_Day_Part part{Caption_In(Holy_Week_Caption(Season_Day), document.language), {}, {}};
    for (const Holy_Week_Hour& hour :
         Read_Holy_Week_Hours(databasePath, static_cast<Integer>(Season_Day + 1), bible))
        part.entries.push_back({Hour_Description_In(hour.description, document.language), hour.entry.sign,
                                plainLines(hour.entry.text)});
    addPart(document, std::move(part));
}

void readOffices(Whole_Day_Document& document, const Day_Readings& day, Data_Source& bible) {
    const auto caption = [&document](const QString& arabic) { return Caption_In(arabic, document.language); };
    auto office = [&](const QString& arabic, int first, int last) {
        Whole_Day_Part part{caption(arabic).trimmed(), {}, {}};
        for (int i = first; i <= last; ++i) {
            const QString& stored = day.readings[static_cast<size_t>(i)];
            if (stored.trimmed().isEmpty())
                continue; // an office without this reading
            const QString reference = Reading_Prefix(i) + stored;
            part.entries.push_back(
                {caption(Reading_Field_Caption(i)), reference, plainLines(Get_Passage(bible, reference))});
        }
        addPart(document, std::move(part));
    };
    office(day.vespersCaption, 1, 2);
    office(Matins_Caption, 3, 4);
    office(Liturgy_Caption, 5, 9);
    if (day.showProphecies) {
        Whole_Day_Part part{caption(Prophecies_Caption).trimmed(), {}, {}};
        for (const QString& entry : day.prophecies) {
            const QString reference = entry.mid(Prophecy_Indent.size()).trimmed();
            if (!reference.isEmpty())
                part.entries.push_back({QString(), reference, plainLines(Get_Passage(bible, reference))});
        }
        addPart(document, std::move(part));
    }
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// An element whose direction is that of its own text; a text without a strong letter
// ("+") reads as its page does, left to right on an English page.
QString htmlElement(const char* tag, const QString& text, bool bold = false, bool english = false) {
    QString inner = escaped(Numbers_In_Order(Number_Held_At_Start(text)));
    if (bold)
        inner = QStringLiteral("<b>") + inner + QStringLiteral("</b>");
    const QString dir = english && !text.isRightToLeft() ? QStringLiteral("ltr") : Html_Direction(text);
    return QStringLiteral("<%1 dir=\"%2\">%3</%1>\n").arg(QLatin1String(tag), dir, inner);
}

// Lines of text as HTML: each line a paragraph in its own direction, so that an English
// verse reads left to right beside an Arabic one and keeps its number at its start.
QString htmlLines(const QString& text, bool bold = false, bool english = false) {
    QString html;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            html += htmlElement("div", line, bold, english);
    return html;
}

// English pages read left to right; the Arabic paragraphs in them keep their own dir.
QString htmlPage(const QString& title, const QString& body, bool english = false) {
    const QLatin1String lang(english ? "en" : "ar");
    const QLatin1String dir(english ? "ltr" : "rtl");
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\" dir=\"%2\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<title>")
               .arg(lang, dir) +
           escaped(title) +
           QStringLiteral(
               "</title>\n<style>body { font-family: \"Arabic Transparent\", \"Noto Naskh Arabic\", "
               "serif; direction: %1; }</style>\n</head>\n<body dir=\"%1\">\n")
               .arg(dir) +
           body + QStringLiteral("</body>\n</html>\n");
}

// The reference stays as stored in the entry, where the passages are looked up by it.
QString entryHeading(const Whole_Day_Entry& entry, Interface_Language language) {
    const QString reference =
        language == Interface_Language::English ? English_Reference(entry.reference) : entry.reference;
    if (entry.caption.isEmpty())
        return reference;
    return reference.isEmpty() ? entry.caption : entry.caption + QStringLiteral(": ") + reference;
}

} // namespace

Whole_Day_Document Read_Whole_Day(const QString& databasePath, Interface_Language language) {
    Whole_Day_Document document;
    document.language = language;
    const bool english = language == Interface_Language::English;
    document.dateLines = Date_Lines(Selected_Date, language);
    document.occasion = plainLines(english ? English_Title_Of(Selected_Date) : Occasion_Title);
    const Day_Fast fast = Fast_Of_Day(Selected_Date);
    document.fast = english ? English_Fast_Line(fast) : Fast_Line(fast);

    Data_Source bible(QStringLiteral("Data_Bible"));
    bible.setDatabaseName(databasePath);
    Day_Reading_Sources sources;
    sources.setDatabaseName(databasePath);

    if (Season_Key == QLatin1String("Pain")) {
        readHolyWeek(document, databasePath, bible);
        // The story of the day is read as on any day.
        sources.Data_Story.setRecordSource(Story_Statement(Coptic_Month, Coptic_Day));
        sources.Data_Story.refresh();
        QString story;
        Read_Shifted_Field(sources.Data_Story, QStringLiteral("Data"), Coptic_Month, Coptic_Day, story);
        addPart(document, {Caption_In(Story_Frame_Caption, language).trimmed(),
                           {},
                           plainLines(Story_In(sources.Data_Story, language, story))});
    } else {
        const Day_Readings day = Read_Day(sources, false);
        readOffices(document, day, bible);
        addPart(document, {Caption_In(Story_Frame_Caption, language).trimmed(),
                           {},
                           plainLines(Story_In(sources.Data_Story, language, day.story))});
    }
    const Rite_Text rite = Read_Rite(sources.Data_Ceremony, Rite_No);
    if (!rite.text.trimmed().isEmpty())
        addPart(document, {rite.title.isEmpty() || english ? Caption_In(Rite_Caption, language) : rite.title,
                           {},
                           plainLines(rite.text)});
    if (english)
        for (Whole_Day_Part& part : document.parts)
            for (Whole_Day_Entry& entry : part.entries)
                entry.text = Chapter_Headings_In(entry.text, language);
    return document;
}

QString Whole_Day_Entry_Heading(const Whole_Day_Entry& entry, Interface_Language language) {
    return entryHeading(entry, language);
}

QString Whole_Day_Lines_Html(const QString& text) {
    return htmlLines(text);
}

QString Whole_Day_Title(const Whole_Day_Document& document) {
    return Caption_In(Whole_Day_Caption, document.language);
}

QString Whole_Day_Header(const Whole_Day_Document& document) {
    return Whole_Day_Title(document) + QStringLiteral(" - ") + document.dateLines.join(QStringLiteral(" - "));
}

QString Whole_Day_Text(const Whole_Day_Document& document) {
    QString out = Whole_Day_Title(document) + QLatin1Char('\n');
    for (const QString& line : document.dateLines)
        out += line + QLatin1Char('\n');
    if (!document.occasion.isEmpty())
        out += document.occasion + QLatin1Char('\n');
    if (!document.fast.isEmpty())
        out += document.fast + QLatin1Char('\n');
    for (const Whole_Day_Part& part : document.parts) {
        out += QLatin1Char('\n') + part.caption + QLatin1Char('\n');
        for (const Whole_Day_Entry& entry : part.entries) {
            out += entryHeading(entry, document.language) + QLatin1Char('\n');
            if (!entry.text.isEmpty())
                out += entry.text + QLatin1Char('\n');
        }
        if (!part.text.isEmpty())
            out += part.text + QLatin1Char('\n');
    }
    return out;
}

QString Whole_Day_Html(const Whole_Day_Document& document,
                       const std::function<QString(const Whole_Day_Entry& entry)>& passage) {
    const bool english = document.language == Interface_Language::English;
    QString body = htmlElement("h1", Whole_Day_Title(document), false, english) +
                   htmlLines(document.dateLines.join(QLatin1Char('\n')), false, english);
    if (!document.occasion.isEmpty())
        body += htmlLines(document.occasion, true, english);
    if (!document.fast.isEmpty())
        body += htmlLines(document.fast, false, english);
    for (const Whole_Day_Part& part : document.parts) {
        body += htmlElement("h2", part.caption, false, english);
        for (const Whole_Day_Entry& entry : part.entries) {
            body += htmlElement("h3", entryHeading(entry, document.language), false, english);
            body += passage ? passage(entry) : htmlLines(entry.text, false, english);
        }
        body += htmlLines(part.text, false, english);
    }
    return htmlPage(Whole_Day_Header(document), body, document.language == Interface_Language::English);
}

QString Table_Page_Html(const QString& title, const QString& table) {
    return htmlPage(title, htmlElement("h1", title) + table);
}

QString Text_Page_Html(const QString& title, const QString& text) {
    return htmlPage(title, htmlElement("h1", title) + htmlLines(plainLines(text)));
}

} // namespace MdlLectarium
