#include "RunCopies.h"

#include "PanchangElements.h"
#include "Sunrise.h"
#include "core/State.h"

#include <algorithm>
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

} // namespace

void TakeBirthLongitudes()
{
    const ChartState& chart = Chart();
    BirthState& b = Births();
    b.BirthAyanamsa = chart.PlanetLongitudes[AyanamsaSlot];
    b.BirthLagna = chart.HouseCusps[1];
    for (const auto& [copy, body] : BirthBodies)
        b.*copy = chart.PlanetLongitudes[body];
}

void KeepGirlResults()
{
    const ChartState& chart = Chart();
    MatchCopies& m = Match();
    copySaptavarga(chart, m.PartnerSaptavargaSigns);
    m.PartnerLongitudes = chart.PlanetLongitudes;
    m.PartnerCusps = chart.HouseCusps;
    m.PartnerSandhis = chart.BhavaSandhi;
    m.PartnerSiderealTime = chart.SiderealTime;
    m.PartnerSunTimes = CalcSunrise();
    m.PartnerPanchang = CalcPanchangElements();
    m.PartnerPlaceLongitude = chart.PlaceLongitude;
    m.PartnerZoneMeridian = chart.ZoneMeridianDeg;
    Births().Partner = Native();
    Births().PartnerWarTime = Births().NativeWarTime;
}

void KeepBoyResults() { copySaptavarga(Chart(), Match().NativeSaptavargaSigns); }

} // namespace tarvik
