#pragma once

// The copies an output run takes of each chart it computes, so that pages
// can read one person's values while the chart state holds another's.

#include "PanchangElements.h"
#include "Sunrise.h"
#include "core/State.h"

#include <array>

namespace tarvik {

// One person's birth and chart as the page reads them: the native's from the
// standing chart, the girl's from the copies the match run saved of hers.
struct PersonChart {
    BirthRecord birth;
    std::array<double, 27> longitudes{};   // PlanetLongitudes: [1] ayanamsa, [2] Sun, [8] Moon
    double ascendant = 0;
    double siderealTime = 0;
    double placeLongitude = 0;             // signed degrees, west negative
    double zoneMeridian = 0;               // degrees, east positive
    SunTimes sunTimes{};
    PanchangValues panchang{};
    WarTime warTime{};
    double payaMoon = 0;                   // the Moon and the ascendant the paya is read from
    double payaLagna = 0;

    // The Moon's nakshatra 1..27 and pada 1..4 of the panchang elements
    // (kept in range should the elements be missing).
    int Nakshatra() const;
    int Pada() const;

    double Sun() const { return longitudes[2]; }
    double Moon() const { return longitudes[8]; }
    double Ayanamsa() const { return longitudes[1]; }
};

// The native's values of a run: the record and the war time of births, the
// chart cast for it with its sunrise and panchang elements, the paya's Moon
// and ascendant from the birth copies.
PersonChart NativeChartOf(const BirthState& births, const ChartState& chart);
// The same of the standing chart.
PersonChart NativeChart();
// The girl's from the match copies, with her sun times and panchang.
PersonChart PartnerChartOf(const BirthState& births, const MatchCopies& match);

// The Birth* longitudes of the chart just computed, in traditional order.
void TakeBirthLongitudes();

// After the girl's chart in a match: her chart copies with her sunrise and
// panchang elements, her record and her war-time correction, taken from her
// NativeChart; PartnerChart reads them back.
void KeepGirlResults();

// After the boy's chart in a match: his seven-varga signs.
void KeepBoyResults();

} // namespace tarvik
