#include "readings/holy_week.h"

#include "lectionary/data_source.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/statements.h"
#include "readings/day_readings.h"
#include "readings/reading_texts.h"

#include <QHash>
#include <QRegularExpression>

namespace MdlLectarium {

QString Holy_Week_Caption(Integer seasonDay) {
    return seasonDay <= 6 ? Pascha_Caption : Apocalypse_Caption;
}

namespace {

// A part of a description in English; the part itself when it has none.
QString englishPart(const QString& part) {
    static const QHash<QString, QString> words{
        {QStringLiteral("الاثنين"), QStringLiteral("Monday")},
        {QStringLiteral("الثلاثاء"), QStringLiteral("Tuesday")},
        {QStringLiteral("الأربعاء"), QStringLiteral("Wednesday")},
        {QStringLiteral("الخميس"), QStringLiteral("Thursday")},
        {QStringLiteral("الجمعة"), QStringLiteral("Friday")},
        {QStringLiteral("السبت"), QStringLiteral("Saturday")},
        {QStringLiteral("الأحد"), QStringLiteral("Sunday")},
        {QStringLiteral("باكر"), QStringLiteral("Matins")},
        {QStringLiteral("القداس"), QStringLiteral("Liturgy")},
        {QStringLiteral("الساعة الأولى"), QStringLiteral("First Hour")},
        {QStringLiteral("الساعة الثالثة"), QStringLiteral("Third Hour")},
        {QStringLiteral("الساعة السادسة"), QStringLiteral("Sixth Hour")},
        {QStringLiteral("الساعة التاسعة"), QStringLiteral("Ninth Hour")},
        {QStringLiteral("الساعة الحادية عشرة"), QStringLiteral("Eleventh Hour")},
        {QStringLiteral("الساعة الثانية عشرة"), QStringLiteral("Twelfth Hour")},
        {QStringLiteral("النبوة"), QStringLiteral("Prophecy")},
        {QStringLiteral("المزمور"), QStringLiteral("Psalm")},
        {QStringLiteral("الإنجيل"), QStringLiteral("Gospel")},
        {QStringLiteral("البولس"), QStringLiteral("Pauline Epistle")},
        {QStringLiteral("الكاثوليكون"), QStringLiteral("Catholic Epistle")},
        {QStringLiteral("الإبركسيس"), QStringLiteral("Acts")},
        {QStringLiteral("العظة"), QStringLiteral("Homily")},
        {QStringLiteral("أحد الشعانين"), QStringLiteral("Palm Sunday")},
        {QStringLiteral("الجناز العام"), QStringLiteral("General Funeral")},
    };
    static const QRegularExpression numbered(QStringLiteral("^(.*\\S)\\s+(\\d+)$"));
    static const QRegularExpression day(QStringLiteral("^يوم\\s+(.+)$"));
    static const QRegularExpression night(QStringLiteral("^(.+\\S)\\s+من\\s+ليلة\\s+(.+)$"));
    const QString bare = part.simplified();
    if (const auto found = words.constFind(bare); found != words.cend())
        return *found;
    if (const auto match = numbered.match(bare); match.hasMatch())
        return englishPart(match.captured(1)) + QLatin1Char(' ') + match.captured(2);
    if (const auto match = day.match(bare); match.hasMatch())
        return englishPart(match.captured(1));
    if (const auto match = night.match(bare); match.hasMatch())
        return englishPart(match.captured(1)) + QStringLiteral(" of the Eve of ") +
               englishPart(match.captured(2));
    return part;
}

} // namespace

QString Hour_Description_In(const QString& description, Interface_Language language) {
    if (language != Interface_Language::English)
        return description;
    // "يوم الثلاثاء - باكر: النبوة 1": the day, the hour and the reading, each on its own.
    QStringList pieces;
    for (const QString& piece : description.split(QStringLiteral(": "))) {
        QStringList words;
        for (const QString& word : piece.split(QStringLiteral(" - ")))
            words << englishPart(word);
        pieces << words.join(QStringLiteral(" - "));
    }
    return pieces.join(QStringLiteral(": "));
}

QStringList Read_Pain_Descriptions(Data_Source& dataPain, Integer dayKey) {
    QStringList lines;
    dataPain.moveFirst();
    while (!dataPain.eof()) {
        QString line;
        Read_Shifted_Field(dataPain, QStringLiteral("Description"), Fixed_First_Key, dayKey, line);
        lines << line;
        dataPain.moveNext();
    }
    return lines;
}

Pain_Entry Read_Pain_Entry(Data_Source& dataPain, int index, Integer dayKey, Data_Source& dataBible) {
    Pain_Entry entry;
    dataPain.refresh();
    dataPain.moveFirst();
    for (int i = 0; i < index && !dataPain.eof(); ++i)
        dataPain.moveNext();
    Read_Shifted_Field(dataPain, QStringLiteral("Sign"), Fixed_First_Key, dayKey, entry.sign);
    Read_Shifted_Field(dataPain, QStringLiteral("Data"), Fixed_First_Key, dayKey, entry.text);
    if (entry.text.isEmpty())
        entry.text = Get_Passage(dataBible, entry.sign);
    return entry;
}

std::vector<Holy_Week_Hour> Read_Holy_Week_Hours(const QString& databasePath, Integer dayKey,
                                                 Data_Source& dataBible) {
    Data_Source pain(QStringLiteral("Data_Pain"));
    pain.setDatabaseName(databasePath);
    pain.setRecordSource(Pain_Statement(dayKey));
    pain.refresh();
    const QStringList descriptions = Read_Pain_Descriptions(pain, dayKey);
    std::vector<Holy_Week_Hour> hours;
    hours.reserve(static_cast<size_t>(descriptions.size()));
    for (int i = 0; i < descriptions.size(); ++i)
        hours.push_back({descriptions[i], Read_Pain_Entry(pain, i, dayKey, dataBible)});
    return hours;
}

} // namespace MdlLectarium
