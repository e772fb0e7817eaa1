// The page catalogue: the rows of each mode and run, the group rows of a
// print run and the pages they stand for, and the dispatcher's knowledge of
// every key.

#include "registry/PageCatalogue.h"
#include "registry/PageDispatcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace tarvik;

namespace {

std::vector<std::string> KeysOf(const std::vector<CatalogueRow>& rows)
{
    std::vector<std::string> keys;
    for (const CatalogueRow& row : rows)
        keys.push_back(row.key);
    return keys;
}

TEST(PageCatalogueTest, RowsOfEachModeAndRun)
{
    const struct {
        const char* what;
        bool match;
        OutputKind kind;
        std::size_t count;
        // Rows by list index: title and key.
        std::vector<std::pair<std::size_t, CatalogueRow>> rows;
    } cases[] = {
        {"horoscope preview", false, OutputKind::Preview, 68,
         {{0, {"Basic Details", "Basic"}},
          {1, {"Nirayana Longitudes and Lagna/Rasi/Asc Kundali, Moon/Chandra Kundali, Navamsa Kundali, Bhav Chalit",
               "Nirayana"}},
          {16, {"Ashtakvarga", "Ashtakvarga"}},
          {17, {"Vimsottari Mahadasa & Antar Dasa", "VimsAntar"}},
          // The compact pratyantar page comes before the nine pages of periods.
          {18, {"Vimsottari Pratyantar Dasa", "VimsPratya"}},
          {19, {"Vimsottari Pratyantar Dasa Page 1", "VimsPratya1"}},
          {27, {"Vimsottari Pratyantar Dasa Page 9", "VimsPratya9"}},
          {28, {"Yogini Mahadasa Page 1", "Yogini Maha 1"}},
          {32, {"Chara Dasa Cycle 2", "Chara 1"}},
          {33, {"General Predictions Part 1", "GenPage1"}},
          {39, {"Rashi Position Predictions Page 1", "RashiP1"}},
          {44, {"Interpretation of Aspects : Page 4", "AspPage4"}},
          {47, {"Varshphal : Page 3", "VP3"}},
          {48, {"Other Dasha - SPS Lagnam Mahadasa & Antar Dasa", "SPSLMaha"}},
          // Other Dasha titles end in two digits, their keys in the plain number.
          {49, {"Other Dasha - SPS Lagnam Pratyantar Dasha Page 01", "SPSLPratya1"}},
          {58, {"Other Dasha - Aaditya Mahadasa & Antar Dasa", "AadityaMaha"}},
          {67, {"Other Dasha - Aaditya Pratyantar Dasha Page 09", "AadityaPratya9"}}}},
        {"horoscope print run", false, OutputKind::Print, 58,
         {{32, {"Chara Dasa Cycle 2", "Chara 1"}},
          {33, {"General Predictions", "GenPage"}},
          {34, {"Planetary Position Predictions", "PP"}},
          {35, {"Rashi Position Predictions", "RP"}},
          {36, {"Interpretation of Aspects", "AspPage"}},
          {37, {"Varshphal", "VP"}},
          {38, {"Other Dasha - SPS Lagnam Mahadasa & Antar Dasa", "SPSLMaha"}},
          {57, {"Other Dasha - Aaditya Pratyantar Dasha Page 09", "AadityaPratya9"}}}},
        {"match preview", true, OutputKind::Preview, 5,
         {{0, {"Basic Details", "Basic"}},
          {1, {"Nirayana Longitudes and Lagna Kundali, Bhava Chalit", "Nirayana"}},
          {2, {"Chalit, Chandra Kundali, Navamsa", "Navamsa"}},
          {3, {"Interpretation of Ashta Kootas", "Interpret"}},
          {4, {"Result", "Result"}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<CatalogueRow> rows = PageCatalogue(c.match, c.kind);
        ASSERT_EQ(rows.size(), c.count);
        for (const auto& [index, row] : c.rows)
            EXPECT_EQ(rows[index], row) << "index " << index;
        // A key names one entry of its list.
        const std::vector<std::string> keys = KeysOf(rows);
        EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size());
    }
    // A match offers the same pages whatever the run.
    EXPECT_EQ(PageCatalogue(true, OutputKind::Print), PageCatalogue(true, OutputKind::Preview));
}

TEST(PageCatalogueTest, APrintRunsGroupsStandForThePreviewsPages)
{
    EXPECT_EQ(PageGroupKeys(), (std::vector<std::string>{"GenPage", "PP", "RP", "AspPage", "VP"}));
    const struct {
        const char* key;
        std::vector<std::string> pages;
    } groups[] = {
        {"GenPage", {"GenPage1", "GenPage2", "GenPage3"}},
        {"PP", {"PP1", "PP2", "PP3"}},
        {"RP", {"RashiP1", "RashiP2"}},
        {"AspPage", {"AspPage1", "AspPage2", "AspPage3", "AspPage4"}},
        {"VP", {"VP1", "VP2", "VP3"}},
        {"Basic", {"Basic"}},
        {"VP1", {"VP1"}},
    };
    for (const auto& g : groups)
        EXPECT_EQ(GroupPages(g.key), g.pages) << g.key;

    // Expanding every print row gives the preview's list, page for page,
    // with as many aspect pages as the chart fills.
    for (int aspectPages : {0, 3, UsualAspectPages, 5, MostAspectPages}) {
        std::vector<std::string> expanded;
        for (const CatalogueRow& row : PageCatalogue(false, OutputKind::Print, aspectPages))
            for (const std::string& page : GroupPages(row.key, aspectPages))
                expanded.push_back(page);
        EXPECT_EQ(expanded, KeysOf(PageCatalogue(false, OutputKind::Preview, aspectPages))) << aspectPages;
    }
}

// The aspect pages are listed as many as the chart fills, titled as the
// others: fewer than four for a chart of few aspects, more for one of many;
// counts outside none to seven are brought into that range.
TEST(PageCatalogueTest, AspectPagesAsManyAsTheChartFills)
{
    const struct {
        int asked;
        int listed;
    } cases[] = {{5, 5}, {7, 7}, {4, 4}, {3, 3}, {1, 1}, {0, 0}, {-2, 0}, {9, 7}};
    for (const auto& c : cases) {
        std::vector<CatalogueRow> aspects;
        for (const CatalogueRow& row : PageCatalogue(false, OutputKind::Preview, c.asked))
            if (row.key.rfind("AspPage", 0) == 0)
                aspects.push_back(row);
        ASSERT_EQ(aspects.size(), static_cast<std::size_t>(c.listed)) << c.asked;
        EXPECT_EQ(GroupPages("AspPage", c.asked).size(), static_cast<std::size_t>(c.listed));
        if (c.listed == 0)
            continue;
        EXPECT_EQ(aspects.back().key, "AspPage" + std::to_string(c.listed));
        EXPECT_EQ(aspects.back().title, "Interpretation of Aspects : Page " + std::to_string(c.listed));
    }
    // The print list keeps its group row, whatever it expands to.
    const std::vector<std::string> groups = PageGroupKeys();
    EXPECT_NE(std::find(groups.begin(), groups.end(), "AspPage"), groups.end());
    EXPECT_EQ(PageCatalogue(true, OutputKind::Preview, 7), PageCatalogue(true, OutputKind::Preview));
}

TEST(PageCatalogueTest, TheDispatcherDrawsEveryListedPage)
{
    for (bool match : {false, true}) {
        SCOPED_TRACE(match ? "match" : "horoscope");
        const std::vector<std::string> known = match ? MatchPageKeys() : HoroscopePageKeys();
        for (const std::string& key : KeysOf(PageCatalogue(match, OutputKind::Preview, MostAspectPages)))
            EXPECT_NE(std::find(known.begin(), known.end(), key), known.end()) << key;
    }
}

} // namespace
