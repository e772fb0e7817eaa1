// renderpages: the pages of one birth, or of a match, as the preview draws
// them (one PNG per page) and as a print run prints them (one PDF of all), in
// English or Hindi, North or South Indian charts; for reviewing the pages.
// Every dictionary key that was not found is listed; the exit code is 1 when
// a page could not be drawn, a file could not be written or a key names no
// page of the run, 2 on bad arguments.

#include "CheckedOutput.h"
#include "RenderOptions.h"

#include "calc/EphemerisTable.h"
#include "calc/RunCopies.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "readings/Aspects.h"
#include "registry/PageCatalogue.h"
#include "registry/PageDispatcher.h"
#include "pages/Frame.h"
#include "pages/PainterSurface.h"
#include "refdata/Databases.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <set>

using namespace tarvik;
using namespace tarvik::renderpages;

namespace {

constexpr int PageFailed = 1;
constexpr int BadArguments = 2;

// Keeps the messages of the run; questions take their first answer.
class RunReporter : public Reporter {
public:
    std::vector<std::string> notFound;   // each key once, in the order met
    std::vector<std::string> other;

    void Message(const std::string& text, const std::string&) override
    {
        static constexpr std::string_view prefix = "Not Found:";
        if (text.rfind(prefix, 0) == 0) {
            std::string key = text.substr(prefix.size());
            while (!key.empty() && key.back() == ' ')
                key.pop_back();
            if (seen_.insert(key).second)
                notFound.push_back(key);
        } else {
            other.push_back(text);
        }
    }
    Answer Ask(const std::string& text, Buttons buttons, const std::string&) override
    {
        other.push_back(text);
        return FirstButton(buttons);
    }

private:
    std::set<std::string> seen_;
};

// The war-time correction as the entry form keeps it, from the hours the
// chart adds to the clock: the sign (a minus zero hours for a correction
// behind by less than an hour), the hours, the minutes and no seconds.
WarTime warTimeOf(const BirthRecord& birth)
{
    const double ahead = -birth.TimeCorrection;
    const long long minutes = std::llround(std::fabs(ahead) * 60);
    const double sign = ahead < 0 ? -1.0 : 1.0;
    return {sign * static_cast<double>(minutes / 60), static_cast<double>(minutes % 60), 0.0};
}

// One person as the run is prepared from: the birth of the options, with
// where it took place in their words and what the user typed for the person.
PersonInput personOf(BirthRecord birth, const TypedEntries& typed, const char* role, const char* sex)
{
    birth.Name = typed.name.value_or(role);
    auto coordinate = [](int degrees, const std::string& dir, int minutes) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%d%s%02d", degrees, dir.c_str(), minutes);
        return std::string(buf);
    };
    birth.Place = coordinate(birth.LatDeg, birth.LatDir, birth.LatMin) + " " +
                  coordinate(birth.LongDeg, birth.LongDir, birth.LongMin);
    birth.Country = "Zone " + coordinate(birth.ZoneDeg, birth.ZoneDir, birth.ZoneMin);
    if (typed.place)
        birth.Place = *typed.place;
    if (typed.country)
        birth.Country = *typed.country;
    birth.Sex = sex;
    const WarTime warTime = warTimeOf(birth);
    return {std::move(birth), warTime};
}

// What an output run prepares before the pages are drawn: the charts (the
// girl's first, saved aside), the run values and the display conventions;
// the page settings the pages are framed with.
PreparedRun prepareRun(const RenderRequest& request)
{
    RunInput input;
    if (request.girl)
        input.girl = personOf(*request.girl, request.girlTyped, "Girl", "Female");
    input.native = personOf(request.native.birth, request.nativeTyped, request.girl ? "Boy" : "Native", "Male");
    input.family = {request.father, request.mother, request.grandfather, request.gotra};
    input.ayanamsaChoice = request.native.ayanamsaChoice;
    input.trueNode = request.native.trueNode;
    input.hindi = request.hindi;
    input.chartStyle = request.chartStyle;
    input.varshphalFrom = static_cast<int>(std::chrono::year_month_day(
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())).year());
    const BirthRecord& n = input.native.birth;
    input.yoginiFrom = n.Year + n.Month / 12.0 + n.Day / 360.0;
    const PreparedRun prepared = PrepareRun(input);

    Settings& settings = Config();
    settings.PrintBorder = true;
    settings.BorderFile = Program().ProgramFolder + "/swastik.wmf";
    settings.OwnerLines = {"", "Velmora", "", ""};
    return prepared;
}

std::string fileNameOf(int index, const std::string& key)
{
    std::string name = key;
    for (char& ch : name)
        if (ch == ' ' || ch == '/')
            ch = '_';
    char prefix[8];
    std::snprintf(prefix, sizeof prefix, "%02d-", index);
    return prefix + name + ".png";
}

// One PNG per page, as the preview draws it; drawn turns false when a page
// could not be drawn. False when a file could not be written, which ends the
// run: the next file would fare no better.
bool drawPictures(const std::vector<std::string>& keys, const std::filesystem::path& out, bool& drawn)
{
    OutputRun().BatchPrint = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        ImageSurface page(150);
        drawn &= PrintPage(page, keys[i], false);
        const std::string file = (out / fileNameOf(static_cast<int>(i + 1), keys[i])).string();
        if (const std::string problem = page.SavePng(file); !problem.empty()) {
            std::cerr << "renderpages: cannot write " << file << ": " << problem << "\n";
            return false;
        }
    }
    return true;
}

// The print run of all the pages into pages.pdf, as drawPictures.
bool printPdf(const std::vector<std::string>& keys, const std::filesystem::path& out, bool& drawn)
{
    RunValues& run = OutputRun();
    run.BatchPrint = 1;
    run.PageStarted = false;
    run.PagesPrinted = 0;
    const std::string pdfFile = (out / "pages.pdf").string();
    PdfSurface pdf(pdfFile, {}, PagesOwner(Births(), run.MatchMode) + (run.MatchMode ? " - Match-Making" : " - Horoscope"));
    for (const std::string& key : keys)
        drawn &= PrintPage(pdf, key, true);
    if (!pdf.Finish()) {
        std::cerr << "renderpages: cannot write " << pdfFile << ": " << pdf.Problem() << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const RenderOptions options = ParseRenderOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help || options.version)
        return tools::AnswerHelpOrVersion(options.help, RenderUsage, "renderpages");
    if (!options.error.empty()) {
        std::cerr << "renderpages: " << options.error << "\n" << RenderUsage;
        return BadArguments;
    }
    const RenderRequest& request = *options.request;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    Program().ProgramFolder = ProgramFolderFor(ExecutableFolder(argv[0]));
    try {
        OpenReferenceDatabases(DataAccess::ReadOnly);
        LoadEphemeris(ProgramFile(EphemerisFileName));
    } catch (const std::exception& e) {
        std::cerr << "renderpages: " << e.what() << "\n";
        return PageFailed;
    }
    RunReporter messages;
    ScopedReporter scope(messages);
    PreparedRun prepared;
    try {
        prepared = prepareRun(request);
    } catch (const std::exception& e) {
        std::cerr << "renderpages: " << e.what() << "\n";
        return PageFailed;
    }

    const std::vector<std::string> keys =
        request.allPages ? PreviewCatalogue(request.girl.has_value(),
                                            request.girl ? UsualAspectPages : AspectPageCount(prepared.chart))
                         : request.pages;
    // A key the run cannot draw would give a blank page that looks drawn.
    const std::vector<std::string> known = request.girl ? MatchPageKeys() : HoroscopePageKeys();
    bool unknown = false;
    for (const std::string& key : keys) {
        if (std::find(known.begin(), known.end(), key) == known.end()) {
            std::cerr << "renderpages: no page \"" << key << "\" in a "
                      << (request.girl ? "match" : "horoscope") << " run\n";
            unknown = true;
        }
    }
    if (unknown)
        return PageFailed;
    std::error_code error;
    std::filesystem::create_directories(request.outDir, error);
    if (error) {
        std::cerr << "renderpages: cannot make " << request.outDir << ": " << error.message() << "\n";
        return PageFailed;
    }
    const std::filesystem::path out(request.outDir);

    bool drawn = true;
    const bool written = (!request.png || drawPictures(keys, out, drawn)) &&
                         (!request.pdf || printPdf(keys, out, drawn));

    std::string listed;
    for (const std::string& key : messages.notFound)
        listed += "Not Found:" + key + "\n";
    const bool listedOut = tools::WriteStandardOutput(listed, "renderpages");
    for (const std::string& text : messages.other)
        std::cerr << text << "\n";
    return drawn && written && listedOut ? 0 : PageFailed;
}
