#include "shell/screen_saver_hold.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace Lectarium {

namespace {

const QString service = QStringLiteral("org.freedesktop.ScreenSaver");
const QString path = QStringLiteral("/org/freedesktop/ScreenSaver");

QDBusMessage call(const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, service, method);
    message.setArguments(arguments);
    return message;
}

} // namespace

// Shared with the watcher of the request, which may answer after the hold has ended.
struct Screen_Saver_Hold::State {
    QDBusConnection bus;
    std::function<void(const QString&)> unavailable;
    bool ended = false;
    bool held = false;
    uint cookie = 0;
};

Screen_Saver_Hold::Screen_Saver_Hold(const QDBusConnection& bus, const QString& reason,
                                     std::function<void(const QString& why)> unavailable)
    : state_(std::make_shared<State>(State{bus, std::move(unavailable)})) {
    if (!bus.isConnected()) {
        if (state_->unavailable)
            state_->unavailable(QStringLiteral("no session bus: ") + bus.lastError().message());
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(
        state_->bus.asyncCall(call(QStringLiteral("Inhibit"), {QStringLiteral("Lectarium"), reason})));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [state = state_](QDBusPendingCallWatcher* finished) {
                         const QDBusPendingReply<uint> reply = *finished;
                         finished->deleteLater();
                         if (reply.isError()) {
                             if (!state->ended && state->unavailable)
                                 state->unavailable(reply.error().message());
                             return;
                         }
                         if (state->ended) {
                             // The window closed before the desktop answered.
                             state->bus.asyncCall(call(QStringLiteral("UnInhibit"), {reply.value()}));
                             return;
                         }
                         state->held = true;
                         state->cookie = reply.value();
                     });
}

Screen_Saver_Hold::~Screen_Saver_Hold() {
    state_->ended = true;
    if (state_->held)
        state_->bus.asyncCall(call(QStringLiteral("UnInhibit"), {state_->cookie}));
}

bool Screen_Saver_Hold::Held() const {
    return state_->held;
}

} // namespace Lectarium
