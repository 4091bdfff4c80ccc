#include "tests/support/watched_pipe.h"

#include <QFile>

#include <chrono>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Watched_Pipe::Watched_Pipe(const QString& path) : path_(path) {
    const QByteArray name = QFile::encodeName(path);
    ok_ = ::mkfifo(name.constData(), 0600) == 0;
    if (!ok_)
        return;
    watcher_ = std::thread([this, name] {
        while (!stop_) {
            // Without a reader this fails (ENXIO); with one it succeeds and releases it.
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                ++readers_;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
}

Watched_Pipe::~Watched_Pipe() {
    stop_ = true;
    if (watcher_.joinable())
        watcher_.join();
    if (ok_)
        QFile::remove(path_);
}
