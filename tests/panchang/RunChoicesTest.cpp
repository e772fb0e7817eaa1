#include "PanchangFixture.h"

#include "calc/Ayanamsa.h"
#include "calc/DecimalYear.h"
#include "panchang/Elements.h"
#include "panchang/EndTimes.h"
#include "panchang/HinduCalendar.h"
#include "panchang/Ishtkaal.h"
#include "panchang/PanchangAtTime.h"
#include "panchang/SunriseChart.h"
#include "panchang/Vimshottari.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

RunChoices ChoicesWith(int ayanamsaChoice, bool trueNode = true)
{
    RunChoices run;
    run.ayanamsaChoice = ayanamsaChoice;
    run.trueNode = trueNode;
    return run;
}

// What the searches and calendars give for a birth under the choices passed.
struct Results {
    ElementEnd tithiEnd, nakshatraEnd;
    LunarMonth month;
    double sunriseMoon = 0;
    std::string karanaAtSunrise;
    bool operator==(const Results&) const = default;
};

Results ResultsUnder(const BirthRecord& birth, const RunChoices& run)
{
    Results r;
    r.tithiEnd = FindElementEnd(Anga::Tithi, birth, birth.Hour, birth.Minute, 0, run);
    r.nakshatraEnd = FindElementEnd(Anga::Nakshatra, birth, birth.Hour, birth.Minute, 0, run);
    r.month = LunarMonthAtBirth(birth, run);
    const SunriseChart rise = ChartAtSunrise(birth, 6.5, run);
    r.sunriseMoon = rise.moon;
    r.karanaAtSunrise = CalcPanchangAtTime(birth, rise.sun, rise.moon, 6.5, run).karana.endText;
    return r;
}

// Texts that tell the language they were asked in: "en:" or "hi:" before
// the key.
class MarkedTexts : public TextSource {
public:
    std::optional<std::string> Find(TextTable, const std::string& paddedKey, bool hindi) override
    {
        return (hindi ? "hi:" : "en:") + paddedKey.substr(0, paddedKey.find_last_not_of(' ') + 1);
    }
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

} // namespace

class RunChoicesTest : public CalcTest {};

// The ghati window once named the lunar month in the zodiac of the last
// Preview: the searches and calendars follow the choices they are given,
// whatever ayanamsa, node or punctuation the last run left in the state.
TEST_F(RunChoicesTest, SearchesFollowTheChoicesGivenNotTheLastRun)
{
    const BirthRecord birth = DelhiBirth(20, 9, 2001, 12, 0, 0);
    for (int choice : {AyanamsaLahiri, AyanamsaKP, AyanamsaRaman})
        for (bool trueNode : {true, false}) {
            SCOPED_TRACE(::testing::Message() << "choice " << choice << (trueNode ? ", true node" : ", mean node"));
            OutputRun().AyanamsaChoice = choice;
            OutputRun().TrueNode = trueNode;
            const Results same = ResultsUnder(birth, ChoicesWith(choice, trueNode));
            for (int last : {AyanamsaLahiri, AyanamsaKP, AyanamsaRaman}) {
                OutputRun().AyanamsaChoice = last;
                OutputRun().TrueNode = !trueNode;
                OutputRun().PunctColon = ".";
                EXPECT_EQ(ResultsUnder(birth, ChoicesWith(choice, trueNode)), same) << "after a run under " << last;
                OutputRun().PunctColon = ":";
            }
        }
    // The choice itself is not lost on the way: Raman's zodiac stands about
    // 1.4 degrees from Lahiri's, and the Moon at sunrise with it.
    EXPECT_NE(ResultsUnder(birth, ChoicesWith(AyanamsaLahiri)).sunriseMoon,
              ResultsUnder(birth, ChoicesWith(AyanamsaRaman)).sunriseMoon);
}

// Dates and times are written with the dash and colon of the choices given.
TEST_F(RunChoicesTest, TextsUseThePunctuationGiven)
{
    RunChoices run;
    run.dash = "/";
    run.colon = ".";
    OutputRun().PunctDash = "-";
    OutputRun().PunctColon = ":";
    EXPECT_EQ(DecimalYearToDate(1990 + 1 / 12.0 + 5 / 360.0, true, run), "05/01/1990");
    EXPECT_EQ(DecimalYearToDateTime(1990 + 1 / 12.0 + 5 / 360.0, run), "05/01/1990 00.00.00");
    EXPECT_EQ(TithiEndTime(DelhiBirth(15, 8, 1980, 6, 0, 0), 6, 0, 0, run).find(':'), std::string::npos);
}

// The panchang's texts are in the language they are handed: Hindi while the
// program's state is English, and English while it is Hindi (the velantar's
// sign with them, the velantar table read from the delivered database).
class HandedLanguage : public WithDatabases {};

TEST_F(HandedLanguage, PanchangTextsAreInTheLanguageTheyAreHanded)
{
    MarkedTexts marked;
    TextSource* const delivered = CurrentTextSource();
    SetTextSource(&marked);
    const struct {
        const char* what;
        std::function<std::string(const RunChoices&)> text;
    } cases[] = {
        {"balance of dasha", [](const RunChoices& c) { return BalanceText(VimshottariAtBirth(168.0286), Texts(c)); }},
        {"added lunar month", [](const RunChoices& c) { return LunarMonthText({"SRAVANA", true}, Texts(c)); }},
        {"tithi", [](const RunChoices& c) { return CalcTithiText(100, 40, Texts(c)); }},
        {"yoga", [](const RunChoices& c) { return CalcYogaText(350, 20, Texts(c)); }},
        {"karana", [](const RunChoices& c) { return CalcKaranaText(15.9, 10, Texts(c)); }},
        {"paya by house", [](const RunChoices& c) { return PayaByHouse(4, Texts(c)); }},
        {"paya by nakshatra", [](const RunChoices& c) { return PayaByNakshatra(27, Texts(c)); }},
        {"velantar", [](const RunChoices& c) { return CalcVelantar(1, 11, c); }},
    };
    for (const auto& c : cases)
        for (bool hindi : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (hindi ? ", handed Hindi" : ", handed English"));
            ApplyDisplayConventions(!hindi);
            RunChoices handed = OutputRun().Choices();
            handed.languageHindi = hindi;
            // English karana names are put in proper case: "En:kinstughna".
            const std::string text = Lower(c.text(handed));
            EXPECT_NE(text.find(hindi ? "hi:" : "en:"), std::string::npos) << text;
            EXPECT_EQ(text.find(hindi ? "en:" : "hi:"), std::string::npos) << text;
        }
    SetTextSource(delivered);
    EXPECT_TRUE(messages.messages.empty());
}
