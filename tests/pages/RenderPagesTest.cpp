// renderpages: its command line, and whole runs in both languages and both
// chart styles, for a horoscope and for a match.

#include "RenderOptions.h"

#include "calc/Chart.h"
#include "core/Version.h"
#include "readings/Aspects.h"
#include "shell/FailingWrites.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <tuple>

using namespace tarvik;
using namespace tarvik::renderpages;

namespace {

const std::vector<std::string> Birth = {"--date", "15-08-1980", "--time", "10:30:00", "--lat",
                                        "28N39", "--lon", "77E13", "--zone", "82E30"};
const std::vector<std::string> GirlBirth = {"--girl-date", "02-03-1983", "--girl-time", "06:15:00",
                                            "--girl-lat", "19N04", "--girl-lon", "72E52",
                                            "--girl-zone", "82E30"};

std::vector<std::string> with(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// renderpages' arguments for the birth (with the girl's, for a match) and
// the options given.
QStringList runArguments(bool match, const std::vector<std::string>& options)
{
    std::vector<std::string> args = with(Birth, options);
    if (match)
        args = with(args, GirlBirth);
    QStringList list;
    for (const std::string& a : args)
        list << QString::fromStdString(a);
    return list;
}

QString toolPath()
{
    const char* bin = std::getenv("TARVIK_BIN_DIR");
    return QDir(bin ? bin : ".").filePath("renderpages");
}

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ToolRun runTool(const QStringList& arguments)
{
    QProcess run;
    run.start(toolPath(), arguments);
    ToolRun result;
    if (!run.waitForFinished(120000))
        return result;
    result.exitCode = run.exitStatus() == QProcess::NormalExit ? run.exitCode() : -1;
    result.out = run.readAllStandardOutput().toStdString();
    result.err = run.readAllStandardError().toStdString();
    return result;
}

// The text of each page of a PDF (poppler's pdftotext).
QStringList pdfPageTexts(const QString& pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();   // after the last page's form feed
    return pages;
}

} // namespace

TEST(RenderOptionsTest, ReadsTheRunAndBothPersons)
{
    const RenderOptions o = ParseRenderOptions(with(with(Birth, GirlBirth),
        {"--lang", "hi", "--style=south", "--pages", "Basic,Yogini Maha 1,,Navamsa", "--out", "x",
         "--ayanamsa", "1"}));
    ASSERT_EQ(o.error, "");
    ASSERT_TRUE(o.request);
    const RenderRequest& r = *o.request;
    EXPECT_TRUE(r.hindi);
    EXPECT_EQ(r.chartStyle, 1);
    EXPECT_EQ(r.pages, (std::vector<std::string>{"Basic", "Yogini Maha 1", "Navamsa"}));
    EXPECT_EQ(r.native.ayanamsaChoice, 1);
    EXPECT_EQ(r.native.birth.Day, 15);
    ASSERT_TRUE(r.girl);
    EXPECT_EQ(r.girl->Year, 1983);
    EXPECT_EQ(r.girl->LatDeg, 19);
    EXPECT_EQ(r.outDir, "x");
    // Without typed texts, the pages name the persons by their roles.
    EXPECT_FALSE(r.nativeTyped.name || r.nativeTyped.place || r.girlTyped.name);
    EXPECT_EQ(r.father, "");
}

// The texts a user types: names, places and countries of both persons and
// the native's family, as given, blanks and all.
TEST(RenderOptionsTest, ReadsTheTypedTexts)
{
    const RenderOptions o = ParseRenderOptions(with(with(Birth, GirlBirth),
        {"--name", "Ramachandra Venkatesh Kulkarni", "--girl-name=Lakshmi Subramaniam", "--place", "Pune",
         "--country", "India", "--girl-place", "Visakhapatnam", "--girl-country", "India",
         "--father", "Venkatesh Kulkarni", "--mother", "Saraswati", "--grandfather", "Narayan",
         "--gotra", "Bharadwaja", "--all", "--out", "x"}));
    ASSERT_EQ(o.error, "");
    ASSERT_TRUE(o.request);
    const RenderRequest& r = *o.request;
    EXPECT_EQ(r.nativeTyped.name, "Ramachandra Venkatesh Kulkarni");
    EXPECT_EQ(r.nativeTyped.place, "Pune");
    EXPECT_EQ(r.nativeTyped.country, "India");
    EXPECT_EQ(r.girlTyped.name, "Lakshmi Subramaniam");
    EXPECT_EQ(r.girlTyped.place, "Visakhapatnam");
    EXPECT_EQ(r.girlTyped.country, "India");
    EXPECT_EQ(std::tie(r.father, r.mother, r.grandfather, r.gotra),
              std::make_tuple("Venkatesh Kulkarni", "Saraswati", "Narayan", "Bharadwaja"));
    ASSERT_TRUE(r.girl);
    EXPECT_EQ(r.girl->Year, 1983);
    // An empty name is a name typed as empty.
    const RenderOptions empty = ParseRenderOptions(with(Birth, {"--name", "", "--all", "--out", "x"}));
    ASSERT_TRUE(empty.request);
    EXPECT_EQ(empty.request->nativeTyped.name, "");
}

TEST(RenderOptionsTest, RefusesWhatItCannotDraw)
{
    struct Case { std::vector<std::string> args; const char* error; };
    const Case cases[] = {
        {with(Birth, {"--out", "x"}), "either --pages"},
        {with(Birth, {"--all", "--pages", "Basic", "--out", "x"}), "either --pages"},
        {with(Birth, {"--all"}), "missing --out"},
        {with(Birth, {"--all", "--out", "x", "--lang", "fr"}), "--lang"},
        {with(Birth, {"--all", "--out", "x", "--style", "east"}), "--style"},
        {{"--all", "--out", "x"}, "missing --date"},
        {with(Birth, {"--all", "--out", "x", "--girl-date", "02-03-1983"}), "girl: missing --time"},
        {with(with(Birth, GirlBirth), {"--all", "--out", "x", "--girl-node", "mean"}), "--girl-node"},
        {with(Birth, {"--all", "--out", "x", "--date", "01-01-2000"}), "--date given twice"},
        {with(Birth, {"--pages", ",", "--out", "x"}), "names no page"},
        {with(Birth, {"--all", "--out", "x", "--girl-help", "x"}), "unknown option '--girl-help'"},
        {with(Birth, {"--all", "--out", "x", "--colour", "red"}), "unknown option '--colour'"},
        {with(Birth, {"--all", "--out", "x", "notes.txt"}), "unexpected argument 'notes.txt'"},
        {with(with(Birth, GirlBirth), {"--all", "--out", "x", "--girl-panchang"}), "--girl-panchang: not an option"},
        {with(Birth, {"--all=yes", "--out", "x"}), "--all takes no value"},
        {with(Birth, {"--all", "--out", "x", "--format", "gif"}), "invalid --format 'gif'"},
        {with(Birth, {"--all", "--out", "x", "--format", "pdf", "--format", "png"}), "--format given twice"},
        {with(Birth, {"--all", "--out", "x", "--girl-name", "Asha"}), "the girl's texts are given without"},
        {with(Birth, {"--all", "--out", "x", "--name", "A", "--name", "B"}), "--name given twice"},
        {with(with(Birth, GirlBirth), {"--all", "--out", "x", "--girl-father", "A"}), "unknown option '--girl-father'"},
        {with(Birth, {"--all", "--out", "x", "--name"}), "missing value after --name"},
    };
    for (const Case& c : cases) {
        const RenderOptions o = ParseRenderOptions(c.args);
        EXPECT_FALSE(o.request) << c.error;
        EXPECT_NE(o.error.find(c.error), std::string::npos) << o.error;
    }
}

TEST(RenderOptionsTest, FormatsHelpAndVersion)
{
    struct Case { const char* format; bool png; bool pdf; };
    for (const Case& c : {Case{nullptr, true, true}, Case{"both", true, true}, Case{"png", true, false},
                          Case{"pdf", false, true}}) {
        std::vector<std::string> args = with(Birth, {"--all", "--out", "x"});
        if (c.format)
            args = with(args, {std::string("--format=") + c.format});
        const RenderOptions o = ParseRenderOptions(args);
        ASSERT_TRUE(o.request) << o.error;
        EXPECT_EQ(o.request->png, c.png) << (c.format ? c.format : "none");
        EXPECT_EQ(o.request->pdf, c.pdf) << (c.format ? c.format : "none");
    }
    // Asked anywhere, help and the version come before any check of the rest.
    EXPECT_TRUE(ParseRenderOptions({"--lang", "fr", "--version"}).version);
    EXPECT_TRUE(ParseRenderOptions({"--version"}).version);
    EXPECT_TRUE(ParseRenderOptions({"--date", "x", "--help"}).help);
}

TEST(RenderOptionsTest, CatalogueOfEachMode)
{
    const auto horoscope = PreviewCatalogue(false);
    EXPECT_EQ(horoscope.front(), "Basic");
    EXPECT_EQ(horoscope.back(), "AadityaPratya9");
    EXPECT_EQ(PreviewCatalogue(true),
              (std::vector<std::string>{"Basic", "Nirayana", "Navamsa", "Interpret", "Result"}));
}

// Whole runs draw every page without a failure or a missing caption, one run
// per test so that they run side by side.
struct WholeRun {
    bool match;
    const char* lang;
    const char* style;
};

void PrintTo(const WholeRun& run, std::ostream* out)
{
    *out << (run.match ? "match " : "horoscope ") << run.lang << " " << run.style;
}

class AllPagesInBothLanguagesAndStyles : public ::testing::TestWithParam<WholeRun> {};

TEST_P(AllPagesInBothLanguagesAndStyles, DrawsEveryPage)
{
    const WholeRun& c = GetParam();
    const char* bin = std::getenv("TARVIK_BIN_DIR");
    ASSERT_NE(bin, nullptr);
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    // The text is all these runs look at: the print run's PDF gives it, and
    // the pictures (as the preview draws them) are left out.
    const ToolRun run = runTool(runArguments(c.match, {"--all", "--lang", c.lang, "--style", c.style,
                                                       "--format", "pdf", "--out", out.path().toStdString()}));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.find("Not Found:"), std::string::npos) << run.out;
    EXPECT_TRUE(QDir(out.path()).entryList({"*.png"}, QDir::Files).isEmpty());
    // One sheet for each page of the run's list (the aspect pages as many
    // as the chart fills), each with its texts.
    const RenderOptions options = ParseRenderOptions(with(Birth, {"--all", "--out", "x"}));
    ASSERT_TRUE(options.request);
    const chartdump::DumpRequest& native = options.request->native;
    const int aspectPages =
        c.match ? UsualAspectPages
                : AspectPageCount(ChartOf(ChartInputOf(native.birth, native.ayanamsaChoice, native.trueNode)));
    const QStringList pages = pdfPageTexts(QDir(out.path()).filePath("pages.pdf"));
    EXPECT_EQ(pages.size(), static_cast<qsizetype>(PreviewCatalogue(c.match, aspectPages).size()));
    for (qsizetype i = 0; i < pages.size(); ++i)
        EXPECT_FALSE(pages[i].trimmed().isEmpty()) << "page " << i + 1 << " has no text";
}

INSTANTIATE_TEST_SUITE_P(RenderPagesRunTest, AllPagesInBothLanguagesAndStyles,
                         ::testing::Values(WholeRun{false, "en", "north"},
                                           WholeRun{false, "hi", "north"},
                                           WholeRun{false, "en", "south"},
                                           WholeRun{false, "hi", "south"},
                                           WholeRun{true, "en", "north"},
                                           WholeRun{true, "hi", "south"}),
                         [](const ::testing::TestParamInfo<WholeRun>& info) {
                             return std::string(info.param.match ? "Match_" : "Horoscope_") +
                                    info.param.lang + "_" + info.param.style;
                         });

TEST(RenderPagesRunTest, BadArgumentsExitWithTwo)
{
    const char* bin = std::getenv("TARVIK_BIN_DIR");
    ASSERT_NE(bin, nullptr);
    QProcess run;
    run.start(QDir(bin).filePath("renderpages"), {"--all", "--out", "/tmp/x"});
    ASSERT_TRUE(run.waitForFinished(30000));
    EXPECT_EQ(run.exitCode(), 2);
    EXPECT_TRUE(run.readAllStandardError().contains("missing --date"));
}

// A key that names no page of the run is reported, and the run fails
// without drawing anything: a horoscope key is unknown to a match.
TEST(RenderPagesRunTest, UnknownPageKeyIsReported)
{
    const char* bin = std::getenv("TARVIK_BIN_DIR");
    ASSERT_NE(bin, nullptr);
    struct Case { bool match; const char* pages; const char* unknown; };
    const Case cases[] = {{false, "Basic,Nirayna", "Nirayna"}, {true, "Basic,Sudarshan", "Sudarshan"}};
    for (const Case& c : cases) {
        QTemporaryDir out;
        ASSERT_TRUE(out.isValid());
        QProcess run;
        run.start(QDir(bin).filePath("renderpages"),
                  runArguments(c.match, {"--pages", c.pages, "--out", out.path().toStdString()}));
        ASSERT_TRUE(run.waitForFinished(60000));
        EXPECT_EQ(run.exitCode(), 1) << c.pages;
        EXPECT_TRUE(run.readAllStandardError().contains(c.unknown)) << c.pages;
        EXPECT_TRUE(QDir(out.path()).entryList({"*.png"}, QDir::Files).isEmpty()) << c.pages;
    }
}

TEST(RenderPagesRunTest, HelpVersionAndUnknownOptions)
{
    struct Case {
        QStringList arguments;
        int exitCode;
        std::string out;   // how standard output begins
        const char* err;   // a part of standard error
    };
    const Case cases[] = {
        {{"--version"}, 0, std::string("renderpages (Tarvik) ") + ProjectVersion + "\n", ""},
        {{"--help"}, 0, "usage: renderpages ", ""},
        {runArguments(false, {"--all", "--out", "x", "--version"}), 0, "renderpages (Tarvik) ", ""},
        {{"--colour", "red"}, 2, "", "renderpages: unknown option '--colour'"},
        {runArguments(false, {"--all", "--out", "x", "--format", "svg"}), 2, "", "invalid --format 'svg'"},
    };
    for (const Case& c : cases) {
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.out.rfind(c.out, 0), 0u) << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
}

// --format chooses the files; a picture is 8-bit grey, as the pages are.
TEST(RenderPagesRunTest, TheFormatChoosesTheFiles)
{
    struct Case { const char* format; bool png; bool pdf; };
    for (const Case& c : {Case{"png", true, false}, Case{"pdf", false, true}, Case{"both", true, true}}) {
        QTemporaryDir out;
        ASSERT_TRUE(out.isValid());
        const ToolRun run = runTool(runArguments(false, {"--pages", "Basic,Nirayana", "--format", c.format, "--out",
                                                         out.path().toStdString()}));
        EXPECT_EQ(run.exitCode, 0) << c.format << run.err;
        const QStringList pngs = QDir(out.path()).entryList({"*.png"}, QDir::Files);
        EXPECT_EQ(pngs, c.png ? QStringList({"01-Basic.png", "02-Nirayana.png"}) : QStringList()) << c.format;
        EXPECT_EQ(QFile::exists(QDir(out.path()).filePath("pages.pdf")), c.pdf) << c.format;
        for (const QString& png : pngs) {
            const QImage picture(QDir(out.path()).filePath(png));
            EXPECT_EQ(picture.format(), QImage::Format_Grayscale8) << png.toStdString();
            EXPECT_EQ(picture.size(), QSize(1240, 1754)) << png.toStdString();
        }
    }
}

// A picture or a PDF that cannot be written (a full disk, a limit on file
// sizes) is told with the system's reason and exit 1, and no part is left.
TEST(RenderPagesRunTest, AFileThatCannotBeWrittenIsTold)
{
    using tarvik::testing::FailingWrites;
    for (FailingWrites::Way way : {FailingWrites::Way::FullDisk, FailingWrites::Way::SizeLimit}) {
        for (const char* format : {"png", "pdf"}) {
            FailingWrites place(way);
            place.Start({});
            if (!place.Ready())
                continue;   // no file system of our own to fill here
            const std::string folder = std::filesystem::path(place.File("x")).parent_path().string();
            const ToolRun run = runTool(runArguments(false, {"--pages", "Basic,Nirayana", "--format", format, "--out",
                                                             folder}));
            const std::string file = folder + (format == std::string("png") ? "/01-Basic.png" : "/pages.pdf");
            EXPECT_EQ(run.exitCode, 1) << format << " " << place.Reason();
            EXPECT_NE(run.err.find("renderpages: cannot write " + file + ": " + place.Reason()), std::string::npos)
                << run.err;
            EXPECT_FALSE(std::filesystem::exists(file)) << file;
            EXPECT_FALSE(std::filesystem::exists(file + ".part")) << file;
            EXPECT_FALSE(std::filesystem::exists(folder + "/02-Nirayana.png")) << "went on after a failed write";
        }
    }
}
