// Settings files as a user, an editor or a broken disk may leave them: every line
// through Split_Setting, the whole file through Load_Settings, and what is then saved
// must read back the same.

#include "base/basic_text.h"
#include "base/program_files.h"
#include "base/settings.h"
#include "calendar/selected_day.h"
#include "fuzz/fuzz_support.h"

#include <QFile>

using namespace MdlLectarium;
using Lectarium_Fuzz::Check;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Program_Folder = Lectarium_Fuzz::Scratch_Folder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = Lectarium_Fuzz::Input_Bytes(data, size);
    const QString text = Decode_Text_File(bytes);
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QString key;
        QString value;
        Split_Setting(line, key, value);
        Check(line.startsWith(key) && line.endsWith(value) && key.size() + value.size() <= line.size(),
              "key and value are parts of the line", line);
    }

    Lectarium_Fuzz::Write_File(Settings_Path(), bytes);
    QString error;
    Check(Load_Settings(&error), "settings written", error);
    const QStringList loaded = Settings_Lines();
    Check(loaded.size() == 49, "49 settings lines");

    // Whatever was taken from the file is what the next run finds.
    Check(Save_Settings(&error), "settings saved", error);
    Check(Load_Settings(&error), "saved settings read", error);
    const QStringList again = Settings_Lines();
    for (qsizetype i = 0; i < loaded.size(); ++i)
        if (loaded[i] != again[i])
            Check(false, "saved settings read back the same",
                  QStringLiteral("loaded: %1\nread back: %2").arg(loaded[i], again[i]));
    return 0;
}
