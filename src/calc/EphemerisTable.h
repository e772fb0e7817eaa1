#pragma once

// The ephemeris of the program: Chebyshev series over fixed intervals of
// universal time, one series per quantity, read once from the table file the
// build makes (tools/ephbuild) beside the databases. A value and its rate
// come from the same polynomial, summed by Clenshaw's recurrence or, for the
// bodies of one moment, from Chebyshev polynomials worked out once for them.
//
// The file, little-endian throughout:
//   header     "TVKEPH1\n", the format version, the number of series, the
//              length of what follows the header and its checksum (FNV-1a
//              over its 64-bit words)
//   text       what the table holds and how it was made (UTF-8)
//   series     for each: its quantity, the Julian day (UT) its first interval
//              begins, the interval in days, the number of intervals, pieces
//              and coefficients per piece; then the first piece of each
//              interval (intervals + 1 numbers), the beginning of each piece
//              as a fraction of its interval, and the coefficients, piece by
//              piece, lowest order first.
// An interval is one piece where its series fits; where it does not (a body
// passing close to the Sun, whose light the Sun bends), it is split into
// shorter pieces.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// The table's file name in the program folder, beside the databases.
inline constexpr std::string_view EphemerisFileName = "Tarvik-Eph.dat";

// What a series holds. The bodies and the nodes: the geocentric ecliptic
// longitude of the mean equinox of date (the apparent longitude less the
// nutation in longitude; light-time, aberration and the Sun's bending of
// light included), degrees, unwrapped within a piece. The others: the
// nutation in longitude and the true obliquity of the ecliptic, degrees, and
// the mean sidereal time of Greenwich less the Earth's rotation angle (the
// precession in right ascension), degrees; the apparent sidereal time adds
// the equation of the equinoxes, the nutation in longitude times the cosine
// of the true obliquity.
enum class EphemerisQuantity : std::uint32_t {
    Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto,
    MeanNode, TrueNode,
    NutationInLongitude, TrueObliquity, MeanSiderealTimeLessRotation,
};
inline constexpr int EphemerisQuantityCount = 15;
std::string_view QuantityName(EphemerisQuantity q);

// Clenshaw's recurrence for c0 + c1 T1(x) + ... + c(n-1) T(n-1)(x): the sum
// the table is read by and its fit is checked by.
inline double ChebyshevSum(const double* c, int n, double x)
{
    double b1 = 0, b2 = 0;
    const double x2 = 2 * x;
    for (int k = n - 1; k >= 1; --k) {
        const double b = x2 * b1 - b2 + c[k];
        b2 = b1;
        b1 = b;
    }
    return x * b1 - b2 + c[0];
}

// The Earth's rotation angle at a Julian day (UT), degrees in [0, 360): the
// sidereal rotation the IAU counts from 2000 January 1, 12 h. The table holds
// the sidereal time less this angle, which the program adds back.
double EarthRotationAngle(double jd);

// A value and its rate per day.
struct ValueAndRate {
    double value = 0;
    double rate = 0;
};

// The Chebyshev polynomials T0(x), T1(x), ... at one moment of a piece,
// worked out once and shared by every series whose piece there begins and
// ends on the same days (the bodies of one interval length): each value is
// then a sum of products, not a recurrence of its own.
class ChebyshevPoints {
public:
    static constexpr int MostCoefficients = 64;
    // T0..T(n-1) at x of the piece [begin, begin + length).
    const double* At(double begin, double length, double x, int n);

private:
    struct Entry {
        double begin = 0, length = 0, x = 0;
        int count = 0;
        double T[MostCoefficients];
    };
    static constexpr int Pieces = 4;
    Entry entries_[Pieces];
    int used_ = 0, next_ = 0;
};

// One fitted quantity.
class EphemerisSeries {
public:
    EphemerisQuantity quantity = EphemerisQuantity::Sun;
    double firstDay = 0;         // Julian day (UT) the first interval begins
    double intervalDays = 1;
    int coefficients = 1;        // per piece
    // firstPiece[k] is the first piece of interval k; firstPiece[intervals]
    // is the number of pieces.
    std::vector<std::uint32_t> firstPiece;
    // Where each piece begins, as a fraction of its interval: 0 for the first
    // piece of an interval, rising within it.
    std::vector<double> pieceBegin;
    // Piece by piece, the coefficients of T0, T1, ...: the value is
    // c0 + c1 T1(x) + c2 T2(x) + ..., x running from -1 to 1 over the piece.
    std::vector<double> coefficient;

    int Intervals() const { return firstPiece.empty() ? 0 : static_cast<int>(firstPiece.size()) - 1; }
    double LastDay() const { return firstDay + intervalDays * Intervals(); }
    bool Covers(double jd) const { return jd >= firstDay && jd < LastDay(); }

    // The value at a Julian day (UT); throws std::out_of_range outside the
    // series. With points, the polynomials of the moment are shared with the
    // other series evaluated there.
    double Value(double jd) const;
    double Value(double jd, ChebyshevPoints& points) const;
    ValueAndRate ValueWithRate(double jd) const;

    // Makes the lookup constants once the arrays are filled.
    void Prepare();

private:
    struct Place {
        const double* c;     // the piece's coefficients
        double x;            // -1..1 within the piece
        double xPerDay;
        double begin;        // the piece, Julian days
        double length;
    };
    Place placeOf(double jd) const;
    double perDay_ = 1;
};

// The whole table.
struct EphemerisTable {
    std::string description;
    std::vector<EphemerisSeries> series;   // in the order of EphemerisQuantity

    const EphemerisSeries& Of(EphemerisQuantity q) const { return series[static_cast<std::size_t>(q)]; }
    // The span every series covers.
    double FirstDay() const;
    double LastDay() const;
};

// A table file that cannot serve: missing, short, damaged or of another
// layout. The message names the file.
class EphemerisFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads and checks a table file: its header, layout, checksum and every
// series of EphemerisQuantity once, in order, each piece inside its
// interval.
EphemerisTable ReadEphemerisFile(const std::string& path);

// Writes a table through a temporary file renamed over `path`; throws
// EphemerisFileError when it cannot be written.
void WriteEphemerisFile(const EphemerisTable& table, const std::string& path);

// The table the program works with, read once at start.
void LoadEphemeris(const std::string& path);
// Throws EphemerisFileError when no table has been loaded.
const EphemerisTable& TheEphemeris();

} // namespace tarvik
