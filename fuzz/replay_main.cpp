// Stands in for libFuzzer in the ordinary build: runs the target once over each file
// named, or each file of each folder named, so that the seeds and the regression
// inputs are replayed by CTest and the targets keep building.

#include "fuzz/fuzz_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString name = QFile::decodeName(argv[i]);
        if (QFileInfo(name).isDir()) {
            QStringList inFolder;
            QDirIterator it(name, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                inFolder << it.next();
            inFolder.sort();
            files << inFolder;
        } else {
            files << name;
        }
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: %s FILE_OR_FOLDER...\n", argv[0]);
        return 2;
    }
    for (const QString& name : files) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: cannot be read\n", qPrintable(name));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                               static_cast<size_t>(bytes.size()));
    }
    std::printf("%lld inputs replayed\n", static_cast<long long>(files.size()));
    return 0;
}
