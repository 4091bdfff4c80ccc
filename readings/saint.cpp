#include "readings/saint.h"
#include "base/program_files.h"

#include "lectionary/data_source.h"
#include "readings/day_readings.h"

#include <QDir>

namespace MdlLectarium {

bool Hot_Spot_Centre(int x, int y) {
    return x > 250 && x < 650 && y > 350 && y < 750;
}

int Stored_Picture_Name_Length(const Data_Source& dataStory) {
    const QString field = QStringLiteral("Pic_Name");
    if (!dataStory.canRead(field) || dataStory.isNull(field))
        return 0;
    return static_cast<int>(dataStory.text(field).size());
}

bool Read_Picture_Name(const Data_Source& dataStory, Integer copticMonth, Integer copticDay, QString& out) {
    return Read_Shifted_Field(dataStory, QStringLiteral("Pic_Name"), copticMonth, copticDay, out);
}

bool Read_Picture_Text(const Data_Source& dataStory, Integer copticMonth, Integer copticDay, QString& out) {
    return Read_Shifted_Field(dataStory, QStringLiteral("Pic_Data"), copticMonth, copticDay, out);
}

QString Picture_Path(const QString& name) {
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(Program_Folder).filePath(relative);
}

} // namespace MdlLectarium
