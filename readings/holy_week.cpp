#include "readings/holy_week.h"

#include "lectionary/data_source.h"
#include "lectionary/passage.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/statements.h"
#include "readings/day_readings.h"
#include "readings/reading_texts.h"

namespace MdlLectarium {

QString Holy_Week_Caption(Integer seasonDay) {
    return seasonDay <= 6 ? Pascha_Caption : Apocalypse_Caption;
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
