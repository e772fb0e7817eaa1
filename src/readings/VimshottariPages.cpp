#include "VimshottariPages.h"

#include "DashaPageText.h"
#include "calc/NameTables.h"
#include "core/State.h"
#include "pages/Frame.h"
#include "pages/PageContext.h"
#include "refdata/TextLookup.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace tarvik {

namespace {

constexpr int LinesPerBlock = 12;
constexpr int RowAdvanceLines = 13;
constexpr int FirstSubLine = 3;

// Where the parts of a block go. Offsets are twips from the block's text
// column x unless said otherwise, already scaled.
struct BlockLayout {
    double firstLeft;       // left edge x0 of column 0
    double columnStep;
    double textIndent;      // x = x0 + textIndent
    double labelIndent;     // "FROM" and "TO" at x0 + labelIndent
    double datesEnd;        // FROM and TO dates end here
    double subAnchor;       // sub-period texts are placed against this
    double ruleEnd;
    double lowered;         // lines 2 and 4 sit this much lower
    bool hindiRuleUnderTo;  // the rule under the TO line follows the language too
};

BlockLayout mahaLayout(const PageLayout& page)
{
    const double s = page.scale;
    return {page.leftMargin - 400 * s, 3150 * s, 350 * s, 1000,
            2250 * s, 1450 * s, 2600 * s, 15, false};
}

BlockLayout pratyantarLayout(const PageLayout& page)
{
    const double s = page.scale;
    return {page.leftMargin - 400 * s, 3150 * s, 350 * s, 1000,
            2250 * s, 1400 * s, 2600 * s, 15 * s, true};
}

BlockLayout sookshmaLayout(const PageLayout& page)
{
    const double s = page.scale;
    return {page.leftMargin * s, 2750 * s, 350 * s, 350 * s,
            2300 * s, 2400 * s, 2400 * s, 15 * s, false};
}

// One sub-period line: the lord's name, then its text, placed so that the
// reference part (the end date) ends at the layout's anchor.
struct SubLine {
    std::string lord;
    std::string text;
    std::string alignedOn;
};

struct Block {
    std::string header;
    std::string from;
    std::string to;
    std::array<SubLine, 9> subs;
};

double lineTop(const BlockLayout& layout, double y0, int n, double lineStep)
{
    const double top = y0 + n * lineStep;
    return n == 2 || n == 4 ? top + layout.lowered : top;
}

struct Captions {
    std::string from;
    std::string to;
};

void drawBlock(Surface& surface, const BlockLayout& layout, const Captions& captions, int column,
               double y0, const Block& block, const PageContext& page)
{
    const double s = page.layout.scale;
    const double step = page.layout.lineStep;
    const double x0 = layout.firstLeft + column * layout.columnStep;
    const double x = x0 + layout.textIndent;
    // A rule runs under its line's descenders: in English one line height of
    // the font below the line's top; Devanagari stands taller than its step,
    // so there the rule follows the step.
    const bool hindi = page.choices.languageHindi;
    const double ruleDrop = hindi ? step + 1 : std::ceil(surface.LineHeight()) + 4;

    PrintAt(surface, static_cast<int>(x), static_cast<int>(lineTop(layout, y0, 0, step)), block.header);
    double rule = lineTop(layout, y0, 0, step) + ruleDrop;
    surface.Line(x, rule, x + layout.ruleEnd, rule);

    PrintAt(surface, static_cast<int>(x0 + layout.labelIndent),
            static_cast<int>(lineTop(layout, y0, 1, step)), captions.from);
    PrintRightAligned(surface, x + layout.datesEnd, lineTop(layout, y0, 1, step), block.from);
    PrintAt(surface, static_cast<int>(x0 + layout.labelIndent),
            static_cast<int>(lineTop(layout, y0, 2, step)), captions.to);
    PrintRightAligned(surface, x + layout.datesEnd, lineTop(layout, y0, 2, step), block.to);
    // The TO line sits lower than the others, and so does its rule, which
    // keeps it under the dates rather than through them.
    rule = lineTop(layout, y0, 2, step) + ruleDrop - (hindi && !layout.hindiRuleUnderTo ? 50 : 0);
    surface.Line(x, rule, x + layout.ruleEnd, rule);

    for (int i = 0; i < 9; ++i) {
        const SubLine& sub = block.subs[i];
        const double top = lineTop(layout, y0, FirstSubLine + i, step);
        PrintAt(surface, static_cast<int>(x), static_cast<int>(top), sub.lord);
        surface.CurrentX = x + layout.subAnchor - surface.TextWidth(sub.alignedOn);
        surface.CurrentY = top + 10 * s;
        surface.Print(sub.text);
    }
}

// Nine blocks in three rows of three from y0; blocks beyond the given ones
// stay empty.
void drawGrid(Surface& surface, const BlockLayout& layout, double y0,
              const std::vector<Block>& blocks, const PageContext& page)
{
    const Captions captions{page.Dict("FROM"), page.Dict("TO")};
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const int column = static_cast<int>(b % 3);
        drawBlock(surface, layout, captions, column, y0, blocks[b], page);
        if (column == 2)
            y0 = std::round(y0 + RowAdvanceLines * page.layout.lineStep);
    }
}

// The texts "start - end" of consecutive periods: the start is the end of
// the period before; the first period alive at birth starts at birth, and
// periods ended before birth show no start.
class StartEndTexts {
public:
    StartEndTexts(std::string birth, std::string previousEnd, const RunChoices& choices)
        : birth_(std::move(birth)), last_(std::move(previousEnd)), choices_(choices) {}

    SubLine next(const std::string& lord, const DashaPeriod& period)
    {
        const std::string end = EndDateText(period, choices_);
        std::string start;
        if (!period.endedBeforeBirth) {
            start = last_.empty() ? birth_ : last_;
            last_ = end;
        }
        return {lord, start + " " + choices_.dash + " " + end, end};
    }

private:
    std::string birth_;
    std::string last_;
    const RunChoices& choices_;
};

using LordTexts = std::array<std::string, 9>;

// The block of period n of a level, from the given FROM text, with its nine
// sub-periods.
Block blockOf(const DashaPeriods& periods, const LordTexts& lords, DashaLevel level, int n,
              std::string header, const std::string& from, StartEndTexts& subTexts,
              const RunChoices& choices)
{
    Block b;
    b.header = std::move(header);
    b.from = from;
    b.to = EndDateText(periods.Period(level, n), choices);
    const auto sub = static_cast<DashaLevel>(static_cast<int>(level) + 1);
    for (int j = 0; j < 9; ++j) {
        const DashaPeriod p = periods.Period(sub, 9 * n + j);
        b.subs[j] = subTexts.next(lords[p.lord], p);
    }
    return b;
}

std::string headingPrefix(DashaStart from, const Texts& texts)
{
    switch (from) {
    case DashaStart::Sun: return texts.Dict("vAaditya");
    case DashaStart::Ascendant: return texts.Dict("vSPS") + " " + texts.Dict("vLagnam");
    case DashaStart::Moon: break;
    }
    return texts.Dict("vVimsottari");
}

void printHeading(Surface& surface, const std::string& title, const PageLayout& layout)
{
    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(title, surface, y, layout);
}

std::string daysText(int days, const PageContext& page)
{
    return page.layout.open + std::to_string(days) + " " + page.Dict("DAYS") + page.layout.close;
}

// The tenth mahadasha only completes the 120 years from birth; no page shows it.
bool beyondTheTree(const DashaPeriods& periods, int antardasha)
{
    return antardasha / 9 >= periods.Count(DashaLevel::Maha) - 1;
}

} // namespace

void PrintVimshottariMahaPage(Surface& surface, const DashaAtBirth& atBirth,
                              const DashaPeriods& periods, DashaStart from, double day,
                              double month, double year, const PageContext& page)
{
    const RunChoices& choices = page.choices;
    const auto lords = DisplayTexts(DashaLordNames, page.texts);
    printHeading(surface, headingPrefix(from, page.texts) + " " + page.Dict("vMahadasha") +
                              " " + page.Dict("va") + " " + page.Dict("vAntar") + " " +
                              page.Dict("vdasha"), page.layout);
    PrintAt(surface, page.layout.leftMargin, static_cast<int>(surface.CurrentY + 200),
            page.Dict("Bhogya") + " " + choices.colon + " " + BalanceText(atBirth, page.texts));
    const double y0 = surface.CurrentY + 300;

    const std::string birth = BirthDateText(day, month, year, choices);
    StartEndTexts antarTexts(birth, "", choices);
    std::string blockFrom = birth;
    std::vector<Block> blocks;
    for (int k = 0; k < 9; ++k) {
        const int lord = periods.Period(DashaLevel::Maha, k).lord;
        blocks.push_back(blockOf(periods, lords, DashaLevel::Maha, k,
                                 lords[lord] + " " + page.layout.open + std::to_string(DashaYears[lord]) +
                                     " " + page.Dict("YEARS") + page.layout.close,
                                 blockFrom, antarTexts, choices));
        blockFrom = blocks.back().to;
    }
    drawGrid(surface, mahaLayout(page.layout), y0, blocks, page);
}

void PrintVimshottariPratyantarPage(Surface& surface, const DashaPeriods& periods,
                                    DashaStart from, int part, double day, double month,
                                    double year, const PageContext& page)
{
    const RunChoices& choices = page.choices;
    part = std::max(part, 1);
    const int first = periods.RunningAtBirth(DashaLevel::Antar) + 9 * (part - 1);
    if (beyondTheTree(periods, first))
        return;

    const std::string previousEnd =
        part == 1 ? std::string() : EndDateText(periods.Period(DashaLevel::Antar, first - 1), choices);
    std::string blockFrom = part == 1 ? BirthDateText(day, month, year, choices) : previousEnd;
    StartEndTexts texts(BirthDateText(day, month, year, choices), previousEnd, choices);
    const auto lords = DisplayTexts(DashaLordNames, page.texts);

    printHeading(surface, headingPrefix(from, page.texts) + " " + page.Dict("vPRATYANTAR") + " " +
                              page.Dict("vdasha") + " " + std::to_string(part), page.layout);
    const double y0 = surface.CurrentY + page.layout.lineStep;

    std::vector<Block> blocks;
    for (int a = first; a < first + 9 && !beyondTheTree(periods, a); ++a) {
        const int maha = periods.Period(DashaLevel::Maha, a / 9).lord;
        const int antar = periods.Period(DashaLevel::Antar, a).lord;
        blocks.push_back(blockOf(periods, lords, DashaLevel::Antar, a,
                                 lords[maha] + " " + choices.dash + " " + lords[antar] + " " +
                                     daysText(3 * DashaYears[maha] * DashaYears[antar], page),
                                 blockFrom, texts, choices));
        blockFrom = blocks.back().to;
    }
    drawGrid(surface, pratyantarLayout(page.layout), y0, blocks, page);
}

void PrintVimshottariSookshmaPage(Surface& surface, const DashaPeriods& periods,
                                  DashaStart from, int part, const PageContext& page)
{
    const RunChoices& choices = page.choices;
    part = std::max(part, 1);
    const int a = periods.RunningAtBirth(DashaLevel::Antar) + part - 1;
    if (beyondTheTree(periods, a))
        return;

    std::string blockFrom =
        part == 1 ? std::string()
                  : EndDateTimeText(periods.Period(DashaLevel::Pratyantar, 9 * a - 1), choices);
    printHeading(surface, headingPrefix(from, page.texts) + " " + page.Dict("vSooksham") + " " +
                              page.Dict("vdasha") + " " + std::to_string(part), page.layout);
    const double y0 = surface.CurrentY + page.layout.lineStep;

    const auto lords = DisplayTexts(DashaLordNames, page.texts);
    const DashaPeriod maha = periods.Period(DashaLevel::Maha, a / 9);
    const DashaPeriod antar = periods.Period(DashaLevel::Antar, a);
    std::vector<Block> blocks;
    for (int p = 0; p < 9; ++p) {
        const int number = 9 * a + p;
        const DashaPeriod pratyantar = periods.Period(DashaLevel::Pratyantar, number);
        const int product =
            DashaYears[maha.lord] * DashaYears[antar.lord] * DashaYears[pratyantar.lord];
        Block b;
        b.header = lords[maha.lord] + " " + choices.dash + " " + lords[antar.lord] + " " +
                   choices.dash + " " + lords[pratyantar.lord] + " " +
                   daysText(static_cast<int>(std::floor(product / 14400.0 * 360 + 0.5)), page);
        b.from = blockFrom;
        b.to = EndDateTimeText(pratyantar, choices);
        blockFrom = b.to;
        for (int s = 0; s < 9; ++s) {
            const DashaPeriod sookshma = periods.Period(DashaLevel::Sookshma, 9 * number + s);
            const std::string end = EndDateTimeText(sookshma, choices);
            b.subs[s] = {lords[sookshma.lord], end, end};
        }
        blocks.push_back(std::move(b));
    }
    drawGrid(surface, sookshmaLayout(page.layout), y0, blocks, page);
}

void PrintVimshottariDasha(Surface& surface, const ChartState& chart, double day, double month, double year,
                           bool mahaAntar, const DashaSelection& selection, const PageContext& page)
{
    const double start =
        DashaStartLongitude(chart, selection.fromAscendant, selection.fromSun);
    const DashaAtBirth atBirth = VimshottariAtBirth(start);

    const DashaStart from = selection.fromAscendant ? DashaStart::Ascendant
                            : selection.fromSun     ? DashaStart::Sun
                                                    : DashaStart::Moon;
    const DashaPeriods periods = VimshottariPeriods(atBirth, BirthDecimalYear(day, month, year));
    if (mahaAntar)
        PrintVimshottariMahaPage(surface, atBirth, periods, from, day, month, year, page);
    else if (selection.sookshma)
        PrintVimshottariSookshmaPage(surface, periods, from, selection.sookshmaPage, page);
    else
        PrintVimshottariPratyantarPage(surface, periods, from, selection.pratyantarPage, day,
                                       month, year, page);
}

} // namespace tarvik
