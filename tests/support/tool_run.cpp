#include "tests/support/tool_run.h"

#include <QProcess>

Tool_Run Run_Tool(const QString& program, const QStringList& arguments, const QString& folder, int timeoutMs,
                  rlim_t fileSizeLimit) {
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    if (fileSizeLimit != RLIM_INFINITY)
        process.setChildProcessModifier([fileSizeLimit] {
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    process.start(program, arguments);
    Tool_Run run;
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}
