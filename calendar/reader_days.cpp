#include "calendar/reader_days.h"

#include "base/preferences.h"
#include "calendar/fasts.h"
#include "calendar/selected_day.h"

namespace MdlLectarium {
namespace {

const QString eveningKey = QStringLiteral("Church_Year/Evening_From");
const QString patronKey = QStringLiteral("Church_Year/Patron");

std::function<QTime()> clockSource;

} // namespace

int Stored_Evening_Hour() {
    bool ok = false;
    const int hour = Preferences().value(eveningKey, -1).toInt(&ok);
    return ok && hour >= 0 && hour <= 23 ? hour : -1; // anything else: off
}

void Store_Evening_Hour(int hour) {
    QSettings settings = Preferences();
    if (hour >= 0 && hour <= 23)
        settings.setValue(eveningKey, hour);
    else
        settings.remove(eveningKey);
}

QList<Coptic_Feast> Stored_Patron_Days() {
    QSettings settings = Preferences();
    QList<Coptic_Feast> days;
    const int count = settings.beginReadArray(patronKey);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const Coptic_Feast day{settings.value(QStringLiteral("Name")).toString(),
                               settings.value(QStringLiteral("Month")).toInt(),
                               settings.value(QStringLiteral("Day")).toInt()};
        // A hand-edited entry that is no Coptic date is passed over.
        if (!day.name.isEmpty() && day.copticMonth >= 1 && day.copticMonth <= 13 && day.copticDay >= 1 &&
            day.copticDay <= 30)
            days << day;
    }
    settings.endArray();
    return days;
}

void Store_Patron_Days(const QList<Coptic_Feast>& days) {
    QSettings settings = Preferences();
    settings.remove(patronKey);
    settings.beginWriteArray(patronKey, int(days.size()));
    for (int i = 0; i < days.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("Name"), days[i].name);
        settings.setValue(QStringLiteral("Month"), days[i].copticMonth);
        settings.setValue(QStringLiteral("Day"), days[i].copticDay);
    }
    settings.endArray();
}

QTime Clock_Time() {
    return clockSource ? clockSource() : QTime::currentTime();
}

void Set_Clock_Source(std::function<QTime()> source) {
    clockSource = std::move(source);
}

QDate Reader_Today() {
    return Liturgical_Today(QDateTime(Today(), Clock_Time()), Stored_Evening_Hour());
}

} // namespace MdlLectarium
