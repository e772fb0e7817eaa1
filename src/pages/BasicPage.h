#pragma once

// The Basic page, the first page of every horoscope and of every match, in
// three stages: the birth particulars of one person or of the boy and the
// girl side by side; for one person the panchang at birth, with the Sun and
// Moon at sunrise from a chart of the sunrise moment; then the avakahada and
// ghat chakras. Every caption and every name is a dictionary text.
//
// What the stages share lives here; each person's chart (PersonChart) comes
// with the run's copies (calc/RunCopies.h). PrintBasicPage (TablePages.h)
// runs the stages.

#include "Surface.h"
#include "TextFit.h"
#include "PageContext.h"
#include "calc/RunCopies.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace tarvik::basic {

// A caption and the value of each person (the second empty for one person).
struct Row {
    std::string caption;
    std::array<std::string, 2> values;
};

// The birth particulars of one person or of two.
struct BirthRows {
    Row name, father, mother, grandfather, gotra, sex, dateOfBirth, timeOfBirth, timeZone,
        place, latitude, longitude, zoneLongitude, localTimeCorrection, warTimeCorrection,
        localTime, siderealTime, sunriseLocal, sunriseZone, ayanGolRitu, tithiPaksha,
        shakaSamvat, vikramSamvat, yoga, ayanamsa, sunSign, lagna, rashi, nakshatraCharan,
        nakshatraLord, paya, bhogya;
    std::string pakshaName;   // of the first person's birth, for the panchang
    std::string monthName;    // the lunar month of the first person's birth, for the panchang
};

// second is null for one person. The balance of dasha (one person only) is
// that of the Vimshottari dasha from the Moon of the page's chart.
BirthRows MakeBirthRows(const PersonChart& first, const PersonChart* second, const PageContext& page);

// The rows of the birth table a match prints, in order.
std::vector<const Row*> MatchRows(const BirthRows& rows);

// One row of the panchang table of one person; typed marks a value the user
// typed in Latin letters (names, places), which Hindi pages print in the
// English face.
struct Cell {
    std::string caption;
    std::string value;
    bool typed = false;
};

// The fifty rows of the panchang at birth, printed in two halves of 25, with
// a chart cast for the sunrise of the birth date; rows are the birth rows of
// native alone, whose values the panchang repeats.
std::vector<Cell> MakePanchangRows(const BirthRows& rows, const PersonChart& native,
                                   const PageContext& page);

// The avakahada and the ghat chakra of the first person and, when second is
// given, of the second: each chakra's title and its columns (the captions,
// then each person's values), in a match the label over each person's
// columns, and the ayanamsa line under the ghat chakra (in a match, each
// person's value).
struct Chakras {
    std::string avakahadaTitle, ghatTitle;
    std::vector<std::vector<std::string>> avakahada, ghat;
    std::array<std::string, 2> labels;   // a match's persons, as the header names them
    std::string ayanamsaLine;
    bool match = false;
};

// The ghat chakra comes from the reference database; a damaged table throws
// (DbError).
Chakras MakeChakras(const PersonChart& first, const PersonChart* second, const BirthRows& rows,
                    const PageContext& page);

// Draws the chakras with their tops at y (below the tables), rows rowStep
// twips apart, and under the ghat chakra the nodes and the ayanamsa.
// Returns the y below all of it.
double PrintChakras(Surface& surface, int y, const Chakras& chakras, const PageContext& page, double rowStep);

// Texts of the birth table.
// The war-time correction as entered: its sign (a correction of less than
// an hour keeps the sign of its minus zero hours or negative minutes), then
// hours, minutes and seconds of two digits.
std::string WarTimeText(const WarTime& warTime, const PageContext& page);
// The clock's offset of local mean time, signed.
std::string LocalTimeCorrectionText(double placeLongitude, double zoneMeridian,
                                    const PageContext& page);
// Local mean time of the birth, reduced into the day.
std::string LocalTimeText(const BirthRecord& birth, double placeLongitude, double zoneMeridian,
                          const PageContext& page);
// Sunrise and sunset (elements rise and set of the sun times) joined by
// the separator; under the midnight sun or the polar night, which have
// neither, the text that says so.
std::string SunriseSunsetText(const SunTimes& times, int rise, int set, const std::string& separator,
                              const PageContext& page);
// The length of a day from its sunrise to its sunset, 00:00:00 to 24:00:00.
std::string DayLengthText(double sunrise, double sunset, const PageContext& page);

// Sign 1..12 of a longitude.
int SignOf(double longitude);
// The sign of the tropical Sun, from the sidereal Sun and the ayanamsa.
int TropicalSunSign(const PersonChart& person);
// Dictionary keys of full names.
std::string SignLordKey(int sign);
std::string NakshatraLordKey(int nakshatra);
// A sign's name and its lord's: "Aries-Mars".
std::string SignAndLordText(int sign, const PageContext& page);
// The paya of a Moon and an ascendant: by the house of the Moon's sign from
// the ascendant's, then by the Moon's nakshatra.
std::string PayaText(double moon, double lagna, const PageContext& page);

// The height of a row that holds a typed text: the row's step, or where the
// text takes two lines, those lines and a blank under them.
double TypedRowHeight(const FittedText& text, double rowStep, double scale);

// Twips at scale 1 at the page's scale, whole.
inline int scaled(double twips, const PageLayout& layout)
{
    return static_cast<int>(std::lround(twips * layout.scale));
}

// Printing positions, twips at scale 1: rows RowStep apart, or as close as
// TightestRowStep on a page of long names, in steps of RowStepDecrement.
inline constexpr int RowStep = 290;
inline constexpr int TightestRowStep = 250;
inline constexpr int RowStepDecrement = 5;

} // namespace tarvik::basic
