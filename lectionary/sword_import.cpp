#include "lectionary/sword_import.h"

#include "lectionary/bible_import.h"

#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>

#include <cstring>
#include <utility>
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

// The Hebrew psalm and verse of a psalm in the Greek numbering. SWORD maps Synodal and
// Vulg onto NRSVA itself but leaves LXX and Orthodox psalms as they are numbered, so the
// church's well-known correspondence is written out here for those.
std::pair<int, int> hebrewPsalm(int psalm, int verse) {
    if (psalm <= 8 || psalm >= 148)
        return {psalm, verse};
    if (psalm == 9)
        return verse <= 21 ? std::pair{9, verse} : std::pair{10, verse - 21};
    if (psalm <= 112)
        return {psalm + 1, verse};
    if (psalm == 113)
        return verse <= 8 ? std::pair{114, verse} : std::pair{115, verse - 8};
    if (psalm == 114)
        return {116, verse};
    if (psalm == 115)
        return {116, verse + 9};
    if (psalm <= 145)
        return {psalm + 1, verse};
    if (psalm == 146)
        return {147, verse};
    return {147, verse + 11}; // 147
}

bool swordMapsPsalms(const QString& v11n) {
    return v11n != QLatin1String("LXX") && v11n != QLatin1String("Orthodox");
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

bool Read_Sword_Bible(const QString& name, Sword_Entries& out, QString& error,
                      const std::function<bool(int)>& progress) {
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
    out.versification = versificationOf(*module);
    const bool utf8 = module->getEncoding() == sword::ENC_UTF8;
    // OSIS is stripped by the program's own reader, which keeps the words on both sides
    // of a note apart; SWORD's plain-text filters join them. Other markup goes through
    // SWORD's plain-text filter.
    out.osis = configEntry(*module, "SourceType").compare(QLatin1String("OSIS"), Qt::CaseInsensitive) == 0;
    out.remapped = greekPsalms(out.versification);
    sword::VerseKey hebrew;
    hebrew.setVersificationSystem("NRSVA");

    module->setSkipConsecutiveLinks(true);
    int step = 0;
    for (module->setPosition(sword::TOP); !module->popError(); module->increment()) {
        // A whole Bible is some 37,000 entries: the caller hears of the first and every
        // thousandth.
        if (progress && (++step == 1 || step % 1000 == 0) && !progress(step)) {
            error = QStringLiteral("%1: cancelled").arg(name);
            return false;
        }
        const char* raw = out.osis ? module->getRawEntry() : module->stripText();
        const QString text = utf8 ? QString::fromUtf8(raw) : QString::fromLatin1(raw);
        if (text.trimmed().isEmpty())
            continue;
        const sword::VerseKey* at = key;
        // Psalm 151 has no place in the Hebrew numbering; it is the program's chapter 151.
        const bool psalm151 = std::strcmp(key->getOSISBookName(), "Ps") == 0 && key->getChapter() == 151;
        if (out.remapped && !psalm151 && !swordMapsPsalms(out.versification)) {
            const bool psalm = std::strcmp(key->getOSISBookName(), "Ps") == 0;
            const auto [chapter, verse] = psalm ? hebrewPsalm(key->getChapter(), key->getVerse())
                                                : std::pair{key->getChapter(), key->getVerse()};
            out.verses.push_back({QString::fromUtf8(key->getBookName()), chapter, verse, text});
            continue;
        }
        if (out.remapped && !psalm151) {
            hebrew.positionFrom(*key);
            at = &hebrew;
        }
        out.verses.push_back({QString::fromUtf8(at->getBookName()), at->getChapter(), at->getVerse(), text});
    }
    return true;
}

bool Import_Sword_Bible(const QString& name, const QString& sourceFolder, QStringList& report,
                        QString& error) {
    Sword_Entries entries;
    if (!Read_Sword_Bible(name, entries, error))
        return false;
    report << QStringLiteral("module %1: %2 entries with text, versification %3%4")
                  .arg(name)
                  .arg(entries.verses.size())
                  .arg(entries.versification,
                       entries.remapped ? QStringLiteral(" (mapped onto NRSVA)") : QString());
    return Write_Bible_Table(entries.verses, entries.osis, QStringLiteral("SWORD module ") + name,
                             sourceFolder, report, error);
}

} // namespace MdlLectarium
