#include "Vargas.h"

#include "Angles.h"
#include "NameTables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace tarvik {

namespace {

// Which of `parts` equal parts of a sign the degrees fall in, 0-based. A body
// on a boundary belongs to the following part; the tolerance (a billionth of
// a part, far below any ephemeris error) keeps boundaries such as 3°20', which
// have no exact binary form, on that side too.
int PartOf(double degrees, int parts)
{
    int part = static_cast<int>(std::floor(degrees * parts / 30.0 + 1e-9));
    return std::clamp(part, 0, parts - 1);
}

int WrapSign(int raw)
{
    int r = raw % 12;
    return r <= 0 ? r + 12 : r;
}

bool IsOdd(int sign) { return sign % 2 == 1; }

// 0 movable (Aries, Cancer, Libra, Capricorn), 1 fixed, 2 dual.
int Modality(int sign) { return (sign - 1) % 3; }

// 0 fiery, 1 earthy, 2 airy, 3 watery.
int Element(int sign) { return (sign - 1) % 4; }

// Thrisamsa: five unequal parts ruled by Mars, Saturn, Jupiter, Mercury and
// Venus, in the reverse order in even signs. Each row is the last degree
// number (1..30) of a part and the sign it gives.
struct ThrisamsaPart {
    int lastDegree;
    int sign;
};
constexpr ThrisamsaPart ThrisamsaOdd[] = {{5, 1}, {10, 11}, {18, 9}, {25, 3}, {30, 7}};
constexpr ThrisamsaPart ThrisamsaEven[] = {{5, 2}, {12, 6}, {20, 12}, {25, 10}, {30, 8}};

int ThrisamsaSign(SignPosition p)
{
    const int degreeNumber = PartOf(p.degrees, 30) + 1;
    for (const ThrisamsaPart& part : IsOdd(p.sign) ? ThrisamsaOdd : ThrisamsaEven)
        if (degreeNumber <= part.lastDegree)
            return part.sign;
    return 0; // unreachable: the last part ends at degree 30
}

int RawShodashSign(int varga, SignPosition p)
{
    const int S = p.sign;
    const double D = p.degrees;
    const bool odd = IsOdd(S);
    switch (varga) {
    case 1: return S;
    case 2: return (PartOf(D, 2) == 0) == odd ? 5 : 4;       // odd signs Sun then Moon
    case 3: return PartOf(D, 3) * 4 + S;                      // the sign, its 5th, its 9th
    case 4: return PartOf(D, 4) * 3 + S;                      // the sign and its kendras
    case 5: return PartOf(D, 7) + S + (odd ? 0 : 6);          // even signs from the 7th
    case 6: return PartOf(D, 9) + (S - 1) * 9 + 1;            // ninths counted from Aries
    case 7: return PartOf(D, 10) + S + (odd ? 0 : 8);         // even signs from the 9th
    case 8: return PartOf(D, 12) + S;
    case 9: return PartOf(D, 16) + std::array{1, 5, 9}[Modality(S)];
    case 10: return PartOf(D, 20) + std::array{1, 9, 5}[Modality(S)];
    case 11: return PartOf(D, 24) + (odd ? 5 : 4);            // from Leo, from Cancer
    case 12: return PartOf(D, 27) + std::array{1, 4, 7, 10}[Element(S)];
    case 13: return ThrisamsaSign(p);
    case 14: return PartOf(D, 40) + (odd ? 1 : 7);            // from Aries, from Libra
    case 15: return PartOf(D, 45) + std::array{1, 5, 9}[Modality(S)];
    case 16: return PartOf(D, 60) + S;                        // half degrees from the sign
    }
    throw std::out_of_range("no divisional chart " + std::to_string(varga));
}

} // namespace

SignPosition SplitSign(double longitude)
{
    const double L = ReduceDegrees(longitude);
    const int index = std::min(static_cast<int>(L / 30.0), 11);
    // L / 30 can round up onto the next whole sign; the degrees then come out
    // a hair below zero and belong to the start of that sign.
    return {index + 1, std::max(0.0, L - 30.0 * index)};
}

int ShodashVargaSign(int varga, double longitude)
{
    return WrapSign(RawShodashSign(varga, SplitSign(longitude)));
}

int SaptavargaSign(int chart, double longitude)
{
    const SignPosition p = SplitSign(longitude);
    const int s = p.sign - 1;   // 0-based sign index
    const double d = p.degrees;
    int raw = 0;
    switch (chart) {
    case 1: raw = s + 1; break;
    case 2: raw = s + 1 + 4 * PartOf(d, 3); break;
    case 3: raw = 7 * s + PartOf(d, 7) + 1; break;          // sevenths counted from Aries
    case 4: raw = 9 * s + PartOf(d, 9) + 1; break;          // ninths counted from Aries
    case 5: raw = PartOf(d, 10) + s + (s % 2 == 0 ? 1 : 9); break;
    case 6: raw = PartOf(d, 12) + s + 1; break;
    case 7: raw = 16 * s + PartOf(d, 16) + 1; break;        // sixteenths counted from Aries
    default: throw std::out_of_range("no divisional chart " + std::to_string(chart));
    }
    return WrapSign(raw);
}

void CalcShodashVarga(ChartState& chart)
{
    for (int v = 1; v <= 16; ++v)
        chart.ShodashVargaNames[v] = std::string(ShodashVargaNameTable[v]);
    for (int b = 1; b <= 10; ++b) {
        const double L = b == 1 ? chart.HouseCusps[1] : chart.PlanetLongitudes[BodyDisplayOrder[b]];
        const SignPosition p = SplitSign(L);
        for (int v = 1; v <= 16; ++v)
            chart.ShodashVargaSigns[v][b] = WrapSign(RawShodashSign(v, p));
        chart.DegInSign = p.degrees;
    }
}

void CalcVargas(ChartState& chart, double longitude, int index)
{
    for (int k = 1; k <= 7; ++k)
        chart.SaptavargaSigns[index + 1][k] = SaptavargaSign(k, longitude);
}

void CalcAllVargas(ChartState& chart)
{
    CalcVargas(chart, chart.HouseCusps[1], 0);
    for (int i = 1; i <= 12; ++i)
        CalcVargas(chart, chart.PlanetLongitudes[i + 1], i);
}

} // namespace tarvik
