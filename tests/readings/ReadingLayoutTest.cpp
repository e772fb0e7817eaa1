// The match, Manglik and Sade Sati pages with the delivered texts and the
// preview's fonts: every key the pages can build is in the database in both
// languages, and every page stands inside its frame.

#include "pages/MeasuredSurface.h"
#include "pages/QtTestEnvironment.h"

#include "calc/CalcFixture.h"
#include "calc/Chart.h"
#include "calc/RunCopies.h"
#include "core/Reporter.h"
#include "registry/PageDispatcher.h"
#include "panchang/Elements.h"
#include "readings/Ashtakoota.h"
#include "refdata/RefdataFixture.h"
#include "refdata/TextLookup.h"
#include "pages/FontMap.h"

#include <cmath>
#include <map>
#include <set>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// The frame's inner rule and the footer (default settings).
constexpr double FrameLeft = 560, FrameRight = 11040, FrameBottom = 15000;

class ReadingContent : public OpenDeliveredDatabases {
protected:
    CollectingReporter collector;
    ScopedReporter scope{collector};
};

MatchPerson person(double moon, int lagna, int mars)
{
    return {moon, CalcNakshatra(moon), lagna, mars};
}

// Over Moons every 1.25 degrees for both, and the four Manglik pairs.
TEST_F(ReadingContent, EveryKeyTheMatchPagesBuildIsDelivered)
{
    std::set<std::string> dictionary = {"MATCH", "CHART", "CONSIDERATION", "MANGLIK", "_KOOT",
                                        "_BOY", "_GIRL", "_OBTPTS", "_MAXPTS", "TOTAL", "GUNA"};
    std::set<std::string> match = {"MATCHGEN", "prefix"};
    std::map<int, std::set<int>> digits;
    for (double b = 0.6; b < 360; b += 1.25) {
        for (double g = 0.6; g < 360; g += 1.25) {
            const AshtakootaResult r = MatchAshtakoota(person(b, 1, 1), person(g, 1, 2));
            for (int k = 1; k <= KootaCount; ++k) {
                const double points = r.kootas[k].points;
                digits[k].insert(static_cast<int>(std::floor(points + 0.5)));
                match.insert(KootaPointsKey(k, points));
                dictionary.insert(r.kootas[k].cells.begin(), r.kootas[k].cells.end());
            }
            match.insert(r.verdictKey);
            if (!r.doshaNoteKey.empty())
                match.insert(r.doshaNoteKey);
        }
    }
    for (int k = 1; k <= KootaCount; ++k) {
        dictionary.insert(std::string(KootaNameKey(k)));
        match.insert(KootaTextKey(k));
    }
    for (bool boy : {false, true})
        for (bool girl : {false, true})
            match.insert(ManglikKey(boy, girl));

    // The points each koota can reach, as the interpretation texts are written for.
    const std::map<int, std::set<int>> reachable = {
        {VarnaKoota, {0, 1}},          {VashyaKoota, {0, 1, 2}},   {TaraKoota, {2, 3}},
        {YoniKoota, {0, 1, 2, 3, 4}},  {GrahaMaitriKoota, {0, 1, 3, 4, 5}},
        {GanaKoota, {0, 1, 5, 6}},     {BhakutKoota, {0, 7}},      {NadiKoota, {0, 8}},
    };
    EXPECT_EQ(digits, reachable);
    for (const char* key : {"SCO", "SCO14", "SCO18", "SCO23", "SCO28", "SCO36", "NADIBHAKUT",
                            "NADIDOSHA", "BHAKUTDOSHA"})
        EXPECT_TRUE(match.count(key)) << key << " is never reached";

    for (bool hindi : {false, true}) {
        for (const std::string& key : dictionary)
            EXPECT_FALSE(Texts(hindi).Dict(key).empty()) << key << (hindi ? " hi" : " en");
        for (const std::string& key : match)
            EXPECT_FALSE(Texts(hindi).Match(key).empty()) << key << (hindi ? " hi" : " en");
        for (int house = 1; house <= 12; ++house)
            EXPECT_FALSE(Texts(hindi).Dict("House" + std::to_string(house)).empty()) << house;
    }
    EXPECT_TRUE(collector.messages.empty());
}

class ReadingLayout : public ReadingContent {
protected:
    void SetUp() override
    {
        ReadingContent::SetUp();
    }
    void TearDown() override
    {
        ReadingContent::TearDown();
    }

    // Every text of the body inside the frame.
    void expectInsideFrame(const std::string& key, const std::string& what)
    {
        MeasuredSurface s;
        ASSERT_TRUE(PrintPage(s, key, false)) << what;
        EXPECT_TRUE(collector.messages.empty()) << what << ": " << collector.messages.front();
        collector.messages.clear();
        int body = 0;
        for (const RecordedText& t : s.Texts()) {
            if (t.y < Config().TopMarginTwips || t.y >= Config().FooterTop * 1440)
                continue;   // the header and the owner's lines
            ++body;
            EXPECT_GE(t.x, FrameLeft) << what << ": " << t.text;
            EXPECT_LE(t.x + s.WidthIn(t.font, t.text), FrameRight) << what << ": " << t.text;
            EXPECT_LE(t.y + s.HeightIn(t.font), FrameBottom) << what << ": " << t.text;
        }
        EXPECT_GT(body, 20) << what;
    }
};

TEST_F(ReadingLayout, HoroscopePagesInBothLanguages)
{
    for (bool hindi : {false, true}) {
        PrepareRun({.native = {tarvik::testing::DelhiBirth(15, 8, 1980, 10, 30)}, .hindi = hindi});
        for (const char* key : {"Sade1", "Sade2", "Manglik"})
            expectInsideFrame(key, std::string(key) + (hindi ? " hi" : " en"));
    }
}

// Matches over the nakshatras, each with another Manglik pair: the pages'
// paragraphs differ with every koota's points.
TEST_F(ReadingLayout, MatchPagesInBothLanguages)
{
    OutputRun().MatchMode = true;
    Native().Name = "Ramachandran Venkataraman";
    Partner().Name = "Lakshmi Subramaniam";
    for (int n = 1; n <= 27; n += 2) {
        const double boyMoon = (n - 0.5) * 40 / 3;
        const double girlMoon = std::fmod(boyMoon + 47 * n, 360);
        MatchCopies& m = Match();
        Chart().PlanetLongitudes[Moon] = boyMoon;
        m.NativeSaptavargaSigns[Lagna][1] = 1;
        m.NativeSaptavargaSigns[Mars][1] = n % 12 + 1;
        m.PartnerLongitudes[Moon] = girlMoon;
        m.PartnerPanchang[NakshatraElement] = CalcNakshatra(girlMoon);
        m.PartnerSaptavargaSigns[Lagna][1] = 1;
        m.PartnerSaptavargaSigns[Mars][1] = (n + 6) % 12 + 1;
        for (bool hindi : {false, true}) {
            ApplyDisplayConventions(hindi);
            for (const char* key : {"Interpret", "Result"})
                expectInsideFrame(key, std::string(key) + " " + std::to_string(n) +
                                           (hindi ? " hi" : " en"));
        }
    }
}

// The result table's points and maxima stand on the baseline of their row's
// caption and at its size (the size its face draws, the English face
// drawing the numbers), in both languages; and so do the points on the
// interpretation page.
TEST_F(ReadingLayout, MatchResultPointsStandOnTheirRows)
{
    OutputRun().MatchMode = true;
    Native().Name = "Boy";
    Partner().Name = "Girl";
    MatchCopies& m = Match();
    Chart().PlanetLongitudes[Moon] = 100;
    m.NativeSaptavargaSigns[Lagna][1] = 1;
    m.NativeSaptavargaSigns[Mars][1] = 3;
    m.PartnerLongitudes[Moon] = 230;
    m.PartnerPanchang[NakshatraElement] = CalcNakshatra(230);
    m.PartnerSaptavargaSigns[Lagna][1] = 1;
    m.PartnerSaptavargaSigns[Mars][1] = 5;
    const double left = Config().LeftMarginTwips;
    for (bool hindi : {false, true}) {
        SCOPED_TRACE(hindi ? "hi" : "en");
        ApplyDisplayConventions(hindi);
        MeasuredSurface s;
        ASSERT_TRUE(PrintPage(s, "Result", false));
        const std::vector<RecordedText>& recorded = s.Texts();
        ASSERT_EQ(recorded.size(), s.texts.size());
        auto emSize = [](const TextFont& f) { return f.Size * MapFont(f.Name).sizeFactor; };
        int numbers = 0;
        for (std::size_t i = 0; i < recorded.size(); ++i) {
            const double x = recorded[i].x - left;
            if (std::abs(x - 6000) > 1 && std::abs(x - 7500) > 1)
                continue;
            // The row's caption: the nearest text at the left margin.
            std::size_t row = recorded.size();
            for (std::size_t j = 0; j < recorded.size(); ++j)
                if (std::abs(recorded[j].x - left) < 1 &&
                    (row == recorded.size() || std::abs(recorded[j].y - recorded[i].y) < std::abs(recorded[row].y - recorded[i].y)))
                    row = j;
            ASSERT_LT(row, recorded.size());
            SCOPED_TRACE(recorded[i].text + " of " + recorded[row].text);
            EXPECT_NEAR(s.texts[i].y + s.texts[i].ascent, s.texts[row].y + s.texts[row].ascent, 1);
            EXPECT_NEAR(emSize(recorded[i].font), emSize(recorded[row].font), 0.01);
            ++numbers;
        }
        EXPECT_EQ(numbers, 2 * 10);   // the captions, eight kootas and the total

        // On the interpretation page each koota's points stand before the
        // first line of what they mean, ending 900 twips from the margin.
        MeasuredSurface page;
        ASSERT_TRUE(PrintPage(page, "Interpret", false));
        const std::vector<RecordedText>& texts = page.Texts();
        int points = 0;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (std::abs(page.texts[i].x + page.texts[i].width - (left + 900)) > 1)
                continue;
            std::size_t line = texts.size();
            for (std::size_t j = 0; j < texts.size(); ++j)
                if (std::abs(texts[j].x - (left + 1000)) < 1 &&
                    (line == texts.size() || std::abs(texts[j].y - texts[i].y) < std::abs(texts[line].y - texts[i].y)))
                    line = j;
            ASSERT_LT(line, texts.size());
            SCOPED_TRACE(texts[i].text + " before " + texts[line].text);
            EXPECT_NEAR(page.texts[i].y + page.texts[i].ascent, page.texts[line].y + page.texts[line].ascent, 1);
            EXPECT_NEAR(emSize(texts[i].font), emSize(texts[line].font), 0.01);
            ++points;
        }
        EXPECT_EQ(points, 8);
    }
}

} // namespace
