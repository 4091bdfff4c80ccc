#pragma once

#include <QByteArray>
#include <QString>

// SWORD modules made at test time in a folder that stands as SWORD_PATH: a module's
// configuration in mods.d, and its text through SWORD's imp2vs (Debian libsword-utils).
class Sword_Modules final {
public:
    explicit Sword_Modules(QString swordPath) : path_(std::move(swordPath)) {}

    // The folder of a module's data.
    QString Data_Folder(const QString& name) const;
    // The configuration of a module whose data is another module's when data names it;
    // its language is Arabic for a name starting "Arab", English otherwise.
    bool Write_Conf(const QString& name, const QString& versification, const char* driver,
                    const QString& data, QString& error) const;
    // A Bible module from the text of imp (mod2imp's form).
    bool Make_Bible(const QString& name, const QString& versification, const QByteArray& imp,
                    QString& error) const;
    // A Bible module whose text files are noise.
    bool Make_Broken(const QString& name, QString& error) const;

private:
    QString path_;
};
