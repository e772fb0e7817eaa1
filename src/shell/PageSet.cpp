#include "PageSet.h"

#include "TextFile.h"

#include <algorithm>
#include <optional>

namespace tarvik {

QStringList PageSetLines(const std::vector<PageSetRecord>& records)
{
    QStringList lines;
    for (const PageSetRecord& r : records)
        lines << QString::fromStdString(r.key) << PrintedNumber(r.selected ? 1 : 0);
    return lines;
}

namespace {

// A damaged set is told by its lines: a key is quoted only when it reads as
// a page key could (a short line of plain letters, digits and marks), never
// when it is the bytes of some other file.
std::optional<std::string> QuotedKey(const QString& key)
{
    constexpr qsizetype LongestQuoted = 40;
    if (key.size() > LongestQuoted ||
        !std::all_of(key.begin(), key.end(), [](QChar c) { return c >= u' ' && c <= u'~'; }))
        return std::nullopt;
    return "\"" + key.toStdString() + "\"";
}

} // namespace

std::optional<std::vector<PageSetRecord>> ReadPageSet(const QStringList& lines, std::string& problem)
{
    std::vector<PageSetRecord> records;
    for (qsizetype k = 0; k < lines.size(); k += 2) {
        const QString key = lines[k].trimmed();
        const std::optional<std::string> quoted = QuotedKey(key);
        if (k + 1 >= lines.size()) {
            problem = "the page " + (quoted ? *quoted + " " : std::string()) + "on the last line has no flag after it";
            return std::nullopt;
        }
        const std::optional<long long> flag = ReadPrintedInteger(lines[k + 1]);
        if (!flag) {
            problem = "line " + std::to_string(k + 2) + " should hold 1 or 0 for the page " +
                      (quoted ? *quoted : "on line " + std::to_string(k + 1));
            return std::nullopt;
        }
        records.push_back({key.toStdString(), *flag == 1});
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
