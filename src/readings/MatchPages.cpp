#include "MatchPages.h"

#include "Ashtakoota.h"
#include "calc/TextFormat.h"
#include "pages/FontMap.h"
#include "pages/Frame.h"
#include "pages/Justified.h"
#include "pages/Paragraphs.h"

#include <array>
#include <cmath>

namespace tarvik {

namespace {

// Column offsets of the result table from the left margin, and the step of its rows.
constexpr double KootaColumn = 0, BoyColumn = 2000, GirlColumn = 4000, PointsColumn = 6000,
                 MaximumColumn = 7500;
constexpr double RowStep = 500;

int twips(double v) { return static_cast<int>(std::lround(v)); }

// Lengths of the page, scaled, from the left margin.
struct PageMetrics {
    explicit PageMetrics(const PageLayout& layout) : scale(layout.scale), left(layout.leftMargin * layout.scale) {}
    double scale;
    double left;
    double operator()(double length) const { return length * scale; }
};

void paragraph(Surface& s, const PageLayout& layout, const std::string& text, double x, double width)
{
    PrintJustified(twips(width), twips(x), twips(s.CurrentY), text, s, LinesOf(layout));
}

void heading(Surface& s, const PageLayout& layout, const std::string& title)
{
    int y = twips(s.CurrentY);
    PrintHeading(title, s, y, layout);
}

// The English face set as large as the current font draws (a Devanagari
// face asks for more points for the same letters), with its top where its
// baseline meets the current font's; returns that top.
double numbersOnTheLine(Surface& s, const PageLayout& layout, double y)
{
    const double baseline = y + s.Ascent();
    const double size = s.Font.Size * MapFont(s.Font.Name).sizeFactor;
    s.Font.Name = layout.englishFontName;
    s.Font.Size = size / MapFont(s.Font.Name).sizeFactor;
    return baseline - s.Ascent();
}

// One row of the result table: the three texts in the body font, the two
// numbers in the English one, on the row's baseline and at its size. The
// header row keeps its captions in the body font throughout, so that they
// read in Hindi too.
void tableRow(Surface& s, const PageLayout& layout, const PageMetrics& at, double y,
              const std::array<std::string, 5>& cells, bool numbersInEnglish)
{
    PrintAt(s, twips(at.left + at(KootaColumn)), twips(y), cells[0]);
    PrintAt(s, twips(at.left + at(BoyColumn)), twips(y), cells[1]);
    PrintAt(s, twips(at.left + at(GirlColumn)), twips(y), cells[2]);
    const double numbersY = numbersInEnglish ? numbersOnTheLine(s, layout, y) : y;
    s.CurrentX = at.left + at(PointsColumn);
    s.CurrentY = numbersY;
    s.Print(cells[3]);
    s.CurrentX = at.left + at(MaximumColumn);
    s.CurrentY = numbersY;
    s.Print(cells[4]);
    SetBodyFont(s, layout);
}

void printResultPage(Surface& s, const PageContext& page, const AshtakootaResult& match)
{
    const PageLayout& layout = page.layout;
    const PageMetrics at(layout);
    std::array<std::string, KootaCount + 1> names;
    for (int k = 1; k <= KootaCount; ++k)
        names[k] = page.Dict(KootaNameKey(k));

    s.Font.Italic = true;
    s.Font.Size = (layout.bodyFontSize + 1) * at.scale;
    s.CurrentY += at(500);
    paragraph(s, layout, page.texts.Match("MATCHGEN"), at.left + at(500), at(7000));
    s.Font.Size = (layout.bodyFontSize - 1) * at.scale;
    s.Font.Italic = false;

    heading(s, layout, page.Dict("MATCH") + " " + page.Dict("CHART"));
    const double y0 = s.CurrentY;
    s.Font.Bold = true;
    tableRow(s, layout, at, y0,
             {page.Dict("_KOOT"), page.Dict("_BOY"), page.Dict("_GIRL"),
              page.Dict("_OBTPTS"), page.Dict("_MAXPTS")},
             false);
    SetBodyFont(s, layout);
    s.Font.Bold = false;
    for (int k = 1; k <= KootaCount; ++k) {
        const KootaScore& koota = match.kootas[k];
        tableRow(s, layout, at, y0 + at(RowStep * k),
                 {names[k], page.Dict(koota.cells[0]), page.Dict(koota.cells[1]),
                  NumberText(koota.points), std::to_string(k)},
                 true);
    }

    s.Font.Bold = true;
    const double totalY = y0 + at(RowStep * (KootaCount + 1));
    PrintAt(s, twips(at.left), twips(totalY), page.Dict("TOTAL") + " " + page.Dict("GUNA"));
    const double totalNumbersY = numbersOnTheLine(s, layout, totalY);
    s.CurrentX = at.left + at(PointsColumn);
    s.CurrentY = totalNumbersY;
    s.Print(NumberText(match.total));
    s.CurrentX = at.left + at(MaximumColumn);
    s.CurrentY = totalNumbersY;
    s.Print("36");
    SetBodyFont(s, layout);
    s.Font.Bold = false;

    s.Print("");
    heading(s, layout, page.Dict("MATCH") + " " + page.Dict("CHART") + " " +
                   page.Dict("CONSIDERATION"));
    paragraph(s, layout, page.texts.Match(match.verdictKey), at.left + at(500), at(7000));
    if (!match.doshaNoteKey.empty())
        paragraph(s, layout, page.texts.Match(match.doshaNoteKey), at.left + at(500), at(7000));

    s.Print("");
    heading(s, layout, page.Dict("MANGLIK") + " " + page.Dict("CONSIDERATION"));
    paragraph(s, layout, page.texts.Match(match.manglikKey), at.left + at(500), at(7000));
}

void printInterpretationPage(Surface& s, const PageContext& page, const AshtakootaResult& match)
{
    const PageLayout& layout = page.layout;
    const PageMetrics at(layout);
    s.CurrentY += at(500);
    heading(s, layout, page.Dict("match") + " " + page.Dict("consideration"));

    for (int k = 1; k <= KootaCount; ++k) {
        const std::string name = page.Dict(KootaNameKey(k));
        s.CurrentY += at(250);
        const int y1 = twips(s.CurrentY);
        s.Font.Size += at.scale;
        s.CurrentX = at.left;
        s.Print(name);
        s.Font.Size -= at.scale;

        s.Font.Italic = true;
        PrintJustified(twips(at(7000)), twips(at.left + at(2000)), y1,
                       name + " " + page.texts.Match(KootaTextKey(k)), s, LinesOf(layout));
        s.Font.Italic = false;
        const int y2 = twips(s.CurrentY);

        // The points stand before the first line of what they mean, on its
        // baseline and at its size.
        SetBodyFont(s, layout);
        const std::string points = NumberText(match.kootas[k].points);
        const double pointsY = numbersOnTheLine(s, layout, y2);
        s.CurrentX = layout.leftMargin + 900 - s.TextWidth(points);
        s.CurrentY = pointsY;
        s.Print(points);
        SetBodyFont(s, layout);

        PrintJustified(twips(at(8000)), twips(at.left + at(1000)), y2,
                       page.texts.Match("prefix") + " " +
                           page.texts.Match(KootaPointsKey(k, match.kootas[k].points)),
                       s, LinesOf(layout));
    }
}

} // namespace

void MatchMaking(const MatchPerson& boy, const MatchPerson& girl, Surface& surface, const PageContext& page,
                 int mode)
{
    const AshtakootaResult match = MatchAshtakoota(boy, girl);
    PrintPageFrame(surface, page);
    if (mode == 1)
        printInterpretationPage(surface, page, match);
    else
        printResultPage(surface, page, match);
}

} // namespace tarvik
