#pragma once

#include "TimeScale.h"
#include "core/BirthRecord.h"
#include "core/ChartState.h"
#include "core/RunChoices.h"

#include <string>

namespace tarvik {

// What one chart calculation reads: the moment, the place and the options.
struct ChartInput {
    int day = 1, month = 1, year = 2000;
    int hour = 0, minute = 0, second = 0;
    double latitude = 0;         // signed decimal degrees, south negative
    double longitude = 0;        // signed decimal degrees, west negative
    double zoneHours = 0;        // east of universal time
    double zoneMeridian = 0;     // degrees, east positive
    double timeCorrection = 0;   // hours added to the clock time
    int ayanamsaChoice = 0;      // 0 Lahiri, 1 K.P., 2 Raman; anything else Lahiri
    bool trueNode = true;

    void SetMoment(const CivilDate& date, const ClockTime& clock);
};

// The record moved to another date and clock time of its own zone; the
// person, place, zone and time correction stay.
BirthRecord RecordAtMoment(const BirthRecord& birth, const CalendarDate& date, int hour, int minute,
                           int second);

// The input of a birth record under an ayanamsa and node choice, or under
// those of a run.
ChartInput ChartInputOf(const BirthRecord& birth, int ayanamsaChoice, bool trueNode);
ChartInput ChartInputOf(const BirthRecord& birth, const RunChoices& run);

// Signed decimal degrees of degrees, minutes and a direction letter: "S"
// and "W" (in either case) are negative, any other letter positive.
double LatitudeDegrees(int degrees, int minutes, const std::string& direction);
double LongitudeDegrees(int degrees, int minutes, const std::string& direction);

// Everything of a chart but the divisional charts and relationships: the
// time scale, both passes of the bodies (the moment and one hour later) in
// the zodiac of the chosen ayanamsa, the ayanamsa itself and the houses, into
// chart. Throws std::out_of_range for a moment outside the ephemeris, and
// EphemerisFileError when no ephemeris has been read.
void ComputeChart(const ChartInput& input, ChartState& chart);

// The divisional charts and the relationships of a chart whose bodies and
// houses ComputeChart has cast, into the same chart.
void FinishChart(ChartState& chart);

// The whole chart of an input: bodies, houses, divisional charts and
// relationships. The K.P. cusps and the panchang elements at birth are had
// from it (KPCuspsOf, PanchangElementsOf) and are left empty here.
ChartState ChartOf(const ChartInput& input);

// The chart of Native under the run's ayanamsa and node choice, into
// Chart(), with its divisional charts and relationships. The K.P. cusps and
// the panchang elements at birth the chart state held stay as they were.
void CalcChart(const RunChoices& run);

} // namespace tarvik
