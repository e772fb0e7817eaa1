#include "MatchPages.h"

#include "Ashtakoota.h"
#include "calc/TextFormat.h"
#include "core/State.h"
#include "pages/FontMap.h"
#include "pages/Frame.h"
#include "pages/Justified.h"
#include "refdata/TextLookup.h"

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
    double scale = OutputRun().OutputScale;
    double left = Config().LeftMarginTwips * scale;
    double operator()(double length) const { return length * scale; }
};

void paragraph(Surface& s, const std::string& text, double x, double width)
{
    PrintJustified(twips(width), twips(x), twips(s.CurrentY), text, s);
}

void heading(Surface& s, const std::string& title)
{
    int y = twips(s.CurrentY);
    PrintHeading(title, s, y);
}

void bodyFont(Surface& s)
{
    const RunValues& run = OutputRun();
    s.Font.Name = run.BodyFontName;
    s.Font.Size = run.BodyFontSize * run.OutputScale;
}

// The English face set as large as the current font draws (a Devanagari
// face asks for more points for the same letters), with its top where its
// baseline meets the current font's; returns that top.
double numbersOnTheLine(Surface& s, double y)
{
    const double baseline = y + s.Ascent();
    const double size = s.Font.Size * MapFont(s.Font.Name).sizeFactor;
    s.Font.Name = OutputRun().EnglishFontName;
    s.Font.Size = size / MapFont(s.Font.Name).sizeFactor;
    return baseline - s.Ascent();
}

// One row of the result table: the three texts in the body font, the two
// numbers in the English one, on the row's baseline and at its size. The
// header row keeps its captions in the body font throughout, so that they
// read in Hindi too.
void tableRow(Surface& s, const PageMetrics& at, double y, const std::array<std::string, 5>& cells,
              bool numbersInEnglish)
{
    PrintAt(s, twips(at.left + at(KootaColumn)), twips(y), cells[0]);
    PrintAt(s, twips(at.left + at(BoyColumn)), twips(y), cells[1]);
    PrintAt(s, twips(at.left + at(GirlColumn)), twips(y), cells[2]);
    const double numbersY = numbersInEnglish ? numbersOnTheLine(s, y) : y;
    s.CurrentX = at.left + at(PointsColumn);
    s.CurrentY = numbersY;
    s.Print(cells[3]);
    s.CurrentX = at.left + at(MaximumColumn);
    s.CurrentY = numbersY;
    s.Print(cells[4]);
    bodyFont(s);
}

void printResultPage(Surface& s, const AshtakootaResult& match)
{
    const RunValues& run = OutputRun();
    const PageMetrics at;
    std::array<std::string, KootaCount + 1> names;
    for (int k = 1; k <= KootaCount; ++k)
        names[k] = GetDictText(KootaNameKey(k));

    s.Font.Italic = true;
    s.Font.Size = (run.BodyFontSize + 1) * at.scale;
    s.CurrentY += at(500);
    paragraph(s, GetMatchText("MATCHGEN"), at.left + at(500), at(7000));
    s.Font.Size = (run.BodyFontSize - 1) * at.scale;
    s.Font.Italic = false;

    heading(s, GetDictText("MATCH") + " " + GetDictText("CHART"));
    const double y0 = s.CurrentY;
    s.Font.Bold = true;
    tableRow(s, at, y0,
             {GetDictText("_KOOT"), GetDictText("_BOY"), GetDictText("_GIRL"),
              GetDictText("_OBTPTS"), GetDictText("_MAXPTS")},
             false);
    bodyFont(s);
    s.Font.Bold = false;
    for (int k = 1; k <= KootaCount; ++k) {
        const KootaScore& koota = match.kootas[k];
        tableRow(s, at, y0 + at(RowStep * k),
                 {names[k], GetDictText(koota.cells[0]), GetDictText(koota.cells[1]),
                  NumberText(koota.points), std::to_string(k)},
                 true);
    }

    s.Font.Bold = true;
    const double totalY = y0 + at(RowStep * (KootaCount + 1));
    PrintAt(s, twips(at.left), twips(totalY), GetDictText("TOTAL") + " " + GetDictText("GUNA"));
    const double totalNumbersY = numbersOnTheLine(s, totalY);
    s.CurrentX = at.left + at(PointsColumn);
    s.CurrentY = totalNumbersY;
    s.Print(NumberText(match.total));
    s.CurrentX = at.left + at(MaximumColumn);
    s.CurrentY = totalNumbersY;
    s.Print("36");
    bodyFont(s);
    s.Font.Bold = false;

    s.Print("");
    heading(s, GetDictText("MATCH") + " " + GetDictText("CHART") + " " +
                   GetDictText("CONSIDERATION"));
    paragraph(s, GetMatchText(match.verdictKey), at.left + at(500), at(7000));
    if (!match.doshaNoteKey.empty())
        paragraph(s, GetMatchText(match.doshaNoteKey), at.left + at(500), at(7000));

    s.Print("");
    heading(s, GetDictText("MANGLIK") + " " + GetDictText("CONSIDERATION"));
    paragraph(s, GetMatchText(match.manglikKey), at.left + at(500), at(7000));
}

void printInterpretationPage(Surface& s, const AshtakootaResult& match)
{
    const PageMetrics at;
    s.CurrentY += at(500);
    heading(s, GetDictText("match") + " " + GetDictText("consideration"));

    for (int k = 1; k <= KootaCount; ++k) {
        const std::string name = GetDictText(KootaNameKey(k));
        s.CurrentY += at(250);
        const int y1 = twips(s.CurrentY);
        s.Font.Size += at.scale;
        s.CurrentX = at.left;
        s.Print(name);
        s.Font.Size -= at.scale;

        s.Font.Italic = true;
        PrintJustified(twips(at(7000)), twips(at.left + at(2000)), y1,
                       name + " " + GetMatchText(KootaTextKey(k)), s);
        s.Font.Italic = false;
        const int y2 = twips(s.CurrentY);

        // The points stand before the first line of what they mean, on its
        // baseline and at its size.
        bodyFont(s);
        const std::string points = NumberText(match.kootas[k].points);
        const double pointsY = numbersOnTheLine(s, y2);
        s.CurrentX = Config().LeftMarginTwips + 900 - s.TextWidth(points);
        s.CurrentY = pointsY;
        s.Print(points);
        bodyFont(s);

        PrintJustified(twips(at(8000)), twips(at.left + at(1000)), y2,
                       GetMatchText("prefix") + " " +
                           GetMatchText(KootaPointsKey(k, match.kootas[k].points)),
                       s);
    }
}

} // namespace

void MatchMaking(const MatchPerson& boy, const MatchPerson& girl, Surface& surface, int mode)
{
    const AshtakootaResult match = MatchAshtakoota(boy, girl);
    PrintPageFrame(surface, false);
    if (mode == 1)
        printInterpretationPage(surface, match);
    else
        printResultPage(surface, match);
}

} // namespace tarvik
