#include "PageSet.h"

#include "TextFile.h"

#include <algorithm>

namespace tarvik {

QStringList PageSetLines(const std::vector<PageSetRecord>& records)
{
    QStringList lines;
    for (const PageSetRecord& r : records)
        lines << QString::fromStdString(r.key) << PrintedNumber(r.selected ? 1 : 0);
    return lines;
}

std::optional<std::vector<PageSetRecord>> ReadPageSet(const QStringList& lines, std::string& problem)
{
    std::vector<PageSetRecord> records;
    for (qsizetype k = 0; k < lines.size(); k += 2) {
        const std::string key = lines[k].trimmed().toStdString();
        if (k + 1 >= lines.size()) {
            problem = "the page \"" + key + "\" on the last line has no flag after it";
            return std::nullopt;
        }
        const std::optional<long long> flag = ReadPrintedInteger(lines[k + 1]);
        if (!flag) {
            problem = "line " + std::to_string(k + 2) + " should hold 1 or 0 for the page \"" + key + "\"";
            return std::nullopt;
        }
        records.push_back({key, *flag == 1});
    }
    return records;
}

std::vector<bool> ApplyPageSet(const std::vector<std::string>& keys, std::vector<bool> selected,
                               const std::vector<PageSetRecord>& records)
{
    selected.resize(keys.size());
    for (const PageSetRecord& r : records) {
        const auto entry = std::find(keys.begin(), keys.end(), r.key);
        if (entry != keys.end())
            selected[static_cast<std::size_t>(entry - keys.begin())] = r.selected;
    }
    return selected;
}

const PageSetFileKind& PageSetFileOf(bool matchMode)
{
    static const PageSetFileKind horoscope{"Save Horoscope Module", "Load Horoscope Module",
                                           "Tarvik Horoscope Module Files (*.THM)", "THM"};
    static const PageSetFileKind match{"Save Match-Making Module", "Load Match-Making Module",
                                       "Tarvik Match-Making Module Files (*.TMM)", "TMM"};
    return matchMode ? match : horoscope;
}

} // namespace tarvik
