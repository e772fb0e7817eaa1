#pragma once

// The output run prepared from the persons' entries as values: each
// person's chart and the copies an output run takes of it, so that pages can
// read one person's values while the chart state holds another's. The
// shell, renderpages, the test fixtures and the benches prepare a run here
// and nowhere else.

#include "PanchangElements.h"
#include "Sunrise.h"
#include "core/State.h"

#include <array>
#include <optional>
#include <string>

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

// One person's entries as values: the whole birth record (name, place and
// zone, date and clock time, sex, and the time correction that turns a clock
// set ahead back to standard time) and the war-time correction as entered,
// which the Basic page prints.
struct PersonInput {
    BirthRecord birth{};
    WarTime warTime{};
};

// The family particulars of the first person, printed on the Basic page as typed.
struct FamilyLines {
    std::string father{}, mother{}, grandfather{}, gotra{};
    bool operator==(const FamilyLines&) const = default;
};

// Everything an output run is prepared from.
struct RunInput {
    PersonInput native{};               // the horoscope's person; the boy in a match
    std::optional<PersonInput> girl{};  // a match's girl; none in a horoscope run
    FamilyLines family{};
    int ayanamsaChoice = 0;             // 0 N.C.Lahiri, 1 K.P., 2 B.V. Raman
    bool trueNode = true;
    bool hindi = true;                  // the language of the pages
    int chartStyle = 0;                 // 0 North Indian, 1 South Indian
    bool printing = false;              // a print run (page numbers, a sheet a page), else a preview
    int varshphalFrom = 0;              // the first annual-chart year, drawn first
    int varshphalYears = 1;
    double yoginiFrom = 0;              // the first date of the Yogini table, decimal year
};

// The run as prepared: each person's chart, and the copies the pages read
// (the birth records and war-time corrections, the birth longitudes, the
// family lines; in a match the girl's copies and the boy's seven-varga
// signs), as the program's state holds them once the run stands.
struct PreparedRun {
    ChartState chart;                       // the native's; the boy's in a match
    std::optional<ChartState> girlChart;    // a match's girl's
    BirthState births;
    MatchCopies match;
};

// Prepares an output run in the program's state, where the dispatcher reads
// it, and returns what it stood: the run's values and the display
// conventions of its language; in a match the girl's chart first, her results
// kept aside in the Partner copies, then the boy's with his seven-varga
// signs; each person's birth record, war-time correction and birth
// longitudes in turn, the native's (the boy's) last. In a horoscope run the
// match copies stay as an earlier match left them. A chart that cannot be
// cast (a moment outside the ephemeris, no ephemeris read) throws a
// std::runtime_error naming the person; what was prepared before it stays.
PreparedRun PrepareRun(const RunInput& input);

} // namespace tarvik
