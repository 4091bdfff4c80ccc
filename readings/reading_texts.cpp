#include "readings/reading_texts.h"

#include "readings/whole_day.h"

#include <QHash>

namespace MdlLectarium {

const QString Story_Frame_Caption = QStringLiteral(" السنكسار ");
const QString Vespers_Caption = QStringLiteral(" عشية ");
const QString Matins_Caption = QStringLiteral(" باكر  ");
const QString Liturgy_Caption = QStringLiteral(" القداس ");
const QString Prophecies_Caption = QStringLiteral(" النبوات ");
const QString Ceremony_Button_Caption = QStringLiteral("طقـس صـلوات الكنيسـة");
const QString Funeral_Button_Caption = QStringLiteral("الجنــــــاز العــــــــام");
const QString Psalm_Caption = QStringLiteral("المزمور");
const QString Gospel_Caption = QStringLiteral("الإنجيل");
const QString Pauline_Caption = QStringLiteral("البولس");
const QString Catholic_Caption = QStringLiteral("الكاثوليكون");
const QString Acts_Caption = QStringLiteral("الإبركسيس");
const QString Evening_Prayer_Caption = QStringLiteral(" صلاة المساء ");
const QString Sunday_Eve_Caption = QStringLiteral(" عشية الأحد ");
const QString No_Picture_Caption = QStringLiteral("لا توجد  صورة");
const QString Reading_Caption = QStringLiteral("القراءة");
const QString No_File_Message = QStringLiteral("لا يوجد ملف ");
const QString Rite_Caption = QStringLiteral("الطقـس");
const QString Pascha_Caption = QStringLiteral("البصخة المقدسة");
const QString Apocalypse_Caption = QStringLiteral("أبوغلمســـــــيس");
const QString Prophecy_Indent = QStringLiteral("       ");

QString Caption_In(const QString& caption, Interface_Language language) {
    if (language != Interface_Language::English)
        return caption;
    // By the bare caption, so that the blanks a frame pads its caption with stay its own.
    static const QHash<QString, QString> english{
        {Story_Frame_Caption.trimmed(), QStringLiteral("Synaxarium")},
        {Vespers_Caption.trimmed(), QStringLiteral("Vespers")},
        {Matins_Caption.trimmed(), QStringLiteral("Matins")},
        {Liturgy_Caption.trimmed(), QStringLiteral("Liturgy")},
        {Prophecies_Caption.trimmed(), QStringLiteral("Prophecies")},
        {Ceremony_Button_Caption, QStringLiteral("Rite of the Church Prayers")},
        {Funeral_Button_Caption, QStringLiteral("General Funeral")},
        {Psalm_Caption, QStringLiteral("Psalm")},
        {Gospel_Caption, QStringLiteral("Gospel")},
        {Pauline_Caption, QStringLiteral("Pauline Epistle")},
        {Catholic_Caption, QStringLiteral("Catholic Epistle")},
        {Acts_Caption, QStringLiteral("Acts")},
        {Evening_Prayer_Caption.trimmed(), QStringLiteral("Evening Prayer")},
        {Sunday_Eve_Caption.trimmed(), QStringLiteral("Eve of Sunday")},
        {No_Picture_Caption, QStringLiteral("No picture")},
        {Reading_Caption, QStringLiteral("Reading")},
        {No_File_Message.trimmed(), QStringLiteral("No file")},
        {Rite_Caption, QStringLiteral("Rite")},
        {Pascha_Caption, QStringLiteral("Holy Pascha")},
        {Apocalypse_Caption, QStringLiteral("Apocalypse")},
        {Whole_Day_Caption, QStringLiteral("The Readings of the Whole Day")},
    };
    const QString bare = caption.trimmed();
    const auto found = english.constFind(bare);
    if (found == english.cend())
        return caption;
    const qsizetype lead = caption.indexOf(bare);
    return caption.left(lead) + *found + caption.mid(lead + bare.size());
}

} // namespace MdlLectarium
