#include "ChartJson.h"

#include "calc/Chart.h"
#include "calc/KPChart.h"
#include "calc/PanchangElements.h"
#include "calc/Sunrise.h"
#include "calc/TimeScale.h"
#include "core/State.h"
#include "panchang/Elements.h"
#include "panchang/EndTimes.h"
#include "panchang/HinduCalendar.h"
#include "panchang/Ishtkaal.h"
#include "refdata/TextLookup.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace tarvik::chartdump {

void JsonText::grow(std::size_t more)
{
    const std::size_t capacity = std::max(size_ + more, 2 * capacity_ + 64);
    std::unique_ptr<char[]> data(new char[capacity]);
    if (size_ != 0)
        std::memcpy(data.get(), data_.get(), size_);
    data_ = std::move(data);
    capacity_ = capacity;
}

namespace {
// The text of a chart is some 4 KB of small pieces; each is appended where
// it goes, with no text of its own to build and copy.

// The shortest text that reads back to the same double.
void appendNumber(JsonText& out, double v)
{
    if (!std::isfinite(v)) {
        out.put("null");
        return;
    }
    // 24 bytes hold the longest shortest form (-1.7976931348623157e+308).
    char* at = out.room(32);
    out.keep(std::to_chars(at, at + 32, v).ptr);
}

void appendInteger(JsonText& out, long long v)
{
    // Most are signs and houses, one digit.
    if (v >= 0 && v <= 9) {
        out.put(static_cast<char>('0' + v));
        return;
    }
    char* at = out.room(24);
    out.keep(std::to_chars(at, at + 24, v).ptr);
}

void appendQuoted(JsonText& out, std::string_view s)
{
    out.put('"');
    // Runs of plain bytes go in whole; an escape only where one is needed.
    std::size_t plain = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20)
            continue;
        out.put(s.substr(plain, i - plain));
        plain = i + 1;
        switch (c) {
        case '"': out.put("\\\""); break;
        case '\\': out.put("\\\\"); break;
        case '\n': out.put("\\n"); break;
        case '\t': out.put("\\t"); break;
        default: {
            char buf[8];
            const int n = std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out.put(std::string_view(buf, static_cast<std::size_t>(n)));
        }
        }
    }
    out.put(s.substr(plain));
    out.put('"');
}

template <typename Range, typename Append>
void appendArray(JsonText& out, const Range& values, Append append)
{
    out.put('[');
    bool first = true;
    for (const auto& v : values) {
        if (!first)
            out.put(',');
        append(out, v);
        first = false;
    }
    out.put(']');
}
} // namespace

void JsonObject::key(std::string_view k)
{
    if (body_.size() > 1)
        body_.put(',');
    appendQuoted(body_, k);
    body_.put(':');
}

void JsonObject::number(std::string_view k, double value)
{
    key(k);
    appendNumber(body_, value);
}

void JsonObject::integer(std::string_view k, long long value)
{
    key(k);
    appendInteger(body_, value);
}

void JsonObject::text(std::string_view k, std::string_view value)
{
    key(k);
    appendQuoted(body_, value);
}

void JsonObject::numbers(std::string_view k, std::span<const double> values)
{
    key(k);
    appendArray(body_, values, appendNumber);
}

void JsonObject::integerRows(std::string_view k, const int* cells, int rows, int columns)
{
    key(k);
    body_.put('[');
    for (int r = 0; r < rows; ++r) {
        if (r)
            body_.put(',');
        appendArray(body_, std::span<const int>(cells + r * columns, columns),
                    [](JsonText& out, int v) { appendInteger(out, v); });
    }
    body_.put(']');
}

void JsonObject::texts(std::string_view k, std::span<const std::string> values)
{
    key(k);
    appendArray(body_, values, [](JsonText& out, const std::string& v) { appendQuoted(out, v); });
}

void JsonObject::object(std::string_view k, const JsonObject& value)
{
    key(k);
    body_.put(value.body_.view());
    body_.put('}');
}

std::string JsonObject::str() const
{
    std::string text;
    text.reserve(body_.size() + 1);
    text.append(body_.view());
    text += '}';
    return text;
}

void JsonObject::textTable(std::string_view k, const std::string* cells, int rows, int columns, int depth)
{
    key(k);
    body_.put('[');
    for (int r = 0; r < rows; ++r) {
        body_.put(r ? ",[" : "[");
        for (int c = 0; c < columns; ++c) {
            if (c)
                body_.put(',');
            appendArray(body_, std::span<const std::string>(cells + (r * columns + c) * depth, depth),
                        [](JsonText& out, const std::string& v) { appendQuoted(out, v); });
        }
        body_.put(']');
    }
    body_.put(']');
}

namespace {

// The chart state of the driver, under its own names.
void writeChartState(JsonObject& json, const DumpRequest& request)
{
    const ChartState& c = Chart();
    const BirthRecord& b = request.birth;
    json.numbers("PlanetLongitudes", c.PlanetLongitudes);
    json.numbers("HouseCusps", c.HouseCusps);
    json.numbers("BhavaSandhi", c.BhavaSandhi);
    json.number("SiderealTime", c.SiderealTime);
    json.number("Obliquity", c.Obliquity);
    json.number("AscAyanamsa", c.AscAyanamsa);
    json.number("JulianCenturies", c.JulianCenturies);
    json.number("DayFraction", c.DayFraction);
    json.integer("DayNumber", DayNumber(b.Day, b.Month, b.Year));
    json.number("PlaceLatitude", c.PlaceLatitude);
    json.number("PlaceLongitude", c.PlaceLongitude);
    json.number("ZoneMeridianDeg", c.ZoneMeridianDeg);
}

void writeSunrise(JsonObject& json, const DumpRequest&)
{
    json.numbers("CalcSunrise", SunriseOf(Native(), Chart()));
}

// The divisional charts and relationships of the driver's run, indexed as
// the chart state holds them (row and column 0 included).
void writeDivisions(JsonObject& json, const DumpRequest&)
{
    const ChartState& c = Chart();
    json.integerRows("ShodashVargaSigns", &c.ShodashVargaSigns[0][0], 17, 11);
    json.integerRows("SaptavargaSigns", &c.SaptavargaSigns[0][0], 14, 8);
    json.textTable("FriendshipTable", &c.FriendshipTable[0][0][0], 10, 10, 4);
}

void writePanchangElements(JsonObject& json, const DumpRequest&)
{
    json.numbers("CalcPanchangElements", CalcPanchangElements());
}

// The KP cusps start from the birth ascendant and ayanamsa that the output
// run copies from the chart, so they are taken from this chart the same way.
void writeKPCusps(JsonObject& json, const DumpRequest&)
{
    Births().BirthLagna = Chart().HouseCusps[1];
    Births().BirthAyanamsa = Chart().PlanetLongitudes[AyanamsaSlot];
    if (!CalcKPChart()) {
        // Inside the polar circles no K.P. cusps can be cast: every entry is null.
        const std::vector<double> none(Chart().KPCusps.size(), std::nan(""));
        json.numbers("KPCusps", none);
        json.numbers("KPHouseSigns", std::span(none).first(Chart().KPHouseSigns.size()));
        return;
    }
    json.numbers("KPCusps", Chart().KPCusps);
    json.numbers("KPHouseSigns", Chart().KPHouseSigns);
}

// One panchang element at birth: its number, key, display text and the
// clock time at which it ends (hours past 24 on the following days).
JsonObject element(int number, std::string_view key, const std::string& text, const std::string& end)
{
    JsonObject e;
    e.integer("number", number);
    e.text("key", key);
    e.text("text", text);
    e.text("end", end);
    return e;
}

// The panchang block of the Basic page for the birth moment.
void writePanchang(JsonObject& json, const DumpRequest& request)
{
    if (!request.panchang)
        return;
    const BirthRecord& b = request.birth;
    const double moon = Chart().PlanetLongitudes[Moon], sun = Chart().PlanetLongitudes[Sun];
    // The end times in standard zone time, as the Basic page gives them:
    // searched from the birth moment on a clock without the war-time correction.
    BirthRecord standard = b;
    standard.TimeCorrection = 0;
    const long long clock = b.Hour * 3600LL + b.Minute * 60LL + b.Second + std::llround(b.TimeCorrection * 3600);
    const long long hours = clock >= 0 ? clock / 3600 : -((-clock + 3599) / 3600);
    const int h = static_cast<int>(hours), m = static_cast<int>((clock - hours * 3600) / 60),
              s = static_cast<int>((clock - hours * 3600) % 60);

    const Texts texts(OutputRun().Choices());
    JsonObject p;
    const int tithi = CalcTithi(moon, sun);
    p.object("Tithi", element(tithi, TithiKey(tithi), CalcTithiText(moon, sun, texts), TithiEndTime(standard, h, m, s, OutputRun().Choices())));
    const int star = CalcNakshatra(moon);
    p.object("Nakshatra", element(star, NakshatraKeys(star), texts.Dict(NakshatraKeys(star)),
                                  NakshatraEndTime(standard, h, m, s, OutputRun().Choices())));
    const int yoga = CalcYoga(moon, sun);
    p.object("Yoga", element(yoga, YogaKeys[yoga], CalcYogaText(moon, sun, texts), YogaEndTime(standard, h, m, s, OutputRun().Choices())));
    const int karana = CalcKarana(moon, sun);
    p.object("Karana", element(karana, KaranaNames[karana], CalcKaranaText(moon, sun, texts), KaranaEndTime(standard, h, m, s, OutputRun().Choices())));

    const SamvatYears samvat = CalcSamvatAtBirth(b, OutputRun().Choices());
    p.integer("ShakaSamvat", samvat.shaka);
    p.integer("VikramSamvat", samvat.vikram);
    const LunarMonth month = LunarMonthAtBirth(b, OutputRun().Choices());
    p.text("Masa", month.key);
    p.text("SakaMonth", GetNationalMonthName(b.Month, b.Day, b.Year));
    p.integer("MasaAdhika", month.adhika ? 1 : 0);
    const Ishtkaal ishtkaal = CalcIshtkaal(b, OutputRun().Choices());
    p.text("Ishtkaal", ishtkaal.text);
    p.number("IshtkaalGhati", ishtkaal.ghati);
    p.text("Velantar", CalcVelantar(b.Day, b.Month, OutputRun().Choices()));
    json.object("Panchang", p);
}

// The groups of keys, in output order. Each reads the chart that CalcChart
// has just left in the program-wide state; a new group is one more line.
using KeyWriter = void (*)(JsonObject&, const DumpRequest&);
constexpr KeyWriter KeyWriters[] = {
    writeChartState,
    writeSunrise,
    writeDivisions,
    writePanchangElements,
    writeKPCusps,
    writePanchang,
};

} // namespace

std::string ChartJson(const DumpRequest& request)
{
    Native() = request.birth;
    OutputRun().AyanamsaChoice = request.ayanamsaChoice;
    OutputRun().TrueNode = request.trueNode;
    ApplyDisplayConventions(false);
    CalcChart(OutputRun().Choices());

    JsonObject json;
    json.reserve(8 * 1024);  // a chart's text, with its panchang
    for (KeyWriter write : KeyWriters)
        write(json, request);
    return json.str();
}

} // namespace tarvik::chartdump
