#include "base/interface_language.h"

#include "base/preferences.h"

namespace MdlLectarium {
namespace {

const QString settingsKey = QStringLiteral("Interface/Language");

Interface_Language current = Interface_Language::Classic;

} // namespace

QString Language_Code(Interface_Language language) {
    switch (language) {
    case Interface_Language::Arabic:
        return QStringLiteral("ar");
    case Interface_Language::English:
        return QStringLiteral("en");
    case Interface_Language::Classic:
        break;
    }
    return QStringLiteral("classic");
}

std::optional<Interface_Language> Language_From_Code(const QString& code) {
    for (const auto language :
         {Interface_Language::Classic, Interface_Language::Arabic, Interface_Language::English})
        if (code == Language_Code(language))
            return language;
    return std::nullopt;
}

Interface_Language Stored_Interface_Language() {
    return Language_From_Code(Preferences().value(settingsKey).toString())
        .value_or(Interface_Language::Classic);
}

void Store_Interface_Language(Interface_Language language) {
    QSettings settings = Preferences();
    settings.setValue(settingsKey, Language_Code(language));
}

Interface_Language Current_Interface_Language() {
    return current;
}

void Set_Current_Interface_Language(Interface_Language language) {
    current = language;
}

} // namespace MdlLectarium
