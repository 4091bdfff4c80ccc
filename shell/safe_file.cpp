#include "shell/safe_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace MdlLectarium {

namespace {

// Qt 6.4's QSaveFile reports a commit as done when its last write failed on a full
// disk, which is why the program writes its files through these calls instead.

int closeFile(int fd) {
    return ::close(fd) == 0 ? 0 : errno;
}

// The rename is only lasting once the folder's entry is on the disk too. Some file
// systems refuse to sync a folder; the file itself is written by then, so that is no
// failure of the save.
void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QString randomPart() {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString part;
    for (int i = 0; i < 8; ++i)
        part +=
            QLatin1Char(letters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof letters - 1))]);
    return part;
}

} // namespace

Safe_File::Safe_File(const QString& target) : target_(target) {
    // A link is followed: the file it names gets the new content and the link stays.
    const QFileInfo info(target);
    if (info.isSymLink() && info.exists())
        target_ = info.canonicalFilePath();
}

Safe_File::~Safe_File() {
    Discard();
}

bool Safe_File::fail(int code) {
    error_ = QString::fromLocal8Bit(std::strerror(code));
    Discard();
    return false;
}

bool Safe_File::Open() {
    Discard();
    error_.clear();
    finished_ = false;
    const QByteArray target = QFile::encodeName(target_);
    struct stat existing {};
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        error_ = QStringLiteral("not a regular file");
        return false;
    }
    // A file the user may not change is not replaced behind his back either.
    if (exists && ::access(target.constData(), W_OK) != 0)
        return fail(errno);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = target_ + QStringLiteral(".partial-") + randomPart();
        const int fd =
            ::open(QFile::encodeName(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            temporary_ = candidate;
            if (exists)
                ::fchmod(fd_, existing.st_mode & 07777);
            return true;
        }
        if (errno != EEXIST)
            return fail(errno);
    }
    return fail(EEXIST);
}

bool Safe_File::Write(const QByteArray& bytes) {
    if (fd_ < 0)
        return fail(EBADF);
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (written == 0)
            return fail(ENOSPC);
        data += written;
        left -= written;
    }
    return true;
}

bool Safe_File::Finish() {
    if (finished_)
        return true;
    if (fd_ < 0)
        return fail(EBADF);
    const int fd = fd_;
    fd_ = -1;
    if (::fsync(fd) != 0) {
        const int code = errno;
        ::close(fd);
        return fail(code);
    }
    if (const int code = closeFile(fd))
        return fail(code);
    finished_ = true;
    return true;
}

bool Safe_File::Commit() {
    if (!Finish())
        return false;
    if (::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(target_).constData()) != 0)
        return fail(errno);
    temporary_.clear();
    finished_ = false;
    syncFolder(QFileInfo(target_).absolutePath());
    return true;
}

void Safe_File::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.isEmpty()) {
        ::unlink(QFile::encodeName(temporary_).constData());
        temporary_.clear();
    }
    finished_ = false;
}

bool Write_File_Safely(const QString& path, const QByteArray& bytes, QString* error) {
    Safe_File file(path);
    if (file.Open() && file.Write(bytes) && file.Commit())
        return true;
    if (error)
        *error = file.Error();
    return false;
}

} // namespace MdlLectarium
