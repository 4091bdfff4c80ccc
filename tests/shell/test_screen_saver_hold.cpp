// The screen saver held off through org.freedesktop.ScreenSaver, against a small fake of
// the service on a private bus that the test starts, so the desktop is never touched.

#include "shell/screen_saver_hold.h"

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace Lectarium;

namespace {

// The desktop's side: hands out cookies and notes what it is asked.
class Fake_Screen_Saver final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QStringList held;  // "application|reason"
    QList<uint> given; // cookies handed out
    QList<uint> released;

public slots:
    uint Inhibit(const QString& application, const QString& reason) {
        held << application + QLatin1Char('|') + reason;
        given << 40u + static_cast<uint>(given.size());
        return given.last();
    }
    void UnInhibit(uint cookie) { released << cookie; }
};

} // namespace

class Test_Screen_Saver_Hold final : public QObject {
    Q_OBJECT

    QProcess daemon_;
    QString address_;

    QDBusConnection connect(const QString& name) { return QDBusConnection::connectToBus(address_, name); }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            QSKIP("dbus-daemon is not installed (Debian package dbus-daemon)");
        daemon_.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                      QStringLiteral("--print-address")});
        QVERIFY(daemon_.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(daemon_.canReadLine(), 10000);
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        QVERIFY(!address_.isEmpty());
    }
    void cleanupTestCase() {
        daemon_.terminate();
        daemon_.waitForFinished();
    }

    // Held while the hold lives, released with the cookie the desktop gave; no complaint.
    void holdAndRelease() {
        Fake_Screen_Saver fake;
        QDBusConnection desktop = connect(QStringLiteral("desktop"));
        QVERIFY(desktop.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
        QVERIFY(desktop.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &fake,
                                       QDBusConnection::ExportAllSlots));
        QStringList complaints;
        {
            Screen_Saver_Hold hold(connect(QStringLiteral("reader")), QStringLiteral("shown"),
                                   [&](const QString& why) { complaints << why; });
            QTRY_VERIFY(hold.Held());
            QCOMPARE(fake.held, QStringList{QStringLiteral("Lectarium|shown")});
            QVERIFY(fake.released.isEmpty());
        }
        QTRY_COMPARE(fake.released, QList<uint>{40});

        // Ended before the desktop answered: the hold it gets later is given back.
        { Screen_Saver_Hold hold(connect(QStringLiteral("reader")), QStringLiteral("shown"), {}); }
        QTRY_COMPARE(fake.released, (QList<uint>{40, 41}));
        QCOMPARE(complaints, QStringList());
        desktop.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
        QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
    }

    // No such service on the bus, or no bus at all: said once, and nothing is held.
    void unavailable_data() {
        QTest::addColumn<bool>("bus");
        QTest::newRow("no service") << true;
        QTest::newRow("no bus") << false;
    }
    void unavailable() {
        QFETCH(bool, bus);
        QStringList complaints;
        Screen_Saver_Hold hold(bus ? connect(QStringLiteral("reader"))
                                   : QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent"),
                                                                   QStringLiteral("none")),
                               QStringLiteral("shown"), [&](const QString& why) { complaints << why; });
        QTRY_COMPARE(complaints.size(), 1);
        QVERIFY(!complaints.first().isEmpty());
        QTest::qWait(50);
        QCOMPARE(complaints.size(), 1);
        QVERIFY(!hold.Held());
    }
};

QTEST_GUILESS_MAIN(Test_Screen_Saver_Hold)
#include "test_screen_saver_hold.moc"
