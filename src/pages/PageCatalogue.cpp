#include "PageCatalogue.h"

#include "calc/TextFormat.h"

#include <algorithm>
#include <span>

namespace tarvik {

namespace {

// One line of a catalogue table: a page, or (count > 0) a numbered series of
// pages whose titles end in a blank and the number, written with titleDigits
// digits, and whose keys end in the plain number.
struct Line {
    std::string_view title;
    std::string_view key;
    int count = 0;
    int titleDigits = 1;
};

constexpr Line HoroscopeHead[] = {
    {"Basic Details", "Basic"},
    {"Nirayana Longitudes and Lagna/Rasi/Asc Tarvik, Moon/Chandra Tarvik, Navamsa Tarvik, Bhav Chalit",
     "Nirayana"},
    {"Sayana Longitudes, Aspects", "Sayana"},
    {"Bhav Positions, Chalit, Bhav Chalit", "Bhav"},
    {"Sudarshan Chakra", "Sudarshan"},
    {"Maitri", "Maitri"},
    {"KP - Page 1", "KP1"},
    {"KP - Page 2", "KP2"},
    {"Sade Sati - Page 1", "Sade1"},
    {"Sade Sati - Page 2", "Sade2"},
    {"Manglik Consideration", "Manglik"},
    {"Shodashvarga Page 1 : Rasi, Hora, Drekkana, Chaturthamsa", "Shodash1"},
    {"Shodashvarga Page 2 : Saptamsa, Navamsa, Dasamsa, Dwadasamsa", "Shodash2"},
    {"Shodashvarga Page 3 : Shodasamsa, Vishamsa, Chaturvisamsa, Saptavisamsa", "Shodash3"},
    {"Shodashvarga Page 4 : Trisamsa, Khavedamsa, Akshavedamsa, Shatyamsa", "Shodash4"},
    {"Shodashvarga Table", "Shodashvarga"},
    {"Ashtakvarga", "Ashtakvarga"},
    {"Vimsottari Mahadasa & Antar Dasa", "VimsAntar"},
    {"Vimsottari Pratyantar Dasa", "VimsPratya"},
    {"Vimsottari Pratyantar Dasa Page", "VimsPratya", 9},
    {"Yogini Mahadasa Page 1", "Yogini Maha 1"},
    {"Yogini Mahadasa Page 2", "Yogini Maha 2"},
    {"Yogini Pratyantar", "Yogini Antar"},
    {"Chara Dasa Cycle 1", "Chara"},
    {"Chara Dasa Cycle 2", "Chara 1"},
};

// The families that a preview lists page by page and a print run as one
// group row: the group row, then the series of its pages.
struct Group {
    Line row;
    Line pages;
};

constexpr Group Groups[] = {
    {{"General Predictions", "GenPage"}, {"General Predictions Part", "GenPage", 3}},
    {{"Planetary Position Predictions", "PP"}, {"Planetary Position Predictions Page", "PP", 3}},
    {{"Rashi Position Predictions", "RP"}, {"Rashi Position Predictions Page", "RashiP", 2}},
    {{"Interpretation of Aspects", "AspPage"}, {"Interpretation of Aspects : Page", "AspPage", 4}},
    {{"Varshphal", "VP"}, {"Varshphal : Page", "VP", 3}},
};

// The Vimshottari periods counted from the ascendant and from the Sun.
constexpr Line OtherDashas[] = {
    {"Other Dasha - SPS Lagnam Mahadasa & Antar Dasa", "SPSLMaha"},
    {"Other Dasha - SPS Lagnam Pratyantar Dasha Page", "SPSLPratya", 9, 2},
    {"Other Dasha - Aaditya Mahadasa & Antar Dasa", "AadityaMaha"},
    {"Other Dasha - Aaditya Pratyantar Dasha Page", "AadityaPratya", 9, 2},
};

constexpr Line MatchPages[] = {
    {"Basic Details", "Basic"},
    {"Nirayana Longitudes and Lagna Tarvik, Bhava Chalit", "Nirayana"},
    {"Chalit, Chandra Tarvik, Navamsa", "Navamsa"},
    {"Interpretation of Ashta Kootas", "Interpret"},
    {"Result", "Result"},
};

void add(std::vector<CatalogueRow>& rows, const Line& line)
{
    if (line.count == 0) {
        rows.push_back({std::string(line.title), std::string(line.key)});
        return;
    }
    for (int n = 1; n <= line.count; ++n)
        rows.push_back({std::string(line.title) + " " + ZeroPad(n, line.titleDigits),
                        std::string(line.key) + std::to_string(n)});
}

void add(std::vector<CatalogueRow>& rows, std::span<const Line> lines)
{
    for (const Line& line : lines)
        add(rows, line);
}

// A group's series of pages; the aspect pages as many as the chart needs.
Line pagesOf(const Group& group, int aspectPages)
{
    Line pages = group.pages;
    if (group.row.key == "AspPage")
        pages.count = std::clamp(aspectPages, AspectPagesAtLeast, MostAspectPages);
    return pages;
}

} // namespace

std::vector<CatalogueRow> PageCatalogue(bool matchMode, OutputKind kind, int aspectPages)
{
    std::vector<CatalogueRow> rows;
    if (matchMode) {
        add(rows, MatchPages);
        return rows;
    }
    add(rows, HoroscopeHead);
    for (const Group& group : Groups)
        add(rows, kind == OutputKind::Preview ? pagesOf(group, aspectPages) : group.row);
    add(rows, OtherDashas);
    return rows;
}

std::vector<std::string> PageGroupKeys()
{
    std::vector<std::string> keys;
    for (const Group& group : Groups)
        keys.emplace_back(group.row.key);
    return keys;
}

std::vector<std::string> GroupPages(std::string_view key, int aspectPages)
{
    const auto group = std::find_if(std::begin(Groups), std::end(Groups),
                                    [&](const Group& g) { return g.row.key == key; });
    if (group == std::end(Groups))
        return {std::string(key)};
    std::vector<CatalogueRow> rows;
    add(rows, pagesOf(*group, aspectPages));
    std::vector<std::string> keys;
    for (const CatalogueRow& row : rows)
        keys.push_back(row.key);
    return keys;
}

} // namespace tarvik
