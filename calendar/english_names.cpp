#include "calendar/english_names.h"

#include "calendar/classify_day.h"
#include "calendar/date_labels.h"
#include "calendar/day_title.h"

#include <QHash>
#include <QLocale>

#include <array>

namespace MdlLectarium {

namespace {

const QString lineBreak = QStringLiteral("\r\n");

// Day 1 = Monday of a season's week, as Day_Title counts; index 0 unused.
constexpr std::array<const char*, 8> ordinals{"",       "first", "second", "third",
                                              "fourth", "fifth", "sixth",  "seventh"};

QString capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// The Arabic titles drawn with elongation and stray blanks: compared without them.
QString bare(const QString& line) {
    return QString(line).remove(QChar(0x0640)).simplified();
}

// Every line Day_Title names by itself, by its bare Arabic form.
const QHash<QString, QString>& ownNames() {
    static const QHash<QString, QString> names{
        {QStringLiteral("اليوم الأول من صوم نينوى"), QStringLiteral("First day of the Fast of Nineveh")},
        {QStringLiteral("اليوم الثانى من صوم نينوى"), QStringLiteral("Second day of the Fast of Nineveh")},
        {QStringLiteral("اليوم الثالث من صوم نينوى"), QStringLiteral("Third day of the Fast of Nineveh")},
        {QStringLiteral("فصح نينوى"), QStringLiteral("Passover of Nineveh")},
        {QStringLiteral("سبت رفاع الصوم الكبير"), QStringLiteral("Saturday before Great Lent")},
        {QStringLiteral("أحد رفاع الصوم الكبير"), QStringLiteral("Sunday before Great Lent")},
        {QStringLiteral("ختام الصوم"), QStringLiteral("End of the Fast")},
        {QStringLiteral("سبت لعازر"), QStringLiteral("Lazarus Saturday")},
        {QStringLiteral("أحد الشعانين"), QStringLiteral("Palm Sunday")},
        {QStringLiteral("الأثنين من البصخة المقدسة"), QStringLiteral("Monday of Holy Week")},
        {QStringLiteral("الثلاثاء من البصخة المقدسة"), QStringLiteral("Tuesday of Holy Week")},
        {QStringLiteral("الأربعاء من البصخة المقدسة"), QStringLiteral("Wednesday of Holy Week")},
        {QStringLiteral("خميس العهد"), QStringLiteral("Covenant Thursday")},
        {QStringLiteral("الجمعة العظيمة"), QStringLiteral("Good Friday")},
        {QStringLiteral("سبت النور"), QStringLiteral("Bright Saturday")},
        {QStringLiteral("عيد القيامة المجيد"), QStringLiteral("The Glorious Feast of the Resurrection")},
        {QStringLiteral("شم النسيم"), QStringLiteral("Sham El-Nessim")},
        {QStringLiteral("عيد الصعود المجيد"), QStringLiteral("The Glorious Feast of the Ascension")},
        {QStringLiteral("عيد العنصرة أو عيد حلول الروح القدس"),
         QStringLiteral("Pentecost, the Feast of the Descent of the Holy Spirit")},
        {QStringLiteral("عيد القديسين بطرس و بولس"), QStringLiteral("Feast of Saints Peter and Paul")},
        {QStringLiteral("صوم الرسل"), QStringLiteral("Fast of the Apostles")},
        {QStringLiteral("صوم العذراء"), QStringLiteral("Fast of the Virgin")},
        {QStringLiteral("عيد صعود جسد العذراء"), QStringLiteral("Assumption of the Body of the Virgin")},
        {QStringLiteral("صوم الميلاد"), QStringLiteral("Nativity Fast")},
        {QStringLiteral("برامون عيد الميلاد"), QStringLiteral("Paramoun of the Nativity")},
        {QStringLiteral("عيد الميلاد المجيد"), QStringLiteral("The Glorious Feast of the Nativity")},
        {QStringLiteral("عيد الختان"), QStringLiteral("Feast of the Circumcision")},
        {QStringLiteral("عيد الغطاس المجيد"), QStringLiteral("The Glorious Feast of the Theophany")},
        {QStringLiteral("برامون عيد الغطاس"), QStringLiteral("Paramoun of the Theophany")},
        {QStringLiteral("عيد النيروز"), QStringLiteral("Feast of El-Nayrouz")},
        {QStringLiteral("عيد الصليب المجيد"), QStringLiteral("Feast of the Glorious Cross")},
        {QStringLiteral("عرس قانا الجليل"), QStringLiteral("The Wedding at Cana of Galilee")},
        {QStringLiteral("عيد دخول السيد المسيح الهيكل"), QStringLiteral("Entry of the Lord into the Temple")},
        {QStringLiteral("عيد البشارة"), QStringLiteral("Feast of the Annunciation")},
        {QStringLiteral("عيد دخول السيد المسيح أرض مصر"), QStringLiteral("Entry of the Lord into Egypt")},
        {QStringLiteral("عيد التجلي"), QStringLiteral("Feast of the Transfiguration")},
        {QStringLiteral("أحد توما"), QStringLiteral("Thomas Sunday")},
    };
    return names;
}

// "the sixth week of Great Lent", "the week of Pentecost of the Holy Fifty Days", by
// the weeks Day_Title counts; empty outside them.
QString seasonWeek(const QString& seasonKey, Integer week) {
    if (seasonKey == QLatin1String("Fast") && week >= 0 && week <= 6)
        return QStringLiteral("the %1 week of Great Lent").arg(QLatin1String(ordinals[size_t(week + 1)]));
    if (seasonKey == QLatin1String("Fifty") && week >= 1 && week <= 6)
        return QStringLiteral("the %1 week of the Holy Fifty Days")
            .arg(QLatin1String(ordinals[size_t(week)]));
    if (seasonKey == QLatin1String("Fifty") && week == 7)
        return QStringLiteral("the week of Pentecost of the Holy Fifty Days");
    return QString();
}

} // namespace

QString English_Date(const QDate& date) {
    return QLocale(QLocale::English, QLocale::UnitedKingdom)
        .toString(date, QStringLiteral("dddd d MMMM yyyy"));
}

QString English_Coptic_Month(int month) {
    static constexpr std::array<const char*, 14> months{
        "",         "Tout",      "Baba",    "Hatour", "Kiahk", "Tobi",  "Amshir",
        "Baramhat", "Baramouda", "Bashans", "Baouna", "Abib",  "Misra", "Nasie"};
    return month >= 1 && month <= 13 ? QLatin1String(months[size_t(month)]) : QString();
}

QString English_Coptic_Date(int day, int month, int year) {
    return QStringLiteral("%1 %2 %3").arg(day).arg(English_Coptic_Month(month)).arg(year);
}

QString English_Day_Title(const QString& arabicTitle, const QString& seasonKey, Integer week, Integer day) {
    QStringList lines;
    for (const QString& line : arabicTitle.split(lineBreak)) {
        const QString key = bare(line);
        if (key.isEmpty() || key == QLatin1String("+")) {
            lines.append(key);
        } else if (const auto own = ownNames().constFind(key); own != ownNames().cend()) {
            lines.append(*own);
        } else if (key.startsWith(QStringLiteral("اليوم ")) && day >= 1 && day <= 7 &&
                   !seasonWeek(seasonKey, week).isEmpty()) {
            // "اليوم الثالث من الأسبوع السادس من الخماسين المقدسة": composed from the keys.
            lines.append(
                capitalised(QStringLiteral("%1 day of %2")
                                .arg(QLatin1String(ordinals[size_t(day)]), seasonWeek(seasonKey, week))));
        } else {
            lines.append(line);
        }
    }
    return lines.join(lineBreak);
}

QString English_Season_Day_Name(const QString& seasonKey, Integer week, Integer day) {
    // The days named by themselves have their English names; the others are their
    // weekday in their week, as the Arabic name is.
    const QString arabic = Season_Day_Name(seasonKey, week, day);
    if (arabic.isEmpty())
        return QString();
    if (const auto own = ownNames().constFind(bare(arabic)); own != ownNames().cend())
        return *own;
    // Qt counts the weekdays as the seasons do: Monday 1 .. Sunday 7.
    return QStringLiteral("%1 of %2")
        .arg(QLocale(QLocale::English).dayName(day), seasonWeek(seasonKey, week));
}

QString English_Fast_Name(Fast_Kind kind) {
    switch (kind) {
    case Fast_Kind::Nineveh:
        return QStringLiteral("Fast of Nineveh");
    case Fast_Kind::Lent:
        return QStringLiteral("Great Lent");
    case Fast_Kind::Pascha:
        return QStringLiteral("Fast of the Holy Pascha");
    case Fast_Kind::Apostles:
        return QStringLiteral("Fast of the Apostles");
    case Fast_Kind::Virgin:
        return QStringLiteral("Fast of the Virgin");
    case Fast_Kind::Nativity:
        return QStringLiteral("Nativity Fast");
    case Fast_Kind::Paramoun:
        return QStringLiteral("Paramoun Fast");
    case Fast_Kind::WedFri:
        return QStringLiteral("Wednesday and Friday Fast");
    case Fast_Kind::None:
        break;
    }
    return QStringLiteral("-");
}

QString English_Fast_Food_Name(Fast_Food food) {
    switch (food) {
    case Fast_Food::Vegan:
        return QStringLiteral("vegan, without fish");
    case Fast_Food::Fish:
        return QStringLiteral("fish allowed");
    case Fast_Food::None:
        break;
    }
    return QStringLiteral("-");
}

QString English_Feast_Name(Feast feast) {
    switch (feast) {
    case Feast::Nineveh:
        return QStringLiteral("Fast of Nineveh");
    case Feast::Lent:
        return QStringLiteral("Great Lent");
    case Feast::Palm_Sunday:
        return QStringLiteral("Palm Sunday");
    case Feast::Easter:
        return QStringLiteral("Feast of the Resurrection");
    case Feast::Ascension:
        return QStringLiteral("Feast of the Ascension");
    case Feast::Pentecost:
        return QStringLiteral("Pentecost");
    case Feast::Christmas:
        return QStringLiteral("Feast of the Nativity");
    case Feast::Theophany:
        return QStringLiteral("Feast of the Theophany");
    case Feast::Nayrouz:
        return QStringLiteral("Feast of El-Nayrouz");
    case Feast::Cross:
        return QStringLiteral("Feast of the Glorious Cross");
    case Feast::Nativity_Fast:
        return QStringLiteral("Start of the Nativity Fast");
    case Feast::Circumcision:
        return QStringLiteral("Feast of the Circumcision");
    case Feast::Cana:
        return QStringLiteral("The Wedding at Cana of Galilee");
    case Feast::Presentation:
        return QStringLiteral("Entry of the Lord into the Temple");
    case Feast::Annunciation:
        return QStringLiteral("Feast of the Annunciation");
    case Feast::Covenant_Thursday:
        return QStringLiteral("Covenant Thursday");
    case Feast::Thomas_Sunday:
        return QStringLiteral("Thomas Sunday");
    case Feast::Entry_Into_Egypt:
        return QStringLiteral("Entry of the Lord into Egypt");
    case Feast::Apostles_Fast:
        return QStringLiteral("Start of the Fast of the Apostles");
    case Feast::Apostles:
        return QStringLiteral("Feast of Saints Peter and Paul");
    case Feast::Virgin_Fast:
        return QStringLiteral("Start of the Fast of the Virgin");
    case Feast::Transfiguration:
        return QStringLiteral("Feast of the Transfiguration");
    case Feast::Assumption:
        return QStringLiteral("Assumption of the Body of the Virgin");
    }
    return QString();
}

} // namespace MdlLectarium

namespace MdlLectarium {

QString English_Fast_Line(const Day_Fast& fast) {
    if (fast.kind == Fast_Kind::None)
        return QString();
    return English_Fast_Name(fast.kind) + QStringLiteral(": ") + English_Fast_Food_Name(fast.food);
}

QString English_Title_Of(const QDate& date) {
    const Day_State_In_Place kept(Current_Day_State());
    const Day_Classification steps = Classify_Day(date, Day_Stage::Titled);
    return English_Day_Title(Occasion_Title, steps.titleKey, Season_Week, steps.titleDay);
}

QStringList Date_Lines(const QDate& date, Interface_Language language) {
    if (language == Interface_Language::English) {
        Integer day = 0, month = 0, year = 0;
        Coptic_Date(date, day, month, year);
        return {English_Date(date), English_Coptic_Date(day, month, year)};
    }
    const Day_Labels labels = Date_Labels(date);
    return {labels.dayName + QLatin1Char(' ') + labels.normalDay + QLatin1Char(' ') + labels.normalMonth +
                QLatin1Char(' ') + labels.normalYear,
            labels.copticDay + QLatin1Char(' ') + labels.copticMonth + QLatin1Char(' ') + labels.copticYear};
}

} // namespace MdlLectarium
