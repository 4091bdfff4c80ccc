#pragma once

// Files the program and its tools read. Only a regular file (or a link to one) is
// read: a named pipe would block the reader until some other program writes to it,
// a device such as /dev/zero never ends, and a folder is no file at all. Such a file is
// refused without being opened in a way that could block, and a file is read only up
// to a limit suited to its kind, so that a huge one cannot exhaust the memory.

#include <QByteArray>
#include <QString>

class QFile;

namespace MdlLectarium {

enum class File_Kind {
    Regular,     // opened
    Missing,     // no such file (a dangling link included)
    Not_Regular, // a folder, a named pipe, a device or a socket
    Unreadable,  // there, but it cannot be opened
};

// Opens path read-only into file when it is a regular file. reason gets the system's
// words for a file that cannot be opened, "not a regular file" for the rest.
File_Kind Open_Regular_File(QFile& file, const QString& path, QString* reason = nullptr);

// All the bytes of a regular file of at most limit bytes; false with the reason
// ("not a regular file", "larger than 64 KB", the system's words) otherwise.
bool Read_Regular_File(const QString& path, qint64 limit, QByteArray& bytes, QString& reason);

// "64 KB", "256 MB": a limit as the messages name it.
QString Size_Text(qint64 bytes);

} // namespace MdlLectarium
