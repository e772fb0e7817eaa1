#pragma once

// Every page the program draws, as one table: the title the page lists show,
// the key the dispatcher draws it by, the group row a print run lists it
// under, the run it belongs to (a horoscope or a match) and its builder.
// Adding a page is adding its row to the table in PageRegistry.cpp; the page
// lists (PageCatalogue.h) and the dispatcher (PageDispatcher.h) read only
// this table.
//
// A row with a count stands for a numbered series of pages 1..count: their
// keys end in the number (written with keyDigits digits, plain when 0), their
// titles in a blank and the number (titleDigits digits), and the builder is
// given the number. A row without a title is drawn by its key but listed
// nowhere. A group row (no builder) is the one line a print run lists for
// the pages whose group is its key; a preview lists those pages instead.

#include "pages/PageContext.h"
#include "pages/Surface.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

enum class PageMode { Horoscope, Match };

// Draws page n of its row (0 for a row without a count) from the page's
// context (PageContext.h): the run's choices and texts, the layout, the
// charts and records, the sheet it goes to.
using PageBuilder = void (*)(Surface& surface, const PageContext& page, int n);

struct PageRow {
    std::string_view title;
    std::string_view key;
    std::string_view group;   // the key of the group row listing it in a print run
    PageMode mode = PageMode::Horoscope;
    PageBuilder build = nullptr;   // null for a group row
    int count = 0;
    int titleDigits = 1;
    int keyDigits = 0;

    bool IsGroup() const { return build == nullptr; }
};

// The program's pages, in the order of the page lists.
std::span<const PageRow> PageRegistry();

// One page of a row: its number within the row's series (0 for a single
// page), its key and its title.
struct PageRef {
    const PageRow* row = nullptr;
    int n = 0;
    std::string key;
    std::string title;
};

// The pages of a row: the row itself, or each page of its series.
std::vector<PageRef> PagesOfRow(const PageRow& row);

// The page a key draws in a mode; a null row when there is none. Keys are
// compared exactly; group rows draw nothing.
PageRef FindPage(std::span<const PageRow> table, PageMode mode, std::string_view key);

} // namespace tarvik
