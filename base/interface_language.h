#pragma once

// The language of the program's own texts: the classic mix (English frame, Arabic
// content), Arabic throughout, or English throughout. A user preference kept in Qt's
// own settings file, never in Lectarium.ini, whose 49 lines stay as they are.

#include <QString>

#include <optional>

namespace MdlLectarium {

enum class Interface_Language { Classic, Arabic, English };

// "classic", "ar", "en": the names the settings file and the command lines use.
QString Language_Code(Interface_Language language);
std::optional<Interface_Language> Language_From_Code(const QString& code);

// The stored preference; Classic when none or an unknown one is stored.
Interface_Language Stored_Interface_Language();
void Store_Interface_Language(Interface_Language language);

// The language this run shows, fixed at start-up (the preference, or a tool's --lang).
Interface_Language Current_Interface_Language();
void Set_Current_Interface_Language(Interface_Language language);

} // namespace MdlLectarium
