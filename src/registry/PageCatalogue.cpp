#include "PageCatalogue.h"

#include "PageRegistry.h"

#include <algorithm>

namespace tarvik {

namespace {

PageMode modeOf(bool matchMode) { return matchMode ? PageMode::Match : PageMode::Horoscope; }

void add(std::vector<CatalogueRow>& rows, const PageRow& row)
{
    for (const PageRef& page : PagesOfRow(row))
        rows.push_back({page.title, page.key});
}

const PageRow* groupRow(std::string_view key)
{
    for (const PageRow& row : PageRegistry())
        if (row.mode == PageMode::Horoscope && row.IsGroup() && row.key == key)
            return &row;
    return nullptr;
}

} // namespace

std::vector<CatalogueRow> PageCatalogue(bool matchMode, OutputKind kind)
{
    std::vector<CatalogueRow> rows;
    for (const PageRow& row : PageRegistry()) {
        if (row.mode != modeOf(matchMode) || row.title.empty())
            continue;
        // A preview lists a group's pages, a print run its group row.
        if (kind == OutputKind::Preview ? row.IsGroup() : !row.group.empty())
            continue;
        add(rows, row);
    }
    return rows;
}

std::vector<std::string> PageGroupKeys()
{
    std::vector<std::string> keys;
    for (const PageRow& row : PageRegistry())
        if (row.mode == PageMode::Horoscope && row.IsGroup())
            keys.emplace_back(row.key);
    return keys;
}

std::vector<std::string> GroupPages(std::string_view key)
{
    if (!groupRow(key))
        return {std::string(key)};
    std::vector<std::string> keys;
    for (const PageRow& row : PageRegistry())
        if (row.mode == PageMode::Horoscope && row.group == key)
            for (const PageRef& page : PagesOfRow(row))
                keys.push_back(page.key);
    return keys;
}

} // namespace tarvik
