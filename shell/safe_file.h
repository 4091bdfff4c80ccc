#pragma once

// Every file the program and its tools write goes through here: the new content is
// written beside the target under a name of its own, checked write by write, flushed
// to the disk, and only then renamed over the target. A failure at any step (a full
// disk above all) removes the temporary file and leaves the target as it was, byte for
// byte.

#include <QByteArray>
#include <QString>

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

} // namespace MdlLectarium
