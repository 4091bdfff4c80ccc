#include "lectionary/sword_import.h"

#include "lectionary/bible_import.h"

#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>

#include <cstring>
#include <vector>

namespace MdlLectarium {

namespace {

// SWORD's messages go to the tool's own messages instead.
void quietSword() {
    sword::SWLog::getSystemLog()->setLogLevel(sword::SWLog::LOG_ERROR);
}

QString configEntry(const sword::SWModule& module, const char* key) {
    const char* value = module.getConfigEntry(key);
    return value ? QString::fromUtf8(value) : QString();
}

bool isBible(const sword::SWModule& module) {
    return module.getType() && std::strcmp(module.getType(), "Biblical Texts") == 0;
}

QString versificationOf(const sword::SWModule& module) {
    const QString v11n = configEntry(module, "Versification");
    return v11n.isEmpty() ? QStringLiteral("KJV") : v11n; // SWORD's default
}

// Versifications that number the psalms as the Greek Bible does (Psalm 10 is part of 9).
bool greekPsalms(const QString& v11n) {
    return v11n == QLatin1String("LXX") || v11n == QLatin1String("Orthodox") ||
           v11n == QLatin1String("Synodal") || v11n == QLatin1String("SynodalProt") ||
           v11n == QLatin1String("Vulg");
}

} // namespace

QList<Sword_Module> Sword_Bible_Modules() {
    quietSword();
    sword::SWMgr manager;
    QList<Sword_Module> modules;
    for (const auto& [name, module] : manager.getModules()) {
        if (!module || !isBible(*module))
            continue;
        modules.append({QString::fromUtf8(module->getName()), QString::fromUtf8(module->getLanguage()),
                        versificationOf(*module), QString::fromUtf8(module->getDescription())});
    }
    return modules;
}

bool Import_Sword_Bible(const QString& name, const QString& sourceFolder, QStringList& report,
                        QString& error) {
    quietSword();
    sword::SWMgr manager;
    sword::SWModule* module = manager.getModule(name.toUtf8().constData());
    if (!module || !isBible(*module)) {
        QStringList known;
        for (const Sword_Module& m : Sword_Bible_Modules())
            known << m.name;
        error = QStringLiteral("no SWORD Bible module \"%1\" (installed: %2)")
                    .arg(name, known.isEmpty() ? QStringLiteral("none") : known.join(QStringLiteral(", ")));
        return false;
    }
    auto* key = dynamic_cast<sword::VerseKey*>(module->getKey());
    if (!key) {
        error = QStringLiteral("%1: not keyed by verses").arg(name);
        return false;
    }
    const QString v11n = versificationOf(*module);
    const bool utf8 = module->getEncoding() == sword::ENC_UTF8;
    // OSIS is stripped by the program's own reader, which keeps the words on both sides
    // of a note apart; SWORD's plain-text filters join them. Other markup goes through
    // SWORD's plain-text filter.
    const bool osis =
        configEntry(*module, "SourceType").compare(QLatin1String("OSIS"), Qt::CaseInsensitive) == 0;
    const bool remap = greekPsalms(v11n);
    sword::VerseKey hebrew;
    hebrew.setVersificationSystem("NRSVA");

    std::vector<Export_Verse> verses;
    module->setSkipConsecutiveLinks(true);
    for (module->setPosition(sword::TOP); !module->popError(); module->increment()) {
        const char* raw = osis ? module->getRawEntry() : module->stripText();
        const QString text = utf8 ? QString::fromUtf8(raw) : QString::fromLatin1(raw);
        if (text.trimmed().isEmpty())
            continue;
        const sword::VerseKey* at = key;
        // Psalm 151 has no place in the Hebrew numbering; it is the program's chapter 151.
        const bool psalm151 = std::strcmp(key->getOSISBookName(), "Ps") == 0 && key->getChapter() == 151;
        if (remap && !psalm151) {
            hebrew.positionFrom(*key);
            at = &hebrew;
        }
        verses.push_back({QString::fromUtf8(at->getBookName()), at->getChapter(), at->getVerse(), text});
    }
    report << QStringLiteral("module %1: %2 entries with text, versification %3%4")
                  .arg(name)
                  .arg(verses.size())
                  .arg(v11n, remap ? QStringLiteral(" (mapped onto NRSVA)") : QString());
    return Write_Bible_Table(verses, osis, QStringLiteral("SWORD module ") + name, sourceFolder, report,
                             error);
}

} // namespace MdlLectarium
