// The house of Mars from the Lagna and from the Moon, and the Manglik page.

#include "pages/PageTestSupport.h"

#include "pages/FontMap.h"
#include "registry/PageDispatcher.h"
#include "readings/Manglik.h"

#include <regex>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// Every text of the page in order, as one line of single blanks.
std::string PageText(const RecordingSurface& surface)
{
    std::string all;
    for (const std::string& t : surface.TextStrings())
        all += t + " ";
    return std::regex_replace(all, std::regex(" +"), " ");
}

TEST(Manglik, MarsHouseFromTheLagnaAndFromTheMoon)
{
    const struct {
        const char* what;
        double lagna, moon, mars;
        int fromLagna, fromMoon;
    } cases[] = {
        {"Mars in the Lagna's sign", 100, 200, 105, 1, 10},
        {"Mars in the Moon's sign", 10, 200, 205, 7, 1},
        {"Mars in the second", 10, 40, 40, 2, 1},
        {"Mars in the sign before the Lagna's", 40, 190, 10, 12, 7},
        {"across the end of Pisces", 0.5, 359.9, 359.5, 12, 1},
        {"fourth and eighth", 10, 250, 100, 4, 8},
        {"a sign's first degree", 29.999, 60, 30, 2, 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const MarsHouses h = MarsHousesAt(c.lagna, c.moon, c.mars);
        EXPECT_EQ(h.fromLagna, c.fromLagna);
        EXPECT_EQ(h.fromMoon, c.fromMoon);
    }
    for (int house = 1; house <= 12; ++house)
        EXPECT_EQ(IsManglikHouse(house),
                  house == 1 || house == 4 || house == 7 || house == 8 || house == 12)
            << house;
}

class ManglikPage : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Config().PrintBorder = false;
    }
};

TEST_F(ManglikPage, QuotationsThenTheVerdictsFromBothReferences)
{
    Births().BirthLagna = 10;    // Aries
    Births().BirthMoon = 200;    // Libra
    Births().BirthMars = 40;     // Taurus: the second from the Lagna, the eighth from the Moon
    ASSERT_TRUE(PrintPage(surface, "Manglik", false));
    EXPECT_TRUE(collector.messages.empty());

    const std::string page = PageText(surface);
    const std::vector<std::string> inOrder = {
        "MANGLIK CONSIDERATION",
        "According to Agastya Samhita",
        "लग्ने व्यये च पाताले जामित्रे चाष्टमे कुजे ।",
        "According to Maansagari",
        "According to Brihat Parashara Hora",
        "If Mangal is placed in first, second, fourth",
        "from Moon, Venus and Seventh Lord as well as from Lagna.",
        "सप्तमेशाद्विचिन्तयेत् ॥",
        "is not considered from the second house.",
        "In the Birth Chart Mangal is placed in HOUSE2 House. Hence Manglik Dosha is not present "
        "from Lagna.",
        "In the Moon Chart, Mangal is placed in HOUSE8 House. Hence Manglik Dosha is present from "
        "Moon.",
        "Mangal dosha is considered to create hurdles",
        "gets cancelled and has no effects.",
    };
    std::size_t from = 0;
    for (const std::string& part : inOrder) {
        const std::size_t at = page.find(part, from);
        ASSERT_NE(at, std::string::npos) << "\"" << part << "\" missing or out of order";
        from = at + part.size();
    }

    // Twelve verse lines in the Devanagari face, the verdicts in bold.
    int verses = 0;
    for (const RecordedText& t : surface.Texts()) {
        if (t.font.Name == HindiFace) {
            ++verses;
            EXPECT_EQ(t.font.Size, 13);
        }
        if (t.text.find("Hence") != std::string::npos || t.text.find("Chart") != std::string::npos) {
            EXPECT_TRUE(t.font.Bold) << t.text;
        }
        if (t.text.find("Agastya") != std::string::npos) {
            EXPECT_FALSE(t.font.Bold);
        }
    }
    EXPECT_EQ(verses, 12);
    EXPECT_FALSE(surface.Font.Bold);
}

TEST_F(ManglikPage, HindiVerdictsNameTheReferenceInTheirFirstWords)
{
    ApplyDisplayConventions(true);
    Births().BirthLagna = 100;   // Cancer, with Mars: the first house
    Births().BirthMoon = 10;     // Aries: Mars in the fourth
    Births().BirthMars = 105;
    ASSERT_TRUE(PrintPage(surface, "Manglik", false));
    const std::string page = PageText(surface);
    EXPECT_NE(page.find("लग्न कुण्डली में मंगल hi:HOUSE1 भाव में स्थित है, अतः मांगलिक दोष है।"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("चन्द्र कुण्डली में मंगल hi:HOUSE4 भाव में स्थित है, अतः मांगलिक दोष है।"),
              std::string::npos);
    EXPECT_NE(page.find("अगस्त्य संहिता के अनुसार"), std::string::npos);
    EXPECT_EQ(page.find("According"), std::string::npos);
}

} // namespace
