// Every writer of the program and of lectarium-db, and what both tools print, on a disk
// that is full for real: a file-size limit (writes fail with EFBIG) and, where the tests
// may mount one, a full tmpfs (ENOSPC); the tools' output also to /dev/full. Each writer
// runs in a child process, so that neither the limit nor a failure reaches the test; the
// folder it writes to must be left exactly as it was. The same writers meet a link
// planted at their target's name and the temporaries a killed writer left.

#include "base/program_files.h"
#include "base/safe_file.h"
#include "base/settings.h"
#include "calendar/selected_day.h"
#include "documents/frm_text.h"
#include "documents/text_file.h"
#include "shell/text_source.h"
#include "tests/lectionary/fixture.h"
#include "tests/lectionary/jet_writer.h"
#include "tests/support/started_main_window.h"

#include <QAction>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QMap>
#include <QPlainTextEdit>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <functional>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
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
// (128 + the signal that ended it) and what it wrote to stdout and stderr come back.
// SIGXFSZ keeps its default there: the programs must ignore it themselves.
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
        std::signal(SIGXFSZ, SIG_DFL);
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

int runProgram(const char* program, const QStringList& arguments) {
    QList<QByteArray> bytes{QByteArray(program)};
    for (const QString& argument : arguments)
        bytes << QFile::encodeName(argument);
    std::vector<char*> argv;
    for (QByteArray& argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    return 127;
}

int runTool(const QStringList& arguments) {
    return runProgram(LECTARIUM_DB, arguments);
}

// 0 when the writer reports success, 1 when it reports a failure as it must (the
// message on stderr), 3 when what it reports does not fit what it did.
int report(const QString& message, int status) {
    std::fputs(message.toUtf8().constData(), stderr);
    return status;
}

// Every file and folder under folder with its bytes, hidden ones included.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files.insert(QDir(folder).relativeFilePath(path), it.fileInfo().isDir() ? QByteArray("<folder>")
                                                          : file.open(QIODevice::ReadOnly)
                                                              ? file.readAll()
                                                              : QByteArray("<unreadable>"));
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

// Sets the modification time of path (a link itself) days back.
bool age(const QString& path, int days) {
    const timespec then{std::time(nullptr) - days * 24 * 60 * 60, 0};
    const timespec times[2] = {then, then};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

bool isLink(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

const QByteArray Old_Bytes = QByteArrayLiteral("the old file, which must survive\r\n");

enum class Situation { Size_Limit, Full_Tmpfs, Link_At_Target, Stale_Temporaries };

// One writer, ready to run: action returns 0, 1 or 3 as report does.
struct Writer_Case {
    std::function<int()> action;
    QString target;           // the file it writes
    QString name;             // what its failure message must name
    bool systemReason = true; // SQLite gives its own words for a full disk
    std::unique_ptr<Started_Main_Window> program;
};

} // namespace

class Test_Full_Disk final : public QObject {
    Q_OBJECT

    Lectionary_Fixture fixture_;
    QTemporaryDir scratch_; // sources and, for the size limit, the targets
    QTemporaryDir mountPoint_;
    QString mountProblem_ = QStringLiteral("not tried");

    // The writer named, writing into folder; the old file at its target unless there
    // is none to keep.
    void prepare(const QString& writer, const QString& folder, bool expectFailure, Writer_Case& c) {
        const QString sources = QDir(scratch_.path()).filePath(QStringLiteral("sources"));
        QVERIFY(QDir().mkpath(sources));
        auto in = [&](const QString& name) { return QDir(folder).filePath(name); };
        if (writer == QLatin1String("text save")) {
            c.name = QStringLiteral("doc.txt");
            c.target = in(c.name);
            writeFile(c.target, Old_Bytes);
            c.program = std::make_unique<Started_Main_Window>();
            c.program->dialogs.Answer_Open(c.target);
            c.program->window->Menu_Item(QStringLiteral("Open"))->trigger();
            FrmText* form = FrmText::Instance();
            QVERIFY(form);
            Take_Text_Source(form);
            form->Text1()->setPlainText(QString(600, QChar(0x0646))); // far over the limit
            QVERIFY(Text_Changed);
            if (expectFailure)
                c.program->dialogs.Answer_Message(Msg_Answer::Ok);
            const QString caption = form->windowTitle();
            Started_Main_Window* program = c.program.get();
            c.action = [program, form, caption] {
                Ignore_File_Size_Signal(); // as the program's main does
                const Save_Result result = Save_Text();
                const bool unsaved = Text_Changed && form->windowTitle() == caption;
                const auto& messages = program->dialogs.Messages();
                const QString message =
                    messages.isEmpty() ? QStringLiteral("no message") : messages.last().text;
                if (result == Save_Result::Saved && !unsaved && messages.isEmpty())
                    return report(QStringLiteral("saved"), 0);
                if (result == Save_Result::Failed && unsaved && !messages.isEmpty())
                    return report(message, 1);
                return report(message + QStringLiteral("\nthe save and its report disagree"), 3);
            };
        } else if (writer == QLatin1String("settings at exit")) {
            c.name = QStringLiteral("Lectarium.ini");
            c.target = in(c.name);
            writeFile(c.target, Old_Bytes);
            c.program = std::make_unique<Started_Main_Window>();
            c.program->dialogs.Answer_Message(Msg_Answer::Yes); // "Are you sure ?"
            if (expectFailure)
                c.program->dialogs.Answer_Message(Msg_Answer::Ok);
            Started_Main_Window* program = c.program.get();
            c.action = [program, folder] {
                Ignore_File_Size_Signal();
                Program_Folder = folder;
                program->window->Exit_Click();
                const auto& messages = program->dialogs.Messages();
                const int code = program->window->Exit_Code();
                if (messages.size() == 1 && code == 0)
                    return report(QStringLiteral("saved"), 0);
                if (messages.size() == 2 && code == 1)
                    return report(messages.last().text, 1);
                return report(QStringLiteral("the exit and its report disagree"), 3);
            };
        } else if (writer.startsWith(QLatin1String("settings at start-up"))) {
            c.name = QStringLiteral("Lectarium.ini");
            c.target = in(c.name);
            if (writer.endsWith(QLatin1String("damaged file")))
                writeFile(c.target, Old_Bytes);
            c.action = [folder] {
                Ignore_File_Size_Signal();
                Program_Folder = folder;
                QString error;
                const bool saved = Load_Settings(&error);
                return report(Settings_Path() + QLatin1Char('\n') + error, saved ? 0 : 1);
            };
        } else if (writer == QLatin1String("dump")) {
            c.name = QStringLiteral("Bible.txt");
            c.target = in(QStringLiteral("out/Bible.txt"));
            for (const QString& table : {QStringLiteral("Bible.txt"), QStringLiteral("Tips.txt")})
                writeFile(in(QStringLiteral("out/") + table), Old_Bytes);
            const QStringList arguments{QStringLiteral("dump"), fixture_.path(), in(QStringLiteral("out"))};
            c.action = [arguments] { return runTool(arguments); };
        } else if (writer == QLatin1String("import-bible")) {
            c.name = QStringLiteral("Bible.txt");
            c.target = in(QStringLiteral("src/Bible.txt"));
            writeFile(c.target, Old_Bytes);
            QByteArray imp;
            for (int verse = 1; verse <= 20; ++verse)
                imp += "$$$Genesis 1:" + QByteArray::number(verse) + "\nIn the beginning God created.\n";
            const QString export_ = QDir(sources).filePath(QStringLiteral("bible.imp"));
            writeFile(export_, imp);
            const QStringList arguments{QStringLiteral("import-bible"), QStringLiteral("imp"), export_,
                                        in(QStringLiteral("src"))};
            c.action = [arguments] { return runTool(arguments); };
        } else if (writer == QLatin1String("build")) {
            c.name = QStringLiteral("Lectarium.mdb");
            c.target = in(c.name);
            c.systemReason = false;
            writeFile(c.target, Old_Bytes);
            const QStringList arguments{QStringLiteral("build"), Lectionary_Fixture::Source_Folder(),
                                        c.target};
            c.action = [arguments] { return runTool(arguments); };
        } else if (writer == QLatin1String("calendar pdf")) {
            c.name = QStringLiteral("2027.pdf");
            c.target = in(c.name);
            writeFile(c.target, Old_Bytes);
            const QStringList arguments{QStringLiteral("--calendar"), QStringLiteral("2027"),
                                        QStringLiteral("--pdf"), c.target};
            c.action = [arguments] { return runProgram(LECTARIUM_DAY_TOOL, arguments); };
        } else {
            c.name = QStringLiteral("new.mdb");
            c.target = in(c.name);
            c.systemReason = false;
            writeFile(c.target, Old_Bytes);
            Jet_Writer::Table tips{QStringLiteral("Tips"), {{QStringLiteral("Tip"), Jet_Writer::Memo}}, {}};
            for (int row = 0; row < 50; ++row)
                tips.rows.push_back(
                    {QVariant(QStringLiteral("a tip long enough to fill a page %1").arg(row))});
            QString error;
            const QByteArray jet = Jet_Writer::Write({tips}, Jet_Writer::Options{}, &error);
            QVERIFY2(!jet.isEmpty(), qPrintable(error));
            const QString access = QDir(sources).filePath(QStringLiteral("old.mdb"));
            writeFile(access, jet);
            const QStringList arguments{QStringLiteral("convert"), access, c.target};
            c.action = [arguments] { return runTool(arguments); };
        }
    }

    void writers_data(const QList<Situation>& situations) {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<int>("situation");
        const QStringList writers{QStringLiteral("text save"),
                                  QStringLiteral("settings at exit"),
                                  QStringLiteral("settings at start-up, damaged file"),
                                  QStringLiteral("settings at start-up, no file"),
                                  QStringLiteral("dump"),
                                  QStringLiteral("import-bible"),
                                  QStringLiteral("build"),
                                  QStringLiteral("convert"),
                                  QStringLiteral("calendar pdf")};
        const QMap<Situation, QString> names{
            {Situation::Size_Limit, QStringLiteral("file-size limit")},
            {Situation::Full_Tmpfs, QStringLiteral("full tmpfs")},
            {Situation::Link_At_Target, QStringLiteral("link at the target")},
            {Situation::Stale_Temporaries, QStringLiteral("left temporaries")}};
        for (const Situation situation : situations)
            for (const QString& writer : writers)
                QTest::newRow(qPrintable(writer + QStringLiteral(", ") + names[situation]))
                    << writer << static_cast<int>(situation);
    }

    // A fresh folder for one case, on the tmpfs or in the scratch folder.
    QString caseFolder(bool tmpfs) {
        const QString folder =
            QDir(tmpfs ? mountPoint_.path() : scratch_.path()).filePath(QStringLiteral("case"));
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        return folder;
    }

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

    void writerOnAFullDisk_data() { writers_data({Situation::Size_Limit, Situation::Full_Tmpfs}); }

    // The old file byte for byte, no temporary file, a failure status with the file's
    // name (and the system's reason where the writer has it), a document still unsaved;
    // never an end by the signal of the file-size limit.
    void writerOnAFullDisk() {
        QFETCH(QString, writer);
        QFETCH(int, situation);
        const bool tmpfs = static_cast<Situation>(situation) == Situation::Full_Tmpfs;
        if (tmpfs && !mountProblem_.isEmpty())
            QSKIP(qPrintable(mountProblem_));
        const QString root = tmpfs ? mountPoint_.path() : scratch_.path();
        const QString folder = caseFolder(tmpfs);
        Writer_Case c;
        prepare(writer, folder, true, c);
        if (QTest::currentTestFailed())
            return;

        const QString filler = QDir(root).filePath(QStringLiteral("filler"));
        if (tmpfs)
            fillUp(filler);
        const QMap<QString, QByteArray> before = snapshot(folder);
        const Outcome outcome = inChild(!tmpfs, c.action);
        QFile::remove(filler);

        QCOMPARE(snapshot(folder), before);
        QVERIFY2(outcome.status == 1 || outcome.status == 2,
                 qPrintable(QStringLiteral("status %1\n%2").arg(outcome.status).arg(outcome.output)));
        QVERIFY2(outcome.output.contains(c.name), qPrintable(outcome.output));
        if (c.systemReason) {
            const QString reason = QString::fromLocal8Bit(std::strerror(tmpfs ? ENOSPC : EFBIG));
            QVERIFY2(outcome.output.contains(reason), qPrintable(outcome.output));
        }
    }

    void writerBesideWhatIsLeft_data() {
        writers_data({Situation::Link_At_Target, Situation::Stale_Temporaries});
    }

    // A link at the target's name is replaced, never followed: the file it names stays
    // as it was. The temporaries a killed writer left beside the target go once they are
    // a day old; a younger one may be another writer's at work and stays.
    void writerBesideWhatIsLeft() {
        QFETCH(QString, writer);
        QFETCH(int, situation);
        const QString folder = caseFolder(false);
        Writer_Case c;
        prepare(writer, folder, false, c);
        if (QTest::currentTestFailed())
            return;
        const QString victim = QDir(scratch_.path()).filePath(QStringLiteral("victim"));
        const QString stale = c.target + QStringLiteral(".partial-Stale123");
        const QString young = c.target + QStringLiteral(".partial-Young123");
        if (static_cast<Situation>(situation) == Situation::Link_At_Target) {
            writeFile(victim, Old_Bytes);
            QFile::remove(c.target);
            QVERIFY(QFile::link(victim, c.target));
        } else {
            writeFile(stale, Old_Bytes);
            writeFile(young, Old_Bytes);
            QVERIFY(age(stale, 2));
        }

        const Outcome outcome = inChild(false, c.action);
        QVERIFY2(outcome.status == 0,
                 qPrintable(QStringLiteral("status %1\n%2").arg(outcome.status).arg(outcome.output)));
        QVERIFY(QFileInfo(c.target).isFile());
        QVERIFY(!isLink(c.target));
        if (static_cast<Situation>(situation) == Situation::Link_At_Target) {
            QFile file(victim);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), Old_Bytes);
        } else {
            QVERIFY(!QFileInfo::exists(stale));
            QVERIFY(QFileInfo::exists(young));
        }
        QFile::remove(victim);
    }

    // The programs themselves ignore the signal of the file-size limit: a write past it
    // fails and is reported instead of ending the program without a word.
    void programsOutliveTheFileSizeLimit_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("lectarium-day") << QStringLiteral("lectarium-day");
        QTest::newRow("lectarium, settings at start-up") << QStringLiteral("lectarium");
    }
    void programsOutliveTheFileSizeLimit() {
        QFETCH(QString, program);
        const QString folder = caseFolder(false);
        if (program == QLatin1String("lectarium-day")) {
            const QString out = QDir(folder).filePath(QStringLiteral("days.txt"));
            const Outcome outcome = inChild(true, [out] {
                const int fd = ::open(QFile::encodeName(out).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
                if (fd < 0 || ::dup2(fd, 1) != 1)
                    return 126;
                return runProgram(LECTARIUM_DAY_TOOL,
                                  {QStringLiteral("2000-01-01"), QStringLiteral("2001-12-31")});
            });
            QVERIFY2(outcome.status == 1,
                     qPrintable(QStringLiteral("status %1\n%2").arg(outcome.status).arg(outcome.output)));
            QVERIFY2(outcome.output.contains(QLatin1String("lectarium-day")), qPrintable(outcome.output));
            return;
        }
        // The program writes its settings file at start-up (there is none) and then
        // waits at a message box for a missing database; it is ended once it is seen
        // ignoring the signal, or found ended by it.
        const QByteArray where = QFile::encodeName(folder);
        const pid_t pid = ::fork();
        if (pid == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{Size_Limit, Size_Limit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            if (::chdir(where.constData()) != 0)
                ::_exit(126);
            const int devnull = ::open("/dev/null", O_WRONLY);
            ::dup2(devnull, 1);
            ::dup2(devnull, 2);
            ::_exit(runProgram(LECTARIUM_PROGRAM, {}));
        }
        QVERIFY(pid > 0);
        const QString statusFile = QStringLiteral("/proc/%1/status").arg(pid);
        const qulonglong bit = qulonglong(1) << (SIGXFSZ - 1);
        bool ignoring = false;
        int status = 0;
        pid_t ended = 0;
        QElapsedTimer timer;
        timer.start();
        while (!ignoring && ended == 0 && timer.elapsed() < 120000) {
            ended = ::waitpid(pid, &status, WNOHANG);
            QFile file(statusFile);
            if (ended == 0 && file.open(QIODevice::ReadOnly))
                for (const QByteArray& line : file.readAll().split('\n'))
                    if (line.startsWith("SigIgn:"))
                        ignoring = (line.mid(7).trimmed().toULongLong(nullptr, 16) & bit) != 0;
            if (!ignoring && ended == 0)
                QTest::qWait(20);
        }
        if (ended == 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
        }
        QVERIFY2(ended == 0,
                 qPrintable(WIFSIGNALED(status) ? QStringLiteral("ended by signal %1").arg(WTERMSIG(status))
                                                : QStringLiteral("exited with %1").arg(WEXITSTATUS(status))));
        QVERIFY2(ignoring, "the program did not ignore SIGXFSZ within two minutes");
    }

    // What the tools print: standard output that cannot take it all (/dev/full, a full
    // disk, the file-size limit) ends in a failure status and the system's reason, never
    // in success with the output cut short.
    void toolOutputOnAFullDisk_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");
        const QStringList commands{QStringLiteral("db --help"),      QStringLiteral("db search"),
                                   QStringLiteral("db passage"),     QStringLiteral("db check"),
                                   QStringLiteral("db where"),       QStringLiteral("db import-bible"),
                                   QStringLiteral("day --help"),     QStringLiteral("day range"),
                                   QStringLiteral("day --readings"), QStringLiteral("day --ics")};
        for (const char* target : {"/dev/full", "full tmpfs", "file-size limit"})
            for (const QString& command : commands)
                // The import's own table would meet the limit before its report.
                if (!(command == QLatin1String("db import-bible") &&
                      target == QLatin1String("file-size limit")))
                    QTest::newRow(qPrintable(command + QStringLiteral(", ") + QLatin1String(target)))
                        << command << QString::fromLatin1(target);
    }

    void toolOutputOnAFullDisk() {
        QFETCH(QString, command);
        QFETCH(QString, target);
        const bool tmpfs = target == QLatin1String("full tmpfs");
        const bool limited = target == QLatin1String("file-size limit");
        if (tmpfs && !mountProblem_.isEmpty())
            QSKIP(qPrintable(mountProblem_));
        const QString db = fixture_.path();
        QStringList arguments;
        if (command == QLatin1String("db import-bible")) {
            const QString imp = QDir(scratch_.path()).filePath(QStringLiteral("report.imp"));
            writeFile(imp, "$$$Genesis 1:1\nIn the beginning.\n$$$Genesis 1:2\nThe earth.\n");
            const QString source = QDir(scratch_.path()).filePath(QStringLiteral("report"));
            QVERIFY(QDir().mkpath(source));
            arguments = {QStringLiteral("import-bible"), QStringLiteral("imp"), imp, source};
        } else {
            const QMap<QString, QStringList> table{
                {QStringLiteral("db --help"), {QStringLiteral("--help")}},
                {QStringLiteral("db search"), {QStringLiteral("search"), db, QStringLiteral("John")}},
                {QStringLiteral("db passage"), {QStringLiteral("passage"), db, QStringLiteral("يو 1: 2-3")}},
                {QStringLiteral("db check"), {QStringLiteral("check"), db}},
                {QStringLiteral("db where"),
                 {QStringLiteral("where"), db, QStringLiteral("مت 5: 1"), "1999"}},
                {QStringLiteral("day --help"), {QStringLiteral("--help")}},
                {QStringLiteral("day range"), {QStringLiteral("1999-01-01"), QStringLiteral("2002-12-31")}},
                {QStringLiteral("day --readings"),
                 {QStringLiteral("--readings"), QStringLiteral("1999-03-03")}},
                {QStringLiteral("day --ics"), {QStringLiteral("--ics"), "1999-01-01", "1999-12-31"}}};
            arguments = table.value(command);
        }
        QString output = QStringLiteral("/dev/full");
        if (tmpfs)
            output = QDir(mountPoint_.path()).filePath(QStringLiteral("out"));
        if (limited) {
            // Already at the limit: the first byte written is one too many.
            output = QDir(scratch_.path()).filePath(QStringLiteral("out"));
            writeFile(output, QByteArray(Size_Limit, 'x'));
        }
        const QString filler = QDir(mountPoint_.path()).filePath(QStringLiteral("filler"));
        if (tmpfs)
            fillUp(filler);
        const QByteArray program = command.startsWith(QLatin1String("day")) ? QByteArray(LECTARIUM_DAY_TOOL)
                                                                            : QByteArray(LECTARIUM_DB);
        const QString folder = QFileInfo(db).absolutePath();
        const Outcome outcome = inChild(limited, [&] {
            const int fd = ::open(QFile::encodeName(output).constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            if (fd < 0 || ::dup2(fd, 1) < 0 || ::chdir(QFile::encodeName(folder).constData()) != 0)
                return 126;
            return runProgram(program.constData(), arguments);
        });
        QFile::remove(filler);
        if (output != QLatin1String("/dev/full"))
            QFile::remove(output);
        QVERIFY2(outcome.status != 0 && outcome.status < 126, qPrintable(outcome.output));
        const QString reason = QString::fromLocal8Bit(std::strerror(limited ? EFBIG : ENOSPC));
        QVERIFY2(outcome.output.contains(QStringLiteral(": could not write the output: ") + reason),
                 qPrintable(outcome.output));
    }
};

QTEST_MAIN(Test_Full_Disk)
#include "test_full_disk.moc"
