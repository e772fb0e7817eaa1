// The chakras at the foot of the Basic page: the avakahada chakra of the
// Moon's sign and nakshatra (the qualities a match compares and the name
// syllable), and the ghat chakra, the seventeen moments unfavourable to a
// person of that Moon sign, from the reference database.

#include "BasicPage.h"

#include "ChartPages.h"
#include "Frame.h"
#include "TextFit.h"
#include "calc/NameTables.h"
#include "calc/TextFormat.h"
#include "panchang/Elements.h"
#include "refdata/Databases.h"

#include <algorithm>
#include <cmath>

namespace tarvik::basic {

namespace {

constexpr int GhatItems = 17;
// The least room between the texts of two columns, twips at scale 1.
constexpr int ColumnGap = 120;

// The avakahada values of one person.
std::vector<std::string> avakahada(const PersonChart& p, const std::string& paya,
                                   const PageContext& page)
{
    const std::string& dash = page.choices.dash;
    const int m = SignOf(p.Moon());
    const int n = p.Nakshatra();
    const int pada = p.Pada();
    const int t = TropicalSunSign(p);
    return {
        SignAndLordText(m, page),
        page.Dict(NakshatraKeys(n)) + dash + std::to_string(pada),
        page.Dict(NakshatraLordKey(n)),
        CalcYogaText(p.Moon(), p.Sun(), page.texts),
        CalcKaranaText(p.Moon(), p.Sun(), page.texts),
        page.Dict(GanaKeys(n)),
        page.Dict(YoniKeys(n)),
        page.Dict(NadiKeys(n)),
        page.Dict(SignVarnaTable(m, 1)),
        page.Dict(SignVarnaTable(m, 3)),
        page.Dict(NameVargaKeys(n, pada)),
        page.Dict(YunjaKeys(n)),
        page.Dict(SignVarnaTable(m, 2)),
        page.Dict("RL" + std::to_string(n) + std::to_string(pada)),
        paya,
        page.Dict(AyanKeys(t)),
        page.Dict(GolKeys(t)),
        page.Dict(RituKeys(t)),
    };
}

std::vector<std::string> avakahadaCaptions(const PageContext& page)
{
    const std::string& dash = page.choices.dash;
    return {
        page.Dict("RASHI") + dash + page.Dict("_RL"),
        page.Dict("_NAKSHATRA") + dash + page.Dict("_CHARAN"),
        page.Dict("_NL"),
        page.Dict("yog"),
        page.Dict("karan"),
        page.Dict("_GANA"),
        page.Dict("_YONI"),
        page.Dict("_NADI"),
        page.Dict(VarnaColumnKeys[1]),
        page.Dict(VarnaColumnKeys[3]),
        page.Dict("_VARG"),
        page.Dict("_YUNJA"),
        page.Dict(VarnaColumnKeys[2]),
        page.Dict("_AKSHAR"),
        page.Dict("av15"),
        page.Dict("_AAYAN"),
        page.Dict("_GOOL"),
        page.Dict("_RITU"),
    };
}

// The ghat chakra of a Moon sign in the page's language: the Hindi table as
// it stands, the English one in proper case. A sign without a row gives
// empty items.
std::vector<std::string> ghatItems(int moonSign, const PageContext& page)
{
    const bool hindi = page.choices.languageHindi;
    std::vector<std::string> items(GhatItems);
    const char* table = hindi ? "ghat" : "ghateng";
    Database& reference = DataConnection();
    const auto damaged = [&](const std::string& what) {
        return DbError(reference.Path(), "The ghat chakra table " + std::string(table) + " of \"" + reference.Path() +
                                             "\" " + what + ".");
    };
    Recordset row(reference, std::string("select * from ") + table + " where id = ?", {moonSign});
    if (row.Eof()) {
        // A sign without a row leaves the cells empty; a table without any is damaged.
        if (Recordset(reference, std::string("select count(*) from ") + table).Field(0).Int() == 0)
            throw damaged("is empty");
        return items;
    }
    if (row.FieldCount() < GhatItems + 1)
        throw damaged("has too few columns");
    for (int i = 1; i <= GhatItems; ++i) {
        if (row.Field(i).IsNull())
            throw damaged("has no text in column " + std::to_string(i) + " for sign " + std::to_string(moonSign));
        const std::string text = row.Field(i).Text();
        items[i - 1] = hindi ? text : ProperCase(text);
    }
    return items;
}

// The widest of a column's texts in the surface's font.
double widthOf(Surface& surface, const std::vector<std::string>& texts)
{
    double widest = 0;
    for (const std::string& text : texts)
        widest = std::max(widest, surface.TextWidth(text));
    return widest;
}

// Where each column starts: at its own x or, where the texts of the column
// before would reach that, a small gap after them. The last entry is where
// the texts of the last column end.
std::vector<int> columnStarts(Surface& surface, const std::vector<int>& xs,
                              const std::vector<std::vector<std::string>>& columns, const PageLayout& layout)
{
    std::vector<int> starts;
    int end = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int x = c == 0 ? xs[c] : std::max(xs[c], end + scaled(ColumnGap, layout));
        starts.push_back(x);
        end = x + static_cast<int>(std::ceil(widthOf(surface, columns[c])));
    }
    starts.push_back(end);
    return starts;
}

// Returns the y below the longest column.
double printColumns(Surface& surface, int top, const std::vector<int>& starts,
                    const std::vector<std::vector<std::string>>& columns, double rowStep)
{
    double bottom = top;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        double y = top;
        for (const std::string& text : columns[c]) {
            PrintAt(surface, starts[c], static_cast<int>(std::lround(y)), text);
            y += rowStep;
        }
        bottom = std::max(bottom, y);
    }
    return bottom;
}

} // namespace

Chakras MakeChakras(const PersonChart& first, const PersonChart* second, const BirthRows& rows,
                    const PageContext& page)
{
    Chakras chakras;
    chakras.match = second != nullptr;
    chakras.avakahada = {avakahadaCaptions(page), avakahada(first, rows.paya.values[0], page)};
    std::vector<std::string> ghatCaptions;
    for (int i = 1; i <= GhatItems; ++i)
        ghatCaptions.push_back(page.Dict("gh" + std::to_string(i)));
    chakras.ghat = {ghatCaptions, ghatItems(SignOf(first.payaMoon), page)};
    if (second) {
        chakras.avakahada.push_back(avakahada(*second, rows.paya.values[1], page));
        chakras.ghat.push_back(ghatItems(SignOf(second->Moon()), page));
    }
    chakras.avakahadaTitle = page.Dict("AVKAHDA CHAKRA");
    chakras.ghatTitle = page.Dict("GHAT CHAKRA");
    if (second) {
        const PersonChart* persons[2] = {&first, second};
        for (int k = 0; k < 2; ++k)
            chakras.labels[k] = MatchPersonLabel(persons[k]->birth.Name, k == 1, page.texts);
    }
    std::string ayanamsa = FormatDMS(first.Ayanamsa(), page.choices.colon);
    if (second)
        ayanamsa += " / " + FormatDMS(second->Ayanamsa(), page.choices.colon);
    chakras.ayanamsaLine = AyanamsaLineText(ayanamsa, page.choices.ayanamsaChoice, page);
    return chakras;
}

double PrintChakras(Surface& surface, int y, const Chakras& chakras, const PageContext& page, double rowStep)
{
    const PageLayout& layout = page.layout;
    const auto scaled = [&](double twips) { return basic::scaled(twips, layout); };
    const int left = layout.leftMargin;
    SetBodyFont(surface, layout);

    // The avakahada on the left, the ghat chakra on the right; the columns
    // of a person stand at fixed places unless a long name pushes them on.
    std::vector<int> avakahadaXs = {scaled(left), scaled(left + 1750)};
    std::vector<int> ghatXs = {scaled(left + 5000), scaled(left + 6000)};
    if (chakras.match) {
        avakahadaXs.push_back(scaled(left + 3200));
        ghatXs.push_back(scaled(left + 7500));
    }
    const std::vector<int> avakahadaStarts = columnStarts(surface, avakahadaXs, chakras.avakahada, layout);
    ghatXs[0] = std::max(ghatXs[0], avakahadaStarts.back() + scaled(ColumnGap));
    const std::vector<int> ghatStarts = columnStarts(surface, ghatXs, chakras.ghat, layout);

    y += static_cast<int>(std::lround(rowStep / 5));
    double headRow = rowStep;   // the heading row, taller for names on two lines
    surface.Font.Bold = true;
    surface.Font.Underline = true;
    if (!chakras.match) {
        PrintAt(surface, scaled(left + 1000), y, chakras.avakahadaTitle);
        PrintAt(surface, scaled(left + 6000), y, chakras.ghatTitle);
    } else {
        // Two persons: each chakra's title over its captions, and over each
        // column of values the person it is of, as the header names them.
        // A title or a name keeps to one line, within its column.
        const auto fit = [&](const std::string& text, double room, double size, int lines) {
            return FitTypedText(surface, text, room, size, TypedTextFloor(surface.Font.Size),
                                lines * surface.LineHeight());
        };
        const double gap = scaled(ColumnGap);
        const double size = surface.Font.Size;
        PrintFittedText(surface,
                        fit(chakras.avakahadaTitle, avakahadaStarts[1] - avakahadaStarts[0] - gap, size, 1),
                        avakahadaStarts[0], y);
        PrintFittedText(surface, fit(chakras.ghatTitle, ghatStarts[1] - ghatStarts[0] - gap, size, 1),
                        ghatStarts[0], y);
        surface.Font.Underline = false;
        surface.Font.Name = layout.englishFontName;
        surface.Font.Size = layout.englishFontSize * layout.scale;
        // Each name as it fits the narrower of its two columns (on two lines
        // where it must), both names in the size the longer of them needs.
        double rooms[2];
        FittedText names[2];
        for (int k = 0; k < 2; ++k) {
            const double avakahadaEnd = k == 0 ? avakahadaStarts[2] : ghatStarts[0];
            const double ghatEnd = k == 0 ? ghatStarts[2] : PageBodyRight(layout) + gap;
            rooms[k] = std::min(avakahadaEnd - avakahadaStarts[k + 1], ghatEnd - ghatStarts[k + 1]) - gap;
            names[k] = fit(chakras.labels[k], rooms[k], surface.Font.Size, 2);
        }
        const double common = std::min(names[0].size, names[1].size);
        for (int k = 0; k < 2; ++k) {
            names[k] = fit(chakras.labels[k], rooms[k], common, 2);
            PrintFittedText(surface, names[k], avakahadaStarts[k + 1], y);
            PrintFittedText(surface, names[k], ghatStarts[k + 1], y);
            headRow = std::max(headRow, TypedRowHeight(names[k], rowStep, layout.scale));
        }
        SetBodyFont(surface, layout);
    }
    surface.Font.Bold = false;
    surface.Font.Underline = false;
    const int top = y + static_cast<int>(std::lround(headRow + rowStep / 10));

    const double bottom = printColumns(surface, top, avakahadaStarts, chakras.avakahada, rowStep);
    const double ghatBottom = printColumns(surface, top, ghatStarts, chakras.ghat, rowStep);
    PrintReckoningLines(surface, ghatStarts[0], ghatBottom + rowStep / 5, chakras.ayanamsaLine, page);
    return std::max(bottom, surface.CurrentY);
}

} // namespace tarvik::basic
