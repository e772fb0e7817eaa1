// The Vimshottari dasha pages on the recording surface: which periods each
// page shows, their dates, the dash of periods ended before birth, where the
// blocks and rules go, and the three families of pages.

#include "DashaPageSupport.h"

#include "calc/DecimalYear.h"
#include "panchang/Vimshottari.h"
#include "readings/VimshottariPages.h"

#include <algorithm>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

constexpr double Birth = 1990 + 1.0 / 12 + 5.0 / 360;   // 05-01-1990

// The antardashas of Ketu's mahadasha, as the echoing dictionary names them.
const char* const KetuAntarLords[] = {"KETU", "SHUKRA", "RAVI", "CHANDRA", "MANGAL",
                                      "RAHU", "GURU", "SANI", "BUDHA"};

class VimshottariPages : public DashaPageTest {
protected:
    void draw(bool maha, DashaSelection selection = {})
    {
        surface.ClearLog();
        surface.CurrentY = Config().TopMarginTwips;
        surface.Font.Size = OutputRun().BodyFontSize;
        PrintVimshottariDasha(surface, Chart(), 5, 1, 1990, maha, selection, RunContext());
    }
    DashaPeriods tree(double moon) const { return VimshottariPeriods(VimshottariAtBirth(moon), Birth); }
    // Block headers in the order printed.
    std::vector<const RecordedText*> headers(const std::string& part) const
    {
        std::vector<const RecordedText*> found;
        for (const RecordedText& t : surface.Texts())
            if (t.text.find(part) != std::string::npos)
                found.push_back(&t);
        return found;
    }
};

// The mahadasha page of a birth at the start of Ashvini: the balance, the
// nine mahadashas from Ketu in three rows of three, the birth date as the
// first FROM, each block's TO the next block's FROM.
TEST_F(VimshottariPages, MahadashasFromBirth)
{
    Chart().PlanetLongitudes[Moon] = 0;
    draw(true);
    EXPECT_TRUE(collector.messages.empty());
    EXPECT_NE(surface.FindText("VVIMSOTTARI VMAHADASHA VA VANTAR VDASHA"), nullptr);
    const RecordedText& balance = find("BHOGYA : _KETU 7 YEARS 0 _MONTH 0 DAYS");
    EXPECT_EQ(balance.x, Config().LeftMarginTwips);

    const char* expected[] = {"KETU (7 YEARS)", "SHUKRA (20 YEARS)", "RAVI (6 YEARS)",
                              "CHANDRA (10 YEARS)", "MANGAL (7 YEARS)", "RAHU (18 YEARS)",
                              "GURU (16 YEARS)", "SANI (19 YEARS)", "BUDHA (17 YEARS)"};
    const auto blocks = headers(" YEARS)");
    ASSERT_EQ(blocks.size(), 9u);
    const double step = OutputRun().LineStep;
    const double y0 = blocks[0]->y;
    // The balance line ends one line of the body font lower; the blocks start 300 below.
    EXPECT_EQ(y0, balance.y + 9 * RecordingSurface::HeightPerPoint + 300);
    std::string from = "05-01-1990";
    const DashaPeriods periods = tree(0);
    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE(k);
        const RecordedText& h = *blocks[static_cast<std::size_t>(k)];
        EXPECT_EQ(h.text, expected[k]);
        const double x = 1440 - 400 + 350 + (k % 3) * 3150;
        EXPECT_EQ(h.x, x);
        EXPECT_EQ(h.y, y0 + (k / 3) * 13 * step);
        const RecordedText* fromText = textAt(h.y + step, x + 1200, x + 2600);
        ASSERT_NE(fromText, nullptr);
        EXPECT_EQ(fromText->text, from);
        EXPECT_EQ(rightOf(*fromText), x + 2250);
        const std::string to = DecimalYearToDate(periods.Period(DashaLevel::Maha, k).end, true, OutputRun().Choices());
        const RecordedText* toText = textAt(h.y + 2 * step + 15, x + 1200, x + 2600);
        ASSERT_NE(toText, nullptr);
        EXPECT_EQ(toText->text, to);
        EXPECT_EQ(textOf(h.y + step, x - 350, x + 1200), "FROM");
        EXPECT_EQ(textOf(h.y + 2 * step + 15, x - 350, x + 1200), "TO");
        from = to;
    }
    // Nine months of the 120 years: the first Ketu antardasha begins at birth.
    EXPECT_EQ(textOf(y0 + 3 * step + 10, 1400, 4000),
              "05-01-1990 - " + DecimalYearToDate(Birth + 49.0 / 120, true, OutputRun().Choices()));
    EXPECT_EQ(textOf(y0 + 3 * step, 1390, 1391), "KETU");
}

// Half of Ashvini has passed at birth: the first five antardashas of Ketu
// have ended and show the dash alone; the sixth (Rahu) runs at birth and
// starts at the birth date; the next starts where it ends.
TEST_F(VimshottariPages, AntardashasEndedBeforeBirthShowTheDash)
{
    Chart().PlanetLongitudes[Moon] = 20.0 / 3;
    draw(true);
    const DashaPeriods periods = tree(20.0 / 3);
    const double step = OutputRun().LineStep;
    const RecordedText& h = find("KETU (7 YEARS)");
    std::vector<std::string> lines;
    for (int j = 0; j < 9; ++j) {
        const double top = h.y + (3 + j) * step + (j == 1 ? 15 : 0);
        lines.push_back(textOf(top + 10, h.x + 100, h.x + 2600));
        EXPECT_EQ(textOf(top, h.x, h.x + 1), KetuAntarLords[j]) << j;
    }
    const auto end = [&](int a) { return DecimalYearToDate(periods.Period(DashaLevel::Antar, a).end, true, OutputRun().Choices()); };
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(lines[static_cast<std::size_t>(j)], " - -") << j;
    EXPECT_EQ(lines[5], "05-01-1990 - " + end(5));
    EXPECT_EQ(lines[6], end(5) + " - " + end(6));
    EXPECT_EQ(lines[8], end(7) + " - " + end(8));
    // The block is shown from birth, not from the start of the mahadasha.
    EXPECT_EQ(textOf(h.y + step, h.x + 1200, h.x + 2600), "05-01-1990");
}

// The rules under a block's first line and under its TO line: in English
// one line height of the font below the line's top, under the descenders; in
// Hindi (Devanagari stands taller than its step) one step below; the TO rule
// keeps under its lowered line.
TEST_F(VimshottariPages, RulesUnderTheHeaderAndTheToLine)
{
    Chart().PlanetLongitudes[Moon] = 0;
    for (bool hindi : {false, true}) {
        SCOPED_TRACE(hindi);
        ApplyDisplayConventions(hindi);
        const double step = OutputRun().LineStep;
        for (bool maha : {true, false}) {
            draw(maha, {.pratyantarPage = 1});
            const RecordedText& h = surface.Texts()[1 + (maha ? 1 : 0)];   // after the heading (and balance)
            ASSERT_GE(surface.Lines().size(), 2u);
            const RecordedLine& under = surface.Lines()[0];
            const RecordedLine& underTo = surface.Lines()[1];
            EXPECT_EQ(under.x1, h.x);
            EXPECT_EQ(under.x2, h.x + 2600);
            const double drop = hindi ? step + 1 : h.font.Size * RecordingSurface::HeightPerPoint + 4;
            EXPECT_EQ(under.y1, h.y + drop);
            // The pratyantar pages move the Hindi TO rule with the first.
            EXPECT_EQ(underTo.y1, h.y + 2 * step + 15 + drop - (hindi && maha ? 50 : 0));
            EXPECT_EQ(surface.Lines().size(), 2u * 9);
        }
    }
}

// Pratyantar pages: page 1 from the antardasha running at birth, page 2
// nine antardashas on, its first FROM the end of the antardasha before;
// a birth late in the first mahadasha crosses into the next within a page;
// the last page stops at the end of the ninth mahadasha.
TEST_F(VimshottariPages, PratyantarPagesFromTheAntardashaAtBirth)
{
    const double moon = 13.0;   // Ketu's mahadasha nearly run: its Mercury antardasha
    Chart().PlanetLongitudes[Moon] = moon;
    const DashaPeriods periods = tree(moon);
    ASSERT_EQ(periods.RunningAtBirth(DashaLevel::Antar), 8);
    const double step = OutputRun().LineStep;

    draw(false, {.pratyantarPage = 1});
    EXPECT_NE(surface.FindText("VVIMSOTTARI VPRATYANTAR VDASHA 1"), nullptr);
    auto blocks = headers(" DAYS)");
    ASSERT_EQ(blocks.size(), 9u);
    EXPECT_EQ(blocks[0]->text, "KETU - BUDHA (357 DAYS)");
    EXPECT_EQ(blocks[1]->text, "SHUKRA - SHUKRA (1200 DAYS)");
    EXPECT_EQ(blocks[8]->text, "SHUKRA - BUDHA (1020 DAYS)");
    EXPECT_EQ(textOf(blocks[0]->y + step, blocks[0]->x + 1200, blocks[0]->x + 2600), "05-01-1990");
    EXPECT_EQ(blocks[3]->y, blocks[0]->y + 13 * step);

    draw(false, {.pratyantarPage = 2});
    blocks = headers(" DAYS)");
    ASSERT_EQ(blocks.size(), 9u);
    EXPECT_EQ(blocks[0]->text, "SHUKRA - KETU (420 DAYS)");
    const std::string before = DecimalYearToDate(periods.Period(DashaLevel::Antar, 16).end, true, OutputRun().Choices());
    EXPECT_EQ(textOf(blocks[0]->y + step, blocks[0]->x + 1200, blocks[0]->x + 2600), before);
    const std::string firstEnd =
        DecimalYearToDate(periods.Period(DashaLevel::Pratyantar, 17 * 9).end, true, OutputRun().Choices());
    EXPECT_EQ(textOf(blocks[0]->y + 3 * step + 10, blocks[0]->x + 100, blocks[0]->x + 2600),
              before + " - " + firstEnd);

    draw(false, {.pratyantarPage = 9});   // antardasha 80, the last of the ninth mahadasha
    blocks = headers(" DAYS)");
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0]->text, "BUDHA - SANI (969 DAYS)");

    draw(false, {.pratyantarPage = 0});   // read as page 1
    EXPECT_NE(surface.FindText("VVIMSOTTARI VPRATYANTAR VDASHA 1"), nullptr);
}

// Sookshma pages: the nine pratyantardashas of one antardasha with their
// sookshmas in date and time; page 1 has no first FROM, later pages start
// at the end of the pratyantardasha before; pages beyond the ninth
// mahadasha draw nothing.
TEST_F(VimshottariPages, SookshmaPages)
{
    const double moon = 13.0;
    Chart().PlanetLongitudes[Moon] = moon;
    const DashaPeriods periods = tree(moon);
    const double step = OutputRun().LineStep;

    draw(false, {.sookshma = true, .sookshmaPage = 1});
    EXPECT_NE(surface.FindText("VVIMSOTTARI VSOOKSHAM VDASHA 1"), nullptr);
    auto blocks = headers(" DAYS)");
    ASSERT_EQ(blocks.size(), 9u);
    EXPECT_EQ(blocks[0]->text, "KETU - BUDHA - BUDHA (51 DAYS)");
    EXPECT_EQ(blocks[0]->x, 1440 + 350);
    EXPECT_EQ(blocks[1]->x, 1440 + 350 + 2750);
    EXPECT_EQ(row(blocks[0]->y + step).front(), "FROM");
    EXPECT_EQ(textAt(blocks[0]->y + step, blocks[0]->x + 1, blocks[0]->x + 2400), nullptr);
    // The sookshmas end in date and time, flush against x + 2400.
    for (int s = 0; s < 9; ++s) {
        const DashaPeriod p = periods.Period(DashaLevel::Sookshma, 8 * 81 + s);
        const double top = blocks[0]->y + (3 + s) * step + (s == 1 ? 15 : 0) + 10;
        const RecordedText* t = textAt(top, blocks[0]->x + 1, blocks[0]->x + 2400);
        ASSERT_NE(t, nullptr) << s;
        EXPECT_EQ(t->text, p.endedBeforeBirth ? "-" : DecimalYearToDateTime(p.end, OutputRun().Choices())) << s;
        EXPECT_EQ(rightOf(*t), blocks[0]->x + 2400) << s;
    }

    draw(false, {.sookshma = true, .sookshmaPage = 2});
    blocks = headers(" DAYS)");
    ASSERT_EQ(blocks.size(), 9u);
    EXPECT_EQ(blocks[0]->text, "SHUKRA - SHUKRA - SHUKRA (200 DAYS)");
    EXPECT_EQ(textOf(blocks[0]->y + step, blocks[0]->x + 1, blocks[0]->x + 2400),
              DecimalYearToDateTime(periods.Period(DashaLevel::Pratyantar, 80).end, OutputRun().Choices()));

    draw(false, {.sookshma = true, .sookshmaPage = 73});   // antardasha 80
    EXPECT_EQ(headers(" DAYS)").size(), 9u);
    draw(false, {.sookshma = true, .sookshmaPage = 74});   // the tenth mahadasha
    EXPECT_TRUE(surface.Events().empty());
}

// The families differ only in the longitude counted from and the heading:
// the Sun where the Moon was gives the Moon's pages under the Aaditya
// heading; the ascendant gives the SPS Lagnam pages.
TEST_F(VimshottariPages, FamiliesByTheirStartLongitude)
{
    const struct {
        DashaSelection selection;
        const char* maha;
        const char* pratyantar;
        const char* sookshma;
    } families[] = {
        {{}, "VVIMSOTTARI VMAHADASHA VA VANTAR VDASHA", "VVIMSOTTARI VPRATYANTAR VDASHA 3",
         "VVIMSOTTARI VSOOKSHAM VDASHA 7"},
        {{.fromSun = true}, "VAADITYA VMAHADASHA VA VANTAR VDASHA",
         "VAADITYA VPRATYANTAR VDASHA 3", "VAADITYA VSOOKSHAM VDASHA 7"},
        {{.fromAscendant = true}, "VSPS VLAGNAM VMAHADASHA VA VANTAR VDASHA",
         "VSPS VLAGNAM VPRATYANTAR VDASHA 3", "VSPS VLAGNAM VSOOKSHAM VDASHA 7"},
    };
    const auto bodyOf = [&](const std::string& heading) {
        std::vector<std::string> texts = surface.TextStrings();
        EXPECT_EQ(texts.front(), heading);
        texts.erase(texts.begin());
        return texts;
    };
    std::vector<std::string> moonPages[3];
    for (const auto& f : families) {
        SCOPED_TRACE(f.maha);
        Chart() = ChartState();
        const double longitude = 211.3;
        Chart().PlanetLongitudes[Moon] = 17;
        Chart().PlanetLongitudes[Sun] = 77;
        Chart().HouseCusps[1] = 133;
        if (f.selection.fromAscendant)
            Chart().HouseCusps[1] = longitude;
        else if (f.selection.fromSun)
            Chart().PlanetLongitudes[Sun] = longitude;
        else
            Chart().PlanetLongitudes[Moon] = longitude;

        DashaSelection s = f.selection;
        draw(true, s);
        const auto maha = bodyOf(f.maha);
        s.pratyantarPage = 3;
        draw(false, s);
        const auto pratyantar = bodyOf(f.pratyantar);
        s.sookshma = true;
        s.sookshmaPage = 7;
        draw(false, s);
        const auto sookshma = bodyOf(f.sookshma);
        if (moonPages[0].empty()) {
            moonPages[0] = maha;
            moonPages[1] = pratyantar;
            moonPages[2] = sookshma;
        } else {
            EXPECT_EQ(maha, moonPages[0]);
            EXPECT_EQ(pratyantar, moonPages[1]);
            EXPECT_EQ(sookshma, moonPages[2]);
        }
    }
}

// The compact page's first antardasha: seven before the current one, the
// current one itself while fewer than seven precede it, never before the
// one at birth, never past the fifteenth from the end.
TEST(CompactPratyantar, FirstAntardashaShown)
{
    const struct {
        int birth;
        std::optional<int> current;
        int first;
    } cases[] = {
        {0, 20, 13}, {3, 20, 13}, {0, 5, 5}, {0, 6, 6}, {0, 7, 0}, {4, 7, 4},
        {2, 9, 2},   // nine less seven is not after the birth antardasha
        {4, 4, 4},   {0, 85, 74}, {0, 81, 74}, {0, 80, 73}, {6, std::nullopt, 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstCompactAntardasha(c.birth, c.current), c.first)
            << c.birth << " " << c.current.value_or(-1);
}

// The current antardasha is that of the first pratyantardasha not ended by
// the month: a pratyantardasha ending later in the same month counts, and
// in December one ending in January is already later.
TEST(CompactPratyantar, AntardashaOfTheMonth)
{
    const DashaPeriods periods = VimshottariPeriods(VimshottariAtBirth(0), Birth);
    int checked = 0;
    for (int n = 1; n < periods.Count(DashaLevel::Pratyantar); ++n) {
        const CalendarDate end = DecimalYearToCalendar(periods.Period(DashaLevel::Pratyantar, n).end);
        const CalendarDate before =
            DecimalYearToCalendar(periods.Period(DashaLevel::Pratyantar, n - 1).end);
        if (before.year * 12 + before.month >= end.year * 12 + end.month - 1)
            continue;   // the month before holds an end too
        // No pratyantardasha ends in the month before this one's end month.
        const int year = end.month == 1 ? end.year - 1 : end.year;
        const int month = end.month == 1 ? 12 : end.month - 1;
        ASSERT_EQ(AntardashaOfMonth(periods, year, month), n / 9) << n;
        ASSERT_EQ(AntardashaOfMonth(periods, end.year, end.month), n / 9) << n;
        checked += end.month == 1;
    }
    EXPECT_GT(checked, 0);   // some of them across a year's end
    EXPECT_EQ(AntardashaOfMonth(periods, 1980, 6), 0);   // before birth: the birth antardasha
    EXPECT_EQ(AntardashaOfMonth(periods, 2200, 1), std::nullopt);
}

class CompactPratyantarPage : public DashaPageTest {
protected:
    // Today in the middle of antardasha a.
    CalendarDate during(int a) const
    {
        const DashaPeriod p = VimshottariPeriods(VimshottariAtBirth(Chart().PlanetLongitudes[Moon]), Birth)
                                  .Period(DashaLevel::Antar, a);
        return DecimalYearToCalendar((p.start + p.end) / 2);
    }
    std::vector<const RecordedText*> headers() const
    {
        std::vector<const RecordedText*> found;
        for (const RecordedText& t : surface.Texts())
            if (t.text.find(" - ") != std::string::npos &&
                t.text.find_first_of("0123456789") == std::string::npos)
                found.push_back(&t);
        return found;
    }
    void draw(const CalendarDate& today)
    {
        surface.ClearLog();
        surface.CurrentY = Config().TopMarginTwips;
        surface.Font.Size = OutputRun().BodyFontSize;
        PrintVimshottariPratyantar(surface, Chart(), 5, 1, 1990, today.year, today.month, RunContext());
    }
};

// Fifteen antardashas in three rows of five: with the current one the
// twenty-first, the page starts at the fourteenth (Venus - Rahu) and the
// current one (Sun - Mars) is the eighth block, second row, third column.
TEST_F(CompactPratyantarPage, StartsSevenBeforeTheCurrentAntardasha)
{
    Chart().PlanetLongitudes[Moon] = 0;
    draw(during(20));
    EXPECT_EQ(surface.Texts().front().text, "PRATYA");
    const auto blocks = headers();
    ASSERT_EQ(blocks.size(), 15u);
    EXPECT_EQ(blocks[0]->text, "SHUKRA - RAHU");
    EXPECT_EQ(blocks[7]->text, "RAVI - MANGAL");
    const double step = OutputRun().LineStep;
    for (int b = 0; b < 15; ++b) {
        EXPECT_EQ(blocks[b]->x, 1440 + (b % 5) * 1600 + 350) << b;
        EXPECT_EQ(blocks[b]->y, blocks[0]->y + (b / 5) * 13 * step) << b;
    }
    // FROM and TO captions in the first column only.
    EXPECT_EQ(row(blocks[0]->y + step).front(), "FROM");
    const std::vector<std::string> texts = surface.TextStrings();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "FROM"), 3);
    // The first FROM is the end of the antardasha before; every TO is the next FROM.
    const DashaPeriods periods = VimshottariPeriods(VimshottariAtBirth(0), Birth);
    std::string from = DecimalYearToDate(periods.Period(DashaLevel::Antar, 12).end, true, OutputRun().Choices());
    for (int b = 0; b < 15; ++b) {
        const double x = blocks[b]->x;
        const RecordedText* f = textAt(blocks[b]->y + step, x, x + 1300);
        ASSERT_NE(f, nullptr) << b;
        EXPECT_EQ(f->text, from) << b;
        EXPECT_EQ(rightOf(*f), x + 1250) << b;
        from = DecimalYearToDate(periods.Period(DashaLevel::Antar, 13 + b).end, true, OutputRun().Choices());
        EXPECT_EQ(textOf(blocks[b]->y + 2 * step + 15, x, x + 1300), from) << b;
        // Pratyantardasha ends in short form, 30 twips below their names.
        const DashaPeriod p = periods.Period(DashaLevel::Pratyantar, (13 + b) * 9 + 2);
        EXPECT_EQ(textOf(blocks[b]->y + 5 * step + 30, x + 1, x + 1300), DecimalYearToDate(p.end, false, OutputRun().Choices()));
    }
}

// Near the end of the tree the fifteen blocks end with the 89th antardasha;
// early in life the page starts at the current one or at birth, and the
// antardasha of birth is shown from the birth date with the dash for the
// pratyantardashas already ended.
TEST_F(CompactPratyantarPage, StartsAtBirthAndStopsAtTheEnd)
{
    Chart().PlanetLongitudes[Moon] = 20.0 / 3;   // birth in Ketu - Rahu, antardasha 5
    draw(during(85));
    auto blocks = headers();
    ASSERT_EQ(blocks.size(), 15u);
    EXPECT_EQ(blocks[14]->text, "KETU - SANI");   // antardasha 88: mahadasha 9, the eighth

    draw(during(5));
    blocks = headers();
    ASSERT_EQ(blocks.size(), 15u);
    EXPECT_EQ(blocks[0]->text, "KETU - RAHU");
    const double step = OutputRun().LineStep;
    EXPECT_EQ(textOf(blocks[0]->y + step, blocks[0]->x, blocks[0]->x + 1300), "05-01-1990");
    // Ketu - Rahu - Rahu ended before birth; so did the Jupiter one after it.
    EXPECT_EQ(textOf(blocks[0]->y + 3 * step + 30, blocks[0]->x + 1, blocks[0]->x + 1300), "-");
    EXPECT_EQ(textOf(blocks[0]->y + 4 * step + 15 + 30, blocks[0]->x + 1, blocks[0]->x + 1300), "-");
    draw(during(11));   // eleven less seven is before the birth antardasha
    EXPECT_EQ(headers()[0]->text, "KETU - RAHU");
}

} // namespace
