#pragma once

// Page sets ("*.THM" for a horoscope's print list, "*.TMM" for a match's):
// the print list's choices kept in a file, two lines per list entry in list
// order: the entry's page key, then " 1 " when it is chosen or " 0 " when
// not. Loading a set into a list sets each entry whose key the set names
// (the first entry of that key; a later record of one key wins) and leaves
// the others as they are, so a set of one mode applies to the keys the other
// mode's list shares with it.

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace tarvik {

struct PageSetRecord {
    std::string key;
    bool selected = false;

    bool operator==(const PageSetRecord&) const = default;
};

QStringList PageSetLines(const std::vector<PageSetRecord>& records);

// The records of a file's lines; nothing, with what is wrong in problem, when
// a key has no flag line or a flag is not a number.
std::optional<std::vector<PageSetRecord>> ReadPageSet(const QStringList& lines, std::string& problem);

// The choices of a list (entry k has the key keys[k]) after loading the records.
std::vector<bool> ApplyPageSet(const std::vector<std::string>& keys, std::vector<bool> selected,
                               const std::vector<PageSetRecord>& records);

// The file dialog's texts for a mode's page sets.
struct PageSetFileKind {
    const char* saveTitle;
    const char* openTitle;
    const char* filter;
    const char* suffix;
};
const PageSetFileKind& PageSetFileOf(bool matchMode);

} // namespace tarvik
