#pragma once

// Writes the Bible table of a source folder from a standard Bible export, mapping the
// export's books to the program's 73-book numbering.

#include <QString>
#include <QStringList>

namespace MdlLectarium {

// The verse text of an OSIS fragment: notes, headings and speaker labels dropped, the
// other markup removed so that the words on both sides stay apart, blanks collapsed.
QString Strip_Osis(const QString& fragment);

// FORMAT "imp": the text that SWORD's mod2imp writes ("$$$Book C:V" lines, each
// followed by the verse). Writes SOURCE_FOLDER/Bible.txt; report receives what was
// mapped, skipped, replaced and left empty. False with a reason on failure.
bool Import_Bible(const QString& format, const QString& file, const QString& sourceFolder,
                  QStringList& report, QString& error);

} // namespace MdlLectarium
