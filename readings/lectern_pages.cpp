#include "readings/lectern_pages.h"

#include "base/text_direction.h"
#include "lectionary/passage.h"
#include "readings/whole_day.h"

#include <algorithm>
#include <climits>
#include <map>

namespace MdlLectarium {

Lectern_Day Lectern_Day_Of(const Whole_Day_Document& document) {
    Lectern_Day day;
    day.title = document.occasion;
    day.dateLines = document.dateLines;
    day.direction = document.language == Interface_Language::English ? Qt::LeftToRight : Qt::RightToLeft;
    for (const Whole_Day_Part& part : document.parts)
        for (const Whole_Day_Entry& entry : part.entries) {
            Lectern_Reading reading{part.caption,
                                    entry.caption,
                                    Reference_In(entry.reference, document.language),
                                    entry.reference,
                                    {}};
            for (const QString& line : entry.text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                if (!line.trimmed().isEmpty())
                    reading.rows.push_back({{{line, Paragraph_Direction(line)}}});
            day.readings.push_back(std::move(reading));
        }
    return day;
}

namespace {

// The verse number a line starts with; 0 for a heading such as a chapter's title.
int verseNumber(const QString& line) {
    const QString text = line.trimmed();
    qsizetype digits = 0;
    while (digits < text.size() && text[digits].isDigit())
        ++digits;
    return digits == 0 ? 0 : text.left(digits).toInt();
}

Lectern_Cell besideCell(const QString& text) {
    return {text, Paragraph_Direction(text)};
}

} // namespace

void Lectern_Add_Beside(Lectern_Day& day,
                        const std::function<QStringList(const QString& reference)>& verses) {
    if (day.columns != 1)
        return;
    day.columns = 2;
    for (Lectern_Reading& reading : day.readings) {
        const QString& reference = reading.lookup.isEmpty() ? reading.reference : reading.lookup;
        const QStringList beside = reference.isEmpty() ? QStringList() : verses(reference);
        // Verses pair by number within each chapter, never by position: the day's text
        // holds headings and either text may lack a verse, so position alone would set
        // verse n beside verse n+1. A chapter's run ends where the numbers stop rising.
        std::vector<std::map<int, QString>> runs;
        int last = 0;
        for (const QString& verse : beside) {
            const int n = verseNumber(verse);
            if (n <= 0)
                continue;
            if (runs.empty() || n <= last)
                runs.emplace_back();
            runs.back()[n] = verse;
            last = n;
        }
        std::vector<Lectern_Row> rows;
        const auto restOf = [&rows, &runs](size_t run, int below) { // the translation's own verses
            if (run >= runs.size())
                return;
            auto& left = runs[run];
            for (auto it = left.begin(); it != left.end() && it->first < below; it = left.erase(it))
                rows.push_back({{{QString(), Qt::RightToLeft}, besideCell(it->second)}});
        };
        size_t run = 0;
        bool started = false;
        last = 0;
        for (Lectern_Row& row : reading.rows) {
            row.cells.resize(1);
            const int n = verseNumber(row.cells.front().text);
            QString text;
            if (n > 0) {
                if (started && n <= last) {
                    restOf(run, INT_MAX);
                    ++run;
                }
                started = true;
                last = n;
                restOf(run, n);
                if (run < runs.size())
                    if (const auto found = runs[run].find(n); found != runs[run].end()) {
                        text = found->second;
                        runs[run].erase(found);
                    }
            }
            row.cells.push_back(besideCell(text));
            rows.push_back(std::move(row));
        }
        for (size_t r = started ? run : 0; r < runs.size(); ++r)
            restOf(r, INT_MAX);
        reading.rows = std::move(rows);
    }
}

QString Lectern_Heading(const Lectern_Reading& reading) {
    QStringList parts;
    for (const QString& part : {reading.office, reading.caption, reading.reference})
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    return parts.join(QStringLiteral(" — "));
}

std::vector<Lectern_Page> Lectern_Paginate(const std::vector<Lectern_Heights>& readings, double pageHeight) {
    std::vector<Lectern_Page> pages{{-1, 0, 0}};
    for (size_t r = 0; r < readings.size(); ++r) {
        const Lectern_Heights& reading = readings[r];
        const int reading_ = static_cast<int>(r);
        if (reading.heading > pageHeight)
            return {};
        if (reading.rows.empty()) {
            pages.push_back({reading_, 0, 0}); // a reading whose text did not resolve: its heading
            continue;
        }
        Lectern_Page page{reading_, 0, 0};
        double used = reading.heading;
        for (size_t i = 0; i < reading.rows.size(); ++i) {
            const double row = reading.rows[i];
            if (reading.heading + row > pageHeight)
                return {}; // a verse is never cut: the type must shrink
            if (page.rowCount > 0 && used + row > pageHeight) {
                pages.push_back(page);
                page = {reading_, static_cast<int>(i), 0};
                used = reading.heading;
            }
            used += row;
            ++page.rowCount;
        }
        pages.push_back(page);
    }
    return pages;
}

Lectern_Fit Lectern_Fit_Size(int largest, int smallest, double pageHeight,
                             const std::function<std::vector<Lectern_Heights>(int size)>& measure) {
    for (int size = largest; size > smallest; size = std::max(smallest, size * 9 / 10)) {
        std::vector<Lectern_Page> pages = Lectern_Paginate(measure(size), pageHeight);
        if (!pages.empty())
            return {size, std::move(pages)};
    }
    // The smallest type still leaves a verse taller than a page (a page the size of a
    // stamp): that verse gets a page of its own and runs over its foot.
    std::vector<Lectern_Heights> heights = measure(smallest);
    std::vector<Lectern_Page> pages = Lectern_Paginate(heights, pageHeight);
    if (pages.empty()) {
        for (Lectern_Heights& reading : heights) {
            reading.heading = std::min(reading.heading, pageHeight);
            for (double& row : reading.rows)
                row = std::min(row, pageHeight - reading.heading);
        }
        pages = Lectern_Paginate(heights, pageHeight);
    }
    return {smallest, std::move(pages)};
}

int Lectern_First_Page(const std::vector<Lectern_Page>& pages, int reading) {
    for (size_t i = 0; i < pages.size(); ++i)
        if (pages[i].reading == reading)
            return static_cast<int>(i);
    return -1;
}

} // namespace MdlLectarium
