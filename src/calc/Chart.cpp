#include "Chart.h"

#include "Angles.h"
#include "Ayanamsa.h"
#include "Ephemeris.h"
#include "Houses.h"
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
    return in;
}

ChartInput ChartInputOf(const BirthRecord& birth, const RunChoices& run)
{
    return ChartInputOf(birth, run.ayanamsaChoice, run.trueNode);
}

namespace {
// The bodies of one moment in the sidereal zodiac whose mean ayanamsa is
// given, into the slots from `offset` on (0 the moment, HourLater the hour
// after): each body's longitude of the mean equinox less the ayanamsa, Ketu
// opposite Rahu.
void castBodies(const EphemerisTable& table, double jd, double ayanamsa, bool trueNode,
                std::array<double, 27>& longitudes, int offset)
{
    ChebyshevPoints points;
    for (int b = Sun; b <= Pluto; ++b)
        if (b != Ketu)
            longitudes[b + offset] = ReduceDegrees(table.Of(SeriesOfBody(b, trueNode)).Value(jd, points) - ayanamsa);
    longitudes[Ketu + offset] = ReduceDegrees(longitudes[Rahu + offset] + 180);
}
} // namespace

void ComputeChart(const ChartInput& in, ChartState& chart)
{
    chart.AyanamsaChoice = in.ayanamsaChoice;
    chart.ZoneMeridianDeg = in.zoneMeridian;
    chart.PlaceLongitude = in.longitude;
    chart.PlaceLatitude = in.latitude;
    auto& longitudes = chart.PlanetLongitudes;
    longitudes[0] = longitudes[14] = 0;

    // Universal time less 12 h as a fraction of the day, not reduced: an
    // early-morning birth east of Greenwich falls before the civil date's noon.
    const int N = DayNumber(in.day, in.month, in.year);
    const double clock = in.hour + in.minute / 60.0 + in.second / 3600.0;
    chart.DayFraction = (clock - (in.zoneHours + 12) + in.timeCorrection) / 24;
    const double T = JulianCenturiesOf(N, chart.DayFraction);
    const double jd = JulianDayOf(N, chart.DayFraction);
    const EphemerisTable& table = TheEphemeris();

    // The moment, and one hour later for the direction of motion of every body.
    constexpr double Hour = 1.0 / 24;
    const double ayanamsa = MeanAyanamsa(in.ayanamsaChoice, T);
    chart.CalcPass = 0;
    castBodies(table, jd, ayanamsa, in.trueNode, longitudes, 0);
    chart.CalcPass = 1;
    castBodies(table, jd + Hour, MeanAyanamsa(in.ayanamsaChoice, T + Hour / DaysPerCentury), in.trueNode,
               longitudes, HourLater);

    // The ayanamsa of the moment from the true equinox, which the houses
    // (cast on the true equinox) subtract and the tropical table adds back.
    chart.JulianCenturies = T;
    longitudes[AyanamsaSlot] = ayanamsa + NutationInLongitude(jd);
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

} // namespace tarvik
