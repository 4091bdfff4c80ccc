#include "readings/day_readings.h"

#include "lectionary/scrambled_text.h"
#include "lectionary/statements.h"
#include "readings/reading_texts.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <utility>

namespace MdlLectarium {

namespace {

std::function<double()> randomSource;

Integer plusOne(Integer value) {
    return static_cast<Integer>(value + 1);
}

} // namespace

bool Read_Shifted_Field(const Data_Source& source, const QString& field, Integer firstKey, Integer secondKey,
                        QString& out) {
    if (!source.canRead(field) || source.isNull(field))
        return false;
    QString text = source.text(field);
    Unshift_Text(firstKey, secondKey, text);
    out = text;
    return true;
}

QString Reading_Field_Caption(int field) {
    switch (field) {
    case 1:
    case 3:
    case 8:
        return Psalm_Caption;
    case 2:
    case 4:
    case 9:
        return Gospel_Caption;
    case 5:
        return Pauline_Caption;
    case 6:
        return Catholic_Caption;
    case 7:
        return Acts_Caption;
    default:
        return QString();
    }
}

// Days 1-7 hold the first Sunday, 8-14 the second ... 29 and 30 the fifth (a count from
// day / 7 would call a Sunday on the 7th, 14th, 21st or 28th one too high). In Tout a
// Sunday on the 8th, 15th, 22nd or 29th reads one Sunday back: Nayrouz has taken a Sunday.
Integer Sunday_Number(Integer copticMonth, Integer copticDay) {
    Integer sunday = static_cast<Integer>((copticDay - 1) / 7 + 1);
    if (copticMonth == 1 && (copticDay == 8 || copticDay == 15 || copticDay == 22 || copticDay == 29))
        --sunday;
    return sunday;
}

Integer Tip_Draw(Integer tipCount, double u) {
    const double drawn = std::floor(tipCount * u + 1.0);
    int r = static_cast<int>(std::clamp(drawn, -32768.0, 32767.0));
    if (r <= 20)
        r += 21;
    return static_cast<Integer>(std::min(r, 32767));
}

double Tip_Random() {
    if (randomSource)
        return randomSource();
    // The global generator is seeded by the system when the program starts.
    return QRandomGenerator::global()->generateDouble();
}

void Set_Tip_Random_Source(std::function<double()> source) {
    randomSource = std::move(source);
}

Reading_Query Day_Reading_Query() {
    Reading_Query query;
    if (Season_Key == QLatin1String("Read")) {
        query.statement = Year_Statement(Coptic_Month, Coptic_Day);
        query.firstKey = Coptic_Month;
        query.secondKey = Coptic_Day;
    } else if (Season_Key == QLatin1String("Suns")) {
        const Integer sunday = Sunday_Number(Coptic_Month, Coptic_Day);
        query.statement = Suns_Statement(Coptic_Month, sunday);
        query.firstKey = Coptic_Month;
        query.secondKey = sunday;
    } else if (Season_Key == QLatin1String("Johan")) {
        query.statement = Jonah_Statement(Season_Day);
        query.firstKey = Fixed_First_Key;
        query.secondKey = Season_Day;
        // The fourth day, the Passover of Nineveh, has no prophecy.
        if (Season_Day != 4) {
            query.firstProphecy = 10;
            query.lastProphecy = 10;
        }
    } else if (Season_Key == QLatin1String("Fast")) {
        query.statement = Fast_Statement(plusOne(Season_Week), Season_Day);
        query.firstKey = plusOne(Season_Week);
        query.secondKey = Season_Day;
        query.firstProphecy = 10;
        query.lastProphecy = 18;
    } else if (Season_Key == QLatin1String("Fifty")) {
        query.statement = Fifty_Statement(Season_Week, Season_Day);
        query.firstKey = Season_Week;
        query.secondKey = Season_Day;
    }
    return query;
}

void Day_Reading_Sources::setDatabaseName(const QString& path) {
    Data_Tips.setDatabaseName(path);
    Data_Story.setDatabaseName(path);
    Data_Reading.setDatabaseName(path);
    Data_Ceremony.setDatabaseName(path);
}

bool Read_Tip(Data_Source& dataTips, double u, QString& tip) {
    dataTips.setRecordSource(Tips_Table);
    dataTips.refresh();
    dataTips.moveLast();
    // No readable last row leaves the count at 0, and the draw then reads past the end.
    const Integer count =
        dataTips.canRead(QStringLiteral("No")) ? dataTips.number(QStringLiteral("No")) : Integer(0);
    const Integer r = Tip_Draw(count, u);
    if (r < 0)
        return false;
    dataTips.moveFirst();
    for (int i = 0; i < r && !dataTips.eof(); ++i)
        dataTips.moveNext();
    return Read_Shifted_Field(dataTips, QStringLiteral("Tip"), Fixed_First_Key, r, tip);
}

Day_Readings Read_Day(Day_Reading_Sources& sources, bool withTip) {
    Day_Readings day;

    day.occasion = Occasion_Title;
    if (withTip && Occasion_Title.isEmpty())
        Read_Tip(sources.Data_Tips, Tip_Random(), day.occasion);

    sources.Data_Story.setRecordSource(Story_Statement(Coptic_Month, Coptic_Day));
    sources.Data_Story.refresh();
    Read_Shifted_Field(sources.Data_Story, QStringLiteral("Data"), Coptic_Month, Coptic_Day, day.story);

    day.vespersCaption = Vespers_Caption;

    const Reading_Query query = Day_Reading_Query();
    if (query.statement.isEmpty())
        return day;
    Data_Source& reading = sources.Data_Reading;
    reading.setRecordSource(query.statement);
    reading.refresh();
    for (int i = 1; i <= Reading_Count; ++i)
        Read_Shifted_Field(reading, QString::number(i), query.firstKey, query.secondKey, day.readings[i]);

    const bool fast = Season_Key == QLatin1String("Fast");
    if (!fast && Season_Key != QLatin1String("Johan"))
        return day;

    day.showProphecies = true;
    for (int field = query.firstProphecy; field > 0 && field <= query.lastProphecy; ++field) {
        QString prophecy;
        if (Read_Shifted_Field(reading, QString::number(field), query.firstKey, query.secondKey, prophecy))
            day.prophecies << Prophecy_Indent + prophecy;
    }

    if (fast) {
        const int weekday = Weekday_Number(Selected_Date);
        if (weekday == 1 || (weekday == 7 && Season_Week != 6)) {
            // Sundays and Saturdays have Vespers and no prophecies; Lazarus Saturday keeps them.
            day.showProphecies = false;
            day.vespersCaption = weekday == 1 ? Evening_Prayer_Caption : Sunday_Eve_Caption;
        }
        if (Season_Week == 6 && Season_Day == 7) {
            day.showProphecies = false;
            day.showFuneral = true;
        }
    }
    return day;
}

QString Story_In(const Data_Source& dataStory, Interface_Language language, const QString& story) {
    if (language != Interface_Language::English)
        return story;
    // A database of the earlier program has no Story_En: the refresh fails and the
    // Arabic story stands.
    Data_Source english(QStringLiteral("Data_Story_En"));
    if (const auto connection = dataStory.connection())
        english.setDatabase(connection);
    else
        english.setDatabaseName(dataStory.databaseName());
    english.setRecordSource(QStringLiteral("SELECT * FROM Story_En WHERE Month = %1 and Day = %2")
                                .arg(Coptic_Month)
                                .arg(Coptic_Day));
    english.refresh();
    QString names;
    Read_Shifted_Field(english, QStringLiteral("Data"), Coptic_Month, Coptic_Day, names);
    return names.trimmed().isEmpty() ? story : names;
}

} // namespace MdlLectarium
