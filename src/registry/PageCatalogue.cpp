#include "PageCatalogue.h"

#include "PageRegistry.h"

#include <algorithm>

namespace tarvik {

namespace {

PageMode modeOf(bool matchMode) { return matchMode ? PageMode::Match : PageMode::Horoscope; }

// The pages of a row as a run lists them: the aspect pages as many as the
// chart needs, any other row all its pages.
std::vector<PageRef> listedPages(const PageRow& row, int aspectPages)
{
    std::vector<PageRef> pages = PagesOfRow(row);
    if (row.key == "AspPage" && !row.IsGroup())
        pages.resize(std::min(pages.size(), static_cast<std::size_t>(std::clamp(
                                                 aspectPages, 0, MostAspectPages))));
    return pages;
}

void add(std::vector<CatalogueRow>& rows, const PageRow& row, int aspectPages)
{
    for (const PageRef& page : listedPages(row, aspectPages))
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

std::vector<CatalogueRow> PageCatalogue(bool matchMode, OutputKind kind, int aspectPages)
{
    std::vector<CatalogueRow> rows;
    for (const PageRow& row : PageRegistry()) {
        if (row.mode != modeOf(matchMode) || row.title.empty())
            continue;
        // A preview lists a group's pages, a print run its group row.
        if (kind == OutputKind::Preview ? row.IsGroup() : !row.group.empty())
            continue;
        add(rows, row, aspectPages);
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

std::vector<std::string> GroupPages(std::string_view key, int aspectPages)
{
    if (!groupRow(key))
        return {std::string(key)};
    std::vector<std::string> keys;
    for (const PageRow& row : PageRegistry())
        if (row.mode == PageMode::Horoscope && row.group == key)
            for (const PageRef& page : listedPages(row, aspectPages))
                keys.push_back(page.key);
    return keys;
}

} // namespace tarvik
