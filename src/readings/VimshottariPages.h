#pragma once

// The Vimshottari dasha pages, drawn below the caller's frame in grids of
// three by three blocks; each block shows one period with its nine
// sub-periods:
//   - the mahadasha page: the balance at birth, then the first nine
//     mahadashas with their antardashas;
//   - pratyantar page n (1..9): nine antardashas with their
//     pratyantardashas, page 1 from the antardasha running at birth;
//   - sookshma page n (1..81): the nine pratyantardashas of the n-th
//     antardasha from the one running at birth, with their sookshmas.
// Periods that ended before birth show the language's dash for their dates.
// A page beyond the ninth mahadasha draws nothing.
//
// The compact pratyantar page shows the pratyantardashas of fifteen
// antardashas of the Moon's dasha around the present, in three rows of five.

#include "pages/PageContext.h"
#include "panchang/Vimshottari.h"
#include "pages/Surface.h"

#include <optional>

namespace tarvik {

// The heading's words of each family of pages: from the Moon, the Sun
// ("Aaditya") or the ascendant ("SPS Lagnam").
enum class DashaStart { Moon, Sun, Ascendant };

// Which Vimshottari page to draw.
struct DashaSelection {
    int pratyantarPage = 0;    // 1..9: the pratyantar periods of maha period n
    bool sookshma = false;
    int sookshmaPage = 0;      // 1..81
    bool fromAscendant = false;
    bool fromSun = false;

    bool operator==(const DashaSelection&) const = default;
};

// The Vimshottari page builder: draws the chosen page of the periods of a
// chart from the chosen start longitude below the caller's frame.
void PrintVimshottariDasha(Surface& surface, const ChartState& chart, double day, double month, double year,
                           bool mahaAntar, const DashaSelection& selection, const PageContext& page);

void PrintVimshottariMahaPage(Surface& surface, const DashaAtBirth& atBirth,
                              const DashaPeriods& periods, DashaStart from, double day,
                              double month, double year, const PageContext& page);
void PrintVimshottariPratyantarPage(Surface& surface, const DashaPeriods& periods,
                                    DashaStart from, int part, double day, double month,
                                    double year, const PageContext& page);
void PrintVimshottariSookshmaPage(Surface& surface, const DashaPeriods& periods,
                                  DashaStart from, int part, const PageContext& page);

// The antardasha running in a month: the one of the first pratyantardasha
// not ended before birth whose end falls in that month or later (months of
// the dates the pages print). None when every period has ended by then.
std::optional<int> AntardashaOfMonth(const DashaPeriods& periods, int year, int month);

// The first of the compact page's fifteen antardashas: seven before the
// current one, the current one itself when fewer than seven precede it,
// never before the antardasha running at birth, and never so late that the
// fifteen would run past the last antardasha of the tree.
int FirstCompactAntardasha(int birthAntardasha, std::optional<int> current);

// The compact page of a chart as of a month, today's (the page's) for the
// page the dispatcher draws.
void PrintVimshottariPratyantar(Surface& surface, const ChartState& chart, double day, double month,
                                double year, int todayYear, int todayMonth, const PageContext& page);

} // namespace tarvik
