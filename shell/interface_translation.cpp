#include "shell/interface_translation.h"

#include "shell/qt_arabic.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Lectarium {

using MdlLectarium::Interface_Language;

bool Install_Interface_Language(Interface_Language language) {
    // Live as long as the application: Qt keeps only pointers to them.
    static QTranslator own;
    static QTranslator qtEnglish;
    // A change of language in a running program leaves none of the former texts behind.
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qtEnglish);
    Remove_Qt_Arabic();
    MdlLectarium::Set_Current_Interface_Language(language);
    QApplication::setLayoutDirection(Qt::LeftToRight);
    if (language == Interface_Language::Classic) {
        Install_Qt_Arabic();
        return true;
    }
    // The .qm files are built from app/translations and embedded under :/i18n.
    const QString code = MdlLectarium::Language_Code(language);
    if (!own.load(QStringLiteral(":/i18n/lectarium_") + code)) {
        MdlLectarium::Set_Current_Interface_Language(Interface_Language::Classic);
        Install_Qt_Arabic();
        return false;
    }
    QCoreApplication::installTranslator(&own);
    if (language == Interface_Language::Arabic) {
        Install_Qt_Arabic();
        QApplication::setLayoutDirection(Qt::RightToLeft);
    } else if (qtEnglish.load(QLocale(QLocale::English), QStringLiteral("qtbase"), QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtEnglish);
    }
    return true;
}

Qt::LayoutDirection Window_Direction() {
    return MdlLectarium::Current_Interface_Language() == Interface_Language::English ? Qt::LeftToRight
                                                                                     : Qt::RightToLeft;
}

} // namespace Lectarium
