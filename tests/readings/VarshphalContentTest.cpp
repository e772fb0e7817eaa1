// The varshphal pages with the delivered databases and the preview's fonts:
// every text the pages can ask for is there in both languages, and the
// pages stay inside their frame, also with the longest texts of every lord.

#include "pages/MeasuredSurface.h"
#include "pages/QtTestEnvironment.h"
#include "ReadingPagesFixture.h"

#include "calc/CalcFixture.h"
#include "calc/Chart.h"
#include "calc/RunCopies.h"
#include "core/Reporter.h"
#include "registry/PageDispatcher.h"
#include "readings/MuddaDasha.h"
#include "readings/VarshphalPages.h"
#include "refdata/RefdataFixture.h"
#include "refdata/TextLookup.h"

#include <string>
#include <vector>

using namespace tarvik;
using namespace tarvik::testing;
using tarvik::testing::DelhiBirth;

namespace {

// Every annual-chart text of a lord is answered with that lord's longest
// text over the twelve houses; everything else comes from the databases.
class LongestTextOfLord : public TextSource {
public:
    explicit LongestTextOfLord(TextSource& inner) : inner_(inner) {}

    std::optional<std::string> Find(TextTable table, const std::string& paddedKey, bool hindi) override
    {
        if (table != TextTable::Varshphal)
            return inner_.Find(table, paddedKey, hindi);
        std::optional<std::string> longest;
        for (int house = 1; house <= 12; ++house) {
            std::string key = paddedKey;
            key[2] = static_cast<char>(65 + house);
            const auto text = inner_.Find(table, key, hindi);
            if (text && (!longest || CodePoints(*text) > CodePoints(*longest)))
                longest = text;
        }
        return longest;
    }

private:
    TextSource& inner_;
};

class VarshphalContent : public DeliveredReadingPages {
protected:
    static void stand(const BirthRecord& birth, bool hindi, int style)
    {
        PrepareRun({.native = {birth}, .hindi = hindi, .chartStyle = style});
    }
};

TEST_F(VarshphalContent, EveryTextOfEveryLordInEveryHouse)
{
    for (bool hindi : {false, true}) {
        for (int lord = 1; lord <= 9; ++lord) {
            for (int house = 1; house <= 12; ++house) {
                const std::string key = VarshphalTextKey(MuddaLords[lord].position, house);
                EXPECT_FALSE(Texts(hindi).Varshphal(key).empty()) << key << (hindi ? " hi" : " en");
            }
        }
    }
    EXPECT_TRUE(collector.messages.empty());
}

TEST_F(VarshphalContent, EveryCaptionOfThePages)
{
    std::vector<std::string> keys = {"varshphaldeg", "_VARSHTARVIK", "munthain", "INFLUENCEOF",
                                     "from", "to", "varshlagna", "inhouse", "BHAV"};
    for (int tithi = 1; tithi <= 30; ++tithi)
        keys.emplace_back(YearTithiKey(tithi));
    for (int lord = 1; lord <= 9; ++lord)
        keys.emplace_back(MuddaLords[lord].name);
    for (bool hindi : {false, true})
        for (const std::string& key : keys)
            EXPECT_FALSE(Texts(hindi).Dict(key).empty()) << key << (hindi ? " hi" : " en");
    EXPECT_TRUE(collector.messages.empty());
}

// Thirty years of one native's pages, in both languages: nothing is missing.
TEST_F(VarshphalContent, ThirtyYearsOfPagesFindEveryText)
{
    for (bool hindi : {false, true}) {
        stand(DelhiBirth(15, 8, 1980, 10, 30), hindi, 0);
        for (int year = 1980; year < 2010; ++year) {
            OutputRun().VarshphalYear = year;
            for (const char* key : {"VP1", "VP2", "VP3"}) {
                MeasuredSurface surface;
                ASSERT_TRUE(PrintPage(surface, key, false)) << key << " " << year;
            }
        }
    }
    EXPECT_TRUE(collector.messages.empty()) << collector.messages.front();
}

// Every text of the body inside the frame (default settings: the inner rule
// and the footer).
void expectInsideFrame(MeasuredSurface& s, const std::string& what)
{
    int body = 0;
    for (const RecordedText& t : s.Texts()) {
        if (t.y < Config().TopMarginTwips || t.y >= Config().FooterTop * 1440)
            continue;   // the header and the owner's lines
        ++body;
        EXPECT_GE(t.x, 560) << what << ": " << t.text;
        EXPECT_LE(t.x + s.WidthIn(t.font, t.text), 11040) << what << ": " << t.text;
        EXPECT_LE(t.y + s.HeightIn(t.font), 15000) << what << ": " << t.text << " below the frame";
    }
    EXPECT_GT(body, 0) << what;
}

TEST_F(VarshphalContent, YearChartPagesStayInsideTheFrame)
{
    const BirthRecord births[] = {DelhiBirth(15, 8, 1980, 10, 30), DelhiBirth(5, 2, 1962, 10, 0)};
    for (const BirthRecord& birth : births) {
        for (bool hindi : {false, true}) {
            for (int style : {0, 1}) {
                stand(birth, hindi, style);
                OutputRun().VarshphalYear = birth.Year + 40;
                MeasuredSurface surface;
                const std::string what = std::to_string(birth.Year) + (hindi ? " hi" : " en") +
                                         (style ? " south" : " north");
                ASSERT_TRUE(PrintPage(surface, "VP1", false)) << what;
                expectInsideFrame(surface, what);
            }
        }
    }
}

// Nine successive years open with each of the nine lords; every period
// printed with its lord's longest text.
TEST_F(VarshphalContent, PeriodPagesStayInsideTheFrameWithTheLongestTexts)
{
    LongestTextOfLord longest(*CurrentTextSource());
    TextSource* delivered = CurrentTextSource();
    SetTextSource(&longest);
    for (bool hindi : {false, true}) {
        stand(DelhiBirth(15, 8, 1980, 10, 30), hindi, 0);
        for (int year = 2020; year < 2029; ++year) {
            OutputRun().VarshphalYear = year;
            for (const char* key : {"VP2", "VP3"}) {
                const std::string what = std::string(key) + " " + std::to_string(year) +
                                         (hindi ? " hi" : " en");
                MeasuredSurface surface;
                ASSERT_TRUE(PrintPage(surface, key, false)) << what;
                expectInsideFrame(surface, what);
            }
        }
    }
    SetTextSource(delivered);
    EXPECT_TRUE(collector.messages.empty());
}

} // namespace
