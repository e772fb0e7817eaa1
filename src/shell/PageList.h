#pragma once

// The page list of an output run: the preview's drop-down list or the
// page-selection dialog's list box. Entry k of the list draws the page whose
// key is PageKeys[k]; keys above the list's length are an earlier run's and
// are never reached.

#include "core/State.h"
#include "registry/PageCatalogue.h"

#include <QSignalBlocker>
#include <QString>

#include <vector>

namespace tarvik {

// Replaces the list's entries with the rows' titles, storing each row's key
// at its entry's index. List is a QComboBox or a QListWidget; it raises no
// selection events while it is filled.
template <class List>
void FillPageList(List& list, const std::vector<CatalogueRow>& rows)
{
    const QSignalBlocker quiet(&list);
    list.clear();
    std::vector<std::string>& keys = OutputRun().PageKeys;
    for (const CatalogueRow& row : rows) {
        if (static_cast<std::size_t>(list.count()) >= keys.size())
            break;
        list.addItem(QString::fromStdString(row.title));
        keys[static_cast<std::size_t>(list.count() - 1)] = row.key;
    }
}

// The key of list entry k, or nothing when k names no entry of the run.
inline const std::string* PageKeyAt(int k, int listCount)
{
    const std::vector<std::string>& keys = OutputRun().PageKeys;
    if (k < 0 || k >= listCount || static_cast<std::size_t>(k) >= keys.size())
        return nullptr;
    return &keys[static_cast<std::size_t>(k)];
}

} // namespace tarvik
