#include "DumpOptions.h"

#include "calc/TextFormat.h"
#include "calc/TimeScale.h"
#include "core/CivilTime.h"

#include <cctype>
#include <string_view>
#include <utility>

namespace tarvik::chartdump {

const char* const Usage =
    "usage: chartdump --date DD-MM-YYYY --time HH:MM:SS --lat 28N39 --lon 77E13 --zone 82E30\n"
    "                 [--ayanamsa 0|1|2] [--node true|mean] [--war-time +HH:MM] [--panchang]\n"
    "       chartdump --batch FILE   (one set of the options above per line; - standard input)\n"
    "       chartdump --help | --version\n"
    "Prints the chart as one JSON object per birth. Zone is the zone's standard meridian;\n"
    "ayanamsa 0 N.C. Lahiri, 1 K.P., 2 B.V. Raman; war time is how far the clocks ran ahead.\n"
    "Dates from 1800 to 2199, as the program takes them.\n"
    "--panchang adds the panchang of the birth (texts and velantar from the databases of the\n"
    "program folder).\n";

namespace {

// The fixed forms of the options, read by hand: each of these texts is read
// for every line of a batch, and a regular expression built each time cost
// more than the chart itself.
class Form {
public:
    explicit Form(std::string_view text) : rest_(text) {}

    // From min to max decimal digits (ASCII only), as a number.
    bool digits(std::size_t min, std::size_t max, int& value)
    {
        std::size_t n = 0;
        value = 0;
        while (n < max && n < rest_.size() && rest_[n] >= '0' && rest_[n] <= '9')
            value = value * 10 + (rest_[n++] - '0');
        rest_.remove_prefix(n);
        return n >= min;
    }
    bool literal(char c)
    {
        if (rest_.empty() || rest_.front() != c)
            return false;
        rest_.remove_prefix(1);
        return true;
    }
    // One of the letters, in either case; the letter as written goes to found.
    bool oneOf(std::string_view letters, char& found)
    {
        if (rest_.empty())
            return false;
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(rest_.front())));
        if (letters.find(c) == std::string_view::npos)
            return false;
        found = rest_.front();
        rest_.remove_prefix(1);
        return true;
    }
    bool atEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

class Reader {
public:
    explicit Reader(std::string& error) : error_(error) {}

    bool fail(const std::string& option, const std::string& value, const std::string& why)
    {
        if (error_.empty())
            error_ = "invalid " + option + " '" + value + "': " + why;
        return false;
    }

    // Three whole numbers with a separator, like 15-08-1980 or 10:30:00: the
    // least and most digits of each.
    bool three(const std::string& option, const std::string& v, char separator, const int (&widths)[3][2],
               const char* shape, int& a, int& b, int& c)
    {
        Form form(v);
        const bool ok = form.digits(widths[0][0], widths[0][1], a) && form.literal(separator) &&
                        form.digits(widths[1][0], widths[1][1], b) && form.literal(separator) &&
                        form.digits(widths[2][0], widths[2][1], c) && form.atEnd();
        return ok || fail(option, v, std::string("expected ") + shape);
    }

    bool date(const std::string& v, BirthRecord& b)
    {
        int d = 0, mo = 0, y = 0;
        if (!three("--date", v, '-', {{1, 2}, {1, 2}, {4, 4}}, "DD-MM-YYYY", d, mo, y))
            return false;
        const CivilDate civil{d, mo, y};
        if (y < 1 || !civil.IsValid())
            return fail("--date", v, "not a date of the calendar");
        // The program computes births of these four centuries only.
        if (y < 1800 || y > 2199)
            return fail("--date", v, "the year must be from 1800 to 2199");
        b.SetDate(civil);
        return true;
    }

    bool time(const std::string& v, BirthRecord& b)
    {
        int h = 0, mi = 0, s = 0;
        if (!three("--time", v, ':', {{1, 2}, {2, 2}, {2, 2}}, "HH:MM:SS", h, mi, s))
            return false;
        if (h > 23 || mi > 59 || s > 59)
            return fail("--time", v, "hours 0-23, minutes and seconds 0-59");
        b.SetClock({h, mi, s});
        return true;
    }

    // A coordinate text: degree digits, one direction letter, up to two
    // minute digits (a single digit counts as tens, as the place tables store it).
    bool coordinate(const std::string& option, const std::string& v, std::string_view letters, int maxDegrees,
                    int& deg, int& min, std::string& dir)
    {
        Form form(v);
        int degrees = 0, minutes = 0;
        char letter = 0;
        if (!(form.digits(1, 3, degrees) && form.oneOf(letters, letter) && form.digits(0, 2, minutes) &&
              form.atEnd()))
            return fail(option, v, "expected degrees, " + std::string(1, letters[0]) + " or " +
                                       std::string(1, letters[1]) + ", minutes (like 28N39)");
        double d = 0, m = 0;
        std::string written;
        SplitDegDirMin(v, d, m, written);
        if (m > 59)
            return fail(option, v, "minutes 0-59");
        if (d + m / 60 > maxDegrees)
            return fail(option, v, "at most " + std::to_string(maxDegrees) + " degrees");
        deg = static_cast<int>(d);
        min = static_cast<int>(m);
        dir = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
        return true;
    }

    bool warTime(const std::string& v, BirthRecord& b)
    {
        Form form(v);
        const bool behind = form.literal('-');
        if (!behind)
            form.literal('+');
        int h = 0, mi = 0;
        if (!(form.digits(1, 2, h) && form.literal(':') && form.digits(2, 2, mi) && form.atEnd()))
            return fail("--war-time", v, "expected +HH:MM or -HH:MM");
        if (h > 12 || mi > 59)
            return fail("--war-time", v, "at most 12 hours, minutes 0-59");
        b.TimeCorrection = WarTimeCorrection(behind ? -1 : +1, h, mi);
        return true;
    }

private:
    std::string& error_;
};

const char* const Required[] = {"--date", "--time", "--lat", "--lon", "--zone"};
const char* const Optional[] = {"--ayanamsa", "--node", "--war-time", "--batch"};
const char* const Flags[] = {"--panchang"};

// The options of one line by name: a handful, kept in the order given.
class OptionValues {
public:
    explicit OptionValues(std::vector<tools::GivenOption> options) : options_(std::move(options)) {}

    bool has(std::string_view name) const { return find(name, options_.size()) != nullptr; }
    // The value of an option that was given with one.
    const std::string& operator[](std::string_view name) const { return *find(name, options_.size())->value; }
    std::size_t size() const { return options_.size(); }
    // The first option that was given again, or none.
    const std::string* repeated() const
    {
        for (std::size_t k = 1; k < options_.size(); ++k)
            if (find(options_[k].name, k))
                return &options_[k].name;
        return nullptr;
    }

private:
    // The option of that name among the first `count`.
    const tools::GivenOption* find(std::string_view name, std::size_t count) const
    {
        for (std::size_t k = 0; k < count; ++k)
            if (options_[k].name == name)
                return &options_[k];
        return nullptr;
    }
    std::vector<tools::GivenOption> options_;
};

} // namespace

tools::OptionKind OptionKindOf(std::string_view name)
{
    for (const char* f : Flags)
        if (name == f) return tools::OptionKind::Flag;
    for (const char* o : Required)
        if (name == o) return tools::OptionKind::Valued;
    for (const char* o : Optional)
        if (name == o) return tools::OptionKind::Valued;
    return tools::OptionKind::Unknown;
}

std::vector<std::string> SplitLine(std::string_view line)
{
    // The blanks of the classic locale, as a shell's words and a stream's >> take them.
    constexpr std::string_view blanks = " \t\n\v\f\r";
    // Editors that save UTF-8 may put a byte-order mark first; it is no
    // part of the options.
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (line.starts_with(ByteOrderMark))
        line.remove_prefix(ByteOrderMark.size());
    std::vector<std::string> out;
    for (std::size_t at = line.find_first_not_of(blanks); at != std::string_view::npos;) {
        const std::size_t end = line.find_first_of(blanks, at);
        out.emplace_back(line.substr(at, end - at));
        at = end == std::string_view::npos ? end : line.find_first_not_of(blanks, end);
    }
    return out;
}

ParsedOptions ParseOptions(const std::vector<std::string>& args)
{
    ParsedOptions result;
    tools::CommandLine line = tools::ReadCommandLine(args, OptionKindOf);
    const OptionValues values(std::move(line.options));
    if (const std::string* twice = values.repeated()) {
        result.error = *twice + " given twice";
        return result;
    }
    if (line.Stopped()) {
        result.help = line.help;
        result.version = line.version;
        result.error = std::move(line.error);
        return result;
    }

    if (values.has("--batch")) {
        if (values.size() > 1) {
            result.error = "--batch takes no other options (they go on the lines of the file)";
            return result;
        }
        result.batchFile = values["--batch"];
        return result;
    }
    for (const char* o : Required)
        if (!values.has(o)) {
            result.error = std::string("missing ") + o;
            return result;
        }

    DumpRequest req;
    BirthRecord& b = req.birth;
    Reader read(result.error);
    int zoneDeg = 0, zoneMin = 0;
    std::string zoneDir;
    const bool ok = read.date(values["--date"], b) && read.time(values["--time"], b)
                    && read.coordinate("--lat", values["--lat"], "NS", 90, b.LatDeg, b.LatMin, b.LatDir)
                    && read.coordinate("--lon", values["--lon"], "EW", 180, b.LongDeg, b.LongMin, b.LongDir)
                    && read.coordinate("--zone", values["--zone"], "EW", 210, zoneDeg, zoneMin, zoneDir)
                    && (!values.has("--war-time") || read.warTime(values["--war-time"], b));
    if (!ok)
        return result;

    b.ZoneDeg = zoneDeg;
    b.ZoneMin = zoneMin;
    b.ZoneDir = zoneDir;
    b.ZoneMeridian = (IsEast(zoneDir) ? 1.0 : -1.0) * (zoneDeg + zoneMin / 60.0);
    b.ZoneHours = b.ZoneMeridian / 15;

    if (values.has("--ayanamsa")) {
        const std::string& a = values["--ayanamsa"];
        if (a != "0" && a != "1" && a != "2") {
            read.fail("--ayanamsa", a, "0 (N.C. Lahiri), 1 (K.P.) or 2 (B.V. Raman)");
            return result;
        }
        req.ayanamsaChoice = a[0] - '0';
    }
    if (values.has("--node")) {
        const std::string& n = values["--node"];
        if (n != "true" && n != "mean") {
            read.fail("--node", n, "true or mean");
            return result;
        }
        req.trueNode = n == "true";
    }
    req.panchang = values.has("--panchang");
    result.request = req;
    return result;
}

} // namespace tarvik::chartdump
