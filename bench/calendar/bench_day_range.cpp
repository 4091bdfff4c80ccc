// How long the classification of every day of 1901-2099 takes: once in process
// (Day_Report_Line over the range) and once through the command-line companion
// (lectarium-day 1901-01-01 2099-12-31, output read and discarded); then the whole
// range of the day chooser, lectarium-day 0500-01-01 5000-12-31.

#include "calendar/day_report.h"
#include "calendar/selected_day.h"

#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const QDate first(1901, 1, 1);
const QDate last(2099, 12, 31);

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* what, const std::vector<double>& ms) {
    std::printf("%-34s best %8.1f ms   median %8.1f ms   (%zu runs)\n", what,
                *std::min_element(ms.begin(), ms.end()), median(ms), ms.size());
}

// Runs lectarium-day FROM TO, reads and discards its output; the wall time in ms, and
// in read the bytes read (-1 when the tool failed).
double runTool(const QDate& from, const QDate& to, qint64& read) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(LECTARIUM_DAY_TOOL), {from.toString(Qt::ISODate), to.toString(Qt::ISODate)});
    read = 0;
    while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
        process.waitForReadyRead(1000);
        read += process.readAllStandardOutput().size();
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        read = -1;
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    MdlLectarium::Fill_Name_Tables();
    const qint64 days = first.daysTo(last) + 1;

    std::vector<double> inProcess;
    qint64 bytes = 0;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        MdlLectarium::Reset_Day_State();
        bytes = 0;
        for (QDate date = first; date <= last; date = date.addDays(1))
            bytes += MdlLectarium::Day_Report_Line(date).size();
        inProcess.push_back(timer.nsecsElapsed() / 1e6);
    }

    std::vector<double> tool;
    std::vector<double> wholeRange;
    for (int i = 0; i < repeats; ++i) {
        qint64 read = 0;
        tool.push_back(runTool(first, last, read));
        if (read != bytes) {
            std::fprintf(stderr, "lectarium-day failed or wrote %lld bytes instead of %lld\n",
                         static_cast<long long>(read), static_cast<long long>(bytes));
            return 1;
        }
        wholeRange.push_back(runTool(QDate(500, 1, 1), QDate(5000, 12, 31), read));
        if (read <= 0) {
            std::fprintf(stderr, "lectarium-day 0500-01-01 5000-12-31 failed\n");
            return 1;
        }
    }

    std::printf("%lld days, %lld bytes of output\n", static_cast<long long>(days),
                static_cast<long long>(bytes));
    report("in process (Day_Report_Line)", inProcess);
    report("lectarium-day 1901-01-01 2099-12-31", tool);
    report("lectarium-day 0500-01-01 5000-12-31", wholeRange);
    return 0;
}
