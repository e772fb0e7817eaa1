#include "Chart.h"

#include "Ayanamsa.h"
#include "Ephemeris.h"
#include "Houses.h"
#include "Moon.h"
#include "Relationships.h"
#include "TimeScale.h"
#include "Vargas.h"
#include "core/State.h"

namespace tarvik {

double LatitudeDegrees(int degrees, int minutes, const std::string& direction)
{
    return Coordinate{degrees, minutes, direction}.LatitudeDegrees();
}

double LongitudeDegrees(int degrees, int minutes, const std::string& direction)
{
    return Coordinate{degrees, minutes, direction}.LongitudeDegrees();
}

BirthRecord RecordAtMoment(const BirthRecord& birth, const CalendarDate& date, int hour, int minute,
                           int second)
{
    BirthRecord r = birth;
    r.SetMoment(date, {hour, minute, second});
    return r;
}

void ChartInput::SetMoment(const CivilDate& date, const ClockTime& clock)
{
    day = date.day;
    month = date.month;
    year = date.year;
    hour = clock.hour;
    minute = clock.minute;
    second = clock.second;
}

ChartInput ChartInputOf(const BirthRecord& b, int ayanamsaChoice, bool trueNode)
{
    ChartInput in;
    in.SetMoment(b.Date(), b.Clock());
    in.latitude = b.Latitude().LatitudeDegrees();
    in.longitude = b.Longitude().LongitudeDegrees();
    in.zoneHours = b.ZoneHours;
    in.zoneMeridian = b.ZoneMeridian;
    in.timeCorrection = b.TimeCorrection;
    in.ayanamsaChoice = ayanamsaChoice;
    in.trueNode = trueNode;
    in.kpYear = b.Year;
    in.kpMonth = b.Month;
    return in;
}

ChartInput ChartInputOf(const BirthRecord& birth, const RunChoices& run)
{
    return ChartInputOf(birth, run.ayanamsaChoice, run.trueNode);
}

namespace {
// One pass of the bodies at the chart's T, in the fixed order: the Sun
// first, for the Earth-Sun vector the planets of the pass read.
void computeBodies(ChartState& chart, const NodeChoice& node)
{
    CalcSun(chart);
    CalcMercury(chart);
    CalcVenus(chart);
    CalcMars(chart);
    CalcJupiter(chart);
    CalcSaturn(chart);
    CalcMoon(chart, node);
    CalcUranus(chart);
    CalcNeptune(chart);
    CalcPluto(chart);
}
} // namespace

void ComputeChart(const ChartInput& in, ChartState& chart)
{
    chart.AyanamsaChoice = in.ayanamsaChoice;
    chart.ZoneMeridianDeg = in.zoneMeridian;
    chart.CalcPass = 0;
    chart.SunHelioX = chart.SunHelioY = 0;
    chart.PlaceLongitude = in.longitude;
    chart.PlaceLatitude = in.latitude;
    chart.PlanetLongitudes[0] = chart.PlanetLongitudes[14] = 0;

    // Universal time less 12 h as a fraction of the day, not reduced: an
    // early-morning birth east of Greenwich falls before the civil date's noon.
    const int N = DayNumber(in.day, in.month, in.year);
    const double clock = in.hour + in.minute / 60.0 + in.second / 3600.0;
    chart.DayFraction = (clock - (in.zoneHours + 12) + in.timeCorrection) / 24;
    const double T = JulianCenturiesOf(N, chart.DayFraction);
    chart.JulianCenturies = T;

    const NodeChoice node{in.trueNode};

    // The moment. The perturbation terms and the Lahiri ayanamsa serve both passes.
    CalcPerturbations(chart);
    CalcAyanamsaLahiri(chart);
    computeBodies(chart, node);

    // One hour later, for the direction of motion of every body.
    chart.CalcPass = 1;
    chart.JulianCenturies = T + 1.0 / 24.0 / DaysPerCentury;
    computeBodies(chart, node);

    // Raman's ayanamsa is taken at the hour-later T; the hour moves it by 0.006".
    if (in.ayanamsaChoice == AyanamsaRaman)
        ApplyAyanamsaRaman(chart);
    else if (in.ayanamsaChoice == AyanamsaKP)
        ApplyAyanamsaKP(chart, in.kpYear, in.kpMonth);

    chart.JulianCenturies = T;
    CalcHouses(chart);
}

void FinishChart(ChartState& chart)
{
    CalcShodashVarga(chart);
    CalcAllVargas(chart);
    CalcRelationships(chart);
}

ChartState ChartOf(const ChartInput& input)
{
    ChartState chart;
    ComputeChart(input, chart);
    FinishChart(chart);
    return chart;
}

void CalcChart(const RunChoices& run)
{
    ComputeChart(ChartInputOf(Native(), run), Chart());
    FinishChart(Chart());
}

void CalcChartAt(int day, int month, int year, int longDeg, int longMin, const std::string& longDir,
                 int latDeg, int latMin, const std::string& latDir, double zoneHours, const RunChoices& run)
{
    ChartInput in = ChartInputOf(Native(), run);
    in.day = day;
    in.month = month;
    in.year = year;
    in.longitude = LongitudeDegrees(longDeg, longMin, longDir);
    in.latitude = LatitudeDegrees(latDeg, latMin, latDir);
    in.zoneHours = zoneHours;
    ComputeChart(in, Chart());
    FinishChart(Chart());
}

} // namespace tarvik
