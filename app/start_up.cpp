#include "app/start_up.h"

#include "base/program_files.h"
#include "base/settings.h"
#include "calendar/selected_day.h"
#include "lectionary/bible_books.h"

namespace MdlLectarium {

bool Init_Tables(QString* settingsError) {
    const bool settingsOk = Load_Settings(settingsError);
    Nineveh_Eve = false;
    Paramoun_Day = false;
    Database_Path = Program_File(QStringLiteral("Lectarium.mdb"));
    Fill_Name_Tables();
    Init_Bible_Tables();
    return settingsOk;
}

} // namespace MdlLectarium
