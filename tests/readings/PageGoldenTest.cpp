// Pages drawn on the recording surface with the delivered databases and
// compared with the pages recorded as text in tests/readings/data/golden:
//   - the Basic page and the three varshphal pages of 200 varied births, which
//     guard the searches behind them (end times, the sunrise chart, the year
//     start);
//   - every page of four horoscope runs and two match runs, in both
//     languages and both chart styles, previewed and printed with the border,
//     the owner's lines and the page numbers of a print run; the pages that
//     look from the present as of December 2026.
// One file per page kind (golden/<key>.txt, golden/match-<key>.txt) holds
// the records of that page in every run that draws it. A record is a header
// "=== <run>: <how the run was made>" and then one line per drawing, in the
// order drawn:
//   F <font name> <size> <bold><italic><underline>   the font of the texts after it
//   T <x> <y> <text>                                  a text, its top-left corner
//   L <x1> <y1> <x2> <y2>                             a line
//   P <x> <y> <width> <height> <name>                 a picture
//   NewPage, Sheet                                    a NewPage call, a sheet begun
//   M <message>                                       a message the page gave
// (twips and points). A page that moved shows in `git diff` as the lines
// that changed, under the header of its run.
//
// When a change is meant to alter these pages, write the files anew from the
// changed code, review the diff and commit them with the change:
//
//     TARVIK_UPDATE_GOLDEN=1 build/tests/page_golden_tests

#include "ReadingPagesFixture.h"

#include "calc/Chart.h"
#include "calc/RunCopies.h"
#include "core/FileWrite.h"
#include "pages/RecordingSurface.h"
#include "readings/Aspects.h"
#include "registry/PageDispatcher.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string_view>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

constexpr int BirthCount = 200;
constexpr const char* SearchPages[] = {"Basic", "VP1", "VP2", "VP3"};
constexpr YearMonth Today = {2026, 12};

// A small deterministic generator, so that the births are the same on every
// machine and in every run.
class Lcg {
public:
    int Next(int lo, int hi)   // lo..hi
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return lo + static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(hi - lo + 1));
    }

private:
    std::uint64_t state_ = 20261210;
};

struct GoldenBirth {
    BirthRecord record;
    WarTime warTime{};
    int ayanamsa = 0;
    bool trueNode = true;
    bool hindi = false;
    int varshphalYear = 0;
};

// Births from 1901 to 2049 over the inhabited latitudes, both hemispheres and
// both sides of Greenwich, each zone the hour or half hour of its longitude;
// every fifth one with a war-time hour; the three ayanamsas, both nodes and
// both languages in turn; annual charts from the birth year to 60 years on.
std::vector<GoldenBirth> goldenBirths()
{
    Lcg r;
    std::vector<GoldenBirth> births;
    for (int i = 0; i < BirthCount; ++i) {
        GoldenBirth g;
        BirthRecord& b = g.record;
        b.Name = "Native " + std::to_string(i);
        b.Place = "Place";
        b.Country = "Country";
        b.Sex = i % 2 ? "Female" : "Male";
        b.Year = r.Next(1901, 2049);
        b.Month = r.Next(1, 12);
        b.Day = r.Next(1, 28);
        b.Hour = r.Next(0, 23);
        b.Minute = r.Next(0, 59);
        b.Second = r.Next(0, 59);
        b.LatDeg = r.Next(0, 58);
        b.LatMin = r.Next(0, 59);
        b.LatDir = r.Next(0, 3) == 0 ? "S" : "N";
        b.LongDeg = r.Next(0, 179);
        b.LongMin = r.Next(0, 59);
        b.LongDir = r.Next(0, 2) == 0 ? "W" : "E";
        const double longitude = LongitudeDegrees(b.LongDeg, b.LongMin, b.LongDir);
        b.ZoneHours = std::round(longitude / 7.5) / 2;
        b.ZoneMeridian = b.ZoneHours * 15;
        const double meridian = std::abs(b.ZoneMeridian);
        b.ZoneDeg = static_cast<int>(meridian);
        b.ZoneMin = static_cast<int>(std::lround((meridian - b.ZoneDeg) * 60));
        b.ZoneDir = b.ZoneMeridian < 0 ? "W" : "E";
        if (i % 5 == 4) {
            g.warTime = {1, 0, 0};
            b.TimeCorrection = -1;
        }
        g.ayanamsa = i % 3;
        g.trueNode = i % 4 != 1;
        g.hindi = i % 2 == 1;
        g.varshphalYear = b.Year + r.Next(0, 60);
        births.push_back(g);
    }
    return births;
}

std::string describe(const GoldenBirth& g)
{
    const BirthRecord& b = g.record;
    std::ostringstream out;
    out << "born " << b.Day << "-" << b.Month << "-" << b.Year << " " << b.Hour << ":" << b.Minute
        << ":" << b.Second << " at " << b.LatDeg << b.LatDir << b.LatMin << " " << b.LongDeg
        << b.LongDir << b.LongMin << ", zone " << b.ZoneHours << " h"
        << (g.warTime[0] != 0 ? ", war time" : "");
    return out.str();
}

// One run of the program: whose pages (a native, or a boy and a girl), in
// which language and style, previewed or printed, and the pages it draws.
struct GoldenRun {
    std::string name;
    GoldenBirth native;
    std::optional<GoldenBirth> girl;
    bool hindi = false;
    int style = 0;
    bool print = false;     // a print run: page numbers, NewPage between pages
    bool dressed = false;   // the border, the owner's lines, the family's names
    std::vector<std::string> keys;

    std::string What() const
    {
        std::string what = girl ? "boy " + describe(native) + "; girl " + describe(*girl)
                                : describe(native);
        what += "; ayanamsa " + std::to_string(native.ayanamsa) + (native.trueNode ? ", true" : ", mean") +
                " node, varshphal year " + std::to_string(native.varshphalYear) +
                (hindi ? ", Hindi" : ", English") + (style ? ", South" : ", North") +
                (print ? ", printed" : ", previewed") + (dressed ? ", border and owner" : "");
        return what;
    }
};

// Every key the dispatcher draws, but of the 243 sookshma pages, drawn alike
// by one builder, the first and the last of each family. The compact
// pratyantar page comes last, after the pages recorded before it was.
std::vector<std::string> everyPage(const std::vector<std::string>& keys)
{
    std::vector<std::string> kept;
    for (const std::string& key : keys) {
        if (key == "VimsPratya")
            continue;
        if (key.find("Sooksh") != std::string::npos && !key.ends_with("01") && !key.ends_with("81"))
            continue;
        kept.push_back(key);
    }
    kept.push_back("VimsPratya");
    return kept;
}

std::vector<GoldenRun> goldenRuns()
{
    const std::vector<GoldenBirth> births = goldenBirths();
    std::vector<GoldenRun> runs;
    for (int i = 0; i < BirthCount; ++i)
        runs.push_back({"birth " + std::to_string(i), births[i], std::nullopt, births[i].hindi, 0, false,
                        false, {std::begin(SearchPages), std::end(SearchPages)}});
    const std::vector<std::string> horoscope = everyPage(HoroscopePageKeys());
    const std::vector<std::string> match = MatchPageKeys();
    // The three ayanamsas and both nodes come with the births (0..3).
    runs.push_back({"run 0", births[0], std::nullopt, false, 0, false, false, horoscope});
    runs.push_back({"run 1", births[1], std::nullopt, true, 1, true, true, horoscope});
    runs.push_back({"run 2", births[2], std::nullopt, false, 1, true, true, horoscope});
    runs.push_back({"run 3", births[3], std::nullopt, true, 0, false, true, horoscope});
    runs.push_back({"match 0", births[4], births[5], false, 0, false, false, match});
    runs.push_back({"match 1", births[6], births[7], true, 1, true, true, match});
    return runs;
}

// A number as the records write it: to three places, without trailing zeros.
std::string number(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.3f", v);
    std::string s = buf;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.')
        s.pop_back();
    return s == "-0" ? "0" : s;
}

// Everything a page drew, in order, one line per drawing.
std::string recordOf(const RecordingSurface& s)
{
    std::string out;
    std::size_t text = 0, line = 0, picture = 0;
    std::optional<TextFont> font;
    for (RecordingSurface::Event e : s.Events()) {
        switch (e) {
        case RecordingSurface::Event::Text: {
            const RecordedText& t = s.Texts()[text++];
            if (!font || !(*font == t.font)) {
                font = t.font;
                out += "F " + t.font.Name + " " + number(t.font.Size) + " " + (t.font.Bold ? "1" : "0") +
                       (t.font.Italic ? "1" : "0") + (t.font.Underline ? "1" : "0") + "\n";
            }
            out += "T " + number(t.x) + " " + number(t.y) + " " + t.text + "\n";
            break;
        }
        case RecordingSurface::Event::Line: {
            const RecordedLine& l = s.Lines()[line++];
            out += "L " + number(l.x1) + " " + number(l.y1) + " " + number(l.x2) + " " + number(l.y2) + "\n";
            break;
        }
        case RecordingSurface::Event::Picture: {
            const RecordedPicture& p = s.Pictures()[picture++];
            out += "P " + number(p.x) + " " + number(p.y) + " " + number(p.width) + " " +
                   number(p.height) + " " + p.name + "\n";
            break;
        }
        case RecordingSurface::Event::NewPage: out += "NewPage\n"; break;
        case RecordingSurface::Event::Sheet: out += "Sheet\n"; break;
        }
    }
    return out;
}

std::filesystem::path goldenFolder()
{
    return std::filesystem::path(SourceDir()) / "tests" / "readings" / "data" / "golden";
}

// The file of a page kind: its key, blanks as dashes; a match page's with
// "match-" before it.
std::string fileOf(const std::string& key, bool match)
{
    std::string name = key;
    for (char& c : name)
        if (c == ' ')
            c = '-';
    return (match ? "match-" : "") + name + ".txt";
}

// One drawn page, under the run that drew it.
struct DrawnPage {
    std::string file;
    std::string run;        // "birth 17", "run 2", "match 1"
    std::string what;
    std::string key;
    std::string record;
};

constexpr std::string_view FileHead = "# Golden page records, written by page_golden_tests "
                                      "(TARVIK_UPDATE_GOLDEN=1); see tests/readings/PageGoldenTest.cpp.\n";

std::string fileText(const std::vector<const DrawnPage*>& pages)
{
    std::string text(FileHead);
    for (const DrawnPage* p : pages)
        text += "=== " + p->run + ": " + p->what + "\n" + p->record;
    return text;
}

// The records of one file by run; `error` says why when the file is missing
// or not a file of records.
std::map<std::string, std::string> readRecords(const std::filesystem::path& path, std::string& error)
{
    std::map<std::string, std::string> records;
    std::ifstream in(path);
    if (!in) {
        error = path.string() + " cannot be read";
        return records;
    }
    std::string line;
    std::string* record = nullptr;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.starts_with("=== ")) {
            const std::size_t colon = line.find(": ");
            if (colon == std::string::npos) {
                error = path.string() + ":" + std::to_string(number) + " is not a record's header";
                return {};
            }
            record = &records[line.substr(4, colon - 4)];
        } else if (record) {
            *record += line + "\n";
        } else if (!line.starts_with("#")) {
            error = path.string() + ":" + std::to_string(number) + " stands before the first record";
            return {};
        }
    }
    return records;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The lines of `recorded` and `now` that differ, "- " recorded and "+ " now
// (a longest common subsequence of the lines between their common start and
// end), at most `limit` of them.
std::string lineDifference(const std::string& recorded, const std::string& now, int limit = 40)
{
    const std::vector<std::string> a = linesOf(recorded), b = linesOf(now);
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    const std::vector<std::string> x(a.begin() + head, a.end() - tail);
    const std::vector<std::string> y(b.begin() + head, b.end() - tail);
    std::vector<std::string> shown;
    if (x.size() * y.size() <= 4'000'000) {
        // lcs[i][j]: the longest common run of x[i..] and y[j..].
        std::vector<std::vector<int>> lcs(x.size() + 1, std::vector<int>(y.size() + 1, 0));
        for (std::size_t i = x.size(); i-- > 0;)
            for (std::size_t j = y.size(); j-- > 0;)
                lcs[i][j] = x[i] == y[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
        std::size_t i = 0, j = 0;
        while (i < x.size() || j < y.size()) {
            if (i < x.size() && j < y.size() && x[i] == y[j]) {
                ++i, ++j;
            } else if (j == y.size() || (i < x.size() && lcs[i + 1][j] >= lcs[i][j + 1])) {
                shown.push_back("  - " + x[i++]);
            } else {
                shown.push_back("  + " + y[j++]);
            }
        }
    } else {
        for (const std::string& l : x)
            shown.push_back("  - " + l);
        for (const std::string& l : y)
            shown.push_back("  + " + l);
    }
    std::ostringstream out;
    out << "  from line " << head + 1 << " of the record:\n";
    for (std::size_t k = 0; k < shown.size() && k < static_cast<std::size_t>(limit); ++k)
        out << shown[k] << "\n";
    if (shown.size() > static_cast<std::size_t>(limit))
        out << "  ... and " << shown.size() - limit << " lines more\n";
    return out.str();
}

class PageGolden : public DeliveredReadingPages {
protected:
    // What the output run prepares for a run: the charts (a match's girl
    // first, kept aside), the run's values and the display conventions.
    void prepare(const GoldenRun& run)
    {
        ResetProgramState();
        Program().ProgramFolder = folder.Path().string();
        const BirthRecord& n = run.native.record;
        RunInput input{.native = {n, run.native.warTime},
                       .ayanamsaChoice = run.native.ayanamsa,
                       .trueNode = run.native.trueNode,
                       .hindi = run.hindi,
                       .chartStyle = run.style,
                       .printing = run.print,
                       .varshphalFrom = run.native.varshphalYear,
                       .varshphalYears = 1,
                       .yoginiFrom = n.Year + 7 + n.Month / 12.0 + n.Day / 360.0};
        if (run.girl)
            input.girl = PersonInput{run.girl->record, run.girl->warTime};
        if (run.dressed)
            input.family = {"Hari Prasad", "Kamala Devi", "Shiv Narayan", "Kashyap"};
        PrepareRun(input);
        Settings& settings = Config();
        settings.PrintBorder = run.dressed;
        if (run.dressed) {
            settings.BorderFile = "swastik.wmf";
            settings.OwnerLines = {"", "Velmora Astrological Services", "12 Temple Road, Delhi",
                                   "Phone 011 2345 6789"};
        }
    }

    std::vector<DrawnPage> drawAll()
    {
        std::vector<DrawnPage> pages;
        for (const GoldenRun& run : goldenRuns()) {
            prepare(run);
            // A print run draws its pages on one surface, one sheet after
            // another; a preview draws each on a clear picture.
            RecordingSurface printer;
            for (const std::string& key : run.keys) {
                RecordingSurface preview;
                RecordingSurface& surface = run.print ? printer : preview;
                surface.ClearLog();
                // The compact pratyantar page looks from the month it is given.
                const bool drawn = PrintPage(surface, key, run.print, {.today = Today});
                std::string record = recordOf(surface);
                for (const std::string& m : collector.messages)
                    record += "M " + m + "\n";
                collector.messages.clear();
                if (!drawn)
                    record += "FAILED\n";
                pages.push_back({fileOf(key, run.girl.has_value()), run.name, run.What(), key, std::move(record)});
            }
        }
        return pages;
    }
};

TEST_F(PageGolden, EveryPageAsRecorded)
{
    const std::vector<DrawnPage> drawn = drawAll();
    std::map<std::string, std::vector<const DrawnPage*>> byFile;
    for (const DrawnPage& p : drawn)
        byFile[p.file].push_back(&p);

    std::set<std::string> stale;
    if (std::filesystem::is_directory(goldenFolder()))
        for (const auto& entry : std::filesystem::directory_iterator(goldenFolder()))
            if (!byFile.count(entry.path().filename().string()))
                stale.insert(entry.path().filename().string());

    if (std::getenv("TARVIK_UPDATE_GOLDEN")) {
        std::filesystem::create_directories(goldenFolder());
        std::map<std::string, int> changed;
        for (const auto& [file, pages] : byFile) {
            const std::filesystem::path path = goldenFolder() / file;
            std::string error;
            const std::map<std::string, std::string> before = readRecords(path, error);
            for (const DrawnPage* p : pages) {
                const auto was = before.find(p->run);
                if (was == before.end() || was->second != p->record)
                    ++changed[p->key];
            }
            error.clear();
            const std::string text = fileText(pages);
            const std::string failure = WriteFileWhole(path.string(), text);
            ASSERT_TRUE(failure.empty()) << path << ": " << failure;
            // Read back, so that a file written wrong fails here and not in
            // the next run.
            const std::map<std::string, std::string> after = readRecords(path, error);
            ASSERT_TRUE(error.empty()) << error;
            for (const DrawnPage* p : pages)
                ASSERT_EQ(after.count(p->run) ? after.at(p->run) : "", p->record) << file << " " << p->run;
        }
        for (const std::string& file : stale)
            std::filesystem::remove(goldenFolder() / file);
        std::ostringstream moved;
        for (const auto& [key, count] : changed)
            moved << " " << key << " " << count;
        GTEST_SKIP() << "written " << byFile.size() << " files in " << goldenFolder()
                     << (stale.empty() ? "" : ", removed " + std::to_string(stale.size()) + " stale ones")
                     << "; pages changed:" << (changed.empty() ? " none" : moved.str());
    }

    for (const std::string& file : stale)
        ADD_FAILURE() << goldenFolder() / file << " is the record of no page; write the folder anew with "
                         "TARVIK_UPDATE_GOLDEN=1";
    std::map<std::string, int> movedByPage;
    int differing = 0;
    for (const auto& [file, pages] : byFile) {
        std::string error;
        const std::map<std::string, std::string> records = readRecords(goldenFolder() / file, error);
        if (!error.empty()) {
            ADD_FAILURE() << error << "; write it with TARVIK_UPDATE_GOLDEN=1";
            movedByPage[pages.front()->key] += static_cast<int>(pages.size());
            continue;
        }
        if (records.size() != pages.size())
            ADD_FAILURE() << goldenFolder() / file << " holds " << records.size() << " records for "
                          << pages.size() << " pages";
        for (const DrawnPage* p : pages) {
            const auto recorded = records.find(p->run);
            if (recorded != records.end() && recorded->second == p->record)
                continue;
            ++movedByPage[p->key];
            if (++differing > 20)
                continue;
            std::ostringstream message;
            message << "page " << p->key << " of " << p->run << " (" << p->what << ") differs from its record in "
                    << file << "\n";
            if (recorded == records.end())
                message << "  (no record of this run)\n";
            else
                message << "  lines recorded (-) and drawn now (+):\n" << lineDifference(recorded->second, p->record);
            ADD_FAILURE() << message.str();
        }
    }
    std::ostringstream summary;
    for (const auto& [key, count] : movedByPage)
        summary << " " << key << " " << count;
    EXPECT_EQ(differing, 0) << "pages that differ:" << summary.str()
                            << (differing > 20 ? " (the first 20 shown)" : "");
}

} // namespace
