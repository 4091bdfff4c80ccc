#pragma once

// Holds the screen saver and power saving off while it lives, through the desktop's
// standard interface (org.freedesktop.ScreenSaver Inhibit / UnInhibit on the session
// bus). The calls do not wait: a window that shows text keeps painting meanwhile.

#include <QDBusConnection>
#include <QString>

#include <functional>
#include <memory>

namespace Lectarium {

class Screen_Saver_Hold final {
public:
    // Asks bus to hold the screen saver off for reason. unavailable hears, at most once
    // and while the hold lives, why it could not be held (no bus, no such service).
    Screen_Saver_Hold(const QDBusConnection& bus, const QString& reason,
                      std::function<void(const QString& why)> unavailable);
    // Releases the hold, also when the answer to the request comes only later.
    ~Screen_Saver_Hold();
    Screen_Saver_Hold(const Screen_Saver_Hold&) = delete;
    Screen_Saver_Hold& operator=(const Screen_Saver_Hold&) = delete;

    // Whether the desktop has answered with a hold.
    bool Held() const;

    struct State;

private:
    std::shared_ptr<State> state_;
};

} // namespace Lectarium
