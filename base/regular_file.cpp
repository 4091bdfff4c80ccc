#include "base/regular_file.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace MdlLectarium {

namespace {

File_Kind failed(int error, QString* reason) {
    if (reason)
        *reason = QString::fromLocal8Bit(std::strerror(error));
    return error == ENOENT || error == ENOTDIR ? File_Kind::Missing : File_Kind::Unreadable;
}

File_Kind notRegular(QString* reason) {
    if (reason)
        *reason = QStringLiteral("not a regular file");
    return File_Kind::Not_Regular;
}

} // namespace

File_Kind Open_Regular_File(QFile& file, const QString& path, QString* reason) {
    // QFile offers neither a look at the kind before opening nor a non-blocking open,
    // hence the system calls. The kind is looked at first, so that a device is never
    // opened at all; the open itself does not wait for a writer, and the file opened
    // is looked at again in case the name was changed in between.
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return failed(errno, reason);
    if (!S_ISREG(status.st_mode))
        return notRegular(reason);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENXIO ? notRegular(reason) : failed(errno, reason);
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return notRegular(reason);
    }
    // Regular files never block; the flag is cleared all the same for the reads.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (reason)
            *reason = file.errorString();
        return File_Kind::Unreadable;
    }
    return File_Kind::Regular;
}

bool Read_Regular_File(const QString& path, qint64 limit, QByteArray& bytes, QString& reason) {
    bytes.clear();
    QFile file;
    if (Open_Regular_File(file, path, &reason) != File_Kind::Regular)
        return false;
    const QString tooLarge = QStringLiteral("larger than ") + Size_Text(limit);
    if (file.size() > limit) {
        reason = tooLarge;
        return false;
    }
    // The size can change while the file is read; never more than the limit is taken.
    bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        bytes.clear();
        return false;
    }
    if (bytes.size() > limit) {
        reason = tooLarge;
        bytes.clear();
        return false;
    }
    return true;
}

QString Size_Text(qint64 bytes) {
    if (bytes >= (qint64(1) << 20) && bytes % (qint64(1) << 20) == 0)
        return QStringLiteral("%1 MB").arg(bytes >> 20);
    if (bytes >= 1024 && bytes % 1024 == 0)
        return QStringLiteral("%1 KB").arg(bytes >> 10);
    return QStringLiteral("%1 bytes").arg(bytes);
}

} // namespace MdlLectarium
