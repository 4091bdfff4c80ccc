#pragma once

// Bible modules of the user's SWORD library (SWORD_PATH, ~/.sword, /usr/share/sword and
// the other places SWORD looks), read directly through libsword: imported into a source
// folder by lectarium-db, or read as translations (lectionary/sword_bible.h).

#include <QList>
#include <QString>
#include <QStringList>

#include "lectionary/bible_import.h"

#include <functional>
#include <vector>

namespace MdlLectarium {

struct Sword_Module {
    QString name;
    QString language;
    QString versification;
    QString description;
};

// The installed Bible modules, by name.
QList<Sword_Module> Sword_Bible_Modules();

// The entries of a Bible module with text, in SWORD's book names; a module whose
// versification numbers the psalms the Greek way is first mapped onto NRSVA (the Hebrew
// numbering of the shipped tables): through SWORD's own versification mapping where it
// has one (Synodal, Vulg), through the Greek-to-Hebrew psalm table for LXX and
// Orthodox, which SWORD leaves as they are; Psalm 151 stays chapter 151. progress hears the number of entries
// read now and then and stops the reading by answering false. False with a reason for a missing or a
// non-Bible module.
struct Sword_Entries {
    std::vector<Export_Verse> verses;
    QString versification;
    bool osis = false;     // the text is OSIS markup
    bool remapped = false; // Greek psalms moved onto NRSVA
};
bool Read_Sword_Bible(const QString& module, Sword_Entries& out, QString& error,
                      const std::function<bool(int)>& progress = {});

// Writes SOURCE_FOLDER/Bible.txt from a Bible module: every verse of the 73 books that
// the module has, the markup stripped, mapped as Import_Bible maps an export. A module
// whose versification numbers the psalms the Greek way is first mapped onto NRSVA (the
// Hebrew numbering of the shipped tables) through SWORD's own versification mapping.
bool Import_Sword_Bible(const QString& module, const QString& sourceFolder, QStringList& report,
                        QString& error);

} // namespace MdlLectarium
