// The Yogini dasha pages on the recording surface: the maha periods from
// birth in blocks of five to a row, the antar page from the run's Yogini
// date, the periods ended before birth without dates.

#include "DashaPageSupport.h"

#include "calc/DecimalYear.h"
#include "readings/Yogini.h"

#include <cstdio>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

constexpr double Birth = 1990 + 1.0 / 12 + 5.0 / 360;   // 05-01-1990

// The yoginis as the echoing dictionary names them.
const char* const Names[] = {"MANGLA", "PINGLA", "DHANYA", "BHRAMARI",
                             "BHADRIKA", "ULKA", "SIDHA", "SANKATA"};

class YoginiPages : public DashaPageTest {
protected:
    void draw(int selector)
    {
        surface.ClearLog();
        surface.CurrentY = Config().TopMarginTwips;
        surface.Font.Size = OutputRun().BodyFontSize;
        PrintYoginiDasha(surface, Chart(), 5, 1, 1990, selector, RunContext());
    }
    DashaPeriods tree() const
    {
        return YoginiPeriods(YoginiAtMoon(Chart().PlanetLongitudes[Moon]), Birth);
    }
    // The top of the body below the heading.
    double bodyTop() const
    {
        return Config().TopMarginTwips + std::floor(1.25 * OutputRun().LineStep);
    }
};

// With the Moon at 0 degrees the first maha period is Bhramari's four years
// from the birth date; fifteen follow in three rows of five, each block's
// end the next one's start; the second page goes on with the sixteenth.
TEST_F(YoginiPages, MahaPeriodsFromBirth)
{
    Chart().PlanetLongitudes[Moon] = 0;
    const DashaPeriods periods = tree();
    const double step = OutputRun().LineStep;
    for (int page : {1, 2}) {
        SCOPED_TRACE(page);
        draw(-page);
        EXPECT_EQ(surface.Texts().front().text, "YOGINI DASHA");
        std::string start = page == 1 ? "05-01-1990"
                                      : DecimalYearToDate(periods.Period(DashaLevel::Maha, 14).end, true, OutputRun().Choices());
        for (int j = 0; j < 15; ++j) {
            const int i = (page - 1) * 15 + j;
            const int yogini = (3 + i) % 8;
            const double x = 1440 + 1800 * (j % 5);
            const double top = bodyTop() + 4000 * (j / 5);
            const std::string header =
                std::string(Names[yogini]) + " " + std::to_string(yogini + 1) + " YEARS";
            ASSERT_EQ(textOf(top, x, x + 1), header) << j;
            EXPECT_TRUE(textAt(top, x, x + 1)->font.Bold);
            const std::string end = DecimalYearToDate(periods.Period(DashaLevel::Maha, i).end, true, OutputRun().Choices());
            EXPECT_EQ(textOf(top + step, x + 300, x + 301), start) << j;
            EXPECT_EQ(textOf(top + 2 * step, x + 300, x + 301), end) << j;
            start = end;
            // The antar periods: the first four letters of each name, the
            // end with a two-digit year; the last one ends with the maha period.
            for (int k = 0; k < 8; ++k) {
                const RecordedText* name = textAt(top + (3 + k) * step, x, x + 1);
                ASSERT_NE(name, nullptr) << j << " " << k;
                EXPECT_EQ(name->text, std::string(Names[(yogini + k) % 8]).substr(0, 4));
                EXPECT_FALSE(name->font.Bold);
                EXPECT_EQ(textOf(top + (3 + k) * step, x + 650, x + 651),
                          DecimalYearToDate(periods.Period(DashaLevel::Antar, 8 * i + k).end, false, OutputRun().Choices()));
            }
            EXPECT_EQ(textOf(top + 10 * step, x + 650, x + 651),
                      DecimalYearToDate(periods.Period(DashaLevel::Maha, i).end, false, OutputRun().Choices()));
        }
        EXPECT_EQ(surface.Texts().size(), 1u + 15 * (3 + 8 * 2));
    }
}

// A Moon at the very end of Ashvini: Bhramari has almost nothing left, and
// her antar periods but the last ended before birth, shown without dates.
// Hindi names stand whole.
TEST_F(YoginiPages, AntarPeriodsEndedBeforeBirthShowNoDate)
{
    Chart().PlanetLongitudes[Moon] = 40.0 / 3 - 0.01;
    for (bool hindi : {false, true}) {
        ApplyDisplayConventions(hindi);
        draw(-1);
        const double step = OutputRun().LineStep;
        const double x = 1440;
        const double top = bodyTop();
        EXPECT_EQ(textOf(top + step, x + 300, x + 301), "05-01-1990");
        for (int k = 0; k < 8; ++k) {
            const std::string name = Names[(3 + k) % 8];
            EXPECT_EQ(textOf(top + (3 + k) * step, x, x + 1), hindi ? "hi:" + name : name.substr(0, 4));
            EXPECT_EQ(textAt(top + (3 + k) * step, x + 650, x + 651) != nullptr, k == 7) << k;
        }
    }
}

// The first period starts on the native's own birth date, also where the
// 360-day decimal year would name another day (the 31st, the 29th of
// February); the dates after it keep their encoding.
TEST_F(YoginiPages, FirstStartIsTheBirthDate)
{
    Chart().PlanetLongitudes[Moon] = 0;
    const struct {
        int day, month, year;
        const char* shown;
    } births[] = {{31, 1, 1990, "31-01-1990"}, {29, 2, 1988, "29-02-1988"}, {5, 1, 1990, "05-01-1990"}};
    for (const auto& b : births) {
        surface.ClearLog();
        surface.CurrentY = Config().TopMarginTwips;
        PrintYoginiDasha(surface, Chart(), b.day, b.month, b.year, -1, RunContext());
        const double x = 1440;
        EXPECT_EQ(textOf(bodyTop() + OutputRun().LineStep, x + 300, x + 301), b.shown);
        const DashaPeriods periods =
            YoginiPeriods(YoginiAtMoon(0), BirthDecimalYear(b.day, b.month, b.year));
        EXPECT_EQ(textOf(bodyTop() + 2 * OutputRun().LineStep, x + 300, x + 301),
                  DecimalYearToDate(periods.Period(DashaLevel::Maha, 0).end, true, OutputRun().Choices()));
    }
}

// The antar page from the run's Yogini date: eight blocks to a row, each
// antar period with its start and end and its pratyantar periods (day and
// month); a date before birth shows the antar periods of the birth's maha
// period from the first one on, their pratyantar periods that ended before
// birth without dates.
TEST_F(YoginiPages, AntarPageFromTheYoginiDate)
{
    Chart().PlanetLongitudes[Moon] = 20.0 / 3;   // half of Bhramari's four years have run
    const DashaPeriods periods = tree();
    OutputRun().YoginiFrom = 1900;
    draw(0);
    const double top = bodyTop();
    const double body = OutputRun().BodyFontSize;
    const RecordedText* title = textAt(top, 1440, 1441);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, "BHR BHR");
    EXPECT_TRUE(title->font.Bold);
    EXPECT_EQ(title->font.Size, body - 1);
    // Start and end in a smaller size, one under the other.
    const double line = (body - 1) * RecordingSurface::HeightPerPoint;
    const double dateLine = (body - 2) * RecordingSurface::HeightPerPoint;
    EXPECT_EQ(textOf(top + line, 1440, 1441), DecimalYearToDate(Birth - 2, true, OutputRun().Choices()));
    EXPECT_EQ(textOf(top + line + dateLine, 1440, 1441),
              DecimalYearToDate(Birth - 2 + 16.0 / 36, true, OutputRun().Choices()));
    EXPECT_EQ(textAt(top + line, 1440, 1441)->font.Size, body - 2);
    // Its pratyantar periods all ended before birth: names alone.
    for (int p = 0; p < 8; ++p) {
        const double y = top + line + 2 * dateLine + p * line;
        EXPECT_EQ(textOf(y, 1440, 1441), std::string(Names[(3 + p) % 8]).substr(0, 3)) << p;
        EXPECT_EQ(textAt(y, 1441, 2540), nullptr) << p;
    }
    // The fourth block, Bhramari - Sidha, runs at birth: its later pratyantar
    // periods have their day and month at x + 500.
    const double x = 1440 + 3 * 1100;
    EXPECT_EQ(textOf(top, x, x + 1), "BHR SID");
    int dated = 0;
    for (int p = 0; p < 8; ++p) {
        const double y = top + line + 2 * dateLine + p * line;
        const DashaPeriod q = periods.Period(DashaLevel::Pratyantar, 8 * 3 + p);
        const CalendarDate end = DecimalYearToCalendar(q.end);
        char dayMonth[8];
        std::snprintf(dayMonth, sizeof dayMonth, "%02d-%02d", end.day, end.month);
        EXPECT_EQ(textOf(y, x + 500, x + 501), q.endedBeforeBirth ? "" : dayMonth) << p;
        dated += !q.endedBeforeBirth;
    }
    EXPECT_GT(dated, 0);
    EXPECT_LT(dated, 8);
    // Thirty-two blocks in four rows, then the page ends.
    int titles = 0;
    for (const RecordedText& t : surface.Texts())
        titles += t.font.Bold && t.text.size() == 7 && t.text[3] == ' ';
    EXPECT_EQ(titles, 32);
    EXPECT_NE(textAt(top + 3 * 3000, 1440 + 7 * 1100, 1440 + 7 * 1100 + 1), nullptr);
    EXPECT_EQ(surface.Font.Size, body);
    EXPECT_FALSE(surface.Font.Bold);
}

// The Yogini date picks the first block: the birth moment gives the antar
// period running at birth; a date past the 36th maha period (some 160 years
// on) leaves the page empty below its heading.
TEST_F(YoginiPages, AntarPageStartsAtTheYoginiDate)
{
    Chart().PlanetLongitudes[Moon] = 20.0 / 3;
    OutputRun().YoginiFrom = Birth;
    draw(0);
    EXPECT_EQ(textOf(bodyTop(), 1440, 1441), "BHR SID");
    OutputRun().YoginiFrom = tree().Period(DashaLevel::Maha, 35).end + 0.01;
    draw(0);
    EXPECT_EQ(surface.TextStrings(), std::vector<std::string>{"YOGINI DASHA"});
    ApplyDisplayConventions(true);
    OutputRun().YoginiFrom = Birth;
    draw(0);
    const RecordedText* title = textAt(bodyTop(), 1440, 1441);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, "hi:BHRAMARI hi:SIDHA");
    // Two points smaller, and smaller still where the names would reach the
    // next block.
    EXPECT_LE(title->font.Size, OutputRun().BodyFontSize - 2);
    EXPECT_GE(title->font.Size, 0.7 * (OutputRun().BodyFontSize - 2));
}

} // namespace
