#include "BasicPage.h"

#include "Frame.h"
#include "TablePages.h"
#include "TableRows.h"
#include "TextFit.h"
#include "calc/Angles.h"
#include "calc/NameTables.h"
#include "calc/TextFormat.h"
#include "calc/TimeScale.h"
#include "panchang/Elements.h"
#include "panchang/HinduCalendar.h"
#include "panchang/Ishtkaal.h"
#include "panchang/Vimshottari.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace basic {

namespace {

std::string twoDigits(double v) { return ZeroPad(v, 2); }

// Degrees and minutes of a coordinate with its direction's name.
std::string coordinateText(int degrees, int minutes, bool negative, const char* positiveKey,
                           const char* negativeKey, const PageContext& page)
{
    return ZeroPad(degrees, 3) + page.choices.colon + ZeroPad(minutes, 2) + " " +
           page.Dict(negative ? negativeKey : positiveKey);
}

// The weekday of a date, Sunday 1 .. Saturday 7: day count 694025 (31
// December 1899) was a Sunday.
int weekdayOf(int day, int month, int year)
{
    const int fromSunday = (DayNumber(day, month, year) - EpochDayNumber) % 7;
    return (fromSunday + 7) % 7 + 1;
}

std::string clockText(int hour, int minute, int second, const PageContext& page)
{
    const std::string& colon = page.choices.colon;
    return ZeroPad(hour, 2) + colon + ZeroPad(minute, 2) + colon + ZeroPad(second, 2);
}

std::string ayanamsaKey(int choice)
{
    switch (choice) {
    case 1: return "KP";
    case 2: return "BVRAMAN";
    default: return "NCLAHIRI";
    }
}

} // namespace

std::string WarTimeText(const WarTime& w, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const bool behind = std::signbit(w[0]) || w[1] < 0 || w[2] < 0;
    return (behind ? page.choices.dash : layout.plus) + twoDigits(std::fabs(w[0])) +
           page.choices.colon + twoDigits(std::fabs(w[1])) + page.choices.colon +
           twoDigits(std::fabs(w[2]));
}

std::string LocalTimeCorrectionText(double placeLongitude, double zoneMeridian,
                                    const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const double hours = (placeLongitude - zoneMeridian) / 15;
    // The sign of what is shown: a correction that rounds to no second is "+".
    const bool west = std::llround(hours * 3600) < 0;
    return (west ? page.choices.dash : layout.plus) + FormatHMS(std::fabs(hours), 24, page.choices.colon);
}

std::string LocalTimeText(const BirthRecord& b, double placeLongitude, double zoneMeridian,
                          const PageContext& page)
{
    const double clock = b.Hour + b.Minute / 60.0 + b.Second / 3600.0 + b.TimeCorrection;
    // Before midnight by local mean time the birth is in the evening, not
    // as many minutes after midnight.
    return FormatHMS(RealMod(clock + (placeLongitude - zoneMeridian) / 15, 24), 24, page.choices.colon);
}

std::string SunriseSunsetText(const SunTimes& times, int rise, int set, const std::string& separator,
                              const PageContext& page)
{
    switch (SunDayOf(times)) {
    case SunDay::MidnightSun:
        return page.Dict("MIDNIGHT SUN");
    case SunDay::PolarNight:
        return page.Dict("POLAR NIGHT");
    case SunDay::RisesAndSets:
        break;
    }
    const std::string& colon = page.choices.colon;
    return FormatHMS(times[rise], 24, colon) + separator + FormatHMS(times[set], 24, colon);
}

std::string DayLengthText(double sunrise, double sunset, const PageContext& page)
{
    // A whole day of sunshine is 24:00:00, not a day turned over to 0.
    constexpr int PastAWholeDay = 25;
    return FormatHMS(sunset - sunrise, PastAWholeDay, page.choices.colon);
}

int SignOf(double longitude)
{
    return std::min(static_cast<int>(ReduceDegrees(longitude) / 30) + 1, 12);
}

int TropicalSunSign(const PersonChart& p) { return SignOf(p.Sun() + p.Ayanamsa()); }

std::string SignLordKey(int sign)
{
    return std::string(BodyKeys[BodyDisplayOrder[SignLords[sign]]]);
}

std::string NakshatraLordKey(int nakshatra)
{
    return std::string(BodyKeys[BodyDisplayOrder[NakshatraLord(nakshatra)]]);
}

std::string SignAndLordText(int sign, const PageContext& page)
{
    return page.Dict(SignKeys[sign]) + page.choices.dash + page.Dict(SignLordKey(sign));
}

std::string PayaText(double moon, double lagna, const PageContext& page)
{
    const int m = SignOf(moon);
    const int l = SignOf(lagna);
    const int house = (m - l + 12) % 12 + 1;
    return PayaByHouse(house, page.texts) + page.choices.slash + PayaByNakshatra(CalcNakshatra(moon), page.texts);
}

double TypedRowHeight(const FittedText& text, double rowStep, double scale)
{
    // The blank under a row's last line, at the least: what the row's step
    // leaves under a line of its text, and never less than at the step
    // the rows stand at on a page of short names.
    constexpr double LeastBlank = 40;
    if (text.lines.size() < 2)
        return rowStep;
    return text.Height() + std::max(rowStep - text.lineHeight, LeastBlank * scale);
}

BirthRows MakeBirthRows(const PersonChart& first, const PersonChart* second, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const std::string& slash = page.choices.slash;
    const std::string& dash = page.choices.dash;
    const int people = second ? 2 : 1;
    const PersonChart* person[2] = {&first, second};

    BirthRows r;
    // A row's caption and the value of each person.
    auto fill = [&](Row& row, std::string caption, auto value) {
        row.caption = std::move(caption);
        for (int i = 0; i < people; ++i)
            row.values[i] = value(*person[i]);
    };

    fill(r.name, page.Dict("Name"), [](const PersonChart& p) { return p.birth.Name; });
    if (!second) {
        const BirthState& b = page.births;
        r.father = {page.Dict("Father"), {b.Father, ""}};
        r.mother = {page.Dict("Mother"), {b.Mother, ""}};
        r.grandfather = {page.Dict("GrandFather"), {b.Grandfather, ""}};
        r.gotra = {page.Dict("Gotra"), {b.Gotra, ""}};
    }
    fill(r.sex, page.Dict("Sex"), [&](const PersonChart& p) { return page.Dict(p.birth.Sex); });
    if (second)
        r.sex.values[1] = page.Dict("Female");
    fill(r.dateOfBirth, page.Dict("DOB"), [&](const PersonChart& p) {
        const BirthRecord& b = p.birth;
        // The weekday's key: "_" and the first three letters of its name.
        std::string weekdayKey = "_";
        weekdayKey.append(WeekdayNames[weekdayOf(b.Day, b.Month, b.Year)].substr(0, 3));
        return ZeroPad(b.Day, 2) + dash + ZeroPad(b.Month, 2) + dash + ZeroPad(b.Year, 4) + " " +
               layout.open + page.Dict(weekdayKey) + layout.close;
    });
    fill(r.timeOfBirth, page.Dict("TOB"), [&](const PersonChart& p) {
        const BirthRecord& b = p.birth;
        return clockText(b.Hour, b.Minute, b.Second, page) + " " + layout.open +
               CalcIshtkaal(b, page.choices).text + " " + page.Dict("Ghati") + layout.close;
    });
    fill(r.timeZone, page.Dict("Time Zone"), [](const PersonChart& p) { return p.birth.Country; });
    fill(r.place, page.Dict("Place"), [](const PersonChart& p) { return p.birth.Place; });
    fill(r.latitude, page.Dict("Latitude"), [&](const PersonChart& p) {
        const BirthRecord& b = p.birth;
        return coordinateText(b.LatDeg, b.LatMin, IsSouth(b.LatDir), "North", "South", page);
    });
    fill(r.longitude, page.Dict("Longitude"), [&](const PersonChart& p) {
        const BirthRecord& b = p.birth;
        return coordinateText(b.LongDeg, b.LongMin, IsWest(b.LongDir), "East", "West", page);
    });
    fill(r.zoneLongitude, page.Dict("StdLongitude"), [&](const PersonChart& p) {
        const BirthRecord& b = p.birth;
        return coordinateText(b.ZoneDeg, b.ZoneMin, IsWest(b.ZoneDir), "East", "West", page);
    });
    fill(r.localTimeCorrection, page.Dict("LTC"), [&](const PersonChart& p) {
        return LocalTimeCorrectionText(p.placeLongitude, p.zoneMeridian, page);
    });
    fill(r.warTimeCorrection, page.Dict("WTC"),
         [&](const PersonChart& p) { return WarTimeText(p.warTime, page); });
    fill(r.localTime, page.Dict("Local Time"), [&](const PersonChart& p) {
        return LocalTimeText(p.birth, p.placeLongitude, p.zoneMeridian, page);
    });
    fill(r.siderealTime, page.Dict("Siderial Time"),
         [&](const PersonChart& p) { return FormatHMS(p.siderealTime, 24, page.choices.colon); });
    fill(r.sunriseLocal, page.Dict("SRSSL"), [&](const PersonChart& p) {
        return SunriseSunsetText(p.sunTimes, 1, 2, slash, page);
    });
    fill(r.sunriseZone, page.Dict("SRSSS"), [&](const PersonChart& p) {
        return SunriseSunsetText(p.sunTimes, 3, 4, slash, page);
    });
    fill(r.ayanGolRitu, page.Dict("_AAYAN") + slash + page.Dict("_GOOL") + slash + page.Dict("_RITU"),
         [&](const PersonChart& p) {
             const int t = TropicalSunSign(p);
             return page.Dict(AyanKeys(t)) + slash + page.Dict(GolKeys(t)) + slash + page.Dict(RituKeys(t));
         });
    // The month of the tithi is the lunar month it falls in (that of the
    // person's own page), not the national calendar's month of the day.
    std::string months[2];
    for (int i = 0; i < people; ++i)
        months[i] = LunarMonthText(LunarMonthAtBirth(person[i]->birth, page.choices), page.texts);
    fill(r.tithiPaksha, page.Dict("TithiPaksh"), [&](const PersonChart& p) {
        const int tithi = static_cast<int>(p.panchang[TithiElement]);
        return page.Dict(TithiKey(tithi)) + slash + page.Dict(tithi > 15 ? "_Krishna" : "_Shukla") + slash +
               months[&p == &first ? 0 : 1];
    });
    r.pakshaName = page.Dict(first.panchang[TithiElement] > 15 ? "_Krishna" : "_Shukla");
    r.monthName = months[0];
    // The samvat years turn at each person's lunar new year.
    SamvatYears samvat[2];
    for (int i = 0; i < people; ++i)
        samvat[i] = CalcSamvatAtBirth(person[i]->birth, page.choices);
    auto samvatOf = [&](const PersonChart& p) { return samvat[&p == &first ? 0 : 1]; };
    fill(r.shakaSamvat, page.Dict("Shalivan Shak Samvat"),
         [&](const PersonChart& p) { return ZeroPad(samvatOf(p).shaka, 4); });
    fill(r.vikramSamvat, page.Dict("Vikram Samvat"),
         [&](const PersonChart& p) { return ZeroPad(samvatOf(p).vikram, 4); });
    fill(r.yoga, page.Dict("Yog"), [&](const PersonChart& p) {
        return page.Dict(YogaKeys[YogaNumberOfIndex(static_cast<int>(p.panchang[YogaIndexElement]))]);
    });
    fill(r.ayanamsa,
         page.Dict("Ayanamsa") + " " + layout.open + page.Dict(ayanamsaKey(page.choices.ayanamsaChoice)) + layout.close,
         [&](const PersonChart& p) { return FormatDMS(p.Ayanamsa(), page.choices.colon); });
    fill(r.sunSign, page.Dict("Sun Sign"),
         [&](const PersonChart& p) { return page.Dict(SignKeys[TropicalSunSign(p)]); });
    fill(r.lagna, page.Dict("Lagna-Lagna Lord"),
         [&](const PersonChart& p) { return SignAndLordText(SignOf(p.ascendant), page); });
    fill(r.rashi, page.Dict("Rashi-Rashi Lord"),
         [&](const PersonChart& p) { return SignAndLordText(SignOf(p.Moon()), page); });
    fill(r.nakshatraCharan, page.Dict("Nakshatra-Charan"), [&](const PersonChart& p) {
        return page.Dict(NakshatraKeys(p.Nakshatra())) + dash + std::to_string(p.Pada());
    });
    fill(r.nakshatraLord, page.Dict("Nakshatra") + " " + page.Dict("Lord"), [&](const PersonChart& p) {
        return page.Dict(NakshatraLordKey(p.Nakshatra()));
    });
    fill(r.paya, page.Dict("Rashipaya") + slash + page.Dict("Nakshatrapaya"),
         [&](const PersonChart& p) { return PayaText(p.payaMoon, p.payaLagna, page); });
    if (!second) {
        r.bhogya = {page.Dict("Bhogya"),
                    {BalanceText(VimshottariAtBirth(DashaStartLongitude(page.chart, false, false)), page.texts), ""}};
    }
    return r;
}

std::vector<const Row*> MatchRows(const BirthRows& r)
{
    return {&r.name, &r.sex, &r.dateOfBirth, &r.timeOfBirth, &r.timeZone, &r.place,
            &r.latitude, &r.longitude, &r.zoneLongitude, &r.localTimeCorrection,
            &r.warTimeCorrection, &r.localTime, &r.siderealTime, &r.sunriseLocal,
            &r.sunriseZone, &r.ayanGolRitu, &r.tithiPaksha, &r.shakaSamvat, &r.vikramSamvat,
            &r.yoga, &r.ayanamsa, &r.sunSign, &r.lagna, &r.rashi, &r.nakshatraCharan,
            &r.nakshatraLord, &r.paya};
}

namespace {

// A value the user typed, in the English face where the page is in Hindi
// (typed texts are in Latin letters), fitted into width twips and printed
// with its top at y. Returns the height the row needs: a row's step, or
// more where the value takes two lines.
double printTyped(Surface& surface, double x, double y, std::string_view text, double width, double size,
                  double step, double scale)
{
    const FittedText fitted = FitTypedText(surface, text, width, size, TypedTextFloor(size));
    PrintFittedText(surface, fitted, x, y);
    return TypedRowHeight(fitted, step, scale);
}

// The two persons side by side: captions, the boy, the girl. Names and
// places are printed in the English face, each in its column. Returns the y
// below the table.
int printMatchTable(Surface& surface, int y, const BirthRows& rows, const PageLayout& layout, double rowStep)
{
    const int left = layout.leftMargin;
    const int columns[3] = {left + 500, left + 2500, left + 6000};
    const auto scaled = [&](double twips) { return basic::scaled(twips, layout); };
    const double rooms[2] = {static_cast<double>(scaled(columns[2] - columns[1] - ColumnGap)),
                             PageBodyRight(layout) - scaled(columns[2])};
    for (const Row* row : MatchRows(rows)) {
        const bool typed = row == &rows.name || row == &rows.timeZone || row == &rows.place;
        double step = rowStep;
        for (int j = 0; j < 3; ++j) {
            SetBodyFont(surface, layout);
            if (j > 0 && typed) {
                surface.Font.Name = layout.englishFontName;
                step = std::max(step, printTyped(surface, scaled(columns[j]), y, row->values[j - 1], rooms[j - 1],
                                                 layout.englishFontSize * layout.scale, rowStep, layout.scale));
                continue;
            }
            PrintAt(surface, scaled(columns[j]), y, j == 0 ? row->caption : row->values[j - 1]);
        }
        y += static_cast<int>(std::lround(step));
        if (row == &rows.place || row == &rows.tithiPaksha)
            y += static_cast<int>(std::lround(rowStep / 5));
    }
    return y;
}

// One person's panchang in two halves of 25 rows side by side, row beside
// row. Returns the y below the table.
int printPanchangTable(Surface& surface, int top, const std::vector<Cell>& cells,
                       const PageContext& page, double rowStep)
{
    const PageLayout& layout = page.layout;
    const int left = layout.leftMargin;
    constexpr std::size_t HalfRows = 25;
    const int captionX[2] = {left, left + 5200};
    const int valueX[2] = {left + 2500, left + 7400};
    // A typed value keeps clear of the right half's captions, or of the frame.
    const auto scaled = [&](double twips) { return basic::scaled(twips, layout); };
    const double rooms[2] = {static_cast<double>(scaled(captionX[1] - valueX[0] - ColumnGap)),
                             PageBodyRight(layout) - scaled(valueX[1])};
    int y = top;
    for (std::size_t i = 0; i < HalfRows && i < cells.size(); ++i) {
        double step = rowStep;
        for (std::size_t half = 0; half < 2; ++half) {
            const std::size_t k = i + half * HalfRows;
            if (k >= cells.size())
                continue;
            const Cell& cell = cells[k];
            SetBodyFont(surface, layout);
            PrintAt(surface, scaled(captionX[half]), y, cell.caption);
            if (!cell.typed) {
                PrintAt(surface, scaled(valueX[half]), y, cell.value);
                continue;
            }
            double size = surface.Font.Size;
            if (page.choices.languageHindi) {
                surface.Font.Name = layout.englishFontName;
                size = (layout.bodyFontSize - 5) * layout.scale;
            }
            step = std::max(step, printTyped(surface, scaled(valueX[half]), y, cell.value, rooms[half], size, rowStep,
                                             layout.scale));
        }
        y += static_cast<int>(std::lround(step));
    }
    SetBodyFont(surface, layout);
    return y;
}

} // namespace

} // namespace basic

void PrintBasicPage(Surface& surface, const PageContext& page, bool matchPage)
{
    using namespace basic;
    const PageLayout& layout = page.layout;
    const auto scaled = [&](double twips) { return basic::scaled(twips, layout); };
    const PersonChart first = NativeChartOf(page.births, page.chart);
    PersonChart second;
    if (matchPage)
        second = PartnerChartOf(page.births, page.match);
    const PersonChart* girl = matchPage ? &second : nullptr;

    const BirthRows rows = MakeBirthRows(first, girl, page);
    std::vector<Cell> cells;
    if (!matchPage)
        cells = MakePanchangRows(rows, first, page);
    const Chakras chakras = MakeChakras(first, girl, rows, page);
    const auto draw = [&](Surface& s, double step) {
        int y = scaled(layout.topMargin);
        y = matchPage ? printMatchTable(s, y, rows, layout, step) : printPanchangTable(s, y, cells, page, step);
        return PrintChakras(s, y, chakras, page, step);
    };
    // Long names and places take a second line: the rows then stand closer
    // together, as far as they keep apart, rather than run past the foot of
    // the frame.
    double step = scaled(RowStep);
    MeasuringSurface measure(surface);
    measure.Font = surface.Font;
    while (step > scaled(TightestRowStep) && draw(measure, step) > PageFootLine(layout))
        step = std::max(step - scaled(RowStepDecrement), static_cast<double>(scaled(TightestRowStep)));
    draw(surface, step);
}

} // namespace tarvik
