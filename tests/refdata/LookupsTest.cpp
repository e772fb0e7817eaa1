#include "RefdataFixture.h"

#include "calc/NameTables.h"
#include "core/Reporter.h"
#include "refdata/Lookups.h"
#include "refdata/TextLookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// Sub spans in arc-seconds, Vimshottari order from Ketu.
constexpr std::array<const char*, 9> Lords = {"Ketu", "Venus", "Sun", "Moon", "Mars",
                                             "Rahu", "Jupiter", "Saturn", "Mercury"};
constexpr std::array<double, 9> Spans = {2800, 8000, 2400, 4000, 2800, 7200, 6400, 7600, 6800};

using SubLordLookup = OpenDeliveredDatabases;

TEST_F(SubLordLookup, FollowsTheNakshatraLordThroughTheCycle)
{
    struct Case {
        double arcSeconds;
        const char* lord;
    } cases[] = {
        {0, "Ketu"},                          // Ashvini opens with its own lord's sub
        {2799.999, "Ketu"},
        {2800, "Venus"},                      // the end of a sub belongs to the next lord
        {48000, "Venus"},                     // Bharani opens with Venus
        {48000 * 2, "Sun"},
        {48000 * 8, "Mercury"},               // Ashlesha
        {48000 * 8 + 6800, "Ketu"},           // Mercury's row is the last: the walk wraps
        {48000 * 26 + 6799, "Mercury"},       // Revati
        {48000 * 26 + 6800, "Ketu"},
        {48000 * 26 + 47999.5, "Saturn"},     // last sub of the zodiac
        {1296000, "Ketu"},                    // 360° is 0°
        {-1, "Saturn"},                       // reduced first: just below 360°
        {1296000 + 48000 * 9 + 2800, "Venus"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetSubLord(c.arcSeconds), c.lord) << c.arcSeconds;
}

// Every sub boundary of the zodiac hands over to the next lord of the cycle.
TEST_F(SubLordLookup, EveryBoundaryGoesToTheNextLord)
{
    for (int n = 0; n < 27; ++n) {
        const int star = n % 9;
        double start = n * NakshatraArcSeconds;
        for (int k = 0; k < 9; ++k) {
            const int lord = (star + k) % 9;
            const double end = start + Spans[lord];
            EXPECT_EQ(GetSubLord(start), Lords[lord]) << "nakshatra " << n << " sub " << k;
            EXPECT_EQ(GetSubLord(end - 1e-6), Lords[lord]) << "nakshatra " << n << " sub " << k;
            if (k < 8) {
                EXPECT_EQ(GetSubLord(end), Lords[(lord + 1) % 9]);
            }
            start = end;
        }
        EXPECT_DOUBLE_EQ(start, (n + 1) * NakshatraArcSeconds);
    }
}

// A longitude that is no number picks no row of the table.
TEST_F(SubLordLookup, ALongitudeThatIsNoNumberIsRefused)
{
    EXPECT_THROW(GetSubLord(std::nan("")), std::domain_error);
    EXPECT_THROW(GetSubLord(-std::numeric_limits<double>::infinity()), std::domain_error);
    EXPECT_EQ(GetSubLord(1296000.0 * 1e6 + 2800), GetSubLord(2800));
}

// A stored real far beyond the whole numbers reads as their nearer end.
TEST(DatabaseValue, RealsBeyondTheWholeNumbersStopAtTheirEnds)
{
    EXPECT_EQ(Value(8.9e24).Int(), std::numeric_limits<long long>::max());
    EXPECT_EQ(Value(-9e99).Int(), std::numeric_limits<long long>::min());
    EXPECT_EQ(Value(std::nan("")).Int(), 0);
    EXPECT_EQ(Value(-2.7).Int(), -2);
}

TEST(SubLordTableCheck, RefusesRowsThatCannotServe)
{
    std::array<std::string, 27> stars;
    for (int n = 0; n < 27; ++n)
        stars[n] = Lords[n % 9];
    auto rows = [] {
        std::vector<SubLordSpan> r;
        for (int i = 0; i < 9; ++i)
            r.push_back({Lords[i], Spans[i]});
        return r;
    };
    EXPECT_NO_THROW(SubLordTable(rows(), stars));

    auto shortSpan = rows();
    shortSpan[3].span -= 1;
    auto zeroSpan = rows();
    zeroSpan[0].span = 0;
    zeroSpan[1].span += 2800;
    auto twice = rows();
    twice[8].lord = "KETU";
    auto eight = rows();
    eight.pop_back();
    auto stranger = stars;
    stranger[4] = "Pluto";
    struct Case {
        const char* what;
        std::vector<SubLordSpan> subs;
        std::array<std::string, 27> stars;
    } cases[] = {
        {"spans short of 48000", shortSpan, stars},
        {"a sub without span", zeroSpan, stars},
        {"a lord twice", twice, stars},
        {"eight rows", eight, stars},
        {"a star lord without sub", rows(), stranger},
    };
    for (const Case& c : cases)
        EXPECT_THROW(SubLordTable(c.subs, c.stars), std::invalid_argument) << c.what;

    // Star lords match the sub rows whatever their letter case.
    auto upper = stars;
    upper[0] = "KETU";
    SubLordTable table(rows(), upper);
    EXPECT_EQ(table.SubLordOf(0), "Ketu");
}

using WordLookup = OpenDeliveredDatabases;

TEST_F(WordLookup, TranslatesLordNamesInHindiOnly)
{
    struct Case {
        const char* word;
        const char* english;
        const char* hindi;
    } cases[] = {
        {"Saturn", "Saturn", "शनि"},
        {"sun", "sun", "सूर्य"},                  // the comparison ignores case
        {"Mercury", "Mercury", "बुध"},
        {"Ceres", "Ceres", "Ceres"},              // unknown: the word itself
        {"Rahu's", "Rahu's", "Rahu's"},           // a quote is only a character
        {"", "", ""},
    };
    for (const Case& c : cases) {
        OutputRun().LanguageHindi = false;
        EXPECT_EQ(TranslateWord(c.word, OutputRun().LanguageHindi), c.english);
        OutputRun().LanguageHindi = true;
        EXPECT_EQ(TranslateWord(c.word, OutputRun().LanguageHindi), c.hindi);
    }
    // Every sub lord the table can return has its Hindi word.
    for (const char* lord : Lords)
        EXPECT_NE(TranslateWord(lord, OutputRun().LanguageHindi), lord) << lord;
}

TEST(WordLookupClosed, AFailingLookupLeavesTheWord)
{
    CloseReferenceDatabases();
    OutputRun().LanguageHindi = true;
    EXPECT_EQ(TranslateWord("Saturn", OutputRun().LanguageHindi), "Saturn");
    EXPECT_THROW(GetSubLord(0), DbError);
    ResetProgramState();
}

using KeyedTexts = OpenDeliveredDatabases;

TEST_F(KeyedTexts, DictionarySeeksThroughTheDatabase)
{
    CollectingReporter collector;
    ScopedReporter scope(collector);
    const Texts english(false), hindi(true);
    EXPECT_EQ(english.Dict("_Mesh"), "Aries");
    EXPECT_EQ(english.Dict("rl274"), "Chi");
    EXPECT_EQ(hindi.Dict("_MESH"), "मेष");
    EXPECT_TRUE(collector.messages.empty());

    // Another index chosen on the shared cursor does not mislead the lookup.
    DictionaryTable().SetIndex("");
    EXPECT_EQ(hindi.Dict("_meen"), "मीन");

    EXPECT_EQ(hindi.Dict("NO SUCH KEY"), "");
    ASSERT_EQ(collector.messages.size(), 1u);
    EXPECT_EQ(collector.messages[0], "Not Found:NO SUCH KEY" + std::string(14, ' '));
    const Texts texts(true);
    EXPECT_EQ(texts.Match("", true), "");
    EXPECT_EQ(texts.Prediction("FA_SUSU1", true), "");   // no body aspects itself
    EXPECT_EQ(texts.Varshphal("XAB", true), "");
    EXPECT_EQ(collector.messages.size(), 1u);
}

// Every key of the name tables, the name syllables and the ghat captions has
// an English and a Hindi text.
TEST_F(KeyedTexts, EveryNameTableKeyHasBothTexts)
{
    std::vector<std::string> keys;
    auto add = [&](Key k) {
        if (!k.empty())
            keys.emplace_back(k);
    };
    for (Key k : BodyKeys) add(k);
    for (Key k : BodyNames) add(k);
    for (Key k : DashaLordNames) add(k);
    for (Key k : SignKeys) add(k);
    for (Key k : TithiKeys) add(k);
    for (Key k : YogaKeys) add(k);
    for (Key k : KaranaNames) add(k);
    for (Key k : VargaNames) add(k);
    for (Key k : VarnaColumnKeys) add(k);
    for (int n = 1; n <= 27; ++n) {
        add(NakshatraKeys(n));
        add(GanaKeys(n));
        add(YunjaKeys(n));
        add(NadiKeys(n));
        add(YoniKeys(n));
        for (int p = 1; p <= 4; ++p) {
            add(NameVargaKeys(n, p));
            keys.push_back("RL" + std::to_string(n) + std::to_string(p));
        }
    }
    for (int s = 1; s <= 12; ++s) {
        add(AyanKeys(s));
        add(GolKeys(s));
        add(RituKeys(s));
        for (int c = 1; c <= 3; ++c)
            add(SignVarnaTable(s, c));
    }
    for (Key k : {"_Purnima", "_Amavasya", "_Krishna", "_Shukla"}) add(k);
    for (Key k : {"CHAITRA", "VAISAKHA", "JYAISTHA", "ASADHA", "SRAVANA", "BHADRA", "ASVINA",
                  "KARTIKA", "MARGSHIRSH", "AGRAHAYANA", "PAUSA", "MAGHA", "PHALGUNA"})
        add(k);
    for (int i = 1; i <= 17; ++i)
        keys.push_back("gh" + std::to_string(i));

    CollectingReporter collector;
    ScopedReporter scope(collector);
    for (const std::string& key : keys) {
        EXPECT_FALSE(Texts(false).Dict(key).empty()) << key;
        EXPECT_FALSE(Texts(true).Dict(key).empty()) << key;
    }
    EXPECT_TRUE(collector.messages.empty()) << collector.messages.front();
}

// The nakshatras by their whole names, as almanacs print them, in both
// languages: a table shows every one whole.
TEST_F(KeyedTexts, NakshatrasByTheirWholeNames)
{
    const char* const english[28] = {
        "", "Ashvini", "Bharani", "Krittika", "Rohini", "Mrigashira", "Ardra", "Punarvasu",
        "Pushya", "Ashlesha", "Magha", "Purva Phalguni", "Uttara Phalguni", "Hasta", "Chitra",
        "Swati", "Vishakha", "Anuradha", "Jyeshtha", "Moola", "Purva Ashadha", "Uttara Ashadha",
        "Shravana", "Dhanishtha", "Shatabhisha", "Purva Bhadrapada", "Uttara Bhadrapada", "Revati"};
    CollectingReporter collector;
    ScopedReporter scope(collector);
    for (int n = 1; n <= 27; ++n)
        EXPECT_EQ(Texts(false).Dict(NakshatraKeys(n)), english[n]) << n;
    EXPECT_EQ(Texts(true).Dict(NakshatraKeys(5)), "मृगशिरा");
    EXPECT_TRUE(collector.messages.empty());
}

// The avakahada varga of a name is the consonant group of its first
// letter: a pada's syllable (its Hindi text, whose first letter is the
// letter itself) falls in the group of the varga the pada is given.
TEST_F(KeyedTexts, EveryNameSyllableFallsInItsVarga)
{
    // The eight groups of the alphabet by their first and last letter, with
    // the varga named after each: the vowels, the five groups of stops from
    // the throat to the lips, the semivowels and the sibilants.
    const struct {
        char32_t first, last;
        Key varga;
    } groups[] = {
        {U'\u0905', U'\u0914', "_GARUD"},   // a .. au
        {U'\u0915', U'\u0919', "_MARJAR"},  // ka .. nga
        {U'\u091A', U'\u091E', "_SINGH"},   // cha .. nya
        {U'\u091F', U'\u0923', "_SWAN"},    // Ta .. Na
        {U'\u0924', U'\u0928', "_SARP"},    // ta .. na
        {U'\u092A', U'\u092E', "_UUDAR"},   // pa .. ma
        {U'\u092F', U'\u0935', "_HIRAN"},   // ya, ra, la, va
        {U'\u0936', U'\u0939', "_MENDHA"},  // sha .. ha
    };
    // The first code point of a UTF-8 text in the Devanagari block.
    const auto firstLetter = [](const std::string& s) -> char32_t {
        if (s.size() < 3)
            return 0;
        return ((static_cast<unsigned char>(s[0]) & 0x0F) << 12) |
               ((static_cast<unsigned char>(s[1]) & 0x3F) << 6) | (static_cast<unsigned char>(s[2]) & 0x3F);
    };
    CollectingReporter collector;
    ScopedReporter scope(collector);
    const Texts hindi(true);
    for (int n = 1; n <= 27; ++n) {
        for (int p = 1; p <= 4; ++p) {
            const std::string syllable = hindi.Dict("RL" + std::to_string(n) + std::to_string(p));
            const char32_t letter = firstLetter(syllable);
            Key group;
            for (const auto& g : groups)
                if (letter >= g.first && letter <= g.last)
                    group = g.varga;
            EXPECT_EQ(NameVargaKeys(n, p), group) << "nakshatra " << n << " pada " << p << " " << syllable;
        }
    }
    EXPECT_TRUE(collector.messages.empty());
}

} // namespace
