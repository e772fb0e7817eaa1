#include "RunCopies.h"

#include "Chart.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tarvik {

namespace {

// The birth longitude copies in traditional order and the chart element each
// comes from (computation order).
constexpr std::pair<double BirthState::*, int> BirthBodies[] = {
    {&BirthState::BirthSun, Sun},         {&BirthState::BirthMoon, Moon},
    {&BirthState::BirthMars, Mars},       {&BirthState::BirthMercury, Mercury},
    {&BirthState::BirthJupiter, Jupiter}, {&BirthState::BirthVenus, Venus},
    {&BirthState::BirthSaturn, Saturn},   {&BirthState::BirthRahu, Rahu},
    {&BirthState::BirthKetu, Ketu},       {&BirthState::BirthUranus, Uranus},
    {&BirthState::BirthNeptune, Neptune}, {&BirthState::BirthPluto, Pluto},
};

void copySaptavarga(const ChartState& chart, int (&to)[14][8])
{
    std::copy(&chart.SaptavargaSigns[0][0], &chart.SaptavargaSigns[0][0] + 14 * 8, &to[0][0]);
}

// The Birth* longitudes of the chart just computed, in traditional order.
void takeBirthLongitudes()
{
    const ChartState& chart = Chart();
    BirthState& b = Births();
    b.BirthAyanamsa = chart.PlanetLongitudes[AyanamsaSlot];
    b.BirthLagna = chart.HouseCusps[1];
    for (const auto& [copy, body] : BirthBodies)
        b.*copy = chart.PlanetLongitudes[body];
}

// After the girl's chart in a match: her chart copies with her sunrise and
// panchang elements, her record and her war-time correction, taken from her
// NativeChart; PartnerChartOf reads them back.
void keepGirlResults()
{
    const ChartState& chart = Chart();
    const PersonChart girl = NativeChart();
    MatchCopies& m = Match();
    copySaptavarga(chart, m.PartnerSaptavargaSigns);
    m.PartnerLongitudes = girl.longitudes;
    m.PartnerCusps = chart.HouseCusps;
    m.PartnerSandhis = chart.BhavaSandhi;
    m.PartnerSiderealTime = girl.siderealTime;
    m.PartnerSunTimes = girl.sunTimes;
    m.PartnerPanchang = girl.panchang;
    m.PartnerPlaceLongitude = girl.placeLongitude;
    m.PartnerZoneMeridian = girl.zoneMeridian;
    Births().Partner = girl.birth;
    Births().PartnerWarTime = girl.warTime;
}

// One person into Native, the chart cast under the run's ayanamsa and node,
// the birth longitudes taken.
void castPerson(const PersonInput& person, const RunChoices& choices)
{
    Native() = person.birth;
    Births().NativeWarTime = person.warTime;
    try {
        CalcChart(choices);
    } catch (const std::exception& e) {
        throw std::runtime_error("The chart of " + person.birth.Name + " could not be computed: " + e.what());
    }
    takeBirthLongitudes();
}

} // namespace

int PersonChart::Nakshatra() const
{
    return std::clamp(static_cast<int>(panchang[NakshatraElement]), 1, 27);
}

int PersonChart::Pada() const { return std::clamp(static_cast<int>(panchang[PadaElement]), 1, 4); }

PersonChart NativeChartOf(const BirthState& b, const ChartState& c)
{
    PersonChart p;
    p.birth = b.Native;
    p.longitudes = c.PlanetLongitudes;
    p.ascendant = c.HouseCusps[1];
    p.siderealTime = c.SiderealTime;
    p.placeLongitude = c.PlaceLongitude;
    p.zoneMeridian = c.ZoneMeridianDeg;
    p.sunTimes = SunriseOf(b.Native, c);
    p.panchang = PanchangElementsOf(c).elements;
    p.warTime = b.NativeWarTime;
    p.payaMoon = b.BirthMoon;
    p.payaLagna = b.BirthLagna;
    return p;
}

PersonChart NativeChart() { return NativeChartOf(Births(), Chart()); }

PersonChart PartnerChartOf(const BirthState& b, const MatchCopies& m)
{
    PersonChart p;
    p.birth = b.Partner;
    p.longitudes = m.PartnerLongitudes;
    p.ascendant = m.PartnerCusps[1];
    p.siderealTime = m.PartnerSiderealTime;
    p.placeLongitude = m.PartnerPlaceLongitude;
    p.zoneMeridian = m.PartnerZoneMeridian;
    p.sunTimes = m.PartnerSunTimes;
    p.panchang = m.PartnerPanchang;
    p.warTime = b.PartnerWarTime;
    p.payaMoon = m.PartnerLongitudes[8];
    p.payaLagna = m.PartnerCusps[1];
    return p;
}

PreparedRun PrepareRun(const RunInput& input)
{
    RunValues& run = OutputRun();
    run.BatchPrint = input.printing ? 1 : 0;
    run.AyanamsaChoice = input.ayanamsaChoice;
    run.TrueNode = input.trueNode;
    run.VarshphalFrom = run.VarshphalYear = input.varshphalFrom;
    run.VarshphalYears = input.varshphalYears;
    run.YoginiFrom = input.yoginiFrom;
    run.MatchMode = input.girl.has_value();

    RunChoices choices;
    choices.ayanamsaChoice = input.ayanamsaChoice;
    choices.trueNode = input.trueNode;
    PreparedRun prepared;
    if (input.girl) {
        castPerson(*input.girl, choices);
        keepGirlResults();
        prepared.girlChart = Chart();
    }
    castPerson(input.native, choices);
    if (input.girl)
        copySaptavarga(Chart(), Match().NativeSaptavargaSigns);

    BirthState& births = Births();
    births.Father = input.family.father;
    births.Mother = input.family.mother;
    births.Grandfather = input.family.grandfather;
    births.Gotra = input.family.gotra;
    run.ChartStyle = input.chartStyle;
    ApplyDisplayConventions(input.hindi);

    prepared.chart = Chart();
    prepared.births = births;
    prepared.match = Match();
    return prepared;
}

} // namespace tarvik
