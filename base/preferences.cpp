#include "base/preferences.h"

namespace MdlLectarium {

QSettings Preferences() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lectarium"),
                     QStringLiteral("Lectarium"));
}

} // namespace MdlLectarium
