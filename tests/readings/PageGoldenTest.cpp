// The Basic page and the three varshphal pages of 200 varied births, drawn on
// the recording surface with the delivered databases and compared with the
// pages recorded in tests/readings/data: page-golden.txt holds one line per
// birth and page, with a digest of everything the page drew (texts with their
// positions and fonts, lines, pictures, sheets, in order) and its count of
// texts; page-golden-records.qz (zlib, through qCompress) holds the drawings
// themselves, so that a page that moved is shown as the lines that differ
// from its record. It guards refactorings of the searches behind these pages
// (end times, sunrise chart, year start): the pages must stay identical.
//
// When a change is meant to alter these pages, write both files anew from
// the changed code and commit them with the change:
//
//     TARVIK_UPDATE_GOLDEN=1 build/tests/page_golden_tests
//
// With TARVIK_GOLDEN_DUMP=<folder> every page's drawing is also written
// there, one file per birth and page (<birth>-<page>.txt), and the record of
// every page that differs beside it (<birth>-<page>-recorded.txt), to diff.

#include "ReadingPagesFixture.h"

#include "calc/Chart.h"
#include "calc/RunCopies.h"
#include "pages/RecordingSurface.h"
#include "registry/PageDispatcher.h"

#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string_view>

#include <QByteArray>
#include <QFile>
#include <QSaveFile>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

constexpr int BirthCount = 200;
constexpr const char* Pages[] = {"Basic", "VP1", "VP2", "VP3"};

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

// Everything a page drew, in order, one line per drawing.
std::string recordOf(const RecordingSurface& s)
{
    std::ostringstream out;
    out << s.EventString() << "\n";
    char buf[128];
    for (const RecordedText& t : s.Texts()) {
        std::snprintf(buf, sizeof buf, "T %d %.3f %.3f %s %.3f %d%d%d ", t.page, t.x, t.y,
                      t.font.Name.c_str(), t.font.Size, t.font.Bold, t.font.Italic, t.font.Underline);
        out << buf << t.text << "\n";
    }
    for (const RecordedLine& l : s.Lines()) {
        std::snprintf(buf, sizeof buf, "L %d %.3f %.3f %.3f %.3f\n", l.page, l.x1, l.y1, l.x2, l.y2);
        out << buf;
    }
    for (const RecordedPicture& p : s.Pictures()) {
        std::snprintf(buf, sizeof buf, "P %d %.3f %.3f %.3f %.3f ", p.page, p.x, p.y, p.width, p.height);
        out << buf << p.name << "\n";
    }
    return out.str();
}

// FNV-1a, 64 bits.
std::string digest(const std::string& text)
{
    std::uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016" PRIx64, h);
    return buf;
}

std::filesystem::path dataFolder()
{
    return std::filesystem::path(SourceDir()) / "tests" / "readings" / "data";
}

std::filesystem::path goldenFile() { return dataFolder() / "page-golden.txt"; }
std::filesystem::path recordsFile() { return dataFolder() / "page-golden-records.qz"; }

// One drawn page: "birth page" names it, its index line is "birth page
// digest texts" as page-golden.txt keeps it.
struct DrawnPage {
    std::size_t birth = 0;
    std::string key;
    std::string record;

    std::string Name() const { return std::to_string(birth) + " " + key; }
};

// The number of texts a record drew, read from its first line (the order of
// the drawings).
std::size_t textCount(const std::string& record)
{
    const std::string_view events(record.data(), std::min(record.find('\n'), record.size()));
    std::size_t count = 0;
    for (std::size_t at = 0; (at = events.find("Text", at)) != std::string_view::npos; at += 4)
        ++count;
    return count;
}

std::string indexLine(const std::string& name, const std::string& record)
{
    return name + " " + digest(record) + " " + std::to_string(textCount(record));
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The file of records: for every page, grouped by page so that alike pages
// stand together for the compression, a header "=== <birth> <page> <bytes>"
// and the record's bytes.
QByteArray packRecords(const std::vector<DrawnPage>& pages)
{
    std::string text;
    for (const char* key : Pages)
        for (const DrawnPage& p : pages)
            if (p.key == key)
                text += "=== " + p.Name() + " " + std::to_string(p.record.size()) + "\n" + p.record;
    return qCompress(QByteArray::fromStdString(text), 9);
}

// The records by page name; an empty map, with the reason in `error`, when
// the file is missing or damaged.
std::map<std::string, std::string> readRecords(std::string& error)
{
    std::map<std::string, std::string> records;
    QFile file(QString::fromStdString(recordsFile().string()));
    if (!file.open(QIODevice::ReadOnly)) {
        error = recordsFile().string() + " cannot be read";
        return records;
    }
    const QByteArray packed = qUncompress(file.readAll());
    const std::string text = packed.toStdString();
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t eol = text.find('\n', at);
        std::istringstream header(text.substr(at, eol - at));
        std::string mark, birth, key;
        std::size_t bytes = 0;
        if (eol == std::string::npos || !(header >> mark >> birth >> key >> bytes) || mark != "===" ||
            eol + 1 + bytes > text.size()) {
            error = recordsFile().string() + " is damaged near byte " + std::to_string(at);
            return {};
        }
        records[birth + " " + key] = text.substr(eol + 1, bytes);
        at = eol + 1 + bytes;
    }
    if (records.empty())
        error = recordsFile().string() + " holds no record";
    return records;
}

std::vector<std::string> readIndex()
{
    std::vector<std::string> kept;
    std::ifstream in(goldenFile());
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            kept.push_back(line);
    return kept;
}

// The first line of a record names every drawing in order; where two differ
// the place is shown with a few drawings either side.
std::string orderDifference(const std::string& recorded, const std::string& now)
{
    std::vector<std::string> a, b;
    std::istringstream ia(recorded), ib(now);
    for (std::string w; ia >> w;)
        a.push_back(w);
    for (std::string w; ib >> w;)
        b.push_back(w);
    std::size_t first = 0;
    while (first < a.size() && first < b.size() && a[first] == b[first])
        ++first;
    auto around = [first](const std::vector<std::string>& words) {
        std::string s;
        const std::size_t from = first < 3 ? 0 : first - 3;
        for (std::size_t k = from; k < std::min(words.size(), first + 6); ++k)
            s += (k == first ? "[" + words[k] + "]" : words[k]) + " ";
        return s;
    };
    std::ostringstream out;
    out << "  order of drawings: " << a.size() << " recorded, " << b.size()
        << " now; the first difference at drawing " << first + 1 << "\n"
        << "  - ... " << around(a) << "\n"
        << "  + ... " << around(b) << "\n";
    return out.str();
}

// The lines of `recorded` and `now` that differ, "- " recorded and "+ " now
// (a longest common subsequence of the lines between their common start and
// end), at most `limit` of them.
std::string lineDifference(const std::string& recorded, const std::string& now, int limit = 40)
{
    std::vector<std::string> a = linesOf(recorded), b = linesOf(now);
    std::ostringstream out;
    if (!a.empty() && !b.empty() && a[0] != b[0])
        out << orderDifference(a[0], b[0]);
    if (!a.empty())
        a.erase(a.begin());
    if (!b.empty())
        b.erase(b.begin());
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
    for (std::size_t k = 0; k < shown.size() && k < static_cast<std::size_t>(limit); ++k)
        out << shown[k] << "\n";
    if (shown.size() > static_cast<std::size_t>(limit))
        out << "  ... and " << shown.size() - limit << " lines more\n";
    return out.str();
}

std::string describe(const GoldenBirth& g)
{
    const BirthRecord& b = g.record;
    std::ostringstream out;
    out << "born " << b.Day << "-" << b.Month << "-" << b.Year << " " << b.Hour << ":" << b.Minute
        << ":" << b.Second << " at " << b.LatDeg << b.LatDir << b.LatMin << " " << b.LongDeg
        << b.LongDir << b.LongMin << ", zone " << b.ZoneHours << " h"
        << (g.warTime[0] != 0 ? ", war time" : "") << ", ayanamsa " << g.ayanamsa << ", "
        << (g.trueNode ? "true" : "mean") << " node, " << (g.hindi ? "Hindi" : "English")
        << ", varshphal year " << g.varshphalYear;
    return out.str();
}

void writeFile(const std::filesystem::path& path, const QByteArray& bytes)
{
    QSaveFile out(QString::fromStdString(path.string()));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << path << ": " << out.errorString().toStdString();
    ASSERT_EQ(out.write(bytes), bytes.size()) << path << ": " << out.errorString().toStdString();
    ASSERT_TRUE(out.commit()) << path << ": " << out.errorString().toStdString();
}

class PageGolden : public DeliveredReadingPages {
protected:
    // Every birth's pages, drawn with the run's choices of that birth.
    std::vector<DrawnPage> drawAll()
    {
        std::vector<DrawnPage> pages;
        const std::vector<GoldenBirth> births = goldenBirths();
        for (std::size_t i = 0; i < births.size(); ++i) {
            const GoldenBirth& g = births[i];
            ResetProgramState();
            Program().ProgramFolder = folder.Path().string();
            Config().PrintBorder = false;
            PrepareRun({.native = {g.record, g.warTime},
                        .ayanamsaChoice = g.ayanamsa,
                        .trueNode = g.trueNode,
                        .hindi = g.hindi,
                        .varshphalFrom = g.varshphalYear});
            for (const char* key : Pages) {
                RecordingSurface surface;
                const bool drawn = PrintPage(surface, key, false);
                std::string record = recordOf(surface);
                for (const std::string& m : collector.messages)
                    record += "M " + m + "\n";
                collector.messages.clear();
                if (!drawn)
                    record += "FAILED\n";
                pages.push_back({i, key, std::move(record)});
            }
        }
        return pages;
    }
};

// The two files agree: every record hashes to its page's digest. A change
// that wrote one file and not the other, or a merge that kept one side of
// each, shows here before any page is drawn.
TEST(PageGoldenRecords, EveryRecordHasTheDigestOfItsPage)
{
    if (std::getenv("TARVIK_UPDATE_GOLDEN"))
        GTEST_SKIP() << "the files are being written anew";
    const std::vector<std::string> kept = readIndex();
    ASSERT_EQ(kept.size(), BirthCount * std::size(Pages))
        << goldenFile() << "; write it with TARVIK_UPDATE_GOLDEN=1";
    std::string error;
    const std::map<std::string, std::string> records = readRecords(error);
    ASSERT_TRUE(error.empty()) << error << "; write it with TARVIK_UPDATE_GOLDEN=1";
    EXPECT_EQ(records.size(), kept.size());
    int differing = 0;
    for (const std::string& line : kept) {
        std::istringstream fields(line);
        std::string birth, key;
        fields >> birth >> key;
        const std::string name = birth + " " + key;
        const auto found = records.find(name);
        const std::string now = found == records.end() ? "no record" : indexLine(name, found->second);
        if (now != line && ++differing <= 10)
            ADD_FAILURE() << "page-golden.txt has \"" << line << "\", its record gives \"" << now << "\"";
    }
    EXPECT_EQ(differing, 0) << "the two files were not written together; write both with "
                               "TARVIK_UPDATE_GOLDEN=1";
}

TEST_F(PageGolden, BasicAndVarshphalPagesOf200BirthsAsRecorded)
{
    const std::vector<DrawnPage> drawn = drawAll();
    if (std::getenv("TARVIK_UPDATE_GOLDEN")) {
        // What the new files change, by page kind, against the old index.
        std::map<std::string, std::string> before;
        for (const std::string& line : readIndex())
            before[line.substr(0, line.find(' ', line.find(' ') + 1))] = line;
        std::map<std::string, int> changed;
        std::string index;
        for (const DrawnPage& p : drawn) {
            index += indexLine(p.Name(), p.record) + "\n";
            if (before[p.Name()] != indexLine(p.Name(), p.record))
                ++changed[p.key];
        }
        std::ostringstream moved;
        for (const auto& [key, count] : changed)
            moved << " " << key << " " << count;
        writeFile(recordsFile(), packRecords(drawn));
        writeFile(goldenFile(), QByteArray::fromStdString(index));
        // Read back, so that a file written wrong fails here and not in the
        // next run.
        std::string error;
        const std::map<std::string, std::string> records = readRecords(error);
        ASSERT_TRUE(error.empty()) << error;
        ASSERT_EQ(readIndex().size(), drawn.size()) << goldenFile();
        for (const DrawnPage& p : drawn)
            ASSERT_EQ(records.count(p.Name()) ? records.at(p.Name()) : "", p.record) << p.Name();
        GTEST_SKIP() << "written " << goldenFile() << " and " << recordsFile() << "; pages changed:"
                     << (changed.empty() ? " none" : moved.str());
    }

    const std::vector<std::string> kept = readIndex();
    ASSERT_EQ(kept.size(), drawn.size())
        << goldenFile() << " does not hold one line per page; write it with TARVIK_UPDATE_GOLDEN=1";
    std::string recordsError;
    const std::map<std::string, std::string> records = readRecords(recordsError);
    const char* dump = std::getenv("TARVIK_GOLDEN_DUMP");
    const std::vector<GoldenBirth> births = goldenBirths();
    std::map<std::string, int> movedByPage;
    int differing = 0;
    for (std::size_t k = 0; k < drawn.size(); ++k) {
        const DrawnPage& page = drawn[k];
        const std::string now = indexLine(page.Name(), page.record);
        const auto recorded = records.find(page.Name());
        if (dump) {
            const std::filesystem::path base =
                std::filesystem::path(dump) / (std::to_string(page.birth) + "-" + page.key);
            std::ofstream(base.string() + ".txt") << page.record;
            if (now != kept[k] && recorded != records.end())
                std::ofstream(base.string() + "-recorded.txt") << recorded->second;
        }
        if (now == kept[k])
            continue;
        ++movedByPage[page.key];
        if (++differing > 20)
            continue;
        std::ostringstream message;
        message << "page " << page.Name() << " (" << describe(births[page.birth])
                << ") differs from its record\n  now      " << now << "\n  recorded " << kept[k] << "\n";
        if (recorded == records.end())
            message << "  (no drawing recorded: " << (recordsError.empty() ? "not in the file" : recordsError)
                    << ")\n";
        else if (indexLine(page.Name(), recorded->second) != kept[k])
            message << "  (the recorded drawing does not match page-golden.txt: the two files were not "
                       "written together)\n";
        else
            message << "  lines recorded (-) and drawn now (+):\n" << lineDifference(recorded->second, page.record);
        ADD_FAILURE() << message.str();
    }
    std::ostringstream summary;
    for (const auto& [key, count] : movedByPage)
        summary << " " << key << " " << count;
    EXPECT_EQ(differing, 0) << "pages that differ:" << summary.str()
                            << (differing > 20 ? " (the first 20 shown)" : "");
}

} // namespace
