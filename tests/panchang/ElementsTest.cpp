// Tithi, nakshatra, yoga and karana at their boundaries, their texts, and
// the paya tables.

#include "PanchangFixture.h"

#include "panchang/Elements.h"
#include "refdata/TextLookup.h"

#include <gtest/gtest.h>

#include <map>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

struct TwoBodyCase {
    double moon, sun;
    int expected;
    const char* why;
};

TEST(PanchangElements, TithiBelongsToTheTithiThatEndsAtItsBoundary)
{
    const TwoBodyCase cases[] = {
        {100, 40, 5, "60 deg: the fifth tithi just ends"},
        {100.01, 40, 6, "just past the boundary"},
        {52, 40, 1, "12 deg exactly"},
        {52.0001, 40, 2, ""},
        {40, 100, 25, "Moon behind the Sun: the dark half"},
        {220, 40, 15, "opposition: the full moon"},
        {220.01, 40, 16, ""},
        {39.99, 40, 30, "a hair before the conjunction"},
        {40, 40, 30, "the exact conjunction ends the thirtieth"},
        {40.001, 40, 1, ""},
        {0.005, 359.995, 1, "across 0 deg"},
        {360.5, 0.5, 30, "a shifted Moon above 360 is reduced"},
        {-10, 340, 1, "a shifted Moon below 0 is reduced"},
        {100, 400, 5, "a Sun above 360 is reduced"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcTithi(c.moon, c.sun), c.expected) << c.moon << " " << c.sun << " " << c.why;
}

TEST(PanchangElements, TithiKeysShareTheHalvesButNameFullAndNewMoon)
{
    const std::map<int, Key> cases = {
        {1, "_Pratipada"}, {10, "_Dashmi"}, {14, "_Chaturdashi"}, {15, "Purnima"},
        {16, "_Pratipada"}, {25, "_Dashmi"}, {29, "_Chaturdashi"}, {30, "Amavasya"},
    };
    for (const auto& [tithi, key] : cases)
        EXPECT_EQ(TithiKey(tithi), key) << tithi;
}

TEST(PanchangElements, NakshatraOfTheMoon)
{
    const struct {
        double moon;
        int expected;
    } cases[] = {
        {0, 1}, {13.3333, 1}, {119.999, 9}, {120, 10}, {359.9, 27},
        {359.99999999999994, 27}, {360, 1}, {-0.1, 27}, {373.4, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcNakshatra(c.moon), c.expected) << c.moon;
}

TEST(PanchangElements, YogaOfTheSumOfLongitudes)
{
    const TwoBodyCase cases[] = {
        {0, 0, 1, ""},
        {5, 8.3333, 1, "below 13 deg 20'"},
        {10, 10, 2, "20 deg"},
        {180, 172, 27, "352 deg"},
        {355, 4.99, 27, "359.99 deg"},
        {180, 180, 1, "the full circle begins the first yoga again"},
        {350, 20, 1, "370 deg: 28.75, less 27"},
        {350, 380, 1, "a Sun above 360 is reduced first"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcYoga(c.moon, c.sun), c.expected) << c.moon << " " << c.sun << " " << c.why;
}

TEST(PanchangElements, KaranaFromWholeArcMinutesOfElongation)
{
    const TwoBodyCase cases[] = {
        {15.9, 10, 1, "354'"},
        {16, 10, 2, "360'"},
        {15.99, 10, 1, "359.4' rounds down"},
        {16.1, 10, 2, ""},
        {10, 100, 46, "Moon behind the Sun: 16200' is the 46th"},
        {353.99, 0, 59, "21239.4'"},
        {354, 0, 60, "21240': the last karana, Naga"},
        {359.99, 0, 60, "21599.4'"},
        {359.995, 0, 1, "21599.7' rounds to the circle: karana 61 is the first"},
        {0, 0, 1, "the conjunction"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcKarana(c.moon, c.sun), c.expected) << c.moon << " " << c.sun << " " << c.why;
}

TEST(PanchangElements, PayaByHouseAndByNakshatra)
{
    // The texts come from a small dictionary.
    class Payas : public TextSource {
    public:
        std::optional<std::string> Find(TextTable, const std::string& key, bool) override
        {
            for (const char* p : {"GOLD", "SILVER", "COPPER", "IRON"})
                if (key == PadKey(p, 25))
                    return std::string(p);
            return std::nullopt;
        }
    } source;
    SetTextSource(&source);
    CollectingReporter messages;
    ScopedReporter scope(messages);

    const std::map<int, std::string> byHouse = {
        {-1, ""}, {0, "GOLD"}, {1, "GOLD"}, {2, "SILVER"}, {3, "COPPER"}, {4, "IRON"}, {5, "SILVER"},
        {6, "GOLD"}, {7, "COPPER"}, {8, "IRON"}, {9, "SILVER"}, {10, "COPPER"}, {11, "GOLD"},
        {12, "IRON"}, {13, ""},
    };
    for (const auto& [house, paya] : byHouse)
        EXPECT_EQ(PayaByHouse(house, Texts(false)), paya) << "house " << house;

    const std::map<int, std::string> byNakshatra = {
        {0, ""}, {1, "GOLD"}, {5, "GOLD"}, {6, "SILVER"}, {15, "SILVER"}, {16, "IRON"},
        {17, "COPPER"}, {26, "COPPER"}, {27, "GOLD"}, {28, ""},
    };
    for (const auto& [nakshatra, paya] : byNakshatra)
        EXPECT_EQ(PayaByNakshatra(nakshatra, Texts(false)), paya) << "nakshatra " << nakshatra;
    EXPECT_TRUE(messages.messages.empty());
    SetTextSource(nullptr);
}

TEST(PanchangElements, EnglishKaranaNamesInProperCase)
{
    class Shouting : public TextSource {
    public:
        std::optional<std::string> Find(TextTable, const std::string& key, bool hindi) override
        {
            if (key == PadKey("KINSTUGHNA", 25))
                return std::string(hindi ? "किंस्तुघ्न" : "kinstughna");
            if (key == PadKey("CHATUSHPAD", 25))
                return std::string("CHATUSH PAD");
            return std::nullopt;
        }
    } source;
    SetTextSource(&source);

    EXPECT_EQ(CalcKaranaText(15.9, 10, Texts(false)), "Kinstughna");
    EXPECT_EQ(CalcKaranaText(350, 0, Texts(false)), "Chatush Pad");   // karana 59
    EXPECT_EQ(CalcKaranaText(15.9, 10, Texts(true)), "किंस्तुघ्न");
    SetTextSource(nullptr);
}

using PanchangTexts = WithDatabases;

TEST_F(PanchangTexts, ElementTextsFromTheDictionary)
{
    const Texts english(false);
    EXPECT_EQ(CalcTithiText(100, 40, english), "Panchami");
    EXPECT_EQ(CalcTithiText(40, 100, english), "Dashami");   // tithi 25 has the text of 10
    EXPECT_EQ(CalcTithiText(220, 40, english), "Purnima");
    EXPECT_EQ(CalcTithiText(39.99, 40, english), "Amavasya");
    EXPECT_EQ(CalcNakshatraText(0), "_Ashvini");     // the key, not looked up
    EXPECT_EQ(CalcNakshatraText(359.9), "_Revati");
    EXPECT_EQ(CalcYogaText(350, 20, english), "Vishkumbha");
    EXPECT_EQ(CalcKaranaText(15.9, 10, english), "Kinstughna");
    EXPECT_EQ(CalcKaranaText(354, 0, english), "Naga");
    EXPECT_EQ(PayaByHouse(4, english), "Iron");
    EXPECT_EQ(PayaByNakshatra(27, english), "Gold");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PanchangTexts, EveryElementHasItsTextInBothLanguages)
{
    for (bool hindi : {false, true}) {
        const Texts texts(hindi);
        // One position inside every tithi, yoga and karana of the month.
        for (int k = 0; k < 60; ++k) {
            const double elongation = k * 6 + 3;
            EXPECT_NE(CalcTithiText(elongation, 0, texts), "") << k;
            EXPECT_NE(CalcKaranaText(elongation, 0, texts), "") << k;
        }
        for (int y = 0; y < 27; ++y)
            EXPECT_NE(CalcYogaText(y * 40.0 / 3 + 1, 0, texts), "") << y;
        for (int n = 1; n <= 27; ++n)
            EXPECT_NE(texts.Dict(CalcNakshatraText((n - 1) * 40.0 / 3 + 1)), "") << n;
        for (int house = 0; house <= 12; ++house)
            EXPECT_NE(PayaByHouse(house, texts), "") << house;
        for (int n = 1; n <= 27; ++n)
            EXPECT_NE(PayaByNakshatra(n, texts), "") << n;
    }
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
}

} // namespace
