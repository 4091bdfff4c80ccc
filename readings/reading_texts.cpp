#include "readings/reading_texts.h"

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

} // namespace MdlLectarium
