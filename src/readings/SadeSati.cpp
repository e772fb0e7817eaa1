#include "SadeSati.h"

#include "MarsHouses.h"
#include "pages/Frame.h"
#include "pages/Paragraphs.h"
#include "refdata/Databases.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace tarvik {

namespace {

struct SadeSatiTexts {
    std::string_view periodsHeading;
    // A period's line: before its first day, between the two days, after
    // the last.
    std::string_view periodFrom, periodTo, periodEnd;
    std::string_view questionHeading;
    std::array<std::string_view, 6> text;   // 1..5
    int listFontSize;
};

constexpr SadeSatiTexts EnglishTexts = {
    "       Sade Sati periods for your Moon sign.",
    "From ", " to ", "",
    "What is Sade Sati? Is it bad for everyone?",
    {"",
     "Many people are afraid of the word Sade Sati. This is a period of seven and a half years, "
     "generally supposed to bring only disasters to the person going through it. But this is not "
     "right.",
     "Sade Sati begins with the entry of the planet Shani (Saturn) into the sign previous to a "
     "person's Moon sign. It ends when Saturn completely passes through the second sign from "
     "one's Moon sign. Thus a Sade Sati runs through the passage of Saturn through 3 signs. "
     "Considering that Saturn takes 2.5 years (30 months) to pass through a single sign, it is "
     "logical that it takes 7.5 years for Saturn to completely cross 3 signs.",
     "We know the sequence of signs is - Mesh, Vrishabha, Mithun, Karka, Simha, Kanya, Tula, "
     "Vrishchika, Dhanu, Makar, Kumbha, Meen. Now think of a person with his Moon sign "
     "Vrishabha. His Sade Sati will begin when Saturn enters Mesh, the sign previous to his Moon "
     "sign (Vrishabha), and will end when Saturn completely passes through the sign second "
     "from his sign (Mithun in this case).",
     "A logical question you would ask: why is the transit of Saturn with respect to the Moon "
     "given so much importance, and why not that of some other planet? Here is the answer. In "
     "Hindu astrology we regard the Moon as representing the human mind. It is a quick-moving "
     "planet and is considered to be an enemy of Saturn. A Chandra Kundali, or the horoscope with "
     "the Moon in the Ascendant sign, is given equal importance with the Lagna Kundali, or the "
     "Ascendant horoscope. Hence the importance of the Moon.",
     "It is generally observed that persons born in the movable signs (viz. Mesh, Karka, "
     "Tula and Makar) are very active. On the other hand, Saturn is a very slow-moving, cold "
     "planet. Hence when Saturn is in the 12th, 1st or 2nd sign from these signs (i.e. when "
     "these signs are passing through Sade Sati), people born under these signs suddenly become "
     "sluggish. They start losing interest in every challenging activity. Some start "
     "contemplating retirement from active life, and so on. But these effects do not last long, "
     "and once the worst part of the 7.5 years is over, life returns to normal."},
    10,
};

constexpr SadeSatiTexts HindiTexts = {
    "आपकी चन्द्र राशि के लिए साढ़े साती की अवधियाँ",
    "    ", " से ", " तक",
    "साढ़े साती क्या है? क्या यह सबके लिए अशुभ है?",
    {"",
     "बहुत से लोग साढ़े साती के नाम से ही डर जाते हैं। यह साढ़े सात वर्ष की अवधि है और "
     "सामान्यतः माना जाता है कि इससे गुज़रने वाले व्यक्ति के लिए यह केवल विपत्तियाँ ही लाती है। "
     "परन्तु यह धारणा सही नहीं है।",
     "साढ़े साती का आरम्भ तब होता है जब शनि व्यक्ति की चन्द्र राशि से पिछली राशि में प्रवेश "
     "करता है, और इसका अन्त तब होता है जब शनि चन्द्र राशि से अगली राशि को पूरी तरह पार कर "
     "लेता है। इस प्रकार साढ़े साती शनि के तीन राशियों से गुज़रने की अवधि है। शनि को एक राशि "
     "पार करने में लगभग ढाई वर्ष (30 मास) लगते हैं, अतः तीनों राशियाँ पार करने में उसे साढ़े "
     "सात वर्ष लगते हैं।",
     "राशियों का क्रम है - मेष, वृषभ, मिथुन, कर्क, सिंह, कन्या, तुला, वृश्चिक, धनु, मकर, कुम्भ, "
     "मीन। अब उस व्यक्ति की बात सोचिए जिसकी चन्द्र राशि वृषभ है। उसकी साढ़े साती तब आरम्भ होगी "
     "जब शनि वृषभ से पिछली राशि मेष में प्रवेश करेगा, और तब समाप्त होगी जब शनि वृषभ से अगली "
     "राशि (इस उदाहरण में मिथुन) को पूरी तरह पार कर लेगा।",
     "स्वाभाविक प्रश्न है कि चन्द्रमा के सन्दर्भ में शनि के गोचर को इतना महत्त्व क्यों दिया जाता "
     "है, किसी अन्य ग्रह को क्यों नहीं? इसका उत्तर यह है कि हिन्दू ज्योतिष में चन्द्रमा को मनुष्य "
     "के मन का कारक माना गया है। चन्द्रमा तीव्र गति वाला ग्रह है और शनि का शत्रु माना जाता है। "
     "चन्द्र कुण्डली, अर्थात् चन्द्रमा की राशि को लग्न मानकर बनी कुण्डली, को लग्न कुण्डली के "
     "समान ही महत्त्व दिया जाता है। इसी कारण चन्द्रमा का इतना महत्त्व है।",
     "सामान्यतः देखा गया है कि चर राशियों (मेष, कर्क, तुला और मकर) में जन्मे व्यक्ति बहुत "
     "सक्रिय होते हैं। दूसरी ओर शनि अत्यन्त मन्द गति वाला शीतल ग्रह है। अतः जब शनि इन राशियों "
     "से बारहवीं, पहली या दूसरी राशि में होता है (अर्थात् जब इन राशियों पर साढ़े साती चल रही "
     "होती है), तब इन राशियों में जन्मे लोग अचानक शिथिल हो जाते हैं। हर चुनौती भरे कार्य में "
     "उनकी रुचि घटने लगती है और कुछ लोग सक्रिय जीवन से अवकाश लेने तक की सोचने लगते हैं। "
     "परन्तु ये प्रभाव अधिक समय तक नहीं रहते; साढ़े सात वर्षों का सबसे कठिन भाग बीत जाने पर "
     "जीवन फिर सामान्य हो जाता है।"},
    16,
};

const SadeSatiTexts& textsOf(bool hindi)
{
    return hindi ? HindiTexts : EnglishTexts;
}

} // namespace

void PrintSadeSatiPage1(Surface& surface, const BirthRecord& birth, double moonAtBirth,
                        const PageContext& page)
{
    const SadeSatiTexts& t = textsOf(page.choices.languageHindi);

    surface.Font.Bold = true;
    AdvanceLine(surface, page.layout);
    AdvanceLine(surface, page.layout);
    PrintPredictionParagraphAlt(surface, page.layout, t.periodsHeading, false, t.listFontSize);
    surface.Font.Bold = false;

    const std::vector<SadeSatiPeriod> periods =
        SadeSatiPeriods(ReadSaturnIngresses(DataConnection()), SignOfLongitude(moonAtBirth),
                        DayNumber(birth.Day, birth.Month, birth.Year));
    for (const SadeSatiPeriod& p : periods) {
        const std::string line = std::string(t.periodFrom) + IngressDateText(p.startDay, page.choices) +
                                 std::string(t.periodTo) + IngressDateText(p.endDay, page.choices) +
                                 std::string(t.periodEnd);
        AdvanceLine(surface, page.layout);
        PrintPredictionParagraphAlt(surface, page.layout, line, false, t.listFontSize);
    }

    PrintPredictionParagraph(surface, page.layout, "");
    PrintPredictionParagraph(surface, page.layout, "");
    surface.Font.Bold = true;
    PrintPredictionParagraph(surface, page.layout, t.questionHeading);
    surface.Font.Bold = false;
    PrintPredictionParagraph(surface, page.layout, t.text[1]);
    for (int n = 2; n <= 3; ++n) {
        PrintPredictionParagraph(surface, page.layout, "");
        PrintPredictionParagraph(surface, page.layout, "");
        PrintPredictionParagraph(surface, page.layout, t.text[n]);
    }
}

void PrintSadeSatiPage2(Surface& surface, const PageContext& page)
{
    const SadeSatiTexts& t = textsOf(page.choices.languageHindi);
    for (int n = 0; n < 3; ++n)
        PrintPredictionParagraph(surface, page.layout, "");
    PrintPredictionParagraph(surface, page.layout, t.text[4]);
    PrintPredictionParagraph(surface, page.layout, "");
    PrintPredictionParagraph(surface, page.layout, "");
    PrintPredictionParagraph(surface, page.layout, t.text[5]);
}

} // namespace tarvik
