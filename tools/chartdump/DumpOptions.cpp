#include "DumpOptions.h"

#include "calc/TextFormat.h"
#include "calc/TimeScale.h"
#include "core/CivilTime.h"

#include <cctype>
#include <map>
#include <regex>
#include <sstream>
#include <string_view>
#include <utility>

namespace tarvik::chartdump {

const char* const Usage =
    "usage: chartdump --date DD-MM-YYYY --time HH:MM:SS --lat 28N39 --lon 77E13 --zone 82E30\n"
    "                 [--ayanamsa 0|1|2] [--node true|mean] [--war-time +HH:MM] [--panchang]\n"
    "       chartdump --batch FILE   (one set of the options above per line)\n"
    "Prints the chart as one JSON object per birth. Zone is the zone's standard meridian;\n"
    "ayanamsa 0 N.C. Lahiri, 1 K.P., 2 B.V. Raman; war time is how far the clocks ran ahead.\n"
    "Dates from 1800 to 2199, as the program takes them.\n"
    "--panchang adds the panchang of the birth (texts and velantar from the databases of the\n"
    "program folder).\n";

namespace {

class Reader {
public:
    explicit Reader(std::string& error) : error_(error) {}

    bool fail(const std::string& option, const std::string& value, const std::string& why)
    {
        if (error_.empty())
            error_ = "invalid " + option + " '" + value + "': " + why;
        return false;
    }

    // Three whole numbers of a fixed form, like 15-08-1980 or 10:30:00.
    bool three(const std::string& option, const std::string& v, const std::regex& form, const char* shape,
               int& a, int& b, int& c)
    {
        std::smatch m;
        if (!std::regex_match(v, m, form))
            return fail(option, v, std::string("expected ") + shape);
        a = std::stoi(m[1]);
        b = std::stoi(m[2]);
        c = std::stoi(m[3]);
        return true;
    }

    bool date(const std::string& v, BirthRecord& b)
    {
        static const std::regex form(R"((\d{1,2})-(\d{1,2})-(\d{4}))");
        int d = 0, mo = 0, y = 0;
        if (!three("--date", v, form, "DD-MM-YYYY", d, mo, y))
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
        static const std::regex form(R"((\d{1,2}):(\d{2}):(\d{2}))");
        int h = 0, mi = 0, s = 0;
        if (!three("--time", v, form, "HH:MM:SS", h, mi, s))
            return false;
        if (h > 23 || mi > 59 || s > 59)
            return fail("--time", v, "hours 0-23, minutes and seconds 0-59");
        b.SetClock({h, mi, s});
        return true;
    }

    // A coordinate text: degree digits, one direction letter, up to two
    // minute digits (a single digit counts as tens, as the place tables store it).
    bool coordinate(const std::string& option, const std::string& v, const std::string& letters, int maxDegrees,
                    int& deg, int& min, std::string& dir)
    {
        const std::regex form("(\\d{1,3})([" + letters + "])(\\d{0,2})", std::regex::icase);
        if (!std::regex_match(v, form))
            return fail(option, v, "expected degrees, " + letters.substr(0, 1) + " or " + letters.substr(1, 1) +
                                       ", minutes (like 28N39)");
        double d = 0, m = 0;
        std::string letter;
        SplitDegDirMin(v, d, m, letter);
        if (m > 59)
            return fail(option, v, "minutes 0-59");
        if (d + m / 60 > maxDegrees)
            return fail(option, v, "at most " + std::to_string(maxDegrees) + " degrees");
        deg = static_cast<int>(d);
        min = static_cast<int>(m);
        dir = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(letter[0]))));
        return true;
    }

    bool warTime(const std::string& v, BirthRecord& b)
    {
        static const std::regex form(R"(([+-]?)(\d{1,2}):(\d{2}))");
        std::smatch m;
        if (!std::regex_match(v, m, form))
            return fail("--war-time", v, "expected +HH:MM or -HH:MM");
        const int h = std::stoi(m[2]), mi = std::stoi(m[3]);
        if (h > 12 || mi > 59)
            return fail("--war-time", v, "at most 12 hours, minutes 0-59");
        b.TimeCorrection = WarTimeCorrection(m[1] == "-" ? -1 : +1, h, mi);
        return true;
    }

private:
    std::string& error_;
};

const char* const Required[] = {"--date", "--time", "--lat", "--lon", "--zone"};
const char* const Optional[] = {"--ayanamsa", "--node", "--war-time", "--batch"};
const char* const Flags[] = {"--panchang"};

bool isFlag(const std::string& name)
{
    for (const char* f : Flags)
        if (name == f) return true;
    return false;
}

bool known(const std::string& name)
{
    for (const char* o : Required)
        if (name == o) return true;
    for (const char* o : Optional)
        if (name == o) return true;
    return isFlag(name);
}

} // namespace

BatchLines ReadBatchLines(std::istream& in, std::size_t limit)
{
    // Counted as the bytes come, so that a line without end is given up at
    // the limit rather than held in memory whole.
    using Traits = std::istream::traits_type;
    BatchLines batch;
    std::streambuf* bytes = in.rdbuf();
    std::string line;
    std::size_t read = 0;
    for (Traits::int_type c = bytes->sbumpc(); !Traits::eq_int_type(c, Traits::eof()); c = bytes->sbumpc()) {
        if (++read > limit)
            return {{}, true};
        if (Traits::to_char_type(c) == '\n')
            batch.lines.push_back(std::exchange(line, {}));
        else
            line += Traits::to_char_type(c);
    }
    if (!line.empty())
        batch.lines.push_back(std::move(line));
    return batch;
}

std::vector<std::string> SplitLine(const std::string& line)
{
    // Editors that save UTF-8 may put a byte-order mark first; it is no
    // part of the options.
    static constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    std::istringstream in(line.rfind(ByteOrderMark, 0) == 0 ? line.substr(ByteOrderMark.size()) : line);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

ParsedOptions ParseOptions(const std::vector<std::string>& args)
{
    ParsedOptions result;
    std::map<std::string, std::string> values;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool hasValue = false;
        if (name == "--help" || name == "-h") {
            result.help = true;
            return result;
        }
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            hasValue = true;
        }
        if (!known(name)) {
            result.error = "unknown argument '" + args[i] + "'";
            return result;
        }
        if (isFlag(name) && hasValue) {
            result.error = name + " takes no value";
            return result;
        }
        if (!hasValue && !isFlag(name)) {
            if (i + 1 >= args.size()) {
                result.error = "missing value after " + name;
                return result;
            }
            value = args[++i];
        }
        if (values.count(name)) {
            result.error = name + " given twice";
            return result;
        }
        values[name] = value;
    }

    if (values.count("--batch")) {
        if (values.size() > 1) {
            result.error = "--batch takes no other options (they go on the lines of the file)";
            return result;
        }
        result.batchFile = values["--batch"];
        return result;
    }
    for (const char* o : Required)
        if (!values.count(o)) {
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
                    && (!values.count("--war-time") || read.warTime(values["--war-time"], b));
    if (!ok)
        return result;

    b.ZoneDeg = zoneDeg;
    b.ZoneMin = zoneMin;
    b.ZoneDir = zoneDir;
    b.ZoneMeridian = (IsEast(zoneDir) ? 1.0 : -1.0) * (zoneDeg + zoneMin / 60.0);
    b.ZoneHours = b.ZoneMeridian / 15;

    if (values.count("--ayanamsa")) {
        const std::string& a = values["--ayanamsa"];
        if (a != "0" && a != "1" && a != "2") {
            read.fail("--ayanamsa", a, "0 (N.C. Lahiri), 1 (K.P.) or 2 (B.V. Raman)");
            return result;
        }
        req.ayanamsaChoice = a[0] - '0';
    }
    if (values.count("--node")) {
        const std::string& n = values["--node"];
        if (n != "true" && n != "mean") {
            read.fail("--node", n, "true or mean");
            return result;
        }
        req.trueNode = n == "true";
    }
    req.panchang = values.count("--panchang") > 0;
    result.request = req;
    return result;
}

} // namespace tarvik::chartdump
