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
#include "refdata/TextLookup.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace basic {

namespace {

std::string twoDigits(double v) { return ZeroPad(v, 2); }

// Degrees and minutes of a coordinate with its direction's name.
std::string coordinateText(int degrees, int minutes, bool negative, const char* positiveKey,
                           const char* negativeKey, const RunChoices& choices)
{
    return ZeroPad(degrees, 3) + choices.colon + ZeroPad(minutes, 2) + " " +
           Dict(negative ? negativeKey : positiveKey);
}

// The weekday of a date, Sunday 1 .. Saturday 7: day count 694025 (31
// December 1899) was a Sunday.
int weekdayOf(int day, int month, int year)
{
    const int fromSunday = (DayNumber(day, month, year) - EpochDayNumber) % 7;
    return (fromSunday + 7) % 7 + 1;
}

std::string clockText(int hour, int minute, int second, const RunChoices& choices)
{
    const std::string& colon = choices.colon;
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

std::string WarTimeText(const WarTime& w, const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    const bool behind = std::signbit(w[0]) || w[1] < 0 || w[2] < 0;
    return (behind ? choices.dash : run.PunctPlus) + twoDigits(std::fabs(w[0])) +
           choices.colon + twoDigits(std::fabs(w[1])) + choices.colon +
           twoDigits(std::fabs(w[2]));
}

std::string LocalTimeCorrectionText(double placeLongitude, double zoneMeridian,
                                    const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    const double hours = (placeLongitude - zoneMeridian) / 15;
    // The sign of what is shown: a correction that rounds to no second is "+".
    const bool west = std::llround(hours * 3600) < 0;
    return (west ? choices.dash : run.PunctPlus) + FormatHMS(std::fabs(hours), 24, choices.colon);
}

std::string LocalTimeText(const BirthRecord& b, double placeLongitude, double zoneMeridian,
                          const RunChoices& choices)
{
    const double clock = b.Hour + b.Minute / 60.0 + b.Second / 3600.0 + b.TimeCorrection;
    // Before midnight by local mean time the birth is in the evening, not
    // as many minutes after midnight.
    return FormatHMS(RealMod(clock + (placeLongitude - zoneMeridian) / 15, 24), 24, choices.colon);
}

std::string SunriseSunsetText(const SunTimes& times, int rise, int set, const std::string& separator,
                              const RunChoices& choices)
{
    switch (SunDayOf(times)) {
    case SunDay::MidnightSun:
        return Dict("MIDNIGHT SUN");
    case SunDay::PolarNight:
        return Dict("POLAR NIGHT");
    case SunDay::RisesAndSets:
        break;
    }
    const std::string& colon = choices.colon;
    return FormatHMS(times[rise], 24, colon) + separator + FormatHMS(times[set], 24, colon);
}

std::string DayLengthText(double sunrise, double sunset, const RunChoices& choices)
{
    // A whole day of sunshine is 24:00:00, not a day turned over to 0.
    constexpr int PastAWholeDay = 25;
    return FormatHMS(sunset - sunrise, PastAWholeDay, choices.colon);
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

std::string SignAndLordText(int sign, const RunChoices& choices)
{
    return Dict(SignKeys[sign]) + choices.dash + Dict(SignLordKey(sign));
}

std::string PayaText(double moon, double lagna, const RunChoices& choices)
{
    const int m = SignOf(moon);
    const int l = SignOf(lagna);
    const int house = (m - l + 12) % 12 + 1;
    return PayaByHouse(house, Texts(choices)) + choices.slash + PayaByNakshatra(CalcNakshatra(moon), Texts(choices));
}

double TypedRowHeight(const FittedText& text, double rowStep)
{
    // The blank under a row's last line, at the least: what the row's step
    // leaves under a line of its text, and never less than at the step
    // the rows stand at on a page of short names.
    constexpr double LeastBlank = 40;
    if (text.lines.size() < 2)
        return rowStep;
    return text.Height() + std::max(rowStep - text.lineHeight, LeastBlank * OutputRun().OutputScale);
}

BirthRows MakeBirthRows(const PersonChart& first, const PersonChart* second, const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    const std::string& slash = choices.slash;
    const std::string& dash = choices.dash;
    const int people = second ? 2 : 1;
    const PersonChart* person[2] = {&first, second};

    BirthRows r;
    // A row's caption and the value of each person.
    auto fill = [&](Row& row, std::string caption, auto value) {
        row.caption = std::move(caption);
        for (int i = 0; i < people; ++i)
            row.values[i] = value(*person[i]);
    };

    fill(r.name, Dict("Name"), [](const PersonChart& p) { return p.birth.Name; });
    if (!second) {
        const BirthState& b = Births();
        r.father = {Dict("Father"), {b.Father, ""}};
        r.mother = {Dict("Mother"), {b.Mother, ""}};
        r.grandfather = {Dict("GrandFather"), {b.Grandfather, ""}};
        r.gotra = {Dict("Gotra"), {b.Gotra, ""}};
    }
    fill(r.sex, Dict("Sex"), [](const PersonChart& p) { return Dict(p.birth.Sex); });
    if (second)
        r.sex.values[1] = Dict("Female");
    fill(r.dateOfBirth, Dict("DOB"), [&](const PersonChart& p) {
        const BirthRecord& b = p.birth;
        // The weekday's key: "_" and the first three letters of its name.
        std::string weekdayKey = "_";
        weekdayKey.append(WeekdayNames[weekdayOf(b.Day, b.Month, b.Year)].substr(0, 3));
        return ZeroPad(b.Day, 2) + dash + ZeroPad(b.Month, 2) + dash + ZeroPad(b.Year, 4) + " " +
               run.PunctOpen + Dict(weekdayKey) + run.PunctClose;
    });
    fill(r.timeOfBirth, Dict("TOB"), [&](const PersonChart& p) {
        const BirthRecord& b = p.birth;
        return clockText(b.Hour, b.Minute, b.Second, choices) + " " + run.PunctOpen +
               CalcIshtkaal(b, choices).text + " " + Dict("Ghati") + run.PunctClose;
    });
    fill(r.timeZone, Dict("Time Zone"), [](const PersonChart& p) { return p.birth.Country; });
    fill(r.place, Dict("Place"), [](const PersonChart& p) { return p.birth.Place; });
    fill(r.latitude, Dict("Latitude"), [&](const PersonChart& p) {
        const BirthRecord& b = p.birth;
        return coordinateText(b.LatDeg, b.LatMin, IsSouth(b.LatDir), "North", "South", choices);
    });
    fill(r.longitude, Dict("Longitude"), [&](const PersonChart& p) {
        const BirthRecord& b = p.birth;
        return coordinateText(b.LongDeg, b.LongMin, IsWest(b.LongDir), "East", "West", choices);
    });
    fill(r.zoneLongitude, Dict("StdLongitude"), [&](const PersonChart& p) {
        const BirthRecord& b = p.birth;
        return coordinateText(b.ZoneDeg, b.ZoneMin, IsWest(b.ZoneDir), "East", "West", choices);
    });
    fill(r.localTimeCorrection, Dict("LTC"), [&](const PersonChart& p) {
        return LocalTimeCorrectionText(p.placeLongitude, p.zoneMeridian, choices);
    });
    fill(r.warTimeCorrection, Dict("WTC"),
         [&](const PersonChart& p) { return WarTimeText(p.warTime, choices); });
    fill(r.localTime, Dict("Local Time"), [&](const PersonChart& p) {
        return LocalTimeText(p.birth, p.placeLongitude, p.zoneMeridian, choices);
    });
    fill(r.siderealTime, Dict("Siderial Time"),
         [&](const PersonChart& p) { return FormatHMS(p.siderealTime, 24, choices.colon); });
    fill(r.sunriseLocal, Dict("SRSSL"), [&](const PersonChart& p) {
        return SunriseSunsetText(p.sunTimes, 1, 2, slash, choices);
    });
    fill(r.sunriseZone, Dict("SRSSS"), [&](const PersonChart& p) {
        return SunriseSunsetText(p.sunTimes, 3, 4, slash, choices);
    });
    fill(r.ayanGolRitu, Dict("_AAYAN") + slash + Dict("_GOOL") + slash + Dict("_RITU"),
         [&](const PersonChart& p) {
             const int t = TropicalSunSign(p);
             return Dict(AyanKeys(t)) + slash + Dict(GolKeys(t)) + slash + Dict(RituKeys(t));
         });
    fill(r.tithiPaksha, Dict("TithiPaksh"), [&](const PersonChart& p) {
        const int tithi = static_cast<int>(p.panchang[TithiElement]);
        // The month of the tithi is the lunar month it falls in (that of the
        // person's own page), not the national calendar's month of the day.
        return Dict(TithiKey(tithi)) + slash + Dict(tithi > 15 ? "_Krishna" : "_Shukla") + slash +
               LunarMonthText(LunarMonthAtBirth(p.birth, choices), Texts(choices));
    });
    r.pakshaName = Dict(first.panchang[TithiElement] > 15 ? "_Krishna" : "_Shukla");
    // The samvat years turn at each person's lunar new year.
    SamvatYears samvat[2];
    for (int i = 0; i < people; ++i)
        samvat[i] = CalcSamvatAtBirth(person[i]->birth, choices);
    auto samvatOf = [&](const PersonChart& p) { return samvat[&p == &first ? 0 : 1]; };
    fill(r.shakaSamvat, Dict("Shalivan Shak Samvat"),
         [&](const PersonChart& p) { return ZeroPad(samvatOf(p).shaka, 4); });
    fill(r.vikramSamvat, Dict("Vikram Samvat"),
         [&](const PersonChart& p) { return ZeroPad(samvatOf(p).vikram, 4); });
    fill(r.yoga, Dict("Yog"), [](const PersonChart& p) {
        return Dict(YogaKeys[YogaNumberOfIndex(static_cast<int>(p.panchang[YogaIndexElement]))]);
    });
    fill(r.ayanamsa,
         Dict("Ayanamsa") + " " + run.PunctOpen + Dict(ayanamsaKey(choices.ayanamsaChoice)) + run.PunctClose,
         [&](const PersonChart& p) { return FormatDMS(p.Ayanamsa(), choices.colon); });
    fill(r.sunSign, Dict("Sun Sign"), [](const PersonChart& p) { return Dict(SignKeys[TropicalSunSign(p)]); });
    fill(r.lagna, Dict("Lagna-Lagna Lord"),
         [&](const PersonChart& p) { return SignAndLordText(SignOf(p.ascendant), choices); });
    fill(r.rashi, Dict("Rashi-Rashi Lord"),
         [&](const PersonChart& p) { return SignAndLordText(SignOf(p.Moon()), choices); });
    fill(r.nakshatraCharan, Dict("Nakshatra-Charan"), [&](const PersonChart& p) {
        return Dict(NakshatraKeys(p.Nakshatra())) + dash + std::to_string(p.Pada());
    });
    fill(r.nakshatraLord, Dict("Nakshatra") + " " + Dict("Lord"), [](const PersonChart& p) {
        return Dict(NakshatraLordKey(p.Nakshatra()));
    });
    fill(r.paya, Dict("Rashipaya") + slash + Dict("Nakshatrapaya"),
         [&](const PersonChart& p) { return PayaText(p.payaMoon, p.payaLagna, choices); });
    if (!second) {
        r.bhogya = {Dict("Bhogya"),
                    {BalanceText(VimshottariAtBirth(DashaStartLongitude(Chart(), false, false)), Texts(choices)), ""}};
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

int scaled(double twips) { return static_cast<int>(std::lround(twips * OutputRun().OutputScale)); }

void bodyFont(Surface& surface)
{
    const RunValues& run = OutputRun();
    surface.Font.Name = run.BodyFontName;
    surface.Font.Size = run.BodyFontSize * run.OutputScale;
}

// A value the user typed, in the English face where the page is in Hindi
// (typed texts are in Latin letters), fitted into width twips and printed
// with its top at y. Returns the height the row needs: a row's step, or
// more where the value takes two lines.
double printTyped(Surface& surface, double x, double y, std::string_view text, double width, double size,
                  double step)
{
    const FittedText fitted = FitTypedText(surface, text, width, size, TypedTextFloor(size));
    PrintFittedText(surface, fitted, x, y);
    return TypedRowHeight(fitted, step);
}

// The two persons side by side: captions, the boy, the girl. Names and
// places are printed in the English face, each in its column. Returns the y
// below the table.
int printMatchTable(Surface& surface, int y, const BirthRows& rows, double rowStep)
{
    const RunValues& run = OutputRun();
    const int left = Config().LeftMarginTwips;
    const int columns[3] = {left + 500, left + 2500, left + 6000};
    const double rooms[2] = {static_cast<double>(scaled(columns[2] - columns[1] - ColumnGap)), PageBodyRight() - scaled(columns[2])};
    for (const Row* row : MatchRows(rows)) {
        const bool typed = row == &rows.name || row == &rows.timeZone || row == &rows.place;
        double step = rowStep;
        for (int j = 0; j < 3; ++j) {
            bodyFont(surface);
            if (j > 0 && typed) {
                surface.Font.Name = run.EnglishFontName;
                step = std::max(step, printTyped(surface, scaled(columns[j]), y, row->values[j - 1], rooms[j - 1],
                                                 run.EnglishFontSize * run.OutputScale, rowStep));
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
                       const RunChoices& choices, double rowStep)
{
    const RunValues& run = OutputRun();
    const int left = Config().LeftMarginTwips;
    constexpr std::size_t HalfRows = 25;
    const int captionX[2] = {left, left + 5200};
    const int valueX[2] = {left + 2500, left + 7400};
    // A typed value keeps clear of the right half's captions, or of the frame.
    const double rooms[2] = {static_cast<double>(scaled(captionX[1] - valueX[0] - ColumnGap)), PageBodyRight() - scaled(valueX[1])};
    int y = top;
    for (std::size_t i = 0; i < HalfRows && i < cells.size(); ++i) {
        double step = rowStep;
        for (std::size_t half = 0; half < 2; ++half) {
            const std::size_t k = i + half * HalfRows;
            if (k >= cells.size())
                continue;
            const Cell& cell = cells[k];
            bodyFont(surface);
            PrintAt(surface, scaled(captionX[half]), y, cell.caption);
            if (!cell.typed) {
                PrintAt(surface, scaled(valueX[half]), y, cell.value);
                continue;
            }
            double size = surface.Font.Size;
            if (choices.languageHindi) {
                surface.Font.Name = run.EnglishFontName;
                size = (run.BodyFontSize - 5) * run.OutputScale;
            }
            step = std::max(step, printTyped(surface, scaled(valueX[half]), y, cell.value, rooms[half], size, rowStep));
        }
        y += static_cast<int>(std::lround(step));
    }
    bodyFont(surface);
    return y;
}

} // namespace

} // namespace basic

void PrintBasicPage(Surface& surface, bool matchPage, const SunTimes* partnerSunTimes,
                    const PanchangValues* partnerPanchang, const RunChoices& choices)
{
    using namespace basic;
    const PersonChart first = NativeChart();
    PersonChart second;
    if (matchPage)
        second = PartnerChart(partnerSunTimes, partnerPanchang);
    const PersonChart* girl = matchPage ? &second : nullptr;

    const BirthRows rows = MakeBirthRows(first, girl, choices);
    std::vector<Cell> cells;
    if (!matchPage)
        cells = MakePanchangRows(rows, first, choices);
    const auto draw = [&](Surface& s, double step) {
        int y = scaled(Config().TopMarginTwips);
        y = matchPage ? printMatchTable(s, y, rows, step) : printPanchangTable(s, y, cells, choices, step);
        return PrintChakras(s, y, first, girl, rows, choices, step);
    };
    // Long names and places take a second line: the rows then stand closer
    // together, as far as they keep apart, rather than run past the foot of
    // the frame.
    double step = scaled(RowStep);
    MeasuringSurface measure(surface);
    measure.Font = surface.Font;
    while (step > scaled(TightestRowStep) && draw(measure, step) > PageFootLine())
        step = std::max(step - scaled(RowStepDecrement), static_cast<double>(scaled(TightestRowStep)));
    draw(surface, step);
}

} // namespace tarvik
