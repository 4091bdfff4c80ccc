#include "calendar/day_feed.h"

#include "calendar/classify_day.h"
#include "calendar/english_names.h"
#include "calendar/fasts.h"
#include "calendar/selected_day.h"

#include <QCryptographicHash>

namespace MdlLectarium {

namespace {

struct Event {
    QDate first;
    QDate last;
    QString title;
    QString firstCoptic;
    QString lastCoptic;
    // A fast period: its own UID space (the Apostles' fast is also a day title) and
    // the category that tells it from the titled days.
    bool fast = false;
    QString note;
};

QString copticDateIn(const QDate& date, Interface_Language language) {
    Integer day = 0;
    Integer month = 0;
    Integer year = 0;
    Coptic_Date(date, day, month, year);
    if (language == Interface_Language::English)
        return English_Coptic_Date(day, month, year);
    const QString name =
        month >= 1 && month <= 13 ? Coptic_Month_Names[static_cast<size_t>(month)] : QString();
    return QString::number(day) + QLatin1Char(' ') + name + QLatin1Char(' ') + QString::number(year);
}

QByteArray dateValue(const QDate& date) {
    return date.toString(QStringLiteral("yyyyMMdd")).toLatin1();
}

void writeEvent(QByteArray& out, const Event& event, const QByteArray& stamp) {
    // The same day and title give the same UID in every feed, so a calendar program
    // updates the event instead of doubling it.
    const QByteArray uid = QCryptographicHash::hash((event.fast ? "fast|" : "") + dateValue(event.first) +
                                                        '|' + event.title.toUtf8(),
                                                    QCryptographicHash::Sha1)
                               .toHex() +
                           "@lectarium";
    QString description = event.first == event.last
                              ? event.firstCoptic
                              : event.firstCoptic + QStringLiteral(" - ") + event.lastCoptic;
    if (!event.note.isEmpty())
        description += QLatin1Char('\n') + event.note;
    out += "BEGIN:VEVENT\r\n";
    out += Ics_Fold("UID:" + uid);
    out += Ics_Fold("DTSTAMP:" + stamp);
    out += Ics_Fold("DTSTART;VALUE=DATE:" + dateValue(event.first));
    out += Ics_Fold("DTEND;VALUE=DATE:" + dateValue(event.last.addDays(1)));
    out += Ics_Fold("SUMMARY:" + Ics_Text(event.title).toUtf8());
    out += Ics_Fold("DESCRIPTION:" + Ics_Text(description).toUtf8());
    if (event.fast)
        out += "CATEGORIES:Fast\r\n";
    out += "TRANSP:TRANSPARENT\r\n";
    out += "END:VEVENT\r\n";
}

} // namespace

QString Ics_Text(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    const QString plain = QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (const QChar c : plain) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char(','))
            out += QLatin1Char('\\') + QString(c);
        else if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            out += QLatin1String("\\n");
        else
            out += c;
    }
    return out;
}

QByteArray Ics_Fold(const QByteArray& line) {
    QByteArray out;
    qsizetype start = 0;
    qsizetype limit = 75; // the first line holds 75 octets, the others a blank and 74
    while (line.size() - start > limit) {
        qsizetype end = start + limit;
        // Back off to the start of a UTF-8 sequence (continuation octets are 10xxxxxx).
        while (end > start && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
            --end;
        out += line.mid(start, end - start) + "\r\n ";
        start = end;
        limit = 74;
    }
    out += line.mid(start) + "\r\n";
    return out;
}

QByteArray Calendar_Feed(const QDate& from, const QDate& to, const QDateTime& stamp,
                         Interface_Language language) {
    const bool english = language == Interface_Language::English;
    const auto copticDate = [language](const QDate& date) { return copticDateIn(date, language); };
    const QByteArray stampValue = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    QByteArray out = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Lectarium//Coptic lectionary//AR\r\n"
                     "CALSCALE:GREGORIAN\r\n";
    if (english)
        out.replace("//AR\r\n", "//EN\r\n");
    out += Ics_Fold("X-WR-CALNAME:" + Ics_Text(QStringLiteral("Lectarium")).toUtf8());

    Reset_Day_State();
    bool open = false;
    Event event;
    for (QDate date = from; date <= to; date = date.addDays(1)) {
        const Day_Classification steps = Classify_Day(date, Day_Stage::Shown);
        const QString title =
            QString(english ? English_Day_Title(Occasion_Title, steps.titleKey, Season_Week, steps.titleDay)
                            : Occasion_Title)
                .replace(QLatin1String("\r\n"), QLatin1String("\n"))
                .trimmed();
        if (open && title == event.title && date == event.last.addDays(1)) {
            event.last = date;
            event.lastCoptic = copticDate(date);
            continue;
        }
        if (open)
            writeEvent(out, event, stampValue);
        open = !title.isEmpty();
        if (open)
            event = {date, date, title, copticDate(date), copticDate(date), false, QString()};
    }
    if (open)
        writeEvent(out, event, stampValue);
    // Each fast period touching the range, whole, beside the titled days.
    for (const Fast_Period& period : Fast_Periods(from, to)) {
        const bool fish = period.kind == Fast_Kind::Apostles || period.kind == Fast_Kind::Virgin ||
                          period.kind == Fast_Kind::Nativity;
        Event fast{period.first,
                   period.last,
                   english ? English_Fast_Name(period.kind) : Fast_Name(period.kind),
                   copticDate(period.first),
                   copticDate(period.last),
                   true,
                   english ? (fish ? QStringLiteral("fish allowed except on Wednesday and Friday")
                                   : English_Fast_Food_Name(Fast_Food::Vegan))
                   : fish  ? QStringLiteral("يسمح بالسمك عدا الأربعاء والجمعة")
                           : Fast_Food_Name(Fast_Food::Vegan)};
        writeEvent(out, fast, stampValue);
    }
    out += "END:VCALENDAR\r\n";
    return out;
}

} // namespace MdlLectarium
