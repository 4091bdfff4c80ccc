#pragma once

// Every file the program and its tools write goes through here: the new content is
// written beside the target under a name of its own, checked write by write, flushed
// to the disk, and only then renamed over the target. A failure at any step (a full
// disk above all) removes the temporary file and leaves the target as it was, byte for
// byte. A link at the target's name is replaced by the new file, never followed: a
// link planted in a shared folder must not lead the writer to a file elsewhere.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace MdlLectarium {

class Safe_File final {
public:
    explicit Safe_File(const QString& target);
    // Removes the temporary file unless it was committed.
    ~Safe_File();
    Safe_File(const Safe_File&) = delete;
    Safe_File& operator=(const Safe_File&) = delete;

    // Creates the temporary file beside the target, under a name no other file has.
    bool Open();
    // Writes all of bytes or fails.
    bool Write(const QByteArray& bytes);
    // Flushes the temporary file to the disk and closes it: after this only the rename
    // is left. Also for a file another writer (SQLite) filled through Temporary_Path.
    bool Finish();
    // Finish, then the temporary file takes the target's place.
    bool Commit();
    // Removes the temporary file; the target stays as it was.
    void Discard();

    QString Target() const { return target_; }
    QString Temporary_Path() const { return temporary_; }
    // Why the last step failed, as the system says it ("No space left on device").
    QString Error() const { return error_; }

private:
    bool fail(int code);

    QString target_;
    QString temporary_;
    QString error_;
    int fd_ = -1;
    bool finished_ = false;
};

// Replaces path by bytes, or leaves it as it was; error tells why not.
bool Write_File_Safely(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// One file of a set that is replaced as a whole: its new bytes, or none when the file
// is to go.
struct Set_File {
    QString name;
    QByteArray bytes;
    bool remove = false;
};

// Replaces the files of a set in folder as a whole, leaving the folder's other files
// as they are. Where it can, the new set and links to the other files are written into
// a fresh folder beside it, which then takes the folder's place in one step, so that a
// failure or a kill at any point leaves either the old set or the new one. Where that
// cannot be done (a folder inside, a mount point, a file system without the exchange)
// the files are replaced one by one, and a failure names exactly which of them were
// replaced. error tells why not.
bool Replace_File_Set(const QString& folder, const QList<Set_File>& files, QString& error);

// Whether a and b name the same file, whatever names it (links, "..", "./", hard
// links): the same device and inode when both exist, else the same path once the
// folders are resolved.
bool Same_File(const QString& a, const QString& b);

// Whether the open descriptor fd (standard output, say) writes into the file at path.
bool Descriptor_Is_File(int fd, const QString& path);

// A writer that was killed leaves its temporary beside the target
// (TARGET.partial-XXXXXXXX); writing the same target again removes those of this user
// that are older than a day (a younger one may belong to a writer still at work).
// Folders of that name (a set replaced as a whole) go only when they hold nothing but
// files named in setNames and links to files that stay elsewhere.
void Remove_Stale_Temporaries(const QString& target, const QStringList& setNames = {});

// A write past the file-size limit (ulimit -f) ends a program with the signal SIGXFSZ
// unless it is ignored; ignored, the write fails with EFBIG and is reported as any full
// disk. Every program of Lectarium calls this first.
void Ignore_File_Size_Signal();

} // namespace MdlLectarium
