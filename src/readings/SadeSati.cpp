#include "SadeSati.h"

#include "Manglik.h"
#include "core/State.h"
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

// The signs as table period names them; only the first three letters count.
constexpr std::array<std::string_view, 13> SignNamesEnglish = {
    "", "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
    "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

struct SadeSatiTexts {
    std::string_view periodsHeading;
    std::string_view questionHeading;
    std::array<std::string_view, 6> text;   // 1..5
    int listFontSize;
};

constexpr SadeSatiTexts EnglishTexts = {
    "       Sade sati periods for your moon-sign.",
    "What is Sadesati? Is it bad for everyone?",
    {"",
     "Many people are afraid of the word Sadesati. This is a period of seven and half years and "
     "generally suppose to bring only disasters for the person going through this seven and half "
     "year period. But this is not right.",
     "Sadesati begins with the entry of the planet Shni (Saturn) in the sign previous to a "
     "persons moon sign. It ends when saturn completely passes through the second sign from "
     "one's moon sign. Thus a Sadesati runs trhough the passage of Saturn through 3 signs. "
     "Considering that Saturn takes 2.5 years (30 months) to pass through a single sign, it is "
     "logical that it takes 7.5 years for Satrun to completely cross 3 signs.",
     "We know the sequence of signs is - Mesh, Vrishabha, Mithun, Karka, Simha, Kanya, Tula, "
     "Vrishchika, Dhanu, Makar, Kumbha, Meen. Now think of a person with his moon sign "
     "Vrishabha. His Sadesati will begin when Saturn enters Mesh, the sign previous to his moon "
     "sign(Vrishabha) and will end when the Saturn completely passes through the sign second "
     "from his sign (Mithun in this case).",
     "A logical question you would ask- why transition of Saturn with respect to moon is given "
     "so much importance and why not some other plenets? Here is the answer. In Hindu Astrology "
     "we regard Moon as represinting human mind. It is quick moving planet and considered to be "
     "an enemy of Saturn. A Chandra Tarvik, or the horoscope with Moon in the Ascendant sign is "
     "given equal importance with Lagna Tarvik or the Ascendant Horoscope. Hence the Importance "
     "of Moon.",
     "It is generally observed that the persons born on the movable signs (viz Mesh, Karka, "
     "Tula and Makar.) are very active. On the other hand Saturn is very slow moving cold "
     "planet. Hence when Saturn is 12th, 1st  or Second sign from these signs, (i.e. when these "
     "signs are passing though Sadesati.) people born under these signs suddenly become "
     "sluggish. They start lossing interest in every challanging activity. Some start "
     "contemplating retirement from active life and so on. But these effects do not last long "
     "and once the worst part of 7.5 years is over life sets for normal."},
    10,
};

constexpr SadeSatiTexts HindiTexts = {
    "आपकी चन्द्र राशि के लिए साढ़े साती की अवधियाँ",
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

const SadeSatiTexts& textsOfRun() { return OutputRun().LanguageHindi ? HindiTexts : EnglishTexts; }

bool sameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The sign a row of table period names, by its first three letters.
std::optional<int> signOfName(std::string_view name)
{
    for (int sign = 1; sign <= 12; ++sign)
        if (name.size() >= 3 && sameLetters(name.substr(0, 3), SignNamesEnglish[sign].substr(0, 3)))
            return sign;
    return std::nullopt;
}

// "yyyy-mm-dd", with or without a time after it.
std::optional<int> dayNumberOfDate(const std::string& text)
{
    int year = 0, month = 0, day = 0;
    char dash1 = 0, dash2 = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c%d", &year, &dash1, &month, &dash2, &day) != 5 ||
        dash1 != '-' || dash2 != '-')
        return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const int n = DayNumber(day, month, year);
    if (!(DateOfDayNumber(n) == CalendarDate{day, month, year}))
        return std::nullopt;
    return n;
}

} // namespace

std::vector<SadeSatiPeriod> SadeSatiPeriods(const std::vector<SaturnIngress>& ingresses,
                                            int moonSign, int afterDay, std::size_t most)
{
    const int before = WrapRange(moonSign - 1, 12);
    const int next = WrapRange(moonSign + 1, 12);
    const int beyond = WrapRange(moonSign + 2, 12);

    std::vector<SadeSatiPeriod> periods;
    bool inside = false, ending = false;   // Saturn in the three signs; past them, maybe for good
    SadeSatiPeriod passage;
    auto close = [&] {
        if (passage.startDay > afterDay && periods.size() < most)
            periods.push_back(passage);
        inside = ending = false;
    };
    for (const SaturnIngress& ingress : ingresses) {
        if (ending) {
            // A retrograde step back into the Moon's next sign: not over yet.
            if (ingress.sign == next) {
                ending = false;
                continue;
            }
            close();
        }
        if (!inside) {
            if (ingress.sign == before) {
                inside = true;
                passage.startDay = ingress.dayNumber;
            }
        } else if (ingress.sign == beyond) {
            ending = true;
            passage.endDay = ingress.dayNumber;
        }
    }
    if (ending)
        close();
    return periods;
}

std::vector<SaturnIngress> ReadSaturnIngresses(Database& reference)
{
    std::vector<SaturnIngress> ingresses;
    for (Recordset rs(reference, "select * from period"); !rs.Eof(); rs.MoveNext()) {
        const std::string date = rs.Field("Date").Text();
        const std::string name = rs.Field("lvm").Text();
        const std::optional<int> day = dayNumberOfDate(date);
        const std::optional<int> sign = signOfName(name);
        if (!day || !sign)
            throw std::runtime_error("Saturn's sign changes: the row \"" + date + "\", \"" + name +
                                     "\" cannot be read");
        ingresses.push_back({*day, *sign});
    }
    // Without them no Sade Sati can be told, and an empty list would read as none.
    if (ingresses.empty())
        throw std::runtime_error("Saturn's sign changes: the table period of \"" + reference.Path() +
                                 "\" is empty");
    std::stable_sort(ingresses.begin(), ingresses.end(),
                     [](const SaturnIngress& a, const SaturnIngress& b) {
                         return a.dayNumber < b.dayNumber;
                     });
    return ingresses;
}

std::string IngressDateText(int dayNumber)
{
    const CalendarDate d = DateOfDayNumber(dayNumber);
    char text[32];
    const std::string& slash = OutputRun().PunctSlash;
    std::snprintf(text, sizeof text, "%02d%s%02d%s%04d", d.day, slash.c_str(), d.month,
                  slash.c_str(), d.year);
    return text;
}

void PrintSadeSatiPage1(Surface& surface)
{
    const SadeSatiTexts& t = textsOfRun();
    const RunValues& run = OutputRun();

    surface.Font.Bold = true;
    AdvanceLine(surface);
    AdvanceLine(surface);
    PrintPredictionParagraphAlt(surface, t.periodsHeading, false, t.listFontSize);
    surface.Font.Bold = false;

    const BirthRecord& native = Native();
    const std::vector<SadeSatiPeriod> periods =
        SadeSatiPeriods(ReadSaturnIngresses(DataConnection()), SignOfLongitude(Births().BirthMoon),
                        DayNumber(native.Day, native.Month, native.Year));
    for (const SadeSatiPeriod& p : periods) {
        const std::string start = IngressDateText(p.startDay), end = IngressDateText(p.endDay);
        const std::string line = run.LanguageHindi
                                     ? "    " + start + " " + run.PunctDash + " " + end
                                     : "From " + start + " - " + end;
        AdvanceLine(surface);
        PrintPredictionParagraphAlt(surface, line, false, t.listFontSize);
    }

    PrintPredictionParagraph(surface, "");
    PrintPredictionParagraph(surface, "");
    surface.Font.Bold = true;
    PrintPredictionParagraph(surface, t.questionHeading);
    surface.Font.Bold = false;
    PrintPredictionParagraph(surface, t.text[1]);
    for (int n = 2; n <= 3; ++n) {
        PrintPredictionParagraph(surface, "");
        PrintPredictionParagraph(surface, "");
        PrintPredictionParagraph(surface, t.text[n]);
    }
}

void PrintSadeSatiPage2(Surface& surface)
{
    const SadeSatiTexts& t = textsOfRun();
    for (int n = 0; n < 3; ++n)
        PrintPredictionParagraph(surface, "");
    PrintPredictionParagraph(surface, t.text[4]);
    PrintPredictionParagraph(surface, "");
    PrintPredictionParagraph(surface, "");
    PrintPredictionParagraph(surface, t.text[5]);
}

} // namespace tarvik
