// Every writer of the program and of lectarium-db on a disk that is full for real: a
// file-size limit (writes fail with EFBIG) and, where the tests may mount one, a full
// tmpfs (ENOSPC). Each writer runs in a child process, so that neither the limit nor a
// failure reaches the test; the folder it writes to must be left exactly as it was.

#include "calendar/selected_day.h"
#include "documents/frm_text.h"
#include "documents/text_file.h"
#include "shell/settings.h"
#include "shell/text_source.h"
#include "tests/lectionary/fixture.h"
#include "tests/lectionary/jet_writer.h"
#include "tests/support/started_main_window.h"

#include <QAction>
#include <QDirIterator>
#include <QMap>
#include <QPlainTextEdit>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Lectarium;
using namespace MdlLectarium;

namespace {

// Well below every new file below, so that each write runs into it part way.
constexpr rlim_t Size_Limit = 256;

struct Outcome {
    int status = -1;
    QString output;
};

// Runs action in a child process with the file-size limit (or none); its exit status
// and what it wrote to stdout and stderr come back.
Outcome inChild(bool limited, const std::function<int()>& action) {
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        ::dup2(fds[1], 1);
        ::dup2(fds[1], 2);
        std::signal(SIGXFSZ, SIG_IGN);
        if (limited) {
            const rlimit limit{Size_Limit, Size_Limit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        const int status = action();
        std::fflush(stdout);
        std::fflush(stderr);
        ::_exit(status);
    }
    ::close(fds[1]);
    Outcome outcome;
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        bytes.append(buffer, n);
    }
    ::close(fds[0]);
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid)
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    outcome.output = QString::fromUtf8(bytes);
    return outcome;
}

int runTool(const QStringList& arguments) {
    QList<QByteArray> bytes{QByteArrayLiteral(LECTARIUM_DB)};
    for (const QString& argument : arguments)
        bytes << QFile::encodeName(argument);
    std::vector<char*> argv;
    for (QByteArray& argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    return 127;
}

int report(const QString& message, bool failed) {
    std::fputs(message.toUtf8().constData(), stderr);
    return failed ? 1 : 0;
}

// Every file under folder with its bytes, hidden ones included.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files.insert(QDir(folder).relativeFilePath(path),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
    }
    return files;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Fills the file system of path to the last byte.
void fillUp(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    const QByteArray block(4096, 'x');
    while (::write(fd, block.constData(), static_cast<size_t>(block.size())) > 0) {
    }
    while (::write(fd, "x", 1) > 0) {
    }
    ::close(fd);
}

const QByteArray Old_Bytes = QByteArrayLiteral("the old file, which must survive\r\n");

} // namespace

class Test_Full_Disk final : public QObject {
    Q_OBJECT

    Lectionary_Fixture fixture_;
    QTemporaryDir scratch_; // sources and, for the size limit, the targets
    QTemporaryDir mountPoint_;
    QString mountProblem_ = QStringLiteral("not tried");

private slots:
    void initTestCase() {
        QVERIFY2(fixture_.ok(), qPrintable(fixture_.error()));
        if (::geteuid() != 0)
            mountProblem_ = QStringLiteral("mounting a tmpfs needs root");
        else if (::mount("tmpfs", QFile::encodeName(mountPoint_.path()).constData(), "tmpfs", 0,
                         "size=256k") != 0)
            mountProblem_ =
                QStringLiteral("cannot mount a tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
        else
            mountProblem_.clear();
    }

    void cleanupTestCase() {
        if (mountProblem_.isEmpty())
            ::umount2(QFile::encodeName(mountPoint_.path()).constData(), MNT_DETACH);
    }

    void cleanup() {
        delete FrmText::Instance();
        Text_Changed = false;
        Text_Untitled = false;
        Active_Text_Source = No_Text_Source;
    }

    void writerOnAFullDisk_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<bool>("tmpfs");
        const QStringList writers{QStringLiteral("text save"),
                                  QStringLiteral("settings at exit"),
                                  QStringLiteral("settings at start-up, damaged file"),
                                  QStringLiteral("settings at start-up, no file"),
                                  QStringLiteral("dump"),
                                  QStringLiteral("import-bible"),
                                  QStringLiteral("build"),
                                  QStringLiteral("convert")};
        for (const bool tmpfs : {false, true})
            for (const QString& writer : writers)
                QTest::newRow(qPrintable(
                    writer + (tmpfs ? QStringLiteral(", full tmpfs") : QStringLiteral(", file-size limit"))))
                    << writer << tmpfs;
    }

    // The old file byte for byte, no temporary file, a failure status with the file's
    // name (and the system's reason where the writer has it), a document still unsaved.
    void writerOnAFullDisk() {
        QFETCH(QString, writer);
        QFETCH(bool, tmpfs);
        if (tmpfs && !mountProblem_.isEmpty())
            QSKIP(qPrintable(mountProblem_));
        const QString root = tmpfs ? mountPoint_.path() : scratch_.path();
        const QString folder = QDir(root).filePath(QStringLiteral("case"));
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder));
        const QString sources = QDir(scratch_.path()).filePath(QStringLiteral("sources"));
        QVERIFY(QDir().mkpath(sources));
        auto in = [&](const QString& name) { return QDir(folder).filePath(name); };

        std::function<int()> action;
        QString name;             // the file the message must name
        bool systemReason = true; // SQLite gives its own words for a full disk
        std::unique_ptr<Started_Main_Window> program;
        if (writer == QLatin1String("text save")) {
            name = QStringLiteral("doc.txt");
            writeFile(in(name), Old_Bytes);
            program = std::make_unique<Started_Main_Window>();
            program->dialogs.Answer_Open(in(name));
            program->window->Menu_Item(QStringLiteral("Open"))->trigger();
            FrmText* form = FrmText::Instance();
            QVERIFY(form);
            Take_Text_Source(form);
            form->Text1()->setPlainText(QString(600, QChar(0x0646))); // far over the limit
            QVERIFY(Text_Changed);
            program->dialogs.Answer_Message(Msg_Answer::Ok);
            const QString caption = form->windowTitle();
            action = [&program, form, caption] {
                const bool failed = Save_Text() == Save_Result::Failed;
                const bool unsaved = Text_Changed && form->windowTitle() == caption;
                const auto& messages = program->dialogs.Messages();
                return report((messages.isEmpty() ? QStringLiteral("no message") : messages.last().text) +
                                  (unsaved ? QString() : QStringLiteral("\nthe document was marked saved")),
                              failed && unsaved && !messages.isEmpty());
            };
        } else if (writer == QLatin1String("settings at exit")) {
            name = QStringLiteral("Lectarium.ini");
            writeFile(in(name), Old_Bytes);
            program = std::make_unique<Started_Main_Window>();
            program->dialogs.Answer_Message(Msg_Answer::Yes); // "Are you sure ?"
            program->dialogs.Answer_Message(Msg_Answer::Ok);
            action = [&program, folder] {
                Program_Folder = folder;
                program->window->Exit_Click();
                const auto& messages = program->dialogs.Messages();
                return report(messages.size() == 2 ? messages.last().text : QStringLiteral("no message"),
                              messages.size() == 2 && program->window->Exit_Code() == 1);
            };
        } else if (writer.startsWith(QLatin1String("settings at start-up"))) {
            name = QStringLiteral("Lectarium.ini");
            if (writer.endsWith(QLatin1String("damaged file")))
                writeFile(in(name), Old_Bytes);
            action = [folder] {
                Program_Folder = folder;
                QString error;
                const bool saved = Load_Settings(&error);
                return report(Settings_Path() + QLatin1Char('\n') + error, !saved);
            };
        } else if (writer == QLatin1String("dump")) {
            name = QStringLiteral("Bible.txt");
            for (const QString& table : {QStringLiteral("Bible.txt"), QStringLiteral("Tips.txt")})
                writeFile(in(QStringLiteral("out/") + table), Old_Bytes);
            const QStringList arguments{QStringLiteral("dump"), fixture_.path(), in(QStringLiteral("out"))};
            action = [arguments] { return runTool(arguments); };
        } else if (writer == QLatin1String("import-bible")) {
            name = QStringLiteral("Bible.txt");
            writeFile(in(QStringLiteral("src/Bible.txt")), Old_Bytes);
            QByteArray imp;
            for (int verse = 1; verse <= 20; ++verse)
                imp += "$$$Genesis 1:" + QByteArray::number(verse) + "\nIn the beginning God created.\n";
            const QString export_ = QDir(sources).filePath(QStringLiteral("bible.imp"));
            writeFile(export_, imp);
            const QStringList arguments{QStringLiteral("import-bible"), QStringLiteral("imp"), export_,
                                        in(QStringLiteral("src"))};
            action = [arguments] { return runTool(arguments); };
        } else if (writer == QLatin1String("build")) {
            name = QStringLiteral("Lectarium.mdb");
            systemReason = false;
            writeFile(in(name), Old_Bytes);
            const QStringList arguments{QStringLiteral("build"), Lectionary_Fixture::Source_Folder(),
                                        in(name)};
            action = [arguments] { return runTool(arguments); };
        } else {
            name = QStringLiteral("new.mdb");
            systemReason = false;
            writeFile(in(name), Old_Bytes);
            Jet_Writer::Table tips{QStringLiteral("Tips"), {{QStringLiteral("Tip"), Jet_Writer::Memo}}, {}};
            for (int row = 0; row < 50; ++row)
                tips.rows.push_back(
                    {QVariant(QStringLiteral("a tip long enough to fill a page %1").arg(row))});
            QString error;
            const QByteArray jet = Jet_Writer::Write({tips}, Jet_Writer::Options{}, &error);
            QVERIFY2(!jet.isEmpty(), qPrintable(error));
            const QString access = QDir(sources).filePath(QStringLiteral("old.mdb"));
            writeFile(access, jet);
            const QStringList arguments{QStringLiteral("convert"), access, in(name)};
            action = [arguments] { return runTool(arguments); };
        }
        if (QTest::currentTestFailed())
            return;

        const QString filler = QDir(root).filePath(QStringLiteral("filler"));
        if (tmpfs)
            fillUp(filler);
        const QMap<QString, QByteArray> before = snapshot(folder);
        const Outcome outcome = inChild(!tmpfs, action);
        QFile::remove(filler);

        QCOMPARE(snapshot(folder), before);
        QVERIFY2(outcome.status != 0, qPrintable(outcome.output));
        QVERIFY2(outcome.output.contains(name), qPrintable(outcome.output));
        if (systemReason) {
            const QString reason = QString::fromLocal8Bit(std::strerror(tmpfs ? ENOSPC : EFBIG));
            QVERIFY2(outcome.output.contains(reason), qPrintable(outcome.output));
        }
    }
};

QTEST_MAIN(Test_Full_Disk)
#include "test_full_disk.moc"
