#include "base/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace MdlLectarium {

namespace {

// Qt 6.4's QSaveFile reports a commit as done when its last write failed on a full
// disk, and it follows a link at the target; the program writes its files through
// these calls instead.

const QString partialMark = QStringLiteral(".partial-");
constexpr int randomLength = 8;
constexpr time_t staleAge = 24 * 60 * 60;

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

bool lstatPath(const QString& path, struct stat& info) {
    return ::lstat(native(path).constData(), &info) == 0;
}

int closeFile(int fd) {
    return ::close(fd) == 0 ? 0 : errno;
}

// Writes all of the bytes; 0, or the reason they could not be written.
int writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return ENOSPC;
        data += written;
        left -= written;
    }
    return 0;
}

// The rename is only lasting once the folder's entry is on the disk too. Some file
// systems refuse to sync a folder; the file itself is written by then, so that is no
// failure of the save.
void syncFolder(const QString& folder) {
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QString randomPart() {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString part;
    for (int i = 0; i < randomLength; ++i)
        part +=
            QLatin1Char(letters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof letters - 1))]);
    return part;
}

// base.partial-XXXXXXXX, the name this writer gives its temporaries.
bool isTemporaryName(const QString& name, const QString& base) {
    if (name.size() != base.size() + partialMark.size() + randomLength ||
        !name.startsWith(base + partialMark))
        return false;
    for (qsizetype i = base.size() + partialMark.size(); i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')))
            return false;
    }
    return true;
}

// Every entry of folder but "." and "..": hidden files, links (broken ones too),
// pipes and sockets included.
QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// The path with its folder resolved, for a file that does not exist yet.
QString resolvedPath(const QString& path) {
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? QDir::cleanPath(info.absolutePath()) : folder) + QLatin1Char('/') +
           info.fileName();
}

// Removes a folder this writer made and filled with files and links only.
void removeOwnFolder(const QString& folder) {
    for (const QString& name : entriesOf(folder))
        ::unlink(native(folder + QLatin1Char('/') + name).constData());
    ::rmdir(native(folder).constData());
}

// A set name that is there must be a file that may be changed; a link there is
// replaced.
bool checkSetTarget(const QString& path, QString& error) {
    struct stat info {};
    if (!lstatPath(path, info) || S_ISLNK(info.st_mode))
        return true;
    if (!S_ISREG(info.st_mode)) {
        error = QStringLiteral("%1: not a regular file").arg(path);
        return false;
    }
    if (::access(native(path).constData(), W_OK) != 0) {
        error = QStringLiteral("%1: %2").arg(path, systemError(errno));
        return false;
    }
    return true;
}

enum class Swap { Done, Failed, Cannot };

// The new set and links to the folder's other files in a fresh folder beside it, which
// then changes places with the folder in one step (renameat2 RENAME_EXCHANGE).
Swap swapFolder(const QString& folder, const QList<Set_File>& files, const QStringList& setNames,
                QString& error) {
    const QString parent = QFileInfo(folder).absolutePath();
    struct stat self {};
    struct stat above {};
    if (folder == parent || !lstatPath(folder, self) || !lstatPath(parent, above) ||
        self.st_dev != above.st_dev) // a mount point cannot be renamed
        return Swap::Cannot;
    // Another user's folder keeps its identity; only its files are replaced.
    if (self.st_uid != ::geteuid() && ::geteuid() != 0)
        return Swap::Cannot;
    QStringList others;
    for (const QString& name : entriesOf(folder)) {
        if (setNames.contains(name))
            continue;
        struct stat info {};
        // A folder inside cannot be linked into the fresh folder.
        if (!lstatPath(folder + QLatin1Char('/') + name, info) || S_ISDIR(info.st_mode))
            return Swap::Cannot;
        others << name;
    }

    QString fresh;
    for (int attempt = 0; attempt < 100 && fresh.isEmpty(); ++attempt) {
        const QString candidate = folder + partialMark + randomPart();
        if (::mkdir(native(candidate).constData(), 0700) == 0)
            fresh = candidate;
        else if (errno != EEXIST)
            return Swap::Cannot;
    }
    if (fresh.isEmpty())
        return Swap::Cannot;

    for (const Set_File& file : files) {
        if (file.remove)
            continue;
        const QString target = folder + QLatin1Char('/') + file.name;
        struct stat old {};
        const bool keepMode = lstatPath(target, old) && S_ISREG(old.st_mode);
        const QString path = fresh + QLatin1Char('/') + file.name;
        int code = 0;
        const int fd =
            ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            code = errno;
        } else {
            if (keepMode)
                ::fchmod(fd, old.st_mode & 07777);
            code = writeAll(fd, file.bytes);
            if (code == 0 && ::fsync(fd) != 0)
                code = errno;
            const int closed = closeFile(fd);
            if (code == 0)
                code = closed;
        }
        if (code != 0) {
            removeOwnFolder(fresh);
            error = QStringLiteral("%1: cannot be written: %2; the folder's files are as they were")
                        .arg(target, systemError(code));
            return Swap::Failed;
        }
    }
    for (const QString& name : others) {
        // A hard link: the same file under the fresh folder, a link as the link itself.
        if (::linkat(AT_FDCWD, native(folder + QLatin1Char('/') + name).constData(), AT_FDCWD,
                     native(fresh + QLatin1Char('/') + name).constData(), 0) != 0) {
            removeOwnFolder(fresh);
            return Swap::Cannot;
        }
    }
    ::chmod(native(fresh).constData(), self.st_mode & 07777);
    if (self.st_uid != ::geteuid() || self.st_gid != ::getegid()) {
        if (::lchown(native(fresh).constData(), self.st_uid, self.st_gid) != 0) {
            // The folder keeps the group of its maker where the owner is not in the old one.
        }
    }
    syncFolder(fresh);

    if (::renameat2(AT_FDCWD, native(fresh).constData(), AT_FDCWD, native(folder).constData(),
                    RENAME_EXCHANGE) != 0) {
        const int code = errno;
        removeOwnFolder(fresh);
        // The file system or the kernel has no exchange, or the folder may not move.
        if (code == EINVAL || code == ENOSYS || code == EOPNOTSUPP || code == EXDEV || code == EBUSY ||
            code == EPERM || code == EACCES)
            return Swap::Cannot;
        error = QStringLiteral("%1: the new files cannot take their place: %2; the folder's files are as "
                               "they were")
                    .arg(folder, systemError(code));
        return Swap::Failed;
    }
    syncFolder(parent);

    // The old folder now has the fresh name. A file that came into it meanwhile joins
    // the new folder; the rest are the old set and the second names of the others.
    for (const QString& name : entriesOf(fresh))
        if (!setNames.contains(name) && !others.contains(name))
            ::renameat2(AT_FDCWD, native(fresh + QLatin1Char('/') + name).constData(), AT_FDCWD,
                        native(folder + QLatin1Char('/') + name).constData(), RENAME_NOREPLACE);
    for (const QString& name : setNames + others)
        ::unlink(native(fresh + QLatin1Char('/') + name).constData());
    ::rmdir(native(fresh).constData());
    return Swap::Done;
}

// One file after another; a failure names exactly which were replaced.
bool replaceOneByOne(const QString& folder, const QList<Set_File>& files, QString& error) {
    std::vector<std::unique_ptr<Safe_File>> written;
    for (const Set_File& file : files) {
        if (file.remove)
            continue;
        auto safe = std::make_unique<Safe_File>(folder + QLatin1Char('/') + file.name);
        if (!safe->Open() || !safe->Write(file.bytes) || !safe->Finish()) {
            error = QStringLiteral("%1: cannot be written: %2; the folder's files are as they were")
                        .arg(safe->Target(), safe->Error());
            return false;
        }
        written.push_back(std::move(safe));
    }
    QStringList done;
    QStringList left;
    for (const Set_File& file : files)
        left << file.name;
    auto partly = [&](const QString& what) {
        error = done.isEmpty()
                    ? QStringLiteral("%1; the folder's files are as they were").arg(what)
                    : QStringLiteral("%1; replaced already: %2; as they were: %3")
                          .arg(what, done.join(QStringLiteral(", ")), left.join(QStringLiteral(", ")));
        return false;
    };
    for (const auto& safe : written) {
        const QString name = QFileInfo(safe->Target()).fileName();
        if (!safe->Commit())
            return partly(QStringLiteral("%1: cannot be written: %2").arg(safe->Target(), safe->Error()));
        done << name;
        left.removeOne(name);
    }
    for (const Set_File& file : files) {
        if (!file.remove)
            continue;
        const QString path = folder + QLatin1Char('/') + file.name;
        struct stat info {};
        if (lstatPath(path, info) && ::unlink(native(path).constData()) != 0)
            return partly(QStringLiteral("%1: cannot be removed: %2").arg(path, systemError(errno)));
        done << file.name;
        left.removeOne(file.name);
    }
    return true;
}

} // namespace

Safe_File::Safe_File(const QString& target) : target_(target) {}

Safe_File::~Safe_File() {
    Discard();
}

bool Safe_File::fail(int code) {
    error_ = systemError(code);
    Discard();
    return false;
}

bool Safe_File::Open() {
    Discard();
    error_.clear();
    finished_ = false;
    const QByteArray target = native(target_);
    // The name itself, not what a link there names: a link is replaced by the new file.
    struct stat existing {};
    const bool exists = ::lstat(target.constData(), &existing) == 0;
    const bool file = exists && S_ISREG(existing.st_mode);
    if (exists && !file && !S_ISLNK(existing.st_mode)) {
        error_ = QStringLiteral("not a regular file");
        return false;
    }
    // A file the user may not change is not replaced behind his back either.
    if (file && ::access(target.constData(), W_OK) != 0)
        return fail(errno);
    Remove_Stale_Temporaries(target_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = target_ + partialMark + randomPart();
        const int fd = ::open(native(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            temporary_ = candidate;
            if (file)
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
    if (const int code = writeAll(fd_, bytes))
        return fail(code);
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
    if (::rename(native(temporary_).constData(), native(target_).constData()) != 0)
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
        ::unlink(native(temporary_).constData());
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

bool Replace_File_Set(const QString& folder, const QList<Set_File>& files, QString& error) {
    // A folder named through a link is replaced where it really is.
    const QString path = QFileInfo(folder).canonicalFilePath();
    if (path.isEmpty() || !QFileInfo(path).isDir()) {
        error = QStringLiteral("%1: no such folder").arg(folder);
        return false;
    }
    QStringList setNames;
    for (const Set_File& file : files) {
        setNames << file.name;
        if (!checkSetTarget(path + QLatin1Char('/') + file.name, error))
            return false;
        Remove_Stale_Temporaries(path + QLatin1Char('/') + file.name);
    }
    Remove_Stale_Temporaries(path, setNames);
    switch (swapFolder(path, files, setNames, error)) {
    case Swap::Done:
        return true;
    case Swap::Failed:
        return false;
    case Swap::Cannot:
        break;
    }
    return replaceOneByOne(path, files, error);
}

bool Same_File(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    const bool hasFirst = ::stat(native(a).constData(), &first) == 0;
    const bool hasSecond = ::stat(native(b).constData(), &second) == 0;
    if (hasFirst && hasSecond)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    if (hasFirst != hasSecond)
        return false;
    return resolvedPath(a) == resolvedPath(b);
}

bool Descriptor_Is_File(int fd, const QString& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && S_ISREG(open.st_mode) &&
           ::stat(native(path).constData(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

void Remove_Stale_Temporaries(const QString& target, const QStringList& setNames) {
    const QFileInfo info(target);
    const QString base = info.fileName();
    const QString folder = info.absolutePath();
    const time_t now = std::time(nullptr);
    for (const QString& name : entriesOf(folder)) {
        if (!isTemporaryName(name, base))
            continue;
        const QString path = folder + QLatin1Char('/') + name;
        struct stat stale {};
        if (!lstatPath(path, stale) || stale.st_uid != ::geteuid() || now - stale.st_mtime < staleAge)
            continue;
        if (S_ISREG(stale.st_mode)) {
            ::unlink(native(path).constData());
            continue;
        }
        if (!S_ISDIR(stale.st_mode) || setNames.isEmpty())
            continue;
        // Whatever else is in it may be somebody's only copy: then it stays.
        const QStringList inside = entriesOf(path);
        bool ours = true;
        for (const QString& entry : inside) {
            struct stat one {};
            ours = ours && lstatPath(path + QLatin1Char('/') + entry, one) && !S_ISDIR(one.st_mode) &&
                   (setNames.contains(entry) || one.st_nlink > 1);
        }
        if (ours)
            removeOwnFolder(path);
    }
}

void Ignore_File_Size_Signal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace MdlLectarium
