#include "VimshottariPages.h"

#include "DashaPageText.h"
#include "calc/NameTables.h"
#include "core/State.h"
#include "pages/Frame.h"
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

BlockLayout mahaLayout()
{
    const double s = OutputRun().OutputScale;
    return {Config().LeftMarginTwips - 400 * s, 3150 * s, 350 * s, 1000,
            2250 * s, 1450 * s, 2600 * s, 15, false};
}

BlockLayout pratyantarLayout()
{
    const double s = OutputRun().OutputScale;
    return {Config().LeftMarginTwips - 400 * s, 3150 * s, 350 * s, 1000,
            2250 * s, 1400 * s, 2600 * s, 15 * s, true};
}

BlockLayout sookshmaLayout()
{
    const double s = OutputRun().OutputScale;
    return {Config().LeftMarginTwips * s, 2750 * s, 350 * s, 350 * s,
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

double lineTop(const BlockLayout& layout, double y0, int n)
{
    const double top = y0 + n * OutputRun().LineStep;
    return n == 2 || n == 4 ? top + layout.lowered : top;
}

struct Captions {
    std::string from = GetDictText("FROM");
    std::string to = GetDictText("TO");
};

void drawBlock(Surface& surface, const BlockLayout& layout, const Captions& captions, int column,
               double y0, const Block& block, const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    const double s = run.OutputScale;
    const double step = run.LineStep;
    const double x0 = layout.firstLeft + column * layout.columnStep;
    const double x = x0 + layout.textIndent;
    // A rule runs under its line's descenders: in English one line height of
    // the font below the line's top; Devanagari stands taller than its step,
    // so there the rule follows the step.
    const bool hindi = choices.languageHindi;
    const double ruleDrop = hindi ? step + 1 : std::ceil(surface.LineHeight()) + 4;

    PrintAt(surface, static_cast<int>(x), static_cast<int>(lineTop(layout, y0, 0)), block.header);
    double rule = lineTop(layout, y0, 0) + ruleDrop;
    surface.Line(x, rule, x + layout.ruleEnd, rule);

    PrintAt(surface, static_cast<int>(x0 + layout.labelIndent),
            static_cast<int>(lineTop(layout, y0, 1)), captions.from);
    PrintRightAligned(surface, x + layout.datesEnd, lineTop(layout, y0, 1), block.from);
    PrintAt(surface, static_cast<int>(x0 + layout.labelIndent),
            static_cast<int>(lineTop(layout, y0, 2)), captions.to);
    PrintRightAligned(surface, x + layout.datesEnd, lineTop(layout, y0, 2), block.to);
    // The TO line sits lower than the others, and so does its rule, which
    // keeps it under the dates rather than through them.
    rule = lineTop(layout, y0, 2) + ruleDrop - (hindi && !layout.hindiRuleUnderTo ? 50 : 0);
    surface.Line(x, rule, x + layout.ruleEnd, rule);

    for (int i = 0; i < 9; ++i) {
        const SubLine& sub = block.subs[i];
        const double top = lineTop(layout, y0, FirstSubLine + i);
        PrintAt(surface, static_cast<int>(x), static_cast<int>(top), sub.lord);
        surface.CurrentX = x + layout.subAnchor - surface.TextWidth(sub.alignedOn);
        surface.CurrentY = top + 10 * s;
        surface.Print(sub.text);
    }
}

// Nine blocks in three rows of three from y0; blocks beyond the given ones
// stay empty.
void drawGrid(Surface& surface, const BlockLayout& layout, double y0,
              const std::vector<Block>& blocks, const RunChoices& choices)
{
    const Captions captions;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const int column = static_cast<int>(b % 3);
        drawBlock(surface, layout, captions, column, y0, blocks[b], choices);
        if (column == 2)
            y0 = std::round(y0 + RowAdvanceLines * OutputRun().LineStep);
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

std::string headingPrefix(DashaStart from)
{
    switch (from) {
    case DashaStart::Sun: return GetDictText("vAaditya");
    case DashaStart::Ascendant: return GetDictText("vSPS") + " " + GetDictText("vLagnam");
    case DashaStart::Moon: break;
    }
    return GetDictText("vVimsottari");
}

void printHeading(Surface& surface, const std::string& title)
{
    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(title, surface, y);
}

std::string daysText(int days)
{
    const RunValues& run = OutputRun();
    return run.PunctOpen + std::to_string(days) + " " + GetDictText("DAYS") + run.PunctClose;
}

// The tenth mahadasha only completes the 120 years from birth; no page shows it.
bool beyondTheTree(const DashaPeriods& periods, int antardasha)
{
    return antardasha / 9 >= periods.Count(DashaLevel::Maha) - 1;
}

} // namespace

void PrintVimshottariMahaPage(Surface& surface, const DashaAtBirth& atBirth,
                              const DashaPeriods& periods, DashaStart from, double day,
                              double month, double year, const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    const auto lords = DisplayTexts(DashaLordNames);
    printHeading(surface, headingPrefix(from) + " " + GetDictText("vMahadasha") +
                              " " + GetDictText("va") + " " + GetDictText("vAntar") + " " +
                              GetDictText("vdasha"));
    PrintAt(surface, Config().LeftMarginTwips, static_cast<int>(surface.CurrentY + 200),
            GetDictText("Bhogya") + " " + choices.colon + " " + BalanceText(atBirth, Texts(choices)));
    const double y0 = surface.CurrentY + 300;

    const std::string birth = BirthDateText(day, month, year, choices);
    StartEndTexts antarTexts(birth, "", choices);
    std::string blockFrom = birth;
    std::vector<Block> blocks;
    for (int k = 0; k < 9; ++k) {
        const int lord = periods.Period(DashaLevel::Maha, k).lord;
        blocks.push_back(blockOf(periods, lords, DashaLevel::Maha, k,
                                 lords[lord] + " " + run.PunctOpen + std::to_string(DashaYears[lord]) +
                                     " " + GetDictText("YEARS") + run.PunctClose,
                                 blockFrom, antarTexts, choices));
        blockFrom = blocks.back().to;
    }
    drawGrid(surface, mahaLayout(), y0, blocks, choices);
}

void PrintVimshottariPratyantarPage(Surface& surface, const DashaPeriods& periods,
                                    DashaStart from, int page, double day, double month,
                                    double year, const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    page = std::max(page, 1);
    const int first = periods.RunningAtBirth(DashaLevel::Antar) + 9 * (page - 1);
    if (beyondTheTree(periods, first))
        return;

    const std::string previousEnd =
        page == 1 ? std::string() : EndDateText(periods.Period(DashaLevel::Antar, first - 1), choices);
    std::string blockFrom = page == 1 ? BirthDateText(day, month, year, choices) : previousEnd;
    StartEndTexts texts(BirthDateText(day, month, year, choices), previousEnd, choices);
    const auto lords = DisplayTexts(DashaLordNames);

    printHeading(surface, headingPrefix(from) + " " + GetDictText("vPRATYANTAR") + " " +
                              GetDictText("vdasha") + " " + std::to_string(page));
    const double y0 = surface.CurrentY + run.LineStep;

    std::vector<Block> blocks;
    for (int a = first; a < first + 9 && !beyondTheTree(periods, a); ++a) {
        const int maha = periods.Period(DashaLevel::Maha, a / 9).lord;
        const int antar = periods.Period(DashaLevel::Antar, a).lord;
        blocks.push_back(blockOf(periods, lords, DashaLevel::Antar, a,
                                 lords[maha] + " " + choices.dash + " " + lords[antar] + " " +
                                     daysText(3 * DashaYears[maha] * DashaYears[antar]),
                                 blockFrom, texts, choices));
        blockFrom = blocks.back().to;
    }
    drawGrid(surface, pratyantarLayout(), y0, blocks, choices);
}

void PrintVimshottariSookshmaPage(Surface& surface, const DashaPeriods& periods,
                                  DashaStart from, int page, const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    page = std::max(page, 1);
    const int a = periods.RunningAtBirth(DashaLevel::Antar) + page - 1;
    if (beyondTheTree(periods, a))
        return;

    std::string blockFrom =
        page == 1 ? std::string()
                  : EndDateTimeText(periods.Period(DashaLevel::Pratyantar, 9 * a - 1), choices);
    printHeading(surface, headingPrefix(from) + " " + GetDictText("vSooksham") + " " +
                              GetDictText("vdasha") + " " + std::to_string(page));
    const double y0 = surface.CurrentY + run.LineStep;

    const auto lords = DisplayTexts(DashaLordNames);
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
                   daysText(static_cast<int>(std::floor(product / 14400.0 * 360 + 0.5)));
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
    drawGrid(surface, sookshmaLayout(), y0, blocks, choices);
}

void PrintVimshottariDasha(Surface& surface, const ChartState& chart, double day, double month, double year,
                           bool mahaAntar, const DashaSelection& selection, const RunChoices& choices)
{
    const double start =
        DashaStartLongitude(chart, selection.fromAscendant, selection.fromSun);
    const DashaAtBirth atBirth = VimshottariAtBirth(start);

    const DashaStart from = selection.fromAscendant ? DashaStart::Ascendant
                            : selection.fromSun     ? DashaStart::Sun
                                                    : DashaStart::Moon;
    const DashaPeriods periods = VimshottariPeriods(atBirth, BirthDecimalYear(day, month, year));
    if (mahaAntar)
        PrintVimshottariMahaPage(surface, atBirth, periods, from, day, month, year, choices);
    else if (selection.sookshma)
        PrintVimshottariSookshmaPage(surface, periods, from, selection.sookshmaPage, choices);
    else
        PrintVimshottariPratyantarPage(surface, periods, from, selection.pratyantarPage, day,
                                       month, year, choices);
}

} // namespace tarvik
