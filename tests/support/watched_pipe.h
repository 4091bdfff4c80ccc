#pragma once

#include <QString>

#include <atomic>
#include <thread>

// A named pipe whose readers are watched. A reader that opens it would wait for a
// writer for ever; the watcher opens it for writing at once and closes it again, so
// that such a reader gets an end of file instead of hanging the test, and counts it.
class Watched_Pipe final {
public:
    explicit Watched_Pipe(const QString& path);
    ~Watched_Pipe();
    Watched_Pipe(const Watched_Pipe&) = delete;
    Watched_Pipe& operator=(const Watched_Pipe&) = delete;

    bool ok() const { return ok_; }
    // How many times a reader opened the pipe so far.
    int Readers() const { return readers_; }

private:
    QString path_;
    bool ok_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<int> readers_{0};
    std::thread watcher_;
};
