#include "fuzz/fuzz_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Lectarium_Fuzz {

void Check(bool condition, const char* what, const QString& detail) {
    if (condition)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n%s\n", what, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

QString Scratch_Folder() {
    static QTemporaryDir folder;
    Check(folder.isValid(), "scratch folder", folder.errorString());
    return folder.path();
}

void Write_File(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
          "write scratch file", path + QStringLiteral(": ") + file.errorString());
}

QByteArray Input_Bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace Lectarium_Fuzz
