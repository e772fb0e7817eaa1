#include "EphemerisTable.h"

#include "Angles.h"
#include "core/FileWrite.h"
#include "core/RegularFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace tarvik {

namespace {

constexpr char Magic[8] = {'T', 'V', 'K', 'E', 'P', 'H', '1', '\n'};
constexpr std::uint32_t LayoutVersion = 1;
constexpr std::size_t HeaderBytes = 32;       // magic, version, series, body length, checksum
// Far above any table ephbuild writes (some 6 MB): a larger file is no table.
constexpr std::size_t LargestTableBytes = std::size_t(256) << 20;
constexpr int MostCoefficients = ChebyshevPoints::MostCoefficients;

constexpr std::array<std::string_view, EphemerisQuantityCount> QuantityNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto",
    "mean node", "true node", "nutation in longitude", "true obliquity", "mean sidereal time less rotation",
};

// FNV-1a (64 bits) over the little-endian 64-bit words of the bytes, the
// last few bytes one by one: a checksum a damaged file fails, taken at the
// speed the file is read.
std::uint64_t checksumOf(const unsigned char* data, std::size_t n)
{
    std::uint64_t h = 14695981039346656037ull;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, 8);
        h ^= word;
        h *= 1099511628211ull;
    }
    for (; i < n; ++i) {
        h ^= data[i];
        h *= 1099511628211ull;
    }
    return h;
}

// Little-endian writing and reading of the plain numbers of the file.
class Writer {
public:
    template <class T>
    void put(const T& v)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        const auto* p = reinterpret_cast<const char*>(&v);
        bytes.append(p, sizeof v);
    }
    template <class T>
    void putAll(const std::vector<T>& v)
    {
        if (!v.empty())
            bytes.append(reinterpret_cast<const char*>(v.data()), v.size() * sizeof(T));
    }
    void align()
    {
        while (bytes.size() % 8 != 0)
            bytes.push_back('\0');
    }
    std::string bytes;
};

class Reader {
public:
    Reader(const unsigned char* p, std::size_t n, const std::string& file) : p_(p), n_(n), file_(file) {}

    template <class T>
    T get()
    {
        T v;
        need(sizeof v);
        std::memcpy(&v, p_ + at_, sizeof v);
        at_ += sizeof v;
        return v;
    }
    template <class T>
    void getAll(std::vector<T>& v, std::size_t count)
    {
        if (count > (n_ - at_) / sizeof(T))
            need(n_ + 1);
        v.resize(count);
        if (count)
            std::memcpy(v.data(), p_ + at_, count * sizeof(T));
        at_ += count * sizeof(T);
    }
    std::string text(std::size_t length)
    {
        need(length);
        std::string s(reinterpret_cast<const char*>(p_ + at_), length);
        at_ += length;
        return s;
    }
    void align()
    {
        const std::size_t pad = (8 - at_ % 8) % 8;
        need(pad);
        at_ += pad;
    }
    std::size_t left() const { return n_ - at_; }

private:
    void need(std::size_t k) const
    {
        if (k > n_ - at_)
            throw EphemerisFileError("The ephemeris file " + file_ + " is too short: it ends inside its tables.");
    }
    const unsigned char* p_;
    std::size_t n_;
    std::size_t at_ = 0;
    const std::string& file_;
};

[[noreturn]] void damaged(const std::string& file, const std::string& what)
{
    throw EphemerisFileError("The ephemeris file " + file + " is damaged: " + what + ".");
}

// Every number of a series checked: a table that passes can be evaluated
// anywhere inside its span without reading past an array.
void checkSeries(const EphemerisSeries& s, const std::string& file)
{
    const std::string name(QuantityName(s.quantity));
    if (!std::isfinite(s.firstDay) || !std::isfinite(s.intervalDays) || s.intervalDays <= 0)
        damaged(file, "the span of the " + name + " is not a span of days");
    const std::size_t pieces = s.pieceBegin.size();
    if (s.firstPiece.front() != 0 || s.firstPiece.back() != pieces)
        damaged(file, "the pieces of the " + name + " do not add up");
    for (int k = 0; k < s.Intervals(); ++k) {
        const std::uint32_t from = s.firstPiece[k], to = s.firstPiece[k + 1];
        if (to <= from || to > pieces)
            damaged(file, "an interval of the " + name + " has no pieces");
        if (s.pieceBegin[from] != 0)
            damaged(file, "a piece of the " + name + " begins before its interval");
        for (std::uint32_t j = from + 1; j < to; ++j)
            if (!(s.pieceBegin[j] > s.pieceBegin[j - 1] && s.pieceBegin[j] < 1))
                damaged(file, "the pieces of the " + name + " are out of order");
    }
    if (!std::all_of(s.coefficient.begin(), s.coefficient.end(), [](double c) { return std::isfinite(c); }))
        damaged(file, "a coefficient of the " + name + " is not a number");
}

struct Loaded {
    std::optional<EphemerisTable> table;
};

Loaded& loaded()
{
    static Loaded l;
    return l;
}

// Its derivative with respect to x: the sum of k ck U(k-1)(x), by the same
// recurrence on the second kind.
inline double chebyshevDerivative(const double* c, int n, double x)
{
    double b1 = 0, b2 = 0;
    const double x2 = 2 * x;
    for (int k = n - 1; k >= 1; --k) {
        const double b = x2 * b1 - b2 + k * c[k];
        b2 = b1;
        b1 = b;
    }
    return b1;
}

// The calendar date and UT hour of a Julian day, as text (Gregorian
// calendar), for messages.
std::string dateText(double jd)
{
    const double z = std::floor(jd + 0.5);
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    const double a = z + 1 + alpha - std::floor(alpha / 4);
    const double b = a + 1524;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    const int day = static_cast<int>(b - d - std::floor(30.6001 * e));
    const int month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    const int year = static_cast<int>(month > 2 ? c - 4716 : c - 4715);
    const int minutes = static_cast<int>(std::floor((jd + 0.5 - z) * 1440));
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d UT", year, month, day, minutes / 60, minutes % 60);
    return text;
}

} // namespace

std::string_view QuantityName(EphemerisQuantity q)
{
    const auto i = static_cast<std::size_t>(q);
    return i < QuantityNames.size() ? QuantityNames[i] : std::string_view("unknown quantity");
}

void EphemerisSeries::Prepare() { perDay_ = 1.0 / intervalDays; }

EphemerisSeries::Place EphemerisSeries::placeOf(double jd) const
{
    const double u = (jd - firstDay) * perDay_;
    const int intervals = Intervals();
    if (!(u >= 0 && u < intervals))
        throw std::out_of_range("the moment " + (std::isfinite(jd) ? dateText(jd) : std::string("given")) +
                                " lies outside the ephemeris of the " + std::string(QuantityName(quantity)) +
                                ", " + dateText(firstDay).substr(0, 10) + " to " + dateText(LastDay()).substr(0, 10));
    const auto k = static_cast<std::size_t>(u);
    const double f = u - static_cast<double>(k);
    std::uint32_t j = firstPiece[k];
    const std::uint32_t last = firstPiece[k + 1] - 1;
    double begin = 0, end = 1;
    if (j != last) {
        // The piece holding f: the last one that begins at or before it.
        const auto first = pieceBegin.begin() + j;
        const auto after = std::upper_bound(first, pieceBegin.begin() + last + 1, f);
        j = static_cast<std::uint32_t>(after - pieceBegin.begin()) - 1;
        begin = pieceBegin[j];
        end = j == last ? 1.0 : pieceBegin[j + 1];
    }
    const double scale = 2 / (end - begin);
    const double intervalBegin = firstDay + static_cast<double>(k) * intervalDays;
    return {coefficient.data() + static_cast<std::size_t>(j) * coefficients, (f - begin) * scale - 1,
            scale * perDay_, intervalBegin + begin * intervalDays, (end - begin) * intervalDays};
}

double EphemerisSeries::Value(double jd) const
{
    const Place p = placeOf(jd);
    return ChebyshevSum(p.c, coefficients, p.x);
}

double EphemerisSeries::Value(double jd, ChebyshevPoints& points) const
{
    const Place p = placeOf(jd);
    const double* T = points.At(p.begin, p.length, p.x, coefficients);
    // Four sums, so that the products do not wait on one another.
    double s[4] = {0, 0, 0, 0};
    int k = 0;
    for (; k + 4 <= coefficients; k += 4)
        for (int i = 0; i < 4; ++i)
            s[i] += p.c[k + i] * T[k + i];
    for (; k < coefficients; ++k)
        s[0] += p.c[k] * T[k];
    return (s[0] + s[1]) + (s[2] + s[3]);
}

const double* ChebyshevPoints::At(double begin, double length, double x, int n)
{
    Entry* e = nullptr;
    for (int i = 0; i < used_; ++i)
        if (entries_[i].begin == begin && entries_[i].length == length && entries_[i].x == x) {
            e = &entries_[i];
            break;
        }
    if (!e) {
        e = &entries_[next_];
        next_ = (next_ + 1) % Pieces;
        used_ = std::min(used_ + 1, Pieces);
        e->begin = begin;
        e->length = length;
        e->x = x;
        e->T[0] = 1;
        e->T[1] = x;
        e->count = 2;
    }
    for (; e->count < n; ++e->count)
        e->T[e->count] = 2 * x * e->T[e->count - 1] - e->T[e->count - 2];
    return e->T;
}

ValueAndRate EphemerisSeries::ValueWithRate(double jd) const
{
    const Place p = placeOf(jd);
    return {ChebyshevSum(p.c, coefficients, p.x), chebyshevDerivative(p.c, coefficients, p.x) * p.xPerDay};
}

double EphemerisTable::FirstDay() const
{
    double d = -HUGE_VAL;
    for (const EphemerisSeries& s : series)
        d = std::max(d, s.firstDay);
    return d;
}

double EphemerisTable::LastDay() const
{
    double d = HUGE_VAL;
    for (const EphemerisSeries& s : series)
        d = std::min(d, s.LastDay());
    return d;
}

EphemerisTable ReadEphemerisFile(const std::string& path)
{
    FileProblem problem;
    const std::optional<std::string> file = ReadRegularFile(path, LargestTableBytes, problem, "an ephemeris table");
    if (!file) {
        switch (problem.fault) {
        case FileFault::Missing: throw EphemerisFileError("The ephemeris file " + path + " is missing.");
        case FileFault::CannotOpen:
        case FileFault::CannotRead: throw EphemerisFileError("The ephemeris file " + path + " " + problem.words + ".");
        case FileFault::TooLarge: damaged(path, "it is larger than any table of this program");
        case FileFault::NotRegular:
        case FileFault::None: break;
        }
        throw EphemerisFileError("The ephemeris file " + path + " is no regular file.");
    }
    const std::string_view bytes(*file);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());

    if (bytes.size() < HeaderBytes)
        throw EphemerisFileError("The ephemeris file " + path + " is too short: it holds no header.");
    if (std::memcmp(data, Magic, sizeof Magic) != 0)
        throw EphemerisFileError("The file " + path + " is not an ephemeris table of this program.");
    Reader header(data + sizeof Magic, HeaderBytes - sizeof Magic, path);
    const auto version = header.get<std::uint32_t>();
    const auto seriesCount = header.get<std::uint32_t>();
    const auto bodyBytes = header.get<std::uint64_t>();
    const auto checksum = header.get<std::uint64_t>();
    if (version != LayoutVersion)
        throw EphemerisFileError("The ephemeris file " + path + " has layout " + std::to_string(version) +
                                 "; this program reads layout " + std::to_string(LayoutVersion) + ".");
    const std::size_t body = bytes.size() - HeaderBytes;
    if (body < bodyBytes)
        throw EphemerisFileError("The ephemeris file " + path + " is too short: " + std::to_string(body) +
                                 " bytes of " + std::to_string(bodyBytes) + " follow its header.");
    if (body > bodyBytes)
        damaged(path, "it is longer than its header says");
    if (checksumOf(data + HeaderBytes, body) != checksum)
        damaged(path, "its checksum does not match its contents");
    if (seriesCount != EphemerisQuantityCount)
        damaged(path, "it holds " + std::to_string(seriesCount) + " series, not " +
                          std::to_string(EphemerisQuantityCount));

    Reader r(data + HeaderBytes, body, path);
    EphemerisTable table;
    table.description = r.text(r.get<std::uint32_t>());
    r.align();
    for (int i = 0; i < EphemerisQuantityCount; ++i) {
        EphemerisSeries s;
        const auto quantity = r.get<std::uint32_t>();
        if (quantity != static_cast<std::uint32_t>(i))
            damaged(path, "series " + std::to_string(i + 1) + " is not the " +
                              std::string(QuantityName(static_cast<EphemerisQuantity>(i))));
        s.quantity = static_cast<EphemerisQuantity>(quantity);
        const auto coefficients = r.get<std::uint32_t>();
        const auto intervals = r.get<std::uint32_t>();
        const auto pieces = r.get<std::uint32_t>();
        s.firstDay = r.get<double>();
        s.intervalDays = r.get<double>();
        if (coefficients < 1 || coefficients > MostCoefficients || intervals < 1 || pieces < intervals)
            damaged(path, "the layout of the " + std::string(QuantityName(s.quantity)) + " is impossible");
        s.coefficients = static_cast<int>(coefficients);
        r.getAll(s.firstPiece, std::size_t(intervals) + 1);
        r.align();
        r.getAll(s.pieceBegin, pieces);
        r.getAll(s.coefficient, std::size_t(pieces) * coefficients);
        checkSeries(s, path);
        s.Prepare();
        table.series.push_back(std::move(s));
    }
    if (r.left() != 0)
        damaged(path, "it holds more than its series");
    return table;
}

void WriteEphemerisFile(const EphemerisTable& table, const std::string& path)
{
    Writer w;
    w.put(static_cast<std::uint32_t>(table.description.size()));
    w.bytes += table.description;
    w.align();
    for (const EphemerisSeries& s : table.series) {
        w.put(static_cast<std::uint32_t>(s.quantity));
        w.put(static_cast<std::uint32_t>(s.coefficients));
        w.put(static_cast<std::uint32_t>(s.Intervals()));
        w.put(static_cast<std::uint32_t>(s.pieceBegin.size()));
        w.put(s.firstDay);
        w.put(s.intervalDays);
        w.putAll(s.firstPiece);
        w.align();
        w.putAll(s.pieceBegin);
        w.putAll(s.coefficient);
    }

    Writer header;
    header.bytes.assign(Magic, sizeof Magic);
    header.put(LayoutVersion);
    header.put(static_cast<std::uint32_t>(table.series.size()));
    header.put(static_cast<std::uint64_t>(w.bytes.size()));
    header.put(checksumOf(reinterpret_cast<const unsigned char*>(w.bytes.data()), w.bytes.size()));

    // Written beside the target and renamed over it, so that a failure never
    // leaves a half-written table where the program looks for one.
    const std::string problem = WriteFileWhole(path, header.bytes + w.bytes);
    if (!problem.empty())
        throw EphemerisFileError("The ephemeris file " + path + " cannot be written: " + problem + ".");
}

double EarthRotationAngle(double jd)
{
    // 0.7790572732640 + 1.00273781191135448 turns a day from J2000; the whole
    // days are taken apart, as they add whole turns.
    const double days = jd - 2451545.0;
    return 360.0 * Frac(0.7790572732640 + 0.00273781191135448 * days + Frac(days));
}

void LoadEphemeris(const std::string& path) { loaded().table = ReadEphemerisFile(path); }

const EphemerisTable& TheEphemeris()
{
    if (!loaded().table)
        throw EphemerisFileError("The ephemeris has not been read.");
    return *loaded().table;
}

} // namespace tarvik
