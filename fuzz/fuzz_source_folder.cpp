// Source folders of `lectarium-db build`: one input holds several table files, each
// begun by a line "=== NAME". A folder that builds must dump back to text that builds
// the same database; a folder that does not build leaves no database behind.

#include "fuzz/fuzz_support.h"
#include "lectionary/source_folder.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>

using namespace MdlLectarium;
using Lectarium_Fuzz::Check;

namespace {

// File name -> contents. Lines before the first header, and files under names that
// could leave the folder, are left out.
QMap<QString, QByteArray> splitFiles(const QByteArray& input) {
    static const QRegularExpression safeName(QStringLiteral("^[A-Za-z0-9_.]{1,40}$"));
    QMap<QString, QByteArray> files;
    QString current;
    qsizetype start = 0;
    while (start < input.size()) {
        qsizetype end = input.indexOf('\n', start);
        if (end < 0)
            end = input.size();
        const QByteArray line = input.mid(start, end - start + 1);
        if (line.startsWith("=== ")) {
            const QString name = QString::fromLatin1(line.mid(4).trimmed());
            current =
                safeName.match(name).hasMatch() && name != QLatin1String(".") && name != QLatin1String("..")
                    ? name
                    : QString();
            if (!current.isEmpty())
                files[current].clear();
        } else if (!current.isEmpty()) {
            files[current] += line;
        }
        start = end + 1;
    }
    return files;
}

QMap<QString, QByteArray> readFolder(const QString& path) {
    QMap<QString, QByteArray> files;
    const QDir folder(path);
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        Check(file.open(QIODevice::ReadOnly), "dumped file opens", name);
        files[name] = file.readAll();
    }
    return files;
}

QString freshFolder(const QString& name) {
    QDir folder(QDir(Lectarium_Fuzz::Scratch_Folder()).filePath(name));
    folder.removeRecursively();
    Check(QDir().mkpath(folder.path()), "scratch subfolder", folder.path());
    return folder.path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QMap<QString, QByteArray> files = splitFiles(Lectarium_Fuzz::Input_Bytes(data, size));
    const QDir source(freshFolder(QStringLiteral("source")));
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        Lectarium_Fuzz::Write_File(source.filePath(it.key()), it.value());

    const QDir out(freshFolder(QStringLiteral("out")));
    const QString database = out.filePath(QStringLiteral("Lectarium.mdb"));
    QString error;
    if (!Build_Database(source.path(), database, error)) {
        Check(!error.isEmpty(), "a failed build says why");
        Check(out.entryList(QDir::Files).isEmpty(), "a failed build leaves no file", error);
        return 0;
    }

    const QString dumped = freshFolder(QStringLiteral("dump"));
    Check(Dump_Database(database, dumped, error), "a built database dumps", error);
    const QString rebuilt = out.filePath(QStringLiteral("Rebuilt.mdb"));
    Check(Build_Database(dumped, rebuilt, error), "a dumped folder builds", error);
    const QString dumpedAgain = freshFolder(QStringLiteral("dump2"));
    Check(Dump_Database(rebuilt, dumpedAgain, error), "a rebuilt database dumps", error);
    const QMap<QString, QByteArray> first = readFolder(dumped);
    const QMap<QString, QByteArray> second = readFolder(dumpedAgain);
    Check(first.keys() == second.keys(), "the same tables after a rebuild");
    for (auto it = first.cbegin(); it != first.cend(); ++it)
        Check(it.value() == second.value(it.key()), "the same rows after a rebuild", it.key());
    return 0;
}
