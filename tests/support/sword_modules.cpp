#include "tests/support/sword_modules.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes, QString& error) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    error = path + QStringLiteral(": ") + file.errorString();
    return false;
}

} // namespace

QString Sword_Modules::Data_Folder(const QString& name) const {
    return path_ + QStringLiteral("/modules/texts/rawtext/") + name.toLower() + QLatin1Char('/');
}

bool Sword_Modules::Write_Conf(const QString& name, const QString& versification, const char* driver,
                               const QString& data, QString& error) const {
    QDir().mkpath(path_ + QStringLiteral("/mods.d"));
    return writeFile(
        path_ + QStringLiteral("/mods.d/") + name.toLower() + QStringLiteral(".conf"),
        QStringLiteral("[%1]\nDataPath=./modules/texts/rawtext/%2/\nModDrv=%3\n"
                       "SourceType=OSIS\nEncoding=UTF-8\nLang=%4\nVersification=%5\n"
                       "Description=%1 test module\n")
            .arg(name, data.toLower(), QString::fromLatin1(driver),
                 name.startsWith(QLatin1String("Arab")) ? QStringLiteral("ar") : QStringLiteral("en"),
                 versification)
            .toUtf8(),
        error);
}

bool Sword_Modules::Make_Bible(const QString& name, const QString& versification, const QByteArray& imp,
                               QString& error) const {
    const QString data = Data_Folder(name);
    const QString source = path_ + QLatin1Char('/') + name + QStringLiteral(".imp");
    if (!QDir().mkpath(data) || !writeFile(source, imp, error) ||
        !Write_Conf(name, versification, "RawText", name, error))
        return false;
    QProcess made;
    made.setStandardInputFile(QProcess::nullDevice());
    made.start(QStringLiteral("imp2vs"),
               {source, QStringLiteral("-o"), data, QStringLiteral("-v"), versification});
    if (made.waitForFinished(60000) && made.exitStatus() == QProcess::NormalExit && made.exitCode() == 0)
        return true;
    error = QStringLiteral("imp2vs: ") + QString::fromLocal8Bit(made.readAllStandardError());
    return false;
}

bool Sword_Modules::Make_Broken(const QString& name, QString& error) const {
    if (!Write_Conf(name, QStringLiteral("KJV"), "RawText", name, error) || !QDir().mkpath(Data_Folder(name)))
        return false;
    for (const char* file : {"ot", "ot.vss", "nt", "nt.vss"})
        if (!writeFile(Data_Folder(name) + QLatin1String(file), QByteArray(7, '\xff'), error))
            return false;
    return true;
}
