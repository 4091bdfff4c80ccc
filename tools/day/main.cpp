// lectarium-day FROM [TO]: the classification of each day from FROM to TO, one
// tab-separated line per day, as the day chooser computes it on Show.

#include "calendar/day_report.h"
#include "calendar/selected_day.h"

#include <QByteArray>
#include <QDate>
#include <QRegularExpression>
#include <QString>

#include <cstdio>
#include <cstring>

namespace {

constexpr int exitUsage = 2;

const char usage[] = "usage: lectarium-day FROM [TO]   (dates as YYYY-MM-DD in the years 500 to 5000; --help "
                     "explains the columns)";

int fail(const QByteArray& message) {
    std::fprintf(stderr, "lectarium-day: %s\n", message.constData());
    return exitUsage;
}

// The years the day chooser keeps to.
constexpr int firstYear = 500;
constexpr int lastYear = 5000;

// A date written YYYY-MM-DD that exists.
QDate parseDate(const char* text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(QString::fromLocal8Bit(text));
    if (!match.hasMatch())
        return QDate();
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

bool writeAll(const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout) ==
           static_cast<size_t>(bytes.size());
}

} // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            const QByteArray help = QByteArray(usage) + "\n\n" + MdlLectarium::Day_Report_Columns();
            return writeAll(help) && std::fflush(stdout) == 0 ? 0 : 1;
        }
    }
    if (argc < 2 || argc > 3)
        return fail(usage);

    QDate dates[2];
    for (int i = 1; i < argc; ++i) {
        dates[i - 1] = parseDate(argv[i]);
        if (!dates[i - 1].isValid())
            return fail(QByteArray("not a date (expected YYYY-MM-DD): ") + argv[i]);
        if (dates[i - 1].year() < firstYear || dates[i - 1].year() > lastYear)
            return fail(QByteArray("date outside the years 500 to 5000: ") + argv[i]);
    }
    const QDate from = dates[0];
    const QDate to = argc == 3 ? dates[1] : from;
    if (to < from)
        return fail(QByteArray("TO (") + argv[2] + ") is before FROM (" + argv[1] + ")");

    // The name tables only: the settings file is not read.
    MdlLectarium::Fill_Name_Tables();
    MdlLectarium::Reset_Day_State();

    QByteArray out;
    out.reserve(1 << 16);
    for (QDate date = from; date <= to; date = date.addDays(1)) {
        out += MdlLectarium::Day_Report_Line(date);
        if (out.size() >= (1 << 16) - 512) {
            if (!writeAll(out))
                return 1;
            out.clear();
        }
    }
    if (!writeAll(out) || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "lectarium-day: could not write the output\n");
        return 1;
    }
    return 0;
}
