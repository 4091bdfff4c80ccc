#include "readings/lectern_pages.h"

#include "base/text_direction.h"
#include "readings/whole_day.h"

#include <algorithm>

namespace MdlLectarium {

Lectern_Day Lectern_Day_Of(const Whole_Day_Document& document) {
    Lectern_Day day;
    day.title = document.occasion;
    day.dateLines = document.dateLines;
    for (const Whole_Day_Part& part : document.parts)
        for (const Whole_Day_Entry& entry : part.entries) {
            Lectern_Reading reading{part.caption, entry.caption, entry.reference, {}};
            for (const QString& line : entry.text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                if (!line.trimmed().isEmpty())
                    reading.rows.push_back({{{line, Paragraph_Direction(line)}}});
            day.readings.push_back(std::move(reading));
        }
    return day;
}

void Lectern_Add_Beside(Lectern_Day& day,
                        const std::function<QStringList(const QString& reference)>& verses) {
    if (day.columns != 1)
        return;
    day.columns = 2;
    for (Lectern_Reading& reading : day.readings) {
        const QStringList beside = reading.reference.isEmpty() ? QStringList() : verses(reading.reference);
        const auto count = std::max(reading.rows.size(), static_cast<size_t>(beside.size()));
        reading.rows.resize(count);
        for (size_t i = 0; i < count; ++i) {
            auto& cells = reading.rows[i].cells;
            cells.resize(1);
            const QString text =
                i < static_cast<size_t>(beside.size()) ? beside[static_cast<qsizetype>(i)] : QString();
            cells.push_back({text, Paragraph_Direction(text)});
        }
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
