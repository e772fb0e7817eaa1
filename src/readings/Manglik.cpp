#include "Manglik.h"

#include "calc/Angles.h"
#include "pages/Frame.h"
#include "pages/Paragraphs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace tarvik {

namespace {

// The page's texts in one language: the five attributions of the verses, the
// explanations, and the two verdict sentences around the house's ordinal.
struct ManglikTexts {
    std::array<std::string_view, 10> text;   // 1..9
    std::string_view lagnaPrefix;
    std::string_view moonPrefix;
    std::string_view lagnaPresent, lagnaAbsent;
    std::string_view moonPresent, moonAbsent;
};

constexpr ManglikTexts EnglishTexts = {
    {"",
     "According to Agastya Samhita",
     "According to Maansagari",
     "According to Brihat Jyothishasara",
     "According to Bhava Deepika",
     "According to Brihat Parashara Hora",
     "If Mangal is placed in first, second, fourth, seventh, eighth or twelfth house in "
     "\"Lagna Kundali\" then Manglik Dosha is present in the horoscope. According to some "
     "ancient scriptures, Manglik Dosha should be considered from Moon, Venus and Seventh Lord "
     "as well as from Lagna.",
     "Generally Manglik Dosha is considered only from the position of Lagna and the Moon in "
     "birth chart and is not considered from the second house.",
     "Mangal dosha is considered to create hurdles in the married life of a person. According "
     "to some myths mangal dosha results in frequent illness or untimely death of partner(s).",
     "It is considered that if a Manglik person marries another Manglik person then the "
     "Manglik Dosha gets cancelled and has no effects."},
    "In the Birth Chart Mangal is placed in ",
    "In the Moon Chart, Mangal is placed in ",
    " House. Hence Manglik Dosha is present from Lagna.",
    " House. Hence Manglik Dosha is not present from Lagna.",
    " House. Hence Manglik Dosha is present from Moon.",
    " House. Hence Manglik Dosha is not present from Moon.",
};

constexpr ManglikTexts HindiTexts = {
    {"",
     "अगस्त्य संहिता के अनुसार",
     "मानसागरी के अनुसार",
     "बृहत् ज्योतिषसार के अनुसार",
     "भाव दीपिका के अनुसार",
     "बृहत् पाराशर होरा के अनुसार",
     "यदि \"लग्न कुण्डली\" में मंगल प्रथम, द्वितीय, चतुर्थ, सप्तम, अष्टम अथवा द्वादश भाव में "
     "स्थित हो तो कुण्डली में मांगलिक दोष माना जाता है। कुछ प्राचीन ग्रन्थों के अनुसार मांगलिक "
     "दोष का विचार लग्न के साथ-साथ चन्द्रमा, शुक्र तथा सप्तमेश से भी करना चाहिए।",
     "सामान्यतः मांगलिक दोष का विचार जन्म कुण्डली में केवल लग्न और चन्द्रमा की स्थिति से किया "
     "जाता है; द्वितीय भाव से इसका विचार नहीं किया जाता।",
     "माना जाता है कि मांगलिक दोष व्यक्ति के वैवाहिक जीवन में बाधाएँ उत्पन्न करता है। कुछ "
     "मान्यताओं के अनुसार इस दोष से जीवनसाथी को बार-बार रोग या असमय मृत्यु का भय रहता है।",
     "ऐसा माना जाता है कि यदि मांगलिक व्यक्ति का विवाह मांगलिक व्यक्ति से ही हो तो मांगलिक "
     "दोष निरस्त हो जाता है और उसका कोई प्रभाव नहीं रहता।"},
    "लग्न कुण्डली में मंगल ",
    "चन्द्र कुण्डली में मंगल ",
    " भाव में स्थित है, अतः मांगलिक दोष है।",
    " भाव में स्थित है, अतः मांगलिक दोष नहीं है।",
    " भाव में स्थित है, अतः मांगलिक दोष है।",
    " भाव में स्थित है, अतः मांगलिक दोष नहीं है।",
};

// Six couplets on Mars in the houses of marriage, the same in both
// languages: one after each attribution, the last after the rule of the
// houses. The first line of the Agastya and Maansagari couplets is one.
constexpr std::array<std::string_view, 13> VerseLines = {
    "",
    "लग्ने व्यये च पाताले जामित्रे चाष्टमे कुजे ।",
    "कन्या भर्तुर्विनाशाय भर्ता कन्याविनाशकः ॥",
    "लग्ने व्यये च पाताले जामित्रे चाष्टमे कुजे ।",
    "स्त्रीणां भर्तृविनाशः स्यात् पुंसां भार्याविनाशनम् ॥",
    "लग्ने व्यये सुखे वापि सप्तमे वा अष्टमे कुजे ।",
    "शुभदृग्योगहीने च पतिं हन्ति न संशयः ॥",
    "यामित्रे चाष्टमे भौमे व्यये लग्ने चतुर्थके ।",
    "दम्पत्योर्मरणं विद्याच्छुभदृष्टिर्न चेत्तदा ॥",
    "लग्नव्ययचतुर्थेषु सप्तमे चाष्टमे कुजे ।",
    "कलत्रनाशं कुरुते शुभदृष्टिविवर्जिते ॥",
    "धने व्यये च पाताले जामित्रे चाष्टमे कुजे ।",
    "लग्नाच्चन्द्राच्च शुक्राच्च सप्तमेशाद्विचिन्तयेत् ॥",
};

const ManglikTexts& textsOf(bool hindi)
{
    return hindi ? HindiTexts : EnglishTexts;
}

} // namespace

std::string ManglikVerdict(bool fromMoon, int house, const Texts& texts)
{
    const ManglikTexts& t = textsOf(texts.Hindi());
    const bool present = IsManglikHouse(house);
    const std::string_view suffix = fromMoon ? (present ? t.moonPresent : t.moonAbsent)
                                             : (present ? t.lagnaPresent : t.lagnaAbsent);
    return std::string(fromMoon ? t.moonPrefix : t.lagnaPrefix) +
           texts.Dict("House" + std::to_string(house)) + std::string(suffix);
}

void PrintManglikDosha(Surface& surface, const PageContext& page)
{
    const ManglikTexts& t = textsOf(page.choices.languageHindi);
    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(page.Dict("Manglik") + " " + page.Dict("Consideration"), surface, y, page.layout);

    // Each attribution with its couplet; the rule of the houses with the last.
    for (int quote = 1; quote <= 6; ++quote) {
        PrintPredictionParagraph(surface, page.layout, t.text[quote]);
        PrintHindiParagraph(surface, page.layout, VerseLines[2 * quote - 1]);
        PrintHindiParagraph(surface, page.layout, VerseLines[2 * quote]);
    }
    PrintPredictionParagraph(surface, page.layout, t.text[7]);

    const BirthState& b = page.births;
    const MarsHouses houses = MarsHousesAt(b.BirthLagna, b.BirthMoon, b.BirthMars);
    surface.Font.Bold = true;
    PrintPredictionParagraph(surface, page.layout, "");
    PrintPredictionParagraph(surface, page.layout, ManglikVerdict(false, houses.fromLagna, page.texts));
    PrintPredictionParagraph(surface, page.layout, "");
    PrintPredictionParagraph(surface, page.layout, ManglikVerdict(true, houses.fromMoon, page.texts));
    PrintPredictionParagraph(surface, page.layout, "");
    surface.Font.Bold = false;

    PrintPredictionParagraph(surface, page.layout, t.text[8]);
    PrintPredictionParagraph(surface, page.layout, t.text[9]);
}

} // namespace tarvik
